#include "mail/Mailer.h"

#include "mail/JisEncoding.h"
#include "mail/MailStatus.h"
#include "mail/TMailSetForm.h"
#include "platform/DateTime.h"
#include "platform/TextField.h"

namespace kagiroi {

Mailer::Mailer(SettingsFile& settings, Ui& ui, ErrorLog& errorLog, UiThread& uiThread,
               const Clock& clock, std::function<void(const std::string&)> setStatus)
    : settings_(settings),
      ui_(ui),
      errorLog_(errorLog),
      mail_(uiThread, clock),
      setStatus_(std::move(setStatus)) {
    ShowMailEvents(mail_, ui_, {setStatus_, [this](bool sent) { sent_ = sent; }});
    // A failed delivery is not retried; it stays in the error log.
    auto& e = mail_.Events;
    e.OnSMTPError = [this, show = e.OnSMTPError](int code, const std::string& text) {
        show(code, text);
        errorLog_.Append("メール配信: エラー: " + text);
    };
    const auto logged = [this](std::function<void()> show, const char* text) {
        return [this, show, text] {
            show();
            errorLog_.Append(std::string("メール配信: ") + text);
        };
    };
    e.OnHostUnreachable = logged(e.OnHostUnreachable, "ホストが見つかりません。");
    e.OnConnLost = logged(e.OnConnLost, "接続が切れています。");
    // The running flag is down when a delivery's last event runs: the next one starts there.
    const auto thenNext = [this](auto show) {
        return [this, show](auto... args) {
            show(args...);
            SendNext();
        };
    };
    e.OnResponse = thenNext(e.OnResponse);
    e.OnSMTPError = thenNext(e.OnSMTPError);
    e.OnSuccess = thenNext(e.OnSuccess);
    e.OnHostUnreachable = thenNext(e.OnHostUnreachable);
    e.OnConnLost = thenNext(e.OnConnLost);
    e.OnAnyError = thenNext(e.OnAnyError);
}

std::vector<int> Mailer::TakeDueRaces(const std::vector<DeliveryCandidate>& races,
                                      const DateTime& now) {
    const std::string hhmm = FormatDateTime(now, "hhnn");
    std::vector<int> due;
    for (const DeliveryCandidate& race : races) {
        if (race.slot < 0 || race.slot >= kSlotCount || !race.oddsLoaded) continue;
        if (Trim(race.thirdFetchTime) != hhmm || delivered_[race.slot]) continue;
        delivered_[race.slot] = true;
        due.push_back(race.slot);
    }
    return due;
}

bool Mailer::Deliver(const std::vector<std::string>& lines) {
    waiting_.push_back(lines);
    return SendNext();
}

bool Mailer::SendNext() {
    if (waiting_.empty() || mail_.Running()) return true;
    const std::vector<std::string> lines = std::move(waiting_.front());
    waiting_.pop_front();
    const MailSettings settings = ReadMailSettings(settings_);
    if (const std::string fault = MailSettingsFault(settings); !fault.empty()) {
        waiting_.clear();  // they would all fail alike
        Fail("メール配信: " + fault);
        return false;
    }
    sent_ = false;
    ApplyMailSettings(settings, mail_.Properties);
    std::string body;
    for (const std::string& line : lines)
        body += line + "\r\n";
    mail_.Properties.MsgSubject = JisToHeader(SjisToJis(lines.empty() ? "" : lines.front()));
    mail_.Properties.MsgBody = SjisToJis(body);
    return mail_.Send();  // not refused: nothing is under way
}

void Mailer::Fail(const std::string& text) {
    setStatus_(text);
    errorLog_.Append(text);
}

}  // namespace kagiroi
