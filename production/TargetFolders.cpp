// Default folders of function-data production.
#include "production/TargetFolders.h"

#include "platform/Win32File.h"
#include "resources/ProductionTexts.h"
#include "store/ImageLayout.h"

#include <filesystem>
#include <system_error>

namespace production {

namespace {

int LastSeparator(const CString& path)
{
    for (int i = path.GetLength() - 1; i >= 0; --i)
        if (path[i] == '/' || path[i] == '\\')
            return i;
    return -1;
}

bool IsFolder(const CString& path)
{
    std::error_code ec;
    return !path.IsEmpty() && std::filesystem::is_directory(path.GetString(), ec);
}

void MakeFolder(const CString& path)
{
    std::error_code ec;
    std::filesystem::create_directories(path.GetString(), ec);
}

CString Join(const CString& folder, const CString& name)
{
    CString path;
    path.Format("%s/%s", folder.GetString(), name.GetString());
    return path;
}

// The default folder beside the drawing export, made when missing, and (as the program always did) the same-named
// folder in the program directory.
CString MakeDefaultFolder(const CString& xmlPath, const char* subfolder)
{
    MakeFolder(Join(platform::ProgramDirectory(), subfolder));
    const CString folder = Join(ExportBase(xmlPath), subfolder);
    MakeFolder(folder);
    return folder;
}

}  // namespace

CString FolderOf(const CString& path)
{
    const int at = LastSeparator(path);
    return at < 0 ? CString() : path.Left(at);
}

CString FileNameOf(const CString& path)
{
    return path.Mid(LastSeparator(path) + 1);
}

CString ExportBase(const CString& xmlPath)
{
    const CString folder = FolderOf(xmlPath);
    return folder.IsEmpty() ? platform::ProgramDirectory() : folder;
}

CString ResolveFolder(const CString& configured, const CString& xmlPath, const char* subfolder)
{
    const CString folder = configured.IsEmpty() ? Join(ExportBase(xmlPath), subfolder) : configured;
    if (IsFolder(folder))
        return folder;
    return MakeDefaultFolder(xmlPath, subfolder);
}

CString InDefaultFolder(const CString& fileName, const CString& xmlPath, const char* subfolder)
{
    return Join(MakeDefaultFolder(xmlPath, subfolder), fileName);
}

CString CompilerTarget(const CString& stored, const CString& iniFolder, const CString& drawingPath,
                       const CString& xmlPath)
{
    CString target = stored;
    if (target.IsEmpty()) {
        CString folder = iniFolder;
        if (folder.IsEmpty())
            folder = Join(ExportBase(xmlPath), ui::kCompilerFolder);
        CString name = drawingPath.GetLength() > 4 ? FileNameOf(drawingPath.Left(drawingPath.GetLength() - 4))
                                                   : CString();
        if (name.IsEmpty())
            name = ui::kCompilerDefaultName;
        target = Join(folder, name + ".dat");
    }
    if (!IsFolder(FolderOf(target)))
        target = InDefaultFolder(FileNameOf(target), xmlPath, ui::kCompilerFolder);
    return target;
}

int MaxStoredPathLength()
{
    return static_cast<int>(layout::kCompilerPfadLength) - 1;
}

}  // namespace production
