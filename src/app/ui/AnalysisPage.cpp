#include "app/ui/AnalysisPage.h"

#include "app/ui/VoteFileMenu.h"
#include "platform/SettingsTable.h"
#include "stakes/FundAllocation.h"
#include "widgets/Fonts.h"
#include "widgets/TextConversion.h"

#include <algorithm>
#include <utility>

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QIntValidator>
#include <QMenu>
#include <QScrollArea>
#include <QSignalBlocker>
#include <QSplitter>
#include <QVBoxLayout>

namespace kagiroi {

namespace {

QLabel* ValueLabel(QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setFont(GridFont(13));
    label->setMinimumWidth(90);
    return label;
}

void Show(QLabel* label, const Label& state) {
    label->setText(ToQString(state.text));
    label->setStyleSheet(QStringLiteral("color: rgb(%1,%2,%3);")
                             .arg(state.color.r)
                             .arg(state.color.g)
                             .arg(state.color.b));
}

}  // namespace

AnalysisPage::AnalysisPage(TMainForm& form, QWidget* parent) : QWidget(parent), form_(form) {
    markGrid_ = new TextGridView(this);
    markGrid_->SetGrid(&form_.RaceCard().StringGrid7);
    markGrid_->SetStyleFunction(
        [this](int c, int r) { return form_.Race().StringGrid7Style(c, r); });
    markGrid_->SetCursorFunction(
        [this](int c, int r) { return form_.Race().StringGrid7Cursor(c, r); });
    markGrid_->setMinimumWidth(290);
    connect(markGrid_, &TextGridView::CellPressed, this, [this](int c, int r) {
        form_.Race().StringGrid7MouseDown(c, r);
        Changed();
    });

    ticketTabs_ = new QTabWidget(this);
    ticketTabs_->addTab(BuildTicketTab(BetType::Trio, trioTable_, trioTotals_),
                        QStringLiteral("3連複"));
    ticketTabs_->addTab(BuildTicketTab(BetType::Trifecta, trifectaTable_, trifectaTotals_),
                        QStringLiteral("3連単"));
    connect(ticketTabs_, &QTabWidget::currentChanged, this, [this](int index) {
        if (refreshing_) return;
        form_.Race().PageControl2Change(index == 1 ? TicketTab::Trifecta : TicketTab::Trio);
        Changed();
    });

    oddsPending_ = new QLabel(this);
    oddsPending_->setObjectName(QStringLiteral("OddsPending"));
    oddsPending_->setAlignment(Qt::AlignCenter);
    oddsPending_->setWordWrap(true);
    oddsPending_->setFont(GridFont(14));
    netArea_ = new QStackedWidget(this);
    netArea_->addWidget(ticketTabs_);
    netArea_->addWidget(oddsPending_);

    auto* autoMark = new QPushButton(QStringLiteral("自動印に戻す"), this);
    autoMark->setObjectName(QStringLiteral("AutoMarkAgain"));
    autoMark->setToolTip(
        QStringLiteral("このレースの印・消し・並べ替えを取り消し、自動の印に戻します"));
    connect(autoMark, &QPushButton::clicked, this, [this] {
        form_.Race().AutoMarkAgainClick();
        Changed();
    });
    auto* marks = new QWidget(this);
    auto* marksLayout = new QVBoxLayout(marks);
    marksLayout->setContentsMargins(0, 0, 0, 0);
    marksLayout->setSpacing(2);
    auto* marksBar = new QHBoxLayout;
    marksBar->addWidget(autoMark);
    marksBar->addStretch();
    marksLayout->addLayout(marksBar);
    marksLayout->addWidget(markGrid_, 1);

    // The horse grid and the ticket tables share the height; the user moves the split, and
    // the next start keeps it.
    split_ = new QSplitter(Qt::Vertical, this);
    split_->setChildrenCollapsible(false);
    split_->addWidget(marks);
    split_->addWidget(netArea_);
    saveSplit_.setSingleShot(true);
    saveSplit_.setInterval(500);
    connect(&saveSplit_, &QTimer::timeout, this,
            [this] { form_.AnalysisSplitMoved(split_->sizes().value(0)); });
    connect(split_, &QSplitter::splitterMoved, this, [this] { saveSplit_.start(); });

    // The figures and the stake panel scroll rather than grow the window on a small screen.
    auto* side = new QWidget(this);
    auto* sideLayout = new QVBoxLayout(side);
    sideLayout->setContentsMargins(0, 0, 0, 0);
    sideLayout->addWidget(BuildFigures());
    sideLayout->addWidget(BuildStakePanel());
    sideLayout->addWidget(BuildProgressionPanel());
    sideLayout->addStretch();
    auto* sideScroll = new QScrollArea(this);
    sideScroll->setWidget(side);
    sideScroll->setWidgetResizable(true);
    sideScroll->setFrameShape(QFrame::NoFrame);
    sideScroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    sideScroll->setMinimumWidth(side->sizeHint().width() + 16);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(split_, 1);
    layout->addWidget(sideScroll);
}

QWidget* AnalysisPage::BuildFigures() {
    auto* box = new QWidget(this);
    auto* form = new QGridLayout(box);
    form->setContentsMargins(0, 0, 0, 0);
    form->setVerticalSpacing(2);
    oddsTime_ = ValueLabel(box);
    trioFavourite_ = ValueLabel(box);
    trioNth_ = ValueLabel(box);
    trifectaFavourite_ = ValueLabel(box);
    trifectaNth_ = ValueLabel(box);
    spread_ = ValueLabel(box);
    spin1_ = new QSpinBox(box);
    spin1_->setRange(1, kTrioCount);
    spin2_ = new QSpinBox(box);
    spin2_->setRange(1, kTrifectaCount);
    connect(spin1_, &QSpinBox::valueChanged, this, [this](int v) {
        if (refreshing_) return;
        form_.Race().SpinEdit1Change(v);
        Changed();
    });
    connect(spin2_, &QSpinBox::valueChanged, this, [this](int v) {
        if (refreshing_) return;
        form_.Race().SpinEdit2Change(v);
        Changed();
    });
    auto withSpin = [box](QSpinBox* spin, QLabel* value) {
        auto* row = new QWidget(box);
        auto* h = new QHBoxLayout(row);
        h->setContentsMargins(0, 0, 0, 0);
        h->addWidget(spin);
        h->addWidget(new QLabel(QStringLiteral("人気オッズ"), row));
        h->addWidget(value, 1);
        return row;
    };
    auto addRow = [form, box](const QString& caption, QWidget* value) {
        int row = form->rowCount();
        form->addWidget(new QLabel(caption, box), row, 0);
        form->addWidget(value, row, 1);
    };
    addRow(QStringLiteral("ｵｯｽﾞ取得時刻"), oddsTime_);
    addRow(QStringLiteral("３連複 １人気オッズ"), trioFavourite_);
    form->addWidget(withSpin(spin1_, trioNth_), form->rowCount(), 0, 1, 2);
    addRow(QStringLiteral("３連単 １人気オッズ"), trifectaFavourite_);
    form->addWidget(withSpin(spin2_, trifectaNth_), form->rowCount(), 0, 1, 2);
    addRow(QStringLiteral("単勝標準偏差"), spread_);

    auto* pattern = new QGroupBox(QStringLiteral("レース模様"), box);
    auto* grid = new QGridLayout(pattern);
    const QString captions[4] = {QStringLiteral("1強"), QStringLiteral("2強"),
                                 QStringLiteral("3強"), QStringLiteral("他")};
    for (int i = 0; i < 4; ++i) {
        grid->addWidget(new QLabel(captions[i], pattern), 0, i, Qt::AlignCenter);
        marks_[i] = new QLabel(pattern);
        marks_[i]->setAlignment(Qt::AlignCenter);
        grid->addWidget(marks_[i], 1, i);
    }
    grid->setContentsMargins(4, 2, 4, 2);
    form->addWidget(pattern, form->rowCount(), 0, 1, 2);
    return box;
}

QWidget* AnalysisPage::BuildTicketTab(BetType type, TextGridView*& view,
                                      QLabel* totals[kTotalLabels]) {
    auto* page = new QWidget(this);
    view = new TextGridView(page);
    // Rows as tight as the index table's allow: a small screen still shows eight tickets.
    view->SetRowHeight(18);
    view->SetGrid(&form_.Bets().Table(type));
    view->SetStyleFunction(
        [this, type](int c, int r) { return form_.Race().TicketTableStyle(type, c, r); });
    view->SetCursorFunction(
        [this, type](int c, int r) { return form_.Race().TicketTableCursor(type, c, r); });
    view->SetToolTipFunction(
        [this, type](int c, int r) { return ToQString(form_.Race().TicketTableTip(type, c, r)); });
    connect(view, &TextGridView::CellPressed, this, [this, type](int c, int r) {
        if (r == 0) {
            form_.Race().TicketHeaderPress(type, c, r);
        } else {
            form_.Race().TicketTableClick(type, c, r);
        }
        Changed();
    });
    auto* totalsGrid = new QGridLayout;
    const QString captions[kTotalLabels] = {
        QStringLiteral("買い点数"),   QStringLiteral("投票金額"), QStringLiteral("予想回収率"),
        QStringLiteral("期待回収率"), QStringLiteral("回収金額"), QStringLiteral("合成ｵｯｽﾞ"),
        QStringLiteral("ﾄﾘｶﾞﾐ"),      QStringLiteral("的中確率"), QStringLiteral("期待値1以上")};
    const std::string tips[kTotalLabels] = {"", "", ForecastRateTip(), ExpectedReturnTip()};
    for (int i = 0; i < kTotalLabels; ++i) {
        totals[i] = ValueLabel(page);
        totals[i]->setObjectName(QStringLiteral("ticketTotal"));
        auto* caption = new QLabel(captions[i], page);
        caption->setToolTip(ToQString(tips[i]));
        totals[i]->setToolTip(ToQString(tips[i]));
        totalsGrid->addWidget(caption, i / 2, (i % 2) * 2);
        totalsGrid->addWidget(totals[i], i / 2, (i % 2) * 2 + 1);
    }
    // Tight rows: the five rows of totals leave room for eight ticket rows on a laptop screen.
    totalsGrid->setVerticalSpacing(0);
    totalsGrid->setColumnStretch(3, 1);
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->addWidget(view, 1);
    layout->addLayout(totalsGrid);
    return page;
}

QWidget* AnalysisPage::BuildStakePanel() {
    auto* panel = new QGroupBox(QStringLiteral("資金配分＆投票"), this);
    auto* mode = new QGroupBox(QStringLiteral("資金配分"), panel);
    auto* modeLayout = new QHBoxLayout(mode);
    const QString modeCaptions[kModeCount] = {QStringLiteral("均等"), QStringLiteral("比例"),
                                              QStringLiteral("ケリー")};
    for (int index = 0; index < kModeCount; ++index) {
        QRadioButton* button = new QRadioButton(modeCaptions[index], mode);
        modes_[index] = button;
        modeLayout->addWidget(button);
        connect(button, &QRadioButton::toggled, this, [this, index](bool on) {
            if (refreshing_ || !on) return;
            form_.Race().RadioGroup1Click(index);
            Changed();
        });
    }

    amount_ = new QLineEdit(panel);
    amount_->setMaxLength(6);
    amount_->setValidator(new QIntValidator(0, 999999, amount_));
    amount_->setAlignment(Qt::AlignRight);
    amount_->setMaximumWidth(90);
    connect(amount_, &QLineEdit::textEdited, this, [this](const QString& text) {
        form_.Race().SaNumEditExC1Change(ToSjis(text));
        Changed();
    });

    auto* vote = new QPushButton(QStringLiteral("Hibari2投票"), panel);
    vote->setToolTip(QStringLiteral("Hibari投票プラグイン２経由で投票します"));
    connect(vote, &QPushButton::clicked, this, [this] {
        form_.Race().TohyoCSVBtnClick();
        Changed();
    });

    // The two vote-file buttons are made hidden; the 検証 menu offers the vote file instead.
    auto* voteFile = new QPushButton(QStringLiteral("投票ﾌｧｲﾙ"), panel);
    voteFile->setToolTip(QStringLiteral("PATBET形式の投票ﾌｧｲﾙを出力します"));
    connect(voteFile, &QPushButton::clicked, this, [this] {
        form_.Race().TohyoFileBtnClick();
        Changed();
    });
    voteFile->setVisible(false);
    auto* voteFiles = new QPushButton(QStringLiteral("投票ファイル"), panel);
    voteFiles->setToolTip(QStringLiteral("投票ファイルを出力します"));
    auto* types = new QMenu(voteFiles);
    AddVoteFileItems(types, form_, [this] { Changed(); });
    voteFiles->setMenu(types);
    voteFiles->setVisible(false);

    modeLayout->setContentsMargins(6, 2, 6, 2);
    auto* layout = new QGridLayout(panel);
    layout->setContentsMargins(4, 2, 4, 4);
    layout->addWidget(mode, 0, 0, 1, 3);
    layout->addWidget(new QLabel(QStringLiteral("入力投票金額"), panel), 1, 0);
    layout->addWidget(amount_, 1, 1);
    layout->addWidget(new QLabel(QStringLiteral("円"), panel), 1, 2);
    layout->addWidget(vote, 2, 0, 1, 3);
    lossMemo_ = new QPushButton(QStringLiteral("損失メモ"), panel);
    lossMemo_->setObjectName(QStringLiteral("LossMemo"));
    connect(lossMemo_, &QPushButton::clicked, this, [this] {
        form_.Investment().LossMemoClick();
        Changed();
    });
    layout->addWidget(lossMemo_, 3, 0, 1, 3);
    layout->addWidget(voteFile, 4, 0, 1, 3);
    layout->addWidget(voteFiles, 5, 0, 1, 3);
    return panel;
}

QWidget* AnalysisPage::BuildProgressionPanel() {
    auto* panel = new QGroupBox(QStringLiteral("追い上げ投資用"), this);
    progression_ = panel;
    progression_->setObjectName(QStringLiteral("ProgressionPanel"));
    auto box = [panel](int minimum) {
        auto* edit = new QLineEdit(panel);
        edit->setMaxLength(minimum < 0 ? 7 : 6);
        edit->setValidator(new QIntValidator(minimum, 999999, edit));
        edit->setAlignment(Qt::AlignRight);
        edit->setMaximumWidth(90);
        return edit;
    };
    loss_ = box(-999999);  // a cumulative profit shows negative
    target_ = box(0);
    connect(loss_, &QLineEdit::textEdited, this, [this](const QString& text) {
        form_.Investment().SaNumEditExC3Change(ToSjis(text));
        Changed();
    });
    connect(target_, &QLineEdit::textEdited, this, [this](const QString& text) {
        form_.Investment().SaNumEditExC2Change(ToSjis(text));
        Changed();
    });
    auto* apply = new QPushButton(QStringLiteral("追い上げ"), panel);
    apply->setObjectName(QStringLiteral("ApplyProgression"));
    connect(apply, &QPushButton::clicked, this, [this] {
        form_.Investment().ApplyProgression();
        Changed();
    });
    auto* layout = new QGridLayout(panel);
    layout->setContentsMargins(4, 2, 4, 4);
    layout->addWidget(new QLabel(QStringLiteral("損失金額"), panel), 0, 0);
    layout->addWidget(loss_, 0, 1);
    layout->addWidget(new QLabel(QStringLiteral("円"), panel), 0, 2);
    layout->addWidget(new QLabel(QStringLiteral("目標利益金額"), panel), 1, 0);
    layout->addWidget(target_, 1, 1);
    layout->addWidget(new QLabel(QStringLiteral("円"), panel), 1, 2);
    layout->addWidget(apply, 2, 0, 1, 3);
    return panel;
}

void AnalysisPage::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (splitPlaced_) return;
    // Placed once the page has its height: the stored split, else a third for the horses
    // (their grid scrolls) and the rest for the tickets.
    splitPlaced_ = true;
    int total = split_->height();
    int top = form_.AnalysisSplit(total / 3);
    top = std::clamp(top, 40, std::max(40, total - 40));
    split_->setSizes({top, total - top});
}

void AnalysisPage::Changed() {
    Refresh();
    emit StateChanged();
}

void AnalysisPage::Refresh() {
    refreshing_ = true;
    markGrid_->Refresh();
    trioTable_->Refresh();
    trifectaTable_->Refresh();
    ticketTabs_->setCurrentIndex(form_.Betting().ActiveTicketTab == TicketTab::Trifecta ? 1 : 0);
    QString pending = ToQString(form_.Race().OddsPendingText());
    oddsPending_->setText(pending);
    netArea_->setCurrentWidget(pending.isEmpty() ? static_cast<QWidget*>(ticketTabs_)
                                                 : oddsPending_);
    const BetTotals* totals[2] = {&form_.Bets().Totals(BetType::Trio),
                                  &form_.Bets().Totals(BetType::Trifecta)};
    QLabel** labels[2] = {trioTotals_, trifectaTotals_};
    for (int t = 0; t < 2; ++t) {
        Show(labels[t][0], totals[t]->count);
        Show(labels[t][1], totals[t]->stake);
        Show(labels[t][2], totals[t]->rate);
        Show(labels[t][3], totals[t]->expectedReturn);
        Show(labels[t][4], totals[t]->payback);
        Show(labels[t][5], totals[t]->synthetic);
        Show(labels[t][6], totals[t]->underStake);
        Show(labels[t][7], totals[t]->hitChance);
        Show(labels[t][8], totals[t]->overlays);
    }
    const FavouriteTexts& f = form_.RaceCard().Favourites;
    oddsTime_->setText(ToQString(f.TFWtimeLabel));
    trioFavourite_->setText(ToQString(f.SRF1NinLabel));
    trioNth_->setText(ToQString(f.SRF100NinLabel));
    trifectaFavourite_->setText(ToQString(f.SRT1NinLabel));
    trifectaNth_->setText(ToQString(f.SRT100NinLabel));
    spread_->setText(ToQString(f.HensaLabel));
    const std::string* marks[4] = {&form_.RaceCard().Marks.strong1, &form_.RaceCard().Marks.strong2,
                                   &form_.RaceCard().Marks.strong3,
                                   &form_.RaceCard().Marks.strongE};
    for (int i = 0; i < 4; ++i)
        marks_[i]->setText(ToQString(*marks[i]));
    spin1_->setValue(form_.RaceCard().SpinEdit1);
    spin2_->setValue(form_.RaceCard().SpinEdit2);
    for (int index = 0; index < kModeCount; ++index)
        modes_[index]->setChecked(form_.Betting().RadioGroup1 == index);
    QString amount = ToQString(form_.Betting().SaNumEditExC1);
    if (amount_->text() != amount) amount_->setText(amount);
    refreshing_ = false;
    RefreshProgression();
}

void AnalysisPage::RefreshProgression() {
    refreshing_ = true;
    const ProgressionPanel& progression = form_.Investment().Progression();
    progression_->setVisible(progression.Offered());
    lossMemo_->setVisible(progression.Offered());
    for (auto [edit, text] : {std::pair{loss_, &progression.SaNumEditExC3},
                              std::pair{target_, &progression.SaNumEditExC2}}) {
        QString shown = ToQString(*text);
        if (edit->text() != shown) edit->setText(shown);
    }
    refreshing_ = false;
}

}  // namespace kagiroi
