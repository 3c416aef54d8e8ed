// From process start to the frame shown (mapped) under Xvfb: the program's window start-up through the backend
// module (the host frame, built from a dialog template by the window model) beside a plain wxWidgets program that
// shows one frame with as many controls. After the benchmarks the ratio of the medians is printed (goal: 1.5 or
// less). The mapping is seen from outside, as a window manager sees it: a MapNotify of a top-level window with the
// frame's title.
#include <benchmark/benchmark.h>

#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <map>
#include <poll.h>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace {

using Clock = std::chrono::steady_clock;

struct Server {
    pid_t pid = -1;
    std::string name;
    Display* x = nullptr;

    Server()
    {
        int fds[2];
        if (pipe(fds) != 0)
            return;
        pid = fork();
        if (pid == 0) {
            close(fds[0]);
            int devnull = open("/dev/null", O_RDWR);
            dup2(devnull, 1);
            dup2(devnull, 2);
            std::string fd = std::to_string(fds[1]);
            execlp("Xvfb", "Xvfb", "-displayfd", fd.c_str(), "-screen", "0", "1280x1024x24", "-nolisten", "tcp",
                   "-noreset", static_cast<char*>(nullptr));
            _exit(127);
        }
        close(fds[1]);
        std::string number;
        pollfd p {fds[0], POLLIN, 0};
        while (poll(&p, 1, 20000) > 0) {
            char c = 0;
            if (read(fds[0], &c, 1) != 1 || c == '\n')
                break;
            number += c;
        }
        close(fds[0]);
        if (number.empty())
            return;
        name = ":" + number;
        x = XOpenDisplay(name.c_str());
        if (x)
            XSelectInput(x, DefaultRootWindow(x), SubstructureNotifyMask);
    }

    ~Server()
    {
        if (x)
            XCloseDisplay(x);
        if (pid > 0) {
            kill(pid, SIGTERM);
            waitpid(pid, nullptr, 0);
        }
    }

    // Waits for a top-level window with the title to be mapped; false after the bound.
    bool WaitMapped(const std::string& title, std::chrono::seconds bound = std::chrono::seconds(30))
    {
        auto end = Clock::now() + bound;
        int fd = ConnectionNumber(x);
        while (Clock::now() < end) {
            while (XPending(x)) {
                XEvent event;
                XNextEvent(x, &event);
                if (event.type != MapNotify)
                    continue;
                char* name = nullptr;
                bool match = XFetchName(x, event.xmap.window, &name) && name && title == name;
                if (name)
                    XFree(name);
                if (match)
                    return true;
            }
            pollfd p {fd, POLLIN, 0};
            poll(&p, 1, 50);
        }
        return false;
    }
};

Server& TheServer()
{
    static Server server;
    return server;
}

pid_t Start(const std::string& program)
{
    std::vector<std::string> env {"DISPLAY=" + TheServer().name, "NO_AT_BRIDGE=1", "GSETTINGS_BACKEND=memory"};
    for (char** e = environ; *e; ++e)
        if (std::strncmp(*e, "DISPLAY=", 8) != 0 && std::strncmp(*e, "MORV9274_HEADLESS=", 18) != 0)
            env.emplace_back(*e);
    std::vector<char*> cenv;
    for (auto& e : env)
        cenv.push_back(e.data());
    cenv.push_back(nullptr);
    std::string path = program;
    char* argv[] = {path.data(), nullptr};
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    pid_t pid = -1;
    int rc = posix_spawn(&pid, argv[0], &actions, nullptr, argv, cenv.data());
    posix_spawn_file_actions_destroy(&actions);
    return rc == 0 ? pid : -1;
}

std::map<std::string, std::vector<double>>& Samples()
{
    static std::map<std::string, std::vector<double>> samples;
    return samples;
}

void FrameShown(benchmark::State& state, const std::string& program, const std::string& title)
{
    if (!TheServer().x) {
        state.SkipWithError("Xvfb did not start");
        return;
    }
    for (auto _ : state) {
        auto start = Clock::now();
        pid_t pid = Start(program);
        bool mapped = pid > 0 && TheServer().WaitMapped(title);
        double seconds = std::chrono::duration<double>(Clock::now() - start).count();
        if (pid > 0) {
            kill(pid, SIGKILL);
            waitpid(pid, nullptr, 0);
        }
        if (!mapped) {
            state.SkipWithError("the frame was not mapped");
            return;
        }
        state.SetIterationTime(seconds);
        Samples()[title].push_back(seconds);
    }
}

double Median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v.empty() ? 0 : v[v.size() / 2];
}

}  // namespace

BENCHMARK_CAPTURE(FrameShown, backend_host_frame, WXHOST_BINARY, "wxhost frame")
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(15);
BENCHMARK_CAPTURE(FrameShown, plain_wx_frame, PLAIN_WX_BINARY, "plain wx frame")
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(15);

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    double host = Median(Samples()["wxhost frame"]);
    double plain = Median(Samples()["plain wx frame"]);
    if (host > 0 && plain > 0)
        std::printf("frame shown: backend host %.1f ms, plain wx %.1f ms, ratio %.2f (goal: 1.5 or less)\n",
                    host * 1000, plain * 1000, host / plain);
    benchmark::Shutdown();
    return 0;
}
