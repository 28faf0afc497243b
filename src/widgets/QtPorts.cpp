#include "widgets/QtPorts.h"

#include "widgets/TextConversion.h"

#include <QApplication>
#include <QClipboard>
#include <QCoreApplication>
#include <QFileDialog>
#include <QGuiApplication>
#include <QMessageBox>

namespace kagiroi {

void QtUi::Beep(BeepSound) {
    QApplication::beep();
}

void QtUi::ShowMessage(const std::string& text) {
    QMessageBox::information(parent_, QGuiApplication::applicationDisplayName(), ToQString(text),
                             QMessageBox::Ok);
}

bool QtUi::AskYesNo(const std::string& text) {
    auto answer = QMessageBox::question(parent_, QGuiApplication::applicationDisplayName(),
                                        ToQString(text), QMessageBox::Yes | QMessageBox::No);
    return answer != QMessageBox::No;
}

void QtUi::SetBusyCursor(bool busy) {
    if (busy) {
        QApplication::setOverrideCursor(Qt::WaitCursor);
        ++busyDepth_;
    } else if (busyDepth_ > 0) {
        QApplication::restoreOverrideCursor();
        --busyDepth_;
    }
}

void QtUi::ProcessEvents() {
    QCoreApplication::processEvents();
}

void QtUi::Repaint() {
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

std::optional<std::string> QtUi::ChooseFolder(const std::string& caption,
                                              const std::string& start) {
    QString folder =
        QFileDialog::getExistingDirectory(parent_, ToQString(caption), ToQString(start));
    if (folder.isEmpty()) return std::nullopt;
    return ToSjis(folder);
}

void QtClipboard::SetText(const std::string& sjisText) {
    QGuiApplication::clipboard()->setText(ToQString(sjisText));
}

void QtUiThread::Post(std::function<void()> task) {
    QMetaObject::invokeMethod(QCoreApplication::instance(), std::move(task), Qt::QueuedConnection);
}

}  // namespace kagiroi
