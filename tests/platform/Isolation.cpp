// Runtime folders, program folders and network namespaces of their own for end-to-end tests.
#include "Isolation.h"

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <memory>
#include <poll.h>
#include <sched.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace testsupport {

namespace {

std::filesystem::path MakePrivateFolder(const char* prefix)
{
    std::string pattern = (std::filesystem::temp_directory_path() / (std::string(prefix) + "XXXXXX")).string();
    // mkdtemp makes the folder with mode 0700.
    if (!mkdtemp(pattern.data()))
        return {};
    return pattern;
}

}  // namespace

Isolation::Isolation() : m_runtime(MakePrivateFolder("morv-rt-")), m_home(MakePrivateFolder("morv-home-")) {}

Isolation::~Isolation()
{
    std::error_code ec;
    std::filesystem::remove_all(m_runtime, ec);
    std::filesystem::remove_all(m_home, ec);
}

std::vector<std::string> Isolation::Environment() const
{
    std::vector<std::string> env = {"XDG_RUNTIME_DIR=" + m_runtime.string(), "MORV9274_HOME=" + m_home.string()};
    for (char** e = environ; *e; ++e) {
        std::string entry = *e;
        if (entry.rfind("XDG_RUNTIME_DIR=", 0) != 0 && entry.rfind("MORV9274_HOME=", 0) != 0)
            env.push_back(entry);
    }
    return env;
}

bool Isolation::Start(ChildProcess& process, const std::vector<std::string>& argv) const
{
    return process.Start(argv, Environment());
}

ToolResult Isolation::Run(const std::vector<std::string>& argv, std::chrono::milliseconds timeout) const
{
    ToolResult result;
    int out[2];
    int err[2];
    if (pipe2(out, O_CLOEXEC) != 0)
        return result;
    if (pipe2(err, O_CLOEXEC) != 0) {
        close(out[0]);
        close(out[1]);
        return result;
    }
    std::vector<std::string> env = Environment();
    std::vector<char*> cargv;
    for (const std::string& a : argv)
        cargv.push_back(const_cast<char*>(a.c_str()));
    cargv.push_back(nullptr);
    std::vector<char*> cenv;
    for (const std::string& e : env)
        cenv.push_back(const_cast<char*>(e.c_str()));
    cenv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_adddup2(&actions, out[1], 1);
    posix_spawn_file_actions_adddup2(&actions, err[1], 2);
    pid_t pid = -1;
    if (posix_spawn(&pid, cargv[0], &actions, nullptr, cargv.data(), cenv.data()) != 0)
        pid = -1;
    posix_spawn_file_actions_destroy(&actions);
    close(out[1]);
    close(err[1]);
    auto deadline = std::chrono::steady_clock::now() + timeout;
    pollfd fds[2] = {{out[0], POLLIN, 0}, {err[0], POLLIN, 0}};
    std::string* sinks[2] = {&result.out, &result.err};
    int open = pid > 0 ? 2 : 0;
    while (open > 0) {
        auto left = std::chrono::ceil<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
        if (left.count() <= 0)
            break;
        if (poll(fds, 2, static_cast<int>(left.count())) <= 0)
            continue;
        for (int i = 0; i < 2; ++i) {
            if (fds[i].fd < 0 || fds[i].revents == 0)
                continue;
            char chunk[4096];
            ssize_t n = read(fds[i].fd, chunk, sizeof chunk);
            if (n > 0) {
                sinks[i]->append(chunk, static_cast<size_t>(n));
            } else if (n == 0 || errno != EINTR) {
                fds[i].fd = -1;
                --open;
            }
        }
    }
    close(out[0]);
    close(err[0]);
    if (pid <= 0)
        return result;
    int status = 0;
    if (open > 0) {
        kill(pid, SIGKILL);
        waitpid(pid, &status, 0);
        return result;
    }
    waitpid(pid, &status, 0);
    result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    return result;
}

bool Isolation::EnterNetworkNamespace()
{
    return unshare(CLONE_NEWNET) == 0;
}

void Isolation::IsolateThisProcess()
{
    EnterNetworkNamespace();
    // Lives until the process ends; removed then, whatever the test left in it.
    static std::unique_ptr<Isolation> own;
    own = std::make_unique<Isolation>();
    setenv("XDG_RUNTIME_DIR", own->RuntimeFolder().c_str(), 1);
    setenv("MORV9274_HOME", own->Home().c_str(), 1);
    std::atexit([] { own.reset(); });
}

}  // namespace testsupport
