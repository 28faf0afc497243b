#include "JvTestReading.h"
#include "datalink/BridgeJvLink.h"
#include "datalink/BridgeProcess.h"
#include "datalink/BridgeProtocol.h"
#include "datalink/BridgeServer.h"
#include "demo/DemoJvLink.h"
#include "support/FakeJvLink.h"
#include "support/FakePorts.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <utility>

namespace kagiroi {
namespace {

// The bridge's server in this process: each exchange is answered at once, or spoilt as the
// test says.
class InProcessTransport : public BridgeTransport {
  public:
    explicit InProcessTransport(JvLink& link) : server_(link) {}

    std::optional<std::string> Exchange(const std::string& request, int,
                                        BridgeFailure& failure) override {
        requests.push_back(request.front());
        fresh_ = false;
        if (failNext != BridgeFailure::None) {
            failure = std::exchange(failNext, BridgeFailure::None);
            fresh_ = true;
            return std::nullopt;
        }
        std::optional<std::string> answer = server_.Answer(request);
        if (answer && garble) *answer = garble(*answer);
        return answer;
    }
    bool Fresh() const override { return fresh_; }

    int Requests(bridge::Op op) const {
        return static_cast<int>(std::count(requests.begin(), requests.end(), char(op)));
    }

    BridgeFailure failNext = BridgeFailure::None;
    std::function<std::string(const std::string&)> garble;
    std::string requests;  // the op byte of each

  private:
    BridgeServer server_;
    bool fresh_ = true;
};

class BridgeJvLinkTest : public ::testing::Test {
  protected:
    BridgeJvLinkTest() {
        auto owned = std::make_unique<InProcessTransport>(fake);
        transport = owned.get();
        link = std::make_unique<BridgeJvLink>(std::move(owned),
                                              [this](const std::string& s) { log.push_back(s); });
    }

    test::FakeJvLink fake;
    InProcessTransport* transport;
    std::unique_ptr<BridgeJvLink> link;
    std::vector<std::string> log;
};

TEST_F(BridgeJvLinkTest, EveryCallCrossesWithItsArgumentsAndResults) {
    fake.openReadCount = 7;
    fake.openDownloadCount = 2;
    fake.openStamp = "20261101090000";
    fake.QueueRecord("RA東京\r\n", "RA2026.jvd");
    fake.closeResult = -1;
    int reads = 0, downloads = 0;
    std::string stamp, record, file;
    EXPECT_EQ(0, link->JVInit("ソフトID"));
    EXPECT_EQ(0, link->JVSetUIProperties());
    EXPECT_EQ(0, link->JVOpen("RACEDIFF", "20260101000000", 3, reads, downloads, stamp));
    EXPECT_EQ((std::vector<int>{7, 2}), (std::vector<int>{reads, downloads}));
    EXPECT_EQ("20261101090000", stamp);
    EXPECT_EQ(2, link->JVStatus());
    EXPECT_EQ(8, link->JVRead(record, 60000, file));
    EXPECT_EQ("RA東京\r\n", record);
    EXPECT_EQ("RA2026.jvd", file);
    EXPECT_EQ(0, link->JVRead(record, 60000, file));
    EXPECT_EQ(0, link->JVCancel());
    EXPECT_EQ(-1, link->JVClose());
    EXPECT_EQ(0, link->JVRTOpen("0B30", "2026110105010211"));
    EXPECT_EQ(-202, link->JVRTOpen("0B30", "2026110105010211")) << "the service's own rule";
    EXPECT_EQ((std::vector<std::string>{
                  "JVInit:ソフトID", "JVSetUIProperties", "JVOpen:RACEDIFF:20260101000000:3",
                  "JVStatus", "JVRead", "JVRead", "JVCancel", "JVClose",
                  "JVRTOpen:0B30:2026110105010211", "JVRTOpen:0B30:2026110105010211"}),
              fake.calls);
    EXPECT_EQ(60000, fake.bufferSizes.front());
    EXPECT_TRUE(log.empty());
}

TEST_F(BridgeJvLinkTest, ReadsComeInBatchesThatStopWhereTheCallerMustLook) {
    for (int i = 0; i < 300; ++i)
        fake.QueueRecord("R" + std::to_string(i) + "\r\n");
    fake.QueueCode(-1);
    fake.QueueCode(-3);
    fake.QueueRecord("LAST\r\n");
    fake.QueueCode(-502);
    ASSERT_EQ(0, link->JVInit("SID"));
    ASSERT_EQ(0, link->JVRTOpen("0B30", "2026110105010211"));
    std::vector<int> codes;
    std::string record, file;
    for (int code = 1; code > 0 || code == -1 || code == -3;) {
        code = link->JVRead(record, 60000, file);
        codes.push_back(code);
    }
    ASSERT_EQ(304u, codes.size());
    EXPECT_EQ((std::vector<int>{-1, -3, 6, -502}), std::vector<int>(codes.end() - 4, codes.end()));
    EXPECT_EQ("LAST\r\n", record);
    // 256 records; 44, the file change and the download wait; the last record and the error.
    EXPECT_EQ(3, transport->Requests(bridge::Op::Read));
}

TEST_F(BridgeJvLinkTest, ACloseDropsTheReadsMadeAhead) {
    fake.QueueRecord("A\r\n");
    fake.QueueRecord("B\r\n");
    ASSERT_EQ(0, link->JVInit("SID"));
    ASSERT_EQ(0, link->JVRTOpen("0B30", "2026110105010211"));
    std::string record, file;
    ASSERT_EQ(3, link->JVRead(record, 60000, file));
    EXPECT_EQ(0, link->JVClose());
    EXPECT_EQ(-203, link->JVRead(record, 60000, file)) << "nothing is open any more";
    EXPECT_EQ("A\r\n", record);
}

TEST_F(BridgeJvLinkTest, ABridgeThatFailsAnswersInternalErrorAndTheNextOneIsInitialised) {
    ASSERT_EQ(0, link->JVInit("SID"));
    const BridgeFailure failures[] = {BridgeFailure::Ended, BridgeFailure::Silent,
                                      BridgeFailure::Garbled, BridgeFailure::NotStarted};
    for (BridgeFailure failure : failures) {
        transport->failNext = failure;
        EXPECT_EQ(-401, link->JVStatus());
    }
    EXPECT_EQ(4u, log.size());
    EXPECT_NE(std::string::npos, log[0].find("JVStatus")) << log[0];
    fake.calls.clear();
    EXPECT_EQ(-203, link->JVStatus()) << "a new bridge with nothing open";
    EXPECT_EQ((std::vector<std::string>{"JVInit:SID", "JVStatus"}), fake.calls);
}

TEST_F(BridgeJvLinkTest, TheCloseAfterALostBridgeStartsNoNewOne) {
    fake.QueueRecord("A\r\n");
    ASSERT_EQ(0, link->JVInit("SID"));
    ASSERT_EQ(0, link->JVRTOpen("0B30", "2026110105010211"));
    transport->failNext = BridgeFailure::Ended;
    std::string record, file;
    EXPECT_EQ(-401, link->JVRead(record, 60000, file));
    EXPECT_EQ(0, link->JVClose()) << "what was open ended with its bridge";
    EXPECT_EQ(0, transport->Requests(bridge::Op::Close));
    link->JVClose();
    EXPECT_EQ(1, transport->Requests(bridge::Op::Close)) << "a second close reaches a new bridge";
}

TEST_F(BridgeJvLinkTest, AnAnswerThatDoesNotParseIsAnInternalError) {
    ASSERT_EQ(0, link->JVInit("SID"));
    const std::vector<std::function<std::string(const std::string&)>> garbles = {
        [](const std::string& a) { return a.substr(0, a.size() - 1); },
        [](const std::string& a) { return a + "x"; },
        [](const std::string& a) { return char(bridge::Op::Status) + a.substr(1); },
        [](const std::string&) { return std::string(); },
    };
    for (const auto& garble : garbles) {
        transport->garble = garble;
        int reads, downloads;
        std::string stamp, record, file;
        EXPECT_EQ(-401, link->JVOpen("RACE", "20260101000000", 1, reads, downloads, stamp));
        EXPECT_EQ(-401, link->JVRead(record, 60000, file));
        EXPECT_EQ(-401, link->JVClose());
    }
    EXPECT_EQ(12u, log.size());
}

// The bridge as a process of its own, serving the demo.
class BridgeProcessTest : public ::testing::Test {
  protected:
    std::unique_ptr<BridgeJvLink> Bridge(std::vector<std::string> fault = {}) {
        std::vector<std::string> arguments{"2026-11-01T09:00:00"};
        arguments.insert(arguments.end(), fault.begin(), fault.end());
        return std::make_unique<BridgeJvLink>(
            std::make_unique<BridgeProcess>(KAGIROI_STANDIN_BRIDGE_PATH, arguments),
            // The call timeout covers starting the bridge, which takes a while under wine on a
            // busy machine; the silent bridge makes each run wait it out once.
            [this](const std::string& s) { log.push_back(s); }, BridgeTimeouts{3000, 5000, -1});
    }
    std::vector<std::string> log;
};

TEST_F(BridgeProcessTest, ADownloadThroughTheBridgeIsTheDownloadInProcess) {
    test::FakeClock clock(DateTime{2026, 11, 1, 9, 0, 0});
    DemoJvLink direct(clock);
    std::unique_ptr<BridgeJvLink> bridged = Bridge();
    ASSERT_EQ(0, direct.JVInit("SID"));
    ASSERT_EQ(0, bridged->JVInit("SID"));
    test::JvDownload expected = test::Download(direct, "20261001000000");
    test::JvDownload seen = test::Download(*bridged, "20261001000000");
    ASSERT_EQ(0, seen.openCode);
    EXPECT_EQ(expected.readCount, seen.readCount);
    EXPECT_EQ(expected.newestStamp, seen.newestStamp);
    ASSERT_EQ(expected.reading.records.size(), seen.reading.records.size());
    EXPECT_EQ(expected.reading.records.back().record, seen.reading.records.back().record);
    EXPECT_EQ(expected.reading.fileChanges, seen.reading.fileChanges);
    EXPECT_TRUE(log.empty());
}

TEST_F(BridgeProcessTest, ABridgeThatEndsHangsOrBabblesIsAnInternalError) {
    for (const char* fault : {"exit", "hang", "garble"}) {
        SCOPED_TRACE(fault);
        log.clear();
        std::unique_ptr<BridgeJvLink> bridged = Bridge({fault, "1"});
        ASSERT_EQ(0, bridged->JVInit("SID"));
        ASSERT_EQ(0, bridged->JVRTOpen("0B14", "20261101"));
        std::string record, file;
        EXPECT_EQ(-401, bridged->JVRead(record, 60000, file));
        ASSERT_EQ(1u, log.size());
        EXPECT_EQ(0, bridged->JVClose()) << "what was open ended with its bridge";
        EXPECT_EQ(0, bridged->JVRTOpen("0B14", "20261101")) << "a new bridge, initialised";
        EXPECT_EQ(0, bridged->JVClose());
    }
}

}  // namespace
}  // namespace kagiroi
