// The memory-image text file: opening, header, default image and field access by file position.
#include "store/CEepromFile.h"

#include "platform/CLocale.h"
#include "platform/TextFile.h"
#include "platform/Win32File.h"
#include "store/CIniSettings.h"

#include <algorithm>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>

namespace {

constexpr char kHexDigits[] = "0123456789ABCDEF";
constexpr size_t kMaxHeaderLine = 199;
constexpr size_t kHeaderReadSize = 2048;  // seven lines of at most 199 characters and their line ends

int HexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}

UINT CharsPerLine(int area) { return area == 2 ? 64 : 32; }
UINT CharsPerUnit(int area) { return area == 2 ? 1 : 2; }

void AppendDataLines(std::string& out, int area, const BYTE* bytes, const char* chars)
{
    const UINT lines = area == 1 ? 32 : 1024;
    const UINT label0 = area == 1 ? 0x8000 : 0;
    const UINT perLine = CharsPerLine(area);
    char head[10];
    for (UINT line = 0; line < lines; ++line) {
        UINT label = label0 + line * perLine;
        head[0] = '\r';
        head[1] = '\n';
        head[2] = ':';
        head[3] = kHexDigits[(perLine >> 4) & 0xF];
        head[4] = kHexDigits[perLine & 0xF];
        for (int i = 0; i < 4; ++i)
            head[5 + i] = kHexDigits[(label >> (12 - 4 * i)) & 0xF];
        out.append(head, 9);
        if (area == 2) {
            out.append(chars + line * perLine, perLine);
        } else {
            for (UINT i = 0; i < perLine; ++i) {
                BYTE b = bytes ? bytes[line * perLine + i] : 0xFF;
                out += kHexDigits[b >> 4];
                out += kHexDigits[b & 0xF];
            }
        }
    }
}

}  // namespace

CEepromFile::CEepromFile(const CString& path) : m_path(path) {}

CEepromFile::~CEepromFile()
{
    Close();
}

long CEepromFile::Position(int area, UINT address)
{
    if (area == 2)
        return kArea2Start + kLineSize * (address / 64) + kLineStart + (address % 64);
    long start = area == 1 ? kArea1Start : kArea0Start;
    return start + kLineSize * (address / 32) + kLineStart + 2 * (address % 32);
}

bool CEepromFile::RangeAllowed(int area, UINT address, UINT count)
{
    unsigned long long end = static_cast<unsigned long long>(address) + count;
    switch (area) {
    case 0:
        return end < 32768;
    case 1:
        return end < 1024;
    case 2:
        return end <= 65535;
    default:
        return false;
    }
}

bool CEepromFile::Open(int mode)
{
    if (m_state == mode && m_file.IsOpen())
        return true;
    Close();
    bool ok = false;
    if (mode == kCreated) {
        // The read-only attribute refuses writing whoever runs the program; checked before anything is truncated.
        DWORD attributes = GetFileAttributesA(m_path);
        if (attributes == INVALID_FILE_ATTRIBUTES || !(attributes & FILE_ATTRIBUTE_READONLY)) {
            ok = m_file.Open(m_path, O_WRONLY | O_CREAT | O_TRUNC);
            m_bHeaderValid = NewFileHeaderValid() ? 1 : 0;
        }
    } else if (mode == kReadWrite || mode == kReadOnly) {
        ok = m_file.Open(m_path, mode == kReadWrite ? O_RDWR : O_RDONLY, 0666, m_bReplacedWhole) &&
             !(mode == kReadWrite && m_file.IsReadOnly()) && ReadHeaderFromStart(nullptr);
    }
    if (!ok) {
        Close();
        m_state = kFailed;
        return false;
    }
    m_state = mode;
    return true;
}

void CEepromFile::Close()
{
    m_file.Close();
    m_state = kClosed;
}

bool CEepromFile::ReadHeaderFromStart(FileHeader* header)
{
    HeaderText text;
    size_t available = 0;
    const char* bytes = m_file.Read(0, kHeaderReadSize, available);
    if (bytes)
        text.bytes.assign(bytes, available);
    return ReadHeader(text, header);
}

bool CEepromFile::CheckHeader(FileHeader* header)
{
    return Open(kReadWrite) && ReadHeaderFromStart(header);
}

bool CEepromFile::ReadLine(HeaderText& text, CString& line)
{
    std::string s;
    const std::string& b = text.bytes;
    if (text.pos >= b.size()) {
        line.Empty();
        return false;
    }
    while (text.pos < b.size() && s.size() < kMaxHeaderLine) {
        char c = b[text.pos];
        if (c == '\n') {
            ++text.pos;
            break;
        }
        if (c == '\r' && text.pos + 1 < b.size() && b[text.pos + 1] == '\n') {
            text.pos += 2;
            break;
        }
        s += c;
        ++text.pos;
    }
    line = CString(std::move(s));
    line.TrimLeft(' ');
    return true;
}

bool CEepromFile::CreateImage(bool parData)
{
    // The working files live in a folder of their own that may not exist yet.
    std::string path = m_path.str();
    size_t slash = path.find_last_of('/');
    if (slash != std::string::npos && slash > 0)
        _mkdir(path.substr(0, slash).c_str());
    Close();
    // The read-only attribute refuses writing whoever runs the program; a device or folder is never replaced.
    struct stat existing {};
    if (stat(m_path, &existing) == 0 &&
        (!S_ISREG(existing.st_mode) || (GetFileAttributesA(m_path) & FILE_ATTRIBUTE_READONLY))) {
        m_state = kFailed;
        return false;
    }
    m_bHeaderValid = NewFileHeaderValid() ? 1 : 0;

    std::string out;
    out.reserve(parData ? kParaFileSize : kDataFileSize);
    WriteHeader(out);
    BYTE image[32768];
    BuildDefaultImage(image);
    AppendDataLines(out, 0, image, nullptr);
    AppendDataLines(out, 1, nullptr, nullptr);
    if (parData) {
        out += "\r\n\r\nPAR_DATA";
        std::string free(65536, 'F');
        AppendDataLines(out, 2, nullptr, free.data());
    }
    const bool ok = platform::WriteFileAtomically(m_path, out);
    m_state = ok ? kClosed : kFailed;
    return ok;
}

bool CEepromFile::IsSound()
{
    if (!Open(kReadOnly) || !ReadHeaderFromStart(nullptr) || m_file.Size() != ImageSize())
        return false;
    size_t got = 0;
    const char* image = m_file.Read(0, static_cast<size_t>(ImageSize()), got);
    return image && got == static_cast<size_t>(ImageSize()) && HasSoundLines(image, ImageSize() == kParaFileSize);
}

bool CEepromFile::HasSoundLines(const char* image, bool parData)
{
    // One run of lines: its first line's position, count, label of the first line and the line count.
    struct Run {
        long start;
        UINT perLine;
        UINT firstLabel;
        UINT lines;
        bool hexData;
    };
    const Run runs[] = {
        {kArea0Start, 32, 0x0000, 1024, true},
        {kArea1Start, 32, 0x8000, 32, true},
        {kArea2Start, 64, 0x0000, 1024, false},
    };
    auto hexField = [&](long at, int digits) {
        UINT value = 0;
        for (int i = 0; i < digits; ++i) {
            const int d = HexValue(image[at + i]);
            if (d < 0)
                return -1;
            value = value * 16 + static_cast<UINT>(d);
        }
        return static_cast<int>(value);
    };
    for (const Run& run : runs) {
        if (!run.hexData && !parData)
            break;
        for (UINT line = 0; line < run.lines; ++line) {
            const long at = run.start + kLineSize * static_cast<long>(line);
            if (image[at] != '\r' || image[at + 1] != '\n' || image[at + 2] != ':' ||
                hexField(at + 3, 2) != static_cast<int>(run.perLine) ||
                hexField(at + 5, 4) != static_cast<int>(run.firstLabel + line * run.perLine))
                return false;
            for (long i = 0; run.hexData && i < 64; ++i)
                if (HexValue(image[at + kLineStart + i]) < 0)
                    return false;
        }
    }
    // Between areas 1 and 2 of a parameter file: two line ends and the key.
    return !parData || std::memcmp(image + kDataFileSize, "\r\n\r\nPAR_DATA", 12) == 0;
}

size_t CEepromFile::ReadData(int area, UINT address, UINT count, char* out)
{
    if (count == 0)
        return 0;
    const UINT unit = CharsPerUnit(area);
    const long first = Position(area, address);
    const long end = Position(area, address + count - 1) + unit;
    size_t got = 0;
    const char* run = m_file.Read(first, static_cast<size_t>(end - first), got);
    size_t done = 0;
    for (UINT i = 0; run && i < count; ++i) {
        size_t offset = static_cast<size_t>(Position(area, address + i) - first);
        if (offset + unit > got)
            break;
        std::memcpy(out + done, run + offset, unit);
        done += unit;
    }
    return done;
}

bool CEepromFile::WriteData(int area, UINT address, UINT count, const char* data)
{
    if (count == 0)
        return true;
    const UINT unit = CharsPerUnit(area);
    const UINT perLine = CharsPerLine(area);
    const long first = Position(area, address);
    if (address / perLine == (address + count - 1) / perLine)
        return m_file.Write(first, data, static_cast<size_t>(count) * unit);
    // Across line ends: the run with the line starts it passes, written back in one piece.
    const long end = Position(area, address + count - 1) + unit;
    size_t got = 0;
    const char* run = m_file.Read(first, static_cast<size_t>(end - first), got);
    if (run && got == static_cast<size_t>(end - first)) {
        m_scratch.assign(run, got);
        for (UINT i = 0; i < count; ++i)
            std::memcpy(m_scratch.data() + (Position(area, address + i) - first), data + i * unit, unit);
        return m_file.Write(first, m_scratch.data(), m_scratch.size());
    }
    // The file ends inside the run: line by line, leaving the line starts alone.
    for (UINT i = 0; i < count;) {
        UINT n = std::min(count - i, perLine - (address + i) % perLine);
        if (!m_file.Write(Position(area, address + i), data + i * unit, static_cast<size_t>(n) * unit))
            return false;
        i += n;
    }
    return true;
}

bool CEepromFile::WriteBytes(int area, UINT address, UINT count, const BYTE* bytes)
{
    if (!Open(kReadWrite) || !Seek(area, address, count) || area == 2)
        return false;
    std::string chars(static_cast<size_t>(count) * 2, '\0');
    for (UINT i = 0; i < count; ++i) {
        chars[2 * i] = kHexDigits[bytes[i] >> 4];
        chars[2 * i + 1] = kHexDigits[bytes[i] & 0xF];
    }
    return WriteData(area, address, count, chars.data());
}

bool CEepromFile::ReadBytes(int area, UINT address, UINT count, BYTE* buffer)
{
    if (!RangeAllowed(area, address, count) || area == 2)
        return false;
    std::memset(buffer, 0xFF, count);
    if (!Open(kReadWrite) || !Seek(area, address, count))
        return false;
    std::string chars(static_cast<size_t>(count) * 2, '\0');
    size_t got = ReadData(area, address, count, chars.data());
    for (UINT i = 0; i < count; ++i) {
        if (2 * i + 2 > got)
            return false;
        int hi = HexValue(chars[2 * i]);
        int lo = HexValue(chars[2 * i + 1]);
        if (hi < 0 || lo < 0)
            return false;
        buffer[i] = static_cast<BYTE>(hi * 16 + lo);
    }
    return true;
}

bool CEepromFile::WriteChars(UINT address, UINT count, const char* chars)
{
    if (!Open(kReadWrite) || !Seek(2, address, count))
        return false;
    return WriteData(2, address, count, chars);
}

bool CEepromFile::ReadFieldChars(UINT address, UINT count, char* out, UINT& got)
{
    got = 0;
    if (!Open(kReadWrite) || !Seek(2, address, count))
        return false;
    got = static_cast<UINT>(ReadData(2, address, count, out));
    return true;
}

bool CEepromFile::ReadChars(UINT address, UINT count, char* buffer)
{
    UINT got = 0;
    return ReadFieldChars(address, count, buffer, got) && got == count;
}

bool CEepromFile::WriteHex(UINT address, BYTE digits, UINT value)
{
    std::string chars(digits, '0');
    for (UINT j = 0; j < digits && 4 * j < 32; ++j)
        chars[digits - 1 - j] = kHexDigits[(value >> (4 * j)) & 0xF];
    return WriteChars(address, digits, chars.data());
}

bool CEepromFile::WriteDec(UINT address, BYTE digits, UINT value)
{
    std::string chars(digits, '0');
    for (UINT j = 0; j < digits && value > 0; ++j, value /= 10)
        chars[digits - 1 - j] = static_cast<char>('0' + value % 10);
    return WriteChars(address, digits, chars.data());
}

bool CEepromFile::ReadHex(UINT address, BYTE digits, int& value)
{
    value = -1;
    char chars[256];
    UINT got = 0;
    if (!ReadFieldChars(address, digits, chars, got))
        return false;
    unsigned int v = 0;
    for (UINT i = 0; i < got; ++i) {
        int d = HexValue(chars[i]);
        if (d < 0)
            return true;
        v = v * 16 + static_cast<unsigned>(d);
    }
    if (got < digits)
        return false;
    value = static_cast<int>(v);
    return true;
}

bool CEepromFile::ReadDec(UINT address, BYTE digits, int& value)
{
    char chars[256];
    UINT got = 0;
    if (!ReadFieldChars(address, digits, chars, got))
        return false;
    unsigned int v = 0;
    for (UINT i = 0; i < got; ++i) {
        if (chars[i] < '0' || chars[i] > '9') {
            value = -1;
            return true;
        }
        v = v * 10 + static_cast<unsigned>(chars[i] - '0');
    }
    if (got < digits) {
        value = -1;
        return false;
    }
    value = static_cast<int>(v);
    return true;
}

bool CEepromFile::WriteText(UINT address, BYTE width, const CString& text)
{
    std::string chars(width, ' ');
    const std::string& s = text.str();
    size_t n = std::min<size_t>(s.size(), width);
    std::memcpy(chars.data() + (width - n), s.data() + (s.size() - n), n);
    return WriteChars(address, width, chars.data());
}

bool CEepromFile::ReadText(UINT address, BYTE count, CString& text)
{
    text.Empty();
    char chars[256];
    UINT got = 0;
    bool ok = ReadFieldChars(address, count, chars, got);
    text = CString(std::string(chars, got));
    text.TrimLeft(' ');
    return ok && got == count;
}

void CEepromFile::DefaultLogging(BYTE* block)
{
    std::memset(block + 4, 0xFF, kDefaultLoggingSize - 4);
    block[0] = 62;  // master node of the data logging
    block[1] = 60;  // time-out: 60 seconds
    // Four bytes per source: kind, number, 255, 255.
    struct Run {
        unsigned offset;
        BYTE kind;
        BYTE firstNumber;
        unsigned count;
    };
    static constexpr Run kRuns[] = {
        {4, 1, 1, 16},     // data set 1, analog: inputs 1 to 16
        {68, 99, 17, 16},  // data set 2, analog: analog network inputs 17 to 32
        {132, 2, 1, 13},   // data set 1, digital: outputs 1 to 13
        {184, 99, 1, 13},  // data set 2, digital: digital network inputs 1 to 13
    };
    for (const Run& run : kRuns) {
        for (unsigned i = 0; i < run.count; ++i) {
            block[run.offset + 4 * i] = run.kind;
            block[run.offset + 4 * i + 1] = static_cast<BYTE>(run.firstNumber + i);
        }
    }
}

void CEepromFile::BuildDefaultImage(BYTE* image)
{
    std::memset(image, 0xFF, 32768);
    image[0] = 0x03;
    image[1] = 0x69;
    image[2] = 0x0A;

    int code;
    {
        CIniSettings* settings = new CIniSettings;
        code = settings->GetExpertenKennzahl();
        delete settings;
    }
    // A code of more than four digits (or a negative one) cannot be packed: the default takes its place.
    if (code < 0 || code > 9999)
        code = kDefaultExpertenKennzahl;
    image[3] = static_cast<BYTE>((code / 10 % 10) * 16 + code % 10);
    image[4] = static_cast<BYTE>((code / 1000 % 10) * 16 + code / 100 % 10);
    image[5] = 0x00;
    image[6] = 0xFC;

    image[128] = 0x04;
    image[129] = 0x01;
    image[130] = 0x01;
    for (unsigned start : {192u, 208u, 224u, 240u})
        std::memset(image + start, 0x00, 6);

    BYTE logging[kDefaultLoggingSize];
    std::memset(logging, 0xFF, sizeof logging);
    DefaultLogging(logging);
    image[5888] = logging[0];
    image[5889] = logging[1];
    std::memcpy(image + 6144, logging + 4, 64);
    std::memcpy(image + 6208, logging + 68, 64);
    std::memcpy(image + 6016, logging + 132, 52);
    std::memcpy(image + 6068, logging + 184, 52);

    std::memset(image + 6272, 0x00, 128);
    image[6656] = 0x81;
    image[6657] = 0xFF;
    static constexpr BYTE kSendebedingungen[] = {0x01, 0x05, 0x0A, 0x1E, 0x05, 0x0A, 0x1E, 0x05,
                                                 0x0A, 0x1E, 0x05, 0x0A, 0x1E, 0x05, 0x0A};
    std::memcpy(image + 6720, kSendebedingungen, sizeof kSendebedingungen);
    std::memset(image + 6752, 0x3C, 8);
    for (unsigned a = 6912; a < 7168; ++a)
        image[a] = (a - 6912) % 16 == 4 ? 0x0F : 0xFF;
    std::memset(image + 7416, 0x00, 4);
    std::memset(image + 7420, 0x1E, 4);
    for (unsigned a = 7424; a < 7776; a += 8) {
        image[a] = 0x00;
        image[a + 2] = 0x00;
    }
}

void CEepromFile::WriteHeaderLines(std::string& out, const HeaderKeys& keys)
{
    out += platform::FormatC("%32s\r\n", keys.magic);
    out += platform::FormatC("%20s%04X\r\n", "EEPROM_SIZE: ", 0x7FFFu);
    out += platform::FormatC("%20s%04X\r\n", "I_EEPROM_SIZE: ", 0x03FFu);
    out += platform::FormatC("%21s%03.02f\r\n", keys.versionKey, keys.version);
    out += platform::FormatC("%21s%03.02f\r\n", keys.formatKey, keys.formatVersion);
    out += platform::FormatC("%152s\r\n", "");
    out += platform::FormatC("%4s", "DATA");
}

bool CEepromFile::ReadHeaderLines(HeaderText& text, const HeaderKeys& keys, FileHeader* header)
{
    text.pos = 0;
    CString line;
    ReadLine(text, line);
    if (line != keys.magic)
        return false;
    m_bHeaderValid = 1;
    CString version;
    CString format;
    ReadLine(text, line);
    ReadLine(text, line);
    ReadLine(text, version);
    version.TrimLeft(keys.versionKey);
    ReadLine(text, format);
    format.TrimLeft(keys.formatKey);
    ReadLine(text, line);
    ReadLine(text, line);
    if (line != "DATA")
        return false;
    if (header) {
        header->magic = keys.magic;
        header->version = version.IsEmpty() ? keys.emptyVersion : static_cast<float>(platform::AtofC(version));
        header->formatVersion =
            format.IsEmpty() ? keys.emptyFormatVersion : static_cast<float>(platform::AtofC(format));
    }
    return true;
}
