// CParaDaten: the records of the solar control, solar priority, PID control, heat meter, start function and
// cooling function.
#include "store/CParaDaten.h"

#include "store/DrawingReader.h"
#include "store/KuehlfuncParam.h"
#include "store/PID_RegelungParam.h"
#include "store/RecordCodec.h"
#include "store/SolarregelungParam.h"
#include "store/SolarvorrangParam.h"
#include "store/StartfuncParam.h"
#include "store/WMZParam.h"
#include "texttables/StandardDesignations.h"

#include <bit>
#include <cstdint>
#include <cstring>

using namespace record;

static_assert(std::endian::native == std::endian::little,
              "the PID mode bits are decoded into the lowest byte of their 32-bit word");

namespace {

// ---- The codec tables: each record's field table states the stored places of its fields; the rows here are those
// that have no row there (sources, triples, the PID modes) ----

constexpr FieldCodec kSolarregelungOther[] = {Triple(4, 10), Source(7, 12), Source(11, 14), Source(17, 16)};
constexpr FieldCodec kSolarvorrangOther[] = {Triple(4, 7), Source(8, 9)};
// The three modes are bits 0..5 of stored byte 0.
constexpr FieldCodec kPidRegelungOther[] = {
    Bits(8, 0, 0, 6), Triple(4, 3),   Source(14, 5),  Source(16, 7),  Source(18, 9),
    Source(20, 11),   Source(22, 13), Source(24, 15), Source(26, 17), Source(28, 19),
};
constexpr FieldCodec kWmzOther[] = {Triple(4, 2), Source(8, 4), Source(10, 6), Source(12, 8), Triple(14, 10)};
constexpr FieldCodec kStartfuncOther[] = {Triple(4, 8), Source(13, 10), Source(15, 12)};
constexpr FieldCodec kKuehlfuncOther[] = {Triple(4, 8), Source(9, 10), Source(11, 12)};

constexpr auto kSolarregelungCodec = CodecOf<record::kSolarregelungFields, kSolarregelungOther>();
constexpr auto kSolarvorrangCodec = CodecOf<record::kSolarvorrangFields, kSolarvorrangOther>();
constexpr auto kPidRegelungCodec = CodecOf<record::kPidRegelungFields, kPidRegelungOther>();
constexpr auto kWmzCodec = CodecOf<record::kWmzFields, kWmzOther>();
constexpr auto kStartfuncCodec = CodecOf<record::kStartfuncFields, kStartfuncOther>();
constexpr auto kKuehlfuncCodec = CodecOf<record::kKuehlfuncFields, kKuehlfuncOther>();

constexpr FuncRecordType kSolarregelung{texts::kTypeSolarregelung, kSolarregelungCodec};
constexpr FuncRecordType kSolarvorrang{texts::kTypeSolarvorrang, kSolarvorrangCodec};
constexpr FuncRecordType kPidRegelung{texts::kTypePID_Regelung, kPidRegelungCodec};
constexpr FuncRecordType kWmz{texts::kTypeWMZ, kWmzCodec};
constexpr FuncRecordType kStartfunc{texts::kTypeStartfunc, kStartfuncCodec};
constexpr FuncRecordType kKuehlfunc{texts::kTypeKuehlfunc, kKuehlfuncCodec};

static_assert(FieldEnd(kSolarregelungCodec) == sizeof(SolarregelungParam) && StoredEnd(kSolarregelungCodec) == 18);
static_assert(FieldEnd(kSolarvorrangCodec) == sizeof(SolarvorrangParam) && StoredEnd(kSolarvorrangCodec) == 84);
static_assert(FieldEnd(kPidRegelungCodec) == 41 && StoredEnd(kPidRegelungCodec) == 26);
static_assert(FieldEnd(kWmzCodec) == 17 && StoredEnd(kWmzCodec) == 12);
static_assert(FieldEnd(kStartfuncCodec) == sizeof(StartfuncParam) && StoredEnd(kStartfuncCodec) == 74);
static_assert(FieldEnd(kKuehlfuncCodec) == sizeof(KuehlfuncParam) && StoredEnd(kKuehlfuncCodec) == 14);
static_assert(DecodesEveryField(kSolarregelungCodec, record::kSolarregelungFields));
static_assert(DecodesEveryField(kSolarvorrangCodec, record::kSolarvorrangFields));
static_assert(DecodesEveryField(kPidRegelungCodec, record::kPidRegelungFields));
static_assert(DecodesEveryField(kWmzCodec, record::kWmzFields, 0,
                                {offsetof(WMZParam, calibrated), offsetof(WMZParam, upperTemp),
                                 offsetof(WMZParam, upperDiff), offsetof(WMZParam, lowerTemp),
                                 offsetof(WMZParam, lowerDiff), offsetof(WMZParam, readingKwh),
                                 offsetof(WMZParam, readingMwh)}));
static_assert(DecodesEveryField(kStartfuncCodec, record::kStartfuncFields));
static_assert(DecodesEveryField(kKuehlfuncCodec, record::kKuehlfuncFields));

// ---- Heat meter: calibration blocks and meter-reading copies ----

constexpr unsigned kKalibrierBlock[2] = {64, 96};  // block A, block B: four words, then the marker
constexpr BYTE kKalibriert = 0xCA;
constexpr unsigned kZaehlerKopien[2][2] = {{80, 88}, {112, 120}};  // pair 1, pair 2
constexpr std::int32_t kKalibrierDefault[4] = {5000, 0, 2499, 0};

// A 15-bit two's-complement value with its parity in bit 15.
WORD KalibrierWort(std::int32_t value)
{
    const WORD bits = static_cast<WORD>(value & 0x7FFF);
    return static_cast<WORD>(bits | CParaDaten::Parity(bits, 15) << 15);
}

bool ReadKalibrierBlock(const BYTE* block, std::int32_t values[4])
{
    if (block[8] != kKalibriert)
        return false;
    for (int w = 0; w < 4; ++w) {
        const WORD word = static_cast<WORD>(block[2 * w] | block[2 * w + 1] << 8);
        if ((word >> 15) != CParaDaten::Parity(word, 15))
            return false;
        const int bits = word & 0x7FFF;
        values[w] = bits & 0x4000 ? bits - 0x8000 : bits;
    }
    return true;
}

std::uint32_t ReadLE32(const BYTE* p)
{
    return p[0] | std::uint32_t(p[1]) << 8 | std::uint32_t(p[2]) << 16 | std::uint32_t(p[3]) << 24;
}

void DecodeWmz(const BYTE* stored, WMZParam& r)
{
    std::int32_t values[4];
    r.calibrated = 0;
    std::memcpy(values, kKalibrierDefault, sizeof values);
    for (unsigned at : kKalibrierBlock) {
        std::int32_t found[4];
        if (ReadKalibrierBlock(stored + at, found)) {
            std::memcpy(values, found, sizeof values);
            r.calibrated = 1;
            break;
        }
    }
    r.upperTemp = values[0];
    r.upperDiff = values[1];
    r.lowerTemp = values[2];
    r.lowerDiff = values[3];

    // A pair whose copies differ counts as 0; the larger pair wins, high half first, which is the plain order of
    // the 32-bit value.
    std::uint32_t reading = 0;
    for (const auto& pair : kZaehlerKopien) {
        const std::uint32_t first = ReadLE32(stored + pair[0]);
        if (first == ReadLE32(stored + pair[1]) && first > reading)
            reading = first;
    }
    r.readingKwh = reading & 0xFFFF;
    r.readingMwh = reading >> 16;
}

void EncodeWmz(const WMZParam& r, BYTE* stored)
{
    const std::int32_t values[4] = {r.upperTemp, r.upperDiff, r.lowerTemp, r.lowerDiff};
    for (unsigned at : kKalibrierBlock) {
        for (int w = 0; w < 4; ++w) {
            const WORD word = KalibrierWort(values[w]);
            stored[at + 2 * w] = static_cast<BYTE>(word & 0xFF);
            stored[at + 2 * w + 1] = static_cast<BYTE>(word >> 8);
        }
        stored[at + 8] = r.calibrated ? kKalibriert : 0;
    }
    const std::uint32_t reading = (r.readingMwh & 0xFFFF) << 16 | (r.readingKwh & 0xFFFF);
    for (const auto& pair : kZaehlerKopien)
        for (unsigned copy : pair)
            for (int i = 0; i < 4; ++i)
                stored[copy + i] = static_cast<BYTE>(reading >> (8 * i));
}

// ---- References to solar controls ----

// Entries that do not name a solar control of working file 2 (function number + 1) become 0.
void KeepSolarControls(CParaDaten& para, BYTE* entry, int count, int stride)
{
    for (int j = 0; j < count; ++j) {
        BYTE& value = entry[j * stride];
        if (value != 0 && !para.IsFuncOfType(texts::kTypeSolarregelung, static_cast<BYTE>(value - 1)))
            value = 0;
    }
}

// ---- Defaults of a new record ----

// A release fixed on.
constexpr DigitalQuelle kFreigabeEin{0, 0, 1};
constexpr Quelle Eingang(BYTE n) { return Quelle{1, n}; }
constexpr Quelle Fest(BYTE value) { return Quelle{0, value}; }

SolarregelungParam DefaultSolarregelung()
{
    SolarregelungParam r{};
    r.release = kFreigabeEin;
    r.collectorTemp = Eingang(1);
    r.collectorMax = 130;
    r.collectorHyst = 100;  // 10 K
    r.referenceTemp = Eingang(3);
    r.referenceMax = 70;
    r.referenceHyst = 30;   // 3.0 K
    r.diffOn = 70;          // 7.0 K
    r.diffOff = 40;         // 4.0 K
    r.limitTemp = Eingang(2);
    r.limitMax = 70;
    r.limitHyst = 30;
    r.outputs[0] = 1;
    return r;
}

SolarvorrangParam DefaultSolarvorrang()
{
    SolarvorrangParam r{};
    r.release = kFreigabeEin;
    r.participantCount = 2;
    r.activation = 20;  // 200 W/m2
    r.runTime = 20;
    r.waitTime = 5;
    r.timerFromPriority = 1;
    r.flushOutputs[0] = 1;
    return r;
}

PID_RegelungParam DefaultPidRegelung()
{
    PID_RegelungParam r{};
    r.release = kFreigabeEin;
    r.diffSetpoint = 80;  // 8.0 K
    r.absSetpoint = Fest(50);
    r.eventThreshold = Fest(60);
    r.eventSetpoint = Fest(90);
    r.outputMax = 30;
    r.p = 10;
    return r;
}

WMZParam DefaultWmz()
{
    WMZParam r{};
    r.release = kFreigabeEin;
    r.flowTemp = Eingang(1);
    r.returnTemp = Eingang(2);
    r.flowRate = Eingang(16);
    r.upperTemp = kKalibrierDefault[0];
    r.lowerTemp = kKalibrierDefault[2];
    return r;
}

StartfuncParam DefaultStartfunc()
{
    StartfuncParam r{};
    r.release = kFreigabeEin;
    r.solarCount = 2;
    r.runTime = 15;
    r.interval = 20;
    r.windowStart = 42;  // 07:00
    r.windowEnd = 120;   // 20:00
    r.activation = 20;
    r.relativeTemp = Eingang(1);
    return r;
}

KuehlfuncParam DefaultKuehlfunc()
{
    KuehlfuncParam r{};
    r.release = kFreigabeEin;
    r.windowEnd = 36;  // 06:00
    r.referenceTemp = Eingang(1);
    r.referenceMax = Fest(90);
    r.diffOn = 50;     // 5.0 K
    r.magnitude = 15;
    return r;
}

}  // namespace

BYTE CParaDaten::Parity(DWORD value, int n)
{
    BYTE parity = 0;
    for (int i = 0; i < n && i < 32; ++i)
        parity ^= static_cast<BYTE>((value >> i) & 1);
    return parity;
}

bool CParaDaten::GetSolarregelung(int file, BYTE slot, SolarregelungParam& record, bool complete)
{
    return ReadFuncRecord(file, slot, kSolarregelung, Fields(record), sizeof record, complete);
}

bool CParaDaten::SetSolarregelung(int file, BYTE slot, SolarregelungParam record)
{
    return WriteFuncRecord(file, slot, kSolarregelung, Fields(record));
}

bool CParaDaten::GetSolarvorrang(int file, BYTE slot, SolarvorrangParam& record, bool complete)
{
    // Only a record completed from the drawing is held against the drawing's set; a record read as stored (an
    // external file's among them) keeps its references for the repair with its own file.
    return ReadFuncRecord(file, slot, kSolarvorrang, Fields(record), sizeof record, complete, {}, [this, &record] {
        KeepSolarControls(*this, &record.participants[0].function, 10, sizeof(SolarvorrangTeilnehmer));
    });
}

bool CParaDaten::SetSolarvorrang(int file, BYTE slot, SolarvorrangParam record)
{
    return WriteFuncRecord(file, slot, kSolarvorrang, Fields(record));
}

bool CParaDaten::GetPidRegelung(int file, BYTE slot, PID_RegelungParam& record, bool complete)
{
    return ReadFuncRecord(file, slot, kPidRegelung, Fields(record), sizeof record, complete);
}

bool CParaDaten::SetPidRegelung(int file, BYTE slot, PID_RegelungParam record)
{
    return WriteFuncRecord(file, slot, kPidRegelung, Fields(record));
}

bool CParaDaten::GetWmz(int file, BYTE slot, WMZParam& record, bool complete)
{
    return ReadFuncRecord(file, slot, kWmz, Fields(record), sizeof record, complete,
                          [&record](const BYTE* stored, BYTE*) { DecodeWmz(stored, record); });
}

bool CParaDaten::SetWmz(int file, BYTE slot, WMZParam record)
{
    return WriteFuncRecord(file, slot, kWmz, Fields(record),
                           [&record](const BYTE*, BYTE* stored) { EncodeWmz(record, stored); });
}

bool CParaDaten::GetStartfunc(int file, BYTE slot, StartfuncParam& record, bool complete)
{
    return ReadFuncRecord(file, slot, kStartfunc, Fields(record), sizeof record, complete, {},
                          [this, &record] { KeepSolarControls(*this, record.solarControls, 10, 1); });
}

bool CParaDaten::SetStartfunc(int file, BYTE slot, StartfuncParam record)
{
    return WriteFuncRecord(file, slot, kStartfunc, Fields(record));
}

bool CParaDaten::GetKuehlfunc(int file, BYTE slot, KuehlfuncParam& record, bool complete)
{
    return ReadFuncRecord(file, slot, kKuehlfunc, Fields(record), sizeof record, complete);
}

bool CParaDaten::SetKuehlfunc(int file, BYTE slot, KuehlfuncParam record)
{
    return WriteFuncRecord(file, slot, kKuehlfunc, Fields(record));
}

void CParaDaten::GetDefaultSolarregelung(BYTE* record)
{
    EncodeDefault(kSolarregelung, DefaultSolarregelung(), record);
}

void CParaDaten::GetDefaultSolarvorrang(BYTE* record)
{
    EncodeDefault(kSolarvorrang, DefaultSolarvorrang(), record);
}

void CParaDaten::GetDefaultPidRegelung(BYTE* record)
{
    EncodeDefault(kPidRegelung, DefaultPidRegelung(), record);
}

void CParaDaten::GetDefaultWmz(BYTE* record)
{
    const WMZParam r = DefaultWmz();
    EncodeDefault(kWmz, r, record);
    EncodeWmz(r, record);
}

void CParaDaten::GetDefaultStartfunc(BYTE* record)
{
    EncodeDefault(kStartfunc, DefaultStartfunc(), record);
}

void CParaDaten::GetDefaultKuehlfunc(BYTE* record)
{
    EncodeDefault(kKuehlfunc, DefaultKuehlfunc(), record);
}
