// The shared field kinds of stored records, the frame of function records and the byte scales.
#include "store/RecordCodec.h"

#include "store/CParaDaten.h"
#include "texttables/StandardDesignations.h"

#include <cstdint>
#include <cstdlib>

namespace record {

namespace {

constexpr BYTE LowMask(unsigned width) { return static_cast<BYTE>(width >= 8 ? 0xFF : (1u << width) - 1u); }

void DecodeOne(const FieldCodec& c, const BYTE* stored, BYTE* fields)
{
    switch (c.kind) {
    case Kind::Bits:
        fields[c.field] = static_cast<BYTE>((stored[c.stored] >> c.a) & LowMask(c.b));
        break;
    case Kind::Bytes:
        std::memcpy(fields + c.field, stored + c.stored, c.a);
        break;
    case Kind::Triple:
        fields[c.field] = stored[c.stored] & 0x7F;
        fields[c.field + 1] = stored[c.stored] >> 7;
        fields[c.field + 2] = stored[c.a];
        break;
    case Kind::Flags:
    case Kind::MaskedFlags:
        for (unsigned k = 0; k < c.a; ++k)
            fields[c.field + k] = (stored[c.stored + k / 8] >> (k % 8)) & 1;
        break;
    case Kind::Word16: {
        const WORD w = static_cast<WORD>(stored[c.stored] | stored[c.stored + 1] << 8);
        std::memcpy(fields + c.field, &w, sizeof w);
        break;
    }
    case Kind::Word32: {
        std::uint32_t w = 0;
        for (int i = 3; i >= 0; --i)
            w = w << 8 | stored[c.stored + i];
        std::memcpy(fields + c.field, &w, sizeof w);
        break;
    }
    }
}

void EncodeOne(const FieldCodec& c, const BYTE* fields, BYTE* stored)
{
    switch (c.kind) {
    case Kind::Bits: {
        const BYTE mask = static_cast<BYTE>(LowMask(c.b) << c.a);
        stored[c.stored] = static_cast<BYTE>((stored[c.stored] & ~mask) | ((fields[c.field] << c.a) & mask));
        break;
    }
    case Kind::Bytes:
        std::memcpy(stored + c.stored, fields + c.field, c.a);
        break;
    case Kind::Triple:
        stored[c.stored] = static_cast<BYTE>((fields[c.field] & 0x7F) | (fields[c.field + 1] & 1) << 7);
        stored[c.a] = fields[c.field + 2];
        break;
    case Kind::Flags:
    case Kind::MaskedFlags: {
        const unsigned bytes = (c.a + 7u) / 8u;
        for (unsigned n = 0; n < bytes; ++n) {
            const unsigned first = 8 * n;
            const unsigned count = c.a - first < 8 ? c.a - first : 8;
            // The whole byte belongs to the list unless the bits beyond it are to be kept.
            const BYTE owned = c.kind == Kind::Flags ? BYTE(0xFF) : LowMask(count);
            BYTE byte = static_cast<BYTE>(stored[c.stored + n] & ~owned);
            for (unsigned k = 0; k < count; ++k)
                if (fields[c.field + first + k] == 1)
                    byte = static_cast<BYTE>(byte | 1u << k);
            stored[c.stored + n] = byte;
        }
        break;
    }
    case Kind::Word16: {
        WORD w = 0;
        std::memcpy(&w, fields + c.field, sizeof w);
        stored[c.stored] = static_cast<BYTE>(w & 0xFF);
        stored[c.stored + 1] = static_cast<BYTE>(w >> 8);
        break;
    }
    case Kind::Word32: {
        std::uint32_t w = 0;
        std::memcpy(&w, fields + c.field, sizeof w);
        for (int i = 0; i < 4; ++i)
            stored[c.stored + i] = static_cast<BYTE>(w >> (8 * i));
        break;
    }
    }
}

// The time-program block of a record whose programs start at field `block`.
struct ZeitBlock {
    FieldCodec codecs[3 + 2 * 5];
};

ZeitBlock ZeitBlockCodecs(BYTE block)
{
    ZeitBlock z{{Bits(kZeitFenster, 0, 0, 4), Bits(kZeitProgramme, 0, 4, 3), Bit(kZeitSollwert, 0, 7)}};
    for (BYTE j = 0; j < 5; ++j) {
        const BYTE field = static_cast<BYTE>(block + 16 * j);
        const BYTE stored = static_cast<BYTE>(kZeitBlockStored + 10 * j);
        z.codecs[3 + 2 * j] = Flags(field, stored, 7);
        z.codecs[4 + 2 * j] = Bytes(static_cast<BYTE>(field + 7), static_cast<BYTE>(stored + 1), 9);
    }
    return z;
}

}  // namespace

void Decode(std::span<const FieldCodec> table, const BYTE* stored, BYTE* fields)
{
    for (const FieldCodec& c : table)
        DecodeOne(c, stored, fields);
}

void Encode(std::span<const FieldCodec> table, const BYTE* fields, BYTE* stored)
{
    for (const FieldCodec& c : table)
        EncodeOne(c, fields, stored);
}

void DecodeFuncRecord(const FuncRecordType& type, const BYTE* entry, const BYTE* slot, BYTE* fields)
{
    Bezeichnung designation;
    CParaDaten::DecodeBezeichnung(texts::FunctionKindName(type.typeCode), entry[1], designation);
    fields[0] = designation.group;
    fields[1] = designation.index;
    fields[2] = designation.digit;
    fields[3] = entry[3];
    Decode(type.fields, slot, fields);
    if (type.timeBlock != 0)
        Decode(ZeitBlockCodecs(type.timeBlock).codecs, slot, fields);
}

void EncodeFuncRecord(const FuncRecordType& type, const BYTE* fields, BYTE* entry, BYTE* slot)
{
    const Bezeichnung designation{fields[0], fields[1], fields[2]};
    entry[0] = static_cast<BYTE>(type.typeCode);
    entry[1] = CParaDaten::EncodeBezeichnung(texts::FunctionKindName(type.typeCode), designation);
    entry[2] = 0;
    entry[3] = fields[3];
    Encode(type.fields, fields, slot);
    if (type.timeBlock != 0)
        Encode(ZeitBlockCodecs(type.timeBlock).codecs, fields, slot);
}

int DifferenceTenths(BYTE value)
{
    const int v = value;
    if (v <= 99)
        return v;
    if (v <= 114)
        return 10 * (v - 90);
    if (v <= 127)
        return 10 * (5 * v - 550);
    if (v <= 141)
        return 10 * (5 * v - 730);
    if (v <= 156)
        return 10 * (v - 166);
    return v - 256;
}

BYTE DifferenceByte(int tenths)
{
    // The scale rises with the signed byte: walk it from -128 upwards and keep the first nearest value.
    int best = -128;
    for (int s = -127; s <= 127; ++s)
        if (std::abs(DifferenceTenths(static_cast<BYTE>(s)) - tenths) <
            std::abs(DifferenceTenths(static_cast<BYTE>(best)) - tenths))
            best = s;
    return static_cast<BYTE>(best);
}

int HysteresisTenths(BYTE value)
{
    return value <= 99 ? value : 10 * (value - 90);
}

int TemperatureCelsius(BYTE value)
{
    return value <= 200 ? value : value - 256;
}

BYTE TemperatureByte(int celsius)
{
    if (celsius < -55)
        celsius = -55;
    if (celsius > 200)
        celsius = 200;
    return static_cast<BYTE>(celsius < 0 ? celsius + 256 : celsius);
}

long DurationSeconds(BYTE value)
{
    const long v = value;
    if (v <= 90)
        return v;
    if (v <= 106)
        return (v - 87) * 30;
    if (v <= 156)
        return (v - 97) * 60;
    return (v - 155) * 1800;
}

}  // namespace record
