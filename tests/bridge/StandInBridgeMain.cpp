// A bridge built for this machine: it serves the demo service over the bridge protocol on
// standard input and output, so the protocol is tested end to end without the component.
//   kagiroi_standin_bridge [NOW [FAULT READ]]
// NOW "yyyy-mm-ddThh:mm:ss" starts the demo's clock (the system's clock without it). FAULT "exit",
// "hang" or "garble" happens at the READth JVRead call instead of the read.
#include "datalink/BridgeServer.h"
#include "demo/DemoJvLink.h"
#include "platform/Clock.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif

namespace {

using namespace kagiroi;

class FaultyJvLink : public JvLink {
  public:
    FaultyJvLink(JvLink& inner, std::string fault, int atRead)
        : inner_(inner), fault_(std::move(fault)), atRead_(atRead) {}

    int JVInit(const std::string& id) override { return inner_.JVInit(id); }
    int JVSetUIProperties() override { return inner_.JVSetUIProperties(); }
    int JVOpen(const std::string& dataSpec, const std::string& from, int option, int& reads,
               int& downloads, std::string& stamp) override {
        return inner_.JVOpen(dataSpec, from, option, reads, downloads, stamp);
    }
    int JVRTOpen(const std::string& dataSpec, const std::string& key) override {
        return inner_.JVRTOpen(dataSpec, key);
    }
    int JVStatus() override { return inner_.JVStatus(); }
    int JVRead(std::string& record, int size, std::string& file) override {
        if (++reads_ == atRead_) Fail();
        return inner_.JVRead(record, size, file);
    }
    int JVCancel() override { return inner_.JVCancel(); }
    int JVClose() override { return inner_.JVClose(); }

  private:
    void Fail() {
        if (fault_ == "exit") std::exit(3);
        if (fault_ == "garble") {
            std::fputs("\xFF\xFF\xFF\xFFgarbage", stdout);
            std::fflush(stdout);
        }
        for (;;)
            SleepMilliseconds(1000);
    }

    JvLink& inner_;
    std::string fault_;
    int atRead_;
    int reads_ = 0;
};

}  // namespace

int main(int argc, char* argv[]) {
#ifdef _WIN32
    _setmode(_fileno(stdin), _O_BINARY);
    _setmode(_fileno(stdout), _O_BINARY);
#endif
    if (argc > 1 && std::strcmp(argv[1], "--probe") == 0) return 0;  // its demo is always there
    std::optional<DateTime> now = argc > 1 ? ParseIsoDateTime(argv[1]) : std::nullopt;
    if (argc > 1 && !now) return 2;
    std::unique_ptr<Clock> clock;
    if (now)
        clock = std::make_unique<StartedClock>(*now);
    else
        clock = std::make_unique<SystemClock>();
    DemoJvLink demo(*clock);
    FaultyJvLink link(demo, argc > 3 ? argv[2] : "", argc > 3 ? std::atoi(argv[3]) : 0);
    return ServeBridge(link, stdin, stdout);
}
