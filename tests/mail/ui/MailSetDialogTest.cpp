#include "mail/ui/MailSetDialog.h"
#include "platform/Sjis.h"
#include "support/FakePorts.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace kagiroi {
namespace {

// The dialog paints the core's texts ungarbled, hides the password, stores each keystroke and
// runs the checks of テスト送信.
TEST(MailSetDialog, ShowsTheStoredFieldsStoresKeystrokesAndChecksBeforeSending) {
    test::TempFolder folder;
    SettingsFile settings(folder / "kagiroi.ini");
    ASSERT_TRUE(WriteMailSetting(settings, MailSetField::SMTP, "smtp.example.jp"));
    test::FakeUi ui;
    QueuedUiThread uiThread;
    test::FakeClock clock;
    TMailSetForm form(settings, ui, uiThread, clock);
    form.OpenMailSettings();
    MailSetDialog dialog(form, nullptr);

    const QList<QLineEdit*> edits = dialog.findChildren<QLineEdit*>();
    ASSERT_EQ(6, edits.size());
    EXPECT_EQ(QStringLiteral("smtp.example.jp"), edits[2]->text());
    EXPECT_EQ(QStringLiteral("25"), edits[5]->text());
    for (int i = 0; i < edits.size(); ++i)  // only the password is hidden
        EXPECT_EQ(i == 4 ? QLineEdit::Password : QLineEdit::Normal, edits[i]->echoMode()) << i;
    QStringList labels;
    for (const QLabel* label : dialog.findChildren<QLabel*>())
        labels << label->text();
    EXPECT_TRUE(labels.contains(QStringLiteral("送信先の携帯メールアドレス")))
        << labels.join('|').toStdString();
    EXPECT_TRUE(labels.contains(QStringLiteral(
        "↑Yahoo!メールを「Outbound Port25 Blocking」というしくみを採用しているプロバイダ（BIGLOBE、"
        "ニフティ、ぷらら、So-netなど）からの送信する場合は587を入力してください。通常は25です。")))
        << labels.join('|').toStdString();

    emit edits[0]->textEdited(QStringLiteral("ab@c.d"));
    EXPECT_EQ("ab@c.d", ReadMailSettings(settings)[MailSetField::MailTo]);

    QPushButton* send = dialog.findChild<QPushButton*>();
    ASSERT_NE(nullptr, send);
    EXPECT_EQ(QStringLiteral("テスト送信"), send->text());
    send->click();  // no sender address yet
    ASSERT_EQ(1u, ui.Messages().size());
    EXPECT_EQ("送信元メールアドレスが正常ではありません。", SjisToUtf8(ui.Messages()[0]));
}

}  // namespace
}  // namespace kagiroi
