// Designations of inputs, outputs and messages from their decoded records.
#include "texts/CTexte.h"

#include "StoreTestFolder.h"

#include <string>
#include <vector>

namespace {

using List = std::vector<std::string>;

const List kGeneral = {"T.Collettore", "T.Sol.-MAND", "T.Sol.-RIT", "T.Cald.-MAND", "T.Cald.-RIT", "T.Circr.MAND",
    "T.Circr.RIT", "T.Acqua Cald", "T.Accumulat.", "T.Acc.infer.", "T.Acc.interm", "T.Acc.super.", "T.Piscina",
    "Temp.Amb.", "Temp.Est.", "T.Collter.", "T.PompaCal.", "T.Circ.RIT"};
const List kProducer = {"T.CldGasolMD", "T.CldGasolRT", "T.CaldGasMD", "T.CaldGasRT", "T.CaldLegMD", "T.CaldLegRT",
    "T.CalPelletM", "T.CalPelletR", "T.PompCalMD", "T.PompCalRT", "T.Collettore", "T.Coll.MD", "T.Coll.RT",
    "T.CollTer.MD", "T.CollTer.RT"};
const List kConsumer = {"T.Accumulo", "T.Acc.inf", "T.Acc.interm", "T.Acc.sup", "T.Bolittore", "T.Bol.inf",
    "T.Bol.interm", "T.Bol.sup", "T.Vasca", "T.Vasca-MD", "T.Vasca-RT", "T.A.C.Accum", "T.A.C.Acc", "T.Ref.Accum",
    "T.AcRisc.sup", "T.AcRisc.inf"};
const List kPerformance = {"T.Scamb.A.C.", "T.Scamb.PRI", "T.Scamb.SEC", "T.Circr.MAND", "T.Circr.RIT", "T.Coll.MD",
    "T.Coll.RT", "T.Circ.MD", "T.Circ.RIT", "T.Sol.-MAND", "T.Sol.-RIT", "T.RT A.C."};
const List kClimate = {"T.Aria Alim.", "T.Aria Viz.", "T.Amb.", "T.Est."};
const List kRadiation = {"Irrad.Sol."};
const List kOther = {"Posiz.Motore", "Stand Riemp.", "Giri Var.", "Val.Teor."};
const List kDigital = {"Imp.Digitale", "Flussostato", "Problema", "Rilascio"};
const List kImpulse = {"Flusso Sol.", "Flus. CcRisc", "Flus. Circ.", "Scor. Aq.Fr.", "Scor. Aq.Ca.", "Velo.Vento"};
const List kGeneralOutputs = {"Pompa-C.Ris.", "Pompa-Solare", "Pompa Carico", "Po.Car.SP.", "Po.Car.AC.", "Valvola",
    "Valv.Solare", "Valv.Risc.RT", "Valv.AC", "Iniz.Cald.", "Iniz.Bruc.", "Iniz.PompCal", "Pompa-Circ.",
    "Valv.Strat", "Iniz.Rit.", "Pompa Filtro", "Pompa", "Pompa-AC"};
const List kClimateOutputs = {"Ventilatore", "Sportello"};
const List kMixerOutputs = {"Misc.C.Risc", "Misc.Iniz.RT"};
const List kDataLineOutputs = {"Linea Dati"};
const List kCauses = {"Circolatione", "Temperatura Sup.", "Temperatura Min.", "Sonda", "Sonda10", "Sonda1", "Uscita",
    "Uscita10", "Uscita1", "Bruciatore", "Rete"};
// The user-defined designations as the fixture names them.
const List kUser = {"USER01", "USER02", "USER03", "USER04", "USER05", "USER06", "USER07", "USER08", "USER09",
    "USER10", "USER11", "USER12", "USER13", "USER14", "USER15", "USER16"};

// Item index of a list, "------------" for 0 and beyond its end.
std::string Item(const List& list, int index)
{
    return index >= 1 && index <= static_cast<int>(list.size()) ? list[index - 1] : "------------";
}

EingangParam Input(int type, int quantity, int processQuantity, int group, int index, int digit)
{
    EingangParam input;
    input.type = type;
    input.quantity = quantity;
    input.processQuantity = processQuantity;
    input.group = group;
    input.index = static_cast<BYTE>(index);
    input.digit = static_cast<BYTE>(digit);
    return input;
}

class CTexteAnlageTest : public StoreTestFolder {
protected:
    void SetUp() override
    {
        StoreTestFolder::SetUp();
        m_para = new CParaDaten;
        ASSERT_TRUE(m_para->CreateEmptyFile(CParaDaten::kWorkFile));
        for (int n = 1; n <= 16; ++n)
            ASSERT_TRUE(m_para->SetUserBezeichnung(2, static_cast<BYTE>(n), kUser[n - 1].c_str()));
    }
    void TearDown() override
    {
        delete m_para;
        StoreTestFolder::TearDown();
    }

    CParaDaten* m_para = nullptr;
    CTexte m_texte;
};

}  // namespace

TEST_F(CTexteAnlageTest, EveryInputListByTypeQuantityAndGroup)
{
    struct Case {
        const char* name;
        int type, quantity, processQuantity, group;
        const List* list;
    };
    const Case cases[] = {
        {"digital", 1, 1, 0, 0, &kDigital},
        {"digital, group 2", 1, 1, 0, 2, &kDigital},
        {"digital, user", 1, 1, 0, 1, &kUser},
        {"impulse", 3, 0, 0, 0, &kImpulse},
        {"impulse, user", 3, 1, 0, 1, &kUser},
        {"temperature general", 2, 1, 0, 0, &kGeneral},
        {"temperature producer", 2, 1, 0, 1, &kProducer},
        {"temperature consumer", 2, 1, 0, 2, &kConsumer},
        {"temperature performance", 2, 1, 0, 3, &kPerformance},
        {"temperature climate", 2, 1, 0, 4, &kClimate},
        {"temperature user", 2, 1, 0, 5, &kUser},
        {"temperature group 6", 2, 1, 0, 6, &kGeneral},
        {"quantity 0 measures temperature", 2, 0, 0, 2, &kConsumer},
        {"quantity 9 measures temperature", 2, 9, 0, 4, &kClimate},
        {"radiation", 2, 2, 0, 0, &kRadiation},
        {"radiation, user", 2, 2, 0, 1, &kUser},
        {"voltage as temperature", 2, 3, 1, 3, &kPerformance},
        {"current as flow", 2, 4, 6, 1, &kProducer},
        {"resistance as pressure", 2, 5, 7, 5, &kUser},
        {"voltage as radiation", 2, 3, 2, 0, &kRadiation},
        {"voltage as radiation, user", 2, 3, 2, 1, &kUser},
        {"voltage as voltage", 2, 3, 3, 0, &kOther},
        {"current as process quantity 0", 2, 4, 0, 2, &kOther},
        {"resistance as another quantity, user", 2, 5, 4, 1, &kUser},
    };
    for (const Case& c : cases) {
        for (int index = 0; index <= static_cast<int>(c.list->size()) + 1; ++index) {
            const EingangParam input = Input(c.type, c.quantity, c.processQuantity, c.group, index, 0);
            EXPECT_EQ(std::string(m_texte.GetEingangBezeichnung(2, input)), Item(*c.list, index))
                << c.name << ", index " << index;
        }
    }
    for (int type : {0, 4, 255})
        EXPECT_STREQ(m_texte.GetEingangBezeichnung(2, Input(type, 1, 0, 0, 1, 0)), "------------") << type;
}

TEST_F(CTexteAnlageTest, InputTextsCarryTheirDigit)
{
    struct Case {
        EingangParam input;
        const char* text;
    };
    const Case cases[] = {
        {Input(2, 1, 0, 2, 5, 3), "T.Bolittore3"},
        {Input(2, 4, 1, 2, 5, 3), "T.Bolittore3"},  // a current read as a temperature: the same list
        {Input(2, 3, 3, 0, 2, 0), "Stand Riemp."},
        {Input(2, 3, 3, 1, 2, 0), "USER02"},
        {Input(2, 1, 0, 5, 0, 4), "------------4"},
        {Input(2, 1, 0, 5, 17, 9), "------------9"},
        {Input(1, 1, 0, 0, 2, 10), "Flussostato"},
        {Input(0, 1, 0, 0, 2, 7), "inutiliz."},
        {Input(0, 0, 0, 0, 0, 0), "inutiliz."},
        {Input(4, 1, 0, 0, 2, 7), "------------7"},
    };
    for (const Case& c : cases)
        EXPECT_STREQ(m_texte.GetEingangText(2, c.input), c.text) << c.text;
}

TEST_F(CTexteAnlageTest, EveryOutputListByTypeAndGroup)
{
    struct Case {
        const char* name;
        int type, group;
        const List* list;
    };
    const Case cases[] = {
        {"switching", 1, 0, &kGeneralOutputs},      {"switching, group 3", 1, 3, &kGeneralOutputs},
        {"switching, climate", 1, 1, &kClimateOutputs}, {"switching, user", 1, 2, &kUser},
        {"speed", 2, 0, &kGeneralOutputs},          {"speed, climate", 2, 1, &kClimateOutputs},
        {"speed, user", 2, 2, &kUser},              {"mixer", 3, 0, &kMixerOutputs},
        {"mixer, group 2", 3, 2, &kMixerOutputs},   {"mixer, user", 3, 1, &kUser},
        {"data line", 4, 0, &kDataLineOutputs},     {"data line, group 2", 4, 2, &kDataLineOutputs},
    };
    for (const Case& c : cases) {
        for (int index = 0; index <= static_cast<int>(c.list->size()) + 1; ++index) {
            AusgangParam output;
            output.type = c.type;
            output.group = c.group;
            output.index = static_cast<BYTE>(index);
            output.digit = 2;
            const std::string expected = Item(*c.list, index);
            EXPECT_EQ(std::string(m_texte.GetAusgangBezeichnung(2, output)), expected) << c.name << ", " << index;
            EXPECT_EQ(std::string(m_texte.GetAusgangText(2, output)), expected + "2") << c.name << ", " << index;
        }
    }
    AusgangParam unused;
    unused.index = 1;
    unused.digit = 5;
    EXPECT_STREQ(m_texte.GetAusgangBezeichnung(2, unused), "------------");
    EXPECT_STREQ(m_texte.GetAusgangText(2, unused), "inutiliz.");
    unused.type = 5;
    EXPECT_STREQ(m_texte.GetAusgangText(2, unused), "------------5");
}

TEST_F(CTexteAnlageTest, MessageCausesTypesAndDrawingTexts)
{
    struct Case {
        int type, group, index, digit;
        const char* cause;
        const char* drawing;
    };
    const Case cases[] = {
        {1, 0, 0, 0, "------------", "  - - - - - - -  "},
        {1, 0, 0, 3, "------------", "  ------------3  "},
        {1, 0, 11, 0, "Rete", "  Rete  "},
        {1, 0, 12, 1, "------------", "  ------------1  "},
        {0, 2, 1, 9, "Circolatione", "  Circolatione9  "},  // every group but 1 is the list of causes
        {3, 1, 16, 0, "USER16", "  USER16  "},
        {3, 1, 17, 0, "------------", "  - - - - - - -  "},
        {3, 1, 0, 10, "------------", "  - - - - - - -  "},
    };
    for (const Case& c : cases) {
        MeldungParam message;
        message.type = static_cast<BYTE>(c.type);
        message.group = static_cast<BYTE>(c.group);
        message.index = static_cast<BYTE>(c.index);
        message.digit = static_cast<BYTE>(c.digit);
        EXPECT_STREQ(m_texte.GetMeldungBezeichnung(2, message), c.cause) << c.drawing;
        EXPECT_STREQ(m_texte.GetMeldungBezeichnungText(2, message), c.drawing);
    }
    for (int index = 0; index <= 12; ++index) {
        MeldungParam message;
        message.index = static_cast<BYTE>(index);
        EXPECT_EQ(std::string(m_texte.GetMeldungBezeichnung(2, message)), Item(kCauses, index)) << index;
    }
    const char* const types[] = {"  inutilizzato  ", "  ERRORE  ", "  AVVISO  ", "  GUASTO  ", "  MESSAGGIO  ",
                                 "  inutilizzato  "};
    for (int type = 0; type <= 5; ++type) {
        MeldungParam message;
        message.type = static_cast<BYTE>(type);
        EXPECT_STREQ(m_texte.GetMeldungsArt(2, message), types[type]) << type;
    }
}

TEST_F(CTexteAnlageTest, UserDesignationsComeFromTheGivenWorkingFile)
{
    ASSERT_TRUE(m_para->CreateEmptyFile(CParaDaten::kParaFile));
    ASSERT_TRUE(m_para->SetUserBezeichnung(1, 3, "Nel file 1"));
    EXPECT_STREQ(m_texte.GetEingangText(1, Input(1, 1, 0, 1, 3, 2)), "Nel file 12");
    EXPECT_STREQ(m_texte.GetEingangText(2, Input(1, 1, 0, 1, 3, 2)), "USER032");
}
