#pragma once

#include <QObject>
#include <QTimer>
#include <atomic>
#include <functional>
#include <thread>

namespace kagiroi {

// One replay run off the window's thread. The work tells how far it got through its progress
// callback, whose answer false asks it to stop; the window reads the count on a timer, so a
// replay that reports every race never floods the event queue. The owner stops the worker
// before anything the work touches goes away: Stop() waits for the thread.
class ReplayWorker : public QObject {
    Q_OBJECT
  public:
    using Progress = std::function<bool(int done)>;
    using Work = std::function<void(const Progress& progress)>;

    explicit ReplayWorker(QObject* parent = nullptr);
    ~ReplayWorker() override;

    // Starts `work` on a thread of its own; nothing while one runs.
    void Start(Work work);
    // Asks the work to stop at its next progress report; Finished follows on the window's thread.
    void RequestStop() { stop_ = true; }
    // Asks and waits for the thread (closing the owner); no Finished follows.
    void Stop();
    bool Running() const { return thread_.joinable(); }

  signals:
    void Progressed(int done);
    // `stopped`: the run was asked to stop before it ended.
    void Finished(bool stopped);

  private:
    void Poll();

    std::thread thread_;
    std::atomic<bool> stop_{false};
    std::atomic<bool> ended_{false};
    std::atomic<int> done_{0};
    int shown_ = -1;
    QTimer poll_;
};

}  // namespace kagiroi
