// CParaDaten: the CAN data-logging configuration and the function overview list.
#include "store/CParaDaten.h"

#include "store/CEepromFile.h"
#include "store/ImageLayout.h"

#include <cstring>

namespace {

constexpr UINT kSourceSize = 4;  // kind, number, FF, FF

// One stored list of the logging configuration, where its sources sit in the record and in the default block.
struct LoggingList {
    UINT address;
    int set;
    bool analog;
    UINT blockOffset;
};
constexpr LoggingList kLoggingLists[] = {
    {layout::kLoggingDigital1, 0, false, 132},
    {layout::kLoggingDigital2, 1, false, 184},
    {layout::kLoggingAnalog1, 0, true, 4},
    {layout::kLoggingAnalog2, 1, true, 68},
};

Quelle* Sources(LoggingListen& r, const LoggingList& list)
{
    return list.analog ? r.sets[list.set].analog : r.sets[list.set].digital;
}

const Quelle* Sources(const LoggingListen& r, const LoggingList& list)
{
    return list.analog ? r.sets[list.set].analog : r.sets[list.set].digital;
}

UINT Count(const LoggingList& list) { return list.analog ? 16 : 13; }

void DecodeSources(const BYTE* bytes, UINT count, Quelle* sources)
{
    for (UINT i = 0; i < count; ++i)
        sources[i] = {bytes[kSourceSize * i], bytes[kSourceSize * i + 1]};
}

constexpr BYTE kNeverWritten = 0xFF;  // master node of a configuration that was never written

}  // namespace

bool CParaDaten::GetLoggingListen(int file, LoggingListen& record)
{
    CEepromFile* f = GetFile(file);
    BYTE head[2];
    if (!f || !f->ReadBytes(layout::kAreaEeprom, layout::kLoggingMaster, sizeof head, head))
        return false;
    LoggingListen r;
    bool ok = true;
    if (file != kDatFile && head[0] == kNeverWritten) {
        BYTE block[CEepromFile::kDefaultLoggingSize];
        std::memset(block, 0xFF, sizeof block);
        CEepromFile::DefaultLogging(block);
        r.masterNode = block[0];
        r.timeout = block[1];
        for (const LoggingList& list : kLoggingLists)
            DecodeSources(block + list.blockOffset, Count(list), Sources(r, list));
    } else {
        r.masterNode = head[0];
        r.timeout = head[1];
        // A list that cannot be read is decoded all the same, from the FF its unread bytes hold.
        for (const LoggingList& list : kLoggingLists) {
            BYTE bytes[16 * kSourceSize];
            ok = f->ReadBytes(layout::kAreaEeprom, list.address, kSourceSize * Count(list), bytes) && ok;
            DecodeSources(bytes, Count(list), Sources(r, list));
        }
    }
    record = r;
    return ok;
}

bool CParaDaten::SetLoggingListen(int file, const LoggingListen& record)
{
    CEepromFile* f = GetFile(file);
    if (!f)
        return false;
    const BYTE head[2] = {record.masterNode, record.timeout};
    bool ok = f->WriteBytes(layout::kAreaEeprom, layout::kLoggingMaster, sizeof head, head);
    for (const LoggingList& list : kLoggingLists) {
        BYTE bytes[16 * kSourceSize];
        std::memset(bytes, 0xFF, sizeof bytes);
        const Quelle* sources = Sources(record, list);
        for (UINT i = 0; i < Count(list); ++i) {
            bytes[kSourceSize * i] = sources[i].kind;
            bytes[kSourceSize * i + 1] = sources[i].number;
        }
        ok = f->WriteBytes(layout::kAreaEeprom, list.address, kSourceSize * Count(list), bytes) && ok;
    }
    return ok;
}

bool CParaDaten::GetFuncView(int file, FuncViewEntry entries[128])
{
    for (int i = 0; i < 128; ++i)
        entries[i] = FuncViewEntry{};
    CEepromFile* f = GetFile(file);
    BYTE bytes[256];
    if (!f || !f->ReadBytes(layout::kAreaEeprom, layout::kFuncView, sizeof bytes, bytes))
        return false;
    // A parameter belongs to the group of the nearest header before it; group 0 before the first header.
    BYTE group = 0;
    for (int i = 0; i < 128 && bytes[2 * i] != FuncViewEntry::kEnde; ++i) {
        const BYTE kind = bytes[2 * i];
        const BYTE value = bytes[2 * i + 1];
        if (kind == FuncViewEntry::kGruppe) {
            group = value;
            entries[i] = {kind, value, 0};
        } else {
            entries[i] = {kind, group, value};
        }
    }
    return true;
}

bool CParaDaten::SetFuncView(int file, const FuncViewEntry entries[128])
{
    CEepromFile* f = GetFile(file);
    if (!f)
        return false;
    BYTE bytes[256];
    std::memset(bytes, 0xFF, sizeof bytes);
    for (int i = 0; i < 128 && entries[i].kind != FuncViewEntry::kEnde; ++i) {
        bytes[2 * i] = entries[i].kind;
        bytes[2 * i + 1] = entries[i].kind == FuncViewEntry::kGruppe ? entries[i].group : entries[i].param;
    }
    return f->WriteBytes(layout::kAreaEeprom, layout::kFuncView, sizeof bytes, bytes);
}
