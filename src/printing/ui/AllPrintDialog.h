#pragma once

#include "printing/TAllPrintForm.h"

#include <QButtonGroup>
#include <QDialog>
#include <QRect>
#include <QScrollArea>
#include <memory>

class QPrinter;

namespace kagiroi {

// The printer's page in its own pixels: the paper and the part of it the printer reaches.
struct PrinterPage {
    int dpi = 600;
    QRect paper;
    QRect printable;
};

// The page as the preview shows it: the whole paper (white, black outline) 10 pixels from the
// corner, the printable area dotted inside it, the picture drawn at the zoom.
class PagePreview : public QWidget {
    Q_OBJECT
  public:
    PagePreview(const TPrevX& document, QWidget* parent);
    void SetPrinterPage(const PrinterPage& page);
    // Follows the document's zoom scale.
    void Rescale();

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    double Scale() const;
    const TPrevX& document_;
    PrinterPage printerPage_;
};

// 一覧表　印刷: the preview of a page with 印刷(&P), ﾌﾟﾘﾝﾀ設定(&S), PDFに保存, the close button
// and 倍率. Without a printer the preview and the PDF still work, laid out on A4 at 600 dpi.
class AllPrintDialog : public QDialog {
    Q_OBJECT
  public:
    // `programFolder` (Shift_JIS) is where the PDF is offered to go.
    AllPrintDialog(TAllPrintForm& form, const std::string& programFolder,
                   QWidget* parent = nullptr);
    ~AllPrintDialog() override;

    void PrintClick();
    void PrinterSetupClick();
    void SavePdfClick();
    // Writes the page as a PDF to `path`; a failure is told. True when written.
    bool SavePdf(const QString& path);
    bool PrinterInstalled() const { return printer_ != nullptr; }
    QString DefaultPdfPath() const;

    void done(int result) override;

  private:
    void BuildLayout();
    void UsePrinterPage();

    TAllPrintForm& form_;
    QString programFolder_;
    QPrinter* printer_ = nullptr;  // the program's printer; null when none is installed
    PagePreview* preview_ = nullptr;
    QButtonGroup* zoomGroup_ = nullptr;
};

}  // namespace kagiroi
