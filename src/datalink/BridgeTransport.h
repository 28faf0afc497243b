#pragma once

#include <optional>
#include <string>

namespace kagiroi {

// Why an exchange with the bridge brought no answer.
enum class BridgeFailure { None, NotStarted, Ended, Silent, Garbled };

// The byte stream to a bridge and back, one request frame and its answer at a time.
class BridgeTransport {
  public:
    virtual ~BridgeTransport() = default;

    // Sends a request payload and waits at most `timeoutMs` for the answer payload (a negative
    // timeout waits for ever). On failure sets `failure`, and the bridge is ended: the next
    // exchange starts a new one.
    virtual std::optional<std::string> Exchange(const std::string& request, int timeoutMs,
                                                BridgeFailure& failure) = 0;
    // True when the next exchange starts a bridge (none yet, or the last one was ended).
    virtual bool Fresh() const = 0;
};

}  // namespace kagiroi
