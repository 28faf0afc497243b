#pragma once

#include "datalink/JvLink.h"

#include <cstdio>
#include <optional>
#include <string>
#include <string_view>

namespace kagiroi {

// The bridge's side of the protocol: answers each request with the call's result from `link`.
class BridgeServer {
  public:
    explicit BridgeServer(JvLink& link) : link_(link) {}

    // The answer payload to one request payload; nullopt when the request is garbage.
    std::optional<std::string> Answer(std::string_view request);

  private:
    std::string ReadBatch(int32_t bufferSize, int32_t maxRecords);

    JvLink& link_;
};

// Serves the frames read from `in` until it ends, answering on `out`: 0 at a clean end, 1 when
// a request was garbage or an answer could not be written.
int ServeBridge(JvLink& link, std::FILE* in, std::FILE* out);

}  // namespace kagiroi
