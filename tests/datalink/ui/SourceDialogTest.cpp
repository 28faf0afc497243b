#include "datalink/ChosenSourceJvLink.h"
#include "datalink/ui/SourceDialog.h"

#include <gtest/gtest.h>
#include <QApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

namespace kagiroi {
namespace {

// Shows the dialog on `current`, checks the radio button `shownLabel` was checked, checks
// `pickLabel` and presses OK; the source the dialog gave.
std::optional<std::string> Choose(const std::string& current, const QString& shownLabel,
                                  const QString& pickLabel) {
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (dialog == nullptr) return;
        poll.stop();
        QList<QRadioButton*> radios = dialog->findChildren<QRadioButton*>();
        for (QRadioButton* radio : radios)
            EXPECT_EQ(radio->text() == shownLabel, radio->isChecked())
                << radio->text().toStdString();
        for (QRadioButton* radio : radios)
            if (radio->text() == pickLabel) radio->setChecked(true);
        dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
    });
    poll.start(10);
    return SourceDialog().ChooseSource(current);
}

TEST(SourceDialogTest, ShowsTheCurrentSourceAndGivesTheChosenOne) {
    const QString demo = QStringLiteral("デモデータ（組み込みのデータサービス）");
    const QString component = QStringLiteral("JV-Link（インストールされたコンポーネント）");
    const QString folder = QStringLiteral("フォルダのJV-Dataレコードファイル");
    EXPECT_EQ(kComponentSource, Choose(kDemoSource, demo, component).value_or(""));
    EXPECT_EQ(kDemoSource, Choose(kComponentSource, component, demo).value_or(""));
    EXPECT_EQ("/data/jv", Choose("/data/jv", folder, folder).value_or(""));
    EXPECT_EQ(kDemoSource, Choose(kComponentSource, component, folder).value_or(""))
        << "a folder choice without a folder is the demo";
}

}  // namespace
}  // namespace kagiroi
