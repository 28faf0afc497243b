#include "datalink/JvTestReading.h"
#include "demo/DemoJvLink.h"
#include "support/FakePorts.h"

#include <gtest/gtest.h>

namespace kagiroi {
namespace {

constexpr const char* kDataSpec = "RACEDIFFHOSESNAP";

class DemoProtocol : public ::testing::Test {
  protected:
    test::FakeClock clock{DateTime{2024, 1, 6, 11, 0, 0}};
    DemoJvLink demo{clock};
    int readCount = 0, downloadCount = 0;
    std::string stamp;

    int Open(const std::string& dataSpec, const std::string& from, int option = 1) {
        return demo.JVOpen(dataSpec, from, option, readCount, downloadCount, stamp);
    }
    int Read() {
        std::string record, file;
        return demo.JVRead(record, 100000, file);
    }
};

TEST_F(DemoProtocol, InitChecksTheSoftwareId) {
    EXPECT_EQ(-101, demo.JVInit(""));
    EXPECT_EQ(-102, demo.JVInit(std::string(64, 'K')));
    EXPECT_EQ(-103, demo.JVInit(" KAGIROI"));
    EXPECT_FALSE(demo.IsInitialised());
    EXPECT_EQ(0, demo.JVInit(std::string(63, 'K')));
    EXPECT_EQ(0, demo.JVInit("KAGIROIVer.1.16"));  // a second init is harmless
}

TEST_F(DemoProtocol, CallsBeforeInitAreRefused) {
    EXPECT_EQ(-201, Open(kDataSpec, "20240101000000"));
    EXPECT_EQ(-201, demo.JVRTOpen("0B12", "20240106"));
    EXPECT_EQ(-201, demo.JVStatus());
    EXPECT_EQ(-201, Read());
    EXPECT_EQ(-201, demo.JVClose());
    EXPECT_EQ(0, demo.JVCancel());
}

TEST_F(DemoProtocol, ReadingWithoutAnOpenIsRefused) {
    ASSERT_EQ(0, demo.JVInit("KAGIROI"));
    EXPECT_EQ(-203, Read());
    EXPECT_EQ(-203, demo.JVStatus());
    EXPECT_EQ(-203, demo.JVClose()) << "a close with nothing open";
    ASSERT_EQ(0, Open(kDataSpec, "20240101000000"));
    EXPECT_EQ(0, demo.JVClose());
    EXPECT_EQ(-203, Read()) << "closed again";
}

TEST_F(DemoProtocol, ASecondOpenWhileOpenIsRefused) {
    ASSERT_EQ(0, demo.JVInit("KAGIROI"));
    ASSERT_EQ(0, Open(kDataSpec, "20240101000000"));
    EXPECT_EQ(-202, Open(kDataSpec, "20240101000000"));
    EXPECT_EQ(-202, demo.JVRTOpen("0B12", "20240106"));
    demo.JVClose();
    ASSERT_EQ(0, demo.JVRTOpen("0B14", "20240106"));
    EXPECT_EQ(-202, Open(kDataSpec, "20240101000000"));
    demo.JVClose();
    EXPECT_EQ(0, Open(kDataSpec, "20240101000000"));
}

TEST_F(DemoProtocol, BadArgumentsGetTheirCodes) {
    ASSERT_EQ(0, demo.JVInit("KAGIROI"));
    for (const char* dataSpec : {"", "RACEDIFF1", "GARBAGE!", "DIFFHOSE", "race", "RACEXXXX"})
        EXPECT_EQ(-111, Open(dataSpec, "20240101000000")) << dataSpec;
    EXPECT_EQ(0, Open("RACE", "20240101000000"));
    demo.JVClose();
    for (const char* from : {"", "2024010100000", "202401010000000", "20241301000000",
                             "20240230000000", "20240101250000", "2024010100000x"})
        EXPECT_EQ(-112, Open(kDataSpec, from)) << from;
    for (int option : {0, 5, -1})
        EXPECT_EQ(-115, Open(kDataSpec, "20240101000000", option));
    EXPECT_FALSE(demo.IsOpen());

    EXPECT_EQ(-111, demo.JVRTOpen("0B99", "20240106"));
    EXPECT_EQ(-111, demo.JVRTOpen("", "20240106"));
    EXPECT_EQ(-114, demo.JVRTOpen("0B12", "2024016"));
    EXPECT_EQ(-114, demo.JVRTOpen("0B12", "20240132"));
    EXPECT_EQ(-114, demo.JVRTOpen("0B13", "2024010606010101"));
    EXPECT_EQ(-114, demo.JVRTOpen("0B30", "20240106"));
    EXPECT_EQ(-114, demo.JVRTOpen("0B30", "202401060601010A"));
    EXPECT_FALSE(demo.IsOpen());
}

TEST_F(DemoProtocol, ADownloadFetchesFirstThenReadsFileByFile) {
    ASSERT_EQ(0, demo.JVInit("KAGIROI"));
    ASSERT_EQ(0, Open(kDataSpec, "20231225000000"));
    ASSERT_GT(downloadCount, 1);
    EXPECT_EQ(readCount, downloadCount) << "nothing fetched before";
    EXPECT_EQ(-3, Read()) << "still downloading";
    int previous = 0, polls = 0;
    for (int fetched = 0; fetched < downloadCount; ++polls) {
        fetched = demo.JVStatus();
        ASSERT_GE(fetched, previous);
        ASSERT_LE(fetched, downloadCount);
        previous = fetched;
    }
    EXPECT_GT(polls, 3) << "progress comes in steps";
    test::JvReading reading = test::ReadToEnd(demo);
    EXPECT_EQ(0, reading.lastCode);
    EXPECT_EQ(0, reading.downloadingAnswers);
    EXPECT_EQ(readCount, reading.fileChanges) << "-1 after every file";
    ASSERT_FALSE(reading.records.empty());
    // Records of one file come together, under that file's name.
    for (size_t i = 1; i < reading.records.size(); ++i) {
        const auto& a = reading.records[i - 1];
        const auto& b = reading.records[i];
        EXPECT_EQ(a.file == b.file, a.fileName == b.fileName);
        EXPECT_EQ(a.record.substr(0, 2), a.fileName.substr(0, 2)) << "the kind names the file";
    }
    EXPECT_EQ(0, Read()) << "stays at the end";
    EXPECT_EQ(0, demo.JVClose());
}

TEST_F(DemoProtocol, ReadingDuringTheDownloadAlsoAdvancesIt) {
    ASSERT_EQ(0, demo.JVInit("KAGIROI"));
    ASSERT_EQ(0, Open(kDataSpec, "20231225000000"));
    test::JvReading reading = test::ReadToEnd(demo);  // without a single JVStatus
    EXPECT_EQ(0, reading.lastCode);
    EXPECT_GT(reading.downloadingAnswers, 0);
    EXPECT_EQ(readCount, reading.fileChanges);
}

TEST_F(DemoProtocol, CancelStopsTheDownloadAndFreesTheService) {
    ASSERT_EQ(0, demo.JVInit("KAGIROI"));
    ASSERT_EQ(0, Open(kDataSpec, "20231225000000"));
    int first = downloadCount;
    demo.JVStatus();
    EXPECT_EQ(0, demo.JVCancel());
    EXPECT_EQ(-203, Read());
    EXPECT_EQ(-203, demo.JVStatus());
    EXPECT_EQ(-202, demo.JVRTOpen("0B12", "20240106")) << "open until its close";
    EXPECT_EQ(0, demo.JVClose());
    // What was fetched before the cancel is not fetched again.
    ASSERT_EQ(0, Open(kDataSpec, "20231225000000"));
    EXPECT_LT(downloadCount, first);
    EXPECT_GT(downloadCount, 0);
    demo.JVClose();
}

TEST_F(DemoProtocol, CancelWhileReadingEndsTheRead) {
    ASSERT_EQ(0, demo.JVInit("KAGIROI"));
    ASSERT_EQ(0, Open(kDataSpec, "20231225000000"));
    while (demo.JVStatus() < downloadCount) {
    }
    ASSERT_GT(Read(), 0);
    EXPECT_EQ(0, demo.JVCancel());
    EXPECT_EQ(-203, Read());
}

TEST_F(DemoProtocol, RealTimeHasNoDownloadPhase) {
    ASSERT_EQ(0, demo.JVInit("KAGIROI"));
    ASSERT_EQ(0, demo.JVRTOpen("0B30", "2024010606010101"));
    EXPECT_EQ(0, demo.JVStatus());
    std::string record, file;
    EXPECT_EQ(962, demo.JVRead(record, 100000, file)) << "the O1 record at once";
    EXPECT_EQ("O1", record.substr(0, 2));
    EXPECT_EQ(12293, demo.JVRead(record, 100000, file));
    EXPECT_EQ(83285, demo.JVRead(record, 100000, file));
    EXPECT_EQ(-1, demo.JVRead(record, 100000, file));
    EXPECT_EQ(0, demo.JVRead(record, 100000, file));
    EXPECT_EQ(0, demo.JVClose());
    EXPECT_EQ(-203, demo.JVClose()) << "nothing is left open to close";
}

TEST_F(DemoProtocol, TwoServicesGiveTheSameRecords) {
    DemoJvLink other(clock);
    ASSERT_EQ(0, demo.JVInit("KAGIROI"));
    ASSERT_EQ(0, other.JVInit("KAGIROI"));
    test::JvDownload a = test::Download(demo, "20231215000000");
    test::JvDownload b = test::Download(other, "20231215000000");
    ASSERT_EQ(a.reading.records.size(), b.reading.records.size());
    ASSERT_GT(a.reading.records.size(), 1000u);
    for (size_t i = 0; i < a.reading.records.size(); ++i) {
        ASSERT_EQ(a.reading.records[i].record, b.reading.records[i].record) << i;
        ASSERT_EQ(a.reading.records[i].fileName, b.reading.records[i].fileName);
    }
    test::JvRealTime oddsA = test::RealTime(demo, "0B30", "2024010608010105");
    test::JvRealTime oddsB = test::RealTime(other, "0B30", "2024010608010105");
    ASSERT_EQ(3u, oddsA.reading.records.size());
    for (size_t i = 0; i < 3; ++i)
        EXPECT_EQ(oddsA.reading.records[i].record, oddsB.reading.records[i].record);
}

}  // namespace
}  // namespace kagiroi
