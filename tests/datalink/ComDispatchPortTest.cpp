// The COM port against an IDispatch of the test's own; runs where COM does (under wine64 here).
#ifdef _WIN32

#include "datalink/ComDispatchPort.h"
#include "datalink/DispatchJvLink.h"
#include "support/TestText.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <thread>

namespace kagiroi {
namespace {

// Knows JVOpen (1), JVRead (2) and JVClose (3); records the argument types of each call and
// writes the out-arguments as the component does.
class FakeDispatch : public IDispatch {
  public:
    ULONG references = 1;
    std::vector<VARTYPE> types;
    std::vector<std::wstring> texts;
    VARIANT result{};
    HRESULT failure = S_OK;

    FakeDispatch() {
        result.vt = VT_I4;
        result.lVal = 0;
    }

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
        if (iid != IID_IUnknown && iid != IID_IDispatch) return E_NOINTERFACE;
        *out = this;
        AddRef();
        return S_OK;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return ++references; }
    ULONG STDMETHODCALLTYPE Release() override { return --references; }
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override {
        *count = 0;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR* names, UINT, LCID,
                                            DISPID* id) override {
        std::wstring name = names[0];
        *id = name == L"JVOpen" ? 1 : name == L"JVRead" ? 2 : name == L"JVClose" ? 3 : 0;
        return *id != 0 ? S_OK : DISP_E_UNKNOWNNAME;
    }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID, LCID, WORD, DISPPARAMS* params,
                                     VARIANT* out, EXCEPINFO*, UINT*) override {
        if (failure != S_OK) return failure;
        types.clear();
        texts.clear();
        for (UINT i = 0; i < params->cArgs; ++i) {
            VARIANT& a = params->rgvarg[i];
            types.push_back(a.vt);
            if (a.vt == VT_BSTR) texts.emplace_back(a.bstrVal, SysStringLen(a.bstrVal));
        }
        VARIANT* a = params->rgvarg;
        if (id == 1) {  // JVOpen(dataSpec, from, option, &reads, &downloads, &stamp)
            *a[1].plVal = 5;
            *a[2].plVal = 7;
            SysFreeString(*a[0].pbstrVal);
            *a[0].pbstrVal = SysAllocString(L"20261101090000");
        } else if (id == 2) {  // JVRead(&record, &size, &file)
            SysFreeString(*a[2].pbstrVal);
            *a[2].pbstrVal = SysAllocString(L"RA\u6771\u4eac\r\n");
            SysFreeString(*a[0].pbstrVal);
            *a[0].pbstrVal = SysAllocString(L"RA.jvd");
        }
        return VariantCopy(out, &result);
    }
};

class ComDispatchPortTest : public ::testing::Test {
  protected:
    FakeDispatch object;
    std::unique_ptr<DispatchJvLink> link =
        std::make_unique<DispatchJvLink>(std::make_unique<ComDispatchPort>(&object));
};

TEST_F(ComDispatchPortTest, ArgumentsGoAsVariantsAndOutArgumentsComeBack) {
    int reads = 0, downloads = 0;
    std::string stamp, record, file;
    EXPECT_EQ(0, link->JVOpen("RACE", "20260101000000", 3, reads, downloads, stamp));
    EXPECT_EQ((std::vector<VARTYPE>{VT_BSTR | VT_BYREF, VT_I4 | VT_BYREF, VT_I4 | VT_BYREF, VT_I4,
                                    VT_BSTR, VT_BSTR}),
              object.types);
    EXPECT_EQ((std::vector<std::wstring>{L"20260101000000", L"RACE"}), object.texts);
    EXPECT_EQ((std::vector<int>{7, 5}), (std::vector<int>{reads, downloads}));
    EXPECT_EQ("20261101090000", stamp);

    object.result.lVal = 8;
    EXPECT_EQ(8, link->JVRead(record, 60000, file));
    EXPECT_TEXT_EQ("RA東京\r\n", record);
    EXPECT_EQ("RA.jvd", file);
}

TEST_F(ComDispatchPortTest, OnlyAnIntegerResultOfASuccessfulCallCounts) {
    object.result.vt = VT_I2;
    object.result.iVal = -203;
    EXPECT_EQ(-203, link->JVClose()) << "a short integer converts";
    object.result.vt = VT_BSTR;
    object.result.bstrVal = SysAllocString(L"0");
    EXPECT_EQ(-401, link->JVClose());
    VariantClear(&object.result);
    object.failure = DISP_E_EXCEPTION;
    EXPECT_EQ(-401, link->JVClose());
    EXPECT_EQ(-401, link->JVStatus()) << "a name the object does not know";
}

TEST_F(ComDispatchPortTest, CallsFromAnotherThreadAreRefusedAndTheObjectIsReleased) {
    int code = 0;
    std::thread([&] { code = link->JVClose(); }).join();
    EXPECT_EQ(-401, code);
    EXPECT_EQ(2u, object.references);
    link.reset();
    EXPECT_EQ(1u, object.references);
}

TEST(ComDispatchPortCreateTest, AProgIdThatIsNotRegisteredMakesNoPort) {
    EXPECT_EQ(nullptr, ComDispatchPort::Create(L"Kagiroi.NoSuchComponent"));
}

}  // namespace
}  // namespace kagiroi

#endif
