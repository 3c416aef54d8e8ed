// The forms of a mixer control and of a logic function in the real program: "open" a small drawing, then "param" on
// each object, pick and click as a person through wnddrive, switch to the variable forms, save; the committed
// parameter file and the lines the drawing-tool stand-in received are compared with what the forms must produce.
// Terminating after the same edits writes and sends nothing.
#include "FormRunFixture.h"

#include "store/LogikfuncParam.h"
#include "store/MischerRegParam.h"

#include <gtest/gtest.h>

#include <csignal>
#include <sys/stat.h>
#include <cstdio>
#include <string>
#include <vector>

using namespace testsupport;

namespace {

class FunctionFormRunTest : public FormRunFixture {
protected:
    FunctionFormRunTest() : FormRunFixture("mixer_logic.xml") {}
};

// The mixer's edits: the lowest difference, "non modif.", inverse, setpoint 55 deg C, the name "REG.M." with digit
// 2, and the unconnected release set to OFF in the input-variable form.
const std::vector<Step> kMixerEdits = {
    {"get 1491", 0, "  0.0\n"},   // a new record's difference
    {"get 1439", 0, "\n"},        // no designation: no digit, and its list is disabled
    {"pick 1439 3", 1},
    {"click 1768", 1},  // the designations dialog only for user designations
    {"pick 1491 0"},
    {"pick 1317 2"},
    {"click 1043"},
    {"pick 1490 55"},
    {"pick 1428 1"},
    {"pick 1439 2"},
    {kShowVarIn},
    {"get 1428", 0, "\nREG.M. 2\n"},
    {"get 1454", 0, "Utente\n"},
    {"get 1312", 0, "Entrata\n"},
    {"get 1316", 0, "1:\n"},
    {"pick 1513 0"},
    {kShowVarOut},
    {"get 1298", 0, "1\n"},  // the mixer pair at outputs 8 and 9
    {"get 1288", 0, "0\n"},
    {"get 1307", 0, "0\n"},
    {"click 1288", 1},       // a read-only display
    {kShowParam},
    {"get 1491", 0, "- 75\n"},
};

TEST_F(FunctionFormRunTest, MixerControlSavesWhatThePersonChoseAndLabelsItsRelease)
{
    const std::string before = m_home.ReadFile("para/para.par");
    ProgramResult result = m_home.RunWindowCommand(Command("param", "Mischerregelfunktion$0", "200"), [&] {
        std::vector<Step> steps = kMixerEdits;
        steps.push_back({kSave});
        Drive(steps);
    });
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_TRUE(result.boxes.empty()) << testsupport::JoinLines(result.boxes);
    EXPECT_NE(m_home.ReadFile("para/para.par"), before);

    const MischerRegParam r = Stored<MischerRegParam>(200, &CParaDaten::GetMischerReg);
    EXPECT_EQ(r.designation.group, 0);
    EXPECT_EQ(r.designation.index, 1);
    EXPECT_EQ(r.designation.digit, 2);
    EXPECT_EQ(static_cast<signed char>(r.difference), -125);
    EXPECT_EQ(r.offAction & 0xF, 2u);
    EXPECT_EQ(r.inverse, 1);
    EXPECT_EQ(r.setpoint.kind, 0);
    EXPECT_EQ(r.setpoint.number, 55);
    EXPECT_EQ(r.release.kind, 0);
    EXPECT_EQ(r.release.number, 0);  // fixed state OFF
    EXPECT_EQ(r.controlTemp.kind, 1);
    EXPECT_EQ(r.controlTemp.number, 1);
    EXPECT_EQ(r.outputs, 8);

    const std::vector<std::string> expected = {
        "settext§202§  REG.M.2  ",
        "settext§211§ABL miscelatore (OFF)",
        "setfilenotuptodate",
    };
    EXPECT_EQ(Received(), expected) << testsupport::JoinLines(Received());
}

TEST_F(FunctionFormRunTest, LogicFunctionSavesItsOperationAndModesAndLabelsSevenPins)
{
    ProgramResult result = m_home.RunWindowCommand(Command("param", "Logikfunktion$1", "300"), [&] {
        Drive({
            {"get 1054", 0, "1\n"},  // a new record's operation: OR
            {"click 1058"},
            {"pick 1428 1"},
            {"get 1439", 0, "\n"},
            {kShowVarIn},
            {"get 1428", 0, "\nLOGIC\n"},
            {"get 1461", 0, "\nENTRATA DATI 1:\n"},
            {"get 1210", 0, "non usato\n"},
            {"pick 1525 1", 1},  // an unconnected data input shows no mode
            {"get 1319", 0, "Entrata\n"},
            {"get 1241", 0, "3:\n"},
            {"pick 1086 1"},
            {"get 1512", 0, "Modo:\n"},  // the release is connected: its mode, not a fixed state
            {"pick 1513 1"},
            {kShowVarOut},
            {"get 1081", 0, "1\n"},  // the result drives output 5
            {"get 1028", 0, "0\n"},
            {"get 1259", 0, "0\n"},
            {kSave},
        });
    });
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_TRUE(result.boxes.empty()) << testsupport::JoinLines(result.boxes);

    const LogikfuncParam r = Stored<LogikfuncParam>(300, &CParaDaten::GetLogikfunc);
    EXPECT_EQ(r.designation.index, 1);
    EXPECT_EQ(r.designation.digit, 0);
    EXPECT_EQ(r.function, kLogikFlipFlop);
    EXPECT_EQ(r.release.kind, 1);
    EXPECT_EQ(r.release.number, 2);
    EXPECT_EQ(r.release.inverted, 1);
    EXPECT_EQ(r.inputs[1].kind, 1);
    EXPECT_EQ(r.inputs[1].number, 3);
    EXPECT_EQ(r.inputs[1].inverted, 1);
    EXPECT_EQ(r.inputs[0].inverted, 0);
    EXPECT_EQ(r.inputCount, 2);
    EXPECT_EQ(r.result[4], 1);

    // Data input 3 has no label in the drawing: nothing for it, and no other pin's text in its place.
    const std::vector<std::string> expected = {
        "settext§302§  LOGIC  ",
        "settext§311§ABL Funz.log. (inv.)",
        "settext§321§Variabile ingr. 1",
        "settext§331§Variabile ingr. 2 (inv.)",
        "settext§351§Variabile ingr. 4",
        "settext§361§Variabile ingr. 5",
        "settext§371§Variabile ingr. 6",
        "setfilenotuptodate",
    };
    EXPECT_EQ(Received(), expected) << testsupport::JoinLines(Received());
}

TEST_F(FunctionFormRunTest, TerminatingAfterEditsWritesAndSendsNothing)
{
    const std::string before = m_home.ReadFile("para/para.par");
    ProgramResult result = m_home.RunWindowCommand(Command("param", "Mischerregelfunktion$0", "200"), [&] {
        std::vector<Step> steps = kMixerEdits;
        steps.push_back({kTerminate});
        Drive(steps);
    });
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_EQ(m_home.ReadFile("para/para.par"), before);
    EXPECT_TRUE(Received().empty()) << testsupport::JoinLines(Received());
}

// The committed set cannot be replaced (read-only): the save warns, keeps the person in the form with the edit, and
// neither the committed set nor the drawing tool sees anything; terminating then ends the run.
TEST_F(FunctionFormRunTest, ASaveWhoseCommitFailsWarnsSendsNothingAndStaysInTheForm)
{
    std::string before;
    ProgramResult result = m_home.RunWindowCommand(Command("param", "Mischerregelfunktion$0", "200"), [&] {
        Drive({{"pick 1491 0"}});
        // The start-up has committed the evaluation by now; from here on the committed set cannot be replaced.
        before = m_home.ReadFile("para/para.par");
        ASSERT_EQ(chmod(m_home.Path("para/para.par").c_str(), 0444), 0);
        Drive({{kSave}, {"get 1491", 0, "- 75\n"}, {kShowVarIn}, {kShowParam}, {"get 1491", 0, "- 75\n"},
               {kTerminate}});
    });
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_EQ(m_home.ReadFile("para/para.par"), before);
    EXPECT_TRUE(Received().empty()) << testsupport::JoinLines(Received());
    ASSERT_EQ(result.boxes.size(), 1u) << testsupport::JoinLines(result.boxes);
    EXPECT_EQ(result.boxes[0], testsupport::BoxLine(messages::kFunctionSaveFailed));
}

// A command file whose object kind is not the kind the drawing gives the object id (the logic function's id named
// as a mixer control, a mixer control's as an input): the run ends at its start with the warning of an object it
// cannot set; no form opens, the committed set and the drawing tool see nothing.
TEST_F(FunctionFormRunTest, AnObjectKindTheDrawingDoesNotGiveTheIdEndsTheRunWritingNothing)
{
    const struct {
        const char* name;
        const char* id;
    } cases[] = {{"Mischerregelfunktion$0", "300"}, {"Eingang$1", "200"}, {"Logikfunktion$1", "100"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string before = m_home.ReadFile("para/para.par");
        ProgramResult result = m_home.RunCommand(Command("param", c.name, c.id));
        EXPECT_EQ(result.exitCode, 0);
        EXPECT_EQ(testsupport::JoinLines(result.boxes), testsupport::BoxLine(messages::kCannotParameterise) + "\n");
        EXPECT_EQ(m_home.ReadFile("para/para.par"), before);
        EXPECT_TRUE(Received().empty()) << testsupport::JoinLines(Received());
    }
}

TEST_F(FunctionFormRunTest, ConfirmedUserDesignationsRefreshEveryOtherObjectOnSave)
{
    const struct {
        const char* ending;  // how the designations dialog ends
        bool refresh;        // the save also relabels the other objects
    } cases[] = {{"click 2", false}, {"click 1330", true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.ending);
        const size_t start = m_home.ReadFile("record.txt").size();
        ProgramResult result = m_home.RunWindowCommand(Command("param", "Mischerregelfunktion$0", "200"), [&] {
            Drive({
                {"pick 1770 1"},
                {"click 1768"},
                {"--window active pick 1450 0"},
                {"--window active type 1449 MISCELA"},
                {"--window active click 1452"},
                {std::string("--window active ") + c.ending},
                {"pick 1439 4"},
                {kSave},
            });
        });
        EXPECT_EQ(result.exitCode, 0);
        m_recordStart = start;
        const std::vector<std::string> lines = Received();
        const std::string name = c.refresh ? "MISCELA" : " 1 - - - - -";
        ASSERT_GE(lines.size(), 3u) << testsupport::JoinLines(lines);
        EXPECT_EQ(lines[0], "settext§202§  " + name + "4  ");
        EXPECT_EQ(lines[1], "settext§211§ABL miscelatore");
        EXPECT_EQ(lines.back(), "setfilenotuptodate");
        // The other objects' labels follow only after a confirmed dialog, never this object's.
        bool logicRelabelled = false;
        for (size_t i = 2; i + 1 < lines.size(); ++i) {
            logicRelabelled |= lines[i] == "settext§311§ABL Funz.log.";
            EXPECT_EQ(lines[i].find("settext§202§"), std::string::npos) << lines[i];
        }
        EXPECT_EQ(logicRelabelled, c.refresh) << testsupport::JoinLines(lines);
        EXPECT_EQ(lines.size() == 3, !c.refresh) << testsupport::JoinLines(lines);

        const MischerRegParam r = Stored<MischerRegParam>(200, &CParaDaten::GetMischerReg);
        EXPECT_EQ(r.designation.group, 1);
        EXPECT_EQ(r.designation.index, 0);
        EXPECT_EQ(r.designation.digit, 4);
    }
}

}  // namespace
