// The drawing evaluation at start-up, run by the real program on small drawings: the slots of the committed set, the
// protocol and the commands handed to the drawing tool, for new, changed and faulty drawings.
#include "ChildProcess.h"
#include "ProgramRun.h"
#include "StandinFixture.h"

#include "platform/HeadlessPrompts.h"
#include "store/CEepromFile.h"
#include "store/CParaDaten.h"
#include "store/FuncEntry.h"

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <functional>
#include <cstdio>
#include <unistd.h>

using testsupport::ProgramHome;
using testsupport::ProgramResult;

namespace {

// ---- Small drawings ----

struct Pin {
    const char* name;
    std::vector<int> lines;
};

std::string Group(int id, const char* type, const std::string& name, const std::string& inner = "")
{
    return "    <groupobject><type>" + std::string(type) + "</type><id>" + std::to_string(id) + "</id><name>" + name +
           "</name>" + inner + "</groupobject>\n";
}

std::string Catch(const std::vector<int>& lines)
{
    if (lines.empty()) return "";
    std::string inner = "<catchobject>";
    for (int line : lines) inner += "<lineID>" + std::to_string(line) + "</lineID>";
    return inner + "</catchobject>";
}

// An object of id; its groups take the ids id + 1, id + 2, ... (pin k of the list: id + 2 + k).
std::string Object(int id, const std::string& name, const std::vector<Pin>& pins, int version = 11,
                   const std::vector<std::string>& texts = {})
{
    std::string xml = "  <object><type>rectangle</type><id>" + std::to_string(id) + "</id><name>" + name + "</name>\n";
    xml += Group(id + 1, "rectangle", "Biblio-Vers " + std::to_string(version));
    int next = id + 2;
    for (const Pin& pin : pins) xml += Group(next++, "polylinie", pin.name, Catch(pin.lines));
    for (const std::string& text : texts) xml += Group(next++, "text", text, "<string>" + text + "</string>");
    return xml + "  </object>\n";
}

std::string Vergleich(int id, int number, std::vector<int> wertA = {}, int version = 11)
{
    return Object(id, "Vergleich$" + std::to_string(number),
                  {{"Freigabe Funktion", {}}, {"Wert a", wertA}, {"Wert b", {}}, {"Ergebnis", {}},
                   {"Ergebnis invers", {}}},
                  version, {"Bezeichnung"});
}

std::string Meldung(int id, int number)
{
    return Object(id, "Meldung$" + std::to_string(number), {}, 11, {"Meldungstyp", "Meldungsursache"});
}

std::string Eingang(int id, int number, std::vector<int> lines)
{
    std::string xml = "  <object><type>rectangle</type><id>" + std::to_string(id) + "</id><name>Eingang$" +
                      std::to_string(number) + "</name>\n";
    xml += Group(id + 1, "rectangle", "Biblio-Vers 11");
    xml += Group(id + 2, "text", "Bezeichnung", "<string>Fuehler</string>");
    xml += Group(id + 3, "text", "Index", "<string>" + std::to_string(number) + "</string>");
    xml += Group(id + 4, "polylinie", "Eingang", Catch(lines));
    return xml + "  </object>\n";
}

std::string Line(int id)
{
    return "  <object><type>polylinie</type><id>" + std::to_string(id) +
           "</id><name>Linie</name><point><x>0</x><y>0</y></point></object>\n";
}

std::string Drawing(const std::string& objects)
{
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<output>\n" + objects + "</output>\n";
}

// ---- Expected files ----

std::string Entry(int code, const std::string& text)
{
    char head[64];
    std::snprintf(head, sizeof head, "%8d\r\n%8d\r\n", code, static_cast<int>(text.size()));
    return head + text + "\r\n";
}

const std::string kParse = Entry(5, "Parsing...");
const std::string kLibrary = Entry(5, "Accertare e verificare gli oggetti della libreria ...");
const std::string kAborted = Entry(7, "L'operazione è stata interrotta.");

std::string FunctionStep(int count)
{
    return Entry(5, "Aggiorna dati di funzionamento ...") + Entry(6, "Funzioni: " + std::to_string(count) + " di 44");
}

std::string MessageStep(int count)
{
    return Entry(5, "Aggiorna lista messaggi ...") + Entry(6, "Messaggi: " + std::to_string(count) + " di 8");
}

std::string Commands(const std::vector<std::string>& lines)
{
    std::string all;
    for (const std::string& line : lines) all += line + "\r\n";
    return all;
}

// The used slots of the committed set in para/para.par: "slot:id/type/number" for functions, "Mslot:id/number" for
// messages.
std::string Slots(const ProgramHome& home)
{
    std::string all;
    EXPECT_TRUE(testsupport::WithParameterFile(home, "para/para.par", false, [&](CParaDaten& store) {
        for (BYTE slot = 1; slot <= 44; ++slot) {
            FuncEntry entry;
            int id = -1;
            store.GetFuncEntry(CParaDaten::kWorkFile, slot, entry);
            store.GetFuncId(CParaDaten::kWorkFile, slot, id);
            if (id < 0 && (entry.type == 0 || entry.type == 255)) continue;
            all += std::to_string(slot) + ":" + std::to_string(id) + "/" + std::to_string(entry.type) + "/" +
                   std::to_string(entry.number) + " ";
        }
        for (BYTE slot = 1; slot <= 8; ++slot) {
            int id = -1;
            store.GetMeldungId(CParaDaten::kWorkFile, slot, id);
            const BYTE number = store.GetMeldungNr(CParaDaten::kWorkFile, slot);
            if (id < 0 && number == 255) continue;
            all += "M" + std::to_string(slot) + ":" + std::to_string(id) + "/" + std::to_string(number) + " ";
        }
    }));
    return all;
}

class EvaluationTest : public testsupport::StandinFixture {
protected:
    // Runs the command on the drawing; the boxes other than the notice of a new, empty parameter set.
    std::vector<std::string> Run(const std::string& command, const std::string& drawing)
    {
        m_home.WriteFile("VORNA.xml", drawing);
        const Keys keys = Command(command);
        // A window command stays with its main frame until something closes it.
        const bool window = command != "open" && command != "onlineschema";
        ProgramResult result = window ? m_home.RunWindowCommand(keys) : m_home.RunCommand(keys);
        EXPECT_EQ(result.exitCode, 0);
        std::vector<std::string> boxes;
        for (const std::string& box : result.boxes)
            if (box.find("Message: 1.043") == std::string::npos) boxes.push_back(box);
        return boxes;
    }
    // "open" on the drawing, then the committed set saved beside the drawing for the next run.
    void OpenAndSave(const std::string& drawing)
    {
        EXPECT_TRUE(Run("open", drawing).empty());
        ProgramResult saved = m_home.RunCommand(Command("save"));
        ASSERT_TRUE(saved.boxes.empty());
    }
    std::string Protocol() const { return m_home.ReadFile("para/Protokoll.tmp"); }
    std::string SCCmd() const { return m_home.ReadFile("para/SCCmd.tmp"); }
};

const std::string kTwoAndMessage = Drawing(Vergleich(500, 0) + Vergleich(510, 1) + Meldung(600, 0));
// The translated texts of that drawing: the designations of both functions and the message's type and cause.
const std::string kTranslatedTwoAndMessage =
    Commands({"settext\xA7" "507\xA7  - - - - - -  ", "settext\xA7" "517\xA7  - - - - - -  ",
              "settext\xA7" "602\xA7  inutilizzato  ", "settext\xA7" "603\xA7  - - - - - - -  "});

TEST_F(EvaluationTest, ANewDrawingGetsSlotsAndRenamesItsObjects)
{
    EXPECT_TRUE(Run("open", Drawing(Vergleich(500, 3) + Vergleich(510, 3) + Meldung(600, 5))).empty());
    EXPECT_EQ(Slots(m_home), "1:500/9/0 2:510/9/1 M1:600/0 ");
    EXPECT_EQ(Protocol(), kParse + kLibrary + FunctionStep(2) + MessageStep(1));
    // Without a parameter set beside the drawing, its texts are also written anew.
    EXPECT_EQ(SCCmd(), Commands({"setobj\xA7" "500\xA7Vergleich$0", "setobj\xA7" "510\xA7Vergleich$1",
                                 "setobj\xA7" "600\xA7Meldung$0"}) +
                           kTranslatedTwoAndMessage + Commands({"setfilenotuptodate"}));
    EXPECT_NE(m_home.ReadFile("record.txt").find("setfilenotuptodate"), std::string::npos);
}

TEST_F(EvaluationTest, OpenTranslatesTheTextsOfASetOfAnotherLanguage)
{
    auto language = [this](const char* file) {
        int code = -2;
        EXPECT_TRUE(testsupport::WithParameterFile(m_home, file, false, [&](CParaDaten& store) {
            code = store.GetSprache(CParaDaten::kWorkFile);
        }));
        return code;
    };
    auto setLanguage = [this](int code) {
        EXPECT_TRUE(testsupport::WithParameterFile(m_home, "plant.pvl", true, [&](CParaDaten& store) {
            EXPECT_TRUE(store.SetSprache(CParaDaten::kWorkFile, code));
        }));
    };
    OpenAndSave(kTwoAndMessage);
    EXPECT_EQ(language("plant.pvl"), 3);

    // A set of this language keeps the drawing's texts.
    EXPECT_TRUE(Run("open", kTwoAndMessage).empty());
    EXPECT_EQ(SCCmd(), "");

    setLanguage(1);
    EXPECT_TRUE(Run("open", kTwoAndMessage).empty());
    EXPECT_EQ(SCCmd(), kTranslatedTwoAndMessage + Commands({"setfilenotuptodate"}));
    EXPECT_EQ(language("para/para.par"), 3);

    // A fatal drawing is translated all the same and marked as translated.
    setLanguage(1);
    Run("open", Drawing(Vergleich(500, 0, {}, 12) + Vergleich(510, 1) + Meldung(600, 0)));
    EXPECT_EQ(SCCmd(), kTranslatedTwoAndMessage + Commands({"setfilenotuptodate"}));
    EXPECT_EQ(language("para/para.par"), 3);

    // An export this run could not read leaves the translation file of an earlier drawing: nothing is translated,
    // and the set is not marked as translated.
    Run("open", "<?xml version=\"1.0\"?>\n<output><object>");
    EXPECT_EQ(SCCmd(), "");
    EXPECT_EQ(language("para/para.par"), 1);
}

TEST_F(EvaluationTest, ChangedDrawingsMoveTheSlots)
{
    struct Case {
        const char* name;
        std::string drawing;
        std::string slots;
        std::string commands;
        int functions;
    };
    const Case cases[] = {
        {"unchanged", kTwoAndMessage, "1:500/9/0 2:510/9/1 M1:600/0 ", "", 2},
        {"added", Drawing(Vergleich(500, 0) + Vergleich(510, 1) + Vergleich(520, 7) + Meldung(600, 0)),
         "1:500/9/0 2:510/9/1 3:520/9/2 M1:600/0 ",
         Commands({"setobj\xA7" "520\xA7Vergleich$2", "setfilenotuptodate"}), 3},
        {"deleted", Drawing(Vergleich(510, 1) + Meldung(600, 0)), "1:510/9/1 M1:600/0 ", "", 1},
        {"renumbered", Drawing(Vergleich(500, 0) + Vergleich(510, 7) + Meldung(600, 0)),
         "1:500/9/0 2:510/9/1 M1:600/0 ", Commands({"setobj\xA7" "510\xA7Vergleich$1", "setfilenotuptodate"}), 2},
        {"replaced", Drawing(Vergleich(530, 0) + Vergleich(510, 1) + Meldung(600, 0)),
         "1:530/9/0 2:510/9/1 M1:600/0 ", "", 2},
        {"message removed", Drawing(Vergleich(500, 0) + Vergleich(510, 1)), "1:500/9/0 2:510/9/1 ", "", 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::filesystem::remove(m_home.Path("plant.pvl"));
        OpenAndSave(kTwoAndMessage);
        EXPECT_TRUE(Run("open", c.drawing).empty());
        EXPECT_EQ(Slots(m_home), c.slots);
        EXPECT_EQ(SCCmd(), c.commands);
        const int messages = c.slots.find("M1") != std::string::npos ? 1 : 0;
        EXPECT_EQ(Protocol(), kParse + kLibrary + FunctionStep(c.functions) + MessageStep(messages));
    }
}

TEST_F(EvaluationTest, LimitsAndFaultsMakeTheEvaluationFatal)
{
    std::string many;
    for (int i = 0; i < 45; ++i) many += Vergleich(1000 + 20 * i, i);
    std::string messages;
    for (int i = 0; i < 9; ++i) messages += Meldung(3000 + 20 * i, i);
    struct Case {
        const char* name;
        std::string drawing;
        std::string protocol;
    };
    const Case cases[] = {
        {"too many functions", Drawing(many),
         kParse + kLibrary + FunctionStep(45) +
             Entry(1, "Il numero massimo possibile di 44 funzioni è stato superato di 1 funzione/i!") + kAborted},
        {"too many messages", Drawing(messages),
         kParse + kLibrary + FunctionStep(0) + MessageStep(9) +
             Entry(1, "Il numero massimo possibile di 8 messaggi è stato superato di 1 messaggio/i!") + kAborted},
        {"library too recent", Drawing(Vergleich(500, 0, {}, 12) + Vergleich(510, 1)),
         kParse + kLibrary +
             Entry(1, "È incompatibile l’oggetto della libreria \"Vergleich\" (\"Bezeichnung\") a questa versione di "
                      "VORNA più vecchia. (Versione dell‘oggetto = 1.2 / Versione supportata = 1.1)") +
             kAborted},
        {"not parsed", "<?xml version=\"1.0\"?>\n<output><object>",
         kParse + Entry(1, "Si è verificato un’errore al parsing.") + kAborted},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::filesystem::remove(m_home.Path("plant.pvl"));
        m_home.WriteFile("para/Connections.tmp", "kept");
        Run("open", c.drawing);
        EXPECT_EQ(Protocol(), c.protocol);
        EXPECT_EQ(Slots(m_home), "");
        EXPECT_EQ(SCCmd(), "");
        EXPECT_EQ(m_home.ReadFile("para/Connections.tmp"), "kept");
    }
}

TEST_F(EvaluationTest, IdsAboveFiveDigitsAreStoredAndMatchedByTheirLowestDigits)
{
    const std::string large = Drawing(Vergleich(100500, 0) + Vergleich(2000510, 1) + Meldung(99900600, 0));
    EXPECT_TRUE(Run("open", large).empty());
    EXPECT_EQ(Slots(m_home), "1:500/9/0 2:510/9/1 M1:600/0 ");
    EXPECT_EQ(Protocol(), kParse + kLibrary + FunctionStep(2) + MessageStep(1));
    EXPECT_EQ(SCCmd().rfind(Commands({"setobj\xA7" "100500\xA7Vergleich$0", "setobj\xA7" "2000510\xA7Vergleich$1",
                                               "setobj\xA7" "99900600\xA7Meldung$0"}), 0), 0u);
    // The same drawing again: every object finds its slot, nothing is renamed or created.
    ProgramResult saved = m_home.RunCommand({{"-cmd", "save"}, {"-engpath", m_home.Path("plant.evl")},
                                             {"-xmlpath", m_home.Path("VORNA.xml")}});
    ASSERT_TRUE(saved.boxes.empty());
    EXPECT_TRUE(Run("open", large).empty());
    EXPECT_EQ(Slots(m_home), "1:500/9/0 2:510/9/1 M1:600/0 ");
    EXPECT_EQ(SCCmd(), "");
    // Their records are completed from the drawing: the connection check and the memory need of a window command.
    const std::string wired = Eingang(700, 1, {900, 901}) + Line(900) + Line(901);
    EXPECT_TRUE(Run("funcview", Drawing(Vergleich(100500, 0, {900}) + Vergleich(2000510, 1, {901}) +
                                        Meldung(99900600, 0) + wired)).empty());
    EXPECT_EQ(Protocol(), kParse + kLibrary + FunctionStep(2) +
                              Entry(5, "Aggiornare le variabili di ingresso/di uscita") +
                              Entry(5, "Verifica spazio memoria necessario delle funzioni ...") +
                              Entry(6, "Variabili: 2 di 384 byte") + Entry(6, "Parametri: 26 di 832 byte"));

    // Two objects whose ids share their five lowest digits cannot be told apart: fatal, both named, no slot moves.
    struct Case {
        const char* name;
        std::string drawing;
        std::string step;
    };
    const Case cases[] = {
        {"two functions", Drawing(Vergleich(100500, 0) + Vergleich(2000510, 1) + Vergleich(500, 2)),
         Entry(5, "Aggiorna dati di funzionamento ...") +
             Entry(1, "Gli oggetti \"Vergleich$0\" (ID 100500) e \"Vergleich$2\" (ID 500) hanno le stesse ultime "
                      "cinque cifre dell’ID.")},
        {"a function and a message", Drawing(Vergleich(100500, 0) + Vergleich(2000510, 1) + Meldung(300510, 0)),
         Entry(5, "Aggiorna dati di funzionamento ...") +
             Entry(1, "Gli oggetti \"Vergleich$1\" (ID 2000510) e \"Meldung$0\" (ID 300510) hanno le stesse "
                      "ultime cinque cifre dell’ID.")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Run("open", c.drawing);
        EXPECT_EQ(Protocol(), kParse + kLibrary + c.step + kAborted);
        EXPECT_EQ(Slots(m_home), "1:500/9/0 2:510/9/1 M1:600/0 ");
    }
}

TEST_F(EvaluationTest, ObjectsWithoutAUsableIdGetNoSlotAndLeakNone)
{
    // An id of 0, an id that is no number and an id whose five lowest digits are 00000.
    std::string noNumber = Vergleich(520, 2);
    noNumber.replace(noNumber.find("<id>520</id>"), 12, "<id>abc</id>");
    const std::string drawing =
        Drawing(Vergleich(500, 0) + Vergleich(0, 1) + noNumber + Vergleich(200000, 3) + Meldung(0, 0));
    auto warning = [](const char* object, int id) {
        return Entry(3, "L’oggetto \"" + std::string(object) + "\" (ID " + std::to_string(id) +
                            ") non ha un ID utilizzabile: non gli viene assegnato nessuno slot.");
    };
    const std::string protocol = kParse + kLibrary + Entry(5, "Aggiorna dati di funzionamento ...") +
                                 warning("Vergleich$1", 0) + warning("Vergleich$2", 0) +
                                 warning("Vergleich$3", 200000) + Entry(6, "Funzioni: 1 di 44") +
                                 Entry(5, "Aggiorna lista messaggi ...") + warning("Meldung$0", 0) +
                                 Entry(6, "Messaggi: 0 di 8");
    for (int run = 0; run < 3; ++run) {
        SCOPED_TRACE(run);
        OpenAndSave(drawing);
        EXPECT_EQ(Slots(m_home), "1:500/9/0 ");
        EXPECT_EQ(Protocol(), protocol);
    }

    // Slots that a function or message without id was once given are freed like those of vanished objects.
    EXPECT_TRUE(testsupport::WithParameterFile(m_home, "plant.pvl", true, [](CParaDaten& store) {
        FuncEntry entry;
        entry.type = 9;
        entry.designation = 0xFF;
        entry.number = 5;
        EXPECT_TRUE(store.SetFuncEntry(CParaDaten::kWorkFile, 2, entry));
        entry.number = 6;
        EXPECT_TRUE(store.SetFuncEntry(CParaDaten::kWorkFile, 3, entry));
        EXPECT_TRUE(store.GetFile(CParaDaten::kWorkFile)->WriteChars(10, 5, "00000"));
        EXPECT_TRUE(store.SetMeldungNr(CParaDaten::kWorkFile, 2, 3));
    }));
    EXPECT_EQ(Slots(m_home), "1:500/9/0 ");  // committed set still the old one
    EXPECT_TRUE(Run("open", drawing).empty());
    EXPECT_EQ(Slots(m_home), "1:500/9/0 ");
}

TEST_F(EvaluationTest, ConnectionsAreCheckedAndRecordedForTheWindowCommands)
{
    // Vergleich 500 reads input 1 through line 900; Vergleich 510 has no source on its required input.
    const std::string wired = Eingang(700, 1, {900}) + Line(900);
    OpenAndSave(Drawing(Vergleich(500, 0, {900}) + wired));
    EXPECT_TRUE(Run("funcview", Drawing(Vergleich(500, 0, {900}) + wired)).empty());
    auto record = [](std::vector<int> values) {
        std::string all;
        char field[32];
        for (int v : values) {
            std::snprintf(field, sizeof field, "%8d\r\n", v);
            all += field;
        }
        return all;
    };
    // Pins of Vergleich 500: 502 .. 506; the input's pin 704.
    EXPECT_EQ(m_home.ReadFile("para/Connections.tmp"),
              record({500, 502, 0, 500, 503, 1, 700, 704, 500, 504, 0, 500, 505, 0, 500, 506, 0}));
    const std::string variables = Entry(5, "Aggiornare le variabili di ingresso/di uscita");
    const std::string memory = Entry(5, "Verifica spazio memoria necessario delle funzioni ...") +
                               Entry(6, "Variabili: 1 di 384 byte") + Entry(6, "Parametri: 13 di 832 byte");
    EXPECT_EQ(Protocol(), kParse + kLibrary + FunctionStep(1) + variables + memory);

    EXPECT_TRUE(Run("funcview", Drawing(Vergleich(500, 0, {900}) + Vergleich(510, 1) + wired)).empty());
    EXPECT_EQ(Protocol(), kParse + kLibrary + FunctionStep(2) + variables +
                              Entry(1, "Non è stato possibile accertare il collegamento necessario alla connessione "
                                       "\"Comparazione (Bezeichnung) - Valore a\".") +
                              kAborted);
    EXPECT_EQ(m_home.ReadFile("para/Connections.tmp"),
              record({500, 502, 0, 500, 503, 1, 700, 704, 500, 504, 0, 500, 505, 0, 500, 506, 0, 510, 512, 0, 510,
                      513, 0}));
}

// A junction copied n times, each copy with lines of its own to both comparisons' value a and to the input: one
// junction of 3n lines, whose merge file holds 3n records of 3n - 1 lines.
std::string DuplicatedJunction(int copies)
{
    std::vector<int> toFirst, toSecond, toInput;
    std::string objects;
    for (int c = 0; c < copies; ++c) {
        const int line = 10000 + 3 * c;
        toFirst.push_back(line);
        toSecond.push_back(line + 1);
        toInput.push_back(line + 2);
        objects += Object(7, "Knotenpunkt", {{"Knoten", {line, line + 1, line + 2}}}) + Line(line) + Line(line + 1) +
                   Line(line + 2);
    }
    return Drawing(Vergleich(500, 0, toFirst) + Vergleich(510, 1, toSecond) + Eingang(700, 1, toInput) + objects);
}

TEST_F(EvaluationTest, DuplicatedWiringCostsTimeInProportionToTheExport)
{
    auto seconds = [](const std::function<void()>& run) {
        const auto start = std::chrono::steady_clock::now();
        run();
        return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    };
    auto openAndSearch = [&](int copies) {
        const std::string drawing = DuplicatedJunction(copies);
        return seconds([&] {
            OpenAndSave(drawing);
            EXPECT_TRUE(Run("funcview", drawing).empty()) << copies << " copies";
        });
    };
    // Both comparisons find the input through the junction, once each, however often the junction is copied.
    const double small = openAndSearch(200);
    auto record = [](std::vector<int> values) {
        std::string all;
        char field[32];
        for (int v : values) {
            std::snprintf(field, sizeof field, "%8d\r\n", v);
            all += field;
        }
        return all;
    };
    EXPECT_EQ(m_home.ReadFile("para/Connections.tmp"),
              record({500, 502, 0, 500, 503, 1, 700, 704, 500, 504, 0, 500, 505, 0, 500, 506, 0, 510, 512, 0, 510,
                      513, 1, 700, 704, 510, 514, 0, 510, 515, 0, 510, 516, 0}));
    const size_t merged = m_home.ReadFile("para/Connect2Node.tmp").size();
    EXPECT_EQ(merged, 600u * (30 + 599 * 10));

    const double large = openAndSearch(800);
    // The merge file is sixteen times as large by its format (57 MB); the work beside writing and comparing its bytes
    // grows with the export. Measured: about 0.2 s and 0.25 s; when every record was parsed, held and merged on its
    // own and the file was built whole before it was written, 0.16 s and 1.06 s.
    EXPECT_LT(large, 20.0);
    EXPECT_LT(large, 4 * small + 0.2) << small << " s, four times the copies " << large << " s";
}

TEST_F(EvaluationTest, OnlineSchemaNeedsExactlyOneFrame)
{
    OpenAndSave(kTwoAndMessage);
    const std::vector<std::string> boxes = Run("onlineschema", kTwoAndMessage);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0], testsupport::BoxLine(messages::kOnlineSchemaFrames));
    EXPECT_EQ(Protocol(), kParse);
    EXPECT_EQ(m_home.ReadFile("para/Connections.tmp"), "");

    // With its frame the command asks for the target in the program directory; a cancelled dialog writes nothing
    // and shows no message.
    const std::string frame = "  <object><type>rectangle</type><id>800</id><name>Online_Rahmen</name>"
                              "<point><x>0</x><y>0</y></point><point><x>64</x><y>0</y></point>"
                              "<point><x>64</x><y>48</y></point><point><x>0</x><y>48</y></point></object>\n";
    const std::vector<std::string> asked = Run("onlineschema", Drawing(frame));
    EXPECT_EQ(asked, std::vector<std::string>{"file dialog\tsave\tSchema online (*.html)|*.html||\t" +
                                              m_home.Dir().string() + "\t"});
}

}  // namespace
