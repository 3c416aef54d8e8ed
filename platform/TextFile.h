// Line-oriented text files with CR LF line ends, read and written in binary mode so byte positions are exact.
#pragma once

#include "platform/CString.h"

#include <cstddef>
#include <cstdio>
#include <string>

namespace platform {

// Opens a file that comes from outside for reading without waiting on it: a FIFO, a device or a folder named where a
// file is expected is refused at once (-1, errno EINVAL for what is no regular file), so no reader ever blocks in
// open() or reads a stream without end. The descriptor is close-on-exec.
int OpenRegularFile(const char* path);
// The same as a binary stream; null on failure.
std::FILE* OpenRegularForReading(const char* path);

// Opens a file for writing ("wb": created or emptied; "ab": created or appended to) without following a symbolic link
// in its place: a link there fails the open (errno ELOOP), so nobody who can write the folder can make the program
// write elsewhere. Null on failure.
std::FILE* OpenForWriting(const char* path, const char* mode);

// What a bounded line read found.
enum class LineRead { Line, End, TooLong };
// Reads one line of at most maxLength characters (its line end not counted), stripping "\r\n" or "\n". A longer
// line is not taken: TooLong, after at most maxLength + 2 bytes were read, and the stream stands inside that line.
LineRead ReadLineUpTo(std::FILE* file, CString& line, size_t maxLength);

// Reads one line of any length; strips a trailing "\r\n" or "\n" (a lone "\r" elsewhere is kept).
// Returns false at end of file when nothing was read, or on a read error.
bool ReadLine(std::FILE* file, CString& line);

// Writes the text and "\r\n". Returns false when any byte could not be written.
bool WriteLine(std::FILE* file, const char* text);

// Reads a whole regular file (opened as OpenRegularFile does) into bytes. Returns false when it cannot be opened or
// read, or when it holds more than maxBytes bytes (then at most maxBytes + 1 bytes were read).
bool ReadWholeFile(const char* path, std::string& bytes, size_t maxBytes = static_cast<size_t>(-1));

// Writes a file so that it is never left half-written: the bytes go to a temporary file in the target's folder,
// which then replaces the target in one rename. Returns false (and leaves the target untouched) on any failure, and
// when a symbolic link stands where the target goes (the link is neither followed nor replaced).
bool WriteFileAtomically(const char* path, const std::string& bytes);

}  // namespace platform
