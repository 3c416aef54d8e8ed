// The parameter file's header and its three areas.
#include "store/CParaFile.h"

#include "platform/CLocale.h"

namespace {

constexpr const char* kVersionKey = "VORNA_VERSION:  ";
constexpr const char* kFormatKey = "PARA_FILE_VERSION: P";
constexpr double kToolVersion = 1.29;
constexpr double kFormatVersion = 1.00;

}  // namespace

CEepromFile::HeaderKeys CParaFile::Keys()
{
    return {kMagic, kVersionKey, kToolVersion, kFormatKey, kFormatVersion};
}

bool CParaFile::Create()
{
    return CreateImage(true);
}

bool CParaFile::Convert()
{
    return false;
}

bool CParaFile::Seek(int area, UINT address, UINT count)
{
    return RangeAllowed(area, address, count);
}

void CParaFile::WriteHeader(std::string& out)
{
    WriteHeaderLines(out, Keys());
}

bool CParaFile::ReadHeader(HeaderText& text, FileHeader* header)
{
    CString version;
    CString format;
    if (!ReadHeaderLines(text, Keys(), version, format))
        return false;
    if (header) {
        header->magic = kMagic;
        header->version = static_cast<float>(platform::AtofC(version));
        header->formatVersion = static_cast<float>(platform::AtofC(format));
    }
    return true;
}
