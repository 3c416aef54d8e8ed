// The command channel and the transfer dialog against the drawing-tool stand-in, a real separate process, with the
// program's own DDE server in this process receiving the "ack".
#include "ChildProcess.h"
#include "ProgramRun.h"
#include "StandinFixture.h"

#include "link/CDatentransferDlg.h"
#include "link/CSCCmd.h"
#include "platform/EventLoop.h"
#include "platform/HeadlessPrompts.h"
#include "platform/TextFile.h"
#include "resources/Resources.h"
#include "shell/CMorv9274App.h"

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>

namespace fs = std::filesystem;
using testsupport::ChildProcess;

namespace {

class TransferTest : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        resources::RegisterResources();
        ASSERT_TRUE(CMorv9274App::RegisterDdeServer(Run().dde));
    }
    static void TearDownTestSuite() { CMorv9274App::UnregisterDdeServer(); }
    // The run's context, as the application holds it: the server records in its DDE state for the whole suite.
    static RunContext& Run()
    {
        static RunContext run;
        return run;
    }

    void SetUp() override
    {
        m_dir = fs::temp_directory_path() / ("morv-transfer-" + std::to_string(getpid()));
        fs::remove_all(m_dir);
        fs::create_directories(m_dir / "para");
        Run().start.xmlDir = m_dir.string().c_str();
        Run().dde.ack = false;
        platform::HeadlessPrompts::Instance().Clear();
    }
    void TearDown() override
    {
        if (m_standin.Pid() > 0)
            testsupport::StopStandin(m_standin);
        Run().start.xmlDir.Empty();
        fs::remove_all(m_dir);
    }

    void StartStandin(const std::vector<std::string>& options = {})
    {
        testsupport::StartStandin(m_standin, (m_dir / "record.txt").string(), options);
    }
    std::string Recorded() const
    {
        std::string bytes;
        platform::ReadWholeFile((m_dir / "record.txt").string().c_str(), bytes);
        return bytes;
    }
    std::string Boxes() const
    {
        std::string all;
        for (const auto& box : platform::HeadlessPrompts::Instance().MessageBoxes())
            all += platform::HeadlessPrompts::FormatLine(box).str() + "\n";
        return all;
    }
    // The product's budget and ticks unless the test gives others.
    bool TransferOneLine(const CDatentransferDlg::Timing& timing = CDatentransferDlg::Timing())
    {
        CSCCmd channel(Run());
        channel.Reset();
        channel.SetFileNotUpToDate();
        CDatentransferDlg dialog(Run().dde, nullptr, timing);
        return dialog.SendTcl((m_dir / "para" / "SCCmd.tmp").string().c_str());
    }

    fs::path m_dir;
    ChildProcess m_standin;
};

}  // namespace

TEST_F(TransferTest, ExecuteHandsTheCommandFileOverAndWaitsForTheAck)
{
    StartStandin();
    CSCCmd channel(Run());
    channel.Reset();
    EXPECT_TRUE(channel.IsEmpty());
    channel.SetText(12, "50% \xA7 Kessel\r\nneu");
    channel.SetObj(7, "Heizkreisregler$3");
    channel.SetFileNotUpToDate();
    EXPECT_FALSE(channel.IsEmpty());
    channel.Execute();

    EXPECT_EQ(Boxes(), "");
    EXPECT_TRUE(Run().dde.ack);
    EXPECT_EQ(Run().dde.conv, nullptr) << "the stand-in closed its conversation";
    // The stand-in read the file the program wrote: lines as appended, CR LF inside a text turned into blanks.
    EXPECT_EQ(Recorded(), "settext\xA7" "12\xA7" "50% \xA7 Kessel  neu\n"
                          "setobj\xA7" "7\xA7" "Heizkreisregler$3\n"
                          "setfilenotuptodate\n");
    // A second transfer in the same run waits for its own "ack".
    EXPECT_TRUE(TransferOneLine());
    EXPECT_EQ(Boxes(), "");
}

TEST_F(TransferTest, NothingAppendedOrNoFileMeansNothingHandedOver)
{
    StartStandin();
    CSCCmd channel(Run());
    channel.Reset();
    channel.Execute();
    fs::remove_all(m_dir / "para");
    CSCCmd broken(Run());
    broken.Reset();
    broken.SetFileNotUpToDate();
    EXPECT_TRUE(broken.IsEmpty()) << "a line that could not be written does not count";
    broken.Execute();
    EXPECT_EQ(Recorded(), "");
    EXPECT_EQ(Boxes(), "");
}

TEST_F(TransferTest, DirectTextIsPokedWithoutTheCommandFile)
{
    StartStandin();
    CSCCmd::SetTextDirekt(Run().dde, 4711, "Segnale 1");
    EXPECT_EQ(Boxes(), "");
    EXPECT_EQ(Recorded(), "settext\xA7" "4711\xA7" "Segnale 1\n");
    EXPECT_FALSE(fs::exists(m_dir / "para" / "SCCmd.tmp"));
}

TEST_F(TransferTest, DrawingToolNotRunningIsReportedAtOnce)
{
    auto start = std::chrono::steady_clock::now();
    EXPECT_FALSE(TransferOneLine());
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(3));
    EXPECT_EQ(Boxes(), testsupport::BoxLine(messages::kNoConnection) + "\n");
}

TEST_F(TransferTest, MisbehavingDrawingToolEndsTheWaitAfterTheBudget)
{
    struct Case {
        std::vector<std::string> options;
        std::string boxes;
    } cases[] = {
        {{"--no-ack"}, testsupport::BoxLine(messages::kNoAcknowledge) + "\n"},
        {{"--wrong-case"}, testsupport::BoxLine(messages::kNoAcknowledge) + "\n"},
        // Acknowledged but the conversation stays open: the wait ends without a message.
        {{"--keep-open"}, ""},
    };
    // A short budget of the product's ticks; the product's own (800 polls) would take 8 s a case.
    CDatentransferDlg::Timing budget;
    budget.maxPolls = 40;
    for (const Case& c : cases) {
        StartStandin(c.options);
        platform::HeadlessPrompts::Instance().Clear();
        Run().dde.ack = false;
        const auto start = std::chrono::steady_clock::now();
        EXPECT_FALSE(TransferOneLine(budget)) << c.options[0];
        EXPECT_GE(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(budget.maxPolls * 10))
            << c.options[0] << ": the wait takes its whole budget";
        EXPECT_EQ(Boxes(), c.boxes) << c.options[0];
        testsupport::StopStandin(m_standin);
        // The stand-in's conversation with the server ends with its process.
        auto& loop = platform::EventLoop::Current();
        auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
        loop.RunUntil([&] { return Run().dde.conv == nullptr || std::chrono::steady_clock::now() > deadline; }, false);
    }
}
