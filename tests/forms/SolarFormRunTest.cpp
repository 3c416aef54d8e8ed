// The solar and energy function forms in the real program: "open" a drawing with one object of each kind, then
// "param" on each, pick and click as a person through wnddrive, switch to the variable forms, save; the committed
// parameter file and the lines the drawing-tool stand-in received are compared with what the forms must produce.
#include "FormRunFixture.h"

#include "store/KuehlfuncParam.h"
#include "store/PID_RegelungParam.h"
#include "store/SolarregelungParam.h"
#include "store/SolarvorrangParam.h"
#include "store/StartfuncParam.h"
#include "store/WMZParam.h"

namespace {

using namespace testsupport;

class SolarFormRunTest : public FormRunFixture {
protected:
    SolarFormRunTest() : FormRunFixture("solar_energy.xml") {}

    // Names the two solar controls "SOLARE" with digit 1 (7000) and "SOLARE SV" (7400).
    void NameSolarControls()
    {
        ASSERT_TRUE(WithParameterFile(m_home, "para/para.par", true, [&](CParaDaten& para) {
            const int file = CParaDaten::kWorkFile;
            const struct {
                int id;
                BYTE name, digit;
            } names[] = {{7000, 1, 1}, {7400, 3, 0}};
            for (const auto& n : names) {
                const BYTE slot = para.FindFuncSlot(file, n.id);
                SolarregelungParam solar;
                ASSERT_TRUE(para.GetSolarregelung(file, slot, solar, false));
                solar.designation.index = n.name;
                solar.designation.digit = n.digit;
                ASSERT_TRUE(para.SetSolarregelung(file, slot, solar));
            }
        }));
    }
};

TEST_F(SolarFormRunTest, CoolingKeepsItsSwitchOffBelowSwitchOnAndLabelsItsRelease)
{
    ProgramResult result = Param("Kühlfunktion$0", "4000", {
        {"pick 1428 1"},
        {"pick 1487 42"},
        {"pick 1488 48"},
        {"get 1489", 0, "\n"},  // the maximum comes from a sensor: no fixed value to choose
        {"pick 1489 30", 1},
        {"pick 1199 178"},      // switch on at 5.0 K
        {"pick 1207 183"},      // 5.5 K is not below: one step below the switch-on difference instead
        {"get 1207", 0, "  4.9\n"},
        {"pick 1020 100"},
        {kShowVarIn},
        {"get 1428", 0, "\nFZ.RAF.\n"},
        {"get 1510", 0, "Entrata\n"},
        {"get 1197", 0, "1:\n"},
        {"get 1221", 0, "2:\n"},
        {"pick 1513 0"},
        {kShowVarOut},
        {"get 1244", 0, "1\n"},  // cooling status on output 4
        {"get 1229", 0, "1\n"},  // the control variable on output 6
        {"get 1225", 0, "0\n"},
        {kShowParam},
        {"get 1487", 0, "07.00\n"},
        {kSave},
    });
    EXPECT_TRUE(result.boxes.empty()) << JoinLines(result.boxes);

    const KuehlfuncParam r = Stored<KuehlfuncParam>(4000, &CParaDaten::GetKuehlfunc);
    EXPECT_EQ(r.designation.index, 1);
    EXPECT_EQ(r.windowStart, 42);
    EXPECT_EQ(r.windowEnd, 48);
    EXPECT_EQ(r.referenceMax.kind, 1);
    EXPECT_EQ(r.diffOn, 50);
    EXPECT_EQ(r.diffOff, 49);
    EXPECT_EQ(r.magnitude, 100);
    EXPECT_EQ(r.release.kind, 0);
    EXPECT_EQ(r.release.number, 0);
    EXPECT_EQ(r.coolingOutputs[3], 1);
    EXPECT_EQ(r.controlledOutputs[2], 1);

    const std::vector<std::string> expected = {
        "settext§4002§  FZ.RAF.  ",
        "settext§4011§ABL Funz. Raff. (OFF)",
        "setfilenotuptodate",
    };
    EXPECT_EQ(Received(), expected) << JoinLines(Received());
}

TEST_F(SolarFormRunTest, PidControlStoresEachModeInItsOwnBitsAndItsFixedSetpoints)
{
    ProgramResult result = Param("PID-Regelung$1", "6000", {
        {"pick 1428 5"},
        {"pick 1470 2"},
        {"pick 1473 1"},
        {"pick 1472 1"},
        {"pick 1472 0"},      // the difference regulation off again; the other two keep theirs
        {"get 1470", 0, "inverso\n"},
        {"click 1392"},
        {"pick 1471 120"},
        {"get 1477", 0, "\n"},  // the threshold comes from a sensor
        {"pick 1477 10", 1},
        {"pick 1026 200"},
        {"pick 1046 150"},
        {"get 1046", 0, "  60\n"},
        {"pick 1475 20"},
        {"pick 1476 40"},     // a minimum above the maximum is the person's choice
        {"pick 1051 0"},
        {"get 1051", 0, "    1\n"},
        {"pick 1064 7"},
        {"pick 1058 10"},
        {kShowVarIn},
        {"get 1568", 0, "TEMP.\nREGOLAZ.VAL.ASSOL.:\n"},
        {"get 1343", 0, "1:\n"},
        {"get 1350", 0, "\n"},           // an unconnected setpoint: its value is the form's
        {"get 1370", 0, "non usato\n"},  // an unconnected temperature
        {"get 1374", 0, "2:\n"},
        {"pick 1513 1"},
        {kShowVarOut},
        {"get 1153", 0, "1\n"},  // output 7
        {"get 1119", 0, "0\n"},
        {kSave},
    });
    EXPECT_TRUE(result.boxes.empty()) << JoinLines(result.boxes);

    const PID_RegelungParam r = Stored<PID_RegelungParam>(6000, &CParaDaten::GetPidRegelung);
    EXPECT_EQ(r.designation.index, 5);
    EXPECT_EQ(r.modes & 0x3Fu, (kPidInvers << kPidAbsolutShift) | (kPidNormal << kPidEreignisShift));
    EXPECT_EQ(r.eventBelow, 1);
    EXPECT_EQ(r.absSetpoint.kind, 0);
    EXPECT_EQ(r.absSetpoint.number, 120);
    EXPECT_EQ(r.eventThreshold.kind, 1);
    EXPECT_EQ(r.eventSetpoint.number, 200);
    EXPECT_EQ(r.diffSetpoint, 150);
    EXPECT_EQ(r.outputMax, 20);
    EXPECT_EQ(r.outputMin, 40);
    EXPECT_EQ(r.p, 1);
    EXPECT_EQ(r.i, 7);
    EXPECT_EQ(r.d, 10);
    EXPECT_EQ(r.release.number, 1);  // fixed state ON
    EXPECT_EQ(r.outputs[3], 1);

    const std::vector<std::string> expected = {
        "settext§6002§  PID SOL.  ",
        "settext§6011§ABL Regolazione",
        "setfilenotuptodate",
    };
    EXPECT_EQ(Received(), expected) << JoinLines(Received());
}

TEST_F(SolarFormRunTest, SolarControlRelabelsTheParticipantPinsThatNameIt)
{
    // A solar priority names the solar control 7000 in places 1 and 3 and the other one in place 2; a start function
    // names it in place 2 of two. Place 3 lies beyond the priority's count of 2: its pin keeps the dashes the
    // priority's own save gave it, as the priority does not use that place.
    BYTE own = 0;
    BYTE other = 0;
    ASSERT_TRUE(WithParameterFile(m_home, "para/para.par", true, [&](CParaDaten& para) {
        const int file = CParaDaten::kWorkFile;
        SolarregelungParam solar;
        ASSERT_TRUE(para.GetSolarregelung(file, para.FindFuncSlot(file, 7000), solar, false));
        own = static_cast<BYTE>(solar.number + 1);
        ASSERT_TRUE(para.GetSolarregelung(file, para.FindFuncSlot(file, 7400), solar, false));
        other = static_cast<BYTE>(solar.number + 1);
        const BYTE prioritySlot = para.FindFuncSlot(file, 8000);
        SolarvorrangParam priority;
        ASSERT_TRUE(para.GetSolarvorrang(file, prioritySlot, priority, false));
        priority.participantCount = 2;
        priority.participants[0].function = own;
        priority.participants[1].function = other;
        priority.participants[2].function = own;
        ASSERT_TRUE(para.SetSolarvorrang(file, prioritySlot, priority));
        const BYTE startSlot = para.FindFuncSlot(file, 8500);
        StartfuncParam start;
        ASSERT_TRUE(para.GetStartfunc(file, startSlot, start, false));
        start.solarCount = 2;
        start.solarControls[1] = own;
        ASSERT_TRUE(para.SetStartfunc(file, startSlot, start));
    }));
    ASSERT_NE(own, other);

    ProgramResult result = Param("Solarregelung$2", "7000", {
        {"pick 1428 2"},
        {"pick 1439 3"},
        {"pick 1002 40"},
        {"get 1002", 0, "130\n"},
        {"pick 1004 0"},
        {"pick 1011 150"},
        {"pick 1017 110"},
        {"pick 1199 0"},            // the lowest code is no difference: the one above it instead
        {"get 1199", 0, "- 85\n"},
        {"get 1207", 0, "- 90\n"},
        {"pick 1199 178"},
        {"pick 1207 200"},          // not below the switch-on difference: one step below it instead
        {"get 1207", 0, "  4.9\n"},
        {"get 1033", 0, "\n"},      // no limit temperature: its lists are off
        {"pick 1033 3", 1},
        {"pick 1036 3", 1},
        {kShowVarIn},
        {"get 1183", 0, "Entrata\n"},
        {"get 1195", 0, "1:\n"},
        {"get 1204", 0, "non usato\n"},
        {kShowVarOut},
        {"get 1028", 0, "1\n"},
        {"get 1040", 0, "0\n"},
        {kSave},
    });
    EXPECT_TRUE(result.boxes.empty()) << JoinLines(result.boxes);

    const SolarregelungParam r = Stored<SolarregelungParam>(7000, &CParaDaten::GetSolarregelung);
    EXPECT_EQ(r.designation.index, 2);
    EXPECT_EQ(r.designation.digit, 3);
    EXPECT_EQ(r.collectorMax, 130);
    EXPECT_EQ(r.collectorHyst, 5);
    EXPECT_EQ(r.referenceMax, 150);
    EXPECT_EQ(r.referenceHyst, 115);
    EXPECT_EQ(r.diffOn, 50);
    EXPECT_EQ(r.diffOff, 49);
    EXPECT_EQ(r.outputs[0], 1);

    const std::vector<std::string> expected = {
        "settext§7002§  SOLARE SE3  ",
        "settext§7011§ABL Circuito solare",
        "settext§8041§SOLARE SE3",
        "settext§8561§SOLARE SE3",
        "setfilenotuptodate",
    };
    EXPECT_EQ(Received(), expected) << JoinLines(Received());
}

TEST_F(SolarFormRunTest, StartFunctionChoosesItsSolarControlsAndLabelsTheirPins)
{
    NameSolarControls();
    ProgramResult result = Param("Startfunktion$5", "8500", {
        {"pick 1428 1"},
        {"get 1187", 0, "Irrad.Att:\n"},  // a radiation sensor is connected: the threshold in W/m2
        {"get 1196", 0, "W/m\xC2\xB2\n"},  // wnddrive answers in UTF-8
        {"pick 1018 90"},
        {"get 1018", 0, "900\n"},
        {"pick 1442 240"},
        {"pick 1016 0"},
        {"pick 1455 50"},
        {"pick 1457 10"},          // a window that ends before it starts is the person's choice
        {kShowVarIn},
        {"get 1181", 0, "------------\n"},
        {"get 1461", 0, "non usato\n"},
        {"pick 1205 2"},           // three solar controls
        {"pick 1220 1", 1},        // the fourth place is hidden
        {"pick 1209 1"},
        {"pick 1212 0"},
        {"pick 1216 2"},
        {"get 1209", 0, "SOLARE1\n"},
        {kShowParam},              // the parameter form shows the new participants at once
        {"get 1209", 0, "SOLARE1\n"},
        {"get 1212", 0, "- - - - - - -\n"},
        {"get 1216", 0, "SOLARE SV\n"},
        {"get 1220", 0, "\n"},
        {kShowVarIn},
        {"pick 1205 0"},           // one: the others hide, and keep their values
        {"get 1212", 0, "- - - - - - -\n"},
        {kShowVarOut},
        {"get 1028", 0, "0\n"},
        {kShowParam},
        {"get 1216", 0, "\n"},
        {kSave},
    });
    EXPECT_TRUE(result.boxes.empty()) << JoinLines(result.boxes);

    const StartfuncParam r = Stored<StartfuncParam>(8500, &CParaDaten::GetStartfunc);
    const SolarregelungParam first = Stored<SolarregelungParam>(7000, &CParaDaten::GetSolarregelung);
    const SolarregelungParam second = Stored<SolarregelungParam>(7400, &CParaDaten::GetSolarregelung);
    EXPECT_EQ(r.designation.index, 1);
    EXPECT_EQ(r.activation, 90);
    EXPECT_EQ(r.runTime, 240);
    EXPECT_EQ(r.interval, 0);
    EXPECT_EQ(r.windowStart, 50);
    EXPECT_EQ(r.windowEnd, 10);
    EXPECT_EQ(r.solarCount, 1);
    EXPECT_EQ(r.solarControls[0], first.number + 1);
    EXPECT_EQ(r.solarControls[1], 0);
    EXPECT_EQ(r.solarControls[2], second.number + 1);

    // Only the first place is in use: every other pin shows that it names nothing.
    std::vector<std::string> expected = {
        "settext§8502§  START SOL  ",
        "settext§8511§ABL Funz. Avvio",
        "settext§8551§SOLARE1",
    };
    for (int k = 2; k <= 10; ++k)
        expected.push_back("settext§" + std::to_string(8541 + 10 * k) + "§- - - - - - - - - - - - - - - -");
    expected.push_back("setfilenotuptodate");
    EXPECT_EQ(Received(), expected) << JoinLines(Received());
}

TEST_F(SolarFormRunTest, SolarPriorityBuildsItsRowsForTheParticipantsChosenInItsInputForm)
{
    NameSolarControls();
    ProgramResult result = Param("Solarvorrang$4", "8000", {
        {"pick 1428 1"},
        {"get 1216", 0, "\n"},            // two rows to begin with
        {"pick 1245 1", 1},
        {kShowVarIn},
        {"pick 1205 3"},                   // five solar controls
        {"pick 1209 1"},
        {"pick 1212 2"},
        {"pick 1216 0"},
        {"pick 1228 1", 1},                // the sixth place is hidden
        {kShowParam},
        {"get 1209", 0, "SOLARE1   :\n"},
        {"get 1212", 0, "SOLARE SV   :\n"},
        {"get 1216", 0, "- - - - - - -   :\n"},
        {"get 1224", 0, "- - - - - - -   :\n"},
        {"get 1228", 0, "\n"},
        {"pick 1231 2"},
        {"pick 1239 1"},
        {"pick 1245 5"},
        {"pick 1505 4"},                   // the follow-up timer from level 5
        {"pick 1009 90"},
        {"pick 1442 120"},
        {"pick 1005 20"},
        {kShowVarIn},
        {"pick 1205 1"},                   // three: the levels above it are cut
        {kShowParam},
        {"get 1245", 0, " OFF\n"},
        {"get 1505", 0, "    3\n"},
        {"pick 1252 1", 1},                // the fourth row is hidden
        {"get 1239", 0, "    1\n"},
        {kShowVarOut},
        {"get 1028", 0, "0\n"},
        {kSave},
    });
    EXPECT_TRUE(result.boxes.empty()) << JoinLines(result.boxes);

    const SolarvorrangParam r = Stored<SolarvorrangParam>(8000, &CParaDaten::GetSolarvorrang);
    const SolarregelungParam first = Stored<SolarregelungParam>(7000, &CParaDaten::GetSolarregelung);
    const SolarregelungParam second = Stored<SolarregelungParam>(7400, &CParaDaten::GetSolarregelung);
    EXPECT_EQ(r.designation.index, 1);
    EXPECT_EQ(r.participantCount, 3);
    EXPECT_EQ(r.participants[0].function, first.number + 1);
    EXPECT_EQ(r.participants[0].priority, 2);
    EXPECT_EQ(r.participants[1].function, second.number + 1);
    EXPECT_EQ(r.participants[1].priority, 1);
    EXPECT_EQ(r.participants[2].function, 0);
    EXPECT_EQ(r.participants[2].priority, 0);
    EXPECT_EQ(r.timerFromPriority, 3);
    EXPECT_EQ(r.activation, 90);
    EXPECT_EQ(r.runTime, 120);
    EXPECT_EQ(r.waitTime, 20);

    std::vector<std::string> expected = {
        "settext§8002§  PRIO.SOL.  ",
        "settext§8011§ABL Prior. sol.",
        "settext§8041§SOLARE1",
        "settext§8051§SOLARE SV",
    };
    for (int k = 3; k <= 10; ++k)
        expected.push_back("settext§" + std::to_string(8031 + 10 * k) + "§- - - - - - - - - - - - - - - -");
    expected.push_back("setfilenotuptodate");
    EXPECT_EQ(Received(), expected) << JoinLines(Received());
}

// The heat meter's typed numbers: what a person types or pastes keeps only what makes a number; values out of range
// are refused at the save with a warning while the form stays, and switching the calibration layout resets them.
TEST_F(SolarFormRunTest, HeatMeterKeepsOnlyNumbersAndRefusesValuesOutOfRange)
{
    const std::string calibration = testsupport::BoxLine(messages::kWmzCalibrationInvalid);
    ProgramResult result = Param("Wärmemengenzähler$6", "3000", {
        {"pick 1428 1"},
        {"get 1730", 0, "ANTIGELO:\n"},   // both temperatures connected: frost protection and fixed flow
        {"pick 1314 10"},
        {"get 1314", 0, "    500\n"},
        {"get 1208", 0, "\n"},             // no calibration set: its fields are off and empty
        {"type 1208 5", 1},
        {"click 1212"},
        {"get 1734", 0, "Diff.:\n"},      // equal differences: one common difference
        {"type 1209 5", 1},
        {"type 1208 1a2"},
        {"get 1208", 0, "12\n"},
        {"paste 1214 x1y23"},               // pasted junk passes the digits-only field
        {"get 1214", 0, "123\n"},
        {"type 1214 -4", 0},               // the field takes digits only
        {"get 1214", 0, "4\n"},
        {"type 1215 12.34"},               // one decimal
        {"get 1215", 0, "12.3\n"},
        {"click 1781"},                    // the layout before A3.18: four values
        {"get 1208", 0, "24.99\n"},
        {"get 1210", 0, "12.00\n"},
        {"get 1209", 0, "50.00\n"},
        {"paste 1211 -0.05.7"},
        {"get 1211", 0, "-0.05\n"},
        {"type 1209 160.01"},
        {kSave},                           // refused: the form stays
        {"get 1209", 0, "160.01\n"},
        {"click 1780"},                    // back to one difference: the values out of range are reset
        {"get 1208", 0, "0.00\n"},
        {"type 1208 -3.5"},
        {"type 1214 20000"},
        {kSave},                           // refused: the counter position is out of range
        {"type 1214 19999"},
        {"type 1215 999.9"},
        {kShowVarIn},
        {"get 1744", 0, "\nFLUSSO:\n"},
        {"get 1309", 0, "\n"},             // an unconnected flow: its fixed value is the parameter form's
        {"pick 1194 1", 1},                // an unconnected counter reset shows no mode
        {kShowVarOut, 1},                  // the type has no output-variable form
        {kSave},
    });
    const std::vector<std::string> boxes = {
        calibration,
        testsupport::BoxLine(messages::kWmzLayoutReset),
        testsupport::BoxLine(messages::kWmzQuantityInvalid),
    };
    EXPECT_EQ(result.boxes, boxes) << JoinLines(result.boxes);

    const WMZParam r = Stored<WMZParam>(3000, &CParaDaten::GetWmz);
    EXPECT_EQ(r.designation.index, 1);
    EXPECT_EQ(r.flowRate.number, 10);
    EXPECT_EQ(r.calibrated, 1);
    EXPECT_EQ(r.upperTemp, 5000);
    EXPECT_EQ(r.lowerTemp, 2499);
    EXPECT_EQ(r.lowerDiff, -350);
    EXPECT_EQ(r.upperDiff, -350);  // one common difference
    EXPECT_EQ(r.readingMwh, 19999u);
    EXPECT_EQ(r.readingKwh, 9999u);

    const std::vector<std::string> expected = {
        "settext§3002§  QTA CAL  ",
        "settext§3011§ABL Calorimetro",
        "settext§3051§Azzeram. Contat.",
        "setfilenotuptodate",
    };
    EXPECT_EQ(Received(), expected) << JoinLines(Received());
}

// A designation change shows the designation only: the typed calibration value and counter position stay in their
// fields, and the save judges those, refusing each out-of-range value with its message until it is corrected.
TEST_F(SolarFormRunTest, HeatMeterKeepsTypedValuesAcrossADesignationChange)
{
    ProgramResult result = Param("Wärmemengenzähler$6", "3000", {
        {"type 1214 20000"},
        {"click 1212"},
        {"type 1208 100.00"},         // the common difference, above 99.99
        {"pick 1428 2"},
        {"get 1214", 0, "20000\n"},
        {"get 1208", 0, "100.00\n"},
        {"get 1212", 0, "1\n"},
        {kSave},                      // refused: the calibration
        {"get 1208", 0, "100.00\n"},
        {"type 1208 99.99"},
        {kSave},                      // refused: the counter position
        {"type 1214 19999"},
        {kSave},
    });
    const std::vector<std::string> boxes = {
        testsupport::BoxLine(messages::kWmzCalibrationInvalid),
        testsupport::BoxLine(messages::kWmzQuantityInvalid),
    };
    EXPECT_EQ(result.boxes, boxes) << JoinLines(result.boxes);
    const WMZParam r = Stored<WMZParam>(3000, &CParaDaten::GetWmz);
    EXPECT_EQ(r.designation.index, 2);
    EXPECT_EQ(r.calibrated, 1);
    EXPECT_EQ(r.lowerDiff, 9999);
    EXPECT_EQ(r.upperDiff, 9999);
    EXPECT_EQ(r.readingMwh, 19999u);
}

TEST_F(SolarFormRunTest, HeatMeterInFactorModeKeepsTheCalibrationLayoutOfItsRecord)
{
    // A calibration of the layout before A3.18 (different differences) set while both temperatures were connected.
    ASSERT_TRUE(WithParameterFile(m_home, "para/para.par", true, [&](CParaDaten& para) {
        const BYTE slot = para.FindFuncSlot(CParaDaten::kWorkFile, 3500);
        WMZParam r;
        ASSERT_TRUE(para.GetWmz(CParaDaten::kWorkFile, slot, r, false));
        r.calibrated = 1;
        r.upperTemp = 6000;
        r.upperDiff = 100;
        r.lowerTemp = 1000;
        r.lowerDiff = 200;
        ASSERT_TRUE(para.SetWmz(CParaDaten::kWorkFile, slot, r));
    }));
    ProgramResult result = Param("Wärmemengenzähler$7", "3500", {
        {"get 1730", 0, "FATTORE:\n"},
        {"get 1286", 0, "      1\n"},
        {"pick 1286 99"},
        {"pick 1314 1", 1},          // no flow list, no calibration block
        {"click 1212", 1},
        {"get 1731", 0, "\n"},
        {kShowVarIn},
        {"get 1313", 0, "3:\n"},
        {"pick 1194 1"},             // the connected counter reset inverted
        {kSave},
    });
    EXPECT_TRUE(result.boxes.empty()) << JoinLines(result.boxes);
    const WMZParam r = Stored<WMZParam>(3500, &CParaDaten::GetWmz);
    EXPECT_EQ(r.factor, 100);
    EXPECT_EQ(r.reset.inverted, 1);
    EXPECT_EQ(r.upperDiff, 100);  // not overwritten by the lower difference
    EXPECT_EQ(r.lowerDiff, 200);
    const std::vector<std::string> expected = {
        "settext§3502§  - - - - - -  ",
        "settext§3511§ABL Calorimetro",
        "settext§3551§Azzeram. Contat. (inv.)",
        "setfilenotuptodate",
    };
    EXPECT_EQ(Received(), expected) << JoinLines(Received());
}

}  // namespace
