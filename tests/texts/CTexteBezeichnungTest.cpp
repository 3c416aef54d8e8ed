// Standard and user-defined designations of functions, and the designation of the function in a slot.
#include "texts/CTexte.h"

#include "StoreTestFolder.h"
#include "texttables/StandardDesignations.h"

#include <string>
#include <vector>

namespace {

struct StandardNames {
    const char* kind;
    std::vector<std::string> names;
};

// The standard names of every function kind, in index order.
const StandardNames kStandardNames[] = {
    {"Analogfunktion", {"ANALOG", "MIN", "MASS", "VAL.MED.", "SOMMA", "FILTRO"}},
    {"Anforderung Heizung", {"RISC.RICH"}},
    {"Anforderung Warmwasser", {"A.C.RICH."}},
    {"Funktionskontrolle", {"CONTR.FUN", "CONTR.SOL", "CONTR.RSC"}},
    {"Heizkreisregler", {"CIR.RISC.", "RISC.PAV."}},
    {"Kesselkaskade", {"CASC.CALD"}},
    {"Kühlfunktion", {"FZ.RAF."}},
    {"Ladepumpe", {"POMPA CA."}},
    {"Logikfunktion", {"LOGIC", "OPPURE", "E", "FLIP FLOP"}},
    {"Mischerregelfunktion", {"REG.M.", "AUM.RT."}},
    {"PID-Regelung", {"REG.PID", "REG.G.VAR", "AP.AC.HYG", "MOD.BRUC.", "PID SOL."}},
    {"Profilfunktion", {"PROFILO", "TEMP.PROF", "SUESRISCM"}},
    {"Schaltuhr", {"ORA"}},
    {"Solarregelung", {"SOLARE", "SOLARE SE", "SOLARE SV"}},
    {"Solarvorrang", {"PRIO.SOL."}},
    {"Startfunktion", {"START SOL"}},
    {"Synchronisation", {"SINC.", "VACANZA", "ASSENTE"}},
    {"Timerfunktion", {"TIMER", "TEMPO INT", "RITARDO", "TEMPO MIN", "TEMPO BL.", "INSTAB."}},
    {"Vergleich", {"CONFR.", "FUNZ.MASS", "FUNZ.MIN.", "DIFF.FUNZ"}},
    {"Wärmemengenzähler", {"QTA CAL", "QC SOLAR", "QC C.RIS."}},
    {"Wartungsfunktion", {"FZ.SPZC.", "MANUTENZ."}},
    {"Zähler", {"CONTATORE", "C.ORE FNZ", "C.IMPULSI", "START BR.", "ORE FZ BR", "O.FZ SOL", "O.FZ C.R", "O.FZ.CIRC"}},
    {"Zirkulation", {"CIRCOLAZ.", "AC.PRONT.", "AZION.AC."}},
};

std::string WithDigit(std::string text, int digit)
{
    if (digit >= 1 && digit <= 9)
        text += static_cast<char>('0' + digit);
    return text;
}

class CTexteBezeichnungTest : public StoreTestFolder {
protected:
    void SetUp() override
    {
        StoreTestFolder::SetUp();
        m_para = new CParaDaten;
        ASSERT_TRUE(m_para->CreateEmptyFile(CParaDaten::kWorkFile));
    }
    void TearDown() override
    {
        delete m_para;
        StoreTestFolder::TearDown();
    }
    // User designations 1 to 16 become "USER01" to "USER16".
    void NameUserDesignations()
    {
        for (int n = 1; n <= 16; ++n)
            ASSERT_TRUE(m_para->SetUserBezeichnung(2, static_cast<BYTE>(n), User(n).c_str()));
    }
    static std::string User(int n) { return (n < 10 ? "USER0" : "USER") + std::to_string(n); }

    CParaDaten* m_para = nullptr;  // keeps the working files open between calls
    CTexte m_texte;
};

}  // namespace

TEST_F(CTexteBezeichnungTest, StandardNamesOfEveryKindWithEveryDigit)
{
    for (const StandardNames& kind : kStandardNames) {
        const int k = static_cast<int>(kind.names.size());
        EXPECT_EQ(m_texte.GetStandardBezAnzahl(kind.kind), k) << kind.kind;
        for (int index = 0; index <= k + 1; ++index) {
            for (int digit : {0, 1, 5, 9, 10, 255}) {
                const std::string expected =
                    index >= 1 && index <= k ? WithDigit(kind.names[index - 1], digit) : "------------";
                EXPECT_EQ(std::string(m_texte.GetStandardBezeichnung(kind.kind, static_cast<BYTE>(index),
                                                                     static_cast<BYTE>(digit))),
                          expected)
                    << kind.kind << " index " << index << " digit " << digit;
            }
        }
    }
    EXPECT_STREQ(m_texte.GetStandardBezeichnung("Zähler", 8, 0), "O.FZ.CIRC");
    EXPECT_STREQ(m_texte.GetStandardBezeichnung("Zähler", 9, 3), "------------");
    EXPECT_STREQ(m_texte.GetStandardBezeichnung("Analogfunktion", 1, 10), "ANALOG");
    EXPECT_STREQ(m_texte.GetStandardBezeichnung("Solarregelung", 1, 2), "SOLARE2");
    EXPECT_STREQ(m_texte.GetStandardBezeichnung("Eingang", 1, 3), "------------");
    EXPECT_EQ(m_texte.GetStandardBezAnzahl("Eingang"), 0);
    EXPECT_EQ(m_texte.GetStandardBezAnzahl("zähler"), 0);
}

TEST_F(CTexteBezeichnungTest, UserDesignationsAreTakenAsStoredWithTheirDigit)
{
    ASSERT_TRUE(m_para->SetUserBezeichnung(2, 1, "Pompa Nord"));
    ASSERT_TRUE(m_para->SetUserBezeichnung(2, 16, "Ultima"));
    struct Case {
        Bezeichnung designation;
        const char* text;
    };
    const Case cases[] = {
        {{1, 0, 9}, "Pompa Nord9"},
        {{1, 0, 0}, "Pompa Nord"},
        {{1, 15, 3}, "Ultima3"},
        {{2, 15, 0}, "Ultima"},           // every group but 0 is user-defined
        {{1, 1, 4}, " 2 - - - - -4"},     // never written: as the store reads it
        {{1, 16, 0}, "------------"},     // there is no 17th
        {{1, 255, 5}, "------------"},
        {{0, 1, 4}, "CIR.RISC.4"},
        {{0, 3, 4}, "------------"},
    };
    for (const Case& c : cases) {
        EXPECT_STREQ(m_texte.GetBezeichnung(2, "Heizkreisregler", c.designation), c.text)
            << int(c.designation.group) << "/" << int(c.designation.index) << "/" << int(c.designation.digit);
    }
    // Another working file has designations of its own.
    ASSERT_TRUE(m_para->CreateEmptyFile(CParaDaten::kParaFile));
    EXPECT_STREQ(m_texte.GetBezeichnung(1, "Heizkreisregler", Bezeichnung{1, 0, 0}), " 1 - - - - -");
}

TEST_F(CTexteBezeichnungTest, DrawingTextsAreFramedAndShowNoDesignationAsSpacedDashes)
{
    const std::string none = m_texte.GetBezeichnungText(2, "Analogfunktion", Bezeichnung{0, 7, 0}).GetString();
    EXPECT_EQ(none, "  - - - - - -  ");
    EXPECT_EQ(none.size(), 15u);
    EXPECT_STREQ(m_texte.GetBezeichnungText(2, "Analogfunktion", Bezeichnung{0, 1, 5}), "  ANALOG5  ");
    EXPECT_STREQ(m_texte.GetBezeichnungText(2, "Eingang", Bezeichnung{0, 1, 5}), "  - - - - - -  ");
    // Only the bare "------------" is replaced; a user designation of twelve dashes with a digit is not.
    ASSERT_TRUE(m_para->SetUserBezeichnung(2, 2, "------------"));
    EXPECT_STREQ(m_texte.GetBezeichnungText(2, "Vergleich", Bezeichnung{1, 1, 0}), "  - - - - - -  ");
    EXPECT_STREQ(m_texte.GetBezeichnungText(2, "Vergleich", Bezeichnung{1, 1, 7}), "  ------------7  ");
}

TEST_F(CTexteBezeichnungTest, EveryDesignationCodeOfEveryTypeToItsText)
{
    NameUserDesignations();
    for (int type = 1; type <= texts::kFunctionTypeCount; ++type) {
        const StandardNames* names = nullptr;
        const CString kind = m_texte.GetFunktionsArt(static_cast<BYTE>(type));
        for (const StandardNames& n : kStandardNames) {
            if (std::string(n.kind) == kind.GetString())
                names = &n;
        }
        ASSERT_NE(names, nullptr) << type;
        const int k = static_cast<int>(names->names.size());
        for (int code = 0; code <= 255; ++code) {
            FuncEntry entry;
            entry.type = type;
            entry.designation = static_cast<BYTE>(code);
            entry.number = 7;
            ASSERT_TRUE(m_para->SetFuncEntry(2, 5, entry));
            std::string expected = "------------";
            if (code >= 1 && code <= 10 * k)
                expected = WithDigit(names->names[(code - 1) / 10], (code - 1) % 10);
            else if (code > 10 * k && code <= 10 * k + 160)
                expected = WithDigit(User((code - 1) / 10 - k + 1), (code - 1) % 10);
            EXPECT_EQ(std::string(m_texte.GetFunktionsName(2, 5)), expected) << names->kind << " code " << code;
        }
    }
}

TEST_F(CTexteBezeichnungTest, FunctionNameOfEmptyMissingAndUnreadableSlots)
{
    NameUserDesignations();
    // An empty slot has no standard names, so every code up to 160 names a user designation.
    FuncEntry empty;
    empty.type = 0;
    empty.designation = 5;
    ASSERT_TRUE(m_para->SetFuncEntry(2, 3, empty));
    EXPECT_STREQ(m_texte.GetFunktionsName(2, 3), "USER014");
    empty.designation = 0xFF;
    ASSERT_TRUE(m_para->SetFuncEntry(2, 3, empty));
    EXPECT_STREQ(m_texte.GetFunktionsName(2, 3), "------------");
    // There is no slot 0 or 45.
    for (int slot : {0, 45, 255})
        EXPECT_STREQ(m_texte.GetFunktionsName(2, static_cast<BYTE>(slot)), "------------") << slot;
    // A working file that does not exist names nothing.
    EXPECT_STREQ(m_texte.GetFunktionsName(7, 3), "------------");
}
