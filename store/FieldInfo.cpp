// Field metadata: the one read and write of a field, scale order, range test, and the table-driven repair.
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

namespace {

std::uint32_t Word(const BYTE* record, const FieldRef& field)
{
    switch (field.size) {
    case 2: {
        std::uint16_t v;
        std::memcpy(&v, record + field.offset, 2);
        return v;
    }
    case 4: {
        std::uint32_t v;
        std::memcpy(&v, record + field.offset, 4);
        return v;
    }
    default:
        return record[field.offset];
    }
}

void PutWord(BYTE* record, const FieldRef& field, std::uint32_t value)
{
    switch (field.size) {
    case 2: {
        const auto v = static_cast<std::uint16_t>(value);
        std::memcpy(record + field.offset, &v, 2);
        break;
    }
    case 4:
        std::memcpy(record + field.offset, &value, 4);
        break;
    default:
        record[field.offset] = static_cast<BYTE>(value);
        break;
    }
}

unsigned Width(const FieldRef& field)
{
    return field.bits ? field.bits : field.size * 8;
}

std::uint32_t Mask(const FieldRef& field)
{
    return Width(field) >= 32 ? 0xFFFFFFFFu : (1u << Width(field)) - 1u;
}

// The field of one element of the row.
FieldRef ElementField(const FieldInfo& info, unsigned element)
{
    FieldRef field = info.field;
    field.offset += element * info.stride;
    if (field.size == 4 && info.scale == Scale::Signed)
        field.isSigned = true;
    return field;
}

}  // namespace

long ReadField(const BYTE* record, const FieldRef& field)
{
    const std::uint32_t value = (Word(record, field) >> field.shift) & Mask(field);
    if (!field.isSigned)
        return static_cast<long>(value);
    const std::uint32_t sign = 1u << (Width(field) - 1);
    return (value & sign) ? static_cast<long>(value) - (static_cast<long>(Mask(field)) + 1) : static_cast<long>(value);
}

void WriteField(BYTE* record, const FieldRef& field, long value)
{
    const std::uint32_t mask = Mask(field) << field.shift;
    const std::uint32_t word =
        (Word(record, field) & ~mask) | ((static_cast<std::uint32_t>(value) << field.shift) & mask);
    PutWord(record, field, word);
}

long ReadStored(const BYTE* record, const FieldInfo& info, unsigned element)
{
    return ReadField(record, ElementField(info, element));
}

void WriteStored(BYTE* record, const FieldInfo& info, long value, unsigned element)
{
    WriteField(record, ElementField(info, element), value);
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
