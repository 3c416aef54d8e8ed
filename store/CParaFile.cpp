// The parameter file's header and its three areas.
#include "store/CParaFile.h"

#include "platform/CLocale.h"

namespace {

constexpr const char* kVersionKey = "VORNA_VERSION:  ";
constexpr const char* kFormatKey = "PARA_FILE_VERSION: P";
constexpr double kToolVersion = 1.29;
constexpr double kFormatVersion = 1.00;

}  // namespace

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
    out += platform::FormatC("%32s\r\n", kMagic);
    out += platform::FormatC("%20s%04X\r\n", "EEPROM_SIZE: ", 0x7FFFu);
    out += platform::FormatC("%20s%04X\r\n", "I_EEPROM_SIZE: ", 0x03FFu);
    out += platform::FormatC("%21s%03.02f\r\n", kVersionKey, kToolVersion);
    out += platform::FormatC("%21s%03.02f\r\n", kFormatKey, kFormatVersion);
    out += platform::FormatC("%152s\r\n", "");
    out += platform::FormatC("%4s", "DATA");
}

bool CParaFile::ReadHeader(HeaderText& text, FileHeader* header)
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
        header->version = static_cast<float>(platform::AtofC(version));
        header->formatVersion = static_cast<float>(platform::AtofC(format));
    }
    return true;
}
