#pragma once

#include "app/TMainForm.h"
#include "datalink/JvLink.h"
#include "datalink/TGetDataForm.h"
#include "platform/SettingsFile.h"
#include "support/FakePorts.h"
#include "support/TempFolder.h"

#include <memory>
#include <string>
#include <vector>

namespace kagiroi::test {

// Every call the program makes of the data service, with the clock's time when it was made.
class RecordingJvLink : public JvLink {
  public:
    RecordingJvLink(JvLink& inner, const Clock& clock) : inner_(inner), clock_(clock) {}

    struct Call {
        DateTime at;
        std::string what;  // "JVRTOpen:0B30:<key>", "JVOpen", ...
        int result;
    };

    int JVInit(const std::string& id) override { return Log("JVInit", inner_.JVInit(id)); }
    int JVSetUIProperties() override {
        return Log("JVSetUIProperties", inner_.JVSetUIProperties());
    }
    int JVOpen(const std::string& dataSpec, const std::string& from, int option, int& reads,
               int& downloads, std::string& stamp) override {
        return Log("JVOpen", inner_.JVOpen(dataSpec, from, option, reads, downloads, stamp));
    }
    int JVRTOpen(const std::string& dataSpec, const std::string& key) override {
        return Log("JVRTOpen:" + dataSpec + ":" + key, inner_.JVRTOpen(dataSpec, key));
    }
    int JVStatus() override { return inner_.JVStatus(); }
    int JVRead(std::string& record, int size, std::string& file) override {
        return inner_.JVRead(record, size, file);
    }
    int JVCancel() override { return Log("JVCancel", inner_.JVCancel()); }
    int JVClose() override { return Log("JVClose", inner_.JVClose()); }

    std::vector<Call> calls;

  private:
    int Log(const std::string& what, int result) {
        calls.push_back({clock_.Now(), what, result});
        return result;
    }
    JvLink& inner_;
    const Clock& clock_;
};

// The main window's state on a temporary program folder, served by the demo data service at a
// fake clock's time.
class DemoFixture {
  public:
    explicit DemoFixture(DateTime now);

    TMainForm& Form() { return *form_; }
    // The download dialog's whole road: open, start, poll until every file is fetched.
    DownloadSummary Download(bool finalOdds, int dataChoice = 0);
    // Loads a day given as "yyyymmdd".
    void LoadDay(const std::string& yyyymmdd);
    std::string Path(const std::string& name) const { return folder / name; }
    std::string ErrorLogText() const;

    TempFolder folder;
    FakeUi ui;
    FakeClock clock;
    FakeClipboard clipboard;
    FakeShell shell;
    FakeRegistry registry;
    SettingsFile settings;
    std::unique_ptr<JvLink> service;
    std::unique_ptr<RecordingJvLink> recording;

  private:
    std::unique_ptr<TMainForm> form_;
};

}  // namespace kagiroi::test
