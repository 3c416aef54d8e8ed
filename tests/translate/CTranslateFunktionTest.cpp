// Translation of function objects from their slots: designation, pin-label marks, participant lists, and objects
// whose record cannot be found.
#include "translate/CTranslate.h"

#include "TranslateTestFolder.h"
#include "store/FunctionTypes.h"

#include <string>
#include <vector>

namespace {

using Lines = std::vector<std::string>;

const std::string kNoParticipant = "- - - - - - - - - - - - - - - -";

// Ids first, first + 1, ...: count of them.
std::vector<int> Ids(int first, int count)
{
    std::vector<int> ids;
    for (int i = 0; i < count; ++i) ids.push_back(first + i);
    return ids;
}

// The text queued for a text id; "<none>" when none was, "<more>" when several were.
std::string TextFor(const Lines& lines, int id)
{
    const std::string prefix = "settext\xA7" + std::to_string(id) + "\xA7";
    std::string found = "<none>";
    for (const std::string& line : lines) {
        if (line.compare(0, prefix.size(), prefix) != 0) continue;
        if (found != "<none>") return "<more>";
        found = line.substr(prefix.size());
    }
    return found;
}

class CTranslateFunktionTest : public TranslateTestFolder {
protected:
    BYTE Create(int objectId, int type)
    {
        EXPECT_TRUE(m_para->CreateFunc(2, objectId, type, nullptr)) << objectId;
        return m_para->FindFuncSlot(2, objectId);
    }

    // A function record: designation text id 50, the kind's further ids from 51.
    Lines TranslateFunction(const std::string& kind, int objectId, int texts)
    {
        return Translate(Record(kind, objectId, 11, 50, Ids(51, texts - 1)));
    }
};

TEST_F(CTranslateFunktionTest, ComparisonSendsThirteenTextsInOrder)
{
    const BYTE slot = Create(900, 9);
    VergleichParam record;
    ASSERT_TRUE(m_para->GetVergleich(2, slot, record, false));
    record.designation = {0, 2, 3};  // "FUNZ.MASS", digit 3
    record.release = {1, 1, 5};      // input 5, inverted
    ASSERT_TRUE(m_para->SetVergleich(2, slot, record));

    const Lines lines = TranslateFunction("Vergleich", 900, 13);
    const Lines expected = {
        Cmd(50, "  FUNZ.MASS3  "),
        Cmd(51, "Tipo:"),
        Cmd(52, "  Comparazione  "),
        Cmd(53, "Des.:"),
        Cmd(54, "Var. ingresso:"),
        Cmd(55, "Var. uscita:"),
        Cmd(56, "ABL Comparazione (inv.)"),
        Cmd(57, "Valore a"),
        Cmd(58, "Valore b"),
        Cmd(59, "Va > Vb + diff"),
        Cmd(60, "(Uscita comm.)"),
        Cmd(61, "Va < Vb + diff"),
        Cmd(62, "(Uscita comm.)"),
    };
    EXPECT_EQ(lines, expected) << Show(lines);
}

TEST_F(CTranslateFunktionTest, SolarPriorityNamesItsParticipantsUpToItsCount)
{
    for (int id = 901; id <= 904; ++id) Create(id, 14);  // numbers 0 to 3
    const BYTE named = Create(905, 6);                      // number 4
    Create(906, 6);                                         // number 5, no designation
    const BYTE priority = Create(907, 7);
    SolarregelungParam solar;
    ASSERT_TRUE(m_para->GetSolarregelung(2, named, solar, false));
    solar.designation = {0, 2, 0};  // "SOLARE SE"
    ASSERT_TRUE(m_para->SetSolarregelung(2, named, solar));

    struct Case {
        int count;
        BYTE participants[3];
        Lines names;
    };
    const Case cases[] = {
        // Function 4 + 1; none; beyond the count.
        {2, {5, 0, 6}, {"SOLARE SE", kNoParticipant, kNoParticipant}},
        // A solar control without designation shows the message dashes.
        {3, {6, 5, 0}, {"- - - - - - -", "SOLARE SE", kNoParticipant}},
    };
    for (const Case& c : cases) {
        SolarvorrangParam record;
        ASSERT_TRUE(m_para->GetSolarvorrang(2, priority, record, false));
        record.release = {0, 0, 1};
        record.participantCount = static_cast<BYTE>(c.count);
        for (int i = 0; i < 3; ++i) record.participants[i].function = c.participants[i];
        ASSERT_TRUE(m_para->SetSolarvorrang(2, priority, record));

        const Lines lines = TranslateFunction("Solarvorrang", 907, 21);
        Lines expected = {Cmd(50, "  - - - - - -  "), Cmd(51, "Tipo:"),          Cmd(52, "  Priorità solare  "),
                          Cmd(53, "Des.:"),           Cmd(54, "Var. ingresso:"), Cmd(55, "Var. uscita:"),
                          Cmd(56, "ABL Prior. sol."), Cmd(57, "Radiazione solare"),
                          Cmd(58, "Funzioni interessate:")};
        for (int i = 0; i < 10; ++i) expected.push_back(Cmd(59 + i, i < 3 ? c.names[i] : kNoParticipant));
        expected.push_back(Cmd(69, "Ciclo di pulizia"));
        expected.push_back(Cmd(70, "(Uscita comm.)"));
        EXPECT_EQ(lines, expected) << "count " << c.count << "\n" << Show(lines);
    }
}

TEST_F(CTranslateFunktionTest, BoilerCascadeThirdStageAndRequests)
{
    const BYTE heating = Create(801, 2);  // number 0
    Create(802, 3);                       // number 1
    const BYTE cascade = Create(803, 23);
    AnfHeizungParam request;
    ASSERT_TRUE(m_para->GetAnfHeizung(2, heating, request, false));
    request.designation = {0, 1, 1};  // "RISC.RICH", digit 1
    ASSERT_TRUE(m_para->SetAnfHeizung(2, heating, request));

    struct Case {
        int boilers;
        DigitalQuelle release3;
        const char* third;
    };
    const Case cases[] = {
        {2, {0, 0, 0}, "ABL 3. Liv.Cald."},        // no third boiler: no OFF mark
        {3, {0, 0, 0}, "ABL 3. Liv.Cald. (OFF)"},
        {3, {0, 0, 1}, "ABL 3. Liv.Cald."},
        {2, {1, 1, 2}, "ABL 3. Liv.Cald. (inv.)"},
    };
    for (const Case& c : cases) {
        KesselkaskadeParam record;
        ASSERT_TRUE(m_para->GetKesselkaskade(2, cascade, record, false));
        record.release = {0, 0, 1};
        record.release2 = {0, 0, 0};
        record.release3 = c.release3;
        record.boilerCount = static_cast<BYTE>(c.boilers);
        record.participantCount = 3;
        const BYTE participants[6] = {2, 1, 0, 2, 1, 2};  // the last two lie beyond the count
        for (int i = 0; i < 6; ++i) record.participants[i] = participants[i];
        ASSERT_TRUE(m_para->SetKesselkaskade(2, cascade, record));

        const Lines lines = TranslateFunction("Kesselkaskade", 803, 34);
        EXPECT_EQ(lines.size(), 34u) << Show(lines);
        EXPECT_EQ(TextFor(lines, 56), "ABL Cald. casc. ");
        EXPECT_EQ(TextFor(lines, 57), "ABL 2. Liv.Cald. (OFF)");
        EXPECT_EQ(TextFor(lines, 58), c.third) << c.boilers << " boilers";
        EXPECT_EQ(TextFor(lines, 61), "Funzioni interessate:");
        // Participant 1 is the hot-water request, which has no designation.
        const Lines names = {"- - - - - - -", "RISC.RICH1", kNoParticipant, kNoParticipant, kNoParticipant,
                             kNoParticipant};
        for (int i = 0; i < 6; ++i) EXPECT_EQ(TextFor(lines, 62 + i), names[i]) << "participant " << i + 1;
        EXPECT_EQ(TextFor(lines, 68), "Valore nominale ");
        EXPECT_EQ(TextFor(lines, 72), "Caldaia A:");
        EXPECT_EQ(TextFor(lines, 80), "Caldaia C:");
        EXPECT_EQ(TextFor(lines, 83), "(Uscita comm.)");
    }
}

TEST_F(CTranslateFunktionTest, MarksOfDigitalInputPins)
{
    const BYTE logic = Create(910, 10);
    const BYTE maintenance = Create(911, 13);
    const BYTE timer = Create(912, 14);
    struct Case {
        const char* name;
        DigitalQuelle source;
        const char* kind;
        int objectId, texts, textId;
        const char* expected;
    };
    const Case cases[] = {
        // Input variables of the logic function never show OFF.
        {"logic input 3 unconnected, fixed OFF", {0, 0, 0}, "Logikfunktion", 910, 17, 59, "Variabile ingr. 3"},
        {"logic input 3 inverted", {1, 1, 4}, "Logikfunktion", 910, 17, 59, "Variabile ingr. 3 (inv.)"},
        {"logic input 3 plain", {1, 0, 4}, "Logikfunktion", 910, 17, 59, "Variabile ingr. 3"},
        // The maintenance function's external switch never shows OFF.
        {"maintenance switch fixed OFF", {0, 0, 0}, "Wartungsfunktion", 911, 17, 56, "Commutatore est."},
        {"maintenance switch inverted", {1, 1, 2}, "Wartungsfunktion", 911, 17, 56, "Commutatore est. (inv.)"},
        {"timer trigger fixed OFF", {0, 0, 0}, "Timerfunktion", 912, 13, 57, "Ingresso trigger (OFF)"},
        {"timer trigger fixed ON", {0, 0, 1}, "Timerfunktion", 912, 13, 57, "Ingresso trigger"},
        {"timer trigger inverted", {97, 1, 3}, "Timerfunktion", 912, 13, 57, "Ingresso trigger (inv.)"},
    };
    for (const Case& c : cases) {
        if (c.objectId == 910) {
            LogikfuncParam r;
            ASSERT_TRUE(m_para->GetLogikfunc(2, logic, r, false));
            r.inputCount = 6;
            r.inputs[2] = c.source;
            ASSERT_TRUE(m_para->SetLogikfunc(2, logic, r));
        } else if (c.objectId == 911) {
            WartungsfuncParam r;
            ASSERT_TRUE(m_para->GetWartungsfunc(2, maintenance, r, false));
            r.externalSwitch = c.source;
            ASSERT_TRUE(m_para->SetWartungsfunc(2, maintenance, r));
        } else {
            TimerParam r;
            ASSERT_TRUE(m_para->GetTimer(2, timer, r, false));
            r.trigger = c.source;
            ASSERT_TRUE(m_para->SetTimer(2, timer, r));
        }
        const Lines lines = TranslateFunction(c.kind, c.objectId, c.texts);
        EXPECT_EQ(TextFor(lines, c.textId), c.expected) << c.name << "\n" << Show(lines);
        EXPECT_EQ(lines.size(), static_cast<size_t>(c.texts)) << c.name;
    }
}

TEST_F(CTranslateFunktionTest, AnObjectWithoutItsSlotGetsItsConstantTextsOnly)
{
    Create(920, 14);  // a timer function
    const Lines constant = {
        Cmd(51, "Tipo:"),          Cmd(52, "  Comparazione  "), Cmd(53, "Des.:"),
        Cmd(54, "Var. ingresso:"), Cmd(55, "Var. uscita:"),     Cmd(57, "Valore a"),
        Cmd(58, "Valore b"),       Cmd(59, "Va > Vb + diff"),   Cmd(60, "(Uscita comm.)"),
        Cmd(61, "Va < Vb + diff"), Cmd(62, "(Uscita comm.)"),
    };
    struct Case {
        const char* name;
        int objectId;
    };
    const Case cases[] = {
        {"no slot carries the id", 999},
        {"the slot holds another type", 920},
        {"id 0 would find a free slot", 0},
        {"id -1 would find a free slot", -1},
    };
    for (const Case& c : cases) {
        const Lines lines = TranslateFunction("Vergleich", c.objectId, 13);
        EXPECT_EQ(lines, constant) << c.name << "\n" << Show(lines);
    }
}

TEST_F(CTranslateFunktionTest, FunctionKindsAreNamedExactly)
{
    for (const functypes::FunctionType& type : functypes::AllFunctionTypes())
        EXPECT_TRUE(CTranslate::IsFunktion(type.names.kind)) << type.names.kind;
    for (const char* kind : {"vergleich", "Zaehler", "Anforderung", "Meldung", "Eingang", ""})
        EXPECT_FALSE(CTranslate::IsFunktion(kind)) << kind;
}

}  // namespace
