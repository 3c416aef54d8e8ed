// The drawing-tool stand-in as the program meets it: a transfer as the program makes it, the record, the "ack".
#include "platform/Ddeml.h"
#include "platform/EventLoop.h"
#include "platform/TextFile.h"

#include "ChildProcess.h"
#include "DdeRecorder.h"
#include "LoopUntil.h"

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <string>
#include <unistd.h>

using namespace std::chrono_literals;
using testsupport::ChildProcess;
using testsupport::DdeRecorder;
using testsupport::RunLoopUntil;

namespace fs = std::filesystem;

namespace {

// Lines of a command file as the program writes them, CR LF ended; the last one without a line end.
const std::string kCommandFile = "settext\xA7" "12\xA7" "Kessel \xE4\r\n"
                                 "setobj\xA7" "7\xA7" "Pumpe 1\r\n"
                                 "\r\n"
                                 "setfilenotuptodate";
const std::string kRecorded = "settext\xA7" "12\xA7" "Kessel \xE4\n"
                              "setobj\xA7" "7\xA7" "Pumpe 1\n"
                              "\n"
                              "setfilenotuptodate\n";

// This process plays the program: it serves the reply service and sends transfers as the transfer dialog does.
class VornaStandinTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        DdeRecorder::Reset();
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        std::string tag = std::to_string(getpid()) + "-" + info->name();
        m_vorna = "vorna-" + tag;
        m_morv = "morv-" + tag;
        m_dir = fs::temp_directory_path() / ("standin-" + tag);
        fs::remove_all(m_dir);
        fs::create_directories(m_dir);
        m_commandFile = (m_dir / "SCCmd.tmp").string();
        ASSERT_TRUE(platform::WriteFileAtomically(m_commandFile.c_str(), kCommandFile));

        ASSERT_EQ(DdeInitializeA(&m_server, DdeRecorder::Callback, APPCLASS_STANDARD, 0), DMLERR_NO_ERROR);
        DdeRecorder::instance = m_server;
        ASSERT_NE(DdeNameService(m_server, Str(m_server, m_morv), nullptr, DNS_REGISTER), nullptr);
        ASSERT_EQ(DdeInitializeA(&m_client, Ignore, APPCMD_CLIENTONLY, 0), DMLERR_NO_ERROR);
    }
    void TearDown() override
    {
        DdeUninitialize(m_client);
        DdeUninitialize(m_server);
        fs::remove_all(m_dir);
    }

    static HDDEDATA CALLBACK Ignore(UINT, UINT, HCONV, HSZ, HSZ, HDDEDATA, ULONG_PTR, ULONG_PTR) { return nullptr; }
    static HSZ Str(DWORD instance, const std::string& text)
    {
        return DdeCreateStringHandleA(instance, text.c_str(), CP_WINANSI);
    }
    std::string Record() const
    {
        std::string bytes;
        platform::ReadWholeFile((m_dir / "record.txt").string().c_str(), bytes);
        return bytes;
    }

    void StartStandin(std::vector<std::string> options, bool record = true)
    {
        std::vector<std::string> argv = {VORNA_STANDIN, "--service", m_vorna, "--reply-service", m_morv};
        if (record) {
            argv.push_back("--record");
            argv.push_back((m_dir / "record.txt").string());
        }
        argv.insert(argv.end(), options.begin(), options.end());
        ASSERT_TRUE(m_standin.Start(argv));
        ASSERT_EQ(m_standin.WaitFor("vorna-standin ready"), "vorna-standin ready " + m_vorna);
    }

    // Connect, poke asynchronously and disconnect at once, as the transfer dialog sends.
    bool Transfer(const std::string& text, const char* topic = "set", const char* item = "object")
    {
        HCONV conv = DdeConnect(m_client, Str(m_client, m_vorna), Str(m_client, topic), nullptr);
        if (!conv)
            return false;
        HSZ hszItem = Str(m_client, item);
        HDDEDATA data = DdeCreateDataHandle(m_client, reinterpret_cast<LPBYTE>(const_cast<char*>(text.c_str())),
                                            static_cast<DWORD>(text.size() + 1), 0, hszItem, CF_TEXT, 0);
        DWORD id = 0;
        bool poked = DdeClientTransaction(reinterpret_cast<LPBYTE>(data), 0xFFFFFFFF, conv, hszItem, CF_TEXT,
                                          XTYP_POKE, TIMEOUT_ASYNC, &id) != nullptr;
        return DdeDisconnect(conv) && poked;
    }
    bool SendTcl() { return Transfer("sendtcl\xA7" + m_commandFile); }

    // The acknowledgement as the program's server sees it: a poke on "set", and the stand-in's conversation.
    static size_t Pokes() { return DdeRecorder::Count(XTYP_POKE); }
    static long OpenConversations()
    {
        return static_cast<long>(DdeRecorder::Count(XTYP_CONNECT_CONFIRM)) -
               static_cast<long>(DdeRecorder::Count(XTYP_DISCONNECT));
    }
    static bool Acknowledged(size_t count) { return Pokes() >= count && OpenConversations() == 0; }

    std::string m_vorna;
    std::string m_morv;
    fs::path m_dir;
    std::string m_commandFile;
    DWORD m_server = 0;
    DWORD m_client = 0;
    ChildProcess m_standin;
};

}  // namespace

TEST_F(VornaStandinTest, RecordsTheCommandFileThenPokesAckAndDisconnects)
{
    StartStandin({});
    ASSERT_TRUE(SendTcl());
    ASSERT_TRUE(RunLoopUntil([] { return Acknowledged(1); }));
    EXPECT_EQ(Record(), kRecorded);

    std::vector<UINT> order;
    for (const testsupport::DdeEvent& e : DdeRecorder::events)
        order.push_back(e.type);
    std::vector<UINT> expected = {XTYP_CONNECT, XTYP_CONNECT_CONFIRM, XTYP_POKE, XTYP_DISCONNECT};
    EXPECT_EQ(order, expected);
    const testsupport::DdeEvent& connect = DdeRecorder::events[0];
    EXPECT_EQ(connect.text2, m_morv);
    EXPECT_EQ(connect.text1, "set");
    const testsupport::DdeEvent& ack = DdeRecorder::events[2];
    EXPECT_EQ(ack.text1, "set");
    EXPECT_EQ(ack.text2, "object");
    EXPECT_EQ(ack.format, CF_TEXT);
    EXPECT_EQ(ack.data, std::string("ack\0", 4));
}

TEST_F(VornaStandinTest, RecordsDirectTextPokesAsTheyAreAndAcknowledgesEach)
{
    StartStandin({});
    ASSERT_TRUE(Transfer("settext\xA7" "42\xA7" "Caldaia \xE4 1"));
    ASSERT_TRUE(RunLoopUntil([] { return Acknowledged(1); }));
    ASSERT_TRUE(SendTcl());
    ASSERT_TRUE(RunLoopUntil([] { return Acknowledged(2); }));
    EXPECT_EQ(Record(), "settext\xA7" "42\xA7" "Caldaia \xE4 1\n" + kRecorded);
}

TEST_F(VornaStandinTest, RefusesPokesOnAnotherTopicOrItem)
{
    StartStandin({});
    struct Case {
        const char* topic;
        const char* item;
    } cases[] = {{"get", "object"}, {"set", "objects"}};
    for (const Case& c : cases) {
        HCONV conv = DdeConnect(m_client, Str(m_client, m_vorna), Str(m_client, c.topic), nullptr);
        ASSERT_NE(conv, nullptr);
        char text[] = "settext\xA7" "1\xA7x";
        EXPECT_EQ(DdeClientTransaction(reinterpret_cast<LPBYTE>(text), sizeof text, conv, Str(m_client, c.item),
                                       CF_TEXT, XTYP_POKE, 10000, nullptr),
                  nullptr)
            << c.topic << " " << c.item;
        EXPECT_EQ(DdeGetLastError(m_client), DMLERR_NOTPROCESSED);
        DdeDisconnect(conv);
    }
    // A proper transfer afterwards is the only thing recorded and acknowledged.
    ASSERT_TRUE(SendTcl());
    ASSERT_TRUE(RunLoopUntil([] { return Acknowledged(1); }));
    EXPECT_EQ(Record(), kRecorded);
    EXPECT_EQ(Pokes(), 1u);
}

TEST_F(VornaStandinTest, WithoutAckItRecordsButNeverAcknowledges)
{
    StartStandin({"--no-ack", "--exit-after", "1"});
    ASSERT_TRUE(SendTcl());
    // Once it has ended, everything it would have sent has been sent.
    EXPECT_EQ(m_standin.Wait(), 0);
    for (int i = 0; i < 10; ++i)
        platform::EventLoop::Current().RunOnce(std::chrono::milliseconds(1));
    EXPECT_EQ(Record(), kRecorded);
    EXPECT_EQ(DdeRecorder::Count(XTYP_CONNECT), 0u);
}

TEST_F(VornaStandinTest, WrongCaseAckIsPokedAsAck)
{
    StartStandin({"--wrong-case"});
    ASSERT_TRUE(SendTcl());
    ASSERT_TRUE(RunLoopUntil([] { return Acknowledged(1); }));
    EXPECT_EQ(DdeRecorder::Last(XTYP_POKE)->data, std::string("Ack\0", 4));
}

TEST_F(VornaStandinTest, KeepOpenAcknowledgesButNeverClosesItsConversation)
{
    StartStandin({"--keep-open"});
    ASSERT_TRUE(SendTcl());
    ASSERT_TRUE(RunLoopUntil([] { return Pokes() == 1; }));
    // Had it closed the first conversation, the close would have come before the second transfer's ack.
    ASSERT_TRUE(SendTcl());
    ASSERT_TRUE(RunLoopUntil([] { return Pokes() == 2; }));
    EXPECT_EQ(DdeRecorder::Count(XTYP_CONNECT_CONFIRM), 2u);
    EXPECT_EQ(DdeRecorder::Count(XTYP_DISCONNECT), 0u);
    EXPECT_EQ(DdeRecorder::Last(XTYP_POKE)->data, std::string("ack\0", 4));
    m_standin.Kill(SIGTERM);
    EXPECT_TRUE(RunLoopUntil([] { return DdeRecorder::Count(XTYP_DISCONNECT) == 2; }));
}

TEST_F(VornaStandinTest, SlowAckComesNoEarlierThanItsDelay)
{
    StartStandin({"--ack-delay", "300"});
    auto sent = std::chrono::steady_clock::now();
    ASSERT_TRUE(SendTcl());
    ASSERT_TRUE(RunLoopUntil([] { return Acknowledged(1); }));
    EXPECT_GE(std::chrono::steady_clock::now() - sent, 300ms);
    EXPECT_EQ(Record(), kRecorded) << "the command file is read at once, only the ack waits";
}

TEST_F(VornaStandinTest, EndsAfterTheGivenNumberOfTransfers)
{
    StartStandin({"--exit-after", "2"});
    ASSERT_TRUE(SendTcl());
    ASSERT_TRUE(RunLoopUntil([] { return Acknowledged(1); }));
    ASSERT_TRUE(SendTcl());
    EXPECT_TRUE(RunLoopUntil([] { return Acknowledged(2); }));
    EXPECT_EQ(m_standin.Wait(), 0);
    EXPECT_EQ(Record(), kRecorded + kRecorded);
    EXPECT_FALSE(SendTcl()) << "the service went with the process";
}

TEST_F(VornaStandinTest, RunsForABoundedTime)
{
    StartStandin({"--run-for", "150"});
    EXPECT_EQ(m_standin.Wait(), 0);
}

TEST_F(VornaStandinTest, RecordsOnStandardOutputAndWritesAReadyFile)
{
    std::string ready = (m_dir / "ready").string();
    StartStandin({"--ready-file", ready}, false);
    std::string text;
    ASSERT_TRUE(platform::ReadWholeFile(ready.c_str(), text));
    EXPECT_EQ(text, "ready " + m_vorna + "\n");
    ASSERT_TRUE(SendTcl());
    std::vector<std::string> lines;
    std::string line;
    while (lines.size() < 4 && m_standin.ReadLine(line))
        lines.push_back(line);
    std::vector<std::string> expected = {"settext\xA7" "12\xA7" "Kessel \xE4", "setobj\xA7" "7\xA7" "Pumpe 1", "",
                                         "setfilenotuptodate"};
    EXPECT_EQ(lines, expected);
}

TEST_F(VornaStandinTest, RejectsBadOptions)
{
    const std::vector<std::string> cases[] = {{"--bogus"}, {"--ack-delay"}, {"--exit-after", "two"}};
    for (const auto& options : cases) {
        ChildProcess bad;
        std::vector<std::string> argv = {VORNA_STANDIN};
        argv.insert(argv.end(), options.begin(), options.end());
        ASSERT_TRUE(bad.Start(argv));
        EXPECT_EQ(bad.Wait(), 2) << options[0];
    }
}
