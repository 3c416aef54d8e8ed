// A fixture for the function forms in the real program: the drawing-tool stand-in, a program home with a drawing of
// tests/data/forms on which "new" and "open" ran, wnddrive steps against the running program, the record a save
// stored and the lines the stand-in received since.
#pragma once

#include "ChildProcess.h"
#include "ProgramRun.h"

#include "platform/TextFile.h"
#include "resources/ResourceIds.h"
#include "store/CParaDaten.h"

#include <gtest/gtest.h>

#include <csignal>
#include <cstdio>
#include <string>
#include <utility>
#include <vector>

namespace testsupport {

struct Step {
    Step(std::string a, int code = 0, std::string out = {})
        : args(std::move(a)), exitCode(code), expected(std::move(out)) {}
    std::string args;      // a wnddrive verb and its arguments
    int exitCode;          // 1: a person could not have done it
    std::string expected;  // its output, when not empty
};

inline const std::string kSave = "command " + std::to_string(ID_SAVE_AND_CLOSE);
inline const std::string kTerminate = "command " + std::to_string(ID_TERMINATE);
inline const std::string kShowVarIn = "command " + std::to_string(ID_SHOW_VARIN);
inline const std::string kShowVarOut = "command " + std::to_string(ID_SHOW_VAROUT);
inline const std::string kShowParam = "command " + std::to_string(ID_SHOW_PARAMETER);

class FormRunFixture : public ::testing::Test {
protected:
    using Keys = std::vector<std::pair<std::string, std::string>>;

    explicit FormRunFixture(std::string drawing) : m_drawing(std::move(drawing)) {}

    void SetUp() override
    {
        std::vector<std::string> argv = {VORNA_STANDIN, "--record", m_home.Path("record.txt")};
        ASSERT_TRUE(m_standin.Start(argv));
        ASSERT_EQ(m_standin.WaitFor("vorna-standin ready"), "vorna-standin ready vorna");
        std::string drawing;
        ASSERT_TRUE(platform::ReadWholeFile((std::string(FORMS_DATA) + "/" + m_drawing).c_str(), drawing));
        m_home.WriteFile("VORNA.xml", drawing);
        ASSERT_EQ(m_home.RunCommand(Command("new")).exitCode, 0);
        ASSERT_EQ(m_home.RunCommand(Command("open")).exitCode, 0);
        // Only what the forms' runs send counts; the stand-in appends to its record for the whole test.
        m_recordStart = m_home.ReadFile("record.txt").size();
    }
    void TearDown() override
    {
        m_standin.Kill(SIGTERM);
        m_standin.Wait();
    }
    Keys Command(const char* command, const char* name = nullptr, const char* id = nullptr) const
    {
        Keys keys = {{"-cmd", command}, {"-engpath", m_home.Path("plant.evl")}, {"-xmlpath", m_home.Path("VORNA.xml")}};
        if (name)
            keys.push_back({"-name", name});
        if (id)
            keys.push_back({"-id", id});
        return keys;
    }
    // Runs the steps against the running program; every step's result and output is checked.
    static void Drive(const std::vector<Step>& steps)
    {
        for (const Step& step : steps) {
            const testsupport::ShellRun run =
                testsupport::RunShellLine(std::string(WNDDRIVE) + " " + step.args + " 2>&1");
            const std::string& out = run.out;
            EXPECT_EQ(run.exitCode, step.exitCode) << step.args << ": " << out;
            if (!step.expected.empty()) {
                EXPECT_EQ(out, step.expected) << step.args;
            }
        }
    }
    // Runs "param" on the object with the steps; the run must end with exit code 0.
    ProgramResult Param(const char* name, const char* id, const std::vector<Step>& steps)
    {
        ProgramResult result = m_home.RunWindowCommand(Command("param", name, id), [&] { Drive(steps); });
        EXPECT_EQ(result.exitCode, 0);
        return result;
    }
    std::vector<std::string> Received() const
    {
        std::vector<std::string> lines;
        const std::string text = m_home.ReadFile("record.txt");
        size_t start = m_recordStart;
        for (size_t end; (end = text.find('\n', start)) != std::string::npos; start = end + 1)
            lines.push_back(text.substr(start, end - start));
        return lines;
    }
    void ForgetReceived() { m_recordStart = m_home.ReadFile("record.txt").size(); }
    template <class Record>
    Record Stored(int objectId, bool (CParaDaten::*get)(int, BYTE, Record&, bool)) const
    {
        Record record;
        EXPECT_TRUE(WithParameterFile(m_home, "para/para.par", false, [&](CParaDaten& para) {
            const BYTE slot = para.FindFuncSlot(CParaDaten::kWorkFile, objectId);
            EXPECT_NE(slot, 0);
            EXPECT_TRUE((para.*get)(CParaDaten::kWorkFile, slot, record, false));
        }));
        return record;
    }

    std::string m_drawing;
    ProgramHome m_home;
    ChildProcess m_standin;
    size_t m_recordStart = 0;
};

}  // namespace testsupport
