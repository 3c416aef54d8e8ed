// Starting Xvfb with -displayfd, and running X clients against it.
#include "XvfbDisplay.h"

#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>

namespace wxtest {

XvfbDisplay::XvfbDisplay()
{
    // Servers starting side by side can pick the same free display number; the one that loses exits at once.
    // A few fresh starts end that race.
    for (int attempt = 0; attempt < 5 && !Ok(); ++attempt) {
        if (attempt > 0)
            usleep(200000 * attempt);
        Start();
    }
}

void XvfbDisplay::Start()
{
    int pipeFds[2];
    if (pipe(pipeFds) != 0)
        return;
    m_pid = fork();
    if (m_pid == 0) {
        close(pipeFds[0]);
        int devnull = open("/dev/null", O_RDWR);
        dup2(devnull, 1);
        dup2(devnull, 2);
        std::string fd = std::to_string(pipeFds[1]);
        execlp("Xvfb", "Xvfb", "-displayfd", fd.c_str(), "-screen", "0", "1280x1024x24", "-nolisten", "tcp",
               "-noreset", static_cast<char*>(nullptr));
        _exit(127);
    }
    close(pipeFds[1]);
    std::string number;
    pollfd p {pipeFds[0], POLLIN, 0};
    // The server writes its display number once it accepts clients; the bound only ends a failing start.
    while (poll(&p, 1, 20000) > 0) {
        char c = 0;
        if (read(pipeFds[0], &c, 1) != 1 || c == '\n')
            break;
        number += c;
    }
    close(pipeFds[0]);
    if (!number.empty()) {
        m_name = ":" + number;
        return;
    }
    if (m_pid > 0) {
        kill(m_pid, SIGTERM);
        waitpid(m_pid, nullptr, 0);
    }
    m_pid = -1;
}

void XvfbDisplay::ShowWindowsHere() const
{
    setenv("DISPLAY", m_name.c_str(), 1);
    unsetenv("WAYLAND_DISPLAY");
    unsetenv("MORV9274_HEADLESS");
    setenv("NO_AT_BRIDGE", "1", 1);
    setenv("GSETTINGS_BACKEND", "memory", 1);
    setenv("ASAN_OPTIONS", "detect_leaks=0", 0);
}

XvfbDisplay::~XvfbDisplay()
{
    if (m_pid > 0) {
        kill(m_pid, SIGTERM);
        waitpid(m_pid, nullptr, 0);
    }
}

int XvfbDisplay::Run(const std::vector<std::string>& argv, std::string* output) const
{
    int outFds[2];
    if (pipe(outFds) != 0)
        return -1;
    pid_t pid = fork();
    if (pid == 0) {
        close(outFds[0]);
        dup2(outFds[1], 1);
        setenv("DISPLAY", m_name.c_str(), 1);
        std::vector<char*> args;
        for (const std::string& a : argv)
            args.push_back(const_cast<char*>(a.c_str()));
        args.push_back(nullptr);
        execvp(args[0], args.data());
        _exit(127);
    }
    close(outFds[1]);
    std::string text;
    char buffer[4096];
    for (ssize_t n; (n = read(outFds[0], buffer, sizeof(buffer))) > 0;)
        text.append(buffer, static_cast<size_t>(n));
    close(outFds[0]);
    int status = 0;
    waitpid(pid, &status, 0);
    if (output)
        *output = text;
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

}  // namespace wxtest
