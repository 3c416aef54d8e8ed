// A Unix-domain stream socket in the abstract namespace, named per user, for talking to other processes.
//
// Abstract names vanish with the last descriptor that holds them, so a process that dies leaves nothing behind that
// could block the next one. Every name carries the user id, and both ends check the peer's credentials, so a process
// of another user can neither serve nor reach our names. Descriptors are non-blocking and close on exec; writes never
// raise SIGPIPE.
#pragma once

#include <chrono>
#include <string>
#include <string_view>

namespace platform {

class LocalSocket {
public:
    LocalSocket() = default;
    explicit LocalSocket(int fd) : m_fd(fd) {}
    ~LocalSocket() { Close(); }
    LocalSocket(LocalSocket&& other) noexcept : m_fd(other.Release()) {}
    LocalSocket& operator=(LocalSocket&& other) noexcept;
    LocalSocket(const LocalSocket&) = delete;
    LocalSocket& operator=(const LocalSocket&) = delete;

    // The abstract address of `name` in the namespace `kind` for the calling user ("kind" keeps windows, DDE
    // services and whatever comes later apart). Names too long for an address are replaced by a hash of them.
    static std::string Address(std::string_view kind, std::string_view name);

    // Listens on an address. Fails (invalid socket, errno EADDRINUSE) while any live process holds the address.
    static LocalSocket Listen(const std::string& address);

    // Connects to a listening address. Fails at once (invalid socket, errno ECONNREFUSED) when nobody listens, and
    // when the listener belongs to another user (EACCES). Never waits for the listener to accept.
    static LocalSocket Connect(const std::string& address);

    // Accepts the next waiting connection of this user; connections of other users are dropped. Invalid (errno
    // EAGAIN) when none waits.
    LocalSocket Accept() const;

    bool IsValid() const { return m_fd >= 0; }
    int Fd() const { return m_fd; }
    int Release();
    void Close();

    // Writes all bytes, waiting for room in the socket buffer at most `timeout` in all. False when the peer has
    // gone or the time ran out (the stream is then unusable).
    bool SendAll(const void* data, size_t size, std::chrono::milliseconds timeout) const;

    // Appends everything that can be read now to `buffer`. Returns false once the peer has closed (end of stream or
    // reset); bytes read before that are still appended.
    bool ReadAvailable(std::string& buffer) const;

    // The process id of the peer (the listener's for a connected socket), or -1.
    int PeerPid() const;

private:
    int m_fd = -1;
};

}  // namespace platform
