// The main window's race list and placement: what a race is, and where the window was left.
#include "app/TMainForm.h"
#include "app/ui/FakeFormWindowTest.h"
#include "app/ui/MainWindow.h"
#include "daystore/DayStore.h"
#include "support/DayBuilder.h"
#include "support/FakeJvLink.h"
#include "support/FakePorts.h"
#include "support/MainFormProbe.h"
#include "support/TempFolder.h"
#include "widgets/QtPorts.h"

#include <gtest/gtest.h>
#include <QApplication>
#include <QGuiApplication>
#include <QListWidget>
#include <QScreen>

namespace kagiroi {
namespace {

class RaceListWindowTest : public test::FakeFormWindowTest {
  protected:
    RaceListWindowTest() : FakeFormWindowTest({"06"}) {}
};

TEST_F(RaceListWindowTest, TheListShowsThePostTimeAndResultsOnceTheyArrive) {
    MainWindow window(form, qtUi);
    form.DateListChange(0);
    window.Refresh();
    auto* list = window.findChild<QListWidget*>();
    ASSERT_EQ(12, list->count());
    EXPECT_EQ(QStringLiteral("中山 1R 10:00 発走済"), list->item(0)->text());

    // The first race's payouts, its winner paid 450 yen, as a results fetch stores them.
    std::string payout = test::PayoutRecord(races[0]);
    payout.replace(102, 13, "0300000045001");
    DayStore store(folder.Path());
    store.Store(payout, StoreRoute::Download);
    ASSERT_TRUE(store.Flush());
    form.Fetches().HrReadBtnClick();
    window.Refresh();
    EXPECT_EQ(QStringLiteral("中山 1R 10:00 確定"), list->item(0)->text());
    EXPECT_EQ(QStringLiteral("中山 2R 10:30 発走済"), list->item(1)->text());
    EXPECT_EQ(QColor(128, 128, 128), list->item(0)->foreground().color());
}

TEST_F(RaceListWindowTest, TheWindowComesBackWhereItWasLeftAndOnAScreen) {
    {
        MainWindow window(form, qtUi);
        window.show();
        window.move(30, 40);
        window.resize(700, 500);
        QApplication::processEvents();
        window.close();
    }
    {
        MainWindow window(form, qtUi);
        EXPECT_EQ(QPoint(30, 40), window.pos());
        EXPECT_EQ(QSize(700, 500), window.size());
        window.show();
        window.showMaximized();
        QApplication::processEvents();
        window.close();
    }
    {
        MainWindow window(form, qtUi);
        window.show();
        QApplication::processEvents();
        EXPECT_TRUE(window.isMaximized());
        EXPECT_EQ(QSize(700, 500), window.normalGeometry().size());
        window.showNormal();
        window.close();
    }
    // A position left on a screen that is gone comes back onto the one there is.
    SettingsFile& settings = MainFormProbe::Settings(form);
    settings.WriteInteger("locate", "left", 5000);
    settings.WriteInteger("locate", "top", -3000);
    settings.WriteInteger("locate", "maximized", 0);
    MainWindow window(form, qtUi);
    QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    EXPECT_TRUE(screen.contains(window.geometry()))
        << window.geometry().x() << "," << window.geometry().y();
}

}  // namespace
}  // namespace kagiroi
