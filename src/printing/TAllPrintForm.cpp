#include "printing/TAllPrintForm.h"

#include "platform/SettingsTable.h"
#include "platform/TextField.h"

#include <utility>

namespace kagiroi {

// Every stored 倍率 item names a zoom.
static_assert(setting::kPrintZoom.minimum == 0 &&
              setting::kPrintZoom.maximum + 1 == TAllPrintForm::kZoomPercents.size());

TAllPrintForm::TAllPrintForm(SettingsFile& settings, Ui& ui) : settings_(settings), ui_(ui) {}

void TAllPrintForm::ShowPage(TPrevX page, std::string dayDate) {
    page_ = std::move(page);
    dayDate_ = std::move(dayDate);
}

void TAllPrintForm::FormCreate() {
    placement_.top = ReadIntSetting(settings_, setting::kPrintTop);
    placement_.left = ReadIntSetting(settings_, setting::kPrintLeft);
    placement_.width = ReadIntSetting(settings_, setting::kPrintWidth);
    placement_.height = ReadIntSetting(settings_, setting::kPrintHeight);
    // A window of no size could not be seen again to fix it.
    if (placement_.width <= 0 || placement_.height <= 0) {
        placement_.width = setting::kPrintWidth.fallback;
        placement_.height = setting::kPrintHeight.fallback;
    }
    zoomItem_ = ReadIntSetting(settings_, setting::kPrintZoom);
    page_.SetZoomScale(kZoomPercents[static_cast<size_t>(zoomItem_)]);
}

void TAllPrintForm::ZoomClick(int item) {
    if (item < 0 || item >= static_cast<int>(kZoomPercents.size())) return;
    zoomItem_ = item;
    page_.SetZoomScale(kZoomPercents[static_cast<size_t>(item)]);
    WriteIntSetting(settings_, setting::kPrintZoom, item);
}

void TAllPrintForm::FormClose(const PrintWindowPlacement& placement) {
    placement_ = placement;
    WriteIntSetting(settings_, setting::kPrintTop, placement.top);
    WriteIntSetting(settings_, setting::kPrintLeft, placement.left);
    WriteIntSetting(settings_, setting::kPrintWidth, placement.width);
    WriteIntSetting(settings_, setting::kPrintHeight, placement.height);
}

bool TAllPrintForm::RequirePrinter(bool printerInstalled) {
    return RequirePrinterInstalled(printerInstalled, ui_);
}

bool RequirePrinterInstalled(bool printerInstalled, Ui& ui) {
    if (printerInstalled) return true;
    ui.Beep(BeepSound::Warning);
    ui.ShowMessage(NoPrinterMessage());
    return false;
}

void TAllPrintForm::PdfFailed(const std::string& path, const std::string& reason) {
    ui_.Beep(BeepSound::Warning);
    ui_.ShowMessage(PdfFailedMessage(path, reason));
}

std::string PdfFailedMessage(const std::string& path, const std::string& reason) {
    return path + " を保存できませんでした。" + reason;
}

std::string TAllPrintForm::DefaultPdfName() const {
    // The date becomes part of a file name: digits only.
    std::string date = dayDate_.size() == 8 && IsDigits(dayDate_) ? dayDate_ : "";
    return "一覧表" + date + ".pdf";
}

const std::string& AllPrintCaption() {
    static const std::string kCaption = "一覧表　印刷";
    return kCaption;
}

const std::string& NoPrinterMessage() {
    static const std::string kMessage = "プリンタが登録されていません";
    return kMessage;
}

double PreviewScale(int screenDpi, int printerDpi, int zoomPercent) {
    if (printerDpi <= 0) return 0.0;
    return static_cast<double>(screenDpi) / printerDpi * zoomPercent / 100.0;
}

}  // namespace kagiroi
