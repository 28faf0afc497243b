#include "datalink/ui/SourceDialog.h"

#include "datalink/ChosenSourceJvLink.h"
#include "widgets/TextConversion.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace kagiroi {

std::optional<std::string> SourceDialog::ChooseSource(const std::string& current) {
    QDialog dialog(parent_);
    dialog.setWindowTitle(QStringLiteral("データの取得元"));
    auto* demo =
        new QRadioButton(QStringLiteral("デモデータ（組み込みのデータサービス）"), &dialog);
    auto* component =
        new QRadioButton(QStringLiteral("JV-Link（インストールされたコンポーネント）"), &dialog);
    auto* folder = new QRadioButton(QStringLiteral("フォルダのJV-Dataレコードファイル"), &dialog);
    auto* path = new QLineEdit(&dialog);
    auto* browse = new QPushButton(QStringLiteral("参照..."), &dialog);
    bool isDemo = current.empty() || current == kDemoSource;
    bool isComponent = current == kComponentSource;
    demo->setChecked(isDemo);
    component->setChecked(isComponent);
    folder->setChecked(!isDemo && !isComponent);
    if (folder->isChecked()) path->setText(ToQString(current));
    QObject::connect(browse, &QPushButton::clicked, &dialog, [&] {
        QString chosen = QFileDialog::getExistingDirectory(
            &dialog, QStringLiteral("フォルダの指定"), path->text());
        if (!chosen.isEmpty()) {
            path->setText(chosen);
            folder->setChecked(true);
        }
    });
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    auto* row = new QHBoxLayout;
    row->addWidget(path, 1);
    row->addWidget(browse);
    auto* layout = new QVBoxLayout(&dialog);
    layout->addWidget(new QLabel(QStringLiteral("データの取得元"), &dialog));
    layout->addWidget(demo);
    layout->addWidget(component);
    layout->addWidget(folder);
    layout->addLayout(row);
    layout->addWidget(buttons);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    if (component->isChecked()) return std::string(kComponentSource);
    if (demo->isChecked() || path->text().trimmed().isEmpty()) return std::string(kDemoSource);
    return ToSjis(path->text().trimmed());
}

}  // namespace kagiroi
