// The functions section of the documentation: the shared value formats, the walk over the slots, and each
// documented kind with its new record and with changed values in the three layouts, against files written from the
// kinds' line tables.
#include "DocFunctionsFixture.h"

#include <algorithm>

using namespace doc;
using namespace docfixture;

TEST(DocFunctionValues, UnitKindsTimeBytesAndTimesOfDay)
{
    const struct {
        CString text;
        const char* expected;
    } cases[] = {
        {UnitText(5, kUnitDifference), "0.5 K"},
        {UnitText(99, kUnitDifference), "9.9 K"},
        {UnitText(100, kUnitDifference), "10 K"},
        {UnitText(114, kUnitDifference), "24 K"},
        {UnitText(115, kUnitDifference), "25 K"},
        {UnitText(127, kUnitDifference), "85 K"},
        {UnitText(255, kUnitDifference), "-0.1 K"},
        {UnitText(157, kUnitDifference), "-9.9 K"},
        {UnitText(156, kUnitDifference), "-10 K"},
        {UnitText(142, kUnitDifference), "-24 K"},
        {UnitText(141, kUnitDifference), "-25 K"},
        {UnitText(128, kUnitDifference), "-90 K"},
        {UnitText(99, kUnitHysteresis), "9.9 K"},
        {UnitText(100, kUnitHysteresis), "10 K"},
        {UnitText(255, kUnitHysteresis), "165 K"},
        {UnitText(50, kUnitPercent), "5.0 %"},
        {UnitText(200, kUnitPlain), "200"},
        {UnitText(45, kUnitIrradiance), "45 W/m²"},
        {UnitText(30, 9), ""},
        {TimeByteText(0), "0 sec"},
        {TimeByteText(90), "90 sec"},
        {TimeByteText(91), "2.0 min"},
        {TimeByteText(106), "9.5 min"},
        {TimeByteText(107), "10 min"},
        {TimeByteText(156), "59 min"},
        {TimeByteText(157), "1.0 ore"},
        {TimeByteText(251), "48.0 ore"},
        {TimeByteText(255), "50.0 ore"},
        {TimeOfDayText(0), "00:00"},
        {TimeOfDayText(45), "07:30"},
        {TimeOfDayText(143), "23:50"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(std::string(c.text.GetString()), c.expected);
}

TEST(DocFunctionValues, TimeProgramsListDaysAndWindowsInUse)
{
    BYTE programs[5 * 16] = {};
    programs[0] = programs[2] = 1;  // Monday, Wednesday
    const BYTE windows[] = {36, 48, 21, 102, 132, 18, 0, 0, 0};
    std::copy(std::begin(windows), std::end(windows), programs + 7);
    const struct {
        int format;
        BYTE setpoint;
        BYTE programCount;
        const char* lines;
    } cases[] = {
        {kPlain, 1, 1,
         "\tPROG.ORA:\r\n\t\tPT1:\r\n\t\t\tGiorno: Lu, Me\r\n\t\t\tSO1: 06:00 - 08:00 21°C\r\n"
         "\t\t\tSO2: 17:00 - 22:00 18°C\r\n"},
        {kSeparated, 0, 2,
         ";PROG.ORA:\r\n;;PT1:\r\n;;;Giorno:;Lu, Me\r\n;;;SO1:;06:00 - 08:00\r\n;;;SO2:;17:00 - 22:00\r\n"
         ";;PT2:\r\n;;;Giorno:;nessuno\r\n;;;SO1:;00:00 - 00:00\r\n;;;SO2:;00:00 - 00:00\r\n"},
        // A count beyond the record's five programs stops at them.
        {kPlain, 0, 200, nullptr},
    };
    for (const auto& c : cases) {
        Options options;
        options.format = c.format;
        DocText text(options);
        WriteZeitfenster(text, 1, c.programCount, 2, c.setpoint, programs);
        if (c.lines)
            EXPECT_EQ(text.Bytes(), c.lines);
        else
            EXPECT_EQ(std::count(text.Bytes().begin(), text.Bytes().end(), 'P'), 6);  // PROG.ORA and PT1..PT5
    }
}

// Every kind of the catalog has its block: a kind without rows would be written as its head alone.
TEST(DocFunctionValues, EveryFunctionKindIsDocumented)
{
    for (const functypes::FunctionType& type : functypes::AllFunctionTypes()) {
        const FunctionDoc* doc = FindFunctionDoc(type.code);
        ASSERT_NE(doc, nullptr) << type.code;
        EXPECT_FALSE(doc->rows.empty()) << type.code;
    }
}

// Every source and output row of a documented kind names a source or a list of output flags of the kind's record,
// as the store's catalog knows them from the pins that complete the record.
TEST(DocFunctionValues, SourceAndOutputRowsNameTheRecordsSourcesAndOutputs)
{
    for (const FunctionDoc& doc : FunctionDocs()) {
        const functypes::FunctionType* type = functypes::FindFunctionType(doc.code);
        ASSERT_NE(type, nullptr) << doc.code;
        for (const DocRow& row : doc.rows) {
            if (row.kind != DocRow::Digital && row.kind != DocRow::Analog && row.kind != DocRow::Outputs16 &&
                row.kind != DocRow::Speeds6)
                continue;
            for (int r = 0; r < row.repeat; ++r) {
                const unsigned at = Place(row) + r * row.stride;
                const auto want = row.kind == DocRow::Outputs16 ? DrawingReader::PinCompletion::Flags16
                    : row.kind == DocRow::Speeds6               ? DrawingReader::PinCompletion::Flags6
                                                                : DrawingReader::PinCompletion::Source;
                const bool known = std::any_of(type->pins.begin(), type->pins.end(), [&](const auto& pin) {
                    return pin.kind == want && pin.a == at &&
                        (want != DrawingReader::PinCompletion::Source ||
                         pin.b == at + (row.kind == DocRow::Digital ? 2 : 1));
                });
                EXPECT_TRUE(known) << doc.code << " " << row.label << " at " << at;
                EXPECT_LE(at +
                              (row.kind == DocRow::Outputs16     ? 16u
                                   : row.kind == DocRow::Speeds6 ? 6u
                                                                 : 2u),
                          type->recordSize);
            }
        }
    }
}

TEST_F(DocFunctionsTest, AFileWithoutFunctionsHasTheHeadingOnly)
{
    Reporter reporter;
    EXPECT_EQ(Functions(kPlain, 0, &reporter), "===================================\r\nFUNZIONI:\r\n");
    EXPECT_EQ(reporter.last, 32);
    EXPECT_EQ(std::string(reporter.lastText.GetString()), "Esportazione dei parametri della funzione 1");
}

TEST_F(DocFunctionsTest, TheSectionEndsAtTheFirstEmptySlotAndAn255SlotIsEmpty)
{
    Make<ZaehlerParam>(1, texts::kTypeZaehler);
    Make<ZaehlerParam>(2, texts::kTypeZaehler);
    {
        CParaDaten para;
        ASSERT_TRUE(para.SetFuncEntry(2, 3, FuncEntry{0xFF, 0xFF, 0xFF}));
    }
    Make<ZaehlerParam>(4, texts::kTypeZaehler);
    Reporter reporter;
    const std::string text = Functions(kPlain, 0, &reporter);
    EXPECT_NE(text.find("Funzione 1:\r\n"), std::string::npos);
    EXPECT_NE(text.find("Funzione 2:\r\n"), std::string::npos);
    EXPECT_EQ(text.find("Funzione 3:"), std::string::npos);
    EXPECT_EQ(text.find("Funzione 4:"), std::string::npos);
    EXPECT_EQ(reporter.last, 40);
    EXPECT_EQ(std::string(reporter.lastText.GetString()), "Esportazione dei parametri della funzione 3");
}

// Slot 1 of each kind is its new record, slot 2 has changed values.
TEST_F(DocFunctionsTest, TimerComparisonAndCounterInTheThreeLayouts)
{
    Make<TimerParam>(1, texts::kTypeTimer);
    Make<TimerParam>(2, texts::kTypeTimer, [](TimerParam& r) {
        r.designation.group = 1;
        r.modeWord = kTimerAstabil;
        r.time = 91;
        r.offTime = 157;
        r.trigger = {0, 0, 1};
        r.duty = {0, 40};
    });
    // The drawing names the sources and outputs: the astable timer's trigger stays unused all the same.
    ConnectField(2, texts::kTypeTimer, offsetof(TimerParam, trigger), 1, 5);
    DriveOutputs(2, texts::kTypeTimer, offsetof(TimerParam, output), {1, 16});
    DriveOutputs(2, texts::kTypeTimer, offsetof(TimerParam, inverted), {3});
    Make<TimerParam>(3, texts::kTypeTimer, [](TimerParam& r) {
        r.modeWord = kTimerImpuls;
        r.edgeWord = kFlankePositiv;
        r.retrigger = 1;
        r.time = 251;
        r.release = {0, 0, 0};
    });
    Make<VergleichParam>(4, texts::kTypeVergleich);
    Make<VergleichParam>(5, texts::kTypeVergleich, [](VergleichParam& r) {
        r.unit = kEinheitDurchfluss;
        r.valueB = {0, 4};
        r.onDifference = 10;
        r.offDifference = 6;
    });
    ConnectField(5, texts::kTypeVergleich, offsetof(VergleichParam, valueA), 1, 3);
    DriveOutputs(5, texts::kTypeVergleich, offsetof(VergleichParam, above), {5});
    Make<VergleichParam>(6, texts::kTypeVergleich, [](VergleichParam& r) {
        r.unit = kEinheitDruck;
        r.valueB = {0, 25};
        r.onDifference = 10;
        r.offDifference = 4;
    });

    Make<ZaehlerParam>(7, texts::kTypeZaehler);
    Make<ZaehlerParam>(8, texts::kTypeZaehler, [](ZaehlerParam& r) {
        r.mode = kZaehlerImpulse;
        r.divisor = 10;
        r.position = 1234;
    });
    ConnectField(8, texts::kTypeZaehler, offsetof(ZaehlerParam, inputs[1]), 1, 7);
    ConnectField(8, texts::kTypeZaehler, offsetof(ZaehlerParam, release), 1, 2);
    Make<ZaehlerParam>(9, texts::kTypeZaehler, [](ZaehlerParam& r) {
        r.position = 12;
        r.minutes = 5;
    });
    // A source of b: no fixed value, whatever byte 12 holds.
    Make<VergleichParam>(10, texts::kTypeVergleich, [](VergleichParam& r) { r.valueB = {0, 250}; });
    ConnectField(10, texts::kTypeVergleich, offsetof(VergleichParam, valueB), 1, 4);
    for (int format : {kPlain, kColumns, kSeparated}) {
        const std::string text = Functions(format);
        EXPECT_EQ(text, ExpectedFile("functions-logik-" + std::to_string(format) + ".txt")) << format;
        // The astable timer of slot 2, line by line.
        const char* const astable[] = {
            "Funzione 2:\r\nTipo funzione: Funzione Timer\r\nGRUPPO DENOM.: Def. Utente\r\n",
            "    ENTRATA TRIGGER:\r\n         Fonte: Utente\r\n                non usato\r\n"
            "    PROPORZIONE TASTI:\r\n         Fonte: Utente\r\nUSCITA DATI:\r\n    Uscita TIMER:\r\n"
            "        Uscita: 1, 16\r\n    Uscita INV.:\r\n        Uscita: 3\r\nMODO: Instabile\r\n"
            "TEMPO IMP.:\r\n    ON: 2.0 min\r\n    OFF: 1.0 ore\r\nTAST.PROP.: 40%\r\n-----",
            "Funzione 2:\r\nTipo funzione:;Funzione Timer\r\nGRUPPO DENOM.:;Def. Utente\r\n",
        };
        const std::string lines = astable[format];
        EXPECT_NE(text.find(lines), std::string::npos) << format;
    }
}

// Slot 1 of each kind is its new record, slot 2 has changed values.
TEST_F(DocFunctionsTest, ChargePumpCoolingMixerFunctionControlAndLogicInTheThreeLayouts)
{
    Make<LadepumpeParam>(1, texts::kTypeLadepumpe);
    Make<LadepumpeParam>(2, texts::kTypeLadepumpe, [](LadepumpeParam& r) {
        r.sourceMin = {0, 45};
        r.minDiffOn = 115;
        r.minDiffOff = 255;
        r.referenceMax = {0, 60};
        r.sourceDiffOn = 100;
        r.sourceDiffOff = 141;
    });
    // A maximum with a source: no fixed-temperature line.
    ConnectField(2, texts::kTypeLadepumpe, offsetof(LadepumpeParam, referenceMax), 1, 6);
    DriveOutputs(2, texts::kTypeLadepumpe, offsetof(LadepumpeParam, outputs), {2});
    Make<KuehlfuncParam>(3, texts::kTypeKuehlfunc);
    Make<KuehlfuncParam>(4, texts::kTypeKuehlfunc, [](KuehlfuncParam& r) {
        r.windowStart = 42;
        r.windowEnd = 48;
        r.referenceMax = {0, 60};
        r.diffOn = 30;
        r.diffOff = 10;
        r.magnitude = 75;
    });
    DriveOutputs(4, texts::kTypeKuehlfunc, offsetof(KuehlfuncParam, controlledOutputs), {7, 15});
    DriveOutputs(4, texts::kTypeKuehlfunc, offsetof(KuehlfuncParam, coolingOutputs), {4});
    Make<MischerRegParam>(5, texts::kTypeMischerReg);
    Make<MischerRegParam>(6, texts::kTypeMischerReg, [](MischerRegParam& r) {
        r.inverse = 1;
        r.setpoint = {0, 55};
        r.difference = 20;
        r.offAction = kMischerUnveraendert;
    });
    DriveOutputs(6, texts::kTypeMischerReg, offsetof(MischerRegParam, outputs), {8, 9});
    Make<FuncKontrolleParam>(7, texts::kTypeFuncKontrolle);
    Make<FuncKontrolleParam>(8, texts::kTypeFuncKontrolle, [](FuncKontrolleParam& r) {
        r.differenceLimit = 5;
        r.keepError = 1;
        r.errorDelay = 120;
    });
    ConnectField(8, texts::kTypeFuncKontrolle, offsetof(FuncKontrolleParam, valueB), 1, 2);
    DriveOutputs(8, texts::kTypeFuncKontrolle, offsetof(FuncKontrolleParam, differenceError), {1, 2});
    Make<FuncKontrolleParam>(9, texts::kTypeFuncKontrolle, [](FuncKontrolleParam& r) { r.valueB = {0, 80}; });
    Make<LogikfuncParam>(10, texts::kTypeLogikfunc);
    Make<LogikfuncParam>(11, texts::kTypeLogikfunc, [](LogikfuncParam& r) { r.function = kLogikFlipFlop; });
    ConnectField(11, texts::kTypeLogikfunc, offsetof(LogikfuncParam, inputs[2]), 1, 3);
    DriveOutputs(11, texts::kTypeLogikfunc, offsetof(LogikfuncParam, inverted), {6});
    for (int format : {kPlain, kColumns, kSeparated}) {
        const std::string text = Functions(format);
        EXPECT_EQ(text, ExpectedFile("functions-kessel-" + std::to_string(format) + ".txt")) << format;
    }
    // A time window at level 1 of the plain layout; a fixed maximum in the separated layout.
    EXPECT_NE(Functions(kPlain).find("TEMPO FINE.:\r\n\t07:00 - 08:00 Ora\r\n"), std::string::npos);
    const std::string separated = Functions(kSeparated);
    EXPECT_NE(separated.find(";T.Ref.MASS:;60 °C\r\n"), std::string::npos);
    // A function control whose value b has a source: the permitted difference.
    EXPECT_NE(separated.find(";CVa - CVb >;5 K\r\nSalv.Errore:;sì\r\n"), std::string::npos);
    EXPECT_NE(separated.find(";CVa >;80 °C\r\n"), std::string::npos);
}

// With the filter the optional inputs without a source are left out; the astable timer's trigger with them.
TEST_F(DocFunctionsTest, TheFilterLeavesOutOptionalInputsWithoutSource)
{
    Make<TimerParam>(1, texts::kTypeTimer, [](TimerParam& r) {
        r.modeWord = kTimerAstabil;
        r.trigger = {0, 0, 1};
    });
    Make<ZaehlerParam>(2, texts::kTypeZaehler);
    const std::string text = Functions(kPlain, 1);
    EXPECT_EQ(text.find("ENTRATA TRIGGER"), std::string::npos);
    EXPECT_EQ(text.find("ENTRATA DATI 1"), std::string::npos);
    EXPECT_EQ(text.find("CONTAT. RIMETTERE"), std::string::npos);
    EXPECT_NE(text.find("RILASCIO CONTATORE:"), std::string::npos);
    EXPECT_NE(text.find("PROPORZIONE TASTI:"), std::string::npos);
}
