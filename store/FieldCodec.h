// The stored field kinds of the records: how a decoded field is kept in the stored bytes. A codec row (FieldCodec)
// names decoded byte and stored byte; a stored place (Place) is the same without the decoded byte, for the field
// table row that names its member (FieldInfo::At): the codec takes the decoded byte from the member.
#pragma once

#include "platform/Types.h"

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

// Where a field table row's field is stored. `given` is false for a row whose field a codec row of its own
// describes (a source, a triple) or hand code keeps.
struct Place {
    Kind kind = Kind::Bits;
    BYTE stored = 0;  // stored byte of the (first) element
    BYTE a = 0;       // Bits: lowest bit
    BYTE b = 0;       // Bits: width in bits
    bool given = false;
};

// The stored places a field table row states with FieldInfo::At. A byte, bit or word place is that of the row's
// first element; an array row steps it by its stored stride. A flag list or byte run holds all the row's elements,
// its count is the row's.
namespace at {
constexpr Place Byte(BYTE stored) { return {Kind::Bits, stored, 0, 8, true}; }
constexpr Place Bits(BYTE stored, BYTE low, BYTE width) { return {Kind::Bits, stored, low, width, true}; }
constexpr Place Bit(BYTE stored, BYTE bit) { return {Kind::Bits, stored, bit, 1, true}; }
constexpr Place Word16(BYTE stored) { return {Kind::Word16, stored, 0, 0, true}; }
constexpr Place Word32(BYTE stored) { return {Kind::Word32, stored, 0, 0, true}; }
constexpr Place Bytes(BYTE stored) { return {Kind::Bytes, stored, 0, 0, true}; }
constexpr Place Flags(BYTE stored) { return {Kind::Flags, stored, 0, 0, true}; }
constexpr Place MaskedFlags(BYTE stored) { return {Kind::MaskedFlags, stored, 0, 0, true}; }
}  // namespace at

}  // namespace record
