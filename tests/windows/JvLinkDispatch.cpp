#include "windows/JvLinkDispatch.h"

#include "platform/Sjis.h"

#include <array>
#include <string>

namespace kagiroi {

namespace {

LONG liveObjects = 0;

// The methods by their dispatch ids, 1 onwards.
constexpr std::array<const wchar_t*, 8> kMethods = {
    L"JVInit", L"JVSetUIProperties", L"JVOpen", L"JVRTOpen", L"JVStatus",
    L"JVRead", L"JVCancel",          L"JVClose"};
// How many arguments each takes.
constexpr std::array<UINT, 8> kArgumentCounts = {1, 0, 6, 2, 0, 3, 0, 0};

// The arguments of one call in the caller's order (DISPPARAMS holds them last first); a wrong
// type sets `failed` and reads as empty.
class Arguments {
  public:
    explicit Arguments(DISPPARAMS& params) : params_(params) {}

    std::string Text(UINT index) {
        VARIANT& v = At(index);
        if (v.vt != VT_BSTR) return Fail<std::string>();
        return Utf16ToSjis(std::u16string_view(reinterpret_cast<const char16_t*>(v.bstrVal),
                                               SysStringLen(v.bstrVal)));
    }
    int Int(UINT index) {
        VARIANT number;
        VariantInit(&number);
        if (FAILED(VariantChangeType(&number, &At(index), 0, VT_I4))) return Fail<int>();
        return number.lVal;
    }
    LONG* IntRef(UINT index) {
        VARIANT& v = At(index);
        return v.vt == (VT_I4 | VT_BYREF) ? v.plVal : Fail<LONG*>();
    }
    BSTR* TextRef(UINT index) {
        VARIANT& v = At(index);
        return v.vt == (VT_BSTR | VT_BYREF) ? v.pbstrVal : Fail<BSTR*>();
    }
    bool failed = false;

  private:
    VARIANT& At(UINT index) { return params_.rgvarg[params_.cArgs - 1 - index]; }
    template <typename T>
    T Fail() {
        failed = true;
        return T{};
    }

    DISPPARAMS& params_;
};

// The text as the component hands it out: bytes of its data that are not Shift_JIS come out as
// U+FFFD, a character no Shift_JIS text holds.
std::u16string ComponentText(const std::string& sjis) {
    if (IsValidSjis(sjis)) return SjisToUtf16(sjis);
    std::u16string text;
    for (size_t i = 0; i < sjis.size();) {
        bool pair = IsSjisLeadByte(static_cast<unsigned char>(sjis[i])) && i + 1 < sjis.size();
        std::string_view unit(sjis.data() + i, pair ? 2 : 1);
        text += IsValidSjis(unit) ? SjisToUtf16(unit) : std::u16string(1, u'\uFFFD');
        i += unit.size();
    }
    return text;
}

void Put(BSTR* into, const std::string& sjis) {
    std::u16string wide = ComponentText(sjis);
    SysFreeString(*into);
    *into = SysAllocStringLen(reinterpret_cast<const OLECHAR*>(wide.data()),
                              static_cast<UINT>(wide.size()));
}

}  // namespace

LONG LiveStandInObjects() {
    return InterlockedCompareExchange(&liveObjects, 0, 0);
}

void CountStandInObject(LONG change) {
    InterlockedExchangeAdd(&liveObjects, change);
}

JvLinkDispatch::JvLinkDispatch(std::shared_ptr<void> owned, JvLink& link)
    : owned_(std::move(owned)), link_(link) {
    CountStandInObject(1);
}

HRESULT STDMETHODCALLTYPE JvLinkDispatch::QueryInterface(REFIID iid, void** out) {
    if (out == nullptr) return E_POINTER;
    *out = nullptr;
    if (iid != IID_IUnknown && iid != IID_IDispatch) return E_NOINTERFACE;
    *out = static_cast<IDispatch*>(this);
    AddRef();
    return S_OK;
}

ULONG STDMETHODCALLTYPE JvLinkDispatch::AddRef() {
    return static_cast<ULONG>(InterlockedIncrement(&references_));
}

ULONG STDMETHODCALLTYPE JvLinkDispatch::Release() {
    LONG left = InterlockedDecrement(&references_);
    if (left == 0) {
        delete this;
        CountStandInObject(-1);
    }
    return static_cast<ULONG>(left);
}

HRESULT STDMETHODCALLTYPE JvLinkDispatch::GetTypeInfoCount(UINT* count) {
    if (count == nullptr) return E_POINTER;
    *count = 0;
    return S_OK;
}

HRESULT STDMETHODCALLTYPE JvLinkDispatch::GetTypeInfo(UINT, LCID, ITypeInfo** info) {
    if (info != nullptr) *info = nullptr;
    return E_NOTIMPL;
}

HRESULT STDMETHODCALLTYPE JvLinkDispatch::GetIDsOfNames(REFIID, LPOLESTR* names, UINT count, LCID,
                                                        DISPID* ids) {
    if (names == nullptr || ids == nullptr || count == 0) return E_INVALIDARG;
    for (UINT i = 0; i < count; ++i)
        ids[i] = DISPID_UNKNOWN;
    for (size_t m = 0; m < kMethods.size(); ++m)
        if (_wcsicmp(names[0], kMethods[m]) == 0) ids[0] = static_cast<DISPID>(m + 1);
    return ids[0] == DISPID_UNKNOWN || count > 1 ? DISP_E_UNKNOWNNAME : S_OK;
}

HRESULT STDMETHODCALLTYPE JvLinkDispatch::Invoke(DISPID id, REFIID, LCID, WORD flags,
                                                 DISPPARAMS* params, VARIANT* result, EXCEPINFO*,
                                                 UINT*) {
    if (id < 1 || id > static_cast<DISPID>(kMethods.size())) return DISP_E_MEMBERNOTFOUND;
    if ((flags & DISPATCH_METHOD) == 0) return DISP_E_MEMBERNOTFOUND;
    if (params == nullptr || params->cNamedArgs != 0) return DISP_E_NONAMEDARGS;
    if (params->cArgs != kArgumentCounts[static_cast<size_t>(id - 1)]) return DISP_E_BADPARAMCOUNT;
    LONG code = 0;
    HRESULT hr = Call(id, *params, code);
    if (FAILED(hr)) return hr;
    if (result != nullptr) {
        VariantInit(result);
        result->vt = VT_I4;
        result->lVal = code;
    }
    return S_OK;
}

HRESULT JvLinkDispatch::Call(DISPID id, DISPPARAMS& params, LONG& code) {
    Arguments a(params);
    switch (id) {
        case 1: {
            std::string softwareId = a.Text(0);
            if (a.failed) return DISP_E_TYPEMISMATCH;
            code = link_.JVInit(softwareId);
            return S_OK;
        }
        case 2:
            code = link_.JVSetUIProperties();
            break;
        case 3: {
            std::string dataSpec = a.Text(0), from = a.Text(1), stamp;
            int option = a.Int(2);
            LONG *reads = a.IntRef(3), *downloads = a.IntRef(4);
            BSTR* stampRef = a.TextRef(5);
            if (a.failed) return DISP_E_TYPEMISMATCH;
            int readCount = 0, downloadCount = 0;
            code = link_.JVOpen(dataSpec, from, option, readCount, downloadCount, stamp);
            *reads = readCount;
            *downloads = downloadCount;
            Put(stampRef, stamp);
            return S_OK;
        }
        case 4: {
            std::string dataSpec = a.Text(0), key = a.Text(1);
            if (a.failed) return DISP_E_TYPEMISMATCH;
            code = link_.JVRTOpen(dataSpec, key);
            return S_OK;
        }
        case 5:
            code = link_.JVStatus();
            break;
        case 6: {
            BSTR *record = a.TextRef(0), *file = a.TextRef(2);
            LONG* size = a.IntRef(1);
            if (a.failed) return DISP_E_TYPEMISMATCH;
            std::string recordText, fileName;
            code = link_.JVRead(recordText, static_cast<int>(*size), fileName);
            Put(record, recordText);
            Put(file, fileName);
            return S_OK;
        }
        case 7:
            code = link_.JVCancel();
            break;
        default:
            code = link_.JVClose();
            break;
    }
    return a.failed ? DISP_E_TYPEMISMATCH : S_OK;
}

}  // namespace kagiroi
