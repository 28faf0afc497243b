#pragma once

#include <QStringList>
#include <optional>

namespace kagiroi {

// The desktop program run by kagiroi-cli to render a page file to a PDF, as the print window's
// PDFに保存 writes it, without a window: `kagiroi --write-page-pdf PAGEFILE PDFFILE`. Gives the
// exit status (0 when written; the reason on standard error otherwise), or nothing when the
// arguments are not this command's.
std::optional<int> RunPagePdfCommand(const QStringList& arguments);

}  // namespace kagiroi
