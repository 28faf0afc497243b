#include "cli/ConsoleUi.h"

#include "platform/Sjis.h"

#include <cstdio>

namespace kagiroi {

std::string ConsoleUi::Out(const std::string& sjis) const {
    return sjis_ ? sjis : SjisToUtf8(sjis);
}

void ConsoleUi::ShowMessage(const std::string& text) {
    ++messages_;
    lastMessage_ = text;
    std::fprintf(stderr, "%s\n", Out(text).c_str());
}

bool ConsoleUi::AskYesNo(const std::string& text) {
    std::fprintf(stderr, "%s %s\n", Out(text).c_str(),
                 yes_ ? "[yes]" : "[no: give --yes to answer yes]");
    return yes_;
}

}  // namespace kagiroi
