#pragma once

#include "datalink/BridgeTransport.h"

#include <condition_variable>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace kagiroi {

// The bridge as a child process: requests on its standard input, answers on its standard
// output. A reader thread collects the answers, so a wait can end at its timeout; a bridge that
// fails an exchange is killed.
class BridgeProcess : public BridgeTransport {
  public:
    // `program` and `arguments` in Shift_JIS.
    BridgeProcess(std::string program, std::vector<std::string> arguments);
    ~BridgeProcess() override;
    BridgeProcess(const BridgeProcess&) = delete;
    BridgeProcess& operator=(const BridgeProcess&) = delete;

    std::optional<std::string> Exchange(const std::string& request, int timeoutMs,
                                        BridgeFailure& failure) override;
    bool Fresh() const override { return !running_; }

  private:
    bool Start();
    void Stop();
    bool WriteAll(const std::string& bytes);
    // Blocks for some bytes of the child's output; 0 at its end.
    long ReadSome(char* into, size_t size);
    void CollectOutput();
    // Takes `size` bytes of output once they are there; false at the deadline or the end.
    bool Take(size_t size, int timeoutMs, std::string& into, BridgeFailure& failure);

    std::string program_;
    std::vector<std::string> arguments_;
    bool running_ = false;
#ifdef _WIN32
    void* process_ = nullptr;
    void* toChild_ = nullptr;
    void* fromChild_ = nullptr;
#else
    int pid_ = -1;
    int socket_ = -1;
#endif
    std::thread reader_;
    std::mutex mutex_;
    std::condition_variable arrived_;
    std::string output_;  // collected, not yet taken
    bool ended_ = false;
};

// Runs `program --probe` and says whether it exits with 0 (the bridge could create the
// component) within 30 seconds; a bridge still running then is killed.
bool BridgeProbeSucceeds(const std::string& program);

}  // namespace kagiroi
