#include "racing/BetType.h"

namespace kagiroi {

const std::string& BetTypeName(BetType type) {
    static const std::array<std::string, 8> kNames = {"単勝",   "複勝", "枠連",   "馬連",
                                                      "ワイド", "馬単", "３連複", "３連単"};
    return kNames[static_cast<size_t>(type)];
}

}  // namespace kagiroi
