// The heating function forms in the real program: "open" a drawing with a charge pump, a heating request, a
// hot-water request, a circulation and two boiler cascades, then "param" on each object, pick and click as a person
// through wnddrive, save; the committed parameter file and the lines the drawing-tool stand-in received are compared
// with what the forms must produce. Differences and limits are the ones a heating engineer meets: a switch-off
// difference on the wrong side of its switch-on difference, values that a source replaces, time-byte units.
#include "FormRunFixture.h"

#include "store/AnfHeizungParam.h"
#include "store/AnfWarmwasserParam.h"
#include "store/FuncEntry.h"
#include "store/HzkrRegParam.h"
#include "store/KesselkaskadeParam.h"
#include "store/LadepumpeParam.h"
#include "store/WartungsfuncParam.h"
#include "store/ZirkulationParam.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace testsupport;

namespace {

class HeatingFormRunTest : public FormRunFixture {
protected:
    HeatingFormRunTest() : FormRunFixture("heating.xml") {}

    // Runs the steps on the object's forms and saves; the run must end without a box.
    void EditAndSave(const char* name, const char* id, std::vector<Step> steps)
    {
        steps.push_back({kSave});
        ProgramResult result = m_home.RunWindowCommand(Command("param", name, id), [&] { Drive(steps); });
        EXPECT_EQ(result.exitCode, 0);
        EXPECT_TRUE(result.boxes.empty()) << JoinLines(result.boxes);
    }
};

// Lists the function of the object in the cascades' participant places (0 leaves a place empty): cascade 1000
// uses `count1` places, cascade 1100 `count2`.
void ListInCascades(const ProgramHome& home, int objectId, std::vector<int> places1, BYTE count1,
                    std::vector<int> places2, BYTE count2)
{
    ASSERT_TRUE(WithParameterFile(home, "para/para.par", true, [&](CParaDaten& para) {
        const BYTE slot = para.FindFuncSlot(CParaDaten::kWorkFile, objectId);
        FuncEntry entry;
        ASSERT_TRUE(para.GetFuncEntry(CParaDaten::kWorkFile, slot, entry));
        const struct {
            int id;
            const std::vector<int>& places;
            BYTE count;
        } cascades[] = {{1000, places1, count1}, {1100, places2, count2}};
        for (const auto& c : cascades) {
            const BYTE cascade = para.FindFuncSlot(CParaDaten::kWorkFile, c.id);
            KesselkaskadeParam r;
            ASSERT_TRUE(para.GetKesselkaskade(CParaDaten::kWorkFile, cascade, r, false));
            r.participantCount = c.count;
            for (int place : c.places)
                r.participants[place] = static_cast<BYTE>(entry.number + 1);
            ASSERT_TRUE(para.SetKesselkaskade(CParaDaten::kWorkFile, cascade, r));
        }
    }));
}

signed char Signed(BYTE b)
{
    return static_cast<signed char>(b);
}

TEST_F(HeatingFormRunTest, ChargePumpKeepsEachSwitchOffDifferenceOnItsSide)
{
    EditAndSave("Ladepumpe$0", "400",
                {
                    {"get 1049", 0, "\n"},  // the maximum comes from input 3: no fixed value shown
                    {"pick 1049 10", 1},    // and none can be chosen
                    {"pick 1481 45"},       // minimum feed temperature 45 deg C
                    {"pick 1480 0"},        // feed side on: -128 is repaired to -127 ("- 85")
                    {"get 1480", 0, "- 85\n"},
                    {"pick 1482 255"},  // reference side on: 127 is repaired to 126 ("  80")
                    {"get 1482", 0, "  80\n"},
                    {"get 1025", 0, "  85\n"},  // its switch-off moved above it
                    {"pick 1478 150"},          // difference on 2.2 K
                    {"pick 1479 150"},          // off equal to on: one code below
                    {"get 1479", 0, "  2.1\n"},
                    {"pick 1428 1"},
                    {kShowVarIn},
                    {"get 1436", 0, "\nTEMP.MASS.RIF.:\n"},
                    {"get 1211", 0, "Entrata\n"},
                    {"get 1221", 0, "3:\n"},
                    {"get 1208", 0, "Utente\n"},
                    {"pick 1513 1"},  // the unconnected release ON
                    {kShowVarOut},
                    {"get 1542", 0, "POMPA - Uscita\n"},
                    {"get 1040", 0, "1\n"},
                    {"get 1081", 0, "0\n"},
                    {"get 1028", 0, "0\n"},
                    {"get 1413", 0, "0\n"},
                });
    const LadepumpeParam r = Stored<LadepumpeParam>(400, &CParaDaten::GetLadepumpe);
    EXPECT_EQ(r.designation.index, 1);
    EXPECT_EQ(r.sourceMin.kind, 0);
    EXPECT_EQ(r.sourceMin.number, 45);
    EXPECT_EQ(Signed(r.minDiffOn), -127);
    EXPECT_EQ(Signed(r.minDiffOff), -128);
    EXPECT_EQ(Signed(r.maxDiffOn), 126);
    EXPECT_EQ(Signed(r.maxDiffOff), 127);
    EXPECT_EQ(Signed(r.sourceDiffOn), 22);
    EXPECT_EQ(Signed(r.sourceDiffOff), 21);
    EXPECT_EQ(r.referenceMax.kind, 1);
    EXPECT_EQ(r.referenceMax.number, 3);
    EXPECT_EQ(r.release.kind, 0);
    EXPECT_EQ(r.release.number, 1);
    EXPECT_EQ(r.outputs[1], 1);
    EXPECT_EQ(r.outputs[4], 0);

    const std::vector<std::string> expected = {
        "settext§402§  POMPA CA.  ",
        "settext§411§ABL pompa",
        "setfilenotuptodate",
    };
    EXPECT_EQ(Received(), expected) << JoinLines(Received());
}

TEST_F(HeatingFormRunTest, HeatingRequestMovesItsSwitchOffAndRelabelsTheCascadesThatListIt)
{
    // Cascade 1000 lists the request in places 1 and 2 of its 2, and in place 4 beyond its count; cascade 1100
    // in place 1.
    ListInCascades(m_home, 600, {0, 1, 3}, 2, {0}, 1);
    m_recordStart = m_home.ReadFile("record.txt").size();
    EditAndSave("Anforderung Heizung$1", "600",
                {
                    {"get 1203", 0, "\n"},  // no switch-off temperature: its group is disabled and empty
                    {"get 1169", 0, "\n"},
                    {"pick 1203 140", 1},
                    {"pick 1073 255"},  // switch-on 85 K is repaired to 80 K, switch-off above it
                    {"get 1073", 0, "  80\n"},
                    {"get 1247", 0, "  85\n"},
                    {"pick 1425 40"},
                    {"pick 1417 20"},
                    {"pick 1418 30"},
                    {"pick 1442 90"},
                    {"get 1056", 0, "Sec\n"},
                    {"pick 1442 91"},  // "2.0" minutes: the unit follows at once
                    {"get 1056", 0, "Min\n"},
                    {"pick 1442 191"},
                    {"get 1442", 0, "18.0\n"},
                    {"get 1056", 0, "Ore\n"},
                    {"pick 1428 1"},
                    {"pick 1439 3"},
                    {kShowVarIn},
                    {"get 1428", 0, "\nRISC.RICH 3\n"},
                    {"get 1533", 0, "Entrata\n"},
                    {"get 1463", 0, "non usato\n"},  // switch-off temperature
                    {"get 1474", 0, "Utente\n"},     // switch-off setpoint: not used without one
                    {"get 1464", 0, "non usato\n"},
                    {"get 1466", 0, "Utente\n"},  // demand setpoint: fixed
                    {"get 1467", 0, "\n"},
                    {"pick 1513 0"},
                });
    const AnfHeizungParam r = Stored<AnfHeizungParam>(600, &CParaDaten::GetAnfHeizung);
    EXPECT_EQ(r.designation.index, 1);
    EXPECT_EQ(r.designation.digit, 3);
    EXPECT_EQ(Signed(r.diffOn), 126);
    EXPECT_EQ(Signed(r.diffOff), 127);
    EXPECT_EQ(r.demandSetpoint.number, 40);
    EXPECT_EQ(r.minDemandTemp, 20);
    EXPECT_EQ(r.eco, 30);
    EXPECT_EQ(r.minBurnerRun, 191);
    EXPECT_EQ(r.release.number, 0);

    const std::vector<std::string> expected = {
        "settext§602§  RISC.RICH3  ", "settext§611§ABL richiesta (OFF)", "settext§1051§RISC.RICH3",
        "settext§1052§RISC.RICH3",    "settext§1151§RISC.RICH3",         "setfilenotuptodate",
    };
    EXPECT_EQ(Received(), expected) << JoinLines(Received());
}

TEST_F(HeatingFormRunTest, HotWaterRequestEditsItsProgramsOnlyOnOkAndRelabelsItsCascadePlaces)
{
    // Cascade 1000 lists the request in place 3 of its 6 and cascade 1100 in place 1 of its 1.
    ListInCascades(m_home, 700, {2}, 6, {0}, 1);
    m_recordStart = m_home.ReadFile("record.txt").size();
    EditAndSave("Anforderung Warmwasser$2", "700",
                {
                    {"get 1308", 0, "\n"},  // the setpoint comes from input 3
                    {"pick 1308 50", 1},
                    {"pick 1073 255"},
                    {"get 1073", 0, "  80\n"},
                    {"get 1007", 0, "  85\n"},
                    {"pick 1453 80"},  // 100 %
                    {"get 1453", 0, "100\n"},
                    {"pick 1305 45"},
                    {"click 1088"},  // the time programs: cancel keeps them
                    {"--window active pick 1327 3"},
                    {"--window active click 2"},
                    {"click 1088"},  // OK stores two programs
                    {"--window active pick 1327 2"},
                    {"--window active click 1"},
                    {kShowVarIn},
                    {"get 1092", 0, "Entrata\n"},
                    {"get 1100", 0, "2:\n"},
                    {"get 1104", 0, "Entrata\n"},
                    {"get 1149", 0, "Utente\n"},  // the external switch: not used, no mode
                    {"get 1152", 0, "non usato\n"},
                    {"get 1529", 0, "\n"},
                    {"pick 1532 1", 1},
                    {kShowVarOut},
                    {"get 1292", 0, "PREST.BRUC. - Uscita Reg.Giri Var.\n"},
                    {"get 1030", 0, "0\n"},
                });
    const AnfWarmwasserParam r = Stored<AnfWarmwasserParam>(700, &CParaDaten::GetAnfWarmwasser);
    EXPECT_EQ(Signed(r.diffOn), 126);
    EXPECT_EQ(Signed(r.diffOff), 127);
    EXPECT_EQ(r.burnerPower, 100);
    EXPECT_EQ(r.minTemp, 45);
    EXPECT_EQ(r.programsInUse, 2);
    EXPECT_EQ(r.setpoint.kind, 1);
    EXPECT_EQ(r.setpoint.number, 3);
    EXPECT_EQ(r.externalSwitch.kind, 0);

    // A request without designation reaches the cascades as "- - - - - - -"; its unconnected external switch
    // never gets a suffix.
    const std::vector<std::string> expected = {
        "settext§702§  - - - - - -  ", "settext§711§ABL Richiesta",  "settext§741§Commutatore est.",
        "settext§1053§- - - - - - -",  "settext§1151§- - - - - - -", "setfilenotuptodate",
    };
    EXPECT_EQ(Received(), expected) << JoinLines(Received());
}

TEST_F(HeatingFormRunTest, CirculationEnablesWhatItsModeAndInputsUse)
{
    EditAndSave("Zirkulation$3", "800",
                {
                    {"get 1052", 0, "1\n"},  // a new record: time mode
                    {"pick 1478 25", 1},     // the pulse values wait for a pulse mode
                    {"get 1600", 0, "\n"},   // no storage temperature: no mixing protection
                    {"pick 1012 0", 1},
                    {"click 1055"},     // pulses: the hot-water temperature is connected
                    {"click 1088", 1},  // pulses alone use no time program
                    {"pick 1478 25"},
                    {"get 1478", 0, " 2.5\n"},
                    {"pick 1291 90"},
                    {"get 1056", 0, "Sec\n"},
                    {"pick 1291 91"},
                    {"get 1056", 0, "Min\n"},
                    {"pick 1268 30"},
                    {"click 1052"},  // time mode with one program that carries the setpoint
                    {"click 1088"},
                    {"--window active pick 1327 1"},
                    {"--window active pick 1192 1"},
                    {"--window active click 1"},
                    {"get 1157", 0, "secondo:\n"},
                    {"get 1076", 0, "\n"},
                    {"pick 1076 55", 1},
                    {"click 1095"},  // time and pulses: the fixed setpoint again
                    {"get 1157", 0, "\n"},
                    {"pick 1076 55"},
                    {"pick 1207 100"},  // switch-off at or below switch-on moves above it
                    {kShowVarIn},
                    {"get 1296", 0, "Entrata\n"},
                    {"get 1111", 0, "Entrata\n"},
                    {"get 1129", 0, "Utente\n"},
                    {"get 1135", 0, "non usato\n"},
                    {"get 1120", 0, "Utente\n"},
                    {"get 1126", 0, "\n"},
                });
    const ZirkulationParam r = Stored<ZirkulationParam>(800, &CParaDaten::GetZirkulation);
    EXPECT_EQ(r.mode, 2);
    EXPECT_EQ(r.tapRise, 25);
    EXPECT_EQ(r.runTime, 91);
    EXPECT_EQ(r.pause, 30);
    EXPECT_EQ(r.programsInUse, 1);
    EXPECT_EQ(r.windowSetpoints, 1);
    EXPECT_EQ(r.setpoint.number, 55);
    EXPECT_GT(Signed(r.diffOff), Signed(r.diffOn));
    EXPECT_EQ(r.storeTemp.kind, 0);

    const std::vector<std::string> expected = {
        "settext§802§  - - - - - -  ",
        "settext§811§ABL Circolazione",
        "setfilenotuptodate",
    };
    EXPECT_EQ(Received(), expected) << JoinLines(Received());
}

TEST_F(HeatingFormRunTest, CirculationWithoutHotWaterTemperatureOffersTimeModeOnly)
{
    // The circulation's hot-water temperature leaves the drawing: the pulse modes are disabled, time mode shown.
    std::string drawing = m_home.ReadFile("VORNA.xml");
    const std::string connected = "<name>Warmwassertemperatur</name>\n      <catchobject>\n        <lineID>901</lineID>"
                                  "\n      </catchobject>";
    const size_t at = drawing.find(connected, drawing.find("Zirkulation$3"));
    ASSERT_NE(at, std::string::npos);
    drawing.replace(at, connected.size(), "<name>Warmwassertemperatur</name>");
    m_home.WriteFile("VORNA.xml", drawing);
    ASSERT_EQ(m_home.RunCommand(Command("open")).exitCode, 0);
    m_recordStart = m_home.ReadFile("record.txt").size();
    EditAndSave("Zirkulation$3", "800", {{"click 1055", 1}, {"click 1095", 1}, {"get 1052", 0, "1\n"}});
    EXPECT_EQ(Stored<ZirkulationParam>(800, &CParaDaten::GetZirkulation).mode, 0);
}

TEST_F(HeatingFormRunTest, BoilerCascadeServiceDialogRefusesACounterAboveItsRangeAndStaysOpen)
{
    ProgramResult result = m_home.RunWindowCommand(Command("param", "Kesselkaskade$4", "1000"), [&] {
        Drive({
            {"get 1071", 0, "2\n"},
            {"get 1391", 0, "\n"},  // two boilers: boiler 3 is disabled and empty
            {"pick 1391 0", 1},
            {"get 1399", 0, "Sec\n"},  // its unit follows its stored delay all the same
            {"pick 1390 255"},
            {"get 1390", 0, "  80\n"},
            {"get 1113", 0, "  85\n"},
            {"pick 1121 157"},
            {"get 1395", 0, "Ore\n"},
            {"click 1064"},
            {"--window active get 1089", 0, "\n"},  // boiler C only with three boilers
            {"--window active items 1088", 0, " 1\n 2\n"},
            {"--window active pick 1089 0", 1},
            {"--window active type 1231 65536"},
            {"--window active click 1"},  // refused: the dialog stays
            {"--window active type 1231 65535"},
            {"--window active pick 1088 0"},  // both boilers in place 1
            {"--window active click 1094"},
            {"--window active pick 1093 24"},
            {"--window active click 1"},
            {"pick 1071 1"},  // three boilers: boiler 3 in use
            {"get 1391", 0, "  0.0\n"},
            {kSave},
        });
    });
    EXPECT_EQ(result.exitCode, 0);
    ASSERT_EQ(result.boxes.size(), 1u) << JoinLines(result.boxes);
    EXPECT_EQ(result.boxes[0], testsupport::BoxLine(messages::kServiceCounterInvalid));

    const KesselkaskadeParam r = Stored<KesselkaskadeParam>(1000, &CParaDaten::GetKesselkaskade);
    EXPECT_EQ(r.boilerCount, 3);
    EXPECT_EQ(Signed(r.boilers[0].onDifference), 126);
    EXPECT_EQ(Signed(r.boilers[0].offDifference), 127);
    EXPECT_EQ(r.boilers[0].delay, 157);
    EXPECT_EQ(r.boilers[0].hours, 65535u);
    EXPECT_EQ(r.boilers[0].position, 1);
    EXPECT_EQ(r.boilers[1].position, 1);
    EXPECT_EQ(r.boilers[0].autoChange, 1);
    EXPECT_EQ(r.hourDifference, 25);
    // No participant chosen: every participant pin shows sixteen dashes.
    std::vector<std::string> expected = {"settext§1002§  - - - - - -  ", "settext§1011§ABL Cald. casc. "};
    for (int pin = 1051; pin <= 1056; ++pin)
        expected.push_back("settext§" + std::to_string(pin) + "§- - - - - - - - - - - - - - - -");
    expected.push_back("setfilenotuptodate");
    EXPECT_EQ(Received(), expected) << JoinLines(Received());
}

TEST_F(HeatingFormRunTest, BoilerCascadeChoosesItsRequestsAndLabelsThePlacesInUse)
{
    EditAndSave("Anforderung Heizung$1", "600", {{"pick 1428 1"}});
    m_recordStart = m_home.ReadFile("record.txt").size();
    EditAndSave("Kesselkaskade$4", "1000",
                {
                    {kShowVarIn},
                    {"get 1421", 0, "RILASCIO DA\n3. GRADO:\n"},
                    {"get 1515", 0, "non usato\n"},  // two boilers: the third stage is out of use
                    {"get 1516", 0, "\n"},
                    {"pick 1517 0", 1},
                    {"items 1209", 0, "- - - - - - -\nRISC.RICH\n------------\n"},
                    {"pick 1205 2"},     // three places
                    {"pick 1209 1"},     // the heating request
                    {"pick 1212 2"},     // the hot-water request, without designation
                    {"pick 1224 1", 1},  // place 5 is hidden
                    {kShowParam},
                    {"pick 1071 1"},  // three boilers: the third stage in use at the next activation
                    {kShowVarIn},
                    {"get 1515", 0, "\n"},
                    {"pick 1517 0"},
                    {"pick 1205 1"},  // back to two places: place 3 hidden, its field kept
                });
    const KesselkaskadeParam r = Stored<KesselkaskadeParam>(1000, &CParaDaten::GetKesselkaskade);
    EXPECT_EQ(r.participantCount, 2);
    EXPECT_NE(r.participants[0], 0);
    EXPECT_NE(r.participants[1], 0);
    EXPECT_NE(r.participants[0], r.participants[1]);
    EXPECT_EQ(r.participants[2], 0);
    EXPECT_EQ(r.boilerCount, 3);
    EXPECT_EQ(r.release3.kind, 0);
    EXPECT_EQ(r.release3.number, 0);  // its fixed state OFF

    std::vector<std::string> expected = {"settext§1002§  - - - - - -  ", "settext§1011§ABL Cald. casc. ",
                                         "settext§1051§RISC.RICH", "settext§1052§- - - - - - -"};
    for (int pin = 1053; pin <= 1056; ++pin)
        expected.push_back("settext§" + std::to_string(pin) + "§- - - - - - - - - - - - - - - -");
    expected.push_back("setfilenotuptodate");
    EXPECT_EQ(Received(), expected) << JoinLines(Received());
}

TEST_F(HeatingFormRunTest, HeatingCircuitControllerDialogsWriteOnOkOnlyAndItsSaveRelabelsTheMaintenanceFunction)
{
    // The maintenance function 1400 lists the controller in places 1 and 3 of its 3.
    ASSERT_TRUE(WithParameterFile(m_home, "para/para.par", true, [&](CParaDaten& para) {
        FuncEntry entry;
        ASSERT_TRUE(para.GetFuncEntry(CParaDaten::kWorkFile, para.FindFuncSlot(CParaDaten::kWorkFile, 1200), entry));
        const BYTE slot = para.FindFuncSlot(CParaDaten::kWorkFile, 1400);
        WartungsfuncParam r;
        ASSERT_TRUE(para.GetWartungsfunc(CParaDaten::kWorkFile, slot, r, false));
        r.circuitCount = 3;
        r.circuits[0] = r.circuits[2] = static_cast<BYTE>(entry.number + 1);
        ASSERT_TRUE(para.SetWartungsfunc(CParaDaten::kWorkFile, slot, r));
    }));
    m_recordStart = m_home.ReadFile("record.txt").size();
    EditAndSave("Heizkreisregler$6", "1200",
                {
                    {"pick 1150 2"},  // NORMALE
                    {"pick 1162 21"},
                    {"pick 1160 16"},
                    {"pick 1161 30"},
                    {"click 1139"},  // heating curve: by the outside temperature, as a slope of 1.20
                    {"--window active click 1089"},
                    {"--window active click 1101", 1},  // no slope for a fixed value
                    {"--window active click 1093"},
                    {"--window active click 1101"},
                    {"--window active get 1105", 0, "Pendenza:\n"},
                    {"--window active pick 1077 115"},
                    {"--window active get 1077", 0, " 1.20\n"},
                    {"--window active click 1"},
                    {"click 1144"},  // switch-off: room above setpoint, hysteresis 0.1 K, outside maximum -20
                    {"--window active pick 1165 1"},
                    {"--window active pick 1164 0"},
                    {"--window active pick 1170 0"},
                    {"--window active click 1"},
                    {"click 1147"},  // frost: cancelled
                    {"--window active pick 1010 0"},
                    {"--window active pick 1013 30"},
                    {"--window active click 2"},
                    {"click 1276"},  // averaging: 1.0 hours
                    {"--window active pick 1177 157"},
                    {"--window active get 1136", 0, "Ore\n"},
                    {"--window active click 1"},
                    {kShowVarIn},
                    {"get 1289", 0, "Entrata\n"},
                    {"get 1138", 0, "\n"},
                    {"get 1136", 0, "non usato\n"},  // the room temperature
                    {"get 1152", 0, "non usato\n"},  // the external switch: no mode
                    {"pick 1532 1", 1},
                    {"pick 1520 0"},  // the pump release OFF
                    {kShowVarOut},
                    {"get 1288", 0, "1\n"},
                    {"get 1358", 0, "MISCELA. - Uscita\n"},
                });
    const HzkrRegParam r = Stored<HzkrRegParam>(1200, &CParaDaten::GetHzkrReg);
    EXPECT_EQ(r.mode, 2);
    EXPECT_EQ(r.roomNormal, 21);
    EXPECT_EQ(r.roomReduced, 16);
    EXPECT_EQ(r.advanceTime, 30);
    EXPECT_EQ(r.byOutsideTemp, 1);
    EXPECT_EQ(r.curveBySlope, 1);
    EXPECT_EQ(r.curve, 120);
    EXPECT_EQ(r.offRoomAboveSetpoint, 1);
    EXPECT_EQ(r.offRoomHyst, 1);
    EXPECT_EQ(r.offOutsideMax, 236);
    EXPECT_EQ(r.averagingControl, 157);
    EXPECT_NE(r.frostRoom, 30);
    EXPECT_EQ(r.pumpRelease.number, 0);

    const std::vector<std::string> expected = {
        "settext§1202§  - - - - - -  ",  "settext§1211§ABL circ. risc.",
        "settext§1221§ABL pompa (OFF)",  "settext§1231§ABL miscelatore",
        "settext§1271§Commutatore est.", "settext§1451§- - - - - - -",
        "settext§1453§- - - - - - -",    "setfilenotuptodate",
    };
    EXPECT_EQ(Received(), expected) << JoinLines(Received());
}

TEST_F(HeatingFormRunTest, TerminatingOrCancellingADialogWritesAndSendsNothing)
{
    const struct {
        const char* name;
        const char* id;
        std::vector<Step> steps;
    } cases[] = {
        {"Ladepumpe$0", "400", {{"pick 1481 45"}, {kShowVarIn}, {"pick 1513 0"}}},
        {"Kesselkaskade$4", "1000",
         {{"pick 1071 1"}, {"click 1064"}, {"--window active type 1231 7"}, {"--window active click 2"}}},
        {"Heizkreisregler$6", "1200",
         {{"pick 1150 3"}, {"click 1147"}, {"--window active pick 1013 30"}, {"--window active click 1"}}},
        {"Zirkulation$3", "800", {{"click 1095"}, {"click 1088"}, {"--window active click 1"}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string before = m_home.ReadFile("para/para.par");
        m_recordStart = m_home.ReadFile("record.txt").size();
        ProgramResult result = m_home.RunWindowCommand(Command("param", c.name, c.id), [&] {
            std::vector<Step> steps = c.steps;
            steps.push_back({kTerminate});
            Drive(steps);
        });
        EXPECT_EQ(result.exitCode, 0);
        EXPECT_EQ(m_home.ReadFile("para/para.par"), before);
        EXPECT_TRUE(Received().empty()) << JoinLines(Received());
    }
    // A cancelled service dialog leaves the record as it was: the save stores no counter.
    EditAndSave("Kesselkaskade$4", "1000",
                {{"click 1064"}, {"--window active type 1231 7"}, {"--window active click 2"}});
    EXPECT_EQ(Stored<KesselkaskadeParam>(1000, &CParaDaten::GetKesselkaskade).boilers[0].hours, 0u);
}

}  // namespace
