#include "app/TMainForm.h"
#include "app/ui/MainWindow.h"
#include "platform/FileSystem.h"
#include "records/ui/LossRegDialog.h"
#include "support/DayBuilder.h"
#include "support/FakeJvLink.h"
#include "support/FakePorts.h"
#include "support/TempFolder.h"
#include "widgets/QtPorts.h"

#include <gtest/gtest.h>
#include <QAction>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

namespace kagiroi {
namespace {

// 追い上げ投資を使う shows the progression panel and 損失メモ; the ledger window records an
// entry whose loss reaches the panel.
TEST(ProgressionWindow, TheSwitchShowsThePanelAndTheLedgerRecordsThroughTheWindow) {
    test::TempFolder folder;
    test::FakeUi ui;
    test::FakeClock clock({2024, 1, 13, 9, 0, 0});
    test::FakeClipboard clipboard;
    test::FakeShell shell;
    test::FakeRegistry registry;
    test::FakeJvLink jvLink;
    TMainForm form(folder.Path(), {ui, clock, clipboard, shell, registry}, jvLink);
    test::WriteRaces(folder.Path(), test::MakeDay("20240106", {"06"}));
    std::string error;
    ASSERT_TRUE(form.FormCreate(&error)) << error;
    QtUi qtUi;
    MainWindow window(form, qtUi);
    window.show();
    form.DateListChange(0);
    window.Refresh();

    auto* panel = window.findChild<QWidget*>(QStringLiteral("ProgressionPanel"));
    auto* memo = window.findChild<QPushButton*>(QStringLiteral("LossMemo"));
    auto* use = window.findChild<QAction*>(QStringLiteral("UseProgression"));
    auto* ledger = window.findChild<LossRegDialog*>();
    ASSERT_TRUE(panel && memo && use && ledger);
    EXPECT_TRUE(panel->isHidden());
    EXPECT_TRUE(memo->isHidden());
    use->trigger();
    EXPECT_FALSE(panel->isHidden());
    memo->click();
    EXPECT_TRUE(ledger->isVisible());

    ledger->findChild<QListWidget*>(QStringLiteral("LossRaces"))->setCurrentRow(10);
    ledger->findChild<QLineEdit*>(QStringLiteral("LossAmount"))->insert(QStringLiteral("3000"));
    ledger->findChild<QPushButton*>(QStringLiteral("RecordLoss"))->click();
    EXPECT_EQ(
        "\" 1\",\"2024/01/06\x92\x86\x8e\x52"
        "11R\",\"\x98\x67\x98\x41\",\"   3000\"\r\n",
        ReadWholeFile(folder / "ruison.csv").value_or(""));
    EXPECT_EQ(QStringLiteral("3000"), panel->findChildren<QLineEdit*>().value(0)->text());

    use->trigger();
    EXPECT_TRUE(panel->isHidden());
    EXPECT_FALSE(ledger->isVisible());
}

}  // namespace
}  // namespace kagiroi
