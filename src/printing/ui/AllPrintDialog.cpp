#include "printing/ui/AllPrintDialog.h"

#include "printing/DevicePage.h"
#include "printing/ui/PagePainter.h"
#include "printing/ui/ProgramPrinter.h"
#include "widgets/TextConversion.h"

#include <QFileDialog>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPageLayout>
#include <QPageSize>
#include <QPaintEvent>
#include <QPainter>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace kagiroi {

namespace {

constexpr int kPaperOffset = 10;  // screen pixels between the scroll box's corner and the paper
constexpr int kLayoutDpi = 600;   // the page's layout when no printer is installed

// The document's paper at `dpi`, all of it printable: a PDF or a missing printer.
PrinterPage WholePaper(const TPrevX& document, int dpi) {
    PixelSize size = DevicePaperPixels(document.Paper(), {dpi, dpi, 96});
    QRect paper(0, 0, size.width, size.height);
    return {dpi, paper, paper};
}

}  // namespace

PagePreview::PagePreview(const TPrevX& document, QWidget* parent)
    : QWidget(parent), document_(document), printerPage_(WholePaper(document, kLayoutDpi)) {
    Rescale();
}

void PagePreview::SetPrinterPage(const PrinterPage& page) {
    printerPage_ = page;
    Rescale();
}

double PagePreview::Scale() const {
    return PreviewScale(ScreenDpi(), printerPage_.dpi, document_.ZoomScale());
}

void PagePreview::Rescale() {
    double scale = Scale();
    setFixedSize(static_cast<int>(printerPage_.paper.width() * scale) + 2 * kPaperOffset,
                 static_cast<int>(printerPage_.paper.height() * scale) + 2 * kPaperOffset);
    update();
}

void PagePreview::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.translate(kPaperOffset, kPaperOffset);
    double scale = Scale();
    painter.scale(scale, scale);
    painter.setPen(QPen(Qt::black, 0));  // cosmetic: one screen pixel at any zoom
    painter.setBrush(Qt::white);
    painter.drawRect(printerPage_.paper);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(Qt::black, 0, Qt::DotLine));
    painter.drawRect(printerPage_.printable);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    DeviceResolution device{printerPage_.dpi, printerPage_.dpi, ScreenDpi()};
    if (!document_.Pages().empty()) PaintPage(painter, document_.Pages().front(), device);
}

AllPrintDialog::AllPrintDialog(TAllPrintForm& form, const std::string& programFolder,
                               QWidget* parent)
    : QDialog(parent), form_(form), programFolder_(ToQString(programFolder)) {
    setWindowTitle(ToQString(AllPrintCaption()));
    form_.FormCreate();
    printer_ = ProgramPrinter();
    if (printer_) printer_->setPageLayout(PageLayoutOf(form_.Page()));
    BuildLayout();
    UsePrinterPage();
    const PrintWindowPlacement& p = form_.Placement();
    setGeometry(p.left, p.top, p.width, p.height);
}

AllPrintDialog::~AllPrintDialog() = default;

void AllPrintDialog::BuildLayout() {
    auto* buttons = new QHBoxLayout;
    auto* print = new QPushButton(QStringLiteral("印刷(&P)"), this);
    auto* setup = new QPushButton(QStringLiteral("ﾌﾟﾘﾝﾀ設定(&S)"), this);
    auto* pdf = new QPushButton(QStringLiteral("PDFに保存"), this);
    auto* close = new QPushButton(QStringLiteral("閉じる"), this);
    connect(print, &QPushButton::clicked, this, &AllPrintDialog::PrintClick);
    connect(setup, &QPushButton::clicked, this, &AllPrintDialog::PrinterSetupClick);
    connect(pdf, &QPushButton::clicked, this, &AllPrintDialog::SavePdfClick);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    for (QPushButton* button : {print, setup, pdf, close})
        buttons->addWidget(button);

    auto* zoomBox = new QGroupBox(QStringLiteral("倍率"), this);
    auto* zoomLayout = new QHBoxLayout(zoomBox);
    zoomGroup_ = new QButtonGroup(this);
    for (int item = 0; item < static_cast<int>(TAllPrintForm::kZoomPercents.size()); ++item) {
        auto* radio = new QRadioButton(
            QStringLiteral("%1%").arg(TAllPrintForm::kZoomPercents[static_cast<size_t>(item)]),
            zoomBox);
        radio->setChecked(item == form_.ZoomItem());
        zoomGroup_->addButton(radio, item);
        zoomLayout->addWidget(radio);
    }
    connect(zoomGroup_, &QButtonGroup::idClicked, this, [this](int item) {
        form_.ZoomClick(item);
        preview_->Rescale();
    });
    buttons->addWidget(zoomBox);
    buttons->addStretch();

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    if (!printer_) layout->addWidget(new QLabel(ToQString(NoPrinterMessage()), this));
    auto* scroll = new QScrollArea(this);
    preview_ = new PagePreview(form_.Page(), scroll);
    scroll->setWidget(preview_);
    layout->addWidget(scroll, 1);
}

void AllPrintDialog::UsePrinterPage() {
    if (!printer_) return;
    int dpi = printer_->resolution();
    QRect paper = printer_->paperRect(QPrinter::DevicePixel).toRect();
    QRect printable = printer_->pageLayout().paintRectPixels(dpi);
    preview_->SetPrinterPage({dpi, QRect(QPoint(0, 0), paper.size()), printable});
}

void AllPrintDialog::PrintClick() {
    if (!form_.RequirePrinter(printer_ != nullptr)) return;
    const TPrevX& document = form_.Page();
    printer_->setDocName(ToQString(document.Title));
    QPainter painter;
    if (!painter.begin(printer_)) return;
    DeviceResolution device{printer_->logicalDpiX(), printer_->logicalDpiY(), ScreenDpi()};
    bool first = true;
    for (const PagePicture& page : document.Pages()) {
        if (!first) printer_->newPage();
        first = false;
        PaintPage(painter, page, device);
    }
    painter.end();
}

void AllPrintDialog::PrinterSetupClick() {
    if (!form_.RequirePrinter(printer_ != nullptr)) return;
    if (OpenPrinterSetup(form_.UserInterface(), this)) UsePrinterPage();
}

QString AllPrintDialog::DefaultPdfPath() const {
    return programFolder_ + QLatin1Char('/') + ToQString(form_.DefaultPdfName());
}

void AllPrintDialog::SavePdfClick() {
    QString path = QFileDialog::getSaveFileName(this, QStringLiteral("PDFに保存"), DefaultPdfPath(),
                                                QStringLiteral("PDF (*.pdf)"));
    if (!path.isEmpty()) SavePdf(path);
}

bool AllPrintDialog::SavePdf(const QString& path) {
    QString error;
    if (WritePagePdf(form_.Page(), path, &error)) return true;
    form_.PdfFailed(ToSjis(path), ToSjis(error));
    return false;
}

void AllPrintDialog::done(int result) {
    QRect g = geometry();
    form_.FormClose({g.top(), g.left(), g.width(), g.height()});
    QDialog::done(result);
}

}  // namespace kagiroi
