// Runs the real morv9274 binary as the drawing tool would: a program directory of its own, a command file, the
// message boxes read back from its standard error.
#pragma once

#include "platform/HeadlessPrompts.h"
#include "resources/Messages.h"

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <sys/types.h>
#include <vector>

class CParaDaten;

namespace testsupport {

struct ProgramResult {
    int exitCode = -1;               // -1: did not end in time (killed)
    std::vector<std::string> boxes;  // "caption\tflags\ttext" of every message box, in order, in Windows-1252
};

class ProgramHome {
public:
    ProgramHome();
    ~ProgramHome();
    ProgramHome(const ProgramHome&) = delete;
    ProgramHome& operator=(const ProgramHome&) = delete;

    const std::filesystem::path& Dir() const { return m_dir; }
    std::string Path(const std::string& relative) const { return (m_dir / relative).string(); }
    void WriteFile(const std::string& relative, const std::string& bytes) const;
    std::string ReadFile(const std::string& relative) const;
    bool Exists(const std::string& relative) const { return std::filesystem::exists(m_dir / relative); }

    // A command file as the drawing tool writes it (CR LF), from key/value pairs.
    std::string WriteCommandFile(const std::vector<std::pair<std::string, std::string>>& keys,
                                 const std::string& name = "command.txt") const;

    // The program's environment: the test's own with MORV9274_HOME set to this folder, then these changes (a name
    // without value is removed; MORV9274_HOME among them runs the program on another program folder, while the
    // command file and standard error stay in this one).
    void SetEnvironment(const std::string& name, std::optional<std::string> value);

    // Starts the program with the arguments and waits for its end.
    ProgramResult Run(const std::vector<std::string>& args) const;
    ProgramResult RunCommand(const std::vector<std::pair<std::string, std::string>>& keys) const;
    // Starts it without waiting; Finish waits and collects the result.
    pid_t Start(const std::vector<std::string>& args) const;
    ProgramResult Finish(pid_t pid) const;
    // Runs a window command: starts the program, waits until its main frame can be reached by its title, runs
    // atFrame (by default it closes the frame from outside, as a second instance does) and waits for the end. A run
    // that ends before its frame shows is collected as it is, without atFrame.
    ProgramResult RunWindowCommand(const std::vector<std::pair<std::string, std::string>>& keys,
                                   const std::function<void()>& atFrame = {}) const;
    // The message-box lines written so far by a started program.
    std::vector<std::string> BoxesSoFar() const;

private:
    std::filesystem::path m_dir;
    std::vector<std::pair<std::string, std::optional<std::string>>> m_environment;
};

// The main frame's title, by which other processes reach it.
inline constexpr char kFrameTitle[] = "Vorna - morv9274";

// Opens a parameter file of the home (relative path) as the working copy of a private program directory for use;
// with writeBack, the working copy is written back over the file afterwards. False when it cannot be read or written.
bool WithParameterFile(const ProgramHome& home, const std::string& relative, bool writeBack,
                       const std::function<void(CParaDaten&)>& use);

// The line the program writes for the box of a message of its catalog, with the values put into its text.
template <typename... Values>
std::string BoxLine(const messages::Message& message, Values... values)
{
    const platform::MessageBoxRequest request{nullptr, messages::Text(message, values...), messages::CaptionOf(message),
                                              message.flags};
    return platform::HeadlessPrompts::FormatLine(request).str();
}
// The lines, each ended by "\n": a whole list of boxes in one failure message.
std::string JoinLines(const std::vector<std::string>& lines);

// A peer run through the shell (wnddrive, as a terminal runs it): its exit status (-1 when it did not exit) and what
// it wrote to the stream the line sends to the pipe.
struct ShellRun {
    int exitCode = -1;
    std::string out;
};
ShellRun RunShellLine(const std::string& line);
// The wnddrive at the path with the arguments, each quoted for the shell, waiting up to 10 s for its window; its
// standard output with the last line end removed.
ShellRun RunWndDrive(const char* wnddrive, const std::vector<std::string>& args);

}  // namespace testsupport
