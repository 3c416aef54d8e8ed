// CParaDaten: the controller settings, the potentiostat record and the welcome screen of the display.
#include "store/CParaDaten.h"

#include "store/CEepromFile.h"
#include "store/ImageLayout.h"

#include <cstring>

namespace {

constexpr UINT kReglerSize = 64;
constexpr UINT kPotentiostatSize = 120;
constexpr UINT kBegruessungSize = 128;
constexpr UINT kBegruessungLines = 2;    // first byte of line 1
constexpr UINT kBegruessungMark = 127;   // 0 when the lines are the user's own

BYTE Bit(BYTE value, int bit) { return static_cast<BYTE>((value >> bit) & 1); }

// The display's own codes for the characters it shows beyond printable ASCII.
struct DisplayChar {
    BYTE display;
    BYTE windows;       // back to Windows-1252
    BYTE windowsUpper;  // the capital that is shown the same, 0 when none
};
constexpr DisplayChar kDisplayChars[] = {
    {127, 176, 0},    // degree sign
    {128, 228, 196},  // ä, Ä
    {129, 246, 214},  // ö, Ö
    {130, 252, 220},  // ü, Ü
};

}  // namespace

bool CParaDaten::GetReglerEinst(int file, ReglerEinstellungen& record)
{
    CEepromFile* f = GetFile(file);
    BYTE b[kReglerSize];
    if (!f || !f->ReadBytes(layout::kAreaEeprom, layout::kReglerEinstellungen, sizeof b, b))
        return false;
    ReglerEinstellungen r;
    r.formatMark = b[0];
    r.contrast = b[1] & 0x3F;
    r.autoSummerTime = Bit(b[1], 6);
    r.autoFuncView = Bit(b[1], 7);
    r.brightness = b[2] & 0x0F;
    r.lightOff = b[2] >> 4;
    r.expertCode[0] = b[3] & 0x0F;
    r.expertCode[1] = b[3] >> 4;
    r.expertCode[2] = b[4] & 0x0F;
    r.expertCode[3] = b[4] >> 4;
    r.lockParameters = Bit(b[6], 0);
    r.lockOutputs = Bit(b[6], 1);
    r.lockMenu = Bit(b[6], 3) ? 0 : 1;  // stored inverted
    record = r;
    return true;
}

bool CParaDaten::SetReglerEinst(int file, ReglerEinstellungen r)
{
    CEepromFile* f = GetFile(file);
    if (!f)
        return false;
    BYTE b[kReglerSize];
    std::memset(b, 0xFF, sizeof b);
    // Every field is masked to its bits, so that an out-of-range value cannot change a neighbouring setting.
    b[0] = 3;
    b[1] = static_cast<BYTE>((r.contrast & 0x3F) | (r.autoSummerTime & 1) << 6 | (r.autoFuncView & 1) << 7);
    b[2] = static_cast<BYTE>((r.brightness & 0x0F) | (r.lightOff & 0x0F) << 4);
    b[3] = static_cast<BYTE>((r.expertCode[0] & 0x0F) | (r.expertCode[1] & 0x0F) << 4);
    b[4] = static_cast<BYTE>((r.expertCode[2] & 0x0F) | (r.expertCode[3] & 0x0F) << 4);
    b[5] = 0;
    // Bits 2 and 4..7 are always 1.
    b[6] = static_cast<BYTE>((r.lockParameters & 1) | (r.lockOutputs & 1) << 1 | 0x04 | (r.lockMenu == 0) << 3 | 0xF0);
    return f->WriteBytes(layout::kAreaEeprom, layout::kReglerEinstellungen, sizeof b, b);
}

bool CParaDaten::GetPotentiostat(int file, PotentiostatParam& record)
{
    CEepromFile* f = GetFile(file);
    BYTE b[kPotentiostatSize];
    if (!f || !f->ReadBytes(layout::kAreaEeprom, layout::kPotentiostat, sizeof b, b))
        return false;
    PotentiostatParam r;
    r.release = Bit(b[0], 0);
    record = r;
    return true;
}

bool CParaDaten::SetPotentiostat(int file, PotentiostatParam r)
{
    CEepromFile* f = GetFile(file);
    if (!f)
        return false;
    BYTE b[kPotentiostatSize];
    std::memset(b, 0xFF, sizeof b);
    b[0] = r.release & 1;
    b[1] = 0xE0;
    b[2] = 0xF0;
    for (UINT start : {64u, 80u, 96u, 112u})
        std::memset(b + start, 0x00, 6);
    return f->WriteBytes(layout::kAreaEeprom, layout::kPotentiostat, sizeof b, b);
}

void CParaDaten::GetDefaultBegruessung(BegruessungsText& record)
{
    record.flag = 0;
    record.lines[0] = "  KAVELM. STEUERKON.";
    record.lines[1] = "Homepage: kavelmor.com";
    record.lines[2] = "----------------------";
    record.lines[3] = "       KRX9274";
}

bool CParaDaten::GetBegruessung(int file, BegruessungsText& record)
{
    CEepromFile* f = GetFile(file);
    BYTE b[kBegruessungSize];
    if (!f || !f->ReadBytes(layout::kAreaEeprom, layout::kBegruessung, sizeof b, b))
        return false;
    if (b[kBegruessungMark] != 0) {
        GetDefaultBegruessung(record);
        return true;
    }
    record.flag = 1;
    for (int line = 0; line < 4; ++line) {
        CString text(reinterpret_cast<const char*>(b + kBegruessungLines + BegruessungsText::kLineLength * line),
                     BegruessungsText::kLineLength);
        FromReglerZeichen(text, ' ');
        text.TrimRight(' ');
        record.lines[line] = text;
    }
    return true;
}

bool CParaDaten::SetBegruessung(int file, BegruessungsText record)
{
    CEepromFile* f = GetFile(file);
    if (!f)
        return false;
    BYTE b[kBegruessungSize];
    std::memset(b, 0xFF, sizeof b);
    if (record.flag != 0) {
        b[kBegruessungMark] = 0;
        for (int line = 0; line < 4; ++line) {
            CString text = record.lines[line].Left(BegruessungsText::kLineLength);
            ToReglerZeichen(text, ' ');
            BYTE* place = b + kBegruessungLines + BegruessungsText::kLineLength * line;
            std::memset(place, ' ', BegruessungsText::kLineLength);
            std::memcpy(place, text.GetString(), static_cast<size_t>(text.GetLength()));
        }
    }
    return f->WriteBytes(layout::kAreaEeprom, layout::kBegruessung, sizeof b, b);
}

void CParaDaten::ToReglerZeichen(CString& text, char replacement)
{
    for (int i = 0; i < text.GetLength(); ++i) {
        const BYTE c = static_cast<BYTE>(text[i]);
        if (c >= 32 && c <= 126)
            continue;
        char out = replacement;
        for (const DisplayChar& d : kDisplayChars) {
            if (c == d.windows || (d.windowsUpper != 0 && c == d.windowsUpper))
                out = static_cast<char>(d.display);
        }
        text.SetAt(i, out);
    }
}

void CParaDaten::FromReglerZeichen(CString& text, char replacement)
{
    for (int i = 0; i < text.GetLength(); ++i) {
        const BYTE c = static_cast<BYTE>(text[i]);
        if (c >= 32 && c <= 126)
            continue;
        char out = replacement;
        for (const DisplayChar& d : kDisplayChars) {
            if (c == d.display)
                out = static_cast<char>(d.windows);
        }
        text.SetAt(i, out);
    }
}
