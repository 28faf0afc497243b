#include "cli/CliPrint.h"

#include "cli/CliCommands.h"
#include "platform/ChildProgram.h"
#include "platform/FileSystem.h"
#include "platform/Format.h"
#include "platform/TemporaryPath.h"
#include "printing/PageFile.h"
#include "printing/PageTable.h"
#include "printing/TAllPrintForm.h"

namespace kagiroi {

namespace {

#ifdef _WIN32
constexpr const char* kDesktopProgram = "kagiroi.exe";
#else
constexpr const char* kDesktopProgram = "kagiroi";
#endif

// What the desktop program's renderer runs with: no display is needed for a PDF. Windows draws
// without one anyway, and its copy of Qt may carry no other platform than its own.
std::vector<std::pair<std::string, std::string>> RendererEnvironment() {
#ifdef _WIN32
    return {};
#else
    return {{"QT_QPA_PLATFORM", "offscreen"}};
#endif
}

// The PDF comes from the desktop program beside us, so that it is drawn by the very code of the
// print window's PDFに保存; this program links no window library. The page goes to it as a
// page file in the program folder, where a killed run's file is cleared at the next start.
int WritePdf(CliSession& session, const CliOptions& options, const TPrevX& page) {
    std::string pdf = options.UserPath(*options.Value("--pdf"));
    std::string program = JoinPath(FolderOf(options.programFile), kDesktopProgram);
    if (!FileExists(program)) {
        session.Ui().ShowMessage(
            "--pdf needs the desktop program, which is not beside kagiroi-cli "
            "(a build without the window): " +
            program);
        return kExitRefused;
    }
    std::string pageFile = TemporaryPathFor(JoinPath(session.Form().ProgramFolder(), "print-page"));
    FileError error;
    if (!WriteFileAtomic(pageFile, PageFileText(page), &error)) {
        session.Ui().ShowMessage(DescribeFailure(pageFile + " を保存できません", error).shown);
        return kExitRefused;
    }
    ProgramRun run =
        RunProgramToEnd(program, {PagePdfOption(), pageFile, pdf}, RendererEnvironment());
    RemoveFile(pageFile);
    if (!run.started) {
        session.Ui().ShowMessage(program + " could not be started: " + run.error);
        return kExitRefused;
    }
    if (run.status != 0) {
        session.Ui().ShowMessage(
            Format("no PDF was written: %s ended with status %d", program.c_str(), run.status));
        return kExitRefused;
    }
    session.Print(pdf + "\n");
    return kExitOk;
}

}  // namespace

int RunPrintCommand(CliSession& session, const CliOptions& options) {
    if (options.arguments.size() != 1) {
        session.Ui().ShowMessage("give print DAY");
        return kExitUsage;
    }
    if (!session.LoadDay(options.arguments[0])) return kExitRefused;
    TMainForm& form = session.Form();
    if (!form.PrintRaceList()) return kExitRefused;
    if (options.Value("--pdf")) return WritePdf(session, options, form.AllPrintForm().Page());
    session.PrintRows(PageRows(form.AllPrintForm().Page()));
    return kExitOk;
}

}  // namespace kagiroi
