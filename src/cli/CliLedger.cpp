#include "cli/CliLedger.h"

#include "cli/CliCommands.h"
#include "cli/CliTables.h"
#include "platform/Format.h"
#include "platform/TextField.h"

namespace kagiroi {

namespace {

// The exit status of a ledger change: refused when the window would have shown a message or the
// question was answered No (no --yes).
int ChangeStatus(CliSession& session, const CliOptions& options, int messagesBefore) {
    if (session.Ui().MessageCount() > messagesBefore || !options.Has("--yes")) return kExitRefused;
    return kExitOk;
}

int List(CliSession& session) {
    const TLossRegForm& ledger = session.Form().Investment().LossReg();
    TextRows rows;
    for (const auto& row : GridRows(ledger.StringGrid1()))
        if (!IsBlank(row[0]) || rows.empty()) rows.push_back({row[0], row[1], row[3]});
    session.PrintRows(rows);
    session.Print("累積損失額：" + Trim(ledger.CumulativeLabel()) + "\n");
    return kExitOk;
}

int Add(CliSession& session, const CliOptions& options) {
    const auto& args = options.arguments;
    if (args.size() != 4 || !IsLedgerAmount(args[3]) || ToInt(args[3]) == 0) {
        session.Ui().ShowMessage(
            "give ledger add DAY RACE AMOUNT (yen, up to six digits, "
            "negative for a recovery)");
        return kExitUsage;
    }
    if (!session.LoadDay(args[1])) return kExitRefused;
    int item = RaceListItem(session.Form(), args[2]);
    if (item < 0) {
        session.Ui().ShowMessage("no race " + args[2] + " on " + args[1]);
        return kExitRefused;
    }
    TLossRegForm& ledger = session.Form().Investment().LossRegForm();
    int before = session.Ui().MessageCount();
    ledger.ListBox1 = item;
    ledger.Edit1 = Trim(args[3]);
    ledger.RecordLoss();
    return ChangeStatus(session, options, before);
}

int Delete(CliSession& session, const CliOptions& options) {
    const auto& args = options.arguments;
    TLossRegForm& ledger = session.Form().Investment().LossRegForm();
    int count = ledger.Ledger().EntryCount();
    if (args.size() != 2 || !IsDigits(args[1]) || ToInt(args[1]) < 1 || ToInt(args[1]) > count) {
        session.Ui().ShowMessage(
            Format("give ledger delete N, N a row number from 1 to %d", count));
        return kExitUsage;
    }
    int before = session.Ui().MessageCount();
    ledger.TableClick(0, ToInt(args[1]));
    ledger.DeleteEntry();
    return ChangeStatus(session, options, before);
}

}  // namespace

bool SixDigits(const std::string& text) {
    return IsDigits(text) && text.size() <= 6;
}

int RunLedgerCommand(CliSession& session, const CliOptions& options) {
    const auto& args = options.arguments;
    if (args.empty()) return List(session);
    if (args[0] == "add") return Add(session, options);
    if (args[0] == "delete") return Delete(session, options);
    if (args[0] == "clear" && args.size() == 1) {
        int before = session.Ui().MessageCount();
        session.Form().Investment().LossRegForm().ClearLedger();
        return ChangeStatus(session, options, before);
    }
    session.Ui().ShowMessage("ledger takes add DAY RACE AMOUNT, delete N or clear");
    return kExitUsage;
}

int RunProgression(CliSession& session, const CliOptions& options) {
    TMainForm& form = session.Form();
    if (auto target = options.Value("--target")) {
        if (!SixDigits(*target)) {
            session.Ui().ShowMessage("--target takes up to six digits of yen");
            return kExitUsage;
        }
        form.Investment().SaNumEditExC2Change(*target);
    }
    int before = session.Ui().MessageCount();
    form.Investment().ApplyProgression();
    if (session.Ui().MessageCount() > before) return kExitRefused;
    session.Print("損失金額\t" + form.Investment().Progression().SaNumEditExC3 +
                  "\n目標利益金額\t" + form.Investment().Progression().SaNumEditExC2 +
                  "\n入力投票金額\t" + form.Betting().SaNumEditExC1 + "\n\n");
    session.PrintRows(TableRows(form, "trio"));
    session.Print("\n");
    session.PrintRows(TableRows(form, "trifecta"));
    return kExitOk;
}

}  // namespace kagiroi
