#include "printing/ui/PagePdfCommand.h"

#include "platform/FileSystem.h"
#include "platform/Sjis.h"
#include "printing/PageFile.h"
#include "printing/TAllPrintForm.h"
#include "printing/ui/PagePainter.h"
#include "widgets/TextConversion.h"

#include <cstdio>

namespace kagiroi {

namespace {

int Refuse(const std::string& sjis) {
    std::fprintf(stderr, "%s\n", SjisToUtf8(sjis).c_str());
    return 1;
}

}  // namespace

std::optional<int> RunPagePdfCommand(const QStringList& arguments) {
    if (arguments.size() < 2 || arguments[1] != QLatin1String(PagePdfOption())) return std::nullopt;
    if (arguments.size() != 4) return Refuse(std::string(PagePdfOption()) + " PAGEFILE PDFFILE");
    std::string pageFile = ToSjis(arguments[2]);
    FileError error;
    std::optional<std::string> text = ReadWholeFile(pageFile, &error);
    if (!text) return Refuse(DescribeFailure(pageFile + " を読み込めません", error).shown);
    std::optional<TPrevX> page = ReadPageFileText(*text);
    if (!page) return Refuse(pageFile + ": not a page file");
    QString reason;
    if (!WritePagePdf(*page, arguments[3], &reason))
        return Refuse(PdfFailedMessage(ToSjis(arguments[3]), ToSjis(reason)));
    return 0;
}

}  // namespace kagiroi
