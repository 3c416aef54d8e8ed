// Where function-data production puts its files by default: the compiler's target path and the folder of the
// welcome-screen templates. Both default to a folder beside the drawing export; a folder that is gone is made again.
#pragma once

#include "platform/CString.h"

namespace production {

// The part of a path before its last "/" or "\" (empty without one), and the part after it.
CString FolderOf(const CString& path);
CString FileNameOf(const CString& path);

// The folder the default folders lie in: the drawing export's folder, or the program directory when the export path
// names no folder (never the file-system root).
CString ExportBase(const CString& xmlPath);

// The folder of the welcome-screen templates: configured (line 4 of the settings file) or base/subfolder. When no such
// folder exists, subfolder is created in the program directory, and the result is base/subfolder, which is created
// too, so the result always names a folder that exists (unless it cannot be made).
CString ResolveFolder(const CString& configured, const CString& xmlPath, const char* subfolder);

// The file name in the default folder `subfolder` beside the drawing export, which is made when missing (as is the
// same-named folder in the program directory): where a target goes whose own folder no longer exists.
CString InDefaultFolder(const CString& fileName, const CString& xmlPath, const char* subfolder);

// The compile's target path: the path stored in the parameter set, else the settings file's folder, else the folder
// "KRX9274_Funktionsdaten" beside the drawing export; then the drawing's name (or "KRX9274") with ".dat". When the
// folder of the result does not exist, the target moves into the default folder beside the drawing export, which is
// created (as is the one in the program directory).
CString CompilerTarget(const CString& stored, const CString& iniFolder, const CString& drawingPath,
                       const CString& xmlPath);

// The longest path the parameter set keeps as the compiler's target.
int MaxStoredPathLength();

}  // namespace production
