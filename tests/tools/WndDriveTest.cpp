// wnddrive against the window host as separate processes: every verb acts as a person and the host's own handlers
// report what they received; refusals, missing windows, the answer queue, other users and isolated runs.
#include "platform/LocalSocket.h"
#include "platform/WindowChannelWire.h"

#include "ChildProcess.h"
#include "Isolation.h"

#include <gtest/gtest.h>

#include <csignal>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <poll.h>
#include <string>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

using testsupport::ChildProcess;
using testsupport::Isolation;
using testsupport::ToolResult;
using Args = std::vector<std::string>;

namespace {

constexpr uid_t kNobody = 65534;

class WndDriveTest : public ::testing::Test {
protected:
    void SetUp() override { StartHost(m_iso, m_host); }
    void TearDown() override
    {
        if (m_host.Pid() > 0) {
            m_host.Kill(SIGTERM);
            m_host.Wait();
        }
    }

    static void StartHost(const Isolation& iso, ChildProcess& host)
    {
        ASSERT_TRUE(iso.Start(host, {WINDOW_HOST}));
        ASSERT_EQ(host.WaitFor("window-host ready"), "window-host ready");
    }
    static ToolResult DriveIn(const Isolation& iso, Args args)
    {
        args.insert(args.begin(), WNDDRIVE);
        return iso.Run(args);
    }
    ToolResult Drive(Args args) const { return DriveIn(m_iso, std::move(args)); }
    // Runs a verb that must succeed and gives its output.
    std::string Done(const Args& args) const
    {
        ToolResult result = Drive(args);
        EXPECT_EQ(result.exitCode, 0) << args[0] << ": " << result.err;
        return result.out;
    }
    std::string DialogLog() const { return Done({"get", "1020"}); }
    std::string FrameLog() const { return Done({"--window", "frame", "get", "3000"}); }
    void OpenDialog() const { ASSERT_EQ(Done({"command", "32002"}), ""); }

    Isolation m_iso;
    ChildProcess m_host;
};

}  // namespace

TEST_F(WndDriveTest, EveryActionReachesTheProgramAsAPersonsAndReadsBackInUtf8)
{
    OpenDialog();
    const struct {
        Args action;
        const char* log;       // what the program's handler received (its Windows-1252 text, shown in UTF-8)
        const char* control;   // read back with get
        const char* value;
    } cases[] = {
        {{"click", "1001"}, "push", "1001", "Premi"},
        {{"click", "1002"}, "check 1", "1002", "1"},
        {{"click", "1004"}, "radio B", "1004", "1"},
        // Seven characters are seven bytes in the program: it holds Windows-1252.
        {{"type", "1007", "Größe €"}, "edit 7 bytes: Größe €", "1007", "Größe €"},
        {{"key", "1007", "x"}, "edit 8 bytes: Größe €x", "1007", "Größe €x"},
        {{"pick", "1010", "2"}, "combo 2", "1010", "tré"},
        {{"dblclick", "1011", "1"}, "list double 1", "1011", "beta"},
        {{"pick", "1012", "1"}, "tab 1", "1012", "Secondo"},
        {{"pick-tree", "1013", "Impianto/Caldaia/Pompa ä"}, "tree Pompa ä", "1013", "Pompa ä"},
        {{"dblclick", "1014", "1"}, "row double 1", "1014", "secondo\t2 €"},
        {{"pick", "1014", "0"}, "row double 1", "1014", "primo\t1"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Done(c.action), "") << c.action[0];
        EXPECT_EQ(DialogLog(), std::string(c.log) + "\n") << c.action[0];
        EXPECT_EQ(Done({"get", c.control}), std::string(c.value) + "\n") << c.action[0];
    }
    EXPECT_EQ(Done({"get", "1003"}), "0\n") << "the other radio button of the group";
    EXPECT_EQ(Done({"caption", "1002"}), "Sì, è così\n");
    EXPECT_EQ(Done({"items", "1010"}), "uno\ndue\ntré\n");
    EXPECT_EQ(Done({"items", "1012"}), "Primo\nSecondo\n");
    EXPECT_EQ(Done({"items", "1013"}), "Impianto\n  Caldaia\n    Pompa ä\nSolare\n");
    EXPECT_EQ(Done({"items", "1014"}), "primo\t1\nsecondo\t2 €\n");

    std::string tree = Done({"tree"});
    EXPECT_EQ(tree.substr(0, tree.find('\n')), "#32770 0 \"Tutti i controlli – €\"");
    for (const char* line : {"  Button 1002 \"Sì, è così\" checked", "  Edit 1008 \"fermo\" disabled",
                             "  Edit 1009 \"nascosto\" hidden", "  ComboBox 1010 \"tré\" sel=2",
                             "  ListBox 1011 \"\" sel=1", "  SysTabControl32 1012 \"\" sel=1",
                             "  SysListView32 1014 \"\" sel=0", "  Static 1020 \"row double 1\""})
        EXPECT_NE(tree.find(std::string(line) + "\n"), std::string::npos) << line << "\n" << tree;
    EXPECT_EQ(Done({"--window", "9301", "get", "1007"}), "Größe €x\n") << "the dialog by its template number";

    // Escape ends the dialog as its Cancel; the frame's accelerator then opens the about box.
    EXPECT_EQ(Done({"key", "-", "ESC"}), "");
    EXPECT_EQ(FrameLog(), "dialog 2\n");
    EXPECT_EQ(Done({"key", "-", "CTRL+ALT+V"}), "");
    EXPECT_EQ(FrameLog(), "about 1\n");
    std::string frameTree = Done({"tree"});
    EXPECT_EQ(frameTree.substr(0, frameTree.find('\n')), "AfxFrameOrView 0 \"Finestra di prova – già\"");

    // The close box ends the program; the answer comes before it is gone.
    EXPECT_EQ(Done({"close"}), "");
    EXPECT_EQ(m_host.Wait(), 0);
    EXPECT_EQ(Drive({"--wait", "200", "tree"}).exitCode, 2) << "no program any more";
}

TEST_F(WndDriveTest, WhatAPersonCouldNotDoIsRefusedAndWhatIsNotThereIsWaitedFor)
{
    // Nothing of the dialog is there yet, and the frame's own refusals.
    const struct {
        Args args;
        int exitCode;
        const char* error;  // part of the message
    } frameCases[] = {
        {{"--wait", "200", "--window", "9301", "tree"}, 2, "no window \"9301\""},
        {{"--wait", "200", "click", "1001"}, 2, "no control 1001"},
        {{"command", "32005"}, 1, "command 32005 is disabled"},
        {{"command", "4242"}, 1, "no toolbar button or accelerator chooses command 4242"},
        {{"items", "3000"}, 1, "has no items"},
        {{"--window", "nonsense", "--wait", "100", "tree"}, 2, "no window"},
        {{"frobnicate"}, 64, "unknown verb"},
        {{"click"}, 64, "click takes 1 argument(s)"},
        {{"drag", "1154", "0", "1", "ESC", "x"}, 64, "drag takes 3 or 4 argument(s)"},
    };
    for (const auto& c : frameCases) {
        ToolResult result = Drive(c.args);
        EXPECT_EQ(result.exitCode, c.exitCode) << c.args.back() << ": " << result.err;
        EXPECT_NE(result.err.find(c.error), std::string::npos) << result.err;
    }
    EXPECT_EQ(FrameLog(), "\n") << "nothing was carried out";

    OpenDialog();
    const struct {
        Args args;
        const char* error;
    } dialogCases[] = {
        {{"type", "1008", "x"}, "window 1008 is disabled"},
        {{"click", "1009"}, "window 1009 is hidden"},
        {{"type", "1009", "x"}, "window 1009 is hidden"},
        {{"pick", "1010", "3"}, "no item 3"},
        {{"pick-tree", "1013", "Impianto/Pompa ä"}, "no tree item \"Pompa ä\""},
        {{"type", "1007", "Ωmega"}, "characters Windows-1252 cannot hold"},
        {{"type", "1001", "x"}, "no edit field"},
        {{"key", "1007", "NOSUCHKEY"}, "no key"},
        // The frame is disabled while its modal dialog runs: neither a toolbar button nor an accelerator reaches it.
        {{"command", "32002"}, "is disabled"},
        {{"command", "32001"}, "is disabled"},
        {{"--window", "frame", "close"}, "is disabled"},
    };
    for (const auto& c : dialogCases) {
        ToolResult result = Drive(c.args);
        EXPECT_EQ(result.exitCode, 1) << c.args[0] << " " << c.args[1];
        EXPECT_NE(result.err.find(c.error), std::string::npos) << result.err;
    }
    EXPECT_EQ(DialogLog(), "\n") << "no refused action reached a handler";
    EXPECT_EQ(Done({"get", "1008"}), "fermo\n") << "a disabled control can still be read";

    // A window that appears within --wait is found: the dialog opens while wnddrive waits for it.
    EXPECT_EQ(Done({"click", "2"}), "");
    ChildProcess waiting;
    ASSERT_TRUE(m_iso.Start(waiting, {WNDDRIVE, "--wait", "10000", "--window", "9301", "click", "1001"}));
    OpenDialog();
    EXPECT_EQ(waiting.Wait(), 0);
    EXPECT_EQ(DialogLog(), "push\n");
}

TEST_F(WndDriveTest, AnswersWaitForTheNextBoxOrDialogInOrderAndEveryBoxIsReported)
{
    OpenDialog();
    // Headless, a box without a queued answer takes its default button (Yes of Yes/No/Cancel).
    EXPECT_EQ(Done({"click", "1017"}), "");
    EXPECT_EQ(DialogLog(), "answer 6\n");
    EXPECT_EQ(Done({"answer", "CANCEL"}), "");
    EXPECT_EQ(Done({"answer", "NO"}), "");
    EXPECT_EQ(Done({"click", "1017"}), "");
    EXPECT_EQ(DialogLog(), "answer 2\n");
    EXPECT_EQ(Done({"click", "1017"}), "");
    EXPECT_EQ(DialogLog(), "answer 7\n");
    EXPECT_EQ(Drive({"answer", "MAYBE"}).exitCode, 1);

    // A relative path is meant from where wnddrive runs; a path with characters beyond ASCII arrives in
    // Windows-1252 and comes back as it was given.
    std::string here = std::filesystem::current_path().string();
    EXPECT_EQ(Done({"file", "insieme è.par"}), "");
    EXPECT_EQ(Done({"file", "CANCEL"}), "");
    EXPECT_EQ(Done({"click", "1018"}), "");
    EXPECT_EQ(DialogLog(), "file " + here + "/insieme è.par\n");
    EXPECT_EQ(Done({"click", "1018"}), "");
    EXPECT_EQ(DialogLog(), "file cancelled\n");
    EXPECT_EQ(Done({"click", "1018"}), "");
    EXPECT_EQ(DialogLog(), "file cancelled\n") << "headless, a file dialog without an answer cancels";

    EXPECT_EQ(Done({"key", "-", "ESC"}), "");
    EXPECT_EQ(Done({"answer", "NO"}), "");
    EXPECT_EQ(Done({"command", "32003"}), "");
    EXPECT_EQ(FrameLog(), "answer 7\n");
    const std::string question = "Domanda\t0x0003\tSalvare le modifiche?\n";
    EXPECT_EQ(Done({"boxes"}), question + question + question + "window-host\t0x0024\tContinuare?\n");
}

TEST_F(WndDriveTest, AnotherUserReachesNeitherTheChannelNorItsActions)
{
    if (getuid() != 0)
        GTEST_SKIP() << "only root can act as another user";
    OpenDialog();
    // wnddrive of another user does not even find the program: the runtime folder is not its own.
    ToolResult stranger = m_iso.Run({"/usr/bin/setpriv", "--reuid=65534", "--regid=65534", "--clear-groups", WNDDRIVE,
                                     "--wait", "300", "click", "1001"});
    EXPECT_EQ(stranger.exitCode, 2) << stranger.err;

    // Even where the folder and the socket are opened up, the program drops a stranger's connection unanswered.
    std::string socketPath = (m_iso.RuntimeFolder() / "win32-objects" / "channel.windows.sock").string();
    ASSERT_EQ(chmod(m_iso.RuntimeFolder().c_str(), 0711), 0);
    ASSERT_EQ(chmod((m_iso.RuntimeFolder() / "win32-objects").c_str(), 0711), 0);
    ASSERT_EQ(chmod(socketPath.c_str(), 0777), 0);
    pid_t pid = fork();
    if (pid == 0) {
        if (setgid(kNobody) != 0 || setuid(kNobody) != 0)
            _exit(10);
        int fd = socket(AF_UNIX, SOCK_STREAM, 0);
        sockaddr_un addr {};
        addr.sun_family = AF_UNIX;
        std::strncpy(addr.sun_path, socketPath.c_str(), sizeof addr.sun_path - 1);
        if (connect(fd, reinterpret_cast<sockaddr*>(&addr), sizeof addr) != 0)
            _exit(11);
        std::string request = platform::WindowChannelWire::Encode({"active", "click", "1001"});
        // The program may have dropped the connection before the request is written.
        if (send(fd, request.data(), request.size(), MSG_NOSIGNAL) != static_cast<ssize_t>(request.size()))
            _exit(0);
        pollfd pfd {fd, POLLIN, 0};
        if (poll(&pfd, 1, 10000) <= 0)
            _exit(13);
        char byte;
        _exit(read(fd, &byte, 1) <= 0 ? 0 : 14);  // closed or reset without a word
    }
    int status = 0;
    ASSERT_EQ(waitpid(pid, &status, 0), pid);
    // Private again, as the runtime folder must be to be used at all.
    chmod(socketPath.c_str(), 0755);
    chmod((m_iso.RuntimeFolder() / "win32-objects").c_str(), 0700);
    chmod(m_iso.RuntimeFolder().c_str(), 0700);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "exit " << WEXITSTATUS(status);
    EXPECT_EQ(DialogLog(), "\n") << "the stranger's click was not carried out";
}

TEST_F(WndDriveTest, TwoIsolatedRunsAtOnceNeverMeet)
{
    Isolation other;
    ChildProcess otherHost;
    StartHost(other, otherHost);
    OpenDialog();
    EXPECT_EQ(DriveIn(other, {"command", "32002"}).exitCode, 0);
    EXPECT_EQ(Done({"type", "1007", "primo"}), "");
    EXPECT_EQ(DriveIn(other, {"type", "1007", "secondo"}).exitCode, 0);
    EXPECT_EQ(Done({"get", "1007"}), "primo\n");
    EXPECT_EQ(DriveIn(other, {"get", "1007"}).out, "secondo\n");
    // The first close box is the dialog's, the second the frame's, which ends that program only.
    EXPECT_EQ(DriveIn(other, {"close"}).exitCode, 0);
    EXPECT_EQ(DriveIn(other, {"close"}).exitCode, 0);
    EXPECT_EQ(otherHost.Wait(), 0);
    EXPECT_EQ(Done({"get", "1007"}), "primo\n") << "this run's program is untouched";
}

TEST_F(WndDriveTest, ABoxOrDialogShownRightNowIsEndedByTheAnswer)
{
    // A host whose boxes and dialogs stay up until something ends them, as real windows wait for a person.
    Isolation showing;
    ChildProcess host;
    ASSERT_TRUE(showing.Start(host, {WINDOW_HOST, "--showing-prompts"}));
    ASSERT_EQ(host.WaitFor("window-host ready"), "window-host ready");
    ASSERT_EQ(DriveIn(showing, {"command", "32002"}).exitCode, 0);

    // The click returns once the box is up; the program waits in it, and the next verbs are served meanwhile.
    EXPECT_EQ(DriveIn(showing, {"click", "1017"}).exitCode, 0);
    EXPECT_EQ(DriveIn(showing, {"get", "1020"}).out, "\n") << "the handler still waits for the answer";
    EXPECT_EQ(DriveIn(showing, {"boxes"}).out, "Domanda\t0x0003\tSalvare le modifiche?\n");
    EXPECT_EQ(DriveIn(showing, {"answer", "NO"}).exitCode, 0);
    EXPECT_EQ(DriveIn(showing, {"get", "1020"}).out, "answer 7\n");

    EXPECT_EQ(DriveIn(showing, {"click", "1018"}).exitCode, 0);
    EXPECT_EQ(DriveIn(showing, {"file", "/tmp/scelto.par"}).exitCode, 0);
    EXPECT_EQ(DriveIn(showing, {"get", "1020"}).out, "file /tmp/scelto.par\n");

    // An answer given before the box comes answers it at once, without showing it.
    EXPECT_EQ(DriveIn(showing, {"answer", "CANCEL"}).exitCode, 0);
    EXPECT_EQ(DriveIn(showing, {"click", "1017"}).exitCode, 0);
    EXPECT_EQ(DriveIn(showing, {"get", "1020"}).out, "answer 2\n");
    host.Kill(SIGTERM);
    host.Wait();
}

TEST_F(WndDriveTest, AProgressDialogIsWaitedOutAndWhereTellsWhereAShownControlIs)
{
    // The dialog shows progress only and ends by itself: the verb returns once it has ended, not while it runs.
    EXPECT_EQ(Done({"command", "32006"}), "");
    EXPECT_EQ(FrameLog(), "progress 1\n");
    EXPECT_EQ(Done({"tree"}).substr(0, 14), "AfxFrameOrView") << "no dialog is left";

    // A dialog with controls to use is answered as soon as it waits for the person.
    OpenDialog();
    const std::string where = Done({"where", "1001"});
    int x = -1, y = -1, width = 0, height = 0;
    ASSERT_EQ(std::sscanf(where.c_str(), "%d %d %d %d", &x, &y, &width, &height), 4) << where;
    EXPECT_GT(width, 0);
    EXPECT_GT(height, 0);
    const std::string wider = Done({"where", "1007"});
    int x2 = -1, y2 = -1, width2 = 0, height2 = 0;
    ASSERT_EQ(std::sscanf(wider.c_str(), "%d %d %d %d", &x2, &y2, &width2, &height2), 4) << wider;
    EXPECT_GT(x2, x) << "the edit field lies right of the push button";
    EXPECT_EQ(Drive({"where", "1009"}).exitCode, 1) << "a hidden control is not shown";
    EXPECT_EQ(Drive({"--wait", "200", "where", "4242"}).exitCode, 2) << "no such control";
}
