#include "DemoTestSupport.h"

#include "demo/DemoOddsRecords.h"
#include "demo/DemoRecords.h"
#include "platform/TextField.h"

namespace kagiroi::test {

std::vector<std::string> FileRecords(DemoWorld& world, const DateTime& day, DemoFileKind kind,
                                     DemoStage stage) {
    return world.RecordsOf(DemoFileEntry{day, kind, stage, MinuteOf(day)});
}

std::vector<DemoRaceRecords> SettledRecords(DemoWorld& world, const DateTime& day) {
    std::vector<DemoRaceRecords> races;
    const DemoDay* d = world.Day(day);
    if (d == nullptr) return races;
    std::vector<std::string> ra = FileRecords(world, day, DemoFileKind::RA, DemoStage::Settled);
    std::vector<std::string> se = FileRecords(world, day, DemoFileKind::SE, DemoStage::Settled);
    std::vector<std::string> hr = FileRecords(world, day, DemoFileKind::HR, DemoStage::Settled);
    std::vector<std::string> o1 = FileRecords(world, day, DemoFileKind::O1, DemoStage::RaceDay);
    std::vector<std::string> o5 = FileRecords(world, day, DemoFileKind::O5, DemoStage::RaceDay);
    std::vector<std::string> o6 = FileRecords(world, day, DemoFileKind::O6, DemoStage::RaceDay);
    // The odds files carry each race's announcement before the post ahead of its final odds.
    for (auto* odds : {&o1, &o5, &o6})
        std::erase_if(*odds, [](const std::string& record) { return record[2] == '1'; });
    size_t runner = 0;
    std::vector<const DemoRace*> list = d->Races();
    for (size_t i = 0; i < list.size(); ++i) {
        DemoRaceRecords r;
        r.race = list[i];
        r.ra = ra[i];
        r.hr = hr[i];
        r.o1 = o1[i];
        r.o5 = o5[i];
        r.o6 = o6[i];
        r.dm = DemoDmRecord(*list[i], '2', MinuteOf(day) + 8 * 60);
        for (int h = 0; h < list[i]->card.Registered(); ++h)
            r.runners.push_back(se[runner++]);
        races.push_back(std::move(r));
    }
    return races;
}

const DemoRace* FindRace(DemoWorld& world, const DateTime& first,
                         const std::function<bool(const DemoRace&)>& wanted) {
    for (int i = 0; i < 366; ++i) {
        const DemoDay* day = world.Day(AddDays(first, i));
        if (day == nullptr) continue;
        for (const DemoRace* race : day->Races())
            if (wanted(*race)) return race;
    }
    return nullptr;
}

std::string F(const std::string& record, int pos, int len) {
    return Field(record, pos, len);
}

int N(const std::string& record, int pos, int len) {
    return ToInt(Field(record, pos, len));
}

}  // namespace kagiroi::test
