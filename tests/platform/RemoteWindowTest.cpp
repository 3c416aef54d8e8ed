// Windows of other processes reached by title: posted messages, the deferred close, death of the owner.
#include "platform/EventLoop.h"
#include "platform/LocalSocket.h"
#include "platform/RemoteWindow.h"

#include "ChildProcess.h"
#include "LoopUntil.h"

#include <gtest/gtest.h>

#include <csignal>
#include <string>
#include <unistd.h>
#include <vector>

using namespace std::chrono_literals;
using platform::EventLoop;
using testsupport::ChildProcess;
using testsupport::RunLoopUntil;

namespace remote = platform::remote;

namespace {

CString UniqueTitle()
{
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    return CString((std::string("Vorna - ipc ") + std::to_string(getpid()) + " " + info->name()).c_str());
}

struct Received {
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
    int depth;
};

}  // namespace

TEST(RemoteWindowTest, PostedCloseReachesThePublishingProcessInItsOwnLoop)
{
    CString title = UniqueTitle();
    ChildProcess owner;
    ASSERT_TRUE(owner.Start({IPC_PEER, "window", title.str()}));
    ASSERT_EQ(owner.WaitFor("published"), "published 1");

    EXPECT_TRUE(remote::Exists(title));
    EXPECT_FALSE(remote::Exists(title + "x")) << "titles match exactly";
    EXPECT_FALSE(remote::Exists("vorna - ipc " + title.Mid(12))) << "and with case";
    EXPECT_FALSE(remote::Publish(title, [](UINT, WPARAM, LPARAM) {})) << "another live process holds the title";

    ASSERT_TRUE(remote::Post(title, WM_CLOSE, 0, 0));
    EXPECT_EQ(owner.WaitFor("message"), "message 16 0 0 depth 0");
    EXPECT_EQ(owner.WaitFor("closed"), "closed");
    EXPECT_EQ(owner.Wait(), 0);
    EXPECT_FALSE(remote::Exists(title));
    EXPECT_FALSE(remote::Post(title, WM_CLOSE, 0, 0)) << "nobody to hand the message to";
}

TEST(RemoteWindowTest, CloseArrivingDuringAModalLoopIsActedOnInTheMainLoop)
{
    CString title = UniqueTitle();
    ChildProcess owner;
    ASSERT_TRUE(owner.Start({IPC_PEER, "window", title.str(), "modal"}));
    ASSERT_EQ(owner.WaitFor("published"), "published 1");

    // The close comes first, while the owner runs a modal loop; the WM_USER after it ends that loop.
    ASSERT_TRUE(remote::Post(title, WM_CLOSE, 0, 0));
    ASSERT_TRUE(remote::Post(title, WM_USER, 7, -9));
    std::vector<std::string> lines;
    std::string line;
    while (lines.size() < 4 && owner.ReadLine(line))
        lines.push_back(line);
    std::vector<std::string> expected = {"message 1024 7 -9 depth 1", "modal-end", "message 16 0 0 depth 0", "closed"};
    EXPECT_EQ(lines, expected);
    EXPECT_EQ(owner.Wait(), 0);
}

TEST(RemoteWindowTest, TitleOfAProcessThatDiedIsGoneAndFreeAgain)
{
    CString title = UniqueTitle();
    ChildProcess owner;
    ASSERT_TRUE(owner.Start({IPC_PEER, "window", title.str()}));
    ASSERT_EQ(owner.WaitFor("published"), "published 1");
    ASSERT_TRUE(remote::Exists(title));
    owner.Kill(SIGKILL);
    ASSERT_EQ(owner.Wait(), 128 + SIGKILL);

    EXPECT_FALSE(remote::Exists(title));
    EXPECT_FALSE(remote::Post(title, WM_CLOSE, 0, 0));
    EXPECT_TRUE(remote::Publish(title, [](UINT, WPARAM, LPARAM) {})) << "no stale name after a crash";
    EXPECT_TRUE(remote::Exists(title));
    remote::Unpublish(title);
    EXPECT_FALSE(remote::Exists(title));
}

TEST(RemoteWindowTest, MessagesKeepOrderAndParametersAndOnlyCloseWaitsForTheMainLoop)
{
    EventLoop& loop = EventLoop::Current();
    CString title = UniqueTitle();
    std::vector<Received> received;
    ASSERT_TRUE(remote::Publish(title, [&](UINT m, WPARAM w, LPARAM l) {
        received.push_back({m, w, l, loop.ModalDepth()});
    }));
    const WPARAM bigW = ~WPARAM(0) - 1;
    ASSERT_TRUE(remote::Post(title, WM_CLOSE, 0, 0));
    ASSERT_TRUE(remote::Post(title, WM_USER + 1, bigW, -5));
    ASSERT_TRUE(remote::Post(title, WM_COMMAND, 3, 4));

    // Inside a modal loop: the two ordinary messages arrive in order, the close waits.
    EXPECT_TRUE(RunLoopUntil([&] { return received.size() >= 2; }, 20s, true));
    ASSERT_EQ(received.size(), 2u);
    EXPECT_EQ(received[0].message, WM_USER + 1);
    EXPECT_EQ(received[0].wParam, bigW);
    EXPECT_EQ(received[0].lParam, -5);
    EXPECT_EQ(received[0].depth, 1);
    EXPECT_EQ(received[1].message, WM_COMMAND);

    EXPECT_TRUE(RunLoopUntil([&] { return received.size() >= 3; }));
    ASSERT_EQ(received.size(), 3u);
    EXPECT_EQ(received[2].message, WM_CLOSE);
    EXPECT_EQ(received[2].depth, 0);
    remote::Unpublish(title);
}

TEST(RemoteWindowTest, CloseForAWindowUnpublishedMeanwhileIsDropped)
{
    CString title = UniqueTitle();
    std::vector<UINT> received;
    ASSERT_TRUE(remote::Publish(title, [&](UINT m, WPARAM, LPARAM) { received.push_back(m); }));
    ASSERT_TRUE(remote::Post(title, WM_CLOSE, 0, 0));
    ASSERT_TRUE(remote::Post(title, WM_USER, 0, 0));
    // In a modal loop the close is read first and waits; the WM_USER behind it arrives.
    ASSERT_TRUE(RunLoopUntil([&] { return !received.empty(); }, 20s, true));
    remote::Unpublish(title);  // the window is destroyed before the main loop runs again
    for (int i = 0; i < 5; ++i)
        EventLoop::Current().RunOnce(0ms);
    EXPECT_EQ(received, std::vector<UINT> {WM_USER});
}

TEST(RemoteWindowTest, ForeignBytesOnTheSocketDeliverNothing)
{
    CString title = UniqueTitle();
    std::vector<UINT> received;
    ASSERT_TRUE(remote::Publish(title, [&](UINT m, WPARAM, LPARAM) { received.push_back(m); }));
    std::string address = platform::LocalSocket::Address("window", title.str());
    {
        platform::LocalSocket junk = platform::LocalSocket::Connect(address);
        ASSERT_TRUE(junk.IsValid());
        std::string bytes(24, '\x5A');
        ASSERT_TRUE(junk.SendAll(bytes.data(), bytes.size(), 1s));
        platform::LocalSocket partial = platform::LocalSocket::Connect(address);
        ASSERT_TRUE(partial.SendAll("WMSG", 4, 1s));
    }
    ASSERT_TRUE(remote::Post(title, WM_USER, 0, 0));
    EXPECT_TRUE(RunLoopUntil([&] { return !received.empty(); }));
    for (int i = 0; i < 5; ++i)
        EventLoop::Current().RunOnce(0ms);
    EXPECT_EQ(received, std::vector<UINT> {WM_USER});
    remote::Unpublish(title);
}
