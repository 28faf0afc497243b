#include "mail/MailStatus.h"

#include <memory>

namespace kagiroi {

void ShowMailEvents(TSendMail& mail, Ui& ui, MailStatusTarget target) {
    auto shown = std::make_shared<MailStatusTarget>(std::move(target));
    const auto ended = [shown](bool sent = false) {
        if (shown->Ended) shown->Ended(sent);
    };
    const auto warn = [&ui, shown, ended](const std::string& text, bool box) {
        shown->SetStatus(text);
        ui.Beep(BeepSound::Warning);
        if (box) ui.ShowMessage(text);
        ended();
    };
    SendMailEvents& e = mail.Events;
    e.OnProgress = [shown](int, int percent) {
        shown->SetStatus(std::to_string(percent) + "％送信済み");
    };
    e.OnResponse = [shown](int, const std::string& text) { shown->SetStatus(text); };
    e.OnSMTPError = [warn](int, const std::string& text) { warn("エラー: " + text, false); };
    e.OnSuccess = [shown, ended] {
        shown->SetStatus("メールを送信しました。");
        ended(true);
    };
    e.OnHostUnreachable = [warn] { warn("ホストが見つかりません。", true); };
    e.OnConnLost = [warn] { warn("接続が切れています。", true); };
    e.OnAnyError = [&ui, ended](const std::string&) {
        ui.Beep(BeepSound::Warning);
        ended();
    };
}

}  // namespace kagiroi
