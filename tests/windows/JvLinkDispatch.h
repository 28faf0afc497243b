#pragma once

#include "datalink/JvLink.h"

#include <windows.h>

#include <memory>

namespace kagiroi {

// A late-bound COM object with the component's eight methods, served by a JvLink: texts cross as
// BSTRs (UTF-16) the way the component hands them out, out-arguments are written through their
// references, and every result is a 32-bit integer.
class JvLinkDispatch final : public IDispatch {
  public:
    // Takes the link and anything it borrows (its clock) with it.
    JvLinkDispatch(std::shared_ptr<void> owned, JvLink& link);

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override;
    ULONG STDMETHODCALLTYPE AddRef() override;
    ULONG STDMETHODCALLTYPE Release() override;
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override;
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo** info) override;
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR* names, UINT count, LCID,
                                            DISPID* ids) override;
    HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID, LCID, WORD flags, DISPPARAMS* params,
                                     VARIANT* result, EXCEPINFO*, UINT* badArgument) override;

  private:
    ~JvLinkDispatch() = default;
    HRESULT Call(DISPID id, DISPPARAMS& params, LONG& code);

    LONG references_ = 1;
    std::shared_ptr<void> owned_;
    JvLink& link_;
};

// How many objects and locks the DLL has handed out (DllCanUnloadNow).
LONG LiveStandInObjects();
void CountStandInObject(LONG change);

}  // namespace kagiroi
