#include "printing/TAllPrintForm.h"

#include "platform/TextField.h"

#include <utility>

namespace kagiroi {

namespace {

constexpr const char* kPlacementSection = "Printlocate";
constexpr const char* kZoomSection = "PrintZoom";
constexpr const char* kZoomKey = "ratio";
constexpr int kDefaultZoomItem = 1;

}  // namespace

TAllPrintForm::TAllPrintForm(SettingsFile& settings, Ui& ui, TPrevX page, std::string dayDate)
    : settings_(settings), ui_(ui), page_(std::move(page)), dayDate_(std::move(dayDate)) {}

void TAllPrintForm::FormCreate() {
    const PrintWindowPlacement fallback;
    placement_.top = settings_.ReadInteger(kPlacementSection, "top", fallback.top);
    placement_.left = settings_.ReadInteger(kPlacementSection, "left", fallback.left);
    placement_.width = settings_.ReadInteger(kPlacementSection, "width", fallback.width);
    placement_.height = settings_.ReadInteger(kPlacementSection, "height", fallback.height);
    // A window of no size could not be seen again to fix it.
    if (placement_.width <= 0 || placement_.height <= 0) {
        placement_.width = fallback.width;
        placement_.height = fallback.height;
    }
    int item = settings_.ReadInteger(kZoomSection, kZoomKey, kDefaultZoomItem);
    zoomItem_ =
        item >= 0 && item < static_cast<int>(kZoomPercents.size()) ? item : kDefaultZoomItem;
    page_.SetZoomScale(kZoomPercents[static_cast<size_t>(zoomItem_)]);
}

void TAllPrintForm::ZoomClick(int item) {
    if (item < 0 || item >= static_cast<int>(kZoomPercents.size())) return;
    zoomItem_ = item;
    page_.SetZoomScale(kZoomPercents[static_cast<size_t>(item)]);
    settings_.WriteInteger(kZoomSection, kZoomKey, item);
}

void TAllPrintForm::FormClose(const PrintWindowPlacement& placement) {
    placement_ = placement;
    settings_.WriteInteger(kPlacementSection, "top", placement.top);
    settings_.WriteInteger(kPlacementSection, "left", placement.left);
    settings_.WriteInteger(kPlacementSection, "width", placement.width);
    settings_.WriteInteger(kPlacementSection, "height", placement.height);
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
    ui_.ShowMessage(path + " を保存できませんでした。" + reason);
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
