// Texts of variable sources: short kind texts, variable texts, one-line texts and the texts of the input-variable
// forms.
#include "texts/CTexte.h"

#include "StoreTestFolder.h"

#include "platform/CComboBox.h"

#include <string>
#include <vector>

namespace {

class CTexteQuelleTest : public StoreTestFolder {
protected:
    void SetUp() override
    {
        StoreTestFolder::SetUp();
        m_para = new CParaDaten;
        ASSERT_TRUE(m_para->CreateEmptyFile(CParaDaten::kWorkFile));
        // Function number 0 is a heating-circuit controller "CIR.RISC.2" in slot 4, number 43 a boiler cascade
        // "CASC.CALD" in slot 44; no slot holds number 7.
        Put(4, 1, 0, 3);
        Put(44, 23, 43, 1);
    }
    void TearDown() override
    {
        delete m_para;
        StoreTestFolder::TearDown();
    }
    void Put(BYTE slot, int type, BYTE number, BYTE code)
    {
        FuncEntry entry;
        entry.type = type;
        entry.number = number;
        entry.designation = code;
        ASSERT_TRUE(m_para->SetFuncEntry(CParaDaten::kWorkFile, slot, entry));
    }
    std::string Kurz(int kind) { return m_texte.GetQuelleKurzText(2, static_cast<BYTE>(kind)).GetString(); }
    std::string Variable(int kind, int number)
    {
        return m_texte.GetQuelleVariableText(2, static_cast<BYTE>(kind), static_cast<BYTE>(number)).GetString();
    }
    std::string Lang(int kind, int number)
    {
        Quelle q;
        q.kind = static_cast<BYTE>(kind);
        q.number = static_cast<BYTE>(number);
        return m_texte.GetQuelleLangText(2, q).GetString();
    }

    CParaDaten* m_para = nullptr;
    CTexte m_texte;
};

}  // namespace

TEST_F(CTexteQuelleTest, ShortTextOfEverySourceKind)
{
    for (int kind = 0; kind <= 255; ++kind) {
        std::string expected;
        switch (kind) {
        case 0: expected = "Utente"; break;
        case 1: expected = "Entrata"; break;
        case 2: expected = "Uscita"; break;
        case 3: expected = "CIR.RISC.2"; break;
        case 46: expected = "CASC.CALD"; break;
        case 96: expected = "St.Rete"; break;
        case 97: expected = "St.Sonda"; break;
        case 98: expected = "Messag."; break;
        case 99: expected = "Rete"; break;
        default: expected = kind > 3 && kind < 46 ? "------------" : ""; break;  // a function no slot holds
        }
        EXPECT_EQ(Kurz(kind), expected) << "kind " << kind;
    }
}

TEST_F(CTexteQuelleTest, VariableAndOneLineTextsOfUsersFunctionsAndNetwork)
{
    struct Case {
        int kind, number;
        const char* variable;
        const char* lang;
    };
    const Case cases[] = {
        {0, 0, "non usato", "non usato"},
        {0, 200, "non usato", "non usato"},
        {3, 6, "Fz.Antigelo", "CIR.RISC.2 - 6: Fz.Antigelo"},
        {3, 7, "--------", "CIR.RISC.2 - 7: --------"},
        {3, 0, "--------", "CIR.RISC.2 - 0: --------"},
        {46, 10, "Stat.Cald.3", "CASC.CALD - 10: Stat.Cald.3"},
        {10, 1, "--------", "------------ - 1: --------"},  // function number 7 is in no slot
        {96, 5, "DIGITALE 5", "St.Rete - 5: DIGITALE 5"},
        {96, 33, "Tutti Sonde", "St.Rete - 33: Tutti Sonde"},
        {96, 34, "non usato", "St.Rete - 34: non usato"},
        {99, 5, "DIGITALE 5", "Rete - 5: DIGITALE 5"},
        {99, 20, "ANALOG 4", "Rete - 20: ANALOG 4"},
        {99, 33, "non usato", "Rete - 33: non usato"},
        {47, 1, "------------", " - 1: ------------"},
        {100, 1, "------------", " - 1: ------------"},
        {255, 255, "------------", " - 255: ------------"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Variable(c.kind, c.number), c.variable) << c.kind << "/" << c.number;
        EXPECT_EQ(Lang(c.kind, c.number), c.lang) << c.kind << "/" << c.number;
    }
}

TEST_F(CTexteQuelleTest, FormTextsOfOneInputVariable)
{
    struct Case {
        int kind, number, noFixedState;
        const char* source;
        const char* number_;
        const char* variable;
    };
    const Case cases[] = {
        {0, 1, 1, "Utente", "", "non usato"},
        {0, 1, 0, "Utente", "", ""},
        {3, 2, 0, "CIR.RISC.2", "2:", "Status Pompa"},
        {46, 1, 1, "CASC.CALD", "1:", "Val.Teoretico"},
        {10, 1, 0, "------------", "1:", "--------"},
        {96, 17, 0, "St.Rete", "17:", "ANALOG 1"},
        {99, 2, 0, "Rete", "2:", "DIGITALE 2"},
        {120, 4, 0, "------------", "4:", "------------"},
    };
    for (const Case& c : cases) {
        CString source = "old", number = "old", variable = "old";
        m_texte.GetQuelleTexte(static_cast<BYTE>(c.kind), static_cast<BYTE>(c.number),
                               static_cast<BYTE>(c.noFixedState), source, number, variable);
        EXPECT_STREQ(source, c.source) << c.kind << "/" << c.number;
        EXPECT_STREQ(number, c.number_) << c.kind << "/" << c.number;
        EXPECT_STREQ(variable, c.variable) << c.kind << "/" << c.number;
    }
}

TEST_F(CTexteQuelleTest, FormControlsOfOneInputVariable)
{
    struct Case {
        int kind, number, noFixedState, mode, fixedState;
        bool enabledBefore;
        const char* modeLabel;
        std::vector<std::string> items;
        int selected;
        bool enabledAfter;
    };
    const Case cases[] = {
        {0, 0, 1, 0, 1, true, "", {"stale"}, 0, false},  // an optional input: the box is only disabled
        {0, 0, 0, 0, 0, true, "Stato:", {"OFF", "ON"}, 0, true},
        {0, 1, 0, 1, 7, true, "Stato:", {"OFF", "ON"}, 1, true},
        {0, 1, 0, 1, 1, false, "Stato:", {"OFF", "ON"}, 1, false},  // never enabled here
        {3, 2, 0, 1, 0, true, "Modo:", {"normale", "inverso"}, 1, true},
        {96, 5, 1, 0, 1, true, "Modo:", {"normale", "inverso"}, 0, true},
        {99, 5, 0, 2, 0, false, "Modo:", {"normale", "inverso"}, -1, false},  // no such mode: nothing selected
    };
    for (const Case& c : cases) {
        CComboBox combo;
        ASSERT_TRUE(combo.Create(WS_CHILD | CBS_DROPDOWNLIST | CBS_SORT, CRect(0, 0, 80, 100), nullptr, 1));
        combo.AddString("stale");
        combo.SetCurSel(0);
        combo.EnableWindow(c.enabledBefore);
        CString source, number, variable, mode = "old";
        m_texte.FillQuelleCtrls(static_cast<BYTE>(c.kind), static_cast<BYTE>(c.number),
                                static_cast<BYTE>(c.noFixedState), source, number, variable, mode,
                                static_cast<BYTE>(c.mode), combo, static_cast<BYTE>(c.fixedState));
        CString expectedSource, expectedNumber, expectedVariable;
        m_texte.GetQuelleTexte(static_cast<BYTE>(c.kind), static_cast<BYTE>(c.number),
                               static_cast<BYTE>(c.noFixedState), expectedSource, expectedNumber, expectedVariable);
        EXPECT_STREQ(source, expectedSource) << c.kind;
        EXPECT_STREQ(number, expectedNumber) << c.kind;
        EXPECT_STREQ(variable, expectedVariable) << c.kind;
        EXPECT_STREQ(mode, c.modeLabel) << c.kind;
        std::vector<std::string> items;
        for (int i = 0; i < combo.GetCount(); ++i) {
            CString item;
            combo.GetLBText(i, item);
            items.push_back(item.GetString());
        }
        EXPECT_EQ(items, c.items) << c.kind;
        EXPECT_EQ(combo.GetCurSel(), c.selected) << c.kind;
        EXPECT_EQ(combo.IsWindowEnabled() != FALSE, c.enabledAfter) << c.kind;
    }
}
