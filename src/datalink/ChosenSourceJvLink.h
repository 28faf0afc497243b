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

// The values of setting::kDataSource besides a folder: the demo service and the installed
// component (through the bridge in a 64-bit program).
inline constexpr const char* kDemoSource = setting::kDataSource.fallback;
inline constexpr const char* kComponentSource = "component";
// Whether a value given for the source names a folder rather than one of those two words.
bool NamesSourceFolder(const std::string& value);

// Makes the demo service on the given clock. The demo lives in a folder of its own that builds
// on this one, so the program hands its maker in where it is assembled (app and CLI mains).
using DemoServiceMaker = std::function<std::unique_ptr<JvLinkService>(const Clock&)>;

// The program's data service: the demo, a folder feed or the installed component
// (ComponentJvLink), whichever the setting chooses at each open. Calls between an open and its
// close go to the service that was opened. The source is chosen with ChooseSource (the program's
// own dialog) or SetSource; JVSetUIProperties is the installed component's own settings dialog when
// it is the source, and the source dialog for the demo and the folder feed, which have no settings
// of their own.
class ChosenSourceJvLink : public JvLink {
  public:
    // demo must not be null.
    ChosenSourceJvLink(SettingsFile& settings, std::unique_ptr<JvLinkService> demo,
                       JvLinkSourceDialog* dialog);

    int JVInit(const std::string& softwareId) override;
    // -401 with FailureText when the source is the component and none is installed.
    int JVSetUIProperties() override;
    int JVOpen(const std::string& dataSpec, const std::string& fromDate, int option, int& readCount,
               int& downloadCount, std::string& lastFileTimestamp) override;
    int JVRTOpen(const std::string& dataSpec, const std::string& key) override;
    int JVStatus() override { return current_->JVStatus(); }
    int JVRead(std::string& record, int bufferSize, std::string& fileName) override {
        return current_->JVRead(record, bufferSize, fileName);
    }
    int JVCancel() override { return current_->JVCancel(); }
    int JVClose() override;
    std::string FailureText() const override {
        return failure_.empty() ? current_->FailureText() : failure_;
    }
    std::vector<std::string> SkippedLines() const override { return current_->SkippedLines(); }
    // The component's faults go to the standard error and to `log`.
    void LogFaultsTo(std::function<void(const std::string&)> log) override {
        faultLog_ = std::move(log);
    }

    // The source the setting names now: kDemoSource, kComponentSource or a folder.
    std::string Source() const;
    // Writes the source from the next open: 0, or -100 when the setting cannot be written or the
    // folder does not exist (FailureText names it). Blank names the demo.
    int SetSource(const std::string& source);
    // Asks the dialog for a source and sets it; 0 and nothing changed without a dialog or when
    // the user cancels.
    int ChooseSource();
    // The folder feed last used (null before one was).
    const FolderFeedJvLink* FolderFeed() const { return feed_.get(); }

  private:
    // The service to open: the current one while it is open (it refuses a second open),
    // else the one the setting names; null when that is the component and none is installed.
    JvLink* ServiceForOpen();
    bool CurrentIsOpen() const;
    // The installed component, made at its first use; null when there is none.
    JvLink* Component();
    int Opened(int code);

    SettingsFile& settings_;
    JvLinkSourceDialog* dialog_;
    std::unique_ptr<JvLinkService> demo_;
    std::unique_ptr<FolderFeedJvLink> feed_;
    std::unique_ptr<JvLink> component_;
    bool componentOpen_ = false;
    JvLinkService* service_;  // the demo or the folder feed last chosen
    JvLink* current_;         // that service or the component
    std::string softwareId_;
    std::string failure_;  // of the last settings call
    std::function<void(const std::string&)> faultLog_;
};

// Settles the data source before the program starts. An unset source becomes the component
// when componentByDefault (Windows, where users have it) and it is installed. When the source
// is the component and it cannot be created, takeDemo asks the user at the start-up message:
// yes sets the demo, no ends the program (false).
bool SettleStartupSource(SettingsFile& settings, bool componentByDefault,
                         const std::function<bool()>& componentAvailable,
                         const std::function<bool()>& takeDemo);

std::unique_ptr<ChosenSourceJvLink> CreateChosenSourceJvLink(SettingsFile& settings,
                                                             const Clock& clock,
                                                             JvLinkSourceDialog* dialog,
                                                             const DemoServiceMaker& makeDemo);

}  // namespace kagiroi
