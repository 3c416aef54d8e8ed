// Builds new image files line by line from the file format: header lines of fixed widths, then data lines of
// CR LF ":" count address and data.
#include "GoldenImage.h"

#include <cstdarg>
#include <cstdio>

namespace golden {

namespace {

std::string Printf(const char* format, ...) __attribute__((format(printf, 1, 2)));
std::string Printf(const char* format, ...)
{
    char buffer[512];
    va_list args;
    va_start(args, format);
    int n = std::vsnprintf(buffer, sizeof buffer, format, args);
    va_end(args);
    return std::string(buffer, static_cast<size_t>(n));
}

std::string Header(const char* magic, const char* line4, const char* line5)
{
    std::string h;
    h += Printf("%32s\r\n", magic);
    h += Printf("%20s%04X\r\n", "EEPROM_SIZE: ", 0x7FFF);
    h += Printf("%20s%04X\r\n", "I_EEPROM_SIZE: ", 0x03FF);
    h += std::string(line4) + "\r\n";
    h += std::string(line5) + "\r\n";
    h += std::string(152, ' ') + "\r\n";
    h += "DATA";
    return h;
}

std::string ByteLines(const std::vector<unsigned char>& bytes, unsigned firstLabel)
{
    std::string s;
    for (size_t line = 0; line < bytes.size() / 32; ++line) {
        s += Printf("\r\n:20%04X", static_cast<unsigned>(firstLabel + 32 * line));
        for (size_t i = 0; i < 32; ++i)
            s += Printf("%02X", bytes[32 * line + i]);
    }
    return s;
}

}  // namespace

std::vector<unsigned char> DefaultImage(int expertCode)
{
    std::vector<unsigned char> m(32768, 0xFF);
    auto set = [&](unsigned from, std::vector<unsigned char> values) {
        for (size_t i = 0; i < values.size(); ++i)
            m[from + i] = values[i];
    };
    auto fill = [&](unsigned from, unsigned to, unsigned char value) {
        for (unsigned a = from; a <= to; ++a)
            m[a] = value;
    };
    int thousands = expertCode / 1000 % 10, hundreds = expertCode / 100 % 10;
    int tens = expertCode / 10 % 10, units = expertCode % 10;
    set(0, {0x03, 0x69, 0x0A, static_cast<unsigned char>(tens << 4 | units),
            static_cast<unsigned char>(thousands << 4 | hundreds), 0x00, 0xFC});
    set(128, {0x04, 0x01, 0x01});
    fill(192, 197, 0);
    fill(208, 213, 0);
    fill(224, 229, 0);
    fill(240, 245, 0);
    // CAN data logging: master node 62, time-out 60 s, then sources of four bytes (kind, number, FF, FF).
    set(5888, {62, 60});
    for (int n = 1; n <= 13; ++n) {
        set(6016 + 4 * (n - 1), {2, static_cast<unsigned char>(n)});
        set(6068 + 4 * (n - 1), {99, static_cast<unsigned char>(n)});
    }
    for (int n = 1; n <= 16; ++n) {
        set(6144 + 4 * (n - 1), {1, static_cast<unsigned char>(n)});
        set(6208 + 4 * (n - 1), {99, static_cast<unsigned char>(16 + n)});
    }
    fill(6272, 6399, 0);
    set(6656, {0x81, 0xFF});
    set(6720, {0x01, 0x05, 0x0A, 0x1E, 0x05, 0x0A, 0x1E, 0x05, 0x0A, 0x1E, 0x05, 0x0A, 0x1E, 0x05, 0x0A});
    fill(6752, 6759, 0x3C);
    for (unsigned a = 6916; a <= 7156; a += 16)
        m[a] = 0x0F;
    fill(7416, 7419, 0);
    fill(7420, 7423, 0x1E);
    for (unsigned group = 7424; group < 7776; group += 8) {
        m[group] = 0;
        m[group + 2] = 0;
    }
    return m;
}

std::string ParaHeader()
{
    return Header("KAVELMOR_STEUERKONTORE_PARA_FILE", "     VORNA_VERSION:  1.29", " PARA_FILE_VERSION: P1.00");
}

std::string DataHeader()
{
    return Header("KAVELMOR_STEUERKONTORE_DATA_FILE", "CONTROLLER_VERSION: A0.00", " DATA_FILE_VERSION: D1.00");
}

std::string DataFile(int expertCode)
{
    return DataHeader() + ByteLines(DefaultImage(expertCode), 0) +
           ByteLines(std::vector<unsigned char>(1024, 0xFF), 0x8000);
}

std::string ParaFile(int expertCode)
{
    std::string s = ParaHeader() + ByteLines(DefaultImage(expertCode), 0) +
                    ByteLines(std::vector<unsigned char>(1024, 0xFF), 0x8000) + "\r\n\r\nPAR_DATA";
    for (unsigned line = 0; line < 1024; ++line)
        s += Printf("\r\n:40%04X", 64 * line) + std::string(64, 'F');
    return s;
}

}  // namespace golden
