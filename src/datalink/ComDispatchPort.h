#pragma once

#ifdef _WIN32

#include "datalink/DispatchPort.h"

#include <map>
#include <memory>
#include <string>

struct IDispatch;

namespace kagiroi {

// The ProgID of the data service's client component.
inline constexpr const wchar_t* kJvLinkProgId = L"JVDTLab.JVLink";

// DispatchPort over a real COM object. COM is entered apartment-threaded on the creating thread
// and every call must come from that thread; a call from another one fails.
class ComDispatchPort : public DispatchPort {
  public:
    // Creates the in-process object of `progId`; null when the ProgID is unknown or the object
    // cannot be made (a 32-bit component seen from a 64-bit program, a broken install).
    static std::unique_ptr<ComDispatchPort> Create(const wchar_t* progId);
    // Over an object already made; takes a reference of its own.
    explicit ComDispatchPort(IDispatch* object);
    ~ComDispatchPort() override;
    ComDispatchPort(const ComDispatchPort&) = delete;
    ComDispatchPort& operator=(const ComDispatchPort&) = delete;

    std::optional<int32_t> IdOfName(const std::string& name) override;
    std::optional<DispatchValue> Invoke(int32_t id, std::vector<DispatchValue>& arguments) override;

  private:
    IDispatch* object_;
    unsigned long thread_;
    bool comEntered_;
};

}  // namespace kagiroi

#endif
