// The shared field kinds of stored records: each kind decoded and encoded against hand-made stored bytes, masks
// that keep the bits a field does not own, the function-record frame, the pin completions and the byte scales.
#include "store/DrawingReader.h"
#include "store/RecordCodec.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <cstring>
#include <span>
#include <sstream>
#include <string>

namespace {

std::string Hex(const BYTE* bytes, size_t count)
{
    std::ostringstream out;
    for (size_t i = 0; i < count; ++i)
        out << (i ? " " : "") << std::hex << (bytes[i] >> 4) << (bytes[i] & 15);
    return out.str();
}

struct KindCase {
    const char* name;
    record::FieldCodec codec;
    std::array<BYTE, 4> stored;    // stored bytes 0..3 before
    std::array<BYTE, 8> decoded;   // fields 0..7 after decoding
    std::array<BYTE, 8> written;   // fields 0..7 to encode
    std::array<BYTE, 4> encoded;   // stored bytes 0..3 after encoding over `stored`
};

}  // namespace

TEST(RecordCodecTest, EachKindDecodesAndEncodesItsBytesOnly)
{
    using namespace record;
    const KindCase cases[] = {
        {"whole byte", Byte(1, 2), {0xAA, 0xBB, 0xCC, 0xDD}, {0, 0xCC, 0, 0}, {9, 0x12, 9, 9}, {0xAA, 0xBB, 0x12, 0xDD}},
        // Bits 4..6 of byte 0: bits 0..3 and 7 keep their stored value; a value too wide keeps its low bits.
        {"bit field", Bits(0, 0, 4, 3), {0xFF, 0, 0, 0}, {7, 0, 0, 0}, {9, 0, 0, 0}, {0x9F, 0, 0, 0}},
        {"single bit", Bit(2, 1, 7), {0, 0x80, 0, 0}, {0, 0, 1, 0}, {0, 0, 2, 0}, {0, 0x00, 0, 0}},
        {"bytes", Bytes(1, 1, 2), {1, 2, 3, 4}, {0, 2, 3, 0}, {7, 8, 9, 7}, {1, 8, 9, 4}},
        // Kind in bits 0..6, inverted flag in bit 7 (its bit 0 only), number in the next byte.
        {"triple", Triple(0, 2), {0x11, 0x22, 0x85, 0x07}, {5, 1, 7, 0}, {0x83, 2, 0x44, 0}, {0x11, 0x22, 0x03, 0x44}},
        {"triple with its number elsewhere", Triple(0, 3, 0), {0x09, 0, 0, 0xE3}, {0x63, 1, 9, 0}, {4, 3, 1, 0},
         {0x01, 0, 0, 0x84}},
        // Flags own their bytes whole: a flag of 2 or 255 stores no bit, and bits 6 and 7 of a six-flag byte are 0.
        {"six flags", Flags6(0, 1), {0x00, 0xE5, 0x00, 0x00}, {1, 0, 1, 0, 0, 1}, {1, 2, 1, 255}, {0x00, 0x05, 0x00, 0x00}},
        {"masked flags keep the bits beyond them", MaskedFlags(0, 0, 2), {0xF0, 0, 0, 0}, {0, 0, 0, 0}, {1, 1, 0, 0},
         {0xF3, 0, 0, 0}},
        {"word", Word16(0, 2), {0, 0, 0x34, 0x12}, {0x34, 0x12, 0, 0}, {0xCD, 0xAB, 0, 0}, {0, 0, 0xCD, 0xAB}},
    };
    for (const KindCase& c : cases) {
        SCOPED_TRACE(c.name);
        const FieldCodec table[] = {c.codec};
        std::array<BYTE, 8> fields = {};
        Decode(table, c.stored.data(), fields.data());
        EXPECT_EQ(Hex(fields.data(), 8), Hex(c.decoded.data(), 8));
        std::array<BYTE, 4> stored = c.stored;
        Encode(table, c.written.data(), stored.data());
        EXPECT_EQ(Hex(stored.data(), 4), Hex(c.encoded.data(), 4));
    }
}

TEST(RecordCodecTest, SixteenFlagsSpanTwoBytes)
{
    using namespace record;
    const FieldCodec table[] = {Flags16(0, 1)};
    const BYTE stored[3] = {0xEE, 0x81, 0x40};
    BYTE fields[16] = {};
    Decode(table, stored, fields);
    for (int n = 0; n < 16; ++n)
        EXPECT_EQ(fields[n], n == 0 || n == 7 || n == 14 ? 1 : 0) << "output " << n + 1;
    fields[7] = 3;   // not exactly 1: not stored
    fields[15] = 1;
    BYTE out[3] = {0xEE, 0xFF, 0xFF};
    Encode(table, fields, out);
    EXPECT_EQ(Hex(out, 3), "ee 01 c0");
}

TEST(RecordCodecTest, Words32AreLittleEndianAndSigned)
{
    using namespace record;
    const FieldCodec table[] = {Word32(4, 1)};
    const BYTE stored[6] = {0xAA, 0xFE, 0xFF, 0xFF, 0xFF, 0xAA};
    BYTE fields[8] = {};
    Decode(table, stored, fields);
    std::int32_t value = 0;
    std::memcpy(&value, fields + 4, 4);
    EXPECT_EQ(value, -2);
    value = 0x01020304;
    std::memcpy(fields + 4, &value, 4);
    BYTE out[6] = {0xAA, 0, 0, 0, 0, 0xAA};
    Encode(table, fields, out);
    EXPECT_EQ(Hex(out, 6), "aa 04 03 02 01 aa");
}

TEST(RecordCodecTest, TablesKnowTheirExtent)
{
    using namespace record;
    constexpr FieldCodec table[] = {Byte(9, 2), Triple(4, 10), Flags16(21, 8), Bytes(30, 60, 4), Flags6(40, 7)};
    static_assert(StoredEnd(table) == 64);
    static_assert(FieldEnd(table) == 46);
    constexpr FieldCodec words[] = {Word32(24, 70), Triple(0, 3, 90)};
    static_assert(StoredEnd(words) == 91 && FieldEnd(words) == 28);
}

namespace {

struct Example {
    BYTE mode = 0;          // 0
    BYTE count = 0;         // 1
    BYTE outputs[10] = {};  // 2..11
    BYTE pairs[3][2] = {};  // 12..17
    BYTE source[2] = {};    // 18, 19
};

inline constexpr record::FieldInfo kExampleFields[] = {
    record::Flag(RECORD_FIELD(Example, mode)).At(record::at::Bit(3, 7)),
    record::Ranged(RECORD_FIELD(Example, count), record::Scale::Plain, 1, 9, 1),  // no place: coded elsewhere
    record::Flag(RECORD_FIELD(Example, outputs[0])).Each(10, 1).At(record::at::Flags(2)),
    record::Ranged(RECORD_FIELD(Example, pairs[0][1]), record::Scale::Plain, 0, 9, 0)
        .Each(3, 2)
        .At(record::at::Byte(8), 2),
};
inline constexpr record::FieldCodec kExampleOther[] = {record::Source(18, 0)};

std::string Rows(std::span<const record::FieldCodec> table)
{
    std::ostringstream out;
    for (const record::FieldCodec& c : table)
        out << int(c.kind) << ":" << int(c.field) << ">" << int(c.stored) << "," << int(c.a) << "," << int(c.b) << " ";
    return out.str();
}

}  // namespace

TEST(RecordCodecTest, CodecIsBuiltFromTheFieldTableRowsThatStateTheirPlace)
{
    using namespace record;
    constexpr auto codec = CodecOf<kExampleFields, kExampleOther>();
    // The flag list first, its count the row's; then the single bit, one byte per element a stored stride apart,
    // and the other rows.
    const FieldCodec expected[] = {Flags(2, 2, 10), Bit(0, 3, 7), Byte(13, 8), Byte(15, 10), Byte(17, 12),
                                   Source(18, 0)};
    EXPECT_EQ(Rows(codec), Rows(expected));

    // Ten flags leave bits 2..7 of stored byte 3 unused; the flag list clears them before the bit is written.
    Example r;
    r.mode = 1;
    r.outputs[9] = 1;
    r.pairs[1][1] = 7;
    BYTE stored[14];
    std::memset(stored, 0xFF, sizeof stored);
    Encode(codec, Fields(r), stored);
    EXPECT_EQ(Hex(stored, 14), "00 00 00 82 ff ff ff ff 00 ff 07 ff 00 ff");
    Example back;
    Decode(codec, stored, Fields(back));
    EXPECT_EQ(back.mode, 1);
    EXPECT_EQ(back.outputs[9], 1);
    EXPECT_EQ(back.pairs[1][1], 7);
}

TEST(RecordCodecTest, RowsWriteApartUnlessTheyMeet)
{
    using namespace record;
    struct Case {
        const char* name;
        std::array<FieldCodec, 2> rows;
        bool apart;
    };
    const Case cases[] = {
        {"other bytes", {Byte(0, 0), Byte(1, 1)}, true},
        {"other bits of one byte", {Bits(0, 0, 0, 4), Bits(1, 0, 4, 4)}, true},
        {"the same byte", {Byte(0, 0), Byte(1, 0)}, false},
        {"bits that overlap", {Bits(0, 0, 0, 4), Bit(1, 0, 3)}, false},
        {"a byte inside a source", {Source(0, 4), Byte(2, 5)}, false},
        {"a triple's number byte", {Triple(0, 4, 9), Byte(3, 9)}, false},
        {"a bit after the flags that leave it unused", {Flags(0, 0, 15), Bit(15, 1, 7)}, true},
        {"a bit before the flags that clear it", {Bit(15, 1, 7), Flags(0, 0, 15)}, false},
        {"a bit beside masked flags", {Bit(15, 1, 7), MaskedFlags(0, 0, 15)}, true},
        {"one decoded byte twice", {Byte(0, 0), Byte(0, 1)}, false},
        {"a decoded byte inside a word", {Word16(0, 0), Byte(1, 2)}, false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(WritesApart(c.rows), c.apart) << c.name;
}

namespace {

// A function record with a time-program block from field 10, as the four types with programs have it.
struct Probe {
    BYTE designation[3];
    BYTE number;
    BYTE release[3];
    BYTE windows;
    BYTE programs;
    BYTE withSetpoint;
    BYTE programBytes[80];
};

constexpr record::FieldCodec kProbeFields[] = {record::Triple(4, 20)};

}  // namespace

TEST(RecordCodecTest, FunctionFrameAndTimeProgramBlock)
{
    using namespace record;
    const FuncRecordType type{1, kProbeFields, 10};  // "Heizkreisregler": two standard designations
    BYTE entry[8] = {0xEE, 20, 0xEE, 7, 0x11, 0x22, 0x33, 0x44};
    BYTE slot[128];
    std::memset(slot, 0xFF, sizeof slot);
    slot[0] = 0xD3;
    slot[20] = 0x81;
    slot[21] = 0;
    Probe p{};
    DecodeFuncRecord(type, entry, slot, Fields(p));
    EXPECT_EQ(p.designation[0], 0);
    EXPECT_EQ(p.designation[1], 2);
    EXPECT_EQ(p.designation[2], 9);
    EXPECT_EQ(p.number, 7);
    EXPECT_EQ(p.release[0], 1);
    EXPECT_EQ(p.release[1], 1);
    EXPECT_EQ(p.windows, 3);
    EXPECT_EQ(p.programs, 5);
    EXPECT_EQ(p.withSetpoint, 1);
    // A day byte of FF gives seven days; bit 7 is not read. Windows are copied.
    for (int d = 0; d < 7; ++d)
        EXPECT_EQ(p.programBytes[d], 1);
    EXPECT_EQ(p.programBytes[7], 0xFF);

    p.designation[0] = 1;  // user-defined name 0, digit 0: code 21 for a type with two standard names
    p.designation[1] = 0;
    p.designation[2] = 0;
    p.number = 12;
    p.windows = 17;        // only the low four bits fit
    p.programs = 9;        // only the low three bits fit
    p.withSetpoint = 0;
    p.programBytes[16 * 4 + 2] = 0;
    p.programBytes[16 * 4 + 15] = 0x5A;
    EncodeFuncRecord(type, Fields(p), entry, slot);
    EXPECT_EQ(Hex(entry, 8), "01 15 00 0c 11 22 33 44");
    EXPECT_EQ(slot[0], 0x11);
    EXPECT_EQ(slot[64], 0x7F) << "bit 7 of a day byte is written as 0";
    EXPECT_EQ(slot[104], 0x7B);
    EXPECT_EQ(slot[113], 0x5A);
    EXPECT_EQ(slot[114], 0xFF) << "bytes after the block are not the block's";
    EXPECT_EQ(slot[63], 0xFF);
}

namespace {

// Pins 1, 2 carry sources, pin 3 drives outputs 2, 8, 12 and 15.
class FakePins : public DrawingReader {
public:
    void GetPinQuelle(int objectId, BYTE pin, BYTE& kind, BYTE& number) override
    {
        if (objectId != 42)
            return;
        if (pin == 1) {
            kind = 5;
            number = 2;
        } else if (pin == 2) {
            kind = 0;  // no partner: the number stays
        }
    }
    void GetAusgangFlags(int objectId, BYTE pin, BYTE flags[16]) override
    {
        std::memset(flags, 0, 16);
        if (objectId == 42 && pin == 3)
            for (int n : {2, 8, 12, 15})
                flags[n - 1] = 1;
    }
};

}  // namespace

TEST(RecordCodecTest, PinCompletionsWriteOnlyTheirFields)
{
    using P = DrawingReader::PinCompletion;
    const P pins[] = {{P::Source, 1, 0, 2}, {P::Source, 2, 3, 4}, {P::Flags16, 3, 5}, {P::Flags6, 3, 21},
                      {P::Mixer, 3, 27}, {P::Mixer, 4, 28}};
    BYTE fields[30];
    std::memset(fields, 0x77, sizeof fields);
    FakePins drawing;
    drawing.Complete(42, pins, fields);
    EXPECT_EQ(Hex(fields, 5), "05 77 02 00 77");
    EXPECT_EQ(Hex(fields + 5, 16), "00 01 00 00 00 00 00 01 00 00 00 01 00 00 01 00");
    EXPECT_EQ(Hex(fields + 21, 6), "00 01 00 00 01 00") << "outputs 1, 2, 6, 7, 15, 16";
    EXPECT_EQ(fields[27], 8) << "the first mixer pair in the order 3, 8, 10, 12";
    EXPECT_EQ(fields[28], 0);
    EXPECT_EQ(fields[29], 0x77);
}

TEST(RecordCodecTest, ByteScales)
{
    using namespace record;
    struct Case {
        BYTE value;
        int difference;  // tenths of a kelvin
        int hysteresis;  // tenths of a kelvin
        int celsius;
        long seconds;
    };
    const Case cases[] = {
        {0, 0, 0, 0, 0},               {99, 99, 99, 99, 360},
        {100, 100, 100, 100, 390},     {114, 240, 240, 114, 1020},
        {115, 250, 250, 115, 1080},    {127, 850, 370, 127, 1800},
        {128, -900, 380, 128, 1860},   {141, -250, 510, 141, 2640},
        {142, -240, 520, 142, 2700},   {156, -100, 660, 156, 3540},
        {157, -99, 670, 157, 3600},    {200, -56, 1100, 200, 81000},
        {201, -55, 1110, -55, 82800},  {255, -1, 1650, -1, 180000},
        {90, 90, 90, 90, 90},          {91, 91, 91, 91, 120},
        {107, 170, 170, 107, 600},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(int(c.value));
        EXPECT_EQ(DifferenceTenths(c.value), c.difference);
        EXPECT_EQ(HysteresisTenths(c.value), c.hysteresis);
        EXPECT_EQ(TemperatureCelsius(c.value), c.celsius);
        EXPECT_EQ(DurationSeconds(c.value), c.seconds);
        EXPECT_EQ(DifferenceByte(c.difference), c.value);
    }
    // Read as signed bytes the difference scale rises with the value.
    for (int s = -128; s < 127; ++s)
        EXPECT_LT(DifferenceTenths(static_cast<BYTE>(s)), DifferenceTenths(static_cast<BYTE>(s + 1))) << s;
    EXPECT_EQ(DifferenceByte(263), 115) << "26.3 K lies nearest to 25 K";
    EXPECT_EQ(DifferenceByte(5000), 127);
    EXPECT_EQ(TemperatureByte(-20), 236);
    EXPECT_EQ(TemperatureByte(-80), 201);
    EXPECT_EQ(TemperatureByte(250), 200);
    EXPECT_EQ(TimeOfDayMinutes(143), 23 * 60 + 50);
}
