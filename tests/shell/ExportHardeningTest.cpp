// "open" run by the real program on drawing exports written to meet the import's limits: exports that name
// resources outside themselves, exports nested beyond any drawing, texts of the whole Windows-1252 code page, and
// the colour that means no background.
#include "ChildProcess.h"
#include "OutsideAccessProbe.h"
#include "ProgramRun.h"
#include "StandinFixture.h"

#include "evaluation/COnlineSchema.h"
#include "evaluation/COnlineSchemaHtml.h"
#include "platform/Cp1252.h"

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <cstdio>

using testsupport::ProgramResult;

namespace {

std::string Int(int value)
{
    char field[16];
    std::snprintf(field, sizeof field, "%8d\r\n", value);
    return field;
}

std::string Txt(const std::string& text) { return std::string(28 - text.size(), ' ') + text + "\r\n"; }

std::string Entry(int code, const std::string& text)
{
    char head[64];
    std::snprintf(head, sizeof head, "%8d\r\n%8d\r\n", code, static_cast<int>(text.size()));
    return head + text + "\r\n";
}

const std::string kHead = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";

std::string Input(int id, int number, const std::string& designation, int line)
{
    return "<object><type>rectangle</type><id>" + std::to_string(id) + "</id><name>Eingang$" +
           std::to_string(number) + "</name><groupobject><type>text</type><id>" + std::to_string(id + 1) +
           "</id><name>Bezeichnung</name><string>" + designation +
           "</string></groupobject><groupobject><type>polylinie</type><id>" + std::to_string(id + 2) +
           "</id><name>Eingang</name><catchobject><lineID>" + std::to_string(line) +
           "</lineID></catchobject></groupobject></object>\n";
}

std::string Signal(const char* kind, int id, const std::string& name, int line)
{
    return "<object><type>polylinie</type><id>" + std::to_string(id) + "</id><name>" + kind +
           "</name><groupobject><type>text</type><id>" + std::to_string(id + 1) +
           "</id><name>Bezeichnung</name><string>" + name +
           "</string></groupobject><groupobject><type>polylinie</type><id>" + std::to_string(id + 2) +
           "</id><name>Anschluss</name><catchobject><lineID>" + std::to_string(line) +
           "</lineID></catchobject></groupobject></object>\n";
}

class ExportHardeningTest : public testsupport::StandinFixture {
protected:
    // "open" on the export; the boxes other than the notice of a new, empty parameter set.
    std::vector<std::string> Open(const std::string& xml, double* seconds = nullptr)
    {
        m_home.WriteFile("VORNA.xml", xml);
        const auto start = std::chrono::steady_clock::now();
        ProgramResult result = m_home.RunCommand(Command("open"));
        if (seconds) *seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        EXPECT_EQ(result.exitCode, 0);
        std::vector<std::string> boxes;
        for (const std::string& box : result.boxes)
            if (box.find("Message: 1.043") == std::string::npos) boxes.push_back(box);
        return boxes;
    }
    std::string Para(const std::string& name) const { return m_home.ReadFile("para/" + name); }
};

const std::string kParse = Entry(5, "Parsing...");

TEST_F(ExportHardeningTest, AnExportNamingOutsideResourcesReachesNothing)
{
    drawingtest::LocalListener listener;
    ASSERT_TRUE(listener.Ready());
    m_home.WriteFile("foreign.xml", Input(770, 9, "Fremd", 1));
    drawingtest::OpenWatch watch(m_home.Path("foreign.xml"));
    ASSERT_TRUE(watch.Ready());

    // A document type with an external DTD and entities over HTTP and from a file: the DTD is not opened, a fatal
    // error of the parse.
    const std::string doctype = "<!DOCTYPE output SYSTEM \"" + listener.Url("vorna.dtd") + "\" [<!ENTITY web SYSTEM \"" +
                                listener.Url("e.xml") + "\"><!ENTITY local SYSTEM \"file://" +
                                m_home.Path("foreign.xml") + "\">]>\n";
    const std::vector<std::string> boxes = Open(kHead + doctype + "<output>&web;&local;" + Input(100, 1, "A", 5) + "</output>");
    ASSERT_FALSE(boxes.empty());
    EXPECT_NE(boxes[0].find("XML-Parsing Message: 1.001"), std::string::npos) << boxes[0];
    EXPECT_NE(boxes[0].find("unable to open DTD document"), std::string::npos) << boxes[0];
    EXPECT_EQ(Para("Protokoll.tmp").substr(0, kParse.size()), kParse);
    EXPECT_EQ(Para("KS_Objects.tmp").find(Int(770)), std::string::npos);

    // A schema location: the export is read without it.
    const std::string schema = "<output xmlns:xsi=\"http://www.w3.org/2001/XMLSchema-instance\" "
                               "xsi:noNamespaceSchemaLocation=\"" + listener.Url("s.xsd") + "\">";
    EXPECT_TRUE(Open(kHead + schema + Input(100, 1, "A", 5) + "</output>").empty());
    EXPECT_EQ(Para("KS_Objects.tmp").substr(28 + 2, 10), Int(100));

    EXPECT_EQ(listener.Connections(), 0);
    EXPECT_EQ(watch.Openings(), 0);
}

TEST_F(ExportHardeningTest, AnExportNestedBeyondAnyDrawingFailsQuickly)
{
    std::string nested = kHead + "<output>";
    for (int i = 0; i < 1'000'000; ++i) nested += "<g>";
    for (int i = 0; i < 1'000'000; ++i) nested += "</g>";
    nested += "</output>";
    double seconds = 0;
    const std::vector<std::string> boxes = Open(nested, &seconds);
    EXPECT_LT(seconds, 20.0);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_NE(boxes[0].find("XML-Parsing Error"), std::string::npos) << boxes[0];
    EXPECT_NE(boxes[0].find("tiefer als 10000 Ebenen"), std::string::npos) << boxes[0];
    EXPECT_EQ(Para("Protokoll.tmp").substr(0, kParse.size()), kParse);
    EXPECT_EQ(Para("KS_Objects.tmp"), "");
}

TEST_F(ExportHardeningTest, TextsKeepEveryCharacterOfTheCodePage)
{
    // The 27 characters Windows-1252 places at 0x80 to 0x9F, written as UTF-8 into the export.
    const std::string high = "\x80\x82\x83\x84\x85\x86\x87\x88\x89\x8A\x8B\x8C\x8E\x91\x92\x93\x94\x95\x96\x97\x98"
                             "\x99\x9A\x9B\x9C\x9E\x9F";
    const std::string utf8 = platform::Cp1252ToUtf8(high);
    // Two signal names that differ only in ’ and ', each on a line of its own.
    const std::string quote = platform::Cp1252ToUtf8("Pumpe\x92");
    EXPECT_TRUE(Open(kHead + "<output>" + Input(100, 1, utf8, 5) +
                     Signal("Signal_\xC3\x9C" "bergabe", 200, quote, 7) +
                     Signal("Signal_\xC3\x9C" "bernahme", 210, "Pumpe'", 8) +
                     Signal("Signal_\xC3\x9C" "bernahme", 220, quote, 9) + "</output>")
                    .empty());
    EXPECT_EQ(Para("KS_Objects.tmp").substr(0, 80), Txt("Eingang") + Int(100) + Int(0) + Txt(high));
    EXPECT_EQ(Para("Connect2SigOver.tmp"), Int(7) + Txt("Pumpe\x92") + Int(1) + Int(9) + Int(9) + Txt("Pumpe\x92") +
                                               Int(1) + Int(7) + Int(8) + Txt("Pumpe'") + Int(0));
}

TEST_F(ExportHardeningTest, ABackColourOfAllOnesWritesNoBackground)
{
    auto placeholder = [](int id, const char* back) {
        return "<object><type>rectangle</type><id>" + std::to_string(id) +
               "</id><name>Online_Platzh_Links</name><point><x>10</x><y>10</y></point><point><x>20</x><y>30</y>"
               "</point><groupobject><type>text</type><id>" + std::to_string(id + 1) +
               "</id><name>Text1</name><kextfont><facename>Arial</facename><efTextColor>255</efTextColor>"
               "<efBkColor>" + back + "</efBkColor><efPointSize>100</efPointSize></kextfont></groupobject>"
               "<groupobject><type>text</type><id>" + std::to_string(id + 2) +
               "</id><name>Text2</name><string>T</string></groupobject></object>\n";
    };
    const std::string frame = "<object><type>rectangle</type><id>800</id><name>Online_Rahmen</name>"
                              "<point><x>0</x><y>0</y></point><point><x>64</x><y>0</y></point>"
                              "<point><x>64</x><y>48</y></point><point><x>0</x><y>48</y></point></object>\n";
    EXPECT_TRUE(Open(kHead + "<output>" + frame + placeholder(810, "4294967295") + placeholder(820, "-1") +
                     placeholder(830, "16777215") + "</output>")
                    .empty());
    // The page the command "onlineschema" builds from that file: one style without a background for the first two
    // placeholders, white for the third.
    COnlineSchema schema;
    ASSERT_TRUE(schema.ReadFile(m_home.Path("para/Online.tmp").c_str()));
    COnlineSchemaHtml page;
    ASSERT_TRUE(page.Build(schema));
    ASSERT_TRUE(page.WriteFile(m_home.Path("schema.html").c_str()));
    const std::string html = m_home.ReadFile("schema.html");
    EXPECT_NE(html.find(".style1 {font-family: Arial; font-size: 33px; text-align: left; font-style: normal; "
                        "font-weight: normal; color: #FF0000; position: absolute;}"),
              std::string::npos)
        << html;
    EXPECT_NE(html.find(".style2 {font-family: Arial; font-size: 33px; text-align: left; font-style: normal; "
                        "font-weight: normal; color: #FF0000; background-color: #FFFFFF; position: absolute;}"),
              std::string::npos)
        << html;
    EXPECT_EQ(html.find(".style3"), std::string::npos);
}

}  // namespace
