// The names by which the platform layer meets the program that uses it: the environment variables it reads, the
// window backend module it loads and the prefix of its temporary files. The platform knows no program; a program
// gives its names once at start, before it shows a window or writes a file. The defaults are neutral: the program
// directory is the executable's folder, nothing asks for headless windows, no backend module is loaded, and
// temporaries are named ".tmp-XXXXXX".
#pragma once

#include <string>

namespace platform {

struct ApplicationNames {
    // The environment variable that, set and not empty, names the program directory; empty: none.
    std::string homeVariable;
    // The environment variable that, set to "1", keeps the window model headless; empty: none.
    std::string headlessVariable;
    // The file name of the window backend module, looked for beside the executable; empty: no backend.
    std::string backendModule;
    // The hidden prefix of temporary files (followed by six characters); RemoveStaleTemporaries removes only
    // files of this naming. Must not be empty or contain "/".
    std::string temporaryPrefix = ".tmp-";
};

// Replaces the names; a prefix that is empty or contains "/" keeps the one before.
void SetApplicationNames(const ApplicationNames& names);
const ApplicationNames& GetApplicationNames();

}  // namespace platform
