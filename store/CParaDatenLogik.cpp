// CParaDaten: the records of the logic, time and monitoring functions: analog function, logic function, comparison,
// function control, timer function, counter, time switch, synchronisation, profile function, maintenance function.
#include "store/CParaDaten.h"

#include "store/DrawingReader.h"
#include "store/AnalogfuncParam.h"
#include "store/FuncKontrolleParam.h"
#include "store/LogikfuncParam.h"
#include "store/ProfilfuncParam.h"
#include "store/SchaltuhrParam.h"
#include "store/SyncParam.h"
#include "store/TimerParam.h"
#include "store/VergleichParam.h"
#include "store/WartungsfuncParam.h"
#include "store/ZaehlerParam.h"
#include "store/RecordCodec.h"
#include "texttables/StandardDesignations.h"

#include <bit>
#include <cstring>

using namespace record;

static_assert(std::endian::native == std::endian::little,
              "bit fields of the 32-bit words are decoded into their lowest byte");

namespace {

// ---- The codec tables: each record's field table states the stored places of its fields; the rows here are those
// that have no row there (sources, triples, output lists without a row, values that follow the unit) ----

// The variables: sources in bytes 64 + 2j, offsets in bytes 96 + 2j.
constexpr FieldCodec kAnalogfuncOther[] = {
    Flags6(12, 2), Triple(4, 4), Source(18, 6), Byte(20, 9),
    Source(21, 64), Source(24, 66), Source(27, 68), Source(30, 70), Source(33, 72), Source(36, 74),
    Byte(23, 96), Byte(26, 98), Byte(29, 100), Byte(32, 102), Byte(35, 104), Byte(38, 106),
};
constexpr FieldCodec kLogikfuncOther[] = {
    Triple(4, 6), Triple(41, 64), Triple(44, 66), Triple(47, 68), Triple(50, 70), Triple(53, 72), Triple(56, 74),
};
constexpr FieldCodec kVergleichOther[] = {Byte(7, 0), Byte(8, 1), Triple(4, 6), Source(9, 8), Source(11, 10)};
constexpr FieldCodec kFuncKontrolleOther[] = {Triple(10, 6), Source(6, 8), Source(8, 10)};
// Edge and mode are the low bits of the 32-bit words at 8 and 16.
constexpr FieldCodec kTimerOther[] = {Bits(8, 1, 0, 2), Bits(16, 1, 3, 5), Triple(4, 6), Triple(22, 8), Source(25, 11)};
constexpr FieldCodec kZaehlerOther[] = {
    Triple(4, 2), Triple(10, 4), Triple(13, 64), Triple(16, 66), Triple(19, 68), Triple(22, 70), Triple(25, 72),
    Triple(28, 74),
};
constexpr FieldCodec kSchaltuhrOther[] = {Flags16(18, 1), Triple(4, 3), Triple(15, 6)};
constexpr FieldCodec kSyncOther[] = {Flags16(10, 1), Triple(4, 3), Bytes(26, 64, 20)};
constexpr FieldCodec kProfilfuncOther[] = {
    Flags16(24, 2), Triple(4, 4), Triple(10, 6), Triple(13, 8), Triple(16, 10), Triple(19, 12), Source(22, 14),
    Bytes(40, 64, 64),
};
constexpr FieldCodec kWartungsfuncOther[] = {Flags6(26, 5), Triple(4, 6)};

constexpr auto kAnalogfuncCodec = CodecOf<record::kAnalogfuncFields, kAnalogfuncOther>();
constexpr auto kLogikfuncCodec = CodecOf<record::kLogikfuncFields, kLogikfuncOther>();
constexpr auto kVergleichCodec = CodecOf<record::kVergleichFields, kVergleichOther>();
constexpr auto kFuncKontrolleCodec = CodecOf<record::kFuncKontrolleFields, kFuncKontrolleOther>();
constexpr auto kTimerCodec = CodecOf<record::kTimerFields, kTimerOther>();
constexpr auto kZaehlerCodec = CodecOf<record::kZaehlerFields, kZaehlerOther>();
constexpr auto kSchaltuhrCodec = CodecOf<record::kSchaltuhrFields, kSchaltuhrOther>();
constexpr auto kSyncCodec = CodecOf<record::kSyncFields, kSyncOther>();
constexpr auto kProfilfuncCodec = CodecOf<record::kProfilFields, kProfilfuncOther>();
constexpr auto kWartungsfuncCodec = CodecOf<record::kWartungsfuncFields, kWartungsfuncOther>();

constexpr FuncRecordType kAnalogfunc{texts::kTypeAnalogfunc, kAnalogfuncCodec};
constexpr FuncRecordType kLogikfunc{texts::kTypeLogikfunc, kLogikfuncCodec};
constexpr FuncRecordType kVergleich{texts::kTypeVergleich, kVergleichCodec};
constexpr FuncRecordType kFuncKontrolle{texts::kTypeFuncKontrolle, kFuncKontrolleCodec};
constexpr FuncRecordType kTimer{texts::kTypeTimer, kTimerCodec};
constexpr FuncRecordType kZaehler{texts::kTypeZaehler, kZaehlerCodec};
constexpr FuncRecordType kSchaltuhr{texts::kTypeSchaltuhr, kSchaltuhrCodec, offsetof(SchaltuhrParam, programs)};
constexpr FuncRecordType kSync{texts::kTypeSync, kSyncCodec};
constexpr FuncRecordType kProfilfunc{texts::kTypeProfilfunc, kProfilfuncCodec};
constexpr FuncRecordType kWartungsfunc{texts::kTypeWartungsfunc, kWartungsfuncCodec};

static_assert(FieldEnd(kAnalogfuncCodec) <= sizeof(AnalogfuncParam) && StoredEnd(kAnalogfuncCodec) <= kSlotSize);
static_assert(FieldEnd(kLogikfuncCodec) <= sizeof(LogikfuncParam) && StoredEnd(kLogikfuncCodec) <= kSlotSize);
static_assert(FieldEnd(kVergleichCodec) <= sizeof(VergleichParam) && StoredEnd(kVergleichCodec) <= kSlotSize);
static_assert(FieldEnd(kFuncKontrolleCodec) <= sizeof(FuncKontrolleParam));
static_assert(FieldEnd(kTimerCodec) <= sizeof(TimerParam) && StoredEnd(kTimerCodec) <= kSlotSize);
static_assert(FieldEnd(kZaehlerCodec) <= sizeof(ZaehlerParam) && StoredEnd(kZaehlerCodec) <= kSlotSize);
static_assert(FieldEnd(kSchaltuhrCodec) <= sizeof(SchaltuhrParam) && StoredEnd(kSchaltuhrCodec) <= 64);
static_assert(FieldEnd(kSyncCodec) <= sizeof(SyncParam) && StoredEnd(kSyncCodec) <= kSlotSize);
static_assert(FieldEnd(kProfilfuncCodec) == sizeof(ProfilfuncParam) && StoredEnd(kProfilfuncCodec) == kSlotSize);
static_assert(FieldEnd(kWartungsfuncCodec) == sizeof(WartungsfuncParam));
static_assert(DecodesEveryField(kAnalogfuncCodec, record::kAnalogfuncFields));
static_assert(DecodesEveryField(kLogikfuncCodec, record::kLogikfuncFields));
static_assert(DecodesEveryField(kVergleichCodec, record::kVergleichFields));
static_assert(DecodesEveryField(kFuncKontrolleCodec, record::kFuncKontrolleFields));
static_assert(DecodesEveryField(kTimerCodec, record::kTimerFields));
static_assert(DecodesEveryField(kZaehlerCodec, record::kZaehlerFields, 0,
                                {offsetof(ZaehlerParam, position), offsetof(ZaehlerParam, minutes)}));
static_assert(DecodesEveryField(kSchaltuhrCodec, record::kSchaltuhrFields, offsetof(SchaltuhrParam, programs)));
static_assert(DecodesEveryField(kSyncCodec, record::kSyncFields));
static_assert(DecodesEveryField(kProfilfuncCodec, record::kProfilFields));
static_assert(DecodesEveryField(kWartungsfuncCodec, record::kWartungsfuncFields));

// ---- The counter position ----

// The position is kept in two pairs of copies of three bytes (least significant first); a pair whose copies differ
// counts as 0, and the larger pair wins.
constexpr unsigned kZaehlerKopien[2][2] = {{80, 88}, {112, 120}};

std::uint32_t KopienPaar(const BYTE* stored, const unsigned copies[2])
{
    if (std::memcmp(stored + copies[0], stored + copies[1], 3) != 0)
        return 0;
    const BYTE* c = stored + copies[0];
    return c[0] | std::uint32_t(c[1]) << 8 | std::uint32_t(c[2]) << 16;
}

void DecodeZaehlerStand(const BYTE* stored, ZaehlerParam& r)
{
    const std::uint32_t a = KopienPaar(stored, kZaehlerKopien[0]);
    const std::uint32_t b = KopienPaar(stored, kZaehlerKopien[1]);
    const std::uint32_t value = a > b ? a : b;
    r.minutes = static_cast<BYTE>(value & 0xFF);
    r.position = value >> 8;
}

void EncodeZaehlerStand(const ZaehlerParam& r, BYTE* stored)
{
    const BYTE bytes[3] = {r.minutes, static_cast<BYTE>(r.position & 0xFF), static_cast<BYTE>(r.position >> 8 & 0xFF)};
    for (const auto& pair : kZaehlerKopien)
        for (unsigned copy : pair)
            std::memcpy(stored + copy, bytes, sizeof bytes);
}

// ---- Defaults of a new slot ----

void Put(BYTE* record, unsigned at, std::initializer_list<BYTE> bytes)
{
    std::memcpy(record + at, bytes.begin(), bytes.size());
}

}  // namespace

// ---- Analog function and logic function ----

bool CParaDaten::GetAnalogfunc(int file, BYTE slot, AnalogfuncParam& record, bool complete)
{
    return ReadFuncRecord(file, slot, kAnalogfunc, Fields(record), sizeof record, complete);
}

bool CParaDaten::SetAnalogfunc(int file, BYTE slot, AnalogfuncParam record)
{
    return WriteFuncRecord(file, slot, kAnalogfunc, Fields(record));
}

bool CParaDaten::GetLogikfunc(int file, BYTE slot, LogikfuncParam& record, bool complete)
{
    return ReadFuncRecord(file, slot, kLogikfunc, Fields(record), sizeof record, complete);
}

bool CParaDaten::SetLogikfunc(int file, BYTE slot, LogikfuncParam record)
{
    return WriteFuncRecord(file, slot, kLogikfunc, Fields(record));
}

// ---- Comparison and function control ----

bool CParaDaten::GetVergleich(int file, BYTE slot, VergleichParam& record, bool complete)
{
    return ReadFuncRecord(file, slot, kVergleich, Fields(record), sizeof record, complete);
}

bool CParaDaten::SetVergleich(int file, BYTE slot, VergleichParam record)
{
    return WriteFuncRecord(file, slot, kVergleich, Fields(record));
}

bool CParaDaten::GetFuncKontrolle(int file, BYTE slot, FuncKontrolleParam& record, bool complete)
{
    return ReadFuncRecord(file, slot, kFuncKontrolle, Fields(record), sizeof record, complete);
}

bool CParaDaten::SetFuncKontrolle(int file, BYTE slot, FuncKontrolleParam record)
{
    return WriteFuncRecord(file, slot, kFuncKontrolle, Fields(record));
}

// ---- Timer function and counter ----

bool CParaDaten::GetTimer(int file, BYTE slot, TimerParam& record, bool complete)
{
    return ReadFuncRecord(file, slot, kTimer, Fields(record), sizeof record, complete);
}

bool CParaDaten::SetTimer(int file, BYTE slot, TimerParam record)
{
    return WriteFuncRecord(file, slot, kTimer, Fields(record));
}

bool CParaDaten::GetZaehler(int file, BYTE slot, ZaehlerParam& record, bool complete)
{
    return ReadFuncRecord(
        file, slot, kZaehler, Fields(record), sizeof record, complete,
        [&record](const BYTE* stored, BYTE*) { DecodeZaehlerStand(stored, record); });
}

bool CParaDaten::SetZaehler(int file, BYTE slot, ZaehlerParam record)
{
    return WriteFuncRecord(file, slot, kZaehler, Fields(record), [&record](const BYTE*, BYTE* stored) {
        EncodeZaehlerStand(record, stored);
        stored[1] &= 0x7F;
    });
}

// ---- Time switch and synchronisation ----

bool CParaDaten::GetSchaltuhr(int file, BYTE slot, SchaltuhrParam& record, bool complete)
{
    return ReadFuncRecord(file, slot, kSchaltuhr, Fields(record), sizeof record, complete);
}

bool CParaDaten::SetSchaltuhr(int file, BYTE slot, SchaltuhrParam record)
{
    return WriteFuncRecord(file, slot, kSchaltuhr, Fields(record));
}

bool CParaDaten::GetSync(int file, BYTE slot, SyncParam& record, bool complete)
{
    return ReadFuncRecord(file, slot, kSync, Fields(record), sizeof record, complete);
}

bool CParaDaten::SetSync(int file, BYTE slot, SyncParam record)
{
    return WriteFuncRecord(file, slot, kSync, Fields(record));
}

// ---- Profile function and maintenance function ----

bool CParaDaten::GetProfilfunc(int file, BYTE slot, ProfilfuncParam& record, bool complete)
{
    return ReadFuncRecord(file, slot, kProfilfunc, Fields(record), sizeof record, complete);
}

bool CParaDaten::SetProfilfunc(int file, BYTE slot, ProfilfuncParam record)
{
    return WriteFuncRecord(file, slot, kProfilfunc, Fields(record));
}

bool CParaDaten::GetWartungsfunc(int file, BYTE slot, WartungsfuncParam& record, bool complete)
{
    return ReadFuncRecord(file, slot, kWartungsfunc, Fields(record), sizeof record, complete, {}, [this, &record] {
        // A completed record names only functions of the working copy that are heating-circuit controllers.
        for (BYTE& circuit : record.circuits)
            if (circuit != 0 && !IsFuncOfType(texts::kTypeHzkrReg, static_cast<BYTE>(circuit - 1)))
                circuit = 0;
    });
}

bool CParaDaten::SetWartungsfunc(int file, BYTE slot, WartungsfuncParam record)
{
    return WriteFuncRecord(file, slot, kWartungsfunc, Fields(record));
}

// ---- Defaults of a new slot ----

void CParaDaten::GetDefaultAnalogfunc(BYTE* record)
{
    Put(record, 0, {0x01, 0x02, 0x00, 0x01, 0x00, 0x01, 0x00, 0x00, 0x00, 0x00});
    std::memset(record + 64, 0x00, 12);
    for (unsigned k = 0; k < 6; ++k)
        record[96 + 2 * k] = 0x00;
}

void CParaDaten::GetDefaultLogikfunc(BYTE* record)
{
    Put(record, 0, {0x01, 0x01, 0x00, 0x00, 0x00, 0x00, 0x00, 0x01});
    std::memset(record + 64, 0x00, 12);
}

void CParaDaten::GetDefaultVergleich(BYTE* record)
{
    Put(record, 0, {0x32, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x01, 0x01, 0x09, 0x00, 0x3C, 0x01});
}

void CParaDaten::GetDefaultFuncKontrolle(BYTE* record)
{
    Put(record, 0, {0x1E, 0x32, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x01, 0x01, 0x01, 0x01});
}

void CParaDaten::GetDefaultTimer(BYTE* record)
{
    Put(record, 0, {0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x01, 0x00, 0x00, 0x00, 0x00, 0x64});
}

void CParaDaten::GetDefaultZaehler(BYTE* record)
{
    Put(record, 0, {0x01, 0x00, 0x00, 0x01, 0x00, 0x00, 0x01});
    std::memset(record + 64, 0x00, 12);
    for (const auto& pair : kZaehlerKopien)
        for (unsigned copy : pair)
            std::memset(record + copy, 0x00, 3);
}

void CParaDaten::GetDefaultSchaltuhr(BYTE* record)
{
    Put(record, 0, {0x11, 0x00, 0x00, 0x00, 0x01, 0x05, 0x00, 0x00, 0x3C, 0x00, 0x3C, 0x00});
    for (unsigned j = 0; j < 5; ++j)
        Put(record, 64 + 10 * j, {0x00, 0x00, 0x00, 0x05, 0x00, 0x00, 0x05, 0x00, 0x00, 0x05});
}

void CParaDaten::GetDefaultSync(BYTE* record)
{
    Put(record, 0, {0x01, 0x00, 0x00, 0x00, 0x01});
    std::memset(record + 64, 0x00, 20);
}

void CParaDaten::GetDefaultProfilfunc(BYTE* record)
{
    Put(record, 0,
        {0x02, 0x01, 0x00, 0x00, 0x00, 0x01, 0x00, 0x00, 0x00, 0x00, 0x00, 0x3C, 0x00, 0x00, 0x00, 0x00});
    // A new slot also clears byte 63, which no field uses.
    std::memset(record + 63, 0x00, 65);
}

void CParaDaten::GetDefaultWartungsfunc(BYTE* record)
{
    Put(record, 0, {0x02, 0x14, 0x64, 0x00, 0x00, 0x00, 0x00, 0x00});
    std::memset(record + 64, 0x00, 5);
}
