// The XML import: element state machine, object records, roles, wiring files, online schema and parse failures.
#include "DrawingTestSupport.h"

#include "drawing/ObjectKinds.h"

#include <filesystem>

using namespace drawingtest;

namespace {

class CSaxHandlerTest : public InTempFolder {
protected:
    std::string Ks() { return ReadFile("para/KS_Objects.tmp"); }
    std::string Tr() { return ReadFile("para/Translate.tmp"); }
    static std::string Field(const std::string& bytes, size_t offset, size_t width) { return bytes.substr(offset, width); }
};

TEST_F(CSaxHandlerTest, ObjectNameGivesKindAndNumber)
{
    struct Case {
        std::string name;
        std::string funcIds;
    } cases[] = {
        {"Heizkreisregler$7", Int(10) + Int(1) + Int(7)},
        {"Heizkreisregler", Int(10) + Int(1) + Int(-1)},
        {"Heizkreisregler$", Int(10) + Int(1) + Int(-1)},
        {"Heizkreisregler$x", Int(10) + Int(1) + Int(-1)},
        {"Heizkreisregler$123456789", Int(10) + Int(1) + Int(-1)},
        // The parser splits the character data at the reference; the pieces make one name.
        {"K&#252;hlfunktion$2", Int(10) + Int(18) + Int(2)},
        {"Heizkreisregler$7$8", Int(10) + Int(1) + Int(7)},
    };
    for (const Case& c : cases) {
        ASSERT_EQ(Parse(Doc(Obj("rectangle", 10, c.name, ""))), 0) << c.name;
        EXPECT_EQ(ReadFile("para/FuncIDs.tmp"), c.funcIds) << c.name;
    }
}

TEST_F(CSaxHandlerTest, UnknownAndOverlongKindsWriteNothing)
{
    const std::string longName(29, 'A');
    ASSERT_EQ(Parse(Doc(Obj("rectangle", 1, "Heizkreisreglerxxxxxxxxxxxxxx$1", "") + Obj("rectangle", 2, longName, "") +
                        "<Object><type>rectangle</type><id>3</id><name>Eingang$1</name></Object>" +
                        Obj("polylinie", 4, "Knotenpunkt", "") + Obj("polylinie", 5, "Linie", ""))),
              0);
    EXPECT_EQ(Ks(), "");
    EXPECT_EQ(Tr(), "");
    EXPECT_EQ(ReadFile("para/FuncIDs.tmp"), "");
}

TEST_F(CSaxHandlerTest, EmptyDrawingLeavesEveryExchangeFileEmpty)
{
    ASSERT_EQ(Parse(Doc("")), 0);
    for (const char* name : {"KS_Objects.tmp", "FuncIDs.tmp", "MeldungIDs.tmp", "Translate.tmp", "Online.tmp",
                             "Connect2Fang.tmp", "Connect2Line.tmp", "Connect2Node.tmp", "Connect2SigOver.tmp",
                             "Nodes.tmp", "SignalOver.tmp", "CatchedLines.tmp", "CatchedLinesSigOver.tmp"}) {
        EXPECT_TRUE(Exists(std::string("para/") + name)) << name;
        EXPECT_EQ(ReadFile(std::string("para/") + name), "") << name;
    }
}

TEST_F(CSaxHandlerTest, FunctionRecordHoldsPinsLabelsAndPadding)
{
    ASSERT_EQ(Parse(Doc(Obj("rectangle", 200, "Heizkreisregler$0",
                            Group("rectangle", 201, "Biblio-Vers 11") + Text(202, "Bezeichnung", "HK R&amp;S") +
                                Connector(203, "Raumtemperatur", {}) + Text(204, "Raumtemperatur", "Raum") +
                                Group("rectangle", 205, "Raumtemperatur") + Connector(206, "Mischer", {}) +
                                Text(207, "TypeTxt", "HKR")))),
              0);
    const std::string ks = Ks();
    ASSERT_EQ(ks.size(), 1400u);
    EXPECT_EQ(Field(ks, 0, 90), Txt("Heizkreisregler") + Int(200) + Int(11) + Txt("HK R&S") + Int(202));
    // Pin 1 "Freigabe Funktion" has no connector: empty name, id 0, its connection kind all the same.
    EXPECT_EQ(Field(ks, 90, 60), Txt("") + Int(0) + Int(6) + Int(0));
    EXPECT_EQ(Field(ks, 90 + 3 * 60, 60), Txt("Raumtemperatur") + Int(203) + Int(6) + Int(204));
    EXPECT_EQ(Field(ks, 90 + 12 * 60, 60), Txt("Mischer") + Int(206) + Int(10) + Int(0));
    EXPECT_EQ(Field(ks, 870, 528), std::string(528, ' '));
    EXPECT_EQ(Field(ks, 1398, 2), "\r\n");
    const std::string tr = Tr();
    ASSERT_EQ(tr.size(), 500u);
    EXPECT_EQ(Field(tr, 90, 10), Int(207));        // TypeTxt
    EXPECT_EQ(Field(tr, 140 + 3 * 10, 10), Int(204));  // label of "Raumtemperatur"
    EXPECT_EQ(Field(tr, 280, 10), Int(0));         // no "MischerAusgType"
    EXPECT_EQ(Field(tr, 290, 210), std::string(208, ' ') + "\r\n");
    EXPECT_EQ(ReadFile("para/FuncIDs.tmp"), Int(200) + Int(1) + Int(0));
}

TEST_F(CSaxHandlerTest, ParticipantEntriesFollowTheCountedPins)
{
    ASSERT_EQ(Parse(Doc(Obj("rectangle", 1, "Kesselkaskade$0",
                            Text(2, "beteiligte Funktion 1", "a") + Text(3, "beteiligte Funktion 6", "b") +
                                Text(4, "beteiligte Funktion 7", "c") + Connector(5, "beteiligte Funktion 2", {})) +
                        Obj("rectangle", 10, "Solarvorrang$0", Text(11, "beteiligte Funktion 7", "x")))),
              0);
    const std::string ks = Ks();
    ASSERT_EQ(ks.size(), 2800u);
    EXPECT_EQ(Field(ks, 90 + 15 * 60, 60), Txt("beteiligte Funktion 1") + Int(0) + Int(0) + Int(2));
    EXPECT_EQ(Field(ks, 90 + 16 * 60, 60), Txt("") + Int(0) + Int(0) + Int(0));
    EXPECT_EQ(Field(ks, 90 + 20 * 60, 60), Txt("beteiligte Funktion 6") + Int(0) + Int(0) + Int(3));
    EXPECT_EQ(Field(ks, 1350, 48), std::string(48, ' '));
    EXPECT_EQ(Field(ks, 1400 + 90 + 9 * 60, 60), Txt("beteiligte Funktion 7") + Int(0) + Int(0) + Int(11));
}

TEST_F(CSaxHandlerTest, KnownKindWithoutGroupsWritesFullRecords)
{
    ASSERT_EQ(Parse(Doc(Obj("rectangle", 7, "Anforderung Heizung$5", "") + Obj("rectangle", 8, "Meldung", ""))), 0);
    const std::string ks = Ks();
    ASSERT_EQ(ks.size(), 2800u);
    EXPECT_EQ(Field(ks, 0, 90), Txt("Anforderung Heizung") + Int(7) + Int(0) + Txt("") + Int(0));
    EXPECT_EQ(Field(ks, 90, 60), Txt("") + Int(0) + Int(6) + Int(0));
    EXPECT_EQ(Field(ks, 90 + 5 * 60, 60), Txt("") + Int(0) + Int(8) + Int(0));
    EXPECT_EQ(Field(ks, 450, 950), std::string(948, ' ') + "\r\n");
    EXPECT_EQ(Tr().size(), 1000u);
    EXPECT_EQ(ReadFile("para/FuncIDs.tmp"), Int(7) + Int(2) + Int(5));
    EXPECT_EQ(ReadFile("para/MeldungIDs.tmp"), Int(8) + Int(-1));
}

TEST_F(CSaxHandlerTest, NumbersThatDoNotFitTheirFieldAreUnassigned)
{
    // An id wider than its 8 characters, or beyond the 32-bit range, would shift every field after it.
    ASSERT_EQ(Parse(Doc(Obj("rectangle", 123456789, "Eingang$1",
                            Text(4294967295u, "Bezeichnung", "x") + Connector(99999999, "Eingang", {5})))),
              0);
    const std::string ks = Ks();
    ASSERT_EQ(ks.size(), 1400u);
    EXPECT_EQ(Field(ks, 30, 10), Int(0));
    EXPECT_EQ(Field(ks, 50, 40), Txt("x") + Int(0));
    EXPECT_EQ(Field(ks, 110, 60), Txt("Eingang") + Int(99999999) + Int(1) + Int(0));
    EXPECT_EQ(ReadFile("para/Connect2Fang.tmp"), Int(0) + Int(99999999) + Int(1) + Int(5));
}

TEST_F(CSaxHandlerTest, OutputInputPinTakesItsKindFromTheNumber)
{
    struct Case {
        std::string kind;
        std::string number;
        int verbindungsart;
    } cases[] = {{"Ausgang", "6", 13}, {"Ausgang", "1", 13}, {"Ausgang", "3", 12}, {"Ausgang", "x", 12},
                 {"Analog_Ausgang", "16", 14}, {"Analog_Ausgang", "15", 13}};
    for (const Case& c : cases) {
        ASSERT_EQ(Parse(Doc(Obj("rectangle", 1, c.kind, Text(2, "Index", c.number) + Connector(3, "AusgangIn", {})))), 0);
        const std::string ks = Ks();
        EXPECT_EQ(Field(ks, 110, 60), Txt("AusgangIn") + Int(3) + Int(c.verbindungsart) + Int(0)) << c.kind << c.number;
    }
}

TEST_F(CSaxHandlerTest, IndexTextsAndVersionMarks)
{
    struct Case {
        std::string kind;
        std::string groups;
        int version;
        int number;
    } cases[] = {
        {"Eingang", Group("rectangle", 5, "Biblio-Vers 11"), 11, 0},
        {"Eingang", Group("rectangle", 5, "Biblio-Vers11"), 11, 0},
        {"Eingang", Group("polylinie", 5, "Biblio-Vers 11"), 0, 0},
        {"Eingang", Group("rectangle", 5, "Biblio-Vers x"), 0, 0},
        {"Netzwerkstatus", Group("polylinie", 5, "Biblio-Vers 11"), 11, 0},
        {"Eingang", Text(5, "Index", "3"), 0, 3},
        {"Eingang", Text(5, "Index", " 12 "), 0, 12},
        {"Eingang", Text(5, "index", "3"), 0, 0},
        // A number that is none, or that does not fit its byte, is unassigned rather than cut.
        {"Eingang", Text(5, "Index", "300"), 0, 0},
        {"Eingang", Text(5, "Index", "3a"), 0, 0},
        {"Eingang", Text(5, "Index", "-1"), 0, 0},
    };
    for (const Case& c : cases) {
        ASSERT_EQ(Parse(Doc(Obj("rectangle", 1, c.kind, c.groups))), 0);
        const std::string ks = Ks();
        EXPECT_EQ(Field(ks, 40, 10), Int(c.version)) << c.groups;
        EXPECT_EQ(Field(ks, 90, 10), Int(c.number)) << c.groups;
    }
}

TEST_F(CSaxHandlerTest, TextsAreCutAndCleaned)
{
    const std::string long35 = "ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    const std::string long60(60, 'n');
    ASSERT_EQ(Parse(Doc(Obj("rectangle", 1, "Eingang$1",
                            Text(2, "Bezeichnung", long35) + Text(3, "TypeZeichen", "Zeichen")) +
                        Obj("polylinie", 10, "Netzwerkeingang$1",
                            Text(11, "Type", "  " + long60) + Text(12, "Bezeichnung", "Tab&#9;und&#10;Zeile")) +
                        Obj("rectangle", 20, "Eingang$1", Text(21, "Bezeichnung", "R&amp;S &#8364;&#8800;")))),
              0);
    const std::string ks = Ks();
    EXPECT_EQ(Field(ks, 50, 30), Txt(long35.substr(0, 28)));
    EXPECT_EQ(Field(ks, 110, 60), Txt("") + Int(0) + Int(1) + Int(0));  // "TypeZeichen" keeps only its id
    EXPECT_EQ(Field(ks, 1400 + 50, 30), Txt("Tab und Zeile"));
    // Cut to 48 characters, then the blanks around it removed.
    EXPECT_EQ(Field(ks, 1400 + 110, 50), Txt(long60.substr(0, 46), 48));
    // The euro sign is a character of Windows-1252; one the code page cannot hold becomes a question mark.
    EXPECT_EQ(Field(ks, 2800 + 50, 30), Txt("R&S \x80?"));
}

TEST_F(CSaxHandlerTest, NetworkConnectorOfEitherName)
{
    ASSERT_EQ(Parse(Doc(Obj("polylinie", 1, "Netzwerkausgang$3", Connector(2, "NW_Eingang", {})) +
                        Obj("polylinie", 5, "Netzwerkeingang$4",
                            Connector(6, "NW_Eingang", {}) + Connector(7, "NW_Ausgang", {}) + Text(8, "NWK", "9") +
                                Text(9, "NWA", "2") + Text(10, "Type", "digital")))),
              0);
    const std::string ks = Ks();
    EXPECT_EQ(Field(ks, 210, 60), Txt("NW_Eingang") + Int(2) + Int(18) + Int(0));
    EXPECT_EQ(Field(ks, 1400 + 90, 180), Int(0) + Int(0) + Txt("digital", 48) + Int(10) + Int(9) + Int(8) + Int(2) +
                                             Int(9) + Txt("NW_Ausgang") + Int(7) + Int(17) + Int(0));
}

TEST_F(CSaxHandlerTest, MessageRecordsShowTypeAndCause)
{
    ASSERT_EQ(Parse(Doc(Obj("rectangle", 1, "Meldung$3",
                            Text(2, "Meldungstyp", "St&#246;rung") + Text(3, "Meldungsursache", "Kessel") +
                                Connector(4, "Meldung aktiv", {}) + Text(5, "Meldung aktiv", "aktiv") +
                                Text(6, "Type", "M")))),
              0);
    const std::string ks = Ks();
    EXPECT_EQ(Field(ks, 50, 40), Txt("Störung") + Int(2));
    EXPECT_EQ(Field(ks, 270, 60), Txt("Meldung aktiv") + Int(4) + Int(11) + Int(5));
    EXPECT_EQ(Field(ks, 330, 40), Txt("Kessel") + Int(3));
    const std::string tr = Tr();
    EXPECT_EQ(Field(tr, 50, 40), Txt("Kessel") + Int(3));
    EXPECT_EQ(Field(tr, 90, 110), Int(0) + Int(6) + Int(0) + Int(2) + Int(0) + Int(0) + Int(0) + Int(0) + Int(0) +
                                      Int(0) + Int(5));
    EXPECT_EQ(ReadFile("para/MeldungIDs.tmp"), Int(1) + Int(3));
}

TEST_F(CSaxHandlerTest, GroupHeaderEndsWithItsGroup)
{
    // A "string" after the text group has ended, or in the next object before its first group, is no designation.
    ASSERT_EQ(Parse(Doc(Obj("rectangle", 1, "Eingang$1", Text(2, "Bezeichnung", "erste") + "<string>zweite</string>") +
                        Obj("rectangle", 3, "Eingang$2", "<string>dritte</string>" + Text(4, "Index", "4")))),
              0);
    const std::string ks = Ks();
    EXPECT_EQ(Field(ks, 50, 40), Txt("erste") + Int(2));
    EXPECT_EQ(Field(ks, 1400 + 50, 40), Txt("") + Int(0));
    EXPECT_EQ(Field(ks, 1400 + 90, 20), Int(4) + Int(4));
}

TEST_F(CSaxHandlerTest, IncompleteHeaderWritesNothingAndTouchesNoEarlierRecord)
{
    ASSERT_EQ(Parse(Doc(Obj("rectangle", 1, "Eingang$1", Text(2, "Index", "5")) +
                        "<object><type>rectangle</type><id>7</id>" + Text(8, "Index", "9") +
                        "<name>Eingang$2</name></object>")),
              0);
    const std::string ks = Ks();
    ASSERT_EQ(ks.size(), 1400u);
    EXPECT_EQ(Field(ks, 90, 20), Int(5) + Int(2));
}

TEST_F(CSaxHandlerTest, ConnectorWritesFangAndLineRecords)
{
    ASSERT_EQ(Parse(Doc(Obj("rectangle", 100, "Eingang$1", Connector(101, "Eingang", {5, 9, 12})))), 0);
    EXPECT_EQ(ReadFile("para/Connect2Fang.tmp"), Int(100) + Int(101) + Int(3) + Int(5) + Int(9) + Int(12));
    EXPECT_EQ(ReadFile("para/Connect2Line.tmp"),
              Int(5) + Int(100) + Int(101) + Int(9) + Int(100) + Int(101) + Int(12) + Int(100) + Int(101));
}

TEST_F(CSaxHandlerTest, JunctionLinesAreMerged)
{
    const std::string junction = Obj("polylinie", 200, "Knotenpunkt",
                                     Connector(201, "a", {5, 7}) + Connector(202, "b", {7, 8}) + Connector(203, "c", {}));
    const std::string single = Obj("polylinie", 300, "Knotenpunkt", Connector(301, "a", {4, 4}));
    ASSERT_EQ(Parse(Doc(junction + single)), 0);
    EXPECT_EQ(ReadFile("para/Nodes.tmp"), Int(200) + Int(2) + Int(5) + Int(7) + Int(200) + Int(2) + Int(7) + Int(8) +
                                              Int(300) + Int(2) + Int(4) + Int(4));
    EXPECT_EQ(ReadFile("para/Connect2Node.tmp"),
              Int(5) + Int(200) + Int(2) + Int(7) + Int(8) + Int(7) + Int(200) + Int(2) + Int(8) + Int(5) + Int(8) +
                  Int(200) + Int(2) + Int(5) + Int(7) + Int(4) + Int(300) + Int(0));
    EXPECT_EQ(ReadFile("para/CatchedLines.tmp"), Int(4) + Int(4));
}

TEST_F(CSaxHandlerTest, SignalTransfersOfOneNameAreJoined)
{
    auto signal = [](const char* kind, int id, const char* name, std::initializer_list<int> lines) {
        return Obj("polylinie", id, kind, Text(id + 1, "Bezeichnung", name) + Connector(id + 2, "Anschluss", lines));
    };
    ASSERT_EQ(Parse(Doc(signal("Signal_&#220;bergabe", 10, "PUMPE", {3}) +
                        signal("Signal_&#220;bernahme", 20, "PUMPE", {4, 6}) +
                        signal("Signal_&#220;bernahme", 30, "pumpe", {9}))),
              0);
    EXPECT_EQ(ReadFile("para/SignalOver.tmp"), Txt("PUMPE") + Int(1) + Int(3) + Txt("PUMPE") + Int(2) + Int(4) +
                                                   Int(6) + Txt("pumpe") + Int(1) + Int(9));
    EXPECT_EQ(ReadFile("para/Connect2SigOver.tmp"),
              Int(3) + Txt("PUMPE") + Int(2) + Int(4) + Int(6) + Int(4) + Txt("PUMPE") + Int(2) + Int(6) + Int(3) +
                  Int(6) + Txt("PUMPE") + Int(2) + Int(3) + Int(4) + Int(9) + Txt("pumpe") + Int(0));
    const std::string ks = ReadFile("para/KS_Objects.tmp");
    ASSERT_EQ(ks.size(), 4200u);
    EXPECT_EQ(Field(ks, 0, 90), Txt("Signal_Übergabe") + Int(10) + Int(0) + Txt("PUMPE") + Int(11));
}

TEST_F(CSaxHandlerTest, SignalObjectInheritsNoLinesOfAnEarlierOne)
{
    // The lines of an earlier run's signal object lie in the scratch file.
    WriteFile("para/CatchedLinesSigOver.tmp", Int(77));
    ASSERT_EQ(Parse(Doc(Obj("polylinie", 1, "Signal_&#220;bergabe", Text(2, "Bezeichnung", "A")) +
                        Obj("polylinie", 10, "Signal_&#220;bergabe",
                            Text(11, "Bezeichnung", "B") + Connector(12, "Anschluss", {5})) +
                        Obj("polylinie", 20, "Signal_&#220;bernahme", Text(21, "Bezeichnung", "C")))),
              0);
    EXPECT_EQ(ReadFile("para/SignalOver.tmp"), Txt("B") + Int(1) + Int(5));
    EXPECT_EQ(ReadFile("para/CatchedLinesSigOver.tmp"), "");
}

TEST_F(CSaxHandlerTest, OnlineFrameAndPlaceholders)
{
    const std::string points = "<point><x>10</x><y>20</y></point><point><x>300</x><y>20</y></point>"
                               "<point><x>300</x><y>200</y></point><point><x>10</x><y>200</y></point>"
                               "<point><x>1</x><y>1</y></point>";
    const std::string font = "<kextfont><facename>Arial</facename><efTextColor>255</efTextColor>"
                             "<efBkColor>65280</efBkColor><efAlign>2</efAlign><efPointSize>9</efPointSize>"
                             "<efStyleName>Bold</efStyleName></kextfont>";
    ASSERT_EQ(Parse(Doc(Obj("rectangle", 1, "Online_Rahmen", points) +
                        Obj("rectangle", 2, "Online_Platzh_Links",
                            "<point><x>5</x><y>6</y></point><point><x>7</x><y>8</y></point>" +
                                Group("text", 3, "Text1", "<string>x</string>" + font) +
                                Group("text", 4, "Text2",
                                      "<string>abc\ndef</string><kextfont><facename>Courier</facename></kextfont>")) +
                        Obj("rectangle", 5, "Online_Platzh_Rechts", Text(6, "Text2", "[A1]")))),
              0);
    EXPECT_EQ(ReadFile("para/Online.tmp"),
              "Online_Rahmen\r\n10\r\n20\r\n300\r\n20\r\n300\r\n200\r\n10\r\n200\r\n"
              "Online_Platzh_Links\r\nabc\r\n7\r\n8\r\nArial\r\n9\r\n2\r\nBold\r\n255\r\n65280\r\n"
              "Online_Platzh_Rechts\r\n[A1]\r\n0\r\n0\r\n\r\n0\r\n0\r\n\r\n0\r\n0\r\n");
    EXPECT_EQ(Ks(), "");
}

TEST_F(CSaxHandlerTest, EveryKindOfTheTableIsImported)
{
    std::string objects;
    int id = 1;
    for (const drawing::KindInfo& kind : drawing::AllKinds()) {
        std::string name;
        for (unsigned char c : std::string(kind.name)) name += c < 0x80 ? std::string(1, static_cast<char>(c)) : "&#" + std::to_string(c) + ";";
        objects += Obj("rectangle", id++, name + "$1", "");
    }
    ASSERT_EQ(drawing::AllKinds().size(), 38u);
    ASSERT_EQ(Parse(Doc(objects)), 0);
    EXPECT_EQ(Ks().size(), 34u * 1400);
    EXPECT_EQ(Tr().size(), 34u * 500);
    EXPECT_EQ(ReadFile("para/FuncIDs.tmp").size(), 23u * 30);
    EXPECT_EQ(ReadFile("para/MeldungIDs.tmp").size(), 20u);
}

// ---- Failures of the parse as a whole ----

TEST_F(CSaxHandlerTest, MalformedDocumentShowsTheParsersBoxAndFails)
{
    std::string boxes;
    EXPECT_EQ(Parse("<?xml version=\"1.0\"?>\n<output>\n<object><type>x</type></objekt>\n</output>\n", &boxes), 4);
    EXPECT_EQ(boxes.rfind("XML-Parsing Message: 1.001\t8240\tFatal Error - Fehler in Datei: <", 0), 0u) << boxes;
    EXPECT_NE(boxes.find(">, Zeile: 3, Spalte: "), std::string::npos) << boxes;
    EXPECT_NE(boxes.find("\nNachricht: "), std::string::npos) << boxes;
    // One box only: the parser's.
    EXPECT_EQ(boxes.find("XML-Parsing Error"), std::string::npos) << boxes;
}

TEST_F(CSaxHandlerTest, TruncatedDocumentIsAFailure)
{
    std::string boxes;
    EXPECT_EQ(Parse("<output>" + Obj("rectangle", 1, "Eingang$1", ""), &boxes), 4);
    EXPECT_NE(boxes.find("XML-Parsing Message: 1.001"), std::string::npos) << boxes;
}

TEST_F(CSaxHandlerTest, OtherRootIsAFailureOverTheFilesOfAnEarlierRun)
{
    WriteFile("para/KS_Objects.tmp", "earlier run");
    std::string boxes;
    EXPECT_EQ(Parse("<drawing>" + Obj("rectangle", 1, "Eingang$1", "") + "<output></output></drawing>", &boxes), 4);
    EXPECT_EQ(ReadFile("para/KS_Objects.tmp"), "earlier run");
    EXPECT_EQ(boxes.rfind("XML-Parsing Error\t8240\tEin Fehler ist aufgetreten! :\n", 0), 0u) << boxes;
}

TEST_F(CSaxHandlerTest, ExchangeFilesThatCannotBeCreatedFailTheParse)
{
    std::filesystem::remove("para");
    std::string boxes;
    EXPECT_EQ(Parse(Doc(Obj("rectangle", 1, "Eingang$1", ""))), 4);
    std::filesystem::create_directory("para");
    std::filesystem::create_directory("para/FuncIDs.tmp");  // a folder where the file should be
    EXPECT_EQ(Parse(Doc(Obj("rectangle", 1, "Eingang$1", "")), &boxes), 4);
    EXPECT_NE(boxes.find("<para/FuncIDs.tmp>"), std::string::npos) << boxes;
}

TEST_F(CSaxHandlerTest, AParserPreparedAheadParsesAsOneThatWasNot)
{
    drawing::PrepareParser();
    drawing::PrepareParser();
    // A sound export, a broken one and a sound one again: the library stays ready after each parse.
    ASSERT_EQ(Parse(Doc(Obj("rectangle", 10, "Heizkreisregler$7", ""))), 0);
    EXPECT_EQ(ReadFile("para/FuncIDs.tmp"), Int(10) + Int(1) + Int(7));
    EXPECT_NE(Parse("<output><object>"), 0);
    ASSERT_EQ(Parse(Doc(Obj("rectangle", 11, "Heizkreisregler$8", ""))), 0);
    EXPECT_EQ(ReadFile("para/FuncIDs.tmp"), Int(11) + Int(1) + Int(8));
}

TEST_F(CSaxHandlerTest, MissingFileFails)
{
    std::string boxes;
    ::testing::internal::CaptureStderr();
    int result = drawing::ParseXml("nicht-da.xml");
    boxes = ::testing::internal::GetCapturedStderr();
    EXPECT_NE(result, 0);
    EXPECT_NE(boxes.find("XML-Parsing"), std::string::npos) << boxes;
}

}  // namespace
