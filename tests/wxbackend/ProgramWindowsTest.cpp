// The real program's windows under Xvfb, as a person sees and uses them: morv9274 beside the drawing-tool stand-in,
// its frame and about box as real GTK windows photographed from outside, read back with wnddrive, and ended by the
// window manager's close or by Alt+F4; the pictures of the list editors' tree and list items found pixel for pixel in
// the photographs. Each test has an X server and a runtime folder of its own.
#include "ChildProcess.h"
#include "Isolation.h"
#include "ProgramOnDisplay.h"
#include "XvfbDisplay.h"

#include "resources/ResourceIds.h"
#include "resources/ToolBarImages.h"

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <thread>
#include <utility>

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

class ProgramWindowsTest : public wxtest::ProgramOnDisplay<::testing::Test> {
protected:
    void SetUp() override
    {
        if (!OnPath("Xvfb") || !OnPath("xdotool"))
            GTEST_SKIP() << "Xvfb or xdotool is not installed (scripts/install-deps.sh installs them)";
        m_display = std::make_unique<XvfbDisplay>();
        ASSERT_TRUE(m_display->Ok()) << "Xvfb did not start";
        m_display->ShowWindowsHere();
        std::filesystem::create_directories(m_iso.Home() / "para");
        ASSERT_TRUE(m_iso.Start(m_standin, {VORNA_STANDIN, "--record", Path("record.txt")}));
        ASSERT_EQ(m_standin.WaitFor("vorna-standin ready"), "vorna-standin ready vorna");
        Write("VORNA.xml", kEmptyDrawing);
        ASSERT_EQ(m_iso.Run({MORV9274_BINARY, "-cmdfile", "\"" + CommandFile("new") + "\""}).exitCode, 0);
    }

    void Write(const std::string& relative, const std::string& bytes) const { std::ofstream(Path(relative)) << bytes; }

    // Starts a command, by default "param" on an object the drawing does not hold (the protocol form is shown), and
    // waits until the frame is a mapped X window; its id.
    std::string StartFrame(const std::string& command = "param", const std::string& extra = "-name\r\nEingang$0\r\n")
    {
        m_program = std::make_unique<ChildProcess>();
        EXPECT_TRUE(m_iso.Start(*m_program,
                                {MORV9274_BINARY, "-cmdfile", "\"" + CommandFile(command, extra) + "\""}));
        EXPECT_EQ(Drive({"--wait", "60000", "--window", "frame", "tree"}).exitCode, 0);
        return WindowNamed("Vorna - morv9274");
    }

    // A new parameter set of the drawing with two logic functions, evaluated.
    void UseListsDrawing()
    {
        std::string drawing;
        {
            std::ifstream in(PLANTFORMS_DATA "/lists.xml");
            drawing.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
        }
        ASSERT_FALSE(drawing.empty());
        Write("VORNA.xml", drawing);
        // The evaluation shows no window here.
        setenv("MORV9274_HEADLESS", "1", 1);
        ASSERT_EQ(m_iso.Run({MORV9274_BINARY, "-cmdfile", "\"" + CommandFile("new") + "\""}).exitCode, 0);
        ASSERT_EQ(m_iso.Run({MORV9274_BINARY, "-cmdfile", "\"" + CommandFile("open") + "\""}).exitCode, 0);
        unsetenv("MORV9274_HEADLESS");
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

    // How often each item picture appears in the window, once the counts reach the least expected or time is up.
    std::map<UINT, int> PicturesIn(const std::string& window, const std::map<UINT, int>& least) const
    {
        std::map<UINT, int> found;
        auto deadline = Clock::now() + std::chrono::seconds(20);
        while (Clock::now() < deadline) {
            Args args = {XTOOL, "count", window};
            for (const auto& [bitmap, count] : least)
                args.push_back(PictureText(bitmap));
            std::string out;
            if (m_display->Run(args, &out) == 0) {
                std::istringstream in(out);
                bool enough = true;
                for (const auto& [bitmap, count] : least) {
                    in >> found[bitmap];
                    enough = enough && found[bitmap] >= count;
                }
                if (enough)
                    return found;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(200));
        }
        return found;
    }
    // Where an item picture appears in the window (top left corners, row by row), once it appears at least `least`
    // times or time is up.
    std::vector<std::pair<int, int>> PlacesIn(const std::string& window, UINT bitmap, size_t least) const
    {
        std::vector<std::pair<int, int>> places;
        auto deadline = Clock::now() + std::chrono::seconds(20);
        while (Clock::now() < deadline) {
            std::string out;
            places.clear();
            if (m_display->Run({XTOOL, "find", window, PictureText(bitmap)}, &out) == 0) {
                std::istringstream in(out);
                for (int x = 0, y = 0; in >> x >> y;)
                    places.emplace_back(x, y);
                if (places.size() >= least)
                    return places;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(200));
        }
        return places;
    }
    // The values xdotool prints with --shell, by name.
    std::map<std::string, std::string> ShellValues(const Args& args) const
    {
        std::string out;
        std::map<std::string, std::string> values;
        if (m_display->Run(args, &out) != 0)
            return values;
        std::istringstream in(out);
        for (std::string line; std::getline(in, line);)
            if (size_t equals = line.find('='); equals != std::string::npos)
                values[line.substr(0, equals)] = line.substr(equals + 1);
        return values;
    }

    // The topmost shown window at a point of the screen, as xtool finds it.
    struct Placed {
        std::string id;
        int x = 0, y = 0, width = 0, height = 0;
    };
    Placed WindowAt(int x, int y) const
    {
        std::string out;
        Placed placed;
        if (m_display->Run({XTOOL, "at", std::to_string(x), std::to_string(y)}, &out) == 0)
            std::istringstream(out) >> placed.id >> placed.x >> placed.y >> placed.width >> placed.height;
        return placed;
    }

    // An item picture as xtool counts it.
    static std::string PictureText(UINT bitmap)
    {
        const platform::Image image = resources::DrawItemImage(bitmap);
        std::string text = std::to_string(image.size.cx) + "x" + std::to_string(image.size.cy) + ":";
        for (std::uint32_t argb : image.pixels) {
            char hex[8];
            std::snprintf(hex, sizeof hex, "%06x", argb & 0xFFFFFF);
            text += (argb >> 24) ? hex : "------";
        }
        return text;
    }
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

TEST_F(ProgramWindowsTest, TheListEditorsShowTheirItemsPictures)
{
    ASSERT_NO_FATAL_FAILURE(UseListsDrawing());
    // Input 1 picked in the catalogue and added once at each level: A (chosen on loading), B, C, technician, expert.
    const std::string input = "Entrata/1: ------------";
    const Args add = {"click", "1150"};
    const struct {
        const char* command;
        std::vector<Args> steps;    // wnddrive's, in order
        std::map<UINT, int> least;  // how often a picture shows at least
    } cases[] = {
        // The catalogue's headers and values; the overview's header, its values of each level (the first one
        // selected) and its end.
        {"funcview",
         {{"pick-tree", "1145", input}, add, {"click", "1151"}, add, {"click", "1153"}, add, {"click", "1148"}, add,
          {"click", "1149"}, add, {"pick-tree", "1146", input}},
         {{IDB_TILE_F, 5}, {IDB_DOT, 15}, {IDB_DOT_SELECTED, 1}, {IDB_TILE_A_SELECTED, 1}, {IDB_TILE_B, 1},
          {IDB_TILE_C, 1}, {IDB_TILE_T, 1}, {IDB_TILE_E, 1}, {IDB_TILE_BAR, 1}}},
        {"canlogging", {{"pick-tree", "1774", "Uscita/4: ------------"}},
         {{IDB_TILE_F, 3}, {IDB_DOT, 3}, {IDB_DOT_SELECTED, 1}}},
        // Every row shows the tile: each function, each of the eight message slots.
        {"funcorder", {}, {{IDB_TILE_F, 3}}},
        {"msgorder", {}, {{IDB_TILE_F, 8}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.command);
        std::string frame = StartFrame(c.command, "");
        ASSERT_FALSE(frame.empty());
        for (const Args& step : c.steps)
            ASSERT_EQ(Drive(step).exitCode, 0) << step.front();
        EXPECT_GT(ShotOf(frame, std::string("program-") + c.command).colours, 50);
        std::map<UINT, int> found = PicturesIn(frame, c.least);
        for (const auto& [bitmap, count] : c.least)
            EXPECT_GE(found[bitmap], count) << "picture " << bitmap;
        ASSERT_EQ(Drive({"command", std::to_string(ID_TERMINATE)}).exitCode, 0);
        EXPECT_EQ(m_program->Wait(std::chrono::seconds(30)), 0);
    }
}

TEST_F(ProgramWindowsTest, ADraggedRowsPictureFollowsThePointerAndTheRowUnderItIsHighlightedUntilTheDrop)
{
    ASSERT_NO_FATAL_FAILURE(UseListsDrawing());
    std::string frame = StartFrame("funcorder", "");
    ASSERT_FALSE(frame.empty());
    EXPECT_GT(ShotOf(frame, "program-funcorder-before-drag").colours, 50);
    std::vector<std::string> rows;
    {
        std::istringstream in(Drive({"items", "1154"}).out);
        for (std::string row; std::getline(in, row);)
            rows.push_back(row.substr(0, row.find('\t')));
    }
    ASSERT_EQ(rows.size(), 3u);
    // The rows' tiles, top to bottom.
    const std::vector<std::pair<int, int>> tiles = PlacesIn(frame, IDB_TILE_F, rows.size());
    ASSERT_EQ(tiles.size(), rows.size());
    const int x = tiles[0].first + 40;
    const int first = tiles[0].second + 8;
    const int last = tiles[2].second + 8;

    // The person grabs the first row by its name and moves it down to the last row, holding the button.
    ASSERT_EQ(m_display->Run({"xdotool", "mousemove", "--window", frame, std::to_string(x), std::to_string(first),
                              "mousedown", "1"}),
              0);
    // Where the frame lies on the screen: the pointer is at (x, first) in it.
    std::map<std::string, std::string> pointer = ShellValues({"xdotool", "getmouselocation", "--shell"});
    const int left = std::atoi(pointer["X"].c_str()) - x;
    const int top = std::atoi(pointer["Y"].c_str()) - first;
    // How much of a row's band, right of the row's picture under the pointer, is drawn in the selection's blue, once
    // it is highlighted as expected or time is up.
    auto highlight = [&](size_t row, bool expected) {
        int filled = 0;
        const auto until = Clock::now() + std::chrono::seconds(10);
        do {
            std::string out;
            if (m_display->Run({XTOOL, "fill", std::to_string(left + tiles[row].first + 150),
                                std::to_string(top + tiles[row].second), "100", "16"},
                               &out) == 0)
                filled = std::atoi(out.c_str());
            if ((filled > 90) == expected)
                break;
            std::this_thread::sleep_for(std::chrono::milliseconds(100));
        } while (Clock::now() < until);
        return filled;
    };
    for (int step = 1; step <= 8; ++step) {
        std::this_thread::sleep_for(std::chrono::milliseconds(40));
        const int y = first + step * (last - first) / 8;
        ASSERT_EQ(m_display->Run({"xdotool", "mousemove", "--window", frame, std::to_string(x), std::to_string(y)}),
                  0);
        // Over the middle row, that row is where the dragged row would drop: it shows as selected.
        if (step == 4) {
            EXPECT_GT(highlight(1, true), 90) << "the middle row under the pointer is not highlighted";
        }
    }
    // Over the last row, the highlight moved there: the middle row shows as before, the dragged row stays selected.
    EXPECT_GT(highlight(2, true), 90) << "the last row under the pointer is not highlighted";
    EXPECT_EQ(highlight(1, false), 0) << "the middle row keeps its highlight";
    EXPECT_GT(highlight(0, true), 90) << "the dragged row lost its selection";
    // Over the list now lies the row's picture, its hot spot (10, 10) on the pointer: the row's tile once, and its
    // text.
    Placed picture;
    auto deadline = Clock::now() + std::chrono::seconds(20);
    while (Clock::now() < deadline && (picture.id.empty() || picture.id == frame)) {
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
        pointer = ShellValues({"xdotool", "getmouselocation", "--shell"});
        picture = WindowAt(std::atoi(pointer["X"].c_str()), std::atoi(pointer["Y"].c_str()));
    }
    ASSERT_FALSE(picture.id.empty() || picture.id == frame) << "no drag picture under the pointer";
    EXPECT_GT(ShotOf("root", "program-funcorder-drag").colours, 50);
    EXPECT_EQ(PicturesIn(picture.id, {{IDB_TILE_F, 1}})[IDB_TILE_F], 1);
    EXPECT_EQ(picture.x, std::atoi(pointer["X"].c_str()) - 10);
    EXPECT_EQ(picture.y, std::atoi(pointer["Y"].c_str()) - 10);
    EXPECT_GT(picture.width, 16 + 40) << "the row's text is missing";
    EXPECT_LT(picture.height, tiles[1].second - tiles[0].second + 8);

    // The drop: the picture is gone and the first function is the last.
    ASSERT_EQ(m_display->Run({"xdotool", "mouseup", "1"}), 0);
    const std::string moved = rows[1] + "\t1\n" + rows[2] + "\t2\n" + rows[0] + "\t3\n";
    std::string items;
    deadline = Clock::now() + std::chrono::seconds(20);
    while (Clock::now() < deadline && (items = Drive({"items", "1154"}).out) != moved)
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    EXPECT_EQ(items, moved);
    EXPECT_EQ(WindowAt(std::atoi(pointer["X"].c_str()), std::atoi(pointer["Y"].c_str())).id, frame);
    // Only the moved row, now the last, shows as selected; no row keeps a drop highlight.
    EXPECT_GT(highlight(2, true), 90);
    EXPECT_EQ(highlight(1, false), 0);
    EXPECT_EQ(highlight(0, false), 0);
    EXPECT_GT(ShotOf(frame, "program-funcorder-after-drop").colours, 50);
    ASSERT_EQ(Drive({"command", std::to_string(ID_TERMINATE)}).exitCode, 0);
    EXPECT_EQ(m_program->Wait(std::chrono::seconds(30)), 0);
}

}  // namespace
