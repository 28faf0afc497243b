#pragma once

#include "platform/Clipboard.h"
#include "platform/Ui.h"
#include "platform/UiThread.h"

#include <QPointer>
#include <QWidget>

namespace kagiroi {

// The user-interface port on Qt: message boxes over `parent`, beeps, cursors, event pumping.
class QtUi : public Ui {
  public:
    explicit QtUi(QWidget* parent = nullptr) : parent_(parent) {}
    void SetParent(QWidget* parent) { parent_ = parent; }

    void Beep(BeepSound sound) override;
    void ShowMessage(const std::string& text) override;
    bool AskYesNo(const std::string& text) override;
    void SetBusyCursor(bool busy) override;
    void ProcessEvents() override;
    void Repaint() override;
    std::optional<std::string> ChooseFolder(const std::string& caption,
                                            const std::string& start) override;

  private:
    QPointer<QWidget> parent_;
    int busyDepth_ = 0;
};

// Posts into the Qt event loop of the application's main thread.
class QtUiThread : public UiThread {
  public:
    void Post(std::function<void()> task) override;
};

class QtClipboard : public Clipboard {
  public:
    void SetText(const std::string& sjisText) override;
};

}  // namespace kagiroi
