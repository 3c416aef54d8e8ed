// A working folder of the fuzz targets: a temporary program directory with its folder "para", made current once.
#pragma once

#include <cstdlib>
#include <filesystem>
#include <string>

inline void EnterFuzzFolder()
{
    std::string pattern = (std::filesystem::temp_directory_path() / "drawing-fuzz.XXXXXX").string();
    if (!mkdtemp(pattern.data())) std::abort();
    std::filesystem::current_path(pattern);
    std::filesystem::create_directory("para");
}
