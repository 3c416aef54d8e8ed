// The XML import against exports that try to make it reach outside the document: external DTDs, entities and
// schemas named by URL or file, and internal entities that expand without end.
#include "DrawingTestSupport.h"
#include "OutsideAccessProbe.h"

#include <chrono>

using namespace drawingtest;

namespace {

class XmlImportHardeningTest : public InTempFolder {
protected:
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
    // A document type makes the parser validate: an external DTD or entity read as empty then leaves the elements
    // undeclared, and the export is refused. A schema is never loaded, and the export is read without it.
    struct Case {
        const char* what;
        std::string xml;
        int result;
    } cases[] = {
        {"external DTD over HTTP",
         head + "<!DOCTYPE output SYSTEM \"" + listener.Url("vorna.dtd") + "\">\n<output>" + kOwnObject + "</output>", 4},
        {"external DTD with a public id",
         head + "<!DOCTYPE output PUBLIC \"-//VORNA//x\" \"" + listener.Url("p.dtd") + "\">\n<output></output>", 4},
        {"external DTD as a file URL",
         head + "<!DOCTYPE output SYSTEM \"" + fileUrl + "foreign.dtd\">\n<output>" + kOwnObject + "</output>", 4},
        {"external parameter entity",
         head + "<!DOCTYPE output [<!ENTITY % p SYSTEM \"" + listener.Url("p.ent") + "\"> %p;]>\n<output></output>", 4},
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
    EXPECT_LT(seconds, 10.0);
    EXPECT_NE(boxes.find("XML-Parsing Message: 1.001"), std::string::npos);
    EXPECT_NE(boxes.find("entity expansions"), std::string::npos);
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

}  // namespace
