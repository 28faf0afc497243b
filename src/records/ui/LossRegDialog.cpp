#include "records/ui/LossRegDialog.h"

#include "widgets/TextConversion.h"
#include "widgets/TextGridView.h"

#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace kagiroi {

LossRegDialog::LossRegDialog(TLossRegForm& form, std::function<void()> changed, QWidget* parent)
    // A tool window stays above the main window only: a message box of the program must never
    // open beneath it.
    : QDialog(parent, Qt::Tool), form_(form), changed_(std::move(changed)) {
    setWindowTitle(QStringLiteral("損失金管理"));
    // Closed by its frame or Esc: hidden until 損失メモ shows it again.
    connect(this, &QDialog::finished, this, [this] { form_.Visible = false; });
    amount_ = new QLineEdit(this);
    amount_->setObjectName(QStringLiteral("LossAmount"));
    amount_->setMaxLength(7);
    amount_->setValidator(new QIntValidator(-999999, 999999, amount_));
    amount_->setAlignment(Qt::AlignRight);
    amount_->setMaximumWidth(90);
    connect(amount_, &QLineEdit::textEdited, this,
            [this](const QString& text) { form_.Edit1 = ToSjis(text); });
    races_ = new QListWidget(this);
    races_->setObjectName(QStringLiteral("LossRaces"));
    connect(races_, &QListWidget::currentRowChanged, this,
            [this](int row) { form_.ListBox1 = row; });
    auto* record = new QPushButton(QStringLiteral("損失記録"), this);
    record->setObjectName(QStringLiteral("RecordLoss"));
    connect(record, &QPushButton::clicked, this, [this] { Run([this] { form_.RecordLoss(); }); });

    table_ = new TextGridView(this);
    table_->setObjectName(QStringLiteral("LossTable"));
    table_->SetGrid(&form_.StringGrid1());
    table_->SetStyleFunction([this](int c, int r) { return form_.TableStyle(c, r); });
    connect(table_, &TextGridView::CellPressed, this,
            [this](int c, int r) { form_.TableClick(c, r); });
    table_->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(table_, &QWidget::customContextMenuRequested, this, [this](const QPoint& at) {
        QMenu menu(this);
        menu.addAction(QStringLiteral("削除(&D)"), this,
                       [this] { Run([this] { form_.DeleteEntry(); }); });
        menu.addAction(QStringLiteral("全削除(&A)"), this,
                       [this] { Run([this] { form_.ClearLedger(); }); });
        menu.exec(table_->viewport()->mapToGlobal(at));
    });
    total_ = new QLabel(this);
    total_->setObjectName(QStringLiteral("CumulativeLoss"));
    total_->setStyleSheet(QStringLiteral("color: red; font-weight: bold;"));

    auto* amountRow = new QHBoxLayout;
    amountRow->addWidget(new QLabel(QStringLiteral("登録する損失金額"), this));
    amountRow->addWidget(amount_);
    amountRow->addWidget(new QLabel(QStringLiteral("円"), this));
    amountRow->addStretch();
    auto* note = new QLabel(
        QStringLiteral("※損失金の一部回収があった場合はマイナスで入力してください。"), this);
    note->setWordWrap(true);
    auto* totalRow = new QHBoxLayout;
    totalRow->addWidget(new QLabel(QStringLiteral("累積損失額："), this));
    totalRow->addWidget(total_);
    totalRow->addStretch();
    auto* left = new QVBoxLayout;
    left->addLayout(amountRow);
    left->addWidget(note);
    left->addWidget(races_, 1);
    left->addWidget(record);
    auto* right = new QVBoxLayout;
    right->addWidget(new QLabel(QStringLiteral("累積損失表"), this));
    right->addWidget(table_, 1);
    right->addLayout(totalRow);
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(left);
    layout->addLayout(right, 1);
    resize(520, 300);
    Refresh();
}

void LossRegDialog::Run(const std::function<void()>& handler) {
    handler();
    Refresh();
    if (changed_) changed_();
}

void LossRegDialog::Refresh() {
    QSignalBlocker blockRaces(races_);
    QStringList items;
    for (const LossRace& race : form_.Races())
        items << ToQString(race.shown);
    QStringList current;
    for (int i = 0; i < races_->count(); ++i)
        current << races_->item(i)->text();
    if (current != items) {
        races_->clear();
        races_->addItems(items);
    }
    races_->setCurrentRow(form_.ListBox1);
    QString amount = ToQString(form_.Edit1);
    if (amount_->text() != amount) amount_->setText(amount);
    table_->Refresh();
    total_->setText(ToQString(form_.CumulativeLabel()));
}

bool LossRegDialog::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate) {
        form_.FormActivate();
        move(form_.Left, form_.Top);
    } else if (event->type() == QEvent::WindowDeactivate) {
        form_.FormDeactivate(y(), x());
    }
    return QDialog::event(event);
}

}  // namespace kagiroi
