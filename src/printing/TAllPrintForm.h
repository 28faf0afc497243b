#pragma once

#include "platform/SettingsFile.h"
#include "platform/Ui.h"
#include "printing/TPrevX.h"

#include <array>
#include <string>

namespace kagiroi {

// Where the preview window stands, kept in the settings.
struct PrintWindowPlacement {
    int top = 10, left = 10, width = 630, height = 450;
    friend bool operator==(const PrintWindowPlacement&, const PrintWindowPlacement&) = default;
};

// The preview window (一覧表　印刷) without pixels: the page it shows, its 倍率 and its
// placement. The window paints the page and forwards its buttons here.
class TAllPrintForm {
  public:
    static constexpr std::array<int, 4> kZoomPercents = {25, 50, 75, 100};

    TAllPrintForm(SettingsFile& settings, Ui& ui);

    // The page to show; `dayDate` is the printed day as "yyyymmdd" (it names the PDF).
    void ShowPage(TPrevX page, std::string dayDate);

    // Takes the placement and the 倍率 item from the settings.
    void FormCreate();
    // 倍率 changed to item `item` (0..3): the zoom follows and the item is written.
    void ZoomClick(int item);
    // The window closes: its placement is written.
    void FormClose(const PrintWindowPlacement& placement);
    // 印刷(&P) and ﾌﾟﾘﾝﾀ設定(&S) need a printer: false, with a warning beep and the message,
    // when none is installed.
    bool RequirePrinter(bool printerInstalled);
    // PDFに保存 could not write `path` (Shift_JIS), for `reason`: told with a beep.
    void PdfFailed(const std::string& path, const std::string& reason);

    const TPrevX& Page() const { return page_; }
    Ui& UserInterface() { return ui_; }
    int ZoomItem() const { return zoomItem_; }
    const PrintWindowPlacement& Placement() const { return placement_; }
    // 一覧表yyyymmdd.pdf
    std::string DefaultPdfName() const;

  private:
    SettingsFile& settings_;
    Ui& ui_;
    TPrevX page_;
    std::string dayDate_;
    int zoomItem_ = 1;
    PrintWindowPlacement placement_;
};

// Texts of the window, Shift_JIS.
const std::string& AllPrintCaption();
const std::string& NoPrinterMessage();
// A PDF that could not be written to `path` for `reason`.
std::string PdfFailedMessage(const std::string& path, const std::string& reason);

// False, with a warning beep and the message, when no printer is installed.
bool RequirePrinterInstalled(bool printerInstalled, Ui& ui);

// Screen pixels per printer pixel at a zoom in percent.
double PreviewScale(int screenDpi, int printerDpi, int zoomPercent);

}  // namespace kagiroi
