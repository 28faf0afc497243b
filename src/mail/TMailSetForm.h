#pragma once

#include "mail/MailMessage.h"
#include "mail/TSendMail.h"
#include "platform/SettingsFile.h"
#include "platform/Ui.h"

#include <array>
#include <functional>
#include <string>

namespace kagiroi {

// The fields of the mail settings, each stored under its own key of section MailSet.
enum class MailSetField { MailTo, MailFrom, SMTP, UserID, Pass, SMTPPort, Security, Count };
constexpr int kMailSetFieldCount = static_cast<int>(MailSetField::Count);

// The stored mail settings as a delivery uses them.
struct MailSettings {
    std::array<std::string, kMailSetFieldCount> fields;
    const std::string& operator[](MailSetField f) const { return fields[static_cast<int>(f)]; }
};
MailSettings ReadMailSettings(const SettingsFile& settings);
// Writes one field at once; a stored password makes the settings file private to its owner.
bool WriteMailSetting(SettingsFile& settings, MailSetField field, const std::string& text);

// The texts of the dialog, in the window's charset only through here.
std::string MailSetFieldLabel(MailSetField field);
std::string MailPortNote();
// The choices of the 暗号化 field, in the order of their stored numbers.
std::vector<std::string> MailSecurityChoices();
// The stored choice, or by the port where none is stored: STARTTLS for 587, TLS for 465.
MailSecurity SecurityOf(const MailSettings& settings);

// The first of the test mail's checks that fails, as its message; empty when all pass.
std::string MailSettingsFault(const MailSettings& settings);
// Server, login and sender of a delivery from the settings (port 25 when the field is no
// number, no login without a user ID); the message is the caller's.
void ApplyMailSettings(const MailSettings& settings, MailProperties& mail);
// The name the program's mails come from, ready for the From line.
std::string MailSenderName();

// The mail settings dialog without pixels: six fields written at each keystroke, the test
// message and its status line.
class TMailSetForm {
  public:
    TMailSetForm(SettingsFile& settings, Ui& ui, UiThread& uiThread, const Clock& clock);

    // Fills the fields from the settings; the window then shows itself modally.
    void OpenMailSettings();
    void FieldChange(MailSetField field, const std::string& text);
    // テスト送信.
    void SendTestMail();

    const std::string& Field(MailSetField field) const {
        return fields_.fields[static_cast<int>(field)];
    }
    const std::string& StatusText() const { return status_; }
    bool SendEnabled() const { return sendEnabled_; }
    // Whether the last test message was accepted by the server.
    bool Sent() const { return sent_; }
    // Runs whenever the status or the button changed.
    std::function<void()> OnChanged;

    // The dialog's mail component (a test sets its timeouts and trusted certificates).
    TSendMail& Mailer() { return mail_; }

  private:
    void SetStatus(const std::string& text);
    void EnableSend(bool enabled);

    SettingsFile& settings_;
    Ui& ui_;
    TSendMail mail_;
    MailSettings fields_;
    std::string status_;
    bool sendEnabled_ = true;
    bool sent_ = false;
};

}  // namespace kagiroi
