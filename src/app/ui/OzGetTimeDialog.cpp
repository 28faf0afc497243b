#include "app/ui/OzGetTimeDialog.h"

#include <QDialogButtonBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QSpinBox>
#include <QVBoxLayout>

namespace kagiroi {

namespace {

QGroupBox* SpinGroup(QWidget* parent, const QString& title, const QString& text,
                     const QString& before, const QString& after, SpinBox& state) {
    auto* box = new QGroupBox(title, parent);
    auto* explanation = new QLabel(text, box);
    explanation->setWordWrap(true);
    auto* spin = new QSpinBox(box);
    spin->setRange(state.minimum, state.maximum);
    spin->setValue(state.value);
    QObject::connect(spin, &QSpinBox::valueChanged, box, [&state](int v) { state.Set(v); });
    auto* row = new QHBoxLayout;
    if (!before.isEmpty()) row->addWidget(new QLabel(before, box));
    row->addWidget(spin);
    row->addWidget(new QLabel(after, box));
    row->addStretch();
    auto* layout = new QVBoxLayout(box);
    layout->addWidget(explanation);
    layout->addLayout(row);
    return box;
}

}  // namespace

OzGetTimeDialog::OzGetTimeDialog(TOzGetTimeForm& form, QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("データ自動取得時刻指定"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(SpinGroup(
        this, QStringLiteral("オッズ自動取得時刻指定"),
        QStringLiteral("ｵｯｽﾞを自動取得する際に各ﾚｰｽ発走何分前に取得機能を起動するかを指定します。"),
        QStringLiteral("発走"), QStringLiteral("分前"), form.Odds));
    layout->addWidget(SpinGroup(this, QStringLiteral("DM,結果情報自動取得時刻指定"),
                                QStringLiteral("随時更新されるﾚｰｽ結果情報を何分おきに自動取得するか"
                                               "指定します。同時にマイニングデータも取得します。"),
                                QString(), QStringLiteral("分間隔"), form.Results));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, [this, &form] {
        form.OkClick();
        accept();
    });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
}

}  // namespace kagiroi
