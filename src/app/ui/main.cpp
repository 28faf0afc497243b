// Program entry of the desktop program.
#include "app/ProgramFolder.h"
#include "app/TMainForm.h"
#include "app/ui/MainWindow.h"
#include "datalink/ChosenSourceJvLink.h"
#include "datalink/ComponentJvLink.h"
#include "datalink/JvResultMessage.h"
#include "datalink/ui/SourceDialog.h"
#include "demo/DemoJvLink.h"
#include "platform/Clock.h"
#include "platform/FileSystem.h"
#include "platform/RegisteredFolder.h"
#include "platform/Registry.h"
#include "platform/Shell.h"
#include "platform/Sjis.h"
#include "printing/ui/PagePdfCommand.h"
#include "widgets/DesktopLook.h"
#include "widgets/QtPorts.h"
#include "widgets/TextConversion.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QStyleFactory>
#include <cstdio>
#include <memory>
#include <optional>

namespace {

// The start-up message for a missing component, with the demo service as a way on.
bool OfferTheDemo(kagiroi::QtUi& ui) {
    ui.Beep(kagiroi::BeepSound::Default);
    QMessageBox box(
        QMessageBox::Information, QString(),
        QStringLiteral("JRA-VANのホームページより【JV-Link】を入手し、インストールしてください。"));
    box.addButton(QMessageBox::Ok);
    QPushButton* demo =
        box.addButton(QStringLiteral("デモデータで起動する(&D)"), QMessageBox::AcceptRole);
    box.exec();
    return box.clickedButton() == demo;
}

}  // namespace

int main(int argc, char* argv[]) {
    using namespace kagiroi;
    QApplication app(argc, argv);
    app.setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    app.setWindowIcon(ProgramIcon());
    app.setDesktopFileName(QStringLiteral("kagiroi"));
    InstallJapaneseQtTranslations(app);
    // kagiroi-cli's PDF: rendered here, without a window or the program folder.
    if (std::optional<int> status = RunPagePdfCommand(QApplication::arguments())) return *status;
    QtUi ui;

    std::string programFolder = ResolveProgramFolder(CurrentProgramFile(argv[0]));
    // Its lock and the folders the program owns in it hold for the whole run.
    RegisterProgramFolder(programFolder);
    std::string unreadableNow;
    std::unique_ptr<Clock> clock = MakeClockFromEnvironment(&unreadableNow);
    QtClipboard clipboard;
    SystemShell shell;
    std::unique_ptr<Registry> registry = MakeMachineRegistry();
    SettingsFile settings(SettingsFilePath(programFolder));
#ifdef _WIN32
    constexpr bool componentByDefault = true;
#else
    constexpr bool componentByDefault = false;
#endif
    if (!SettleStartupSource(settings, componentByDefault, ComponentJvLinkAvailable,
                             [&ui] { return OfferTheDemo(ui); }))
        return 0;
    SourceDialog sourceDialog;
    std::unique_ptr<ChosenSourceJvLink> jvLink =
        CreateChosenSourceJvLink(settings, *clock, &sourceDialog, MakeDemoJvLink);

    TMainForm form(programFolder, {ui, *clock, clipboard, shell, *registry}, *jvLink);
    form.SetProgramFileFolder(FolderOf(CurrentProgramFile(argv[0])));
    std::string error;
    if (programFolder.empty() || !form.FormCreate(&error)) {
        QMessageBox::critical(nullptr, QString(), ToQString(error));
        return 1;
    }
    if (!unreadableNow.empty())
        std::fprintf(stderr, "%s\n", SjisToUtf8(form.ReportUnreadableNow(unreadableNow)).c_str());
    MainWindow window(form, ui);
    window.AddUserSetting(QStringLiteral("データの取得元(&D)..."), [&ui, &service = *jvLink] {
        int code = service.ChooseSource();
        if (code == jv::kOk) return;
        ui.Beep(BeepSound::Default);
        ui.ShowMessage(JvFailureMessage(service, "JVSetUIProperties", code));
    });
    ui.SetParent(&window);
    sourceDialog.SetParent(&window);
    window.show();
    return app.exec();
}
