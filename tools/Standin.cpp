// The drawing tool's part in a transfer: serve "vorna", record the commands, acknowledge to "morv9274".
#include "Standin.h"

#include "platform/EventLoop.h"
#include "platform/TextFile.h"

#include <cstring>
#include <memory>

using platform::EventLoop;

namespace {

constexpr DWORD kAckTimeoutMs = 5000;
constexpr std::chrono::milliseconds kRegisterTimeout {5000};
const std::string kSendTcl = "sendtcl\xA7";  // "sendtcl§" in Windows-1252

void RunOnceAfter(std::chrono::milliseconds delay, std::function<void()> task)
{
    EventLoop& loop = EventLoop::Current();
    auto id = std::make_shared<std::uint64_t>(0);
    *id = loop.AddTimer(delay, [&loop, id, task] {
        loop.RemoveTimer(*id);
        task();
    });
}

}  // namespace

Standin* Standin::s_current = nullptr;

Standin::Standin(Options options) : m_options(std::move(options))
{
    s_current = this;
}

Standin::~Standin()
{
    if (m_instance)
        DdeUninitialize(m_instance);
    if (m_record && m_record != stdout)
        std::fclose(m_record);
    s_current = nullptr;
}

int Standin::Run()
{
    EventLoop& loop = EventLoop::Current();
    m_record = m_options.recordPath.empty() ? stdout : std::fopen(m_options.recordPath.c_str(), "ab");
    if (!m_record) {
        std::fprintf(stderr, "vorna-standin: cannot write %s\n", m_options.recordPath.c_str());
        return 1;
    }
    if (DdeInitializeA(&m_instance, Callback, APPCLASS_STANDARD, 0) != DMLERR_NO_ERROR) {
        std::fprintf(stderr, "vorna-standin: DDE initialisation failed\n");
        return 1;
    }
    m_service = DdeCreateStringHandleA(m_instance, m_options.service.c_str(), CP_WINANSI);
    m_replyService = DdeCreateStringHandleA(m_instance, m_options.replyService.c_str(), CP_WINANSI);
    m_topic = DdeCreateStringHandleA(m_instance, "set", CP_WINANSI);
    m_item = DdeCreateStringHandleA(m_instance, "object", CP_WINANSI);
    if (!m_service || !m_replyService || !DdeNameService(m_instance, m_service, nullptr, DNS_REGISTER)) {
        std::fprintf(stderr, "vorna-standin: cannot register the service %s\n", m_options.service.c_str());
        return 1;
    }
    // A registration waits while another live process serves the name; a second stand-in is a set-up mistake.
    bool timedOut = false;
    RunOnceAfter(kRegisterTimeout, [&] { timedOut = true; });
    loop.RunUntil([&] { return timedOut || platform::DdeServiceIsListening(m_instance, m_service); }, false);
    if (!platform::DdeServiceIsListening(m_instance, m_service)) {
        std::fprintf(stderr, "vorna-standin: another process serves %s\n", m_options.service.c_str());
        return 1;
    }

    if (!m_options.readyPath.empty() &&
        !platform::WriteFileAtomically(m_options.readyPath.c_str(), "ready " + m_options.service + "\n")) {
        std::fprintf(stderr, "vorna-standin: cannot write %s\n", m_options.readyPath.c_str());
        return 1;
    }
    std::printf("vorna-standin ready %s\n", m_options.service.c_str());
    std::fflush(stdout);
    if (m_options.runFor.count() > 0)
        RunOnceAfter(m_options.runFor, [this] { m_done = true; });
    loop.RunUntil([this] { return m_done; }, false);
    return 0;
}

HDDEDATA CALLBACK Standin::Callback(UINT type, UINT format, HCONV, HSZ hsz1, HSZ hsz2, HDDEDATA data, ULONG_PTR,
                                    ULONG_PTR)
{
    Standin* self = s_current;
    if (!self)
        return nullptr;
    switch (type) {
    case XTYP_CONNECT:
        return reinterpret_cast<HDDEDATA>(static_cast<std::uintptr_t>(hsz2 == self->m_service));
    case XTYP_POKE:
        return self->OnPoke(format, hsz1, hsz2, data);
    default:
        return nullptr;
    }
}

HDDEDATA Standin::OnPoke(UINT format, HSZ topic, HSZ item, HDDEDATA data)
{
    if (topic != m_topic || item != m_item || format != CF_TEXT)
        return nullptr;  // not processed
    std::string bytes(DdeGetData(data, nullptr, 0, 0), '\0');
    DdeGetData(data, reinterpret_cast<LPBYTE>(bytes.data()), static_cast<DWORD>(bytes.size()), 0);
    std::string text = bytes.substr(0, bytes.find('\0'));  // CF_TEXT ends at its zero byte
    if (text.compare(0, kSendTcl.size(), kSendTcl) == 0)
        RecordCommandFile(text.substr(kSendTcl.size()));
    else
        Record(text);

    // The acknowledgement goes out after this poke has been answered, as a separate conversation.
    if (!m_options.ack)
        EventLoop::Current().Post([this] { TransferDone(); });
    else if (m_options.ackDelay.count() > 0)
        RunOnceAfter(m_options.ackDelay, [this] { Acknowledge(); });
    else
        EventLoop::Current().Post([this] { Acknowledge(); });
    return reinterpret_cast<HDDEDATA>(static_cast<std::uintptr_t>(DDE_FACK));
}

void Standin::Record(const std::string& line)
{
    std::fwrite(line.data(), 1, line.size(), m_record);
    std::fputc('\n', m_record);
    std::fflush(m_record);
}

void Standin::RecordCommandFile(const std::string& path)
{
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (!file) {
        std::fprintf(stderr, "vorna-standin: cannot read the command file %s\n", path.c_str());
        return;
    }
    CString line;
    while (platform::ReadLine(file, line))
        Record(line.str());
    std::fclose(file);
}

void Standin::Acknowledge()
{
    HCONV conv = DdeConnect(m_instance, m_replyService, m_topic, nullptr);
    if (!conv) {
        std::fprintf(stderr, "vorna-standin: no connection to %s\n", m_options.replyService.c_str());
        TransferDone();
        return;
    }
    std::string text = m_options.ackText;
    HDDEDATA data = DdeCreateDataHandle(m_instance, reinterpret_cast<LPBYTE>(text.data()),
                                        static_cast<DWORD>(text.size() + 1), 0, m_item, CF_TEXT, 0);
    DWORD status = 0;
    if (!DdeClientTransaction(reinterpret_cast<LPBYTE>(data), 0xFFFFFFFF, conv, m_item, CF_TEXT, XTYP_POKE,
                              kAckTimeoutMs, &status))
        std::fprintf(stderr, "vorna-standin: %s was not acknowledged (error 0x%x)\n", text.c_str(),
                     DdeGetLastError(m_instance));
    if (!m_options.keepOpen)
        DdeDisconnect(conv);
    TransferDone();
}

void Standin::TransferDone()
{
    ++m_transfers;
    if (m_options.exitAfter > 0 && m_transfers >= m_options.exitAfter)
        m_done = true;
}
