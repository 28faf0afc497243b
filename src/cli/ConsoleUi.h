#pragma once

#include "platform/Clipboard.h"
#include "platform/Shell.h"
#include "platform/Ui.h"

#include <string>

namespace kagiroi {

// The user-interface port of the command line: what the window shows in a box goes to standard
// error with the same text; a question is answered Yes only when the user said --yes.
class ConsoleUi : public Ui {
  public:
    ConsoleUi(bool sjisOutput, bool answerYes) : sjis_(sjisOutput), yes_(answerYes) {}

    void Beep(BeepSound) override {}
    void ShowMessage(const std::string& text) override;
    bool AskYesNo(const std::string& text) override;
    void SetBusyCursor(bool) override {}
    void ProcessEvents() override {}
    void Repaint() override {}
    std::optional<std::string> ChooseFolder(const std::string&, const std::string&) override {
        return std::nullopt;
    }

    int MessageCount() const { return messages_; }
    const std::string& LastMessage() const { return lastMessage_; }
    // A Shift_JIS text as the terminal takes it.
    std::string Out(const std::string& sjis) const;

  private:
    bool sjis_;
    bool yes_;
    int messages_ = 0;
    std::string lastMessage_;
};

// The clipboard of a program without a window keeps the text to itself.
class HeldClipboard : public Clipboard {
  public:
    void SetText(const std::string& sjisText) override { text = sjisText; }
    std::string text;
};

// A shell that starts nothing (vote --no-plugin); starting counts as done.
class NoProgramShell : public SystemShell {
  public:
    bool StartProgram(const std::string&, const std::vector<std::string>&, const std::string&,
                      std::string*) override {
        return true;
    }
};

// A shell that opens no document (the report commands); opening counts as done.
class NoDocumentShell : public SystemShell {
  public:
    bool OpenDocument(const std::string&) override { return true; }
};

}  // namespace kagiroi
