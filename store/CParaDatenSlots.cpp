// CParaDaten: function and message slots. Table entries and records live in area 0, object ids and message
// numbers in the text area.
#include "store/CParaDaten.h"

#include "store/CEepromFile.h"
#include "store/ImageLayout.h"

#include <cstring>

namespace {

constexpr UINT kFreeId = 0xFFFFF;  // "FFFFF"
constexpr UINT kFreeNr = 0xFFF;    // "FFF"

// The stored id a lookup compares with: -1 (free) and 0 as they are, any other id by its five lowest digits; an id
// whose five lowest digits are 00000 has no slot and matches nothing.
int LookupId(int id)
{
    if (id <= 0)
        return id;
    const int digits = CParaDaten::IdDigits(id);
    return digits == 0 ? -2 : digits;
}

}  // namespace

bool CParaDaten::GetFuncEntry(int file, BYTE slot, FuncEntry& entry)
{
    entry.type = 0;
    CEepromFile* f = GetFile(file);
    BYTE bytes[layout::kFuncEntrySize];
    if (!f || !IsFuncSlot(slot) || !f->ReadBytes(layout::kAreaEeprom, layout::FuncEntry(slot), sizeof bytes, bytes))
        return false;
    entry.type = bytes[0];
    entry.designation = bytes[1];
    entry.number = bytes[3];
    return true;
}

bool CParaDaten::SetFuncEntry(int file, BYTE slot, FuncEntry entry)
{
    CEepromFile* f = GetFile(file);
    if (!f || !IsFuncSlot(slot))
        return false;
    const BYTE bytes[layout::kFuncEntrySize] = {
        static_cast<BYTE>(entry.type & 0xFF), entry.designation, 0x00, entry.number, 0xFF, 0xFF, 0xFF, 0xFF};
    return f->WriteBytes(layout::kAreaEeprom, layout::FuncEntry(slot), sizeof bytes, bytes);
}

namespace {

bool WriteId(CEepromFile* f, UINT address, int stored)
{
    return stored < 0 ? f->WriteHex(address, 5, kFreeId) : f->WriteDec(address, 5, static_cast<UINT>(stored));
}

}  // namespace

bool CParaDaten::GetFuncId(int file, BYTE slot, int& id)
{
    CEepromFile* f = GetFile(file);
    return f && IsFuncSlot(slot) && f->ReadDec(layout::FuncId(slot), layout::kFuncIdLength, id);
}

bool CParaDaten::SetFuncId(int file, BYTE slot, int id)
{
    CEepromFile* f = GetFile(file);
    int stored = 0;
    return f && IsFuncSlot(slot) && StoredId(id, stored) && WriteId(f, layout::FuncId(slot), stored);
}

BYTE CParaDaten::FindFuncSlot(int file, int id)
{
    for (BYTE slot = 1; slot <= layout::kFuncSlots; ++slot) {
        int stored = 0;
        if (!GetFuncId(file, slot, stored))
            return 0;
        if (stored == LookupId(id))
            return slot;
    }
    return 0;
}

BYTE CParaDaten::FindFuncByNumber(int file, BYTE number)
{
    for (BYTE slot = 1; slot <= layout::kFuncSlots; ++slot) {
        FuncEntry entry;
        if (!GetFuncEntry(file, slot, entry))
            return 0;
        if (entry.number == number)
            return slot;
    }
    return 0;
}

bool CParaDaten::GetMeldungId(int file, BYTE slot, int& id)
{
    CEepromFile* f = GetFile(file);
    return f && IsMeldungSlot(slot) && f->ReadDec(layout::MeldungId(slot), layout::kMeldungIdLength, id);
}

bool CParaDaten::SetMeldungId(int file, BYTE slot, int id)
{
    CEepromFile* f = GetFile(file);
    int stored = 0;
    return f && IsMeldungSlot(slot) && StoredId(id, stored) && WriteId(f, layout::MeldungId(slot), stored);
}

BYTE CParaDaten::FindMeldungSlot(int file, int id)
{
    for (BYTE slot = 1; slot <= layout::kMeldungSlots; ++slot) {
        int stored = 0;
        if (!GetMeldungId(file, slot, stored))
            return 0;
        if (stored == LookupId(id))
            return slot;
    }
    return 0;
}

BYTE CParaDaten::GetMeldungNr(int file, BYTE slot)
{
    CEepromFile* f = GetFile(file);
    int number = -1;
    if (!f || !IsMeldungSlot(slot) || !f->ReadDec(layout::MeldungNr(slot), layout::kMeldungNrLength, number))
        return 0xFF;
    return number < 0 || number > 0xFF ? 0xFF : static_cast<BYTE>(number);
}

bool CParaDaten::SetMeldungNr(int file, BYTE slot, BYTE number)
{
    CEepromFile* f = GetFile(file);
    if (!f || !IsMeldungSlot(slot))
        return false;
    if (number & 0x80)
        return f->WriteHex(layout::MeldungNr(slot), layout::kMeldungNrLength, kFreeNr);
    return f->WriteDec(layout::MeldungNr(slot), layout::kMeldungNrLength, number);
}

BYTE CParaDaten::FindMeldungByNumber(int file, BYTE number)
{
    CEepromFile* f = GetFile(file);
    if (!f)
        return 0;
    for (BYTE slot = 1; slot <= layout::kMeldungSlots; ++slot) {
        // A read failure ends the search, so that an unreadable file never seems to have a free slot.
        int stored = -1;
        if (!f->ReadDec(layout::MeldungNr(slot), layout::kMeldungNrLength, stored))
            return 0;
        if ((stored < 0 || stored > 0xFF ? 0xFF : stored) == number)
            return slot;
    }
    return 0;
}

bool CParaDaten::ReadFuncRaw(int file, BYTE slot, BYTE* entry, BYTE* record)
{
    CEepromFile* f = GetFile(file);
    return f && IsFuncSlot(slot) &&
           f->ReadBytes(layout::kAreaEeprom, layout::FuncEntry(slot), layout::kFuncEntrySize, entry) &&
           f->ReadBytes(layout::kAreaEeprom, layout::FuncRecord(slot), layout::kFuncRecordSize, record);
}

bool CParaDaten::WriteFuncRaw(int file, BYTE slot, const BYTE* entry, const BYTE* record)
{
    CEepromFile* f = GetFile(file);
    return f && IsFuncSlot(slot) &&
           f->WriteBytes(layout::kAreaEeprom, layout::FuncEntry(slot), layout::kFuncEntrySize, entry) &&
           f->WriteBytes(layout::kAreaEeprom, layout::FuncRecord(slot), layout::kFuncRecordSize, record);
}

bool CParaDaten::MoveFunc(int file, BYTE from, BYTE to)
{
    CEepromFile* f = GetFile(file);
    if (!f || !IsFuncSlot(from) || !IsFuncSlot(to))
        return false;
    int id = -1;
    BYTE entry[layout::kFuncEntrySize];
    BYTE record[layout::kFuncRecordSize];
    bool ok = GetFuncId(file, from, id);
    ok = ReadFuncRaw(file, from, entry, record) && ok;
    if (!ok)
        return false;

    // The slots between move by one towards the source: ids first for the whole run, then entries, then records.
    const int step = from > to ? -1 : 1;
    for (int i = from; i != to; i += step) {
        int other = -1;
        ok = GetFuncId(file, static_cast<BYTE>(i + step), other) && ok;
        ok = SetFuncId(file, static_cast<BYTE>(i), other) && ok;
    }
    for (int i = from; i != to; i += step) {
        BYTE e[layout::kFuncEntrySize];
        ok = f->ReadBytes(layout::kAreaEeprom, layout::FuncEntry(i + step), sizeof e, e) && ok;
        ok = f->WriteBytes(layout::kAreaEeprom, layout::FuncEntry(i), sizeof e, e) && ok;
    }
    for (int i = from; i != to; i += step) {
        BYTE r[layout::kFuncRecordSize];
        ok = f->ReadBytes(layout::kAreaEeprom, layout::FuncRecord(i + step), sizeof r, r) && ok;
        ok = f->WriteBytes(layout::kAreaEeprom, layout::FuncRecord(i), sizeof r, r) && ok;
    }
    ok = SetFuncId(file, to, id) && ok;
    ok = WriteFuncRaw(file, to, entry, record) && ok;
    return ok;
}

bool CParaDaten::IsFuncOfType(int type, BYTE number)
{
    BYTE slot = FindFuncByNumber(kWorkFile, number);
    if (slot == 0)
        return false;
    FuncEntry entry;
    return GetFuncEntry(kWorkFile, slot, entry) && entry.type == type;
}
