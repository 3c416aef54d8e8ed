// Taking the program's arguments apart and reading the drawing tool's command file into the start context.
#pragma once

#include "link/StartContext.h"
#include "platform/CString.h"

#include <vector>

// The arguments after the program's name. Each "-cmdfile" is followed by the command file's path as one argument
// (blanks kept, surrounding double quotes removed); every command file named is read in turn, and since each read
// empties the values first, the last one decides. False when there are no arguments or a named command file cannot
// be read; true otherwise, also when "-cmdfile" is missing (the values then stay empty).
bool ParseCmdFileArgument(const std::vector<CString>& args, StartContext& values);

// Reads one command file. False (values emptied) when it cannot be opened, or when a line is longer than any path
// can be (PATH_MAX and two double quotes) or the file runs past 1 MiB: no command file is, and reading one that
// never ends (a device) must end. True otherwise, whatever it contains. CR LF or LF line ends; a key on the last
// line gets an empty value.
bool ReadCommandFile(const char* path, StartContext& values);

// The folder of a path: everything before its last "/" or "\"; empty when it has neither.
CString FolderOfPath(const CString& path);
