// The one exit path of the process.
//
// Parts of a program that hold files or names (working files, a DDE service, a mutex) register a hook; EndProcess
// runs the hooks, newest first, flushes every C stream and ends the process with the code. Static destructors do not
// run, so nothing depends on the order in which they would.
#pragma once

namespace platform {

using ExitHook = void (*)();

// Adds a hook; adding the same hook again has no effect.
void AddExitHook(ExitHook hook);

[[noreturn]] void EndProcess(int code);

}  // namespace platform
