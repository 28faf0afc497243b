#include "selection/ui/RaceMoyoDialog.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace kagiroi {

RaceMoyoDialog::RaceMoyoDialog(RacePatternForm& form, std::function<void()> save, QWidget* parent)
    : QDialog(parent), form_(form) {
    setWindowTitle(QStringLiteral("レース模様設定"));
    struct Row {
        const char* group;
        const char* first;
        const char* second;
    };
    const Row rows[3] = {{"１強レース設定", "単勝１人気", "単勝２人気"},
                         {"２強レース設定", "単勝２人気", "単勝３人気"},
                         {"３強レース設定", "単勝３人気", "単勝４人気"}};
    auto* layout = new QVBoxLayout(this);
    for (int g = 0; g < 3; ++g) {
        auto* box = new QGroupBox(QString::fromUtf8(rows[g].group), this);
        auto* grid = new QGridLayout(box);
        const char* names[2] = {rows[g].first, rows[g].second};
        const char* bounds[2] = {"以下", "以上"};
        for (int i = 0; i < 2; ++i) {
            int edit = g * 2 + i;
            auto* spin = new QDoubleSpinBox(box);
            spin->setDecimals(1);
            spin->setRange(0.0, kMaxRacePatternValue);
            spin->setValue(form_.Value(edit));
            connect(spin, &QDoubleSpinBox::valueChanged, this,
                    [this, edit](double v) { form_.SetValue(edit, v); });
            edits_[static_cast<size_t>(edit)] = spin;
            grid->addWidget(new QLabel(QString::fromUtf8(names[i]), box), i, 0);
            grid->addWidget(spin, i, 1);
            grid->addWidget(new QLabel(QString::fromUtf8(bounds[i]), box), i, 2);
        }
        layout->addWidget(box);
    }
    auto* saveButton = new QPushButton(QStringLiteral("保存"), this);
    connect(saveButton, &QPushButton::clicked, this, [this, save] {
        if (save) save();
        accept();
    });
    layout->addWidget(saveButton);
}

}  // namespace kagiroi
