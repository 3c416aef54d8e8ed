// The plant forms in the real program: "open" a small drawing, then "param" on an input or sensor-status object,
// change the form as a person through wnddrive and end it each of the three ways (save, assign, save-assign) or
// cancel; the parameter files (working copy and committed set), the numbers the drawing objects carry and the
// lines the drawing-tool stand-in received are compared with what the ends must produce.
#include "ChildProcess.h"
#include "ProgramRun.h"

#include "platform/TextFile.h"
#include "resources/ResourceIds.h"
#include "store/AntiblockierschutzParam.h"
#include "store/AusgangParam.h"
#include "store/CParaDaten.h"
#include "store/EingangParam.h"
#include "store/NetzEingang.h"
#include "store/NetzwerkParam.h"
#include "store/Sendebedingungen.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <string>
#include <thread>
#include <utility>
#include <vector>

using testsupport::ChildProcess;
using testsupport::ProgramHome;
using testsupport::ProgramResult;

namespace {

using Keys = std::vector<std::pair<std::string, std::string>>;

struct Step {
    Step(std::string a, int code = 0, std::string out = {})
        : args(std::move(a)), exitCode(code), expected(std::move(out))
    {}
    // The first step after an assign: the frame is disabled until the drawing tool acknowledged the transfer.
    static Step AfterTransfer(std::string a)
    {
        Step step(std::move(a));
        step.afterTransfer = true;
        return step;
    }
    bool afterTransfer = false;
    std::string args;      // a wnddrive verb and its arguments
    int exitCode;          // 1: a person could not have done it
    std::string expected;  // its output, when not empty
};

const std::string kSave = "command " + std::to_string(ID_SAVE_AND_CLOSE);
const std::string kAssign = "command " + std::to_string(ID_ASSIGN_EINGANG);
const std::string kSaveAssign = "command " + std::to_string(ID_SAVE_ASSIGN_EINGANG);
const std::string kTerminate = "command " + std::to_string(ID_TERMINATE);

class PlantFormRunTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::vector<std::string> argv = {VORNA_STANDIN, "--record", m_home.Path("record.txt")};
        ASSERT_TRUE(m_standin.Start(argv));
        ASSERT_EQ(m_standin.WaitFor("vorna-standin ready"), "vorna-standin ready vorna");
        std::string drawing;
        ASSERT_TRUE(platform::ReadWholeFile(FORMS_DATA "/plant.xml", drawing));
        m_home.WriteFile("VORNA.xml", drawing);
        ASSERT_EQ(m_home.RunCommand(Command("new")).exitCode, 0);
        ASSERT_EQ(m_home.RunCommand(Command("open")).exitCode, 0);
        MarkRecord();
    }
    void TearDown() override
    {
        m_standin.Kill(SIGTERM);
        m_standin.Wait();
    }
    Keys Command(const char* command, const char* name = nullptr, const char* id = nullptr) const
    {
        Keys keys = {{"-cmd", command}, {"-engpath", m_home.Path("plant.evl")}, {"-xmlpath", m_home.Path("VORNA.xml")}};
        if (name)
            keys.push_back({"-name", name});
        if (id)
            keys.push_back({"-id", id});
        return keys;
    }
    // Only what is sent from here on counts; the stand-in appends to its record for the whole test.
    void MarkRecord() { m_recordStart = m_home.ReadFile("record.txt").size(); }
    static void Drive(const std::vector<Step>& steps)
    {
        for (const Step& step : steps) {
            const std::string line = std::string(WNDDRIVE) + " " + step.args + " 2>&1";
            testsupport::ShellRun run;
            for (int attempt = 0; attempt < 50; ++attempt) {
                run = testsupport::RunShellLine(line);
                if (!step.afterTransfer || run.exitCode != 1)
                    break;
                std::this_thread::sleep_for(std::chrono::milliseconds(100));
            }
            EXPECT_EQ(run.exitCode, step.exitCode) << step.args << ": " << run.out;
            if (!step.expected.empty()) {
                EXPECT_EQ(run.out, step.expected) << step.args;
            }
        }
    }
    ProgramResult RunForm(const char* kind, const char* id, std::vector<Step> steps)
    {
        return m_home.RunWindowCommand(Command("param", kind, id), [&] { Drive(steps); });
    }
    std::vector<std::string> Received() const
    {
        std::vector<std::string> lines;
        const std::string text = m_home.ReadFile("record.txt");
        size_t start = m_recordStart;
        for (size_t end; (end = text.find('\n', start)) != std::string::npos; start = end + 1)
            lines.push_back(text.substr(start, end - start));
        return lines;
    }
    // Input n as the parameter file (relative path) holds it; type 0 when it cannot be read.
    EingangParam Input(const std::string& file, BYTE n) const
    {
        EingangParam input;
        EXPECT_TRUE(testsupport::WithParameterFile(m_home, file, false, [&](CParaDaten& para) {
            EXPECT_TRUE(para.GetEingang(CParaDaten::kWorkFile, n, input));
        }));
        return input;
    }

    ProgramHome m_home;
    ChildProcess m_standin;
    size_t m_recordStart = 0;
};

constexpr char kCommitted[] = "para/para.par";
constexpr char kWorkingCopy[] = "para/morv9274.par";

// Input 1 (the object's own) becomes a flow switch "Flussostato3"; switching to input 16 writes it into the working
// copy, and input 16 becomes a wind-speed impulse input with quotient 0.10 Hz.
const std::vector<Step> kTwoInputs = {
    {"get 1427", 0, "Ingresso 1\n"},
    {"click 1408", 1},  // impulses only on inputs 15 and 16
    {"click 1371"},
    {"get 1439", 0, "\n"},  // no designation yet: no digit
    {"pick 1428 2"},
    {"pick 1439 3"},
    {"get 1428", 0, "Flussostato\n"},
    {"click 1415"},  // the user group of the two-group layout
    {"get 1428", 0, "------------\n"},
    {"click 1438"},
    {"pick 1428 2"},
    {"pick 1439 3"},
    {"pick 1427 16"},
    {"click 1408"},
    {"get 1156", 0, "QUOZ.:\n"},
    {"get 1155", 0, "l/imp\n"},
    {"get 1430", 0, "  0.5\n"},  // a new flow input: quotient 1
    {"click 1412"},
    {"get 1155", 0, "Hz\n"},
    {"get 1430", 0, " 0.05\n"},
    {"pick 1430 9"},
    {"get 1430", 0, " 0.10\n"},
};

TEST_F(PlantFormRunTest, InputSaveCommitsEveryEditedInputAndRelabelsTheInputObjects)
{
    std::vector<Step> steps = kTwoInputs;
    steps.push_back({kSave});
    const ProgramResult result = RunForm("Eingang$1", "100", steps);
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_TRUE(result.boxes.empty()) << testsupport::JoinLines(result.boxes);
    EXPECT_EQ(m_home.ReadFile(kCommitted), m_home.ReadFile(kWorkingCopy));  // committed whole

    for (const char* file : {kCommitted, kWorkingCopy}) {
        SCOPED_TRACE(file);
        ASSERT_TRUE(m_home.Exists(file));
        const EingangParam first = Input(file, 1);
        EXPECT_EQ(first.type, kEingangDigital);
        EXPECT_EQ(first.group, 0);
        EXPECT_EQ(first.index, 2);
        EXPECT_EQ(first.digit, 3);
        const EingangParam last = Input(file, 16);
        EXPECT_EQ(last.type, kEingangImpuls);
        EXPECT_EQ(last.quantity, kGroesseWind);
        EXPECT_EQ(last.factor, 10);
    }
    // The save refreshes the input objects' texts; the object keeps its number, so no number text is sent.
    const std::vector<std::string> lines = Received();
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(lines.front(), "settext§102§Flussostato3") << testsupport::JoinLines(lines);
    EXPECT_EQ(lines.back(), "setfilenotuptodate");
    for (const std::string& line : lines)
        EXPECT_EQ(line.find("settext§103§"), std::string::npos) << line;
}

TEST_F(PlantFormRunTest, InputCancelAfterEditsWritesAndSendsNothing)
{
    const std::string before = m_home.ReadFile(kCommitted);
    std::vector<Step> steps = kTwoInputs;
    steps.push_back({kTerminate});
    EXPECT_EQ(RunForm("Eingang$1", "100", steps).exitCode, 0);
    EXPECT_EQ(m_home.ReadFile(kCommitted), before);
    EXPECT_TRUE(Received().empty()) << testsupport::JoinLines(Received());
}

TEST_F(PlantFormRunTest, InputAssignWritesBothFilesAndTheObjectAndSurvivesCancel)
{
    // Input 5 onto the object of input 2, as a Pt 1000 temperature sensor "T.Sol.-RIT2" corrected by -12.7 K.
    const ProgramResult result =
        RunForm("Eingang$2", "110",
                {
                    {"get 1427", 0, "Ingresso 2\n"},
                    {"pick 1427 5"},
                    {"click 1349"},
                    {"get 1387", 0, "1\n"},  // a new temperature input: Pt 1000
                    {"click 1389"},          // RAS
                    {"pick 1428 3"},
                    {"pick 1439 2"},
                    {"pick 1430 0"},
                    {"get 1430", 0, " - 85\n"},
                    {"pick 1430 242"},
                    {"get 1430", 0, "   25\n"},
                    {"pick 1430 132"},
                    {"get 1430", 0, "   0.5\n"},
                    {"pick 1430 0"},
                    {"pick 1429 25"},
                    {kAssign},
                    Step::AfterTransfer("click 1371"),  // edits after the assign are lost with the cancel
                    {kTerminate},
                });
    EXPECT_EQ(result.exitCode, 0);
    const std::vector<std::string> expected = {
        "settext§113§5",
        "settext§112§T.Sol.-RIT2",
        "setfilenotuptodate",
    };
    EXPECT_EQ(Received(), expected) << testsupport::JoinLines(Received());
    for (const char* file : {kCommitted, kWorkingCopy}) {
        SCOPED_TRACE(file);
        ASSERT_TRUE(m_home.Exists(file));
        const EingangParam input = Input(file, 5);
        EXPECT_EQ(input.type, kEingangAnalog);
        EXPECT_EQ(input.quantity, kGroesseTemperatur);
        EXPECT_EQ(input.sensorType, 3);
        EXPECT_EQ(input.group, 0);
        EXPECT_EQ(input.index, 3);
        EXPECT_EQ(input.digit, 2);
        EXPECT_EQ(static_cast<signed char>(input.correction), -127);
        EXPECT_EQ(input.averaging, 25);
    }
}

TEST_F(PlantFormRunTest, InputSaveAssignSendsTheObjectFirstAndRefreshesTheOthers)
{
    const ProgramResult result = RunForm("Eingang$3", "120",
                                         {
                                             {"pick 1427 4"},
                                             {"click 1371"},
                                             {"pick 1428 1"},
                                             {kSaveAssign},
                                         });
    EXPECT_EQ(result.exitCode, 0);
    const std::vector<std::string> lines = Received();
    ASSERT_GE(lines.size(), 3u) << testsupport::JoinLines(lines);
    EXPECT_EQ(lines[0], "settext§123§4");
    EXPECT_EQ(lines[1], "settext§122§Imp.Digitale");
    EXPECT_EQ(lines.back(), "setfilenotuptodate");
    for (size_t i = 2; i < lines.size(); ++i)
        EXPECT_EQ(lines[i].find("settext§122§"), std::string::npos) << lines[i];
    const EingangParam input = Input(kCommitted, 4);
    EXPECT_EQ(input.type, kEingangDigital);
    EXPECT_EQ(input.index, 1);
}

// A working copy or committed set that cannot be written: each end warns, sends nothing and keeps the person in the
// form with the edit; terminating then ends the run.
TEST_F(PlantFormRunTest, InputEndsThatCannotWriteOrCommitWarnSendNothingAndStayInTheForm)
{
    const struct {
        std::string end;
        const char* locked;  // made read-only once the form is open
    } cases[] = {{kSave, kCommitted}, {kAssign, kWorkingCopy}, {kSaveAssign, kWorkingCopy}, {kSaveAssign, kCommitted}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.end + ", read-only " + c.locked);
        MarkRecord();
        std::string committed;
        std::string working;
        const ProgramResult result = m_home.RunWindowCommand(Command("param", "Eingang$1", "100"), [&] {
            Drive({{"pick 1427 5"}, {"click 1371"}});
            committed = m_home.ReadFile(kCommitted);
            working = m_home.ReadFile(kWorkingCopy);
            ASSERT_EQ(chmod(m_home.Path(c.locked).c_str(), 0444), 0);
            Drive({{c.end}, {"get 1427", 0, "Ingresso 5\n"}, {kTerminate}});
        });
        ASSERT_EQ(chmod(m_home.Path(c.locked).c_str(), 0644), 0);
        EXPECT_EQ(result.exitCode, 0);
        ASSERT_EQ(result.boxes.size(), 1u) << testsupport::JoinLines(result.boxes);
        EXPECT_EQ(result.boxes[0], testsupport::BoxLine(messages::kFunctionSaveFailed));
        EXPECT_TRUE(Received().empty()) << testsupport::JoinLines(Received());
        EXPECT_EQ(m_home.ReadFile(kCommitted), committed);
        if (std::string(c.locked) == kWorkingCopy) {
            EXPECT_EQ(m_home.ReadFile(kWorkingCopy), working);
        }
    }
}

TEST_F(PlantFormRunTest, SensorStatusOfAllInputsDisablesTheFormAndAssignsTheNumberAlone)
{
    const std::string before = m_home.ReadFile(kCommitted);
    const ProgramResult result = RunForm("Sensorstatus$17", "150",
                                         {
                                             {"get 1427", 0, "tutti ingressi\n"},
                                             {"click 1371", 1},
                                             {"pick 1428 1", 1},
                                             {kAssign},
                                             Step::AfterTransfer(kTerminate),
                                         });
    EXPECT_EQ(result.exitCode, 0);
    const std::vector<std::string> expected = {
        "settext§153§17",
        "settext§152§tutti i sensori",
        "setfilenotuptodate",
    };
    EXPECT_EQ(Received(), expected) << testsupport::JoinLines(Received());
    EXPECT_EQ(m_home.ReadFile(kCommitted), before);
}

}  // namespace

namespace {

const std::string kAssignAusgang = "command " + std::to_string(ID_ASSIGN_AUSGANG);
const std::string kSaveAssignAusgang = "command " + std::to_string(ID_SAVE_ASSIGN_AUSGANG);

class OutputFormRunTest : public PlantFormRunTest {
protected:
    AusgangParam Output(const std::string& file, BYTE n) const
    {
        AusgangParam output;
        EXPECT_TRUE(testsupport::WithParameterFile(m_home, file, false, [&](CParaDaten& para) {
            EXPECT_TRUE(para.GetAusgang(CParaDaten::kWorkFile, n, output));
        }));
        return output;
    }
    AntiblockierschutzParam Antiseize(const std::string& file) const
    {
        AntiblockierschutzParam record;
        EXPECT_TRUE(testsupport::WithParameterFile(m_home, file, false, [&](CParaDaten& para) {
            EXPECT_TRUE(para.GetAntiblockierschutz(CParaDaten::kWorkFile, record));
        }));
        return record;
    }
};

TEST_F(OutputFormRunTest, SaveCommitsBothEditedOutputsAndRelabelsTheOutputObjects)
{
    const ProgramResult result = RunForm("Ausgang$5", "510",
                                         {
                                             {"get 1422", 0, "Uscita 5\n"},
                                             {"click 1416", 1},  // speed control only on outputs 1, 2, 6 and 7
                                             {"click 1413"},
                                             {"pick 1428 3"},
                                             {"pick 1439 1"},
                                             {"pick 1440 90"},
                                             {"get 1440", 0, "   90\n"},
                                             {"get 1023", 0, "Sec\n"},
                                             {"pick 1440 91"},
                                             {"get 1440", 0, "  2.0\n"},
                                             {"get 1023", 0, "Min\n"},
                                             {"pick 1441 107"},
                                             {"get 1441", 0, "   10\n"},
                                             {"pick 1422 6"},
                                             {"click 1416"},
                                             {"get 1448", 0, "1\n"},  // a new speed control: wave packet
                                             {"click 1418"},
                                             {kSave},
                                         });
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_TRUE(result.boxes.empty()) << testsupport::JoinLines(result.boxes);
    EXPECT_EQ(m_home.ReadFile(kCommitted), m_home.ReadFile(kWorkingCopy));
    const AusgangParam fifth = Output(kCommitted, 5);
    EXPECT_EQ(fifth.type, kAusgangSchalt);
    EXPECT_EQ(fifth.group, 0);
    EXPECT_EQ(fifth.index, 3);
    EXPECT_EQ(fifth.digit, 1);
    EXPECT_EQ(fifth.delay, 91);
    EXPECT_EQ(fifth.followUp, 107);
    const AusgangParam sixth = Output(kCommitted, 6);
    EXPECT_EQ(sixth.type, kAusgangDrehzahl);
    EXPECT_EQ(sixth.phaseCut, 1);

    const std::vector<std::string> lines = Received();
    ASSERT_FALSE(lines.empty());
    EXPECT_NE(std::find(lines.begin(), lines.end(), "settext§512§Pompa Carico1"), lines.end())
        << testsupport::JoinLines(lines);
    EXPECT_EQ(lines.back(), "setfilenotuptodate");
    for (const std::string& line : lines)
        EXPECT_EQ(line.find("settext§513§"), std::string::npos) << line;  // the object keeps its number
}

TEST_F(OutputFormRunTest, MixerAssignAndAntiseizeSurviveCancelInTheirFiles)
{
    const AntiblockierschutzParam committedBefore = Antiseize(kCommitted);
    const ProgramResult result = RunForm("Mischer_Ausgang$8", "520",
                                         {
                                             {"get 1422", 0, "Uscita 8,9\n"},
                                             {"pick 1422 3"},
                                             {"get 1422", 0, "Uscita 10,11\n"},
                                             {"click 1420"},
                                             {"get 1442", 0, "  2.5\n"},  // a new mixer runs 2.5 minutes
                                             {"get 1056", 0, "Min\n"},
                                             {"click 1385", 1},  // no climate names for a mixer
                                             {"pick 1428 1"},
                                             {kAssignAusgang},
                                             Step::AfterTransfer("click 1082"),
                                             {"--window active click 1060"},
                                             {"--window active pick 1163 43"},
                                             {"--window active click 1"},
                                             {kTerminate},
                                         });
    EXPECT_EQ(result.exitCode, 0);
    const std::vector<std::string> expected = {
        "settext§523§10",
        "settext§524§11",
        "settext§522§Misc.C.Risc",
        "setfilenotuptodate",
    };
    EXPECT_EQ(Received(), expected) << testsupport::JoinLines(Received());
    for (const char* file : {kCommitted, kWorkingCopy}) {
        SCOPED_TRACE(file);
        const AusgangParam mixer = Output(file, 10);
        EXPECT_EQ(mixer.type, kAusgangMischer);
        EXPECT_EQ(mixer.runTime, 92);
        EXPECT_EQ(mixer.group, 0);
        EXPECT_EQ(mixer.index, 1);
    }
    // The dialog's OK wrote the working copy only.
    const AntiblockierschutzParam working = Antiseize(kWorkingCopy);
    EXPECT_EQ(working.weekdays[0], 1);
    EXPECT_EQ(working.time, 43);
    const AntiblockierschutzParam committed = Antiseize(kCommitted);
    EXPECT_EQ(committed.time, committedBefore.time);
    EXPECT_EQ(committed.weekdays[0], committedBefore.weekdays[0]);
}

TEST_F(OutputFormRunTest, SecondOutputOfAMixerShowsTheMixerAndIsSavedAsNotUsed)
{
    const ProgramResult result =
        RunForm("Ausgang$5", "510",
                {
                    {"pick 1422 3"},
                    {"click 1420"},
                    {"pick 1428 2"},
                    {"pick 1422 4"},  // writes output 3 into the working copy, shows its mixer on output 4
                    {"get 1420", 0, "1\n"},
                    {"get 1428", 0, "Misc.Iniz.RT\n"},
                    {"click 1413", 1},
                    {"pick 1428 1", 1},
                    {kSaveAssignAusgang},
                });
    EXPECT_EQ(result.exitCode, 0);
    const std::vector<std::string> lines = Received();
    ASSERT_GE(lines.size(), 3u) << testsupport::JoinLines(lines);
    EXPECT_EQ(lines[0], "settext§513§4");
    EXPECT_EQ(lines[1], "settext§512§Misc.Iniz.RT");
    EXPECT_EQ(lines.back(), "setfilenotuptodate");
    for (size_t i = 2; i < lines.size(); ++i)
        EXPECT_EQ(lines[i].find("settext§512§"), std::string::npos) << lines[i];
    EXPECT_EQ(Output(kCommitted, 3).type, kAusgangMischer);
    EXPECT_EQ(Output(kCommitted, 3).index, 2);
    EXPECT_EQ(Output(kCommitted, 4).type, kAusgangUnbenutzt);
}

TEST_F(OutputFormRunTest, AnalogOutputScalesInItsModeAndAssignsABlankDesignation)
{
    const ProgramResult result =
        RunForm("Analog_Ausgang$15", "530",
                {
                    {"get 1422", 0, "Uscita 15 (analog)\n"},
                    {"get 1765", 0, "V\n"},
                    {"pick 1440 1"},
                    {"get 1765", 0, "%\n"},
                    {"pick 1446 200"},
                    {"get 1446", 0, "100.0\n"},
                    {"pick 1444 50"},
                    {"pick 1445 10"},
                    {"get 1445", 0, " 510\n"},  // the second point stays one step above the first
                    {"pick 1419 3"},
                    {"get 1419", 0, "    1.5\n"},
                    {kAssignAusgang},
                    Step::AfterTransfer(kTerminate),
                });
    EXPECT_EQ(result.exitCode, 0);
    const std::vector<std::string> expected = {"settext§533§15", "settext§532§ ", "setfilenotuptodate"};
    EXPECT_EQ(Received(), expected) << testsupport::JoinLines(Received());
    const AusgangParam analog = Output(kCommitted, 15);
    EXPECT_EQ(analog.pwm, 1);
    EXPECT_EQ(analog.scaleInLow, 50);
    EXPECT_EQ(analog.scaleInHigh, 51);
    EXPECT_EQ(analog.scaleOutLow, 200);  // not at the low point any more, as chosen
    EXPECT_EQ(analog.digitalLevel, 3);
}

}  // namespace

namespace {

const std::string kAssignNetz = "command " + std::to_string(ID_ASSIGN_NETZ);
const std::string kSaveAssignNetz = "command " + std::to_string(ID_SAVE_ASSIGN_NETZ);
const std::string kSaveNetz = "command " + std::to_string(ID_SAVE_SETTINGS_AND_CLOSE);

class NetworkInputRunTest : public PlantFormRunTest {
protected:
    struct Lists {
        NetzEingang digital[16];
        NetzEingang analog[16];
        BYTE timeouts[8];
    };
    Lists Stored(const std::string& file) const
    {
        Lists lists{};
        EXPECT_TRUE(testsupport::WithParameterFile(m_home, file, false, [&](CParaDaten& para) {
            EXPECT_TRUE(para.GetNetzEingaengeDigital(CParaDaten::kWorkFile, lists.digital));
            EXPECT_TRUE(para.GetNetzEingaengeAnalog(CParaDaten::kWorkFile, lists.analog));
            EXPECT_TRUE(para.GetNetzTimeouts(CParaDaten::kWorkFile, lists.timeouts));
        }));
        return lists;
    }
};

TEST_F(NetworkInputRunTest, SaveAssignStoresTheSenderAndSendsTheObjectsTexts)
{
    const ProgramResult result =
        RunForm("Netzwerkeingang$5", "700",
                {
                    {"get 1177", 0, " DIGITALE\n"},
                    {"get 1178", 0, " 5\n"},
                    {"get 1175", 0, "\n"},  // input 5 is not in use: no sender
                    {"pick 1177 2"},
                    {"get 1173", 0, "Usc.RETE anal.:\n"},
                    {"pick 1178 2"},
                    {"pick 1179 2"},
                    {"get 1175", 0, "   1\n"},  // a bus for an input not in use makes its node 1
                    {"pick 1175 11"},
                    {"pick 1174 2"},
                    {"pick 1198 25"},
                    {kSaveAssignNetz},
                });
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_TRUE(result.boxes.empty()) << testsupport::JoinLines(result.boxes);
    const std::vector<std::string> lines = Received();
    ASSERT_GE(lines.size(), 6u) << testsupport::JoinLines(lines);
    const std::vector<std::string> object = {
        "settext§702§19", "settext§707§ANALOG.3", "settext§703§   Rete - var. di ingresso (DL)   ",
        "settext§704§12", "settext§705§3",
    };
    EXPECT_EQ(std::vector<std::string>(lines.begin(), lines.begin() + 5), object) << testsupport::JoinLines(lines);
    EXPECT_EQ(lines.back(), "setfilenotuptodate");
    for (size_t i = 5; i < lines.size(); ++i)
        EXPECT_EQ(lines[i].find("settext§70"), std::string::npos) << lines[i];  // this object is skipped
    const Lists committed = Stored(kCommitted);
    EXPECT_EQ(committed.analog[2].transport, 1);
    EXPECT_EQ(committed.analog[2].node, 12);
    EXPECT_EQ(committed.analog[2].output, 3);
    EXPECT_EQ(committed.timeouts[4], 30);
}

TEST_F(NetworkInputRunTest, AssignWritesTheOneEntryIntoBothFilesAndSurvivesCancel)
{
    const Lists before = Stored(kCommitted);
    const ProgramResult result = RunForm("Netzwerkeingang$5", "700",
                                         {
                                             {"pick 1179 1"},
                                             {"pick 1175 5"},
                                             {"pick 1202 0"},  // a time-out is no part of an assign
                                             {kAssignNetz},
                                             Step::AfterTransfer(kTerminate),
                                         });
    EXPECT_EQ(result.exitCode, 0);
    const std::vector<std::string> expected = {
        "settext§702§5", "settext§707§DIGITAL5", "settext§703§   Rete - var. di ingresso (CAN)   ",
        "settext§704§6", "settext§705§1",        "setfilenotuptodate",
    };
    EXPECT_EQ(Received(), expected) << testsupport::JoinLines(Received());
    for (const char* file : {kCommitted, kWorkingCopy}) {
        SCOPED_TRACE(file);
        const Lists lists = Stored(file);
        EXPECT_EQ(lists.digital[4].transport, 0);
        EXPECT_EQ(lists.digital[4].node, 6);
        EXPECT_EQ(lists.digital[4].output, 1);
    }
    EXPECT_EQ(Stored(kCommitted).timeouts[0], before.timeouts[0]);
}

TEST_F(NetworkInputRunTest, AssignWithoutAReadableCommittedListWritesNothingAndSaysSo)
{
    const std::string working = m_home.ReadFile(kWorkingCopy);
    const ProgramResult result = m_home.RunWindowCommand(Command("param", "Netzwerkeingang$5", "700"), [&] {
        Drive({{"pick 1179 1"}});
        m_home.WriteFile(kCommitted, "");  // the committed set cannot be read any more
        Drive({{kAssignNetz}, {kTerminate}});
    });
    EXPECT_EQ(result.exitCode, 0);
    ASSERT_EQ(result.boxes.size(), 1u) << testsupport::JoinLines(result.boxes);
    EXPECT_EQ(result.boxes[0], testsupport::BoxLine(messages::kNetzAssignRefused));
    EXPECT_TRUE(Received().empty()) << testsupport::JoinLines(Received());
    EXPECT_EQ(m_home.ReadFile(kCommitted), "");
    EXPECT_EQ(m_home.ReadFile(kWorkingCopy), working);
}

TEST_F(NetworkInputRunTest, StatusObjectOfAllInputsAndANewNodeNumberRelabelTheNetworkOutputs)
{
    const ProgramResult result = RunForm("Netzwerkstatus$33", "720",
                                         {
                                             {"get 1079", 0, "I N G R E S S I  D I  R E T E  ( S T A T O )\n"},
                                             {"get 1177", 0, " tutti ing.\n"},
                                             {"pick 1179 1", 1},  // no entry for all inputs
                                             {"click 1194"},
                                             {"--window active pick 1195 4"},
                                             {"--window active click 1"},
                                             {kSaveNetz},
                                         });
    EXPECT_EQ(result.exitCode, 0);
    const std::vector<std::string> lines = Received();
    ASSERT_FALSE(lines.empty());
    // The network output shows this controller's node number, now 5.
    EXPECT_NE(std::find(lines.begin(), lines.end(), "settext§714§5"), lines.end()) << testsupport::JoinLines(lines);
    EXPECT_EQ(lines.back(), "setfilenotuptodate");
    NetzwerkParam settings;
    EXPECT_TRUE(testsupport::WithParameterFile(m_home, kCommitted, false, [&](CParaDaten& para) {
        EXPECT_TRUE(para.GetNetzwerk(CParaDaten::kWorkFile, settings));
    }));
    EXPECT_EQ(settings.node, 5);
}

}  // namespace

namespace {

class NetworkOutputRunTest : public PlantFormRunTest {
protected:
    Sendebedingungen Conditions(const std::string& file) const
    {
        Sendebedingungen conditions;
        EXPECT_TRUE(testsupport::WithParameterFile(m_home, file, false, [&](CParaDaten& para) {
            EXPECT_TRUE(para.GetSendebedingungen(CParaDaten::kWorkFile, conditions));
        }));
        return conditions;
    }
    // This controller's node number as the committed set holds it, repaired.
    std::string Node() const
    {
        NetzwerkParam settings;
        EXPECT_TRUE(testsupport::WithParameterFile(
            m_home, kCommitted, false, [&](CParaDaten& para) { para.GetNetzwerk(CParaDaten::kWorkFile, settings); }));
        return std::to_string(settings.node >= 1 && settings.node <= 62 ? settings.node : 1);
    }
};

TEST_F(NetworkOutputRunTest, SaveAssignStoresTheConditionsAndSendsNumberNodeAndOutput)
{
    const std::string node = Node();
    const ProgramResult result = RunForm("Netzwerkausgang$20", "710",
                                         {
                                             {"get 1178", 0, " ANALOG\n"},
                                             {"get 1195", 0, " 4\n"},
                                             {"get 1196", 0, "Utente\n"},  // its input is not connected
                                             {"get 1198", 0, "non usato\n"},
                                             {"pick 1179 1"},
                                             {"pick 1181 9"},
                                             {"pick 1182 0"},
                                             {"pick 1192 119"},
                                             {"pick 1178 1"},
                                             {kSaveAssignNetz},
                                         });
    EXPECT_EQ(result.exitCode, 0);
    const std::vector<std::string> expected = {
        "settext§712§4", "settext§713§DIGITAL4", "settext§714§" + node, "settext§715§4", "setfilenotuptodate",
    };
    EXPECT_EQ(Received(), expected) << testsupport::JoinLines(Received());
    const Sendebedingungen c = Conditions(kCommitted);
    EXPECT_EQ(c.onChange, 1);
    EXPECT_EQ(c.interval, 10);
    EXPECT_EQ(c.analog[0].threshold, 10);
    EXPECT_EQ(c.analog[3].blocking, 120);
}

TEST_F(NetworkOutputRunTest, AssignOfNoOutputSendsZerosAndWritesNoParameterFile)
{
    const std::string committed = m_home.ReadFile(kCommitted);
    const std::string working = m_home.ReadFile(kWorkingCopy);
    const ProgramResult result = RunForm("Netzwerkausgang$20", "710",
                                         {
                                             {"pick 1179 1"},
                                             {"pick 1178 0"},
                                             {"get 1195", 0, "\n"},
                                             {kAssignNetz},
                                             Step::AfterTransfer(kTerminate),
                                         });
    EXPECT_EQ(result.exitCode, 0);
    const std::vector<std::string> expected = {
        "settext§712§0", "settext§713§inutiliz.", "settext§714§0", "settext§715§0", "setfilenotuptodate",
    };
    EXPECT_EQ(Received(), expected) << testsupport::JoinLines(Received());
    EXPECT_EQ(m_home.ReadFile(kCommitted), committed);
    EXPECT_EQ(m_home.ReadFile(kWorkingCopy), working);
}

TEST_F(NetworkOutputRunTest, ConditionsStoredOutOfRangeShowAndSaveRepairedAndRelabelEveryNetworkOutput)
{
    ASSERT_TRUE(testsupport::WithParameterFile(m_home, kCommitted, true, [&](CParaDaten& para) {
        EXPECT_TRUE(para.SetSendebedingungen(CParaDaten::kWorkFile, Sendebedingungen{}));
    }));
    const ProgramResult result = RunForm("Netzwerkausgang$20", "710",
                                         {
                                             {"get 1181", 0, "   5\n"},
                                             {"get 1180", 0, "  10\n"},
                                             {"get 1182", 0, "  30\n"},
                                             {"pick 1178 1"},  // the save keeps the object's number all the same
                                             {kSaveNetz},
                                         });
    EXPECT_EQ(result.exitCode, 0);
    const Sendebedingungen c = Conditions(kCommitted);
    EXPECT_EQ(c.interval, 5);
    EXPECT_EQ(c.blocking, 10);
    EXPECT_EQ(c.analog[2].threshold, 30);
    const std::vector<std::string> lines = Received();
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(lines.back(), "setfilenotuptodate");
    for (const std::string& line : lines)
        EXPECT_EQ(line.find("settext§712§"), std::string::npos) << line;
}

}  // namespace

namespace {

TEST_F(PlantFormRunTest, SignalTransferRefusesEmptyAndLongIdsThenPokesTheTypedOne)
{
    const std::string before = m_home.ReadFile(kCommitted);
    const ProgramResult result = RunForm("Signal_Übernahme", "430",
                                         {
                                             {"get 1000", 0, "A C C E T T A Z I O N E  D E I  S E G N A L I\n"},
                                             {"get 1426", 0, "\n"},  // its own designation is empty
                                             {kSave},
                                             {"type 1426 ABCDEFGHIJKLMNOPQRSTU"},
                                             {kSave},
                                             {"type 1426 ABCDEFGHIJKLMNOPQRST"},
                                             {kSave},
                                         });
    EXPECT_EQ(result.exitCode, 0);
    ASSERT_EQ(result.boxes.size(), 2u) << testsupport::JoinLines(result.boxes);
    EXPECT_EQ(result.boxes[0], testsupport::BoxLine(messages::kSignalEmpty));
    EXPECT_EQ(result.boxes[1], testsupport::BoxLine(messages::kSignalTooLong));
    // One direct text, no command file lines, no commit.
    const std::vector<std::string> expected = {"settext§432§ABCDEFGHIJKLMNOPQRST"};
    EXPECT_EQ(Received(), expected) << testsupport::JoinLines(Received());
    EXPECT_EQ(m_home.ReadFile(kCommitted), before);
}

TEST_F(PlantFormRunTest, SignalTransferListsIdsCaseSensitivelyOnceAndCopiesADoubleClickedOne)
{
    const ProgramResult result = RunForm("Signal_Übergabe", "400",
                                         {
                                             {"get 1000", 0, "T R A S F E R I M E N T O  D E I  S E G N A L I\n"},
                                             {"get 1426", 0, "BRENNER\n"},
                                             {"items 1423", 0, "\nBRENNER\nbrenner\n"},
                                             {"dblclick 1423 2"},
                                             {"get 1426", 0, "brenner\n"},
                                             {kSave},
                                         });
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_TRUE(result.boxes.empty()) << testsupport::JoinLines(result.boxes);
    const std::vector<std::string> expected = {"settext§402§brenner"};
    EXPECT_EQ(Received(), expected) << testsupport::JoinLines(Received());
}

}  // namespace
