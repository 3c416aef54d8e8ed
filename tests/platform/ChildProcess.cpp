// Helper processes for tests, on fork and exec with pipes.
#include "ChildProcess.h"

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <dirent.h>
#include <fcntl.h>
#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace testsupport {

ChildProcess::~ChildProcess()
{
    if (m_pid > 0) {
        Kill(SIGKILL);
        Wait(std::chrono::seconds(10));
    }
    if (m_in >= 0)
        close(m_in);
    if (m_out >= 0)
        close(m_out);
}

bool ChildProcess::Start(const std::vector<std::string>& argv)
{
    std::vector<std::string> environment;
    for (char** e = environ; *e; ++e)
        environment.emplace_back(*e);
    return Start(argv, environment);
}

bool ChildProcess::Start(const std::vector<std::string>& argv, const std::vector<std::string>& environment)
{
    int toChild[2];
    int fromChild[2];
    if (pipe2(toChild, O_CLOEXEC) != 0)
        return false;
    if (pipe2(fromChild, O_CLOEXEC) != 0) {
        close(toChild[0]);
        close(toChild[1]);
        return false;
    }
    std::vector<char*> args;
    for (const std::string& a : argv)
        args.push_back(const_cast<char*>(a.c_str()));
    args.push_back(nullptr);
    std::vector<char*> env;
    for (const std::string& e : environment)
        env.push_back(const_cast<char*>(e.c_str()));
    env.push_back(nullptr);
    pid_t pid = fork();
    if (pid == 0) {
        // Only async-signal-safe calls until exec.
        dup2(toChild[0], 0);
        dup2(fromChild[1], 1);
        execve(args[0], args.data(), env.data());
        _exit(127);
    }
    close(toChild[0]);
    close(fromChild[1]);
    if (pid < 0) {
        close(toChild[1]);
        close(fromChild[0]);
        return false;
    }
    m_pid = pid;
    m_in = toChild[1];
    m_out = fromChild[0];
    fcntl(m_out, F_SETFL, fcntl(m_out, F_GETFL) | O_NONBLOCK);
    return true;
}

bool ChildProcess::ReadLine(std::string& line, std::chrono::milliseconds timeout)
{
    auto deadline = std::chrono::steady_clock::now() + timeout;
    for (;;) {
        size_t end = m_buffer.find('\n');
        if (end != std::string::npos) {
            line = m_buffer.substr(0, end);
            m_buffer.erase(0, end + 1);
            return true;
        }
        if (m_eof || m_out < 0)
            return false;
        auto left = std::chrono::ceil<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
        if (left.count() <= 0)
            return false;
        pollfd pfd {m_out, POLLIN, 0};
        if (poll(&pfd, 1, static_cast<int>(left.count())) <= 0)
            continue;
        char chunk[4096];
        ssize_t n = read(m_out, chunk, sizeof chunk);
        if (n > 0)
            m_buffer.append(chunk, static_cast<size_t>(n));
        else if (n == 0 || (errno != EAGAIN && errno != EINTR))
            m_eof = true;
    }
}

std::string ChildProcess::WaitFor(const std::string& prefix, std::chrono::milliseconds timeout,
                                  std::vector<std::string>* skipped)
{
    auto deadline = std::chrono::steady_clock::now() + timeout;
    std::string line;
    for (;;) {
        auto left = std::chrono::ceil<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
        if (left.count() <= 0 || !ReadLine(line, left))
            return std::string();
        if (line.compare(0, prefix.size(), prefix) == 0)
            return line;
        if (skipped)
            skipped->push_back(line);
    }
}

bool ChildProcess::WriteLine(const std::string& line)
{
    if (m_in < 0)
        return false;
    std::string text = line + "\n";
    return write(m_in, text.data(), text.size()) == static_cast<ssize_t>(text.size());
}

void ChildProcess::CloseInput()
{
    if (m_in >= 0) {
        close(m_in);
        m_in = -1;
    }
}

int ChildProcess::Wait(std::chrono::milliseconds timeout)
{
    if (m_pid <= 0)
        return -1;
    auto deadline = std::chrono::steady_clock::now() + timeout;
    std::chrono::milliseconds pause(1);
    for (;;) {
        int status = 0;
        pid_t r = waitpid(m_pid, &status, WNOHANG);
        if (r == m_pid) {
            m_pid = -1;
            if (WIFEXITED(status))
                return WEXITSTATUS(status);
            return 128 + WTERMSIG(status);
        }
        if (r < 0) {
            m_pid = -1;
            return -1;
        }
        if (std::chrono::steady_clock::now() >= deadline) {
            kill(m_pid, SIGKILL);
            waitpid(m_pid, &status, 0);
            m_pid = -1;
            return -1;
        }
        usleep(static_cast<useconds_t>(pause.count() * 1000));
        pause = std::min(pause * 2, std::chrono::milliseconds(20));
    }
}

void ChildProcess::Kill(int signal)
{
    if (m_pid > 0)
        kill(m_pid, signal);
}

int OpenDescriptorCount()
{
    int count = 0;
    DIR* dir = opendir("/proc/self/fd");
    if (!dir)
        return -1;
    while (dirent* entry = readdir(dir))
        if (entry->d_name[0] != '.')
            ++count;
    closedir(dir);
    return count - 1;  // the directory stream's own descriptor
}

}  // namespace testsupport
