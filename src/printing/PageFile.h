#pragma once

#include "printing/TPrevX.h"

#include <optional>
#include <string>

namespace kagiroi {

// A finished document as a text file, so that one program can draw a page and another render
// it: every operation with the whole canvas state it was drawn with, texts as hexadecimal bytes
// (a Shift_JIS trail byte may be any punctuation). Reading it back gives the same document.
std::string PageFileText(const TPrevX& document);
// Nothing when the text is not a page file or is cut short.
std::optional<TPrevX> ReadPageFileText(const std::string& text);

// The desktop program's option that renders a page file to a PDF without a window:
// `kagiroi <option> PAGEFILE PDFFILE`, exit status 0 when the PDF was written.
const char* PagePdfOption();

}  // namespace kagiroi
