#include "app/ui/ProgressDialog.h"

#include "widgets/TextConversion.h"

#include <QVBoxLayout>

namespace kagiroi {

ProgressDialog::ProgressDialog(QWidget* parent)
    // Above the main window as its child, not above every window: a message box raised while it
    // shows must open over it, or the box waits unseen and the window ignores clicks.
    : QDialog(parent, Qt::FramelessWindowHint | Qt::Dialog) {
    setModal(false);
    line1_ = new QLabel(this);
    line2_ = new QLabel(this);
    bar_ = new QProgressBar(this);
    bar_->setMinimumWidth(320);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(line1_);
    layout->addWidget(line2_);
    layout->addWidget(bar_);
    setStyleSheet(QStringLiteral("QDialog { border: 1px solid gray; }"));
}

void ProgressDialog::Refresh(const ProgressDialogState& state) {
    if (!state.visible) {
        hide();
        return;
    }
    line1_->setText(ToQString(state.line1));
    line2_->setText(ToQString(state.line2));
    bar_->setRange(0, std::max(state.maximum, 1));
    bar_->setValue(std::min(state.position, std::max(state.maximum, 1)));
    if (!isVisible()) {
        adjustSize();
        if (parentWidget() != nullptr) move(parentWidget()->geometry().center() - rect().center());
        show();
    }
}

}  // namespace kagiroi
