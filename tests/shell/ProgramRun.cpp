// Running the program binary in a temporary program directory.
#include "ProgramRun.h"

#include "platform/Cp1252.h"
#include "platform/RemoteWindow.h"
#include "platform/TextFile.h"
#include "store/CParaDaten.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <csignal>
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

extern char** environ;

namespace testsupport {
namespace {

std::vector<std::string> BoxLines(const std::string& text)
{
    std::vector<std::string> lines;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find('\n', start);
        if (end == std::string::npos)
            end = text.size();
        std::string line = text.substr(start, end - start);
        // Only message boxes have two tabs: caption, flags, text.
        size_t tab = line.find('\t');
        if (tab != std::string::npos && line.find('\t', tab + 1) != std::string::npos)
            lines.push_back(platform::Utf8ToCp1252(line));
        start = end + 1;
    }
    return lines;
}

}  // namespace

ProgramHome::ProgramHome()
{
    static int counter = 0;
    m_dir = std::filesystem::temp_directory_path() /
            ("morv-e2e-" + std::to_string(getpid()) + "-" + std::to_string(counter++));
    std::filesystem::remove_all(m_dir);
    std::filesystem::create_directories(m_dir);
}

ProgramHome::~ProgramHome()
{
    std::error_code ec;
    std::filesystem::remove_all(m_dir, ec);
}

void ProgramHome::WriteFile(const std::string& relative, const std::string& bytes) const
{
    std::filesystem::create_directories((m_dir / relative).parent_path());
    platform::WriteFileAtomically(Path(relative).c_str(), bytes);
}

std::string ProgramHome::ReadFile(const std::string& relative) const
{
    std::string bytes;
    platform::ReadWholeFile(Path(relative).c_str(), bytes);
    return bytes;
}

std::string ProgramHome::WriteCommandFile(const std::vector<std::pair<std::string, std::string>>& keys,
                                          const std::string& name) const
{
    std::string text;
    for (const auto& [key, value] : keys)
        text += key + "\r\n" + value + "\r\n";
    WriteFile(name, text);
    return Path(name);
}

pid_t ProgramHome::Start(const std::vector<std::string>& args) const
{
    std::vector<std::string> argv = {MORV9274_BINARY};
    argv.insert(argv.end(), args.begin(), args.end());
    std::vector<char*> cargv;
    for (auto& a : argv)
        cargv.push_back(a.data());
    cargv.push_back(nullptr);

    // A home may run the program on another home's program folder (MORV9274_HOME among its changes).
    std::vector<std::string> env;
    if (std::none_of(m_environment.begin(), m_environment.end(),
                     [](const auto& change) { return change.first == "MORV9274_HOME"; }))
        env.push_back("MORV9274_HOME=" + m_dir.string());
    auto changed = [this](const std::string& entry) {
        if (entry.rfind("MORV9274_HOME=", 0) == 0)
            return true;
        for (const auto& [name, value] : m_environment)
            if (entry.rfind(name + "=", 0) == 0)
                return true;
        return false;
    };
    for (char** e = environ; *e; ++e)
        if (!changed(*e))
            env.push_back(*e);
    for (const auto& [name, value] : m_environment)
        if (value)
            env.push_back(name + "=" + *value);
    std::vector<char*> cenv;
    for (auto& e : env)
        cenv.push_back(e.data());
    cenv.push_back(nullptr);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    std::string errPath = Path("stderr.txt");
    posix_spawn_file_actions_addopen(&actions, 2, errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
    pid_t pid = -1;
    if (posix_spawn(&pid, cargv[0], &actions, nullptr, cargv.data(), cenv.data()) != 0)
        pid = -1;
    posix_spawn_file_actions_destroy(&actions);
    return pid;
}

void ProgramHome::SetEnvironment(const std::string& name, std::optional<std::string> value)
{
    std::erase_if(m_environment, [&](const auto& change) { return change.first == name; });
    m_environment.emplace_back(name, std::move(value));
}

ProgramResult ProgramHome::Finish(pid_t pid) const
{
    ProgramResult result;
    if (pid <= 0)
        return result;
    auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(60);
    int status = 0;
    while (waitpid(pid, &status, WNOHANG) == 0) {
        if (std::chrono::steady_clock::now() > deadline) {
            kill(pid, SIGKILL);
            waitpid(pid, &status, 0);
            result.boxes = BoxesSoFar();
            return result;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    result.boxes = BoxesSoFar();
    return result;
}

std::vector<std::string> ProgramHome::BoxesSoFar() const
{
    return BoxLines(ReadFile("stderr.txt"));
}

ProgramResult ProgramHome::Run(const std::vector<std::string>& args) const
{
    return Finish(Start(args));
}

ProgramResult ProgramHome::RunCommand(const std::vector<std::pair<std::string, std::string>>& keys) const
{
    return Run({"-cmdfile", "\"" + WriteCommandFile(keys) + "\""});
}

ProgramResult ProgramHome::RunWindowCommand(const std::vector<std::pair<std::string, std::string>>& keys,
                                            const std::function<void()>& atFrame) const
{
    pid_t pid = Start({"-cmdfile", "\"" + WriteCommandFile(keys) + "\""});
    if (pid <= 0)
        return ProgramResult {};
    auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(30);
    bool shown = false;
    while (std::chrono::steady_clock::now() < deadline) {
        if (platform::remote::Exists(kFrameTitle)) {
            shown = true;
            break;
        }
        siginfo_t info {};
        if (waitid(P_PID, static_cast<id_t>(pid), &info, WEXITED | WNOHANG | WNOWAIT) == 0 && info.si_pid == pid)
            break;  // ended without a frame
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    if (shown) {
        if (atFrame)
            atFrame();
        else
            platform::remote::Post(kFrameTitle, WM_CLOSE, 0, 0);
    }
    return Finish(pid);
}

bool WithParameterFile(const ProgramHome& home, const std::string& relative, bool writeBack,
                       const std::function<void(CParaDaten&)>& use)
{
    // The store works relative to the current directory: a program directory of its own, so that the home's
    // working files stay as the program left them.
    ProgramHome reader;
    std::filesystem::create_directories(reader.Dir() / "para");
    char cwd[4096];
    if (!getcwd(cwd, sizeof cwd) || chdir(reader.Dir().c_str()) != 0)
        return false;
    bool ok;
    {
        CParaDaten store;
        ok = store.ImportFile(home.Path(relative).c_str(), CParaDaten::kWorkFile);
        if (ok) {
            use(store);
            if (writeBack)
                ok = store.ExportFile(CParaDaten::kWorkFile, home.Path(relative).c_str());
        }
    }
    CParaDaten::ReleaseFiles();
    return chdir(cwd) == 0 && ok;
}

std::string JoinLines(const std::vector<std::string>& lines)
{
    std::string all;
    for (const auto& line : lines)
        all += line + "\n";
    return all;
}

ShellRun RunShellLine(const std::string& line)
{
    ShellRun run;
    FILE* pipe = popen(line.c_str(), "r");
    if (!pipe)
        return run;
    char buffer[4096];
    while (size_t n = std::fread(buffer, 1, sizeof buffer, pipe))
        run.out.append(buffer, n);
    const int status = pclose(pipe);
    run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return run;
}

ShellRun RunWndDrive(const char* wnddrive, const std::vector<std::string>& args)
{
    const auto quoted = [](const std::string& text) {
        std::string out = "'";
        for (char c : text)
            out += c == '\'' ? std::string("'\\''") : std::string(1, c);
        return out + "'";
    };
    std::string command = quoted(wnddrive) + " --wait 10000";
    for (const std::string& a : args)
        command += " " + quoted(a);
    ShellRun run = RunShellLine(command);
    if (!run.out.empty() && run.out.back() == '\n')
        run.out.pop_back();
    return run;
}

}  // namespace testsupport
