#pragma once

#include "datalink/JvLink.h"

#include <functional>
#include <memory>
#include <string>

namespace kagiroi {

// The installed data-service component as a JvLink: in a 32-bit Windows program the COM object
// itself; in a 64-bit one the bridge beside the program (kagiroi-jvlink-bridge.exe). Where the
// environment variable KAGIROI_JVLINK_BRIDGE names a program, that program is started as the
// bridge instead (a wrapper that runs the bridge under a 32-bit wine, say). Null when there is
// no component. `report` hears of the component's faults, one line each.
std::unique_ptr<JvLink> MakeComponentJvLink(std::function<void(const std::string&)> report);

// Whether the installed data-service component can be created on this machine (through the
// bridge where one is needed or named).
bool ComponentJvLinkAvailable();

// The bridge program of this platform: the environment's, else the Windows bridge beside the
// program; empty when there is none.
std::string ComponentBridgeProgram();

}  // namespace kagiroi
