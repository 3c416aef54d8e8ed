// Top-level windows of other processes, reached by title through a socket in the per-user runtime folder.
//
// While a title is published, its process listens on the socket named after the title. A post is one connection that
// carries one fixed-size record (magic, message, wParam, lParam) and is closed by the sender at once; the listener
// accepts and reads it from its own event loop. A connection that ends without a whole record (a probe of Exists)
// is dropped silently.
#include "platform/RemoteWindow.h"

#include "platform/EventLoop.h"
#include "platform/LittleEndian.h"
#include "platform/LocalSocket.h"

#include <map>
#include <memory>
#include <poll.h>
#include <string>

namespace platform::remote {

namespace {

constexpr std::chrono::milliseconds kSendTimeout {2000};
constexpr size_t kRecordSize = 24;
constexpr std::uint32_t kMagic = 0x47534D57;  // "WMSG"
// Connections that have not delivered their record yet; more are refused, so a flood cannot exhaust descriptors.
constexpr size_t kMaxPending = 32;

struct Connection {
    LocalSocket socket;
    std::uint64_t watch = 0;
    std::string buffer;
};

struct Published {
    LocalSocket listener;
    std::uint64_t watch = 0;
    EventLoop* loop = nullptr;
    Deliver deliver;
    std::map<int, Connection> pending;  // by descriptor
};

std::map<std::string, std::shared_ptr<Published>>& Titles()
{
    static std::map<std::string, std::shared_ptr<Published>> titles;
    return titles;
}

std::string AddressOf(const CString& title)
{
    return LocalSocket::Address("window", title.str());
}

void DropConnection(Published& pub, int fd)
{
    auto it = pub.pending.find(fd);
    if (it == pub.pending.end())
        return;
    pub.loop->UnwatchFd(it->second.watch);
    pub.pending.erase(it);
}

void HandOver(const std::shared_ptr<Published>& pub, UINT message, WPARAM wParam, LPARAM lParam)
{
    // The task holds only a weak reference: a window unpublished before the task runs no longer receives it, as a
    // message posted to a destroyed window is dropped.
    std::weak_ptr<Published> weak = pub;
    auto task = [weak, message, wParam, lParam] {
        if (std::shared_ptr<Published> alive = weak.lock())
            alive->deliver(message, wParam, lParam);
    };
    // A close is acted on only in the main loop, never under a running modal dialog or message box.
    if (message == WM_CLOSE)
        pub->loop->PostDeferred(task);
    else
        pub->loop->Post(task);
}

void OnConnectionReadable(const std::weak_ptr<Published>& weak, int fd)
{
    std::shared_ptr<Published> pub = weak.lock();
    if (!pub)
        return;
    auto it = pub->pending.find(fd);
    if (it == pub->pending.end())
        return;
    Connection& conn = it->second;
    bool open = conn.socket.ReadAvailable(conn.buffer);
    if (conn.buffer.size() >= kRecordSize) {
        std::string record = conn.buffer.substr(0, kRecordSize);
        DropConnection(*pub, fd);
        if (GetLE(record, 0, 4) == kMagic) {
            HandOver(pub, static_cast<UINT>(GetLE(record, 4, 4)), static_cast<WPARAM>(GetLE(record, 8, 8)),
                     static_cast<LPARAM>(GetLE(record, 16, 8)));
        }
        return;
    }
    if (!open)
        DropConnection(*pub, fd);
}

void OnListenerReadable(const std::weak_ptr<Published>& weak)
{
    std::shared_ptr<Published> pub = weak.lock();
    if (!pub)
        return;
    for (;;) {
        LocalSocket sock = pub->listener.Accept();
        if (!sock.IsValid())
            return;
        if (pub->pending.size() >= kMaxPending)
            continue;  // closed at once
        int fd = sock.Fd();
        Connection& conn = pub->pending[fd];
        conn.socket = std::move(sock);
        conn.watch = pub->loop->WatchFd(fd, POLLIN, [weak](int readyFd, short) { OnConnectionReadable(weak, readyFd); });
        // The sender writes its record before it closes, so it is usually there already: read it in this pass, which
        // also keeps posts in the order they were made.
        OnConnectionReadable(weak, fd);
    }
}

}  // namespace

bool Publish(const CString& title, Deliver deliver)
{
    if (Titles().count(title.str()))
        return false;
    auto pub = std::make_shared<Published>();
    pub->listener = LocalSocket::Listen(AddressOf(title));
    if (!pub->listener.IsValid())
        return false;
    pub->loop = &EventLoop::Current();
    pub->deliver = std::move(deliver);
    std::weak_ptr<Published> weak = pub;
    pub->watch = pub->loop->WatchFd(pub->listener.Fd(), POLLIN, [weak](int, short) { OnListenerReadable(weak); });
    Titles()[title.str()] = pub;
    return true;
}

void Unpublish(const CString& title)
{
    auto it = Titles().find(title.str());
    if (it == Titles().end())
        return;
    std::shared_ptr<Published> pub = it->second;
    Titles().erase(it);
    for (auto& [fd, conn] : pub->pending)
        pub->loop->UnwatchFd(conn.watch);
    pub->pending.clear();
    pub->loop->UnwatchFd(pub->watch);
    pub->listener.Close();
}

bool Exists(const CString& title)
{
    LocalSocket sock = LocalSocket::Connect(AddressOf(title));
    // A full queue (EAGAIN) still means somebody listens.
    return sock.IsValid() || errno == EAGAIN;
}

bool Post(const CString& title, UINT message, WPARAM wParam, LPARAM lParam)
{
    LocalSocket sock = LocalSocket::Connect(AddressOf(title));
    if (!sock.IsValid())
        return false;
    std::string record;
    PutU32(record, kMagic);
    PutU32(record, message);
    PutLE(record, static_cast<std::uint64_t>(wParam), 8);
    PutLE(record, static_cast<std::uint64_t>(lParam), 8);
    return sock.SendAll(record.data(), record.size(), kSendTimeout);
}

}  // namespace platform::remote
