// The backtest, sweep and calibration dialogs run on worker threads over the demo service's stored
// days: their tables are the core's, 中止 and closing stop the run, refusals are the core's words.
#include "app/DemoFixture.h"
#include "records/CalibrationRaces.h"
#include "records/ui/BacktestDialog.h"
#include "records/ui/CalibrationDialog.h"
#include "records/ui/SweepDialog.h"
#include "support/TestText.h"
#include "widgets/TextConversion.h"

#include <gtest/gtest.h>
#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>

namespace kagiroi {
namespace {

class ReplayDialogsTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        demo = new test::DemoFixture(DateTime{2024, 1, 10, 12, 0, 0});
        demo->Download(true);
    }
    static void TearDownTestSuite() {
        delete demo;
        demo = nullptr;
    }

    static ReplaySnapshot Snapshot(const std::string& from, const std::string& to) {
        return SnapshotOf(demo->Form().Replays().StoredDaysBetween(from, to),
                          demo->Form().Replays().CurrentReplaySource());
    }
    // The same days `times` over: enough races to fit, or a run long enough to stop halfway.
    static ReplaySnapshot Repeated(const std::string& from, const std::string& to, int times) {
        ReplaySnapshot snapshot = Snapshot(from, to);
        std::vector<ReplayDay> days;
        for (int k = 0; k < times; ++k)
            days.insert(days.end(), snapshot.days.begin(), snapshot.days.end());
        snapshot.days = days;
        return snapshot;
    }
    static ReplaySnapshot LongSnapshot(const std::string& from, const std::string& to) {
        return Repeated(from, to, 300);
    }
    static ReplaySnapshot FourTimes(const std::string& from, const std::string& to) {
        return Repeated(from, to, 4);
    }

    static inline test::DemoFixture* demo = nullptr;
    const std::string from = "20240101", to = "20240109";
};

QPushButton* Button(QWidget& dialog, const QString& text) {
    for (auto* button : dialog.findChildren<QPushButton*>())
        if (button->text() == text) return button;
    ADD_FAILURE() << "no button " << text.toStdString();
    return nullptr;
}

// Until 実行 is enabled again (the run ended); a run that never ends fails instead of hanging.
void WaitForTheEnd(QWidget& dialog) {
    QPushButton* run = Button(dialog, QStringLiteral("実行"));
    QElapsedTimer waited;
    waited.start();
    do
        QApplication::processEvents(QEventLoop::AllEvents, 20);
    while (!run->isEnabled() && waited.elapsed() < 120000);
    ASSERT_TRUE(run->isEnabled()) << "the run did not end";
}

QString Status(QWidget& dialog) {
    return dialog.findChild<QLabel*>(QStringLiteral("status"))->text();
}

using Rows = std::vector<std::vector<test::SjisText>>;

Rows Readable(const std::vector<std::vector<std::string>>& cells) {
    Rows rows;
    for (const auto& row : cells)
        rows.emplace_back(row.begin(), row.end());
    return rows;
}

// The header and the cells of the dialog's table (the first, or the one named), a short row as
// short as it was given.
Rows Shown(QWidget& dialog, const QString& name = QString()) {
    auto* table = dialog.findChild<QTableWidget*>(name);
    Rows rows(1);
    for (int c = 0; c < table->columnCount(); ++c)
        rows[0].push_back(ToSjis(table->horizontalHeaderItem(c)->text()));
    for (int r = 0; r < table->rowCount(); ++r) {
        rows.emplace_back();
        for (int c = 0; c < table->columnCount(); ++c)
            if (QTableWidgetItem* item = table->item(r, c))
                rows.back().push_back(ToSjis(item->text()));
    }
    return rows;
}

TEST_F(ReplayDialogsTest, TheBacktestDialogShowsTheCoresFigures) {
    BacktestDialog dialog(Snapshot, from, to);
    ReplaySnapshot snapshot = Snapshot(from, to);
    ASSERT_GE(snapshot.days.size(), 2u);
    ReplaySource source = snapshot.Source();
    // At the odds of the moment of betting first, then at the stored ones.
    for (int odds : {0, 1}) {
        dialog.findChild<QComboBox*>(QStringLiteral("ReplayOdds"))->setCurrentIndex(odds);
        Button(dialog, QStringLiteral("実行"))->click();
        WaitForTheEnd(dialog);
        source.bettime = odds == 0;
        BacktestResult core = RunBacktest(snapshot.days, source, {});
        ASSERT_GT(core.total[0].racesBet, 0);
        EXPECT_EQ(Readable(BacktestRows(core)), Shown(dialog)) << odds;
    }
    auto* bar = dialog.findChild<QProgressBar*>();
    EXPECT_EQ(static_cast<int>(snapshot.days.size()), bar->value());
    EXPECT_EQ(bar->maximum(), bar->value());
}

TEST_F(ReplayDialogsTest, StopEndsTheRunHalfwayAndShowsNoFigures) {
    BacktestDialog dialog(LongSnapshot, from, to);
    Button(dialog, QStringLiteral("実行"))->click();
    Button(dialog, QStringLiteral("中止"))->click();
    WaitForTheEnd(dialog);
    EXPECT_EQ(QStringLiteral("中止しました。"), Status(dialog));
    EXPECT_EQ(0, dialog.findChild<QTableWidget*>()->rowCount());
    auto* bar = dialog.findChild<QProgressBar*>();
    EXPECT_LT(bar->value(), bar->maximum());
}

TEST_F(ReplayDialogsTest, ClosingDuringARunWaitsForTheWorker) {
    for (bool sweep : {false, true}) {
        std::unique_ptr<QDialog> dialog;
        if (sweep) {
            dialog = std::make_unique<SweepDialog>(LongSnapshot, from, to);
            dialog->findChild<QLineEdit*>(QStringLiteral("values0"))->setText("0,1,2");
            dialog->findChild<QComboBox*>(QStringLiteral("key0"))
                ->setCurrentText(QStringLiteral("KaimeSet/HaibunSet"));
        } else {
            dialog = std::make_unique<BacktestDialog>(LongSnapshot, from, to);
        }
        dialog->show();
        Button(*dialog, QStringLiteral("実行"))->click();
        ASSERT_FALSE(Button(*dialog, QStringLiteral("実行"))->isEnabled()) << sweep;
        dialog->close();
        EXPECT_FALSE(dialog->isVisible()) << sweep;
        dialog.reset();  // the worker has ended: nothing is left running over the dialog
        QApplication::processEvents();
    }
}

TEST_F(ReplayDialogsTest, TheSweepDialogShowsTheCoresTable) {
    SweepDialog dialog(Snapshot, from, to);
    dialog.findChild<QComboBox*>(QStringLiteral("key0"))
        ->setCurrentText(QStringLiteral("KaimeSet/HaibunSet"));
    dialog.findChild<QLineEdit*>(QStringLiteral("values0"))->setText("0,2");
    dialog.findChild<QComboBox*>(QStringLiteral("key1"))
        ->setCurrentText(QStringLiteral("KaimeSet/DefaultAmount"));
    dialog.findChild<QLineEdit*>(QStringLiteral("values1"))->setText("1000, 5000");
    Button(dialog, QStringLiteral("実行"))->click();
    WaitForTheEnd(dialog);

    std::string error;
    auto axes =
        ParseSweepAxes({"KaimeSet/HaibunSet=0,2", "KaimeSet/DefaultAmount=1000,5000"}, &error);
    ASSERT_TRUE(axes) << error;
    ReplaySnapshot snapshot = Snapshot(from, to);
    snapshot.bettime = true;  // the dialog's first choice of odds
    SweepResult core =
        RunSweep(snapshot.days, snapshot.Source(), *axes, "", SweepNets::Both, 1, {});
    ASSERT_EQ(4u, core.rows.size());
    EXPECT_EQ(Readable(SweepTable(core)), Shown(dialog));
    EXPECT_TRUE(Status(dialog).contains(QStringLiteral("投票時点のオッズのレース")));
}

// Answers the next message box with `answer` while `act` runs; the box's text is returned.
QString AnswerBox(QMessageBox::StandardButton answer, const std::function<void()>& act) {
    QString text;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr) return;
        poll.stop();
        text = box->text();
        box->button(answer)->click();
    });
    poll.start(10);
    act();
    EXPECT_FALSE(text.isEmpty()) << "no box was shown";
    return text;
}

TEST_F(ReplayDialogsTest, TheCalibrationDialogShowsTheCoresFitAndSetsItOnlyWhenTold) {
    std::vector<ModelParameters> saved;
    CalibrationDialog dialog(FourTimes, from, to,
                             [&](const ModelParameters& fitted) { saved.push_back(fitted); });
    QPushButton* use = Button(dialog, QStringLiteral("設定に反映..."));
    EXPECT_FALSE(use->isEnabled()) << "nothing fitted yet";
    Button(dialog, QStringLiteral("実行"))->click();
    WaitForTheEnd(dialog);

    ReplaySnapshot snapshot = FourTimes(from, to);
    CalibrationSample sample =
        GatherCalibrationRaces(snapshot.days, snapshot.programFolder, snapshot.rates);
    CalibrationReport core = Calibrate(sample.races, sample.leftOut);
    ASSERT_TRUE(core.fitted) << core.usable;
    EXPECT_EQ(Readable(CalibrationRaceRows(core)), Shown(dialog, QStringLiteral("races")));
    EXPECT_EQ(Readable(CalibrationModelRows(core)), Shown(dialog, QStringLiteral("models")));
    EXPECT_EQ(Readable(ReliabilityRows(core)), Shown(dialog, QStringLiteral("reliability")));

    QString question = AnswerBox(QMessageBox::No, [&] { use->click(); });
    EXPECT_EQ(ToQString(SaveFitQuestion(*core.fitted, snapshot.settings.model)), question);
    EXPECT_TRUE(saved.empty()) << "a No sets nothing";
    AnswerBox(QMessageBox::Yes, [&] { use->click(); });
    ASSERT_EQ(1u, saved.size());
    EXPECT_EQ(core.fitted->alpha, saved[0].alpha);
    EXPECT_EQ(core.fitted->lambda, saved[0].lambda);
    EXPECT_EQ(core.fitted->tau, saved[0].tau);
}

TEST_F(ReplayDialogsTest, TheCalibrationDialogFitsNothingOnTooFewRaces) {
    CalibrationDialog dialog(Snapshot, "20240106", "20240106",
                             [](const ModelParameters&) { ADD_FAILURE() << "nothing to set"; });
    Button(dialog, QStringLiteral("実行"))->click();
    WaitForTheEnd(dialog);
    ReplaySnapshot snapshot = Snapshot("20240106", "20240106");
    CalibrationSample sample =
        GatherCalibrationRaces(snapshot.days, snapshot.programFolder, snapshot.rates);
    EXPECT_EQ(ToQString(TooFewRacesText(static_cast<int>(sample.races.size()))), Status(dialog));
    EXPECT_FALSE(Button(dialog, QStringLiteral("設定に反映..."))->isEnabled());
    EXPECT_EQ(0, dialog.findChild<QTableWidget*>(QStringLiteral("models"))->rowCount());
}

TEST_F(ReplayDialogsTest, TheSweepDialogShowsTheCoresRefusals) {
    struct Case {
        std::vector<std::pair<QString, QString>> rows;  // setting, values
        QString named;
    } cases[] = {
        {{{"KaimeSet/Nothing", "1"}}, "KaimeSet/Nothing"},
        {{{"KaimeSet/HaibunSet", "0,3"}}, "KaimeSet/HaibunSet=3"},
        {{{"KaimeSet/HaibunSet", ""}}, "KaimeSet/HaibunSet に比べる値がありません"},
        {{{"KaimeSet/KellyPercent", "1,2,3,4,5,6,7,8,9,10,11"},
          {"KaimeSet/DefaultAmount", "100,200,300,400,500,600,700,800,900,1000"},
          {"Nin100/SRF", "1,2,3,4,5,6,7,8,9,10"}},
         "1000"},
    };
    for (const Case& c : cases) {
        SweepDialog dialog(Snapshot, from, to);
        std::vector<std::string> texts;
        for (size_t r = 0; r < c.rows.size(); ++r) {
            const auto& [key, values] = c.rows[r];
            dialog.findChild<QComboBox*>(QStringLiteral("key%1").arg(r))->setCurrentText(key);
            dialog.findChild<QLineEdit*>(QStringLiteral("values%1").arg(r))->setText(values);
            texts.push_back(ToSjis(key) + (values.isEmpty() ? "" : "=" + ToSjis(values)));
        }
        Button(dialog, QStringLiteral("実行"))->click();
        std::string error;
        EXPECT_FALSE(ParseSweepAxes(texts, &error));
        EXPECT_EQ(ToQString(error), Status(dialog));
        EXPECT_TRUE(Status(dialog).contains(c.named)) << Status(dialog).toStdString();
        EXPECT_TRUE(Button(dialog, QStringLiteral("実行"))->isEnabled()) << "nothing runs";
    }
}

}  // namespace
}  // namespace kagiroi
