// A fixture base for tests of the real program's windows: the program and the drawing-tool stand-in in an isolated
// home, on an X server of the test's own, read back with wnddrive. The test's SetUp starts the server and the
// stand-in; TearDown ends whatever still runs.
#pragma once

#include "ChildProcess.h"
#include "Isolation.h"
#include "XvfbDisplay.h"

#include <csignal>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

namespace wxtest {

template <class TestBase>
class ProgramOnDisplay : public TestBase {
protected:
    void TearDown() override
    {
        if (m_program && m_program->Pid() > 0) {
            m_program->Kill(SIGKILL);
            m_program->Wait();
        }
        if (m_standin.Pid() > 0) {
            m_standin.Kill(SIGTERM);
            m_standin.Wait();
        }
    }

    std::string Path(const std::string& relative) const { return (m_iso.Home() / relative).string(); }

    // The drawing tool's command file for the command, naming the home's drawing; extra lines follow.
    std::string CommandFile(const std::string& command, const std::string& extra = "") const
    {
        std::ofstream(Path("command.txt"), std::ios::binary) << "-cmd\r\n" + command + "\r\n-engpath\r\n" +
                Path("plant.evl") + "\r\n-xmlpath\r\n" + Path("VORNA.xml") + "\r\n" + extra;
        return Path("command.txt");
    }

    testsupport::ToolResult Drive(std::vector<std::string> args) const
    {
        args.insert(args.begin(), WNDDRIVE);
        return m_iso.Run(args);
    }

    std::unique_ptr<XvfbDisplay> m_display;
    testsupport::Isolation m_iso;
    testsupport::ChildProcess m_standin;
    std::unique_ptr<testsupport::ChildProcess> m_program;
};

}  // namespace wxtest
