// The fixed-field record file: loading, bounded reads, writes and the write-back of changed fields only.
#include "DrawingTestSupport.h"

#include "drawing/CFeldDatei.h"

using namespace drawingtest;

namespace {

class CFeldDateiTest : public InTempFolder {};

TEST_F(CFeldDateiTest, MissingOrEmptyFileIsUnloaded)
{
    WriteFile("leer.tmp", "");
    for (const char* path : {"leer.tmp", "fehlt.tmp"}) {
        CFeldDatei file(path);
        EXPECT_FALSE(file.IsLoaded()) << path;
        EXPECT_TRUE(file.IsPastEnd()) << path;
        EXPECT_EQ(file.ReadInt(), -1) << path;
        EXPECT_EQ(file.GetPosition(), 0) << path;
        EXPECT_EQ(file.ReadText30(), "") << path;
        EXPECT_FALSE(file.WriteInt(1)) << path;
        EXPECT_FALSE(file.WriteBack()) << path;
    }
}

TEST_F(CFeldDateiTest, ReadingRunsOffTheEndOnce)
{
    WriteFile("f.tmp", Int(42) + Txt("       Eingang") + Int(-7));
    CFeldDatei file("f.tmp");
    ASSERT_TRUE(file.IsLoaded());
    EXPECT_EQ(file.ReadInt(), 42);
    EXPECT_EQ(file.ReadText30(), "Eingang");
    EXPECT_EQ(file.ReadInt(), -7);
    EXPECT_TRUE(file.AtEnd());
    EXPECT_FALSE(file.IsPastEnd());
    EXPECT_EQ(file.ReadInt(), -1);
    EXPECT_EQ(file.GetPosition(), 60);
    EXPECT_TRUE(file.IsPastEnd());
    EXPECT_EQ(file.Seek(-10, 2), 40);
    EXPECT_EQ(file.ReadInt(), -7);
}

TEST_F(CFeldDateiTest, ReadsCheckBothBounds)
{
    WriteFile("f.tmp", Int(1) + Int(2) + "12345");
    CFeldDatei file("f.tmp");
    struct Case {
        int position;
        int expected;
    } cases[] = {{0, 1}, {10, 2}, {-10, -1}, {-5, -1}, {15, 2}, {16, -1}, {20, -1}, {1 << 30, -1}};
    for (const Case& c : cases) {
        file.Seek(c.position, 0);
        EXPECT_EQ(file.ReadInt(), c.expected) << c.position;
    }
    file.Seek(-30, 0);
    EXPECT_EQ(file.ReadText30(), "");
    file.Seek(-10, 0);
    EXPECT_FALSE(file.WriteInt(5));
}

TEST_F(CFeldDateiTest, TextKeepsInnerAndTrailingBlanksAndStopsAtNul)
{
    std::string nul = Txt("ab");
    nul[27] = '\0';
    WriteFile("f.tmp", Txt("Wort  ") + nul + Txt(std::string(48, 'x'), 48));
    CFeldDatei file("f.tmp");
    EXPECT_EQ(file.ReadText30(), "Wort  ");
    EXPECT_EQ(file.ReadText30(), "a");
    EXPECT_EQ(file.ReadText50(), std::string(48, 'x'));
}

TEST_F(CFeldDateiTest, WriteIntReplacesTheValueAndKeepsTheLineEnd)
{
    WriteFile("f.tmp", Int(3) + Int(4) + "12345");
    CFeldDatei file("f.tmp");
    EXPECT_TRUE(file.WriteInt(7));
    EXPECT_EQ(file.GetPosition(), 10);
    file.Seek(-5, 2);
    EXPECT_FALSE(file.WriteInt(9));
    EXPECT_EQ(file.GetPosition(), 20);
    file.Seek(10, 0);
    EXPECT_FALSE(file.WriteInt(123456789));  // does not fit the 8 characters
    EXPECT_FALSE(file.WriteInt(-12345678));
    EXPECT_TRUE(file.WriteInt(-1234567));
    ASSERT_TRUE(file.WriteBack());
    EXPECT_EQ(ReadFile("f.tmp"), Int(7) + Int(-1234567) + "12345");
}

TEST_F(CFeldDateiTest, WriteBackChangesOnlyTheWrittenFields)
{
    WriteFile("f.tmp", Int(1) + Int(2) + Int(3));
    CFeldDatei first("f.tmp");
    CFeldDatei second("f.tmp");
    first.Seek(0, 0);
    ASSERT_TRUE(first.WriteInt(10));
    ASSERT_TRUE(first.WriteBack());
    second.Seek(20, 0);
    ASSERT_TRUE(second.WriteInt(30));
    ASSERT_TRUE(second.WriteBack());
    // The second reader's stale copy of the first field does not undo the first reader's change.
    EXPECT_EQ(ReadFile("f.tmp"), Int(10) + Int(2) + Int(30));
}

TEST_F(CFeldDateiTest, WriteBackRefusesAFileOfAnotherLength)
{
    WriteFile("f.tmp", Int(1) + Int(2));
    CFeldDatei file("f.tmp");
    WriteFile("f.tmp", Int(5));
    ASSERT_TRUE(file.WriteInt(9));
    EXPECT_FALSE(file.WriteBack());
    EXPECT_EQ(ReadFile("f.tmp"), Int(5));
    std::filesystem::remove("f.tmp");
    EXPECT_FALSE(file.WriteBack());
}

}  // namespace
