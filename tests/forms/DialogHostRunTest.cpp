// The shared dialogs used from outside, as a person uses them: the dialog host and wnddrive as separate processes,
// each test in an environment of its own; what the dialog leaves in the working copy or the record is what the host
// prints after it ended.
#include "ChildProcess.h"
#include "DialogHostBoxes.h"
#include "Isolation.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using testsupport::ChildProcess;
using testsupport::Isolation;
using Args = std::vector<std::string>;

namespace {

class DialogHostRunTest : public ::testing::Test {
protected:
    void TearDown() override
    {
        if (m_host.Pid() > 0 && m_host.Wait(std::chrono::seconds(5)) == -1)
            ADD_FAILURE() << "the dialog host did not end";
    }
    void Start(const Args& args)
    {
        Args argv = {DIALOG_HOST};
        argv.insert(argv.end(), args.begin(), args.end());
        ASSERT_TRUE(m_iso.Start(m_host, argv));
        ASSERT_EQ(m_host.WaitFor("dialog-host ready"), "dialog-host ready");
    }
    // Runs a wnddrive verb that must succeed and gives its output.
    std::string Drive(Args args)
    {
        args.insert(args.begin(), WNDDRIVE);
        testsupport::ToolResult result = m_iso.Run(args);
        EXPECT_EQ(result.exitCode, 0) << args[1] << ": " << result.err;
        return result.out;
    }
    // The host's lines after the dialog ended, from its result on.
    std::vector<std::string> Outcome(size_t lines)
    {
        std::vector<std::string> out;
        std::string line = m_host.WaitFor("result ");
        out.push_back(line);
        while (out.size() < lines && m_host.ReadLine(line))
            out.push_back(line);
        return out;
    }

    Isolation m_iso;
    ChildProcess m_host;
};

}  // namespace

TEST_F(DialogHostRunTest, DesignationsAreRenamedRefusedAndWrittenOnOk)
{
    Start({"designations"});
    EXPECT_EQ(Drive({"--window", "135", "items", "1450"}).substr(0, 23), "Zeta\nAlfa\n 3 - - - - -\n");
    Drive({"pick", "1450", "2"});
    EXPECT_EQ(Drive({"get", "1449"}), " 3 - - - - -\n");
    Drive({"type", "1449", "Caldaia 1"});
    Drive({"click", "1452"});
    Drive({"pick", "1450", "3"});
    Drive({"type", "1449", "Caffè"});
    Drive({"click", "1452"});
    Drive({"pick", "1450", "0"});
    Drive({"type", "1449", "Bagno e cucina"});
    EXPECT_EQ(Drive({"get", "1449"}), "Bagno e cuci\n") << "no thirteenth character";
    Drive({"click", "1452"});
    EXPECT_EQ(Drive({"boxes"}), dialoghost::DesignationInvalidCharBox() + "\n");
    Drive({"key", "1450", "ENTER"});  // the default button, 1330
    std::vector<std::string> expected = {"result 1", "1: Bagno e cuci", "2: Alfa", "3: Caldaia 1"};
    for (int n = 4; n <= 16; ++n)
        expected.push_back(std::to_string(n) + ": " + (n < 10 ? " " : "") + std::to_string(n) + " - - - - -");
    EXPECT_EQ(Outcome(17), expected);
}

TEST_F(DialogHostRunTest, DesignationsCancelWritesNothing)
{
    Start({"designations"});
    Drive({"--window", "135", "pick", "1450", "0"});
    Drive({"type", "1449", "Nuovo"});
    Drive({"click", "1452"});
    Drive({"key", "-", "ESC"});
    std::vector<std::string> out = Outcome(3);
    EXPECT_EQ(out, (std::vector<std::string> {"result 2", "1: Zeta", "2: Alfa"}));
}

TEST_F(DialogHostRunTest, TimeProgramsAreRepairedOnShowAndCopiedOutOnOk)
{
    Start({"timeprogram", "1", "5"});
    EXPECT_EQ(Drive({"--window", "159", "items", "1327"}), "  1\n  2\n  3\n  4\n  5\n");
    EXPECT_EQ(Drive({"items", "1381"}), "Prog.Temp.1\nProg.Temp.2\n");
    EXPECT_EQ(Drive({"get", "1332"}), "  2\n") << "four windows are repaired to two";
    EXPECT_EQ(Drive({"get", "1493"}), " 00.00\n") << "a start of 144 is repaired to 00.00";
    EXPECT_EQ(Drive({"get", "1364"}), " 20\n") << "a setpoint of 95 is repaired to 20";
    EXPECT_EQ(Drive({"get", "1495"}), " 22.00\n");
    Drive({"pick", "1381", "1"});
    EXPECT_EQ(Drive({"get", "1492"}), " 08.00\n") << "the second program";
    Drive({"click", "1060"});                 // Monday for program 2
    Drive({"pick", "1495", "70"});            // its first window ends at 11:40
    Drive({"pick", "1192", "0"});             // the windows carry no setpoint
    Drive({"click", "1066"});                 // Tuesday: the setpoints stay as they were
    Drive({"click", "1"});
    EXPECT_EQ(Outcome(7), (std::vector<std::string> {
                              "result 1", "programs 2 windows 2 setpoints 0", "1: xxxxxoo 36-132/21 0-6/20 0-0/0",
                              "2: xxoooxx 48-70/19 0-0/0 0-0/0", "3: ooooooo 0-0/0 0-0/0 0-0/0",
                              "4: ooooooo 0-0/0 0-0/0 0-0/0", "5: ooooooo 0-0/0 0-0/0 0-0/0"}));
}

TEST_F(DialogHostRunTest, TimeProgramsCancelWritesNothing)
{
    Start({"timeprogram", "0", "6"});
    Drive({"--window", "159", "pick", "1327", "5"});
    Drive({"click", "1148"});
    Drive({"click", "2"});
    std::vector<std::string> out = Outcome(3);
    EXPECT_EQ(out, (std::vector<std::string> {"result 2", "programs 2 windows 4 setpoints 1",
                                              "1: xxxxxoo 36-132/21 144-6/95 0-0/0"}));
}
