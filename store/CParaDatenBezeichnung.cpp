// CParaDaten: the designation code byte of a function and the 16 user-defined designations.
//
// For a type with k standard names the code is 1 to 10k a standard name with digit, the next 160 one of the 16
// user-defined names with digit, and 10k + 161 or above no designation.
#include "store/CParaDaten.h"

#include "store/CEepromFile.h"
#include "store/ImageLayout.h"
#include "texttables/StandardDesignations.h"

#include <cstring>

namespace {

constexpr BYTE kWritten = 0x01;  // fills a user-defined designation after its text; byte 12 marks it written

}  // namespace

void CParaDaten::DecodeBezeichnung(const char* kind, BYTE code, Bezeichnung& designation)
{
    const unsigned k = texts::StandardDesignationCount(kind);
    const unsigned c = code;
    designation = Bezeichnung();
    if (c >= 1 && c <= 10 * k) {
        designation.index = static_cast<BYTE>((c - 1) / 10 + 1);
        designation.digit = static_cast<BYTE>((c - 1) % 10);
    } else if (c > 10 * k && c <= 10 * k + 160) {
        designation.group = 1;
        designation.index = static_cast<BYTE>((c - 1) / 10 - k);
        designation.digit = static_cast<BYTE>((c - 1) % 10);
    }
}

BYTE CParaDaten::EncodeBezeichnung(const char* kind, const Bezeichnung& designation)
{
    const unsigned k = texts::StandardDesignationCount(kind);
    const unsigned none = 10 * k + 161;
    const unsigned digit = designation.digit;
    // A designation that has no code of its own (an index outside its list, a digit above 9) is none, so that it
    // can never be read back as another designation.
    if (digit > 9)
        return static_cast<BYTE>(none);
    if (designation.group != 0)
        return static_cast<BYTE>(designation.index <= 15 ? 10 * (k + designation.index) + digit + 1 : none);
    if (designation.index == 0 || designation.index > k)
        return static_cast<BYTE>(none);
    return static_cast<BYTE>(10 * (designation.index - 1u) + digit + 1);
}

CString CParaDaten::GetUserBezeichnung(int file, BYTE n)
{
    CString text;
    if (!ReadUserBezeichnung(file, n, text) && GetFile(file) && n >= 1 && n <= layout::kUserBezeichnungen) {
        // A read that fails reads as never written.
        text.Format("%2d - - - - -", n);
        text = text.Left(layout::kUserBezeichnungLength);
    }
    return text;
}

bool CParaDaten::ReadUserBezeichnung(int file, BYTE n, CString& text)
{
    CEepromFile* f = GetFile(file);
    if (!f || n < 1 || n > layout::kUserBezeichnungen)
        return false;
    BYTE bytes[layout::kUserBezeichnungSize];
    if (!f->ReadBytes(layout::kAreaEeprom, layout::UserBezeichnung(n), sizeof bytes, bytes))
        return false;
    if (bytes[12] == kWritten) {
        const void* end = std::memchr(bytes, kWritten, layout::kUserBezeichnungLength);
        size_t length = end ? static_cast<size_t>(static_cast<const BYTE*>(end) - bytes) : layout::kUserBezeichnungLength;
        text = CString(reinterpret_cast<const char*>(bytes), static_cast<int>(length));
        return true;
    }
    text.Format("%2d - - - - -", n);
    text = text.Left(layout::kUserBezeichnungLength);
    return true;
}

bool CParaDaten::SetUserBezeichnung(int file, BYTE n, const CString& text)
{
    CEepromFile* f = GetFile(file);
    if (!f || n < 1 || n > layout::kUserBezeichnungen)
        return false;
    BYTE bytes[layout::kUserBezeichnungSize];
    std::memset(bytes, kWritten, sizeof bytes);
    size_t length = std::min<size_t>(text.GetLength(), layout::kUserBezeichnungLength);
    std::memcpy(bytes, text.GetString(), length);
    return f->WriteBytes(layout::kAreaEeprom, layout::UserBezeichnung(n), sizeof bytes, bytes);
}
