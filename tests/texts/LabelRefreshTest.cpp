// Label refresh of the drawing: the "settext" lines a refresh appends to the command file, for small drawings
// parsed from their export and parameter sets written through the store.
#include "texts/CTexte.h"

#include "../drawing/DrawingTestSupport.h"
#include "StoreTestFolder.h"

#include "drawing/CZeichnung.h"
#include "drawing/ObjectKinds.h"
#include "link/CSCCmd.h"
#include "store/CParaCheck.h"
#include "store/FunctionTypes.h"

#include <filesystem>
#include <functional>
#include <set>
#include <string>
#include <vector>

namespace {

using Lines = std::vector<std::string>;
using drawingtest::Connector;
using drawingtest::Obj;
using drawingtest::Text;

constexpr int kFile = CParaDaten::kWorkFile;
const std::string kDashes16 = "- - - - - - - - - - - - - - - -";

std::string Settext(int id, const std::string& text) { return "settext\xA7" + std::to_string(id) + "\xA7" + text; }

std::string Join(const Lines& lines)
{
    std::string all;
    for (const std::string& line : lines) all += "  " + line + "\n";
    return all;
}

// Characters beyond ASCII as character references, so that the export reads the same whatever its encoding.
std::string Escaped(const std::string& bytes)
{
    std::string out;
    for (unsigned char c : bytes) {
        if (c < 0x80)
            out += static_cast<char>(c);
        else
            out += "&#" + std::to_string(c) + ";";
    }
    return out;
}

// Ids of the texts and connectors of an object drawn by Funktion or Meldung.
int DesignationId(int id) { return id + 1; }
int CauseId(int id) { return id + 2; }
int LabelId(int id, int pin) { return id + 20 + 2 * pin; }
int ConnectorId(int id, int pin) { return id + 21 + 2 * pin; }
int ParticipantId(int id, int k) { return id + 100 + k; }

std::string Named(const std::string& kind, int number)
{
    return number < 0 ? kind : kind + "$" + std::to_string(number);
}

// A function object with every pin of its kind (connector and label) except those left out or drawn with their
// label alone, and one text per participant place; number -1 draws it without a number.
std::string Funktion(const std::string& kind, int id, int number, const std::string& shown,
                     const std::set<int>& leftOut = {}, const std::set<int>& labelOnly = {})
{
    const drawing::KindInfo* info = drawing::FindKind(kind);
    EXPECT_NE(info, nullptr) << kind;
    if (!info) return "";
    std::string inner = Text(DesignationId(id), "Bezeichnung", shown);
    for (size_t i = 0; i < info->pins.size(); ++i) {
        const int pin = static_cast<int>(i) + 1;
        if (leftOut.count(pin)) continue;
        if (!labelOnly.count(pin)) inner += Connector(ConnectorId(id, pin), info->pins[i].name, {});
        inner += Text(LabelId(id, pin), info->pins[i].name, "old");
    }
    for (int k = 1; k <= info->participants; ++k)
        inner += Text(ParticipantId(id, k), "beteiligte Funktion " + std::to_string(k), "old");
    return Obj("rectangle", id, Named(kind, number), inner);
}

std::string Meldung(int id, int number, const std::string& type, const std::string& cause)
{
    std::string inner = Text(DesignationId(id), "Meldungstyp", type) + Text(CauseId(id), "Meldungsursache", cause);
    const char* pins[] = {"Freigabe Meldung", "Meldung aktivieren", "Meldung löschen"};
    for (int p = 1; p <= 3; ++p)
        inner += Connector(ConnectorId(id, p), pins[p - 1], {}) + Text(LabelId(id, p), pins[p - 1], "old");
    return Obj("rectangle", id, Named("Meldung", number), inner);
}

// An input, output or status object showing its designation and number.
std::string Anlage(const std::string& kind, int id, int number, const std::string& shown)
{
    std::string index = kind == "Mischer_Ausgang"
                            ? Text(id + 2, "Index_1", std::to_string(number)) +
                                  Text(id + 3, "Index_2", std::to_string(number + 1))
                            : Text(id + 2, "Index", std::to_string(number));
    return Obj("rectangle", id, Named(kind, number), Text(DesignationId(id), "Bezeichnung", shown) + index);
}

// A network object; a type id of 0 draws it without a type text.
struct NetzIds {
    int typ, knoten, ausgang;
};
NetzIds NetzTextIds(int id) { return {id + 3, id + 4, id + 5}; }
std::string Netz(const std::string& kind, int id, int number, const std::string& shown, const std::string& type,
                 int node, int output, bool withType = true)
{
    const NetzIds ids = NetzTextIds(id);
    std::string inner = Text(DesignationId(id), "Bezeichnung", shown) + Text(id + 2, "Index", std::to_string(number));
    if (withType) inner += Text(ids.typ, "Type", type);
    inner += Text(ids.knoten, "NWK", std::to_string(node)) + Text(ids.ausgang, "NWA", std::to_string(output));
    return Obj("polylinie", id, Named(kind, number), inner);
}

// Changes the bytes of a decoded function record.
using Edit = std::function<void(BYTE* fields)>;

class LabelRefreshTest : public StoreTestFolder {
protected:
    void SetUp() override
    {
        StoreTestFolder::SetUp();
        std::filesystem::create_directories("para");
        CParaDaten para;
        ASSERT_TRUE(para.CreateEmptyFile(kFile));
    }

    void Draw(const std::string& objects)
    {
        drawingtest::WriteFile("VORNA.xml", Escaped(drawingtest::Doc(objects)));
        ::testing::internal::CaptureStderr();
        const int result = drawing::ParseXml("VORNA.xml");
        const std::string shown = ::testing::internal::GetCapturedStderr();
        ASSERT_EQ(result, 0) << shown;
    }

    // A new function of the kind for the drawing object; its slot.
    BYTE NewFunc(const std::string& kind, int id)
    {
        CParaDaten para;
        EXPECT_TRUE(para.CreateFunc(kFile, id, drawing::FindKind(kind)->typeCode, nullptr)) << kind;
        return para.FindFuncSlot(kFile, id);
    }

    BYTE NewMeldung(int id)
    {
        CParaDaten para;
        EXPECT_TRUE(para.CreateMeldung(kFile, id, nullptr));
        return para.FindMeldungSlot(kFile, id);
    }

    // Reads the function record of the object's slot as the bytes of its decoded record, edits and writes it.
    void EditFunc(const std::string& kind, int id, const Edit& edit)
    {
        const functypes::FunctionType* type = functypes::FindFunctionType(drawing::FindKind(kind)->typeCode);
        ASSERT_NE(type, nullptr) << kind;
        CParaDaten para;
        const BYTE slot = para.FindFuncSlot(kFile, id);
        ASSERT_NE(slot, 0) << kind;
        std::vector<BYTE> fields(type->recordSize);
        ASSERT_TRUE(type->read(para, kFile, slot, fields.data(), false)) << kind;
        edit(fields.data());
        ASSERT_TRUE(type->write(para, kFile, slot, fields.data())) << kind;
    }

    void EditMeldung(int id, const std::function<void(MeldungParam&)>& edit)
    {
        CParaDaten para;
        const BYTE slot = para.FindMeldungSlot(kFile, id);
        ASSERT_NE(slot, 0);
        MeldungParam record;
        ASSERT_TRUE(para.GetMeldung(kFile, slot, record, false));
        edit(record);
        ASSERT_TRUE(para.SetMeldung(kFile, slot, record));
    }

    static Lines CommandLines()
    {
        const std::string bytes = ReadFile(CSCCmd::GetFileName(CString()).GetString());  // no export folder
        Lines lines;
        size_t start = 0;
        while (start < bytes.size()) {
            size_t end = bytes.find("\r\n", start);
            EXPECT_NE(end, std::string::npos) << "a line without CR LF";
            if (end == std::string::npos) end = bytes.size();
            lines.push_back(bytes.substr(start, end - start));
            start = end + 2;
        }
        return lines;
    }

    // A whole refresh on a fresh channel: its result and the lines of the command file.
    Lines Refresh(UINT groups, int skipId, bool* result = nullptr)
    {
        CSCCmd channel(m_run);
        channel.Reset();
        const bool queued = m_texte.UpdateZeichnung(channel, groups, skipId);
        if (result) *result = queued;
        return CommandLines();
    }

    // The refresh of one function object alone.
    Lines RefreshFunktion(int id, bool* result = nullptr)
    {
        CSCCmd channel(m_run);
        channel.Reset();
        CZeichnung drawing;
        CParaDaten para;
        CParaCheck check;
        ObjektInfo object;
        EXPECT_TRUE(drawing.GetObjekt(drawing.FindObjekt(id), object)) << id;
        const bool queued = m_texte.UpdateFunktion(channel, para, check, drawing, object);
        if (result) *result = queued;
        return CommandLines();
    }

    CTexte m_texte;
    RunContext m_run;  // no export folder: the command file lies in the program directory's "para"
};

}  // namespace

TEST_F(LabelRefreshTest, InputsAndOutputsShowTheirStoredDesignationsAndOnlyChangedOnesAreSent)
{
    {
        CParaDaten para;
        EingangParam input;
        input.type = 2;  // analog, temperature, consumer list item 5 with digit 3
        input.quantity = 1;
        input.group = 2;
        input.index = 5;
        input.digit = 3;
        ASSERT_TRUE(para.SetEingang(kFile, 2, input));
        AusgangParam output;
        output.type = kAusgangMischer;  // output 3: a mixer pair
        output.index = 1;
        ASSERT_TRUE(para.SetAusgang(kFile, 3, output));
        output.type = kAusgangSchalt;   // output 4: switching, general list item 2, yet the mixer's second output
        output.index = 2;
        ASSERT_TRUE(para.SetAusgang(kFile, 4, output));
        output.index = 1;               // output 9: switching, general list item 1 with digit 4
        output.digit = 4;
        ASSERT_TRUE(para.SetAusgang(kFile, 9, output));
    }
    Draw(Anlage("Eingang", 1000, 2, "alt") + Anlage("Eingang", 1100, 2, "T.Bolittore3") +
         Anlage("Eingang", 1200, 0, "x") + Anlage("Eingang", 1300, 17, "x") + Anlage("Sensorstatus", 1400, 17, "x") +
         Anlage("Sensorstatus", 1500, 2, "x") + Anlage("Sensorstatus", 1600, 18, "inutiliz.") +
         Anlage("Ausgang", 2000, 4, "x") + Anlage("Ausgang", 2100, 3, "x") + Anlage("Ausgang", 2200, 9, "x") +
         Anlage("Ausgang", 2300, 10, "x") + Anlage("Ausgang", 2400, 15, "x") +
         Anlage("Mischer_Ausgang", 2500, 3, "x") + Anlage("Mischer_Ausgang", 2600, 4, "x") +
         Anlage("Analog_Ausgang", 2700, 15, "x") + Anlage("Analog_Ausgang", 2800, 14, "x"));

    const Lines inputs = {
        Settext(1001, "T.Bolittore3"),  // 1100 shows it already
        Settext(1201, "inutiliz."),     Settext(1301, "inutiliz."), Settext(1401, "tutti i sensori"),
        Settext(1501, "T.Bolittore3"),  // 1600 shows "inutiliz." already
    };
    const Lines outputs = {
        Settext(2001, "Misc.C.Risc"),      // output 4 is the second output of the mixer pair 3/4
        Settext(2101, "Misc.C.Risc"),      Settext(2201, "Pompa-C.Ris.4"),
        Settext(2301, "inutiliz."),        // output 10 has no record of its own: unused
        Settext(2401, "inutiliz."),        // 15 is an analog output
        Settext(2501, "Misc.C.Risc"),      Settext(2601, "inutiliz."),  // a mixer pair cannot start at 4
        Settext(2701, " "),                Settext(2801, "inutiliz."),
    };
    bool result = false;
    EXPECT_EQ(Refresh(CTexte::kLabelsEingaenge, -1, &result), inputs);
    EXPECT_TRUE(result);
    EXPECT_EQ(Refresh(CTexte::kLabelsAusgaenge, -1), outputs);
    Lines both = inputs;
    both.insert(both.end(), outputs.begin(), outputs.end());
    EXPECT_EQ(Refresh(CTexte::kLabelsAlle, -1), both);
}

TEST_F(LabelRefreshTest, GroupMaskSkipIdAndTheResult)
{
    NewFunc("Ladepumpe", 3000);
    NewMeldung(4000);
    Draw(Anlage("Eingang", 1000, 0, "x") + Funktion("Ladepumpe", 3000, 1, "x") + Meldung(4000, 0, "x", "y") +
         Anlage("Ausgang", 2000, 0, "inutiliz."));
    const Lines eingang = {Settext(1001, "inutiliz.")};
    const Lines ladepumpe = {Settext(3001, "  - - - - - -  "), Settext(LabelId(3000, 1), "ABL pompa")};
    const Lines meldung = {Settext(4001, "  inutilizzato  "), Settext(4002, "  - - - - - - -  "),
                           Settext(LabelId(4000, 1), "ABL messaggio"),
                           Settext(LabelId(4000, 2), "Attiv. messaggio (OFF)"),
                           Settext(LabelId(4000, 3), "Canc. messaggio (OFF)")};
    auto concat = [](std::initializer_list<Lines> parts) {
        Lines all;
        for (const Lines& p : parts) all.insert(all.end(), p.begin(), p.end());
        return all;
    };
    struct Case {
        const char* name;
        UINT groups;
        int skip;
        Lines expected;
    } cases[] = {
        {"nothing asked", 0, -1, {}},
        {"inputs", CTexte::kLabelsEingaenge, -1, eingang},
        {"functions", CTexte::kLabelsFunktionen, -1, ladepumpe},
        {"messages", CTexte::kLabelsMeldungen, -1, meldung},
        {"network only", CTexte::kLabelsNetzEingaenge | CTexte::kLabelsNetzAusgaenge, -1, {}},
        {"outputs, already up to date", CTexte::kLabelsAusgaenge, -1, {}},
        {"all", CTexte::kLabelsAlle, -1, concat({eingang, ladepumpe, meldung})},
        {"all but the function", CTexte::kLabelsAlle, 3000, concat({eingang, meldung})},
        {"all but the message", CTexte::kLabelsAlle, 4000, concat({eingang, ladepumpe})},
        {"any other negative id skips nothing", CTexte::kLabelsAlle, -5, concat({eingang, ladepumpe, meldung})},
    };
    for (const Case& c : cases) {
        bool result = !c.expected.empty();
        const Lines lines = Refresh(c.groups, c.skip, &result);
        EXPECT_EQ(lines, c.expected) << c.name << ":\n" << Join(lines);
        EXPECT_EQ(result, !c.expected.empty()) << c.name;
    }
}

// The labelled pins of every function type: pin number, first source field of the decoded record, and whether
// the pin has a fixed value when nothing is connected.
struct PinCase {
    int pin;
    int field;
    bool fixedValue;
};
struct KindCase {
    const char* kind;
    std::vector<PinCase> pins;
};
const KindCase kKinds[] = {
    {"Analogfunktion", {{1, 4, true}}},
    {"Anforderung Heizung", {{1, 4, true}}},
    {"Anforderung Warmwasser", {{1, 4, true}, {4, 18, false}}},
    {"Funktionskontrolle", {{3, 10, true}}},
    {"Heizkreisregler", {{1, 4, true}, {2, 39, true}, {3, 42, true}, {7, 51, false}}},
    {"Kesselkaskade", {{1, 4, true}, {2, 7, true}, {3, 10, true}}},  // with three boilers
    {"Kühlfunktion", {{1, 4, true}}},
    {"Ladepumpe", {{1, 4, true}}},
    {"Logikfunktion",
     {{1, 4, true}, {2, 41, false}, {3, 44, false}, {4, 47, false}, {5, 50, false}, {6, 53, false}, {7, 56, false}}},
    {"Mischerregelfunktion", {{1, 4, true}}},
    {"PID-Regelung", {{1, 4, true}}},
    {"Profilfunktion", {{1, 4, true}, {3, 10, false}, {4, 13, false}, {5, 19, false}, {6, 16, false}}},
    {"Schaltuhr", {{1, 4, true}, {2, 15, false}}},
    {"Solarregelung", {{1, 4, true}}},
    {"Solarvorrang", {{1, 4, true}}},
    {"Startfunktion", {{1, 4, true}}},
    {"Synchronisation", {{1, 4, true}}},
    {"Timerfunktion", {{1, 4, true}, {2, 22, true}}},
    {"Vergleich", {{1, 4, true}}},
    {"Wärmemengenzähler", {{1, 4, true}, {5, 14, false}}},
    {"Wartungsfunktion", {{1, 4, false}}},
    {"Zähler",
     {{1, 4, true},
      {2, 13, false},
      {3, 16, false},
      {4, 19, false},
      {5, 22, false},
      {6, 25, false},
      {7, 28, false},
      {8, 10, false}}},
    {"Zirkulation", {{1, 4, true}}},
};

TEST_F(LabelRefreshTest, EveryFunctionTypeLabelsItsPinsFromTheirOwnSourceFields)
{
    std::string objects;
    int id = 10000;
    for (const KindCase& k : kKinds) {
        objects += Funktion(k.kind, id, 1, "old");
        NewFunc(k.kind, id);
        id += 1000;
    }
    Draw(objects);

    id = 10000;
    for (const KindCase& k : kKinds) {
        const drawing::KindInfo* info = drawing::FindKind(k.kind);
        const bool cascade = std::string(k.kind) == "Kesselkaskade";
        // What the object gets with pin `marked` (0 none) carrying the suffix.
        auto expected = [&](int marked, const std::string& suffix) {
            Lines lines = {Settext(DesignationId(id), "  - - - - - -  ")};
            for (const PinCase& p : k.pins) {
                const std::string label =
                    m_texte.GetPinText(k.kind, info->pins[static_cast<size_t>(p.pin) - 1].name).GetString();
                lines.push_back(Settext(LabelId(id, p.pin), label + (p.pin == marked ? suffix : "")));
            }
            for (int n = 1; n <= info->participants; ++n) lines.push_back(Settext(ParticipantId(id, n), kDashes16));
            return lines;
        };
        // Every pin connected to input 1, only the one under test inverted.
        for (const PinCase& marked : k.pins) {
            EditFunc(k.kind, id, [&](BYTE* f) {
                if (cascade) f[14] = 3;
                for (const PinCase& p : k.pins) {
                    f[p.field] = 1;
                    f[p.field + 1] = p.pin == marked.pin ? 1 : 0;
                    f[p.field + 2] = 1;
                }
            });
            bool result = false;
            const Lines lines = RefreshFunktion(id, &result);
            EXPECT_EQ(lines, expected(marked.pin, " (inv.)")) << k.kind << ", pin " << marked.pin << ":\n"
                                                               << Join(lines);
            EXPECT_TRUE(result);
        }
        // Nothing connected, every fixed value 0: " (OFF)" only where the pin has a fixed value.
        EditFunc(k.kind, id, [&](BYTE* f) {
            if (cascade) f[14] = 3;
            for (const PinCase& p : k.pins) f[p.field] = f[p.field + 1] = f[p.field + 2] = 0;
        });
        Lines off = expected(0, "");
        for (size_t i = 0; i < k.pins.size(); ++i)
            if (k.pins[i].fixedValue) off[i + 1] += " (OFF)";
        const Lines lines = RefreshFunktion(id);
        EXPECT_EQ(lines, off) << k.kind << ", nothing connected:\n" << Join(lines);
        id += 1000;
    }
}

TEST_F(LabelRefreshTest, LabelsDrawnWithoutTheirConnectorStillShowTheirPinsText)
{
    std::string objects;
    int id = 10000;
    for (const KindCase& k : kKinds) {
        std::set<int> all;
        for (size_t pin = 1; pin <= drawing::FindKind(k.kind)->pins.size(); ++pin) all.insert(static_cast<int>(pin));
        objects += Funktion(k.kind, id, 1, "old", {}, all);
        NewFunc(k.kind, id);
        EditFunc(k.kind, id, [&](BYTE* f) {
            for (const PinCase& p : k.pins) f[p.field] = 1, f[p.field + 1] = 0, f[p.field + 2] = 1;
        });
        id += 1000;
    }
    Draw(objects);
    id = 10000;
    for (const KindCase& k : kKinds) {
        const drawing::KindInfo* info = drawing::FindKind(k.kind);
        Lines expected = {Settext(DesignationId(id), "  - - - - - -  ")};
        for (const PinCase& p : k.pins) {
            // The hot-water request's external switch counts as drawn only with its connector.
            if (std::string(k.kind) == "Anforderung Warmwasser" && p.pin == 4) continue;
            const char* name = info->pins[static_cast<size_t>(p.pin) - 1].name;
            expected.push_back(Settext(LabelId(id, p.pin), m_texte.GetPinText(k.kind, name).GetString()));
        }
        for (int n = 1; n <= info->participants; ++n) expected.push_back(Settext(ParticipantId(id, n), kDashes16));
        const Lines lines = RefreshFunktion(id);
        EXPECT_EQ(lines, expected) << k.kind << ":\n" << Join(lines);
        id += 1000;
    }
}

TEST_F(LabelRefreshTest, UnknownKindQueuesNothing)
{
    Draw(Anlage("Eingang", 1000, 1, "x"));
    bool result = true;
    EXPECT_EQ(RefreshFunktion(1000, &result), Lines{});
    EXPECT_FALSE(result);
}

TEST_F(LabelRefreshTest, CascadeThirdStageAndRequestParticipants)
{
    NewFunc("Anforderung Heizung", 5000);
    NewFunc("Anforderung Warmwasser", 6000);
    NewFunc("Heizkreisregler", 7000);
    NewFunc("Kesselkaskade", 8000);
    EditFunc("Anforderung Heizung", 5000, [](BYTE* f) { f[0] = 0, f[1] = 1, f[2] = 2; });  // "RISC.RICH2"
    CParaDaten para;
    FuncEntry heating, hotWater, circuit;
    ASSERT_TRUE(para.GetFuncEntry(kFile, para.FindFuncSlot(kFile, 5000), heating));
    ASSERT_TRUE(para.GetFuncEntry(kFile, para.FindFuncSlot(kFile, 6000), hotWater));
    ASSERT_TRUE(para.GetFuncEntry(kFile, para.FindFuncSlot(kFile, 7000), circuit));
    Draw(Funktion("Kesselkaskade", 8000, 4, "CASC.CALD"));

    struct Case {
        const char* name;
        BYTE boilers;
        std::string thirdStage;
    } cases[] = {
        {"two boilers: no third stage to switch", 2, "ABL 3. Liv.Cald."},
        {"three boilers", 3, "ABL 3. Liv.Cald. (OFF)"},
    };
    for (const Case& c : cases) {
        EditFunc("Kesselkaskade", 8000, [&](BYTE* f) {
            f[0] = 0, f[1] = 1, f[2] = 0;       // "CASC.CALD", framed
            f[4] = 0, f[5] = 0, f[6] = 0;       // release: off
            f[7] = 1, f[8] = 1, f[9] = 3;       // second stage: input 3, inverted
            f[10] = 0, f[11] = 0, f[12] = 0;    // third stage: off
            f[13] = 4;                          // four participants in use
            f[14] = c.boilers;
            f[18] = static_cast<BYTE>(heating.number + 1);
            f[19] = 0;
            f[20] = static_cast<BYTE>(hotWater.number + 1);
            f[21] = static_cast<BYTE>(circuit.number + 1);  // no request
            f[22] = static_cast<BYTE>(heating.number + 1);  // beyond the count
        });
        const Lines lines = Refresh(CTexte::kLabelsFunktionen, -1);
        const Lines expected = {
            Settext(8001, "  CASC.CALD  "),  // framed, so never equal to what the drawing gives back
            Settext(LabelId(8000, 1), "ABL Cald. casc.  (OFF)"),
            Settext(LabelId(8000, 2), "ABL 2. Liv.Cald. (inv.)"),
            Settext(LabelId(8000, 3), c.thirdStage),
            Settext(ParticipantId(8000, 1), "RISC.RICH2"),
            Settext(ParticipantId(8000, 2), kDashes16),
            Settext(ParticipantId(8000, 3), "- - - - - - -"),  // a request without designation
            Settext(ParticipantId(8000, 4), kDashes16),  // the repair clears a reference to no request
            Settext(ParticipantId(8000, 5), kDashes16),
            Settext(ParticipantId(8000, 6), kDashes16),
        };
        EXPECT_EQ(lines, expected) << c.name << ":\n" << Join(lines);
    }
}

TEST_F(LabelRefreshTest, SolarPriorityStartAndMaintenanceParticipants)
{
    NewFunc("Solarregelung", 5000);
    NewFunc("Solarregelung", 5100);
    NewFunc("Heizkreisregler", 5200);
    NewFunc("Solarvorrang", 6000);
    NewFunc("Startfunktion", 7000);
    NewFunc("Wartungsfunktion", 8000);
    EditFunc("Solarregelung", 5000, [](BYTE* f) { f[0] = 0, f[1] = 2, f[2] = 0; });  // "SOLARE SE"
    EditFunc("Heizkreisregler", 5200, [](BYTE* f) { f[0] = 0, f[1] = 1, f[2] = 9; });  // "CIR.RISC.9"
    CParaDaten para;
    FuncEntry solar, plain, circuit;
    ASSERT_TRUE(para.GetFuncEntry(kFile, para.FindFuncSlot(kFile, 5000), solar));
    ASSERT_TRUE(para.GetFuncEntry(kFile, para.FindFuncSlot(kFile, 5100), plain));
    ASSERT_TRUE(para.GetFuncEntry(kFile, para.FindFuncSlot(kFile, 5200), circuit));
    const BYTE solarKey = static_cast<BYTE>(solar.number + 1), plainKey = static_cast<BYTE>(plain.number + 1);
    EditFunc("Solarvorrang", 6000, [&](BYTE* f) {
        f[0] = 0, f[1] = 1, f[2] = 0;  // "PRIO.SOL."
        f[4] = 0, f[5] = 0, f[6] = 1;  // release on
        f[7] = 3;
        f[30] = plainKey, f[32] = 0, f[34] = solarKey, f[36] = solarKey;  // the fourth is beyond the count
    });
    EditFunc("Startfunktion", 7000, [&](BYTE* f) {
        f[4] = 1, f[5] = 0, f[6] = 2;  // release from input 2, not inverted
        f[7] = 2;
        f[33] = solarKey, f[34] = plainKey;
    });
    EditFunc("Wartungsfunktion", 8000, [&](BYTE* f) {
        f[4] = 0, f[5] = 0, f[6] = 0;  // external switch: nothing connected; it has no fixed value
        f[7] = 1;
        f[32] = static_cast<BYTE>(circuit.number + 1);
    });
    Draw(Funktion("Solarvorrang", 6000, 3, "x") + Funktion("Startfunktion", 7000, 4, "x") +
         Funktion("Wartungsfunktion", 8000, 5, "x"));

    Lines expected = {Settext(6001, "  PRIO.SOL.  "), Settext(LabelId(6000, 1), "ABL Prior. sol."),
                      Settext(ParticipantId(6000, 1), "- - - - - - -"), Settext(ParticipantId(6000, 2), kDashes16),
                      Settext(ParticipantId(6000, 3), "SOLARE SE")};
    for (int k = 4; k <= 10; ++k) expected.push_back(Settext(ParticipantId(6000, k), kDashes16));
    expected.insert(expected.end(), {Settext(7001, "  - - - - - -  "), Settext(LabelId(7000, 1), "ABL Funz. Avvio"),
                                     Settext(ParticipantId(7000, 1), "SOLARE SE"),
                                     Settext(ParticipantId(7000, 2), "- - - - - - -")});
    for (int k = 3; k <= 10; ++k) expected.push_back(Settext(ParticipantId(7000, k), kDashes16));
    expected.insert(expected.end(), {Settext(8001, "  - - - - - -  "), Settext(LabelId(8000, 1), "Commutatore est."),
                                     Settext(ParticipantId(8000, 1), "CIR.RISC.9")});
    for (int k = 2; k <= 5; ++k) expected.push_back(Settext(ParticipantId(8000, k), kDashes16));
    const Lines lines = Refresh(CTexte::kLabelsFunktionen, -1);
    EXPECT_EQ(lines, expected) << Join(lines);
}

TEST_F(LabelRefreshTest, HotWaterRequestDrawnWithoutItsExternalSwitch)
{
    NewFunc("Anforderung Warmwasser", 5000);
    NewFunc("Anforderung Warmwasser", 6000);
    NewFunc("Anforderung Warmwasser", 7000);
    for (int id : {5000, 6000, 7000})
        EditFunc("Anforderung Warmwasser", id, [](BYTE* f) {
            f[4] = 0, f[5] = 0, f[6] = 0;
            f[18] = 1, f[19] = 1, f[20] = 4;  // external switch from input 4, inverted
        });
    // 5000 lacks the pin, 6000 has it, 7000 has its label but no connector.
    Draw(Funktion("Anforderung Warmwasser", 5000, 1, "x", {4}) + Funktion("Anforderung Warmwasser", 6000, 2, "x") +
         Funktion("Anforderung Warmwasser", 7000, 3, "x", {}, {4}));
    const Lines lines = Refresh(CTexte::kLabelsAlle, -1);
    const Lines expected = {Settext(5001, "  - - - - - -  "), Settext(LabelId(5000, 1), "ABL Richiesta (OFF)"),
                            Settext(6001, "  - - - - - -  "), Settext(LabelId(6000, 1), "ABL Richiesta (OFF)"),
                            Settext(LabelId(6000, 4), "Commutatore est. (inv.)"),
                            Settext(7001, "  - - - - - -  "), Settext(LabelId(7000, 1), "ABL Richiesta (OFF)")};
    EXPECT_EQ(lines, expected) << Join(lines);
}

TEST_F(LabelRefreshTest, MessagesTypeCausePinsAndTheFirstEightEntries)
{
    std::string objects;
    for (int m = 0; m < 9; ++m) {
        const int id = 4000 + 100 * m;
        objects += Meldung(id, m, "AVVISO", "x");
        if (m < 8) NewMeldung(id);
    }
    Draw(objects);
    EditMeldung(4000, [](MeldungParam& r) {
        r.type = kMeldungWarnung;
        r.group = 0, r.index = 1, r.digit = 2;  // "Circolatione2"
        r.release = {1, 1, 5};                   // input 5, inverted
        r.activate = {0, 0, 0};                  // off
        r.cancel = {0, 0, 1};                    // on
    });
    Lines expected = {Settext(4001, "  AVVISO  "), Settext(4002, "  Circolatione2  "),
                      Settext(LabelId(4000, 1), "ABL messaggio (inv.)"),
                      Settext(LabelId(4000, 2), "Attiv. messaggio (OFF)"), Settext(LabelId(4000, 3), "Canc. messaggio")};
    // The other seven hold a new message: unused, release on, the rest off. The ninth is never looked up.
    for (int m = 1; m < 8; ++m) {
        const int id = 4000 + 100 * m;
        expected.insert(expected.end(), {Settext(id + 1, "  inutilizzato  "), Settext(id + 2, "  - - - - - - -  "),
                                         Settext(LabelId(id, 1), "ABL messaggio"),
                                         Settext(LabelId(id, 2), "Attiv. messaggio (OFF)"),
                                         Settext(LabelId(id, 3), "Canc. messaggio (OFF)")});
    }
    const Lines lines = Refresh(CTexte::kLabelsMeldungen, -1);
    EXPECT_EQ(lines, expected) << Join(lines);
}

TEST_F(LabelRefreshTest, ObjectsThatNoSlotCarriesShowNoDesignationAndKeepTheirPins)
{
    NewFunc("Vergleich", 3000);
    // 3100 and 4100 have numbers in the drawing but no slot; 3200 and 4200 have no number at all.
    Draw(Funktion("Vergleich", 3000, 1, "x") + Funktion("Vergleich", 3100, 2, "x") +
         Funktion("Vergleich", 3200, -1, "x") + Meldung(4100, 1, "x", "y") + Meldung(4200, -1, "x", "y") +
         Funktion("Timerfunktion", 3300, 3, "- - - - - -"));
    const Lines expected = {
        Settext(3001, "  - - - - - -  "), Settext(LabelId(3000, 1), "ABL Comparazione"),
        Settext(3101, "  - - - - - -  "),
        Settext(4101, "  inutilizzato  "), Settext(4102, "  - - - - - - -  "),
        Settext(3301, "  - - - - - -  "),  // framed, so sent although the drawing shows the same dashes
    };
    bool result = false;
    const Lines lines = Refresh(CTexte::kLabelsAlle, -1, &result);
    EXPECT_EQ(lines, expected) << Join(lines);
    EXPECT_TRUE(result);
}

TEST_F(LabelRefreshTest, PinLabelMarks)
{
    struct Case {
        BYTE kind, noFixed, inverted, fixed;
        int labelId;
        const char* expected;  // null: nothing sent
    } cases[] = {
        {1, 0, 1, 0, 70, "ABL Comparazione (inv.)"},   // connected and inverted
        {1, 0, 0, 0, 71, "ABL Comparazione"},          // connected
        {44, 1, 1, 0, 72, "ABL Comparazione (inv.)"},  // connected: the no-fixed-value flag plays no part
        {0, 0, 1, 0, 73, "ABL Comparazione (OFF)"},    // unconnected: the inverted flag plays no part
        {0, 0, 0, 1, 74, "ABL Comparazione"},          // fixed value on
        {0, 0, 0, 2, 75, "ABL Comparazione"},
        {0, 1, 0, 0, 76, "ABL Comparazione"},          // no fixed value
        {0, 0, 0, 0, 0, nullptr},                   // a pin without label object
        {0, 0, 0, 0, -1, nullptr},
    };
    for (const Case& c : cases) {
        CSCCmd channel(m_run);
        channel.Reset();
        const bool queued = m_texte.SetPinLabel(channel, c.kind, c.noFixed, c.inverted, c.fixed, "Vergleich",
                                                "Freigabe Funktion", c.labelId);
        const Lines expected = c.expected ? Lines{Settext(c.labelId, c.expected)} : Lines{};
        EXPECT_EQ(CommandLines(), expected) << c.labelId;
        EXPECT_EQ(queued, c.expected != nullptr) << c.labelId;
    }
}

TEST_F(LabelRefreshTest, NetworkInputsAndStatus)
{
    {
        CParaDaten para;
        NetzEingang digital[16] = {}, analog[16] = {};
        digital[2] = {1, 5, 7};   // input 3 from node 5, output 7, over the data line
        analog[0] = {0, 9, 12};   // input 17 from node 9, output 12, over CAN
        ASSERT_TRUE(para.SetNetzEingaengeDigital(kFile, digital));
        ASSERT_TRUE(para.SetNetzEingaengeAnalog(kFile, analog));
    }
    Draw(Netz("Netzwerkeingang", 1000, 3, "x", "Rete - variabile di ingresso", 0, 0) +
         Netz("Netzwerkeingang", 1100, 17, "ANALOG.1", "Rete - var. di ingresso (CAN)", 9, 12) +
         Netz("Netzwerkeingang", 1200, 0, "DIGITAL1", "Rete - var. di ingresso (DL)", 4, 2) +
         Netz("Netzwerkeingang", 1300, 0, "inutiliz.", "", 0, 0, false) +
         Netz("Netzwerkeingang", 1400, 4, "DIGITAL4", "", 0, 0, false) +
         Anlage("Netzwerkstatus", 1500, 33, "x") + Anlage("Netzwerkstatus", 1600, 32, "x") +
         Anlage("Netzwerkstatus", 1700, 34, "x"));
    const NetzIds a = NetzTextIds(1000), c = NetzTextIds(1200);
    const Lines expected = {
        Settext(1001, "DIGITAL3"), Settext(a.typ, "   Rete - var. di ingresso (DL)   "), Settext(a.knoten, "5"),
        Settext(a.ausgang, "7"),
        // 1100 is up to date.
        Settext(1201, "inutiliz."), Settext(c.typ, "   Rete - variabile di ingresso   "), Settext(c.knoten, "0"),
        Settext(c.ausgang, "0"),
        // 1300 and 1400 have an outdated type but no type text to send it to.
        Settext(1501, "tutti gli ingr. della rete"), Settext(1601, "ANALOG.16"), Settext(1701, "inutiliz."),
    };
    bool result = false;
    Lines lines = Refresh(CTexte::kLabelsNetzEingaenge, -1, &result);
    EXPECT_EQ(lines, expected) << Join(lines);
    EXPECT_TRUE(result);
    EXPECT_EQ(Refresh(CTexte::kLabelsNetzAusgaenge | CTexte::kLabelsEingaenge, -1), Lines{});

    // Only an outdated type without a text of its own: nothing is sent, and the result says so.
    Draw(Netz("Netzwerkeingang", 1300, 0, "inutiliz.", "", 0, 0, false));
    lines = Refresh(CTexte::kLabelsAlle, -1, &result);
    EXPECT_EQ(lines, Lines{}) << Join(lines);
    EXPECT_FALSE(result);
}

TEST_F(LabelRefreshTest, NetworkOutputsShowTheOwnNodeAndTheirOutputNumber)
{
    {
        CParaDaten para;
        NetzwerkParam netz;
        netz.node = 7;
        ASSERT_TRUE(para.SetNetzwerk(kFile, netz));
    }
    Draw(Netz("Netzwerkausgang", 1000, 20, "x", "t", 3, 20) + Netz("Netzwerkausgang", 1100, 5, "DIGITAL5", "t", 7, 5) +
         Netz("Netzwerkausgang", 1200, 0, "x", "t", 3, 2) + Netz("Netzwerkausgang", 1300, 40, "inutiliz.", "t", 0, 0));
    const NetzIds a = NetzTextIds(1000), c = NetzTextIds(1200);
    const Lines expected = {
        Settext(1001, "ANALOG.4"), Settext(a.knoten, "7"), Settext(a.ausgang, "4"),
        Settext(1201, "inutiliz."), Settext(c.knoten, "0"), Settext(c.ausgang, "0"),
    };
    const Lines lines = Refresh(CTexte::kLabelsNetzAusgaenge, -1);
    EXPECT_EQ(lines, expected) << Join(lines);

    // A node number the store cannot hold is shown as node 1.
    {
        CParaDaten para;
        NetzwerkParam netz;
        netz.node = 0;
        ASSERT_TRUE(para.SetNetzwerk(kFile, netz));
    }
    EXPECT_EQ(Refresh(CTexte::kLabelsNetzAusgaenge, -1)[1], Settext(a.knoten, "1"));
}
