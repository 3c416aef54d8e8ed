// An Xvfb server of a test's own on a free display number, and the X tools a test drives it with.
#pragma once

#include <string>
#include <sys/types.h>
#include <vector>

namespace wxtest {

class XvfbDisplay {
public:
    // Starts Xvfb; the server itself picks a free display number and reports it when it accepts clients.
    XvfbDisplay();
    ~XvfbDisplay();
    XvfbDisplay(const XvfbDisplay&) = delete;
    XvfbDisplay& operator=(const XvfbDisplay&) = delete;

    bool Ok() const { return !m_name.empty(); }
    // ":N"
    const std::string& Name() const { return m_name; }

    // Runs a program with DISPLAY set to this server; returns its exit code and, when given, its standard output.
    int Run(const std::vector<std::string>& argv, std::string* output = nullptr) const;

private:
    pid_t m_pid = -1;
    std::string m_name;
};

}  // namespace wxtest
