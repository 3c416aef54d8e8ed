// The records of the solar control, solar priority, PID control, heat meter, start function and cooling function:
// the bytes of a new record, round trips at the extremes, the bytes a write may touch, completion from the
// drawing, references to solar controls, the heat meter's redundant copies and the repairs.
#include "FuncRecordTestKit.h"

#include "store/CParaCheck.h"

#include <functional>

using namespace recordtest;

namespace {

using Fake = FakeDrawing;

// ---- New records: the slot bytes the defaults give, written from the record descriptions ----

const DefaultCase kDefaults[] = {
    {"Solarregelung", CParaDaten::GetDefaultSolarregelung,
     "46 28 82 64 46 1e 46 1e 01 00 00 01 01 01 01 03 01 02 ff*110"},
    {"Solarvorrang", CParaDaten::GetDefaultSolarvorrang, "02 14 14 05 01 01 00 00 01 00 00 ff*53 00*20 ff*44"},
    // Byte 0 bit 7 is not the record's and keeps the FF of a new slot.
    {"PID-Regelung", CParaDaten::GetDefaultPidRegelung,
     "80 50 00 00 01 00 00 00 32 00*6 00 3c 00 00 00 5a 1e 00 0a 00 00 ff*102"},
    // Calibration blocks 5000, 0, 2499, 0 with parity but no marker; all four reading copies 0.
    {"Wärmemengenzähler", CParaDaten::GetDefaultWmz,
     "00 ff 00 01 01 01 01 02 01 10 00 00 ff*52 88 93 00 00 c3 09 00 00 00 ff*7 00*4 ff*4 00*4 ff*4 "
     "88 93 00 00 c3 09 00 00 00 ff*7 00*4 ff*4 00*4 ff*4"},
    {"Startfunktion", CParaDaten::GetDefaultStartfunc,
     "02 0f 14 2a 78 14 00 00 00 01 00 00 01 01 ff*50 00*10 ff*54"},
    {"Kühlfunktion", CParaDaten::GetDefaultKuehlfunc, "32 00 00 24 0f 00 00 00 00 01 01 01 00 5a ff*114"},
};

}  // namespace

TEST(SolarRecordsDefaults, NewSlotBytes)
{
    ExpectDefaultSlots(kDefaults);
}

namespace {

class SolarRecordsTest : public FuncRecordTest {};

}  // namespace

TEST_F(SolarRecordsTest, SolarregelungRoundTripsAndOwnsBytes0To17)
{
    SolarregelungParam lowest{};
    ExpectSame(WriteRead(lowest, &CParaDaten::SetSolarregelung, &CParaDaten::GetSolarregelung, {{0, 17}}), lowest);
    SolarregelungParam widest;
    FillAll(widest, 0xFF);
    Widest(widest);
    std::memset(widest.outputs, 1, sizeof widest.outputs);
    ExpectSame(WriteRead(widest, &CParaDaten::SetSolarregelung, &CParaDaten::GetSolarregelung, {{0, 17}}), widest);
}

TEST_F(SolarRecordsTest, SolarvorrangRoundTripsAndOwnsItsBytes)
{
    // Participants must name a solar control of working file 2 to be read back.
    PutNewSlot(1, 6, 44 - 1, CParaDaten::GetDefaultSolarregelung);
    SolarvorrangParam lowest{};
    ExpectSame(WriteRead(lowest, &CParaDaten::SetSolarvorrang, &CParaDaten::GetSolarvorrang, {{0, 10}, {64, 83}}),
               lowest);
    SolarvorrangParam widest;
    FillAll(widest, 0xFF);
    Widest(widest);
    std::memset(widest.flushOutputs, 1, sizeof widest.flushOutputs);
    for (SolarvorrangTeilnehmer& p : widest.participants)
        p.function = 44;  // function number 43 + 1
    ExpectSame(WriteRead(widest, &CParaDaten::SetSolarvorrang, &CParaDaten::GetSolarvorrang, {{0, 10}, {64, 83}}),
               widest);
}

TEST_F(SolarRecordsTest, PidRoundTripsAndKeepsTheBitsItDoesNotOwn)
{
    const std::initializer_list<Owned> owned = {{0, 0, 0x7F}, {1, 25}};
    PID_RegelungParam lowest{};
    ExpectSame(WriteRead(lowest, &CParaDaten::SetPidRegelung, &CParaDaten::GetPidRegelung, owned), lowest);
    PID_RegelungParam widest;
    FillAll(widest, 0xFF);
    Widest(widest);
    widest.unused7 = 0;
    widest.modes = 0x3F;
    widest.eventBelow = 1;
    std::memset(widest.outputs, 1, sizeof widest.outputs);
    std::memset(widest.unused41, 0, sizeof widest.unused41);
    ExpectSame(WriteRead(widest, &CParaDaten::SetPidRegelung, &CParaDaten::GetPidRegelung, owned), widest);
    // Only bits 0..5 of the mode word are stored.
    widest.modes = 0xFFFFFF40 | 0x15;
    EXPECT_EQ(WriteRead(widest, &CParaDaten::SetPidRegelung, &CParaDaten::GetPidRegelung, owned).modes, 0x15u);
}

TEST_F(SolarRecordsTest, WmzRoundTripsAtTheEndsOfItsRanges)
{
    const std::initializer_list<Owned> owned = {{0, 0}, {2, 11}, {64, 72}, {80, 83}, {88, 91}, {96, 104}, {112, 115},
                                                {120, 123}};
    WMZParam lowest{};
    lowest.calibrated = 1;
    lowest.upperTemp = 5000;
    lowest.upperDiff = -9999;
    lowest.lowerTemp = -9999;
    lowest.lowerDiff = -9999;
    ExpectSame(WriteRead(lowest, &CParaDaten::SetWmz, &CParaDaten::GetWmz, owned), lowest);
    WMZParam widest{};
    Widest(widest);
    widest.factor = 255;
    widest.flowTemp = widest.returnTemp = widest.flowRate = Quelle{255, 255};
    widest.reset = DigitalQuelle{127, 1, 255};
    widest.calibrated = 1;
    widest.upperTemp = 16000;
    widest.upperDiff = 9999;
    widest.lowerTemp = 2499;
    widest.lowerDiff = 9999;
    widest.readingKwh = 9999;
    widest.readingMwh = 19999;
    ExpectSame(WriteRead(widest, &CParaDaten::SetWmz, &CParaDaten::GetWmz, owned), widest);
}

TEST_F(SolarRecordsTest, StartAndCoolingFunctionsRoundTrip)
{
    PutNewSlot(1, 6, 43, CParaDaten::GetDefaultSolarregelung);
    StartfuncParam start{};
    ExpectSame(WriteRead(start, &CParaDaten::SetStartfunc, &CParaDaten::GetStartfunc, {{0, 13}, {64, 73}}), start);
    FillAll(start, 0xFF);
    Widest(start);
    std::memset(start.flushOutputs, 1, sizeof start.flushOutputs);
    std::memset(start.solarControls, 44, sizeof start.solarControls);
    ExpectSame(WriteRead(start, &CParaDaten::SetStartfunc, &CParaDaten::GetStartfunc, {{0, 13}, {64, 73}}), start);

    KuehlfuncParam cooling{};
    ExpectSame(WriteRead(cooling, &CParaDaten::SetKuehlfunc, &CParaDaten::GetKuehlfunc, {{0, 13}}), cooling);
    FillAll(cooling, 0xFF);
    Widest(cooling);
    std::memset(cooling.coolingOutputs, 1, sizeof cooling.coolingOutputs);
    std::memset(cooling.controlledOutputs, 1, sizeof cooling.controlledOutputs);
    ExpectSame(WriteRead(cooling, &CParaDaten::SetKuehlfunc, &CParaDaten::GetKuehlfunc, {{0, 13}}), cooling);
}

TEST_F(SolarRecordsTest, FlagsAndInvertedFlagsStoreOnlyWhatFits)
{
    KuehlfuncParam r{};
    r.release.inverted = 2;     // only bit 0 is stored
    r.coolingOutputs[0] = 2;    // a flag is stored only when exactly 1
    r.coolingOutputs[9] = 1;
    r.controlledOutputs[5] = 1;
    CParaDaten para;
    ASSERT_TRUE(para.SetKuehlfunc(2, 1, r));
    BYTE entry[8], slot[128];
    GetSlot(1, entry, slot);
    EXPECT_EQ(slot[8] & 0x80, 0);
    EXPECT_EQ(slot[5], 0x00);
    EXPECT_EQ(slot[6], 0x02);
    EXPECT_EQ(slot[7], 0x20) << "bits 6 and 7 of the six-flag byte are written as 0";
    EXPECT_EQ(Hex(entry, 4), "12 ab 00 00") << "type 18, no designation (10 x 1 + 161)";
}

TEST_F(SolarRecordsTest, ReadAndWriteFailWithoutTouchingAnything)
{
    SolarregelungParam r{};
    r.collectorMax = 123;
    CParaDaten para;
    para.UseDrawing(&Reader());
    EXPECT_FALSE(para.GetSolarregelung(2, 45, r, true));
    EXPECT_EQ(r.collectorMax, 123);
    EXPECT_FALSE(para.GetSolarregelung(3, 1, r, false));
    EXPECT_FALSE(para.SetSolarregelung(2, 0, r));
    EXPECT_FALSE(para.SetWmz(5, 1, WMZParam{}));
    // A working file that is missing cannot be read, so it is not written either.
    CParaDaten::CloseFile(1);
    EXPECT_FALSE(para.SetSolarregelung(1, 1, r));
    CParaDaten::CloseFile(1);
    EXPECT_TRUE(ReadFile("para/para.par").empty());
}

// ---- Completion from the drawing ----

TEST_F(SolarRecordsTest, CompletionTakesSourcesAndOutputsFromThePins)
{
    PutNewSlot(1, 6, 0, CParaDaten::GetDefaultSolarregelung);
    PutNewSlot(2, 8, 1, CParaDaten::GetDefaultPidRegelung);
    PutNewSlot(3, 12, 2, CParaDaten::GetDefaultWmz);
    PutNewSlot(4, 18, 3, CParaDaten::GetDefaultKuehlfunc);
    PutNewSlot(5, 7, 4, CParaDaten::GetDefaultSolarvorrang);
    PutNewSlot(6, 16, 5, CParaDaten::GetDefaultStartfunc);
    for (BYTE slot = 1; slot <= 6; ++slot)
        SetObject(slot, Fake::kObject);
    CParaDaten para;
    para.UseDrawing(&Reader());
    const auto source = [](const Quelle& q, BYTE pin) {
        EXPECT_EQ(q.kind, Fake::Kind(pin)) << "pin " << int(pin);
        EXPECT_EQ(q.number, Fake::Number(pin)) << "pin " << int(pin);
    };
    const auto release = [](const DigitalQuelle& d, BYTE pin) {
        EXPECT_EQ(d.kind, Fake::Kind(pin));
        EXPECT_EQ(d.inverted, 0) << "the inverted flag comes from the slot";
        EXPECT_EQ(d.number, Fake::Number(pin));
    };
    const auto sixteen = [](const BYTE* flags) {
        for (int n = 1; n <= 16; ++n)
            EXPECT_EQ(flags[n - 1], Fake::Drives(n) ? 1 : 0) << "output " << n;
    };
    const auto six = [](const BYTE* flags) {
        const int outputs[6] = {1, 2, 6, 7, 15, 16};
        for (int k = 0; k < 6; ++k)
            EXPECT_EQ(flags[k], Fake::Drives(outputs[k]) ? 1 : 0) << "output " << outputs[k];
    };

    SolarregelungParam solar{};
    ASSERT_TRUE(para.GetSolarregelung(2, 1, solar, true));
    release(solar.release, 1);
    source(solar.collectorTemp, 2);
    source(solar.referenceTemp, 3);
    source(solar.limitTemp, 4);
    sixteen(solar.outputs);
    EXPECT_EQ(solar.collectorMax, 130) << "fields without a pin stay as stored";

    PID_RegelungParam pid{};
    ASSERT_TRUE(para.GetPidRegelung(2, 2, pid, true));
    release(pid.release, 1);
    const Quelle* pidSources[8] = {&pid.absActual,       &pid.absSetpoint,    &pid.diffPlus,        &pid.diffMinus,
                                   &pid.eventActivation, &pid.eventThreshold, &pid.eventControlled, &pid.eventSetpoint};
    for (BYTE k = 0; k < 8; ++k)
        source(*pidSources[k], static_cast<BYTE>(k + 2));
    six(pid.outputs);

    WMZParam wmz{};
    ASSERT_TRUE(para.GetWmz(2, 3, wmz, true));
    release(wmz.release, 1);
    source(wmz.flowTemp, 2);
    source(wmz.returnTemp, 3);
    source(wmz.flowRate, 4);
    release(wmz.reset, 5);

    KuehlfuncParam cooling{};
    ASSERT_TRUE(para.GetKuehlfunc(2, 4, cooling, true));
    release(cooling.release, 1);
    source(cooling.referenceTemp, 2);
    source(cooling.referenceMax, 3);
    six(cooling.controlledOutputs);
    sixteen(cooling.coolingOutputs);

    SolarvorrangParam priority{};
    ASSERT_TRUE(para.GetSolarvorrang(2, 5, priority, true));
    release(priority.release, 1);
    source(priority.radiation, 2);
    sixteen(priority.flushOutputs);

    StartfuncParam start{};
    ASSERT_TRUE(para.GetStartfunc(2, 6, start, true));
    release(start.release, 1);
    source(start.radiation, 2);
    source(start.relativeTemp, 3);
    sixteen(start.flushOutputs);
}

TEST_F(SolarRecordsTest, NoCompletionWithoutTheFlagOrWithoutAnObject)
{
    PutNewSlot(1, 6, 0, CParaDaten::GetDefaultSolarregelung);
    CParaDaten para;
    para.UseDrawing(&Reader());
    SolarregelungParam r{};
    ASSERT_TRUE(para.GetSolarregelung(2, 1, r, true));  // the slot has no object id
    EXPECT_EQ(r.collectorTemp.kind, 1);
    EXPECT_EQ(r.outputs[0], 1);
    SetObject(1, Fake::kObject);
    ASSERT_TRUE(para.GetSolarregelung(2, 1, r, false));
    EXPECT_EQ(r.collectorTemp.kind, 1);
    EXPECT_EQ(r.release.number, 1);
}

// ---- References to solar controls ----

// A record completed from the drawing names only solar controls of the drawing's set; a record read as stored keeps
// its references (an external file's name functions of that file, and its repair judges them there).
TEST_F(SolarRecordsTest, CompletedParticipantsMustBeSolarControls)
{
    PutNewSlot(1, 6, 5, CParaDaten::GetDefaultSolarregelung);  // solar control, number 5
    PutNewSlot(2, 1, 6, CParaDaten::GetDefaultHzkrReg);        // heating circuit, number 6
    CParaDaten para;
    SolarvorrangParam priority{};
    priority.participantCount = 2;
    priority.participants[5] = {6, 1};  // number 5
    priority.participants[6] = {7, 2};  // the heating circuit
    priority.participants[7] = {9, 1};  // no function
    ASSERT_TRUE(para.SetSolarvorrang(2, 3, priority));
    StartfuncParam start{};
    start.solarControls[0] = 6;
    start.solarControls[1] = 7;
    start.solarControls[2] = 46;
    ASSERT_TRUE(para.SetStartfunc(2, 4, start));
    SetObject(3, Fake::kObject);
    SetObject(4, Fake::kObject);
    for (const bool complete : {false, true}) {
        SolarvorrangParam read{};
        ASSERT_TRUE(para.GetSolarvorrang(2, 3, read, complete));
        EXPECT_EQ(read.participants[5].function, 6);
        EXPECT_EQ(read.participants[6].function, complete ? 0 : 7);
        EXPECT_EQ(read.participants[6].priority, 2) << "reading clears the reference only";
        EXPECT_EQ(read.participants[7].function, complete ? 0 : 9);
        StartfuncParam startRead{};
        ASSERT_TRUE(para.GetStartfunc(2, 4, startRead, complete));
        EXPECT_EQ(startRead.solarControls[0], 6);
        EXPECT_EQ(startRead.solarControls[1], complete ? 0 : 7);
        EXPECT_EQ(startRead.solarControls[2], complete ? 0 : 46);
    }
}

// ---- The heat meter's redundant copies ----

TEST_F(SolarRecordsTest, HeatMeterCalibrationComesFromTheFirstSoundBlock)
{
    CParaDaten para;
    WMZParam r{};
    r.calibrated = 1;
    r.upperTemp = 12000;
    r.upperDiff = -150;
    r.lowerTemp = -500;
    r.lowerDiff = 75;
    ASSERT_TRUE(para.SetWmz(2, 1, r));
    BYTE entry[8], slot[128];
    GetSlot(1, entry, slot);
    EXPECT_EQ(Hex(slot + 64, 9), Hex(slot + 96, 9)) << "block B is an exact copy of block A";
    EXPECT_EQ(slot[72], 0xCA);
    // -150 as 15 bits is 0x7F6A with 11 one bits, so its parity bit is set.
    EXPECT_EQ(Hex(slot + 66, 2), "6a ff");

    struct Case {
        const char* name;
        std::function<void(BYTE*)> damage;
        BYTE calibrated;
        int upperTemp;
    };
    const Case cases[] = {
        {"both sound", [](BYTE*) {}, 1, 12000},
        {"block A with a wrong parity bit", [](BYTE* s) { s[65] ^= 0x80; }, 1, 12000},
        {"block A without marker", [](BYTE* s) { s[72] = 0; }, 1, 12000},
        {"both without marker", [](BYTE* s) { s[72] = 0; s[104] = 0; }, 0, 5000},
        {"A without marker, B with a flipped value bit", [](BYTE* s) { s[72] = 0; s[96] ^= 0x01; }, 0, 5000},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        BYTE damaged[128];
        std::memcpy(damaged, slot, sizeof damaged);
        c.damage(damaged);
        PutSlot(2, entry, damaged);
        WMZParam read{};
        ASSERT_TRUE(para.GetWmz(2, 2, read, false));
        EXPECT_EQ(read.calibrated, c.calibrated);
        EXPECT_EQ(read.upperTemp, c.upperTemp);
        EXPECT_EQ(read.upperDiff, c.calibrated ? -150 : 0);
        EXPECT_EQ(read.lowerTemp, c.calibrated ? -500 : 2499);
        EXPECT_EQ(read.lowerDiff, c.calibrated ? 75 : 0);
    }

    // Writing back what was read from block B repairs block A.
    BYTE damaged[128];
    std::memcpy(damaged, slot, sizeof damaged);
    damaged[65] ^= 0x80;
    PutSlot(2, entry, damaged);
    WMZParam read{};
    ASSERT_TRUE(para.GetWmz(2, 2, read, false));
    ASSERT_TRUE(para.SetWmz(2, 2, read));
    BYTE repaired[128];
    GetSlot(2, entry, repaired);
    EXPECT_EQ(Hex(repaired + 64, 9), Hex(slot + 64, 9));
}

TEST_F(SolarRecordsTest, HeatMeterReadingComesFromTheLargerPairOfEqualCopies)
{
    const auto copy = [](BYTE* s, unsigned at, unsigned mwh, unsigned kwh) {
        const unsigned v = mwh << 16 | kwh;
        for (int i = 0; i < 4; ++i)
            s[at + i] = static_cast<BYTE>(v >> (8 * i));
    };
    struct Case {
        const char* name;
        unsigned a1, a2, b1, b2;  // MWh of the copies at 80, 88, 112, 120; 0.1 kWh part is 20 for pair 1, 7 for 2
        unsigned mwh, kwh;
    };
    const Case cases[] = {
        {"pair 1 copies differ", 5, 6, 3, 3, 3, 7},
        {"pair 1 larger", 5, 5, 3, 3, 5, 20},
        {"pair 2 larger by the high half", 5, 5, 6, 6, 6, 7},
        {"both pairs broken", 5, 6, 3, 4, 0, 0},
    };
    CParaDaten para;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        BYTE entry[8] = {12, 0xFF, 0, 0, 0xFF, 0xFF, 0xFF, 0xFF};
        BYTE slot[128];
        std::memset(slot, 0xFF, sizeof slot);
        CParaDaten::GetDefaultWmz(slot);
        copy(slot, 80, c.a1, 20);
        copy(slot, 88, c.a2, 20);
        copy(slot, 112, c.b1, 7);
        copy(slot, 120, c.b2, 7);
        PutSlot(1, entry, slot);
        WMZParam r{};
        ASSERT_TRUE(para.GetWmz(2, 1, r, false));
        EXPECT_EQ(r.readingMwh, c.mwh);
        EXPECT_EQ(r.readingKwh, c.kwh);
    }
}

TEST(SolarRecordsParity, ExclusiveOrOfTheLowBits)
{
    EXPECT_EQ(CParaDaten::Parity(0, 15), 0);
    EXPECT_EQ(CParaDaten::Parity(5000, 15), 1);
    EXPECT_EQ(CParaDaten::Parity(2499, 15), 0);
    EXPECT_EQ(CParaDaten::Parity(0x8000, 15), 0) << "bit 15 is not counted";
    EXPECT_EQ(CParaDaten::Parity(0x8000, 16), 1);
}

// ---- Repairs ----

TEST_F(SolarRecordsTest, SolarregelungRepairs)
{
    const SolarregelungParam fresh =
        NewRecord(CParaDaten::GetDefaultSolarregelung, &CParaDaten::GetSolarregelung, 6);
    using R = SolarregelungParam;
    const RepairCase<R> cases[] = {
        {"DIFF.OFF equal to DIFF.ON", [](R& r) { r.diffOn = 30; r.diffOff = 30; },
         [](const R& r) { EXPECT_EQ(r.diffOff, 29); }},
        {"negative DIFF.ON", [](R& r) { r.diffOn = 156; r.diffOff = 10; }, [](const R& r) { EXPECT_EQ(r.diffOff, 155); }},
        {"DIFF.ON -90 K", [](R& r) { r.diffOn = 128; r.diffOff = 128; },
         [](const R& r) { EXPECT_EQ(r.diffOn, 129); EXPECT_EQ(r.diffOff, 128); }},
        {"collector maximum", [](R& r) { r.collectorMax = 89; }, [](const R& r) { EXPECT_EQ(r.collectorMax, 130); }},
        {"collector maximum 200", [](R& r) { r.collectorMax = 200; }, [](const R& r) { EXPECT_EQ(r.collectorMax, 200); }},
        {"hystereses", [](R& r) { r.collectorHyst = 4; r.referenceHyst = 116; r.referenceMax = 151; },
         [](const R& r) { EXPECT_EQ(r.collectorHyst, 80); EXPECT_EQ(r.referenceHyst, 80); EXPECT_EQ(r.referenceMax, 90); }},
        {"limit with a source keeps its maximum", [](R& r) { r.limitTemp = {1, 2}; r.limitMax = 200; r.limitHyst = 0; },
         [](const R& r) { EXPECT_EQ(r.limitMax, 200); EXPECT_EQ(r.limitHyst, 0); }},
        {"limit switched off", [](R& r) { r.limitTemp = {0, 2}; r.limitMax = 200; r.limitHyst = 0; },
         [](const R& r) { EXPECT_EQ(r.limitMax, 90); EXPECT_EQ(r.limitHyst, 80); }},
        {"unknown limit kind becomes off, then repaired", [](R& r) { r.limitTemp = {60, 2}; r.limitMax = 151; },
         [](const R& r) { EXPECT_EQ(r.limitTemp.kind, 0); EXPECT_EQ(r.limitMax, 90); }},
        {"collector source not repaired", [](R& r) { r.collectorTemp = {60, 1}; },
         [](const R& r) { EXPECT_EQ(r.collectorTemp.kind, 60); }},
        {"fixed release 2", [](R& r) { r.release.number = 2; }, [](const R& r) { EXPECT_EQ(r.release.number, 1); }},
        {"designation beyond the three names", [](R& r) { r.designation = {0, 4, 3}; },
         [](const R& r) { EXPECT_EQ(r.designation.index, 0); EXPECT_EQ(r.designation.digit, 0); }},
    };
    CParaCheck check;
    RunRepairs(fresh, cases, [&](R& r) { check.CheckSolarregelung(r, 0); });
}

TEST_F(SolarRecordsTest, SolarvorrangRepairs)
{
    PutNewSlot(1, 6, 5, CParaDaten::GetDefaultSolarregelung);  // number 5 is a solar control
    PutNewSlot(2, 4, 7, CParaDaten::GetDefaultLadepumpe);      // number 7 is not
    const SolarvorrangParam fresh = NewRecord(CParaDaten::GetDefaultSolarvorrang, &CParaDaten::GetSolarvorrang, 7);
    using R = SolarvorrangParam;
    const RepairCase<R> cases[] = {
        {"count 1", [](R& r) { r.participantCount = 1; }, [](const R& r) { EXPECT_EQ(r.participantCount, 2); }},
        {"priority above the count", [](R& r) { r.participants[0] = {6, 3}; r.timerFromPriority = 5; },
         [](const R& r) {
             EXPECT_EQ(r.participants[0].function, 6);
             EXPECT_EQ(r.participants[0].priority, 0);
             EXPECT_EQ(r.timerFromPriority, 2);
         }},
        {"timer priority above 10", [](R& r) { r.participantCount = 10; r.timerFromPriority = 11; },
         [](const R& r) { EXPECT_EQ(r.timerFromPriority, 2); }},
        {"references", [](R& r) { r.participants[5] = {6, 1}; r.participants[6] = {8, 1}; r.participants[7] = {46, 1}; },
         [](const R& r) {
             EXPECT_EQ(r.participants[5].function, 6);
             EXPECT_EQ(r.participants[6].function, 0);
             EXPECT_EQ(r.participants[7].function, 0);
         }},
        {"times", [](R& r) { r.activation = 91; r.runTime = 121; r.waitTime = 21; },
         [](const R& r) { EXPECT_EQ(r.activation, 20); EXPECT_EQ(r.runTime, 20); EXPECT_EQ(r.waitTime, 5); }},
        {"radiation kind", [](R& r) { r.radiation = {100, 3}; },
         [](const R& r) { EXPECT_EQ(r.radiation.kind, 0); EXPECT_EQ(r.radiation.number, 3); }},
    };
    CParaCheck check;
    RunRepairs(fresh, cases, [&](R& r) { check.CheckSolarvorrang(2, r, 0); });
    // Without a readable working file no reference survives.
    R r = fresh;
    r.participants[0] = {6, 1};
    check.CheckSolarvorrang(7, r, 0);
    EXPECT_EQ(r.participants[0].function, 0);
}

TEST_F(SolarRecordsTest, PidRepairs)
{
    const PID_RegelungParam fresh = NewRecord(CParaDaten::GetDefaultPidRegelung, &CParaDaten::GetPidRegelung, 8);
    using R = PID_RegelungParam;
    const RepairCase<R> cases[] = {
        {"all three modes 3", [](R& r) { r.modes = 0x3F; }, [](const R& r) { EXPECT_EQ(r.modes, 0x15u); }},
        {"modes 2 stay", [](R& r) { r.modes = 0x2A; }, [](const R& r) { EXPECT_EQ(r.modes, 0x2Au); }},
        {"constant setpoint 201", [](R& r) { r.absSetpoint = {0, 201}; },
         [](const R& r) { EXPECT_EQ(r.absSetpoint.number, 60); }},
        {"source number 201 stays", [](R& r) { r.absSetpoint = {1, 201}; },
         [](const R& r) { EXPECT_EQ(r.absSetpoint.number, 201); }},
        {"event constants", [](R& r) { r.eventThreshold = {0, 255}; r.eventSetpoint = {50, 250}; },
         [](const R& r) {
             EXPECT_EQ(r.eventThreshold.number, 60);
             EXPECT_EQ(r.eventSetpoint.kind, 0);
             EXPECT_EQ(r.eventSetpoint.number, 60);
         }},
        {"difference setpoint", [](R& r) { r.diffSetpoint = 190; }, [](const R& r) { EXPECT_EQ(r.diffSetpoint, 80); }},
        {"difference setpoint 189 stays", [](R& r) { r.diffSetpoint = 189; },
         [](const R& r) { EXPECT_EQ(r.diffSetpoint, 189); }},
        {"parts", [](R& r) { r.outputMax = 101; r.outputMin = 101; r.p = 0; r.i = 101; r.d = 11; },
         [](const R& r) {
             EXPECT_EQ(r.outputMax, 30);
             EXPECT_EQ(r.outputMin, 0);
             EXPECT_EQ(r.p, 5);
             EXPECT_EQ(r.i, 5);
             EXPECT_EQ(r.d, 5);
         }},
        {"designation 5 of 5 stays", [](R& r) { r.designation = {0, 5, 9}; },
         [](const R& r) { EXPECT_EQ(r.designation.index, 5); }},
    };
    CParaCheck check;
    RunRepairs(fresh, cases, [&](R& r) { check.CheckPidRegelung(r, 0); });
}

TEST_F(SolarRecordsTest, WmzRepairs)
{
    const WMZParam fresh = NewRecord(CParaDaten::GetDefaultWmz, &CParaDaten::GetWmz, 12);
    EXPECT_EQ(fresh.calibrated, 0);
    EXPECT_EQ(fresh.upperTemp, 5000);
    EXPECT_EQ(fresh.lowerTemp, 2499);
    using R = WMZParam;
    const RepairCase<R> cases[] = {
        {"share of 0 with both temperatures", [](R& r) { r.factor = 0; }, [](const R& r) { EXPECT_EQ(r.factor, 0); }},
        {"share above 100", [](R& r) { r.factor = 101; }, [](const R& r) { EXPECT_EQ(r.factor, 0); }},
        {"factor 0 without a flow temperature", [](R& r) { r.flowTemp.kind = 0; r.factor = 0; },
         [](const R& r) { EXPECT_EQ(r.factor, 1); }},
        {"factor 101 without a return temperature", [](R& r) { r.returnTemp.kind = 0; r.factor = 101; },
         [](const R& r) { EXPECT_EQ(r.factor, 1); }},
        {"constant flow", [](R& r) { r.flowRate = {0, 201}; }, [](const R& r) { EXPECT_EQ(r.flowRate.number, 10); }},
        {"calibration outside", [](R& r) { r.calibrated = 1; r.upperTemp = 16001; r.lowerDiff = 5; },
         [](const R& r) {
             EXPECT_EQ(r.calibrated, 0);
             EXPECT_EQ(r.upperTemp, 5000);
             EXPECT_EQ(r.lowerDiff, 0);
         }},
        {"lower point above 2499", [](R& r) { r.calibrated = 1; r.lowerTemp = 2500; },
         [](const R& r) { EXPECT_EQ(r.calibrated, 0); EXPECT_EQ(r.lowerTemp, 2499); }},
        {"calibration at its limits stays", [](R& r) { r.calibrated = 1; r.upperDiff = -9999; r.lowerTemp = -9999; },
         [](const R& r) { EXPECT_EQ(r.calibrated, 1); EXPECT_EQ(r.lowerTemp, -9999); }},
        {"reading 10000 and 2 MWh", [](R& r) { r.readingKwh = 10000; r.readingMwh = 2; },
         [](const R& r) { EXPECT_EQ(r.readingKwh, 0u); EXPECT_EQ(r.readingMwh, 0u); }},
        {"reading 20000 MWh", [](R& r) { r.readingKwh = 5; r.readingMwh = 20000; },
         [](const R& r) { EXPECT_EQ(r.readingKwh, 0u); EXPECT_EQ(r.readingMwh, 0u); }},
        {"reset source not repaired", [](R& r) { r.reset = {0, 0, 7}; }, [](const R& r) { EXPECT_EQ(r.reset.number, 7); }},
    };
    CParaCheck check;
    RunRepairs(fresh, cases, [&](R& r) { check.CheckWmz(r, 0); });
}

TEST_F(SolarRecordsTest, StartfuncRepairs)
{
    PutNewSlot(1, 6, 5, CParaDaten::GetDefaultSolarregelung);  // number 5 is a solar control
    PutNewSlot(2, 1, 6, CParaDaten::GetDefaultHzkrReg);        // number 6 a heating circuit
    const StartfuncParam fresh = NewRecord(CParaDaten::GetDefaultStartfunc, &CParaDaten::GetStartfunc, 16);
    using R = StartfuncParam;
    const RepairCase<R> cases[] = {
        {"activation 91 with a sensor", [](R& r) { r.radiation = {1, 4}; r.activation = 91; },
         [](const R& r) { EXPECT_EQ(r.activation, 20); }},
        {"activation 91 without a sensor", [](R& r) { r.activation = 91; },
         [](const R& r) { EXPECT_EQ(r.activation, 91); }},
        {"activation 100 without a sensor", [](R& r) { r.activation = 100; },
         [](const R& r) { EXPECT_EQ(r.activation, 20); }},
        {"unknown sensor kind counts as none", [](R& r) { r.radiation = {120, 4}; r.activation = 95; },
         [](const R& r) { EXPECT_EQ(r.radiation.kind, 0); EXPECT_EQ(r.activation, 95); }},
        {"window", [](R& r) { r.windowStart = 144; r.windowEnd = 150; },
         [](const R& r) { EXPECT_EQ(r.windowStart, 42); EXPECT_EQ(r.windowEnd, 48); }},
        {"run time and interval", [](R& r) { r.runTime = 241; r.interval = 121; },
         [](const R& r) { EXPECT_EQ(r.runTime, 5); EXPECT_EQ(r.interval, 10); }},
        {"count", [](R& r) { r.solarCount = 0; }, [](const R& r) { EXPECT_EQ(r.solarCount, 2); }},
        {"solar controls", [](R& r) { r.solarControls[0] = 6; r.solarControls[1] = 7; r.solarControls[2] = 46; },
         [](const R& r) {
             EXPECT_EQ(r.solarControls[0], 6);
             EXPECT_EQ(r.solarControls[1], 0) << "a heating circuit";
             EXPECT_EQ(r.solarControls[2], 0);
         }},
    };
    CParaCheck check;
    RunRepairs(fresh, cases, [&](R& r) { check.CheckStartfunc(2, r, 0); });
}

TEST_F(SolarRecordsTest, KuehlfuncRepairs)
{
    const KuehlfuncParam fresh = NewRecord(CParaDaten::GetDefaultKuehlfunc, &CParaDaten::GetKuehlfunc, 18);
    using R = KuehlfuncParam;
    const RepairCase<R> cases[] = {
        {"DIFF.OFF above DIFF.ON", [](R& r) { r.diffOn = 20; r.diffOff = 25; }, [](const R& r) { EXPECT_EQ(r.diffOff, 19); }},
        {"DIFF.ON 128", [](R& r) { r.diffOn = 128; }, [](const R& r) { EXPECT_EQ(r.diffOn, 129); }},
        {"negative DIFF.ON", [](R& r) { r.diffOn = 150; r.diffOff = 5; }, [](const R& r) { EXPECT_EQ(r.diffOff, 149); }},
        {"constant maximum 100", [](R& r) { r.referenceMax = {0, 100}; },
         [](const R& r) { EXPECT_EQ(r.referenceMax.number, 60); }},
        {"source maximum 100", [](R& r) { r.referenceMax = {1, 100}; },
         [](const R& r) { EXPECT_EQ(r.referenceMax.number, 100); }},
        {"window and magnitude", [](R& r) { r.windowStart = 200; r.windowEnd = 144; r.magnitude = 101; },
         [](const R& r) {
             EXPECT_EQ(r.windowStart, 42);
             EXPECT_EQ(r.windowEnd, 48);
             EXPECT_EQ(r.magnitude, 30);
         }},
        {"fixed release 2 with keep-low-bit", [](R& r) { r.release.number = 2; },
         [](const R& r) { EXPECT_EQ(r.release.number, 0); }},
    };
    CParaCheck check;
    RunRepairs(fresh, cases, [&](R& r) { check.CheckKuehlfunc(r, 1); });
}
