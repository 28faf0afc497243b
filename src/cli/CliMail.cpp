#include "cli/CliMail.h"

#include "cli/CliCommands.h"
#include "mail/TMailSetForm.h"
#include "platform/UiThread.h"

namespace kagiroi {
namespace {

// Long enough for the slowest server within the component's own timeouts.
constexpr int kLongestWaitMs = 5 * 60 * 1000;

void WaitWhileSending(const std::function<bool()>& sending, QueuedUiThread& uiThread) {
    uiThread.WaitAndRun(50);  // a refusal before connecting comes without a delivery
    for (int waited = 0; sending() && waited < kLongestWaitMs; waited += 200)
        uiThread.WaitAndRun(200);
    uiThread.RunPending();  // the outcome posted as the worker ended
}

// Prints every status the window's status bar would show, as it changes.
std::function<void()> StatusPrinter(CliSession& session, const std::string& status) {
    return [&session, &status, last = std::string()]() mutable {
        if (status.empty() || status == last) return;
        last = status;
        session.Print(status + "\n");
    };
}

int TestMail(CliSession& session) {
    QueuedUiThread uiThread;
    TMailSetForm form = session.Form().Mail().MailSettingsDialog(uiThread);
    form.OpenMailSettings();
    form.OnChanged = StatusPrinter(session, form.StatusText());
    form.SendTestMail();
    WaitWhileSending([&form] { return form.Mailer().Running(); }, uiThread);
    return form.Sent() ? kExitOk : kExitRefused;
}

int Deliver(CliSession& session, const CliOptions& options) {
    if (options.arguments.size() != 3) {
        session.Ui().ShowMessage("give DAY (yyyy-mm-dd) and RACE (a list number or CC-RR)");
        return kExitUsage;
    }
    if (!session.LoadDay(options.arguments[1]) || !session.SelectRace(options.arguments[2]))
        return kExitRefused;
    TMainForm& form = session.Form();
    QueuedUiThread uiThread;
    if (options.Has("--yes")) {
        form.Mail().AttachMail(uiThread);
        form.OnChanged(StatusPrinter(session, form.Status().DownloadLabel.text));
    }
    form.Mail().PrepareDelivery();
    for (const std::string& line : form.Mail().DeliveryText())
        session.Print(line + "\n");
    if (!options.Has("--yes")) return kExitOk;  // shown, not sent
    WaitWhileSending([&form] { return form.Mail().DeliverySending(); }, uiThread);
    form.OnChanged(nullptr);
    const bool sent = form.Mail().DeliverySent();
    form.Mail().DetachMail();  // its events ran through this function's queue
    return sent ? kExitOk : kExitRefused;
}

}  // namespace

int RunMailCommand(CliSession& session, const CliOptions& options) {
    const std::string what = options.arguments.empty() ? "" : options.arguments.front();
    if (what == "test" && options.arguments.size() == 1) return TestMail(session);
    if (what == "deliver") return Deliver(session, options);
    session.Ui().ShowMessage("give test, or deliver DAY RACE");
    return kExitUsage;
}

}  // namespace kagiroi
