// The paths of the documentation export: default targets beside the drawing export, chosen names and their
// extensions. Paths here use "/"; paths stored on another system may carry "\\", so both separate folders.
#pragma once

#include "link/StartContext.h"
#include "platform/CString.h"

namespace doc {

// The folder part (without the separator) and the file name of a path.
CString FolderOf(const CString& path);
CString NameOf(const CString& path);
// Appends "." and the extension unless the file name already ends in it (in any case).
CString WithExtension(const CString& path, const char* extension);
// The drawing's name (or "KRX9274") with the extension, in the stored folder or else in the named folder beside
// the drawing export (both as the run's start context names them); an empty drawing-export folder is the program
// directory, never the file-system root.
CString DefaultPath(const StartContext& start, const CString& storedFolder, const char* folderName,
                    const char* extension);

}  // namespace doc
