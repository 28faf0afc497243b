#include "app/ui/RaceHeaderPanel.h"

#include "widgets/Fonts.h"
#include "widgets/TextConversion.h"

#include <QGridLayout>
#include <QVBoxLayout>

namespace kagiroi {

namespace {

QString Css(const Rgb& c) {
    return QStringLiteral("rgb(%1,%2,%3)").arg(c.r).arg(c.g).arg(c.b);
}

}  // namespace

RaceHeaderPanel::RaceHeaderPanel(QWidget* parent) : QFrame(parent) {
    setObjectName(QStringLiteral("Panel3"));
    setAutoFillBackground(true);
    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(6, 4, 6, 4);
    layout->setHorizontalSpacing(10);
    layout->setVerticalSpacing(0);

    basho_ = new QLabel(this);
    race_ = new QLabel(this);
    QFont big = GridFont(22);
    big.setBold(true);
    for (QLabel* label : {basho_, race_}) {
        label->setFont(big);
        label->setAlignment(Qt::AlignCenter);
        label->setMinimumWidth(64);
    }
    race_->setAutoFillBackground(true);
    layout->addWidget(basho_, 0, 0, 3, 1);
    layout->addWidget(race_, 3, 0, 3, 1);
    for (int i = 0; i < 6; ++i) {
        lines_[i] = new QLabel(this);
        lines_[i]->setFont(GridFont(13));
        lines_[i]->setTextInteractionFlags(Qt::TextSelectableByMouse);
        layout->addWidget(lines_[i], i, 1);
    }
    layout->setColumnStretch(1, 1);
}

void RaceHeaderPanel::Refresh(const TMainForm& form) {
    const RaceHeaderTexts& h = form.RaceCard().Header;
    QString text = Css(colors::kInfoText);
    setStyleSheet(QStringLiteral("#Panel3 { background: %1; } QLabel { color: %2; }")
                      .arg(Css(h.panelColor), text));
    race_->setStyleSheet(QStringLiteral("background: %1; color: %2;")
                             .arg(Css(colors::kInfoText), Css(h.panelColor)));
    basho_->setText(ToQString(h.BashoLabel));
    race_->setText(ToQString(h.RaceLabel));
    const std::string* texts[6] = {&h.Label1, &h.Label2, &h.Label3,
                                   &h.Label4, &h.Label6, &h.Label7};
    for (int i = 0; i < 6; ++i)
        lines_[i]->setText(ToQString(*texts[i]));
}

}  // namespace kagiroi
