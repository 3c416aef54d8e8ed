// A whole run of morv9274 for "new" and for "save", beside the floor of starting a process that copies the same
// parameter file ("cp"): the program's own work should stay small next to process creation.
#include "platform/TextFile.h"

#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <filesystem>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace {

std::filesystem::path Home()
{
    static std::filesystem::path home = [] {
        auto dir = std::filesystem::temp_directory_path() / ("morv-bench-" + std::to_string(getpid()));
        std::filesystem::create_directories(dir / "para");
        return dir;
    }();
    return home;
}

int Spawn(std::vector<std::string> argv)
{
    std::vector<char*> cargv;
    for (auto& a : argv)
        cargv.push_back(a.data());
    cargv.push_back(nullptr);
    std::string homeVar = "MORV9274_HOME=" + Home().string();
    std::vector<char*> env = {homeVar.data()};
    for (char** e = environ; *e; ++e)
        env.push_back(*e);
    env.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    pid_t pid = -1;
    int rc = posix_spawnp(&pid, cargv[0], &actions, nullptr, cargv.data(), env.data());
    posix_spawn_file_actions_destroy(&actions);
    int status = 0;
    if (rc != 0 || waitpid(pid, &status, 0) < 0)
        return -1;
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

std::string CommandFile(const char* command)
{
    std::string path = (Home() / (std::string(command) + ".txt")).string();
    std::string text = std::string("-cmd\r\n") + command + "\r\n-engpath\r\n" + (Home() / "plant.evl").string() +
                       "\r\n-xmlpath\r\n" + (Home() / "VORNA.xml").string() + "\r\n";
    platform::WriteFileAtomically(path.c_str(), text);
    return path;
}

void RunProgram(benchmark::State& state, const char* command)
{
    std::string path = CommandFile(command);
    Spawn({MORV9274_BINARY, "-cmdfile", CommandFile("new")});
    for (auto _ : state) {
        if (Spawn({MORV9274_BINARY, "-cmdfile", path}) != 0)
            state.SkipWithError("the program did not end with 0");
    }
}

void BM_ProgramNew(benchmark::State& state) { RunProgram(state, "new"); }
void BM_ProgramSave(benchmark::State& state) { RunProgram(state, "save"); }

void BM_FloorCopyProcess(benchmark::State& state)
{
    Spawn({MORV9274_BINARY, "-cmdfile", CommandFile("new")});
    std::string from = (Home() / "para" / "para.par").string();
    std::string to = (Home() / "copy.par").string();
    for (auto _ : state) {
        if (Spawn({"cp", from, to}) != 0)
            state.SkipWithError("cp failed");
    }
}

}  // namespace

BENCHMARK(BM_FloorCopyProcess)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ProgramNew)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ProgramSave)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
