// An Xvfb server of a test's own on a free display number, and the X tools a test drives it with.
#pragma once

#include <string>
#include <sys/types.h>
#include <vector>

namespace wxtest {

class XvfbDisplay {
public:
    // Starts Xvfb; the server itself picks a free display number and reports it when it accepts clients. A start
    // that fails is tried again a few times.
    XvfbDisplay();
    ~XvfbDisplay();
    XvfbDisplay(const XvfbDisplay&) = delete;
    XvfbDisplay& operator=(const XvfbDisplay&) = delete;

    bool Ok() const { return !m_name.empty(); }
    // ":N"
    const std::string& Name() const { return m_name; }

    // Makes the programs this process starts show their windows on this server, and only there: DISPLAY is set,
    // Wayland and the program's headless switch are cleared, and desktop services (accessibility bus, settings
    // daemon) stay out of the way. In the sanitizer build the toolkit's own never-freed allocations are no leaks.
    void ShowWindowsHere() const;

    // Runs a program with DISPLAY set to this server; returns its exit code and, when given, its standard output.
    int Run(const std::vector<std::string>& argv, std::string* output = nullptr) const;

private:
    void Start();

    pid_t m_pid = -1;
    std::string m_name;
};

}  // namespace wxtest
