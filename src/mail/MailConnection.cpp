#include "mail/MailConnection.h"

#include <algorithm>
#include <atomic>
#include <condition_variable>
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
int WaitWritable(SocketHandle s, int milliseconds) {
    WSAPOLLFD fd{s, POLLOUT, 0};
    return WSAPoll(&fd, 1, milliseconds);
}
bool ConnectPending() {
    return WSAGetLastError() == WSAEWOULDBLOCK;
}
void SetTimeouts(SocketHandle s, int seconds) {
    DWORD ms = static_cast<DWORD>(seconds) * 1000;
    setsockopt(s, SOL_SOCKET, SO_RCVTIMEO, reinterpret_cast<const char*>(&ms), sizeof ms);
    setsockopt(s, SOL_SOCKET, SO_SNDTIMEO, reinterpret_cast<const char*>(&ms), sizeof ms);
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
int WaitWritable(SocketHandle s, int milliseconds) {
    pollfd fd{s, POLLOUT, 0};
    return poll(&fd, 1, milliseconds);
}
bool ConnectPending() {
    return errno == EINPROGRESS;
}
void SetTimeouts(SocketHandle s, int seconds) {
    timeval tv{seconds, 0};
    setsockopt(s, SOL_SOCKET, SO_RCVTIMEO, &tv, sizeof tv);
    setsockopt(s, SOL_SOCKET, SO_SNDTIMEO, &tv, sizeof tv);
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
            ready = WaitWritable(s, std::min(kSliceMs, timeoutMs - waited));
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
    SetBlocking(s, true);
    return s;
}

}  // namespace

struct MailConnection::Impl {
    // Guards `socket` against Abort from another thread while it is closed and reused.
    std::mutex mutex;
    std::atomic<bool> aborted{false};
    SocketHandle socket = kNoSocket;
#ifdef KAGIROI_HAVE_OPENSSL
    SSL_CTX* context = nullptr;
    SSL* tls = nullptr;
#endif
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

void MailConnection::SetReceiveTimeout(int seconds) {
    if (IsOpen()) SetTimeouts(impl_->socket, seconds < 1 ? 1 : seconds);
}

bool MailConnection::Send(std::string_view bytes) {
    while (IsOpen() && !bytes.empty()) {
        int sent = 0;
        const int chunk = static_cast<int>(bytes.size() > 65536 ? 65536 : bytes.size());
#ifdef KAGIROI_HAVE_OPENSSL
        if (impl_->tls)
            sent = SSL_write(impl_->tls, bytes.data(), chunk);
        else
#endif
            sent = static_cast<int>(::send(impl_->socket, bytes.data(), chunk, kSendFlags));
        if (sent <= 0) {
            Close();
            return false;
        }
        bytes.remove_prefix(static_cast<size_t>(sent));
    }
    return IsOpen();
}

std::optional<std::string> MailConnection::Receive(size_t maxBytes) {
    if (!IsOpen()) return std::nullopt;
    std::string buffer(maxBytes, '\0');
    int received = 0;
#ifdef KAGIROI_HAVE_OPENSSL
    if (impl_->tls)
        received = SSL_read(impl_->tls, buffer.data(), static_cast<int>(maxBytes));
    else
#endif
        received =
            static_cast<int>(::recv(impl_->socket, buffer.data(), static_cast<int>(maxBytes), 0));
    if (received <= 0) {
        Close();
        return std::nullopt;
    }
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
    if (SSL_connect(c.tls) == 1) return "";
    std::string reason = TlsFailure(c.tls);
    Close();
    return reason;
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
