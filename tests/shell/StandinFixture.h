// The real program in a program directory of its own beside the drawing-tool stand-in, which records every command
// handed to it in "record.txt" of that directory. The fixture starts the stand-in before each test and ends it
// after; a test builds its command file's keys on the directory's drawing with Command.
#pragma once

#include "ChildProcess.h"
#include "ProgramRun.h"

#include <gtest/gtest.h>

#include <csignal>
#include <string>
#include <utility>
#include <vector>

namespace testsupport {

// Starts the stand-in with its record at recordPath (and the options) and waits until it serves "vorna".
inline void StartStandin(ChildProcess& standin, const std::string& recordPath,
                         const std::vector<std::string>& options = {})
{
    std::vector<std::string> argv = {VORNA_STANDIN, "--record", recordPath};
    argv.insert(argv.end(), options.begin(), options.end());
    ASSERT_TRUE(standin.Start(argv));
    ASSERT_EQ(standin.WaitFor("vorna-standin ready"), "vorna-standin ready vorna");
}

inline void StopStandin(ChildProcess& standin)
{
    standin.Kill(SIGTERM);
    standin.Wait();
}

class StandinFixture : public ::testing::Test {
protected:
    using Keys = std::vector<std::pair<std::string, std::string>>;

    void SetUp() override { StartStandin(m_standin, m_home.Path("record.txt")); }
    void TearDown() override { StopStandin(m_standin); }

    // The keys of a command on the directory's drawing "plant.evl" and its export "VORNA.xml"; with a kind, the
    // command is about an object of that kind (id 0).
    Keys Command(const std::string& command, const char* kind = nullptr) const
    {
        Keys keys = {{"-cmd", command}, {"-engpath", m_home.Path("plant.evl")}, {"-xmlpath", m_home.Path("VORNA.xml")}};
        if (kind)
            keys.push_back({"-name", std::string(kind) + "$0"});
        return keys;
    }

    ProgramHome m_home;
    ChildProcess m_standin;
};

}  // namespace testsupport
