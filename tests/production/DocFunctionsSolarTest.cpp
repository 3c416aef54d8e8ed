// The functions section of the documentation for the solar control, the solar priority, the start function and the
// synchronisation: new and changed records in the three layouts against files written from the kinds' line tables,
// and the participant lines that name other functions.
#include "DocFunctionsFixture.h"

#include "store/SolarregelungParam.h"
#include "store/SolarvorrangParam.h"
#include "store/StartfuncParam.h"
#include "store/SyncParam.h"

using namespace doc;
using namespace docfixture;

namespace {

class DocFunctionsSolarTest : public DocFunctionsTest {
protected:
    // The slot's function gets the designation of the code (its kind's standard names from 1, ten digits each).
    static void Designate(BYTE slot, BYTE code)
    {
        CParaDaten para;
        FuncEntry entry;
        ASSERT_TRUE(para.GetFuncEntry(2, slot, entry));
        entry.designation = code;
        ASSERT_TRUE(para.SetFuncEntry(2, slot, entry));
    }

    // Slots 1 to 2 solar controls (function numbers 0 and 1), 3 a synchronisation (number 2); then the kinds that
    // name them, each new and changed.
    void MakeAll()
    {
        Make<SolarregelungParam>(1, texts::kTypeSolarregelung);
        Make<SolarregelungParam>(2, texts::kTypeSolarregelung, [](SolarregelungParam& r) {
            r.collectorMax = 150;
            r.collectorHyst = 80;
            r.referenceMax = 60;
            r.referenceHyst = 115;
            r.diffOn = 100;
            r.diffOff = 255;
            r.limitMax = 95;
            r.limitHyst = 20;
        });
        Designate(2, 12);  // "SOLARE SE1"
        ConnectField(2, texts::kTypeSolarregelung, offsetof(SolarregelungParam, limitTemp), 1, 4);
        DriveOutputs(2, texts::kTypeSolarregelung, offsetof(SolarregelungParam, outputs), {1, 3});
        // Slot 1's limitation has no source in the drawing.
        Unconnected(101, PinOf(texts::kTypeSolarregelung, offsetof(SolarregelungParam, limitTemp)));

        Make<SyncParam>(3, texts::kTypeSync);
        Make<SolarvorrangParam>(4, texts::kTypeSolarvorrang);
        Make<SolarvorrangParam>(5, texts::kTypeSolarvorrang, [](SolarvorrangParam& r) {
            r.designation.group = 1;
            r.participantCount = 4;
            r.participants[0] = {2, 1};  // slot 2
            r.participants[1] = {0, 2};
            r.participants[2] = {1, 0};  // slot 1
            r.participants[3] = {3, 3};  // the synchronisation: no solar control, so none
            r.activation = 45;
            r.runTime = 30;
            r.waitTime = 10;
            r.timerFromPriority = 2;
        });
        ConnectField(5, texts::kTypeSolarvorrang, offsetof(SolarvorrangParam, radiation), 1, 2);
        DriveOutputs(5, texts::kTypeSolarvorrang, offsetof(SolarvorrangParam, flushOutputs), {16});

        Make<StartfuncParam>(6, texts::kTypeStartfunc);
        Make<StartfuncParam>(7, texts::kTypeStartfunc, [](StartfuncParam& r) {
            r.solarCount = 3;
            r.solarControls[0] = 1;
            r.solarControls[1] = 2;
            r.solarControls[2] = 0;
            r.runTime = 30;
            r.interval = 15;
            r.windowStart = 42;
            r.windowEnd = 48;
            r.activation = 25;
        });
        ConnectField(7, texts::kTypeStartfunc, offsetof(StartfuncParam, radiation), 1, 2);
        ConnectField(7, texts::kTypeStartfunc, offsetof(StartfuncParam, release), 2, 5);
        Unconnected(107, PinOf(texts::kTypeStartfunc, offsetof(StartfuncParam, relativeTemp)));
        DriveOutputs(7, texts::kTypeStartfunc, offsetof(StartfuncParam, flushOutputs), {2, 5});

        Make<SyncParam>(8, texts::kTypeSync, [](SyncParam& r) {
            r.mode = kSyncTag;
            r.once = 1;
            r.windowCount = 2;
            r.windows[0] = {6, 30, 7, 45};
            r.windows[1] = {18, 0, 20, 5};
        });
        DriveOutputs(8, texts::kTypeSync, offsetof(SyncParam, outputs), {4, 12});
        Make<SyncParam>(9, texts::kTypeSync, [](SyncParam& r) {
            r.mode = kSyncJahr;
            r.windowCount = 1;
            r.windows[0] = {24, 12, 6, 1};
        });
        Make<SyncParam>(10, texts::kTypeSync, [](SyncParam& r) {
            r.mode = kSyncMonat;
            r.windowCount = 3;
            r.windows[0] = {1, 0, 2, 0};
            r.windows[1] = {10, 0, 15, 0};
            r.windows[2] = {28, 0, 31, 0};
        });
        Make<SyncParam>(11, texts::kTypeSync, [](SyncParam& r) {
            r.mode = kSyncStunde;
            r.windowCount = 1;
            r.windows[0] = {9, 0, 9, 30};
        });
    }
};

TEST_F(DocFunctionsSolarTest, SolarKindsAndSynchronisationInTheThreeLayouts)
{
    MakeAll();
    for (int format : {kPlain, kColumns, kSeparated}) {
        const std::string text = Functions(format);
        EXPECT_EQ(text, ExpectedFile("functions-solar-" + std::to_string(format) + ".txt")) << format;
    }
}

// The participants of a solar priority, each name filled to the longest one, "- - - - - - -" included, then " : "
// in every layout; a reference to anything but a solar control names none. A start function's are names alone.
TEST_F(DocFunctionsSolarTest, ParticipantLinesNameTheSolarControls)
{
    MakeAll();
    const struct {
        int format;
        const char* lines;
    } cases[] = {
        {kPlain,
         "\tutilizzati Funzioni / Priorita:\r\n\t\tSOLARE SE1    : 1\r\n\t\t- - - - - - - : 2\r\n"
         "\t\t------------  : OFF\r\n\t\t- - - - - - - : 3\r\nUSCITA DATI:\r\n"},
        {kSeparated,
         ";utilizzati Funzioni / Priorita:\r\n;;SOLARE SE1    : 1\r\n;;- - - - - - - : 2\r\n"
         ";;------------  : OFF\r\n;;- - - - - - - : 3\r\nUSCITA DATI:\r\n"},
        {kColumns,
         "    utiliz. FUNZION:\r\n        ------------\r\n        SOLARE SE1\r\n        - - - - - - -\r\n"
         "USCITA DATI:\r\n"},
    };
    for (const auto& c : cases)
        EXPECT_NE(Functions(c.format).find(c.lines), std::string::npos) << c.format;
}

// Optional inputs without a source are left out under the filter; the release is always written, and the
// irradiation-dependent lines follow the irradiation input's source.
TEST_F(DocFunctionsSolarTest, TheFilterAndTheIrradiationSourceChooseTheLines)
{
    Make<SolarregelungParam>(1, texts::kTypeSolarregelung);
    Unconnected(101, PinOf(texts::kTypeSolarregelung, offsetof(SolarregelungParam, limitTemp)));
    Make<SolarvorrangParam>(2, texts::kTypeSolarvorrang);
    Make<StartfuncParam>(3, texts::kTypeStartfunc);
    const std::string all = Functions(kPlain);
    const std::string filtered = Functions(kPlain, 1);
    for (const char* line : {"\tTEMP.LIMITAZIONE:\r\n", "\tIRRAD.SOL.:\r\n"}) {
        EXPECT_NE(all.find(line), std::string::npos) << line;
        EXPECT_EQ(filtered.find(line), std::string::npos) << line;
    }
    for (const char* line : {"\tRILASCIO CIRC.SOL.:\r\n", "\tRILASCIO PREC SOL:\r\n", "\tRILASCIO FUNZ.START:\r\n",
                             "DIFF.OFF: 4.0 K\r\n------", "\tTpo Aspet: 5 min\r\n------", "Grado Att.: 20\r\n"}) {
        EXPECT_NE(filtered.find(line), std::string::npos) << line;
    }
    for (const char* line : {"TEMP.LIMITAZIONE:\r\n", "Val Attiv:", "Irrad.Att:"})
        EXPECT_EQ(filtered.find(line), std::string::npos) << line;
}

}  // namespace

// An external function-data file names the participants from its own function table, whatever the drawing's
// parameter set holds under the same function numbers.
TEST_F(DocFunctionsSolarTest, AnExternalFileNamesItsOwnParticipants)
{
    Make<SyncParam>(1, texts::kTypeSync);  // function number 0 in the drawing's set
    {
        CParaDaten para;
        ASSERT_TRUE(para.CreateEmptyFile(0));
        BYTE record[128];
        std::fill(std::begin(record), std::end(record), 0xFF);
        ASSERT_TRUE(para.SetFuncEntry(0, 1, FuncEntry{texts::kTypeSolarregelung, 12, 0}));
        functypes::FindFunctionType(texts::kTypeSolarregelung)->defaults(record);
        BYTE entry[8];
        BYTE old[128];
        ASSERT_TRUE(para.ReadFuncRaw(0, 1, entry, old));
        ASSERT_TRUE(para.WriteFuncRaw(0, 1, entry, record));
        ASSERT_TRUE(para.SetFuncEntry(0, 2, FuncEntry{texts::kTypeStartfunc, 0xFF, 1}));
        StartfuncParam start{};
        start.solarCount = 2;
        start.solarControls[0] = 1;  // the solar control of slot 1
        start.solarControls[1] = 2;  // the start function itself: none
        ASSERT_TRUE(para.SetStartfunc(0, 2, start));
    }
    Options options;
    options.external = 1;
    options.file = 0;
    DocText text(options);
    Reporter reporter;
    WriteFunktionen(text, reporter, Reader());
    CParaDaten::ReleaseFiles();
    EXPECT_NE(text.Bytes().find("Funzione 1:\r\nTipo funzione: Regolazione solare\r\nGRUPPO DENOM.: Generale\r\n"
                                "DEN.: SOLARE SE1\r\n"),
              std::string::npos);
    EXPECT_NE(text.Bytes().find("\tutiliz. FUNZION:\r\n\t\tSOLARE SE1\r\n\t\t- - - - - - -\r\nUSCITA DATI:\r\n"),
              std::string::npos)
        << text.Bytes();
}
