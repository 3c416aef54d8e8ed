// The settings file "morv9274.ini": reading each line, defaults for what is missing, rewriting only on change.
#include "StoreTestFolder.h"

#include "platform/Win32File.h"
#include "store/CIniSettings.h"

#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

using IniSettingsTest = StoreTestFolder;

std::string Describe(const IniWerte& v)
{
    return "[" + std::to_string(v.compilerPfad.present) + ":" + v.compilerPfad.text.str() + "] [" +
           std::to_string(v.expertenKennzahl.present) + ":" + std::to_string(v.expertenKennzahl.value) + "] [" +
           std::to_string(v.exportPfad.present) + ":" + v.exportPfad.text.str() + "] [" +
           std::to_string(v.begruessungPfad.present) + ":" + v.begruessungPfad.text.str() + "]";
}

}  // namespace

TEST_F(IniSettingsTest, ReadsEachLine)
{
    struct Case {
        const char* fixture;
        std::string expected;
    };
    const Case cases[] = {
        {"full.ini", "[1:C:/KRX/out.dat] [1:305] [1:C:/KRX/doc.txt] [1:C:/KRX/gruss.bgs]"},
        {"line3_empty.ini", "[1:A] [1:261] [1:] [1:C:/welcome.bgs]"},
        // A line 2 without a number: the code is missing and line 3 is still the next line.
        {"no_number.ini", "[1:A] [0:261] [1:C:/doc.txt] [1:D]"},
        {"two_lines.ini", "[1:  /tmp/x y.dat] [1:1234] [0:] [0:]"},
        {"lf_only.ini", "[1:a] [1:7] [1:b] [1:c]"},
        {"long_line.ini", "[1:/" + std::string(700, 'p') + "] [1:261] [1:" + std::string(300, 'q') + "] [1:welcome]"},
        {"no_such.ini", "[0:] [0:261] [0:] [0:]"},
    };
    for (const Case& c : cases) {
        std::filesystem::remove("morv9274.ini");
        std::string content = ReadFile(DataPath(c.fixture));
        if (!content.empty())
            WriteFile("morv9274.ini", content);
        CIniSettings settings;
        EXPECT_EQ(Describe(settings.Read()), c.expected) << c.fixture;
    }
}

TEST_F(IniSettingsTest, GettersGiveDefaultsForMissingEntries)
{
    CIniSettings settings;
    EXPECT_EQ(settings.GetExpertenKennzahl(), 261);
    EXPECT_EQ(settings.GetCompilerPfad(), "");
    WriteFile("morv9274.ini", ReadFile(DataPath("line3_empty.ini")));
    EXPECT_EQ(settings.GetExportPfad(), "");
    EXPECT_EQ(settings.GetBegruessungPfad(), "C:/welcome.bgs");
    WriteFile("morv9274.ini", ReadFile(DataPath("no_number.ini")));
    EXPECT_EQ(settings.GetExpertenKennzahl(), 261);
}

TEST_F(IniSettingsTest, FirstSetterCreatesAllFourLines)
{
    CIniSettings settings;
    settings.SetExportPfad("/doc/out.txt");
    EXPECT_EQ(ReadFile("morv9274.ini"), "\r\n     261\r\n/doc/out.txt\r\n\r\n");
    settings.SetExpertenKennzahl(42);
    settings.SetBegruessungPfad("w.bgs");
    settings.SetCompilerPfad("c.dat");
    EXPECT_EQ(ReadFile("morv9274.ini"), "c.dat\r\n      42\r\n/doc/out.txt\r\nw.bgs\r\n");
}

TEST_F(IniSettingsTest, SetterRewritesOnlyOnChange)
{
    // Not the file's own form, so a rewrite would show.
    WriteFile("morv9274.ini", "/Out/A.dat\r\n261\r\nx\r\ny\r\n");
    CIniSettings settings;
    settings.SetCompilerPfad("/Out/A.dat");
    settings.SetExpertenKennzahl(261);
    EXPECT_EQ(ReadFile("morv9274.ini"), "/Out/A.dat\r\n261\r\nx\r\ny\r\n");
    settings.SetCompilerPfad("/out/a.dat");
    EXPECT_EQ(ReadFile("morv9274.ini"), "/out/a.dat\r\n     261\r\nx\r\ny\r\n");
}

TEST_F(IniSettingsTest, ReadOnlyFileIsNotReplaced)
{
    WriteFile("morv9274.ini", "a\r\n1\r\nb\r\nc\r\n");
    ASSERT_TRUE(SetFileAttributesA("morv9274.ini", FILE_ATTRIBUTE_READONLY));
    CIniSettings settings;
    settings.SetCompilerPfad("new");
    EXPECT_EQ(ReadFile("morv9274.ini"), "a\r\n1\r\nb\r\nc\r\n");
    EXPECT_EQ(settings.GetCompilerPfad(), "a");
}

TEST_F(IniSettingsTest, ALineWithAControlCharacterIsDamagedAndGivesNoValue)
{
    using namespace std::string_literals;
    struct Case {
        std::string content;
        std::string expected;
    };
    const Case cases[] = {
        // A NUL would cut the path short: it would name a folder above the one meant.
        {"/work/rel\0ease/out.dat\r\n     305\r\n/doc\r\n/bgs\r\n"s, "[0:] [1:305] [1:/doc] [1:/bgs]"},
        {"/out.dat\r\n  3\0005\r\n/doc\r\n/bgs\r\n"s, "[1:/out.dat] [0:261] [1:/doc] [1:/bgs]"},
        {"/out.dat\r\n     305\r\n/d\toc\r\n/b\x7Fgs\r\n", "[1:/out.dat] [1:305] [0:] [0:]"},
        {"/out.dat\r\n     305\r\n/doc\rx\r\n\x1B/bgs\r\n", "[1:/out.dat] [1:305] [0:] [0:]"},
        // Windows-1252 letters and blanks are no control characters.
        {"/K\xE4se \x80/o.dat\r\n     305\r\n\r\n/\xA7\r\n", "[1:/K\xE4se \x80/o.dat] [1:305] [1:] [1:/\xA7]"},
    };
    for (const Case& c : cases) {
        WriteFile("morv9274.ini", c.content);
        EXPECT_EQ(Describe(CIniSettings().Read()), c.expected);
    }
    // A path no line can hold is not written into the file, so it cannot shift the lines after it.
    std::filesystem::remove("morv9274.ini");
    CIniSettings settings;
    settings.SetExportPfad("/doc");
    settings.SetCompilerPfad("/new\r\n     999\r\nline");
    EXPECT_EQ(ReadFile("morv9274.ini"), "\r\n     261\r\n/doc\r\n\r\n");
}

TEST_F(IniSettingsTest, WhatIsNoFileOrHoldsALineLongerThanAPathIsNotReadToItsEnd)
{
    // A FIFO and a device in the file's place give the defaults at once (the alarm ends a read that waits).
    alarm(20);
    ASSERT_EQ(mkfifo("morv9274.ini", 0600), 0);
    EXPECT_EQ(Describe(CIniSettings().Read()), "[0:] [0:261] [0:] [0:]");
    std::filesystem::remove("morv9274.ini");
    std::filesystem::create_symlink("/dev/zero", "morv9274.ini");
    EXPECT_EQ(Describe(CIniSettings().Read()), "[0:] [0:261] [0:] [0:]");
    alarm(0);
    std::filesystem::remove("morv9274.ini");

    // A line as long as a path can be is read; one character more is damage, and nothing after it is read.
    WriteFile("morv9274.ini", std::string(CIniSettings::kMaxLine, 'p') + "\r\n     305\r\n/doc\r\n/bgs\r\n");
    EXPECT_EQ(Describe(CIniSettings().Read()),
              "[1:" + std::string(CIniSettings::kMaxLine, 'p') + "] [1:305] [1:/doc] [1:/bgs]");
    WriteFile("morv9274.ini",
              "/out.dat\r\n     305\r\n" + std::string(CIniSettings::kMaxLine + 1, 'p') + "\r\n/bgs\r\n");
    EXPECT_EQ(Describe(CIniSettings().Read()), "[1:/out.dat] [1:305] [0:] [0:]");

    // A line of 128 MB costs no memory of its size.
    std::filesystem::remove("morv9274.ini");
    std::FILE* f = std::fopen("morv9274.ini", "wb");
    ASSERT_NE(f, nullptr);
    const std::string block(1 << 20, 'q');
    for (int i = 0; i < 128; ++i)
        ASSERT_EQ(std::fwrite(block.data(), 1, block.size(), f), block.size());
    std::fputs("\r\n     305\r\n", f);
    std::fclose(f);
    struct rusage before {};
    getrusage(RUSAGE_SELF, &before);
    EXPECT_EQ(Describe(CIniSettings().Read()), "[0:] [0:261] [0:] [0:]");
    struct rusage after {};
    getrusage(RUSAGE_SELF, &after);
    EXPECT_LT(after.ru_maxrss - before.ru_maxrss, 64 * 1024) << "kilobytes more at the peak";
}
