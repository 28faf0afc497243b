#ifdef _WIN32

#include "datalink/ComDispatchPort.h"

#include <windows.h>

namespace kagiroi {

namespace {

// True when this call entered COM (S_FALSE: it was entered already; both need a leave).
bool EnterCom() {
    HRESULT hr = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    return hr == S_OK || hr == S_FALSE;
}

BSTR ToBstr(const std::u16string& text) {
    return SysAllocStringLen(reinterpret_cast<const OLECHAR*>(text.data()),
                             static_cast<UINT>(text.size()));
}

std::u16string FromBstr(BSTR text) {
    if (text == nullptr) return {};
    return std::u16string(reinterpret_cast<const char16_t*>(text), SysStringLen(text));
}

// The VARIANTs of one call and the storage their references point at; frees every BSTR
// whatever the call did with them.
class CallArguments {
  public:
    explicit CallArguments(const std::vector<DispatchValue>& values)
        : variants_(values.size()), numbers_(values.size()), texts_(values.size(), nullptr) {
        for (size_t i = 0; i < values.size(); ++i) {
            VARIANT& v = variants_[i];
            VariantInit(&v);
            const DispatchValue& value = values[i];
            switch (value.kind) {
                case DispatchKind::Int:
                    v.vt = VT_I4;
                    v.lVal = value.number;
                    break;
                case DispatchKind::Text:
                    v.vt = VT_BSTR;
                    v.bstrVal = ToBstr(value.text);
                    break;
                case DispatchKind::IntRef:
                    numbers_[i] = value.number;
                    v.vt = VT_I4 | VT_BYREF;
                    v.plVal = &numbers_[i];
                    break;
                case DispatchKind::TextRef:
                    texts_[i] = ToBstr(value.text);
                    v.vt = VT_BSTR | VT_BYREF;
                    v.pbstrVal = &texts_[i];
                    break;
                default:
                    break;
            }
        }
    }
    ~CallArguments() {
        for (VARIANT& v : variants_)
            if (v.vt == VT_BSTR) SysFreeString(v.bstrVal);
        for (BSTR text : texts_)
            SysFreeString(text);
    }
    CallArguments(const CallArguments&) = delete;
    CallArguments& operator=(const CallArguments&) = delete;

    DISPPARAMS Parameters() {
        return {variants_.empty() ? nullptr : variants_.data(), nullptr,
                static_cast<UINT>(variants_.size()), 0};
    }
    void WriteBack(std::vector<DispatchValue>& values) const {
        for (size_t i = 0; i < values.size(); ++i) {
            if (values[i].kind == DispatchKind::IntRef) values[i].number = numbers_[i];
            if (values[i].kind == DispatchKind::TextRef) values[i].text = FromBstr(texts_[i]);
        }
    }

  private:
    std::vector<VARIANT> variants_;
    std::vector<LONG> numbers_;
    std::vector<BSTR> texts_;
};

DispatchValue FromResult(VARIANT& result) {
    if (result.vt == VT_EMPTY) return {};
    if (result.vt == VT_BSTR) return DispatchValue::Text(FromBstr(result.bstrVal));
    VARIANT number;
    VariantInit(&number);
    if (FAILED(VariantChangeType(&number, &result, 0, VT_I4))) return {DispatchKind::Other, 0, {}};
    return DispatchValue::Int(number.lVal);
}

}  // namespace

std::unique_ptr<ComDispatchPort> ComDispatchPort::Create(const wchar_t* progId) {
    bool entered = EnterCom();
    CLSID clsid;
    IDispatch* object = nullptr;
    bool made = SUCCEEDED(CLSIDFromProgID(progId, &clsid)) &&
                SUCCEEDED(CoCreateInstance(clsid, nullptr, CLSCTX_INPROC_SERVER, IID_IDispatch,
                                           reinterpret_cast<void**>(&object)));
    std::unique_ptr<ComDispatchPort> port;
    if (made) {
        port = std::make_unique<ComDispatchPort>(object);
        object->Release();  // the port holds its own reference
    }
    if (entered) CoUninitialize();  // the port entered COM for itself
    return port;
}

ComDispatchPort::ComDispatchPort(IDispatch* object)
    : object_(object), thread_(GetCurrentThreadId()), comEntered_(EnterCom()) {
    object_->AddRef();
}

ComDispatchPort::~ComDispatchPort() {
    object_->Release();
    if (comEntered_) CoUninitialize();
}

std::optional<int32_t> ComDispatchPort::IdOfName(const std::string& name) {
    if (GetCurrentThreadId() != thread_) return std::nullopt;
    std::wstring wide(name.begin(), name.end());  // method names are ASCII
    LPOLESTR names[] = {wide.data()};
    DISPID id = DISPID_UNKNOWN;
    if (FAILED(object_->GetIDsOfNames(IID_NULL, names, 1, LOCALE_USER_DEFAULT, &id)))
        return std::nullopt;
    return static_cast<int32_t>(id);
}

std::optional<DispatchValue> ComDispatchPort::Invoke(int32_t id,
                                                     std::vector<DispatchValue>& arguments) {
    if (GetCurrentThreadId() != thread_) return std::nullopt;
    CallArguments call(arguments);
    DISPPARAMS parameters = call.Parameters();
    VARIANT result;
    VariantInit(&result);
    EXCEPINFO exception{};
    UINT badArgument = 0;
    HRESULT hr = object_->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_METHOD, &parameters,
                                 &result, &exception, &badArgument);
    SysFreeString(exception.bstrSource);
    SysFreeString(exception.bstrDescription);
    SysFreeString(exception.bstrHelpFile);
    if (FAILED(hr)) {
        VariantClear(&result);
        return std::nullopt;
    }
    call.WriteBack(arguments);
    DispatchValue value = FromResult(result);
    VariantClear(&result);
    return value;
}

}  // namespace kagiroi

#endif
