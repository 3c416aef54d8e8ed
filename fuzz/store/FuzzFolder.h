// A private temporary folder that a fuzz target makes its current directory once, as the program does with its
// program directory; it is removed when the fuzzer ends.
#pragma once

#include <cstdlib>
#include <filesystem>
#include <string>
#include <unistd.h>

inline void EnterFuzzFolder(const char* name)
{
    static std::string folder;
    folder = "/tmp/morv-fuzz-" + std::string(name) + "-" + std::to_string(getpid()) + "-XXXXXX";
    if (!mkdtemp(folder.data()) || chdir(folder.c_str()) != 0)
        std::abort();
    std::atexit([] {
        std::error_code ec;
        std::filesystem::remove_all(folder, ec);
    });
}
