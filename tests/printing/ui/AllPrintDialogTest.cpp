#include "platform/Sjis.h"
#include "printing/RaceListPage.h"
#include "printing/ui/AllPrintDialog.h"
#include "printing/ui/PagePainter.h"
#include "support/DayBuilder.h"
#include "support/FakePorts.h"
#include "support/RecordBuilder.h"
#include "support/TempFolder.h"
#include "widgets/TextConversion.h"

#include <gtest/gtest.h>
#include <QProcess>
#include <QRadioButton>
#include <QStandardPaths>
#include <memory>

namespace kagiroi {
namespace {

// The output of a poppler tool on a file; empty when the tool is not installed.
QString Poppler(const QString& tool, const QString& file) {
    if (QStandardPaths::findExecutable(tool).isEmpty()) return {};
    QProcess process;
    process.start(tool, tool == QLatin1String("pdftotext") ? QStringList{file, QStringLiteral("-")}
                                                           : QStringList{file});
    process.waitForFinished(30000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

class AllPrintDialogTest : public ::testing::Test {
  protected:
    AllPrintDialogTest() : settings(folder / "kagiroi.ini") {
        auto races = test::MakeDay("20240106", {"06", "08"});
        for (size_t i = 0; i < races.size(); ++i)
            book[static_cast<int>(i)].RaceInfo = test::RaceRecord(races[i]);
        std::string ra = book[2].RaceInfo;
        book[2].RaceInfo = ra.replace(572, 10, Utf8ToSjis("若竹賞    "));
        book[2].HrCopy = test::RecordBuilder("HR", 719).Put(207, "35").Put(218, "11");
    }

    TAllPrintForm PreviewForm() {
        TAllPrintForm form(settings, ui);
        form.ShowPage(DrawRaceList(book), "20240106");
        return form;
    }

    test::TempFolder folder;
    SettingsFile settings;
    test::FakeUi ui;
    DayBook book;
};

TEST_F(AllPrintDialogTest, SavesTheRaceListAsAnA4LandscapePdfWithItsJapaneseTexts) {
    TAllPrintForm form = PreviewForm();
    AllPrintDialog dialog(form, folder.Path());
    EXPECT_EQ(QStringLiteral("一覧表　印刷"), dialog.windowTitle());
    QString path = dialog.DefaultPdfPath();
    EXPECT_TRUE(path.endsWith(QStringLiteral("/一覧表20240106.pdf"))) << path.toStdString();
    ASSERT_TRUE(dialog.SavePdf(path));

    QString info = Poppler(QStringLiteral("pdfinfo"), path);
    if (info.isEmpty()) GTEST_SKIP() << "poppler-utils are not installed";
    EXPECT_TRUE(info.contains(QStringLiteral("842 x 595 pts (A4)"))) << info.toStdString();
    // Compatibility forms fold: the font's radicals (⽉) extract as the characters (月).
    QString text = Poppler(QStringLiteral("pdftotext"), path)
                       .normalized(QString::NormalizationForm_KC)
                       .simplified();
    for (QString expected :
         {QStringLiteral("2024年 1月 6日"), QStringLiteral("16頭　若竹賞"),
          QStringLiteral("11人気"), QStringLiteral("区分:A"), QStringLiteral("12R")})
        EXPECT_TRUE(text.contains(expected.normalized(QString::NormalizationForm_KC)))
            << expected.toStdString() << " is not in: " << text.toStdString();
    // Every font embedded: the emb column, fifth from the end, after two heading lines.
    QStringList fonts = Poppler(QStringLiteral("pdffonts"), path).split('\n', Qt::SkipEmptyParts);
    ASSERT_GT(fonts.size(), 2);
    for (const QString& line : fonts.mid(2)) {
        QStringList columns = line.split(' ', Qt::SkipEmptyParts);
        ASSERT_GE(columns.size(), 5) << line.toStdString();
        EXPECT_EQ(QStringLiteral("yes"), columns[columns.size() - 5]) << line.toStdString();
    }
}

TEST_F(AllPrintDialogTest, WithoutAPrinterPrintingIsRefusedAndTheZoomIsKept) {
    TAllPrintForm form = PreviewForm();
    AllPrintDialog dialog(form, folder.Path());
    if (dialog.PrinterInstalled()) GTEST_SKIP() << "a printer is installed here";
    dialog.PrintClick();
    dialog.PrinterSetupClick();
    ASSERT_EQ(2u, ui.Messages().size());
    EXPECT_EQ(QStringLiteral("プリンタが登録されていません"), ToQString(ui.Messages()[0]));

    // 100 % of A4 landscape at 600 dpi on the screen, 10 pixels of margin around it.
    auto* hundred = dialog.findChildren<QRadioButton*>().at(3);
    hundred->click();
    auto* preview = dialog.findChild<PagePreview*>();
    ASSERT_NE(nullptr, preview);
    EXPECT_NEAR(7016.0 * ScreenDpi() / 600 + 20, preview->width(), 1);
    EXPECT_EQ(3, settings.ReadInteger("PrintZoom", "ratio", -1));
    dialog.reject();
    EXPECT_EQ(630, settings.ReadInteger("Printlocate", "width", -1));
}

TEST_F(AllPrintDialogTest, AFileThatCannotBeWrittenIsTold) {
    TAllPrintForm form = PreviewForm();
    AllPrintDialog dialog(form, folder.Path());
    EXPECT_FALSE(dialog.SavePdf(QString::fromStdString(folder / "missing/x.pdf")));
    ASSERT_EQ(1u, ui.Messages().size());
    EXPECT_TRUE(ToQString(ui.Messages()[0]).contains(QStringLiteral("を保存できませんでした")));
}

}  // namespace
}  // namespace kagiroi
