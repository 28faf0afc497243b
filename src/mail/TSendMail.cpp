#include "mail/TSendMail.h"

#include "mail/MailConnection.h"
#include "mail/SmtpDialogue.h"

#include <atomic>
#include <condition_variable>
#include <deque>
#include <exception>
#include <mutex>
#include <thread>

#ifndef _WIN32
#include <signal.h>
#endif

namespace kagiroi {
namespace {

using EventsRef = std::weak_ptr<SendMailEvents>;

// Passes the dialogue's events to the user-interface thread. The latest event is held back
// until the next one comes, so the last one of a delivery can clear the running flag there,
// just before its handler runs: the handler may start the next delivery at once.
class PostedEvents : public SmtpEvents {
  public:
    PostedEvents(UiThread& uiThread, EventsRef events, std::atomic<bool>& running)
        : uiThread_(uiThread), events_(std::move(events)), running_(running) {}

    void Progress(int size, int percent) override {
        Hold([size, percent](SendMailEvents& e) { Call(e.OnProgress, size, percent); });
    }
    void Response(int code, const std::string& text) override {
        Hold([code, text](SendMailEvents& e) { Call(e.OnResponse, code, text); });
    }
    void SmtpError(int code, const std::string& text) override {
        Hold([code, text](SendMailEvents& e) { Call(e.OnSMTPError, code, text); });
    }
    void Success() override {
        Hold([](SendMailEvents& e) { Call(e.OnSuccess); });
    }
    void HostUnreachable() override {
        Hold([](SendMailEvents& e) { Call(e.OnHostUnreachable); });
    }
    void ConnLost() override {
        Hold([](SendMailEvents& e) { Call(e.OnConnLost); });
    }
    void AnyError(const std::string& what) {
        Hold([what](SendMailEvents& e) { Call(e.OnAnyError, what); });
    }

    void Finish() {
        std::atomic<bool>& running = running_;
        auto last = std::move(held_);
        held_ = [&running, last = std::move(last)](SendMailEvents& e) {
            running = false;
            if (last) last(e);
        };
        PostHeld();
    }

  private:
    // Calls a copy: a handler that sends the next message replaces the component's handlers.
    template <typename Handler, typename... Args>
    static void Call(Handler handler, Args&&... args) {
        if (handler) handler(std::forward<Args>(args)...);
    }

    void Hold(std::function<void(SendMailEvents&)> event) {
        PostHeld();
        held_ = std::move(event);
    }

    void PostHeld() {
        if (!held_) return;
        // The component may be gone by the time the task runs; then so is the running flag.
        uiThread_.Post([events = events_, event = std::move(held_)] {
            if (const auto live = events.lock()) event(*live);
        });
        held_ = nullptr;
    }

    UiThread& uiThread_;
    EventsRef events_;
    std::atomic<bool>& running_;
    std::function<void(SendMailEvents&)> held_;
};

struct Delivery {
    MailProperties mail;
    std::string message;
};

}  // namespace

struct TSendMail::Worker {
    std::mutex mutex;
    std::condition_variable wake;
    std::deque<Delivery> queue;
    bool stopping = false;
    MailConnection* live = nullptr;  // the delivery's connection, for the destructor to abort
    std::atomic<bool> running{false};
    std::thread thread;

    void Loop(UiThread& uiThread, EventsRef events) {
#ifndef _WIN32
        // A server that closes while TLS writes would otherwise end the program.
        sigset_t pipe;
        sigemptyset(&pipe);
        sigaddset(&pipe, SIGPIPE);
        pthread_sigmask(SIG_BLOCK, &pipe, nullptr);
#endif
        const std::string localName = LocalComputerName();
        for (;;) {
            Delivery delivery;
            {
                std::unique_lock lock(mutex);
                wake.wait(lock, [this] { return stopping || !queue.empty(); });
                if (queue.empty()) return;
                delivery = std::move(queue.front());
                queue.pop_front();
            }
            PostedEvents posted(uiThread, events, running);
            MailConnection connection;
            Watch(&connection);
            try {
                RunSmtpDialogue(delivery.mail, delivery.message, localName, connection, posted);
            } catch (const std::exception& e) {
                posted.AnyError(e.what());
            } catch (...) {
                posted.AnyError("");
            }
            Watch(nullptr);
            posted.Finish();
        }
    }

    void Watch(MailConnection* connection) {
        std::lock_guard lock(mutex);
        live = connection;
        if (live && stopping) live->Abort();
    }
};

TSendMail::TSendMail(UiThread& uiThread, const Clock& clock) : uiThread_(uiThread), clock_(clock) {}

TSendMail::~TSendMail() {
    liveEvents_.reset();
    if (!worker_) return;
    {
        std::lock_guard lock(worker_->mutex);
        worker_->stopping = true;
        worker_->queue.clear();
        // A delivery under way ends now rather than after a silent server's timeouts.
        if (worker_->live) worker_->live->Abort();
    }
    worker_->wake.notify_all();
    worker_->thread.join();
}

bool TSendMail::Running() const {
    return worker_ && worker_->running;
}

bool TSendMail::Send() {
    if (Running()) return false;
    if (!liveEvents_) liveEvents_ = std::make_shared<SendMailEvents>();
    *liveEvents_ = Events;
    const std::string fault = MessageFault(Properties);
    if (!fault.empty()) {
        // Refused before any byte leaves; told like a server's refusal.
        uiThread_.Post([events = EventsRef(liveEvents_), fault] {
            if (const auto live = events.lock())
                if (const auto told = live->OnSMTPError) told(0, fault);
        });
        return true;
    }
    if (!worker_) {
        worker_ = std::make_unique<Worker>();
        worker_->thread =
            std::thread(&Worker::Loop, worker_.get(), std::ref(uiThread_), EventsRef(liveEvents_));
    }
    worker_->running = true;
    {
        std::lock_guard lock(worker_->mutex);
        worker_->queue.push_back(
            {Properties, ComposeMessage(Properties, clock_.Now(), LocalZoneOffsetMinutes())});
    }
    worker_->wake.notify_all();
    return true;
}

}  // namespace kagiroi
