// CParaDaten: creating and deleting functions and messages, with the clean-up of every reference to a deleted one
// (participant lists of other functions, the function overview list, the CAN logging lists).
#include "store/CParaDaten.h"

#include "resources/UiTexts.h"
#include "store/CEepromFile.h"
#include "store/DrawingCommands.h"
#include "store/DrawingReader.h"
#include "store/FunctionTypes.h"
#include "store/ImageLayout.h"
#include "store/RecordCodec.h"
#include "texttables/StandardDesignations.h"

#include <cstddef>
#include <cstring>
#include <vector>

namespace {

constexpr BYTE kNoNumber = 0xFF;
constexpr BYTE kMeldungFrei = 0x80;  // a message number with this bit is a free slot

// Clears the participants of the slot's record (of a type that names participants) that hold target (function
// number + 1), shows dashes at their pins, and writes the record back when one was cleared. False when the record
// could not be read or written.
bool ClearInSlot(CParaDaten& para, int file, BYTE slot, const functypes::FunctionType& type, int target,
                 DrawingCommands* channel)
{
    const functypes::Participants& list = type.participants;
    std::vector<BYTE> fields(type.recordSize);
    type.blank(fields.data());
    if (!type.read(para, file, slot, fields.data(), true))
        return false;
    bool cleared = false;
    for (BYTE j = 0; j < list.count; ++j) {
        BYTE& entry = fields[list.firstField + j * list.step];
        if (entry != target)
            continue;
        entry = 0;
        cleared = true;
        int id = -1;
        if (!para.GetFuncId(file, slot, id) || id <= 0)
            continue;
        DrawingReader::PinInfo pin;
        bool found = false;
        para.WithDrawing([&](DrawingReader& drawing) {
            found = drawing.GetPin(static_cast<BYTE>(list.firstPin + j), id, pin);
        });
        // A blank pin entry (past the object's pins) has no label to reset.
        if (found && pin.labelId >= 0 && channel)
            channel->SetText(static_cast<UINT>(pin.labelId), ui::symbols::kNoParticipant);
    }
    return !cleared || type.write(para, file, slot, fields.data());
}

// Every source of both logging data sets.
template <class Visit>
void ForEachLoggingSource(LoggingListen& r, Visit visit)
{
    for (LoggingListen::Datensatz& set : r.sets) {
        for (Quelle& q : set.analog)
            visit(q);
        for (Quelle& q : set.digital)
            visit(q);
    }
}

}  // namespace

void CParaDaten::GetDefaultRecord(int type, BYTE* record)
{
    if (const functypes::FunctionType* row = functypes::FindFunctionType(type))
        row->defaults(record);
}

bool CParaDaten::CreateFunc(int file, int id, int type, DrawingCommands* channel)
{
    if (!GetFile(file) || !functypes::FindFunctionType(type))
        return false;
    // The first slot that holds no function, and every number a function holds. A slot is free only when both its
    // object id and its type say so, so that a slot whose id alone was lost is never overwritten; every used slot
    // counts for the numbers, wherever it stands.
    BYTE slot = 0;
    bool used[layout::kFuncSlots] = {};
    for (BYTE s = 1; s <= layout::kFuncSlots; ++s) {
        int stored = 0;
        FuncEntry entry;
        if (!GetFuncId(file, s, stored) || !GetFuncEntry(file, s, entry))
            return false;
        if (entry.type != 0) {
            if (entry.number < layout::kFuncSlots)
                used[entry.number] = true;
        } else if (stored < 0 && slot == 0) {
            slot = s;
        }
    }
    BYTE number = 0;
    while (number < layout::kFuncSlots && used[number])
        ++number;
    if (slot == 0 || number == layout::kFuncSlots)
        return false;

    if (!SetFuncId(file, slot, id))
        return false;
    FuncEntry entry;
    entry.type = type;
    entry.designation = 0xFF;  // none chosen yet
    entry.number = number;
    if (!SetFuncEntry(file, slot, entry))
        return false;
    if (channel) {
        CString name;
        name.Format("%s%s%d", texts::FunctionKindName(type), "$", number);
        channel->SetObj(static_cast<UINT>(id), name);
    }
    BYTE record[layout::kFuncRecordSize];
    std::memset(record, 0xFF, sizeof record);
    GetDefaultRecord(type, record);
    return GetFile(file)->WriteBytes(layout::kAreaEeprom, layout::FuncRecord(slot), sizeof record, record);
}

bool CParaDaten::DeleteFunc(int file, BYTE slot, DrawingCommands* channel)
{
    if (!GetFile(file) || !IsFuncSlot(slot))
        return false;
    if (!ClearFuncReferences(file, slot, channel) || !RemoveFuncFromFuncView(file, slot, channel) ||
        !RemoveFuncFromLogging(file, slot))
        return false;
    // The later slots move down one place; their functions keep their numbers, so every reference stays valid.
    for (BYTE s = slot; s < layout::kFuncSlots; ++s) {
        int id = -1;
        if (!GetFuncId(file, static_cast<BYTE>(s + 1), id) || !SetFuncId(file, s, id))
            return false;
    }
    if (!SetFuncId(file, layout::kFuncSlots, -1))
        return false;
    for (BYTE s = slot; s < layout::kFuncSlots; ++s) {
        FuncEntry next;
        if (!GetFuncEntry(file, static_cast<BYTE>(s + 1), next) || !SetFuncEntry(file, s, next))
            return false;
    }
    if (!SetFuncEntry(file, layout::kFuncSlots, FuncEntry{0, 0xFF, kNoNumber}))
        return false;
    CEepromFile* f = GetFile(file);
    BYTE record[layout::kFuncRecordSize];
    for (BYTE s = slot; s < layout::kFuncSlots; ++s) {
        if (!f->ReadBytes(layout::kAreaEeprom, layout::FuncRecord(s + 1), sizeof record, record) ||
            !f->WriteBytes(layout::kAreaEeprom, layout::FuncRecord(s), sizeof record, record))
            return false;
    }
    std::memset(record, 0xFF, sizeof record);
    return f->WriteBytes(layout::kAreaEeprom, layout::FuncRecord(layout::kFuncSlots), sizeof record, record);
}

bool CParaDaten::ClearFuncReferences(int file, BYTE slot, DrawingCommands* channel)
{
    FuncEntry deleted;
    if (!GetFile(file) || !GetFuncEntry(file, slot, deleted))
        return false;
    // Function number + 1, worked out in int: a slot without a number (FF) is referred to by nothing.
    const int target = deleted.number < layout::kFuncSlots ? deleted.number + 1 : -1;
    if (target < 0)
        return true;
    // Every function whose participant list offers the deleted function's type may name it.
    for (const functypes::FunctionType& type : functypes::AllFunctionTypes()) {
        if (!functypes::ListOffers(type.participants.list, deleted.type))
            continue;
        for (BYTE s = 1; s <= layout::kFuncSlots; ++s) {
            FuncEntry entry;
            if (GetFuncEntry(file, s, entry) && entry.type == type.code)
                ClearInSlot(*this, file, s, type, target, channel);
        }
    }
    return true;
}

bool CParaDaten::RemoveFuncFromFuncView(int file, BYTE slot, DrawingCommands*)
{
    FuncEntry deleted;
    FuncViewEntry entries[128];
    if (!GetFuncEntry(file, slot, deleted) || !GetFuncView(file, entries))
        return false;
    // The group of a function is its number + 3; a slot without a number has no group.
    const int group = deleted.number < layout::kFuncSlots ? deleted.number + FuncViewEntry::kGruppeFunc0 : -1;
    FuncViewEntry kept[128];
    int n = 0;
    bool keep = true;
    for (const FuncViewEntry& e : entries) {
        if (e.kind == FuncViewEntry::kEnde)
            break;
        if (e.kind == FuncViewEntry::kGruppe)
            keep = e.group != group;
        if (keep)
            kept[n++] = e;
    }
    return SetFuncView(file, kept);
}

bool CParaDaten::RemoveFuncFromLogging(int file, BYTE slot)
{
    FuncEntry deleted;
    LoggingListen r;
    if (!GetFuncEntry(file, slot, deleted) || !GetLoggingListen(file, r))
        return false;
    // Any output variable of the function: kind number + 3. A slot without a number names no source.
    const int kind = deleted.number < layout::kFuncSlots ? deleted.number + 3 : -1;
    ForEachLoggingSource(r, [kind](Quelle& q) {
        if (q.kind == kind)
            q = Quelle{};
    });
    return SetLoggingListen(file, r);
}

bool CParaDaten::CreateMeldung(int file, int id, DrawingCommands* channel)
{
    CEepromFile* f = GetFile(file);
    if (!f)
        return false;
    // A number that cannot be read counts as neither free nor used: the creation fails rather than overwrite it.
    BYTE slot = 0;
    bool used[layout::kMeldungSlots] = {};
    for (BYTE s = 1; s <= layout::kMeldungSlots; ++s) {
        int stored = -1;
        if (!f->ReadDec(layout::MeldungNr(s), layout::kMeldungNrLength, stored))
            return false;
        const BYTE number = stored < 0 || stored > 0xFF ? 0xFF : static_cast<BYTE>(stored);
        if (number & kMeldungFrei) {
            if (slot == 0)
                slot = s;
        } else if (number < layout::kMeldungSlots) {
            used[number] = true;
        }
    }
    BYTE number = 0;
    while (number < layout::kMeldungSlots && used[number])
        ++number;
    if (slot == 0 || number == layout::kMeldungSlots)
        return false;
    if (!SetMeldungId(file, slot, id) || !SetMeldungNr(file, slot, number))
        return false;
    if (channel) {
        CString name;
        name.Format("%s%s%d", "Meldung", "$", number);
        channel->SetObj(static_cast<UINT>(id), name);
    }
    return WriteMeldungRaw(file, slot, kNeueMeldung);
}

bool CParaDaten::DeleteMeldung(int file, BYTE slot, DrawingCommands*)
{
    if (!GetFile(file) || !IsMeldungSlot(slot) || !RemoveMeldungFromLogging(file, slot))
        return false;
    const BYTE cleared[layout::kMeldungRecordSize] = {};
    return SetMeldungId(file, slot, -1) && SetMeldungNr(file, slot, kNoNumber) && WriteMeldungRaw(file, slot, cleared);
}

bool CParaDaten::RemoveMeldungFromLogging(int file, BYTE slot)
{
    LoggingListen r;
    if (!GetLoggingListen(file, r))
        return false;
    ForEachLoggingSource(r, [slot](Quelle& q) {
        if (q.kind == 98 && q.number == slot)
            q = Quelle{};
    });
    return SetLoggingListen(file, r);
}
