#pragma once

// Small code-to-label tables shared by the racing label functions.

#include <span>
#include <string>
#include <string_view>

namespace kagiroi {

// A row matched by the code text exactly, byte for byte.
struct CodeLabel {
    std::string_view code;
    std::string_view label;
};

// A row matched by the code's numeric value, so "3" and "03" find the same row.
struct ValueLabel {
    int value;
    std::string_view label;
};

std::string_view LookUpCode(std::span<const CodeLabel> table, std::string_view code,
                            std::string_view otherwise = {});
std::string_view LookUpValue(std::span<const ValueLabel> table, int value,
                             std::string_view otherwise = {});
// The code read as a decimal number first; a code that does not read as one counts as 0.
std::string_view LookUpValue(std::span<const ValueLabel> table, std::string_view code,
                             std::string_view otherwise = {});

}  // namespace kagiroi
