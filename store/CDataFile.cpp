// The function-data file's header and its two areas.
#include "store/CDataFile.h"

#include "platform/CLocale.h"

namespace {

constexpr const char* kVersionKey = "CONTROLLER_VERSION: A";
constexpr const char* kFormatKey = "DATA_FILE_VERSION: D";
constexpr double kControllerVersion = 0.00;
constexpr double kFormatVersion = 1.00;
// What a version line without digits stands for.
constexpr float kEmptyControllerVersion = 2.00f;
constexpr float kEmptyFormatVersion = 1.00f;

}  // namespace

bool CDataFile::Create()
{
    return CreateImage(false);
}

bool CDataFile::Convert()
{
    return false;
}

bool CDataFile::Seek(int area, UINT address, UINT count)
{
    return (area == 0 || area == 1) && m_bHeaderValid && RangeAllowed(area, address, count);
}

void CDataFile::WriteHeader(std::string& out)
{
    if (!m_bHeaderValid)
        return;
    out += platform::FormatC("%32s\r\n", kMagic);
    out += platform::FormatC("%20s%04X\r\n", "EEPROM_SIZE: ", 0x7FFFu);
    out += platform::FormatC("%20s%04X\r\n", "I_EEPROM_SIZE: ", 0x03FFu);
    out += platform::FormatC("%21s%03.02f\r\n", kVersionKey, kControllerVersion);
    out += platform::FormatC("%21s%03.02f\r\n", kFormatKey, kFormatVersion);
    out += platform::FormatC("%152s\r\n", "");
    out += platform::FormatC("%4s", "DATA");
}

bool CDataFile::ReadHeader(HeaderText& text, FileHeader* header)
{
    text.pos = 0;
    CString line;
    ReadLine(text, line);
    if (line != kMagic)
        return false;
    m_bHeaderValid = 1;
    ReadLine(text, line);
    ReadLine(text, line);
    CString version;
    ReadLine(text, version);
    version.TrimLeft(kVersionKey);
    CString format;
    ReadLine(text, format);
    format.TrimLeft(kFormatKey);
    ReadLine(text, line);
    ReadLine(text, line);
    if (line != "DATA")
        return false;
    if (header) {
        header->magic = kMagic;
        header->version = version.IsEmpty() ? kEmptyControllerVersion : static_cast<float>(platform::AtofC(version));
        header->formatVersion = format.IsEmpty() ? kEmptyFormatVersion : static_cast<float>(platform::AtofC(format));
    }
    return true;
}

bool CDataFile::WriteChars(UINT, UINT, const char*) { return false; }
bool CDataFile::ReadChars(UINT, UINT, char*) { return false; }
bool CDataFile::WriteHex(UINT, BYTE, UINT) { return false; }
bool CDataFile::ReadHex(UINT, BYTE, int&) { return false; }
bool CDataFile::WriteDec(UINT, BYTE, UINT) { return false; }
bool CDataFile::ReadDec(UINT, BYTE, int&) { return false; }
bool CDataFile::WriteText(UINT, BYTE, const CString&) { return false; }
bool CDataFile::ReadText(UINT, BYTE, CString&) { return false; }
