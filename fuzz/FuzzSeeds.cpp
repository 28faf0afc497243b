#include "FuzzSeeds.h"

#include "datalink/JvTestReading.h"
#include "demo/DemoJvLink.h"
#include "platform/Clock.h"
#include "support/RecordBuilder.h"

namespace kagiroi::fuzz {

namespace {

class FixedClock : public Clock {
  public:
    DateTime Now() const override { return {2024, 1, 6, 15, 0, 0}; }  // a race-day afternoon
};

std::vector<std::string> ReadDemo() {
    FixedClock clock;
    DemoJvLink demo(clock);
    std::vector<std::string> records;
    if (demo.JVInit("KAGIROI") != 0) return records;
    auto add = [&](const test::JvReading& reading) {
        for (const auto& item : reading.records)
            records.push_back(item.record);
    };
    add(test::Download(demo, "20231227000000", 1, "RACEDIFFHOSESNAP").reading);
    const std::string day = "20240106";
    for (const char* dataSpec : {"0B12", "0B13", "0B14"})
        add(test::RealTime(demo, dataSpec, day).reading);
    for (const auto& ra : std::vector<std::string>(records)) {
        if (ra.compare(0, 2, "RA") != 0 || ra.compare(11, 8, day) != 0) continue;
        std::string race = ra.substr(11, 16);
        add(test::RealTime(demo, "0B30", race).reading);
        break;  // one race's odds are enough, and they are large
    }
    return records;
}

}  // namespace

const std::vector<std::string>& DemoRecords() {
    static const std::vector<std::string> records = ReadDemo();
    return records;
}

std::vector<std::string> DemoRecordsOf(const std::string& kind) {
    std::vector<std::string> list;
    for (const auto& r : DemoRecords())
        if (r.compare(0, 2, kind) == 0) list.push_back(r);
    return list;
}

std::vector<std::string> BuiltRecordsOf(const std::string& kind, int length) {
    std::vector<std::string> list;
    for (int race = 1; race <= 3; ++race)
        list.push_back(test::RecordBuilder(kind, length)
                           .Key("20240106", "06", 1, 1, race)
                           .Put(28, "01061130")
                           .Put(36, "1120"));
    return list;
}

}  // namespace kagiroi::fuzz
