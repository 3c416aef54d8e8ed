// CParaDaten: the handle count, the three working files and the operations on whole files.
#include "store/CParaDaten.h"

#include "platform/Win32File.h"
#include "store/CDataFile.h"
#include "store/CParaFile.h"

#include <cstring>
#include <memory>
#include <vector>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

struct WorkingFile {
    const char* baseName;
    const char* extension;
};
constexpr WorkingFile kWorkingFiles[CParaDaten::kFileCount] = {
    {"datFile", "dat"},
    {"para", "par"},
    {"morv9274", "par"},
};
constexpr const char* kFolder = "para";
// Beside the working files: present while working file 1 holds a placeholder set.
constexpr const char* kPlaceholderMark = "para/para.placeholder";
constexpr mode_t kReadBits = S_IRUSR | S_IRGRP | S_IROTH;
constexpr mode_t kWriteBits = S_IWUSR | S_IWGRP | S_IWOTH;

// Process-wide: the live handles and one file object per working file, owned here and never by a handle.
int g_nParaDatenCount = 0;
std::unique_ptr<CEepromFile> g_pParaFile[CParaDaten::kFileCount];

// Whether the target already is what a copy of the source would make of it: a file of ours that may be written,
// with the source's permissions and exactly its bytes.
bool IsAlreadyACopy(const char* source, const char* target)
{
    struct stat from {};
    struct stat to {};
    // The target itself, not what a link there leads to: a copy would replace the link.
    if (stat(source, &from) != 0 || lstat(target, &to) != 0 || !S_ISREG(from.st_mode) || !S_ISREG(to.st_mode) ||
        from.st_size != to.st_size || (from.st_mode & 07777) != (to.st_mode & 07777) ||
        (to.st_mode & kWriteBits) == 0 || to.st_uid != geteuid())
        return false;
    const int in = open(source, O_RDONLY | O_CLOEXEC);
    const int out = in < 0 ? -1 : open(target, O_RDONLY | O_CLOEXEC);
    bool same = in >= 0 && out >= 0;
    std::vector<char> a(65536);
    std::vector<char> b(65536);
    while (same) {
        const ssize_t n = read(in, a.data(), a.size());
        if (n <= 0) {
            same = n == 0 && read(out, b.data(), 1) == 0;
            break;
        }
        ssize_t got = 0;
        while (got < n) {
            const ssize_t m = read(out, b.data() + got, static_cast<size_t>(n - got));
            if (m <= 0)
                break;
            got += m;
        }
        same = got == n && std::memcmp(a.data(), b.data(), static_cast<size_t>(n)) == 0;
    }
    if (in >= 0)
        close(in);
    if (out >= 0)
        close(out);
    return same;
}

bool IsFileNumber(int file)
{
    return file >= 0 && file < CParaDaten::kFileCount;
}

bool IsSeparator(char c)
{
    return c == '/' || c == '\\';
}

bool ClearReadOnly(const char* path)
{
    DWORD attributes = GetFileAttributesA(path);
    if (attributes == INVALID_FILE_ATTRIBUTES || !(attributes & FILE_ATTRIBUTE_READONLY))
        return true;
    return SetFileAttributesA(path, FILE_ATTRIBUTE_NORMAL);
}

}  // namespace

CParaDaten::CParaDaten()
{
    ++g_nParaDatenCount;
}

CParaDaten::~CParaDaten()
{
    if (--g_nParaDatenCount == 0)
        ReleaseFiles();
}

int CParaDaten::GetHandleCount()
{
    return g_nParaDatenCount;
}

CString CParaDaten::GetFileName(int file)
{
    if (!IsFileNumber(file))
        return CString();
    CString name;
    name.Format("%s/%s.%s", kFolder, kWorkingFiles[file].baseName, kWorkingFiles[file].extension);
    return name;
}

CEepromFile* CParaDaten::GetFile(int file)
{
    if (!IsFileNumber(file))
        return nullptr;
    if (!g_pParaFile[file]) {
        if (file == kDatFile)
            g_pParaFile[file] = std::make_unique<CDataFile>(GetFileName(file));
        else
            g_pParaFile[file] = std::make_unique<CParaFile>(GetFileName(file));
        // Working file 1 is the set a save stores beside the drawing: it is never changed in place, so a run
        // killed in the middle of an update cannot leave it torn.
        g_pParaFile[file]->SetReplacedWhole(file == kParaFile);
    }
    return g_pParaFile[file].get();
}

void CParaDaten::CloseFile(int file)
{
    if (IsFileNumber(file))
        g_pParaFile[file].reset();
}

void CParaDaten::ReleaseFiles()
{
    CloseFile(kParaFile);
    CloseFile(kWorkFile);
    CloseFile(kDatFile);
}

bool CParaDaten::StoredId(int id, int& stored)
{
    const int digits = IdDigits(id);
    stored = digits == 0 ? -1 : digits;
    return true;
}

bool CParaDaten::CreateEmptyFile(int file)
{
    CEepromFile* f = GetFile(file);
    return f && f->Create();
}

bool CParaDaten::CheckFileHeader(int file, FileHeader* header)
{
    CEepromFile* f = GetFile(file);
    return f && f->CheckHeader(header);
}

bool CParaDaten::IsCompleteFile(int file)
{
    CEepromFile* f = GetFile(file);
    return f && f->IsComplete();
}

bool CParaDaten::ConvertFile()
{
    CEepromFile* f = GetFile(kParaFile);
    return f && f->Convert();
}

bool CParaDaten::DuplicateFile(int source, int target)
{
    if (!IsFileNumber(source) || !IsFileNumber(target))
        return false;
    CloseFile(source);
    CloseFile(target);
    // A working file that already holds the other's set (the usual case: the last run left both alike, and an
    // evaluation that found the drawing unchanged changed nothing) is left as it is, without rewriting and syncing
    // the whole set.
    if (IsAlreadyACopy(GetFileName(source), GetFileName(target)))
        return true;
    return CopyFileA(GetFileName(source), GetFileName(target), FALSE) != FALSE;
}

bool CParaDaten::BeginWorkFile()
{
    return DuplicateFile(kParaFile, kWorkFile);
}

bool CParaDaten::CommitWorkFile()
{
    if (!DuplicateFile(kWorkFile, kParaFile))
        return false;
    MarkPlaceholderSet(false);
    return true;
}

bool CParaDaten::CommitDrawingChanges()
{
    return DuplicateFile(kWorkFile, kParaFile);
}

bool CParaDaten::ImportFile(const CString& path, int file)
{
    if (!IsFileNumber(file))
        return false;
    // A file the person made unreadable stays so and is not read, whoever runs the program.
    struct stat outside {};
    if (stat(path, &outside) == 0 && (outside.st_mode & kReadBits) == 0)
        return false;
    CloseFile(file);
    CString target = GetFileName(file);
    if (!CopyFileA(path, target, FALSE))
        return false;
    ClearReadOnly(target);
    return true;
}

bool CParaDaten::ExportFile(int file, const CString& path)
{
    if (!IsFileNumber(file))
        return false;
    CloseFile(file);
    return platform::CopyFileKeepingTarget(GetFileName(file), path) != FALSE;
}

bool CParaDaten::ImportDatFile(const CString& path)
{
    return ImportFile(path, kDatFile);
}

bool CParaDaten::ExportDatFile(const CString& path)
{
    return ExportFile(kDatFile, path);
}

CString CParaDaten::ParameterFilePath(const CString& drawingPath, const char* extension)
{
    const std::string& path = drawingPath.str();
    size_t nameStart = 0;
    for (size_t i = 0; i < path.size(); ++i) {
        if (IsSeparator(path[i]))
            nameStart = i + 1;
    }
    size_t nameLength = path.size() - nameStart;
    // "<name>.<ext>" with a name of at least one character: the extension is replaced.
    if (nameLength >= 5 && path[path.size() - 4] == '.')
        return CString(path.substr(0, path.size() - 3) + extension);
    if (nameLength == 0 || (nameLength == 4 && path[nameStart] == '.'))
        return CString();
    return CString(path + "." + extension);
}

namespace {

bool IsEvlDrawing(const CString& drawingPath)
{
    return drawingPath.GetLength() >= 4 && drawingPath[drawingPath.GetLength() - 4] == '.' &&
           drawingPath.Right(3).CompareNoCase("evl") == 0;
}

}  // namespace

bool CParaDaten::LoadBesideDrawing(const CString& drawingPath)
{
    CString par = ParameterFilePath(drawingPath, "par");
    if (!par.IsEmpty()) {
        if ((IsEvlDrawing(drawingPath) && ImportFile(ParameterFilePath(drawingPath, "pvl"), kParaFile)) ||
            ImportFile(par, kParaFile)) {
            MarkPlaceholderSet(false);
            return true;
        }
    }
    // Without the mark, working file 1 is gone instead; an empty set made in its place would carry no mark and
    // could be saved over the person's file unasked.
    if (MarkPlaceholderSet(true))
        CreateEmptyFile(kParaFile);
    return false;
}

CString CParaDaten::SavedParameterFilePath(const CString& drawingPath)
{
    return ParameterFilePath(drawingPath, IsEvlDrawing(drawingPath) ? "pvl" : "par");
}

CString CParaDaten::BackupPath(const CString& parameterFile)
{
    return parameterFile + ".bak";
}

bool CParaDaten::SaveBesideDrawing(const CString& drawingPath)
{
    CString target = SavedParameterFilePath(drawingPath);
    if (target.IsEmpty())
        return false;
    struct stat existing {};
    if (lstat(target, &existing) == 0) {
        // The person's file is copied whole before it is replaced; one the person made read-only or unreadable
        // is neither replaced nor copied. Whatever else stands there (a link someone put in the set's place, a
        // folder, a FIFO) is not the person's set: it is neither read, nor followed, nor replaced.
        if (!S_ISREG(existing.st_mode) || (existing.st_mode & kReadBits) == 0 || (existing.st_mode & kWriteBits) == 0 ||
            !platform::BackUpFile(target, BackupPath(target)))
            return false;
    }
    return ExportFile(kParaFile, target);
}

bool CParaDaten::IsPlaceholderSet()
{
    return access(kPlaceholderMark, F_OK) == 0;
}

bool CParaDaten::MarkPlaceholderSet(bool placeholder)
{
    if (!placeholder)
        return unlink(kPlaceholderMark) == 0 || !IsPlaceholderSet();
    _mkdir(kFolder);
    // An empty file needs no room on the disc. Should even that fail, working file 1 goes, so that no save can
    // take whatever it holds for the drawing's set.
    int fd = open(kPlaceholderMark, O_WRONLY | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0666);
    if (fd >= 0) {
        close(fd);
        return true;
    }
    CloseFile(kParaFile);
    unlink(GetFileName(kParaFile));
    return false;
}

bool CParaDaten::ReadBytes(int file, int area, UINT address, UINT count, BYTE* buffer)
{
    CEepromFile* f = GetFile(file);
    return f && count <= 255 && f->ReadBytes(area, address, count, buffer);
}

bool CParaDaten::WriteBytes(int file, int area, UINT address, UINT count, const BYTE* bytes)
{
    CEepromFile* f = GetFile(file);
    return f && count <= 255 && f->WriteBytes(area, address, count, bytes);
}
