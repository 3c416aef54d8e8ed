// A Unix-domain stream socket in the per-user runtime folder, for talking to other processes of this user.
//
// Every name is a socket file in the runtime folder (platform/RuntimeFolder.h), which no other user can enter, so no
// other user can take a name first or reach ours; both ends also check the peer's credentials. A listener holds a
// lock on a file beside its socket for as long as it listens: the lock, not the socket file, says that a live process
// serves the name. A socket file that a crashed run left behind is therefore taken over by the next listener, and
// the kernel drops the lock of a process that dies. Descriptors are non-blocking and close on exec; writes never raise
// SIGPIPE.
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
    LocalSocket(LocalSocket&& other) noexcept;
    LocalSocket& operator=(LocalSocket&& other) noexcept;
    LocalSocket(const LocalSocket&) = delete;
    LocalSocket& operator=(const LocalSocket&) = delete;

    // The address (socket file path) of `name` of the kind `kind` ("kind" keeps windows, DDE services and whatever
    // comes later apart) in the runtime folder; names too long for an address are replaced by a hash of them. ""
    // when there is no safe runtime folder (Listen and Connect then fail with EACCES).
    static std::string Address(std::string_view kind, std::string_view name);

    // Listens on an address. Fails (invalid socket, errno EADDRINUSE) while any live process listens on it; a socket
    // file left without a live listener is replaced. Closing the listener removes its socket file.
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
    // A listener's lock on "<address>.lock" and its socket file, removed when it closes.
    int m_lockFd = -1;
    std::string m_path;
};

}  // namespace platform
