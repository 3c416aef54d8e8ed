// From process start to the frame shown (mapped) under Xvfb: the real program's main frame after a window command
// (with its evaluation, toolbar, status bar and protocol form) and the backend host's frame (built from a dialog
// template by the window model), each beside a plain wxWidgets program that shows one frame with as many controls.
// The two programs of a pair are started in turn, one after the other in every iteration, so that a machine busy
// with other work slows both alike; each program runs once unmeasured first (the first toolkit program on a new X
// server does work the later ones find done). After the benchmarks the medians and their ratio are printed (goal:
// 1.5 or less). The mapping is seen from outside, as a window manager sees it: a MapNotify of a top-level window
// with the frame's title.
#include "XvfbDisplay.h"

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
#include <thread>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace {

using Clock = std::chrono::steady_clock;

struct Server {
    wxtest::XvfbDisplay xvfb;
    std::string name;
    Display* x = nullptr;

    Server()
    {
        if (!xvfb.Ok())
            return;
        name = xvfb.Name();
        x = XOpenDisplay(name.c_str());
        if (x)
            XSelectInput(x, DefaultRootWindow(x), SubstructureNotifyMask);
        // A window mapped and already gone again (a dialog closed) is no error of the benchmark's.
        XSetErrorHandler([](Display*, XErrorEvent*) { return 0; });
    }

    ~Server()
    {
        if (x)
            XCloseDisplay(x);
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

bool Shell(const std::string& command)
{
    return std::system(command.c_str()) == 0;
}

// A program directory with a fresh parameter set and an empty drawing, and a runtime folder of its own, for the real
// program's window command ("param" on an object the drawing does not hold: the frame shows the protocol form).
struct ProgramHome {
    std::string dir;
    std::string runtime;
    std::string commandFile;

    ProgramHome()
    {
        char dirPattern[] = "/tmp/morv-bench-home-XXXXXX";
        char runtimePattern[] = "/tmp/morv-bench-rt-XXXXXX";
        if (!mkdtemp(dirPattern) || !mkdtemp(runtimePattern))
            return;
        dir = dirPattern;
        runtime = runtimePattern;
        Shell("mkdir -p '" + dir + "/para'");
        Write("VORNA.xml", "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<output>\n</output>\n");
        // "new" without a display: the parameter set the window command then finds.
        Write("new.txt", Command("new"));
        Shell("MORV9274_HEADLESS=1 MORV9274_HOME='" + dir + "' XDG_RUNTIME_DIR='" + runtime + "' '" + MORV9274_BINARY +
              "' -cmdfile '\"" + dir + "/new.txt\"' 2>/dev/null");
        Write("command.txt", Command("param") + "-name\r\nEingang$0\r\n");
        commandFile = "\"" + dir + "/command.txt\"";
    }
    ~ProgramHome()
    {
        if (!dir.empty())
            Shell("rm -rf '" + dir + "' '" + runtime + "'");
    }
    std::string Command(const std::string& command) const
    {
        return "-cmd\r\n" + command + "\r\n-engpath\r\n" + dir + "/plant.evl\r\n-xmlpath\r\n" + dir +
               "/VORNA.xml\r\n";
    }
    void Write(const std::string& name, const std::string& text) const
    {
        if (FILE* f = std::fopen((dir + "/" + name).c_str(), "wb")) {
            std::fwrite(text.data(), 1, text.size(), f);
            std::fclose(f);
        }
    }
};

// A program directory whose drawing holds the heating functions, opened, for "param" on its heating-circuit
// controller.
struct FunctionHome : ProgramHome {
    FunctionHome()
    {
        if (dir.empty())
            return;
        Shell("cp '" FORMS_DATA "/heating.xml' '" + dir + "/VORNA.xml'");
        Write("open.txt", Command("open"));
        Shell("MORV9274_HEADLESS=1 MORV9274_HOME='" + dir + "' XDG_RUNTIME_DIR='" + runtime + "' '" + MORV9274_BINARY +
              "' -cmdfile '\"" + dir + "/open.txt\"' 2>/dev/null");
        Write("command.txt", Command("param") + "-name\r\nHeizkreisregler$6\r\n-id\r\n1200\r\n");
    }
};

ProgramHome& TheHome()
{
    static ProgramHome home;
    return home;
}

pid_t Start(const std::vector<std::string>& args, const std::vector<std::string>& extraEnv = {})
{
    std::vector<std::string> env {"DISPLAY=" + TheServer().name, "NO_AT_BRIDGE=1", "GSETTINGS_BACKEND=memory"};
    env.insert(env.end(), extraEnv.begin(), extraEnv.end());
    for (char** e = environ; *e; ++e)
        if (std::strncmp(*e, "DISPLAY=", 8) != 0 && std::strncmp(*e, "MORV9274_HEADLESS=", 18) != 0 &&
            std::strncmp(*e, "MORV9274_HOME=", 14) != 0 && std::strncmp(*e, "XDG_RUNTIME_DIR=", 16) != 0)
            env.emplace_back(*e);
    std::vector<char*> cenv;
    for (auto& e : env)
        cenv.push_back(e.data());
    cenv.push_back(nullptr);
    std::vector<std::string> strings = args;
    std::vector<char*> argv;
    for (auto& a : strings)
        argv.push_back(a.data());
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    pid_t pid = -1;
    int rc = posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), cenv.data());
    posix_spawn_file_actions_destroy(&actions);
    return rc == 0 ? pid : -1;
}

std::map<std::string, std::vector<double>>& Samples()
{
    static std::map<std::string, std::vector<double>> samples;
    return samples;
}

struct Run {
    std::vector<std::string> args;
    std::string title;
    std::vector<std::string> env;
    std::string key;  // the name of its samples; its title when empty
    const std::string& Key() const { return key.empty() ? title : key; }
};

// Starts the program and waits until its frame is mapped; the seconds it took, or a negative number.
double TimeToFrame(const Run& run)
{
    auto start = Clock::now();
    pid_t pid = Start(run.args, run.env);
    bool mapped = pid > 0 && TheServer().WaitMapped(run.title);
    double seconds = std::chrono::duration<double>(Clock::now() - start).count();
    if (pid > 0) {
        kill(pid, SIGKILL);
        waitpid(pid, nullptr, 0);
    }
    return mapped ? seconds : -1;
}

// The iteration time is the first program's; the second's goes only into its samples.
void Pair(benchmark::State& state, const Run& ours, const Run& plain)
{
    if (!TheServer().x) {
        state.SkipWithError("Xvfb did not start");
        return;
    }
    if (TimeToFrame(ours) < 0 || TimeToFrame(plain) < 0) {
        state.SkipWithError("a frame was not mapped");
        return;
    }
    for (auto _ : state) {
        double first = TimeToFrame(ours);
        double second = TimeToFrame(plain);
        if (first < 0 || second < 0) {
            state.SkipWithError("a frame was not mapped");
            return;
        }
        state.SetIterationTime(first);
        Samples()[ours.Key()].push_back(first);
        Samples()[plain.Key()].push_back(second);
    }
}

double Median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v.empty() ? 0 : v[v.size() / 2];
}

void ProgramFrameShown(benchmark::State& state)
{
    if (TheHome().dir.empty()) {
        state.SkipWithError("no program directory");
        return;
    }
    Pair(state,
         {{MORV9274_BINARY, "-cmdfile", TheHome().commandFile},
          "Vorna - morv9274",
          {"MORV9274_HOME=" + TheHome().dir, "XDG_RUNTIME_DIR=" + TheHome().runtime},
          {}},
         {{PLAIN_WX_BINARY, "--main-frame"}, "plain main frame", {}, {}});
}

// "param" on a function object: the frame with the heating-circuit controller's parameter form.
void FunctionFormShown(benchmark::State& state)
{
    static FunctionHome home;
    if (home.commandFile.empty()) {
        state.SkipWithError("no program directory");
        return;
    }
    Pair(state,
         {{MORV9274_BINARY, "-cmdfile", home.commandFile},
          "Vorna - morv9274",
          {"MORV9274_HOME=" + home.dir, "XDG_RUNTIME_DIR=" + home.runtime},
          "function form"},
         {{PLAIN_WX_BINARY, "--function-form"}, "plain function form", {}, {}});
}

void BackendHostFrameShown(benchmark::State& state)
{
    Pair(state, {{WXHOST_BINARY}, "wxhost frame", {}, {}}, {{PLAIN_WX_BINARY}, "plain wx frame", {}, {}});
}

// The function form of the heating-circuit controller, running, and one of its dialogs opened by a person's real
// click (XTest through xdotool, at the button's place on the screen) or by the window driver.
struct FunctionForm {
    std::string dir;
    std::string runtime;
    pid_t program = -1;
    std::string click;  // the xdotool arguments of a person's click on the button

    FunctionForm()
    {
        char dirPattern[] = "/tmp/morv-bench-form-XXXXXX";
        char runtimePattern[] = "/tmp/morv-bench-frt-XXXXXX";
        if (!mkdtemp(dirPattern) || !mkdtemp(runtimePattern))
            return;
        dir = dirPattern;
        runtime = runtimePattern;
        const std::string env = "MORV9274_HOME='" + dir + "' XDG_RUNTIME_DIR='" + runtime + "' ";
        Shell("mkdir -p '" + dir + "/para' && cp '" FORMS_DATA "/heating.xml' '" + dir + "/VORNA.xml'");
        for (const char* command : {"new", "open"}) {
            WriteFile(dir + "/c.txt", CommandText(command));
            Shell("MORV9274_HEADLESS=1 " + env + "'" MORV9274_BINARY "' -cmdfile '\"" + dir + "/c.txt\"' 2>/dev/null");
        }
        WriteFile(dir + "/c.txt", CommandText("param") + "-name\r\nHeizkreisregler$6\r\n-id\r\n1200\r\n");
        program = Start({MORV9274_BINARY, "-cmdfile", "\"" + dir + "/c.txt\""},
                        {"MORV9274_HOME=" + dir, "XDG_RUNTIME_DIR=" + runtime});
        if (program <= 0 || !TheServer().WaitMapped("Vorna - morv9274"))
            return;
        std::string where = Output(Driver("--wait 20000 where " + std::to_string(kButton)));
        int x = 0, y = 0, w = 0, h = 0;
        if (std::sscanf(where.c_str(), "%d %d %d %d", &x, &y, &w, &h) == 4)
            // The pointer comes to the button from elsewhere, as a person's does.
            click = "mousemove --sync 5 5 mousemove --sync " + std::to_string(x + w / 2) + " " +
                    std::to_string(y + h / 2) + " click 1";
    }
    ~FunctionForm()
    {
        if (program > 0) {
            kill(program, SIGKILL);
            waitpid(program, nullptr, 0);
        }
        if (!dir.empty())
            Shell("rm -rf '" + dir + "' '" + runtime + "'");
    }
    std::string CommandText(const std::string& command) const
    {
        return "-cmd\r\n" + command + "\r\n-engpath\r\n" + dir + "/plant.evl\r\n-xmlpath\r\n" + dir +
               "/VORNA.xml\r\n";
    }
    static void WriteFile(const std::string& path, const std::string& text)
    {
        if (FILE* f = std::fopen(path.c_str(), "wb")) {
            std::fwrite(text.data(), 1, text.size(), f);
            std::fclose(f);
        }
    }
    std::string Driver(const std::string& args) const
    {
        return "DISPLAY='" + TheServer().name + "' XDG_RUNTIME_DIR='" + runtime + "' '" WNDDRIVE_BINARY "' " + args;
    }
    static std::string Output(const std::string& command)
    {
        std::string out;
        if (FILE* pipe = popen(command.c_str(), "r")) {
            char buffer[256];
            while (std::fgets(buffer, sizeof buffer, pipe))
                out += buffer;
            pclose(pipe);
        }
        return out;
    }

    // The seconds from the action to the dialog mapped; the dialog is then cancelled. Negative when it never came.
    double Open(const std::string& action) const
    {
        auto start = Clock::now();
        pid_t acting = Start({"/bin/sh", "-c", action});
        bool mapped = acting > 0 && TheServer().WaitMapped(kCaption, std::chrono::seconds(10));
        double seconds = std::chrono::duration<double>(Clock::now() - start).count();
        if (acting > 0)
            waitpid(acting, nullptr, 0);
        Shell(Driver("--window active click 2") + " > /dev/null 2>&1");
        // The frame is used again only once the dialog has gone from the screen.
        for (int i = 0; i < 100 && Output(Driver("--wait 0 tree")).rfind("#32770", 0) == 0; ++i)
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
        return mapped ? seconds : -1;
    }

    static constexpr int kButton = 1139;  // "Curva Ri."
    static constexpr const char* kCaption = "Curva Ri.:";
};

void DialogOpenedByAClick(benchmark::State& state)
{
    static FunctionForm form;
    if (form.click.empty()) {
        state.SkipWithError("the function form did not come up");
        return;
    }
    const std::string person = "xdotool " + form.click;
    const std::string driver = form.Driver("click " + std::to_string(FunctionForm::kButton));
    if (form.Open(person) < 0 || form.Open(driver) < 0) {
        state.SkipWithError("the dialog did not open");
        return;
    }
    for (auto _ : state) {
        double first = form.Open(person);
        double second = form.Open(driver);
        if (first < 0 || second < 0) {
            state.SkipWithError("the dialog did not open");
            return;
        }
        state.SetIterationTime(first);
        Samples()["dialog by a click"].push_back(first);
        Samples()["dialog by the driver"].push_back(second);
    }
}

}  // namespace

// 21 pairs each: the median of an odd number of runs is one of them.
BENCHMARK(ProgramFrameShown)->Name("FrameShown/program_main_frame_vs_plain")->UseManualTime()
    ->Unit(benchmark::kMillisecond)->Iterations(21);
BENCHMARK(FunctionFormShown)->Name("FrameShown/function_form_vs_plain")->UseManualTime()
    ->Unit(benchmark::kMillisecond)->Iterations(21);
BENCHMARK(BackendHostFrameShown)->Name("FrameShown/backend_host_frame_vs_plain")->UseManualTime()
    ->Unit(benchmark::kMillisecond)->Iterations(21);
BENCHMARK(DialogOpenedByAClick)->Name("DialogShown/real_click_vs_driver")->UseManualTime()
    ->Unit(benchmark::kMillisecond)->Iterations(21);

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    const struct {
        const char* what;
        const char* ours;
        const char* plain;
    } pairs[] = {
        {"program main frame", "Vorna - morv9274", "plain main frame"},
        {"function form of \"param\"", "function form", "plain function form"},
        {"backend host frame", "wxhost frame", "plain wx frame"},
        {"dialog opened by a real click (vs by the driver)", "dialog by a click", "dialog by the driver"},
    };
    for (const auto& p : pairs) {
        const std::vector<double>& ours = Samples()[p.ours];
        const std::vector<double>& plain = Samples()[p.plain];
        std::vector<double> ratios;
        for (size_t i = 0; i < ours.size() && i < plain.size(); ++i)
            ratios.push_back(ours[i] / plain[i]);
        if (!ratios.empty())
            std::printf("shown: %s %.1f ms, beside %.1f ms, ratio %.2f, median ratio of the %zu pairs %.2f "
                        "(goal: 1.5 or less)\n",
                        p.what, Median(ours) * 1000, Median(plain) * 1000, Median(ours) / Median(plain),
                        ratios.size(), Median(ratios));
    }
    benchmark::Shutdown();
    return 0;
}
