// The per-user runtime folder: where every object of this user that other processes meet lives (mutex lock files,
// the sockets of DDE services, of published window titles and of the window channel).
//
// The folder is "$XDG_RUNTIME_DIR/win32-objects" when XDG_RUNTIME_DIR names a folder of this user that nobody else
// can enter (mode 0700), else the fallback "${TMPDIR:-/tmp}/win32-objects-<uid>". A folder is used only after it was
// verified to be a real folder (no symbolic link) that belongs to this user and has mode 0700; one that fails (for
// example a fallback that another user created first) is refused with one line on standard error that says why, and
// the calls that need it fail. Since nobody else can enter the folder, nobody else can take a name in it, and a
// process given a runtime folder of its own (a test) meets no other process.
#pragma once

#include <string>
#include <string_view>

namespace platform {

struct RuntimeFolderCheck {
    std::string path;   // the verified folder, or "" when refused
    std::string error;  // why it was refused
};

// Finds, creates when missing, and verifies the folder. Nothing is written to standard error.
RuntimeFolderCheck CheckRuntimeFolder();

// The verified folder, or "" when refused; the reason is written to standard error once per distinct reason.
std::string RuntimeFolder();

// A file name for any object name: letters, digits, '.', '-' and '_' stay, every other byte becomes %XX; a name
// that would be empty, hidden or longer than maxLength bytes becomes "#" and a stable 64-bit hash of it.
std::string RuntimeFileStem(std::string_view name, size_t maxLength = 200);

}  // namespace platform
