// A stand-in for the data service's component: a real 32-bit in-process COM server, registered
// under the component's ProgID, that serves the demo's records. It lets the 32-bit bridge create
// "the component" through the registry under wine exactly as it does on a user's machine.
//   regsvr32 kagiroi_standin_component.dll     registers it (HKCR, the caller's registry view)
//   regsvr32 /u kagiroi_standin_component.dll  removes it again
// KAGIROI_NOW sets the demo's clock as it does for the program. KAGIROI_STANDIN_FAULT
// "FAULT[:READ]" puts one of the component's bad habits (bridge/FaultyJvLink.h) in its way.
#include "bridge/FaultyJvLink.h"
#include "demo/DemoJvLink.h"
#include "platform/Clock.h"
#include "windows/JvLinkDispatch.h"

#include <windows.h>

#include <cstdlib>
#include <string>

namespace kagiroi {
namespace {

// {6C1F4D2A-8E35-4B7C-9A0E-3D52B1F7C864}: the stand-in's own class, never the real one's.
constexpr CLSID kStandInClsid = {
    0x6c1f4d2a, 0x8e35, 0x4b7c, {0x9a, 0x0e, 0x3d, 0x52, 0xb1, 0xf7, 0xc8, 0x64}};
constexpr const wchar_t* kClsidText = L"{6C1F4D2A-8E35-4B7C-9A0E-3D52B1F7C864}";
constexpr const wchar_t* kProgId = L"JVDTLab.JVLink";

HMODULE module = nullptr;
LONG locks = 0;

// The demo, its clock and the fault in front of it: one set for each object made.
struct StandIn {
    std::unique_ptr<Clock> clock = MakeClockFromEnvironment();
    DemoJvLink demo{*clock};
    FaultyJvLink link;

    StandIn() : link(demo, FaultName(), FaultRead()) {}

    static std::string FaultSetting() {
        const char* value = std::getenv("KAGIROI_STANDIN_FAULT");
        return value != nullptr ? value : "";
    }
    static std::string FaultName() { return FaultSetting().substr(0, FaultSetting().find(':')); }
    static int FaultRead() {
        std::string setting = FaultSetting();
        size_t colon = setting.find(':');
        return colon == std::string::npos ? 1 : std::atoi(setting.c_str() + colon + 1);
    }
};

class ClassFactory : public IClassFactory {
  public:
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
        if (out == nullptr) return E_POINTER;
        *out = nullptr;
        if (iid != IID_IUnknown && iid != IID_IClassFactory) return E_NOINTERFACE;
        *out = static_cast<IClassFactory*>(this);
        return S_OK;
    }
    // The factory is static: it lives as long as the DLL.
    ULONG STDMETHODCALLTYPE AddRef() override { return 2; }
    ULONG STDMETHODCALLTYPE Release() override { return 1; }
    HRESULT STDMETHODCALLTYPE CreateInstance(IUnknown* outer, REFIID iid, void** out) override {
        if (out == nullptr) return E_POINTER;
        *out = nullptr;
        if (outer != nullptr) return CLASS_E_NOAGGREGATION;
        auto standIn = std::make_shared<StandIn>();
        auto* object = new JvLinkDispatch(standIn, standIn->link);
        HRESULT hr = object->QueryInterface(iid, out);
        object->Release();
        return hr;
    }
    HRESULT STDMETHODCALLTYPE LockServer(BOOL lock) override {
        if (lock)
            InterlockedIncrement(&locks);
        else
            InterlockedDecrement(&locks);
        return S_OK;
    }
};

ClassFactory factory;

bool SetValue(const std::wstring& key, const wchar_t* name, const std::wstring& value) {
    HKEY handle = nullptr;
    if (RegCreateKeyExW(HKEY_CLASSES_ROOT, key.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &handle,
                        nullptr) != ERROR_SUCCESS)
        return false;
    LONG written =
        RegSetValueExW(handle, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                       static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
    RegCloseKey(handle);
    return written == ERROR_SUCCESS;
}

std::wstring ModulePath() {
    wchar_t path[MAX_PATH];
    DWORD length = GetModuleFileNameW(module, path, MAX_PATH);
    return length > 0 && length < MAX_PATH ? std::wstring(path, length) : std::wstring();
}

}  // namespace
}  // namespace kagiroi

using namespace kagiroi;

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
    if (reason == DLL_PROCESS_ATTACH) {
        module = instance;
        DisableThreadLibraryCalls(instance);
    }
    return TRUE;
}

extern "C" HRESULT STDAPICALLTYPE DllGetClassObject(REFCLSID clsid, REFIID iid, void** out) {
    if (out == nullptr) return E_POINTER;
    *out = nullptr;
    if (clsid != kStandInClsid) return CLASS_E_CLASSNOTAVAILABLE;
    return factory.QueryInterface(iid, out);
}

extern "C" HRESULT STDAPICALLTYPE DllCanUnloadNow() {
    return LiveStandInObjects() == 0 && locks == 0 ? S_OK : S_FALSE;
}

extern "C" HRESULT STDAPICALLTYPE DllRegisterServer() {
    std::wstring path = ModulePath();
    std::wstring clsidKey = std::wstring(L"CLSID\\") + kClsidText;
    bool written = !path.empty() && SetValue(kProgId, nullptr, L"Kagiroi stand-in component") &&
                   SetValue(std::wstring(kProgId) + L"\\CLSID", nullptr, kClsidText) &&
                   SetValue(clsidKey, nullptr, L"Kagiroi stand-in component") &&
                   SetValue(clsidKey + L"\\ProgID", nullptr, kProgId) &&
                   SetValue(clsidKey + L"\\InprocServer32", nullptr, path) &&
                   SetValue(clsidKey + L"\\InprocServer32", L"ThreadingModel", L"Apartment");
    return written ? S_OK : E_FAIL;
}

extern "C" HRESULT STDAPICALLTYPE DllUnregisterServer() {
    RegDeleteTreeW(HKEY_CLASSES_ROOT, (std::wstring(L"CLSID\\") + kClsidText).c_str());
    RegDeleteTreeW(HKEY_CLASSES_ROOT, kProgId);
    return S_OK;
}
