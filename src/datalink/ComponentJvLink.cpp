#include "datalink/ComponentJvLink.h"

#include "datalink/BridgeJvLink.h"
#include "datalink/BridgeProcess.h"
#include "datalink/ComDispatchPort.h"
#include "datalink/DispatchJvLink.h"
#include "datalink/JvLinkComponent.h"
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

#ifdef _WIN32
std::string ProgramFolder() {
    wchar_t path[32768];
    DWORD n = GetModuleFileNameW(nullptr, path, sizeof path / sizeof path[0]);
    std::u16string wide(reinterpret_cast<const char16_t*>(path), n);
    return FolderOf(FromNativePath(Utf16ToSjis(wide)));
}

#endif

#ifdef _WIN64
// The bridge's exit status says whether it could create the component.
bool BridgeCreatesTheComponent(const std::string& program) {
    std::u16string wide = SjisToUtf16(NativePath(program));
    std::u16string wideLine = SjisToUtf16(WindowsCommandLine({program, "--probe"}));
    std::wstring line(wideLine.begin(), wideLine.end());
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    if (!CreateProcessW(reinterpret_cast<const wchar_t*>(wide.c_str()), line.data(), nullptr,
                        nullptr, FALSE, CREATE_NO_WINDOW, nullptr, nullptr, &startup, &info))
        return false;
    DWORD code = 1;
    if (WaitForSingleObject(info.hProcess, 30000) == WAIT_OBJECT_0)
        GetExitCodeProcess(info.hProcess, &code);
    else
        TerminateProcess(info.hProcess, 1);
    CloseHandle(info.hProcess);
    CloseHandle(info.hThread);
    return code == 0;
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
    std::string bridge = ComponentBridgeProgram();
    if (bridge.empty()) return nullptr;
    return std::make_unique<BridgeJvLink>(
        std::make_unique<BridgeProcess>(bridge, std::vector<std::string>{}), std::move(report));
}

#ifdef _WIN32
// A ProgID that resolves to an object that cannot be made counts as missing.
bool JvLinkComponentAvailable() {
#ifdef _WIN64
    std::string bridge = ComponentBridgeProgram();
    return !bridge.empty() && BridgeCreatesTheComponent(bridge);
#else
    return ComDispatchPort::Create(kJvLinkProgId) != nullptr;
#endif
}
#endif

}  // namespace kagiroi
