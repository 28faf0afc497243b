// kagiroi-jvlink-bridge: owns the 32-bit data-service component for a 64-bit program and serves
// its calls, framed, on standard input and output. "--probe" only says by its exit status
// whether the component can be created (0) or not (2).
#include "datalink/BridgeProtocol.h"
#include "datalink/BridgeServer.h"
#include "datalink/ComDispatchPort.h"
#include "datalink/DispatchJvLink.h"
#include "platform/Sjis.h"

#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include <cstdio>
#include <cstring>
#include <deque>
#include <mutex>
#include <optional>
#include <string>
#include <thread>

namespace {

using namespace kagiroi;

// Requests read on a thread of their own: the component's window and timers live on the main
// thread, which keeps dispatching their messages while it waits for the next request.
class RequestQueue {
  public:
    RequestQueue() : ready_(CreateEventW(nullptr, FALSE, FALSE, nullptr)) {}
    ~RequestQueue() { CloseHandle(ready_); }

    void ReadFrom(std::FILE* in) {
        char header[4];
        for (;;) {
            std::optional<std::string> payload;
            if (std::fread(header, 1, 4, in) == 4) {
                if (auto length = bridge::FrameLength(header)) {
                    payload.emplace(*length, '\0');
                    if (std::fread(payload->data(), 1, *length, in) != *length) payload.reset();
                }
            }
            bool ended = !payload;
            Push(std::move(payload));
            if (ended) return;
        }
    }
    // The next request; nullopt once the input ended or was garbage.
    std::optional<std::string> Next() {
        for (;;) {
            {
                std::lock_guard<std::mutex> lock(mutex_);
                if (!queue_.empty()) {
                    std::optional<std::string> next = std::move(queue_.front());
                    queue_.pop_front();
                    return next;
                }
            }
            MsgWaitForMultipleObjects(1, &ready_, FALSE, INFINITE, QS_ALLINPUT);
            MSG message;
            while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
                TranslateMessage(&message);
                DispatchMessageW(&message);
            }
        }
    }

  private:
    void Push(std::optional<std::string> payload) {
        std::lock_guard<std::mutex> lock(mutex_);
        queue_.push_back(std::move(payload));
        SetEvent(ready_);
    }

    HANDLE ready_;
    std::mutex mutex_;
    std::deque<std::optional<std::string>> queue_;
};

int Serve(JvLink& link) {
    BridgeServer server(link);
    RequestQueue requests;
    std::thread reader(&RequestQueue::ReadFrom, &requests, stdin);
    reader.detach();  // it ends with the input; the process may end first
    while (std::optional<std::string> request = requests.Next()) {
        std::optional<std::string> answer = server.Answer(*request);
        if (!answer) return 1;
        std::string frame = bridge::Writer::FrameOf(*answer);
        if (std::fwrite(frame.data(), 1, frame.size(), stdout) != frame.size() ||
            std::fflush(stdout) != 0)
            return 1;
    }
    return 0;
}

}  // namespace

int main(int argc, char* argv[]) {
    _setmode(_fileno(stdin), _O_BINARY);
    _setmode(_fileno(stdout), _O_BINARY);
    std::unique_ptr<ComDispatchPort> port = ComDispatchPort::Create(kJvLinkProgId);
    if (!port) {
        std::fputs("kagiroi-jvlink-bridge: the JV-Link component cannot be created\n", stderr);
        return 2;
    }
    if (argc > 1 && std::strcmp(argv[1], "--probe") == 0) return 0;
    DispatchJvLink link(std::move(port), [](const std::string& line) {
        std::fprintf(stderr, "kagiroi-jvlink-bridge: %s\n", SjisToUtf8(line).c_str());
    });
    return Serve(link);
}
