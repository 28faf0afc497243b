#pragma once

#include <string>

namespace kagiroi {

// The system clipboard, plain text. The core hands over Shift_JIS; the implementation gives it
// to the desktop in the form the desktop expects.
class Clipboard {
  public:
    virtual ~Clipboard() = default;
    virtual void SetText(const std::string& sjisText) = 0;
};

}  // namespace kagiroi
