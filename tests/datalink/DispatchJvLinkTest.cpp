#include "datalink/DispatchJvLink.h"
#include "support/TestText.h"

#include <gtest/gtest.h>

#include <functional>

namespace kagiroi {
namespace {

// A COM object that knows the component's eight method names, records every call and answers
// what the test sets.
class FakeDispatchPort : public DispatchPort {
  public:
    struct Call {
        std::string method;
        std::vector<DispatchValue> arguments;
    };
    std::vector<Call>* calls;
    std::optional<DispatchValue> result = DispatchValue::Int(0);
    std::function<void(std::vector<DispatchValue>&)> writeBack;
    int lookups = 0;

    explicit FakeDispatchPort(std::vector<Call>* log) : calls(log) {}

    std::optional<int32_t> IdOfName(const std::string& name) override {
        ++lookups;
        for (int32_t id = 0; id < 8; ++id)
            if (name == kMethods[id]) return id + 1;
        return std::nullopt;
    }
    std::optional<DispatchValue> Invoke(int32_t id,
                                        std::vector<DispatchValue>& arguments) override {
        calls->push_back({kMethods[id - 1], arguments});
        if (writeBack) writeBack(arguments);
        return result;
    }

  private:
    static constexpr const char* kMethods[8] = {
        "JVInit", "JVSetUIProperties", "JVOpen", "JVRTOpen", "JVStatus",
        "JVRead", "JVCancel",          "JVClose"};
};

class DispatchJvLinkTest : public ::testing::Test {
  protected:
    DispatchJvLinkTest() {
        auto owned = std::make_unique<FakeDispatchPort>(&calls);
        port = owned.get();
        link = std::make_unique<DispatchJvLink>(
            std::move(owned), [this](const std::string& s) { reports.push_back(s); });
    }

    // Every call once, each with what distinguishes its arguments.
    void CallAll() {
        int reads, downloads;
        std::string stamp, record, file;
        results = {link->JVInit("競馬SID"),
                   link->JVSetUIProperties(),
                   link->JVOpen("RACEDIFF", "20260101000000", 3, reads, downloads, stamp),
                   link->JVRTOpen("0B30", "2026110105010211"),
                   link->JVStatus(),
                   link->JVRead(record, 60000, file),
                   link->JVCancel(),
                   link->JVClose()};
    }

    std::vector<FakeDispatchPort::Call> calls;
    FakeDispatchPort* port;
    std::unique_ptr<DispatchJvLink> link;
    std::vector<std::string> reports;
    std::vector<int> results;
};

using Kind = DispatchKind;

TEST_F(DispatchJvLinkTest, EachCallSendsItsArgumentsLastFirstWithTextsInUtf16) {
    CallAll();
    struct Expected {
        const char* method;
        std::vector<Kind> kinds;
        std::vector<std::u16string> texts;  // of the text arguments, in Invoke's order
        std::vector<int32_t> numbers;       // of the integer arguments, in Invoke's order
    };
    const std::vector<Expected> expected = {
        {"JVInit", {Kind::Text}, {u"競馬SID"}, {}},
        {"JVSetUIProperties", {}, {}, {}},
        {"JVOpen",
         {Kind::TextRef, Kind::IntRef, Kind::IntRef, Kind::Int, Kind::Text, Kind::Text},
         {u"", u"20260101000000", u"RACEDIFF"},
         {0, 0, 3}},
        {"JVRTOpen", {Kind::Text, Kind::Text}, {u"2026110105010211", u"0B30"}, {}},
        {"JVStatus", {}, {}, {}},
        {"JVRead", {Kind::TextRef, Kind::IntRef, Kind::TextRef}, {u"", u""}, {60000}},
        {"JVCancel", {}, {}, {}},
        {"JVClose", {}, {}, {}},
    };
    ASSERT_EQ(expected.size(), calls.size());
    for (size_t c = 0; c < calls.size(); ++c) {
        SCOPED_TRACE(expected[c].method);
        EXPECT_EQ(expected[c].method, calls[c].method);
        std::vector<Kind> kinds;
        std::vector<std::u16string> texts;
        std::vector<int32_t> numbers;
        for (const DispatchValue& a : calls[c].arguments) {
            kinds.push_back(a.kind);
            if (a.kind == Kind::Text || a.kind == Kind::TextRef) texts.push_back(a.text);
            if (a.kind == Kind::Int || a.kind == Kind::IntRef) numbers.push_back(a.number);
        }
        EXPECT_EQ(expected[c].kinds, kinds);
        EXPECT_EQ(expected[c].texts, texts);
        EXPECT_EQ(expected[c].numbers, numbers);
    }
    EXPECT_EQ(8, port->lookups) << "each name is looked up once";
    CallAll();
    EXPECT_EQ(8, port->lookups);
}

TEST_F(DispatchJvLinkTest, AFailedCallOrAResultThatIsNoIntegerIsAnInternalError) {
    const std::vector<std::optional<DispatchValue>> failures = {
        std::nullopt, DispatchValue::Text(u"0"), DispatchValue{},
        DispatchValue{Kind::Other, 0, {}}};
    for (const auto& failure : failures) {
        port->result = failure;
        CallAll();
        // A cancel has no result: only a failed call counts against it.
        int cancel = failure ? 0 : -401;
        EXPECT_EQ((std::vector<int>{-401, -401, -401, -401, -401, -401, cancel, -401}), results);
    }
}

TEST_F(DispatchJvLinkTest, OutArgumentsComeBackInShiftJis) {
    port->writeBack = [](std::vector<DispatchValue>& a) {
        if (a.size() == 6) {  // JVOpen
            a[0].text = u"20261101120000";
            a[1].number = 4;
            a[2].number = 9;
        } else if (a.size() == 3) {  // JVRead
            a[0].text = u"RAXX2026.jvd";
            a[2].text = u"RA東京\r\n";
        }
    };
    int reads = 0, downloads = 0;
    std::string stamp;
    EXPECT_EQ(0, link->JVOpen("RACE", "20260101000000", 1, reads, downloads, stamp));
    EXPECT_EQ(9, reads);
    EXPECT_EQ(4, downloads);
    EXPECT_EQ("20261101120000", stamp);

    std::string record, file;
    port->result = DispatchValue::Int(8);
    EXPECT_EQ(8, link->JVRead(record, 60000, file));
    EXPECT_TEXT_EQ("RA東京\r\n", record);
    EXPECT_EQ("RAXX2026.jvd", file);
    EXPECT_TRUE(reports.empty());

    port->result = DispatchValue::Int(100);
    EXPECT_EQ(100, link->JVRead(record, 60000, file));
    EXPECT_TEXT_EQ("RA東京\r\n", record) << "a record of another length is kept";
    EXPECT_EQ(1u, reports.size());
}

TEST_F(DispatchJvLinkTest, ARecordShiftJisCannotHoldIsRefusedAndTold) {
    port->writeBack = [](std::vector<DispatchValue>& a) {
        a[2].text = u"RA\uFFFD\r\n";
        a[0].text = u"RA2026.jvd";
    };
    port->result = DispatchValue::Int(6);
    std::string record, file;
    EXPECT_EQ(-403, link->JVRead(record, 60000, file));
    ASSERT_EQ(1u, reports.size());
    EXPECT_NE(std::string::npos, reports[0].find("RA2026.jvd")) << reports[0];
}

TEST_F(DispatchJvLinkTest, AReadThatIsNoRecordLeavesTheBuffersAlone) {
    port->writeBack = [](std::vector<DispatchValue>& a) { a[2].text = u"garbage"; };
    std::string record = "before", file = "file";
    for (int code : {0, -1, -3, -502}) {
        port->result = DispatchValue::Int(code);
        EXPECT_EQ(code, link->JVRead(record, 60000, file));
        EXPECT_EQ("before", record);
    }
}

}  // namespace
}  // namespace kagiroi
