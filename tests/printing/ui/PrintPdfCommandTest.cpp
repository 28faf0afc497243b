#include "app/DemoFixture.h"
#include "daystore/RecordFields.h"
#include "platform/FileSystem.h"
#include "printing/ui/AllPrintDialog.h"
#include "widgets/TextConversion.h"

#include <gtest/gtest.h>
#include <QProcess>
#include <QProcessEnvironment>
#include <QStandardPaths>

namespace kagiroi {
namespace {

// What a poppler tool says of a PDF; the test fails when the tool is missing (scripts/setup.sh
// installs poppler-utils).
QString Poppler(const QString& tool, const QStringList& arguments) {
    EXPECT_FALSE(QStandardPaths::findExecutable(tool).isEmpty()) << "install poppler-utils";
    QProcess process;
    process.start(tool, arguments);
    process.waitForFinished(30000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

// Every line of pdfinfo but the creation and modification dates, which differ by run.
QStringList PdfFacts(const QString& pdf) {
    QStringList facts;
    for (const QString& line : Poppler(QStringLiteral("pdfinfo"), {pdf}).split('\n'))
        if (!line.startsWith(QLatin1String("CreationDate")) &&
            !line.startsWith(QLatin1String("ModDate")))
            facts << line;
    return facts;
}

struct CliResult {
    int status = -1;
    QString out, err;
};

class PrintPdfCommandTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        demo = new test::DemoFixture(DateTime{2026, 12, 12, 9, 0, 0});
        demo->Download(true);
    }
    static void TearDownTestSuite() {
        delete demo;
        demo = nullptr;
    }

    // kagiroi-cli on the demo's folder, at the demo's time.
    static CliResult RunCli(const QStringList& arguments) {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("KAGIROI_HOME"), ToQString(demo->folder.Path()));
        environment.insert(QStringLiteral("KAGIROI_NOW"), QStringLiteral("2026-12-12T09:00:00"));
        environment.insert(QStringLiteral("XDG_CONFIG_HOME"), QStringLiteral("/nonexistent-k"));
        environment.insert(QStringLiteral("XDG_DATA_HOME"), QStringLiteral("/nonexistent-k"));
        environment.remove(QStringLiteral("QT_QPA_PLATFORM"));  // kagiroi-cli sets it for its child
        QProcess process;
        process.setProcessEnvironment(environment);
        process.start(QStringLiteral(KAGIROI_CLI_PATH), arguments);
        process.waitForFinished(120000);
        return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
                QString::fromUtf8(process.readAllStandardOutput()),
                QString::fromUtf8(process.readAllStandardError())};
    }

    static inline test::DemoFixture* demo = nullptr;
};

TEST_F(PrintPdfCommandTest, TheCommandLineWritesThePdfOfThePrintWindow) {
    demo->LoadDay("20261206");
    ASSERT_TRUE(demo->Form().PrintRaceList());
    AllPrintDialog dialog(demo->Form().AllPrintForm(), demo->folder.Path());
    QString window = ToQString(demo->Path("window.pdf"));
    ASSERT_TRUE(dialog.SavePdf(window));

    QString cli = ToQString(demo->Path("cli.pdf"));
    CliResult run = RunCli(
        {QStringLiteral("print"), QStringLiteral("2026-12-06"), QStringLiteral("--pdf"), cli});
    ASSERT_EQ(0, run.status) << run.err.toStdString();
    EXPECT_EQ(cli + '\n', run.out);

    EXPECT_EQ(PdfFacts(window), PdfFacts(cli));
    QString windowText = Poppler(QStringLiteral("pdftotext"), {window, QStringLiteral("-")});
    QString cliText = Poppler(QStringLiteral("pdftotext"), {cli, QStringLiteral("-")});
    EXPECT_EQ(windowText.toStdString(), cliText.toStdString());
    // The font's radicals (⽉) extract as compatibility forms of the characters (月).
    QString text = cliText.normalized(QString::NormalizationForm_KC).simplified();
    // The demo's races have no printed short names: the field size stands for the race.
    int runners = RegisteredRunners(demo->Form().Book()[0].RaceInfo);
    ASSERT_GT(runners, 0);
    for (const QString& expected :
         {QStringLiteral("2026年12月 6日"), QStringLiteral("1R %1頭").arg(runners),
          QStringLiteral("12R"), QStringLiteral("人気 区分:")})
        EXPECT_TRUE(text.contains(expected.normalized(QString::NormalizationForm_KC)))
            << expected.toStdString() << " is not in: " << text.toStdString();
}

TEST_F(PrintPdfCommandTest, AFileThatCannotBeWrittenFailsTheRunAndLeavesNothing) {
    QString pdf = ToQString(demo->Path("missing/x.pdf"));
    CliResult run = RunCli(
        {QStringLiteral("print"), QStringLiteral("2026-12-06"), QStringLiteral("--pdf"), pdf});
    EXPECT_EQ(1, run.status);
    EXPECT_TRUE(run.err.contains(QStringLiteral("を保存できませんでした")))
        << run.err.toStdString();
    EXPECT_FALSE(FileExists(demo->Path("missing/x.pdf")));
    for (const std::string& name : ListFiles(demo->folder.Path()))
        EXPECT_EQ(std::string::npos, name.find("print-page")) << name;
}

}  // namespace
}  // namespace kagiroi
