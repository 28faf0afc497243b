#pragma once

#include "platform/Clipboard.h"
#include "platform/Clock.h"
#include "platform/Registry.h"
#include "platform/Shell.h"
#include "platform/Ui.h"

#include <deque>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace kagiroi::test {

// Window timers run by a test on a fake clock: inside ProcessEvents each enabled timer whose
// interval has passed since its last tick ticks, as a window's timers do inside a read loop.
class FakeTimers {
  public:
    explicit FakeTimers(const Clock& clock) : clock_(clock) {}
    // The timer's state is read at each turn, so the program may switch or retime it.
    void Add(const bool& enabled, const int& intervalMs, std::function<void()> tick);
    void RunDue();

  private:
    struct Timer {
        const bool* enabled;
        const int* intervalMs;
        std::function<void()> tick;
        int64_t lastMs;
    };
    int64_t NowMs() const;
    const Clock& clock_;
    std::vector<Timer> timers_;
};

// Records everything shown, answers questions from a preset queue (Yes when it runs out).
class FakeUi : public Ui {
  public:
    struct Event {
        std::string kind;  // "beep", "warning", "message", "question", "folder"
        std::string text;
    };

    void Beep(BeepSound sound) override;
    void ShowMessage(const std::string& text) override;
    bool AskYesNo(const std::string& text) override;
    void SetBusyCursor(bool busy) override { busy_ = busy; }
    void ProcessEvents() override;
    void Repaint() override { ++repaintCount_; }
    std::optional<std::string> ChooseFolder(const std::string& caption,
                                            const std::string& start) override;

    void AnswerNext(bool yes) { answers_.push_back(yes); }
    void ChooseNextFolder(std::optional<std::string> folder) { folders_.push_back(folder); }
    // Runs at every ProcessEvents call (a "click" arriving during a read loop).
    std::function<void()> onProcessEvents;
    FakeTimers* timers = nullptr;  // run inside ProcessEvents when set
    // Runs while a message is shown: the user has not closed the box yet.
    std::function<void()> onMessage;

    std::vector<std::string> Messages() const;
    std::vector<std::string> Questions() const;
    int BeepCount() const;
    bool Busy() const { return busy_; }
    int ProcessEventsCount() const { return processEventsCount_; }
    int RepaintCount() const { return repaintCount_; }
    void Clear() { events.clear(); }

    std::vector<Event> events;
    std::string lastFolderStart;

  private:
    std::deque<bool> answers_;
    std::deque<std::optional<std::string>> folders_;
    bool busy_ = false;
    int processEventsCount_ = 0;
    int repaintCount_ = 0;
};

// A clock that stands still until the test moves it.
class FakeClock : public Clock {
  public:
    explicit FakeClock(DateTime now = {2024, 1, 6, 10, 0, 0}) : now_(now) {}
    DateTime Now() const override { return now_; }
    void Set(const DateTime& now) { now_ = now; }
    void Advance(int64_t seconds) { now_ = AddSeconds(now_, seconds); }

  private:
    DateTime now_;
};

class FakeClipboard : public Clipboard {
  public:
    void SetText(const std::string& sjisText) override {
        text = sjisText;
        ++sets;
    }
    std::string text;
    int sets = 0;
};

class FakeShell : public Shell {
  public:
    struct Start {
        std::string program;
        std::vector<std::string> parameters;
        std::string workingFolder;
    };
    bool OpenDocument(const std::string& path) override {
        opened.push_back(path);
        return openSucceeds;
    }
    bool StartProgram(const std::string& program, const std::vector<std::string>& parameters,
                      const std::string& workingFolder, std::string* error) override {
        started.push_back({program, parameters, workingFolder});
        if (!startSucceeds && error != nullptr) *error = "cannot start";
        return startSucceeds;
    }
    std::vector<std::string> opened;
    std::vector<Start> started;
    bool openSucceeds = true;
    bool startSucceeds = true;
};

class FakeRegistry : public Registry {
  public:
    void Set(const std::string& key, const std::string& valueName, const std::string& value) {
        values[key][valueName] = value;
    }
    void AddKey(const std::string& key) { values[key]; }
    bool KeyExists(const std::string& key) override { return values.count(key) > 0; }
    std::optional<std::string> ReadValue(const std::string& key,
                                         const std::string& valueName) override;
    std::map<std::string, std::map<std::string, std::string>> values;
};

}  // namespace kagiroi::test
