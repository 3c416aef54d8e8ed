// A second process for the inter-process tests: holds a mutex, publishes a window title, serves or calls DDE.
//
// It reports every event as one line on standard output and takes commands line by line on standard input; the end
// of its input ends it. Modes:
//   mutex NAME own|none      CreateMutexA; then commands "wait MS", "release", "close", "exit"
//   window TITLE [modal]     publishes TITLE; "modal" runs a modal loop until a WM_USER arrives; ends on WM_CLOSE
//   dde-server SERVICE       serves SERVICE: accepts every topic but "refuse", answers pokes DDE_FACK (topic "busy":
//                            DDE_FBUSY, "nack": 0, item "slow": after 300 ms) and requests (item "fds": the number of
//                            open descriptors, "none": no data, else "reply:" ITEM NUL 0xA7); commands "quiet" (stop
//                            reporting events), "exit"
//   dde-poke SERVICE TOPIC ITEM HEX [async]   connects, pokes the bytes, disconnects at once, reports, ends
#include "platform/Ddeml.h"
#include "platform/EventLoop.h"
#include "platform/LastError.h"
#include "platform/RemoteWindow.h"
#include "platform/Win32Mutex.h"

#include "ByteText.h"
#include "ChildProcess.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iostream>
#include <poll.h>
#include <string>
#include <unistd.h>

using platform::EventLoop;

namespace {

bool g_quiet = false;

void Say(const std::string& line)
{
    if (g_quiet)
        return;
    std::fputs((line + "\n").c_str(), stdout);
    std::fflush(stdout);
}

std::string Unhex(const std::string& hex)
{
    std::string out;
    for (size_t i = 0; i + 1 < hex.size(); i += 2)
        out += static_cast<char>(std::stoi(hex.substr(i, 2), nullptr, 16));
    return out;
}

// Ends the process when its input ends; hands complete lines to `command`.
void WatchInput(std::function<void(const std::string&)> command)
{
    static std::string buffer;
    EventLoop::Current().WatchFd(0, POLLIN, [command](int fd, short) {
        char chunk[256];
        ssize_t n = read(fd, chunk, sizeof chunk);
        if (n <= 0)
            std::exit(0);
        buffer.append(chunk, static_cast<size_t>(n));
        size_t end;
        while ((end = buffer.find('\n')) != std::string::npos) {
            std::string line = buffer.substr(0, end);
            buffer.erase(0, end + 1);
            command(line);
        }
    });
}

int RunMutex(const char* name, bool own)
{
    HANDLE mutex = CreateMutexA(nullptr, own ? TRUE : FALSE, name);
    Say("created " + std::to_string(mutex != nullptr) + " " + std::to_string(GetLastError()));
    std::string line;
    while (std::getline(std::cin, line)) {
        if (line.rfind("wait ", 0) == 0) {
            DWORD result = WaitForSingleObject(mutex, static_cast<DWORD>(std::stoul(line.substr(5))));
            Say("wait " + std::to_string(result));
        } else if (line == "release") {
            BOOL ok = ReleaseMutex(mutex);
            Say("release " + std::to_string(ok) + " " + std::to_string(ok ? 0 : GetLastError()));
        } else if (line == "close") {
            Say("close " + std::to_string(CloseHandle(mutex)));
        } else if (line == "exit") {
            break;
        }
    }
    return 0;
}

int RunWindow(const char* title, bool modal)
{
    EventLoop& loop = EventLoop::Current();
    bool closed = false;
    bool user = false;
    bool ok = platform::remote::Publish(title, [&](UINT message, WPARAM w, LPARAM l) {
        Say("message " + std::to_string(message) + " " + std::to_string(w) + " " + std::to_string(l) + " depth " +
            std::to_string(loop.ModalDepth()));
        if (message == WM_USER)
            user = true;
        if (message == WM_CLOSE)
            closed = true;
    });
    Say("published " + std::to_string(ok));
    if (!ok)
        return 1;
    WatchInput([](const std::string&) {});
    if (modal) {
        loop.RunUntil([&] { return user; }, true);
        Say("modal-end");
    }
    loop.RunUntil([&] { return closed; }, false);
    platform::remote::Unpublish(title);
    Say("closed");
    return 0;
}

DWORD g_instance = 0;

std::string Text(HSZ hsz)
{
    char buffer[256] = "";
    if (hsz)
        DdeQueryStringA(g_instance, hsz, buffer, sizeof buffer, CP_WINANSI);
    return buffer;
}

HDDEDATA ServerCallback(UINT type, UINT format, HCONV, HSZ hsz1, HSZ hsz2, HDDEDATA data, ULONG_PTR, ULONG_PTR)
{
    switch (type) {
    case XTYP_CONNECT:
        Say("connect " + Text(hsz2) + " " + Text(hsz1));
        return reinterpret_cast<HDDEDATA>(static_cast<std::uintptr_t>(Text(hsz1) != "refuse"));
    case XTYP_CONNECT_CONFIRM:
        Say("confirm");
        return nullptr;
    case XTYP_DISCONNECT:
        Say("disconnect");
        return nullptr;
    case XTYP_POKE: {
        std::string bytes(DdeGetData(data, nullptr, 0, 0), '\0');
        DdeGetData(data, reinterpret_cast<LPBYTE>(bytes.data()), static_cast<DWORD>(bytes.size()), 0);
        Say("poke " + Text(hsz1) + " " + Text(hsz2) + " " + std::to_string(format) + " " + testsupport::DescribeBytes(bytes));
        if (Text(hsz2) == "slow")
            usleep(300000);
        if (Text(hsz1) == "busy")
            return reinterpret_cast<HDDEDATA>(static_cast<std::uintptr_t>(DDE_FBUSY));
        if (Text(hsz1) == "nack")
            return nullptr;
        return reinterpret_cast<HDDEDATA>(static_cast<std::uintptr_t>(DDE_FACK));
    }
    case XTYP_REQUEST: {
        std::string item = Text(hsz2);
        Say("request " + Text(hsz1) + " " + item + " " + std::to_string(format));
        if (item == "none")
            return nullptr;
        std::string answer = item == "fds" ? std::to_string(testsupport::OpenDescriptorCount())
                                           : "reply:" + item + std::string("\0\xA7", 2);
        return DdeCreateDataHandle(g_instance, reinterpret_cast<LPBYTE>(answer.data()),
                                   static_cast<DWORD>(answer.size()), 0, hsz2, format, 0);
    }
    default:
        return nullptr;
    }
}

int RunDdeServer(const char* service)
{
    EventLoop& loop = EventLoop::Current();
    if (DdeInitializeA(&g_instance, ServerCallback, APPCLASS_STANDARD, 0) != DMLERR_NO_ERROR)
        return 1;
    HSZ name = DdeCreateStringHandleA(g_instance, service, CP_WINANSI);
    if (!DdeNameService(g_instance, name, nullptr, DNS_REGISTER))
        return 1;
    // The name may still be held by a process that is dying: wait until it is ours.
    loop.RunUntil([&] { return platform::DdeServiceIsListening(g_instance, name); }, false);
    WatchInput([](const std::string& line) {
        if (line == "exit") {
            DdeUninitialize(g_instance);
            std::exit(0);
        }
        if (line == "quiet") {
            Say("quiet");
            g_quiet = true;  // for long runs whose events nobody reads
        }
    });
    Say("ready");
    loop.RunUntil([] { return false; }, false);
    return 0;
}

HDDEDATA ClientCallback(UINT type, UINT, HCONV, HSZ, HSZ, HDDEDATA, ULONG_PTR, ULONG_PTR)
{
    if (type == XTYP_DISCONNECT)
        Say("client-disconnect");
    return nullptr;
}

int RunDdePoke(const char* service, const char* topic, const char* item, const char* hex, bool async)
{
    DWORD inst = 0;
    if (DdeInitializeA(&inst, ClientCallback, APPCMD_CLIENTONLY, 0) != DMLERR_NO_ERROR)
        return 1;
    HSZ hszService = DdeCreateStringHandleA(inst, service, CP_WINANSI);
    HSZ hszTopic = DdeCreateStringHandleA(inst, topic, CP_WINANSI);
    HSZ hszItem = DdeCreateStringHandleA(inst, item, CP_WINANSI);
    HCONV conv = DdeConnect(inst, hszService, hszTopic, nullptr);
    if (!conv) {
        Say("connect-failed " + std::to_string(DdeGetLastError(inst)));
        return 2;
    }
    std::string bytes = Unhex(hex);
    HDDEDATA data = DdeCreateDataHandle(inst, reinterpret_cast<LPBYTE>(bytes.data()), static_cast<DWORD>(bytes.size()),
                                        0, hszItem, CF_TEXT, 0);
    DWORD result = 0;
    HDDEDATA ok = DdeClientTransaction(reinterpret_cast<LPBYTE>(data), 0xFFFFFFFF, conv, hszItem, CF_TEXT, XTYP_POKE,
                                       async ? TIMEOUT_ASYNC : 5000, &result);
    DdeDisconnect(conv);
    Say("poked " + std::to_string(ok != nullptr) + " " + std::to_string(result));
    DdeUninitialize(inst);
    return 0;
}

}  // namespace

int main(int argc, char** argv)
{
    std::string mode = argc > 1 ? argv[1] : "";
    if (mode == "mutex" && argc == 4)
        return RunMutex(argv[2], std::strcmp(argv[3], "own") == 0);
    if (mode == "window" && argc >= 3)
        return RunWindow(argv[2], argc > 3 && std::strcmp(argv[3], "modal") == 0);
    if (mode == "dde-server" && argc == 3)
        return RunDdeServer(argv[2]);
    if (mode == "dde-poke" && argc >= 6)
        return RunDdePoke(argv[2], argv[3], argv[4], argv[5], argc > 6 && std::strcmp(argv[6], "async") == 0);
    std::fputs("usage: ipc_peer mutex|window|dde-server|dde-poke ...\n", stderr);
    return 2;
}
