#pragma once

#include "datalink/DispatchPort.h"
#include "datalink/JvLink.h"

#include <functional>
#include <map>
#include <memory>

namespace kagiroi {

// The data-service component reached through late-bound COM calls. Texts go as UTF-16 and come
// back as Shift_JIS; a call that fails, or a result that is no integer, answers -401, which
// every read loop takes as an error (never as "go on").
class DispatchJvLink : public JvLink {
  public:
    // `report` hears of records whose length disagrees with what JVRead said.
    explicit DispatchJvLink(std::unique_ptr<DispatchPort> port,
                            std::function<void(const std::string&)> report = {});

    int JVInit(const std::string& softwareId) override;
    int JVSetUIProperties() override;
    int JVOpen(const std::string& dataSpec, const std::string& fromDate, int option, int& readCount,
               int& downloadCount, std::string& lastFileTimestamp) override;
    int JVRTOpen(const std::string& dataSpec, const std::string& key) override;
    int JVStatus() override;
    int JVRead(std::string& record, int bufferSize, std::string& fileName) override;
    // The component's cancel has no result: 0 once the call went through.
    int JVCancel() override;
    int JVClose() override;

  private:
    // Calls `method` with `arguments` already in Invoke's order; its integer result or -401.
    int Call(const std::string& method, std::vector<DispatchValue>& arguments);
    std::optional<DispatchValue> Invoke(const std::string& method,
                                        std::vector<DispatchValue>& arguments);

    std::unique_ptr<DispatchPort> port_;
    std::function<void(const std::string&)> report_;
    std::map<std::string, std::optional<int32_t>> ids_;
};

}  // namespace kagiroi
