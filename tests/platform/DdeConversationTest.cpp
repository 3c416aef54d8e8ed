// DDE conversations with a server in another process: raw bytes, order, answers, time-outs, death and descriptors.
#include "platform/DdeFrame.h"
#include "platform/DdeStringTable.h"
#include "platform/Ddeml.h"
#include "platform/LocalSocket.h"
#include "platform/EventLoop.h"

#include "ByteText.h"
#include "ChildProcess.h"
#include "DdeRecorder.h"
#include "LoopUntil.h"

#include <gtest/gtest.h>

#include <csignal>
#include <memory>
#include <string>
#include <unistd.h>

using namespace std::chrono_literals;
using testsupport::ChildProcess;
using testsupport::DescribeBytes;
using testsupport::DdeRecorder;
using testsupport::RunLoopUntil;

namespace {

std::string Bytes(HDDEDATA data)
{
    std::string bytes(DdeGetData(data, nullptr, 0, 0), '\0');
    DdeGetData(data, reinterpret_cast<LPBYTE>(bytes.data()), static_cast<DWORD>(bytes.size()), 0);
    return bytes;
}

// A client instance of this process talking to an ipc_peer server in another.
class DdeConversationTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        DdeRecorder::Reset();
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        m_name = "ipc-" + std::to_string(getpid()) + "-" + info->name();
        ASSERT_EQ(DdeInitializeA(&m_client, DdeRecorder::Callback, APPCMD_CLIENTONLY, 0), DMLERR_NO_ERROR);
        DdeRecorder::instance = m_client;
        m_item = Str("object");
        m_topic = Str("set");
        StartServer();
    }
    void TearDown() override { DdeUninitialize(m_client); }

    void StartServer()
    {
        m_server = std::make_unique<ChildProcess>();
        ASSERT_TRUE(m_server->Start({IPC_PEER, "dde-server", m_name}));
        ASSERT_EQ(m_server->WaitFor("ready"), "ready");
    }
    HSZ Str(const std::string& text) { return DdeCreateStringHandleA(m_client, text.c_str(), CP_WINANSI); }
    HCONV Connect(const std::string& topic = "set")
    {
        return DdeConnect(m_client, Str(m_name), Str(topic), nullptr);
    }
    HDDEDATA Poke(HCONV conv, const std::string& bytes, DWORD timeout, DWORD* result = nullptr, HSZ item = nullptr)
    {
        HDDEDATA data = DdeCreateDataHandle(m_client, reinterpret_cast<LPBYTE>(const_cast<char*>(bytes.data())),
                                            static_cast<DWORD>(bytes.size()), 0, m_item, CF_TEXT, 0);
        return DdeClientTransaction(reinterpret_cast<LPBYTE>(data), 0xFFFFFFFF, conv, item ? item : m_item, CF_TEXT,
                                    XTYP_POKE, timeout, result);
    }

    std::string m_name;
    DWORD m_client = 0;
    HSZ m_item = nullptr;
    HSZ m_topic = nullptr;
    std::unique_ptr<ChildProcess> m_server;
};

}  // namespace

TEST_F(DdeConversationTest, PokesArriveByteExact)
{
    std::string every;
    for (int i = 0; i < 256; ++i)
        every += static_cast<char>(i);
    std::string large;
    for (int i = 0; i < 300 * 1024; ++i)
        large += static_cast<char>((i * 7) & 0xFF);
    struct Case {
        const char* what;
        std::string bytes;
    } cases[] = {
        {"five bytes with NUL and 0xA7", std::string("s\0\xA7" "a\0", 5)},
        {"nothing", std::string()},
        {"every byte value", every},
        {"more than a socket buffer holds", large},
    };
    HCONV conv = Connect();
    ASSERT_NE(conv, nullptr);
    ASSERT_EQ(m_server->WaitFor("confirm"), "confirm");
    for (const Case& c : cases) {
        DWORD status = 0;
        EXPECT_NE(Poke(conv, c.bytes, 20000, &status), nullptr) << c.what;
        EXPECT_EQ(status, DDE_FACK) << c.what;
        EXPECT_EQ(m_server->WaitFor("poke"), "poke set object 1 " + DescribeBytes(c.bytes)) << c.what;
    }
    EXPECT_TRUE(DdeDisconnect(conv));
    EXPECT_EQ(m_server->WaitFor("disconnect"), "disconnect");
}

TEST_F(DdeConversationTest, AsyncPokeThenImmediateDisconnectReachesThePeerFirst)
{
    for (int round = 0; round < 20; ++round) {
        HCONV conv = Connect();
        ASSERT_NE(conv, nullptr) << round;
        DWORD xid = 0;
        std::string text = "sendtcl\xA7/tmp/p" + std::to_string(round) + std::string(1, '\0');
        EXPECT_NE(Poke(conv, text, TIMEOUT_ASYNC, &xid), nullptr);
        EXPECT_NE(xid, 0u);
        EXPECT_TRUE(DdeDisconnect(conv));
        std::vector<std::string> lines;
        std::string line;
        while (lines.size() < 4 && m_server->ReadLine(line))
            lines.push_back(line);
        std::vector<std::string> expected = {"connect " + m_name + " set", "confirm", "poke set object 1 " + DescribeBytes(text),
                                             "disconnect"};
        ASSERT_EQ(lines, expected) << "round " << round;
    }
    EXPECT_EQ(DdeRecorder::Count(XTYP_XACT_COMPLETE), 0u) << "the conversation ended before any answer";
}

TEST_F(DdeConversationTest, RequestsAnswerAndRefusalsAreReported)
{
    HCONV conv = Connect();
    ASSERT_NE(conv, nullptr);
    DWORD status = 0;
    HDDEDATA answer = DdeClientTransaction(nullptr, 0, conv, Str("hello"), CF_TEXT, XTYP_REQUEST, 10000, &status);
    ASSERT_NE(answer, nullptr);
    EXPECT_EQ(Bytes(answer), std::string("reply:hello\0\xA7", 13));
    EXPECT_EQ(status, DDE_FACK);
    EXPECT_TRUE(DdeFreeDataHandle(answer));
    EXPECT_EQ(m_server->WaitFor("request"), "request set hello 1");

    EXPECT_EQ(DdeClientTransaction(nullptr, 0, conv, Str("none"), CF_TEXT, XTYP_REQUEST, 10000, &status), nullptr);
    EXPECT_EQ(DdeGetLastError(m_client), DMLERR_NOTPROCESSED);

    struct Case {
        const char* topic;
        UINT error;
        DWORD status;
    } cases[] = {{"nack", DMLERR_NOTPROCESSED, 0}, {"busy", DMLERR_BUSY, DDE_FBUSY}};
    for (const Case& c : cases) {
        HCONV other = Connect(c.topic);
        ASSERT_NE(other, nullptr) << c.topic;
        status = 12345;
        EXPECT_EQ(Poke(other, "x", 10000, &status), nullptr) << c.topic;
        EXPECT_EQ(DdeGetLastError(m_client), c.error) << c.topic;
        EXPECT_EQ(status, c.status) << c.topic;
        DdeDisconnect(other);
    }
    EXPECT_EQ(Connect("refuse"), nullptr);
    EXPECT_EQ(DdeGetLastError(m_client), DMLERR_NO_CONV_ESTABLISHED);
    DdeDisconnect(conv);
}

TEST_F(DdeConversationTest, AsyncTransactionsComplete)
{
    HCONV conv = Connect();
    ASSERT_NE(conv, nullptr);
    DWORD pokeId = 0;
    DWORD requestId = 0;
    ASSERT_NE(Poke(conv, "p", TIMEOUT_ASYNC, &pokeId), nullptr);
    ASSERT_NE(DdeClientTransaction(nullptr, 0, conv, Str("what"), CF_TEXT, XTYP_REQUEST, TIMEOUT_ASYNC, &requestId),
              nullptr);
    EXPECT_NE(pokeId, requestId);
    ASSERT_TRUE(RunLoopUntil([] { return DdeRecorder::Count(XTYP_XACT_COMPLETE) == 2; }));
    const testsupport::DdeEvent& poke = DdeRecorder::events[0];
    EXPECT_EQ(poke.type, XTYP_XACT_COMPLETE);
    EXPECT_EQ(poke.conv, conv);
    EXPECT_EQ(poke.data1, pokeId);
    EXPECT_EQ(poke.data2 & DDE_FACK, DDE_FACK);
    EXPECT_FALSE(poke.hasData);
    EXPECT_EQ(poke.text1, "set");
    EXPECT_EQ(poke.text2, "object");
    const testsupport::DdeEvent& request = DdeRecorder::events[1];
    EXPECT_EQ(request.data1, requestId);
    EXPECT_EQ(request.data, std::string("reply:what\0\xA7", 12));
    EXPECT_EQ(request.text2, "what");
    DdeDisconnect(conv);
}

TEST_F(DdeConversationTest, AnAnswerAfterTheTimeOutIsNotTakenForTheNextOne)
{
    HCONV conv = Connect();
    ASSERT_NE(conv, nullptr);
    EXPECT_EQ(Poke(conv, "late", 50, nullptr, Str("slow")), nullptr);
    EXPECT_EQ(DdeGetLastError(m_client), DMLERR_POKEACKTIMEOUT);
    HDDEDATA answer = DdeClientTransaction(nullptr, 0, conv, Str("after"), CF_TEXT, XTYP_REQUEST, 10000, nullptr);
    ASSERT_NE(answer, nullptr);
    EXPECT_EQ(Bytes(answer), std::string("reply:after\0\xA7", 13));
    EXPECT_EQ(DdeRecorder::Count(XTYP_XACT_COMPLETE), 0u);
    DdeDisconnect(conv);
}

TEST_F(DdeConversationTest, AServerThatDiesLeavesAFreeName)
{
    HCONV conv = Connect();
    ASSERT_NE(conv, nullptr);
    m_server->Kill(SIGKILL);
    ASSERT_EQ(m_server->Wait(), 128 + SIGKILL);
    ASSERT_TRUE(RunLoopUntil([] { return DdeRecorder::Count(XTYP_DISCONNECT) == 1; }));
    EXPECT_EQ(DdeRecorder::Last(XTYP_DISCONNECT)->conv, conv);
    EXPECT_FALSE(DdeDisconnect(conv)) << "already ended by the peer";

    auto before = std::chrono::steady_clock::now();
    EXPECT_EQ(Connect(), nullptr);
    EXPECT_LT(std::chrono::steady_clock::now() - before, 1s);

    // The next run registers the name at once, here in this process.
    DWORD server = 0;
    ASSERT_EQ(DdeInitializeA(&server, DdeRecorder::Callback, APPCLASS_STANDARD, 0), DMLERR_NO_ERROR);
    HSZ name = DdeCreateStringHandleA(server, m_name.c_str(), CP_WINANSI);
    ASSERT_NE(DdeNameService(server, name, nullptr, DNS_REGISTER), nullptr);
    EXPECT_TRUE(platform::DdeServiceIsListening(server, name));
    DdeUninitialize(server);

    StartServer();
    HCONV again = Connect();
    EXPECT_NE(again, nullptr);
    DdeDisconnect(again);
}

TEST_F(DdeConversationTest, RegistrationTakesTheNameOverWhenItsHolderEnds)
{
    DWORD server = 0;
    ASSERT_EQ(DdeInitializeA(&server, DdeRecorder::Callback, APPCLASS_STANDARD, 0), DMLERR_NO_ERROR);
    // Service names ignore case, as string handles do.
    HSZ name = DdeCreateStringHandleA(server, ("X" + m_name).c_str(), CP_WINANSI);
    std::string upper = m_name;
    for (char& c : upper)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    ChildProcess holder;
    ASSERT_TRUE(holder.Start({IPC_PEER, "dde-server", "x" + upper}));
    ASSERT_EQ(holder.WaitFor("ready"), "ready");

    ASSERT_NE(DdeNameService(server, name, nullptr, DNS_REGISTER), nullptr) << "accepted while the holder lives";
    EXPECT_FALSE(platform::DdeServiceIsListening(server, name));
    holder.CloseInput();  // the holder ends
    EXPECT_EQ(holder.Wait(), 0);
    ASSERT_TRUE(RunLoopUntil([&] { return platform::DdeServiceIsListening(server, name) == true; }));

    ChildProcess client;
    ASSERT_TRUE(client.Start({IPC_PEER, "dde-poke", "x" + m_name, "set", "object", "61636b00"}));
    EXPECT_TRUE(RunLoopUntil([] { return DdeRecorder::Count(XTYP_POKE) == 1; }));
    EXPECT_EQ(client.WaitFor("poked"), "poked 1 32768");
    DdeUninitialize(server);
}

TEST_F(DdeConversationTest, EndingAnInstanceDisconnectsItsPartners)
{
    HCONV conv = Connect();
    ASSERT_NE(conv, nullptr);
    ASSERT_EQ(m_server->WaitFor("confirm"), "confirm");
    ASSERT_TRUE(m_server->WriteLine("exit"));
    ASSERT_TRUE(RunLoopUntil([] { return DdeRecorder::Count(XTYP_DISCONNECT) == 1; }));
    EXPECT_EQ(DdeRecorder::Last(XTYP_DISCONNECT)->conv, conv);
    EXPECT_EQ(m_server->Wait(), 0);

    StartServer();
    ASSERT_NE(Connect(), nullptr);
    ASSERT_EQ(m_server->WaitFor("confirm"), "confirm");
    DdeUninitialize(m_client);  // without DdeDisconnect
    EXPECT_EQ(m_server->WaitFor("disconnect"), "disconnect");
    m_client = 0;
    ASSERT_EQ(DdeInitializeA(&m_client, DdeRecorder::Callback, APPCMD_CLIENTONLY, 0), DMLERR_NO_ERROR);
}

TEST_F(DdeConversationTest, TwoHundredRoundsLeaveNoDescriptorsBehind)
{
    auto serverDescriptors = [&] {
        HCONV conv = Connect();
        HDDEDATA answer = DdeClientTransaction(nullptr, 0, conv, Str("fds"), CF_TEXT, XTYP_REQUEST, 10000, nullptr);
        std::string count = answer ? Bytes(answer) : "none";
        DdeFreeDataHandle(answer);
        DdeDisconnect(conv);
        return count;
    };
    ASSERT_TRUE(m_server->WriteLine("quiet"));
    ASSERT_EQ(m_server->WaitFor("quiet"), "quiet");
    std::string serverBefore = serverDescriptors();
    int before = testsupport::OpenDescriptorCount();
    for (int round = 0; round < 200; ++round) {
        HCONV conv = Connect();
        ASSERT_NE(conv, nullptr) << round;
        std::string text = "settext\xA7" + std::to_string(round) + "\xA7T" + std::string(1, '\0');
        // Mostly as the transfer does it (asynchronous), every tenth round waiting for the answer.
        ASSERT_NE(Poke(conv, text, round % 10 == 0 ? 10000 : TIMEOUT_ASYNC), nullptr) << round;
        ASSERT_TRUE(DdeDisconnect(conv));
    }
    EXPECT_EQ(testsupport::OpenDescriptorCount(), before);
    // The server handles the ends of the conversations in its own time; it must come back to where it was.
    std::string serverAfter;
    RunLoopUntil([&] { return (serverAfter = serverDescriptors()) == serverBefore; }, 20s);
    EXPECT_EQ(serverAfter, serverBefore);
    EXPECT_EQ(DdeRecorder::events.size(), 0u);
}

TEST_F(DdeConversationTest, ForeignBytesEndOnlyTheirOwnConnection)
{
    std::string address = platform::LocalSocket::Address("dde", platform::DdeStringTable::Key(m_name));
    platform::DdeFrame pokeFirst;
    pokeFirst.kind = platform::DdeFrame::Kind::Poke;
    pokeFirst.item = "object";
    pokeFirst.data = "no connect before";
    platform::DdeFrame oldVersion;
    oldVersion.kind = platform::DdeFrame::Kind::Connect;
    oldVersion.status = platform::DdeFrame::kProtocolVersion + 1;
    oldVersion.item = m_name;
    const std::string junk[] = {std::string("\xFF\xFF\xFF\xFF garbage"), pokeFirst.Encode(), oldVersion.Encode(),
                                std::string(3, '\0')};
    for (const std::string& bytes : junk) {
        platform::LocalSocket sock = platform::LocalSocket::Connect(address);
        ASSERT_TRUE(sock.IsValid());
        ASSERT_TRUE(sock.SendAll(bytes.data(), bytes.size(), 5s));
    }
    // The server goes on serving proper conversations, and none of the junk reached its callback.
    HCONV conv = Connect();
    ASSERT_NE(conv, nullptr);
    std::vector<std::string> skipped;
    EXPECT_EQ(m_server->WaitFor("confirm", 20s, &skipped), "confirm");
    EXPECT_EQ(skipped, std::vector<std::string> {"connect " + m_name + " set"});
    DdeDisconnect(conv);
}
