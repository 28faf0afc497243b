#pragma once

#include "datalink/JvLinkService.h"
#include "demo/DemoWorld.h"
#include "platform/Clock.h"

#include <memory>
#include <set>
#include <string>

namespace kagiroi {

// The demo data service: a deterministic simulation of the racing data service around the
// clock's today, in the exact record layouts. Stored data (JVOpen) are what has been published
// by the clock's moment, as files of the weeks before (a setup: of three years); the first
// download of a file "fetches" it over a few JVStatus polls. Real-time requests (JVRTOpen)
// follow the clock through the race day: odds announcements up to each post, results and
// payouts after it, mining predictions, weather and post-time notices.
class DemoJvLink : public JvLinkService {
  public:
    explicit DemoJvLink(const Clock& clock);

  protected:
    JvOffer OfferStored(const JvStoredRequest& request) override;
    JvOffer OfferRealTime(const std::string& dataSpec, const std::string& key) override;
    void FileFetched(const std::string& name) override { fetched_.insert(name); }

  private:
    int64_t NowMinute() const;

    const Clock& clock_;
    std::unique_ptr<DemoWorld> world_;
    std::set<std::string> fetched_;  // files already downloaded once: no fetch the next time
};

// The maker the program hands to the data-service component.
std::unique_ptr<JvLinkService> MakeDemoJvLink(const Clock& clock);

}  // namespace kagiroi
