// A helper process for tests: started with pipes on its standard input and output, read line by line with time-outs.
//
// Time-outs only bound failures; a test waits for the line it expects, never for a fixed time.
#pragma once

#include <chrono>
#include <string>
#include <sys/types.h>
#include <vector>

namespace testsupport {

class ChildProcess {
public:
    ChildProcess() = default;
    ~ChildProcess();
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    // Starts argv[0] (a path) with the arguments. Standard error stays the test's own.
    bool Start(const std::vector<std::string>& argv);
    // The same with this environment ("NAME=value" entries) instead of the test's own.
    bool Start(const std::vector<std::string>& argv, const std::vector<std::string>& environment);

    // The next line of standard output without its "\n"; false on time-out or end of output.
    bool ReadLine(std::string& line, std::chrono::milliseconds timeout = std::chrono::seconds(20));
    // Reads lines until one starts with `prefix`; returns it (empty on time-out or end). Lines before it are kept in
    // `skipped` when given.
    std::string WaitFor(const std::string& prefix, std::chrono::milliseconds timeout = std::chrono::seconds(20),
                        std::vector<std::string>* skipped = nullptr);

    bool WriteLine(const std::string& line);
    void CloseInput();

    // The exit code (0..255), 128+signal when killed by a signal, or -1 when it did not end in time (it is then
    // killed).
    int Wait(std::chrono::milliseconds timeout = std::chrono::seconds(20));
    void Kill(int signal);
    pid_t Pid() const { return m_pid; }

private:
    pid_t m_pid = -1;
    int m_in = -1;
    int m_out = -1;
    std::string m_buffer;
    bool m_eof = false;
};

// The number of descriptors this process has open.
int OpenDescriptorCount();

}  // namespace testsupport
