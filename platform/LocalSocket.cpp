// Abstract-namespace Unix-domain stream sockets named per user.
#include "platform/LocalSocket.h"

#include <algorithm>
#include <cerrno>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace platform {

namespace {

socklen_t FillAddress(sockaddr_un& addr, const std::string& address)
{
    std::memset(&addr, 0, sizeof addr);
    addr.sun_family = AF_UNIX;
    // sun_path[0] stays 0: the abstract namespace. The name is not terminated; its length is in the address size.
    size_t length = std::min(address.size(), sizeof addr.sun_path - 1);
    std::memcpy(addr.sun_path + 1, address.data(), length);
    return static_cast<socklen_t>(offsetof(sockaddr_un, sun_path) + 1 + length);
}

bool PeerIsSameUser(int fd)
{
    ucred cred {};
    socklen_t size = sizeof cred;
    if (getsockopt(fd, SOL_SOCKET, SO_PEERCRED, &cred, &size) != 0)
        return false;
    return cred.uid == getuid();
}

}  // namespace

LocalSocket& LocalSocket::operator=(LocalSocket&& other) noexcept
{
    if (this != &other) {
        Close();
        m_fd = other.Release();
    }
    return *this;
}

int LocalSocket::Release()
{
    int fd = m_fd;
    m_fd = -1;
    return fd;
}

void LocalSocket::Close()
{
    if (m_fd >= 0) {
        int saved = errno;
        ::close(m_fd);
        errno = saved;
        m_fd = -1;
    }
}

std::string LocalSocket::Address(std::string_view kind, std::string_view name)
{
    std::string prefix = "win32/" + std::to_string(getuid()) + "/" + std::string(kind) + "/";
    if (prefix.size() + name.size() <= sizeof(sockaddr_un::sun_path) - 1)
        return prefix + std::string(name);
    // FNV-1a: stable across runs and builds, which std::hash is not required to be.
    std::uint64_t hash = 14695981039346656037ull;
    for (unsigned char c : name) {
        hash ^= c;
        hash *= 1099511628211ull;
    }
    char text[24];
    std::snprintf(text, sizeof text, "#%016llx", static_cast<unsigned long long>(hash));
    return prefix + text;
}

LocalSocket LocalSocket::Listen(const std::string& address)
{
    LocalSocket sock(::socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0));
    if (!sock.IsValid())
        return {};
    sockaddr_un addr;
    socklen_t size = FillAddress(addr, address);
    if (::bind(sock.m_fd, reinterpret_cast<sockaddr*>(&addr), size) != 0 || ::listen(sock.m_fd, 64) != 0)
        return {};
    return sock;
}

LocalSocket LocalSocket::Connect(const std::string& address)
{
    LocalSocket sock(::socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0));
    if (!sock.IsValid())
        return {};
    sockaddr_un addr;
    socklen_t size = FillAddress(addr, address);
    // A Unix-domain connect completes at once when the listener's queue has room; it never waits for accept.
    if (::connect(sock.m_fd, reinterpret_cast<sockaddr*>(&addr), size) != 0)
        return {};
    if (!PeerIsSameUser(sock.m_fd)) {
        errno = EACCES;
        return {};
    }
    return sock;
}

LocalSocket LocalSocket::Accept() const
{
    for (;;) {
        LocalSocket sock(::accept4(m_fd, nullptr, nullptr, SOCK_NONBLOCK | SOCK_CLOEXEC));
        if (!sock.IsValid()) {
            if (errno == EINTR || errno == ECONNABORTED)
                continue;
            return {};
        }
        if (PeerIsSameUser(sock.m_fd))
            return sock;
    }
}

bool LocalSocket::SendAll(const void* data, size_t size, std::chrono::milliseconds timeout) const
{
    const char* p = static_cast<const char*>(data);
    auto deadline = std::chrono::steady_clock::now() + timeout;
    while (size > 0) {
        ssize_t n = ::send(m_fd, p, size, MSG_NOSIGNAL);
        if (n > 0) {
            p += n;
            size -= static_cast<size_t>(n);
            continue;
        }
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) {
            auto left = std::chrono::ceil<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
            if (left.count() <= 0)
                return false;
            pollfd pfd {m_fd, POLLOUT, 0};
            ::poll(&pfd, 1, static_cast<int>(left.count()));
            continue;
        }
        return false;
    }
    return true;
}

bool LocalSocket::ReadAvailable(std::string& buffer) const
{
    char chunk[4096];
    // A bounded amount per call: a peer that keeps writing must not starve the rest of the loop. Whatever is left
    // keeps the descriptor readable for the next pass.
    for (size_t total = 0; total < 256 * 1024;) {
        ssize_t n = ::recv(m_fd, chunk, sizeof chunk, 0);
        if (n > 0) {
            buffer.append(chunk, static_cast<size_t>(n));
            total += static_cast<size_t>(n);
            continue;
        }
        if (n == 0)
            return false;
        if (errno == EINTR)
            continue;
        return errno == EAGAIN || errno == EWOULDBLOCK;
    }
    return true;
}

int LocalSocket::PeerPid() const
{
    ucred cred {};
    socklen_t size = sizeof cred;
    if (getsockopt(m_fd, SOL_SOCKET, SO_PEERCRED, &cred, &size) != 0)
        return -1;
    return cred.pid;
}

}  // namespace platform
