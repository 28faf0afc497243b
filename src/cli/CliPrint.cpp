#include "cli/CliPrint.h"

#include "cli/CliCommands.h"
#include "printing/PageTable.h"
#include "printing/TAllPrintForm.h"

namespace kagiroi {

int RunPrintCommand(CliSession& session, const CliOptions& options) {
    if (options.arguments.size() != 1) {
        session.Ui().ShowMessage("give print DAY");
        return kExitUsage;
    }
    if (!session.LoadDay(options.arguments[0])) return kExitRefused;
    TMainForm& form = session.Form();
    if (!form.PrintRaceList()) return kExitRefused;
    session.PrintRows(PageRows(form.AllPrintForm().Page()));
    return kExitOk;
}

}  // namespace kagiroi
