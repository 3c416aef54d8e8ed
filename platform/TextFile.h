// Line-oriented text files with CR LF line ends, read and written in binary mode so byte positions are exact.
#pragma once

#include "platform/CString.h"

#include <cstdio>

namespace platform {

// Reads one line of any length; strips a trailing "\r\n" or "\n" (a lone "\r" elsewhere is kept).
// Returns false at end of file when nothing was read, or on a read error.
bool ReadLine(std::FILE* file, CString& line);

// Writes the text and "\r\n". Returns false when any byte could not be written.
bool WriteLine(std::FILE* file, const char* text);

// Reads a whole file into bytes. Returns false when it cannot be opened or read.
bool ReadWholeFile(const char* path, std::string& bytes);

// Writes a file so that it is never left half-written: the bytes go to a temporary file in the target's folder,
// which then replaces the target in one rename. Returns false (and leaves the target untouched) on any failure.
bool WriteFileAtomically(const char* path, const std::string& bytes);

}  // namespace platform
