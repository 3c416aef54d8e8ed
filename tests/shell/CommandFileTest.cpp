// The command file as the drawing tool writes it, and the program's arguments.
#include "shell/CommandFile.h"

#include "platform/TextFile.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

namespace {

std::string Describe(const StartContext& v)
{
    return "cmd=[" + v.cmd.str() + "] eng=[" + v.engPath.str() + "] xml=[" + v.xmlPath.str() + "] dir=[" +
           v.xmlDir.str() + "] name=[" + v.name.str() + "] id=" + std::to_string(v.id);
}

class CommandFileTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_dir = std::filesystem::temp_directory_path() / ("morv-cmdfile " + std::to_string(getpid()));
        std::filesystem::create_directories(m_dir);
    }
    void TearDown() override { std::filesystem::remove_all(m_dir); }

    std::string Write(const std::string& bytes, const char* name = "cmd file.txt")
    {
        std::string path = (m_dir / name).string();
        EXPECT_TRUE(platform::WriteFileAtomically(path.c_str(), bytes));
        return path;
    }
    StartContext Read(const std::string& bytes)
    {
        StartContext v;
        EXPECT_TRUE(ReadCommandFile(Write(bytes).c_str(), v));
        return v;
    }
    std::filesystem::path m_dir;
};

}  // namespace

TEST_F(CommandFileTest, ReadsEveryKeyAsTheDrawingToolWritesIt)
{
    StartContext v = Read("-cmd\r\nparam\r\n-engpath\r\n\"/plants/H\xE4user/a.evl\"\r\n-xmlpath\r\n"
                          "\"/plants/H\xE4user/VORNA.xml\"\r\n-name\r\nHeizkreisregler$12\r\n-id\r\n4711\r\n");
    EXPECT_EQ(Describe(v), "cmd=[param] eng=[/plants/H\xE4user/a.evl] xml=[/plants/H\xE4user/VORNA.xml] "
                           "dir=[/plants/H\xE4user] name=[Heizkreisregler] id=4711");
}

TEST_F(CommandFileTest, ValueRules)
{
    struct Case {
        std::string file;
        std::string expected;
    } cases[] = {
        // Quotes or not give the same path; a Windows folder separator counts too.
        {"-xmlpath\r\nC:\\vorna\\VORNA.xml\r\n", "cmd=[] eng=[] xml=[C:\\vorna\\VORNA.xml] dir=[C:\\vorna] name=[] id=0"},
        {"-xmlpath\r\nVORNA.xml\r\n", "cmd=[] eng=[] xml=[VORNA.xml] dir=[] name=[] id=0"},
        // The kind is the part before the first "$".
        {"-name\r\nMeldung\r\n", "cmd=[] eng=[] xml=[] dir=[] name=[Meldung] id=0"},
        {"-name\r\n$3\r\n", "cmd=[] eng=[] xml=[] dir=[] name=[] id=0"},
        // Commands are taken as they stand: a trailing blank stays (and makes it no command).
        {"-cmd\r\nparam \r\n", "cmd=[param ] eng=[] xml=[] dir=[] name=[] id=0"},
        // The last occurrence of a key wins; unknown lines are skipped.
        {"-cmd\r\nnew\r\nnoise\r\n-cmd\r\nsave\r\n", "cmd=[save] eng=[] xml=[] dir=[] name=[] id=0"},
        // LF-only files lose nothing after the id: the rest of the number's line is skipped, not two bytes.
        {"-id\n-17\n-cmd\nopen\n", "cmd=[open] eng=[] xml=[] dir=[] name=[] id=-17"},
        {"-id\r\n  42 tail\r\n-cmd\r\nnew\r\n", "cmd=[new] eng=[] xml=[] dir=[] name=[] id=42"},
        // An id key followed by another key: no number, and the key is not lost.
        {"-id\r\n-cmd\r\nclose\r\n", "cmd=[close] eng=[] xml=[] dir=[] name=[] id=0"},
        // A key on the last line gets an empty value.
        {"-cmd\r\nnew\r\n-xmlpath\r\n", "cmd=[new] eng=[] xml=[] dir=[] name=[] id=0"},
        {"-id\r\n99999999999\r\n", "cmd=[] eng=[] xml=[] dir=[] name=[] id=0"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Describe(Read(c.file)), c.expected) << "file: " << c.file;
}

TEST_F(CommandFileTest, LongLinesAreNotSplitIntoKeys)
{
    std::string longPath = "/" + std::string(600, 'p') + "/VORNA.xml";
    StartContext v = Read("-xmlpath\r\n" + longPath + "\r\n-cmd\r\nopen\r\n");
    EXPECT_EQ(v.xmlPath.str(), longPath);
    EXPECT_EQ(v.cmd, "open");
}

TEST_F(CommandFileTest, ArgumentsNameTheCommandFile)
{
    std::string path = Write("-cmd\r\nnew\r\n-xmlpath\r\n/x/VORNA.xml\r\n");
    StartContext v;
    EXPECT_FALSE(ParseCmdFileArgument({}, v)) << "no arguments";

    v = StartContext();
    ASSERT_TRUE(ParseCmdFileArgument({"-cmdfile", CString(("\"" + path + "\"").c_str())}, v));
    EXPECT_EQ(v.cmd, "new") << "quoted path with a blank";
    v = StartContext();
    ASSERT_TRUE(ParseCmdFileArgument({"-cmdfile", path.c_str()}, v));
    EXPECT_EQ(v.xmlDir, "/x");

    v = StartContext();
    EXPECT_TRUE(ParseCmdFileArgument({"-other"}, v)) << "no -cmdfile: true with empty values";
    EXPECT_TRUE(v.xmlPath.IsEmpty());
    EXPECT_FALSE(ParseCmdFileArgument({"-cmdfile", (m_dir / "missing").c_str()}, v));

    std::string second = Write("-cmd\r\nsave\r\n", "second.txt");
    v = StartContext();
    EXPECT_TRUE(ParseCmdFileArgument({"-cmdfile", path.c_str(), "-cmdfile", second.c_str()}, v));
    EXPECT_EQ(Describe(v), "cmd=[save] eng=[] xml=[] dir=[] name=[] id=0") << "the last file read decides";
}
