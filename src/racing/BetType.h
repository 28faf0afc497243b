#pragma once

#include <array>
#include <string>

namespace kagiroi {

// The eight bet types in their fixed order.
enum class BetType { Win, Place, BracketQuinella, Quinella, Wide, Exacta, Trio, Trifecta };

inline constexpr std::array<BetType, 8> kAllBetTypes = {
    BetType::Win,    BetType::Place, BetType::BracketQuinella, BetType::Quinella, BetType::Wide,
    BetType::Exacta, BetType::Trio,  BetType::Trifecta};

// 単勝, 複勝, 枠連, 馬連, ワイド, 馬単, ３連複, ３連単 (Shift_JIS).
const std::string& BetTypeName(BetType type);

}  // namespace kagiroi
