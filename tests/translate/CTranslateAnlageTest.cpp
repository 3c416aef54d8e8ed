// Translation of plant objects and messages against a working copy with known inputs, outputs, network entries and
// messages.
#include "translate/CTranslate.h"

#include "TranslateTestFolder.h"

#include <string>
#include <vector>

namespace {

using Lines = std::vector<std::string>;

EingangParam Input(int type, int quantity, int group, int index, int digit)
{
    EingangParam input;
    input.type = type;
    input.quantity = quantity;
    input.group = group;
    input.index = static_cast<BYTE>(index);
    input.digit = static_cast<BYTE>(digit);
    return input;
}

AusgangParam Output(int type, int index, int digit)
{
    AusgangParam output;
    output.type = type;
    output.index = static_cast<BYTE>(index);
    output.digit = static_cast<BYTE>(digit);
    return output;
}

NetzEingang NetInput(int transport, int node, int output)
{
    return NetzEingang{static_cast<BYTE>(transport), static_cast<BYTE>(node), static_cast<BYTE>(output)};
}

class CTranslateAnlageTest : public TranslateTestFolder {
protected:
    void SetUp() override
    {
        TranslateTestFolder::SetUp();
        ASSERT_TRUE(m_para->SetEingang(2, 7, Input(2, 1, 2, 5, 3)));  // "T.Bolittore3"
        ASSERT_TRUE(m_para->SetEingang(2, 2, Input(1, 1, 0, 2, 0)));  // "Flussostato"
        // A mixer on 3 covers 4; on 8 it covers 9; on 5 (no mixer pair) it covers nothing.
        ASSERT_TRUE(m_para->SetAusgang(2, 3, Output(3, 1, 0)));  // "Misc.C.Risc"
        ASSERT_TRUE(m_para->SetAusgang(2, 4, Output(1, 2, 0)));  // "Pompa-Solare", hidden by the mixer
        ASSERT_TRUE(m_para->SetAusgang(2, 5, Output(3, 2, 0)));  // "Misc.Iniz.RT"
        ASSERT_TRUE(m_para->SetAusgang(2, 6, Output(1, 3, 0)));  // "Pompa Carico"
        ASSERT_TRUE(m_para->SetAusgang(2, 8, Output(3, 2, 1)));  // "Misc.Iniz.RT1"
        ASSERT_TRUE(m_para->SetAusgang(2, 9, Output(1, 1, 0)));  // "Pompa-C.Ris.", hidden by the mixer
        NetzEingang digital[16] = {};
        NetzEingang analog[16] = {};
        digital[2] = NetInput(1, 0, 7);   // input 3: no node sends it
        digital[4] = NetInput(1, 12, 3);  // input 5 over the data line from node 12, its output 3
        analog[3] = NetInput(0, 40, 9);   // input 20 over CAN from node 40, its output 9
        ASSERT_TRUE(m_para->SetNetzEingaengeDigital(2, digital));
        ASSERT_TRUE(m_para->SetNetzEingaengeAnalog(2, analog));
        NetzwerkParam network;
        network.node = 7;
        network.release = 1;
        ASSERT_TRUE(m_para->SetNetzwerk(2, network));
    }
};

TEST_F(CTranslateAnlageTest, PlantObjectsByKindAndNumber)
{
    // Ids: 10 the designation, 11 the number text, 12 the kind letter, 13 the title; 14 to 17 the network labels
    // and values; 21 to 23 the second output of a mixer.
    struct Case {
        const char* name;
        std::string kind;
        std::vector<int> values;
        Lines expected;
    };
    const std::string dl = "   Rete - var. di ingresso (DL)   ";
    const std::string can = "   Rete - var. di ingresso (CAN)   ";
    const std::string plain = "   Rete - variabile di ingresso   ";
    const std::string out = "   Rete - variabile di uscita   ";
    const std::string status = "  S t a t o   d e l l a   r e t e  ";
    const std::string sensor = " Stato  del  sensore:";
    const Case cases[] = {
        {"input 7", "Eingang", {7, 11, 12}, {Cmd(12, " S "), Cmd(10, "T.Bolittore3")}},
        {"input 16, not in use", "Eingang", {16, 11, 12}, {Cmd(12, " S "), Cmd(10, "inutiliz.")}},
        {"input 0", "Eingang", {0, 11, 12}, {Cmd(12, " S "), Cmd(11, "0"), Cmd(10, "inutiliz.")}},
        {"input 17", "Eingang", {17, 11, 12}, {Cmd(12, " S "), Cmd(11, "0"), Cmd(10, "inutiliz.")}},
        {"sensor status 2", "Sensorstatus", {2, 11, 13, 12}, {Cmd(13, sensor), Cmd(12, " S "), Cmd(10, "Flussostato")}},
        {"sensor status 17", "Sensorstatus", {17, 11, 13, 12},
         {Cmd(13, sensor), Cmd(12, " S "), Cmd(10, "tutti i sensori")}},
        {"sensor status 18", "Sensorstatus", {18, 11, 13, 12},
         {Cmd(13, sensor), Cmd(12, " S "), Cmd(11, "0"), Cmd(10, "inutiliz.")}},
        {"output 3, a mixer", "Ausgang", {3, 11, 12}, {Cmd(12, " U "), Cmd(10, "Misc.C.Risc")}},
        {"output 4 behind the mixer on 3", "Ausgang", {4, 11, 12}, {Cmd(12, " U "), Cmd(10, "Misc.C.Risc")}},
        {"output 6 after a mixer on 5", "Ausgang", {6, 11, 12}, {Cmd(12, " U "), Cmd(10, "Pompa Carico")}},
        {"output 9 behind the mixer on 8", "Ausgang", {9, 11, 12}, {Cmd(12, " U "), Cmd(10, "Misc.Iniz.RT1")}},
        {"output 15 is no switching output", "Ausgang", {15, 11, 12},
         {Cmd(12, " U "), Cmd(11, "0"), Cmd(10, "inutiliz.")}},
        {"mixer output 8", "Mischer_Ausgang", {8, 11, 13, 12, 5, 21, 23, 22},
         {Cmd(13, "Miscel. APERTO"), Cmd(23, "Miscel. CHIUSO"), Cmd(12, " U "), Cmd(22, " U "),
          Cmd(10, "Misc.Iniz.RT1")}},
        {"mixer output 4", "Mischer_Ausgang", {4, 11, 13, 12, 5, 21, 23, 22},
         {Cmd(13, "Miscel. APERTO"), Cmd(23, "Miscel. CHIUSO"), Cmd(12, " U "), Cmd(22, " U "), Cmd(11, "0"),
          Cmd(21, "0"), Cmd(10, "inutiliz.")}},
        {"analog output 15", "Analog_Ausgang", {15, 11, 13, 12},
         {Cmd(13, " Uscita analogica"), Cmd(12, " U "), Cmd(10, " ")}},
        {"analog output 14", "Analog_Ausgang", {14, 11, 13, 12},
         {Cmd(13, " Uscita analogica"), Cmd(12, " U "), Cmd(11, "0"), Cmd(10, "inutiliz.")}},
        {"signal hand-over", "Signal_Übergabe", {31}, {Cmd(31, " Trasferimento segnale ")}},
        {"signal take-over", "Signal_Übernahme", {31}, {Cmd(31, " Accettazione segnale ")}},
        {"network input 5", "Netzwerkeingang", {5, 11, 13, 12, 14, 15, 16, 17},
         {Cmd(13, dl), Cmd(12, "R"), Cmd(10, "DIGITAL5"), Cmd(14, "NOR:"), Cmd(15, "12"), Cmd(16, "USR:"),
          Cmd(17, "3")}},
        {"network input 3 that no node sends", "Netzwerkeingang", {3, 11, 13, 12, 14, 15, 16, 17},
         {Cmd(13, plain), Cmd(12, "R"), Cmd(10, "DIGITAL3"), Cmd(14, "NOR:"), Cmd(15, "0"), Cmd(16, "USR:"),
          Cmd(17, "0")}},
        {"network input 20", "Netzwerkeingang", {20, 11, 13, 12, 14, 15, 16, 17},
         {Cmd(13, can), Cmd(12, "R"), Cmd(10, "ANALOG.4"), Cmd(14, "NOR:"), Cmd(15, "40"), Cmd(16, "USR:"),
          Cmd(17, "9")}},
        {"network input 0", "Netzwerkeingang", {0, 11, 13, 12, 14, 15, 16, 17},
         {Cmd(13, plain), Cmd(12, "R"), Cmd(11, "0"), Cmd(10, "inutiliz."), Cmd(14, "NOR:"), Cmd(15, "0"),
          Cmd(16, "USR:"), Cmd(17, "0")}},
        {"network status 5", "Netzwerkstatus", {5, 11, 13, 12}, {Cmd(13, status), Cmd(12, "R"), Cmd(10, "DIGITAL5")}},
        {"network status 33", "Netzwerkstatus", {33, 11, 13, 12},
         {Cmd(13, status), Cmd(12, "R"), Cmd(10, "tutti gli ingr. della rete")}},
        {"network status 34", "Netzwerkstatus", {34, 11, 13, 12},
         {Cmd(13, status), Cmd(12, "R"), Cmd(11, "0"), Cmd(10, "inutiliz.")}},
        {"network output 1", "Netzwerkausgang", {1, 11, 13, 12, 14, 15, 16, 17},
         {Cmd(13, out), Cmd(12, "R"), Cmd(10, "DIGITAL1"), Cmd(14, "NOR:"), Cmd(15, "7"), Cmd(16, "USR:"),
          Cmd(17, "1")}},
        {"network output 17", "Netzwerkausgang", {17, 11, 13, 12, 14, 15, 16, 17},
         {Cmd(13, out), Cmd(12, "R"), Cmd(10, "ANALOG.1"), Cmd(14, "NOR:"), Cmd(15, "7"), Cmd(16, "USR:"),
          Cmd(17, "1")}},
        {"network output 20", "Netzwerkausgang", {20, 11, 13, 12, 14, 15, 16, 17},
         {Cmd(13, out), Cmd(12, "R"), Cmd(10, "ANALOG.4"), Cmd(14, "NOR:"), Cmd(15, "7"), Cmd(16, "USR:"),
          Cmd(17, "4")}},
        {"network output 33", "Netzwerkausgang", {33, 11, 13, 12, 14, 15, 16, 17},
         {Cmd(13, out), Cmd(12, "R"), Cmd(11, "0"), Cmd(10, "inutiliz."), Cmd(14, "NOR:"), Cmd(15, "0"),
          Cmd(16, "USR:"), Cmd(17, "0")}},
    };
    for (const Case& c : cases) {
        const Lines lines = Translate(Record(c.kind, 1, 11, 10, c.values));
        EXPECT_EQ(lines, c.expected) << c.name << "\n" << Show(lines);
    }
}

TEST_F(CTranslateAnlageTest, OwnNodeOfANewSetIsRepaired)
{
    ASSERT_TRUE(m_para->CreateEmptyFile(2));
    const Lines lines = Translate(Record("Netzwerkausgang", 1, 11, 10, {2, 11, 13, 12, 14, 15, 16, 17}));
    ASSERT_EQ(lines.size(), 7u) << Show(lines);
    // A never written node number is no node 1 to 62: the repaired one goes into the drawing.
    EXPECT_EQ(lines[4], Cmd(15, "1")) << Show(lines);
}

class CTranslateMeldungTest : public TranslateTestFolder {
protected:
    void SetUp() override
    {
        TranslateTestFolder::SetUp();
        ASSERT_TRUE(m_para->CreateMeldung(2, 600, nullptr));
        ASSERT_TRUE(m_para->CreateMeldung(2, 610, nullptr));
        const BYTE slot = m_para->FindMeldungSlot(2, 600);
        ASSERT_NE(slot, 0);
        MeldungParam message;
        ASSERT_TRUE(m_para->GetMeldung(2, slot, message, false));
        message.type = kMeldungFehler;
        message.group = 0;
        message.index = 11;  // "Rete"
        message.digit = 2;
        message.release = {0, 0, 0};   // no source, fixed OFF
        message.activate = {1, 1, 3};  // input 3, inverted
        message.cancel = {0, 0, 1};    // no source, fixed ON
        ASSERT_TRUE(m_para->SetMeldung(2, slot, message));
    }

    // Ids 31 to 41 in the file's order; 30 the cause ("Meldungsursache").
    static std::string MessageRecord(int objectId)
    {
        return Record("Meldung", objectId, 11, 30, {31, 32, 33, 34, 35, 36, 37, 38, 39, 40, 41}, "Kessel");
    }
};

TEST_F(CTranslateMeldungTest, TextsOfAMessageFromItsSlot)
{
    const Lines lines = Translate(MessageRecord(600));
    const Lines expected = {
        Cmd(31, "Tipo:"),
        Cmd(32, "  Messaggio  "),
        Cmd(33, "Tipo di mess.:"),
        Cmd(34, "  ERRORE  "),
        Cmd(35, "Causa mess.:"),
        Cmd(30, "  Rete2  "),
        Cmd(36, "Var. ingresso:"),
        Cmd(37, "Var. uscita:"),
        Cmd(38, "ABL messaggio (OFF)"),
        Cmd(39, "Attiv. messaggio (inv.)"),
        Cmd(40, "Canc. messaggio"),
        Cmd(41, "Messaggio attivo"),
    };
    EXPECT_EQ(lines, expected) << Show(lines);
}

TEST_F(CTranslateMeldungTest, AMessageWithoutSlotGetsItsConstantTextsOnly)
{
    const Lines constant = {
        Cmd(31, "Tipo:"),          Cmd(32, "  Messaggio  "), Cmd(33, "Tipo di mess.:"), Cmd(35, "Causa mess.:"),
        Cmd(36, "Var. ingresso:"), Cmd(37, "Var. uscita:"),  Cmd(41, "Messaggio attivo"),
    };
    // 999 is no object of the set; 0 and -1 would otherwise find the first free slot.
    for (int id : {999, 0, -1}) {
        const Lines lines = Translate(MessageRecord(id));
        EXPECT_EQ(lines, constant) << "object " << id << "\n" << Show(lines);
    }
    // The second message is a new one: its own record, not the first one's.
    const Lines lines = Translate(MessageRecord(610));
    ASSERT_EQ(lines.size(), 12u) << Show(lines);
    EXPECT_EQ(lines[3], Cmd(34, "  inutilizzato  "));
    EXPECT_EQ(lines[5], Cmd(30, "  - - - - - - -  "));
}

}  // namespace
