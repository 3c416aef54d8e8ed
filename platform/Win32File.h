// The Win32 and C run-time file calls the program uses, on POSIX files.
//
// Paths use "/". The read-only attribute is the file's write permission bits. Copies never leave a target
// half-written.
#pragma once

#include "platform/CString.h"
#include "platform/Types.h"

#include <ctime>
#include <time.h>
#include <string>

using HMODULE = void*;

// Copies through a temporary file in the target's folder and a rename. Fails (false, GetLastError set) when the
// source cannot be read or is no regular file (a FIFO or device is refused without waiting on it), when failIfExists
// is set and the target exists, when the target is read-only, or when a symbolic link stands in the target's place
// (it is neither followed nor replaced). The copy takes the source's read-only attribute, as the original platform's
// copy does.
BOOL CopyFileA(LPCSTR existingFile, LPCSTR newFile, BOOL failIfExists);

// INVALID_FILE_ATTRIBUTES when the path does not exist; otherwise FILE_ATTRIBUTE_DIRECTORY, FILE_ATTRIBUTE_READONLY
// (no write permission bit is set) or FILE_ATTRIBUTE_NORMAL.
DWORD GetFileAttributesA(LPCSTR path);

// FILE_ATTRIBUTE_READONLY removes every write permission bit; any other value gives the owner write permission.
BOOL SetFileAttributesA(LPCSTR path, DWORD attributes);

// The executable's full path (module must be null). Returns the length copied, 0 on failure; truncates to size-1.
DWORD GetModuleFileNameA(HMODULE module, LPSTR buffer, DWORD size);

BOOL SetCurrentDirectoryA(LPCSTR path);

// Creates a folder; 0 on success, -1 on failure (also when it exists).
int _mkdir(const char* path);

// Folder search with the wildcards "*" and "?" in the last path component.
struct _finddata_t {
    unsigned attrib;
    std::time_t time_create;
    std::time_t time_access;
    std::time_t time_write;
    unsigned long size;
    char name[260];
};
constexpr unsigned _A_NORMAL = 0x00;
constexpr unsigned _A_RDONLY = 0x01;
constexpr unsigned _A_SUBDIR = 0x10;

// A search handle, or -1 when nothing matches.
std::intptr_t _findfirst(const char* pattern, _finddata_t* data);
// 0 and the next match, or -1 at the end.
int _findnext(std::intptr_t handle, _finddata_t* data);
int _findclose(std::intptr_t handle);

namespace platform {

// The program directory: the program's home variable (platform/ApplicationNames.h) when set and not empty, else the
// executable's folder. No trailing "/".
CString ProgramDirectory();

// A mkstemp template for a temporary file beside path (same folder, so a rename replaces the target in one step).
// The name is hidden and the program's own: its temporary prefix (platform/ApplicationNames.h) and six characters.
std::string TemporaryNameBeside(const char* path);

// Creates a temporary file beside path (mode 0600) and takes an exclusive lock on it that lasts while the returned
// descriptor is open, so that RemoveStaleTemporaries of another run never takes a file still being written. Close
// the descriptor only after the rename (or the unlink). -1 on failure (errno set); name receives the file's path.
int CreateTemporaryBeside(const char* path, std::string& name);

// Removes the temporaries of the program's own naming in folder that a run killed halfway left behind: regular files
// last changed before the time given (this run's start) and locked by no live process. Any other file is left
// alone. Returns how many were removed.
int RemoveStaleTemporaries(const char* folder, const struct timespec& before);

// From this call on, the first temporary this process makes in a folder (CreateTemporaryBeside) is preceded by
// RemoveStaleTemporaries of that folder with the time given (the run's start), so that what a killed run left is
// removed from every folder the program writes, wherever a person chose it. The time 0 takes nothing for stale.
void RemoveStaleTemporariesWhereWriting(const struct timespec& runStart);

// Copies source over target, whole or not at all (a temporary beside the target and a rename). The new target keeps
// the permission bits (and, where the system allows it, the owner and group) of the file it replaces; a new target
// gets those of a newly created file. Fails like CopyFileA: a missing or unreadable source, a read-only target.
BOOL CopyFileKeepingTarget(LPCSTR existingFile, LPCSTR newFile);

// Copies a person's file whole over its backup before the file is replaced. The file is read only when it is a
// regular file and not a symbolic link; the backup takes its permission bits, and its owner and group where the
// system allows it, and otherwise loses the bits of the group it could not keep, so a backup is never open to more
// people than the file. Fails like CopyFileA.
BOOL BackUpFile(LPCSTR file, LPCSTR backup);

}  // namespace platform
