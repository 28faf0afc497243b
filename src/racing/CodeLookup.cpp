#include "racing/CodeLookup.h"

#include "platform/TextField.h"

namespace kagiroi {

std::string_view LookUpCode(std::span<const CodeLabel> table, std::string_view code,
                            std::string_view otherwise) {
    for (const CodeLabel& row : table)
        if (row.code == code) return row.label;
    return otherwise;
}

std::string_view LookUpValue(std::span<const ValueLabel> table, int value,
                             std::string_view otherwise) {
    for (const ValueLabel& row : table)
        if (row.value == value) return row.label;
    return otherwise;
}

std::string_view LookUpValue(std::span<const ValueLabel> table, std::string_view code,
                             std::string_view otherwise) {
    return LookUpValue(table, ToInt(code), otherwise);
}

}  // namespace kagiroi
