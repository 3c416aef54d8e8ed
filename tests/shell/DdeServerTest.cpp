// The program's DDE server as the drawing tool sees it: connection by service name, "ack" pokes, requests.
#include "link/StartContext.h"
#include "shell/CMorv9274App.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

HDDEDATA Ignore(UINT, UINT, HCONV, HSZ, HSZ, HDDEDATA, ULONG_PTR, ULONG_PTR) { return nullptr; }

class DdeServerTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { ASSERT_TRUE(CMorv9274App::RegisterDdeServer(Seen())); }
    static void TearDownTestSuite() { CMorv9274App::UnregisterDdeServer(); }
    void SetUp() override
    {
        ASSERT_EQ(DdeInitializeA(&m_client, &Ignore, APPCMD_CLIENTONLY, 0), DMLERR_NO_ERROR);
        Seen().ack = false;
    }
    void TearDown() override { DdeUninitialize(m_client); }
    // What the server has seen, as the application holds it.
    static DdeState& Seen()
    {
        static DdeState seen;
        return seen;
    }

    HSZ Str(const char* text) { return DdeCreateStringHandleA(m_client, text, CP_WINANSI); }
    ULONG_PTR Poke(const char* topic, const std::string& bytes)
    {
        HDDEDATA data = DdeCreateDataHandle(m_client, reinterpret_cast<LPBYTE>(const_cast<char*>(bytes.data())),
                                            static_cast<DWORD>(bytes.size()), 0, Str("object"), CF_TEXT, 0);
        return reinterpret_cast<ULONG_PTR>(
            CMorv9274App::DdeCallback(XTYP_POKE, CF_TEXT, nullptr, Str(topic), Str("object"), data, 0, 0));
    }
    std::string Request()
    {
        HDDEDATA data = CMorv9274App::DdeCallback(XTYP_REQUEST, CF_TEXT, nullptr, Str("any"), Str("thing"),
                                                  nullptr, 0, 0);
        std::string block(DdeGetData(data, nullptr, 0, 0), '\0');
        DdeGetData(data, reinterpret_cast<LPBYTE>(block.data()), static_cast<DWORD>(block.size()), 0);
        DdeFreeDataHandle(data);
        return block;
    }

    DWORD m_client = 0;
};

}  // namespace

TEST_F(DdeServerTest, OnlyAnExactAckAcknowledges)
{
    struct Case {
        std::string poke;
        bool ack;
    } cases[] = {
        {std::string("ack\0", 4), true},
        {std::string("ack\xA7" "weiter\0", 11), true},
        {std::string("Ack\0", 4), false},
        {std::string("ack \0", 5), false},
        {std::string("acknowledge\0", 12), false},
        {std::string("ac\0", 3), false},
    };
    for (const Case& c : cases) {
        Seen().ack = false;
        EXPECT_EQ(Poke("set", c.poke), DDE_FACK);
        EXPECT_EQ(Seen().ack, c.ack) << c.poke;
    }
    Seen().ack = false;
    EXPECT_EQ(Poke("other", std::string("ack\0", 4)), 0u) << "only topic \"set\" is processed";
    EXPECT_FALSE(Seen().ack);
    // A long poke followed by a short one: bytes of the first never complete the second.
    Poke("set", std::string("xxxxxxxx\0", 9));
    Seen().ack = false;
    EXPECT_EQ(Poke("set", std::string("ack", 3)), DDE_FACK);
    EXPECT_TRUE(Seen().ack);
    Poke("set", std::string("ackxxxxx\0", 9));
    Seen().ack = false;
    Poke("set", std::string("ac", 2));
    EXPECT_FALSE(Seen().ack);
}

TEST_F(DdeServerTest, ConnectionsByServiceNameAndTheRememberedConversation)
{
    auto connect = [&](const char* service, const char* topic) {
        return reinterpret_cast<ULONG_PTR>(
            CMorv9274App::DdeCallback(XTYP_CONNECT, 0, nullptr, Str(topic), Str(service), nullptr, 0, 0));
    };
    EXPECT_EQ(connect("morv9274", "set"), 1u);
    EXPECT_EQ(connect("MORV9274", "anything"), 1u) << "names compare without case; the topic is not tested";
    EXPECT_EQ(connect("vorna", "set"), 0u);

    HCONV conv = reinterpret_cast<HCONV>(0x1234);
    CMorv9274App::DdeCallback(XTYP_CONNECT_CONFIRM, 0, conv, nullptr, nullptr, nullptr, 0, 0);
    EXPECT_EQ(Seen().conv, conv);
    CMorv9274App::DdeCallback(XTYP_DISCONNECT, 0, conv, nullptr, nullptr, nullptr, 0, 0);
    EXPECT_EQ(Seen().conv, nullptr);
}

TEST_F(DdeServerTest, RequestsAnswerA255ByteBlockWithTheirNumber)
{
    std::string first = Request();
    ASSERT_EQ(first.size(), 255u);
    EXPECT_EQ(first[0], '\0') << "read as text, the answer is empty";
    EXPECT_EQ(first.substr(36, 5), std::string("  1.\0", 5));
    for (int i = 2; i < 1000; ++i)
        Request();
    std::string thousandth = Request();
    EXPECT_EQ(thousandth.substr(36, 5), "1000.");
    EXPECT_EQ(thousandth.substr(0, 36), std::string(36, '\0'));
    EXPECT_EQ(thousandth.substr(41), std::string(255 - 41, '\0'));
}
