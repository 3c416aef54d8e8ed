// Timer function, counter, time switch and synchronisation records: the bytes of a new slot, round trips at the
// extremes, the bytes each type leaves alone, the counter-position copies, the repairs and the completion.
#include "FuncSlotFixture.h"

#include "store/CParaCheck.h"

namespace {

class ZeitRecordsTest : public FuncSlotFixture {};

TimerParam ValidTimer()
{
    TimerParam r;
    r.designation = {0, 6, 9};
    r.release = {0, 0, 1};
    r.duty = {0, 100};
    return r;
}

ZaehlerParam ValidZaehler()
{
    ZaehlerParam r;
    r.designation = {0, 8, 0};
    r.release = {0, 0, 1};
    r.inputCount = 1;
    r.divisor = 1;
    return r;
}

SchaltuhrParam ValidSchaltuhr()
{
    SchaltuhrParam r;
    r.release = {0, 0, 1};
    r.windowsPerProgram = 1;
    r.programsInUse = 1;
    r.nominalValue = 5;
    r.blockMinTime = 60;
    r.blockTime = 60;
    for (Zeitprogramm& p : r.programs)
        for (Zeitfenster& w : p.windows)
            w.setpoint = 5;
    return r;
}

SyncParam ValidSync()
{
    SyncParam r;
    r.release = {0, 0, 1};
    r.windowCount = 1;
    return r;
}

}  // namespace

TEST_F(ZeitRecordsTest, NewSlotsHoldTheDefaultBytes)
{
    struct Case {
        const char* name;
        void (*defaults)(BYTE*);
        SlotBytes expected;
    };
    const char* program = "00 00 00 05 00 00 05 00 00 05";
    const char* twelve = "00 00 00 00 00 00 00 00 00 00 00 00";
    const Case cases[] = {
        {"Timerfunktion", CParaDaten::GetDefaultTimer, Expected({{0, "00 00 00 00 00 00 00 01 00 00 00 00 64"}})},
        {"Zähler", CParaDaten::GetDefaultZaehler,
         Expected({{0, "01 00 00 01 00 00 01"}, {64, twelve}, {80, "00 00 00"}, {88, "00 00 00"},
                   {112, "00 00 00"}, {120, "00 00 00"}})},
        {"Schaltuhr", CParaDaten::GetDefaultSchaltuhr,
         Expected({{0, "11 00 00 00 01 05 00 00 3C 00 3C 00"}, {64, program}, {74, program}, {84, program},
                   {94, program}, {104, program}})},
        {"Synchronisation", CParaDaten::GetDefaultSync,
         Expected({{0, "01 00 00 00 01"}, {64, twelve}, {76, "00 00 00 00 00 00 00 00"}})},
    };
    for (const Case& c : cases) {
        SlotBytes record;
        record.fill(0xFF);
        c.defaults(record.data());
        EXPECT_EQ(Hex(record.data(), record.size()), Hex(c.expected.data(), c.expected.size())) << c.name;
    }
}

TEST_F(ZeitRecordsTest, NewSlotsReadAsTheirDefaults)
{
    MakeSlot(1, 31, 14, 0, CParaDaten::GetDefaultTimer);
    MakeSlot(2, 32, 17, 1, CParaDaten::GetDefaultZaehler);
    MakeSlot(3, 33, 15, 2, CParaDaten::GetDefaultSchaltuhr);
    MakeSlot(4, 34, 21, 3, CParaDaten::GetDefaultSync);
    CParaDaten para;

    // Release on, pulses on both edges, no retrigger, 0 s, trigger fixed off, duty fixed 100 %, no outputs.
    TimerParam t;
    t.modeWord = 0x100;  // bits beyond the mode are not read from the slot
    ASSERT_TRUE(para.GetTimer(2, 1, t, false));
    TimerParam expectedT = ValidTimer();
    expectedT.designation = {};
    EXPECT_EQ(Hex(t), Hex(expectedT));

    // Release on, one counting input, hours, divisor 1, reset fixed off, position 0 h 0 min.
    ZaehlerParam z;
    ASSERT_TRUE(para.GetZaehler(2, 2, z, false));
    ZaehlerParam expectedZ = ValidZaehler();
    expectedZ.designation = {};
    expectedZ.number = 1;
    EXPECT_EQ(Hex(z), Hex(expectedZ));

    // One program with one window, no setpoints, nominal value 5 deg C, blocking input fixed off, both blocking
    // times 0 days 1 min; the programs have no day and windows from 0 to 0 with setpoint 5.
    SchaltuhrParam s;
    ASSERT_TRUE(para.GetSchaltuhr(2, 3, s, false));
    SchaltuhrParam expectedS = ValidSchaltuhr();
    expectedS.number = 2;
    EXPECT_EQ(Hex(s), Hex(expectedS));

    SyncParam y;
    ASSERT_TRUE(para.GetSync(2, 4, y, false));
    SyncParam expectedY = ValidSync();
    expectedY.number = 3;
    EXPECT_EQ(Hex(y), Hex(expectedY));
}

TEST_F(ZeitRecordsTest, TimerRoundTripsAtItsExtremes)
{
    TimerParam high;
    high.designation = {1, 15, 9};
    high.number = 43;
    high.release = high.trigger = {127, 1, 255};
    high.edgeWord = 3;
    high.retrigger = 1;
    high.modeWord = 31;
    high.time = high.offTime = 255;
    high.duty = {255, 255};
    for (int i = 0; i < 16; ++i)
        high.output[i] = high.inverted[i] = 1;
    for (const TimerParam& r : {high, TimerParam{}})
        EXPECT_EQ(Hex(WriteAndRead(&CParaDaten::SetTimer, &CParaDaten::GetTimer, r, {{13, 127}})), Hex(r));

    // Only the stored bits of the words and of the retrigger flag are written.
    TimerParam wide = ValidTimer();
    wide.edgeWord = 0xFFFFFFFE;
    wide.modeWord = 0xFFFFFFE5;
    wide.retrigger = 2;
    const TimerParam back = WriteAndRead(&CParaDaten::SetTimer, &CParaDaten::GetTimer, wide, {});
    EXPECT_EQ(back.edgeWord, 2u);
    EXPECT_EQ(back.modeWord, 5u);
    EXPECT_EQ(back.retrigger, 0);
    EXPECT_EQ(ReadSlot(7)[1], 0x2A) << "mode 5 in bits 3..7, retrigger clear, edge 2";
}

TEST_F(ZeitRecordsTest, CounterRoundTripsAtItsExtremesAndKeepsForeignBits)
{
    ZaehlerParam high;
    high.designation = {1, 15, 9};
    high.number = 43;
    high.release = high.reset = {127, 1, 255};
    for (DigitalQuelle& q : high.inputs)
        q = {127, 1, 255};
    high.inputCount = high.divisor = high.minutes = 255;
    high.mode = 1;
    high.position = 0xFFFF;
    const std::initializer_list<Kept> kept = {{1, 1, 0x7E}, {7, 63},   {76, 79},   {83, 87},
                                              {91, 111},    {115, 119}, {123, 127}};
    for (const ZaehlerParam& r : {high, ZaehlerParam{}}) {
        EXPECT_EQ(Hex(WriteAndRead(&CParaDaten::SetZaehler, &CParaDaten::GetZaehler, r, kept)), Hex(r));
        EXPECT_EQ(ReadSlot(7)[1] & 0x80, 0) << "bit 7 of byte 1 is written as 0";
    }
}

TEST_F(ZeitRecordsTest, CounterPositionIsWrittenIntoFourCopies)
{
    ZaehlerParam r = ValidZaehler();
    r.minutes = 7;
    r.position = 0x00012345;  // the upper 16 bits are dropped
    const ZaehlerParam back = WriteAndRead(&CParaDaten::SetZaehler, &CParaDaten::GetZaehler, r, {});
    EXPECT_EQ(back.position, 0x2345u);
    EXPECT_EQ(back.minutes, 7);
    const SlotBytes stored = ReadSlot(7);
    for (unsigned copy : {80u, 88u, 112u, 120u})
        EXPECT_EQ(Hex(stored.data() + copy, 3), "07 45 23") << "copy at " << copy;
}

TEST_F(ZeitRecordsTest, CounterPositionComesFromTheLargerPairOfAgreeingCopies)
{
    struct Case {
        const char* a1;
        const char* a2;
        const char* b1;
        const char* b2;
        BYTE minutes;
        unsigned position;
    };
    const Case cases[] = {
        {"10 20 30", "10 20 30", "01 00 00", "01 00 00", 0x10, 0x3020},
        {"10 20 30", "10 20 31", "05 00 00", "05 00 00", 5, 0},
        {"01 00 00", "01 00 00", "10 20 30", "10 20 30", 0x10, 0x3020},
        {"01 02 03", "01 02 04", "05 06 07", "05 06 08", 0, 0},
        {"FF FF FF", "FF FF FF", "00 00 00", "00 00 00", 0xFF, 0xFFFF},
    };
    for (const Case& c : cases) {
        MakeFunc(1, 17, 0);
        WriteSlot(1, Expected({{0, "01 00 00 01 00 00 01"}, {80, c.a1}, {88, c.a2}, {112, c.b1}, {120, c.b2}}));
        CParaDaten para;
        ZaehlerParam r;
        ASSERT_TRUE(para.GetZaehler(2, 1, r, false));
        EXPECT_EQ(r.minutes, c.minutes) << c.a1 << " / " << c.a2 << " / " << c.b1 << " / " << c.b2;
        EXPECT_EQ(r.position, c.position) << c.a1 << " / " << c.a2 << " / " << c.b1 << " / " << c.b2;
    }
}

TEST_F(ZeitRecordsTest, TimeSwitchRoundTripsAtItsExtremes)
{
    SchaltuhrParam high;
    high.designation = {1, 15, 9};
    high.number = 43;
    high.release = high.blocking = {127, 1, 255};
    high.windowsPerProgram = 15;
    high.programsInUse = 7;
    high.windowSetpoints = 1;
    high.nominalValue = high.blockMinTime = high.blockMinDays = high.blockTime = high.blockDays = 255;
    for (BYTE& f : high.outputs)
        f = 1;
    for (Zeitprogramm& p : high.programs) {
        for (BYTE& d : p.days)
            d = 1;
        for (Zeitfenster& w : p.windows)
            w = {255, 255, 255};
    }
    for (const SchaltuhrParam& r : {high, SchaltuhrParam{}}) {
        EXPECT_EQ(Hex(WriteAndRead(&CParaDaten::SetSchaltuhr, &CParaDaten::GetSchaltuhr, r, {{12, 63}, {114, 127}})),
                  Hex(r));
        for (unsigned j = 0; j < 5; ++j)
            EXPECT_EQ(ReadSlot(7)[64 + 10 * j] & 0x80, 0) << "bit 7 of the day byte of program " << j + 1;
    }

    SchaltuhrParam wide = ValidSchaltuhr();
    wide.windowsPerProgram = 17;
    EXPECT_EQ(WriteAndRead(&CParaDaten::SetSchaltuhr, &CParaDaten::GetSchaltuhr, wide, {}).windowsPerProgram, 1);
    EXPECT_EQ(ReadSlot(7)[0] & 0x0F, 1);
}

TEST_F(ZeitRecordsTest, SynchronisationRoundTripsAtItsExtremes)
{
    SyncParam high;
    high.designation = {1, 15, 9};
    high.number = 43;
    high.release = {127, 1, 255};
    high.windowCount = 7;
    high.mode = 15;
    high.once = 1;
    for (BYTE& f : high.outputs)
        f = 1;
    for (SyncParam::Fenster& w : high.windows)
        w = {255, 255, 255, 255};
    for (const SyncParam& r : {high, SyncParam{}})
        EXPECT_EQ(Hex(WriteAndRead(&CParaDaten::SetSync, &CParaDaten::GetSync, r, {{5, 63}, {84, 127}})), Hex(r));

    SyncParam wide = ValidSync();
    wide.windowCount = 9;  // 3 bits
    wide.mode = 0x13;      // 4 bits
    wide.once = 2;         // 1 bit
    const SyncParam back = WriteAndRead(&CParaDaten::SetSync, &CParaDaten::GetSync, wide, {});
    EXPECT_EQ(back.windowCount, 1);
    EXPECT_EQ(back.mode, 3);
    EXPECT_EQ(back.once, 0);
}

TEST_F(ZeitRecordsTest, TimerRepairs)
{
    ExpectRepairs<TimerParam>(ValidTimer(), {
        {"a valid record stays", 0, [](auto&) {}, [](auto&) {}},
        {"mode 6 becomes 0", 0, [](auto& r) { r.modeWord = 6; }, [](auto& r) { r.modeWord = 0; }},
        {"mode 31 becomes 0", 0, [](auto& r) { r.modeWord = 31; }, [](auto& r) { r.modeWord = 0; }},
        {"a mode word 0x25 has mode 5 and stays", 0, [](auto& r) { r.modeWord = 0x25; }, [](auto&) {}},
        {"a mode word 0x27 loses only its mode bits", 0, [](auto& r) { r.modeWord = 0x27; },
         [](auto& r) { r.modeWord = 0x20; }},
        {"edge 3 becomes 0, bits above it stay", 0, [](auto& r) { r.edgeWord = 0x107; },
         [](auto& r) { r.edgeWord = 0x104; }},
        {"edge 2 stays", 0, [](auto& r) { r.edgeWord = 2; }, [](auto&) {}},
        {"fixed duty 101 % becomes 100 %", 0, [](auto& r) { r.duty.number = 101; },
         [](auto& r) { r.duty.number = 100; }},
        {"duty from a source keeps its number", 0, [](auto& r) { r.duty = {4, 150}; }, [](auto&) {}},
        {"an unknown duty kind becomes fixed and is then limited", 0, [](auto& r) { r.duty = {48, 150}; },
         [](auto& r) { r.duty = {0, 100}; }},
        {"fixed trigger 2 becomes 1", 0, [](auto& r) { r.trigger.number = 2; },
         [](auto& r) { r.trigger.number = 1; }},
        {"fixed trigger 2 keeps its low bit", 1, [](auto& r) { r.trigger.number = 2; },
         [](auto& r) { r.trigger.number = 0; }},
        {"times above 251 become 0, 251 stays", 0,
         [](auto& r) {
             r.time = 252;
             r.offTime = 251;
         },
         [](auto& r) { r.time = 0; }},
        {"off-time 252 becomes 0", 0, [](auto& r) { r.offTime = 252; }, [](auto& r) { r.offTime = 0; }},
        {"retrigger and outputs are not repaired", 0,
         [](auto& r) {
             r.retrigger = 4;
             r.output[2] = 3;
         },
         [](auto&) {}},
        {"an unknown release kind becomes fixed", 0, [](auto& r) { r.release = {120, 0, 1}; },
         [](auto& r) { r.release.kind = 0; }},
    }, [](TimerParam& r, BYTE keep) { CParaCheck().CheckTimer(r, keep); });
}

TEST_F(ZeitRecordsTest, CounterRepairs)
{
    ExpectRepairs<ZaehlerParam>(ValidZaehler(), {
        {"a valid record stays", 0, [](auto&) {}, [](auto&) {}},
        {"inputs 3 and 5 connected: 5 in use", 0,
         [](auto& r) {
             r.inputs[2].kind = 1;
             r.inputs[4].kind = 3;
         },
         [](auto& r) { r.inputCount = 5; }},
        {"none connected: a count of 4 is kept", 0, [](auto& r) { r.inputCount = 4; }, [](auto&) {}},
        {"none connected: a count of 9 becomes 1", 0, [](auto& r) { r.inputCount = 9; },
         [](auto& r) { r.inputCount = 1; }},
        {"none connected: a count of 7 becomes 1", 0, [](auto& r) { r.inputCount = 7; },
         [](auto& r) { r.inputCount = 1; }},
        {"a count of 0 becomes 1", 0, [](auto& r) { r.inputCount = 0; }, [](auto& r) { r.inputCount = 1; }},
        {"an unknown counting kind is no source and does not count", 0,
         [](auto& r) { r.inputs[5] = {80, 0, 2}; }, [](auto& r) { r.inputs[5].kind = 0; }},
        {"divisor 0 becomes 1", 0, [](auto& r) { r.divisor = 0; }, [](auto& r) { r.divisor = 1; }},
        {"divisor 251 becomes 1, 250 stays", 0, [](auto& r) { r.divisor = 251; }, [](auto& r) { r.divisor = 1; }},
        {"fixed states of reset and counting inputs are not repaired", 0,
         [](auto& r) {
             r.reset = {0, 0, 5};
             r.inputs[0] = {0, 3, 7};
         },
         [](auto&) {}},
        {"an unknown reset kind becomes 0", 0, [](auto& r) { r.reset = {100, 1, 5}; },
         [](auto& r) { r.reset.kind = 0; }},
        {"fixed release 3 becomes 1 with its low bit", 1, [](auto& r) { r.release.number = 3; },
         [](auto& r) { r.release.number = 1; }},
        // What the form's save accepts: a position up to 65535, in hours mode minutes up to 59.
        {"a position of 65535 and 59 minutes stay", 0,
         [](auto& r) {
             r.position = 65535;
             r.minutes = 59;
         },
         [](auto&) {}},
        {"a position above 65535 becomes 0", 0, [](auto& r) { r.position = 99999; },
         [](auto& r) { r.position = 0; }},
        {"hours mode: 128 minutes become 0", 0, [](auto& r) { r.minutes = 128; }, [](auto& r) { r.minutes = 0; }},
        {"hours mode: 60 minutes become 0", 0, [](auto& r) { r.minutes = 60; }, [](auto& r) { r.minutes = 0; }},
        {"pulse mode: the minutes are not looked at", 0,
         [](auto& r) {
             r.mode = kZaehlerImpulse;
             r.minutes = 200;
         },
         [](auto&) {}},
        {"designation index 9 of 8 is none", 0, [](auto& r) { r.designation = {0, 9, 1}; },
         [](auto& r) { r.designation = {0, 0, 0}; }},
    }, [](ZaehlerParam& r, BYTE keep) { CParaCheck().CheckZaehler(r, keep); });
}

TEST_F(ZeitRecordsTest, TimeSwitchRepairs)
{
    auto blockTimes = [](SchaltuhrParam& r) {
        r.blockMinTime = 250;
        r.blockMinDays = 40;
        r.blockTime = 250;
        r.blockDays = 40;
    };
    auto justAbove = [](SchaltuhrParam& r) {
        r.blockMinTime = r.blockTime = 203;
        r.blockMinDays = r.blockDays = 32;
    };
    ExpectRepairs<SchaltuhrParam>(ValidSchaltuhr(), {
        {"a valid record stays", 0, [](auto&) {}, [](auto&) {}},
        {"without a blocking source the blocking times are kept", 0, blockTimes, [](auto&) {}},
        {"with a blocking source they become 0", 0,
         [&](auto& r) {
             blockTimes(r);
             r.blocking.kind = 1;
         },
         [](auto& r) {
             r.blockMinTime = r.blockMinDays = r.blockTime = r.blockDays = 0;
         }},
        {"with a blocking source 203 and 32 become 0", 0,
         [&](auto& r) {
             justAbove(r);
             r.blocking.kind = 1;
         },
         [](auto& r) {
             r.blockMinTime = r.blockMinDays = r.blockTime = r.blockDays = 0;
         }},
        {"with a blocking source 202 and 31 stay", 0,
         [](auto& r) {
             r.blocking.kind = 1;
             r.blockMinTime = r.blockTime = 202;
             r.blockMinDays = r.blockDays = 31;
         },
         [](auto&) {}},
        {"an unknown blocking kind is no source", 0,
         [&](auto& r) {
             blockTimes(r);
             r.blocking = {110, 0, 9};
         },
         [](auto& r) { r.blocking.kind = 0; }},
        {"the blocking input's fixed state is not repaired", 0, [](auto& r) { r.blocking.number = 6; },
         [](auto&) {}},
        {"nominal value 100 becomes 5, 99 stays", 0, [](auto& r) { r.nominalValue = 100; },
         [](auto& r) { r.nominalValue = 5; }},
        {"0 programs become 1", 0, [](auto& r) { r.programsInUse = 0; }, [](auto& r) { r.programsInUse = 1; }},
        {"6 programs become 1", 0, [](auto& r) { r.programsInUse = 6; }, [](auto& r) { r.programsInUse = 1; }},
        {"0 windows become 2", 0, [](auto& r) { r.windowsPerProgram = 0; },
         [](auto& r) { r.windowsPerProgram = 2; }},
        {"a window beyond those in use is still repaired", 0,
         [](auto& r) {
             r.programs[4].windows[2] = {144, 143, 91};
         },
         [](auto& r) { r.programs[4].windows[2] = {0, 143, 20}; }},
        {"fixed release 2 becomes 1", 0, [](auto& r) { r.release.number = 2; }, [](auto& r) { r.release.number = 1; }},
    }, [](SchaltuhrParam& r, BYTE keep) { CParaCheck().CheckSchaltuhr(r, keep); });
}

TEST_F(ZeitRecordsTest, SynchronisationRepairs)
{
    auto mode = [](BYTE m, SyncParam::Fenster w) {
        return [=](SyncParam& r) {
            r.mode = m;
            for (SyncParam::Fenster& f : r.windows)
                f = w;
        };
    };
    auto windows = [](SyncParam::Fenster w) {
        return [=](SyncParam& r) {
            for (SyncParam::Fenster& f : r.windows)
                f = w;
        };
    };
    ExpectRepairs<SyncParam>(ValidSync(), {
        {"a valid record stays", 0, [](auto&) {}, [](auto&) {}},
        {"0 windows become 1", 0, [](auto& r) { r.windowCount = 0; }, [](auto& r) { r.windowCount = 1; }},
        {"6 windows become 1, 5 stay", 0, [](auto& r) { r.windowCount = 6; }, [](auto& r) { r.windowCount = 1; }},
        {"hour: minute 60 becomes 0, the unused hour byte 99 stays", 0, mode(0, {99, 60, 99, 59}),
         windows({99, 0, 99, 59})},
        {"day: hour 24 and minute 60 become 0, 23 and 59 stay", 0, mode(1, {24, 60, 23, 59}),
         windows({0, 0, 23, 59})},
        {"month: day 32 and day 0 become 1, the unused byte stays", 0, mode(2, {32, 13, 0, 200}),
         windows({1, 13, 1, 200})},
        {"year: day 0 and month 13 become 1, 31 and 12 stay", 0, mode(3, {0, 13, 31, 12}), windows({1, 1, 31, 12})},
        {"mode 4 becomes hour before the windows are repaired", 0, mode(4, {99, 60, 0, 0}),
         [](auto& r) {
             r.mode = 0;
             for (auto& f : r.windows)
                 f = {99, 0, 0, 0};
         }},
        {"all five windows are repaired whatever the count", 0,
         [](auto& r) {
             r.mode = 0;
             r.windows[4].endMinor = 70;
         },
         [](auto& r) { r.windows[4].endMinor = 0; }},
        {"fixed release 2 keeps its low bit", 1, [](auto& r) { r.release.number = 2; },
         [](auto& r) { r.release.number = 0; }},
        {"repetition and outputs are not repaired", 0,
         [](auto& r) {
             r.once = 5;
             r.outputs[0] = 9;
         },
         [](auto&) {}},
    }, [](SyncParam& r, BYTE keep) { CParaCheck().CheckSync(r, keep); });
}

TEST_F(ZeitRecordsTest, TimerAndCounterAreCompletedFromTheirPins)
{
    MakeSlot(1, 40, 14, 0, CParaDaten::GetDefaultTimer);
    MakeSlot(2, 41, 17, 1, CParaDaten::GetDefaultZaehler);
    Connect(40, 1, 1, 1);
    Connect(40, 2, 97, 3);
    Unconnected(40, 3);  // the fixed duty of 100 % stays
    ConnectOutputs(40, 4, {4});
    ConnectOutputs(40, 5, {5, 16});
    Connect(41, 1, 2, 3);
    Connect(41, 4, 1, 6);   // counting input 3
    Connect(41, 7, 98, 2);  // counting input 6
    Connect(41, 8, 99, 9);  // reset
    CParaDaten para;
    para.UseDrawing(&Reader());

    TimerParam t;
    ASSERT_TRUE(para.GetTimer(2, 1, t, true));
    EXPECT_EQ(t.release.kind, 1);
    EXPECT_EQ(t.trigger.kind, 97);
    EXPECT_EQ(t.trigger.number, 3);
    EXPECT_EQ(t.duty, (Quelle{0, 100}));
    EXPECT_EQ(t.output[3], 1);
    EXPECT_EQ(t.inverted[4] + t.inverted[15], 2);

    ZaehlerParam z;
    ASSERT_TRUE(para.GetZaehler(2, 2, z, true));
    EXPECT_EQ(z.release.kind, 2);
    EXPECT_EQ(z.inputs[2].kind, 1);
    EXPECT_EQ(z.inputs[2].number, 6);
    EXPECT_EQ(z.inputs[5].kind, 98);
    EXPECT_EQ(z.reset.kind, 99);
    EXPECT_EQ(z.reset.number, 9);
    EXPECT_EQ(z.inputCount, 1) << "the completion leaves the number of inputs in use to the repair";
}

TEST_F(ZeitRecordsTest, TimeSwitchAndSynchronisationAreCompletedFromTheirPins)
{
    MakeSlot(1, 50, 15, 0, CParaDaten::GetDefaultSchaltuhr);
    MakeSlot(2, 51, 21, 1, CParaDaten::GetDefaultSync);
    Connect(50, 1, 3, 1);
    Connect(50, 2, 1, 8);
    Connect(50, 3, 1, 9);  // not a source of the record
    ConnectOutputs(50, 4, {1, 9});
    Connect(51, 1, 96, 33);
    ConnectOutputs(51, 4, {16});
    CParaDaten para;
    para.UseDrawing(&Reader());

    SchaltuhrParam s;
    ASSERT_TRUE(para.GetSchaltuhr(2, 1, s, true));
    SchaltuhrParam expected = ValidSchaltuhr();
    expected.release = {3, 0, 1};
    expected.blocking = {1, 0, 8};
    expected.outputs[0] = expected.outputs[8] = 1;
    EXPECT_EQ(Hex(s), Hex(expected));

    SyncParam y;
    ASSERT_TRUE(para.GetSync(2, 2, y, true));
    EXPECT_EQ(y.release.kind, 96);
    EXPECT_EQ(y.release.number, 33);
    EXPECT_EQ(y.outputs[15], 1);
}

TEST_F(ZeitRecordsTest, FailedReadsLeaveTheRecordAndFailedWritesWriteNothing)
{
    CParaDaten para;
    para.UseDrawing(&Reader());
    TimerParam t = ValidTimer();
    ZaehlerParam z = ValidZaehler();
    z.position = 4321;
    SchaltuhrParam s = ValidSchaltuhr();
    SyncParam y = ValidSync();
    const std::string before = Hex(t) + Hex(z) + Hex(s) + Hex(y);
    for (auto [file, slot] : {std::pair{2, 0}, std::pair{2, 45}, std::pair{3, 1}, std::pair{0, 1}}) {
        const BYTE n = static_cast<BYTE>(slot);
        EXPECT_FALSE(para.GetTimer(file, n, t, true));
        EXPECT_FALSE(para.GetZaehler(file, n, z, true));
        EXPECT_FALSE(para.GetSchaltuhr(file, n, s, true));
        EXPECT_FALSE(para.GetSync(file, n, y, true));
        EXPECT_FALSE(para.SetTimer(file, n, t));
        EXPECT_FALSE(para.SetZaehler(file, n, z));
        EXPECT_FALSE(para.SetSchaltuhr(file, n, s));
        EXPECT_FALSE(para.SetSync(file, n, y));
    }
    EXPECT_EQ(Hex(t) + Hex(z) + Hex(s) + Hex(y), before);
}
