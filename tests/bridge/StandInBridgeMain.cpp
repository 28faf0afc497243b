// A bridge built for this machine: it serves the demo service over the bridge protocol on
// standard input and output, so the protocol is tested end to end without the component.
//   kagiroi_standin_bridge [NOW [FAULT READ]]
// NOW "yyyy-mm-ddThh:mm:ss" starts the demo's clock (the system's clock without it). FAULT is one
// of FaultyJvLink's habits, at the READth JVRead call.
#include "bridge/FaultyJvLink.h"
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

using namespace kagiroi;

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
