// The settings file "morv9274.ini": reading each line, defaults for what is missing, rewriting only on change.
#include "StoreTestFolder.h"

#include "platform/Win32File.h"
#include "store/CIniSettings.h"

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
