// Unix-domain stream sockets in the per-user runtime folder.
#include "platform/LocalSocket.h"

#include "platform/RuntimeFolder.h"

#include <algorithm>
#include <cerrno>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <sys/file.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace platform {

namespace {

// False (errno EACCES or ENAMETOOLONG) when the address cannot be a socket file path.
bool FillAddress(sockaddr_un& addr, const std::string& address)
{
    std::memset(&addr, 0, sizeof addr);
    addr.sun_family = AF_UNIX;
    if (address.empty()) {
        errno = EACCES;  // no safe runtime folder
        return false;
    }
    if (address.size() >= sizeof addr.sun_path) {
        errno = ENAMETOOLONG;
        return false;
    }
    std::memcpy(addr.sun_path, address.data(), address.size());
    return true;
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

LocalSocket::LocalSocket(LocalSocket&& other) noexcept
    : m_fd(other.m_fd), m_lockFd(other.m_lockFd), m_path(std::move(other.m_path))
{
    other.m_fd = -1;
    other.m_lockFd = -1;
    other.m_path.clear();
}

LocalSocket& LocalSocket::operator=(LocalSocket&& other) noexcept
{
    if (this != &other) {
        Close();
        m_fd = other.m_fd;
        m_lockFd = other.m_lockFd;
        m_path = std::move(other.m_path);
        other.m_fd = -1;
        other.m_lockFd = -1;
        other.m_path.clear();
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
    int saved = errno;
    // A listener gives its name up in this order: the socket file goes while the lock still says that the name is
    // ours, so a successor that takes the lock never has its own socket file removed.
    if (!m_path.empty())
        ::unlink(m_path.c_str());
    m_path.clear();
    if (m_fd >= 0)
        ::close(m_fd);
    m_fd = -1;
    if (m_lockFd >= 0)
        ::close(m_lockFd);
    m_lockFd = -1;
    errno = saved;
}

std::string LocalSocket::Address(std::string_view kind, std::string_view name)
{
    std::string folder = RuntimeFolder();
    if (folder.empty())
        return {};
    std::string prefix = folder + "/" + std::string(kind) + ".";
    const std::string suffix = ".sock";
    size_t room = sizeof(sockaddr_un::sun_path) - 1;
    // Room for at least a hashed stem; a runtime folder with a longer path gets addresses Listen refuses.
    size_t left = prefix.size() + suffix.size() < room ? room - prefix.size() - suffix.size() : 17;
    return prefix + RuntimeFileStem(name, std::max<size_t>(left, 17)) + suffix;
}

LocalSocket LocalSocket::Listen(const std::string& address)
{
    sockaddr_un addr;
    if (!FillAddress(addr, address))
        return {};
    std::string lockPath = address + ".lock";
    int lockFd = ::open(lockPath.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
    if (lockFd < 0)
        return {};
    int rc;
    do
        rc = ::flock(lockFd, LOCK_EX | LOCK_NB);
    while (rc != 0 && errno == EINTR);
    if (rc != 0) {
        ::close(lockFd);
        errno = EADDRINUSE;  // a live process listens
        return {};
    }
    LocalSocket sock(::socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0));
    sock.m_lockFd = lockFd;
    if (!sock.IsValid())
        return {};
    // Whatever socket file is there belongs to nobody alive: whoever made it let go of the lock.
    ::unlink(address.c_str());
    if (::bind(sock.m_fd, reinterpret_cast<sockaddr*>(&addr), sizeof addr) != 0)
        return {};
    sock.m_path = address;
    if (::listen(sock.m_fd, 64) != 0)
        return {};
    return sock;
}

LocalSocket LocalSocket::Connect(const std::string& address)
{
    LocalSocket sock(::socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0));
    if (!sock.IsValid())
        return {};
    sockaddr_un addr;
    if (!FillAddress(addr, address))
        return {};
    // A Unix-domain connect completes at once when the listener's queue has room; it never waits for accept.
    if (::connect(sock.m_fd, reinterpret_cast<sockaddr*>(&addr), sizeof addr) != 0) {
        if (errno == ENOENT)
            errno = ECONNREFUSED;  // no socket file: nobody listens, as for a file left behind
        return {};
    }
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
