// CParaDaten: the handle count, the three working files and the operations on whole files.
#include "store/CParaDaten.h"

#include "platform/TextFile.h"
#include "platform/Win32File.h"
#include "store/CDataFile.h"
#include "store/CParaFile.h"

#include <climits>
#include <cstdio>
#include <cstdlib>
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
// Beside the working files: the parameter files a save of a placeholder set wrote over a person's set, one line each
// ("<fingerprint of the set written> <path>"); the ".bak" beside each holds that person's set.
constexpr const char* kPlaceholderSaves = "para/placeholder.saves";
constexpr size_t kPlaceholderSavesLimit = 64;
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

// The FNV-1a fingerprint of a regular file's bytes, read up to the size of a parameter file and one byte more (so
// a longer file never matches a set); false when the file cannot be read.
bool Fingerprint(const char* path, unsigned long long& print)
{
    const int fd = open(path, O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return false;
    struct stat st {};
    bool ok = fstat(fd, &st) == 0 && S_ISREG(st.st_mode);
    print = 14695981039346656037ull;
    std::vector<char> buffer(65536);
    size_t total = 0;
    while (ok && total <= static_cast<size_t>(CEepromFile::kParaFileSize)) {
        const ssize_t n = read(fd, buffer.data(), buffer.size());
        if (n < 0)
            ok = false;
        if (n <= 0)
            break;
        for (ssize_t i = 0; i < n; ++i)
            print = (print ^ static_cast<unsigned char>(buffer[static_cast<size_t>(i)])) * 1099511628211ull;
        total += static_cast<size_t>(n);
    }
    close(fd);
    return ok;
}

// The path by which a parameter file is remembered: its folder resolved, so that every way of naming it agrees.
std::string RememberedPath(const char* path)
{
    std::string text(path);
    const size_t slash = text.find_last_of('/');
    const std::string folder = slash == std::string::npos ? "." : slash == 0 ? "/" : text.substr(0, slash);
    char resolved[PATH_MAX];
    if (!realpath(folder.c_str(), resolved) || std::strchr(resolved, '\n'))
        return text;
    return std::string(resolved) + "/" + (slash == std::string::npos ? text : text.substr(slash + 1));
}

// The lines of the list of placeholder saves, each "<fingerprint> <path>".
std::vector<std::string> PlaceholderSaveLines()
{
    std::vector<std::string> lines;
    std::string text;
    struct stat st {};
    if (stat(kPlaceholderSaves, &st) != 0 || !S_ISREG(st.st_mode) ||
        st.st_size > static_cast<off_t>(kPlaceholderSavesLimit * (PATH_MAX + 20)) ||
        !platform::ReadWholeFile(kPlaceholderSaves, text))
        return lines;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find('\n', start);
        if (end == std::string::npos)
            end = text.size();
        if (end > start)
            lines.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    return lines;
}

std::string PlaceholderSaveLine(unsigned long long print, const std::string& path)
{
    char head[24];
    std::snprintf(head, sizeof head, "%016llx ", print);
    return head + path;
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

bool CParaDaten::IsSoundFile(int file)
{
    CEepromFile* f = GetFile(file);
    return f && f->IsSound();
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
    CloseFile(target);
    // A damaged working copy (cut, grown, a line doubled while a form had it open) never reaches the set.
    const bool sound = IsSoundFile(source);
    CloseFile(source);
    if (!sound)
        return false;
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
    const bool sound = IsSoundFile(file);
    CloseFile(file);
    return sound && platform::CopyFileKeepingTarget(GetFileName(file), path) != FALSE;
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

namespace {

bool WritePlaceholderSaveLines(const std::vector<std::string>& lines);

// Remembers (or, without remember, forgets) the placeholder save of a parameter file with the fingerprint of the set
// it holds.
bool RememberPlaceholderSave(const char* parameterFile, unsigned long long print, bool remember)
{
    const std::string path = RememberedPath(parameterFile);
    if (path.find('\n') != std::string::npos)
        return false;
    std::vector<std::string> lines;
    bool known = false;
    for (const std::string& saved : PlaceholderSaveLines()) {
        const bool same = saved.size() > 17 && saved.compare(17, std::string::npos, path) == 0;
        known = known || same;
        if (!same)
            lines.push_back(saved);
    }
    if (!remember && !known)
        return true;
    if (remember)
        lines.push_back(PlaceholderSaveLine(print, path));
    // The oldest go first: the list stays small whatever number of drawings the program serves.
    if (lines.size() > kPlaceholderSavesLimit)
        lines.erase(lines.begin(), lines.end() - static_cast<long>(kPlaceholderSavesLimit));
    return WritePlaceholderSaveLines(lines);
}

bool WritePlaceholderSaveLines(const std::vector<std::string>& lines)
{
    std::string text;
    for (const std::string& line : lines)
        text += line + "\n";
    _mkdir("para");
    return platform::WriteFileAtomically(kPlaceholderSaves, text);
}

}  // namespace

bool CParaDaten::SaveBesideDrawing(const CString& drawingPath)
{
    CString target = SavedParameterFilePath(drawingPath);
    if (target.IsEmpty())
        return false;
    // What a placeholder save left there is no set of the person's: its ".bak" holds the person's set, which no
    // later save may overwrite.
    const bool placeholderSave = IsPlaceholderSave(target);
    struct stat existing {};
    const bool replaces = lstat(target, &existing) == 0;
    if (replaces) {
        // The person's file is copied whole before it is replaced; one the person made read-only or unreadable
        // is neither replaced nor copied. Whatever else stands there (a link someone put in the set's place, a
        // folder, a FIFO) is not the person's set: it is neither read, nor followed, nor replaced.
        if (!S_ISREG(existing.st_mode) || (existing.st_mode & kReadBits) == 0 || (existing.st_mode & kWriteBits) == 0 ||
            (!placeholderSave && !platform::BackUpFile(target, BackupPath(target))))
            return false;
    }
    // A placeholder set that replaces a person's set, and every set stored over such a save, is remembered before
    // it is stored; a save that fails forgets it again.
    const std::vector<std::string> before = PlaceholderSaveLines();
    const bool remember = placeholderSave || (replaces && IsPlaceholderSet());
    unsigned long long print = 0;
    CloseFile(kParaFile);
    if (remember && (!Fingerprint(GetFileName(kParaFile), print) || !RememberPlaceholderSave(target, print, true)))
        return false;
    if (!ExportFile(kParaFile, target)) {
        if (remember)
            WritePlaceholderSaveLines(before);
        return false;
    }
    if (!remember)
        RememberPlaceholderSave(target, 0, false);
    return true;
}

bool CParaDaten::IsPlaceholderSave(const CString& parameterFile)
{
    unsigned long long print = 0;
    if (!Fingerprint(parameterFile, print))
        return false;
    const std::string line = PlaceholderSaveLine(print, RememberedPath(parameterFile));
    for (const std::string& saved : PlaceholderSaveLines())
        if (saved == line)
            return true;
    return false;
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
