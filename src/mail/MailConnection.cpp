#include "mail/MailConnection.h"

#include "platform/Clock.h"

#include <algorithm>
#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <cstring>
#include <mutex>
#include <thread>

#ifdef _WIN32
#include <winsock2.h>
#include <ws2tcpip.h>
using SocketHandle = SOCKET;
constexpr SocketHandle kNoSocket = INVALID_SOCKET;
#else
#include <fcntl.h>
#include <netdb.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>
using SocketHandle = int;
constexpr SocketHandle kNoSocket = -1;
#endif

#ifdef KAGIROI_HAVE_OPENSSL
#include <openssl/err.h>
#include <openssl/ssl.h>
#include <openssl/x509v3.h>
#endif

namespace kagiroi {
namespace {

#ifdef _WIN32
struct WinsockStarted {
    WinsockStarted() {
        WSADATA data;
        WSAStartup(MAKEWORD(2, 2), &data);
    }
};
void CloseSocket(SocketHandle s) {
    closesocket(s);
}
void SetBlocking(SocketHandle s, bool blocking) {
    u_long nonBlocking = blocking ? 0 : 1;
    ioctlsocket(s, FIONBIO, &nonBlocking);
}
int WaitReady(SocketHandle s, short events, int milliseconds) {
    WSAPOLLFD fd{s, events, 0};
    return WSAPoll(&fd, 1, milliseconds);
}
bool ConnectPending() {
    return WSAGetLastError() == WSAEWOULDBLOCK;
}
bool WouldBlock() {
    return WSAGetLastError() == WSAEWOULDBLOCK;
}
bool Interrupted() {
    return WSAGetLastError() == WSAEINTR;
}
void ShutDown(SocketHandle s) {
    shutdown(s, SD_BOTH);
}
constexpr int kSendFlags = 0;
#else
void CloseSocket(SocketHandle s) {
    ::close(s);
}
void SetBlocking(SocketHandle s, bool blocking) {
    const int flags = fcntl(s, F_GETFL, 0);
    fcntl(s, F_SETFL, blocking ? flags & ~O_NONBLOCK : flags | O_NONBLOCK);
}
int WaitReady(SocketHandle s, short events, int milliseconds) {
    pollfd fd{s, events, 0};
    return poll(&fd, 1, milliseconds);
}
bool ConnectPending() {
    return errno == EINPROGRESS;
}
bool WouldBlock() {
    return errno == EAGAIN || errno == EWOULDBLOCK || errno == EINTR;
}
bool Interrupted() {
    return errno == EINTR;
}
void ShutDown(SocketHandle s) {
    shutdown(s, SHUT_RDWR);
}
constexpr int kSendFlags = MSG_NOSIGNAL;
#endif

// Waits are cut into slices so that an abort is seen within one.
constexpr int kSliceMs = 100;

// getaddrinfo has no timeout of its own: it runs on a helper thread that is left to finish
// by itself when the wait gives up.
struct Resolution {
    std::mutex mutex;
    std::condition_variable done;
    bool finished = false;
    addrinfo* addresses = nullptr;
    ~Resolution() {
        if (addresses) freeaddrinfo(addresses);
    }
};

std::shared_ptr<Resolution> Resolve(const std::string& host, int port, int timeoutSeconds,
                                    const std::atomic<bool>& aborted) {
    auto resolution = std::make_shared<Resolution>();
    std::thread([resolution, host, service = std::to_string(port)] {
        addrinfo hints{};
        hints.ai_family = AF_UNSPEC;
        hints.ai_socktype = SOCK_STREAM;
        addrinfo* found = nullptr;
        if (getaddrinfo(host.c_str(), service.c_str(), &hints, &found) != 0) found = nullptr;
        std::lock_guard lock(resolution->mutex);
        resolution->addresses = found;
        resolution->finished = true;
        resolution->done.notify_all();
    }).detach();
    std::unique_lock lock(resolution->mutex);
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(timeoutSeconds);
    while (!resolution->finished && !aborted && std::chrono::steady_clock::now() < deadline)
        resolution->done.wait_for(lock, std::chrono::milliseconds(kSliceMs));
    return resolution->finished && !aborted && resolution->addresses ? resolution : nullptr;
}

SocketHandle ConnectTo(const addrinfo& address, int timeoutMs, const std::atomic<bool>& aborted) {
    SocketHandle s = socket(address.ai_family, address.ai_socktype, address.ai_protocol);
    if (s == kNoSocket) return kNoSocket;
    SetBlocking(s, false);
    bool connected = connect(s, address.ai_addr, static_cast<int>(address.ai_addrlen)) == 0;
    int ready = 0;
    if (!connected && ConnectPending())
        for (int waited = 0; ready == 0 && !aborted && waited < timeoutMs; waited += kSliceMs)
            ready = WaitReady(s, POLLOUT, std::min(kSliceMs, timeoutMs - waited));
    if (ready > 0 && !aborted) {
        int error = 0;
        socklen_t length = sizeof error;
        getsockopt(s, SOL_SOCKET, SO_ERROR, reinterpret_cast<char*>(&error), &length);
        connected = error == 0;
    }
    if (!connected) {
        CloseSocket(s);
        return kNoSocket;
    }
    // The socket stays non-blocking: every transfer waits in slices, up to the deadline.
    return s;
}

}  // namespace

// One try of a transfer on the non-blocking socket: what it moved, or what the socket must
// become before the next try (nothing when the transfer failed).
struct Step {
    int moved = 0;
    short waitFor = 0;
};

struct MailConnection::Impl {
    // Guards `socket` against Abort from another thread while it is closed and reused.
    std::mutex mutex;
    std::atomic<bool> aborted{false};
    SocketHandle socket = kNoSocket;
    int64_t deadline = INT64_MAX;
#ifdef KAGIROI_HAVE_OPENSSL
    SSL_CTX* context = nullptr;
    SSL* tls = nullptr;

    Step TlsStep(int result) const {
        if (result > 0) return {result, 0};
        switch (SSL_get_error(tls, result)) {
            case SSL_ERROR_WANT_READ:
                return {0, POLLIN};
            case SSL_ERROR_WANT_WRITE:
                return {0, POLLOUT};
            default:
                return {};
        }
    }
#endif

    // Tries until the step moves something; false (and closed) when it fails, the deadline
    // passes or the connection is aborted.
    template <typename Try>
    int Transfer(Try step) {
        while (socket != kNoSocket) {
            const Step s = step();
            if (s.moved > 0) return s.moved;
            if (s.waitFor == 0 || !Wait(s.waitFor)) break;
        }
        Close();
        return 0;
    }

    // Waits in slices, so that an abort is seen within one.
    bool Wait(short events) {
        for (;;) {
            const int64_t now = MonotonicMilliseconds();
            if (aborted || now >= deadline) return false;
            const int slice = static_cast<int>(std::min<int64_t>(kSliceMs, deadline - now));
            const int ready = WaitReady(socket, events, slice);
            if (ready > 0) return true;
            if (ready < 0 && !Interrupted()) return false;
        }
    }

    void Close() {
#ifdef KAGIROI_HAVE_OPENSSL
        if (tls) SSL_free(tls);
        if (context) SSL_CTX_free(context);
        tls = nullptr;
        context = nullptr;
#endif
        std::lock_guard lock(mutex);
        if (socket != kNoSocket) CloseSocket(socket);
        socket = kNoSocket;
    }
};

MailConnection::MailConnection() : impl_(std::make_unique<Impl>()) {
#ifdef _WIN32
    static WinsockStarted started;
#endif
}

MailConnection::~MailConnection() {
    Close();
}

bool MailConnection::IsOpen() const {
    return impl_->socket != kNoSocket;
}

void MailConnection::Close() {
    impl_->Close();
}

void MailConnection::Abort() {
    impl_->aborted = true;
    std::lock_guard lock(impl_->mutex);
    if (impl_->socket != kNoSocket) ShutDown(impl_->socket);
}

bool MailConnection::Connect(const std::string& host, int port, int timeoutSeconds) {
    Close();
    if (port <= 0 || port > 65535) return false;
    const auto resolution = Resolve(host, port, timeoutSeconds, impl_->aborted);
    if (!resolution) return false;
    for (const addrinfo* a = resolution->addresses; a && !IsOpen(); a = a->ai_next) {
        const SocketHandle s = ConnectTo(*a, timeoutSeconds * 1000, impl_->aborted);
        std::lock_guard lock(impl_->mutex);
        impl_->socket = s;
    }
    if (impl_->aborted) Close();
    return IsOpen();
}

void MailConnection::SetDeadline(int64_t monotonicMs) {
    impl_->deadline = monotonicMs;
}

bool MailConnection::Send(std::string_view bytes) {
    Impl& c = *impl_;
    while (IsOpen() && !bytes.empty()) {
        const int chunk = static_cast<int>(bytes.size() > 65536 ? 65536 : bytes.size());
        const int sent = c.Transfer([&c, &bytes, chunk]() -> Step {
#ifdef KAGIROI_HAVE_OPENSSL
            if (c.tls) return c.TlsStep(SSL_write(c.tls, bytes.data(), chunk));
#endif
            const auto n = ::send(c.socket, bytes.data(), chunk, kSendFlags);
            if (n > 0) return {static_cast<int>(n), 0};
            return {0, static_cast<short>(n < 0 && WouldBlock() ? POLLOUT : 0)};
        });
        bytes.remove_prefix(static_cast<size_t>(sent));
        if (sent == 0) return false;
    }
    return IsOpen();
}

std::optional<std::string> MailConnection::Receive(size_t maxBytes) {
    if (!IsOpen()) return std::nullopt;
    Impl& c = *impl_;
    std::string buffer(maxBytes, '\0');
    const int size = static_cast<int>(maxBytes);
    const int received = c.Transfer([&c, &buffer, size]() -> Step {
#ifdef KAGIROI_HAVE_OPENSSL
        if (c.tls) return c.TlsStep(SSL_read(c.tls, buffer.data(), size));
#endif
        const auto n = ::recv(c.socket, buffer.data(), size, 0);
        if (n > 0) return {static_cast<int>(n), 0};
        return {0, static_cast<short>(n < 0 && WouldBlock() ? POLLIN : 0)};
    });
    if (received == 0) return std::nullopt;
    buffer.resize(static_cast<size_t>(received));
    return buffer;
}

#ifdef KAGIROI_HAVE_OPENSSL
namespace {

std::string TlsFailure(SSL* tls) {
    const long verified = SSL_get_verify_result(tls);
    if (verified != X509_V_OK)
        return std::string("サーバー証明書を確認できません。(") +
               X509_verify_cert_error_string(verified) + ")";
    const unsigned long error = ERR_get_error();
    char reason[256] = "";
    if (error) ERR_error_string_n(error, reason, sizeof reason);
    return std::string("暗号化接続を始められません。") +
           (error ? std::string("(") + reason + ")" : "");
}

}  // namespace

std::string MailConnection::StartTls(const std::string& host, const std::string& extraTrustFile) {
    if (!IsOpen()) return "接続が切れています。";
    Impl& c = *impl_;
    ERR_clear_error();
    c.context = SSL_CTX_new(TLS_client_method());
    if (!c.context) {
        Close();
        return "暗号化接続を始められません。";
    }
    SSL_CTX_set_min_proto_version(c.context, TLS1_2_VERSION);
    SSL_CTX_set_verify(c.context, SSL_VERIFY_PEER, nullptr);
    SSL_CTX_set_default_verify_paths(c.context);
    if (!extraTrustFile.empty() &&
        SSL_CTX_load_verify_locations(c.context, extraTrustFile.c_str(), nullptr) != 1) {
        Close();
        return "証明書ファイルを読めません。";
    }
    c.tls = SSL_new(c.context);
    SSL_set_fd(c.tls, static_cast<int>(c.socket));
    SSL_set_tlsext_host_name(c.tls, host.c_str());
    SSL_set1_host(c.tls, host.c_str());
    // The reason is read before Transfer closes the connection, and the TLS state with it.
    std::string reason;
    const int done = c.Transfer([&c, &reason]() -> Step {
        const int result = SSL_connect(c.tls);
        const Step step = c.TlsStep(result);
        if (result != 1 && step.waitFor == 0) reason = TlsFailure(c.tls);
        return step;
    });
    if (done) return "";
    return reason.empty() ? "接続が切れています。" : reason;
}
#else
std::string MailConnection::StartTls(const std::string&, const std::string&) {
    Close();
    return "この環境では暗号化接続を使えません。";
}
#endif

std::string LocalComputerName() {
    char name[256] = "";
    if (gethostname(name, sizeof name - 1) != 0 || !name[0]) return "localhost";
    return name;
}

}  // namespace kagiroi
