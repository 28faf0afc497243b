#pragma once

#include "datalink/FolderFeedJvLink.h"
#include "datalink/JvLink.h"
#include "datalink/JvLinkService.h"
#include "datalink/JvLinkSourceDialog.h"
#include "platform/Clock.h"
#include "platform/SettingsTable.h"

#include <functional>
#include <memory>
#include <string>

namespace kagiroi {

// The value of setting::kDataSource that chooses the demo service (its default).
inline constexpr const char* kDemoSource = setting::kDataSource.fallback;

// Makes the demo service on the given clock. The demo lives in a folder of its own that builds
// on this one, so the program hands its maker in where it is assembled (app and CLI mains).
using DemoServiceMaker = std::function<std::unique_ptr<JvLinkService>(const Clock&)>;

// The program's data-service component: the demo service or a folder feed, as the setting says
// at each open. Calls between an open and its close go to the service that was opened.
// JVSetUIProperties lets the user choose the source.
class JvLinkComponent : public JvLink {
  public:
    // demo must not be null.
    JvLinkComponent(SettingsFile& settings, std::unique_ptr<JvLinkService> demo,
                    JvLinkSourceDialog* dialog);

    int JVInit(const std::string& softwareId) override;
    // Asks the dialog for a source and writes it to the setting; 0 and nothing changed without
    // a dialog or when the user cancels; -100 when the setting cannot be written or the folder
    // chosen does not exist (FailureText names it).
    int JVSetUIProperties() override;
    int JVOpen(const std::string& dataSpec, const std::string& fromDate, int option, int& readCount,
               int& downloadCount, std::string& lastFileTimestamp) override;
    int JVRTOpen(const std::string& dataSpec, const std::string& key) override;
    int JVStatus() override { return current_->JVStatus(); }
    int JVRead(std::string& record, int bufferSize, std::string& fileName) override {
        return current_->JVRead(record, bufferSize, fileName);
    }
    int JVCancel() override { return current_->JVCancel(); }
    int JVClose() override { return current_->JVClose(); }
    std::string FailureText() const override {
        return failure_.empty() ? current_->FailureText() : failure_;
    }
    std::vector<std::string> SkippedLines() const override { return current_->SkippedLines(); }

    // The source the setting names now: "demo" or a folder.
    std::string Source() const;
    // The folder feed last used (null before one was).
    const FolderFeedJvLink* FolderFeed() const { return feed_.get(); }

  private:
    // The service to open: the current one while it is open (it refuses a second open),
    // else the one the setting names.
    JvLinkService& ServiceForOpen();

    SettingsFile& settings_;
    JvLinkSourceDialog* dialog_;
    std::unique_ptr<JvLinkService> demo_;
    std::unique_ptr<FolderFeedJvLink> feed_;
    JvLinkService* current_;
    std::string softwareId_;
    std::string failure_;  // of the last settings call
};

// Whether the data-service component can be used on this machine.
#ifdef _WIN32
// Probes the installed COM component; defined by the Windows adapter.
bool JvLinkComponentAvailable();
#else
inline bool JvLinkComponentAvailable() {
    return true;  // the demo service and the folder feed need nothing installed
}
#endif

std::unique_ptr<JvLink> CreateJvLinkComponent(SettingsFile& settings, const Clock& clock,
                                              JvLinkSourceDialog* dialog,
                                              const DemoServiceMaker& makeDemo);

}  // namespace kagiroi
