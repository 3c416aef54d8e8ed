// Sources of pins from "Connections.tmp": what a partner stands for, output flags, mixer start, network outputs.
#include "DrawingTestSupport.h"

#include "drawing/CZeichnung.h"
#include "drawing/DrawingServices.h"
#include "drawing/StoreDrawingReader.h"

#include <map>

using namespace drawingtest;

namespace {

// The store and text answers the sources need: function numbers and message slots by object id, and the
// output-variable numbers of function pins.
class FakeServices : public drawing::DrawingServices {
public:
    int GetAusgangVariableNr(const CString& kind, const CString& pin) override
    {
        if (kind == "Vergleich" && pin == "Ergebnis") return 1;
        if (kind == "Vergleich" && pin == "Ergebnis invers") return 2;
        return 0;
    }
    int FindMeldungSlot(int objectId) override { return objectId == 300 ? 2 : 0; }
    int GetFunktionsNummer(int objectId) override
    {
        auto it = functions.find(objectId);
        return it == functions.end() ? -1 : it->second;
    }
    std::map<int, int> functions{{200, 4}, {210, 44}, {220, 255}};
};

std::string Record(int objekt, int pin, std::initializer_list<std::pair<int, int>> partners)
{
    std::string r = Int(objekt) + Int(pin) + Int(static_cast<int>(partners.size()));
    for (auto [o, p] : partners) r += Int(o) + Int(p);
    return r;
}

class QuellenTest : public InTempFolder {
protected:
    void SetUp() override
    {
        InTempFolder::SetUp();
        drawing::SetServices(&m_services);
        std::string objects;
        for (int n : {5, 0, 17})
            objects += Obj("rectangle", 100 + n, "Eingang", Text(1, "Index", std::to_string(n)) + Connector(150 + n, "Eingang", {}));
        objects += Obj("rectangle", 130, "Sensorstatus", Text(1, "Index", "17") + Connector(131, "Sensorstatus", {}));
        objects += Obj("rectangle", 140, "Netzwerkeingang", Text(1, "Index", "32"));
        objects += Obj("rectangle", 145, "Netzwerkstatus", Text(1, "Index", "34"));
        for (int f : {200, 210, 220, 230})
            objects += Obj("rectangle", f, "Vergleich$1",
                           Connector(f + 1, "Freigabe Funktion", {}) + Connector(f + 2, "Wert a", {}) +
                               Connector(f + 4, "Ergebnis", {}) + Connector(f + 5, "Ergebnis invers", {}));
        objects += Obj("rectangle", 300, "Meldung$1", Connector(301, "Meldung aktiv", {}));
        objects += Obj("rectangle", 310, "Meldung$2", Connector(311, "Meldung aktiv", {}));
        for (int a : {3, 11, 16, 1, 15})
            objects += Obj("rectangle", 400 + a, a >= 15 ? "Analog_Ausgang" : "Ausgang",
                           Text(1, "Index", std::to_string(a)) + Connector(450 + a, "AusgangIn", {}));
        objects += Obj("rectangle", 500, "Mischer_Ausgang", Text(1, "Index_1", "10") + Connector(501, "AusgangIn", {}));
        objects += Obj("rectangle", 600, "Netzwerkausgang", Text(1, "Index", "20") + Connector(601, "NW_Eingang", {}));
        objects += Obj("rectangle", 610, "Netzwerkausgang", Text(1, "Index", "3") + Connector(611, "NW_Eingang", {}));
        objects += Obj("rectangle", 620, "Netzwerkausgang", Text(1, "Index", "3") + Connector(621, "NW_Eingang", {}));
        ASSERT_EQ(Parse(Doc(objects)), 0);
        WriteFile("para/Connections.tmp",
                  Record(200, 201, {}) + Record(200, 202, {{105, 155}}) + Record(210, 212, {{100, 150}, {105, 155}}) +
                      Record(200, 204, {{403, 453}, {411, 461}, {100, 150}}) + Record(200, 205, {{416, 466}}) +
                      Record(210, 214, {{500, 501}, {403, 453}}) + Record(600, 601, {{105, 155}}) +
                      Record(610, 611, {{130, 131}}) + Record(620, 621, {{200, 204}}));
    }
    void TearDown() override
    {
        drawing::SetServices(nullptr);
        InTempFolder::TearDown();
    }
    FakeServices m_services;
};

TEST_F(QuellenTest, SourceOfAPartnerByItsKind)
{
    struct Case {
        int objekt, pin;
        BYTE art, nummer;  // expected, from a start of (77, 88)
        bool found;
    } cases[] = {
        {105, 155, 1, 5, true},     {100, 150, 0, 88, true},   {117, 167, 0, 88, true},  {130, 131, 97, 17, true},
        {140, 0, 99, 32, true},     {145, 0, 0, 88, true},     {300, 301, 98, 2, true},  {310, 311, 0, 88, true},
        {200, 204, 7, 1, true},     {200, 205, 7, 2, true},    {200, 201, 0, 255, true}, {210, 214, 47, 1, true},
        {220, 224, 0, 255, true},   {230, 234, 0, 255, true},  {403, 453, 2, 3, true},   {999, 1, 77, 88, false},
    };
    CZeichnung z;
    for (const Case& c : cases) {
        BYTE art = 77, nummer = 88;
        EXPECT_EQ(z.GetQuelle(c.objekt, c.pin, art, nummer), c.found) << c.objekt;
        EXPECT_EQ(art, c.art) << c.objekt;
        EXPECT_EQ(nummer, c.nummer) << c.objekt;
    }
}

TEST_F(QuellenTest, PinSourceFromTheFirstRecordedPartner)
{
    CZeichnung z;
    Quelle q{9, 9};
    z.GetPinQuelle(200, 2, q);  // "Wert a" wired to input 5
    EXPECT_EQ(q, (Quelle{1, 5}));
    q = {9, 9};
    z.GetPinQuelle(200, 1, q);  // a record with no partner: kind 0, the user's number stays
    EXPECT_EQ(q, (Quelle{0, 9}));
    q = {9, 9};
    z.GetPinQuelle(210, 2, q);  // wired to an input still unnumbered (first partner)
    EXPECT_EQ(q, (Quelle{0, 9}));
    q = {9, 9};
    z.GetPinQuelle(999, 1, q);  // no such object: nothing changes
    EXPECT_EQ(q, (Quelle{9, 9}));
    q = {9, 9};
    z.GetPinQuelle(230, 2, q);  // a pin without a record
    EXPECT_EQ(q, (Quelle{0, 9}));
}

TEST_F(QuellenTest, OutputFlagsSixFlagsAndMixerStart)
{
    CZeichnung z;
    BYTE flags[16];
    std::fill(flags, flags + 16, 7);
    z.GetAusgangFlags(200, 4, flags);  // "Ergebnis" drives outputs 3 and 11; the input partner is ignored
    for (int i = 0; i < 16; ++i) EXPECT_EQ(flags[i], i == 2 || i == 10 ? 1 : 0) << i;
    BYTE six[6];
    z.GetSechsAusgangFlags(200, 5, six);  // "Ergebnis invers" drives analog output 16
    EXPECT_EQ(std::vector<BYTE>(six, six + 6), (std::vector<BYTE>{0, 0, 0, 0, 0, 1}));
    EXPECT_EQ(z.GetMischerStartAusgang(210, 4), 3);   // output 3 comes first in the order 3, 8, 10, 12
    EXPECT_EQ(z.GetMischerStartAusgang(200, 5), 0);
    std::fill(flags, flags + 16, 7);
    z.GetAusgangFlags(999, 4, flags);
    for (int i = 0; i < 16; ++i) EXPECT_EQ(flags[i], 0);
}

TEST_F(QuellenTest, MixerPairFlagsItsFirstOutput)
{
    WriteFile("para/Connections.tmp", Record(210, 214, {{500, 501}}));
    CZeichnung z;
    EXPECT_EQ(z.GetMischerStartAusgang(210, 4), 10);
}

TEST_F(QuellenTest, NetworkOutputSourcesTables)
{
    CZeichnung z;
    Quelle analog[16], digital[16];
    for (int i = 0; i < 16; ++i) analog[i] = digital[i] = {5, 5};
    z.GetNetzAusgaengeAnalog(analog);
    z.GetNetzAusgaengeDigital(digital);
    for (int i = 0; i < 16; ++i) {
        EXPECT_EQ(analog[i], (i == 3 ? Quelle{1, 5} : Quelle{0, 0})) << i;
        // Two objects numbered 3: the later one wins.
        EXPECT_EQ(digital[i], (i == 2 ? Quelle{7, 1} : Quelle{0, 0})) << i;
    }
}

TEST_F(QuellenTest, StoreCompletesRecordsThroughTheDrawing)
{
    drawing::StoreDrawingReader reader;
    // Fields: source kind and number of "Wert a" at 0/1, the flags of "Ergebnis" at 2..17, six flags at 18..23.
    const DrawingReader::PinCompletion pins[] = {{DrawingReader::PinCompletion::Source, 2, 0, 1},
                                                 {DrawingReader::PinCompletion::Flags16, 4, 2},
                                                 {DrawingReader::PinCompletion::Flags6, 5, 18}};
    BYTE fields[24];
    std::fill(fields, fields + 24, 9);
    reader.Complete(200, pins, fields);
    EXPECT_EQ(fields[0], 1);
    EXPECT_EQ(fields[1], 5);
    for (int i = 0; i < 16; ++i) EXPECT_EQ(fields[2 + i], i == 2 || i == 10 ? 1 : 0) << i;
    EXPECT_EQ(std::vector<BYTE>(fields + 18, fields + 24), (std::vector<BYTE>{0, 0, 0, 0, 0, 1}));
}

TEST_F(QuellenTest, StoreFindsAFunctionByTheFiveLowestDigitsOfItsId)
{
    // Made before the exchange files are written: the reader loads the drawing on its first query.
    drawing::StoreDrawingReader reader;
    // The slot of function 1000200 stores 00200; an input object with the id 200 is no function and no candidate.
    const std::string objects =
        Obj("rectangle", 105, "Eingang", Text(1, "Index", "5") + Connector(155, "Eingang", {})) +
        Obj("rectangle", 200, "Eingang", Text(1, "Index", "7") + Connector(156, "Eingang", {})) +
        Obj("rectangle", 1000200, "Vergleich$1",
            Connector(1000201, "Freigabe Funktion", {}) + Connector(1000202, "Wert a", {}));
    ASSERT_EQ(Parse(Doc(objects)), 0);
    WriteFile("para/Connections.tmp", Record(1000200, 1000202, {{105, 155}}));
    BYTE kind = 9;
    BYTE number = 9;
    reader.GetPinQuelle(200, 2, kind, number);
    DrawingReader::PinInfo pin;
    const bool found = reader.GetPin(2, 200, pin);
    EXPECT_EQ(kind, 1);
    EXPECT_EQ(number, 5);
    ASSERT_TRUE(found);
    EXPECT_EQ(pin.name, "Wert a");
    EXPECT_EQ(pin.pinId, 1000202);
}

TEST_F(QuellenTest, ReadConnectionsBoundsAndMissingFile)
{
    int objekte[20], pins[20];
    EXPECT_EQ(CZeichnung::ReadConnections(200, 204, 2, objekte, pins), 2);
    EXPECT_EQ(objekte[1], 411);
    EXPECT_EQ(CZeichnung::ReadConnections(200, 201, 20, objekte, pins), 0);
    EXPECT_EQ(CZeichnung::ReadConnections(1, 1, 20, objekte, pins), 0);
    // A count that the file cannot hold ends the scan instead of reading past it.
    WriteFile("para/Connections.tmp", Int(1) + Int(2) + Int(-3) + Record(200, 204, {{1, 2}}));
    EXPECT_EQ(CZeichnung::ReadConnections(200, 204, 20, objekte, pins), 0);
    WriteFile("para/Connections.tmp", Int(200) + Int(204) + Int(5) + Int(1) + Int(2));
    EXPECT_EQ(CZeichnung::ReadConnections(200, 204, 20, objekte, pins), 0);
    std::filesystem::remove("para/Connections.tmp");
    EXPECT_EQ(CZeichnung::ReadConnections(200, 204, 20, objekte, pins), 0);
}

}  // namespace
