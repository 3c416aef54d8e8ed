// CParaDaten: the fields of the parameter file's text area that travel with the set: compiler and export target
// paths, the export options and the language code of the drawing texts.
#include "store/CParaDaten.h"

#include "store/CEepromFile.h"
#include "store/ImageLayout.h"

#include <cstring>
#include <string>

namespace {

struct PathField {
    UINT address;
    UINT length;
    const char* extension;
};
constexpr PathField kCompilerPfad = {layout::kCompilerPfad, layout::kCompilerPfadLength, ".dat"};
constexpr PathField kExportPfad = {layout::kExportPfad, layout::kExportPfadLength, ".txt"};

constexpr const char* kSprachen[] = {"DEU", "ENU", "FRA", "ITA", "ESP", "NLD", "CES"};
constexpr int kSprachenCount = 7;

bool IsControl(char c)
{
    return static_cast<unsigned char>(c) < 32;
}

CString ReadPath(CEepromFile* f, const PathField& field)
{
    char chars[256];
    if (!f || !f->ReadChars(field.address, field.length, chars))
        return CString();
    UINT length = 0;
    while (length < field.length && !IsControl(chars[length]))
        ++length;
    std::string path(chars, length);
    const size_t ext = std::strlen(field.extension);
    if (path.size() < ext || path.compare(path.size() - ext, ext, field.extension) != 0)
        return CString();
    return CString(path);
}

bool WritePath(CEepromFile* f, const PathField& field, const CString& path)
{
    if (!f)
        return false;
    // At least one NUL always follows the path.
    std::string chars(field.length, '\0');
    for (UINT i = 0; i + 1 < field.length && i < static_cast<UINT>(path.GetLength()) && !IsControl(path[i]); ++i)
        chars[i] = path[i];
    return f->WriteChars(field.address, field.length, chars.data());
}

int HexOrZero(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return 0;
}

}  // namespace

CString CParaDaten::GetCompilerPfad(int file)
{
    return ReadPath(GetFile(file), kCompilerPfad);
}

bool CParaDaten::SetCompilerPfad(int file, const CString& path)
{
    return WritePath(GetFile(file), kCompilerPfad, path);
}

CString CParaDaten::GetExportPfad(int file)
{
    return ReadPath(GetFile(file), kExportPfad);
}

bool CParaDaten::SetExportPfad(int file, const CString& path)
{
    return WritePath(GetFile(file), kExportPfad, path);
}

ExportFilter CParaDaten::GetExportFilter(int file)
{
    ExportFilter filter;
    CEepromFile* f = GetFile(file);
    char chars[layout::kExportFilterLength];
    if (!f || !f->ReadChars(layout::kExportFilter, sizeof chars, chars) || chars[0] != '\0')
        return filter;
    unsigned flags = 0;
    for (int i = 1; i <= 4; ++i)
        flags = flags * 16 + static_cast<unsigned>(HexOrZero(chars[i]));
    for (int i = 0; i < 16; ++i)
        filter.flags[i] = static_cast<BYTE>((flags >> i) & 1);
    filter.format = static_cast<BYTE>(HexOrZero(chars[5]) * 16 + HexOrZero(chars[6]));
    return filter;
}

bool CParaDaten::SetExportFilter(int file, ExportFilter filter)
{
    CEepromFile* f = GetFile(file);
    if (!f)
        return false;
    unsigned flags = 0;
    for (int i = 0; i < 16; ++i) {
        if (filter.flags[i] == 1)
            flags |= 1u << i;
    }
    static constexpr char kHex[] = "0123456789ABCDEF";
    const char chars[layout::kExportFilterLength] = {
        '\0',
        kHex[(flags >> 12) & 0xF],
        kHex[(flags >> 8) & 0xF],
        kHex[(flags >> 4) & 0xF],
        kHex[flags & 0xF],
        kHex[filter.format >> 4],
        kHex[filter.format & 0xF],
    };
    return f->WriteChars(layout::kExportFilter, sizeof chars, chars);
}

int CParaDaten::GetSprache(int file)
{
    CEepromFile* f = GetFile(file);
    char chars[layout::kSpracheLength];
    if (!f || !f->ReadChars(layout::kSprache, sizeof chars, chars))
        return -1;
    std::string letters(chars, sizeof chars);
    if (letters == "FFF")
        return 0;
    for (int code = 0; code < kSprachenCount; ++code) {
        if (letters == kSprachen[code])
            return code;
    }
    return -1;
}

bool CParaDaten::SetSprache(int file, int code)
{
    CEepromFile* f = GetFile(file);
    if (!f)
        return false;
    const char* letters = code >= 0 && code < kSprachenCount ? kSprachen[code] : "FFF";
    return f->WriteChars(layout::kSprache, layout::kSpracheLength, letters);
}
