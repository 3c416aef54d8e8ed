// The functions section's blocks of the heating-circuit controller, the heating and hot-water requests and the
// boiler cascade: new and changed records in the three layouts against files written from the kinds' line tables,
// and the rows whose conditions and value texts are easy to get wrong.
#include "DocFunctionsFixture.h"

#include "store/AnfHeizungParam.h"
#include "store/AnfWarmwasserParam.h"
#include "store/HzkrRegParam.h"
#include "store/KesselkaskadeParam.h"

using namespace doc;
using namespace docfixture;

namespace {

bool Has(const std::string& text, const std::string& lines)
{
    return text.find(lines) != std::string::npos;
}

}  // namespace

class DocFunctionsHeizungTest : public DocFunctionsTest {
protected:
    // The designation code of a slot's entry (2 gives the first standard designation with the digit 1).
    static void Designate(BYTE slot, int type, BYTE code)
    {
        CParaDaten para;
        ASSERT_TRUE(para.SetFuncEntry(2, slot, FuncEntry{type, code, static_cast<BYTE>(slot - 1)}));
        CParaDaten::ReleaseFiles();
    }
};

// Slots 1, 3, 6 and 8 are new functions; the others have changed values and sources from the drawing.
TEST_F(DocFunctionsHeizungTest, HeatingCircuitRequestsAndCascadeInTheThreeLayouts)
{
    constexpr int kHzkr = texts::kTypeHzkrReg;
    constexpr int kHeating = texts::kTypeAnfHeizung;
    constexpr int kHotWater = texts::kTypeAnfWarmwasser;
    constexpr int kCascade = texts::kTypeKesselkaskade;
    Make<HzkrRegParam>(1, kHzkr);
    // The slope form without time programs, every switch-off condition set, an outdoor maximum below zero.
    Make<HzkrRegParam>(2, kHzkr, [](HzkrRegParam& r) {
        r.designation.group = 1;
        r.programsInUse = 0;
        r.mode = kHzkrAbgesenkt;
        r.advanceTime = 90;
        r.curveBySlope = 1;
        r.curve = 120;
        r.roomInfluence = 50;
        r.switchOnRaise = 10;
        r.averagingControl = 157;
        r.averagingOff = 91;
        r.offRoomAboveSetpoint = 1;
        r.offRoomHyst = 100;
        r.offFlowBelowMin = 1;
        r.offFlowHyst = 115;
        r.offOutsideAboveMax = 1;
        r.offOutsideMax = 251;
        r.offReducedOutsideAboveMin = 1;
        r.offReducedOutsideMin = 0;
        r.offFlowAboveMax = 1;
        r.mixerWhileOff = kHzkrMischerLassen;
        r.frostRoom = 8;
        r.frostOutside = 254;
    });
    ConnectField(2, kHzkr, offsetof(HzkrRegParam, roomTemp), 1, 4);
    ConnectField(2, kHzkr, offsetof(HzkrRegParam, externalSwitch), 1, 2);
    DriveOutputs(2, kHzkr, offsetof(HzkrRegParam, pumpOutputs), {1, 2});
    DriveOutputs(2, kHzkr, offsetof(HzkrRegParam, mixerOutputs), {8, 9});
    Make<AnfHeizungParam>(3, kHeating);
    // Without a switch-off temperature: its setpoint is optional and the switch-off difference follows DIFF.ON.
    Make<AnfHeizungParam>(4, kHeating, [](AnfHeizungParam& r) {
        r.offTemp = {0, 0};
        r.offSetpoint = {0, 45};
        r.demandSetpoint = {0, 55};
        r.diffOn = 30;
        r.diffOff = 50;
        r.minDemandTemp = 40;
        r.eco = 20;
        r.minBurnerRun = 107;
    });
    DriveOutputs(4, kHeating, offsetof(AnfHeizungParam, outputs), {5, 16});
    // With a switch-off temperature and a fixed switch-off setpoint; the request setpoint from an input.
    Make<AnfHeizungParam>(5, kHeating, [](AnfHeizungParam& r) {
        r.offSetpoint = {0, 35};
        r.diffOff = 141;
    });
    ConnectField(5, kHeating, offsetof(AnfHeizungParam, demandSetpoint), 1, 3);
    Make<AnfWarmwasserParam>(6, kHotWater);
    // One program of one window with its setpoint; the setpoint from an input.
    Make<AnfWarmwasserParam>(7, kHotWater, [](AnfWarmwasserParam& r) {
        r.programsInUse = 1;
        r.windowsPerProgram = 1;
        r.windowSetpoints = 1;
        r.programs[0].days[5] = r.programs[0].days[6] = 1;
        r.programs[0].windows[0] = {36, 48, 55};
        r.diffOn = 255;
        r.diffOff = 20;
        r.burnerPower = 60;
    });
    ConnectField(7, kHotWater, offsetof(AnfWarmwasserParam, setpoint), 1, 3);
    ConnectField(7, kHotWater, offsetof(AnfWarmwasserParam, externalSwitch), 1, 5);
    DriveOutputs(7, kHotWater, offsetof(AnfWarmwasserParam, outputs), {3});
    DriveOutputs(7, kHotWater, offsetof(AnfWarmwasserParam, burnerOutputs), {7, 16});
    Make<KesselkaskadeParam>(8, kCascade);
    // Three boilers and three participants: the requests of slots 3 and 7 and an empty entry.
    Make<KesselkaskadeParam>(9, kCascade, [](KesselkaskadeParam& r) {
        r.boilerCount = 3;
        r.participantCount = 3;
        r.participants[0] = 3;
        r.participants[1] = 7;
        r.participants[2] = 0;
        r.participants[3] = 4;
        r.hourDifference = 25;
        r.boilers[0].position = 3;
        r.boilers[1].position = 1;
        r.boilers[2].position = 2;
        r.boilers[0].autoChange = 1;
        r.boilers[1].delay = 107;
        r.boilers[2].onDifference = 20;
        r.boilers[2].offDifference = 30;
        r.boilers[2].delay = 157;
    });
    DriveOutputs(9, kCascade, offsetof(KesselkaskadeParam, boilers[2].demand), {4, 5});
    Designate(3, kHeating, 2);
    Designate(7, kHotWater, 3);
    for (int format : {kPlain, kColumns, kSeparated}) {
        const std::string text = Functions(format);
        EXPECT_EQ(text, ExpectedFile("functions-heizung-" + std::to_string(format) + ".txt")) << format;
    }
    // The cascade's participants by their designations, an empty entry in the count, nothing beyond it.
    EXPECT_TRUE(Has(Functions(kPlain), "\tutiliz. FUNZION:\r\n\t\tRISC.RICH1\r\n\t\tA.C.RICH.2\r\n"
                                       "\t\t- - - - - - -\r\nUSCITA DATI:\r\n"));
    const std::string separated = Functions(kSeparated);
    EXPECT_TRUE(Has(separated, ";se T.Amb EFF > TEOR ?;sì\r\n;Isteresi:;10 K\r\n"));
    EXPECT_TRUE(Has(separated, "Funzione 2:\r\nTipo funzione:;Regolatore circ. risc.\r\nGRUPPO DENOM.:;Def. Utente\r\n"));
    EXPECT_TRUE(Has(separated, ";;Influsso Amb:;50%\r\n;;Asc.Sovrapass.:;10%\r\n;;Pendenza:;1.20\r\n;;T.Mand.MASS:"));
    EXPECT_TRUE(Has(separated, ";T.est.MASS:;-5 °C\r\n"));
    EXPECT_TRUE(Has(separated, ";Diff. Ore di Lavoro per Cambio Calda:;250 ore\r\n"));
}

TEST_F(DocFunctionsHeizungTest, TheFilterLeavesOutTheOptionalInputsWithoutSource)
{
    Make<HzkrRegParam>(1, texts::kTypeHzkrReg, [](HzkrRegParam& r) { r.roomTemp = {0, 0}; });
    Make<AnfHeizungParam>(2, texts::kTypeAnfHeizung, [](AnfHeizungParam& r) {
        r.offTemp = {0, 0};
        r.offSetpoint = {0, 45};
    });
    Make<AnfWarmwasserParam>(3, texts::kTypeAnfWarmwasser);
    Make<KesselkaskadeParam>(4, texts::kTypeKesselkaskade);
    Make<KesselkaskadeParam>(5, texts::kTypeKesselkaskade, [](KesselkaskadeParam& r) { r.boilerCount = 3; });
    const std::string all = Functions(kPlain);
    const std::string filtered = Functions(kPlain, 1);
    const struct {
        const char* lines;
        int withoutFilter;
        int withFilter;
    } cases[] = {
        {"\tTEMP.AMBIENTE:\r\n\t\tFonte: Utente\r\n\t\t non usato\r\n", 1, 0},
        {"\tINTERRUTTORE EST.:\r\n\t\tFonte: Utente\r\n\t\t non usato\r\n", 2, 0},
        {"\tSPEGN.TEMP.:\r\n\t\tFonte: Utente\r\n\t\t non usato\r\n", 1, 0},
        {"\tVAL.TEOR SPEGN.:\r\n", 1, 0},
        // The third stage's release may stay without a source with two boilers only.
        {"\tRILASCIO DA 3. GRADO:\r\n\t\tFonte: Utente\r\n\t\t non usato\r\n", 1, 0},
        {"\tRILASCIO DA 3. GRADO:\r\n\t\tFonte: Utente\r\n\t\tStato: ", 1, 1},
        {"\tTEMP.MANDATA:\r\n\t\tFonte: Entrata\r\n", 3, 3},
    };
    for (const auto& c : cases) {
        const auto count = [&](const std::string& text) {
            int n = 0;
            for (size_t at = text.find(c.lines); at != std::string::npos; at = text.find(c.lines, at + 1))
                ++n;
            return n;
        };
        EXPECT_EQ(count(all), c.withoutFilter) << c.lines;
        EXPECT_EQ(count(filtered), c.withFilter) << c.lines;
    }
}

// Values the repair never leaves in a record are still written by their tables' rules.
TEST_F(DocFunctionsHeizungTest, SelectionsOutsideTheirListsAndTheCurveForms)
{
    HzkrRegParam hzkr;
    hzkr.mixerOutputs = 4;  // the second output of a mixer pair
    hzkr.mode = 7;
    hzkr.byOutsideTemp = 0;
    hzkr.mixerWhileOff = 9;
    hzkr.curve = 60;
    hzkr.flowAtPlus10 = 35;
    const std::string fixed = Rows(texts::kTypeHzkrReg, hzkr, kSeparated);
    EXPECT_TRUE(Has(fixed, ";;Uscita:;nessuno\r\nMODO:;\r\nTEMP.AMBIENTE:\r\n"));
    EXPECT_TRUE(Has(fixed, ";;;Regolaz.:;Val.Fisso\r\n;;;Curva Ri.:;Temp.\r\n"));
    EXPECT_TRUE(Has(fixed, ";;T.Mand.+10°C:;35 °C\r\n;;T.Mand.-20°C:;60 °C\r\n"));
    EXPECT_TRUE(Has(fixed, ";se Circ.Risc. OFF Miscela:;\r\nANTIGELO:\r\n"));
    EXPECT_FALSE(Has(fixed, "Pendenza"));
    EXPECT_FALSE(Has(fixed, "PROG.ORA:"));
    hzkr.byOutsideTemp = 2;
    hzkr.curveBySlope = 3;
    hzkr.curve = 5;
    const std::string slope = Rows(texts::kTypeHzkrReg, hzkr);
    EXPECT_TRUE(Has(slope, "\t\t\tRegolaz.: \r\n\t\t\tCurva Ri.: Pendenza\r\n"));
    EXPECT_TRUE(Has(slope, "\t\tPendenza: 0.05\r\n\t\tT.Mand.MASS:"));
    EXPECT_FALSE(Has(slope, "T.Mand.+10"));

    // The heading of the economy mode keeps its leading blank in every layout.
    AnfHeizungParam heating;
    heating.eco = 15;
    const char* const eco[] = {"\r\n ECO:MODO:\r\n\tCopert.ant.: 15 %\r\n", "\r\n ECO:MODO:\r\n    Copert.ant.: 15 %\r\n",
                               "\r\n ECO:MODO:\r\n;Copert.ant.:;15 %\r\n"};
    for (int format : {kPlain, kColumns, kSeparated})
        EXPECT_TRUE(Has(Rows(texts::kTypeAnfHeizung, heating, format), eco[format])) << format;
    // A switch-off temperature whose setpoint has a source: no fixed setpoint under it.
    heating.offTemp = {1, 4};
    heating.offSetpoint = {1, 5};
    heating.demandSetpoint = {1, 6};
    EXPECT_TRUE(Has(Rows(texts::kTypeAnfHeizung, heating),
                    "TEMP.RICHIESTA:\r\n\tDIFF.ON: 0.0 K\r\nSPEGN.TEMP.:\r\n\tDIFF.OFF: 0.0 K\r\nTemp.Zocc.:\r\n"));

    // A participant count beyond the six entries stops at them.
    KesselkaskadeParam cascade;
    cascade.participantCount = 200;
    cascade.boilerCount = 2;
    const std::string lines = Rows(texts::kTypeKesselkaskade, cascade);
    EXPECT_TRUE(Has(lines, "\tutiliz. FUNZION:\r\n" + [] {
        std::string six;
        for (int i = 0; i < 6; ++i)
            six += "\t\t- - - - - - -\r\n";
        return six;
    }() + "USCITA DATI:\r\n"));
}
