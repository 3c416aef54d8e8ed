// The Win32 file calls on POSIX: copies, attributes, folder search, program directory.
#include "platform/ApplicationNames.h"
#include "platform/LastError.h"
#include "platform/TextFile.h"
#include "platform/Win32File.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#include <filesystem>
#include <string>
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
