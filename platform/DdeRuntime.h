// The process's DDE state behind the DDEML calls: instances, string and data handles, services and conversations.
//
// Ddeml.cpp holds the calls on instances, strings and data; DdeRuntime.cpp the services, conversations and the
// protocol on their sockets. Handle values handed out are table keys cast to the handle types; keys are never
// reused, so a stale handle is simply not found.
#pragma once

#include "platform/DdeFrame.h"
#include "platform/DdeStringTable.h"
#include "platform/Ddeml.h"
#include "platform/LocalSocket.h"

#include <chrono>
#include <cstdint>
#include <functional>
#include <map>
#include <string>

namespace platform {

class EventLoop;

template <class Handle>
Handle ToHandle(std::uint64_t key)
{
    return reinterpret_cast<Handle>(static_cast<std::uintptr_t>(key));
}
inline std::uint64_t KeyOf(const void* handle)
{
    return reinterpret_cast<std::uintptr_t>(handle);
}

class DdeRuntime {
public:
    // How long DdeConnect waits for the server's answer, and a send for room in a full socket buffer.
    static constexpr std::chrono::milliseconds kConnectTimeout {5000};
    static constexpr std::chrono::milliseconds kSendTimeout {5000};
    // Accepted connections that have not said which service and topic they want; more are turned away.
    static constexpr size_t kMaxUnconnected = 64;
    // How often a registration waits for a name that another live process still serves.
    static constexpr std::chrono::milliseconds kRegisterRetry {25};

    struct Instance {
        PFNCALLBACK callback = nullptr;
        bool clientOnly = false;
        EventLoop* loop = nullptr;
        UINT lastError = DMLERR_NO_ERROR;
        std::map<std::uint64_t, long> strings;  // references taken through DdeCreateStringHandleA
    };
    struct Data {
        DWORD instance = 0;
        std::string bytes;
        std::uint64_t item = 0;  // holds a string reference
        UINT format = 0;
        bool appOwned = false;
    };

    static DdeRuntime& Get();

    std::map<DWORD, Instance> instances;
    DdeStringTable strings;
    std::map<std::uint64_t, Data> data;

    Instance* FindInstance(DWORD id);
    void Fail(DWORD instance, UINT error);
    DWORD NewInstanceId() { return m_nextInstance++; }

    std::uint64_t NewData(DWORD instance, std::string bytes, std::uint64_t item, UINT format, bool appOwned);
    void FreeData(std::uint64_t key);

    // Services.
    HDDEDATA Register(DWORD instance, std::uint64_t service);
    HDDEDATA Unregister(DWORD instance, std::uint64_t service);  // service 0: all of the instance
    // Whether the instance has bound the name of a registered service (not merely waiting for it).
    bool IsListening(DWORD instance, std::uint64_t service) const;

    // Conversations.
    HCONV Connect(DWORD instance, std::uint64_t service, std::uint64_t topic);
    bool Disconnect(std::uint64_t conv);
    HDDEDATA Transact(LPBYTE bytes, DWORD size, std::uint64_t conv, std::uint64_t item, UINT format, UINT type,
                      DWORD timeout, LPDWORD result);

    // Ends every conversation and service of the instance and frees what it holds.
    void CloseInstance(DWORD instance);

private:
    struct Service {
        DWORD instance = 0;
        std::uint64_t name = 0;  // holds a string reference
        std::string address;
        LocalSocket listener;
        std::uint64_t watch = 0;
        std::uint64_t retryTimer = 0;
    };
    struct Pending {
        UINT type = 0;
        std::uint64_t item = 0;  // holds a string reference
        UINT format = 0;
    };
    struct Conversation {
        DWORD instance = 0;
        bool server = false;
        bool connected = false;
        bool sameInstance = false;
        LocalSocket socket;
        std::uint64_t watch = 0;
        std::string inbox;
        std::uint64_t service = 0;  // string references
        std::uint64_t topic = 0;
        std::uint32_t nextXid = 0;
        std::map<std::uint32_t, Pending> async;
        // A synchronous call waiting on this conversation.
        bool waiting = false;
        std::uint32_t waitXid = 0;
        bool haveReply = false;
        DdeFrame reply;
    };
    struct Watch {
        int fd = -1;
        std::function<void()> handler;
        EventLoop* loop = nullptr;
        std::uint64_t loopWatch = 0;
    };
    enum class WaitResult { Reply, Timeout, Gone };

    std::uint64_t NewKey() { return m_nextKey++; }
    Conversation* FindConv(std::uint64_t key);
    std::uint64_t AddWatch(EventLoop& loop, int fd, std::function<void()> handler);
    void RemoveWatch(std::uint64_t key);
    HDDEDATA Call(DWORD instance, UINT type, UINT format, std::uint64_t conv, std::uint64_t hsz1, std::uint64_t hsz2,
                  std::uint64_t hdata, ULONG_PTR data1, ULONG_PTR data2);

    void TryListen(std::uint64_t service);
    void RemoveService(std::uint64_t service);
    void OnListenerReadable(std::uint64_t service);
    void OnConversationReadable(std::uint64_t conv);
    void OnServerFrame(std::uint64_t conv, DdeFrame& frame);
    void OnClientFrame(std::uint64_t conv, DdeFrame& frame);
    void PeerGone(std::uint64_t conv);
    void Destroy(std::uint64_t conv);
    bool Send(std::uint64_t conv, const DdeFrame& frame);
    WaitResult Wait(std::uint64_t conv, std::uint32_t xid, std::chrono::milliseconds timeout, DdeFrame& reply);
    void PollOnce(std::chrono::milliseconds wait);

    std::map<std::uint64_t, Service> m_services;
    std::map<std::uint64_t, Conversation> m_convs;
    std::map<std::uint64_t, Watch> m_watches;
    // Keys of conversations and data start high, so that small values such as TRUE or DDE_FACK are never valid.
    std::uint64_t m_nextKey = 0x100000;
    DWORD m_nextInstance = 1;
    int m_syncDepth = 0;
};

}  // namespace platform
