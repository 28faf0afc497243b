#pragma once

#include <optional>
#include <string>

namespace kagiroi {

enum class BeepSound { Default, Warning };

// What the core asks of the user's screen. Texts are Shift_JIS. Every modal question or message
// goes through here, so a test can preset answers and read back what was shown.
class Ui {
  public:
    virtual ~Ui() = default;
    virtual void Beep(BeepSound sound = BeepSound::Default) = 0;
    // An information box with one OK button.
    virtual void ShowMessage(const std::string& text) = 0;
    // A Yes/No question; anything but No proceeds.
    virtual bool AskYesNo(const std::string& text) = 0;
    virtual void SetBusyCursor(bool busy) = 0;
    // Lets pending window events (timers, buttons, repaints) run.
    virtual void ProcessEvents() = 0;
    // Repaints the windows without taking user input (progress during work that must not be
    // interrupted by clicks).
    virtual void Repaint() = 0;
    // A folder chooser starting at `start`; nothing when the user cancels.
    virtual std::optional<std::string> ChooseFolder(const std::string& caption,
                                                    const std::string& start) = 0;
};

}  // namespace kagiroi
