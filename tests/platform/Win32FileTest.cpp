// The Win32 file calls on POSIX: copies, attributes, folder search, program directory.
#include "platform/ApplicationNames.h"
#include "platform/LastError.h"
#include "platform/TextFile.h"
#include "platform/Win32File.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <functional>
#include <string>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace fs = std::filesystem;

class Win32FileTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_dir = fs::temp_directory_path() / ("morv-win32file-" + std::to_string(getpid()));
        fs::remove_all(m_dir);
        fs::create_directories(m_dir);
        // A program's names, as a program gives them at start.
        platform::SetApplicationNames({"PROBE_HOME", "", "", ".probe-"});
    }
    void TearDown() override
    {
        platform::SetApplicationNames({});
        std::error_code ec;
        fs::permissions(m_dir, fs::perms::owner_all, fs::perm_options::add, ec);
        fs::remove_all(m_dir);
    }
    std::string Path(const char* name) const { return (m_dir / name).string(); }
    void Write(const char* name, const std::string& bytes)
    {
        ASSERT_TRUE(platform::WriteFileAtomically(Path(name).c_str(), bytes));
    }
    std::string Read(const char* name) const
    {
        std::string bytes;
        platform::ReadWholeFile(Path(name).c_str(), bytes);
        return bytes;
    }
    fs::path m_dir;
};

TEST_F(Win32FileTest, CopyReplacesTargetWholeAndTakesReadOnlyAttribute)
{
    Write("a.par", "source\r\n");
    Write("b.par", "old target, longer than the source\r\n");
    ASSERT_TRUE(CopyFileA(Path("a.par").c_str(), Path("b.par").c_str(), FALSE));
    EXPECT_EQ(Read("b.par"), "source\r\n");

    ASSERT_TRUE(SetFileAttributesA(Path("a.par").c_str(), FILE_ATTRIBUTE_READONLY));
    ASSERT_TRUE(CopyFileA(Path("a.par").c_str(), Path("c.par").c_str(), FALSE));
    EXPECT_EQ(GetFileAttributesA(Path("c.par").c_str()), FILE_ATTRIBUTE_READONLY);
    ASSERT_TRUE(SetFileAttributesA(Path("c.par").c_str(), FILE_ATTRIBUTE_NORMAL));
    EXPECT_EQ(GetFileAttributesA(Path("c.par").c_str()), FILE_ATTRIBUTE_NORMAL);
}

TEST_F(Win32FileTest, CopyFailuresLeaveTheTargetAsItWas)
{
    Write("src", "new");
    Write("ro", "kept");
    ASSERT_TRUE(SetFileAttributesA(Path("ro").c_str(), FILE_ATTRIBUTE_READONLY));
    // Tests run as root in CI, where permission bits do not stop a write: the attribute itself must refuse.
    EXPECT_FALSE(CopyFileA(Path("src").c_str(), Path("ro").c_str(), FALSE));
    EXPECT_EQ(GetLastError(), ERROR_ACCESS_DENIED);
    EXPECT_EQ(Read("ro"), "kept");

    EXPECT_FALSE(CopyFileA(Path("src").c_str(), Path("ro").c_str(), TRUE));
    EXPECT_EQ(GetLastError(), ERROR_ALREADY_EXISTS);
    EXPECT_FALSE(CopyFileA(Path("missing").c_str(), Path("x").c_str(), FALSE));
    EXPECT_EQ(GetLastError(), ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(GetFileAttributesA(Path("x").c_str()), INVALID_FILE_ATTRIBUTES);
    EXPECT_FALSE(CopyFileA(Path("src").c_str(), (m_dir / "no" / "x").string().c_str(), FALSE));

    int entries = static_cast<int>(std::distance(fs::directory_iterator(m_dir), {}));
    EXPECT_EQ(entries, 2) << "no temporary file left behind";
}

TEST_F(Win32FileTest, FindFirstMatchesWildcardsInTheFolder)
{
    Write("one.dat", "1");
    Write("two.dat", "2");
    Write("three.par", "3");
    _mkdir(Path("sub.dat").c_str());
    EXPECT_EQ(_mkdir(Path("sub.dat").c_str()), -1) << "an existing folder";

    std::vector<std::string> names;
    _finddata_t data {};
    std::intptr_t handle = _findfirst(Path("*.dat").c_str(), &data);
    ASSERT_NE(handle, -1);
    do {
        names.push_back(data.name);
        if (names.back() == "sub.dat") {
            EXPECT_TRUE(data.attrib & _A_SUBDIR);
        }
        if (names.back() == "one.dat") {
            EXPECT_EQ(data.size, 1u);
        }
    } while (_findnext(handle, &data) == 0);
    EXPECT_EQ(_findclose(handle), 0);
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string> {"one.dat", "sub.dat", "two.dat"}));
    EXPECT_EQ(_findfirst(Path("*.bgs").c_str(), &data), -1);
}

TEST_F(Win32FileTest, ProgramDirectoryIsHomeOrExecutableFolder)
{
    char exe[4096];
    ASSERT_GT(GetModuleFileNameA(nullptr, exe, sizeof exe), 0u);
    std::string exeDir = fs::path(exe).parent_path().string();

    setenv("PROBE_HOME", (m_dir.string() + "/").c_str(), 1);
    EXPECT_EQ(platform::ProgramDirectory(), m_dir.string().c_str());
    // Without a program's names the platform reads no variable.
    platform::SetApplicationNames({});
    EXPECT_EQ(platform::ProgramDirectory(), exeDir.c_str());
    platform::SetApplicationNames({"PROBE_HOME", "", "", ".probe-"});
    setenv("PROBE_HOME", "", 1);
    EXPECT_EQ(platform::ProgramDirectory(), exeDir.c_str());
    unsetenv("PROBE_HOME");

    char tiny[4];
    EXPECT_EQ(GetModuleFileNameA(nullptr, tiny, sizeof tiny), 3u);
    EXPECT_EQ(tiny[3], '\0');
}

TEST_F(Win32FileTest, CopyKeepingTheTargetKeepsItsPermissions)
{
    Write("src", "new");
    Write("shared", "old");
    ASSERT_EQ(chmod(Path("shared").c_str(), 0640), 0);
    ASSERT_TRUE(platform::CopyFileKeepingTarget(Path("src").c_str(), Path("shared").c_str()));
    EXPECT_EQ(Read("shared"), "new");
    struct stat st {};
    ASSERT_EQ(stat(Path("shared").c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0640u);
    ASSERT_EQ(chmod(Path("src").c_str(), 0600), 0);
    ASSERT_TRUE(platform::CopyFileKeepingTarget(Path("src").c_str(), Path("fresh").c_str()));
    ASSERT_EQ(stat(Path("fresh").c_str(), &st), 0);
    EXPECT_NE(st.st_mode & 07777, 0600u) << "a new target gets a new file's permissions, not the source's";
    EXPECT_TRUE(fs::directory_iterator(m_dir) != fs::directory_iterator());
    for (const auto& entry : fs::directory_iterator(m_dir))
        EXPECT_NE(entry.path().filename().string().rfind(".probe-", 0), 0u) << "no temporary left";
}

TEST_F(Win32FileTest, StaleTemporariesOfOurNamingAreRemovedAndNoOthers)
{
    struct timespec now {};
    clock_gettime(CLOCK_REALTIME, &now);
    const auto old = fs::file_time_type::clock::now() - std::chrono::hours(2);
    for (const char* name : {".probe-Ab12Cd", ".probe-Ab12C", ".probe-Ab12Cd.par", ".probe-Ab1_Cd",
                             "probe-Ab12Cd", ".probe-Young1", ".probe-Locked"}) {
        Write(name, "x");
        // File times come from a coarse clock: the young one is set clearly after this run's start.
        fs::last_write_time(Path(name), std::string(name) == ".probe-Young1"
                                            ? fs::file_time_type::clock::now() + std::chrono::hours(1)
                                            : old);
    }
    fs::create_directory(Path(".probe-Folder"));
    fs::last_write_time(Path(".probe-Folder"), old);
    std::string live;
    int fd = platform::CreateTemporaryBeside(Path("target").c_str(), live);
    ASSERT_GE(fd, 0);
    struct timespec times[2] = {{now.tv_sec - 3600, 0}, {now.tv_sec - 3600, 0}};
    ASSERT_EQ(futimens(fd, times), 0);
    int locked = open(Path(".probe-Locked").c_str(), O_RDONLY);
    ASSERT_EQ(flock(locked, LOCK_EX), 0);

    EXPECT_EQ(platform::RemoveStaleTemporaries(m_dir.c_str(), now), 1);
    EXPECT_FALSE(fs::exists(Path(".probe-Ab12Cd")));
    for (const char* name : {".probe-Ab12C", ".probe-Ab12Cd.par", ".probe-Ab1_Cd", "probe-Ab12Cd",
                             ".probe-Young1", ".probe-Locked", ".probe-Folder"})
        EXPECT_TRUE(fs::exists(Path(name))) << name;
    EXPECT_TRUE(fs::exists(live)) << "a temporary still being written";
    close(fd);
    close(locked);
    EXPECT_EQ(platform::RemoveStaleTemporaries(m_dir.c_str(), now), 2) << "once their runs let go";
}

namespace {

// Where a link points, or "" when the path is no link.
std::string LinkTarget(const std::string& path)
{
    std::error_code ec;
    return fs::is_symlink(fs::symlink_status(path, ec)) ? fs::read_symlink(path, ec).string() : std::string();
}

}  // namespace

TEST_F(Win32FileTest, EveryWriterRefusesALinkInItsTargetsPlaceAndLeavesLinkAndFileAsTheyWere)
{
    Write("src", "ours\r\n");
    Write("theirs", "not ours\r\n");
    ASSERT_EQ(chmod(Path("theirs").c_str(), 0644), 0);
    const struct {
        const char* name;
        std::function<bool(const std::string&)> write;
    } writers[] = {
        {"CopyFileA", [&](const std::string& to) { return CopyFileA(Path("src").c_str(), to.c_str(), FALSE) != 0; }},
        {"CopyFileKeepingTarget",
         [&](const std::string& to) { return platform::CopyFileKeepingTarget(Path("src").c_str(), to.c_str()) != 0; }},
        {"BackUpFile",
         [&](const std::string& to) { return platform::BackUpFile(Path("src").c_str(), to.c_str()) != 0; }},
        {"WriteFileAtomically", [](const std::string& to) { return platform::WriteFileAtomically(to.c_str(), "x"); }},
        {"OpenForWriting wb",
         [](const std::string& to) {
             std::FILE* f = platform::OpenForWriting(to.c_str(), "wb");
             return f && std::fclose(f) == 0;
         }},
        {"OpenForWriting ab",
         [](const std::string& to) {
             std::FILE* f = platform::OpenForWriting(to.c_str(), "ab");
             return f && std::fputs("x", f) >= 0 && std::fclose(f) == 0;
         }},
    };
    for (const auto& writer : writers) {
        SCOPED_TRACE(writer.name);
        // A link to a file, and one to where no file is yet (a write through it would make that file).
        for (const char* pointsTo : {"theirs", "nothing-yet"}) {
            fs::remove(Path("place"));
            fs::create_symlink(Path(pointsTo), Path("place"));
            EXPECT_FALSE(writer.write(Path("place"))) << pointsTo;
            EXPECT_EQ(LinkTarget(Path("place")), Path(pointsTo));
        }
        EXPECT_EQ(Read("theirs"), "not ours\r\n");
        EXPECT_FALSE(fs::exists(Path("nothing-yet")));
        // A file in the place is written as before.
        fs::remove(Path("place"));
        EXPECT_TRUE(writer.write(Path("place")));
        EXPECT_TRUE(fs::is_regular_file(fs::symlink_status(Path("place"))));
    }
    for (const auto& entry : fs::directory_iterator(m_dir))
        EXPECT_NE(entry.path().filename().string().rfind(".probe-", 0), 0u) << "no temporary left";
}

TEST_F(Win32FileTest, ABackupNeverReadsThroughALinkAndIsNoMoreOpenThanTheFile)
{
    fs::create_directory(Path("private"));
    Write("private/secret", "secret\r\n");
    ASSERT_EQ(chmod(Path("private/secret").c_str(), 0644), 0);
    ASSERT_EQ(chmod(Path("private").c_str(), 0700), 0);
    fs::create_symlink(Path("private/secret"), Path("plant.pvl"));
    EXPECT_FALSE(platform::BackUpFile(Path("plant.pvl").c_str(), Path("plant.pvl.bak").c_str()));
    EXPECT_FALSE(fs::exists(fs::symlink_status(Path("plant.pvl.bak"))));

    // The backup takes the file's permissions, also over an older backup open to more people.
    fs::remove(Path("plant.pvl"));
    Write("plant.pvl", "set\r\n");
    Write("plant.pvl.bak", "older\r\n");
    ASSERT_EQ(chmod(Path("plant.pvl").c_str(), 0600), 0);
    ASSERT_EQ(chmod(Path("plant.pvl.bak").c_str(), 0644), 0);
    ASSERT_TRUE(platform::BackUpFile(Path("plant.pvl").c_str(), Path("plant.pvl.bak").c_str()));
    EXPECT_EQ(Read("plant.pvl.bak"), "set\r\n");
    struct stat st {};
    ASSERT_EQ(stat(Path("plant.pvl.bak").c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0600u);
}

TEST_F(Win32FileTest, ReadersRefuseWhatIsNoRegularFileWithoutWaitingOnIt)
{
    ASSERT_EQ(mkfifo(Path("fifo").c_str(), 0600), 0);
    fs::create_directory(Path("folder"));
    Write("big", std::string(100, 'b'));
    // Opening a FIFO for reading without a writer would wait for good: the alarm ends the test instead.
    alarm(20);
    for (const std::string& path : {Path("fifo"), std::string("/dev/zero"), Path("folder")}) {
        SCOPED_TRACE(path);
        EXPECT_EQ(platform::OpenRegularFile(path.c_str()), -1);
        EXPECT_EQ(errno, EINVAL);
        EXPECT_EQ(platform::OpenRegularForReading(path.c_str()), nullptr);
        std::string bytes;
        EXPECT_FALSE(platform::ReadWholeFile(path.c_str(), bytes));
        EXPECT_FALSE(CopyFileA(path.c_str(), Path("copy").c_str(), FALSE));
        EXPECT_FALSE(platform::BackUpFile(path.c_str(), Path("copy").c_str()));
        EXPECT_FALSE(fs::exists(Path("copy")));
    }
    alarm(0);
    // A regular file is read up to the bound given, and refused beyond it after reading one byte more.
    std::string bytes;
    EXPECT_TRUE(platform::ReadWholeFile(Path("big").c_str(), bytes, 100));
    EXPECT_EQ(bytes.size(), 100u);
    EXPECT_FALSE(platform::ReadWholeFile(Path("big").c_str(), bytes, 88));
    EXPECT_EQ(bytes.size(), 89u);
    EXPECT_TRUE(platform::ReadWholeFile(Path("big").c_str(), bytes));
    for (const auto& entry : fs::directory_iterator(m_dir))
        EXPECT_NE(entry.path().filename().string().rfind(".probe-", 0), 0u) << "no temporary left";
}

TEST_F(Win32FileTest, TheFirstTemporaryInAFolderRemovesWhatKilledRunsLeftThere)
{
    struct timespec now {};
    clock_gettime(CLOCK_REALTIME, &now);
    const auto old = fs::file_time_type::clock::now() - std::chrono::hours(2);
    fs::create_directory(Path("target"));
    fs::create_directory(Path("other"));
    for (const char* name : {"target/.probe-Ab12Cd", "other/.probe-Ab12Cd", "target/.probe-Ab12Cd.keep"}) {
        Write(name, "partial");
        fs::last_write_time(Path(name), old);
    }
    Write("src", "data");

    ASSERT_TRUE(CopyFileA(Path("src").c_str(), Path("target/file").c_str(), FALSE));
    EXPECT_TRUE(fs::exists(Path("target/.probe-Ab12Cd"))) << "not before the run asks for it";

    platform::RemoveStaleTemporariesWhereWriting(now);
    ASSERT_TRUE(CopyFileA(Path("src").c_str(), Path("target/file").c_str(), FALSE));
    EXPECT_FALSE(fs::exists(Path("target/.probe-Ab12Cd")));
    EXPECT_TRUE(fs::exists(Path("target/.probe-Ab12Cd.keep"))) << "no temporary of ours";
    EXPECT_TRUE(fs::exists(Path("other/.probe-Ab12Cd"))) << "a folder the run does not write";
    ASSERT_TRUE(platform::WriteFileAtomically(Path("other/file").c_str(), "x"));
    EXPECT_FALSE(fs::exists(Path("other/.probe-Ab12Cd")));
    // The time 0 takes nothing for stale: the rest of this process removes nothing.
    platform::RemoveStaleTemporariesWhereWriting({});
}
