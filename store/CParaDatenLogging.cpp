// CParaDaten: the CAN data-logging configuration and the function overview list.
#include "store/CParaDaten.h"

#include "store/CEepromFile.h"
#include "store/ImageLayout.h"
#include "store/LoggingListen.h"
#include "store/RecordCodec.h"

#include <array>
#include <cstddef>
#include <cstring>
#include <span>

namespace {

// The decoded byte where a member of the record begins.
#define AT(member) static_cast<BYTE>(offsetof(LoggingListen, member))

// Master node and time-out: the first two bytes of the stored head and of the default block.
constexpr record::FieldCodec kLoggingHead[] = {
    record::Byte(AT(masterNode), 0),
    record::Byte(AT(timeout), 1),
};
static_assert(record::DecodesEveryField(kLoggingHead, record::kLoggingFields));

constexpr UINT kSourceSize = 4;  // kind, number, then two bytes written FF

// A list of sources from field `field` on: source i is stored in bytes 4i (kind) and 4i + 1 (number).
template <BYTE field, unsigned count>
constexpr std::array<record::FieldCodec, count> SourceList()
{
    std::array<record::FieldCodec, count> list{};
    for (unsigned i = 0; i < count; ++i)
        list[i] = record::Source(static_cast<BYTE>(field + sizeof(Quelle) * i), static_cast<BYTE>(kSourceSize * i));
    return list;
}
constexpr auto kAnalog1 = SourceList<AT(sets[0].analog), 16>();
constexpr auto kDigital1 = SourceList<AT(sets[0].digital), 13>();
constexpr auto kAnalog2 = SourceList<AT(sets[1].analog), 16>();
constexpr auto kDigital2 = SourceList<AT(sets[1].digital), 13>();
static_assert(record::FieldEnd(kDigital2) == sizeof(LoggingListen));

#undef AT

// One stored list of the logging configuration: where it lies in the image and in the default block.
struct LoggingList {
    UINT address;
    UINT blockOffset;
    std::span<const record::FieldCodec> sources;
};
constexpr LoggingList kLoggingLists[] = {
    {layout::kLoggingDigital1, 132, kDigital1},
    {layout::kLoggingDigital2, 184, kDigital2},
    {layout::kLoggingAnalog1, 4, kAnalog1},
    {layout::kLoggingAnalog2, 68, kAnalog2},
};
constexpr UINT kLongestList = 16 * kSourceSize;

UINT StoredSize(const LoggingList& list)
{
    return kSourceSize * static_cast<UINT>(list.sources.size());
}

constexpr BYTE kNeverWritten = 0xFF;  // master node of a configuration that was never written

}  // namespace

bool CParaDaten::GetLoggingListen(int file, LoggingListen& record)
{
    CEepromFile* f = GetFile(file);
    BYTE head[record::StoredEnd(kLoggingHead)];
    if (!f || !f->ReadBytes(layout::kAreaEeprom, layout::kLoggingMaster, sizeof head, head))
        return false;
    LoggingListen r;
    bool ok = true;
    if (file != kDatFile && head[0] == kNeverWritten) {
        BYTE block[CEepromFile::kDefaultLoggingSize];
        std::memset(block, 0xFF, sizeof block);
        CEepromFile::DefaultLogging(block);
        record::Decode(kLoggingHead, block, record::Fields(r));
        for (const LoggingList& list : kLoggingLists)
            record::Decode(list.sources, block + list.blockOffset, record::Fields(r));
    } else {
        record::Decode(kLoggingHead, head, record::Fields(r));
        // A list that cannot be read is decoded all the same, from the FF its unread bytes hold.
        for (const LoggingList& list : kLoggingLists) {
            BYTE bytes[kLongestList];
            ok = f->ReadBytes(layout::kAreaEeprom, list.address, StoredSize(list), bytes) && ok;
            record::Decode(list.sources, bytes, record::Fields(r));
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
    BYTE head[record::StoredEnd(kLoggingHead)] = {};
    record::Encode(kLoggingHead, record::Fields(record), head);
    bool ok = f->WriteBytes(layout::kAreaEeprom, layout::kLoggingMaster, sizeof head, head);
    for (const LoggingList& list : kLoggingLists) {
        BYTE bytes[kLongestList];
        std::memset(bytes, 0xFF, sizeof bytes);
        record::Encode(list.sources, record::Fields(record), bytes);
        ok = f->WriteBytes(layout::kAreaEeprom, list.address, StoredSize(list), bytes) && ok;
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
