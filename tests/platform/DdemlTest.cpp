// DDEML inside one process: string and data handles, the frame format, conversations of a process with itself.
#include "platform/DdeFrame.h"
#include "platform/Ddeml.h"
#include "platform/EventLoop.h"

#include "ChildProcess.h"
#include "DdeRecorder.h"
#include "LoopUntil.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <unistd.h>

using namespace std::chrono_literals;
using platform::DdeFrame;
using testsupport::DdeRecorder;
using testsupport::RunLoopUntil;

namespace {

std::string UniqueService(const char* what)
{
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    return std::string("ipc-") + std::to_string(getpid()) + "-" + info->name() + "-" + what;
}

HDDEDATA CALLBACK Ignore(UINT, UINT, HCONV, HSZ, HSZ, HDDEDATA, ULONG_PTR, ULONG_PTR)
{
    return nullptr;
}

std::string Bytes(HDDEDATA data)
{
    std::string bytes(DdeGetData(data, nullptr, 0, 0), '\0');
    DdeGetData(data, reinterpret_cast<LPBYTE>(bytes.data()), static_cast<DWORD>(bytes.size()), 0);
    return bytes;
}

class Instance {
public:
    explicit Instance(DWORD flags, PFNCALLBACK callback = Ignore)
    {
        result = DdeInitializeA(&id, callback, flags, 0);
    }
    ~Instance()
    {
        if (id)
            DdeUninitialize(id);
    }
    HSZ Str(const char* text) { return DdeCreateStringHandleA(id, text, CP_WINANSI); }
    DWORD id = 0;
    UINT result;
};

}  // namespace

TEST(DdemlTest, StringHandlesAreSharedIgnoringAsciiCaseAndCounted)
{
    Instance a(APPCMD_CLIENTONLY);
    Instance b(APPCMD_CLIENTONLY);
    ASSERT_EQ(a.result, DMLERR_NO_ERROR);
    HSZ first = a.Str("Vorna");
    HSZ second = b.Str("vORNA");
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first, second) << "same text, other case, other instance: one handle value";
    EXPECT_EQ(DdeCmpStringHandles(first, second), 0);
    EXPECT_NE(a.Str("\xF6"), a.Str("\xD6")) << "only ASCII letters fold";
    EXPECT_NE(a.Str("set"), a.Str("set "));

    char buffer[16];
    EXPECT_EQ(DdeQueryStringA(b.id, second, nullptr, 0, CP_WINANSI), 5u);
    EXPECT_EQ(DdeQueryStringA(b.id, second, buffer, sizeof buffer, CP_WINANSI), 5u);
    EXPECT_STREQ(buffer, "Vorna") << "the spelling first created";
    EXPECT_EQ(DdeQueryStringA(b.id, second, buffer, 3, CP_WINANSI), 2u);
    EXPECT_STREQ(buffer, "Vo");

    EXPECT_EQ(DdeCmpStringHandles(nullptr, first), -1);
    EXPECT_EQ(DdeCmpStringHandles(first, nullptr), 1);
    EXPECT_EQ(DdeCmpStringHandles(nullptr, nullptr), 0);

    // Each instance's reference counts: freeing a's leaves b's.
    EXPECT_TRUE(DdeFreeStringHandle(a.id, first));
    EXPECT_EQ(DdeQueryStringA(a.id, first, buffer, sizeof buffer, CP_WINANSI), 5u);
    EXPECT_FALSE(DdeFreeStringHandle(a.id, first)) << "a holds no more references";
    EXPECT_TRUE(DdeFreeStringHandle(b.id, second));
    EXPECT_EQ(DdeQueryStringA(a.id, first, buffer, sizeof buffer, CP_WINANSI), 0u) << "gone with its last reference";
    HSZ again = a.Str("VORNA");
    EXPECT_NE(again, first) << "a handle value is never reused for a new entry";
}

TEST(DdemlTest, StringHandlesRefuseWhatTheyCannotHold)
{
    Instance a(APPCMD_CLIENTONLY);
    struct Case {
        const char* what;
        std::string text;
        int codePage;
        bool ok;
    } cases[] = {
        {"ANSI", "object", CP_WINANSI, true},
        {"default code page", "object", 0, true},
        {"Unicode code page", "object", CP_WINUNICODE, false},
        {"empty", "", CP_WINANSI, false},
        {"255 bytes", std::string(255, 's'), CP_WINANSI, true},
        {"256 bytes", std::string(256, 's'), CP_WINANSI, false},
    };
    for (const Case& c : cases) {
        HSZ h = DdeCreateStringHandleA(a.id, c.text.c_str(), c.codePage);
        EXPECT_EQ(h != nullptr, c.ok) << c.what;
        EXPECT_EQ(DdeGetLastError(a.id), c.ok ? DMLERR_NO_ERROR : DMLERR_INVALIDPARAMETER) << c.what;
    }
    EXPECT_EQ(DdeCreateStringHandleA(a.id + 1000, "x", CP_WINANSI), nullptr) << "no such instance";
    EXPECT_EQ(DdeGetLastError(a.id + 1000), DMLERR_DLL_NOT_INITIALIZED);
}

TEST(DdemlTest, DataHandlesKeepRawBytes)
{
    Instance a(APPCMD_CLIENTONLY);
    const std::string bytes("a\0\xA7" "b\xFF", 5);
    HSZ item = a.Str("object");
    HDDEDATA h = DdeCreateDataHandle(a.id, reinterpret_cast<LPBYTE>(const_cast<char*>(bytes.data())), 5, 0, item,
                                     CF_TEXT, 0);
    ASSERT_NE(h, nullptr);
    EXPECT_EQ(Bytes(h), bytes);
    unsigned char part[8] = {};
    EXPECT_EQ(DdeGetData(h, part, sizeof part, 2), 3u);
    EXPECT_EQ(std::memcmp(part, "\xA7" "b\xFF", 3), 0);
    EXPECT_EQ(DdeGetData(h, part, 1, 0), 1u);
    EXPECT_EQ(DdeGetData(h, part, sizeof part, 5), 0u) << "offset at the end";
    DWORD size = 0;
    LPBYTE p = DdeAccessData(h, &size);
    ASSERT_NE(p, nullptr);
    EXPECT_EQ(std::string(reinterpret_cast<char*>(p), size), bytes);
    EXPECT_TRUE(DdeUnaccessData(h));
    EXPECT_TRUE(DdeFreeDataHandle(h));
    EXPECT_EQ(DdeGetData(h, nullptr, 0, 0), 0u);
    EXPECT_FALSE(DdeFreeDataHandle(h));

    // The source offset picks where copying starts; no source gives zero bytes.
    char source[] = "xyzab";
    HDDEDATA tail = DdeCreateDataHandle(a.id, reinterpret_cast<LPBYTE>(source), 2, 3, nullptr, CF_TEXT, 0);
    EXPECT_EQ(Bytes(tail), "ab");
    HDDEDATA zeros = DdeCreateDataHandle(a.id, nullptr, 3, 0, nullptr, CF_TEXT, HDATA_APPOWNED);
    EXPECT_EQ(Bytes(zeros), std::string(3, '\0'));
    EXPECT_EQ(DdeCreateDataHandle(a.id, nullptr, 3, 0, nullptr, CF_TEXT, 0x40), nullptr);
    EXPECT_EQ(DdeGetLastError(a.id), DMLERR_INVALIDPARAMETER);

    DdeUninitialize(a.id);
    EXPECT_EQ(DdeGetData(tail, nullptr, 0, 0), 0u) << "the instance's handles end with it";
    a.id = 0;
}

TEST(DdemlTest, FramesSurviveAnySplitOfTheStream)
{
    DdeFrame poke;
    poke.kind = DdeFrame::Kind::Poke;
    poke.xid = 0xA1B2C3D4;
    poke.format = CF_TEXT;
    poke.status = 0x8000;
    poke.item = "object";
    poke.data = std::string("sendtcl\xA7/p\0", 11);
    DdeFrame empty;
    empty.kind = DdeFrame::Kind::ConnectReply;
    std::string stream = poke.Encode() + empty.Encode();

    // Byte by byte, as a slow socket could hand it over.
    std::string buffer;
    std::vector<DdeFrame> frames;
    for (char c : stream) {
        buffer += c;
        DdeFrame f;
        DdeFrame::Take t;
        while ((t = DdeFrame::TakeFrom(buffer, f)) == DdeFrame::Take::Frame)
            frames.push_back(f);
        ASSERT_EQ(t, DdeFrame::Take::NeedMore);
    }
    ASSERT_EQ(frames.size(), 2u);
    EXPECT_EQ(frames[0].kind, DdeFrame::Kind::Poke);
    EXPECT_EQ(frames[0].xid, 0xA1B2C3D4u);
    EXPECT_EQ(frames[0].format, CF_TEXT);
    EXPECT_EQ(frames[0].status, 0x8000u);
    EXPECT_EQ(frames[0].item, "object");
    EXPECT_EQ(frames[0].data, poke.data);
    EXPECT_EQ(frames[1].kind, DdeFrame::Kind::ConnectReply);
    EXPECT_TRUE(frames[1].item.empty() && frames[1].data.empty());
    EXPECT_TRUE(buffer.empty());
}

TEST(DdemlTest, BrokenFramesAreRecognised)
{
    auto withHeader = [](std::uint32_t body, std::uint8_t kind, std::uint32_t itemLength) {
        std::string s;
        for (int i = 0; i < 4; ++i)
            s += static_cast<char>((body >> (8 * i)) & 0xFF);
        s += static_cast<char>(kind);
        s.append(15, '\0');
        for (int i = 0; i < 4; ++i)
            s += static_cast<char>((itemLength >> (8 * i)) & 0xFF);
        s.append(body > 20 ? body - 20 : 0, 'x');
        return s;
    };
    struct Case {
        const char* what;
        std::string bytes;
    } cases[] = {
        {"body shorter than the fixed part", withHeader(19, 3, 0).substr(0, 24)},
        {"body beyond the limit", withHeader(DdeFrame::kMaxBody + 1, 3, 0).substr(0, 24)},
        {"item longer than the body", withHeader(24, 3, 5)},
        {"unknown kind", withHeader(20, 9, 0)},
        {"kind zero", withHeader(20, 0, 0)},
    };
    for (const Case& c : cases) {
        std::string buffer = c.bytes;
        DdeFrame f;
        EXPECT_EQ(DdeFrame::TakeFrom(buffer, f), DdeFrame::Take::Broken) << c.what;
    }
}

TEST(DdemlTest, InstancesRefuseWhatTheyAreNotFor)
{
    DWORD id = 5;
    EXPECT_EQ(DdeInitializeA(&id, Ignore, 0, 0), DMLERR_DLL_USAGE) << "re-initialising is not supported";
    id = 0;
    EXPECT_EQ(DdeInitializeA(&id, nullptr, 0, 0), DMLERR_INVALIDPARAMETER);
    Instance client(APPCMD_CLIENTONLY);
    EXPECT_EQ(DdeNameService(client.id, client.Str(UniqueService("s").c_str()), nullptr, DNS_REGISTER), nullptr);
    EXPECT_EQ(DdeGetLastError(client.id), DMLERR_DLL_USAGE);
    EXPECT_EQ(DdeGetLastError(client.id), DMLERR_NO_ERROR) << "reading the error resets it";
    EXPECT_FALSE(DdeUninitialize(987654));
}

TEST(DdemlTest, ConnectingToAServiceNobodyServesFailsAtOnce)
{
    Instance client(APPCMD_CLIENTONLY);
    auto before = std::chrono::steady_clock::now();
    EXPECT_EQ(DdeConnect(client.id, client.Str(UniqueService("absent").c_str()), client.Str("set"), nullptr), nullptr);
    EXPECT_EQ(DdeGetLastError(client.id), DMLERR_NO_CONV_ESTABLISHED);
    EXPECT_LT(std::chrono::steady_clock::now() - before, 1s) << "no wait for a service that is not running";
    EXPECT_FALSE(DdeDisconnect(nullptr));
}

TEST(DdemlTest, AProcessCanTalkToItsOwnServer)
{
    DdeRecorder::Reset();
    Instance server(APPCLASS_STANDARD, DdeRecorder::Callback);
    DdeRecorder::instance = server.id;
    std::string name = UniqueService("self");
    HSZ service = server.Str(name.c_str());
    ASSERT_NE(DdeNameService(server.id, service, nullptr, DNS_REGISTER), nullptr);
    ASSERT_TRUE(platform::DdeServiceIsListening(server.id, service));

    Instance client(APPCMD_CLIENTONLY);
    HSZ item = client.Str("object");
    HCONV conv = DdeConnect(client.id, client.Str(name.c_str()), client.Str("set"), nullptr);
    ASSERT_NE(conv, nullptr) << std::hex << DdeGetLastError(client.id);
    const testsupport::DdeEvent* connect = DdeRecorder::Last(XTYP_CONNECT);
    ASSERT_NE(connect, nullptr);
    EXPECT_EQ(connect->hsz2, service) << "the server compares the service by handle value";
    EXPECT_EQ(connect->text1, "set");
    const testsupport::DdeEvent* confirm = DdeRecorder::Last(XTYP_CONNECT_CONFIRM);
    ASSERT_NE(confirm, nullptr);
    HCONV serverSide = confirm->conv;
    EXPECT_NE(serverSide, nullptr);

    char text[] = "x\xA7y";
    DWORD status = 0;
    EXPECT_NE(DdeClientTransaction(reinterpret_cast<LPBYTE>(text), 4, conv, item, CF_TEXT, XTYP_POKE, 5000, &status),
              nullptr);
    EXPECT_EQ(status, DDE_FACK);
    const testsupport::DdeEvent* poke = DdeRecorder::Last(XTYP_POKE);
    ASSERT_NE(poke, nullptr);
    EXPECT_EQ(poke->conv, serverSide);
    EXPECT_EQ(poke->data, std::string("x\xA7y\0", 4));
    EXPECT_EQ(poke->text2, "object");

    HDDEDATA answer = DdeClientTransaction(nullptr, 0, conv, item, CF_TEXT, XTYP_REQUEST, 5000, &status);
    ASSERT_NE(answer, nullptr);
    EXPECT_EQ(Bytes(answer), "answer");
    EXPECT_TRUE(DdeFreeDataHandle(answer));

    // A server callback may not start a synchronous call while one is waiting.
    DdeRecorder::tryConnectInPoke = true;
    DdeRecorder::connectService = service;
    EXPECT_NE(DdeClientTransaction(reinterpret_cast<LPBYTE>(text), 4, conv, item, CF_TEXT, XTYP_POKE, 5000, nullptr),
              nullptr);
    EXPECT_EQ(DdeRecorder::reentrantError, DMLERR_REENTRANCY);

    EXPECT_TRUE(DdeDisconnect(conv));
    EXPECT_FALSE(DdeDisconnect(conv)) << "ended once";
    EXPECT_TRUE(RunLoopUntil([] { return DdeRecorder::Count(XTYP_DISCONNECT) == 1; }));
    EXPECT_EQ(DdeRecorder::Last(XTYP_DISCONNECT)->conv, serverSide);
}

TEST(DdemlTest, ARefusedConnectionGivesNoConversation)
{
    DdeRecorder::Reset();
    Instance server(APPCLASS_STANDARD, DdeRecorder::Callback);
    DdeRecorder::instance = server.id;
    std::string name = UniqueService("refusing");
    ASSERT_NE(DdeNameService(server.id, server.Str(name.c_str()), nullptr, DNS_REGISTER), nullptr);
    DdeRecorder::acceptConnect = false;
    Instance client(APPCMD_CLIENTONLY);
    EXPECT_EQ(DdeConnect(client.id, client.Str(name.c_str()), client.Str("set"), nullptr), nullptr);
    EXPECT_EQ(DdeGetLastError(client.id), DMLERR_NO_CONV_ESTABLISHED);
    EXPECT_EQ(DdeRecorder::Count(XTYP_CONNECT), 1u);
    EXPECT_EQ(DdeRecorder::Count(XTYP_CONNECT_CONFIRM), 0u);

    // Unregistered, the name is free: connecting fails at once.
    ASSERT_NE(DdeNameService(server.id, nullptr, nullptr, DNS_UNREGISTER), nullptr);
    DdeRecorder::acceptConnect = true;
    EXPECT_EQ(DdeConnect(client.id, client.Str(name.c_str()), client.Str("set"), nullptr), nullptr);
    EXPECT_EQ(DdeRecorder::Count(XTYP_CONNECT), 1u);
}

TEST(DdemlTest, ServerCallbacksRunInsideNestedModalLoops)
{
    DdeRecorder::Reset();
    Instance server(APPCLASS_STANDARD, DdeRecorder::Callback);
    DdeRecorder::instance = server.id;
    std::string name = UniqueService("modal");
    ASSERT_NE(DdeNameService(server.id, server.Str(name.c_str()), nullptr, DNS_REGISTER), nullptr);

    testsupport::ChildProcess client;
    ASSERT_TRUE(client.Start({IPC_PEER, "dde-poke", name, "set", "object", "61636b00", "async"}));
    // A modal dialog's loop is running while the other process connects, pokes and disconnects.
    EXPECT_TRUE(RunLoopUntil([] { return DdeRecorder::Count(XTYP_DISCONNECT) == 1; }, 20s, true));
    std::vector<UINT> order;
    for (const testsupport::DdeEvent& e : DdeRecorder::events) {
        order.push_back(e.type);
        EXPECT_EQ(e.depth, 1) << std::hex << e.type;
    }
    std::vector<UINT> expected = {XTYP_CONNECT, XTYP_CONNECT_CONFIRM, XTYP_POKE, XTYP_DISCONNECT};
    EXPECT_EQ(order, expected);
    ASSERT_NE(DdeRecorder::Last(XTYP_POKE), nullptr);
    EXPECT_EQ(DdeRecorder::Last(XTYP_POKE)->data, std::string("ack\0", 4));
    EXPECT_EQ(client.WaitFor("poked"), "poked 1 1");
    EXPECT_EQ(client.Wait(), 0);
}
