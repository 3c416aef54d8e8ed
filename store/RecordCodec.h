// The stored field kinds that many records share, decoded and encoded from one table per record, and the byte
// scales in which records keep temperatures, differences and durations.
//
// A decoded record is a plain structure of bytes (a few records also hold 16- or 32-bit words) whose field n sits
// at byte n, so a record is described by a table of field codecs that name decoded byte and stored byte:
//
//     constexpr record::FieldCodec kFields[] = {
//         record::Byte(9, 2),          // field 9 is stored byte 2
//         record::Bits(14, 1, 0, 3),   // field 14 is bits 0..2 of stored byte 1; the other bits of byte 1 are kept
//         record::Triple(4, 10),       // fields 4, 5, 6: kind and inverted flag in byte 10, number in byte 11
//         record::Bytes(7, 12, 2),     // fields 7, 8 (an analog source) are stored bytes 12, 13 as they are
//         record::Flags(21, 8, 16),    // fields 21..36: output flags 1..16 in bytes 8 and 9
//     };
//     record::Decode(kFields, slot, record::Fields(decoded));
//     record::Encode(kFields, record::Fields(decoded), slot);   // over the stored bytes read just before
//
// Encoding never touches a stored byte or bit that the table does not name, so a write over the bytes read just
// before keeps everything the record does not own. What a table cannot say (fields whose meaning depends on
// others, redundant copies, checksums) stays hand-written beside the table. The field table of the record
// (<Family>Fields.h) names the same fields by member; DecodesEveryField asserts when the program is compiled that
// the codec's decoded bytes are where those members lie.
//
// Function records add a frame: fields 0..2 are the designation decoded from the function-table entry, field 3 the
// function number, and four types end in a block of five time programs. FuncRecordType describes one function type
// for DecodeFuncRecord and EncodeFuncRecord; CParaDaten's ReadFuncRecord and WriteFuncRecord run the whole read and
// write of a slot with it.
#pragma once

#include "platform/Types.h"
#include "store/FieldInfo.h"

#include <cstddef>
#include <cstring>
#include <initializer_list>
#include <span>
#include <type_traits>

namespace record {

enum class Kind : BYTE {
    Bits,         // an unsigned field in bits low..low+width-1 of one stored byte; decoded zero-extended, encoded
                  // keeping only the low bits that fit and every other bit of the byte
    Bytes,        // count decoded bytes = count stored bytes, copied as they are (analog sources, raw values)
    Triple,       // a digital source: decoded kind, inverted flag, number; stored kind in bits 0..6 and the
                  // inverted flag (its bit 0) in bit 7 of one byte, the number in another
    Flags,        // count one-byte flags in bits 0.. of consecutive stored bytes (bit k of byte n holds flag 8n+k);
                  // the bytes are owned whole: encoding clears them, unused high bits included, and sets a bit only
                  // for a flag that is exactly 1
    MaskedFlags,  // as Flags, but bits beyond the last flag keep their stored value
    Word16,       // a 16-bit word stored little-endian in two bytes; decoded as a host WORD at the field
    Word32,       // a 32-bit word stored little-endian in four bytes; decoded as a host DWORD-sized value (uint32)
};

struct FieldCodec {
    Kind kind;
    BYTE field;   // decoded byte of the (first) field
    BYTE stored;  // stored byte (of the kind, for Triple)
    BYTE a;       // Bits: lowest bit; Bytes, Flags, MaskedFlags: count; Triple: stored byte of the number
    BYTE b;       // Bits: width in bits
};

// Field `field` is the whole stored byte.
constexpr FieldCodec Byte(BYTE field, BYTE stored) { return {Kind::Bits, field, stored, 0, 8}; }
constexpr FieldCodec Bits(BYTE field, BYTE stored, BYTE low, BYTE width)
{
    return {Kind::Bits, field, stored, low, width};
}
// A single bit: decoded 1 when set; encoded from bit 0 of the field.
constexpr FieldCodec Bit(BYTE field, BYTE stored, BYTE bit) { return {Kind::Bits, field, stored, bit, 1}; }
constexpr FieldCodec Bytes(BYTE field, BYTE stored, BYTE count) { return {Kind::Bytes, field, stored, count, 0}; }
// An analog source (Quelle): kind and number, both whole bytes.
constexpr FieldCodec Source(BYTE field, BYTE stored) { return Bytes(field, stored, 2); }
// A digital source triple; the number is stored in the byte after the kind unless another is named.
constexpr FieldCodec Triple(BYTE field, BYTE stored) { return {Kind::Triple, field, stored, BYTE(stored + 1), 0}; }
constexpr FieldCodec Triple(BYTE field, BYTE stored, BYTE numberStored)
{
    return {Kind::Triple, field, stored, numberStored, 0};
}
constexpr FieldCodec Flags(BYTE field, BYTE stored, BYTE count) { return {Kind::Flags, field, stored, count, 0}; }
// The full output list: outputs 1..16 in two bytes.
constexpr FieldCodec Flags16(BYTE field, BYTE stored) { return Flags(field, stored, 16); }
// The speed-controllable outputs 1, 2, 6, 7, 15, 16 in bits 0..5 of one byte; bits 6 and 7 are written as 0.
constexpr FieldCodec Flags6(BYTE field, BYTE stored) { return Flags(field, stored, 6); }
constexpr FieldCodec MaskedFlags(BYTE field, BYTE stored, BYTE count)
{
    return {Kind::MaskedFlags, field, stored, count, 0};
}
constexpr FieldCodec Word16(BYTE field, BYTE stored) { return {Kind::Word16, field, stored, 0, 0}; }
constexpr FieldCodec Word32(BYTE field, BYTE stored) { return {Kind::Word32, field, stored, 0, 0}; }

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
