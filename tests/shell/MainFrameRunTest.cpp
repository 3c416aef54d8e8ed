// The real program with its main frame, beside the drawing-tool stand-in: a window command stays until its frame is
// closed, the close box stores the placement, and terminate ends at once without writing or sending anything.
#include "ChildProcess.h"
#include "ProgramRun.h"
#include "StandinFixture.h"

#include "platform/RemoteWindow.h"
#include "resources/ResourceIds.h"

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <thread>

using testsupport::ProgramResult;

namespace {

const std::string kEmptyDrawing = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<output>\n</output>\n";
// A drawing export the evaluation cannot parse: a fatal verdict.
const std::string kBrokenDrawing = "<?xml version=\"1.0\"?>\n<output><object>";

class MainFrameRunTest : public testsupport::StandinFixture {
protected:
    void SetUp() override
    {
        StandinFixture::SetUp();
        if (HasFatalFailure())
            return;
        ASSERT_EQ(m_home.RunCommand(Command("new")).exitCode, 0);
    }
};

TEST_F(MainFrameRunTest, TheCloseBoxStoresThePlacementAndEndsTheRun)
{
    for (const char* command : {"funcview", "parser", "paraimport", "canlogging", "funcorder", "msgorder"}) {
        SCOPED_TRACE(command);
        std::filesystem::remove(m_home.Path("WINDOW.ini"));
        m_home.WriteFile("VORNA.xml", kEmptyDrawing);
        bool reached = false;
        ProgramResult result = m_home.RunWindowCommand(Command(command), [&] {
            reached = true;
            // The frame stays up until something closes it.
            std::this_thread::sleep_for(std::chrono::milliseconds(200));
            EXPECT_TRUE(platform::remote::Exists(testsupport::kFrameTitle));
            EXPECT_FALSE(m_home.Exists("WINDOW.ini"));
            EXPECT_TRUE(platform::remote::Post(testsupport::kFrameTitle, WM_CLOSE, 0, 0));
        });
        EXPECT_TRUE(reached);
        EXPECT_EQ(result.exitCode, 0);
        EXPECT_TRUE(result.boxes.empty());
        // Shown normally at the default size; the position is wherever the frame was centred.
        const std::string stored = m_home.ReadFile("WINDOW.ini");
        ASSERT_EQ(stored.size(), 35u) << stored;
        EXPECT_EQ(stored.substr(0, 7), "    1\r\n");
        EXPECT_EQ(stored.substr(21), "  749\r\n  603\r\n");
    }
    // A stored maximised window is shown maximised and stored again as it was.
    m_home.WriteFile("WINDOW.ini", "    3\r\n    0\r\n    0\r\n  800\r\n  640\r\n");
    EXPECT_EQ(m_home.RunWindowCommand(Command("param", "Eingang")).exitCode, 0);
    EXPECT_EQ(m_home.ReadFile("WINDOW.ini"), "    3\r\n    0\r\n    0\r\n  800\r\n  640\r\n");
}

TEST_F(MainFrameRunTest, TerminateEndsAtOnceWithoutWritingOrSending)
{
    const struct {
        const char* command;
        const char* kind;
        const std::string& drawing;
        UINT terminate;
    } cases[] = {
        {"param", "Vergleich", kEmptyDrawing, ID_TERMINATE},
        {"param", "Eingang", kBrokenDrawing, ID_TERMINATE},  // also after a fatal evaluation
        {"parser", nullptr, kEmptyDrawing, ID_CLOSE_WINDOW},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.command);
        std::filesystem::remove(m_home.Path("WINDOW.ini"));
        m_home.WriteFile("VORNA.xml", c.drawing);
        std::string committed;
        std::string record;
        ProgramResult result = m_home.RunWindowCommand(Command(c.command, c.kind), [&] {
            committed = m_home.ReadFile("para/para.par");
            record = m_home.ReadFile("record.txt");
            EXPECT_TRUE(platform::remote::Post(testsupport::kFrameTitle, WM_COMMAND, MAKEWPARAM(c.terminate, 0), 0));
        });
        EXPECT_EQ(result.exitCode, 0);
        EXPECT_FALSE(committed.empty());
        EXPECT_EQ(m_home.ReadFile("para/para.par"), committed);
        EXPECT_EQ(m_home.ReadFile("record.txt"), record);
        EXPECT_FALSE(m_home.Exists("WINDOW.ini"));
    }
}

TEST_F(MainFrameRunTest, ASecondInstanceClosesTheFrameAsItsCloseBoxWould)
{
    m_home.WriteFile("VORNA.xml", kEmptyDrawing);
    ProgramResult second;
    ProgramResult first = m_home.RunWindowCommand(Command("param", "Meldung"), [&] {
        // The frame has released the single-instance mutex, so the second start neither waits nor warns.
        second = m_home.RunCommand(Command("close"));
    });
    EXPECT_EQ(second.exitCode, 0);
    EXPECT_TRUE(second.boxes.empty());
    EXPECT_EQ(first.exitCode, 0);
    EXPECT_TRUE(m_home.Exists("WINDOW.ini"));
}

}  // namespace
