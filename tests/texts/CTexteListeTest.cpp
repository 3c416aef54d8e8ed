// Function lists for the combo boxes that reference other functions, and their two lookups.
#include "texts/CTexte.h"

#include "StoreTestFolder.h"

namespace {

class CTexteListeTest : public StoreTestFolder {
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
    // A function of a type with a number and designation code in a slot of the working copy.
    void Put(BYTE slot, int type, BYTE number, BYTE code)
    {
        FuncEntry entry;
        entry.type = type;
        entry.number = number;
        entry.designation = code;
        ASSERT_TRUE(m_para->SetFuncEntry(CParaDaten::kWorkFile, slot, entry));
    }
    // A list whose every entry holds something a builder must overwrite or leave alone.
    static FunktionsListe Garbage()
    {
        FunktionsListe list;
        list.count = 40;
        for (EinstellungsEintrag& e : list.entries) {
            e.flag = 99;
            e.text = "old";
        }
        return list;
    }
    static std::string Dump(const FunktionsListe& list)
    {
        std::string out = std::to_string(list.count) + ":";
        for (int i = 0; i <= list.count; ++i)
            out += " (" + std::to_string(list.entries[i].flag) + ", " + list.entries[i].text.GetString() + ")";
        return out;
    }

    CParaDaten* m_para = nullptr;
    CTexte m_texte;
};

}  // namespace

TEST_F(CTexteListeTest, EachBuilderListsItsTypesInSlotOrder)
{
    Put(3, 6, 5, 1);     // Solarregelung "SOLARE"
    Put(7, 6, 2, 13);    // Solarregelung "SOLARE SE2"
    Put(1, 1, 0, 3);     // Heizkreisregler "CIR.RISC.2"
    Put(2, 3, 9, 1);     // Anforderung Warmwasser "A.C.RICH."
    Put(9, 2, 1, 2);     // Anforderung Heizung "RISC.RICH1"
    Put(10, 7, 3, 1);    // Solarvorrang: in no list
    Put(12, 2, 43, 0xFF);

    struct Case {
        const char* name;
        void (CTexte::*build)(FunktionsListe&, CParaDaten*) const;
        const char* expected;
    };
    const Case cases[] = {
        {"solar", &CTexte::GetSolarListe, "2: (0, - - - - - - -) (6, SOLARE) (3, SOLARE SE2)"},
        {"solar 2", &CTexte::GetSolarListe2, "2: (0, - - - - - - -) (6, SOLARE) (3, SOLARE SE2)"},
        {"heating circuits", &CTexte::GetHzkrListe, "1: (0, - - - - - - -) (1, CIR.RISC.2)"},
        {"requests", &CTexte::GetAnforderungsListe,
         "3: (0, - - - - - - -) (10, A.C.RICH.) (2, RISC.RICH1) (44, ------------)"},
    };
    for (const Case& c : cases) {
        FunktionsListe withHandle = Garbage();
        (m_texte.*c.build)(withHandle, m_para);
        EXPECT_EQ(Dump(withHandle), c.expected) << c.name;
        EXPECT_EQ(withHandle.entries[c.name[0] == 'r' ? 4 : 3].text, "old") << "entries above count are kept";
        FunktionsListe ownHandle = Garbage();
        (m_texte.*c.build)(ownHandle, nullptr);
        EXPECT_EQ(Dump(ownHandle), c.expected) << c.name << " without a handle";
    }
}

TEST_F(CTexteListeTest, AnEmptyWorkingCopyGivesOnlyTheNoneEntryAndAFullOneAllFortyFour)
{
    FunktionsListe list = Garbage();
    m_texte.GetHzkrListe(list, m_para);
    EXPECT_EQ(Dump(list), "0: (0, - - - - - - -)");

    for (BYTE slot = 1; slot <= 44; ++slot)
        Put(slot, 1, static_cast<BYTE>(44 - slot), 1);
    m_texte.GetHzkrListe(list, m_para);
    EXPECT_EQ(list.count, 44);
    EXPECT_EQ(list.entries[1].flag, 44);
    EXPECT_EQ(list.entries[44].flag, 1);
    EXPECT_STREQ(list.entries[44].text, "CIR.RISC.");
}

TEST_F(CTexteListeTest, LookupsSearchOnlyEntriesZeroToCount)
{
    FunktionsListe list;
    Put(4, 6, 5, 2);
    Put(8, 6, 5, 3);  // a second function with the same reference value: the first wins
    m_texte.GetSolarListe(list, m_para);
    ASSERT_EQ(list.count, 2);
    list.entries[3].flag = 9;
    list.entries[3].text = "beyond count";

    struct Case {
        BYTE value;
        BYTE index;
        const char* text;
    };
    const Case cases[] = {{0, 0, "- - - - - - -"}, {6, 1, "SOLARE1"}, {9, 0, ""}, {7, 0, ""}, {255, 0, ""}};
    for (const Case& c : cases) {
        EXPECT_EQ(m_texte.FindInListe(list, c.value), c.index) << int(c.value);
        EXPECT_STREQ(m_texte.GetListenBezeichnung(list, c.value), c.text) << int(c.value);
    }
    // A count beyond the entries (a list never built) does not read past them.
    FunktionsListe odd;
    odd.count = 200;
    EXPECT_EQ(m_texte.FindInListe(odd, 1), 0);
    EXPECT_STREQ(m_texte.GetListenBezeichnung(odd, 1), "");
}
