// Field metadata: scale order, range test, and the table-driven repair.
#include "store/FieldInfo.h"

#include <cstdint>
#include <cstring>

namespace record {

long ScaleOrder(const FieldInfo& info, long stored)
{
    if (info.field.size != 1)
        return stored;
    switch (info.scale) {
    case Scale::Temperature:
        return stored <= 200 ? stored : stored - 256;
    case Scale::Signed:
    case Scale::Difference:
        return stored >= 128 ? stored - 256 : stored;
    default:
        return stored;
    }
}

bool InRange(const FieldInfo& info, long stored)
{
    const long order = ScaleOrder(info, stored);
    return order >= ScaleOrder(info, info.low) && order <= ScaleOrder(info, info.high);
}

long ReadStored(const BYTE* record, const FieldInfo& info, unsigned element)
{
    const BYTE* p = record + info.field.offset + element * info.stride;
    switch (info.field.size) {
    case 2: {
        std::uint16_t v;
        std::memcpy(&v, p, 2);
        return v;
    }
    case 4: {
        std::uint32_t v;
        std::memcpy(&v, p, 4);
        return info.scale == Scale::Signed ? static_cast<long>(static_cast<std::int32_t>(v)) : static_cast<long>(v);
    }
    default:
        return *p;
    }
}

void WriteStored(BYTE* record, const FieldInfo& info, long value, unsigned element)
{
    BYTE* p = record + info.field.offset + element * info.stride;
    switch (info.field.size) {
    case 2: {
        const auto v = static_cast<std::uint16_t>(value);
        std::memcpy(p, &v, 2);
        break;
    }
    case 4: {
        const auto v = static_cast<std::uint32_t>(value);
        std::memcpy(p, &v, 4);
        break;
    }
    default:
        *p = static_cast<BYTE>(value);
        break;
    }
}

void RepairField(BYTE* record, const FieldInfo& info)
{
    for (unsigned e = 0; e < info.count; ++e)
        if (!InRange(info, ReadStored(record, info, e)))
            WriteStored(record, info, info.replacement, e);
}

void RepairRanges(BYTE* record, std::span<const FieldInfo> table)
{
    for (const FieldInfo& info : table)
        if (info.repair == Repair::Range)
            RepairField(record, info);
}

const FieldInfo* FindField(std::span<const FieldInfo> table, unsigned offset)
{
    for (const FieldInfo& info : table)
        if (info.field.offset == offset)
            return &info;
    return nullptr;
}

}  // namespace record
