#include "cli/CliFixture.h"
#include "platform/FileSystem.h"
#include "platform/SettingsFile.h"
#include "platform/Sjis.h"
#include "platform/TextField.h"

#include <gtest/gtest.h>

namespace kagiroi::test {
namespace {

class CliCalibrateTest : public CliTest {};

// The shared download holds 93 races that have run: too few to fit, and said so.
TEST_F(CliCalibrateTest, TooFewRacesFitNothingAndWriteNothing) {
    UseDownloadedDays();
    CliRun run =
        Run({"calibrate", "2023-12-01", "2024-01-10", "--save", "--png", home / "chart.png"});
    EXPECT_EQ(1, run.status);
    EXPECT_EQ(
        SjisToUtf8(
            "当てはめに使えるレースが93しかありません（100以上必要です）。当てはめは行いません\n"),
        run.err);
    Rows rows = OutputRows(run.out);
    ASSERT_EQ(5u, rows.size()) << run.out;
    EXPECT_EQ(Cells(SjisToUtf8("使用\t93")), rows[1]);
    EXPECT_EQ(Cells(SjisToUtf8("除外（3着までの同着）\t3")), rows[3]);
    EXPECT_EQ(Cells(SjisToUtf8("除外（結果なし）\t24")), rows[4]) << "today's races to run";
    EXPECT_FALSE(FileExists(home / "chart.png"));
    EXPECT_EQ("<none>", SettingsFile(home / "kagiroi.ini").ReadString("Model", "Alpha", "<none>"));
}

// Ten weeks of demo days: the fit is printed, drawn and, with --save, stored as printed.
TEST_F(CliCalibrateTest, TheFitIsPrintedDrawnAndSavedOnlyWhenAsked) {
    CliEnvironment environment{home.Path(), "2024-03-17T22:00:00", registry};
    ASSERT_EQ(0, RunKagiroiCli({"download", "--setup", "--final-odds", "--from", "20240101000000"},
                               environment)
                     .status);
    CliRun shown = RunKagiroiCli({"calibrate", "2024-01-01", "2024-03-17"}, environment);
    ASSERT_EQ(0, shown.status) << shown.err;
    EXPECT_EQ("<none>", SettingsFile(home / "kagiroi.ini").ReadString("Model", "Alpha", "<none>"))
        << "nothing is written without --save";
    std::vector<Rows> blocks = OutputBlocks(shown.out);
    ASSERT_EQ(3u, blocks.size()) << shown.out;
    ASSERT_EQ(4u, blocks[1].size());
    const std::vector<std::string>& fitted = blocks[1][3];
    ASSERT_EQ(7u, fitted.size());
    EXPECT_EQ(SjisToUtf8("当てはめ"), fitted[0]);
    EXPECT_GE(ToDouble(fitted[2]), ToDouble(blocks[1][2][2])) << "never below plain Harville";
    EXPECT_EQ(11u, blocks[2].size()) << "ten bins";

    CliRun saved = RunKagiroiCli(
        {"calibrate", "2024-01-01", "2024-03-17", "--save", "--png", home / "chart.png"},
        environment);
    ASSERT_EQ(0, saved.status) << saved.err;
    EXPECT_EQ(0u, ReadWholeFile(home / "chart.png").value_or("").rfind("\x89PNG", 0));
    SettingsFile settings(home / "kagiroi.ini");
    const char* keys[] = {"Alpha", "Lambda", "Tau"};
    for (size_t k = 0; k < 3; ++k)
        EXPECT_NEAR(ToDouble(fitted[4 + k]), ToDouble(settings.ReadString("Model", keys[k], "")),
                    0.005)
            << keys[k];
}

}  // namespace
}  // namespace kagiroi::test
