// The connection check on small drawings: kept partners, the rules of the connection kinds, the protocol entries
// and the records of "Connections.tmp".
#include "DrawingTestSupport.h"

#include "drawing/CZeichnung.h"
#include "drawing/DrawingServices.h"
#include "texts/DrawingTextServices.h"

#include <cstdio>

namespace {

using drawingtest::Doc;
using drawingtest::ReadFile;

std::string Group(int id, const char* type, const std::string& name, const std::string& inner = "")
{
    return "<groupobject><type>" + std::string(type) + "</type><id>" + std::to_string(id) + "</id><name>" + name +
           "</name>" + inner + "</groupobject>";
}

std::string Catch(std::vector<int> lines)
{
    std::string inner;
    for (int line : lines) inner += "<lineID>" + std::to_string(line) + "</lineID>";
    return lines.empty() ? "" : "<catchobject>" + inner + "</catchobject>";
}

// Vergleich of id: pins "Freigabe Funktion" id+2, "Wert a" id+3, "Wert b" id+4, "Ergebnis" id+5, "Ergebnis invers"
// id+6.
std::string Vergleich(int id, std::vector<int> wertA, std::vector<int> ergebnis = {})
{
    return "<object><type>rectangle</type><id>" + std::to_string(id) + "</id><name>Vergleich$0</name>" +
           Group(id + 1, "rectangle", "Biblio-Vers 11") + Group(id + 2, "polylinie", "Freigabe Funktion") +
           Group(id + 3, "polylinie", "Wert a", Catch(wertA)) + Group(id + 4, "polylinie", "Wert b") +
           Group(id + 5, "polylinie", "Ergebnis", Catch(ergebnis)) + Group(id + 6, "polylinie", "Ergebnis invers") +
           Group(id + 7, "text", "Bezeichnung", "<string>V1</string>") + "</object>\n";
}

// A plant object whose one pin (id+4) catches the lines.
std::string Plant(int id, const char* kind, const char* indexRole, int number, const char* pin, std::vector<int> lines)
{
    return "<object><type>rectangle</type><id>" + std::to_string(id) + "</id><name>" + kind + "$" +
           std::to_string(number) + "</name>" + Group(id + 1, "rectangle", "Biblio-Vers 11") +
           Group(id + 2, "text", "Bezeichnung", "<string>P</string>") +
           Group(id + 3, "text", indexRole, "<string>" + std::to_string(number) + "</string>") +
           Group(id + 4, "polylinie", pin, Catch(lines)) + "</object>\n";
}

std::string Line(int id)
{
    return "<object><type>polylinie</type><id>" + std::to_string(id) +
           "</id><name>Linie</name><point><x>0</x><y>0</y></point></object>\n";
}

// A junction joining the lines.
std::string Knoten(int id, std::vector<int> lines)
{
    return "<object><type>polylinie</type><id>" + std::to_string(id) + "</id><name>Knotenpunkt</name>" +
           Group(id + 1, "polylinie", "Knoten", Catch(lines)) + "</object>\n";
}

std::string Fields(std::vector<int> values)
{
    std::string all;
    char field[32];
    for (int v : values) {
        std::snprintf(field, sizeof field, "%8d\r\n", v);
        all += field;
    }
    return all;
}

class CZeichnungVerbindungenTest : public drawingtest::InTempFolder {
protected:
    void SetUp() override
    {
        InTempFolder::SetUp();
        drawing::SetServices(&m_services);
    }
    void TearDown() override
    {
        drawing::SetServices(nullptr);
        InTempFolder::TearDown();
    }
    // Checks the object and returns the result; the records go to m_records, the protocol to m_protocol.
    bool Check(const std::string& objects, const char* kind, int id)
    {
        EXPECT_EQ(Parse(Doc(objects)), 0);
        std::remove("para/Protokoll.tmp");
        std::FILE* file = std::fopen("para/Connections.tmp", "wb");
        bool ok = false;
        {
            CZeichnung zeichnung;
            ok = zeichnung.CheckVerbindungen(kind, id, file, true);
        }
        std::fclose(file);
        m_records = ReadFile("para/Connections.tmp");
        m_protocol = ReadFile("para/Protokoll.tmp");
        return ok;
    }
    static std::string Entry(int code, const std::string& text)
    {
        char head[64];
        std::snprintf(head, sizeof head, "%8d\r\n%8d\r\n", code, static_cast<int>(text.size()));
        return head + text + "\r\n";
    }

    DrawingTextServices m_services;
    std::string m_records;
    std::string m_protocol;
};

const std::string kAborted = "L'operazione è stata interrotta.";

TEST_F(CZeichnungVerbindungenTest, AnInputTakesOneSource)
{
    // Two sensors joined into "Wert a".
    EXPECT_FALSE(Check(Vergleich(500, {900}) + Plant(700, "Eingang", "Index", 1, "Eingang", {901}) +
                           Plant(710, "Eingang", "Index", 2, "Eingang", {902}) + Knoten(800, {900, 901, 902}) +
                           Line(900) + Line(901) + Line(902),
                       "Vergleich", 500));
    EXPECT_EQ(m_protocol,
              Entry(1, "Collegamento errato, non valido alla connessione \"Comparazione (V1) - Valore a\" "
                       "(Tipo: FuncIn_InputOutputFuncOut).") +
                  Entry(2, "- dettagli: 2 Sensor") + Entry(7, kAborted));
    // The pin before it passed; the faulty pin is recorded with its sources in the order the search found them;
    // nothing after it.
    EXPECT_EQ(m_records, Fields({500, 502, 0, 500, 503, 2, 710, 714, 700, 704}));
}

TEST_F(CZeichnungVerbindungenTest, UnnumberedObjectsAreNoSource)
{
    EXPECT_FALSE(Check(Vergleich(500, {900}) + Plant(700, "Eingang", "Index", 0, "Eingang", {900}) + Line(900),
                       "Vergleich", 500));
    EXPECT_EQ(m_protocol, Entry(1, "Non è stato possibile accertare il collegamento necessario alla connessione "
                                   "\"Comparazione (V1) - Valore a\".") +
                              Entry(7, kAborted));
    EXPECT_EQ(m_records, Fields({500, 502, 0, 500, 503, 0}));
}

TEST_F(CZeichnungVerbindungenTest, ASwitchingOutputDrivesPlantOutputsButNoMixer)
{
    const std::string outputs = Plant(700, "Eingang", "Index", 1, "Eingang", {900}) + Line(900) +
                                Plant(720, "Ausgang", "Index", 3, "AusgangIn", {902}) +
                                Plant(730, "Ausgang", "Index", 4, "AusgangIn", {903}) + Line(901) + Line(902) +
                                Line(903) + Line(904);
    EXPECT_TRUE(Check(Vergleich(500, {900}, {901}) + outputs + Knoten(800, {901, 902, 903}), "Vergleich", 500));
    EXPECT_EQ(m_protocol, "");
    EXPECT_EQ(m_records,
              Fields({500, 502, 0, 500, 503, 1, 700, 704, 500, 504, 0, 500, 505, 2, 730, 734, 720, 724, 500, 506, 0}));

    EXPECT_FALSE(Check(Vergleich(500, {900}, {901}) + outputs +
                           Plant(740, "Mischer_Ausgang", "Index_1", 3, "AusgangIn", {904}) +
                           Knoten(800, {901, 902, 903, 904}),
                       "Vergleich", 500));
    EXPECT_EQ(m_protocol,
              Entry(1, "Collegamento errato, non valido alla connessione \"Comparazione (V1) - Va > Vb + diff\" "
                       "(Tipo: FuncOutSwitch).") +
                  Entry(2, "- dettagli: 2 OutpIn, 1 OutputInMixer") + Entry(7, kAborted));
}

TEST_F(CZeichnungVerbindungenTest, OutputObjectsAreCheckedWithoutRecords)
{
    EXPECT_TRUE(Check(Plant(720, "Ausgang", "Index", 3, "AusgangIn", {}), "Ausgang", 720));
    EXPECT_EQ(m_records, "");
    EXPECT_EQ(CZeichnung::GetVerbindungsDetails(std::vector<int>(20, 0).data()), "nessun collegamento");
}

}  // namespace
