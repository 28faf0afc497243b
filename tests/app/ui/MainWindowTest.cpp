#include "app/TMainForm.h"
#include "app/ui/FakeFormWindowTest.h"
#include "app/ui/MainWindow.h"
#include "app/ui/ProgressDialog.h"
#include "platform/Sjis.h"
#include "support/DayBuilder.h"
#include "support/FakeJvLink.h"
#include "support/FakePorts.h"
#include "support/TempFolder.h"
#include "widgets/QtPorts.h"
#include "widgets/TextGridView.h"

#include <gtest/gtest.h>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QTabWidget>
#include <QTimer>
#include <map>

namespace kagiroi {
namespace {

class MainWindowTest : public test::FakeFormWindowTest {
  protected:
    MainWindowTest() : FakeFormWindowTest({"06", "09"}) {}
};

TEST_F(MainWindowTest, ShowsTheDaysAndTheRaceListOfTheLoadedDay) {
    MainWindow window(form, qtUi);
    auto* dates = window.findChild<QComboBox*>();
    ASSERT_NE(nullptr, dates);
    ASSERT_EQ(1, dates->count());
    EXPECT_EQ(QStringLiteral("2024年01月06日"), dates->itemText(0));

    form.DateListChange(0);
    window.Refresh();
    auto* races = window.findChild<QListWidget*>();
    ASSERT_NE(nullptr, races);
    ASSERT_EQ(24, races->count());
    EXPECT_EQ(QStringLiteral("中山 1R 10:00 発走済"), races->item(0)->text());
    EXPECT_EQ(QStringLiteral("阪神12R 15:30 発走済"), races->item(23)->text());
    EXPECT_EQ(0, races->currentRow());
    auto* pages = window.findChild<QTabWidget*>();
    ASSERT_NE(nullptr, pages);
    EXPECT_EQ(QStringLiteral("出馬表"), pages->tabText(0));
    EXPECT_EQ(QStringLiteral("分析表"), pages->tabText(1));
    EXPECT_EQ(QStringLiteral("結果"), pages->tabText(2));
}

TEST_F(MainWindowTest, TheWindowFollowsTheRaceListPanelAndTheTimers) {
    MainWindow window(form, qtUi);
    window.show();
    auto* races = window.findChild<QListWidget*>();
    EXPECT_TRUE(races->isVisibleTo(&window));
    form.FButtonClick();
    window.Refresh();
    EXPECT_FALSE(races->isVisibleTo(&window));
    form.Fetches().ClockTimerTick();
    window.Refresh();
    bool clockShown = false;
    for (QLabel* label : window.findChildren<QLabel*>())
        clockShown = clockShown || label->text() == QStringLiteral("09時00分00秒");
    EXPECT_TRUE(clockShown);
}

// Today chosen in the date box after another day was loaded: while a message about its first
// race waits for the user, the automatic odds timer already runs and the loading popup is gone.
TEST(MainWindowDay, TheTimersFollowTheDayChosenWhileABoxWaits) {
    test::TempFolder folder;
    test::FakeUi ui;
    test::FakeClock clock({2024, 1, 6, 9, 30, 0});
    test::FakeClipboard clipboard;
    test::FakeShell shell;
    test::FakeRegistry registry;
    test::FakeJvLink jvLink;
    auto today = test::MakeDay("20240106", {"06"});
    today[0].runners = 0;  // its first race has no runners yet: a box at the load
    test::WriteRaces(folder.Path(), today);
    test::WriteRaces(folder.Path(), test::MakeDay("20240107", {"06"}));
    TMainForm form(folder.Path(), {ui, clock, clipboard, shell, registry}, jvLink);
    std::string error;
    ASSERT_TRUE(form.FormCreate(&error)) << error;
    QtUi qtUi;
    MainWindow window(form, qtUi);
    window.show();
    auto* dates = window.findChild<QComboBox*>();
    auto* oddsTimer = window.findChild<QTimer*>(QStringLiteral("AutoOddsTimer"));
    auto* popup = window.findChild<ProgressDialog*>();
    ASSERT_TRUE(dates && oddsTimer && popup);
    emit dates->activated(0);  // tomorrow
    EXPECT_FALSE(oddsTimer->isActive());
    int boxes = 0;
    ui.onMessage = [&] {
        ++boxes;
        EXPECT_TRUE(oddsTimer->isActive());
        EXPECT_FALSE(popup->isVisible());
    };
    emit dates->activated(1);  // today
    EXPECT_EQ(1, boxes);
    EXPECT_TRUE(oddsTimer->isActive());
}

// Alt and a letter reach one item: no two items of the menu bar, or of one menu, share it.
TEST_F(MainWindowTest, NoTwoItemsOfAMenuShareAMnemonic) {
    MainWindow window(form, qtUi);
    std::vector<QList<QAction*>> menus{window.menuBar()->actions()};
    for (QAction* item : window.menuBar()->actions())
        if (item->menu() != nullptr) menus.push_back(item->menu()->actions());
    for (const QList<QAction*>& items : menus) {
        std::map<QChar, QString> taken;
        for (QAction* item : items) {
            const QString text = item->text();
            const qsizetype at = text.indexOf(QLatin1Char('&'));
            if (at < 0 || at + 1 >= text.size()) continue;
            const auto first = taken.emplace(text[at + 1].toUpper(), text).first;
            EXPECT_EQ(first->second.toStdString(), text.toStdString());  // the earlier holder
        }
    }
}

TEST_F(MainWindowTest, TheMailMenuIsShownAndSwitchesDelivery) {
    MainWindow window(form, qtUi);
    QAction* delivery = nullptr;
    for (QAction* menu : window.menuBar()->actions()) {
        if (menu->text() != QStringLiteral("メール設定")) continue;
        EXPECT_TRUE(menu->isVisible());
        for (QAction* item : menu->menu()->actions())
            if (item->text() == QStringLiteral("買い目を転送する")) delivery = item;
    }
    ASSERT_NE(nullptr, delivery);
    for (const bool on : {true, false}) {
        delivery->trigger();
        EXPECT_EQ(on, form.Timers().DeliverTimer.enabled);
        EXPECT_EQ(on, delivery->isChecked());
    }
}

TEST_F(MainWindowTest, TheClockKeepsTheUsersColumnWidthAndArrowKeysChooseRaces) {
    MainWindow window(form, qtUi);
    window.show();
    QApplication::processEvents();
    const QSize started = window.size();
    form.DateListChange(0);
    form.Race().DatListClick(0);
    window.Refresh();
    QApplication::processEvents();
    EXPECT_EQ(started, window.size());  // the first race does not grow the window
    auto* table = window.findChild<TextGridView*>(QStringLiteral("StringGrid26"));
    ASSERT_NE(nullptr, table);
    int widened = table->columnWidth(3) + 37;
    table->horizontalHeader()->resizeSection(3, widened);
    form.Fetches().ClockTimerTick();
    form.Fetches().CountdownTimerTick();
    window.RefreshClock();
    window.Refresh();
    QApplication::processEvents();
    EXPECT_EQ(widened, table->columnWidth(3));

    auto* races = window.findChild<QListWidget*>();
    races->setFocus();
    for (int key : {Qt::Key_Down, Qt::Key_Down}) {
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
        QApplication::sendEvent(races, &press);
    }
    QApplication::processEvents();
    EXPECT_EQ(2, form.DayList().SelectedRace);
    EXPECT_EQ(2, races->currentRow());
}

}  // namespace
}  // namespace kagiroi
