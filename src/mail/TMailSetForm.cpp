#include "mail/TMailSetForm.h"

#include "mail/JisEncoding.h"
#include "mail/MailStatus.h"
#include "platform/SettingsTable.h"
#include "platform/TextField.h"

namespace kagiroi {
namespace {

struct FieldInfo {
    const TextSetting& setting;
    const char* label;
};

// The order of MailSetField.
constexpr FieldInfo kFields[] = {
    {setting::kMailTo, "送信先の携帯メールアドレス"},
    {setting::kMailFrom, "送信元のメールアドレス"},
    {setting::kSmtpServer, "SMTPホスト"},
    {setting::kSmtpUser, "ユーザーID"},
    {setting::kSmtpPassword, "パスワード"},
    {setting::kSmtpPort, "SMTPPort"},
    {setting::kMailSecurity, "暗号化"},
};
static_assert(std::size(kFields) == kMailSetFieldCount);

const FieldInfo& Info(MailSetField field) {
    return kFields[static_cast<int>(field)];
}

std::string Trimmed(const MailSettings& s, MailSetField f) {
    return Trim(s[f]);
}

}  // namespace

MailSettings ReadMailSettings(const SettingsFile& settings) {
    MailSettings read;
    for (int i = 0; i < kMailSetFieldCount; ++i)
        read.fields[i] = ReadTextSetting(settings, kFields[i].setting);
    return read;
}

bool WriteMailSetting(SettingsFile& settings, MailSetField field, const std::string& text) {
    if (!WriteTextSetting(settings, Info(field).setting, text)) return false;
    // The password is stored as typed; at least nobody else reads it.
    return field != MailSetField::Pass || text.empty() || RestrictToOwner(settings.Path());
}

std::string MailSetFieldLabel(MailSetField field) {
    return Info(field).label;
}

std::string MailPortNote() {
    return "↑Yahoo!メールを「Outbound Port25 "
           "Blocking」というしくみを採用しているプロバイダ（BIGLOBE、ニフティ、ぷらら、So-"
           "netなど）からの送信する場合は587を入力してください。通常は25です。";
}

std::vector<std::string> MailSecurityChoices() {
    return {"なし", "STARTTLS", "SSL/TLS"};
}

MailSecurity SecurityOf(const MailSettings& settings) {
    switch (ToIntDef(settings[MailSetField::Security], -1)) {
        case 0:
            return MailSecurity::None;
        case 1:
            return MailSecurity::StartTls;
        case 2:
            return MailSecurity::Tls;
        default:
            break;
    }
    const int port = ToIntDef(settings[MailSetField::SMTPPort], 25);
    return port == 587   ? MailSecurity::StartTls
           : port == 465 ? MailSecurity::Tls
                         : MailSecurity::None;
}

std::string MailSettingsFault(const MailSettings& s) {
    if (Trimmed(s, MailSetField::MailTo).size() <= 5)
        return "送信先メールアドレスが正常ではありません。";
    if (Trimmed(s, MailSetField::MailFrom).size() <= 5)
        return "送信元メールアドレスが正常ではありません。";
    if (Trimmed(s, MailSetField::SMTP).size() <= 2)
        return "SMTPホスト名が未入力か正しくありません。";
    // Without a user ID the mail goes without logging in, as to a server that offers none.
    if (!Trimmed(s, MailSetField::UserID).empty() && Trimmed(s, MailSetField::Pass).empty())
        return "パスワードが未入力です。";
    return "";
}

void ApplyMailSettings(const MailSettings& s, MailProperties& mail) {
    mail.SMTPHost = s[MailSetField::SMTP];
    mail.SMTPPort = SmtpPortOf(s[MailSetField::SMTPPort]);
    mail.Authentication = {!Trimmed(s, MailSetField::UserID).empty(), s[MailSetField::UserID],
                           s[MailSetField::Pass]};
    mail.Security = SecurityOf(s);
    mail.FromAddress = Trimmed(s, MailSetField::MailFrom);
    mail.FromName = MailSenderName();
    mail.ToAddr = s[MailSetField::MailTo];
    mail.MsgContentCharset = "iso-2022-jp";
}

std::string MailSenderName() {
    return JisToHeader(SjisToJis(Trim("[ツバクロ]")));
}

TMailSetForm::TMailSetForm(SettingsFile& settings, Ui& ui, UiThread& uiThread, const Clock& clock)
    : settings_(settings), ui_(ui), mail_(uiThread, clock) {
    mail_.Properties.SMTPPort = 587;
    ShowMailEvents(mail_, ui_,
                   {[this](const std::string& text) { SetStatus(text); },
                    [this](bool sent) {
                        sent_ = sent;
                        EnableSend(true);
                    }});
}

void TMailSetForm::OpenMailSettings() {
    fields_ = ReadMailSettings(settings_);
}

void TMailSetForm::FieldChange(MailSetField field, const std::string& text) {
    fields_.fields[static_cast<int>(field)] = text;
    WriteMailSetting(settings_, field, text);
}

void TMailSetForm::SendTestMail() {
    if (const std::string fault = MailSettingsFault(fields_); !fault.empty()) {
        ui_.Beep(BeepSound::Warning);
        ui_.ShowMessage(fault);
        return;
    }
    if (!ui_.AskYesNo("テスト送信します。よろしいですか？")) return;
    sent_ = false;
    EnableSend(false);
    SetStatus("メールを送信しています。");
    ApplyMailSettings(fields_, mail_.Properties);
    mail_.Properties.MsgSubject = JisToHeader(SjisToJis("[ツバクロソフト]テスト送信"));
    mail_.Properties.MsgBody = SjisToJis("[ツバクロソフト]\r\n\r\nテスト送信です。届きましたか?");
    mail_.Send();
    EnableSend(true);
}

void TMailSetForm::SetStatus(const std::string& text) {
    status_ = text;
    if (OnChanged) OnChanged();
}

void TMailSetForm::EnableSend(bool enabled) {
    sendEnabled_ = enabled;
    if (OnChanged) OnChanged();
}

}  // namespace kagiroi
