// The records of the heating-circuit controller, heating and hot-water request, charge pump and circulation: the
// bytes of a new record, what a new record reads as, round trips at the extremes, the bytes a write may touch, the
// mode nibble, completion from the drawing and the repairs.
#include "FuncRecordTestKit.h"

#include "store/CParaCheck.h"

using namespace recordtest;

namespace {

using Fake = FakeDrawing;

// A program block with no day and every window 00:00 to 00:00 at the given setpoint byte.
#define EMPTY_PROGRAMS(sp) "00 00 00 " sp " 00 00 " sp " 00 00 " sp " "

const DefaultCase kDefaults[] = {
    // Byte 18: mixer "chiudere" in bits 0..2, bits 4..6 not the record's and left FF; byte 19: mode 1 in both
    // halves. Program 1 on all days with window 1 from 06:00 to 22:00, every setpoint 20 deg C.
    {"Heizkreisregler", CParaDaten::GetDefaultHzkrReg,
     "22 01 00 00 14 10 0a 23 3c 41 14 14 6b 7f 14 14 05 14 71 11 00 00 00 00 00 01 00 01 00 01 "
     "01 01 01 01 01 01 00 00 05 05 00 ff*23 "
     "7f 24 84 14 00 00 14 00 00 14 " EMPTY_PROGRAMS("14") EMPTY_PROGRAMS("14") EMPTY_PROGRAMS("14")
         EMPTY_PROGRAMS("14") "ff*14"},
    {"Anforderung Heizung", CParaDaten::GetDefaultAnfHeizung,
     "0a 5a 00 00 10 00 00 01 01 07 01 06 10 01 10 01 00 ff*111"},
    {"Anforderung Warmwasser", CParaDaten::GetDefaultAnfWarmwasser,
     "22 28 00 28 64 00 00 00 00 01 01 02 00 32 00 00 ff*48 " EMPTY_PROGRAMS("32") EMPTY_PROGRAMS("32")
         EMPTY_PROGRAMS("32") EMPTY_PROGRAMS("32") EMPTY_PROGRAMS("32") "ff*14"},
    {"Ladepumpe", CParaDaten::GetDefaultLadepumpe, "32 00 0a 32 3c 1e 20 00 00 01 01 09 01 05 00 3c 00 5a ff*110"},
    {"Zirkulation", CParaDaten::GetDefaultZirkulation,
     "22 00 00 32 14 5a 0a 00 00 00 01 01 01 01 01 00 32 00 01 50 1e ff*43 " EMPTY_PROGRAMS("32")
         EMPTY_PROGRAMS("32") EMPTY_PROGRAMS("32") EMPTY_PROGRAMS("32") EMPTY_PROGRAMS("32") "ff*14"},
};

#undef EMPTY_PROGRAMS

class HeizungRecordsTest : public FuncRecordTest {
protected:
    // The control fields and programs at their widest stored values.
    static void WidestPrograms(BYTE& windows, BYTE& programs, BYTE& setpoints, Zeitprogramm* block)
    {
        windows = 15;
        programs = 7;
        setpoints = 1;
        for (int j = 0; j < kZeitprogramme; ++j) {
            std::memset(block[j].days, 1, 7);
            for (Zeitfenster& w : block[j].windows)
                w = Zeitfenster{255, 255, 255};
        }
    }
};

}  // namespace

TEST(HeizungRecordsDefaults, NewSlotBytes)
{
    ExpectDefaultSlots(kDefaults);
}

TEST_F(HeizungRecordsTest, NewRecordsReadAsDescribed)
{
    const HzkrRegParam h = NewRecord(CParaDaten::GetDefaultHzkrReg, &CParaDaten::GetHzkrReg, 1);
    EXPECT_EQ(h.designation.index, 0) << "designation code FF is none";
    for (const DigitalQuelle* d : {&h.release, &h.pumpRelease, &h.mixerRelease}) {
        EXPECT_EQ(d->kind, 0);
        EXPECT_EQ(d->number, 1) << "fixed on";
    }
    EXPECT_EQ(h.mode, kHzkrAuto);
    EXPECT_EQ(h.roomNormal, 20);
    EXPECT_EQ(h.roomReduced, 16);
    EXPECT_EQ(h.byOutsideTemp, 1);
    EXPECT_EQ(h.curve, 60);
    EXPECT_EQ(h.flowAtPlus10, 35);
    EXPECT_EQ(h.flowMax, 65);
    EXPECT_EQ(h.flowMin, 20);
    EXPECT_EQ(h.averagingControl, 107);
    EXPECT_EQ(h.averagingOff, 127);
    EXPECT_EQ(h.offRoomHyst, 10);
    EXPECT_EQ(h.offFlowHyst, 20);
    EXPECT_EQ(h.frostRoom, 5);
    EXPECT_EQ(h.frostOutside, 5);
    EXPECT_EQ(h.mixerWhileOff, kHzkrMischerZu);
    EXPECT_EQ(h.mixerOutputs, 0);
    EXPECT_EQ(h.externalSwitch.number, 0) << "fixed off";
    EXPECT_EQ(h.windowsPerProgram, 2);
    EXPECT_EQ(h.programsInUse, 2);
    EXPECT_EQ(Hex(h.programs[0].days, 7), "01 01 01 01 01 01 01");
    EXPECT_EQ(h.programs[0].windows[0].start, 36);
    EXPECT_EQ(h.programs[0].windows[0].end, 132);
    EXPECT_EQ(h.programs[4].windows[2].setpoint, 20);

    const AnfHeizungParam a = NewRecord(CParaDaten::GetDefaultAnfHeizung, &CParaDaten::GetAnfHeizung, 2);
    EXPECT_EQ(a.demandTemp.kind, 1);
    EXPECT_EQ(a.demandTemp.number, 7);
    EXPECT_EQ(a.offTemp.number, 6);
    EXPECT_EQ(a.demandSetpoint.kind, 16) << "output variable 1 of function number 13";
    EXPECT_EQ(a.offSetpoint.number, 1);
    EXPECT_EQ(a.diffOn, 10);
    EXPECT_EQ(a.diffOff, 90);
    EXPECT_EQ(Hex(a.outputs, 16), "00 00 00 00 01 00 00 00 00 00 00 00 00 00 00 00");

    const AnfWarmwasserParam w = NewRecord(CParaDaten::GetDefaultAnfWarmwasser, &CParaDaten::GetAnfWarmwasser, 3);
    EXPECT_EQ(w.hotWaterTemp.number, 2);
    EXPECT_EQ(w.setpoint.kind, 0);
    EXPECT_EQ(w.setpoint.number, 50);
    EXPECT_EQ(w.minTemp, 40);
    EXPECT_EQ(w.diffOff, 40);
    EXPECT_EQ(w.burnerPower, 100);
    EXPECT_EQ(w.programs[2].windows[1].setpoint, 50);
    EXPECT_EQ(w.programs[0].days[0], 0);

    const LadepumpeParam l = NewRecord(CParaDaten::GetDefaultLadepumpe, &CParaDaten::GetLadepumpe, 4);
    EXPECT_EQ(l.sourceTemp.number, 9);
    EXPECT_EQ(l.referenceTemp.number, 5);
    EXPECT_EQ(l.sourceMin.number, 60);
    EXPECT_EQ(l.referenceMax.number, 90);
    EXPECT_EQ(l.outputs[5], 1);

    const ZirkulationParam z = NewRecord(CParaDaten::GetDefaultZirkulation, &CParaDaten::GetZirkulation, 5);
    EXPECT_EQ(z.mode, kZirkulationZeit);
    EXPECT_EQ(z.diffOff, 50);
    EXPECT_EQ(z.tapRise, 20);
    EXPECT_EQ(z.runTime, 90);
    EXPECT_EQ(z.pause, 10);
    EXPECT_EQ(z.mixingDiff, 80);
    EXPECT_EQ(z.mixingStoreMin, 30);
    EXPECT_EQ(z.storeTemp.kind, 0);
    EXPECT_EQ(z.setpoint.number, 50);
}

TEST_F(HeizungRecordsTest, HzkrRegRoundTripsAndOwnsItsBytes)
{
    // Byte 18: bits 4..6 are not the record's.
    const std::initializer_list<Owned> owned = {{0, 17}, {18, 18, 0x8F}, {19, 40}, {64, 113}};
    HzkrRegParam lowest{};
    ExpectSame(WriteRead(lowest, &CParaDaten::SetHzkrReg, &CParaDaten::GetHzkrReg, owned), lowest);
    HzkrRegParam widest;
    FillAll(widest, 0xFF);
    Widest(widest);
    widest.mode = 15;
    widest.byOutsideTemp = 7;
    widest.mixerWhileOff = 7;
    for (BYTE* flag : {&widest.curveBySlope, &widest.offRoomAboveSetpoint, &widest.offFlowBelowMin,
                       &widest.offOutsideAboveMax, &widest.offReducedOutsideAboveMin, &widest.offFlowAboveMax})
        *flag = 1;
    widest.pumpRelease = widest.mixerRelease = widest.externalSwitch = DigitalQuelle{127, 1, 255};
    std::memset(widest.pumpOutputs, 1, sizeof widest.pumpOutputs);
    WidestPrograms(widest.windowsPerProgram, widest.programsInUse, widest.windowSetpoints, widest.programs);
    ExpectSame(WriteRead(widest, &CParaDaten::SetHzkrReg, &CParaDaten::GetHzkrReg, owned), widest);
}

TEST_F(HeizungRecordsTest, RequestsPumpAndCirculationRoundTrip)
{
    {
        AnfHeizungParam r{};
        ExpectSame(WriteRead(r, &CParaDaten::SetAnfHeizung, &CParaDaten::GetAnfHeizung, {{0, 16}}), r);
        FillAll(r, 0xFF);
        Widest(r);
        std::memset(r.outputs, 1, sizeof r.outputs);
        ExpectSame(WriteRead(r, &CParaDaten::SetAnfHeizung, &CParaDaten::GetAnfHeizung, {{0, 16}}), r);
    }
    {
        AnfWarmwasserParam r{};
        const std::initializer_list<Owned> owned = {{0, 15}, {64, 113}};
        ExpectSame(WriteRead(r, &CParaDaten::SetAnfWarmwasser, &CParaDaten::GetAnfWarmwasser, owned), r);
        FillAll(r, 0xFF);
        Widest(r);
        r.externalSwitch = DigitalQuelle{127, 1, 255};
        std::memset(r.outputs, 1, sizeof r.outputs);
        std::memset(r.burnerOutputs, 1, sizeof r.burnerOutputs);
        WidestPrograms(r.windowsPerProgram, r.programsInUse, r.windowSetpoints, r.programs);
        ExpectSame(WriteRead(r, &CParaDaten::SetAnfWarmwasser, &CParaDaten::GetAnfWarmwasser, owned), r);
    }
    {
        LadepumpeParam r{};
        ExpectSame(WriteRead(r, &CParaDaten::SetLadepumpe, &CParaDaten::GetLadepumpe, {{0, 17}}), r);
        FillAll(r, 0xFF);
        Widest(r);
        std::memset(r.outputs, 1, sizeof r.outputs);
        ExpectSame(WriteRead(r, &CParaDaten::SetLadepumpe, &CParaDaten::GetLadepumpe, {{0, 17}}), r);
    }
    {
        ZirkulationParam r{};
        const std::initializer_list<Owned> owned = {{0, 20}, {64, 113}};
        ExpectSame(WriteRead(r, &CParaDaten::SetZirkulation, &CParaDaten::GetZirkulation, owned), r);
        FillAll(r, 0xFF);
        Widest(r);
        std::memset(r.outputs, 1, sizeof r.outputs);
        WidestPrograms(r.windowsPerProgram, r.programsInUse, r.windowSetpoints, r.programs);
        ExpectSame(WriteRead(r, &CParaDaten::SetZirkulation, &CParaDaten::GetZirkulation, owned), r);
    }
}

TEST_F(HeizungRecordsTest, StoredBitsOfTheHeatingCircuit)
{
    BYTE entry[8] = {1, 0xFF, 0, 0, 0xFF, 0xFF, 0xFF, 0xFF};
    BYTE slot[128];
    std::memset(slot, 0xFF, sizeof slot);
    CParaDaten::GetDefaultHzkrReg(slot);
    slot[18] = 0x79;  // nibble select set, mixer 1
    slot[19] = 0x20;
    PutSlot(1, entry, slot);
    CParaDaten para;
    HzkrRegParam r{};
    ASSERT_TRUE(para.GetHzkrReg(2, 1, r, false));
    EXPECT_EQ(r.mode, 2) << "read from the high half";
    r.byOutsideTemp = 5;    // unrepaired, stored in bits 0..2 of byte 1
    r.pumpOutputs[0] = 2;   // not exactly 1: not stored
    r.release.inverted = 2; // only bit 0 is stored
    r.windowsPerProgram = 3;
    r.programsInUse = 5;
    r.windowSetpoints = 1;
    ASSERT_TRUE(para.SetHzkrReg(2, 1, r));
    GetSlot(1, entry, slot);
    EXPECT_EQ(slot[19], 0x22);
    EXPECT_EQ(slot[18], 0x71) << "select bit cleared, bits 4..6 kept";
    EXPECT_EQ(slot[1] & 7, 5);
    EXPECT_EQ(slot[21] & 1, 0);
    EXPECT_EQ(slot[24] & 0x80, 0);
    EXPECT_EQ(slot[0], 0xD3);
    HzkrRegParam back{};
    ASSERT_TRUE(para.GetHzkrReg(2, 1, back, false));
    EXPECT_EQ(back.byOutsideTemp, 5);

    // A day byte of FF reads as seven days and is written back as 7F.
    slot[74] = 0xFF;
    PutSlot(1, entry, slot);
    ASSERT_TRUE(para.GetHzkrReg(2, 1, back, false));
    EXPECT_EQ(Hex(back.programs[1].days, 7), "01 01 01 01 01 01 01");
    ASSERT_TRUE(para.SetHzkrReg(2, 1, back));
    GetSlot(1, entry, slot);
    EXPECT_EQ(slot[74], 0x7F);
}

TEST_F(HeizungRecordsTest, HotWaterBurnerByteWritesItsHighBitsAsZero)
{
    BYTE entry[8] = {3, 0xFF, 0, 0, 0xFF, 0xFF, 0xFF, 0xFF};
    BYTE slot[128];
    std::memset(slot, 0xFF, sizeof slot);
    PutSlot(1, entry, slot);
    CParaDaten para;
    AnfWarmwasserParam r{};
    ASSERT_TRUE(para.GetAnfWarmwasser(2, 1, r, false));
    ASSERT_TRUE(para.SetAnfWarmwasser(2, 1, r));
    GetSlot(1, entry, slot);
    EXPECT_EQ(slot[7], 0x3F);
}

TEST_F(HeizungRecordsTest, CompletionTakesSourcesAndOutputsFromThePins)
{
    PutNewSlot(1, 1, 0, CParaDaten::GetDefaultHzkrReg);
    PutNewSlot(2, 2, 1, CParaDaten::GetDefaultAnfHeizung);
    PutNewSlot(3, 3, 2, CParaDaten::GetDefaultAnfWarmwasser);
    PutNewSlot(4, 4, 3, CParaDaten::GetDefaultLadepumpe);
    PutNewSlot(5, 5, 4, CParaDaten::GetDefaultZirkulation);
    for (BYTE slot = 1; slot <= 5; ++slot)
        SetObject(slot, Fake::kObject);
    const auto source = [](const Quelle& q, BYTE pin) {
        EXPECT_EQ(q.kind, Fake::Kind(pin)) << "pin " << int(pin);
        EXPECT_EQ(q.number, Fake::Number(pin)) << "pin " << int(pin);
    };
    const auto digital = [](const DigitalQuelle& d, BYTE pin) {
        EXPECT_EQ(d.kind, Fake::Kind(pin)) << "pin " << int(pin);
        EXPECT_EQ(d.inverted, 0);
        EXPECT_EQ(d.number, Fake::Number(pin)) << "pin " << int(pin);
    };
    const auto sixteen = [](const BYTE* flags) {
        for (int n = 1; n <= 16; ++n)
            EXPECT_EQ(flags[n - 1], Fake::Drives(n) ? 1 : 0) << "output " << n;
    };
    CParaDaten para;
    para.UseDrawing(&Reader());

    HzkrRegParam h{};
    ASSERT_TRUE(para.GetHzkrReg(2, 1, h, true));
    digital(h.release, 1);
    digital(h.pumpRelease, 2);
    digital(h.mixerRelease, 3);
    source(h.roomTemp, 4);
    source(h.flowTemp, 5);
    source(h.outsideTemp, 6);
    digital(h.externalSwitch, 7);
    sixteen(h.pumpOutputs);
    EXPECT_EQ(h.mixerOutputs, 3) << "the drawing's pin drives outputs 3 and 8: the pair of output 3";
    EXPECT_EQ(h.programs[0].windows[0].end, 132) << "time programs come from the slot only";

    AnfHeizungParam a{};
    ASSERT_TRUE(para.GetAnfHeizung(2, 2, a, true));
    digital(a.release, 1);
    source(a.demandTemp, 2);
    source(a.offTemp, 3);
    source(a.demandSetpoint, 4);
    source(a.offSetpoint, 5);
    sixteen(a.outputs);

    AnfWarmwasserParam w{};
    ASSERT_TRUE(para.GetAnfWarmwasser(2, 3, w, true));
    digital(w.release, 1);
    source(w.hotWaterTemp, 2);
    source(w.setpoint, 3);
    digital(w.externalSwitch, 4);
    sixteen(w.outputs);
    EXPECT_EQ(Hex(w.burnerOutputs, 6), "01 00 01 00 00 01") << "outputs 1, 2, 6, 7, 15, 16";

    LadepumpeParam l{};
    ASSERT_TRUE(para.GetLadepumpe(2, 4, l, true));
    digital(l.release, 1);
    source(l.sourceTemp, 2);
    source(l.referenceTemp, 3);
    source(l.sourceMin, 4);
    source(l.referenceMax, 5);
    sixteen(l.outputs);

    ZirkulationParam z{};
    ASSERT_TRUE(para.GetZirkulation(2, 5, z, true));
    digital(z.release, 1);
    source(z.returnTemp, 2);
    source(z.hotWaterTemp, 3);
    source(z.setpoint, 4);
    source(z.storeTemp, 5);
    sixteen(z.outputs);
}

// ---- Repairs ----

TEST_F(HeizungRecordsTest, HzkrRegRepairs)
{
    const HzkrRegParam fresh = NewRecord(CParaDaten::GetDefaultHzkrReg, &CParaDaten::GetHzkrReg, 1);
    using R = HzkrRegParam;
    const RepairCase<R> cases[] = {
        {"slope without outside control", [](R& r) { r.byOutsideTemp = 0; r.curveBySlope = 1; r.curve = 120; },
         [](const R& r) { EXPECT_EQ(r.curveBySlope, 0); EXPECT_EQ(r.curve, 60); }},
        {"flow at +10 above flow at -20", [](R& r) { r.curve = 50; r.flowAtPlus10 = 70; },
         [](const R& r) { EXPECT_EQ(r.flowAtPlus10, 50); }},
        {"flow at +10 outside, then lowered", [](R& r) { r.curve = 22; r.flowAtPlus10 = 100; },
         [](const R& r) { EXPECT_EQ(r.flowAtPlus10, 22); }},
        {"slope 4", [](R& r) { r.curveBySlope = 1; r.curve = 4; r.flowAtPlus10 = 7; },
         [](const R& r) { EXPECT_EQ(r.curve, 120); EXPECT_EQ(r.flowAtPlus10, 7); }},
        {"slope 250", [](R& r) { r.curveBySlope = 1; r.curve = 250; }, [](const R& r) { EXPECT_EQ(r.curve, 250); }},
        {"outside maximum", [](R& r) { r.offOutsideMax = 236; r.offReducedOutsideMin = 235; },
         [](const R& r) { EXPECT_EQ(r.offOutsideMax, 236); EXPECT_EQ(r.offReducedOutsideMin, 5); }},
        {"outside maximum 99", [](R& r) { r.offOutsideMax = 99; r.offReducedOutsideMin = 100; },
         [](const R& r) { EXPECT_EQ(r.offOutsideMax, 99); EXPECT_EQ(r.offReducedOutsideMin, 5); }},
        {"frost outside", [](R& r) { r.frostOutside = 21; r.frostRoom = 31; },
         [](const R& r) { EXPECT_EQ(r.frostOutside, 5); EXPECT_EQ(r.frostRoom, 5); }},
        {"frost outside -1 and 20 stay", [](R& r) { r.frostOutside = 255; r.offOutsideMax = 20; },
         [](const R& r) { EXPECT_EQ(r.frostOutside, 255); }},
        {"hystereses", [](R& r) { r.offRoomHyst = 0; r.offFlowHyst = 4; r.offOutsideHyst = 116; r.offReducedHyst = 255; },
         [](const R& r) {
             EXPECT_EQ(r.offRoomHyst, 80);
             EXPECT_EQ(r.offFlowHyst, 80);
             EXPECT_EQ(r.offOutsideHyst, 80);
             EXPECT_EQ(r.offReducedHyst, 80);
         }},
        {"room hysteresis 1 stays", [](R& r) { r.offRoomHyst = 1; }, [](const R& r) { EXPECT_EQ(r.offRoomHyst, 1); }},
        {"mode, setpoints, advance", [](R& r) { r.mode = 4; r.roomNormal = 46; r.roomReduced = 46; r.advanceTime = 241; },
         [](const R& r) {
             EXPECT_EQ(r.mode, 1);
             EXPECT_EQ(r.roomNormal, 20);
             EXPECT_EQ(r.roomReduced, 17);
             EXPECT_EQ(r.advanceTime, 0);
         }},
        {"control 5", [](R& r) { r.byOutsideTemp = 5; }, [](const R& r) { EXPECT_EQ(r.byOutsideTemp, 1); }},
        {"flow limits and averaging", [](R& r) {
             r.flowMax = 100; r.flowMin = 100; r.averagingControl = 252; r.averagingOff = 251; r.roomInfluence = 91;
             r.switchOnRaise = 21;
         },
         [](const R& r) {
             EXPECT_EQ(r.flowMax, 70);
             EXPECT_EQ(r.flowMin, 20);
             EXPECT_EQ(r.averagingControl, 0);
             EXPECT_EQ(r.averagingOff, 251);
             EXPECT_EQ(r.roomInfluence, 0);
             EXPECT_EQ(r.switchOnRaise, 0);
         }},
        {"mixer while off", [](R& r) { r.mixerWhileOff = 4; }, [](const R& r) { EXPECT_EQ(r.mixerWhileOff, 1); }},
        {"releases", [](R& r) { r.pumpRelease = {0, 1, 3}; r.mixerRelease = {99, 0, 3}; r.release = {47, 0, 2}; },
         [](const R& r) {
             EXPECT_EQ(r.pumpRelease.number, 1);
             EXPECT_EQ(r.pumpRelease.inverted, 1) << "inverted flags are not repaired";
             EXPECT_EQ(r.mixerRelease.number, 3) << "a source's number is kept";
             EXPECT_EQ(r.release.kind, 0);
             EXPECT_EQ(r.release.number, 1);
         }},
        {"external switch keeps its fixed state", [](R& r) { r.externalSwitch = {0, 0, 5}; r.roomTemp = {100, 3}; },
         [](const R& r) { EXPECT_EQ(r.externalSwitch.number, 5); EXPECT_EQ(r.roomTemp.kind, 0); }},
        {"not repaired", [](R& r) { r.offFlowAboveMax = 7; r.reserved = 200; r.mixerOutputs = 5; r.pumpOutputs[3] = 9; },
         [](const R& r) {
             EXPECT_EQ(r.offFlowAboveMax, 7);
             EXPECT_EQ(r.reserved, 200);
             EXPECT_EQ(r.mixerOutputs, 5);
             EXPECT_EQ(r.pumpOutputs[3], 9);
         }},
        {"six programs become none", [](R& r) { r.programsInUse = 6; }, [](const R& r) { EXPECT_EQ(r.programsInUse, 0); }},
    };
    CParaCheck check;
    RunRepairs(fresh, cases, [&](R& r) { check.CheckHzkrReg(r, 0); });
}

TEST_F(HeizungRecordsTest, AnfHeizungRepairs)
{
    const AnfHeizungParam fresh = NewRecord(CParaDaten::GetDefaultAnfHeizung, &CParaDaten::GetAnfHeizung, 2);
    using R = AnfHeizungParam;
    const auto noOffSensor = [](R& r) { r.offTemp = {0, 6}; };
    const RepairCase<R> cases[] = {
        {"no off sensor: 50 / 30", [&](R& r) { noOffSensor(r); r.diffOn = 50; r.diffOff = 30; },
         [](const R& r) { EXPECT_EQ(r.diffOff, 51); }},
        {"no off sensor: -5.6 K / 1.0 K", [&](R& r) { noOffSensor(r); r.diffOn = 200; r.diffOff = 10; },
         [](const R& r) { EXPECT_EQ(r.diffOn, 200); EXPECT_EQ(r.diffOff, 10); }},
        {"off sensor: 50 / 30 stay", [](R& r) { r.diffOn = 50; r.diffOff = 30; },
         [](const R& r) { EXPECT_EQ(r.diffOff, 30); }},
        {"off sensor: DIFF.OFF 127", [](R& r) { r.diffOff = 127; }, [](const R& r) { EXPECT_EQ(r.diffOff, 126); }},
        {"DIFF.ON 127 without off sensor", [&](R& r) { noOffSensor(r); r.diffOn = 127; r.diffOff = 126; },
         [](const R& r) { EXPECT_EQ(r.diffOn, 126); EXPECT_EQ(r.diffOff, 127); }},
        {"fixed demand setpoint 100", [](R& r) { r.demandSetpoint = {0, 100}; },
         [](const R& r) { EXPECT_EQ(r.demandSetpoint.number, 60); }},
        {"demand setpoint source 100", [](R& r) { r.demandSetpoint = {1, 100}; },
         [](const R& r) { EXPECT_EQ(r.demandSetpoint.number, 100); }},
        {"fixed off setpoint with an off sensor", [](R& r) { r.offSetpoint = {0, 150}; },
         [](const R& r) { EXPECT_EQ(r.offSetpoint.number, 60); }},
        {"fixed off setpoint without an off sensor", [&](R& r) { noOffSensor(r); r.offSetpoint = {0, 150}; },
         [](const R& r) { EXPECT_EQ(r.offSetpoint.number, 150); }},
        {"minimum, ECO, burner run", [](R& r) { r.minDemandTemp = 100; r.eco = 51; r.minBurnerRun = 192; },
         [](const R& r) { EXPECT_EQ(r.minDemandTemp, 50); EXPECT_EQ(r.eco, 0); EXPECT_EQ(r.minBurnerRun, 0); }},
        {"burner run 191 stays", [](R& r) { r.minBurnerRun = 191; }, [](const R& r) { EXPECT_EQ(r.minBurnerRun, 191); }},
        {"demand temperature not repaired", [](R& r) { r.demandTemp = {200, 7}; },
         [](const R& r) { EXPECT_EQ(r.demandTemp.kind, 200); }},
    };
    CParaCheck check;
    RunRepairs(fresh, cases, [&](R& r) { check.CheckAnfHeizung(r, 0); });
}

TEST_F(HeizungRecordsTest, AnfWarmwasserRepairs)
{
    const AnfWarmwasserParam fresh =
        NewRecord(CParaDaten::GetDefaultAnfWarmwasser, &CParaDaten::GetAnfWarmwasser, 3);
    using R = AnfWarmwasserParam;
    const RepairCase<R> cases[] = {
        {"burner power 19", [](R& r) { r.burnerPower = 19; }, [](const R& r) { EXPECT_EQ(r.burnerPower, 80); }},
        {"burner power 128", [](R& r) { r.burnerPower = 128; }, [](const R& r) { EXPECT_EQ(r.burnerPower, 80); }},
        {"burner power 127", [](R& r) { r.burnerPower = 127; }, [](const R& r) { EXPECT_EQ(r.burnerPower, 127); }},
        {"DIFF.OFF not above DIFF.ON", [](R& r) { r.diffOn = 40; r.diffOff = 40; },
         [](const R& r) { EXPECT_EQ(r.diffOff, 41); }},
        {"DIFF.ON 127", [](R& r) { r.diffOn = 127; r.diffOff = 127; },
         [](const R& r) { EXPECT_EQ(r.diffOn, 126); EXPECT_EQ(r.diffOff, 127); }},
        {"fixed setpoint 100", [](R& r) { r.setpoint = {0, 100}; }, [](const R& r) { EXPECT_EQ(r.setpoint.number, 60); }},
        {"minimum", [](R& r) { r.minTemp = 100; }, [](const R& r) { EXPECT_EQ(r.minTemp, 40); }},
        {"external switch", [](R& r) { r.externalSwitch = {60, 1, 9}; },
         [](const R& r) { EXPECT_EQ(r.externalSwitch.kind, 0); EXPECT_EQ(r.externalSwitch.number, 9); }},
        {"programs", [](R& r) { r.programsInUse = 7; r.windowsPerProgram = 0; r.programs[4].windows[2].end = 144; },
         [](const R& r) {
             EXPECT_EQ(r.programsInUse, 0);
             EXPECT_EQ(r.windowsPerProgram, 2);
             EXPECT_EQ(r.programs[4].windows[2].end, 0);
         }},
    };
    CParaCheck check;
    RunRepairs(fresh, cases, [&](R& r) { check.CheckAnfWarmwasser(r, 0); });
}

TEST_F(HeizungRecordsTest, LadepumpeRepairs)
{
    const LadepumpeParam fresh = NewRecord(CParaDaten::GetDefaultLadepumpe, &CParaDaten::GetLadepumpe, 4);
    using R = LadepumpeParam;
    const RepairCase<R> cases[] = {
        {"minimum: off above on", [](R& r) { r.minDiffOn = 30; r.minDiffOff = 40; },
         [](const R& r) { EXPECT_EQ(r.minDiffOff, 29); }},
        {"minimum: -90 K", [](R& r) { r.minDiffOn = 128; r.minDiffOff = 128; },
         [](const R& r) { EXPECT_EQ(r.minDiffOn, 129); EXPECT_EQ(r.minDiffOff, 128); }},
        {"maximum: off equal to on", [](R& r) { r.maxDiffOn = 50; r.maxDiffOff = 50; },
         [](const R& r) { EXPECT_EQ(r.maxDiffOff, 51); }},
        {"maximum: on 127", [](R& r) { r.maxDiffOn = 127; r.maxDiffOff = 200; },
         [](const R& r) { EXPECT_EQ(r.maxDiffOn, 126); EXPECT_EQ(r.maxDiffOff, 127); }},
        {"source-reference: off equal to on", [](R& r) { r.sourceDiffOn = 60; r.sourceDiffOff = 60; },
         [](const R& r) { EXPECT_EQ(r.sourceDiffOff, 59); }},
        {"fixed maximum 100", [](R& r) { r.referenceMax = {0, 100}; },
         [](const R& r) { EXPECT_EQ(r.referenceMax.number, 60); }},
        {"maximum source 100", [](R& r) { r.referenceMax = {1, 100}; r.sourceMin = {0, 101}; },
         [](const R& r) { EXPECT_EQ(r.referenceMax.number, 100); EXPECT_EQ(r.sourceMin.number, 60); }},
    };
    CParaCheck check;
    RunRepairs(fresh, cases, [&](R& r) { check.CheckLadepumpe(r, 0); });
}

TEST_F(HeizungRecordsTest, ZirkulationRepairs)
{
    const ZirkulationParam fresh = NewRecord(CParaDaten::GetDefaultZirkulation, &CParaDaten::GetZirkulation, 5);
    using R = ZirkulationParam;
    const RepairCase<R> cases[] = {
        {"pulses without hot-water sensor", [](R& r) { r.mode = 1; r.hotWaterTemp.kind = 0; },
         [](const R& r) { EXPECT_EQ(r.mode, 0); }},
        {"pulses with a sensor", [](R& r) { r.mode = 2; }, [](const R& r) { EXPECT_EQ(r.mode, 2); }},
        {"mode 3", [](R& r) { r.mode = 3; }, [](const R& r) { EXPECT_EQ(r.mode, 0); }},
        {"mixing difference 125", [](R& r) { r.mixingDiff = 125; }, [](const R& r) { EXPECT_EQ(r.mixingDiff, 125); }},
        {"mixing difference 126", [](R& r) { r.mixingDiff = 126; }, [](const R& r) { EXPECT_EQ(r.mixingDiff, 60); }},
        {"mixing difference 128", [](R& r) { r.mixingDiff = 128; }, [](const R& r) { EXPECT_EQ(r.mixingDiff, 60); }},
        {"mixing difference 129", [](R& r) { r.mixingDiff = 129; }, [](const R& r) { EXPECT_EQ(r.mixingDiff, 129); }},
        {"pulse values at their limits", [](R& r) { r.tapRise = 100; r.runTime = 127; r.pause = 120; },
         [](const R& r) { EXPECT_EQ(r.tapRise, 100); EXPECT_EQ(r.runTime, 127); EXPECT_EQ(r.pause, 120); }},
        {"pulse values beyond", [](R& r) { r.tapRise = 101; r.runTime = 128; r.pause = 121; r.mixingStoreMin = 100; },
         [](const R& r) {
             EXPECT_EQ(r.tapRise, 80);
             EXPECT_EQ(r.runTime, 0);
             EXPECT_EQ(r.pause, 20);
             EXPECT_EQ(r.mixingStoreMin, 60);
         }},
        {"differences", [](R& r) { r.diffOn = 127; r.diffOff = 0; },
         [](const R& r) { EXPECT_EQ(r.diffOn, 126); EXPECT_EQ(r.diffOff, 127); }},
        {"fixed setpoint", [](R& r) { r.setpoint = {0, 100}; }, [](const R& r) { EXPECT_EQ(r.setpoint.number, 60); }},
    };
    CParaCheck check;
    RunRepairs(fresh, cases, [&](R& r) { check.CheckZirkulation(r, 0); });
}
