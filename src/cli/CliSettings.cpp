#include "cli/CliSettings.h"

#include "cli/CliCommands.h"
#include "cli/CliLedger.h"
#include "datalink/JvResultMessage.h"
#include "platform/Format.h"
#include "platform/TextField.h"

#include <optional>

namespace kagiroi {

namespace {

// The source given, a folder taken from where the command was run.
std::string SourceFromCommandLine(const CliOptions& options) {
    const std::string& typed = options.arguments[1];
    return NamesSourceFolder(typed) ? options.UserPath(typed) : typed;
}

// settings source [demo|component|FOLDER]: prints, and with a value sets, the data source.
int RunSourceSetting(CliSession& session, const CliOptions& options) {
    ChosenSourceJvLink& service = session.DataService();
    if (options.arguments.size() == 2 &&
        service.SetSource(SourceFromCommandLine(options)) != jv::kOk) {
        session.Ui().ShowMessage(
            JvFailureMessage(service, "JVSetUIProperties", jv::kSettingNotSaved));
        return kExitRefused;
    }
    session.Print("Source\t" + service.Source() + "\n");
    return kExitOk;
}

// settings model [--alpha A] [--lambda L] [--tau T]: prints, and with values writes (held to
// their range), the powers of the chances model through 投資金設定 as its OK does.
int RunModelSetting(CliSession& session, const CliOptions& options) {
    const char* names[] = {"--alpha", "--lambda", "--tau"};
    std::optional<double> given[3];
    for (size_t i = 0; i < 3; ++i) {
        auto text = options.Value(names[i]);
        if (!text) continue;
        double value = 0;
        if (!TryToDouble(*text, value)) {
            session.Ui().ShowMessage("--alpha, --lambda and --tau take decimals such as 1.15");
            return kExitUsage;
        }
        given[i] = value;
    }
    TMainForm& form = session.Form();
    form.Investment().OpenInvestmentSettings([&](TKaimeSetForm& dialog) {
        double* boxes[] = {&dialog.Model.alpha, &dialog.Model.lambda, &dialog.Model.tau};
        bool change = false;
        for (size_t i = 0; i < 3; ++i) {
            if (given[i]) *boxes[i] = *given[i];
            change = change || given[i].has_value();
        }
        return change;
    });
    ModelParameters shown;
    form.Investment().OpenInvestmentSettings([&](TKaimeSetForm& dialog) {
        shown = dialog.Model;
        return false;
    });
    session.Print(
        Format("Alpha\t%.2f\nLambda\t%.2f\nTau\t%.2f\n", shown.alpha, shown.lambda, shown.tau));
    return kExitOk;
}

}  // namespace

int RunSettingsCommand(CliSession& session, const CliOptions& options) {
    const std::vector<std::string>& args = options.arguments;
    if (!args.empty() && args[0] == "source" && args.size() <= 2)
        return RunSourceSetting(session, options);
    if (args.size() == 1 && args[0] == "model") return RunModelSetting(session, options);
    if (args.size() != 1 || args[0] != "investment") {
        session.Ui().ShowMessage(
            "give settings investment [--amount YEN] [--rate PCT] [--target YEN] [--bankroll "
            "YEN], settings model [--alpha A] [--lambda L] [--tau T] or settings source "
            "[demo|component|FOLDER]");
        return kExitUsage;
    }
    std::optional<std::string> values[] = {options.Value("--amount"), options.Value("--rate"),
                                           options.Value("--target")};
    for (const auto& value : values)
        if (value && !SixDigits(*value)) {
            session.Ui().ShowMessage("--amount, --rate and --target take up to six digits");
            return kExitUsage;
        }
    std::optional<std::string> bankroll = options.Value("--bankroll");
    if (bankroll && (!IsDigits(*bankroll) || bankroll->size() > 8)) {
        session.Ui().ShowMessage("--bankroll takes up to eight digits of yen");
        return kExitUsage;
    }
    TMainForm& form = session.Form();
    form.Investment().OpenInvestmentSettings([&](TKaimeSetForm& dialog) {
        int* boxes[] = {&dialog.DefaultAmount, &dialog.DefaultZogaku, &dialog.DefaultTarProfit};
        bool change = bankroll.has_value();
        for (size_t i = 0; i < 3; ++i) {
            if (values[i]) *boxes[i] = ToInt(*values[i]);
            change = change || values[i].has_value();
        }
        if (bankroll) dialog.Bankroll = ToInt(*bankroll);
        return change;  // as OK when something was given
    });
    int shown[4] = {};
    // What is printed is what is stored: OK raises a value below 100.
    form.Investment().OpenInvestmentSettings([&](TKaimeSetForm& dialog) {
        shown[0] = dialog.DefaultAmount;
        shown[1] = dialog.DefaultZogaku;
        shown[2] = dialog.DefaultTarProfit;
        shown[3] = dialog.Bankroll;
        return false;
    });
    session.Print(
        Format("DefaultAmount\t%d\nDefaultZogaku\t%d\nDefaultTarProfit\t%d\nBankroll\t%d\n",
               shown[0], shown[1], shown[2], shown[3]));
    return kExitOk;
}

}  // namespace kagiroi
