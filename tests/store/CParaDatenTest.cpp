// CParaDaten's working files: handles, whole-file copies, import and export, the parameter file beside the drawing.
#include "GoldenImage.h"
#include "StoreTestFolder.h"

#include "platform/ApplicationNames.h"
#include "platform/Win32File.h"
#include "store/CEepromFile.h"

#include <functional>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

class ParaDatenFileTest : public StoreTestFolder {
protected:
    // A distinguishable parameter file: a new set with one byte changed.
    static std::string MarkedSet(BYTE mark)
    {
        std::string s = golden::ParaFile();
        char hex[3];
        std::snprintf(hex, sizeof hex, "%02X", mark);
        s.replace(298 + 9 + 2 * 10, 2, hex);
        return s;
    }
    static BYTE Mark(int file)
    {
        CParaDaten para;
        BYTE b = 0;
        para.ReadBytes(file, 0, 10, 1, &b);
        return b;
    }
};

}  // namespace

TEST_F(ParaDatenFileTest, WorkingFileNames)
{
    EXPECT_EQ(CParaDaten::GetFileName(0), "para/datFile.dat");
    EXPECT_EQ(CParaDaten::GetFileName(1), "para/para.par");
    EXPECT_EQ(CParaDaten::GetFileName(2), "para/morv9274.par");
    EXPECT_EQ(CParaDaten::GetFileName(-1), "");
    EXPECT_EQ(CParaDaten::GetFileName(3), "");
    EXPECT_EQ(CParaDaten::GetFile(3), nullptr);
    EXPECT_EQ(CParaDaten::GetFile(-1), nullptr);
    CParaDaten para;
    BYTE b[1] = {0};
    EXPECT_FALSE(para.WriteBytes(3, 0, 0, 1, b));
    EXPECT_FALSE(para.CreateEmptyFile(3));
    EXPECT_FALSE(fs::exists("para"));
}

TEST_F(ParaDatenFileTest, FilesStayOpenWhileAnyHandleLives)
{
    {
        CParaDaten outer;
        ASSERT_TRUE(outer.CreateEmptyFile(2));
        {
            CParaDaten inner;
            BYTE b = 0;
            ASSERT_TRUE(inner.ReadBytes(2, 0, 0, 1, &b));
            EXPECT_EQ(CParaDaten::GetHandleCount(), 2);
        }
        EXPECT_EQ(CParaDaten::GetFile(2)->GetState(), CEepromFile::kReadWrite);
    }
    EXPECT_EQ(CParaDaten::GetHandleCount(), 0);
    EXPECT_EQ(CParaDaten::GetFile(2)->GetState(), CEepromFile::kClosed) << "the last handle released the files";
}

TEST_F(ParaDatenFileTest, NewFilesAndTheirHeaders)
{
    CParaDaten para;
    ASSERT_TRUE(para.CreateEmptyFile(1));
    ASSERT_TRUE(para.CreateEmptyFile(0));
    EXPECT_TRUE(ReadFile("para/para.par") == golden::ParaFile());
    EXPECT_TRUE(ReadFile("para/datFile.dat") == golden::DataFile());

    FileHeader header;
    ASSERT_TRUE(para.CheckFileHeader(1, &header));
    EXPECT_EQ(header.magic, "KAVELMOR_STEUERKONTORE_PARA_FILE");
    EXPECT_FLOAT_EQ(header.version, 1.29f);
    EXPECT_FLOAT_EQ(header.formatVersion, 1.00f);
    ASSERT_TRUE(para.CheckFileHeader(0, &header));
    EXPECT_EQ(header.magic, "KAVELMOR_STEUERKONTORE_DATA_FILE");
    EXPECT_FLOAT_EQ(header.version, 0.00f);

    FileHeader untouched;
    EXPECT_FALSE(para.CheckFileHeader(2, &untouched));
    EXPECT_EQ(untouched.magic, "");
    EXPECT_FALSE(para.ConvertFile());
    EXPECT_TRUE(ReadFile("para/para.par") == golden::ParaFile());
}

TEST_F(ParaDatenFileTest, CommitCarriesEveryEditMadeThroughTheOpenFile)
{
    CParaDaten para;
    ASSERT_TRUE(para.CreateEmptyFile(1));
    ASSERT_TRUE(para.BeginWorkFile());
    const BYTE bytes[] = {0xAB, 0xCD};
    ASSERT_TRUE(para.WriteBytes(2, 0, 100, 2, bytes));
    ASSERT_TRUE(para.SetSprache(2, 3));
    ASSERT_TRUE(para.CommitWorkFile());
    EXPECT_TRUE(ReadFile("para/para.par") == ReadFile("para/morv9274.par"));
    EXPECT_EQ(para.GetSprache(1), 3);
    BYTE back[2] = {};
    ASSERT_TRUE(para.ReadBytes(1, 0, 100, 2, back));
    EXPECT_EQ(back[0], 0xAB);
}

TEST_F(ParaDatenFileTest, CopyOntoAReadOnlyWorkingFileFailsAndLeavesIt)
{
    CParaDaten para;
    ASSERT_TRUE(para.CreateEmptyFile(1));
    ASSERT_TRUE(para.BeginWorkFile());
    const BYTE b = 0x42;
    ASSERT_TRUE(para.WriteBytes(2, 0, 10, 1, &b));
    ASSERT_TRUE(SetFileAttributesA("para/para.par", FILE_ATTRIBUTE_READONLY));
    EXPECT_FALSE(para.CommitWorkFile());
    EXPECT_TRUE(ReadFile("para/para.par") == golden::ParaFile());
    EXPECT_FALSE(para.DuplicateFile(2, 3));
    EXPECT_FALSE(para.DuplicateFile(-1, 2));
}

TEST_F(ParaDatenFileTest, ACopyOverAnAlikeWorkingFileLeavesItButMakesWhatACopyWouldMake)
{
    auto inode = [](const char* path) {
        struct stat st {};
        return stat(path, &st) == 0 ? st.st_ino : 0;
    };
    auto mode = [](const char* path) {
        struct stat st {};
        return stat(path, &st) == 0 ? (st.st_mode & 07777) : 0;
    };
    CParaDaten para;
    ASSERT_TRUE(para.CreateEmptyFile(1));
    ASSERT_TRUE(para.BeginWorkFile());
    const ino_t work = inode("para/morv9274.par");
    const ino_t set = inode("para/para.par");
    // Alike: neither copy rewrites its target.
    ASSERT_TRUE(para.BeginWorkFile());
    ASSERT_TRUE(para.CommitWorkFile());
    EXPECT_EQ(inode("para/morv9274.par"), work);
    EXPECT_EQ(inode("para/para.par"), set);
    // Changed: the commit carries the change.
    const BYTE b = 0x42;
    ASSERT_TRUE(para.WriteBytes(2, 0, 10, 1, &b));
    ASSERT_TRUE(para.CommitWorkFile());
    EXPECT_EQ(Mark(1), 0x42);
    EXPECT_TRUE(ReadFile("para/para.par") == ReadFile("para/morv9274.par"));
    // The same bytes with other permissions: the target takes the source's, as a copy gives them.
    ASSERT_EQ(chmod("para/morv9274.par", 0600), 0);
    ASSERT_NE(mode("para/morv9274.par"), mode("para/para.par"));
    ASSERT_TRUE(para.BeginWorkFile());
    EXPECT_EQ(mode("para/morv9274.par"), mode("para/para.par"));
    // A target that may not be written is not the copy, however alike: the copy fails as it always did.
    ASSERT_TRUE(SetFileAttributesA("para/para.par", FILE_ATTRIBUTE_READONLY));
    ASSERT_TRUE(SetFileAttributesA("para/morv9274.par", FILE_ATTRIBUTE_READONLY));
    EXPECT_FALSE(para.CommitWorkFile());
}

TEST_F(ParaDatenFileTest, ImportLeavesTheOutsideFileAloneAndExportRespectsIt)
{
    WriteFile("outside/set.par", MarkedSet(0x11));
    ASSERT_TRUE(SetFileAttributesA("outside/set.par", FILE_ATTRIBUTE_READONLY));
    fs::create_directories("para");
    CParaDaten para;
    ASSERT_TRUE(para.ImportFile("outside/set.par", 1));
    EXPECT_EQ(GetFileAttributesA("outside/set.par"), FILE_ATTRIBUTE_READONLY) << "the person's file is not changed";
    EXPECT_EQ(GetFileAttributesA("para/para.par"), FILE_ATTRIBUTE_NORMAL);
    EXPECT_EQ(Mark(1), 0x11);

    // A missing outside file changes nothing.
    EXPECT_FALSE(para.ImportFile("outside/missing.par", 1));
    EXPECT_EQ(Mark(1), 0x11);

    WriteFile("outside/target.par", "keep");
    ASSERT_TRUE(SetFileAttributesA("outside/target.par", FILE_ATTRIBUTE_READONLY));
    EXPECT_FALSE(para.ExportFile(1, "outside/target.par"));
    EXPECT_EQ(ReadFile("outside/target.par"), "keep");
    ASSERT_TRUE(para.ExportFile(1, "outside/copy.par"));
    EXPECT_TRUE(ReadFile("outside/copy.par") == MarkedSet(0x11));

    ASSERT_TRUE(para.CreateEmptyFile(0));
    ASSERT_TRUE(para.ExportDatFile("outside/out.dat"));
    ASSERT_TRUE(para.ImportDatFile("outside/out.dat"));
    EXPECT_TRUE(ReadFile("para/datFile.dat") == golden::DataFile());
}

TEST_F(ParaDatenFileTest, ParameterFilePathBesideTheDrawing)
{
    struct Case {
        const char* drawing;
        const char* extension;
        const char* expected;
    };
    const Case cases[] = {
        {"/plant/PLANT.EVL", "pvl", "/plant/PLANT.pvl"},
        {"/plant/Heating.abc", "par", "/plant/Heating.par"},
        {"C:\\Plant\\Heating.evl", "par", "C:\\Plant\\Heating.par"},
        {"/plant/Heating", "par", "/plant/Heating.par"},
        {"/plant/x.ev", "par", "/plant/x.ev.par"},
        {"abc", "par", "abc.par"},
        {"/plant/.evl", "par", ""},
        {"/plant/", "par", ""},
        {"C:\\Plant\\", "par", ""},
        {"", "par", ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(CParaDaten::ParameterFilePath(c.drawing, c.extension), c.expected) << c.drawing;
}

TEST_F(ParaDatenFileTest, LoadBesideDrawing)
{
    struct Case {
        const char* drawing;
        bool pvl;
        bool par;
        bool loaded;
        BYTE mark;  // FF: an empty set
    };
    const Case cases[] = {
        {"plant/Heating.EVL", true, true, true, 0x22},
        {"plant/Heating.EVL", false, true, true, 0x33},
        {"plant/Heating.evl", false, false, false, 0xFF},
        {"plant/Heating.abc", true, true, true, 0x33},
        {"plant/Heating.abc", true, false, false, 0xFF},
        {"plant/", true, true, false, 0xFF},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.drawing << " pvl " << c.pvl << " par " << c.par);
        fs::remove_all("plant");
        fs::remove_all("para");
        fs::create_directories("plant");
        fs::create_directories("para");
        WriteFile("para/para.par", MarkedSet(0x99));
        if (c.pvl)
            WriteFile("plant/Heating.pvl", MarkedSet(0x22));
        if (c.par)
            WriteFile("plant/Heating.par", MarkedSet(0x33));
        CParaDaten para;
        EXPECT_EQ(para.LoadBesideDrawing(c.drawing), c.loaded);
        EXPECT_EQ(Mark(1), c.mark);
    }
}

TEST_F(ParaDatenFileTest, SaveBesideDrawing)
{
    CParaDaten para;
    ASSERT_TRUE(para.CreateEmptyFile(1));
    fs::create_directories("plant");
    EXPECT_TRUE(para.SaveBesideDrawing("plant/Heating.abc"));
    EXPECT_TRUE(fs::exists("plant/Heating.par"));
    EXPECT_TRUE(para.SaveBesideDrawing("plant/Heating.EVL"));
    EXPECT_TRUE(fs::exists("plant/Heating.pvl"));
    EXPECT_FALSE(para.SaveBesideDrawing("plant/"));

    WriteFile("plant/Other.par", "old");
    ASSERT_TRUE(SetFileAttributesA("plant/Other.par", FILE_ATTRIBUTE_READONLY));
    EXPECT_FALSE(para.SaveBesideDrawing("plant/Other.abc"));
    EXPECT_EQ(ReadFile("plant/Other.par"), "old");

    // A read-only parameter file beside the drawing loads and stays read-only; file 1 can be written.
    EXPECT_TRUE(para.LoadBesideDrawing("plant/Other.xyz"));
    EXPECT_EQ(GetFileAttributesA("plant/Other.par"), FILE_ATTRIBUTE_READONLY);
    EXPECT_EQ(GetFileAttributesA("para/para.par"), FILE_ATTRIBUTE_NORMAL);
}

TEST_F(ParaDatenFileTest, RawAccessRefusesMoreThan255Bytes)
{
    CParaDaten para;
    ASSERT_TRUE(para.CreateEmptyFile(2));
    std::vector<BYTE> bytes(256, 0);
    EXPECT_FALSE(para.WriteBytes(2, 0, 0, 256, bytes.data()));
    EXPECT_FALSE(para.ReadBytes(2, 0, 0, 256, bytes.data()));
    EXPECT_TRUE(para.ReadBytes(2, 0, 0, 255, bytes.data()));
    EXPECT_EQ(bytes[0], 0x03);
}

TEST_F(ParaDatenFileTest, WorkingFileOneIsReplacedWholeAndNeverChangedInPlace)
{
    CParaDaten para;
    ASSERT_TRUE(para.CreateEmptyFile(1));
    struct stat before {};
    ASSERT_EQ(stat("para/para.par", &before), 0);
    ASSERT_TRUE(para.SetSprache(1, 1));
    EXPECT_TRUE(ReadFile("para/para.par") == golden::ParaFile()) << "the file on the disc is not written in place";
    EXPECT_EQ(para.GetSprache(1), 1) << "the open file reads its own writes";
    CParaDaten::CloseFile(1);
    struct stat after {};
    ASSERT_EQ(stat("para/para.par", &after), 0);
    EXPECT_NE(after.st_ino, before.st_ino) << "replaced by a whole new file";
    EXPECT_EQ(ReadFile("para/para.par").size(), golden::ParaFile().size());
    EXPECT_EQ(para.GetSprache(1), 1);
    for (const auto& entry : fs::directory_iterator("para"))
        EXPECT_EQ(entry.path().filename().string().rfind(platform::GetApplicationNames().temporaryPrefix, 0),
                  std::string::npos)
            << "no temporary";

    // Working file 2 is the working copy and keeps its place on the disc.
    ASSERT_TRUE(para.BeginWorkFile());
    ASSERT_TRUE(para.SetSprache(2, 2));
    EXPECT_EQ(ReadFile("para/morv9274.par").find("PAR_DATA"), ReadFile("para/para.par").find("PAR_DATA"));
    EXPECT_FALSE(ReadFile("para/morv9274.par") == ReadFile("para/para.par")) << "written through at once";

    EXPECT_TRUE(para.IsSoundFile(1));
    std::string cut = ReadFile("para/para.par");
    cut.pop_back();
    CParaDaten::CloseFile(1);
    WriteFile("para/para.par", cut);
    EXPECT_FALSE(para.IsSoundFile(1)) << "a file that ends before its image is no whole set";
}

TEST_F(ParaDatenFileTest, SaveKeepsTheReplacedSetAndThePlaceholderMarkFollowsTheSet)
{
    CParaDaten para;
    ASSERT_TRUE(para.CreateEmptyFile(1));
    fs::create_directories("plant");
    WriteFile("plant/Heating.par", MarkedSet(0x44));
    ASSERT_TRUE(para.SaveBesideDrawing("plant/Heating.abc"));
    EXPECT_TRUE(ReadFile("plant/Heating.par") == golden::ParaFile());
    EXPECT_TRUE(ReadFile("plant/Heating.par.bak") == MarkedSet(0x44)) << "the replaced set stays recoverable";
    EXPECT_EQ(CParaDaten::BackupPath("plant/Heating.par"), "plant/Heating.par.bak");
    EXPECT_EQ(CParaDaten::SavedParameterFilePath("plant/Heating.EVL"), "plant/Heating.pvl");

    // A set the person made unreadable is neither loaded nor replaced nor copied, and keeps its mode.
    ASSERT_EQ(chmod("plant/Heating.par", 0), 0);
    EXPECT_FALSE(para.SaveBesideDrawing("plant/Heating.abc"));
    EXPECT_TRUE(ReadFile("plant/Heating.par.bak") == MarkedSet(0x44));
    EXPECT_FALSE(para.LoadBesideDrawing("plant/Heating.abc"));
    EXPECT_TRUE(CParaDaten::IsPlaceholderSet()) << "a failed load leaves a placeholder";
    struct stat st {};
    ASSERT_EQ(stat("plant/Heating.par", &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0u);
    ASSERT_EQ(chmod("plant/Heating.par", 0644), 0);
    EXPECT_TRUE(para.LoadBesideDrawing("plant/Heating.abc"));
    EXPECT_FALSE(CParaDaten::IsPlaceholderSet());

    // A set that descends from a placeholder stays one whatever is committed over it: the evaluation's changes,
    // a compile's, an export's, a dialog's or a form's.
    ASSERT_TRUE(CParaDaten::MarkPlaceholderSet(true));
    ASSERT_TRUE(para.BeginWorkFile());
    const BYTE edit = 0x17;
    for (int commit = 0; commit < 2; ++commit) {
        ASSERT_TRUE(para.WriteBytes(2, 0, 10, 1, &edit));
        ASSERT_TRUE(para.CommitWorkFile());
        EXPECT_TRUE(CParaDaten::IsPlaceholderSet()) << "commit " << commit;
    }
    EXPECT_EQ(Mark(1), 0x17);
}

TEST_F(ParaDatenFileTest, APlaceholderSaveNeverCostsThePersonsBackup)
{
    CParaDaten para;
    fs::create_directories("plant");
    const std::string persons = MarkedSet(0x44);
    WriteFile("plant/Heating.par", persons);

    // The person's set could not be loaded; the placeholder is edited and then stored over it (the person agreed).
    ASSERT_FALSE(para.LoadBesideDrawing("plant/Missing.abc"));
    ASSERT_TRUE(CParaDaten::IsPlaceholderSet());
    ASSERT_TRUE(para.BeginWorkFile());
    const BYTE edit = 0x55;
    ASSERT_TRUE(para.WriteBytes(2, 0, 10, 1, &edit));
    ASSERT_TRUE(para.CommitWorkFile());
    EXPECT_FALSE(CParaDaten::IsPlaceholderSave("plant/Heating.par"));
    ASSERT_TRUE(para.SaveBesideDrawing("plant/Heating.abc"));
    EXPECT_TRUE(ReadFile("plant/Heating.par") == MarkedSet(0x55));
    EXPECT_TRUE(ReadFile("plant/Heating.par.bak") == persons);
    EXPECT_TRUE(CParaDaten::IsPlaceholderSave("plant/Heating.par"));
    EXPECT_TRUE(CParaDaten::IsPlaceholderSave("plant/../plant/Heating.par")) << "whatever way it is named";

    // Later saves, of the same set, of a set edited further, after the mark ended ("new", a load of the stored
    // file): the file there is no set of the person's, and its ".bak" keeps the person's set.
    struct Step {
        const char* what;
        std::function<void()> before;
        BYTE stored;
    } steps[] = {
        {"the same set again", [] {}, 0x55},
        {"an edited set", [&] {
             const BYTE b = 0x66;
             ASSERT_TRUE(para.WriteBytes(2, 0, 10, 1, &b));
             ASSERT_TRUE(para.CommitWorkFile());
         }, 0x66},
        {"after the mark ended", [&] {
             ASSERT_TRUE(para.LoadBesideDrawing("plant/Heating.abc"));
             EXPECT_FALSE(CParaDaten::IsPlaceholderSet());
             ASSERT_TRUE(para.BeginWorkFile());
             const BYTE b = 0x77;
             ASSERT_TRUE(para.WriteBytes(2, 0, 10, 1, &b));
             ASSERT_TRUE(para.CommitWorkFile());
         }, 0x77},
    };
    for (const Step& step : steps) {
        step.before();
        ASSERT_TRUE(para.SaveBesideDrawing("plant/Heating.abc")) << step.what;
        EXPECT_TRUE(ReadFile("plant/Heating.par") == MarkedSet(step.stored)) << step.what;
        EXPECT_TRUE(ReadFile("plant/Heating.par.bak") == persons) << step.what;
        EXPECT_TRUE(CParaDaten::IsPlaceholderSave("plant/Heating.par")) << step.what;
    }

    // A set the person puts there again is theirs: the next save keeps it in the ".bak", as every save does.
    const std::string restored = MarkedSet(0x88);
    WriteFile("plant/Heating.par", restored);
    EXPECT_FALSE(CParaDaten::IsPlaceholderSave("plant/Heating.par"));
    ASSERT_TRUE(para.SaveBesideDrawing("plant/Heating.abc"));
    EXPECT_TRUE(ReadFile("plant/Heating.par.bak") == restored);
    EXPECT_FALSE(CParaDaten::IsPlaceholderSave("plant/Heating.par")) << "a save of the person's own set";
}

TEST_F(ParaDatenFileTest, OnlyASoundWorkingCopyIsCommittedOrStored)
{
    CParaDaten para;
    ASSERT_TRUE(para.CreateEmptyFile(1));
    ASSERT_TRUE(para.BeginWorkFile());
    const std::string committed = ReadFile("para/para.par");

    // The working copy is cut while a form holds it open: the form's write fails, nothing grows it back, and
    // neither the commit nor an export takes it.
    BYTE b = 0;
    ASSERT_TRUE(para.ReadBytes(2, 0, 10, 1, &b));
    ASSERT_EQ(truncate("para/morv9274.par", 16000), 0);
    b = 0x42;
    EXPECT_FALSE(para.WriteBytes(2, 0, 30000, 1, &b));
    EXPECT_FALSE(para.CommitWorkFile());
    EXPECT_EQ(ReadFile("para/morv9274.par").size(), 16000u);
    EXPECT_TRUE(ReadFile("para/para.par") == committed);

    // A line doubled or data after the end: the same.
    const std::string line = committed.substr(298 + 73 * 5, 73);
    const std::string damaged[] = {
        committed.substr(0, 298 + 73 * 5) + line + committed.substr(298 + 73 * 5, committed.size() - 298 - 73 * 6),
        committed + "\r\n",
    };
    for (const std::string& bytes : damaged) {
        CParaDaten::ReleaseFiles();
        WriteFile("para/morv9274.par", bytes);
        EXPECT_FALSE(para.IsSoundFile(2));
        EXPECT_FALSE(para.CommitWorkFile());
        EXPECT_FALSE(para.ExportFile(2, "outside.par"));
        EXPECT_TRUE(ReadFile("para/para.par") == committed);
        EXPECT_FALSE(fs::exists("outside.par"));
    }
    // Nor does a damaged set become the working copy.
    CParaDaten::ReleaseFiles();
    WriteFile("para/para.par", damaged[0]);
    WriteFile("para/morv9274.par", committed);
    EXPECT_FALSE(para.BeginWorkFile());
    EXPECT_TRUE(ReadFile("para/morv9274.par") == committed);
}
