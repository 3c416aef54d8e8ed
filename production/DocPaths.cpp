// The paths of the documentation export.
#include "production/DocPaths.h"

#include "platform/Win32File.h"

#include <strings.h>

namespace doc {

namespace {

int LastSeparator(const CString& path)
{
    const int slash = path.ReverseFind('/');
    const int backslash = path.ReverseFind('\\');
    return slash > backslash ? slash : backslash;
}

}  // namespace

CString FolderOf(const CString& path)
{
    return LastSeparator(path) < 0 ? CString() : path.Left(LastSeparator(path));
}

CString NameOf(const CString& path)
{
    return path.Mid(LastSeparator(path) + 1);
}

CString WithExtension(const CString& path, const char* extension)
{
    const CString name = NameOf(path);
    const int dot = name.ReverseFind('.');
    if (dot >= 0 && strcasecmp(name.Mid(dot + 1).GetString(), extension) == 0)
        return path;
    return path + "." + extension;
}

CString DefaultPath(const StartContext& start, const CString& storedFolder, const char* folderName,
                    const char* extension)
{
    CString name = NameOf(start.engPath);
    name = start.engPath.IsEmpty() || name.GetLength() < 4 ? CString("KRX9274") : name.Left(name.GetLength() - 4);
    CString folder = storedFolder;
    if (folder.IsEmpty()) {
        CString base = FolderOf(start.xmlPath);
        if (base.IsEmpty())
            base = platform::ProgramDirectory();
        folder = base + "/" + folderName;
    }
    return folder + "/" + name + "." + extension;
}

}  // namespace doc
