// The forms of the logic, time and monitoring functions in the real program: "open" a drawing that holds one object
// of each kind, then "param" on an object, pick and click as a person through wnddrive, save; the committed record
// and the lines the drawing-tool stand-in received are compared with what the forms must produce.
#include "FormRunFixture.h"

#include "store/AnalogfuncParam.h"
#include "store/FuncKontrolleParam.h"
#include "store/ProfilfuncParam.h"
#include "store/SchaltuhrParam.h"
#include "store/SyncParam.h"
#include "store/TimerParam.h"
#include "store/VergleichParam.h"
#include "store/WartungsfuncParam.h"
#include "store/ZaehlerParam.h"

using testsupport::Step;
using testsupport::kSave;
using testsupport::kShowParam;
using testsupport::kShowVarIn;
using testsupport::kShowVarOut;

namespace {

// "°C" as wnddrive answers it, in UTF-8.
const std::string kDegrees = "\xC2\xB0\x43\n";

class LogicFormRunTest : public testsupport::FormRunFixture {
protected:
    LogicFormRunTest() : FormRunFixture("logic_time.xml") {}
};

// ---- Comparison ----

// Each unit has its own lists: the stored bytes are read in the unit chosen last, repaired, and shown in its scale.
TEST_F(LogicFormRunTest, ComparisonShowsAndStoresEveryValueInTheScaleOfItsUnit)
{
    const testsupport::ProgramResult result =
        Param("Vergleich$0", "1000",
              {
                  {"get 1003", 0, "Temperat.\n"},
                  {"get 1218", 0, kDegrees},
                  {"get 1235", 0, "K\n"},
                  {"pick 1469 0"},  // -50 deg C
                  {"get 1469", 0, " - 50\n"},
                  {"pick 1199 148"},  // code 20: 2.0 K
                  {"pick 1207 148"},  // OFF equal to ON goes one step below
                  {"get 1207", 0, "    1.9\n"},
                  {"pick 1199 0"},  // -90 K is shown as the lowest code the repair leaves, -85 K
                  {"get 1199", 0, " -  85\n"},
                  {"get 1207", 0, " -  90\n"},
                  {"pick 1199 148"},
                  {"pick 1207 147"},
                  {"pick 1003 10"},  // humidity: value b 206 is out of range, the codes stay
                  {"get 1469", 0, "      60\n"},
                  {"get 1199", 0, "    2.0\n"},
                  {"get 1218", 0, "%\n"},
                  {"pick 1003 11"},  // pressure: the same bytes in tenths of a bar and 0.05 bar steps
                  {"get 1469", 0, "    6.0\n"},
                  {"get 1199", 0, "    1.00\n"},
                  {"get 1207", 0, "    0.95\n"},
                  {"get 1256", 0, "bar\n"},
                  {"pick 1428 1"},
                  {"pick 1439 3"},
                  {kShowVarIn},
                  {"get 1428", 0, "\nCONFR. 3\n"},
                  {"get 1301", 0, "\nVALOREa:\n"},
                  {"get 1155", 0, "Entrata\n"},
                  {"get 1161", 0, "1:\n"},
                  {"pick 1513 1"},  // the open release: fixed state ON
                  {kShowVarOut},
                  {"get 1259", 0, "1\n"},  // "Va < Vb + diff" drives output 5
                  {"get 1081", 0, "0\n"},
                  {kShowParam},
                  {kSave},
              });
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_TRUE(result.boxes.empty()) << testsupport::JoinLines(result.boxes);

    const VergleichParam r = Stored<VergleichParam>(1000, &CParaDaten::GetVergleich);
    EXPECT_EQ(r.unit, 11u);
    EXPECT_EQ(r.valueB.kind, 0);
    EXPECT_EQ(r.valueB.number, 60);
    EXPECT_EQ(r.onDifference, 20);
    EXPECT_EQ(r.offDifference, 19);
    EXPECT_EQ(r.designation.index, 1);
    EXPECT_EQ(r.designation.digit, 3);
    EXPECT_EQ(r.release.kind, 0);
    EXPECT_EQ(r.release.number, 1);
    EXPECT_EQ(r.valueA.kind, 1);
    EXPECT_EQ(r.valueA.number, 1);
    EXPECT_EQ(r.below[4], 1);
    EXPECT_EQ(r.above[4], 0);

    const std::vector<std::string> expected = {
        "settext§1002§  CONFR.3  ",
        "settext§1011§ABL Comparazione",
        "setfilenotuptodate",
    };
    EXPECT_EQ(Received(), expected) << testsupport::JoinLines(Received());
}

// ---- Timer ----

// The mode decides what the form shows, whether the trigger is in use and how its pin is labelled; the times carry
// their unit.
TEST_F(LogicFormRunTest, TimerModeDecidesTheTimesTriggerAndTriggerLabel)
{
    const struct {
        const char* name;
        std::vector<Step> steps;
        long mode, edge, retrigger, time, offTime;
        BYTE triggerInverted;
        const char* triggerLabel;
    } cases[] = {
        {"astable: ON and OFF times, the trigger is not used and its label has no suffix",
         {{"pick 1484 5"},
          {"get 1285", 0, "ON:\n"},
          {"get 1287", 0, "OFF:\n"},
          {"get 1486", 0, "\n"},  // the edge and retrigger show nothing
          {"get 1485", 0, "\n"},
          {"pick 1486 1", 1},
          {"pick 1347 157"},
          {"get 1039", 0, "Ore\n"},
          {"pick 1351 91"},
          {"get 1041", 0, "Min\n"},
          {"get 1351", 0, "2.0\n"},
          {kShowVarIn},
          {"get 1234", 0, "non usato\n"},
          {"get 1230", 0, "Utente\n"},
          {"pick 1519 1", 1},
          {kShowParam},
          {kSave}},
         kTimerAstabil,
         0,
         0,
         157,
         91,
         0,
         "settext§2021§Ingresso trigger"},
        {"pulse: edge and retrigger, an inverted trigger; a mode visited on the way changes nothing",
         {{"pick 1484 5"},          {"pick 1351 30"},      {"pick 1484 0"},
          {"get 1287", 0, "\n"},    {"get 1041", 0, "\n"}, {"pick 1351 31", 1},  // hidden with its row
          {"pick 1486 2"},          {"pick 1485 1"},       {"pick 1347 90"},
          {"get 1039", 0, "Sec\n"}, {"pick 1347 156"},     {"get 1039", 0, "Min\n"},
          {"get 1347", 0, "59\n"},  {kShowVarIn},     {"get 1230", 0, "Entrata\n"},
          {"get 1232", 0, "2:\n"},  {"pick 1519 1"},       {kShowVarOut},
          {"get 1261", 0, "1\n"},  // the inverted output drives output 6
          {"get 1119", 0, "0\n"},   {kSave}},
         kTimerImpuls,
         kFlankeNegativ,
         1,
         156,
         30,
         1,
         "settext§2021§Ingresso trigger (inv.)"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ForgetReceived();
        std::vector<Step> steps = {{"pick 1428 1"}};
        steps.insert(steps.end(), c.steps.begin(), c.steps.end());
        const testsupport::ProgramResult result = Param("Timerfunktion$1", "2000", steps);
        EXPECT_EQ(result.exitCode, 0);
        EXPECT_TRUE(result.boxes.empty()) << testsupport::JoinLines(result.boxes);

        const TimerParam r = Stored<TimerParam>(2000, &CParaDaten::GetTimer);
        EXPECT_EQ(r.modeWord & TimerParam::kModeMask, static_cast<std::uint32_t>(c.mode));
        EXPECT_EQ(r.edgeWord & TimerParam::kEdgeMask, static_cast<std::uint32_t>(c.edge));
        EXPECT_EQ(r.retrigger, c.retrigger);
        EXPECT_EQ(r.time, c.time);
        EXPECT_EQ(r.offTime, c.offTime);
        EXPECT_EQ(r.trigger.kind, 1);
        EXPECT_EQ(r.trigger.number, 2);
        EXPECT_EQ(r.trigger.inverted, c.triggerInverted);
        EXPECT_EQ(r.inverted[5], 1);

        const std::vector<std::string> expected = {
            "settext§2002§  TIMER  ",
            "settext§2011§ABL Timer",
            c.triggerLabel,
            "setfilenotuptodate",
        };
        EXPECT_EQ(Received(), expected) << testsupport::JoinLines(Received());
    }
}

// ---- Counter ----

// A position out of range is refused at save with a warning and the form stays; the corrected position saves. The
// pulse mode starts from position 0 and has a divisor.
TEST_F(LogicFormRunTest, CounterRefusesAPositionOutOfRangeAndSavesTheCorrectedOne)
{
    const std::string refused = testsupport::BoxLine(messages::kZaehlerPositionInvalid);
    const struct {
        const char* name;
        std::vector<Step> steps;
        size_t boxes;
        BYTE mode, divisor, minutes;
        std::uint32_t position;
        const char* input1Label;
    } cases[] = {
        // in order, on one set: each case starts from the record the case before saved
        {"a position beyond 16 bits",
         {{"type 1218 65536"},
          {"answer OK"},
          {kSave},
          {"get 1218", 0, "65536\n"},
          {"type 1218 65535"},
          {kSave}},
         1,
         kZaehlerStunden,
         1,
         0,
         65535,
         "settext§3021§Ingresso 1"},
        {"minutes beyond 59 while counting hours",
         {{"type 1220 60"}, {"answer OK"}, {kSave}, {"type 1220 59"}, {kSave}},
         1,
         kZaehlerStunden,
         1,
         59,
         65535,
         "settext§3021§Ingresso 1"},  // the position of the case before
        {"the pulse counter: the mode starts from 0 and takes a divisor",
         {{"type 1218 123"},
          {"click 1156"},  // the mode already set keeps the typed position
          {"get 1218", 0, "123\n"},
          {"get 1157", 0, "\n"},
          {"click 1037"},
          {"get 1218", 0, "0\n"},
          {"get 1217", 0, "Imp\n"},
          {"get 1219", 0, "Impulsi\n"},
          {"get 1157", 0, "Divisore:\n"},
          {"get 1203", 0, "    1\n"},
          {"pick 1203 9"},
          {"type 1218 4000"},
          {kShowVarIn},
          {"get 1201", 0, "Entrata\n"},
          {"get 1210", 0, "------------\n"},
          {"pick 1525 1"},
          {"get 1113", 0, "non usato\n"},
          {"pick 1524 0", 1},  // the open reset shows no mode
          {"get 1749", 0, "\nCONTAT. RIMETTERE:\n"},
          {kSave}},
         0,
         kZaehlerImpulse,
         10,
         0,
         4000,
         "settext§3021§Ingresso 1 (inv.)"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ForgetReceived();
        std::vector<Step> steps = {{"pick 1428 1"}};
        steps.insert(steps.end(), c.steps.begin(), c.steps.end());
        const testsupport::ProgramResult result = Param("Z\xE4hler$2", "3000", steps);
        EXPECT_EQ(result.exitCode, 0);
        ASSERT_EQ(result.boxes.size(), c.boxes) << testsupport::JoinLines(result.boxes);
        for (const std::string& box : result.boxes)
            EXPECT_EQ(box, refused);

        const ZaehlerParam r = Stored<ZaehlerParam>(3000, &CParaDaten::GetZaehler);
        EXPECT_EQ(r.mode, c.mode);
        EXPECT_EQ(r.divisor, c.divisor);
        EXPECT_EQ(r.position, c.position);
        EXPECT_EQ(r.minutes, c.minutes);
        EXPECT_EQ(r.inputs[0].kind, 1);
        EXPECT_EQ(r.inputs[0].number, 3);

        // The refused saves sent nothing: one save's lines.
        const std::vector<std::string> expected = {
            "settext§3002§  CONTATORE  ", "settext§3011§ABL Contatore",    c.input1Label,
            "settext§3031§Ingresso 2",    "settext§3081§Azzeram. contat.", "setfilenotuptodate",
        };
        EXPECT_EQ(Received(), expected) << testsupport::JoinLines(Received());
    }
}

// ---- Function control ----

// The limit list edits the fixed limit of value a while value b is open, and the difference limit once it is wired.
TEST_F(LogicFormRunTest, FunctionControlLimitFollowsTheWiringOfValueB)
{
    const struct {
        const char* name;
        const char* id;
        int objectId;
        std::vector<Step> steps;
        BYTE valueBKind, valueBNumber, differenceLimit;
    } cases[] = {
        {"Funktionskontrolle$3",
         "4000",
         4000,
         {{"get 1185", 0, "      CVa >\n"},
          {"get 1070", 0, kDegrees},
          {"pick 1180 200"},
          {"get 1180", 0, "200\n"},
          {"pick 1180 201", 1},
          {kShowVarIn},
          {"get 1159", 0, "Utente\n"},
          {"pick 1513 0"},  // the open release: OFF
          {kShowVarOut},
          {"get 1102", 0, "1\n"},  // the value error drives output 7
          {"get 1038", 0, "0\n"},
          {"caption 1151", 0, "U 15 (=analog)\n"},
          {"--wait 200 get 1413", 2}},  // no box for output 16
         0,
         200,
         50},
        {"Funktionskontrolle$4",
         "4100",
         4100,
         {{"get 1185", 0, "CVa - CVb >\n"},
          {"get 1070", 0, "K\n"},
          {"pick 1180 99"},
          {"pick 1180 100", 1},
          {kShowVarIn},
          {"get 1167", 0, "6:\n"},
          {"pick 1513 0"}},
         1,
         6,
         99},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ForgetReceived();
        std::vector<Step> steps = {{"pick 1428 1"}, {"pick 1165 119"}, {"pick 1303 1"}};
        steps.insert(steps.end(), c.steps.begin(), c.steps.end());
        steps.push_back({kSave});
        const testsupport::ProgramResult result = Param(c.name, c.id, steps);
        EXPECT_EQ(result.exitCode, 0);
        EXPECT_TRUE(result.boxes.empty()) << testsupport::JoinLines(result.boxes);

        const FuncKontrolleParam r = Stored<FuncKontrolleParam>(c.objectId, &CParaDaten::GetFuncKontrolle);
        EXPECT_EQ(r.errorDelay, 120);
        EXPECT_EQ(r.keepError, 1);
        EXPECT_EQ(r.valueB.kind, c.valueBKind);
        EXPECT_EQ(r.valueB.number, c.valueBNumber);
        EXPECT_EQ(r.differenceLimit, c.differenceLimit);
        EXPECT_EQ(r.differenceRelease.kind, 0);
        EXPECT_EQ(r.differenceRelease.number, 0);

        const std::vector<std::string> expected = {
            "settext§" + std::to_string(c.objectId + 2) + "§  CONTR.FUN  ",
            "settext§" + std::to_string(c.objectId + 31) + "§ABL contr. diff. (OFF)",
            "setfilenotuptodate",
        };
        EXPECT_EQ(Received(), expected) << testsupport::JoinLines(Received());
    }
}

// ---- Synchronisation ----

// The window kind decides the grid's lists, captions and enabled cells; a pick in a row stores the row's boxes that
// show a selection and keeps the bytes of the columns the kind does not use.
TEST_F(LogicFormRunTest, SynchronisationGridFollowsTheWindowKind)
{
    const testsupport::ProgramResult result =
        Param("Synchronisation$5", "5000",
              {
                  {"pick 1428 1"},
                  {"pick 1332 1"},  // two windows
                  {"pick 1484 1"},  // time of day
                  {"get 1130", 0, "Ore\n"},
                  {"get 1131", 0, "Min\n"},
                  {"pick 1110 8"},
                  {"pick 1111 30"},
                  {"pick 1112 17"},
                  {"pick 1113 45"},
                  {"get 1113", 0, "  45\n"},
                  {"pick 1118 1", 1},  // the third window is not in use
                  {"get 1118", 0, "\n"},
                  {"pick 1484 3"},  // dates: the minutes are no months and become month 1
                  {"get 1130", 0, "Giorno\n"},
                  {"get 1131", 0, "Mes\n"},
                  {"get 1110", 0, "    8\n"},
                  {"get 1111", 0, "    1\n"},
                  {"pick 1484 2"},  // days of the month: no month column
                  {"get 1111", 0, "\n"},
                  {"pick 1111 0", 1},
                  {"pick 1114 4"},  // window 2 starts on day 5
                  {"pick 1485 1"},
                  {"get 1485", 0, "unico\n"},
                  {"get 1114", 0, "    5\n"},  // the repetition rebuilt the lists and kept the selections
                  {kShowVarIn},
                  {"get 1276", 0, "\nRILASCIO SINCR.:\n"},
                  {"pick 1513 0"},
                  {kShowVarOut},
                  {"get 1508", 0, "1\n"},  // the status drives output 8
                  {kSave},
              });
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_TRUE(result.boxes.empty()) << testsupport::JoinLines(result.boxes);

    const SyncParam r = Stored<SyncParam>(5000, &CParaDaten::GetSync);
    EXPECT_EQ(r.windowCount, 2);
    EXPECT_EQ(r.mode, kSyncMonat);
    EXPECT_EQ(r.once, 1);
    const BYTE expectedWindows[2][4] = {{8, 1, 17, 1}, {5, 1, 1, 1}};
    for (int w = 0; w < 2; ++w) {
        SCOPED_TRACE(w);
        EXPECT_EQ(r.windows[w].startMajor, expectedWindows[w][0]);
        EXPECT_EQ(r.windows[w].startMinor, expectedWindows[w][1]);
        EXPECT_EQ(r.windows[w].endMajor, expectedWindows[w][2]);
        EXPECT_EQ(r.windows[w].endMinor, expectedWindows[w][3]);
    }
    EXPECT_EQ(r.release.number, 0);
    EXPECT_EQ(r.outputs[7], 1);

    const std::vector<std::string> expected = {
        "settext§5002§  SINC.  ",
        "settext§5011§ABL Sincronizz. (OFF)",
        "setfilenotuptodate",
    };
    EXPECT_EQ(Received(), expected) << testsupport::JoinLines(Received());
}

// ---- Time switch ----

// The time programs' dialog edits the record's programs: OK takes its choices (the setpoint then counts), Cancel
// none; either way the form shows the record again. The durations count with the blocking input connected.
TEST_F(LogicFormRunTest, TimeSwitchTakesTheTimeProgramsOnOkOnly)
{
    const struct {
        const char* ending;
        bool ok;
    } cases[] = {{"click 2", false}, {"click 1", true}};  // in order, on one set
    for (const auto& c : cases) {
        SCOPED_TRACE(c.ending);
        ForgetReceived();
        std::vector<Step> steps = {
            {"pick 1428 1"},
            {"get 1354", 0, "\n"},  // the windows carry no setpoint: the setpoint does not count
            {"pick 1354 40", 1},
            {"pick 1361 3"},
            {"pick 1359 157"},
            {"get 1171", 0, "Ore\n"},
            {"pick 1363 90"},
            {"get 1173", 0, "Sec\n"},
            {"get 1363", 0, " 90\n"},
            {"click 1088"},
            {"--window 159 pick 1192 1"},
            {"--window 159 pick 1327 2"},
            {std::string("--window 159 ") + c.ending},
        };
        if (c.ok)
            steps.push_back({"pick 1354 40"});
        else
            steps.push_back({"pick 1354 40", 1});
        steps.insert(steps.end(),
                     {{kShowVarIn},
                      {"get 1091", 0, "Entrata\n"},
                      {"get 1095", 0, "7:\n"},
                      {"pick 1107 1"},
                      {"pick 1513 0"},
                      {kShowVarOut},
                      {"get 1214", 0, "1\n"},  // the status drives output 9
                      {kSave}});
        const testsupport::ProgramResult result = Param("Schaltuhr$6", "6000", steps);
        EXPECT_EQ(result.exitCode, 0);
        EXPECT_TRUE(result.boxes.empty()) << testsupport::JoinLines(result.boxes);

        const SchaltuhrParam r = Stored<SchaltuhrParam>(6000, &CParaDaten::GetSchaltuhr);
        EXPECT_EQ(r.windowSetpoints, c.ok ? 1 : 0);
        EXPECT_EQ(r.programsInUse, c.ok ? 3 : 1);
        EXPECT_EQ(r.nominalValue, c.ok ? 40 : 5);
        EXPECT_EQ(r.blockMinDays, 3);
        EXPECT_EQ(r.blockMinTime, 157);
        EXPECT_EQ(r.blockTime, 90);
        EXPECT_EQ(r.blocking.kind, 1);
        EXPECT_EQ(r.blocking.inverted, 1);
        EXPECT_EQ(r.release.number, 0);
        EXPECT_EQ(r.outputs[8], 1);

        const std::vector<std::string> expected = {
            "settext§6002§  ORA  ",
            "settext§6011§ABL Interr. or. (OFF)",
            "settext§6021§Ingr.Bloc. crit. (inv.)",
            "setfilenotuptodate",
        };
        EXPECT_EQ(Received(), expected) << testsupport::JoinLines(Received());
    }
}

// ---- Maintenance ----

// The participants chosen on the input-variable form show on the parameter form's next activation and label the
// participant pins on save; those beyond the count stay in the record and are labelled as none.
TEST_F(LogicFormRunTest, MaintenanceParticipantsShowAndLabelTheirPins)
{
    const testsupport::ProgramResult result =
        Param("Wartungsfunktion$9", "8000",
              {
                  {"pick 1428 2"},
                  {"pick 1451 45"},
                  {"pick 1453 0"},                     // 20 percent
                  {"get 1209", 0, "- - - - - - -\n"},  // two participants, none chosen
                  {"get 1216", 0, "\n"},
                  {kShowVarIn},
                  {"items 1209", 0, "- - - - - - -\n------------\n------------\n"},
                  {"pick 1205 3"},  // four participants
                  {"pick 1209 2"},
                  {"pick 1212 1"},
                  {"pick 1220 2"},
                  {"pick 1205 2"},  // three: the fourth stays in the record, hidden
                  {"pick 1220 0", 1},
                  {"pick 1513 1"},  // the connected switch inverted
                  {kShowParam},
                  {"get 1209", 0, "------------\n"},
                  {"get 1216", 0, "- - - - - - -\n"},
                  {"get 1220", 0, "\n"},
                  {kShowVarOut},
                  {"get 1379", 0, "0\n"},
                  {"get 1279", 0, "1\n"},  // the burner demand drives output 10
                  {"get 1044", 0, "1\n"},  // the burner power drives speed output 2
                  {"get 1128", 0, "0\n"},
                  {kSave},
              });
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_TRUE(result.boxes.empty()) << testsupport::JoinLines(result.boxes);

    const WartungsfuncParam r = Stored<WartungsfuncParam>(8000, &CParaDaten::GetWartungsfunc);
    EXPECT_EQ(r.runTime, 45);
    EXPECT_EQ(r.burnerPower, 20);
    EXPECT_EQ(r.circuitCount, 3);
    const BYTE circuits[5] = {9, 8, 0, 9, 0};  // function number + 1 of the second and first controller
    for (int k = 0; k < 5; ++k)
        EXPECT_EQ(r.circuits[k], circuits[k]) << k;
    EXPECT_EQ(r.externalSwitch.inverted, 1);

    const std::vector<std::string> expected = {
        "settext§8002§  MANUTENZ.  ",
        "settext§8011§Commutatore est. (inv.)",
        "settext§8021§- - - - - - -",
        "settext§8022§- - - - - - -",
        "settext§8023§- - - - - - - - - - - - - - - -",
        "settext§8024§- - - - - - - - - - - - - - - -",
        "settext§8025§- - - - - - - - - - - - - - - -",
        "setfilenotuptodate",
    };
    EXPECT_EQ(Received(), expected) << testsupport::JoinLines(Received());
}

// ---- Profile ----

// The steps in use are edited in the unit's scale; a unit change brings the values into its range; steps beyond the
// number in use keep their values.
TEST_F(LogicFormRunTest, ProfileStepsFollowTheirNumberAndUnit)
{
    const testsupport::ProgramResult result =
        Param("Profilfunktion$10", "9000",
              {
                  {"pick 1428 1"},
                  {"get 1165", 0, "    2\n"},  // a new function: two steps of temperatures, both off
                  {"get 1134", 0, "  OFF\n"},
                  {"get 1246", 0, "     0.0\n"},
                  {"get 1238", 0, "  60\n"},
                  {"get 1128", 0, "Sec\n"},
                  {"pick 1165 4"},  // six steps
                  {"pick 1134 30"},
                  {"pick 1135 250"},
                  {"get 1135", 0, " 125.0\n"},
                  {"get 1198", 0, kDegrees},  // step 1's unit; step 3 is off and has none
                  {"get 1204", 0, "\n"},
                  {"pick 1136 3"},
                  {"pick 1165 0"},  // two steps: step 3 keeps its value
                  {"pick 1136 4", 1},
                  {"get 1136", 0, "\n"},
                  {"pick 1166 0"},  // no dimension: 125 deg C is out of range and becomes 50
                  {"get 1134", 0, "    30\n"},
                  {"get 1135", 0, "    50\n"},
                  {"get 1198", 0, "\n"},
                  {"pick 1165 1"},  // three steps: step 3 shows its value again
                  {"get 1136", 0, "      3\n"},
                  {"pick 1238 156"},  // the internal clock: 1.0 hours
                  {"get 1128", 0, "Ore\n"},
                  {"pick 1246 7"},
                  {"pick 1233 1"},
                  {kShowVarIn},
                  {"get 1098", 0, "Entrata\n"},
                  {"pick 1416 1"},     // the connected start inverted
                  {"pick 1418 1", 1},  // the open stop shows no mode
                  {"pick 1513 0"},
                  {kShowVarOut},
                  {"get 1326", 0, "1\n"},  // the status drives output 11
                  {kSave},
              });
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_TRUE(result.boxes.empty()) << testsupport::JoinLines(result.boxes);

    const ProfilfuncParam r = Stored<ProfilfuncParam>(9000, &CParaDaten::GetProfilfunc);
    EXPECT_EQ(r.stepCount, 3);
    EXPECT_EQ(r.unit, 0);
    EXPECT_EQ(r.repeat, 1);
    EXPECT_EQ(r.clock.kind, 0);
    EXPECT_EQ(r.clock.number, 157);
    EXPECT_EQ(r.offValue.number, 7);
    const BYTE steps[4] = {30, 50, 3, 0};
    for (int n = 0; n < 4; ++n)
        EXPECT_EQ(r.steps[n], steps[n]) << n;
    EXPECT_EQ(r.start.kind, 1);
    EXPECT_EQ(r.start.inverted, 1);
    EXPECT_EQ(r.release.number, 0);

    const std::vector<std::string> expected = {
        "settext§9002§  PROFILO  ",  "settext§9011§ABL Profilo (OFF)", "settext§9031§Start Profilo (inv.)",
        "settext§9041§Stop Profilo", "settext§9051§Reset Profilo",     "settext§9061§Cadenza Profilo",
        "setfilenotuptodate",
    };
    EXPECT_EQ(Received(), expected) << testsupport::JoinLines(Received());
}

// ---- Analog function ----

// The variables in use follow the check boxes and the connected inputs; fixed values and offsets are stored in the
// unit's scale, and a list without selection (a variable not in use) keeps its byte.
TEST_F(LogicFormRunTest, AnalogFunctionStoresValuesAndOffsetsInTheUnitsScale)
{
    const AnalogfuncParam before = Stored<AnalogfuncParam>(9500, &CParaDaten::GetAnalogfunc);
    const testsupport::ProgramResult result =
        Param("Analogfunktion$11", "9500",
              {
                  {"pick 1428 2"},
                  {"get 1498", 0, "Temperat.\n"},
                  {"get 1501", 0, "\n"},  // variable 1 is connected: no fixed value
                  {"pick 1501 3", 1},
                  {"click 1384", 1},  // variable 4 is connected: in use whatever the box says
                  {"get 1384", 0, "1\n"},
                  {"click 1369"},  // six in use, then four
                  {"get 1507", 0, "     0\n"},
                  {"click 1377"},
                  {"get 1377", 0, "0\n"},
                  {"get 1507", 0, "\n"},
                  {"pick 1502 0"},  // variable 2: -50 deg C
                  {"get 1502", 0, " - 50\n"},
                  {"pick 1498 0"},  // no dimension: the same byte is -50
                  {"get 1502", 0, " -  50\n"},
                  {"get 1395", 0, "\n"},
                  {"get 1505", 0, "\n"},  // the filter time counts only for "FILTRO"
                  {"pick 1499 5"},
                  {"pick 1505 157"},
                  {"get 1541", 0, "Ore\n"},
                  {"pick 1500 250"},
                  {"pick 1503 130"},  // variable 3: 5; variables 5 and 6 keep their bytes
                  {kShowVarIn},
                  {"get 1177", 0, "Offset:\n"},
                  {"pick 1181 0"},                 // variable 1's offset: -125
                  {"get 1182", 0, "\n"},           // variable 2 is open: no offset
                  {"get 1342", 0, "non usato\n"},  // variable 5 is open and not in use
                  {"get 1338", 0, "------------\n"},
                  {"pick 1513 0"},
                  {kShowVarOut},
                  {"get 1028", 0, "1\n"},  // the result drives output 1
                  {"get 1119", 0, "0\n"},
                  {kSave},
              });
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_TRUE(result.boxes.empty()) << testsupport::JoinLines(result.boxes);

    const AnalogfuncParam r = Stored<AnalogfuncParam>(9500, &CParaDaten::GetAnalogfunc);
    EXPECT_EQ(r.unit, 0);
    EXPECT_EQ(r.function, kAnalogFilter);
    EXPECT_EQ(r.filterTime, 157);
    EXPECT_EQ(r.variableCount, 4);
    EXPECT_EQ(r.offResult.number, 250);
    EXPECT_EQ(r.variables[0].offset, static_cast<BYTE>(-125));
    EXPECT_EQ(r.variables[1].number, 206);
    EXPECT_EQ(r.variables[2].number, 5);
    EXPECT_EQ(r.variables[4].number, before.variables[4].number);
    EXPECT_EQ(r.variables[5].number, before.variables[5].number);

    const std::vector<std::string> expected = {
        "settext§9502§  MIN  ",
        "settext§9511§ABL funz. anal. (OFF)",
        "setfilenotuptodate",
    };
    EXPECT_EQ(Received(), expected) << testsupport::JoinLines(Received());
}

}  // namespace
