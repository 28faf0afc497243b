#include "cli/CliPrint.h"

#include "cli/CliCommands.h"
#include "printing/PageTable.h"

namespace kagiroi {

int RunPrintCommand(CliSession& session, const CliOptions& options) {
    if (options.arguments.size() != 1) {
        session.Ui().ShowMessage("give print DAY");
        return kExitUsage;
    }
    if (!session.LoadDay(options.arguments[0])) return kExitRefused;
    TMainForm& form = session.Form();
    auto page = form.PrintRaceList();
    if (!page) return kExitRefused;
    session.PrintRows(PageRows(*page));
    return kExitOk;
}

}  // namespace kagiroi
