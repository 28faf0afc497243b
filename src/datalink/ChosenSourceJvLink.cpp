#include "datalink/ChosenSourceJvLink.h"

#include "datalink/ComponentJvLink.h"
#include "platform/FileSystem.h"
#include "platform/Sjis.h"
#include "platform/TextField.h"

#include <algorithm>
#include <cctype>
#include <cstdio>

namespace kagiroi {

namespace {

const char* kNoComponentText =
    "JRA-VANのホームページより【JV-Link】を入手し、インストールしてください。";

// The source a setting names, with the words in any case and blank for the demo.
std::string CanonicalSource(const std::string& value) {
    std::string source = Trim(value);
    std::string lower = source;
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    if (lower.empty() || lower == kDemoSource) return kDemoSource;
    if (lower == kComponentSource) return kComponentSource;
    return source;
}

}  // namespace

bool NamesSourceFolder(const std::string& value) {
    std::string source = CanonicalSource(value);
    return source != kDemoSource && source != kComponentSource;
}

ChosenSourceJvLink::ChosenSourceJvLink(SettingsFile& settings, std::unique_ptr<JvLinkService> demo,
                                       JvLinkSourceDialog* dialog)
    : settings_(settings),
      dialog_(dialog),
      demo_(std::move(demo)),
      service_(demo_.get()),
      current_(demo_.get()) {}

std::string ChosenSourceJvLink::Source() const {
    return CanonicalSource(ReadTextSetting(settings_, setting::kDataSource));
}

int ChosenSourceJvLink::JVInit(const std::string& softwareId) {
    int code = demo_->JVInit(softwareId);
    if (code != jv::kOk) return code;
    softwareId_ = softwareId;
    if (feed_) feed_->JVInit(softwareId);
    if (component_) component_->JVInit(softwareId);
    return jv::kOk;
}

int ChosenSourceJvLink::SetSource(const std::string& value) {
    failure_.clear();
    std::string source = CanonicalSource(value);
    if (source != kDemoSource && source != kComponentSource && !DirectoryExists(source)) {
        failure_ = FolderMissingText(source);
        return jv::kSettingNotSaved;
    }
    return WriteTextSetting(settings_, setting::kDataSource, source) ? jv::kOk
                                                                     : jv::kSettingNotSaved;
}

int ChosenSourceJvLink::ChooseSource() {
    failure_.clear();
    if (dialog_ == nullptr) return jv::kOk;
    std::optional<std::string> chosen = dialog_->ChooseSource(Source());
    return chosen ? SetSource(*chosen) : jv::kOk;
}

int ChosenSourceJvLink::JVSetUIProperties() {
    failure_.clear();
    if (Source() != kComponentSource) return ChooseSource();
    JvLink* component = Component();
    return component != nullptr ? component->JVSetUIProperties() : jv::kInternalError;
}

bool ChosenSourceJvLink::CurrentIsOpen() const {
    return current_ == component_.get() ? componentOpen_ : service_->IsOpen();
}

JvLink* ChosenSourceJvLink::Component() {
    if (!component_) {
        // The component's own faults have no window of theirs: they go to the standard error
        // and the error log.
        component_ = MakeComponentJvLink([this](const std::string& line) {
            std::fprintf(stderr, "%s\n", SjisToUtf8(line).c_str());
            if (faultLog_) faultLog_(line);
        });
        if (component_ && !softwareId_.empty()) component_->JVInit(softwareId_);
    }
    if (!component_) failure_ = kNoComponentText;
    return component_.get();
}

JvLink* ChosenSourceJvLink::ServiceForOpen() {
    if (CurrentIsOpen()) return current_;
    std::string source = Source();
    if (source == kComponentSource) {
        JvLink* component = Component();
        if (component != nullptr) current_ = component;
        return component;
    }
    if (source == kDemoSource) {
        service_ = demo_.get();
    } else {
        if (!feed_ || feed_->Folder() != source) {
            feed_ = std::make_unique<FolderFeedJvLink>(source);
            if (!softwareId_.empty()) feed_->JVInit(softwareId_);
        }
        service_ = feed_.get();
    }
    current_ = service_;
    return current_;
}

int ChosenSourceJvLink::Opened(int code) {
    if (current_ == component_.get() && code == jv::kOk) componentOpen_ = true;
    return code;
}

int ChosenSourceJvLink::JVOpen(const std::string& dataSpec, const std::string& fromDate, int option,
                               int& readCount, int& downloadCount, std::string& lastFileTimestamp) {
    failure_.clear();
    JvLink* service = ServiceForOpen();
    if (service == nullptr) return jv::kInternalError;
    return Opened(
        service->JVOpen(dataSpec, fromDate, option, readCount, downloadCount, lastFileTimestamp));
}

int ChosenSourceJvLink::JVRTOpen(const std::string& dataSpec, const std::string& key) {
    failure_.clear();
    JvLink* service = ServiceForOpen();
    if (service == nullptr) return jv::kInternalError;
    return Opened(service->JVRTOpen(dataSpec, key));
}

int ChosenSourceJvLink::JVClose() {
    if (current_ == component_.get()) componentOpen_ = false;
    return current_->JVClose();
}

bool SettleStartupSource(SettingsFile& settings, bool componentByDefault,
                         const std::function<bool()>& componentAvailable,
                         const std::function<bool()>& takeDemo) {
    const TextSetting& source = setting::kDataSource;
    bool unset = Trim(settings.ReadString(source.section, source.key, "")).empty();
    bool wantsComponent =
        unset ? componentByDefault
              : CanonicalSource(ReadTextSetting(settings, source)) == kComponentSource;
    if (!wantsComponent) return true;
    if (componentAvailable()) {
        if (unset) WriteTextSetting(settings, source, kComponentSource);
        return true;
    }
    if (!takeDemo()) return false;
    WriteTextSetting(settings, source, kDemoSource);
    return true;
}

std::unique_ptr<ChosenSourceJvLink> CreateChosenSourceJvLink(SettingsFile& settings,
                                                             const Clock& clock,
                                                             JvLinkSourceDialog* dialog,
                                                             const DemoServiceMaker& makeDemo) {
    return std::make_unique<ChosenSourceJvLink>(settings, makeDemo(clock), dialog);
}

}  // namespace kagiroi
