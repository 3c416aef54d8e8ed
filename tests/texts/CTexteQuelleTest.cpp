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

TEST_F(CTexteQuelleTest, VariableAndOneLineTextsOfInputsOutputsSensorsAndMessages)
{
    ASSERT_TRUE(m_para->SetUserBezeichnung(2, 4, "Mio"));
    EingangParam input;
    input.type = kEingangAnalog;
    input.quantity = kGroesseTemperatur;
    input.index = 1;
    input.digit = 3;
    ASSERT_TRUE(m_para->SetEingang(2, 2, input));  // "T.Collettore" with digit 3
    input.index = 0;
    ASSERT_TRUE(m_para->SetEingang(2, 5, input));  // no designation, digit 3
    input.type = kEingangDigital;
    input.group = 1;
    input.index = 4;
    input.digit = 0;
    ASSERT_TRUE(m_para->SetEingang(2, 16, input));  // user designation 4, no digit

    AusgangParam mixer;
    mixer.type = kAusgangMischer;
    mixer.index = 2;
    mixer.digit = 1;
    ASSERT_TRUE(m_para->SetAusgang(2, 3, mixer));   // outputs 3 and 4: "Misc.Iniz.RT" 1
    ASSERT_TRUE(m_para->SetAusgang(2, 13, mixer));  // outputs 13 and 14
    AusgangParam pump;
    pump.type = kAusgangSchalt;
    pump.index = 17;
    pump.digit = 2;
    ASSERT_TRUE(m_para->SetAusgang(2, 8, pump));   // output 8 is no mixer: output 9 speaks for itself
    ASSERT_TRUE(m_para->SetAusgang(2, 9, pump));
    ASSERT_TRUE(m_para->SetAusgang(2, 14, pump));

    MeldungParam message;
    message.type = kMeldungProblem;
    message.index = 12;  // one past the 11 causes: none
    message.digit = 5;
    ASSERT_TRUE(m_para->SetMeldung(2, 1, message));  // no cause, digit 5
    message.type = kMeldungUnbenutzt;
    ASSERT_TRUE(m_para->SetMeldung(2, 2, message));  // unused: no digit
    message.type = kMeldungFehler;
    message.index = 4;
    message.digit = 0;
    ASSERT_TRUE(m_para->SetMeldung(2, 3, message));  // "Sonda"

    struct Case {
        int kind, number;
        const char* variable;
        const char* lang;
    };
    const Case cases[] = {
        {1, 2, "T.Collettore3", "Entrata 2 - T.Collettore3"},
        {1, 5, "------------", "Entrata 5 - ------------"},  // no digit after no designation
        {1, 16, "Mio", "Entrata 16 - Mio"},
        {1, 1, "------------", "Entrata 1 - ------------"},  // an input not in use
        {1, 0, "------------", "Entrata 0 - ------------"},  // no such input
        {1, 17, "------------", "Entrata 17 - ------------"},
        {97, 2, "T.Collettore3", "St.Sonda 2 - T.Collettore3"},
        {97, 17, "Tutti Sonde", "St.Sonda 17 - Tutti Sonde"},
        {2, 3, "Misc.Iniz.RT1", "Uscita 3 - Misc.Iniz.RT1"},
        {2, 4, "Misc.Iniz.RT1", "Uscita 4 - Misc.Iniz.RT1"},  // the second output of the mixer
        {2, 14, "Pompa2", "Uscita 14 - Pompa2"},               // only 4, 9, 11 and 13 look back
        {2, 9, "Pompa2", "Uscita 9 - Pompa2"},
        {2, 5, "------------", "Uscita 5 - ------------"},
        {98, 1, "------------5", "Messag. 1 - ------------5"},
        {98, 2, "------------", "Messag. 2 - ------------"},
        {98, 3, "Sonda", "Messag. 3 - Sonda"},
        {98, 9, "------------", "Messag. 9 - ------------"},  // there are 8 message slots
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Variable(c.kind, c.number), c.variable) << c.kind << "/" << c.number;
        EXPECT_EQ(Lang(c.kind, c.number), c.lang) << c.kind << "/" << c.number;
    }
    CString source, number, variable;
    m_texte.GetQuelleTexte(2, 4, 0, source, number, variable);
    EXPECT_STREQ(source, "Uscita");
    EXPECT_STREQ(number, "4:");
    EXPECT_STREQ(variable, "Misc.Iniz.RT1");
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
