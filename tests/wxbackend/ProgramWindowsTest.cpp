// The real program's windows under Xvfb, as a person sees and uses them: morv9274 beside the drawing-tool stand-in,
// its frame and about box as real GTK windows photographed from outside, read back with wnddrive, and ended by the
// window manager's close or by Alt+F4. Each test has an X server and a runtime folder of its own.
#include "ChildProcess.h"
#include "Isolation.h"
#include "XvfbDisplay.h"

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <thread>

namespace {

using testsupport::ChildProcess;
using testsupport::Isolation;
using testsupport::ToolResult;
using wxtest::XvfbDisplay;
using Args = std::vector<std::string>;
using Clock = std::chrono::steady_clock;

const std::string kEmptyDrawing = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<output>\n</output>\n";

struct Shot {
    int width = 0, height = 0, colours = 0, blue = 0;
};

// Whether a program can be found on the PATH.
bool OnPath(const std::string& program)
{
    return std::system(("command -v " + program + " > /dev/null 2>&1").c_str()) == 0;
}

class ProgramWindowsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!OnPath("Xvfb") || !OnPath("xdotool"))
            GTEST_SKIP() << "Xvfb or xdotool is not installed (scripts/install-deps.sh installs them)";
        m_display = std::make_unique<XvfbDisplay>();
        ASSERT_TRUE(m_display->Ok()) << "Xvfb did not start";
        setenv("DISPLAY", m_display->Name().c_str(), 1);
        unsetenv("WAYLAND_DISPLAY");
        unsetenv("MORV9274_HEADLESS");
        setenv("NO_AT_BRIDGE", "1", 1);
        setenv("GSETTINGS_BACKEND", "memory", 1);
        setenv("ASAN_OPTIONS", "detect_leaks=0", 0);
        std::filesystem::create_directories(m_iso.Home() / "para");
        ASSERT_TRUE(m_iso.Start(m_standin, {VORNA_STANDIN, "--record", Path("record.txt")}));
        ASSERT_EQ(m_standin.WaitFor("vorna-standin ready"), "vorna-standin ready vorna");
        Write("VORNA.xml", kEmptyDrawing);
        ASSERT_EQ(m_iso.Run({MORV9274_BINARY, "-cmdfile", "\"" + CommandFile("new") + "\""}).exitCode, 0);
    }
    void TearDown() override
    {
        if (m_program && m_program->Pid() > 0) {
            m_program->Kill(SIGKILL);
            m_program->Wait();
        }
        if (m_standin.Pid() > 0) {
            m_standin.Kill(SIGTERM);
            m_standin.Wait();
        }
    }

    std::string Path(const std::string& relative) const { return (m_iso.Home() / relative).string(); }
    void Write(const std::string& relative, const std::string& bytes) const { std::ofstream(Path(relative)) << bytes; }
    std::string CommandFile(const std::string& command, const std::string& extra = "") const
    {
        Write("command.txt", "-cmd\r\n" + command + "\r\n-engpath\r\n" + Path("plant.evl") + "\r\n-xmlpath\r\n" +
                                 Path("VORNA.xml") + "\r\n" + extra);
        return Path("command.txt");
    }

    ToolResult Drive(Args args) const
    {
        args.insert(args.begin(), WNDDRIVE);
        return m_iso.Run(args);
    }

    // Starts "param" on an object the drawing does not hold (the protocol form is shown) and waits until the frame
    // is a mapped X window; its id.
    std::string StartFrame()
    {
        m_program = std::make_unique<ChildProcess>();
        EXPECT_TRUE(m_iso.Start(*m_program, {MORV9274_BINARY, "-cmdfile",
                                            "\"" + CommandFile("param", "-name\r\nEingang$0\r\n") + "\""}));
        EXPECT_EQ(Drive({"--wait", "60000", "--window", "frame", "tree"}).exitCode, 0);
        return WindowNamed("Vorna - morv9274");
    }

    std::string WindowNamed(const std::string& title) const
    {
        auto deadline = Clock::now() + std::chrono::seconds(30);
        std::string out;
        while (Clock::now() < deadline) {
            if (m_display->Run({"xdotool", "search", "--onlyvisible", "--name", "^" + title + "$"}, &out) == 0 &&
                !out.empty())
                return out.substr(0, out.find('\n'));
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
        }
        return "";
    }

    // A screenshot of the window once the toolkit has drawn it: the picture is taken again until it holds more
    // than a few colours (a window not yet drawn is one flat colour) and stops changing.
    Shot ShotOf(const std::string& window, const std::string& name) const
    {
        const std::string file = std::string(SHOT_DIR) + "/" + name + ".png";
        Shot last;
        auto deadline = Clock::now() + std::chrono::seconds(20);
        while (Clock::now() < deadline) {
            std::string out;
            Shot shot;
            if (m_display->Run({XTOOL, "shot", window, file}, &out) == 0) {
                std::istringstream(out) >> shot.width >> shot.height >> shot.colours >> shot.blue;
                if (shot.colours > 50 && shot.colours == last.colours && shot.blue == last.blue)
                    return shot;
            }
            last = shot;
            std::this_thread::sleep_for(std::chrono::milliseconds(200));
        }
        return last;
    }

    std::unique_ptr<XvfbDisplay> m_display;
    Isolation m_iso;
    ChildProcess m_standin;
    std::unique_ptr<ChildProcess> m_program;
};

TEST_F(ProgramWindowsTest, TheFrameAppearsWithItsProtocolFormAndTheAboutBoxWithItsIcon)
{
    std::string frame = StartFrame();
    ASSERT_FALSE(frame.empty());
    ASSERT_NE(Drive({"tree"}).out.find("Static 1000 \"PROTOCOLLO ERRORI\""), std::string::npos);
    Shot shot = ShotOf(frame, "program-frame");
    // The frame's default size, drawn: the toolbar's pictures, the protocol's lines, the status bar.
    EXPECT_EQ(shot.width, 749);
    EXPECT_EQ(shot.height, 603);
    EXPECT_GT(shot.colours, 50);

    // The person clicks into the protocol's list and presses the about box's keys.
    ASSERT_EQ(m_display->Run({"xdotool", "mousemove", "--window", frame, "400", "300", "click", "1"}), 0);
    ASSERT_EQ(m_display->Run({"xdotool", "key", "ctrl+alt+v"}), 0);
    std::string about = WindowNamed("Informazione su morv9274");
    ASSERT_FALSE(about.empty());
    Shot box = ShotOf(about, "program-about");
    EXPECT_GT(box.colours, 50);
    // The program's icon is a blue chip of more than 400 pixels; a text in its place would have none in blue.
    EXPECT_GT(box.blue, 400) << "the icon static shows no picture";
    EXPECT_EQ(Drive({"get", "1135"}).out, "morv9274 versione 1.29 IT\n");
    ASSERT_EQ(m_display->Run({"xdotool", "windowfocus", "--sync", about}), 0);
    ASSERT_EQ(m_display->Run({"xdotool", "key", "Return"}), 0);
    // Enter is the box's OK: the frame is the active window again.
    auto deadline = Clock::now() + std::chrono::seconds(20);
    std::string top;
    while (Clock::now() < deadline && top.rfind("AfxFrameOrView 0", 0) != 0) {
        top = Drive({"tree"}).out;
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    EXPECT_EQ(top.substr(0, top.find('\n')), "AfxFrameOrView 0 \"Vorna - morv9274\"");
    ASSERT_EQ(Drive({"close"}).exitCode, 0);
    EXPECT_EQ(m_program->Wait(std::chrono::seconds(30)), 0);
}

TEST_F(ProgramWindowsTest, TheWindowManagersCloseStoresThePlacementAndAltF4EndsWithoutIt)
{
    const struct {
        const char* how;
        std::vector<Args> actions;  // run against the display; "WINDOW" becomes the frame's window id
        bool stored;
    } cases[] = {
        // The close box of a window manager: WM_DELETE_WINDOW, as the close box of the frame.
        {"close box", {{XTOOL, "close", "WINDOW"}}, true},
        // Without a window manager the key reaches the program (here in its protocol list), which ends at once.
        {"Alt+F4", {{"xdotool", "mousemove", "--window", "WINDOW", "400", "300", "click", "1"}, {"xdotool", "key", "alt+F4"}},
         false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.how);
        std::filesystem::remove(Path("WINDOW.ini"));
        std::string frame = StartFrame();
        ASSERT_FALSE(frame.empty());
        for (Args action : c.actions) {
            for (std::string& a : action)
                if (a == "WINDOW")
                    a = frame;
            ASSERT_EQ(m_display->Run(action), 0);
        }
        EXPECT_EQ(m_program->Wait(std::chrono::seconds(30)), 0);
        EXPECT_EQ(std::filesystem::exists(Path("WINDOW.ini")), c.stored);
        if (c.stored) {
            std::ifstream in(Path("WINDOW.ini"));
            std::string state;
            std::getline(in, state);
            EXPECT_EQ(state, "    1\r");
        }
    }
}

}  // namespace
