#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace kagiroi {

// One argument or result of a late-bound COM call, as a VARIANT carries it: a 32-bit integer or
// a UTF-16 text, by value or by reference (an out-argument the call writes back).
enum class DispatchKind { Empty, Int, Text, IntRef, TextRef, Other };

struct DispatchValue {
    DispatchKind kind = DispatchKind::Empty;
    int32_t number = 0;
    std::u16string text;

    static DispatchValue Int(int32_t n) { return {DispatchKind::Int, n, {}}; }
    static DispatchValue Text(std::u16string t) { return {DispatchKind::Text, 0, std::move(t)}; }
    static DispatchValue IntRef(int32_t n) { return {DispatchKind::IntRef, n, {}}; }
    static DispatchValue TextRef(std::u16string t) {
        return {DispatchKind::TextRef, 0, std::move(t)};
    }
};

// The late-bound calls of one COM object (IDispatch): a method's id by name, then calls by id.
class DispatchPort {
  public:
    virtual ~DispatchPort() = default;

    // The id of the method `name`; nullopt when the object has none.
    virtual std::optional<int32_t> IdOfName(const std::string& name) = 0;
    // Calls method `id` with `arguments` in the order Invoke takes them, the last argument
    // first; by-reference arguments are written back in place. The method's result, or nullopt
    // when the call failed.
    virtual std::optional<DispatchValue> Invoke(int32_t id,
                                                std::vector<DispatchValue>& arguments) = 0;
};

}  // namespace kagiroi
