// The real program's main frame used from outside as a person uses it: the program, the drawing-tool stand-in and
// wnddrive as separate processes in a runtime folder of their own, headless. Form switches, the about box, the enable
// rules after a fatal evaluation, terminate and Alt+F4, and the close box with WINDOW.ini.
#include "ChildProcess.h"
#include "Isolation.h"
#include "ProgramRun.h"
#include "StandinFixture.h"

#include <gtest/gtest.h>

#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

using testsupport::Isolation;
using testsupport::ProgramResult;
using testsupport::ToolResult;
using Args = std::vector<std::string>;

namespace {

const std::string kEmptyDrawing = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<output>\n</output>\n";
// A drawing export the evaluation cannot parse: a fatal verdict.
const std::string kBrokenDrawing = "<?xml version=\"1.0\"?>\n<output><object>";

const std::string kFrameLine = "AfxFrameOrView 0 \"Vorna - morv9274\"";
const std::string kAboutLine = "#32770 0 \"Informazione su morv9274\"";
const std::string kProtocolShown = "  AfxFrameOrView 59648 \"morv9274 View\"\n    Button 65535 \"\"\n"
                                   "    Static 1000 \"PROTOCOLLO ERRORI\"\n";

class FrameDriveTest : public testsupport::StandinFixture {
protected:
    void SetUp() override
    {
        // The program, the stand-in and wnddrive meet in this test's runtime folder, and in no one else's.
        setenv("XDG_RUNTIME_DIR", m_iso.RuntimeFolder().c_str(), 1);
        setenv("MORV9274_HEADLESS", "1", 1);
        StandinFixture::SetUp();
        if (HasFatalFailure())
            return;
        ASSERT_EQ(m_home.RunCommand(Command("new")).exitCode, 0);
    }
    void TearDown() override
    {
        if (m_program > 0) {
            kill(m_program, SIGKILL);
            m_home.Finish(m_program);
        }
        StandinFixture::TearDown();
    }

    // Starts a window command on the drawing and waits until wnddrive finds its frame.
    void StartFrame(const Keys& keys, const std::string& drawing)
    {
        std::filesystem::remove(m_home.Path("WINDOW.ini"));
        m_home.WriteFile("VORNA.xml", drawing);
        m_program = m_home.Start({"-cmdfile", "\"" + m_home.WriteCommandFile(keys) + "\""});
        ASSERT_GT(m_program, 0);
        ToolResult found = Drive({"--wait", "60000", "--window", "frame", "tree"});
        ASSERT_EQ(found.exitCode, 0) << found.err;
        ASSERT_EQ(FirstLine(found.out), kFrameLine);
    }
    ProgramResult End()
    {
        ProgramResult result = m_home.Finish(m_program);
        m_program = -1;
        return result;
    }

    ToolResult Drive(Args args) const
    {
        args.insert(args.begin(), WNDDRIVE);
        return m_iso.Run(args);
    }
    // A verb that must be done; its output.
    std::string Done(const Args& args) const
    {
        ToolResult result = Drive(args);
        EXPECT_EQ(result.exitCode, 0) << args[0] << " " << args.back() << ": " << result.err;
        return result.out;
    }
    bool ProtocolShown() const { return Done({"--window", "frame", "tree"}).find(kProtocolShown) != std::string::npos; }
    static std::string FirstLine(const std::string& text) { return text.substr(0, text.find('\n')); }

    Isolation m_iso;
    pid_t m_program = -1;
};

TEST_F(FrameDriveTest, AWindowCommandShowsItsFrameWhoseFormsSwitchAsAPersonChoosesAndTheCloseBoxStoresIt)
{
    const struct {
        const char* command;
        const char* switchBack;  // the toolbar button of the command's own form
    } cases[] = {
        {"funcview", "32886"},
        {"parser", "32878"},
        {"canlogging", "32909"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.command);
        StartFrame(Command(c.command), kEmptyDrawing);
        std::string tree = Done({"tree"});
        for (const char* line : {"  ToolbarWindow32 59392 \"\"\n", "  msctls_statusbar32 59393 \"\"\n",
                                 "  AfxFrameOrView 59649 \"morv9274 View\" hidden\n"})
            EXPECT_NE(tree.find(line), std::string::npos) << line << tree;
        EXPECT_FALSE(ProtocolShown()) << "a clean evaluation starts on the command's start form";

        EXPECT_EQ(Done({"command", "32806"}), "");
        EXPECT_TRUE(ProtocolShown());
        std::string protocol = Done({"items", "1336"});
        EXPECT_NE(protocol.find(" Valutazione del disegno "), std::string::npos) << protocol;
        EXPECT_NE(protocol.find("Risultato - 0 errori"), std::string::npos) << protocol;

        // The switch back is offered only where the command's form exists; either way the frame says so truly.
        ToolResult back = Drive({"command", c.switchBack});
        if (back.exitCode == 0) {
            EXPECT_FALSE(ProtocolShown());
        } else {
            EXPECT_EQ(back.exitCode, 1) << back.err;
            EXPECT_NE(back.err.find("is disabled"), std::string::npos) << back.err;
            EXPECT_TRUE(ProtocolShown());
        }
        EXPECT_FALSE(m_home.Exists("WINDOW.ini"));
        EXPECT_EQ(Done({"close"}), "");
        ProgramResult result = End();
        EXPECT_EQ(result.exitCode, 0);
        EXPECT_TRUE(result.boxes.empty()) << testsupport::JoinLines(result.boxes);
        const std::string stored = m_home.ReadFile("WINDOW.ini");
        ASSERT_EQ(stored.size(), 35u) << stored;
        EXPECT_EQ(stored.substr(0, 7), "    1\r\n");
        EXPECT_EQ(stored.substr(21), "  749\r\n  603\r\n");
    }
}

TEST_F(FrameDriveTest, TheAboutBoxOpensByItsKeysOrItsCommandAndClosesAsADialogDoes)
{
    StartFrame(Command("funcview"), kEmptyDrawing);
    const struct {
        Args open;
        Args close;
    } cases[] = {
        {{"key", "-", "CTRL+ALT+V"}, {"click", "1"}},
        {{"command", "57664"}, {"key", "-", "ESC"}},
        {{"key", "-", "CTRL+ALT+V"}, {"key", "-", "ENTER"}},
        {{"command", "57664"}, {"close"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.open.back() + " / " + c.close.front());
        EXPECT_EQ(Done(c.open), "");
        EXPECT_EQ(FirstLine(Done({"tree"})), kAboutLine);
        EXPECT_EQ(Done({"get", "1135"}), "morv9274 versione 1.29 IT\n");
        EXPECT_EQ(Done({"--window", "100", "get", "1134"}), "KRX9274 a partire da vers. A3.24\n");
        // The box is modal: the frame behind it takes no command meanwhile.
        ToolResult refused = Drive({"--window", "frame", "command", "32806"});
        EXPECT_EQ(refused.exitCode, 1) << refused.err;
        EXPECT_EQ(Done(c.close), "");
        EXPECT_EQ(FirstLine(Done({"tree"})), kFrameLine) << "the box is gone, the frame is active again";
    }
    EXPECT_FALSE(ProtocolShown()) << "nothing the box refused was carried out later";
    EXPECT_EQ(Done({"close"}), "");
    EXPECT_EQ(End().exitCode, 0);
}

TEST_F(FrameDriveTest, AfterAFatalEvaluationOnlyTheProtocolTheAboutBoxAndTheEndsRemain)
{
    StartFrame(Command("param", "Eingang"), kBrokenDrawing);
    EXPECT_TRUE(ProtocolShown()) << "a fatal verdict shows only the protocol";
    std::string protocol = Done({"items", "1336"});
    EXPECT_NE(protocol.find("Errori -"), std::string::npos) << protocol;
    // Save, assign, save-assign and every switch to a form: refused as disabled buttons, whether or not the form
    // exists.
    for (const char* command : {"32795", "32882", "32883", "32785"}) {
        ToolResult refused = Drive({"command", command});
        EXPECT_EQ(refused.exitCode, 1) << command << ": " << refused.err;
    }
    EXPECT_EQ(Done({"command", "32806"}), "");
    EXPECT_EQ(Done({"command", "57664"}), "");
    EXPECT_EQ(FirstLine(Done({"tree"})), kAboutLine);
    EXPECT_EQ(Done({"click", "1"}), "");
    EXPECT_EQ(Done({"command", "32796"}), "");
    ProgramResult result = End();
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_FALSE(m_home.Exists("WINDOW.ini"));
}

TEST_F(FrameDriveTest, TerminateAndAltF4EndTheRunAtOnceWithoutWritingOrSending)
{
    const struct {
        const char* command;
        const char* kind;
        Args end;
    } cases[] = {
        {"param", "Vergleich", {"command", "32796"}},
        {"parser", nullptr, {"command", "32876"}},  // the compiler's toolbar closes the window this way
        {"param", "Vergleich", {"key", "-", "ALT+F4"}},
    };
    for (const auto& c : cases) {
        const Args& end = c.end;
        SCOPED_TRACE(end.front() + " " + end.back());
        StartFrame(Command(c.command, c.kind), kEmptyDrawing);
        const std::string committed = m_home.ReadFile("para/para.par");
        const std::string record = m_home.ReadFile("record.txt");
        ASSERT_FALSE(committed.empty());
        EXPECT_EQ(Done(end), "");
        ProgramResult result = End();
        EXPECT_EQ(result.exitCode, 0);
        EXPECT_TRUE(result.boxes.empty()) << testsupport::JoinLines(result.boxes);
        EXPECT_EQ(m_home.ReadFile("para/para.par"), committed);
        EXPECT_EQ(m_home.ReadFile("record.txt"), record);
        EXPECT_FALSE(m_home.Exists("WINDOW.ini"));
    }
}

}  // namespace
