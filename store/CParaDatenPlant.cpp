// CParaDaten: the records of the 16 inputs, the 16 outputs and the anti-seize settings.
#include "store/CParaDaten.h"

#include "store/CEepromFile.h"
#include "store/ImageLayout.h"
#include "store/PlantFields.h"
#include "store/RecordCodec.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstring>
#include <span>

namespace {

// The decoded byte where a member of a record begins.
#define AT(Record, member) static_cast<BYTE>(offsetof(Record, member))

using Codecs = std::span<const record::FieldCodec>;

// The rows of several codec tables in one: what a read decodes when a write picks one table of several.
template <std::size_t... N>
constexpr std::array<record::FieldCodec, (N + ...)> Join(const record::FieldCodec (&... tables)[N])
{
    std::array<record::FieldCodec, (N + ...)> all{};
    auto at = all.begin();
    ((at = std::copy(tables, tables + N, at)), ...);
    return all;
}

// An input: bytes 0..7 hold the fields, bytes 8..15 are written FF. Byte 3, the designation, and byte 6, the upper
// scale input value stored plus 1, are converted by hand; bits 4..6 of byte 4 belong to no field and are written 0.
constexpr record::FieldCodec kEingangFields[] = {
    record::Bits(AT(EingangParam, type), 0, 0, 4),
    record::Bits(AT(EingangParam, quantity), 0, 4, 4),
    record::Byte(AT(EingangParam, averaging), 2),
    record::Bits(AT(EingangParam, group), 4, 0, 4),
    record::Bit(AT(EingangParam, sensorCheck), 4, 7),
    record::Bits(AT(EingangParam, scaleOutLow), 7, 0, 4),
    record::Bits(AT(EingangParam, scaleOutHigh), 7, 4, 4),
};
// Byte 1 holds sensor type and process quantity, the pulse divisor or the impulse factor, and byte 5 the correction
// or the lower scale input value: a read decodes every one of them, a write the one that type and quantity choose.
constexpr record::FieldCodec kEingangSensor[] = {
    record::Bits(AT(EingangParam, sensorType), 1, 0, 5),
    record::Bits(AT(EingangParam, processQuantity), 1, 5, 3),
};
constexpr record::FieldCodec kEingangDivisor[] = {record::Byte(AT(EingangParam, divisor), 1)};
constexpr record::FieldCodec kEingangFactor[] = {record::Byte(AT(EingangParam, factor), 1)};
constexpr record::FieldCodec kEingangCorrection[] = {record::Byte(AT(EingangParam, correction), 5)};
constexpr record::FieldCodec kEingangScaleInLow[] = {record::Byte(AT(EingangParam, scaleInLow), 5)};
constexpr auto kEingangRead =
    Join(kEingangFields, kEingangSensor, kEingangDivisor, kEingangFactor, kEingangCorrection, kEingangScaleInLow);
constexpr unsigned kEingangDesignation = 3;
constexpr unsigned kEingangScaleInHigh = 6;
constexpr unsigned kEingangFieldBytes = 8;
static_assert(record::StoredEnd(kEingangRead) == kEingangFieldBytes);
static_assert(record::DecodesEveryField(kEingangRead, record::kEingangFields, 0,
                                        {offsetof(EingangParam, index), offsetof(EingangParam, digit),
                                         offsetof(EingangParam, scaleInHighMinus1)}));

// Outputs 1 to 14: bytes 0..4 hold the fields, bytes 5..15 are written FF. Byte 3, the designation, and the two
// flags of output 14 in bits 6 and 7 of byte 4, stored inverted, are coded by hand. Of the bits no field owns, bit 4
// of byte 0 is written 0, every other 1.
constexpr record::FieldCodec kAusgangFields[] = {
    record::Bits(AT(AusgangParam, type), 0, 0, 4),
    record::Bit(AT(AusgangParam, phaseCut), 0, 6),
    record::Byte(AT(AusgangParam, delay), 1),
    record::Bits(AT(AusgangParam, group), 4, 0, 4),
};
// Byte 2 is the run time of a mixer and the follow-up time of every other type.
constexpr record::FieldCodec kAusgangFollowUp[] = {record::Byte(AT(AusgangParam, followUp), 2)};
constexpr record::FieldCodec kAusgangRunTime[] = {record::Byte(AT(AusgangParam, runTime), 2)};
constexpr auto kAusgangRead = Join(kAusgangFields, kAusgangFollowUp, kAusgangRunTime);
constexpr BYTE kAusgangByte0 = 0xA0;  // bits 5 and 7 set, bit 4 clear
constexpr unsigned kAusgangDesignation = 3;
constexpr unsigned kAusgangGroupByte = 4;
constexpr BYTE kExtensionClear = 1 << 6;  // output 14: a clear bit means yes
constexpr BYTE kNetToDataLineClear = 1 << 7;
// The analog outputs 15 and 16: 8 bytes, of which byte 5 holds the mode, stored inverted in bit 1 with every other
// bit 1, coded by hand; bytes 6 and 7 are written FF.
constexpr record::FieldCodec kAnalogAusgangFields[] = {
    record::Byte(AT(AusgangParam, scaleInLow), 0),   record::Byte(AT(AusgangParam, scaleInHigh), 1),
    record::Byte(AT(AusgangParam, scaleOutLow), 2),  record::Byte(AT(AusgangParam, scaleOutHigh), 3),
    record::Byte(AT(AusgangParam, digitalLevel), 4),
};
constexpr unsigned kAnalogAusgangMode = 5;
constexpr BYTE kPwmClear = 1 << 1;  // a clear bit means "PWM"
static_assert(record::StoredEnd(kAusgangRead) <= 5 && record::StoredEnd(kAnalogAusgangFields) <= 5);
static_assert(record::DecodesEveryField(Join(kAusgangFields, kAusgangFollowUp, kAusgangRunTime, kAnalogAusgangFields),
                                        record::kAusgangFields, 0,
                                        {offsetof(AusgangParam, index), offsetof(AusgangParam, digit),
                                         offsetof(AusgangParam, extension), offsetof(AusgangParam, netToDataLine),
                                         offsetof(AusgangParam, pwm)}));

// The anti-seize settings: weekdays, time, outputs. The flag lists own their bytes whole, so bit 7 of the weekday
// byte is written 0.
constexpr record::FieldCodec kAntiblockierschutzFields[] = {
    record::Flags(AT(AntiblockierschutzParam, weekdays), 0, 7),
    record::Byte(AT(AntiblockierschutzParam, time), 1),
    record::Flags16(AT(AntiblockierschutzParam, outputs), 2),
};
static_assert(record::StoredEnd(kAntiblockierschutzFields) == 4);
static_assert(record::FieldEnd(kAntiblockierschutzFields) == sizeof(AntiblockierschutzParam));
static_assert(record::DecodesEveryField(kAntiblockierschutzFields, record::kAntiblockierschutzFields));

#undef AT

// The designation byte of inputs and outputs: (index - 1) * 10 + digit + 1, worked in unsigned 32-bit arithmetic
// as the controller does, so that the bytes 0 and FF decode to indexes the repair recognises as out of range.
void DecodeDesignation(BYTE stored, BYTE& index, BYTE& digit)
{
    const UINT code = stored;
    index = static_cast<BYTE>((code - 1u) / 10u + 1u);
    digit = static_cast<BYTE>((code - 1u) % 10u);
}

BYTE EncodeDesignation(BYTE index, BYTE digit)
{
    return static_cast<BYTE>((index - 1u) * 10u + digit + 1u);
}

bool IsAnalogAusgang(unsigned n) { return n == 15 || n == 16; }

UINT AusgangAddress(unsigned n)
{
    return n == 15 ? layout::kAusgang15 : n == 16 ? layout::kAusgang16 : layout::AusgangRecord(n);
}

UINT AusgangSize(unsigned n)
{
    return IsAnalogAusgang(n) ? 8 : layout::kAusgangRecordSize;
}

}  // namespace

bool CParaDaten::GetEingang(int file, BYTE n, EingangParam& record)
{
    record.type = 0;
    CEepromFile* f = GetFile(file);
    BYTE b[layout::kEingangRecordSize];
    if (!f || !IsEingang(n) || !f->ReadBytes(layout::kAreaEeprom, layout::EingangRecord(n), sizeof b, b))
        return false;
    EingangParam r;
    record::Decode(kEingangRead, b, record::Fields(r));
    DecodeDesignation(b[kEingangDesignation], r.index, r.digit);
    r.scaleInHighMinus1 = static_cast<BYTE>(b[kEingangScaleInHigh] - 1);
    record = r;
    return true;
}

bool CParaDaten::SetEingang(int file, BYTE n, EingangParam r)
{
    CEepromFile* f = GetFile(file);
    if (!f || !IsEingang(n))
        return false;
    BYTE b[layout::kEingangRecordSize];
    std::memset(b, 0xFF, sizeof b);
    std::memset(b, 0, kEingangFieldBytes);
    record::Encode(kEingangFields, record::Fields(r), b);
    // The type and quantity that choose the shared bytes are those that byte 0 stores.
    const int type = r.type & 0x0F;
    const int quantity = r.quantity & 0x0F;
    const Codecs byte1 = type != kEingangImpuls ? Codecs(kEingangSensor)
        : quantity == kGroesseImpulse           ? Codecs(kEingangDivisor)
                                                : Codecs(kEingangFactor);
    const bool correction =
        type == kEingangAnalog && (quantity == kGroesseTemperatur || quantity == kGroesseStrahlung);
    record::Encode(byte1, record::Fields(r), b);
    record::Encode(correction ? Codecs(kEingangCorrection) : Codecs(kEingangScaleInLow), record::Fields(r), b);
    b[kEingangDesignation] = EncodeDesignation(r.index, r.digit);
    b[kEingangScaleInHigh] = static_cast<BYTE>(r.scaleInHighMinus1 + 1);
    return f->WriteBytes(layout::kAreaEeprom, layout::EingangRecord(n), sizeof b, b);
}

bool CParaDaten::GetAusgang(int file, BYTE n, AusgangParam& record)
{
    record.type = 0;
    CEepromFile* f = GetFile(file);
    BYTE b[layout::kAusgangRecordSize];
    if (!f || !IsAusgang(n) || !f->ReadBytes(layout::kAreaEeprom, AusgangAddress(n), AusgangSize(n), b))
        return false;
    AusgangParam r;
    if (IsAnalogAusgang(n)) {
        record::Decode(kAnalogAusgangFields, b, record::Fields(r));
        r.pwm = b[kAnalogAusgangMode] & kPwmClear ? 0 : 1;
    } else {
        record::Decode(kAusgangRead, b, record::Fields(r));
        DecodeDesignation(b[kAusgangDesignation], r.index, r.digit);
        if (n == 14) {
            r.extension = b[kAusgangGroupByte] & kExtensionClear ? 0 : 1;
            r.netToDataLine = b[kAusgangGroupByte] & kNetToDataLineClear ? 0 : 1;
        }
    }
    record = r;
    return true;
}

bool CParaDaten::SetAusgang(int file, BYTE n, AusgangParam r)
{
    CEepromFile* f = GetFile(file);
    if (!f || !IsAusgang(n))
        return false;
    BYTE b[layout::kAusgangRecordSize];
    std::memset(b, 0xFF, sizeof b);
    if (IsAnalogAusgang(n)) {
        record::Encode(kAnalogAusgangFields, record::Fields(r), b);
        if (r.pwm != 0)
            b[kAnalogAusgangMode] &= static_cast<BYTE>(~kPwmClear);
    } else {
        b[0] = kAusgangByte0;
        record::Encode(kAusgangFields, record::Fields(r), b);
        record::Encode((r.type & 0x0F) == kAusgangMischer ? Codecs(kAusgangRunTime) : Codecs(kAusgangFollowUp),
                       record::Fields(r), b);
        b[kAusgangDesignation] = EncodeDesignation(r.index, r.digit);
        if (n == 14) {
            if (r.extension != 0)
                b[kAusgangGroupByte] &= static_cast<BYTE>(~kExtensionClear);
            if (r.netToDataLine != 0)
                b[kAusgangGroupByte] &= static_cast<BYTE>(~kNetToDataLineClear);
        }
    }
    return f->WriteBytes(layout::kAreaEeprom, AusgangAddress(n), AusgangSize(n), b);
}

bool CParaDaten::GetAntiblockierschutz(int file, AntiblockierschutzParam& record)
{
    CEepromFile* f = GetFile(file);
    BYTE b[record::StoredEnd(kAntiblockierschutzFields)];
    if (!f || !f->ReadBytes(layout::kAreaEeprom, layout::kAntiblockierschutz, sizeof b, b))
        return false;
    AntiblockierschutzParam r;
    record::Decode(kAntiblockierschutzFields, b, record::Fields(r));
    record = r;
    return true;
}

bool CParaDaten::SetAntiblockierschutz(int file, AntiblockierschutzParam r)
{
    CEepromFile* f = GetFile(file);
    if (!f)
        return false;
    BYTE b[record::StoredEnd(kAntiblockierschutzFields)] = {};
    record::Encode(kAntiblockierschutzFields, record::Fields(r), b);
    return f->WriteBytes(layout::kAreaEeprom, layout::kAntiblockierschutz, sizeof b, b);
}
