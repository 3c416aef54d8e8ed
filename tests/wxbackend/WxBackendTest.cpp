// The window backend under Xvfb, as a person uses it: real GTK widgets, typed into and clicked with xdotool, read
// back from the model by the host. Each test has an X server of its own, so the tests run in parallel.
#include "ChildProcess.h"
#include "HostWindows.h"
#include "Isolation.h"
#include "XvfbDisplay.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <sstream>
#include <thread>

namespace {

using testsupport::ChildProcess;
using testsupport::Isolation;
using wxtest::XvfbDisplay;

// EN_CHANGE and BN_CLICKED as the host prints them.
const std::string kChanged = " 768";
const std::string kClicked = " 0";

struct Rect {
    int x = 0, y = 0, w = 0, h = 0;
};

class WxBackendTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (std::system("command -v Xvfb > /dev/null && command -v xdotool > /dev/null") != 0)
            GTEST_SKIP() << "Xvfb or xdotool is not installed (scripts/install-deps.sh installs them)";
        ASSERT_TRUE(m_display.Ok()) << "Xvfb did not start";
        // The host serves its window channel in this test's runtime folder, where wnddrive finds it.
        setenv("XDG_RUNTIME_DIR", m_iso.RuntimeFolder().c_str(), 1);
        m_display.ShowWindowsHere();
    }

    // A warning of the toolkit is a fault of the backend's, whatever the test looked at.
    void TearDown() override
    {
        const std::string errors = HostErrors();
        for (const char* kind : {"-CRITICAL", "-WARNING"})
            EXPECT_EQ(errors.find(kind), std::string::npos) << errors;
    }

    void StartHost(const std::string& expected = "ready backend") { StartHostAs(m_host, expected); }
    void StartHostAs(ChildProcess& host, const std::string& expected)
    {
        // The host's standard error goes to a file of the test, which reads it afterwards.
        ASSERT_TRUE(host.Start({"/bin/sh", "-c", "exec \"$0\" 2>\"$1\"", WXHOST, ErrorFile()}));
        ASSERT_EQ(host.WaitFor("ready"), expected);
    }
    std::string ErrorFile() const { return (m_iso.Home() / "host-stderr.txt").string(); }
    std::string HostErrors() const
    {
        std::ifstream in(ErrorFile());
        return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }

    std::string Ask(const std::string& command, const std::string& answer)
    {
        m_host.WriteLine(command);
        return m_host.WaitFor(answer);
    }

    Rect RectOf(UINT id)
    {
        std::istringstream in(Ask("rect " + std::to_string(id), "rect ").substr(5));
        Rect r;
        in >> r.x >> r.y >> r.w >> r.h;
        return r;
    }

    std::string TextOf(UINT id) { return Ask("get " + std::to_string(id), "text ").substr(5); }

    std::string FrameWindow() { return Ask("wid", "wid ").substr(4); }

    int Xdo(const std::vector<std::string>& args)
    {
        std::vector<std::string> argv {"xdotool"};
        argv.insert(argv.end(), args.begin(), args.end());
        return m_display.Run(argv);
    }

    // A person's click in the middle of the control, after the pointer went there.
    void ClickOn(UINT id)
    {
        Rect r = RectOf(id);
        ASSERT_GT(r.w, 0) << "control " << id << " is not on the screen";
        ASSERT_EQ(Xdo({"mousemove", "--sync", std::to_string(r.x + r.w / 2), std::to_string(r.y + r.h / 2)}), 0);
        ASSERT_EQ(Xdo({"click", "1"}), 0);
    }

    void TypeInto(UINT id, const std::string& text)
    {
        ClickOn(id);
        ASSERT_EQ(Xdo({"type", "--delay", "30", text}), 0);
    }

    // Waits for `count` lines that start with `prefix`; every line read meanwhile is kept in `seen`.
    int WaitForLines(const std::string& prefix, int count, std::vector<std::string>& seen)
    {
        int found = 0;
        while (found < count) {
            std::string line;
            if (!m_host.ReadLine(line))
                break;
            seen.push_back(line);
            if (line.rfind(prefix, 0) == 0)
                ++found;
        }
        return found;
    }

    Isolation m_iso;
    XvfbDisplay m_display;
    ChildProcess m_host;
};

std::string Joined(const std::vector<std::string>& lines)
{
    std::string all;
    for (const std::string& l : lines)
        all += l + "\n";
    return all;
}

TEST_F(WxBackendTest, TheFrameAppearsAtItsSizeWithItsControlsDrawn)
{
    StartHost();
    std::string wid = FrameWindow();
    ASSERT_NE(wid, "0");
    std::string shot = std::string(SHOT_DIR) + "/frame.png";
    std::string output;
    ASSERT_EQ(m_display.Run({XTOOL, "shot", wid, shot}, &output), 0);
    std::istringstream in(output);
    int width = 0;
    int height = 0;
    int colours = 0;
    in >> width >> height >> colours;
    EXPECT_EQ(width, 900);
    EXPECT_EQ(height, 560);
    // A blank or single-coloured window has a handful of colours; drawn text and widgets have many.
    EXPECT_GT(colours, 50) << output;
    // Every control of the form is on the screen, inside the frame.
    for (UINT id : {wxhost::IDC_NAME, wxhost::IDC_APPLY, wxhost::IDC_NOTES, wxhost::IDC_CHECK, wxhost::IDC_CHOICE,
                    wxhost::IDC_LIST, wxhost::IDC_TREE, wxhost::IDC_ROWS, wxhost::IDC_TABS, wxhost::IDC_PROGRESS}) {
        Rect r = RectOf(id);
        EXPECT_GT(r.w, 0) << id;
        EXPECT_LE(r.x + r.w, 20 + 900) << id;
    }
}

TEST_F(WxBackendTest, TypingIntoARealEntryArrivesAsThePersonsInput)
{
    StartHost();
    TypeInto(wxhost::IDC_NAME, "Abc");
    std::vector<std::string> seen;
    ASSERT_EQ(WaitForLines("notify 1001" + kChanged, 3, seen), 3) << Joined(seen);
    EXPECT_EQ(TextOf(wxhost::IDC_NAME), "Abc");
}

TEST_F(WxBackendTest, ACharacterWindows1252CannotHoldIsRefusedNotReplaced)
{
    StartHost();
    // Omega (U+03A9) has no Windows-1252 byte; the euro sign has (0x80); the last "z" marks the end of the typing.
    // The texts are UTF-8 bytes, as xdotool and the host speak them.
    TypeInto(wxhost::IDC_NAME, "a\xCE\xA9\xE2\x82\xACz");
    std::vector<std::string> seen;
    ASSERT_EQ(WaitForLines("notify 1001" + kChanged, 3, seen), 3) << Joined(seen);
    EXPECT_EQ(TextOf(wxhost::IDC_NAME), "a\xE2\x82\xACz");
}

TEST_F(WxBackendTest, TypingIntoADialogsEntryAndEnterEndTheModalDialog)
{
    StartHost();
    m_host.WriteLine("press 0");
    ASSERT_EQ(Xdo({"search", "--sync", "--name", "Finestra di prova"}), 0);
    TypeInto(wxhost::IDC_DIALOG_EDIT, "Ciao");
    // The typing reached the model: wnddrive, from outside, reads it from the dialog by its template number.
    testsupport::ToolResult read;
    auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    while (read.out != "Ciao\n" && std::chrono::steady_clock::now() < deadline) {
        read = m_iso.Run({WNDDRIVE, "--window", std::to_string(wxhost::IDD_HOST_DIALOG), "get",
                          std::to_string(wxhost::IDC_DIALOG_EDIT)});
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    EXPECT_EQ(read.out, "Ciao\n") << read.err;
    ASSERT_EQ(Xdo({"key", "Return"}), 0);
    EXPECT_EQ(m_host.WaitFor("dialog text"), "dialog text Ciao");
    EXPECT_EQ(m_host.WaitFor("dialog ended"), "dialog ended 1");
}

TEST_F(WxBackendTest, AClickOnARealButtonRunsItsHandler)
{
    StartHost();
    ClickOn(wxhost::IDC_APPLY);
    std::vector<std::string> seen;
    ASSERT_EQ(WaitForLines("notify 1002" + kClicked, 1, seen), 1) << Joined(seen);
    ClickOn(wxhost::IDC_CHECK);
    ASSERT_EQ(WaitForLines("notify 1004" + kClicked, 1, seen), 1) << Joined(seen);
}

TEST_F(WxBackendTest, ChangesMadeByCodeSendNoNotification)
{
    StartHost();
    std::vector<std::string> before;
    m_host.WriteLine("code");
    ASSERT_EQ(WaitForLines("code done", 1, before), 1);
    // A person's click afterwards is the first notification the form gets: nothing the mirroring raised came
    // before it, however late the toolkit delivered it.
    ClickOn(wxhost::IDC_APPLY);
    std::vector<std::string> after;
    ASSERT_EQ(WaitForLines("notify 1002" + kClicked, 1, after), 1) << Joined(after);
    before.insert(before.end(), after.begin(), after.end() - 1);
    for (const std::string& line : before)
        EXPECT_NE(line.rfind("notify", 0), 0u) << "a change by code reached the model as " << line;
    EXPECT_EQ(TextOf(wxhost::IDC_NOTES), "riga uno\\r\\nriga due");
}

TEST_F(WxBackendTest, LongWorkDrawsItsProgressWhileItRuns)
{
    StartHost();
    Rect bar = RectOf(wxhost::IDC_PROGRESS);
    ASSERT_GT(bar.w, 0);
    m_host.WriteLine("work");
    ASSERT_EQ(m_host.WaitFor("work at 70"), "work at 70");
    // The host is inside its work and serves nothing: what the screen shows was drawn during the work.
    std::string output;
    ASSERT_EQ(m_display.Run({XTOOL, "fill", std::to_string(bar.x), std::to_string(bar.y), std::to_string(bar.w),
                             std::to_string(bar.h)},
                            &output),
              0);
    int filled = std::atoi(output.c_str());
    EXPECT_GE(filled, 60) << output;
    EXPECT_LE(filled, 80) << output;
    m_host.WriteLine("go on");
    EXPECT_EQ(m_host.WaitFor("work done"), "work done");
}

TEST_F(WxBackendTest, AFormShownLaterShowsWhatItWasGivenWhileHiddenAndTakesClicks)
{
    StartHost();
    ASSERT_EQ(Ask("second", "second "), "second shown");
    // The second form's progress bar, moved by code while the form was hidden, is drawn where it stands now (the
    // first form's, at the same place, stands at 40), once the toolkit has drawn the switch.
    Rect bar = RectOf(wxhost::IDC_PROGRESS);
    ASSERT_GT(bar.w, 0);
    int filled = 0;
    auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while ((filled < 60 || filled > 80) && std::chrono::steady_clock::now() < deadline) {
        std::string output;
        ASSERT_EQ(m_display.Run({XTOOL, "fill", std::to_string(bar.x), std::to_string(bar.y), std::to_string(bar.w),
                                 std::to_string(bar.h)},
                                &output),
                  0);
        filled = std::atoi(output.c_str());
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    EXPECT_GE(filled, 60);
    EXPECT_LE(filled, 80);
    // Its controls answer a person as the first form's did.
    ClickOn(wxhost::IDC_APPLY);
    std::vector<std::string> seen;
    EXPECT_EQ(WaitForLines("notify 1002" + kClicked, 1, seen), 1) << Joined(seen);
}

TEST_F(WxBackendTest, AFrameThePersonResizesTellsTheModelItsPlacement)
{
    StartHost();
    ASSERT_EQ(Ask("place", "place "), "place 1 900 560");
    ASSERT_EQ(Xdo({"windowsize", FrameWindow(), "700", "450"}), 0);
    // The window manager's resize reaches the model as the person's; it is what WINDOW.ini keeps.
    std::string placement;
    auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    while (placement != "place 1 700 450" && std::chrono::steady_clock::now() < deadline) {
        placement = Ask("place", "place ");
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    EXPECT_EQ(placement, "place 1 700 450");
}

TEST_F(WxBackendTest, TheWindowManagersCloseBoxPostsWmClose)
{
    StartHost();
    ASSERT_EQ(m_display.Run({XTOOL, "close", FrameWindow()}), 0);
    EXPECT_EQ(m_host.WaitFor("WM_CLOSE"), "WM_CLOSE");
    EXPECT_EQ(m_host.WaitFor("ended"), "ended");
    EXPECT_EQ(m_host.Wait(), 0);
}

TEST_F(WxBackendTest, AMessageBoxWaitsForItsAnswerFromOutside)
{
    StartHost();
    m_host.WriteLine("box 0x24");
    // The box is a real window with its caption; the model's loop keeps serving the host's input meanwhile.
    ASSERT_EQ(Xdo({"search", "--sync", "--name", "Messaggio 1.010"}), 0);
    EXPECT_EQ(Ask("answer 2", "answered"), "answered 0");  // a yes/no box has no Cancel
    EXPECT_EQ(Ask("answer 7", "answered"), "answered 1");
    EXPECT_EQ(m_host.WaitFor("box "), "box 7");
}

TEST_F(WxBackendTest, AskedWithoutADisplayOrWhenItCannotBeOpenedTheModelStaysHeadless)
{
    const struct {
        const char* why;
        const char* headless;  // MORV9274_HEADLESS, null: unset
        const char* display;   // DISPLAY, null: unset (WAYLAND_DISPLAY is unset throughout)
        const char* errors;    // what the host writes to standard error
    } cases[] = {
        {"asked", "1", m_display.Name().c_str(), ""},
        {"no display", nullptr, nullptr, ""},
        {"display cannot be opened", nullptr, ":65000", "display :65000 cannot be opened, running without windows\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.why);
        c.headless ? setenv("MORV9274_HEADLESS", c.headless, 1) : unsetenv("MORV9274_HEADLESS");
        c.display ? setenv("DISPLAY", c.display, 1) : unsetenv("DISPLAY");
        ChildProcess host;
        StartHostAs(host, "ready headless");
        host.WriteLine("quit");
        EXPECT_EQ(host.Wait(), 0);
        EXPECT_EQ(HostErrors(), c.errors);
    }
}

}  // namespace
