#include "demo/DemoJvLink.h"

#include "datalink/JvRequests.h"
#include "datalink/RealTimeDataSpecs.h"
#include "platform/TextField.h"

#include <algorithm>

namespace kagiroi {

namespace {

JvOffer OneFile(const std::string& name, std::vector<std::string> records) {
    JvOffer offer;
    if (records.empty()) return offer;
    auto shared = std::make_shared<std::vector<std::string>>(std::move(records));
    offer.files.push_back({name, [shared] { return *shared; }});
    return offer;
}

}  // namespace

DemoJvLink::DemoJvLink(const Clock& clock)
    : clock_(clock), world_(std::make_unique<DemoWorld>(clock.Now())) {}

std::unique_ptr<JvLinkService> MakeDemoJvLink(const Clock& clock) {
    return std::make_unique<DemoJvLink>(clock);
}

int64_t DemoJvLink::NowMinute() const {
    return MinuteOf(clock_.Now());
}

JvOffer DemoJvLink::OfferStored(const JvStoredRequest& request) {
    DateTime now = clock_.Now();
    world_->SetToday(now);
    std::vector<DemoFileEntry> entries =
        DemoStoredFiles(world_->Calendar(), MinuteOf(now), ToSerialSeconds(request.from),
                        IsSetupOption(request.option));
    JvOffer offer;
    DemoWorld* world = world_.get();
    for (const DemoFileEntry& entry : entries) {
        std::string name = entry.Name();
        offer.files.push_back({name, [world, entry] { return world->RecordsOf(entry); }});
        if (fetched_.count(name) == 0) offer.toFetch.push_back(name);
        offer.newestStamp = std::max(offer.newestStamp, entry.StampText());
    }
    return offer;
}

JvOffer DemoJvLink::OfferRealTime(const std::string& dataSpec, const std::string& key) {
    int64_t now = NowMinute();
    world_->SetToday(clock_.Now());
    const DemoDay* day = world_->Day(KeyDate(key));
    if (day == nullptr) return {};
    std::string name = dataSpec + key + ".rt";
    if (dataSpec == OddsSpec().dataSpec) {
        const DemoRace* race = day->Find(ToInt(key.substr(8, 2)), ToInt(key.substr(10, 2)),
                                         ToInt(key.substr(12, 2)), ToInt(key.substr(14, 2)));
        if (race == nullptr) return {};
        return OneFile(name, world_->RaceOdds(*race, now));
    }
    if (dataSpec == ResultsSpec().dataSpec) return OneFile(name, world_->DayResults(*day, now));
    if (dataSpec == MiningSpec().dataSpec) return OneFile(name, world_->DayMining(*day, now));
    return OneFile(name, world_->DayChanges(*day, now));
}

}  // namespace kagiroi
