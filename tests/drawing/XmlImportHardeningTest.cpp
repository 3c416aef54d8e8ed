// The XML import against exports that try to make it reach outside the document: external DTDs, entities and
// schemas named by URL or file, and internal entities that expand without end.
#include "DrawingTestSupport.h"
#include "OutsideAccessProbe.h"

#include "drawing/DrawingServices.h"

#include <chrono>
#include <utility>
#include <vector>

using namespace drawingtest;

namespace {

class XmlImportHardeningTest : public InTempFolder {
protected:
    // Seconds the parse of the document takes; its result in *result.
    double TimedParse(const std::string& xml, int* result = nullptr, std::string* boxes = nullptr)
    {
        WriteFile("VORNA.xml", xml);
        const auto start = std::chrono::steady_clock::now();
        const int parsed = Parse(xml, boxes);
        const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        if (result) *result = parsed;
        return seconds;
    }
    std::string Ks() { return ReadFile("para/KS_Objects.tmp"); }
    std::string Absolute(const std::string& name) { return (m_folder / name).string(); }
};

// Would add an input object with id 77 to the exchange files if the import read it.
const std::string kForeignObject = Obj("rectangle", 77, "Eingang$9", "");
const std::string kOwnObject = Obj("rectangle", 10, "Eingang$1", "");

TEST_F(XmlImportHardeningTest, NothingNamedOutsideTheExportIsFetchedOrOpened)
{
    LocalListener listener;
    ASSERT_TRUE(listener.Ready());
    WriteFile("foreign.xml", kForeignObject);
    WriteFile("foreign.dtd", "<!ELEMENT output ANY>");
    WriteFile("foreign.xsd", "<xs:schema xmlns:xs=\"http://www.w3.org/2001/XMLSchema\"/>");
    const std::string head = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";
    const std::string xsi = "xmlns:xsi=\"http://www.w3.org/2001/XMLSchema-instance\" ";
    const std::string fileUrl = "file://" + Absolute("");
    // An external DTD (also one a parameter entity names) is never opened, which ends the parse with the parser's
    // exception; an external entity is not expanded, an error. A schema is never loaded: the export is read without
    // it.
    struct Case {
        const char* what;
        std::string xml;
        int result;
    } cases[] = {
        {"external DTD over HTTP",
         head + "<!DOCTYPE output SYSTEM \"" + listener.Url("vorna.dtd") + "\">\n<output>" + kOwnObject + "</output>", -1},
        {"external DTD with a public id",
         head + "<!DOCTYPE output PUBLIC \"-//VORNA//x\" \"" + listener.Url("p.dtd") + "\">\n<output></output>", -1},
        {"external DTD as a file URL",
         head + "<!DOCTYPE output SYSTEM \"" + fileUrl + "foreign.dtd\">\n<output>" + kOwnObject + "</output>", -1},
        {"external parameter entity",
         head + "<!DOCTYPE output [<!ENTITY % p SYSTEM \"" + listener.Url("p.ent") + "\"> %p;]>\n<output></output>", -1},
        {"external general entity over HTTP",
         head + "<!DOCTYPE output [<!ENTITY e SYSTEM \"" + listener.Url("e.xml") + "\">]>\n<output>&e;</output>", 4},
        {"external general entity as a file URL",
         head + "<!DOCTYPE output [<!ENTITY e SYSTEM \"" + fileUrl + "foreign.xml\">]>\n<output>&e;</output>", 4},
        {"external general entity as a relative name",
         head + "<!DOCTYPE output [<!ENTITY e SYSTEM \"foreign.xml\">]>\n<output>&e;" + kOwnObject + "</output>", 4},
        {"schema without namespace",
         head + "<output " + xsi + "xsi:noNamespaceSchemaLocation=\"" + listener.Url("s.xsd") + "\">" + kOwnObject +
             "</output>", 0},
        {"schema of a namespace",
         head + "<output xmlns=\"urn:vorna\" " + xsi + "xsi:schemaLocation=\"urn:vorna " + listener.Url("n.xsd") +
             "\">" + kOwnObject + "</output>", 0},
        {"schema as a file URL",
         head + "<output " + xsi + "xsi:noNamespaceSchemaLocation=\"" + fileUrl + "foreign.xsd\">" + kOwnObject +
             "</output>", 0},
    };
    for (const Case& c : cases) {
        OpenWatch xml(Absolute("foreign.xml")), dtd(Absolute("foreign.dtd")), xsd(Absolute("foreign.xsd"));
        ASSERT_TRUE(xml.Ready() && dtd.Ready() && xsd.Ready());
        const int before = listener.Connections();
        EXPECT_EQ(Parse(c.xml), c.result) << c.what;
        EXPECT_EQ(listener.Connections(), before) << c.what;
        EXPECT_EQ(xml.Openings() + dtd.Openings() + xsd.Openings(), 0) << c.what;
        if (c.result == 0) {
            EXPECT_NE(Ks().find(Int(10)), std::string::npos) << c.what;
            EXPECT_EQ(Ks().find(Int(77)), std::string::npos) << c.what;
        }
    }
}

TEST_F(XmlImportHardeningTest, EntityExpansionIsBounded)
{
    // Ten levels of ten references each: 10^10 expansions if nothing stopped them.
    std::string dtd = "<!ENTITY e0 \"Heizkreisregler\">";
    for (int level = 1; level <= 10; ++level) {
        dtd += "<!ENTITY e" + std::to_string(level) + " \"";
        for (int i = 0; i < 10; ++i) dtd += "&e" + std::to_string(level - 1) + ";";
        dtd += "\">";
    }
    const auto start = std::chrono::steady_clock::now();
    std::string boxes;
    const int result = Parse("<?xml version=\"1.0\"?>\n<!DOCTYPE output [" + dtd + "]>\n<output>" +
                             Obj("rectangle", 10, "&e10;$1", "") + "</output>", &boxes);
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    EXPECT_NE(result, 0);
    // Unbounded, the ten levels would expand to 10^10 texts and never end; the margin covers a sanitizer build
    // on a loaded machine.
    EXPECT_LT(seconds, 60.0);
    EXPECT_NE(boxes.find("XML-Parsing Message: 1.001"), std::string::npos);
    EXPECT_NE(boxes.find("entity expansions"), std::string::npos);
}

// A DOCTYPE that declares no element makes every element an error of validation: one box shows the first, the
// protocol counts the others, and the parse fails as it would with one.
TEST_F(XmlImportHardeningTest, OnlyTheFirstMessageOfEachKindShowsItsBoxTheRestAreCounted)
{
    struct Protokoll : drawing::DrawingServices {
        void WriteProtokoll(int code, const CString& text) override { entries.push_back({code, text.str()}); }
        std::vector<std::pair<int, std::string>> entries;
    } protokoll;
    drawing::SetServices(&protokoll);
    std::string objects;
    for (int i = 1; i <= 20; ++i) objects += Obj("rectangle", i, "Eingang$" + std::to_string(i), "");
    std::string boxes;
    const int result = Parse("<?xml version=\"1.0\"?>\n<!DOCTYPE output []>\n<output>" + objects + "</output>", &boxes);
    drawing::SetServices(nullptr);
    EXPECT_EQ(result, 4);
    // Twenty objects of four elements each and the root: 81 undeclared elements, each reported once.
    size_t shown = 0;
    for (size_t at = boxes.find("XML-Parsing"); at != std::string::npos; at = boxes.find("XML-Parsing", at + 1))
        ++shown;
    EXPECT_EQ(shown, 1u) << boxes;
    EXPECT_EQ(boxes.rfind("XML-Parsing Message: 1.000\t", 0), 0u) << boxes;
    ASSERT_EQ(protokoll.entries.size(), 1u);
    EXPECT_EQ(protokoll.entries[0].first, 6);
    EXPECT_EQ(protokoll.entries[0].second,
              "Altri 80 messaggi \"XML-Parsing Message: 1.000\" del parser XML non mostrati.");
}

TEST_F(XmlImportHardeningTest, ReferencesOfARealExportAreNotCountedAsExpansions)
{
    // Predefined entities and character references in a large export: far more than the expansion limit.
    std::string objects;
    for (int i = 0; i < 3000; ++i)
        objects += Obj("rectangle", 100 + 10 * i, "Eingang$1", Text(101 + 10 * i, "Bezeichnung",
                                                                   "F&#252;hler &amp; &lt;&gt; &quot;&apos; &#x20AC;"));
    ASSERT_EQ(Parse(Doc(objects)), 0);
    EXPECT_NE(Ks().find(Txt("F\xFChler & <> \"' \x80")), std::string::npos);
}

// Elements nested inside "output", each level named g; blocks of them side by side.
std::string Nested(int levels, int blocks = 1)
{
    std::string block;
    block.reserve(static_cast<size_t>(levels) * 7);
    for (int i = 0; i < levels; ++i) block += "<g>";
    for (int i = 0; i < levels; ++i) block += "</g>";
    std::string xml = "<?xml version=\"1.0\"?>\n<output>";
    xml.reserve(block.size() * static_cast<size_t>(blocks) + 64);
    for (int b = 0; b < blocks; ++b) xml += block;
    return xml + "</output>";
}

TEST_F(XmlImportHardeningTest, NestingBeyondAnyDrawingEndsTheParseQuickly)
{
    for (int levels : {100'000, 1'000'000}) {
        SCOPED_TRACE(levels);
        // The files of an earlier run stay as they were.
        WriteFile("para/KS_Objects.tmp", "earlier");
        int result = 0;
        std::string boxes;
        const double seconds = TimedParse(Nested(levels), &result, &boxes);
        EXPECT_EQ(result, 4);
        EXPECT_EQ(boxes, "XML-Parsing Error\t8240\tEin Fehler ist aufgetreten! :\nDas Dokument ist tiefer als 10000 "
                         "Ebenen verschachtelt und kein Zeichnungsexport.\n");
        EXPECT_LT(seconds, 10.0);
        EXPECT_EQ(ReadFile("para/KS_Objects.tmp"), "earlier");
    }
    // The limit itself: "output" and 9,999 levels inside it are read, one more is not.
    EXPECT_EQ(Parse(Nested(9'999)), 0);
    EXPECT_EQ(Parse(Nested(10'000)), 4);
}

TEST_F(XmlImportHardeningTest, RealDrawingsAreWellWithinTheNestingLimit)
{
    for (const char* name : {"samples/VORNA.xml", "samples/drawings/gross.xml", "samples/drawings/alle_objekte.xml",
                             "samples/drawings/alle_objekte_fehler.xml"}) {
        SCOPED_TRACE(name);
        EXPECT_EQ(Parse(ReadFile(std::string(MORV_SOURCE_DIR) + "/" + name)), 0);
        EXPECT_FALSE(Ks().empty());
    }
}

TEST_F(XmlImportHardeningTest, ParseTimeGrowsLinearlyWithTheSizeAtAnyDepth)
{
    // A wide flat export and one four times its size.
    auto lines = [](int count) {
        std::string objects;
        for (int i = 0; i < count; ++i) objects += Obj("polylinie", 1000 + i, "Linie", "<point><x>1</x><y>2</y></point>");
        return Doc(objects);
    };
    const double once = TimedParse(lines(20'000));
    const double fourTimes = TimedParse(lines(80'000));
    EXPECT_LT(fourTimes, 10 * once + 0.05) << once << " s, four times the size " << fourTimes << " s";

    // The same number of elements side by side and nested as deep as allowed: a cost per element that grew with
    // its depth would make the nested document many times slower.
    const double flat = TimedParse(Nested(1, 40 * 9'999));
    const double deep = TimedParse(Nested(9'999, 40));
    EXPECT_LT(deep, 6 * flat + 0.1) << "side by side " << flat << " s, nested " << deep << " s";
}

}  // namespace
