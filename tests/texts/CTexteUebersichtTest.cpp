// Texts of the function overview: group headers, the values of the user group, inputs, outputs and functions,
// and the letters of the access kinds.
#include "texts/CTexte.h"

#include "StoreTestFolder.h"
#include "store/AusgangParam.h"
#include "store/CParaDaten.h"
#include "store/EingangParam.h"
#include "store/FuncViewEntry.h"
#include "texttables/StandardDesignations.h"

#include <cstring>
#include <string>

namespace {

constexpr int kWork = CParaDaten::kWorkFile;

FuncViewEntry Entry(BYTE kind, BYTE group, BYTE param)
{
    FuncViewEntry entry;
    entry.kind = kind;
    entry.group = group;
    entry.param = param;
    return entry;
}

class CTexteUebersichtTest : public StoreTestFolder {
protected:
    void SetUp() override
    {
        StoreTestFolder::SetUp();
        ASSERT_TRUE(CParaDaten().CreateEmptyFile(kWork));
    }
    // A function of the type with the given function number and designation in the slot.
    void PutFunction(BYTE slot, int type, BYTE number, const char* kind, Bezeichnung designation)
    {
        BYTE entry[8] = {static_cast<BYTE>(type), CParaDaten::EncodeBezeichnung(kind, designation), 0, number,
                         0xFF, 0xFF, 0xFF, 0xFF};
        BYTE record[128];
        std::memset(record, 0xFF, sizeof record);
        CParaDaten para;
        ASSERT_TRUE(para.SetFuncId(kWork, slot, 100 + slot));
        ASSERT_TRUE(para.WriteFuncRaw(kWork, slot, entry, record));
    }
    void PutInput(BYTE n, int type, BYTE index, BYTE digit)
    {
        CParaDaten para;
        EingangParam input;
        ASSERT_TRUE(para.GetEingang(kWork, n, input));
        input.type = type;
        input.quantity = 1;
        input.group = 0;
        input.index = index;
        input.digit = digit;
        ASSERT_TRUE(para.SetEingang(kWork, n, input));
    }
    void PutOutput(BYTE n, int type, BYTE index, BYTE digit)
    {
        CParaDaten para;
        AusgangParam output;
        ASSERT_TRUE(para.GetAusgang(kWork, n, output));
        output.type = type;
        output.group = 0;
        output.index = index;
        output.digit = digit;
        ASSERT_TRUE(para.SetAusgang(kWork, n, output));
    }
    std::string Text(BYTE kind, BYTE group, BYTE param) const
    {
        return CTexte().GetFuncViewText(kWork, Entry(kind, group, param)).GetString();
    }
};

TEST_F(CTexteUebersichtTest, HeadersNameTheirGroupOrFunction)
{
    PutFunction(2, 9, 5, "Vergleich", Bezeichnung{0, 2, 3});
    EXPECT_EQ(Text(6, 0, 0), "Utente");
    EXPECT_EQ(Text(6, 1, 0), "Entrata");
    EXPECT_EQ(Text(6, 2, 0), "Uscita");
    EXPECT_EQ(Text(6, 3 + 5, 0), "FUNZ.MASS3");
    // No slot carries function number 6.
    EXPECT_EQ(Text(6, 3 + 6, 0), "------------");
    EXPECT_EQ(Text(0, 3 + 5, 4), "");
}

TEST_F(CTexteUebersichtTest, ValuesOfTheUserGroup)
{
    EXPECT_EQ(Text(1, 0, 1), "Data");
    EXPECT_EQ(Text(2, 0, 2), "Ora");
    EXPECT_EQ(Text(3, 0, 3), "- - - -");
}

TEST_F(CTexteUebersichtTest, InputsShowTheirDesignationAndDigitOnlyWhenUsed)
{
    PutInput(2, kEingangAnalog, 1, 4);
    PutInput(5, kEingangUnbenutzt, 1, 7);
    EXPECT_EQ(Text(1, 1, 2), "2: T.Collettore4");
    EXPECT_EQ(Text(1, 1, 5), "5: ------------");  // an unused input names nothing and shows no digit
}

TEST_F(CTexteUebersichtTest, OutputsKnowAnalogOutputsAndMixerPairs)
{
    PutOutput(3, kAusgangMischer, 1, 0);
    PutOutput(4, kAusgangSchalt, 2, 1);
    PutOutput(9, kAusgangSchalt, 2, 2);
    EXPECT_EQ(Text(1, 2, 16), "16: Uscita Analoga");
    EXPECT_EQ(Text(1, 2, 15), "15: Uscita Analoga");
    // Output 4 is the mixer's second relay; output 9 follows no mixer and shows its own designation.
    EXPECT_EQ(Text(1, 2, 4), "4: ------------");
    EXPECT_EQ(Text(1, 2, 9), "9: Pompa-Solare2");
    EXPECT_EQ(Text(1, 2, 3), "3: Misc.C.Risc");
}

TEST_F(CTexteUebersichtTest, FunctionValuesComeFromTheTypesRow)
{
    PutFunction(1, 10, 0, "Logikfunktion", Bezeichnung{});
    PutFunction(4, 8, 7, "PID-Regelung", Bezeichnung{});
    PutFunction(5, 2, 8, "Anforderung Heizung", Bezeichnung{});
    struct Case {
        BYTE group;
        BYTE param;
        const char* text;
    };
    const Case cases[] = {
        {3 + 0, 1, "ENTRATA DATI:"},
        {3 + 0, 5, "RISULTATI INV.:"},
        {3 + 0, 6, "- - - -"},  // the row has five labels
        {3 + 0, 0, "- - - -"},
        {3 + 7, 24, "PARAMETRO REGOLAZ.:"},
        {3 + 7, 25, "- - - -"},
        {3 + 8, 15, " ECO:MODO:"},  // the leading blank belongs to the label
        {3 + 9, 1, "--------"},     // no slot carries function number 9
    };
    for (const Case& c : cases)
        EXPECT_EQ(Text(1, c.group, c.param), c.text) << int(c.group) << "/" << int(c.param);
}

TEST_F(CTexteUebersichtTest, EveryTypeHasItsRowOfLabels)
{
    // The row lengths of type codes 1 to 23; 275 labels in all.
    const int lengths[] = {22, 17, 14, 17, 21, 19, 11, 24, 10, 5, 7, 10, 8, 10, 8, 11, 6, 11, 10, 10, 6, 10, 8};
    ASSERT_EQ(std::size(lengths), static_cast<size_t>(texts::kFunctionTypeCount)) << "a length for every type";
    for (int type = 1; type <= texts::kFunctionTypeCount; ++type) {
        PutFunction(1, type, 0, "", Bezeichnung{});
        const int n = lengths[type - 1];
        EXPECT_NE(Text(2, 3, static_cast<BYTE>(n)), "- - - -") << type;
        EXPECT_EQ(Text(2, 3, static_cast<BYTE>(n + 1)), "- - - -") << type;
    }
    EXPECT_EQ(Text(2, 3, 1), "STATO FUNZ.:");  // type 23, "Kesselkaskade"
    EXPECT_EQ(Text(2, 3, 8), "VAL.TEOR.:");
}

TEST(CTexteUebersichtLetters, OneLetterPerAccessKind)
{
    const std::pair<BYTE, const char*> cases[] = {{6, "F"}, {1, "A"}, {7, "B"}, {8, "C"}, {2, "T"}, {3, "E"},
                                                  {0, "-"}, {4, "-"}, {5, "-"}, {9, "-"}, {255, "-"}};
    for (const auto& [kind, letter] : cases)
        EXPECT_STREQ(CTexte().GetFuncViewArtKuerzel(Entry(kind, 3, 1)).GetString(), letter) << int(kind);
}

TEST(CTexteDefaultLogging, KeepsBytesTwoAndThreeAndEndsWithItsLastEntry)
{
    BYTE block[236];
    std::memset(block, 0xAB, sizeof block);
    CTexte::DefaultLoggingDaten(block);
    EXPECT_EQ(block[0], 62);
    EXPECT_EQ(block[1], 60);
    EXPECT_EQ(block[2], 0xAB);
    EXPECT_EQ(block[3], 0xAB);
    const BYTE last[4] = {99, 13, 255, 255};
    EXPECT_EQ(std::memcmp(block + 232, last, 4), 0);
}

}  // namespace
