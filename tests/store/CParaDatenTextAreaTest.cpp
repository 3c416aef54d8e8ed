// The compiler and export paths, export options and language code in the parameter file's text area.
#include "StoreTestFolder.h"

#include "store/CEepromFile.h"

namespace {

class ParaDatenTextAreaTest : public StoreTestFolder {
protected:
    void SetUp() override
    {
        StoreTestFolder::SetUp();
        CParaDaten para;
        ASSERT_TRUE(para.CreateEmptyFile(2));
        ASSERT_TRUE(para.CreateEmptyFile(0));
    }
    static std::string Chars(unsigned position, unsigned count)
    {
        CParaDaten para;
        std::string s(count, '\0');
        EXPECT_TRUE(CParaDaten::GetFile(2)->ReadChars(position, count, s.data()));
        return s;
    }
    static void ExpectDefaults(const ExportFilter& f)
    {
        const BYTE expected[16] = {1, 1, 1, 1, 1, 0, 0, 0, 0, 0, 1, 1, 1, 1, 1, 1};
        EXPECT_EQ(std::vector<BYTE>(f.flags, f.flags + 16), std::vector<BYTE>(expected, expected + 16));
        EXPECT_EQ(f.format, 1);
    }
};

}  // namespace

TEST_F(ParaDatenTextAreaTest, NeverWrittenFields)
{
    CParaDaten para;
    EXPECT_EQ(para.GetCompilerPfad(2), "");
    EXPECT_EQ(para.GetExportPfad(2), "");
    ExpectDefaults(para.GetExportFilter(2));
    EXPECT_EQ(para.GetSprache(2), 0);
    // A function-data file has no text area.
    EXPECT_EQ(para.GetSprache(0), -1);
    EXPECT_EQ(para.GetCompilerPfad(0), "");
    EXPECT_FALSE(para.SetCompilerPfad(0, "x.dat"));
    EXPECT_FALSE(para.SetSprache(0, 1));
    ExpectDefaults(para.GetExportFilter(0));
}

TEST_F(ParaDatenTextAreaTest, Paths)
{
    struct Case {
        std::string path;
        bool compiler;
        std::string stored;  // what reads back
    };
    const std::string longDat = std::string(296, 'a') + ".dat";
    const Case cases[] = {
        {"/home/u/KRX9274.dat", true, "/home/u/KRX9274.dat"},
        {"/home/u/KRX9274.DAT", true, ""},
        {"/home/u/KRX9274", true, ""},
        {"/home/u/doc.txt", false, "/home/u/doc.txt"},
        {"/home/u/doc.dat", false, ""},
        {"/a\tb.dat", true, ""},
        {std::string(245, 'p') + ".dat", true, std::string(245, 'p') + ".dat"},
        {std::string(244, 'p') + ".txt", false, std::string(244, 'p') + ".txt"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.path);
        CParaDaten para;
        ASSERT_TRUE(c.compiler ? para.SetCompilerPfad(2, c.path.c_str()) : para.SetExportPfad(2, c.path.c_str()));
        EXPECT_EQ(std::string(c.compiler ? para.GetCompilerPfad(2) : para.GetExportPfad(2)), c.stored);
    }
    CParaDaten para;
    // Cut at 249 (compiler) and 248 (export) characters, the rest NUL; a tab ends the path.
    ASSERT_TRUE(para.SetCompilerPfad(2, std::string(300, 'c').c_str()));
    EXPECT_EQ(Chars(336, 250), std::string(249, 'c') + '\0');
    EXPECT_EQ(Chars(586, 1), "F") << "the character after the field";
    ASSERT_TRUE(para.SetExportPfad(2, std::string(300, 'e').c_str()));
    EXPECT_EQ(Chars(660, 249), std::string(248, 'e') + '\0');
    EXPECT_EQ(Chars(909, 1), "F");
    ASSERT_TRUE(para.SetCompilerPfad(2, "/x\ty.dat"));
    EXPECT_EQ(Chars(336, 4), std::string("/x\0\0", 4));
    ASSERT_TRUE(para.SetExportPfad(2, ""));
    EXPECT_EQ(Chars(660, 249), std::string(249, '\0'));
}

TEST_F(ParaDatenTextAreaTest, ExportOptions)
{
    CParaDaten para;
    ExportFilter all;
    for (BYTE& f : all.flags)
        f = 1;
    all.format = 2;
    ASSERT_TRUE(para.SetExportFilter(2, all));
    EXPECT_EQ(Chars(909, 7), std::string("\0FFFF02", 7));
    ExportFilter back = para.GetExportFilter(2);
    EXPECT_EQ(back.flags[15], 1);
    EXPECT_EQ(back.format, 2);

    ExportFilter some;
    std::fill(std::begin(some.flags), std::end(some.flags), 0);
    some.flags[0] = 1;
    some.flags[5] = 2;  // only exactly 1 counts
    some.flags[12] = 1;
    some.format = 0xA5;
    ASSERT_TRUE(para.SetExportFilter(2, some));
    EXPECT_EQ(Chars(909, 7), std::string("\0" "1001A5", 7));
    back = para.GetExportFilter(2);
    EXPECT_EQ(back.flags[0], 1);
    EXPECT_EQ(back.flags[5], 0);
    EXPECT_EQ(back.flags[12], 1);
    EXPECT_EQ(back.format, 0xA5);

    // A stored first character that is not NUL means nothing is stored.
    ASSERT_TRUE(CParaDaten::GetFile(2)->WriteChars(909, 7, "x000000"));
    ExpectDefaults(para.GetExportFilter(2));
    // Characters that are no upper-case hexadecimal digit count 0.
    ASSERT_TRUE(CParaDaten::GetFile(2)->WriteChars(909, 7, std::string("\0zz1fG3", 7).c_str()));
    back = para.GetExportFilter(2);
    EXPECT_EQ(back.flags[4], 1);
    EXPECT_EQ(back.flags[0], 0);
    EXPECT_EQ(back.format, 3);
}

TEST_F(ParaDatenTextAreaTest, LanguageCode)
{
    CParaDaten para;
    const char* letters[] = {"DEU", "ENU", "FRA", "ITA", "ESP", "NLD", "CES"};
    for (int code = 0; code < 7; ++code) {
        ASSERT_TRUE(para.SetSprache(2, code));
        EXPECT_EQ(Chars(957, 3), letters[code]);
        EXPECT_EQ(para.GetSprache(2), code);
    }
    ASSERT_TRUE(para.SetSprache(2, 7));
    EXPECT_EQ(Chars(957, 3), "FFF");
    EXPECT_EQ(para.GetSprache(2), 0);
    ASSERT_TRUE(CParaDaten::GetFile(2)->WriteChars(957, 3, "ita"));
    EXPECT_EQ(para.GetSprache(2), -1);
    EXPECT_EQ(para.GetSprache(1), -1) << "unreadable file";
}
