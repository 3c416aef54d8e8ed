// The parameter file's header and its three areas.
#include "store/CParaFile.h"

namespace {

constexpr const char* kVersionKey = "VORNA_VERSION:  ";
constexpr const char* kFormatKey = "PARA_FILE_VERSION: P";
constexpr double kToolVersion = 1.29;
constexpr double kFormatVersion = 1.00;
// A version line without digits reads as 0.
constexpr float kEmptyVersion = 0.00f;

}  // namespace

CEepromFile::HeaderKeys CParaFile::Keys()
{
    return {kMagic, kVersionKey, kToolVersion, kFormatKey, kFormatVersion, kEmptyVersion, kEmptyVersion};
}

bool CParaFile::Create()
{
    return CreateImage(true);
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
    return ReadHeaderLines(text, Keys(), header);
}
