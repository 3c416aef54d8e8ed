// Named mutexes across processes: existence apart from ownership, timed waits, release at process death.
#include "platform/LastError.h"
#include "platform/Win32Mutex.h"

#include "ChildProcess.h"

#include <gtest/gtest.h>

#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

using namespace std::chrono_literals;
using testsupport::ChildProcess;

namespace {

std::string UniqueName(const char* what)
{
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    return std::string("ipc-test ") + std::to_string(getpid()) + " " + info->name() + " " + what;
}

// A second process that holds the mutex; its answers are checked line by line.
class MutexPeer {
public:
    MutexPeer(const std::string& name, bool own)
    {
        started = process.Start({IPC_PEER, "mutex", name, own ? "own" : "none"});
        if (started)
            process.ReadLine(created);
    }
    std::string Ask(const std::string& command)
    {
        std::string answer;
        if (!process.WriteLine(command) || !process.ReadLine(answer))
            return "no answer to " + command;
        return answer;
    }
    ChildProcess process;
    bool started = false;
    std::string created;
};

struct Created {
    HANDLE handle;
    DWORD error;
};

Created Create(const std::string& name, BOOL own)
{
    HANDLE h = CreateMutexA(nullptr, own, name.c_str());
    return {h, GetLastError()};
}

// Every test gets a runtime folder of its own (the helper processes inherit it), so no lock file outlives it.
class Win32MutexTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        const char* old = std::getenv("XDG_RUNTIME_DIR");
        m_hadOld = old != nullptr;
        if (old)
            m_old = old;
        m_folder = std::filesystem::temp_directory_path() / ("ipc-runtime-" + std::to_string(getpid()));
        std::filesystem::remove_all(m_folder);
        ASSERT_EQ(mkdir(m_folder.c_str(), 0700), 0);
        setenv("XDG_RUNTIME_DIR", m_folder.c_str(), 1);
    }
    void TearDown() override
    {
        if (m_hadOld)
            setenv("XDG_RUNTIME_DIR", m_old.c_str(), 1);
        else
            unsetenv("XDG_RUNTIME_DIR");
        std::filesystem::remove_all(m_folder);
    }
    std::filesystem::path m_folder;
    std::string m_old;
    bool m_hadOld = false;
};

}  // namespace

TEST_F(Win32MutexTest, ExistsWhileAnotherProcessHoldsItOpenEvenAfterItReleasedOwnership)
{
    std::string name = UniqueName("mutex");
    MutexPeer first(name, true);
    ASSERT_TRUE(first.started);
    ASSERT_EQ(first.created, "created 1 0") << "the first process creates the mutex";

    Created second = Create(name, TRUE);
    ASSERT_NE(second.handle, nullptr);
    EXPECT_EQ(second.error, ERROR_ALREADY_EXISTS);
    EXPECT_EQ(WaitForSingleObject(second.handle, 30), WAIT_TIMEOUT) << "the first process still owns it";
    EXPECT_EQ(ReleaseMutex(second.handle), FALSE) << "releasing what this process does not own";
    EXPECT_EQ(GetLastError(), ERROR_NOT_OWNER);

    // The first instance releases ownership when its window is up but keeps its handle.
    ASSERT_EQ(first.Ask("release"), "release 1 0");
    ASSERT_TRUE(CloseHandle(second.handle));
    Created third = Create(name, TRUE);
    EXPECT_EQ(third.error, ERROR_ALREADY_EXISTS) << "still held open by the first process";
    EXPECT_EQ(WaitForSingleObject(third.handle, 2000), WAIT_OBJECT_0);
    EXPECT_EQ(first.Ask("wait 0"), "wait 258") << "now this process owns it";
    EXPECT_TRUE(ReleaseMutex(third.handle));
    EXPECT_EQ(first.Ask("wait 2000"), "wait 0");

    // Once nobody holds it open, it no longer exists.
    EXPECT_EQ(first.Ask("close"), "close 1");
    ASSERT_TRUE(CloseHandle(third.handle));
    Created fresh = Create(name, TRUE);
    EXPECT_EQ(fresh.error, ERROR_SUCCESS);
    EXPECT_TRUE(ReleaseMutex(fresh.handle)) << "the creator owns a new mutex";
    CloseHandle(fresh.handle);
}

TEST_F(Win32MutexTest, DeathOfTheOwnerReleasesOwnershipAndLeavesNothingStale)
{
    std::string name = UniqueName("mutex");
    auto peer = std::make_unique<MutexPeer>(name, true);
    ASSERT_EQ(peer->created, "created 1 0");
    Created mine = Create(name, FALSE);
    ASSERT_EQ(mine.error, ERROR_ALREADY_EXISTS);
    ASSERT_EQ(WaitForSingleObject(mine.handle, 20), WAIT_TIMEOUT);

    peer->process.Kill(SIGKILL);
    EXPECT_EQ(peer->process.Wait(), 128 + SIGKILL);
    // Lock release at death cannot be told from an ordinary release: an ordinary acquisition.
    EXPECT_EQ(WaitForSingleObject(mine.handle, 10000), WAIT_OBJECT_0);
    EXPECT_TRUE(ReleaseMutex(mine.handle));
    CloseHandle(mine.handle);

    Created next = Create(name, TRUE);
    EXPECT_EQ(next.error, ERROR_SUCCESS) << "a crashed holder leaves no existence behind";
    CloseHandle(next.handle);
}

TEST_F(Win32MutexTest, WaiterGetsTheMutexWhenTheOwnerReleasesItAndTimesOutOtherwise)
{
    std::string name = UniqueName("mutex");
    Created mine = Create(name, TRUE);
    ASSERT_EQ(mine.error, ERROR_SUCCESS);
    MutexPeer peer(name, true);
    ASSERT_EQ(peer.created, "created 1 183") << "exists; initial ownership is not granted";
    EXPECT_EQ(peer.Ask("wait 150"), "wait 258");

    // The peer waits up to 20 s; releasing here ends its wait with ownership.
    ASSERT_TRUE(peer.process.WriteLine("wait 20000"));
    auto before = std::chrono::steady_clock::now();
    EXPECT_TRUE(ReleaseMutex(mine.handle));
    std::string answer;
    ASSERT_TRUE(peer.process.ReadLine(answer, 30s));
    EXPECT_EQ(answer, "wait 0");
    EXPECT_LT(std::chrono::steady_clock::now() - before, 15s) << "the release ends the wait, not the time-out";
    EXPECT_EQ(WaitForSingleObject(mine.handle, 0), WAIT_TIMEOUT);
    CloseHandle(mine.handle);
}

TEST_F(Win32MutexTest, TimedWaitLastsItsTimeOut)
{
    std::string name = UniqueName("mutex");
    MutexPeer owner(name, true);
    ASSERT_EQ(owner.created, "created 1 0");
    Created mine = Create(name, FALSE);
    auto before = std::chrono::steady_clock::now();
    EXPECT_EQ(WaitForSingleObject(mine.handle, 200), WAIT_TIMEOUT);
    EXPECT_GE(std::chrono::steady_clock::now() - before, 195ms);
    CloseHandle(mine.handle);
}

TEST_F(Win32MutexTest, OwnershipInOneProcessIsRecursiveAndPerHandleObject)
{
    std::string name = UniqueName("mutex");
    Created a = Create(name, TRUE);
    ASSERT_EQ(a.error, ERROR_SUCCESS);
    Created b = Create(name, TRUE);
    EXPECT_EQ(b.error, ERROR_ALREADY_EXISTS) << "this process already holds it open";
    EXPECT_EQ(WaitForSingleObject(b.handle, 0), WAIT_OBJECT_0) << "the owning thread acquires again";

    MutexPeer peer(name, false);
    ASSERT_EQ(peer.created, "created 1 183");
    EXPECT_TRUE(ReleaseMutex(a.handle));
    EXPECT_EQ(peer.Ask("wait 0"), "wait 258") << "one of two levels released";
    EXPECT_TRUE(ReleaseMutex(b.handle));
    EXPECT_EQ(peer.Ask("wait 5000"), "wait 0");
    EXPECT_FALSE(ReleaseMutex(a.handle));
    EXPECT_EQ(GetLastError(), ERROR_NOT_OWNER);
    EXPECT_TRUE(CloseHandle(a.handle));
    EXPECT_TRUE(CloseHandle(b.handle));
}

TEST_F(Win32MutexTest, InvalidHandlesFail)
{
    int notAHandle = 0;
    EXPECT_EQ(WaitForSingleObject(&notAHandle, 0), WAIT_FAILED);
    EXPECT_EQ(GetLastError(), ERROR_INVALID_HANDLE);
    EXPECT_FALSE(ReleaseMutex(&notAHandle));
    EXPECT_FALSE(CloseHandle(&notAHandle));
    HANDLE h = CreateMutexA(nullptr, FALSE, UniqueName("closed").c_str());
    ASSERT_TRUE(CloseHandle(h));
    EXPECT_FALSE(CloseHandle(h)) << "a handle closes once";
    EXPECT_EQ(GetLastError(), ERROR_INVALID_HANDLE);
}

TEST_F(Win32MutexTest, NamesAreExactBytesAndNeverCollide)
{
    // Names whose escaped file names could be confused, and bytes outside ASCII.
    const std::string base = UniqueName("");
    const std::string names[] = {base + "a/b", base + "a%2Fb", base + "A/b", base + "\xE4\xA7", base + "..",
                                 base + std::string(300, 'x'), base + std::string(299, 'x') + "y"};
    std::vector<HANDLE> handles;
    for (const std::string& name : names) {
        Created c = Create(name, FALSE);
        ASSERT_NE(c.handle, nullptr) << name;
        EXPECT_EQ(c.error, ERROR_SUCCESS) << "a distinct mutex: " << name;
        handles.push_back(c.handle);
    }
    MutexPeer peer(names[0], false);
    EXPECT_EQ(peer.created, "created 1 183") << "the same name reaches the same mutex in another process";
    for (HANDLE h : handles)
        CloseHandle(h);
}

TEST_F(Win32MutexTest, UnnamedMutexesAreNeverShared)
{
    Created a = Create("", TRUE);
    Created b = Create("", TRUE);
    EXPECT_EQ(a.error, ERROR_SUCCESS);
    EXPECT_EQ(b.error, ERROR_SUCCESS);
    EXPECT_TRUE(ReleaseMutex(a.handle));
    EXPECT_TRUE(ReleaseMutex(b.handle));
    CloseHandle(a.handle);
    CloseHandle(b.handle);
}

TEST_F(Win32MutexTest, LockFilesStayInAPrivateRuntimeFolder)
{
    HANDLE h = CreateMutexA(nullptr, FALSE, "ipc lock files");
    ASSERT_NE(h, nullptr);
    std::filesystem::path folder = m_folder / "win32-objects";
    struct stat st {};
    ASSERT_EQ(lstat(folder.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0700u);
    EXPECT_TRUE(std::filesystem::exists(folder / "ipc%20lock%20files.mutex"));
    CloseHandle(h);

    // A runtime folder that others can write into is not used.
    ASSERT_EQ(chmod(m_folder.c_str(), 0777), 0);
    HANDLE other = CreateMutexA(nullptr, FALSE, "ipc lock files elsewhere");
    EXPECT_NE(other, nullptr);
    EXPECT_FALSE(std::filesystem::exists(folder / "ipc%20lock%20files%20elsewhere.mutex"));
    CloseHandle(other);
}
