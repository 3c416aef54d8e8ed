// Isolation of end-to-end tests: each test runs the real programs (the program, the drawing-tool stand-in, wnddrive,
// test hosts) in an environment of its own, so tests run in parallel and never meet another program of this user.
//
// The environment is a runtime folder of its own (XDG_RUNTIME_DIR: every mutex, DDE service, window title and the
// window channel live there), a program folder of its own (MORV9274_HOME) and, where root allows it, a network
// namespace of its own for the whole test process (abstract sockets, which toolkits and desktop services use, belong
// to a network namespace). Test programs that link the isolating main (isolated_test_main) enter a fresh environment
// before their first test; ctest runs each test as a process of its own.
#pragma once

#include "ChildProcess.h"

#include <chrono>
#include <filesystem>
#include <string>
#include <vector>

namespace testsupport {

struct ToolResult {
    int exitCode = -1;  // -1: did not end in time (killed)
    std::string out;
    std::string err;
};

class Isolation {
public:
    // A fresh runtime folder (mode 0700) and program folder, both removed with the object.
    Isolation();
    ~Isolation();
    Isolation(const Isolation&) = delete;
    Isolation& operator=(const Isolation&) = delete;

    const std::filesystem::path& RuntimeFolder() const { return m_runtime; }
    const std::filesystem::path& Home() const { return m_home; }
    // The test's environment with XDG_RUNTIME_DIR and MORV9274_HOME of this isolation.
    std::vector<std::string> Environment() const;

    // Starts a program in this environment (standard input and output as pipes; see ChildProcess).
    bool Start(ChildProcess& process, const std::vector<std::string>& argv) const;
    // Runs a program in this environment to its end and collects its output.
    ToolResult Run(const std::vector<std::string>& argv,
                   std::chrono::milliseconds timeout = std::chrono::seconds(60)) const;

    // Puts the calling process into a network namespace of its own when it may (root); false otherwise. Only
    // before threads are started.
    static bool EnterNetworkNamespace();
    // Makes this whole process isolated: a network namespace when possible and XDG_RUNTIME_DIR and MORV9274_HOME
    // of an isolation that lives until the process ends.
    static void IsolateThisProcess();

private:
    std::filesystem::path m_runtime;
    std::filesystem::path m_home;
};

}  // namespace testsupport
