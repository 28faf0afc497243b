// The main window on a demo race day: what it shows is what the core holds, and nothing acts on
// a race the screen does not show.
#include "analysis/RaceHeader.h"
#include "app/DemoFixture.h"
#include "app/ui/MainWindow.h"
#include "daystore/RecordLayout.h"
#include "platform/FileSystem.h"
#include "platform/TextField.h"
#include "stakes/PluginCsv.h"
#include "support/MainFormProbe.h"
#include "widgets/QtPorts.h"
#include "widgets/TextConversion.h"
#include "widgets/TextGridView.h"

#include <gtest/gtest.h>
#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QStringDecoder>
#include <QTabWidget>
#include <QTimer>
#include <clocale>
#include <functional>

static void PrintTo(const QString& text, std::ostream* os) {
    *os << '"' << text.toStdString() << '"';
}

namespace kagiroi {
namespace {

const DateTime kMidweek{2024, 1, 10, 12, 0, 0};

// A text that passed through the wrong charset: a replacement character, or Shift_JIS bytes
// that read as UTF-8 (UTF-8 read as Shift_JIS and shown again).
bool IsGarbled(const QString& text) {
    if (text.contains(QChar::ReplacementCharacter)) return true;
    std::string sjis = ToSjis(text);
    bool ascii = std::all_of(sjis.begin(), sjis.end(),
                             [](char c) { return static_cast<unsigned char>(c) < 0x80; });
    if (ascii) return false;
    // Stateless: bytes that end inside a sequence are an error, not a wait for more (the
    // Shift_JIS bytes of ﾒｰﾙ設定 begin like UTF-8 but end in a lead byte).
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString decoded = utf8(QByteArray::fromStdString(sjis));
    return !utf8.hasError();
}

// Every text a window and its children show.
QStringList ShownTexts(QWidget* root) {
    QStringList texts{root->windowTitle()};
    QList<QWidget*> widgets = root->findChildren<QWidget*>();
    for (QWidget* w : widgets) {
        texts << w->windowTitle() << w->toolTip();
        if (auto* label = qobject_cast<QLabel*>(w)) texts << label->text();
        if (auto* button = qobject_cast<QAbstractButton*>(w)) texts << button->text();
        if (auto* box = qobject_cast<QGroupBox*>(w)) texts << box->title();
        if (auto* edit = qobject_cast<QLineEdit*>(w)) texts << edit->text();
        if (auto* menu = qobject_cast<QMenu*>(w)) texts << menu->title();
        if (auto* tabs = qobject_cast<QTabWidget*>(w))
            for (int i = 0; i < tabs->count(); ++i)
                texts << tabs->tabText(i);
        if (auto* combo = qobject_cast<QComboBox*>(w))
            for (int i = 0; i < combo->count(); ++i)
                texts << combo->itemText(i);
        if (auto* list = qobject_cast<QListWidget*>(w))
            for (int i = 0; i < list->count(); ++i)
                texts << list->item(i)->text();
        if (auto* view = qobject_cast<QTableView*>(w)) {
            QAbstractItemModel* m = view->model();
            for (int c = 0; c < m->columnCount(); ++c)
                texts << m->headerData(c, Qt::Horizontal).toString();
            for (int r = 0; r < m->rowCount(); ++r)
                for (int c = 0; c < m->columnCount(); ++c)
                    texts << m->index(r, c).data().toString()
                          << m->index(r, c).data(Qt::ToolTipRole).toString();
        }
    }
    for (QAction* action : root->findChildren<QAction*>())
        texts << action->text() << action->toolTip();
    return texts;
}

void ExpectNothingGarbled(QWidget* root, const QString& where) {
    QStringList texts = ShownTexts(root);
    EXPECT_GT(texts.size(), 1) << where.toStdString();
    for (const QString& text : texts)
        EXPECT_FALSE(IsGarbled(text)) << where.toStdString() << ": " << text.toStdString();
}

// Runs `open` (which shows a modal dialog) and hands the dialog to `inspect` before closing it.
void InspectModal(const std::function<void()>& open, const std::function<void(QWidget*)>& inspect) {
    bool seen = false;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal == nullptr) return;
        poll.stop();
        seen = true;
        inspect(modal);
        modal->close();
    });
    poll.start(10);
    open();
    EXPECT_TRUE(seen) << "no dialog was shown";
}

class DemoDayWindowTest : public ::testing::Test {
  protected:
    DemoDayWindowTest() : demo(kMidweek) {
        demo.Download(true);
        demo.LoadDay("20240106");
        window = std::make_unique<MainWindow>(demo.Form(), qtUi);
    }

    TMainForm& form() { return demo.Form(); }
    template <typename T>
    T* Find(const std::function<bool(T*)>& which) {
        for (T* w : window->findChildren<T*>())
            if (which(w)) return w;
        return nullptr;
    }
    QAbstractButton* Button(const QString& text) {
        return Find<QAbstractButton>([&](QAbstractButton* b) { return b->text() == text; });
    }
    QLineEdit* AmountBox() {
        return Find<QLineEdit>([](QLineEdit* e) { return e->maxLength() == 6; });
    }
    TextGridView* TicketView(const QString& tab) {
        auto* tabs = Find<QTabWidget>([&](QTabWidget* t) { return t->tabText(1) == tab; });
        return tabs ? tabs->widget(1)->findChild<TextGridView*>() : nullptr;
    }
    // Clicks the race list's items until one shows a trifecta net of `tickets` tickets.
    int ClickRaceWithTrifectaNet(int tickets) {
        auto* races = Find<QListWidget>([](QListWidget*) { return true; });
        for (int item = 0; item < races->count(); ++item) {
            emit races->itemClicked(races->item(item));
            if (form().Bets().Table(BetType::Trifecta).RowCount() - 1 == tickets) return item;
        }
        return -1;
    }
    void TypeAmount(const QString& text) {
        QLineEdit* box = AmountBox();
        box->setText(text);
        emit box->textEdited(text);
    }
    // Both tables' nine totals, 買い点数 to 期待値1以上.
    QStringList TotalsShown() {
        QStringList shown;
        for (QLabel* label : window->findChildren<QLabel*>(QStringLiteral("ticketTotal")))
            shown << label->text().trimmed();
        return shown;
    }
    std::string PluginFolder() {
        std::string plugin = demo.Path("plugin");
        MakeDirectories(plugin + "/kaime");
        demo.settings.WriteString("Dir", "HibariTohyo2", plugin);
        return plugin;
    }

    test::DemoFixture demo;
    QtUi qtUi;
    std::unique_ptr<MainWindow> window;
};

TEST_F(DemoDayWindowTest, NoTextOfTheWindowOrOfAnyDialogIsGarbled) {
    const QString title = QStringLiteral("ミラド式3連複3連単馬券網ソフト Kagiroi");
    ASSERT_GE(ClickRaceWithTrifectaNet(126), 0);
    EXPECT_EQ(title, window->windowTitle());
    EXPECT_EQ(title, QGuiApplication::applicationDisplayName());
    ExpectNothingGarbled(window.get(), QStringLiteral("main window"));
    EXPECT_TRUE(ShownTexts(window.get()).contains(QStringLiteral("配当：")));

    for (const QString& command :
         {QStringLiteral("レース模様設定"), QStringLiteral("データ自動取得時刻設定(&A)"),
          QStringLiteral("ﾊﾞｰｼﾞｮﾝ情報"), QStringLiteral("設定の比較...")}) {
        QAction* action = nullptr;
        for (QAction* a : window->findChildren<QAction*>())
            if (a->text() == command) action = a;
        ASSERT_NE(nullptr, action) << command.toStdString();
        InspectModal([&] { action->trigger(); },
                     [&](QWidget* dialog) { ExpectNothingGarbled(dialog, command); });
    }
    // The backtest dialog run over the stored days: its table's texts come from the core.
    QAction* backtest = nullptr;
    for (QAction* a : window->findChildren<QAction*>())
        if (a->text() == QStringLiteral("バックテスト...")) backtest = a;
    ASSERT_NE(nullptr, backtest);
    InspectModal([&] { backtest->trigger(); },
                 [&](QWidget* dialog) {
                     QAbstractButton* run = nullptr;
                     for (auto* button : dialog->findChildren<QAbstractButton*>())
                         if (button->text() == QStringLiteral("実行")) run = button;
                     ASSERT_NE(nullptr, run);
                     run->click();
                     // The days run on worker threads; 実行 comes back when they end.
                     while (!run->isEnabled())
                         QApplication::processEvents(QEventLoop::AllEvents, 20);
                     auto* table = dialog->findChild<QTableView*>();
                     ASSERT_NE(nullptr, table);
                     EXPECT_GE(table->model()->rowCount(), 2);  // a day and the total
                     ExpectNothingGarbled(dialog, QStringLiteral("backtest"));
                 });
    InspectModal(
        [&] { Button(QStringLiteral("JVデータ取得"))->click(); },
        [&](QWidget* dialog) { ExpectNothingGarbled(dialog, QStringLiteral("download")); });
    InspectModal([&] { qtUi.ShowMessage(*InsufficientDataMessage(RaceSlot{})); },
                 [&](QWidget* box) {
                     ExpectNothingGarbled(box, QStringLiteral("message"));
                     EXPECT_EQ(title, box->windowTitle());
                 });
}

TEST_F(DemoDayWindowTest, AfterARaceWithoutDataNothingActsOnTheRaceStillShown) {
    int shown = ClickRaceWithTrifectaNet(126);
    ASSERT_GE(shown, 0);
    std::string plugin = PluginFolder();
    auto* races = Find<QListWidget>([](QListWidget*) { return true; });
    int other = (shown + 1) % races->count();
    MainFormProbe::Book(form())[other].RunnerInfo[1].clear();
    emit races->itemClicked(races->item(other));
    int raceNumber = ToInt(FieldAt(form().Book()[other].RaceInfo, RaceHead::RaceNumber));
    EXPECT_EQ(QStringLiteral("%1レースはデータが不十分です。").arg(raceNumber),
              ToQString(demo.ui.Messages().back()));

    for (BetType type : {BetType::Trio, BetType::Trifecta})
        EXPECT_TRUE(IsBlank(form().Bets().Table(type).Cell(2, 1))) << static_cast<int>(type);
    EXPECT_EQ(QStringList(2 * 9, QString()), TotalsShown());
    std::string amountBefore = form().Book()[other].RaceAmount;
    TypeAmount(QStringLiteral("5000"));
    form().Race().StringGrid7MouseDown(3, 1);
    Button(QStringLiteral("Hibari2投票"))->click();
    EXPECT_TRUE(IsBlank(form().Bets().Table(BetType::Trio).Cell(6, 1)));
    EXPECT_EQ(amountBefore, form().Book()[other].RaceAmount);
    EXPECT_EQ(QStringLiteral("レースデータを読み込んでください。"),
              ToQString(demo.ui.Messages().back()));
    EXPECT_TRUE(demo.shell.started.empty());
    EXPECT_FALSE(FileExists(PluginCsvPath(plugin, form().Book()[other].RaceInfo).value()));
}

TEST_F(DemoDayWindowTest, AnAmountBelowOneHundredLeavesNothingStakedAndNothingToVote) {
    ASSERT_GE(ClickRaceWithTrifectaNet(126), 0);
    PluginFolder();
    for (const QString& amount : {QStringLiteral("99"), QString()}) {
        TypeAmount(QStringLiteral("12600"));
        TypeAmount(amount);
        for (BetType type : {BetType::Trio, BetType::Trifecta}) {
            const TextGrid& table = form().Bets().Table(type);
            for (int r = 1; r < table.RowCount(); ++r)
                ASSERT_TRUE(IsBlank(table.Cell(6, r))) << amount.toStdString() << " row " << r;
        }
        EXPECT_EQ(QStringList(2 * 9, QString()), TotalsShown()) << amount.toStdString();
        Button(QStringLiteral("Hibari2投票"))->click();
        EXPECT_EQ(QStringLiteral("買い目が作成されていません。"),
                  ToQString(demo.ui.Messages().back()));
    }
    EXPECT_TRUE(demo.shell.started.empty());
}

// The race has run by the fixture's clock: the confirmation names its post time and a Yes is
// asked for again.
TEST_F(DemoDayWindowTest, TheVoteConfirmationShowsTheTicketsTheTotalStakeAndALatePost) {
    int item = ClickRaceWithTrifectaNet(126);
    ASSERT_GE(item, 0);
    PluginFolder();
    Button(QStringLiteral("均等"))->click();
    TypeAmount(QStringLiteral("12600"));
    form().Race().PageControl2Change(TicketTab::Trifecta);
    demo.ui.Clear();
    demo.ui.AnswerNext(true);
    demo.ui.AnswerNext(false);
    EXPECT_EQ(VoteOutcome::Declined, form().Race().TohyoCSVBtnClick());
    QString race = ToQString(form().DayList().RaceList[static_cast<size_t>(item)]);
    const std::string& info = form().Book()[item].RaceInfo;
    QString post = QString::asprintf("%02d:%02d", NumberAt(info, RA::PostHour),
                                     NumberAt(info, RA::PostMinute));
    std::vector<std::string> questions = demo.ui.Questions();
    ASSERT_EQ(2u, questions.size());
    EXPECT_EQ(
        QStringLiteral("[%1:３連単]に投票します。実行してよろしいですか？\r\n"
                       "（126点　合計 12,600円）\r\n※発走時刻 %2 を過ぎています（発走済み）。")
            .arg(race, post),
        ToQString(questions[0]));
    EXPECT_EQ(QStringLiteral("発走時刻 %1 を過ぎています。それでも投票しますか？").arg(post),
              ToQString(questions[1]));
}

TEST_F(DemoDayWindowTest, KellyIsTheThirdModeAndATicketTellsItsChanceAndValue) {
    ASSERT_GE(ClickRaceWithTrifectaNet(126), 0);
    Button(QStringLiteral("ケリー"))->click();
    EXPECT_EQ(2, demo.settings.ReadInteger("KaimeSet", "HaibunSet", 1));
    TypeAmount(QStringLiteral("100"));  // a quarter of it is no 100-yen stake anywhere
    window->Refresh();
    auto* note = window->findChild<QLabel*>(QStringLiteral("StakeNote"));
    ASSERT_NE(nullptr, note);
    EXPECT_FALSE(note->text().isEmpty());
    EXPECT_EQ(ToQString(StakeStatusText(form().Bets())), note->text());
    TextGridView* view = TicketView(QStringLiteral("3連単"));
    ASSERT_NE(nullptr, view);
    QString tip = view->model()->index(0, 2).data(Qt::ToolTipRole).toString();
    EXPECT_TRUE(tip.startsWith(QStringLiteral("的中率 "))) << tip.toStdString();
    EXPECT_TRUE(tip.contains(QStringLiteral("期待値 "))) << tip.toStdString();
}

TEST_F(DemoDayWindowTest, AUserLocaleWithADecimalCommaChangesNoNumberOfTheCore) {
    std::string previous = std::setlocale(LC_ALL, nullptr);
    if (std::setlocale(LC_ALL, "de_DE.UTF-8") == nullptr)
        GTEST_SKIP() << "the de_DE.UTF-8 locale is not installed (scripts/setup.sh makes it)";
    ASSERT_GE(ClickRaceWithTrifectaNet(126), 0);
    TypeAmount(QStringLiteral("12600"));
    const TextGrid& table = form().Bets().Table(BetType::Trifecta);
    std::string odds = table.Cell(3, 1), share = table.Cell(8, 1);
    std::string rate = form().Bets().Totals(BetType::Trifecta).rate.text;
    form().Race().RaceMoyoForm().SetValue(0, 2.5);
    form().Race().RaceMoyoSaveClick();
    auto ini = ReadWholeFile(demo.Path("kagiroi.ini"));
    std::setlocale(LC_ALL, previous.c_str());

    for (const std::string& number : {odds, share, rate})
        EXPECT_NE(std::string::npos, number.find('.')) << number;
    EXPECT_FALSE(IsBlank(table.Cell(6, 1)));
    ASSERT_TRUE(ini.has_value());
    EXPECT_NE(std::string::npos, ini->find("2.5")) << *ini;
    EXPECT_EQ(std::string::npos, ini->find("2,5")) << *ini;
}

TEST_F(DemoDayWindowTest, SortingTheTrifectaNetOrdersNumbersAsNumbers) {
    ASSERT_GE(ClickRaceWithTrifectaNet(126), 0);
    TypeAmount(QStringLiteral("999999"));  // payouts wider than their field
    form().Race().PageControl2Change(TicketTab::Trifecta);
    window->Refresh();
    TextGridView* view = TicketView(QStringLiteral("3連単"));
    ASSERT_NE(nullptr, view);
    const TextGrid& table = form().Bets().Table(BetType::Trifecta);
    auto column = [&](int c) {
        std::vector<std::string> cells;
        for (int r = 1; r < table.RowCount(); ++r)
            cells.push_back(table.Cell(c, r));
        return cells;
    };
    std::vector<std::string> extraction = column(2);
    auto press = [&](int c) { emit view->CellPressed(c, 0); };

    for (int money : {7, 8}) {  // 回収額, 回収率: ascending or descending, ties by number
        press(money);
        std::vector<std::string> values = column(money), numbers = column(1);
        bool descending = ToDouble(values.front()) > ToDouble(values.back());
        for (size_t k = 1; k < values.size(); ++k) {
            double a = ToDouble(values[k - 1]), b = ToDouble(values[k]);
            ASSERT_TRUE(descending ? a >= b : a <= b) << money << ": " << a << " then " << b;
            if (a == b) {
                ASSERT_LT(ToInt(numbers[k - 1]), ToInt(numbers[k])) << money;
            }
        }
    }
    press(1);
    if (ToInt(column(1).front()) != 1) press(1);
    std::vector<std::string> numbers = column(1);
    for (size_t k = 0; k < numbers.size(); ++k)
        ASSERT_EQ(static_cast<int>(k) + 1, ToInt(numbers[k])) << "row " << k + 1;
    EXPECT_EQ(extraction, column(2));
}

}  // namespace
}  // namespace kagiroi
