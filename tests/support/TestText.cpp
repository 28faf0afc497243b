#include "support/TestText.h"

#include "platform/Sjis.h"

namespace kagiroi::test {

void PrintTo(const SjisText& text, std::ostream* os) {
    *os << '"' << SjisToUtf8(text.bytes) << "\" (" << text.bytes.size() << " bytes)";
}

}  // namespace kagiroi::test
