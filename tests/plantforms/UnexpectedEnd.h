// Makes an end of the test process during a case a failure: a save that must be refused returns, and a process
// ended with code 0 would pass the case unnoticed. A death test's child ends as its case expects.
#pragma once

#include "platform/ProcessExit.h"

#include <cstdio>
#include <cstdlib>
#include <unistd.h>

namespace plantforms_test {

inline pid_t g_caseProcess = 0;

inline void FailTheEnd()
{
    if (getpid() != g_caseProcess)
        return;
    std::fputs("the test process was ended by the form\n", stderr);
    std::_Exit(1);
}

inline void FailEndsOfThisProcess()
{
    g_caseProcess = getpid();
    platform::AddExitHook(&FailTheEnd);
}

}  // namespace plantforms_test
