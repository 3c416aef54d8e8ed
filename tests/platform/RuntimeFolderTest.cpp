// The per-user runtime folder: only a private folder of this user is used, and a name left behind by a crashed run
// is taken over.
#include "platform/EventLoop.h"
#include "platform/LocalSocket.h"
#include "platform/RemoteWindow.h"
#include "platform/RuntimeFolder.h"
#include "platform/Win32Mutex.h"

#include "LoopUntil.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace fs = std::filesystem;
using testsupport::RunLoopUntil;

namespace {

constexpr uid_t kNobody = 65534;

// Each test runs with a base folder of its own as TMPDIR and without XDG_RUNTIME_DIR, so the fallback is
// "<base>/win32-objects-<uid>"; the environment is put back afterwards.
class RuntimeFolderTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        Save("XDG_RUNTIME_DIR", m_xdg);
        Save("TMPDIR", m_tmp);
        m_base = fs::temp_directory_path() / ("runtime-folder-" + std::to_string(getpid()));
        fs::remove_all(m_base);
        ASSERT_EQ(mkdir(m_base.c_str(), 0700), 0);
        unsetenv("XDG_RUNTIME_DIR");
        setenv("TMPDIR", m_base.c_str(), 1);
        m_fallback = m_base / ("win32-objects-" + std::to_string(getuid()));
    }
    void TearDown() override
    {
        Restore("XDG_RUNTIME_DIR", m_xdg);
        Restore("TMPDIR", m_tmp);
        fs::remove_all(m_base);
    }
    static void Save(const char* name, std::optional<std::string>& slot)
    {
        if (const char* value = std::getenv(name))
            slot = value;
    }
    static void Restore(const char* name, const std::optional<std::string>& slot)
    {
        if (slot)
            setenv(name, slot->c_str(), 1);
        else
            unsetenv(name);
    }
    static unsigned ModeOf(const fs::path& path)
    {
        struct stat st {};
        return lstat(path.c_str(), &st) == 0 ? st.st_mode & 07777 : 0;
    }

    std::optional<std::string> m_xdg;
    std::optional<std::string> m_tmp;
    fs::path m_base;
    fs::path m_fallback;
};

}  // namespace

TEST_F(RuntimeFolderTest, AMissingFallbackIsCreatedPrivateAndAPrivateXdgFolderWins)
{
    platform::RuntimeFolderCheck check = platform::CheckRuntimeFolder();
    EXPECT_EQ(check.error, "");
    EXPECT_EQ(check.path, m_fallback.string());
    EXPECT_EQ(ModeOf(m_fallback), 0700u);

    fs::path xdg = m_base / "xdg";
    ASSERT_EQ(mkdir(xdg.c_str(), 0700), 0);
    setenv("XDG_RUNTIME_DIR", xdg.c_str(), 1);
    EXPECT_EQ(platform::CheckRuntimeFolder().path, (xdg / "win32-objects").string());
    EXPECT_EQ(ModeOf(xdg / "win32-objects"), 0700u);
    // Sockets and lock files of every kind live there.
    EXPECT_EQ(platform::LocalSocket::Address("dde", "vorna"), (xdg / "win32-objects" / "dde.vorna.sock").string());

    // An XDG_RUNTIME_DIR that others can enter is no runtime folder: the private fallback is used instead.
    ASSERT_EQ(chmod(xdg.c_str(), 0755), 0);
    EXPECT_EQ(platform::CheckRuntimeFolder().path, m_fallback.string());
}

TEST_F(RuntimeFolderTest, AFallbackThatIsNotPrivateToThisUserIsRefusedWithItsReason)
{
    struct Case {
        const char* what;
        std::function<bool()> make;  // false: cannot be set up here
        std::string reason;
    };
    const std::string path = m_fallback.string();
    const Case cases[] = {
        {"another user's folder",
         [&] { return mkdir(path.c_str(), 0700) == 0 && chown(path.c_str(), kNobody, kNobody) == 0; },
         "belongs to user 65534, not to this user (" + std::to_string(getuid()) + ")"},
        {"open to the group and others", [&] { return mkdir(path.c_str(), 0700) == 0 && chmod(path.c_str(), 0755) == 0; },
         "has mode 0755; it must be 0700, so that no other user can enter it"},
        {"writable by everybody", [&] { return mkdir(path.c_str(), 0700) == 0 && chmod(path.c_str(), 01777) == 0; },
         "has mode 1777; it must be 0700, so that no other user can enter it"},
        {"a link to a private folder",
         [&] { return mkdir((m_base / "real").c_str(), 0700) == 0 && symlink((m_base / "real").c_str(), path.c_str()) == 0; },
         "is a symbolic link"},
        {"a file", [&] {
             int fd = creat(path.c_str(), 0600);
             return fd >= 0 && close(fd) == 0;
         }, "is not a folder"},
    };
    for (const Case& c : cases) {
        fs::remove_all(m_fallback);
        fs::remove_all(m_base / "real");
        if (std::string(c.what) == "another user's folder" && getuid() != 0)
            continue;  // only root can give a folder away
        if (!c.make()) {
            ADD_FAILURE() << "cannot set up " << c.what << ": " << std::strerror(errno);
            continue;
        }
        platform::RuntimeFolderCheck check = platform::CheckRuntimeFolder();
        EXPECT_EQ(check.path, "") << c.what;
        EXPECT_EQ(check.error, "the runtime folder " + path + " " + c.reason) << c.what;
        // Nothing that needs the folder works, and nothing is created in the refused folder.
        EXPECT_EQ(platform::LocalSocket::Address("window", "Vorna - morv9274"), "") << c.what;
        errno = 0;
        EXPECT_FALSE(platform::LocalSocket::Listen(platform::LocalSocket::Address("window", "x")).IsValid());
        EXPECT_EQ(errno, EACCES) << c.what;
        EXPECT_EQ(CreateMutexA(nullptr, FALSE, "refused runtime folder"), nullptr) << c.what;
        EXPECT_FALSE(fs::exists(m_fallback / "refused%20runtime%20folder.mutex")) << c.what;
    }
}

TEST_F(RuntimeFolderTest, ASocketFileLeftByACrashedRunIsTakenOverAndALiveOneIsNot)
{
    CString title = ("Vorna - stale " + std::to_string(getpid())).c_str();
    std::string address = platform::LocalSocket::Address("window", title.str());
    ASSERT_NE(address, "");
    // A run that crashed while it listened: its socket file stays, nobody accepts on it and nobody holds its lock.
    {
        int fd = socket(AF_UNIX, SOCK_STREAM, 0);
        sockaddr_un addr {};
        addr.sun_family = AF_UNIX;
        std::strncpy(addr.sun_path, address.c_str(), sizeof addr.sun_path - 1);
        ASSERT_EQ(bind(fd, reinterpret_cast<sockaddr*>(&addr), sizeof addr), 0);
        ASSERT_EQ(listen(fd, 1), 0);
        close(fd);
    }
    ASSERT_TRUE(fs::exists(address));
    EXPECT_FALSE(platform::remote::Exists(title)) << "a socket file alone is no window";

    std::vector<UINT> received;
    ASSERT_TRUE(platform::remote::Publish(title, [&](UINT m, WPARAM, LPARAM) { received.push_back(m); }));
    ASSERT_TRUE(platform::remote::Post(title, WM_USER, 0, 0));
    EXPECT_TRUE(RunLoopUntil([&] { return !received.empty(); }));

    // While this process serves the name, nobody else can take it, and its socket file stays.
    errno = 0;
    EXPECT_FALSE(platform::LocalSocket::Listen(address).IsValid());
    EXPECT_EQ(errno, EADDRINUSE);
    EXPECT_TRUE(platform::remote::Exists(title));
    platform::remote::Unpublish(title);
    EXPECT_FALSE(fs::exists(address)) << "an ended listener removes its socket file";
    EXPECT_FALSE(platform::remote::Exists(title));
}
