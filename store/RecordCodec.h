// The stored field kinds that many records share, decoded and encoded from one table per record, and the byte
// scales in which records keep temperatures, differences and durations.
//
// A decoded record is a plain structure of bytes (a few records also hold 16- or 32-bit words) whose field n sits
// at byte n, so a record is described by a table of field codecs (FieldCodec.h) that name decoded byte and stored
// byte:
//
//     record::Byte(9, 2),          // field 9 is stored byte 2
//     record::Bits(14, 1, 0, 3),   // field 14 is bits 0..2 of stored byte 1; the other bits of byte 1 are kept
//     record::Triple(4, 10),       // fields 4, 5, 6: kind and inverted flag in byte 10, number in byte 11
//     record::Bytes(7, 12, 2),     // fields 7, 8 (an analog source) are stored bytes 12, 13 as they are
//     record::Flags(21, 8, 16),    // fields 21..36: output flags 1..16 in bytes 8 and 9
//
// A record's codec table is built when the program is compiled from the rows of its field table that state their
// stored place (FieldInfo::At), and the codec rows of the fields that have no such row (sources, triples, raw
// runs), so that a field's member, range and stored place are one row beside its record:
//
//     constexpr record::FieldCodec kOther[] = {record::Triple(4, 10), record::Source(7, 12)};
//     constexpr auto kCodec = record::CodecOf<record::kExampleFields, kOther>();
//     record::Decode(kCodec, slot, record::Fields(decoded));
//     record::Encode(kCodec, record::Fields(decoded), slot);   // over the stored bytes read just before
//
// Encoding never touches a stored byte or bit that the table does not name, so a write over the bytes read just
// before keeps everything the record does not own. No two rows of a built table write the same stored bit or
// decoded byte (CodecOf does not compile otherwise), so their order does not change a written byte; flag lists,
// which own their bytes whole, come first, and a bit they leave unused may be written by another row. What a
// table cannot say (fields whose meaning depends on others, redundant copies, checksums) stays hand-written beside
// the table; DecodesEveryField asserts when the program is compiled that those and the separate codec rows leave
// no row of the field table undecoded.
//
// Function records add a frame: fields 0..2 are the designation decoded from the function-table entry, field 3 the
// function number, and four types end in a block of five time programs. FuncRecordType describes one function type
// for DecodeFuncRecord and EncodeFuncRecord; CParaDaten's ReadFuncRecord and WriteFuncRecord run the whole read and
// write of a slot with it.
#pragma once

#include "platform/Types.h"
#include "store/FieldCodec.h"
#include "store/FieldInfo.h"

#include <array>
#include <cstddef>
#include <cstring>
#include <initializer_list>
#include <span>
#include <type_traits>

namespace record {

// The bytes of a decoded record, addressed by field number. Records are plain structures of bytes and words.
template <class Record>
BYTE* Fields(Record& r)
{
    static_assert(std::is_standard_layout_v<Record> && std::is_trivially_copyable_v<Record>);
    return reinterpret_cast<BYTE*>(&r);
}
template <class Record>
const BYTE* Fields(const Record& r)
{
    static_assert(std::is_standard_layout_v<Record> && std::is_trivially_copyable_v<Record>);
    return reinterpret_cast<const BYTE*>(&r);
}

// Decodes every field of the table from the stored bytes; fields the table does not name are not touched.
void Decode(std::span<const FieldCodec> table, const BYTE* stored, BYTE* fields);
// Encodes every field of the table into the stored bytes; bytes and bits the table does not name keep their value.
void Encode(std::span<const FieldCodec> table, const BYTE* fields, BYTE* stored);

// The highest stored byte a table touches + 1, and the highest decoded byte + 1: for the asserts that keep a
// table inside its record and its stored range.
constexpr unsigned StoredEnd(std::span<const FieldCodec> table);
constexpr unsigned FieldEnd(std::span<const FieldCodec> table);

// Whether the table decodes every element of every row of a field table where its member lies: a byte or bit field
// at the element's own offset (of a wider member, its low bits), a word of the element's size at its offset, or a
// byte run, source triple or flag list that holds the element whole. A function type's time-program block (timeBlock, 0 for none) and the offsets in byHand (fields
// coded by hand beside the table) count as decoded. For the asserts that keep a codec table and the field table of
// its record in step:
//
//     static_assert(record::DecodesEveryField(kFields, record::kExampleFields));
constexpr bool DecodesEveryField(std::span<const FieldCodec> table, std::span<const FieldInfo> fields,
                                 unsigned timeBlock = 0, std::initializer_list<unsigned> byHand = {});

// The codec table of a record: the rows its field table states by place (FieldInfo::At), in table order, then
// `others`; flag lists moved first. Does not compile when two rows write the same stored bit or decoded byte.
inline constexpr std::array<FieldCodec, 0> kNoOtherRows {};
template <const auto& fields, const auto& others = kNoOtherRows>
consteval auto CodecOf();

// Whether the rows write apart: no stored bit written by two rows, no bit written by one row and cleared by a
// later one, no decoded byte decoded by two rows. A flag list may clear the unused bits of its bytes before
// another row writes them.
constexpr bool WritesApart(std::span<const FieldCodec> table);

// ---- Function records ----

constexpr unsigned kEntrySize = 8;
constexpr unsigned kSlotSize = 128;

// The time-program block: control fields 7 (windows per program), 8 (programs in use), 9 (windows carry a
// setpoint) in stored byte 0, and five programs of 16 decoded bytes from field `block` on, stored in bytes
// 64 + 10j (day flags, bit 7 written as 0) and 65 + 10j .. 73 + 10j (start, end, setpoint of windows 1..3).
constexpr BYTE kZeitFenster = 7;
constexpr BYTE kZeitProgramme = 8;
constexpr BYTE kZeitSollwert = 9;
constexpr unsigned kZeitBlockStored = 64;
constexpr unsigned kZeitBlockFields = 5 * 16;  // decoded bytes of the five programs

struct FuncRecordType {
    int typeCode;                          // 1..23, written into entry byte 0
    std::span<const FieldCodec> fields;    // the type's fields from 4 on
    BYTE timeBlock = 0;                    // first field of the time-program block; 0 when the type has none
};

// Fields 0..2 from entry byte 1 (the designation code, converted with the type's kind name), field 3 from entry
// byte 3, the table's fields and the time programs from the slot record.
void DecodeFuncRecord(const FuncRecordType& type, const BYTE* entry, const BYTE* slot, BYTE* fields);
// Entry: type code, designation code, 0, field 3 (bytes 4..7 kept); slot record: the table's fields and the time
// programs, every other byte kept.
void EncodeFuncRecord(const FuncRecordType& type, const BYTE* fields, BYTE* entry, BYTE* slot);
// A type's default slot record: what writing its default decoded record over the caller's slot (filled with FF)
// stores there.
template <class Record>
void EncodeDefault(const FuncRecordType& type, const Record& defaults, BYTE* slot)
{
    BYTE entry[kEntrySize];
    EncodeFuncRecord(type, Fields(defaults), entry, slot);
}

// ---- Byte scales (for showing and entering values; records keep the stored byte) ----

// Difference byte: a signed temperature difference, finer near zero. Tenths of a kelvin: 0..99 -> 0.0..9.9 K,
// 100..114 -> 10..24 K, 115..127 -> 25..85 K in steps of 5, 128..141 -> -90..-25 K in steps of 5,
// 142..156 -> -24..-10 K, 157..255 -> -9.9..-0.1 K. Read as a signed byte the scale rises with the value.
int DifferenceTenths(BYTE value);
// The byte whose difference is nearest to the given tenths of a kelvin (the smaller one of two equally near).
BYTE DifferenceByte(int tenths);
// Hysteresis byte: 0..99 -> 0.0..9.9 K, 100 and above -> value - 90 K. In tenths of a kelvin.
int HysteresisTenths(BYTE value);
// Temperature byte: 0..200 -> 0..200 deg C, 201..255 -> -55..-1 deg C.
int TemperatureCelsius(BYTE value);
// The byte of a temperature -55..200 deg C; values outside are clamped.
BYTE TemperatureByte(int celsius);
// Time byte, a duration: 0..90 seconds; 91..106 (value - 87) / 2 minutes; 107..156 value - 97 minutes;
// 157..255 (value - 155) / 2 hours. In seconds.
long DurationSeconds(BYTE value);
// Time of day in records: 10-minute steps from midnight, 0..143. In minutes.
constexpr int TimeOfDayMinutes(BYTE value) { return 10 * value; }

// ---- constexpr definitions ----

constexpr unsigned StoredEnd(std::span<const FieldCodec> table)
{
    unsigned end = 0;
    for (const FieldCodec& c : table) {
        unsigned last = c.stored + 1;
        switch (c.kind) {
        case Kind::Bytes: last = c.stored + c.a; break;
        case Kind::Triple: last = (c.a > c.stored ? c.a : c.stored) + 1u; break;
        case Kind::Flags:
        case Kind::MaskedFlags: last = c.stored + (c.a + 7u) / 8u; break;
        case Kind::Word16: last = c.stored + 2u; break;
        case Kind::Word32: last = c.stored + 4u; break;
        case Kind::Bits: break;
        }
        end = last > end ? last : end;
    }
    return end;
}

constexpr bool DecodesElement(std::span<const FieldCodec> table, unsigned at, unsigned size)
{
    for (const FieldCodec& c : table) {
        switch (c.kind) {
        case Kind::Bits:  // a byte, or the low bits of a wider word
            if (c.field == at)
                return true;
            break;
        case Kind::Word16:
        case Kind::Word32:
            if (c.field == at && size == (c.kind == Kind::Word16 ? 2u : 4u))
                return true;
            break;
        case Kind::Bytes:
        case Kind::Flags:
        case Kind::MaskedFlags:
        case Kind::Triple:
            if (at >= c.field && at + size <= c.field + (c.kind == Kind::Triple ? 3u : c.a))
                return true;
            break;
        }
    }
    return false;
}

constexpr bool DecodesEveryField(std::span<const FieldCodec> table, std::span<const FieldInfo> fields,
                                 unsigned timeBlock, std::initializer_list<unsigned> byHand)
{
    for (const FieldInfo& row : fields)
        for (unsigned e = 0; e < row.count; ++e) {
            const unsigned at = row.field.offset + e * row.stride;
            bool decoded = DecodesElement(table, at, row.field.size);
            if (timeBlock != 0)
                decoded = decoded || at == kZeitFenster || at == kZeitProgramme || at == kZeitSollwert ||
                    (at >= timeBlock && at < timeBlock + kZeitBlockFields);
            for (unsigned hand : byHand)
                decoded = decoded || at == hand;
            if (!decoded)
                return false;
        }
    return true;
}

namespace detail {

constexpr bool WholeList(Kind k) { return k == Kind::Bytes || k == Kind::Flags || k == Kind::MaskedFlags; }

constexpr unsigned PlacedRows(std::span<const FieldInfo> fields)
{
    unsigned n = 0;
    for (const FieldInfo& row : fields)
        if (row.place.given)
            n += WholeList(row.place.kind) ? 1u : row.count;
    return n;
}

constexpr BYTE Narrow(unsigned value)
{
    if (value > 255)
        throw "a decoded or stored byte beyond 255";
    return static_cast<BYTE>(value);
}

constexpr BYTE LowBits(unsigned width) { return static_cast<BYTE>(width >= 8 ? 0xFF : (1u << width) - 1u); }

}  // namespace detail

template <const auto& fields, const auto& others>
consteval auto CodecOf()
{
    std::array<FieldCodec, detail::PlacedRows(fields) + std::size(others)> rows {};
    unsigned n = 0;
    for (const FieldInfo& row : fields) {
        const Place& p = row.place;
        if (!p.given)
            continue;
        if (detail::WholeList(p.kind)) {
            // One list of the row's elements, one byte each and next to each other.
            if (row.count > 1 && row.stride != 1)
                throw "a flag list or byte run stands for an array of single bytes";
            rows[n++] = {p.kind, detail::Narrow(row.field.offset), p.stored, detail::Narrow(row.count), 0};
            continue;
        }
        for (unsigned e = 0; e < row.count; ++e)
            rows[n++] = {p.kind, detail::Narrow(row.field.offset + e * row.stride),
                         detail::Narrow(p.stored + e * row.storedStride), p.a, p.b};
    }
    for (const FieldCodec& c : others)
        rows[n++] = c;
    // Flag lists first, each group in its order.
    std::array<FieldCodec, rows.size()> table {};
    unsigned t = 0;
    for (const FieldCodec& c : rows)
        if (c.kind == Kind::Flags)
            table[t++] = c;
    for (const FieldCodec& c : rows)
        if (c.kind != Kind::Flags)
            table[t++] = c;
    if (!WritesApart(table))
        throw "two codec rows write the same stored bits or decoded bytes";
    return table;
}

constexpr bool WritesApart(std::span<const FieldCodec> table)
{
    std::array<BYTE, 260> written {};
    std::array<bool, 260> decoded {};
    for (const FieldCodec& c : table) {
        std::array<BYTE, 260> writes {};
        std::array<BYTE, 260> clears {};
        unsigned fieldBytes = 1;
        switch (c.kind) {
        case Kind::Bits: writes[c.stored] = static_cast<BYTE>(detail::LowBits(c.b) << c.a); break;
        case Kind::Bytes:
            for (unsigned i = 0; i < c.a; ++i)
                writes[c.stored + i] = 0xFF;
            fieldBytes = c.a;
            break;
        case Kind::Triple:
            writes[c.stored] = 0xFF;
            writes[c.a] = 0xFF;
            fieldBytes = 3;
            break;
        case Kind::Flags:
        case Kind::MaskedFlags:
            for (unsigned k = 0; k < c.a; ++k)
                writes[c.stored + k / 8] = static_cast<BYTE>(writes[c.stored + k / 8] | 1u << (k % 8));
            if (c.kind == Kind::Flags)
                for (unsigned i = 0; i < (c.a + 7u) / 8u; ++i)
                    clears[c.stored + i] = static_cast<BYTE>(~writes[c.stored + i]);
            fieldBytes = c.a;
            break;
        case Kind::Word16:
        case Kind::Word32:
            fieldBytes = c.kind == Kind::Word16 ? 2 : 4;
            for (unsigned i = 0; i < fieldBytes; ++i)
                writes[c.stored + i] = 0xFF;
            break;
        }
        for (unsigned i = 0; i < written.size(); ++i) {
            if ((writes[i] & written[i]) || (clears[i] & written[i]))
                return false;
            written[i] = static_cast<BYTE>(written[i] | writes[i]);
        }
        for (unsigned i = 0; i < fieldBytes; ++i) {
            if (decoded[c.field + i])
                return false;
            decoded[c.field + i] = true;
        }
    }
    return true;
}

constexpr unsigned FieldEnd(std::span<const FieldCodec> table)
{
    unsigned end = 0;
    for (const FieldCodec& c : table) {
        unsigned last = c.field + 1u;
        switch (c.kind) {
        case Kind::Bytes:
        case Kind::Flags:
        case Kind::MaskedFlags: last = c.field + c.a; break;
        case Kind::Triple: last = c.field + 3u; break;
        case Kind::Word16: last = c.field + 2u; break;
        case Kind::Word32: last = c.field + 4u; break;
        case Kind::Bits: break;
        }
        end = last > end ? last : end;
    }
    return end;
}

}  // namespace record
