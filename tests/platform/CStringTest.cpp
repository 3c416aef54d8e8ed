// CString: the byte-string operations and their edge cases.
#include "platform/CString.h"

#include <gtest/gtest.h>

TEST(CStringTest, ExtractionClampsLikeTheClassicClass)
{
    const CString s("Vorna - morv9274");
    EXPECT_EQ(s.Left(5), "Vorna");
    EXPECT_EQ(s.Left(99), s);
    EXPECT_EQ(s.Left(-1), "");
    EXPECT_EQ(s.Right(8), "morv9274");
    EXPECT_EQ(s.Right(99), s);
    EXPECT_EQ(s.Mid(8), "morv9274");
    EXPECT_EQ(s.Mid(8, 4), "morv");
    EXPECT_EQ(s.Mid(-3, 5), "Vorna");
    EXPECT_EQ(s.Mid(40), "");
    EXPECT_EQ(s.Mid(14, 10), "74");
}

TEST(CStringTest, SearchReturnsZeroBasedPositionOrMinusOne)
{
    const CString s("settext\xA7" "12\xA7" "Text");
    EXPECT_EQ(s.Find('\xA7'), 7);
    EXPECT_EQ(s.Find('\xA7', 8), 10);
    EXPECT_EQ(s.Find('\xA7', 11), -1);
    EXPECT_EQ(s.Find("12"), 8);
    EXPECT_EQ(s.Find("nope"), -1);
    EXPECT_EQ(s.ReverseFind('\xA7'), 10);
    EXPECT_EQ(s.ReverseFind('#'), -1);
    EXPECT_EQ(s.FindOneOf("xT"), 5);
    EXPECT_EQ(s.Find('s', 99), -1);
}

TEST(CStringTest, ComparesBytesAsUnsigned)
{
    // 0xE4 ("ä" in Windows-1252) sorts after every ASCII letter.
    EXPECT_LT(CString("Warm"), CString("W\xE4rme"));
    EXPECT_GT(CString("\xFC"), CString("z"));
    EXPECT_EQ(CString("abc").Compare("abc"), 0);
    EXPECT_EQ(CString("abc").CompareNoCase("ABC"), 0);
    EXPECT_NE(CString("\xE4").CompareNoCase("\xC4"), 0) << "case folding is ASCII only";
}

TEST(CStringTest, TrimAndCaseTouchOnlyWhatTheyShould)
{
    CString s("  \tW\xE4rmemengenz\xE4hler \r\n");
    s.TrimLeft();
    s.TrimRight();
    EXPECT_EQ(s, "W\xE4rmemengenz\xE4hler");
    s.MakeUpper();
    EXPECT_EQ(s, "W\xE4RMEMENGENZ\xE4HLER");
    CString dashes("--x--");
    dashes.TrimLeft('-');
    EXPECT_EQ(dashes, "x--");
    dashes.TrimRight("-");
    EXPECT_EQ(dashes, "x");
    CString blank("   ");
    blank.TrimRight();
    EXPECT_TRUE(blank.IsEmpty());
}

TEST(CStringTest, EditingOperations)
{
    CString s("a-b-c");
    EXPECT_EQ(s.Replace('-', '+'), 2);
    EXPECT_EQ(s, "a+b+c");
    EXPECT_EQ(s.Replace("+", "--"), 2);
    EXPECT_EQ(s, "a--b--c");
    EXPECT_EQ(s.Replace("", "x"), 0);
    EXPECT_EQ(s.Remove('-'), 4);
    EXPECT_EQ(s, "abc");
    EXPECT_EQ(s.Insert(1, "XY"), 5);
    EXPECT_EQ(s.Delete(0, 2), 3);
    EXPECT_EQ(s, "Ybc");
    EXPECT_EQ(s.Delete(7), 3);
}

TEST(CStringTest, FormatUsesTheCLocaleAndGrowsAsNeeded)
{
    CString s;
    s.Format("%5d|%03.02f|%3d.", 42, 1.29, 7);
    EXPECT_EQ(s, "   42|1.29|  7.");
    CString longer;
    longer.Format("%s%s", std::string(300, 'x').c_str(), "end");
    EXPECT_EQ(longer.GetLength(), 303);
    EXPECT_EQ(longer.Right(3), "end");
    longer.AppendFormat("%u", 5u);
    EXPECT_EQ(longer.Right(4), "end5");
}

TEST(CStringTest, BufferAccessAndEmbeddedBytes)
{
    CString s;
    char* buffer = s.GetBuffer(10);
    std::snprintf(buffer, 11, "%s", "abc");
    s.ReleaseBuffer();
    EXPECT_EQ(s, "abc");
    EXPECT_EQ(s.GetLength(), 3);

    CString raw("a\0b", 3);
    EXPECT_EQ(raw.GetLength(), 3);
    EXPECT_EQ(raw.GetAt(2), 'b');
    EXPECT_EQ(raw.GetAt(3), '\0');
    EXPECT_EQ(CString('-', 12), "------------");
}
