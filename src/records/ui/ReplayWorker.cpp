#include "records/ui/ReplayWorker.h"

namespace kagiroi {

namespace {
constexpr int kPollMilliseconds = 50;
}

ReplayWorker::ReplayWorker(QObject* parent) : QObject(parent) {
    poll_.setInterval(kPollMilliseconds);
    connect(&poll_, &QTimer::timeout, this, &ReplayWorker::Poll);
}

ReplayWorker::~ReplayWorker() {
    Stop();
}

void ReplayWorker::Start(Work work) {
    if (Running()) return;
    stop_ = false;
    ended_ = false;
    done_ = 0;
    shown_ = -1;
    thread_ = std::thread([this, work = std::move(work)] {
        work([this](int done) {
            done_ = done;
            return !stop_;
        });
        ended_ = true;
    });
    poll_.start();
}

void ReplayWorker::Stop() {
    stop_ = true;
    poll_.stop();
    if (thread_.joinable()) thread_.join();
}

void ReplayWorker::Poll() {
    // The end is read first: once it is seen, the count read after it is the last one.
    bool ended = ended_;
    if (int done = done_; done != shown_) {
        shown_ = done;
        emit Progressed(done);
    }
    if (!ended) return;
    poll_.stop();
    thread_.join();
    emit Finished(stop_);
}

}  // namespace kagiroi
