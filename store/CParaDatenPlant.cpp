// CParaDaten: the records of the 16 inputs, the 16 outputs and the anti-seize settings.
#include "store/CParaDaten.h"

#include "store/CEepromFile.h"
#include "store/ImageLayout.h"

#include <cstring>

namespace {

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

BYTE Bit(BYTE value, int bit) { return static_cast<BYTE>((value >> bit) & 1); }

}  // namespace

bool CParaDaten::GetEingang(int file, BYTE n, EingangParam& record)
{
    record.type = 0;
    CEepromFile* f = GetFile(file);
    BYTE b[layout::kEingangRecordSize];
    if (!f || !IsEingang(n) || !f->ReadBytes(layout::kAreaEeprom, layout::EingangRecord(n), sizeof b, b))
        return false;
    EingangParam r;
    r.type = b[0] & 0x0F;
    r.quantity = b[0] >> 4;
    r.sensorType = b[1] & 0x1F;
    r.processQuantity = b[1] >> 5;
    r.divisor = b[1];
    r.factor = b[1];
    r.averaging = b[2];
    DecodeDesignation(b[3], r.index, r.digit);
    r.group = b[4] & 0x0F;
    r.sensorCheck = Bit(b[4], 7);
    r.correction = b[5];
    r.scaleInLow = b[5];
    r.scaleInHighMinus1 = static_cast<BYTE>(b[6] - 1);
    r.scaleOutLow = b[7] & 0x0F;
    r.scaleOutHigh = b[7] >> 4;
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
    b[0] = static_cast<BYTE>((r.type & 0x0F) | (r.quantity & 0x0F) << 4);
    // Byte 1 carries the divisor, the impulse factor, or sensor type and process quantity, chosen by type.
    // The type and quantity compared are those that byte 0 stores.
    const int type = r.type & 0x0F;
    const int quantity = r.quantity & 0x0F;
    if (type == kEingangImpuls)
        b[1] = quantity == kGroesseImpulse ? r.divisor : r.factor;
    else
        b[1] = static_cast<BYTE>((r.sensorType & 0x1F) | (r.processQuantity & 0x07) << 5);
    b[2] = r.averaging;
    b[3] = EncodeDesignation(r.index, r.digit);
    // Bits 4..6 are always 0.
    b[4] = static_cast<BYTE>((r.group & 0x0F) | (r.sensorCheck & 1) << 7);
    const bool correction =
        type == kEingangAnalog && (quantity == kGroesseTemperatur || quantity == kGroesseStrahlung);
    b[5] = correction ? r.correction : r.scaleInLow;
    b[6] = static_cast<BYTE>(r.scaleInHighMinus1 + 1);
    b[7] = static_cast<BYTE>((r.scaleOutLow & 0x0F) | (r.scaleOutHigh & 0x0F) << 4);
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
        r.scaleInLow = b[0];
        r.scaleInHigh = b[1];
        r.scaleOutLow = b[2];
        r.scaleOutHigh = b[3];
        r.digitalLevel = b[4];
        r.pwm = Bit(b[5], 1) ? 0 : 1;  // stored inverted
    } else {
        r.type = b[0] & 0x0F;
        r.phaseCut = Bit(b[0], 6);
        r.delay = b[1];
        r.followUp = b[2];
        r.runTime = b[2];
        DecodeDesignation(b[3], r.index, r.digit);
        r.group = b[4] & 0x0F;
        if (n == 14) {
            // Both flags are stored inverted: a clear bit means yes.
            r.extension = Bit(b[4], 6) ? 0 : 1;
            r.netToDataLine = Bit(b[4], 7) ? 0 : 1;
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
        b[0] = r.scaleInLow;
        b[1] = r.scaleInHigh;
        b[2] = r.scaleOutLow;
        b[3] = r.scaleOutHigh;
        b[4] = r.digitalLevel;
        b[5] = r.pwm == 0 ? 0xFF : 0xFD;  // bit 1 clear for "PWM", every other bit 1
    } else {
        // Bit 4 of byte 0 is always 0, bits 5 and 7 always 1.
        b[0] = static_cast<BYTE>((r.type & 0x0F) | 0x20 | (r.phaseCut & 1) << 6 | 0x80);
        b[1] = r.delay;
        b[2] = (r.type & 0x0F) == kAusgangMischer ? r.runTime : r.followUp;
        b[3] = EncodeDesignation(r.index, r.digit);
        if (n == 14)
            b[4] = static_cast<BYTE>((r.group & 0x0F) | 0x30 | (r.extension == 0) << 6 | (r.netToDataLine == 0) << 7);
        else
            b[4] = static_cast<BYTE>((r.group & 0x0F) | 0xF0);
    }
    return f->WriteBytes(layout::kAreaEeprom, AusgangAddress(n), AusgangSize(n), b);
}

bool CParaDaten::GetAntiblockierschutz(int file, AntiblockierschutzParam& record)
{
    CEepromFile* f = GetFile(file);
    BYTE b[4];
    if (!f || !f->ReadBytes(layout::kAreaEeprom, layout::kAntiblockierschutz, sizeof b, b))
        return false;
    AntiblockierschutzParam r;
    for (int i = 0; i < 7; ++i)
        r.weekdays[i] = Bit(b[0], i);
    r.time = b[1];
    for (int i = 0; i < 8; ++i) {
        r.outputs[i] = Bit(b[2], i);
        r.outputs[8 + i] = Bit(b[3], i);
    }
    record = r;
    return true;
}

bool CParaDaten::SetAntiblockierschutz(int file, AntiblockierschutzParam r)
{
    CEepromFile* f = GetFile(file);
    if (!f)
        return false;
    // A flag sets its bit only when it is exactly 1, so a stray value never reaches a neighbouring day or output;
    // bit 7 of the weekday byte stays 0.
    BYTE b[4] = {0, r.time, 0, 0};
    for (int i = 0; i < 7; ++i)
        b[0] |= static_cast<BYTE>((r.weekdays[i] == 1) << i);
    for (int i = 0; i < 8; ++i) {
        b[2] |= static_cast<BYTE>((r.outputs[i] == 1) << i);
        b[3] |= static_cast<BYTE>((r.outputs[8 + i] == 1) << i);
    }
    return f->WriteBytes(layout::kAreaEeprom, layout::kAntiblockierschutz, sizeof b, b);
}
