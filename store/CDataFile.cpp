// The function-data file's header and its two areas.
#include "store/CDataFile.h"

namespace {

constexpr const char* kVersionKey = "CONTROLLER_VERSION: A";
constexpr const char* kFormatKey = "DATA_FILE_VERSION: D";
constexpr double kControllerVersion = 0.00;
constexpr double kFormatVersion = 1.00;
// What a version line without digits stands for.
constexpr float kEmptyControllerVersion = 2.00f;
constexpr float kEmptyFormatVersion = 1.00f;

}  // namespace

CEepromFile::HeaderKeys CDataFile::Keys()
{
    return {kMagic,
            kVersionKey,
            kControllerVersion,
            kFormatKey,
            kFormatVersion,
            kEmptyControllerVersion,
            kEmptyFormatVersion};
}

bool CDataFile::Create()
{
    return CreateImage(false);
}

bool CDataFile::Seek(int area, UINT address, UINT count)
{
    return (area == 0 || area == 1) && m_bHeaderValid && RangeAllowed(area, address, count);
}

void CDataFile::WriteHeader(std::string& out)
{
    if (!m_bHeaderValid)
        return;
    WriteHeaderLines(out, Keys());
}

bool CDataFile::ReadHeader(HeaderText& text, FileHeader* header)
{
    return ReadHeaderLines(text, Keys(), header);
}

bool CDataFile::WriteChars(UINT, UINT, const char*) { return false; }
bool CDataFile::ReadChars(UINT, UINT, char*) { return false; }
bool CDataFile::WriteHex(UINT, BYTE, UINT) { return false; }
bool CDataFile::ReadHex(UINT, BYTE, int&) { return false; }
bool CDataFile::WriteDec(UINT, BYTE, UINT) { return false; }
bool CDataFile::ReadDec(UINT, BYTE, int&) { return false; }
bool CDataFile::WriteText(UINT, BYTE, const CString&) { return false; }
bool CDataFile::ReadText(UINT, BYTE, CString&) { return false; }
