// The online-schema exchange file and the page built from it.
#include "DrawingTestSupport.h"

#include "evaluation/COnlineSchema.h"
#include "evaluation/COnlineSchemaHtml.h"

namespace {

using drawingtest::ReadFile;
using drawingtest::WriteFile;

const std::string kFrame = "Online_Rahmen\r\n100\r\n50\r\n400\r\n50\r\n400\r\n250\r\n100\r\n250\r\n";

std::string Placeholder(const char* kind, const char* text, int x, int y, int size, int align, const char* style,
                        int color, int back)
{
    return std::string(kind) + "\r\n" + text + "\r\n" + std::to_string(x) + "\r\n" + std::to_string(y) +
           "\r\nArial\r\n" + std::to_string(size) + "\r\n" + std::to_string(align) + "\r\n" + style + "\r\n" +
           std::to_string(color) + "\r\n" + std::to_string(back) + "\r\n";
}

class COnlineSchemaHtmlTest : public drawingtest::InTempFolder {};

TEST_F(COnlineSchemaHtmlTest, ReadingAcceptsOnlyWholeRecords)
{
    struct Case {
        const char* name;
        std::string file;
        bool ok;
        int frames;
        int placeholders;
    };
    const Case cases[] = {
        {"empty", "", true, 0, 0},
        {"frame and placeholder", kFrame + Placeholder("Online_Platzh_Links", "T", 1, 2, 80, 0, "Fett", 0, -1),
         true, 1, 1},
        {"two frames", kFrame + kFrame, true, 2, 0},
        {"empty line between records", kFrame + "\r\n" + kFrame, false, 1, 0},
        {"unknown record", "Online_Irgendwas\r\n", false, 0, 0},
        {"cut short", kFrame.substr(0, kFrame.size() - 5), false, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        WriteFile("para/Online.tmp", c.file);
        COnlineSchema schema;
        EXPECT_EQ(schema.ReadFile("para/Online.tmp"), c.ok);
        EXPECT_EQ(schema.m_Rahmen.GetCount(), c.frames);
        EXPECT_EQ(schema.m_Platzhalter.GetCount(), c.placeholders);
    }
    COnlineSchema missing;
    EXPECT_FALSE(missing.ReadFile("para/none.tmp"));
}

TEST_F(COnlineSchemaHtmlTest, PageHoldsPositionsAndSharedStyles)
{
    WriteFile("para/Online.tmp",
              kFrame + Placeholder("Online_Platzh_Links", "\xB0 &", 150, 80, 80, 0, "Fett", 255, -1) +
                  Placeholder("Online_Platzh_Rechts", "b", 380, 80, 80, 0, "Fett", 255, -1) +
                  Placeholder("Online_Platzh_Links", "c", 110, 60, 45, 6, "Fett Kursiv", 0x7F00FF00, 0x0000FF));
    COnlineSchema schema;
    ASSERT_TRUE(schema.ReadFile("para/Online.tmp"));
    COnlineSchemaHtml page;
    ASSERT_TRUE(page.Build(schema));
    ASSERT_TRUE(page.WriteFile("page.html"));
    const std::string html = ReadFile("page.html");
    for (const char* expected : {
             "#pos01 {top: 30px; left: 50px;}\r\n",
             "#pos02 {top: 30px; right: 20px;}\r\n",
             "#pos03 {top: 10px; left: 10px;}\r\n",
             ".style1 {font-family: Arial; font-size: 28px; text-align: left; font-style: normal; font-weight: bold; "
             "color: #FF0000; position: absolute;}\r\n",
             // The colour's high byte is not part of the colour.
             ".style2 {font-family: Arial; font-size: 70px; text-align: center; font-style: italic; "
             "font-weight: bold; color: #00FF00; background-color: #FF0000; position: absolute;}\r\n",
             "var Width = \"300px\";\r\nvar Height = \"200px\";\r\n",
             "<div class=\"style1\" id=\"pos01\">&deg;&nbsp;&amp;</div>\r\n",
             "<div class=\"style1\" id=\"pos02\">b</div>\r\n",
             "<div class=\"style2\" id=\"pos03\">c</div>\r\n",
         })
        EXPECT_NE(html.find(expected), std::string::npos) << expected << "\n" << html;
    EXPECT_EQ(html.substr(0, 12), "<!--2.0-->\r\n");
    EXPECT_EQ(html.substr(html.size() - 16), "</body>\r\n</html>");
}

TEST_F(COnlineSchemaHtmlTest, EveryCharacterOutsideAsciiIsAReference)
{
    struct Case {
        const char* text;
        const char* html;
    };
    const Case cases[] = {
        {"\xE4\xF6\xFC\xC4\xD6\xDC\xDF", "&auml;&ouml;&uuml;&Auml;&Ouml;&Uuml;&szlig;"},
        {"<a>", "&lt;a&gt;"},
        {"\xB2\xB3", "&sup2;&sup3;"},
        {"\xE9\x80", "&#233;&#8364;"},  // no named entity: é and the euro sign by their code points
        {"caf\xE8 12", "caf&#232;&nbsp;12"},
    };
    for (const Case& c : cases) EXPECT_EQ(std::string(COnlineSchemaHtml::ToHtml(c.text).GetString()), c.html);
}

TEST_F(COnlineSchemaHtmlTest, FontSizesAndFrameCount)
{
    EXPECT_EQ(COnlineSchemaHtml::FontPixels(30), 13);
    EXPECT_EQ(COnlineSchemaHtml::FontPixels(45), 70);
    EXPECT_EQ(COnlineSchemaHtml::FontPixels(110), 39);
    EXPECT_EQ(COnlineSchemaHtml::FontPixels(200), 70);
    WriteFile("para/Online.tmp", kFrame + kFrame);
    COnlineSchema schema;
    ASSERT_TRUE(schema.ReadFile("para/Online.tmp"));
    COnlineSchemaHtml page;
    EXPECT_FALSE(page.Build(schema));
    EXPECT_FALSE(page.WriteFile("missing-folder/page.html"));
}

}  // namespace
