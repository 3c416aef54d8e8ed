// The drawing reader: objects, pins, id lists, text ids, the library check and the numbers with their write-back.
#include "DrawingTestSupport.h"

#include "drawing/CZeichnung.h"
#include "drawing/DrawingServices.h"

#include <vector>

using namespace drawingtest;

namespace {

class Protokoll : public drawing::DrawingServices {
public:
    void WriteProtokoll(int code, const CString& text) override { entries.push_back({code, text.str()}); }
    std::vector<std::pair<int, std::string>> entries;
};

class CZeichnungTest : public InTempFolder {
protected:
    void SetUp() override
    {
        InTempFolder::SetUp();
        drawing::SetServices(&m_protokoll);
        const std::string objects =
            Obj("rectangle", 100, "Eingang$1",
                Group("rectangle", 101, "Biblio-Vers 11") + Text(102, "Bezeichnung", "  Au&#223;en  ") +
                    Text(103, "Index", "4") + Connector(104, "Eingang", {900})) +
            Obj("rectangle", 200, "Heizkreisregler$3",
                Group("rectangle", 201, "Biblio-Vers 12") + Text(202, "Bezeichnung", "HK") +
                    Connector(203, "Freigabe Pumpe", {900}) + Text(204, "Freigabe Pumpe", "P")) +
            Obj("rectangle", 300, "Meldung$2",
                Text(301, "Meldungstyp", "Typ") + Text(302, "Meldungsursache", "Ursache") +
                    Connector(303, "Meldung aktiv", {})) +
            Obj("rectangle", 400, "Ausgang$2", Text(401, "Index", "2") + Connector(402, "AusgangOut", {})) +
            Obj("rectangle", 500, "Mischer_Ausgang$3",
                Text(501, "Index_1", "3") + Text(502, "Index_2", "4") + Connector(503, "AusgangIn", {})) +
            Obj("polylinie", 600, "Netzwerkausgang$5",
                Text(601, "Index", "5") + Text(602, "Type", " Temp ") + Text(603, "NWK", "7") +
                    Text(604, "NWA", "2") + Connector(605, "NW_Eingang", {})) +
            Obj("polylinie", 610, "Netzwerkausgang$5", Text(611, "Index", "5")) +
            Obj("polylinie", 620, "Netzwerkausgang$0", "") +
            Obj("polylinie", 630, "Netzwerkausgang$20", Text(631, "Index", "20")) +
            Obj("polylinie", 700, "Knotenpunkt", Connector(701, "a", {900}));
        ASSERT_EQ(Parse(Doc(objects)), 0);
    }
    void TearDown() override
    {
        drawing::SetServices(nullptr);
        InTempFolder::TearDown();
    }
    Protokoll m_protokoll;
};

TEST_F(CZeichnungTest, ObjectsByIndexAndById)
{
    CZeichnung z;
    EXPECT_EQ(z.GetObjektAnzahl(), 9);
    ObjektInfo info;
    EXPECT_FALSE(z.GetObjekt(0, info));
    EXPECT_FALSE(z.GetObjekt(10, info));
    ASSERT_TRUE(z.GetObjekt(1, info));
    EXPECT_EQ(info.art, "Eingang");
    EXPECT_EQ(info.objektId, 100);
    EXPECT_EQ(info.bibliotheksVersion, 11);
    EXPECT_EQ(info.bezeichnung, "Außen");
    EXPECT_EQ(info.bezeichnungId, 102);
    EXPECT_EQ(z.FindObjekt(300), 3);
    EXPECT_EQ(z.FindObjekt(700), 0);  // a junction has no record
    EXPECT_FALSE(z.SeekObjekt(12345));
    int textId = 0;
    ASSERT_TRUE(z.GetTextId(200, textId));
    EXPECT_EQ(textId, 202);
    ASSERT_TRUE(z.GetTextId2(300, textId));
    EXPECT_EQ(textId, 302);
    EXPECT_FALSE(z.GetTextId(999, textId));
    EXPECT_FALSE(z.GetTextId2(999, textId));
}

TEST_F(CZeichnungTest, PinsOfFunctionsAndPlantObjects)
{
    CZeichnung z;
    PinInfo pin;
    ASSERT_TRUE(z.GetPin(2, 200, pin));
    EXPECT_EQ(pin.name, "Freigabe Pumpe");
    EXPECT_EQ(pin.pinId, 203);
    EXPECT_EQ(pin.verbindungsart, 6);
    EXPECT_EQ(pin.labelId, 204);
    // Past the pins of its kind the record is blank.
    ASSERT_TRUE(z.GetPin(14, 200, pin));
    EXPECT_EQ(pin.name, "");
    EXPECT_EQ(pin.pinId, -1);
    // Pin 0, and pins beyond the object's own record, are refused.
    EXPECT_FALSE(z.GetPin(0, 200, pin));
    EXPECT_FALSE(z.GetPin(22, 200, pin));
    EXPECT_FALSE(z.GetPin(1, 999, pin));
    ASSERT_TRUE(z.GetPinOfKind("Ausgang", 2, 400, pin));
    EXPECT_EQ(pin.name, "AusgangOut");
    EXPECT_EQ(pin.verbindungsart, 16);
    ASSERT_TRUE(z.GetPinOfKind("Netzwerkausgang", 1, 600, pin));
    EXPECT_EQ(pin.pinId, 605);
    ObjektInfo info;
    ASSERT_TRUE(z.FindPin(500, 503, info, pin));
    EXPECT_EQ(info.art, "Mischer_Ausgang");
    EXPECT_EQ(pin.verbindungsart, 15);
    ASSERT_TRUE(z.FindPin(100, 104, info, pin));
    EXPECT_EQ(pin.verbindungsart, 1);
    EXPECT_FALSE(z.FindPin(200, 999, info, pin));
}

TEST_F(CZeichnungTest, PinCountsAndConnectionKindNames)
{
    struct Case {
        const char* art;
        int pins;
    } cases[] = {{"Eingang", 1},  {"Ausgang", 2},         {"Meldung", 4},        {"Heizkreisregler", 13},
                 {"Kesselkaskade", 15}, {"Solarvorrang", 3}, {"Netzwerkausgang", 1}, {"Knotenpunkt", 0},
                 {"Signal_Übergabe", 0}, {"Online_Rahmen", 0}, {"eingang", 0}};
    for (const Case& c : cases) EXPECT_EQ(CZeichnung::GetPinAnzahl(c.art), c.pins) << c.art;
    EXPECT_EQ(CZeichnung::GetVerbindungsartName(1), "Sensor");
    EXPECT_EQ(CZeichnung::GetVerbindungsartName(2), "");
    EXPECT_EQ(CZeichnung::GetVerbindungsartName(12), "OutpIn");
    EXPECT_EQ(CZeichnung::GetVerbindungsartName(19), "NetStatus");
    EXPECT_EQ(CZeichnung::GetVerbindungsartName(20), "");
    EXPECT_EQ(CZeichnung::GetVerbindungsartName(-1), "");
}

TEST_F(CZeichnungTest, FunctionAndMessageIdsAreIndexedWithFullWidth)
{
    std::string ids;
    for (int n = 0; n < 300; ++n) ids += Int(1000 + n) + Int(n % 23 + 1) + Int(n % 44);
    WriteFile("para/FuncIDs.tmp", ids);
    CZeichnung z;
    int id = 0, typ = 0;
    BYTE nummer = 0;
    ASSERT_TRUE(z.GetFuncID(257, id, typ, nummer));
    EXPECT_EQ(id, 1257);
    EXPECT_EQ(typ, 257 % 23 + 1);
    EXPECT_EQ(nummer, 257 % 44);
    EXPECT_FALSE(z.GetFuncID(300, id, typ, nummer));
    EXPECT_FALSE(z.GetFuncID(-1, id, typ, nummer));
    ASSERT_TRUE(z.GetMeldungID(0, id, nummer));
    EXPECT_EQ(id, 300);
    EXPECT_EQ(nummer, 2);
    EXPECT_FALSE(z.GetMeldungID(1, id, nummer));
}

TEST_F(CZeichnungTest, LibraryCheck)
{
    CZeichnung z;
    ObjektInfo info;
    ASSERT_TRUE(z.GetObjekt(2, info));
    EXPECT_EQ(z.CheckBibliotheksVersion(info), 4);
    ASSERT_EQ(m_protokoll.entries.size(), 1u);
    EXPECT_EQ(m_protokoll.entries[0].first, 1);
    EXPECT_EQ(m_protokoll.entries[0].second,
              "È incompatibile l’oggetto della libreria \"Heizkreisregler\" (\"HK\") a questa versione di VORNA più "
              "vecchia. (Versione dell‘oggetto = 1.2 / Versione supportata = 1.1)");
    info.bibliotheksVersion = 10;
    EXPECT_EQ(z.CheckBibliotheksVersion(info), 0);
    info.art = "Knotenpunkt";
    EXPECT_EQ(z.CheckBibliotheksVersion(info), 4);
    ASSERT_EQ(m_protokoll.entries.size(), 2u);
    EXPECT_EQ(m_protokoll.entries[1].second, "Oggetto della libreria sconosciuto: \"Knotenpunkt\"");
}

TEST_F(CZeichnungTest, NumbersAreReadAndWrittenBackField)
{
    CZeichnung first;
    CZeichnung second;
    BYTE nummer = 0;
    int textId = 0, textId2 = 0;
    ASSERT_TRUE(first.GetEingangNr(100, nummer, textId));
    EXPECT_EQ(nummer, 4);
    EXPECT_EQ(textId, 103);
    ASSERT_TRUE(first.SetEingangNr(100, 9));
    ASSERT_TRUE(second.SetMischerNr(500, 10));
    // Each reader wrote only its own fields: neither undid the other's number.
    CZeichnung after;
    ASSERT_TRUE(after.GetEingangNr(100, nummer, textId));
    EXPECT_EQ(nummer, 9);
    ASSERT_TRUE(after.GetMischerNr(500, nummer, textId, textId2));
    EXPECT_EQ(nummer, 10);
    EXPECT_EQ(textId, 501);
    EXPECT_EQ(textId2, 502);
    const std::string ks = ReadFile("para/KS_Objects.tmp");
    EXPECT_EQ(ks.substr(4 * 1400 + 90, 40), Int(10) + Int(501) + Int(11) + Int(502));
    EXPECT_FALSE(after.SetEingangNr(999, 1));

    const std::string before = ReadFile("para/KS_Objects.tmp");
    EXPECT_FALSE(after.SetNetzNr("Eingang", 600, 3));
    EXPECT_EQ(ReadFile("para/KS_Objects.tmp"), before);
    ASSERT_TRUE(after.SetNetzNr("Netzwerkausgang", 620, 3));
    ASSERT_TRUE(after.GetNetzNr(620, nummer, textId));
    EXPECT_EQ(nummer, 3);
}

TEST_F(CZeichnungTest, NetworkDataAndOutputCounts)
{
    CZeichnung z;
    CString typ;
    int typId = 0, knotenId = 0, ausgangId = 0;
    BYTE knoten = 0, ausgang = 0;
    ASSERT_TRUE(z.GetNetzDaten(600, typ, typId, knoten, knotenId, ausgang, ausgangId));
    EXPECT_EQ(typ, "Temp");
    EXPECT_EQ(typId, 602);
    EXPECT_EQ(knoten, 7);
    EXPECT_EQ(knotenId, 603);
    EXPECT_EQ(ausgang, 2);
    EXPECT_EQ(ausgangId, 604);
    BYTE analog[16], digital[16];
    ASSERT_TRUE(z.CountNetzAusgaenge(analog, digital));
    EXPECT_EQ(digital[4], 2);
    EXPECT_EQ(analog[3], 1);
    int total = 0;
    for (int i = 0; i < 16; ++i) total += analog[i] + digital[i];
    EXPECT_EQ(total, 3);  // the output numbered 0 counts nowhere
    EXPECT_TRUE(z.CountNetzAusgaenge(nullptr, digital));
}

TEST_F(CZeichnungTest, ReaderWithoutFilesAnswersNothing)
{
    std::filesystem::remove_all("para");
    std::filesystem::create_directory("para");
    CZeichnung z;
    ObjektInfo info;
    PinInfo pin;
    BYTE nummer = 0;
    int id = 0, typ = 0;
    EXPECT_EQ(z.GetObjektAnzahl(), 0);
    EXPECT_FALSE(z.GetObjekt(1, info));
    EXPECT_EQ(z.FindObjekt(100), 0);
    EXPECT_FALSE(z.GetPin(1, 100, pin));
    EXPECT_FALSE(z.GetFuncID(0, id, typ, nummer));
    EXPECT_FALSE(z.GetEingangNr(100, nummer, id));
    CVerbindungsListe liste;
    EXPECT_EQ(z.FindPartner(100, 104, liste), 0);
}

}  // namespace
