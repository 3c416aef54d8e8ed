// CParaDaten: the controller settings, the potentiostat record and the welcome screen of the display.
#include "store/CParaDaten.h"

#include "store/CEepromFile.h"
#include "store/ImageLayout.h"
#include "store/PlantFields.h"
#include "store/RecordCodec.h"

#include <cstddef>
#include <cstring>

namespace {

constexpr UINT kReglerSize = 64;
constexpr UINT kPotentiostatSize = 120;
constexpr UINT kBegruessungSize = 128;
constexpr UINT kBegruessungLines = 2;    // first byte of line 1
constexpr UINT kBegruessungMark = 127;   // 0 when the lines are the user's own

// The decoded byte where a member of a record begins.
#define AT(Record, member) static_cast<BYTE>(offsetof(Record, member))

// The controller settings. Every field is kept to its bits, so that an out-of-range value cannot change a
// neighbouring setting. The menu lock, stored inverted in bit 3 of byte 6, is coded by hand; of the bits no field
// owns, byte 5 is written 0 and every other bit 1.
constexpr record::FieldCodec kReglerFields[] = {
    record::Byte(AT(ReglerEinstellungen, formatMark), 0),
    record::Bits(AT(ReglerEinstellungen, contrast), 1, 0, 6),
    record::Bit(AT(ReglerEinstellungen, autoSummerTime), 1, 6),
    record::Bit(AT(ReglerEinstellungen, autoFuncView), 1, 7),
    record::Bits(AT(ReglerEinstellungen, brightness), 2, 0, 4),
    record::Bits(AT(ReglerEinstellungen, lightOff), 2, 4, 4),
    record::Bits(AT(ReglerEinstellungen, expertCode[0]), 3, 0, 4),
    record::Bits(AT(ReglerEinstellungen, expertCode[1]), 3, 4, 4),
    record::Bits(AT(ReglerEinstellungen, expertCode[2]), 4, 0, 4),
    record::Bits(AT(ReglerEinstellungen, expertCode[3]), 4, 4, 4),
    record::Bit(AT(ReglerEinstellungen, lockParameters), 6, 0),
    record::Bit(AT(ReglerEinstellungen, lockOutputs), 6, 1),
};
static_assert(record::StoredEnd(kReglerFields) <= kReglerSize);
static_assert(record::DecodesEveryField(kReglerFields, record::kReglerFields, 0,
                                        {offsetof(ReglerEinstellungen, lockMenu)}));
constexpr BYTE kFormatMark = 3;  // what every write stores as the format mark
constexpr unsigned kReglerZeroByte = 5;
constexpr unsigned kLockByte = 6;
constexpr BYTE kLockMenuClear = 1 << 3;  // a clear bit means locked

// The potentiostat: only the release flag is decoded; a write restores the fixed image around it.
constexpr record::FieldCodec kPotentiostatFields[] = {record::Bit(AT(PotentiostatParam, release), 0, 0)};
static_assert(record::DecodesEveryField(kPotentiostatFields, record::kPotentiostatFields));

#undef AT

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
    record::Decode(kReglerFields, b, record::Fields(r));
    r.lockMenu = b[kLockByte] & kLockMenuClear ? 0 : 1;
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
    b[kReglerZeroByte] = 0;
    r.formatMark = kFormatMark;
    record::Encode(kReglerFields, record::Fields(r), b);
    if (r.lockMenu != 0)
        b[kLockByte] &= static_cast<BYTE>(~kLockMenuClear);
    return f->WriteBytes(layout::kAreaEeprom, layout::kReglerEinstellungen, sizeof b, b);
}

bool CParaDaten::GetPotentiostat(int file, PotentiostatParam& record)
{
    CEepromFile* f = GetFile(file);
    BYTE b[kPotentiostatSize];
    if (!f || !f->ReadBytes(layout::kAreaEeprom, layout::kPotentiostat, sizeof b, b))
        return false;
    PotentiostatParam r;
    record::Decode(kPotentiostatFields, b, record::Fields(r));
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
    b[0] = 0;
    b[1] = 0xE0;
    b[2] = 0xF0;
    for (UINT start : {64u, 80u, 96u, 112u})
        std::memset(b + start, 0x00, 6);
    record::Encode(kPotentiostatFields, record::Fields(r), b);
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
