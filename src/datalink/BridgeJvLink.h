#pragma once

#include "datalink/BridgeTransport.h"
#include "datalink/JvLink.h"

#include <deque>
#include <functional>
#include <memory>

namespace kagiroi {

// How long a call may wait for the bridge before it counts as hung.
struct BridgeTimeouts {
    int callMs = 30000;
    int openMs = 300000;  // an open may fetch the list of files first
    int dialogMs = -1;    // the settings dialog waits for the user
};

// The data-service component in another process (the 32-bit bridge of a 64-bit program), over
// the bridge protocol. Reads come in batches and are handed out one by one. A bridge that
// ends, stays silent past its timeout or answers garbage makes the call answer -401, with a
// line to `report`; the next call starts a new bridge and repeats the last JVInit there.
class BridgeJvLink : public JvLink {
  public:
    BridgeJvLink(std::unique_ptr<BridgeTransport> transport,
                 std::function<void(const std::string&)> report, BridgeTimeouts timeouts = {});

    int JVInit(const std::string& softwareId) override;
    int JVSetUIProperties() override;
    int JVOpen(const std::string& dataSpec, const std::string& fromDate, int option, int& readCount,
               int& downloadCount, std::string& lastFileTimestamp) override;
    int JVRTOpen(const std::string& dataSpec, const std::string& key) override;
    int JVStatus() override;
    int JVRead(std::string& record, int bufferSize, std::string& fileName) override;
    int JVCancel() override;
    int JVClose() override;
    // What went wrong with the bridge in the last call that reached it; empty when nothing did.
    std::string FailureText() const override { return failure_; }

  private:
    struct Read {
        int code;
        std::string record, fileName;
    };

    // The answer to `request` past its op byte, from a bridge that has had its JVInit.
    std::optional<std::string> Exchange(const std::string& request, int timeoutMs);
    std::optional<std::string> Send(const std::string& request, int timeoutMs);
    // A call whose answer is one code.
    int CodeOf(const std::string& request, int timeoutMs);
    int FetchBatch(int bufferSize);
    int Garbled(const std::string& request);
    void Fail(const std::string& text);

    std::unique_ptr<BridgeTransport> transport_;
    std::function<void(const std::string&)> report_;
    BridgeTimeouts timeouts_;
    std::string softwareId_;  // of the last JVInit that succeeded
    std::deque<Read> batch_;  // reads the bridge made ahead
    std::string failure_;
    bool bridgeLost_ = false;  // a bridge ended since the last open
};

}  // namespace kagiroi
