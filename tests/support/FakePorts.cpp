#include "support/FakePorts.h"

namespace kagiroi::test {

void FakeUi::Beep(BeepSound sound) {
    events.push_back({sound == BeepSound::Warning ? "warning" : "beep", ""});
}

void FakeUi::ShowMessage(const std::string& text) {
    events.push_back({"message", text});
    if (onMessage) onMessage();
}

bool FakeUi::AskYesNo(const std::string& text) {
    events.push_back({"question", text});
    if (answers_.empty()) return true;
    bool yes = answers_.front();
    answers_.pop_front();
    return yes;
}

void FakeUi::ProcessEvents() {
    ++processEventsCount_;
    if (onProcessEvents) onProcessEvents();
    if (timers != nullptr) timers->RunDue();
}

int64_t FakeTimers::NowMs() const {
    return ToSerialSeconds(clock_.Now()) * 1000;
}

void FakeTimers::Add(const bool& enabled, const int& intervalMs, std::function<void()> tick) {
    timers_.push_back({&enabled, &intervalMs, std::move(tick), NowMs()});
}

void FakeTimers::RunDue() {
    for (size_t i = 0; i < timers_.size(); ++i) {
        Timer& timer = timers_[i];
        int64_t now = NowMs();
        if (!*timer.enabled) {
            timer.lastMs = now;  // a started timer counts its interval from its start
            continue;
        }
        if (now - timer.lastMs < *timer.intervalMs) continue;
        timer.lastMs = now;  // before the tick: a nested turn does not tick it again
        timer.tick();
    }
}

std::optional<std::string> FakeUi::ChooseFolder(const std::string& caption,
                                                const std::string& start) {
    events.push_back({"folder", caption});
    lastFolderStart = start;
    if (folders_.empty()) return std::nullopt;
    auto folder = folders_.front();
    folders_.pop_front();
    return folder;
}

std::vector<std::string> FakeUi::Messages() const {
    std::vector<std::string> out;
    for (const auto& e : events)
        if (e.kind == "message") out.push_back(e.text);
    return out;
}

std::vector<std::string> FakeUi::Questions() const {
    std::vector<std::string> out;
    for (const auto& e : events)
        if (e.kind == "question") out.push_back(e.text);
    return out;
}

int FakeUi::BeepCount() const {
    int n = 0;
    for (const auto& e : events)
        if (e.kind == "beep" || e.kind == "warning") ++n;
    return n;
}

std::optional<std::string> FakeRegistry::ReadValue(const std::string& key,
                                                   const std::string& valueName) {
    auto k = values.find(key);
    if (k == values.end()) return std::nullopt;
    auto v = k->second.find(valueName);
    if (v == k->second.end()) return std::nullopt;
    return v->second;
}

}  // namespace kagiroi::test
