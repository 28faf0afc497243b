#include "datalink/ui/GetDataDialog.h"

#include "widgets/TextConversion.h"

#include <QDate>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QVBoxLayout>

namespace kagiroi {

namespace {

QDateTime ToQDateTime(const DateTime& t) {
    return QDateTime(QDate(t.year, t.month, t.day), QTime(t.hour, t.minute, t.second));
}

DateTime FromQDateTime(const QDateTime& q) {
    return {q.date().year(), q.date().month(),  q.date().day(),
            q.time().hour(), q.time().minute(), q.time().second()};
}

// Labels change with every record; painting them more often than this only slows the reading.
constexpr int kRefreshEveryMs = 40;

}  // namespace

GetDataDialog::GetDataDialog(TGetDataForm& form, QWidget* parent) : QDialog(parent), form_(form) {
    setWindowTitle(QStringLiteral("ＪＶデータ取込"));
    setModal(true);

    startDate_ = new QDateTimeEdit(this);
    startDate_->setCalendarPopup(true);
    startDate_->setDisplayFormat(QStringLiteral("yyyy年M月d日 (ddd) HH:mm:ss"));
    finalOdds_ = new QCheckBox(QStringLiteral("確定オッズも合わせて取得する"), this);
    auto* oddsNote =
        new QLabel(QStringLiteral("↑ここをチェックすると取得期間に取得済みのオッズがある場合は確定"
                                  "オッズに上書きされますので、ご注意ください。"),
                   this);
    oddsNote->setWordWrap(true);

    auto* choice = new QGroupBox(QStringLiteral("取得データ"), this);
    normal_ = new QRadioButton(QStringLiteral("通常データ"), choice);
    setup_ = new QRadioButton(QStringLiteral("セットアップデータ"), choice);
    normal_->setChecked(true);
    auto* choiceLayout = new QHBoxLayout(choice);
    choiceLayout->addWidget(normal_);
    choiceLayout->addWidget(setup_);

    downloadBar_ = new QProgressBar(this);
    readBar_ = new QProgressBar(this);
    progress_ = new QLabel(this);
    record_ = new QLabel(this);
    record_->setMinimumWidth(420);
    start_ = new QPushButton(QStringLiteral("データ取込"), this);
    cancel_ = new QPushButton(QStringLiteral("データ取込中止"), this);
    settings_ = new QPushButton(QStringLiteral("JV-Link設定"), this);

    auto* grid = new QGridLayout;
    grid->addWidget(new QLabel(QStringLiteral("取得開始日付"), this), 0, 0);
    grid->addWidget(startDate_, 0, 1);
    grid->addWidget(new QLabel(QStringLiteral("ダウンロード"), this), 1, 0);
    grid->addWidget(downloadBar_, 1, 1);
    grid->addWidget(new QLabel(QStringLiteral("読込み"), this), 2, 0);
    grid->addWidget(readBar_, 2, 1);
    grid->addWidget(new QLabel(QStringLiteral("作成データ"), this), 3, 0);
    grid->addWidget(record_, 3, 1);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(start_);
    buttons->addWidget(cancel_);
    buttons->addStretch();
    buttons->addWidget(settings_);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(choice);
    layout->addWidget(finalOdds_);
    layout->addWidget(oddsNote);
    layout->addWidget(progress_);
    layout->addLayout(buttons);

    connect(start_, &QPushButton::clicked, this, [this] {
        PullInputs();
        form_.StartClick();
        Refresh();
    });
    connect(cancel_, &QPushButton::clicked, this, [this] {
        form_.CancelClick();
        Refresh();
    });
    connect(settings_, &QPushButton::clicked, this, [this] { form_.SettingsClick(); });
    connect(&statusTimer_, &QTimer::timeout, this, [this] {
        form_.StatusTimerTick();
        Refresh();
    });

    form_.Changed = [this] { RefreshSoon(); };
    sinceRefresh_.start();
    startDate_->setDateTime(ToQDateTime(form_.StartDate));
    Refresh();
}

void GetDataDialog::PullInputs() {
    form_.StartDate = FromQDateTime(startDate_->dateTime());
    form_.FinalOdds = finalOdds_->isChecked();
    form_.DataChoice = setup_->isChecked() ? 1 : 0;
}

void GetDataDialog::RefreshSoon() {
    if (sinceRefresh_.elapsed() >= kRefreshEveryMs) Refresh();
}

void GetDataDialog::Refresh() {
    sinceRefresh_.restart();
    progress_->setText(ToQString(form_.ProgressText));
    record_->setText(ToQString(form_.RecordText));
    downloadBar_->setRange(0, std::max(form_.DownloadBar.maximum, 1));
    downloadBar_->setValue(form_.DownloadBar.position);
    readBar_->setRange(0, std::max(form_.ReadBar.maximum, 1));
    readBar_->setValue(form_.ReadBar.position);
    start_->setEnabled(!form_.Running());
    cancel_->setEnabled(form_.Running());  // nothing to stop while nothing is read
    settings_->setEnabled(!form_.Running());
    startDate_->setEnabled(!form_.Running());
    if (!form_.Running()) startDate_->setDateTime(ToQDateTime(form_.StartDate));
    if (form_.StatusTimerEnabled && !statusTimer_.isActive()) {
        statusTimer_.start(TGetDataForm::kStatusIntervalMs);
    } else if (!form_.StatusTimerEnabled) {
        statusTimer_.stop();
    }
}

void GetDataDialog::reject() {
    // A running download is stopped with its own button; closing waits for it.
    if (form_.Running()) return;
    QDialog::reject();
}

}  // namespace kagiroi
