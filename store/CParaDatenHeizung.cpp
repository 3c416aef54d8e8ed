// CParaDaten: the records of the heating-circuit controller, the heating and hot-water requests, the charge pump
// and the circulation.
#include "store/CParaDaten.h"

#include "store/DrawingReader.h"
#include "store/AnfHeizungParam.h"
#include "store/AnfWarmwasserParam.h"
#include "store/HzkrRegParam.h"
#include "store/LadepumpeParam.h"
#include "store/ZirkulationParam.h"
#include "store/RecordCodec.h"
#include "texttables/StandardDesignations.h"

#include <cstring>

using namespace record;

namespace {

// ---- Stored forms: each record's field table states the stored places of its fields; the rows here are the
// sources and triples, which have no row there. Byte 0 and bytes 64..113 of the types with programs are the
// time-program block. ----

// Byte 20 is carried as it is.
constexpr FieldCodec kHzkrRegOther[] = {
    Byte(35, 20), Triple(4, 24), Triple(39, 26), Triple(42, 28), Bytes(45, 30, 6), Triple(51, 36),
};
constexpr FieldCodec kAnfHeizungOther[] = {
    Triple(4, 6), Source(7, 8), Source(13, 10), Source(11, 12), Source(15, 14),
};
constexpr FieldCodec kAnfWarmwasserOther[] = {Triple(4, 8), Source(14, 10), Source(16, 12), Triple(18, 14)};
constexpr FieldCodec kLadepumpeOther[] = {
    Triple(4, 8), Source(7, 10), Source(13, 12), Source(11, 14), Source(17, 16),
};
constexpr FieldCodec kZirkulationOther[] = {Triple(4, 9), Bytes(18, 11, 8)};

constexpr auto kHzkrRegCodec = CodecOf<record::kHzkrRegFields, kHzkrRegOther>();
constexpr auto kAnfHeizungCodec = CodecOf<record::kAnfHeizungFields, kAnfHeizungOther>();
constexpr auto kAnfWarmwasserCodec = CodecOf<record::kAnfWarmwasserFields, kAnfWarmwasserOther>();
constexpr auto kLadepumpeCodec = CodecOf<record::kLadepumpeFields, kLadepumpeOther>();
constexpr auto kZirkulationCodec = CodecOf<record::kZirkulationFields, kZirkulationOther>();

constexpr FuncRecordType kHzkrReg{texts::kTypeHzkrReg, kHzkrRegCodec, offsetof(HzkrRegParam, programs)};
constexpr FuncRecordType kAnfHeizung{texts::kTypeAnfHeizung, kAnfHeizungCodec};
constexpr FuncRecordType kAnfWarmwasser{texts::kTypeAnfWarmwasser, kAnfWarmwasserCodec,
                                        offsetof(AnfWarmwasserParam, programs)};
constexpr FuncRecordType kLadepumpe{texts::kTypeLadepumpe, kLadepumpeCodec};
constexpr FuncRecordType kZirkulation{texts::kTypeZirkulation, kZirkulationCodec,
                                      offsetof(ZirkulationParam, programs)};

static_assert(FieldEnd(kHzkrRegCodec) == offsetof(HzkrRegParam, programs) && StoredEnd(kHzkrRegCodec) == 41);
static_assert(FieldEnd(kAnfHeizungCodec) == sizeof(AnfHeizungParam) && StoredEnd(kAnfHeizungCodec) == 17);
static_assert(FieldEnd(kAnfWarmwasserCodec) == offsetof(AnfWarmwasserParam, programs) &&
              StoredEnd(kAnfWarmwasserCodec) == 16);
static_assert(FieldEnd(kLadepumpeCodec) == sizeof(LadepumpeParam) && StoredEnd(kLadepumpeCodec) == 18);
static_assert(FieldEnd(kZirkulationCodec) == offsetof(ZirkulationParam, programs) &&
              StoredEnd(kZirkulationCodec) == 21);
static_assert(DecodesEveryField(kHzkrRegCodec, record::kHzkrRegFields, offsetof(HzkrRegParam, programs),
                                {offsetof(HzkrRegParam, mode)}));
static_assert(DecodesEveryField(kAnfHeizungCodec, record::kAnfHeizungFields));
static_assert(DecodesEveryField(kAnfWarmwasserCodec, record::kAnfWarmwasserFields,
                                offsetof(AnfWarmwasserParam, programs)));
static_assert(DecodesEveryField(kLadepumpeCodec, record::kLadepumpeFields));
static_assert(DecodesEveryField(kZirkulationCodec, record::kZirkulationFields, offsetof(ZirkulationParam, programs)));

// ---- The heating-circuit controller's mode: one nibble written into both halves of byte 19 ----

constexpr unsigned kModusByte = 19;
constexpr unsigned kModusWahlByte = 18;
constexpr BYTE kModusWahlBit = 0x08;  // set: the mode is read from the high half

void DecodeModus(const BYTE* stored, BYTE* fields)
{
    const BYTE both = stored[kModusByte];
    fields[offsetof(HzkrRegParam, mode)] =
        stored[kModusWahlByte] & kModusWahlBit ? static_cast<BYTE>(both >> 4) : static_cast<BYTE>(both & 0x0F);
}

void EncodeModus(const BYTE* fields, BYTE* stored)
{
    const BYTE mode = fields[offsetof(HzkrRegParam, mode)] & 0x0F;
    stored[kModusByte] = static_cast<BYTE>(mode | mode << 4);
    stored[kModusWahlByte] = static_cast<BYTE>(stored[kModusWahlByte] & ~kModusWahlBit);
}

// ---- Defaults of a new record ----

constexpr DigitalQuelle kFreigabeEin{0, 0, 1};
constexpr Quelle Eingang(BYTE n) { return Quelle{1, n}; }
constexpr Quelle Fest(BYTE value) { return Quelle{0, value}; }

// Every program on no day, all windows from 00:00 to 00:00 with the given setpoint.
void LeereProgramme(Zeitprogramm* programs, BYTE setpoint)
{
    for (int j = 0; j < kZeitprogramme; ++j)
        for (Zeitfenster& w : programs[j].windows)
            w = Zeitfenster{0, 0, setpoint};
}

HzkrRegParam DefaultHzkrReg()
{
    HzkrRegParam r{};
    r.release = kFreigabeEin;
    r.windowsPerProgram = 2;
    r.programsInUse = 2;
    r.mode = kHzkrAuto;
    r.roomNormal = 20;
    r.roomReduced = 16;
    r.byOutsideTemp = 1;
    r.curve = 60;
    r.flowAtPlus10 = 35;
    r.flowMax = 65;
    r.flowMin = 20;
    r.averagingControl = 107;  // 10 min
    r.averagingOff = 127;      // 30 min
    r.offRoomHyst = 10;        // 1.0 K
    r.offFlowHyst = 20;
    r.offOutsideHyst = 20;
    r.offOutsideMax = 20;
    r.offReducedHyst = 20;
    r.offReducedOutsideMin = 5;
    r.mixerWhileOff = kHzkrMischerZu;
    r.frostRoom = 5;
    r.frostOutside = 5;
    r.pumpRelease = kFreigabeEin;
    r.mixerRelease = kFreigabeEin;
    r.roomTemp = Eingang(1);
    r.flowTemp = Eingang(1);
    r.outsideTemp = Eingang(1);
    LeereProgramme(r.programs, 20);
    // Program 1 on all seven days, window 1 from 06:00 to 22:00.
    std::memset(r.programs[0].days, 1, sizeof r.programs[0].days);
    r.programs[0].windows[0].start = 36;
    r.programs[0].windows[0].end = 132;
    return r;
}

AnfHeizungParam DefaultAnfHeizung()
{
    AnfHeizungParam r{};
    r.release = kFreigabeEin;
    r.demandTemp = Eingang(7);
    r.diffOn = 10;   // 1.0 K
    r.diffOff = 90;  // 9.0 K
    r.demandSetpoint = Quelle{16, 1};  // output variable 1 of function number 13
    r.offTemp = Eingang(6);
    r.offSetpoint = Quelle{16, 1};
    r.outputs[4] = 1;
    return r;
}

AnfWarmwasserParam DefaultAnfWarmwasser()
{
    AnfWarmwasserParam r{};
    r.release = kFreigabeEin;
    r.windowsPerProgram = 2;
    r.programsInUse = 2;
    r.minTemp = 40;
    r.diffOff = 40;  // 4.0 K
    r.burnerPower = 100;
    r.hotWaterTemp = Eingang(2);
    r.setpoint = Fest(50);
    LeereProgramme(r.programs, 50);
    return r;
}

LadepumpeParam DefaultLadepumpe()
{
    LadepumpeParam r{};
    r.release = kFreigabeEin;
    r.sourceTemp = Eingang(9);
    r.minDiffOn = 50;      // 5.0 K
    r.sourceMin = Fest(60);
    r.referenceTemp = Eingang(5);
    r.maxDiffOn = 10;      // 1.0 K
    r.maxDiffOff = 50;     // 5.0 K
    r.referenceMax = Fest(90);
    r.sourceDiffOn = 60;   // 6.0 K
    r.sourceDiffOff = 30;  // 3.0 K
    r.outputs[5] = 1;
    return r;
}

ZirkulationParam DefaultZirkulation()
{
    ZirkulationParam r{};
    r.release = kFreigabeEin;
    r.windowsPerProgram = 2;
    r.programsInUse = 2;
    r.mode = kZirkulationZeit;
    r.diffOff = 50;          // 5.0 K
    r.tapRise = 20;          // 2.0 K
    r.runTime = 90;          // 90 s
    r.pause = 10;
    r.mixingDiff = 80;       // 8.0 K
    r.mixingStoreMin = 30;
    r.returnTemp = Eingang(1);
    r.hotWaterTemp = Eingang(1);
    r.setpoint = Fest(50);
    r.storeTemp = Quelle{0, 1};
    LeereProgramme(r.programs, 50);
    return r;
}

}  // namespace

bool CParaDaten::GetHzkrReg(int file, BYTE slot, HzkrRegParam& record, bool complete)
{
    return ReadFuncRecord(file, slot, kHzkrReg, Fields(record), sizeof record, complete, DecodeModus);
}

bool CParaDaten::SetHzkrReg(int file, BYTE slot, HzkrRegParam record)
{
    return WriteFuncRecord(file, slot, kHzkrReg, Fields(record), EncodeModus);
}

bool CParaDaten::GetAnfHeizung(int file, BYTE slot, AnfHeizungParam& record, bool complete)
{
    return ReadFuncRecord(file, slot, kAnfHeizung, Fields(record), sizeof record, complete);
}

bool CParaDaten::SetAnfHeizung(int file, BYTE slot, AnfHeizungParam record)
{
    return WriteFuncRecord(file, slot, kAnfHeizung, Fields(record));
}

bool CParaDaten::GetAnfWarmwasser(int file, BYTE slot, AnfWarmwasserParam& record, bool complete)
{
    return ReadFuncRecord(file, slot, kAnfWarmwasser, Fields(record), sizeof record, complete);
}

bool CParaDaten::SetAnfWarmwasser(int file, BYTE slot, AnfWarmwasserParam record)
{
    return WriteFuncRecord(file, slot, kAnfWarmwasser, Fields(record));
}

bool CParaDaten::GetLadepumpe(int file, BYTE slot, LadepumpeParam& record, bool complete)
{
    return ReadFuncRecord(file, slot, kLadepumpe, Fields(record), sizeof record, complete);
}

bool CParaDaten::SetLadepumpe(int file, BYTE slot, LadepumpeParam record)
{
    return WriteFuncRecord(file, slot, kLadepumpe, Fields(record));
}

bool CParaDaten::GetZirkulation(int file, BYTE slot, ZirkulationParam& record, bool complete)
{
    return ReadFuncRecord(file, slot, kZirkulation, Fields(record), sizeof record, complete);
}

bool CParaDaten::SetZirkulation(int file, BYTE slot, ZirkulationParam record)
{
    return WriteFuncRecord(file, slot, kZirkulation, Fields(record));
}

void CParaDaten::GetDefaultHzkrReg(BYTE* record)
{
    const HzkrRegParam r = DefaultHzkrReg();
    EncodeDefault(kHzkrReg, r, record);
    EncodeModus(Fields(r), record);
}

void CParaDaten::GetDefaultAnfHeizung(BYTE* record)
{
    EncodeDefault(kAnfHeizung, DefaultAnfHeizung(), record);
}

void CParaDaten::GetDefaultAnfWarmwasser(BYTE* record)
{
    EncodeDefault(kAnfWarmwasser, DefaultAnfWarmwasser(), record);
}

void CParaDaten::GetDefaultLadepumpe(BYTE* record)
{
    EncodeDefault(kLadepumpe, DefaultLadepumpe(), record);
}

void CParaDaten::GetDefaultZirkulation(BYTE* record)
{
    EncodeDefault(kZirkulation, DefaultZirkulation(), record);
}
