// DDE services and conversations over Unix-domain sockets in the runtime folder, served from the event loop.
#include "platform/DdeRuntime.h"

#include "platform/EventLoop.h"

#include <algorithm>
#include <cerrno>
#include <poll.h>
#include <unistd.h>
#include <vector>

namespace platform {

namespace {

std::string ServiceAddress(const std::string& service)
{
    // Service names are compared without regard to case, so the address uses the folded name.
    return LocalSocket::Address("dde", DdeStringTable::Key(service));
}

}  // namespace

DdeRuntime& DdeRuntime::Get()
{
    static DdeRuntime runtime;
    return runtime;
}

DdeRuntime::Instance* DdeRuntime::FindInstance(DWORD id)
{
    auto it = instances.find(id);
    return it == instances.end() ? nullptr : &it->second;
}

void DdeRuntime::Fail(DWORD instance, UINT error)
{
    if (Instance* inst = FindInstance(instance))
        inst->lastError = error;
}

std::uint64_t DdeRuntime::NewData(DWORD instance, std::string bytes, std::uint64_t item, UINT format, bool appOwned)
{
    if (item && !strings.AddRef(item))
        item = 0;
    std::uint64_t key = NewKey();
    data[key] = Data {instance, std::move(bytes), item, format, appOwned};
    return key;
}

void DdeRuntime::FreeData(std::uint64_t key)
{
    auto it = data.find(key);
    if (it == data.end())
        return;
    if (it->second.item)
        strings.Release(it->second.item);
    data.erase(it);
}

DdeRuntime::Conversation* DdeRuntime::FindConv(std::uint64_t key)
{
    auto it = m_convs.find(key);
    return it == m_convs.end() ? nullptr : &it->second;
}

std::uint64_t DdeRuntime::AddWatch(EventLoop& loop, int fd, std::function<void()> handler)
{
    std::uint64_t key = NewKey();
    Watch& watch = m_watches[key];
    watch.fd = fd;
    watch.handler = std::move(handler);
    watch.loop = &loop;
    watch.loopWatch = loop.WatchFd(fd, POLLIN, [this, key](int, short) {
        auto it = m_watches.find(key);
        if (it != m_watches.end()) {
            std::function<void()> handler = it->second.handler;  // the handler may remove its own watch
            handler();
        }
    });
    return key;
}

void DdeRuntime::RemoveWatch(std::uint64_t key)
{
    auto it = m_watches.find(key);
    if (it == m_watches.end())
        return;
    it->second.loop->UnwatchFd(it->second.loopWatch);
    m_watches.erase(it);
}

HDDEDATA DdeRuntime::Call(DWORD instance, UINT type, UINT format, std::uint64_t conv, std::uint64_t hsz1,
                          std::uint64_t hsz2, std::uint64_t hdata, ULONG_PTR data1, ULONG_PTR data2)
{
    Instance* inst = FindInstance(instance);
    if (!inst || !inst->callback)
        return nullptr;
    PFNCALLBACK callback = inst->callback;
    return callback(type, format, ToHandle<HCONV>(conv), ToHandle<HSZ>(hsz1), ToHandle<HSZ>(hsz2),
                    ToHandle<HDDEDATA>(hdata), data1, data2);
}

// ---- services ----

HDDEDATA DdeRuntime::Register(DWORD instance, std::uint64_t service)
{
    Instance* inst = FindInstance(instance);
    const std::string* name = strings.Text(service);
    if (!inst || !name) {
        Fail(instance, DMLERR_INVALIDPARAMETER);
        return nullptr;
    }
    if (inst->clientOnly) {
        Fail(instance, DMLERR_DLL_USAGE);
        return nullptr;
    }
    for (const auto& [key, svc] : m_services)
        if (svc.instance == instance && svc.name == service)
            return ToHandle<HDDEDATA>(1);
    std::uint64_t key = NewKey();
    Service& svc = m_services[key];
    svc.instance = instance;
    svc.name = service;
    strings.AddRef(service);
    svc.address = ServiceAddress(*name);
    TryListen(key);
    auto it = m_services.find(key);
    if (!it->second.listener.IsValid() && !it->second.retryTimer) {
        RemoveService(key);
        Fail(instance, DMLERR_SYS_ERROR);
        return nullptr;
    }
    return ToHandle<HDDEDATA>(1);
}

void DdeRuntime::TryListen(std::uint64_t key)
{
    auto it = m_services.find(key);
    if (it == m_services.end())
        return;
    Service& svc = it->second;
    Instance* inst = FindInstance(svc.instance);
    if (!inst || svc.listener.IsValid())
        return;
    svc.listener = LocalSocket::Listen(svc.address);
    if (svc.listener.IsValid()) {
        if (svc.retryTimer) {
            inst->loop->RemoveTimer(svc.retryTimer);
            svc.retryTimer = 0;
        }
        svc.watch = AddWatch(*inst->loop, svc.listener.Fd(), [this, key] { OnListenerReadable(key); });
        return;
    }
    // The name is still served by a live process, typically an instance of the same program that is closing: take
    // the name over as soon as that process lets go of it.
    if (errno == EADDRINUSE && !svc.retryTimer)
        svc.retryTimer = inst->loop->AddTimer(kRegisterRetry, [this, key] { TryListen(key); });
}

void DdeRuntime::RemoveService(std::uint64_t key)
{
    auto it = m_services.find(key);
    if (it == m_services.end())
        return;
    Service& svc = it->second;
    if (svc.watch)
        RemoveWatch(svc.watch);
    if (svc.retryTimer)
        if (Instance* inst = FindInstance(svc.instance))
            inst->loop->RemoveTimer(svc.retryTimer);
    strings.Release(svc.name);
    m_services.erase(it);  // closes the listener; the name is free again
}

HDDEDATA DdeRuntime::Unregister(DWORD instance, std::uint64_t service)
{
    std::vector<std::uint64_t> keys;
    for (const auto& [key, svc] : m_services)
        if (svc.instance == instance && (service == 0 || svc.name == service))
            keys.push_back(key);
    if (keys.empty()) {
        Fail(instance, DMLERR_INVALIDPARAMETER);
        return nullptr;
    }
    // Conversations already accepted go on; only new connections are no longer accepted.
    for (std::uint64_t key : keys)
        RemoveService(key);
    return ToHandle<HDDEDATA>(1);
}

bool DdeRuntime::IsListening(DWORD instance, std::uint64_t service) const
{
    for (const auto& [key, svc] : m_services)
        if (svc.instance == instance && svc.name == service)
            return svc.listener.IsValid();
    return false;
}

void DdeRuntime::OnListenerReadable(std::uint64_t serviceKey)
{
    for (;;) {
        auto it = m_services.find(serviceKey);
        if (it == m_services.end())
            return;
        LocalSocket sock = it->second.listener.Accept();
        if (!sock.IsValid())
            return;
        size_t unconnected = 0;
        for (const auto& [key, conv] : m_convs)
            unconnected += conv.server && !conv.connected;
        if (unconnected >= kMaxUnconnected)
            continue;  // closed at once
        Instance* inst = FindInstance(it->second.instance);
        if (!inst)
            return;
        std::uint64_t key = NewKey();
        Conversation& conv = m_convs[key];
        conv.instance = it->second.instance;
        conv.server = true;
        conv.socket = std::move(sock);
        conv.watch = AddWatch(*inst->loop, conv.socket.Fd(), [this, key] { OnConversationReadable(key); });
        // The client writes its request right after connecting: serve it in this pass, in the order of arrival.
        OnConversationReadable(key);
    }
}

// ---- conversations ----

void DdeRuntime::OnConversationReadable(std::uint64_t key)
{
    Conversation* conv = FindConv(key);
    if (!conv)
        return;
    bool open = conv->socket.ReadAvailable(conv->inbox);
    // Every whole frame is handled before an end of stream, so what was sent before a disconnect arrives first.
    for (;;) {
        conv = FindConv(key);
        if (!conv)
            return;  // ended by a callback
        DdeFrame frame;
        DdeFrame::Take taken = DdeFrame::TakeFrom(conv->inbox, frame);
        if (taken == DdeFrame::Take::NeedMore)
            break;
        if (taken == DdeFrame::Take::Broken) {
            open = false;
            break;
        }
        if (conv->server)
            OnServerFrame(key, frame);
        else
            OnClientFrame(key, frame);
    }
    if (!open && FindConv(key))
        PeerGone(key);
}

void DdeRuntime::OnServerFrame(std::uint64_t key, DdeFrame& frame)
{
    Conversation* conv = FindConv(key);
    DWORD instance = conv->instance;
    if (!conv->connected) {
        if (frame.kind != DdeFrame::Kind::Connect || frame.status != DdeFrame::kProtocolVersion) {
            Destroy(key);
            return;
        }
        conv->service = strings.Add(frame.item);
        conv->topic = frame.data.empty() ? 0 : strings.Add(frame.data);
        conv->sameInstance =
            frame.format == static_cast<std::uint32_t>(getpid()) && frame.xid == static_cast<std::uint32_t>(instance);
        std::uint64_t service = conv->service;
        std::uint64_t topic = conv->topic;
        ULONG_PTR same = conv->sameInstance;
        HDDEDATA accepted = Call(instance, XTYP_CONNECT, 0, 0, topic, service, 0, 0, same);
        if (!FindConv(key))
            return;
        DdeFrame reply;
        reply.kind = DdeFrame::Kind::ConnectReply;
        reply.status = accepted ? 1 : 0;
        Send(key, reply);
        if (!accepted) {
            Destroy(key);
            return;
        }
        FindConv(key)->connected = true;
        Call(instance, XTYP_CONNECT_CONFIRM, 0, key, topic, service, 0, 0, same);
        return;
    }
    if (frame.kind != DdeFrame::Kind::Poke && frame.kind != DdeFrame::Kind::Request)
        return;
    std::uint64_t topic = conv->topic;
    std::uint64_t item = strings.Add(frame.item);  // held for the callback
    DdeFrame reply;
    reply.xid = frame.xid;
    reply.format = frame.format;
    if (frame.kind == DdeFrame::Kind::Poke) {
        std::uint64_t hdata = NewData(instance, std::move(frame.data), item, frame.format, false);
        HDDEDATA result = Call(instance, XTYP_POKE, frame.format, key, topic, item, hdata, 0, 0);
        FreeData(hdata);  // valid during the callback only
        reply.kind = DdeFrame::Kind::PokeReply;
        reply.status = static_cast<std::uint32_t>(KeyOf(result) & (DDE_FACK | DDE_FBUSY));
    } else {
        HDDEDATA result = Call(instance, XTYP_REQUEST, frame.format, key, topic, item, 0, 0, 0);
        reply.kind = DdeFrame::Kind::RequestReply;
        auto answer = data.find(KeyOf(result));
        if (answer != data.end()) {
            reply.status = DDE_FACK;
            reply.format = answer->second.format;
            reply.data = answer->second.bytes;
            if (!answer->second.appOwned)
                FreeData(answer->first);
        }
    }
    strings.Release(item);
    if (FindConv(key))
        Send(key, reply);
}

void DdeRuntime::OnClientFrame(std::uint64_t key, DdeFrame& frame)
{
    Conversation* conv = FindConv(key);
    if (conv->waiting && (!conv->connected ? frame.kind == DdeFrame::Kind::ConnectReply : frame.xid == conv->waitXid)) {
        conv->haveReply = true;
        conv->reply = std::move(frame);
        return;
    }
    if (!conv->connected ||
        (frame.kind != DdeFrame::Kind::PokeReply && frame.kind != DdeFrame::Kind::RequestReply))
        return;
    auto pending = conv->async.find(frame.xid);
    if (pending == conv->async.end())
        return;  // the answer to a synchronous call that timed out
    Pending done = pending->second;
    conv->async.erase(pending);
    std::uint64_t hdata = 0;
    if (done.type == XTYP_REQUEST) {
        if (frame.status & DDE_FACK)
            hdata = NewData(conv->instance, std::move(frame.data), done.item, frame.format, false);
    } else {
        hdata = (frame.status & DDE_FACK) ? 1 : 0;
    }
    Call(conv->instance, XTYP_XACT_COMPLETE, done.format, key, conv->topic, done.item, hdata, frame.xid, frame.status);
    if (done.type == XTYP_REQUEST)
        FreeData(hdata);
    strings.Release(done.item);
}

void DdeRuntime::PeerGone(std::uint64_t key)
{
    Conversation* conv = FindConv(key);
    bool notify = conv->connected;
    DWORD instance = conv->instance;
    ULONG_PTR same = conv->sameInstance;
    Destroy(key);
    if (notify)
        Call(instance, XTYP_DISCONNECT, 0, key, 0, 0, 0, 0, same);
}

void DdeRuntime::Destroy(std::uint64_t key)
{
    Conversation* conv = FindConv(key);
    if (!conv)
        return;
    RemoveWatch(conv->watch);
    if (conv->service)
        strings.Release(conv->service);
    if (conv->topic)
        strings.Release(conv->topic);
    for (const auto& [xid, pending] : conv->async)
        strings.Release(pending.item);
    m_convs.erase(key);  // closes the socket: the peer reads what was sent, then the end of the stream
}

bool DdeRuntime::Send(std::uint64_t key, const DdeFrame& frame)
{
    Conversation* conv = FindConv(key);
    std::string bytes = frame.Encode();
    return conv && conv->socket.SendAll(bytes.data(), bytes.size(), kSendTimeout);
}

void DdeRuntime::PollOnce(std::chrono::milliseconds wait)
{
    std::vector<pollfd> fds;
    std::vector<std::uint64_t> keys;
    for (const auto& [key, watch] : m_watches) {
        fds.push_back(pollfd {watch.fd, POLLIN, 0});
        keys.push_back(key);
    }
    int timeout = static_cast<int>(std::min<long long>(std::max<long long>(wait.count(), 0), 1 << 30));
    if (::poll(fds.data(), fds.size(), timeout) <= 0)
        return;
    for (size_t i = 0; i < fds.size(); ++i) {
        if (fds[i].revents == 0)
            continue;
        auto it = m_watches.find(keys[i]);
        if (it == m_watches.end())
            continue;
        std::function<void()> handler = it->second.handler;
        handler();
    }
}

DdeRuntime::WaitResult DdeRuntime::Wait(std::uint64_t key, std::uint32_t xid, std::chrono::milliseconds timeout,
                                        DdeFrame& reply)
{
    using Clock = std::chrono::steady_clock;
    Clock::time_point deadline = Clock::now() + timeout;
    Conversation* conv = FindConv(key);
    conv->waiting = true;
    conv->waitXid = xid;
    conv->haveReply = false;
    ++m_syncDepth;
    WaitResult result;
    for (;;) {
        conv = FindConv(key);
        if (!conv) {
            result = WaitResult::Gone;
            break;
        }
        if (conv->haveReply) {
            reply = std::move(conv->reply);
            result = WaitResult::Reply;
            break;
        }
        auto left = std::chrono::ceil<std::chrono::milliseconds>(deadline - Clock::now());
        if (left.count() <= 0) {
            result = WaitResult::Timeout;
            break;
        }
        PollOnce(left);
    }
    if (conv) {
        conv->waiting = false;
        conv->haveReply = false;
    }
    --m_syncDepth;
    return result;
}

HCONV DdeRuntime::Connect(DWORD instance, std::uint64_t service, std::uint64_t topic)
{
    Instance* inst = FindInstance(instance);
    const std::string* serviceName = strings.Text(service);
    const std::string* topicName = topic ? strings.Text(topic) : nullptr;
    if (!inst || !serviceName || (topic && !topicName)) {
        Fail(instance, DMLERR_INVALIDPARAMETER);
        return nullptr;
    }
    if (m_syncDepth > 0) {
        Fail(instance, DMLERR_REENTRANCY);
        return nullptr;
    }
    LocalSocket sock = LocalSocket::Connect(ServiceAddress(*serviceName));
    if (!sock.IsValid()) {
        Fail(instance, DMLERR_NO_CONV_ESTABLISHED);  // nobody serves the name: at once, no waiting
        return nullptr;
    }
    std::uint64_t key = NewKey();
    Conversation& conv = m_convs[key];
    conv.instance = instance;
    conv.socket = std::move(sock);
    conv.service = service;
    strings.AddRef(service);
    conv.topic = topic;
    if (topic)
        strings.AddRef(topic);
    conv.watch = AddWatch(*inst->loop, conv.socket.Fd(), [this, key] { OnConversationReadable(key); });

    DdeFrame hello;
    hello.kind = DdeFrame::Kind::Connect;
    hello.status = DdeFrame::kProtocolVersion;
    hello.xid = instance;
    hello.format = static_cast<std::uint32_t>(getpid());
    hello.item = *serviceName;
    hello.data = topicName ? *topicName : std::string();
    DdeFrame reply;
    if (!Send(key, hello) || Wait(key, 0, kConnectTimeout, reply) != WaitResult::Reply || reply.status != 1) {
        Destroy(key);
        Fail(instance, DMLERR_NO_CONV_ESTABLISHED);
        return nullptr;
    }
    FindConv(key)->connected = true;
    return ToHandle<HCONV>(key);
}

bool DdeRuntime::Disconnect(std::uint64_t key)
{
    Conversation* conv = FindConv(key);
    if (!conv || !conv->connected)
        return false;
    Destroy(key);
    return true;
}

HDDEDATA DdeRuntime::Transact(LPBYTE bytes, DWORD size, std::uint64_t key, std::uint64_t item, UINT format,
                              UINT type, DWORD timeout, LPDWORD result)
{
    Conversation* conv = FindConv(key);
    if (!conv || !conv->connected || conv->server)
        return nullptr;  // no instance to report to
    DWORD instance = conv->instance;
    if (type != XTYP_POKE && type != XTYP_REQUEST) {
        Fail(instance, DMLERR_INVALIDPARAMETER);
        return nullptr;
    }
    std::string payload;
    if (type == XTYP_POKE) {
        if (size == 0xFFFFFFFFul) {
            auto handle = data.find(KeyOf(bytes));
            if (handle == data.end()) {
                Fail(instance, DMLERR_INVALIDPARAMETER);
                return nullptr;
            }
            payload = handle->second.bytes;
            if (!item)
                item = handle->second.item;
            if (!format)
                format = handle->second.format;
            if (!handle->second.appOwned)
                FreeData(handle->first);  // handed to the system with the transaction
        } else if (bytes || size == 0) {
            payload.assign(reinterpret_cast<const char*>(bytes), bytes ? size : 0);
        } else {
            Fail(instance, DMLERR_INVALIDPARAMETER);
            return nullptr;
        }
    }
    const std::string* itemName = strings.Text(item);
    if (!itemName) {
        Fail(instance, DMLERR_INVALIDPARAMETER);
        return nullptr;
    }
    bool async = timeout == TIMEOUT_ASYNC;
    if (!async && m_syncDepth > 0) {
        Fail(instance, DMLERR_REENTRANCY);
        return nullptr;
    }
    std::uint32_t xid = ++conv->nextXid;
    if (xid == 0)
        xid = ++conv->nextXid;
    DdeFrame frame;
    frame.kind = type == XTYP_POKE ? DdeFrame::Kind::Poke : DdeFrame::Kind::Request;
    frame.xid = xid;
    frame.format = format;
    frame.item = *itemName;
    frame.data = std::move(payload);
    if (!Send(key, frame)) {
        Fail(instance, DMLERR_POSTMSG_FAILED);
        return nullptr;
    }
    if (async) {
        strings.AddRef(item);
        conv->async[xid] = Pending {type, item, format};
        if (result)
            *result = xid;
        return ToHandle<HDDEDATA>(1);
    }
    DdeFrame reply;
    switch (Wait(key, xid, std::chrono::milliseconds(timeout), reply)) {
    case WaitResult::Gone:
        Fail(instance, DMLERR_SERVER_DIED);
        return nullptr;
    case WaitResult::Timeout:
        Fail(instance, type == XTYP_POKE ? DMLERR_POKEACKTIMEOUT : DMLERR_DATAACKTIMEOUT);
        return nullptr;
    case WaitResult::Reply:
        break;
    }
    if (result)
        *result = reply.status;
    if (!(reply.status & DDE_FACK)) {
        Fail(instance, (reply.status & DDE_FBUSY) ? DMLERR_BUSY : DMLERR_NOTPROCESSED);
        return nullptr;
    }
    if (type == XTYP_POKE)
        return ToHandle<HDDEDATA>(1);
    return ToHandle<HDDEDATA>(NewData(instance, std::move(reply.data), item, reply.format, false));
}

void DdeRuntime::CloseInstance(DWORD instance)
{
    std::vector<std::uint64_t> keys;
    for (const auto& [key, conv] : m_convs)
        if (conv.instance == instance)
            keys.push_back(key);
    for (std::uint64_t key : keys)
        Destroy(key);
    keys.clear();
    for (const auto& [key, svc] : m_services)
        if (svc.instance == instance)
            keys.push_back(key);
    for (std::uint64_t key : keys)
        RemoveService(key);
    keys.clear();
    for (const auto& [key, d] : data)
        if (d.instance == instance)
            keys.push_back(key);
    for (std::uint64_t key : keys)
        FreeData(key);
    if (Instance* inst = FindInstance(instance)) {
        for (const auto& [hsz, refs] : inst->strings)
            for (long i = 0; i < refs; ++i)
                strings.Release(hsz);
        instances.erase(instance);
    }
}

}  // namespace platform
