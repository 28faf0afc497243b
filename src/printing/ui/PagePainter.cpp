#include "printing/ui/PagePainter.h"

#include "widgets/Fonts.h"
#include "widgets/TextConversion.h"

#include <QFontDatabase>
#include <QGuiApplication>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#include <QScreen>

namespace kagiroi {

namespace {

constexpr int kPdfDpi = 600;

QColor ToQColor(Rgb colour) {
    return QColor(colour.r, colour.g, colour.b);
}

QFont FontOf(const DeviceOp& op) {
    // The page names its face; where it is not installed the grids' Japanese face stands in.
    QFont font = GridFont(op.fontPixels);
    QString family = ToQString(op.font.name);
    if (QFontDatabase::families().contains(family)) font.setFamily(family);
    font.setPixelSize(op.fontPixels);
    font.setBold(op.font.bold);
    font.setUnderline(op.font.underline);
    return font;
}

void PaintOp(QPainter& painter, const DeviceOp& op) {
    switch (op.kind) {
        case DrawKind::Text:
            painter.setFont(FontOf(op));
            painter.setPen(ToQColor(op.font.colour));
            painter.drawText(QRect(op.x1, op.y1, 1 << 20, 1 << 20),
                             Qt::AlignLeft | Qt::AlignTop | Qt::TextDontClip, ToQString(op.text));
            break;
        case DrawKind::Line:
            painter.setPen(QPen(Qt::black, op.penPixels));
            painter.drawLine(op.x1, op.y1, op.x2, op.y2);
            break;
        case DrawKind::Rectangle:
            painter.setPen(
                QPen(Qt::black, op.penPixels, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
            painter.setBrush(ToQColor(op.fill));
            painter.drawRect(QRect(QPoint(op.x1, op.y1), QPoint(op.x2, op.y2)));
            painter.setBrush(Qt::NoBrush);
            break;
    }
}

}  // namespace

void PaintPage(QPainter& painter, const PagePicture& page, const DeviceResolution& device) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    for (const DeviceOp& op : RenderForDevice(page, device))
        PaintOp(painter, op);
    painter.restore();
}

QPageLayout PageLayoutOf(const TPrevX& document) {
    PaperSize paper = document.Paper();
    QSizeF portraitMm(std::min(paper.width, paper.height) / 10.0,
                      std::max(paper.width, paper.height) / 10.0);
    return QPageLayout(QPageSize(portraitMm, QPageSize::Millimeter),
                       paper.width > paper.height ? QPageLayout::Landscape : QPageLayout::Portrait,
                       QMarginsF(0, 0, 0, 0));
}

int ScreenDpi() {
    QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? static_cast<int>(screen->logicalDotsPerInch() + 0.5) : 96;
}

bool WritePagePdf(const TPrevX& document, const QString& path, QString* error) {
    // A temporary file renamed over the old one: a failed write leaves no half PDF.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        if (error) *error = file.errorString();
        return false;
    }
    {
        QPdfWriter writer(&file);
        writer.setTitle(ToQString(document.Title));
        writer.setResolution(kPdfDpi);
        writer.setPageLayout(PageLayoutOf(document));
        QPainter painter;
        if (!painter.begin(&writer)) {
            if (error) *error = QStringLiteral("PDF");
            file.cancelWriting();
            return false;
        }
        DeviceResolution device{kPdfDpi, kPdfDpi, ScreenDpi()};
        bool first = true;
        for (const PagePicture& page : document.Pages()) {
            if (!first) writer.newPage();
            first = false;
            PaintPage(painter, page, device);
        }
        painter.end();
    }
    if (!file.commit()) {
        if (error) *error = file.errorString();
        return false;
    }
    return true;
}

}  // namespace kagiroi
