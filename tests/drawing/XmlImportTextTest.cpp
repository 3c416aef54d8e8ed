// The XML import's texts and colours: Windows-1252 conversion of names, texts and signal names, and the colour
// values of the online-schema placeholders.
#include "DrawingTestSupport.h"

#include "platform/Cp1252.h"

using namespace drawingtest;

namespace {

class XmlImportTextTest : public InTempFolder {
protected:
    static std::string Field(const std::string& bytes, size_t offset, size_t width) { return bytes.substr(offset, width); }
};

// The 27 characters that Windows-1252 places at 0x80 to 0x9F (the five unassigned bytes left out).
std::string HighBytes()
{
    std::string bytes;
    for (int b = 0x80; b <= 0x9F; ++b)
        if (b != 0x81 && b != 0x8D && b != 0x8F && b != 0x90 && b != 0x9D) bytes += static_cast<char>(b);
    return bytes;
}

// The same characters as character references, as an export may write them.
std::string AsReferences(const std::string& cp1252)
{
    std::string xml;
    const std::string utf8 = platform::Cp1252ToUtf8(cp1252);
    for (size_t i = 0; i < utf8.size();) {
        const auto b = static_cast<unsigned char>(utf8[i]);
        const int length = b < 0x80 ? 1 : b < 0xE0 ? 2 : 3;
        char32_t c = length == 1 ? b : b & (length == 2 ? 0x1F : 0x0F);
        for (int k = 1; k < length; ++k) c = (c << 6) | (static_cast<unsigned char>(utf8[i + k]) & 0x3F);
        xml += "&#" + std::to_string(static_cast<unsigned>(c)) + ";";
        i += static_cast<size_t>(length);
    }
    return xml;
}

TEST_F(XmlImportTextTest, EveryCharacterOfTheCodePageKeepsItsByte)
{
    const std::string high = HighBytes();
    ASSERT_EQ(high.size(), 27u);
    // The export as UTF-8 text and as character references: both give the Windows-1252 bytes.
    for (const std::string& written : {platform::Cp1252ToUtf8(high), AsReferences(high)}) {
        SCOPED_TRACE(written);
        const std::string signal = Obj("polylinie", 30, "Signal_&#220;bergabe",
                                       Text(31, "Bezeichnung", written) + Connector(32, "Anschluss", {5}));
        const std::string placeholder =
            Obj("rectangle", 40, "Online_Platzh_Links",
                Group("text", 41, "Text1",
                      "<kextfont><facename>" + written + "</facename><efStyleName>" + written +
                          "</efStyleName></kextfont>") +
                    Text(42, "Text2", written));
        ASSERT_EQ(Parse(Doc(Obj("rectangle", 10, "Eingang$1", Text(11, "Bezeichnung", written)) +
                            Obj("rectangle", 20, "Meldung$1",
                                Text(21, "Meldungstyp", "T" + written) + Text(22, "Meldungsursache", written)) +
                            signal + placeholder)),
                  0);
        const std::string ks = ReadFile("para/KS_Objects.tmp");
        EXPECT_EQ(Field(ks, 50, 30), Txt(high));
        EXPECT_NE(ks.find(Txt("T" + high)), std::string::npos);
        // The input's designation, the message's cause and the signal's designation.
        size_t count = 0;
        for (size_t at = ks.find(Txt(high)); at != std::string::npos; at = ks.find(Txt(high), at + 1)) ++count;
        EXPECT_EQ(count, 3u);
        EXPECT_EQ(ReadFile("para/SignalOver.tmp"), Txt(high) + Int(1) + Int(5));
        EXPECT_EQ(ReadFile("para/Connect2SigOver.tmp"), Int(5) + Txt(high) + Int(0));
        EXPECT_EQ(ReadFile("para/Online.tmp"), "Online_Platzh_Links\r\n" + high + "\r\n0\r\n0\r\n" + high +
                                                   "\r\n0\r\n0\r\n" + high + "\r\n0\r\n0\r\n");
    }
}

TEST_F(XmlImportTextTest, CharactersOutsideTheCodePageBecomeOneQuestionMarkEach)
{
    // Not equal to, a character beyond 16 bits (two UTF-16 units), then Latin-1 letters that Windows-1252 shares
    // and the euro sign.
    ASSERT_EQ(Parse(Doc(Obj("rectangle", 10, "Eingang$1",
                            Text(11, "Bezeichnung", "a&#8800;b&#128512;c&#252;&#223;&#8364;")))),
              0);
    EXPECT_EQ(Field(ReadFile("para/KS_Objects.tmp"), 50, 30), Txt("a?b?c\xFC\xDF\x80"));
}

TEST_F(XmlImportTextTest, SignalNamesThatDifferInOneCharacterOfTheCodePageStayApart)
{
    // Each name is "P" and one of the 27 characters, on a line of its own; one more signal object repeats the
    // first name and is joined with it.
    const std::string high = HighBytes();
    std::string objects;
    int id = 100;
    for (char c : high) {
        objects += Obj("polylinie", id, "Signal_&#220;bernahme",
                       Text(id + 1, "Bezeichnung", "P" + AsReferences(std::string(1, c))) +
                           Connector(id + 2, "Anschluss", {id}));
        id += 10;
    }
    objects += Obj("polylinie", id, "Signal_&#220;bergabe",
                   Text(id + 1, "Bezeichnung", "P" + AsReferences(high.substr(0, 1))) +
                       Connector(id + 2, "Anschluss", {id}));
    ASSERT_EQ(Parse(Doc(objects)), 0);
    std::string expected = Int(100) + Txt("P" + high.substr(0, 1)) + Int(1) + Int(id) + Int(id) +
                           Txt("P" + high.substr(0, 1)) + Int(1) + Int(100);
    for (size_t i = 1; i < high.size(); ++i)
        expected += Int(100 + 10 * static_cast<int>(i)) + Txt("P" + high.substr(i, 1)) + Int(0);
    EXPECT_EQ(ReadFile("para/Connect2SigOver.tmp"), expected);
}

TEST_F(XmlImportTextTest, BackColourOfAllOnesMeansNone)
{
    struct Case {
        const char* written;
        const char* stored;
    } cases[] = {
        {"-1", "-1"},                   // signed
        {"4294967295", "-1"},           // unsigned
        {" 4294967295 ", "-1"},         // with blanks around
        {"16777215", "16777215"},       // white
        {"65280", "65280"},             // green
        {"33554687", "255"},            // 0x020000FF: only the three colour bytes
        {"4278190335", "255"},          // 0xFF0000FF
        {"-2", "16777214"},             // 0xFFFFFFFE
        {"4294967296", "0"},            // beyond 32 bits
        {"rot", "0"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.written);
        ASSERT_EQ(Parse(Doc(Obj("rectangle", 40, "Online_Platzh_Rechts",
                                Group("text", 41, "Text1",
                                      std::string("<kextfont><efTextColor>") + c.written + "</efTextColor><efBkColor>" +
                                          c.written + "</efBkColor></kextfont>")))),
                  0);
        const std::string colour = std::string(c.stored) + "\r\n";
        EXPECT_EQ(ReadFile("para/Online.tmp"), "Online_Platzh_Rechts\r\n\r\n0\r\n0\r\n\r\n0\r\n0\r\n\r\n" + colour + colour);
    }
}

}  // namespace
