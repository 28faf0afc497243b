#include "mail/ui/MailSetDialog.h"

#include "widgets/TextConversion.h"

#include <QFormLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace kagiroi {

MailSetDialog::MailSetDialog(TMailSetForm& form, QWidget* parent) : QDialog(parent), form_(form) {
    setWindowTitle(QStringLiteral("メール設定"));
    auto* layout = new QVBoxLayout(this);
    auto* fields = new QFormLayout;
    layout->addLayout(fields);
    const MailSetField texts[] = {MailSetField::MailTo, MailSetField::MailFrom,
                                  MailSetField::SMTP,   MailSetField::UserID,
                                  MailSetField::Pass,   MailSetField::SMTPPort};
    for (const MailSetField field : texts) {
        auto* edit = new QLineEdit(ToQString(form_.Field(field)), this);
        // Stored as typed, but not shown to whoever looks at the screen.
        if (field == MailSetField::Pass) edit->setEchoMode(QLineEdit::Password);
        edits_[static_cast<int>(field)] = edit;
        fields->addRow(ToQString(MailSetFieldLabel(field)), edit);
        connect(edit, &QLineEdit::textEdited, this,
                [this, field](const QString& text) { form_.FieldChange(field, ToSjis(text)); });
    }
    auto* note = new QLabel(ToQString(MailPortNote()), this);
    note->setWordWrap(true);
    fields->addRow(note);

    security_ = new QComboBox(this);
    security_->addItems(ToQStringList(MailSecurityChoices()));
    MailSettings shown;
    for (int i = 0; i < kMailSetFieldCount; ++i)
        shown.fields[i] = form_.Field(static_cast<MailSetField>(i));
    security_->setCurrentIndex(static_cast<int>(SecurityOf(shown)));
    fields->addRow(ToQString(MailSetFieldLabel(MailSetField::Security)), security_);
    connect(security_, &QComboBox::activated, this, [this](int index) {
        form_.FieldChange(MailSetField::Security, std::to_string(index));
    });

    send_ = new QPushButton(QStringLiteral("テスト送信"), this);
    layout->addWidget(send_);
    connect(send_, &QPushButton::clicked, this, [this] { form_.SendTestMail(); });
    status_ = new QStatusBar(this);
    status_->setSizeGripEnabled(false);
    layout->addWidget(status_);

    form_.OnChanged = [this] { Refresh(); };
    Refresh();
}

MailSetDialog::~MailSetDialog() {
    form_.OnChanged = nullptr;
}

void MailSetDialog::Refresh() {
    send_->setEnabled(form_.SendEnabled());
    status_->showMessage(ToQString(form_.StatusText()));
}

}  // namespace kagiroi
