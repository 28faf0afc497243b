#include "stakes/ui/KaimeSetDialog.h"

#include "widgets/TextConversion.h"

#include <utility>

#include <QDialogButtonBox>
#include <QDoubleValidator>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace kagiroi {

namespace {

// A heading with its explanation above a numeric box of `digits` digits without sign and its
// unit.
QGroupBox* ValueGroup(QWidget* parent, const std::string& heading, const std::string& note,
                      const std::string& unit, int& value, const QString& name, int digits = 6) {
    auto* box = new QGroupBox(ToQString(heading), parent);
    auto* layout = new QVBoxLayout(box);
    if (!note.empty()) {
        auto* text = new QLabel(ToQString(note), box);
        text->setWordWrap(true);
        layout->addWidget(text);
    }
    auto* edit = new QLineEdit(QString::number(value), box);
    edit->setObjectName(name);
    edit->setMaxLength(digits);
    edit->setValidator(new QIntValidator(0, digits == 8 ? 99999999 : 999999, edit));
    edit->setAlignment(Qt::AlignRight);
    edit->setMaximumWidth(90);
    QObject::connect(edit, &QLineEdit::textChanged, box,
                     [&value](const QString& text) { value = text.toInt(); });
    auto* row = new QHBoxLayout;
    row->addWidget(edit);
    row->addWidget(new QLabel(ToQString(unit), box));
    row->addStretch();
    layout->addLayout(row);
    return box;
}

// The powers of the chances model: three decimal boxes (0.3..2.0, two decimals) in a row.
QGroupBox* ModelGroup(QWidget* parent, const KaimeSetTexts& t, ModelParameters& model) {
    auto* box = new QGroupBox(ToQString(t.modelHeading), parent);
    auto* layout = new QVBoxLayout(box);
    auto* text = new QLabel(ToQString(t.modelNote), box);
    text->setWordWrap(true);
    layout->addWidget(text);
    auto* row = new QHBoxLayout;
    const std::pair<const std::string*, double*> fields[] = {
        {&t.alpha, &model.alpha}, {&t.lambda, &model.lambda}, {&t.tau, &model.tau}};
    const QString names[] = {QStringLiteral("ModelAlpha"), QStringLiteral("ModelLambda"),
                             QStringLiteral("ModelTau")};
    for (size_t i = 0; i < 3; ++i) {
        double* value = fields[i].second;
        auto* edit = new QLineEdit(QString::number(*value, 'f', 2), box);
        edit->setObjectName(names[i]);
        edit->setMaxLength(4);
        auto* validator = new QDoubleValidator(0.0, 9.99, 2, edit);
        validator->setNotation(QDoubleValidator::StandardNotation);
        edit->setValidator(validator);
        edit->setAlignment(Qt::AlignRight);
        edit->setMaximumWidth(60);
        // What OK stores is held to the range; a box left unreadable keeps the value it had.
        QObject::connect(edit, &QLineEdit::textChanged, box, [value](const QString& typed) {
            bool ok = false;
            double read = typed.toDouble(&ok);
            if (ok) *value = read;
        });
        row->addWidget(new QLabel(ToQString(*fields[i].first), box));
        row->addWidget(edit);
    }
    row->addStretch();
    layout->addLayout(row);
    return box;
}

}  // namespace

KaimeSetDialog::KaimeSetDialog(TKaimeSetForm& form, QWidget* parent) : QDialog(parent) {
    const KaimeSetTexts& t = KaimeSetFormTexts();
    setWindowTitle(ToQString(t.caption));
    auto* layout = new QVBoxLayout(this);
    auto* note = new QLabel(ToQString(t.amountNote), this);
    note->setWordWrap(true);
    layout->addWidget(note);
    layout->addWidget(ValueGroup(this, t.amountHeading, "", t.yen, form.DefaultAmount,
                                 QStringLiteral("DefaultAmount")));
    // The bankroll beside the part of it ケリー takes.
    auto* kelly = new QHBoxLayout;
    kelly->addWidget(ValueGroup(this, t.kellyHeading, t.kellyNote, t.percent, form.KellyPercent,
                                QStringLiteral("KellyPercent")));
    kelly->addWidget(ValueGroup(this, t.bankrollHeading, t.bankrollNote, t.yen, form.Bankroll,
                                QStringLiteral("Bankroll"), 8));
    layout->addLayout(kelly);
    layout->addWidget(ModelGroup(this, t, form.Model));

    auto* progression = new QWidget(this);
    progression->setObjectName(QStringLiteral("ProgressionPart"));
    auto* lower = new QVBoxLayout(progression);
    lower->setContentsMargins(0, 0, 0, 0);
    lower->addWidget(new QLabel(ToQString(t.progressionNotice), progression));
    lower->addWidget(ValueGroup(progression, t.increaseHeading, t.increaseNote, t.percent,
                                form.DefaultZogaku, QStringLiteral("DefaultZogaku")));
    lower->addWidget(ValueGroup(progression, t.targetHeading, t.targetNote, t.yen,
                                form.DefaultTarProfit, QStringLiteral("DefaultTarProfit")));
    progression->setVisible(form.ProgressionShown);
    layout->addWidget(progression);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    setMinimumWidth(420);
}

}  // namespace kagiroi
