#include "datalink/ComponentJvLink.h"

#include "datalink/BridgeJvLink.h"
#include "datalink/BridgeProcess.h"
#include "datalink/ComDispatchPort.h"
#include "datalink/DispatchJvLink.h"
#include "platform/FileSystem.h"
#include "platform/Shell.h"
#include "platform/Sjis.h"

#include <cstdlib>

#ifdef _WIN32
#include <windows.h>
#endif

namespace kagiroi {

namespace {

constexpr const char* kBridgeVariable = "KAGIROI_JVLINK_BRIDGE";
// Seconds any call to the bridge may take before it counts as hung, in place of the usual
// limits (30 s a call, 5 min an open): for a slow machine, or a test of a hung component.
constexpr const char* kTimeoutVariable = "KAGIROI_BRIDGE_TIMEOUT_SECONDS";

BridgeTimeouts TimeoutsFromEnvironment() {
    BridgeTimeouts timeouts;
    const char* value = std::getenv(kTimeoutVariable);
    int seconds = value != nullptr ? std::atoi(value) : 0;
    if (seconds > 0 && seconds <= 24 * 3600) timeouts.callMs = timeouts.openMs = seconds * 1000;
    return timeouts;
}

#ifdef _WIN32
std::string ProgramFolder() {
    wchar_t path[32768];
    DWORD n = GetModuleFileNameW(nullptr, path, sizeof path / sizeof path[0]);
    std::u16string wide(reinterpret_cast<const char16_t*>(path), n);
    return FolderOf(FromNativePath(Utf16ToSjis(wide)));
}

#endif

}  // namespace

std::string ComponentBridgeProgram() {
    const char* named = std::getenv(kBridgeVariable);
    if (named != nullptr && *named != '\0') return FromNativePath(named);
#if defined(_WIN32)
    std::string beside = JoinPath(ProgramFolder(), "kagiroi-jvlink-bridge.exe");
    if (FileExists(beside)) return beside;
#endif
    return {};
}

std::unique_ptr<JvLink> MakeComponentJvLink(std::function<void(const std::string&)> report) {
#if defined(_WIN32) && !defined(_WIN64)
    if (std::getenv(kBridgeVariable) == nullptr) {
        std::unique_ptr<ComDispatchPort> port = ComDispatchPort::Create(kJvLinkProgId);
        if (!port) return nullptr;
        return std::make_unique<DispatchJvLink>(std::move(port), std::move(report));
    }
#endif
    // The bridge runs, but the component it would serve may be missing: that is a missing
    // component to the user, not a bridge that ended.
    std::string bridge = ComponentBridgeProgram();
    if (bridge.empty() || !BridgeProbeSucceeds(bridge)) return nullptr;
    return std::make_unique<BridgeJvLink>(
        std::make_unique<BridgeProcess>(bridge, std::vector<std::string>{}), std::move(report),
        TimeoutsFromEnvironment());
}

// A ProgID that resolves to an object that cannot be made counts as missing.
bool ComponentJvLinkAvailable() {
#if defined(_WIN32) && !defined(_WIN64)
    if (std::getenv(kBridgeVariable) == nullptr)
        return ComDispatchPort::Create(kJvLinkProgId) != nullptr;
#endif
    std::string bridge = ComponentBridgeProgram();
    return !bridge.empty() && BridgeProbeSucceeds(bridge);
}

}  // namespace kagiroi
