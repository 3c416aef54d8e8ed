// The default folders of function-data production and the reading of welcome-screen templates.
#include "StoreTestFolder.h"

#include "platform/ApplicationNames.h"
#include "production/CBegruessungDlg.h"
#include "production/TargetFolders.h"

#include <cstdlib>
#include <filesystem>

namespace fs = std::filesystem;

namespace {

class TargetFoldersTest : public StoreTestFolder {
protected:
    void SetUp() override
    {
        StoreTestFolder::SetUp();
        platform::ApplicationNames names = platform::GetApplicationNames();
        names.homeVariable = "MORV9274_TEST_HOME";
        platform::SetApplicationNames(names);
        fs::create_directories("prog");
        fs::create_directories("export");
        setenv("MORV9274_TEST_HOME", (m_folder / "prog").c_str(), 1);
    }
    std::string At(const char* relative) const { return (m_folder / relative).string(); }
};

TEST_F(TargetFoldersTest, TheTargetFollowsItsRulesAndAFolderThatIsGoneIsMadeBesideTheExport)
{
    const std::string xml = At("export/VORNA.xml");
    fs::create_directories(At("chosen"));
    const struct {
        const char* name;
        std::string stored, ini, drawing, xml;
        std::string expected;
    } cases[] = {
        {"stored path kept", At("chosen/a.dat"), At("elsewhere"), At("d/house.evl"), xml, At("chosen/a.dat")},
        {"the settings file's folder", "", At("chosen"), At("d/house.evl"), xml, At("chosen/house.dat")},
        {"beside the export, named after the drawing", "", "", At("d/house.evl"), xml,
         At("export/KRX9274_Funktionsdaten/house.dat")},
        {"no drawing", "", "", "", xml, At("export/KRX9274_Funktionsdaten/KRX9274.dat")},
        // The stored folder is gone: the file name moves into the folder beside the export, which is made.
        {"stored folder gone", At("gone/b.dat"), "", At("d/house.evl"), xml, At("export/KRX9274_Funktionsdaten/b.dat")},
        // An export path without a folder: the program directory, never the root.
        {"export without folder", "", "", At("d/house.evl"), "VORNA.xml",
         At("prog/KRX9274_Funktionsdaten/house.dat")},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(std::string(production::CompilerTarget(c.stored.c_str(), c.ini.c_str(), c.drawing.c_str(),
                                                         c.xml.c_str())
                                  .GetString()),
                  c.expected);
        EXPECT_TRUE(fs::is_directory(fs::path(c.expected).parent_path()));
    }
    EXPECT_TRUE(fs::is_directory(At("prog/KRX9274_Funktionsdaten"))) << "still made in the program directory too";
    EXPECT_FALSE(fs::exists("/KRX9274_Funktionsdaten"));
}

TEST_F(TargetFoldersTest, ATemplateFolderThatIsGoneFallsBackBesideTheExport)
{
    const std::string xml = At("export/VORNA.xml");
    EXPECT_EQ(std::string(production::ResolveFolder(At("gone").c_str(), xml.c_str(), "KRX9274_Bgs").GetString()),
              At("export/KRX9274_Bgs"));
    EXPECT_TRUE(fs::is_directory(At("export/KRX9274_Bgs")));
    EXPECT_TRUE(fs::is_directory(At("prog/KRX9274_Bgs")));
    EXPECT_EQ(std::string(production::ResolveFolder(At("export").c_str(), xml.c_str(), "KRX9274_Bgs").GetString()),
              At("export"));
}

TEST(TemplateTextTest, LinesAreReadsOfUpTo22CharactersEndingAfterALineEnd)
{
    const struct {
        const char* name;
        std::string text;
        const char* expected[4];
    } cases[] = {
        {"a saved template", "Abc" + std::string(85, ' '), {"Abc", "", "", ""}},
        {"30 characters", "123456789012345678901234567890", {"1234567890123456789012", "34567890", "old", "old"}},
        {"line ends", "Uno\r\nDue\nTre  \r\n", {"Uno", "Due", "Tre", "old"}},
        // A line end right after 22 characters is the next read's whole text.
        {"a line feed after 22", "ABCDEFGHIJKLMNOPQRSTUV\nXYZ", {"ABCDEFGHIJKLMNOPQRSTUV", "", "XYZ", "old"}},
        {"CR LF after 22", "ABCDEFGHIJKLMNOPQRSTUV\r\nXYZ\r\n", {"ABCDEFGHIJKLMNOPQRSTUV", "", "XYZ", "old"}},
        {"CR LF after 21", "ABCDEFGHIJKLMNOPQRSTU\r\nXYZ", {"ABCDEFGHIJKLMNOPQRSTU", "XYZ", "old", "old"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        CString lines[4] = {"old", "old", "old", "old"};
        CBegruessungDlg::ParseTemplate(c.text, lines);
        for (int i = 0; i < 4; ++i)
            EXPECT_EQ(std::string(lines[i].GetString()), c.expected[i]) << i;
    }
}

}  // namespace
