// The documentation of the analog function, the PID control, the profile function and the time switch: each new
// record and records with changed values in the three layouts, against files written from the kinds' line tables,
// and the value texts of the units on records as they stand.
#include "DocFunctionsFixture.h"

#include "store/AnalogfuncParam.h"
#include "store/PID_RegelungParam.h"
#include "store/ProfilfuncParam.h"
#include "store/SchaltuhrParam.h"

#include <algorithm>

using namespace doc;
using namespace docfixture;

// Slot 1 of each kind is its new record, the others have changed values.
TEST_F(DocFunctionsTest, AnalogFunctionPidProfileAndTimeSwitchInTheThreeLayouts)
{
    using V = AnalogfuncParam::Variable;
    Make<AnalogfuncParam>(1, texts::kTypeAnalogfunc);
    // Temperatures: two variables with sources and offsets, the third with a user value, three not in use.
    Make<AnalogfuncParam>(2, texts::kTypeAnalogfunc, [](AnalogfuncParam& r) {
        r.unit = kEinheitTemperatur;
        r.function = kAnalogFilter;
        r.filterTime = 120;
        r.variableCount = 3;
        r.offResult = {0, 200};
        r.variables[0] = V{0, 0, 15};
        r.variables[1] = V{0, 0, 246};
        r.variables[2] = V{0, 251, 0};
    });
    ConnectField(2, texts::kTypeAnalogfunc, offsetof(AnalogfuncParam, variables[0]), 1, 3);
    ConnectField(2, texts::kTypeAnalogfunc, offsetof(AnalogfuncParam, variables[1]), 1, 4);
    DriveOutputs(2, texts::kTypeAnalogfunc, offsetof(AnalogfuncParam, outputs), {7, 15});
    // Dimensionless: the result unsigned, the variables and offsets signed.
    Make<AnalogfuncParam>(3, texts::kTypeAnalogfunc, [](AnalogfuncParam& r) {
        r.unit = kEinheitOhne;
        r.function = kAnalogMin;
        r.variableCount = 2;
        r.offResult = {0, 250};
        r.variables[0] = V{0, 250, 0};
        r.variables[1] = V{0, 0, 253};
    });
    ConnectField(3, texts::kTypeAnalogfunc, offsetof(AnalogfuncParam, variables[1]), 1, 6);
    // Irradiance: a result with a source and its offset, values in tens of W/m².
    Make<AnalogfuncParam>(4, texts::kTypeAnalogfunc, [](AnalogfuncParam& r) {
        r.unit = kEinheitStrahlung;
        r.function = kAnalogSumme;
        r.variableCount = 1;
        r.offResult = {0, 0};
        r.offResultOffset = 45;
        r.variables[0] = V{0, 45, 0};
    });
    ConnectField(4, texts::kTypeAnalogfunc, offsetof(AnalogfuncParam, offResult), 1, 2);

    Make<PID_RegelungParam>(5, texts::kTypePID_Regelung);
    Make<PID_RegelungParam>(6, texts::kTypePID_Regelung, [](PID_RegelungParam& r) {
        r.modes = kPidNormal << kPidAbsolutShift | kPidInvers << kPidDifferenzShift | kPidNormal << kPidEreignisShift;
        r.eventBelow = 1;
        r.diffSetpoint = 100;
        r.eventThreshold = {0, 45};
        r.outputMax = 80;
        r.outputMin = 10;
        r.p = 50;
        r.i = 20;
        r.d = 3;
    });
    // The setpoints with sources: no fixed-temperature lines for them.
    ConnectField(6, texts::kTypePID_Regelung, offsetof(PID_RegelungParam, absActual), 1, 5);
    ConnectField(6, texts::kTypePID_Regelung, offsetof(PID_RegelungParam, absSetpoint), 1, 6);
    ConnectField(6, texts::kTypePID_Regelung, offsetof(PID_RegelungParam, eventSetpoint), 1, 7);
    DriveOutputs(6, texts::kTypePID_Regelung, offsetof(PID_RegelungParam, outputs), {1, 2});

    Make<ProfilfuncParam>(7, texts::kTypeProfilfunc);
    // Temperature steps, an internal clock, and a start from an input while stop and reset have none.
    Make<ProfilfuncParam>(8, texts::kTypeProfilfunc, [](ProfilfuncParam& r) {
        r.unit = kEinheitTemperatur;
        r.stepCount = 3;
        r.steps[0] = 45;
        r.steps[1] = 0;
        r.steps[2] = 200;
        r.steps[3] = 77;
        r.repeat = 1;
        r.clock = {0, 0, 91};
        r.offValue = {0, 0};
        r.stop = {0, 0, 1};
    });
    ConnectField(8, texts::kTypeProfilfunc, offsetof(ProfilfuncParam, start), 1, 8);
    DriveOutputs(8, texts::kTypeProfilfunc, offsetof(ProfilfuncParam, outputs), {4});
    // Irradiance with a clock source and a setpoint source: neither the internal clock nor the fixed setpoint.
    Make<ProfilfuncParam>(9, texts::kTypeProfilfunc, [](ProfilfuncParam& r) {
        r.unit = kEinheitStrahlung;
        r.stepCount = 2;
        r.steps[0] = 25;
        r.steps[1] = 0;
    });
    ConnectField(9, texts::kTypeProfilfunc, offsetof(ProfilfuncParam, clock), 1, 9);
    ConnectField(9, texts::kTypeProfilfunc, offsetof(ProfilfuncParam, offValue), 1, 10);

    Make<SchaltuhrParam>(10, texts::kTypeSchaltuhr);
    Make<SchaltuhrParam>(11, texts::kTypeSchaltuhr, [](SchaltuhrParam& r) {
        r.programsInUse = 2;
        r.windowsPerProgram = 2;
        r.windowSetpoints = 1;
        r.nominalValue = 21;
        r.blockMinDays = 0;
        r.blockMinTime = 91;
        r.blockDays = 2;
        r.blockTime = 160;
        r.programs[0].days[0] = r.programs[0].days[2] = 1;
        r.programs[0].windows[0] = {36, 48, 21};
        r.programs[0].windows[1] = {102, 132, 18};
        r.programs[1].days[6] = 1;
    });
    ConnectField(11, texts::kTypeSchaltuhr, offsetof(SchaltuhrParam, blocking), 1, 11);
    DriveOutputs(11, texts::kTypeSchaltuhr, offsetof(SchaltuhrParam, outputs), {2, 3});

    for (int format : {kPlain, kColumns, kSeparated}) {
        const std::string text = Functions(format);
        EXPECT_EQ(text, ExpectedFile("functions-analog-" + std::to_string(format) + ".txt")) << format;
    }
    // The offset lines below a variable's source in each layout, and the user value after the output part.
    const struct {
        int format;
        const char* lines;
    } offsets[] = {
        {kPlain, "\t\tFonte: Entrata\r\n\t\t3: ------------\r\n\t\tOffset: 1.5 K\r\n\tENTRATA DATI 2:\r\n"},
        {kColumns, "        Offset: 1.5 K\r\n    ENTRATA DATI 2:\r\n"},
        {kSeparated, ";;Offset:;1.5 K\r\n;ENTRATA DATI 2:\r\n"},
    };
    for (const auto& c : offsets)
        EXPECT_NE(Functions(c.format).find(c.lines), std::string::npos) << c.format;
    const std::string plain = Functions(kPlain);
    EXPECT_NE(plain.find("VAL.MED.: 23 min\r\nRISUL.(RILAS.=off): 200 °C\r\nVAR. 3: -5 °C\r\n"), std::string::npos);
    EXPECT_NE(plain.find("Tempo Blocco: 2 giorni 2.5 ore\r\n"), std::string::npos);
    EXPECT_NE(Functions(kColumns).find("Grado  1: 22.5 °C\r\n"), std::string::npos);
}

// Under the filter the variables beyond the count in use and an unused blocking input are left out.
TEST_F(DocFunctionsTest, TheFilterLeavesOutAnalogVariablesNotInUseAndTheBlocking)
{
    Make<AnalogfuncParam>(1, texts::kTypeAnalogfunc, [](AnalogfuncParam& r) { r.variableCount = 2; });
    Make<SchaltuhrParam>(2, texts::kTypeSchaltuhr);
    const std::string text = Functions(kPlain, 1);
    EXPECT_NE(text.find("ENTRATA DATI 2:"), std::string::npos);
    EXPECT_EQ(text.find("ENTRATA DATI 3:"), std::string::npos);
    EXPECT_EQ(text.find("ENTRATA DATI 6:"), std::string::npos);
    EXPECT_EQ(text.find("BLOCAGGIO"), std::string::npos);
    EXPECT_NE(text.find("VAR. 2:"), std::string::npos);
}

// The value texts of the profile's eight units, a unit beyond them, and the step count bounded by the 64 steps.
TEST(DocProfilValues, UnitsStepsAndTheStepCount)
{
    const struct {
        BYTE unit;
        const char* name;
        const char* step;  // step 1 of value 45; step 2 is 0
        const char* off;   // the setpoint 0 while the release is off
    } cases[] = {
        {0, "Senza Dim.", "45", "0"},       {1, "Temperat.", "22.5 °C", "0.0 °C"}, {2, "Irrad.Sol.", "450 W/m²", "0 W/m²"},
        {3, "Tempo", "450 ore", "0 ore"},    {4, "Num.Imp", "450 imp", "0 imp"},    {5, "Qt Cal KWH", "450 kWh", "0 kWh"},
        {6, "Qt Cal MWH", "450 MWh", "0 MWh"}, {7, "Prestaz.", "450 kW", "0 kW"},     {8, "", "", ""},
    };
    for (const auto& c : cases) {
        ProfilfuncParam r{};
        r.unit = c.unit;
        r.stepCount = 2;
        r.steps[0] = 45;
        r.clock.kind = 1;
        const std::string text = Rows(texts::kTypeProfilfunc, r);
        const std::string expected = std::string("GR.FUNZ.: ") + c.name + "\r\nciciclo: no\r\nse RILASCIO = off: " +
            c.off + "\r\nGrado 1: " + c.step + "\r\nGrado 2: " + (c.unit < 8 ? "OFF" : "") + "\r\n";
        EXPECT_NE(text.find(expected), std::string::npos) << int(c.unit) << "\n" << text;
    }
    // A count beyond the record's steps stops at the last one.
    ProfilfuncParam r{};
    r.stepCount = 200;
    const std::string text = Rows(texts::kTypeProfilfunc, r);
    size_t steps = 0;
    for (size_t at = text.find("\nGrado "); at != std::string::npos; at = text.find("\nGrado ", at + 1))
        ++steps;
    EXPECT_EQ(steps, 64u);
    EXPECT_NE(text.find("Grado 64: OFF\r\n"), std::string::npos);
}

// Value texts the repair never leaves in a record: a mode of 3 and selections beyond their lists end after the
// separator.
TEST(DocAnalogValues, SelectionsBeyondTheirListsLeaveTheValueEmpty)
{
    PID_RegelungParam pid{};
    pid.modes = 3 << kPidDifferenzShift;
    EXPECT_NE(Rows(texts::kTypePID_Regelung, pid, kSeparated).find("REGOLAZ.DIFF.:\r\n;MODO:;\r\n;DIFF.TEOR:;0.0 K"),
              std::string::npos);
    EXPECT_NE(Rows(texts::kTypePID_Regelung, pid).find("REGOLAZ.DIFF.:\r\n\tMODO: \r\n"), std::string::npos);
    AnalogfuncParam analog{};
    analog.unit = 3;
    analog.function = 6;
    analog.variableCount = 1;
    EXPECT_NE(Rows(texts::kTypeAnalogfunc, analog).find("GR.FUNZ.: \r\nFUNZION: \r\n"), std::string::npos);
}
