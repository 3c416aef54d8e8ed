// The functions section's blocks of the heat meter, the maintenance function and the circulation: each kind's new
// record and changed records in the three layouts, against files written from the kinds' line tables.
#include "DocFunctionsFixture.h"

using namespace doc;
using namespace docfixture;

namespace {

class DocFunctionsWartungTest : public DocFunctionsTest {
protected:
    // A heating-circuit controller with its function number and designation code, in a slot beyond the section's
    // end: the maintenance function may name it, and the section's file holds only the kinds documented here.
    static void Controller(BYTE slot, BYTE number, BYTE designation)
    {
        CParaDaten para;
        ASSERT_TRUE(para.SetFuncId(2, slot, 100 + slot));
        ASSERT_TRUE(para.SetFuncEntry(2, slot, FuncEntry{texts::kTypeHzkrReg, designation, number}));
    }

    // Slots 1 to 4 heat meters, 5 and 6 maintenance functions, 7 to 10 circulations; controllers in slots 20, 21.
    void MakeFunctions()
    {
        Make<WMZParam>(1, texts::kTypeWMZ);
        // Without a return temperature: the factor, then the reading.
        Make<WMZParam>(2, texts::kTypeWMZ, [](WMZParam& r) {
            r.returnTemp = {0, 2};
            r.factor = 7;
            r.calibrated = 1;
            r.readingMwh = 12;
            r.readingKwh = 4567;
        });
        // A fixed flow and one difference over the whole range.
        Make<WMZParam>(3, texts::kTypeWMZ, [](WMZParam& r) {
            r.flowRate = {0, 30};
            r.factor = 25;
            r.calibrated = 1;
            r.upperDiff = r.lowerDiff = 150;
            r.reset = {1, 1, 4};
        });
        ConnectField(3, texts::kTypeWMZ, offsetof(WMZParam, reset), 1, 4);
        // Two calibration points.
        Make<WMZParam>(4, texts::kTypeWMZ, [](WMZParam& r) {
            r.calibrated = 1;
            r.lowerTemp = 1000;
            r.lowerDiff = -25;
            r.upperTemp = 6050;
            r.upperDiff = 150;
            r.readingMwh = 19999;
            r.readingKwh = 5;
        });

        Make<WartungsfuncParam>(5, texts::kTypeWartungsfunc);
        // Three places: a controller, none, and the heat meter of slot 1, which is no controller.
        Make<WartungsfuncParam>(6, texts::kTypeWartungsfunc, [](WartungsfuncParam& r) {
            r.designation.group = 1;
            r.externalSwitch = {1, 1, 3};
            r.circuitCount = 4;
            r.circuits[0] = 21;
            r.circuits[1] = 0;
            r.circuits[2] = 1;
            r.circuits[3] = 20;
            r.runTime = 120;
            r.burnerPower = 20;
        });
        ConnectField(6, texts::kTypeWartungsfunc, offsetof(WartungsfuncParam, externalSwitch), 1, 3);
        DriveOutputs(6, texts::kTypeWartungsfunc, offsetof(WartungsfuncParam, burnerDemand), {3, 4});
        DriveOutputs(6, texts::kTypeWartungsfunc, offsetof(WartungsfuncParam, powerOutputs), {7, 16});
        Controller(20, 19, 1);
        Controller(21, 20, 12);

        Make<ZirkulationParam>(7, texts::kTypeZirkulation);
        // Pulses: no time programs, though two are in use; the set temperature although the windows carry theirs.
        Make<ZirkulationParam>(8, texts::kTypeZirkulation, [](ZirkulationParam& r) {
            r.mode = kZirkulationPulse;
            r.windowSetpoints = 1;
            r.setpoint = {0, 45};
            r.diffOn = 30;
            r.diffOff = 114;
            r.tapRise = 100;
            r.runTime = 100;
            r.pause = 120;
            r.mixingStoreMin = 40;
            r.mixingDiff = 141;
        });
        ConnectField(8, texts::kTypeZirkulation, offsetof(ZirkulationParam, storeTemp), 1, 5);
        DriveOutputs(8, texts::kTypeZirkulation, offsetof(ZirkulationParam, outputs), {2, 9});
        // Time with the windows' set temperatures: no fixed set temperature.
        Make<ZirkulationParam>(9, texts::kTypeZirkulation, [](ZirkulationParam& r) {
            r.windowSetpoints = 1;
            r.programsInUse = 1;
            r.windowsPerProgram = 3;
            r.programs[0].days[0] = r.programs[0].days[5] = r.programs[0].days[6] = 1;
            r.programs[0].windows[0] = {36, 48, 55};
            r.programs[0].windows[1] = {102, 132, 45};
            r.programs[0].windows[2] = {140, 143, 40};
            r.runTime = 120;
        });
        // Time and pulses with a set temperature input.
        Make<ZirkulationParam>(10, texts::kTypeZirkulation, [](ZirkulationParam& r) {
            r.mode = kZirkulationZeitPulse;
            r.programsInUse = 1;
            r.windowsPerProgram = 1;
            r.programs[0].days[2] = 1;
            r.programs[0].windows[0] = {45, 143, 0};
            r.tapRise = 5;
            r.runTime = 120;
            r.pause = 0;
        });
        ConnectField(10, texts::kTypeZirkulation, offsetof(ZirkulationParam, setpoint), 1, 6);
    }
};

TEST_F(DocFunctionsWartungTest, HeatMeterMaintenanceAndCirculationInTheThreeLayouts)
{
    MakeFunctions();
    for (int format : {kPlain, kColumns, kSeparated}) {
        const std::string text = Functions(format);
        EXPECT_EQ(text, ExpectedFile("functions-wartung-" + std::to_string(format) + ".txt")) << format;
    }
    const std::string plain = Functions(kPlain);
    const char* const lines[] = {
        // Without a return temperature only the factor stands before the reading.
        "FATTORE: 7\r\nPos.Contatore: 12 MWh 456.7 kWh\r\n",
        "ANTIGELO: 25%\r\nFLUSSO: 1500 l/h\r\nCalibr.:\r\n\tDiff.: 1.50 K\r\nPos.Contatore: 0 MWh 0.0 kWh\r\n",
        "Calibr.:\r\n\tTemp.Calib.\r\n\t\tant.: 10.00 °C\r\n\t\tsup.: 60.50 °C\r\n\tDiff.\r\n\t\tant.: -0.25 K\r\n"
        "\t\tsup.: 1.50 K\r\nPos.Contatore: 19999 MWh 0.5 kWh\r\n",
        "\tutiliz. FUNZION:\r\n\t\tRISC.PAV.1\r\n\t\t- - - - - - -\r\n\t\t- - - - - - -\r\n\t\tCIR.RISC.\r\nUSCITA DATI:\r\n",
        "\tPREST.BRUC.:\r\n\t\tUsc.giri reg: 7, 16\r\nTpo.Tot.Fz.: 120 min\r\nPrest.Bruc.: 20%\r\n",
        // Pulses: the set temperature, no time programs; the pulse block after the differences.
        "RITORNO CIRCO:\r\n\tT.Cir.TEOR: 45 °C\r\n\tDIFF.ON: 3.0 K\r\n\tDIFF.OFF: 24 K\r\nPULSIMODO:\r\n"
        "\tdDIFF-on: 10.0 K\r\n\tDecorrenza: 6.5 min\r\n\tTpo Pausa: 120 min\r\nPROTEZ.MISCEL:\r\n"
        "\tT.Acc.MIN.: 40 °C\r\n\tDIFF.MISC.: -25 K\r\n",
        "RITORNO CIRCO:\r\n\tPROG.ORA:\r\n\t\tPT1:\r\n\t\t\tGiorno: Lu, Sa, Do\r\n\t\t\tSO1: 06:00 - 08:00 55°C\r\n",
        "\tDecorrenza: 23 min\r\n",
    };
    for (const char* line : lines)
        EXPECT_NE(plain.find(line), std::string::npos) << line;
}

// With the filter the optional inputs without a source are left out, and the circulation without a storage
// temperature has no mixing protection.
TEST_F(DocFunctionsWartungTest, TheFilterLeavesOutOptionalInputsWithoutSource)
{
    Make<WMZParam>(1, texts::kTypeWMZ);
    Make<WartungsfuncParam>(2, texts::kTypeWartungsfunc);
    Make<ZirkulationParam>(3, texts::kTypeZirkulation, [](ZirkulationParam& r) { r.hotWaterTemp = {0, 0}; });
    const std::string filtered = Functions(kPlain, 1);
    for (const char* gone : {"CONTAT. RIMETTERE", "INTERRUTTORE EST.", "TEMP AC.CALDA", "TEMP.ACCUM.", "PROTEZ."})
        EXPECT_EQ(filtered.find(gone), std::string::npos) << gone;
    // The inputs that must have a source stay, without one too.
    EXPECT_NE(filtered.find("\tTEMP.TEOR.CIRC.:\r\n\t\tFonte: Utente\r\nUSCITA DATI:\r\n"), std::string::npos);
    EXPECT_NE(Functions(kPlain, 0).find("\tTEMP.ACCUM.:\r\n\t\tFonte: Utente\r\n\t\t non usato\r\n"),
              std::string::npos);
}

}  // namespace
