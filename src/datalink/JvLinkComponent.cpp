#include "datalink/JvLinkComponent.h"

#include "platform/FileSystem.h"
#include "platform/TextField.h"

#include <algorithm>
#include <cctype>

namespace kagiroi {

namespace {

bool NamesTheDemo(const std::string& source) {
    std::string lower = source;
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return lower.empty() || lower == kDemoSource;
}

}  // namespace

JvLinkComponent::JvLinkComponent(SettingsFile& settings, std::unique_ptr<JvLinkService> demo,
                                 JvLinkSourceDialog* dialog)
    : settings_(settings), dialog_(dialog), demo_(std::move(demo)), current_(demo_.get()) {}

std::string JvLinkComponent::Source() const {
    std::string source = Trim(ReadTextSetting(settings_, setting::kDataSource));
    return NamesTheDemo(source) ? std::string(kDemoSource) : source;
}

int JvLinkComponent::JVInit(const std::string& softwareId) {
    int code = demo_->JVInit(softwareId);
    if (code != jv::kOk) return code;
    softwareId_ = softwareId;
    if (feed_) feed_->JVInit(softwareId);
    return jv::kOk;
}

int JvLinkComponent::JVSetUIProperties() {
    failure_.clear();
    if (dialog_ == nullptr) return jv::kOk;
    std::optional<std::string> chosen = dialog_->ChooseSource(Source());
    if (!chosen) return jv::kOk;
    std::string source = Trim(*chosen);
    if (NamesTheDemo(source)) source = kDemoSource;
    if (source != kDemoSource && !DirectoryExists(source)) {
        failure_ = FolderMissingText(source);
        return jv::kSettingNotSaved;
    }
    return WriteTextSetting(settings_, setting::kDataSource, source) ? jv::kOk
                                                                     : jv::kSettingNotSaved;
}

JvLinkService& JvLinkComponent::ServiceForOpen() {
    if (current_->IsOpen()) return *current_;
    std::string source = Source();
    if (source == kDemoSource) {
        current_ = demo_.get();
        return *demo_;
    }
    if (!feed_ || feed_->Folder() != source) {
        feed_ = std::make_unique<FolderFeedJvLink>(source);
        if (!softwareId_.empty()) feed_->JVInit(softwareId_);
    }
    current_ = feed_.get();
    return *feed_;
}

int JvLinkComponent::JVOpen(const std::string& dataSpec, const std::string& fromDate, int option,
                            int& readCount, int& downloadCount, std::string& lastFileTimestamp) {
    failure_.clear();
    return ServiceForOpen().JVOpen(dataSpec, fromDate, option, readCount, downloadCount,
                                   lastFileTimestamp);
}

int JvLinkComponent::JVRTOpen(const std::string& dataSpec, const std::string& key) {
    failure_.clear();
    return ServiceForOpen().JVRTOpen(dataSpec, key);
}

std::unique_ptr<JvLink> CreateJvLinkComponent(SettingsFile& settings, const Clock& clock,
                                              JvLinkSourceDialog* dialog,
                                              const DemoServiceMaker& makeDemo) {
    return std::make_unique<JvLinkComponent>(settings, makeDemo(clock), dialog);
}

}  // namespace kagiroi
