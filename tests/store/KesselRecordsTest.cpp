// Mixer control and boiler cascade records: the bytes of a new slot, round trips at the extremes, the bytes each
// type leaves alone, the repairs, the operating-hour copies and the completion from the drawing.
#include "FuncSlotFixture.h"

#include "store/CParaCheck.h"

#include <functional>

namespace {

class KesselRecordsTest : public FuncSlotFixture {};

// ---- Mixer control ----

MischerRegParam ValidMischer()
{
    MischerRegParam r;
    r.designation = {0, 1, 0};
    r.release = {0, 0, 1};
    r.controlTemp = {1, 1};
    r.setpoint = {0, 30};
    return r;
}


// ---- Boiler cascade ----

KesselkaskadeParam ValidKaskade()
{
    KesselkaskadeParam r;
    r.designation = {0, 1, 0};
    r.release = {1, 0, 1};
    r.release2 = {0, 0, 1};
    r.release3 = {0, 0, 1};
    r.participantCount = 2;
    r.boilerCount = 3;
    r.flowTemp = {1, 1};
    r.hourDifference = 100;
    for (BYTE b = 0; b < 3; ++b) {
        r.boilers[b].offDifference = 1;
        r.boilers[b].position = static_cast<BYTE>(b + 1);
    }
    return r;
}


}  // namespace

TEST_F(KesselRecordsTest, NewSlotsHoldTheDefaultBytes)
{
    struct Case {
        const char* name;
        void (*defaults)(BYTE*);
        SlotBytes expected;
    };
    const Case cases[] = {
        // Difference, mode byte, mixer, release kind and state, setpoint kind and value 30, control temperature
        // from input 1.
        {"Mischerregelfunktion", CParaDaten::GetDefaultMischerReg, Expected({{0, "00 00 00 00 01 00 1E 01 01"}})},
        // Two participants and two boilers; releases; flow temperature; 100 x 10 hours; no participants; each
        // boiler DIFF.ON 0, DIFF.OFF 1, delay 0, no outputs, place A 1, B 2, C 3; all hour copies 0.
        {"Kesselkaskade", CParaDaten::GetDefaultKesselkaskade,
         Expected({{0, "22 01 01 01 01 64 00 01 00 01"},
                   {32, "00 00 00 00 00 00"},
                   {48, "00 01 00 00 00 01 00 01 00 00 00 02 00 01 00 00 00 03"},
                   {80, "00 00 00 00 00 00"},
                   {90, "00 00 00 00 00 00"},
                   {104, "00 00 00 00 00 00"},
                   {114, "00 00 00 00 00 00"}})},
    };
    for (const Case& c : cases) {
        SlotBytes record;
        record.fill(0xFF);
        c.defaults(record.data());
        EXPECT_EQ(Hex(record.data(), record.size()), Hex(c.expected.data(), c.expected.size())) << c.name;
    }
}

TEST_F(KesselRecordsTest, NewMixerControlReadsAsItsDefaults)
{
    MakeSlot(1, 11, 19, 0, CParaDaten::GetDefaultMischerReg);
    CParaDaten para;
    MischerRegParam r;
    r.unused13[1] = 0x77;
    ASSERT_TRUE(para.GetMischerReg(2, 1, r, false));
    // Release on, control temperature input 1, fixed setpoint 30 deg C, difference 0.0 K, sense normal, mixer open
    // while released off, no mixer outputs, no designation.
    MischerRegParam expected;
    expected.release = {0, 0, 1};
    expected.controlTemp = {1, 1};
    expected.setpoint = {0, 30};
    EXPECT_EQ(Hex(r), Hex(expected));
}

TEST_F(KesselRecordsTest, NewBoilerCascadeReadsAsItsDefaults)
{
    MakeSlot(1, 11, 23, 4, CParaDaten::GetDefaultKesselkaskade);
    CParaDaten para;
    KesselkaskadeParam r;
    ASSERT_TRUE(para.GetKesselkaskade(2, 1, r, false));
    KesselkaskadeParam expected = ValidKaskade();
    expected.designation = {};
    expected.number = 4;
    expected.boilerCount = 2;
    EXPECT_EQ(Hex(r), Hex(expected));
}

TEST_F(KesselRecordsTest, MixerControlRoundTripsAtItsExtremesAndKeepsForeignBits)
{
    MischerRegParam high;
    high.designation = {1, 15, 9};
    high.number = 43;
    high.release = {127, 1, 255};
    high.controlTemp = {255, 255};
    high.setpoint = {255, 255};
    high.difference = 255;
    high.inverse = 1;
    high.offAction = 15;
    high.outputs = 255;
    const MischerRegParam low;
    for (const MischerRegParam& r : {high, low}) {
        const MischerRegParam back = WriteAndRead(&CParaDaten::SetMischerReg, &CParaDaten::GetMischerReg, r,
                                                  {{1, 1, 0xE0}, {9, 127}});
        EXPECT_EQ(Hex(back), Hex(r));
    }
}

TEST_F(KesselRecordsTest, MixerControlStoresOnlyTheBitsThatFit)
{
    MischerRegParam r = ValidMischer();
    r.offAction = 0x1A;     // 4 bits stored
    r.inverse = 2;          // bit 0 stored
    r.release.inverted = 2;
    r.release.kind = 0x85;  // 7 bits stored
    const MischerRegParam back = WriteAndRead(&CParaDaten::SetMischerReg, &CParaDaten::GetMischerReg, r, {});
    EXPECT_EQ(back.offAction, 10u);
    EXPECT_EQ(back.inverse, 0);
    EXPECT_EQ(back.release.inverted, 0);
    EXPECT_EQ(back.release.kind, 5);
    EXPECT_EQ(ReadSlot(7)[1] & 0x1F, 0x0A);
}

TEST_F(KesselRecordsTest, BoilerCascadeRoundTripsAtItsExtremesAndKeepsForeignBytes)
{
    KesselkaskadeParam high;
    high.designation = {1, 15, 9};
    high.number = 43;
    high.release = high.release2 = high.release3 = {127, 1, 255};
    high.participantCount = 15;
    high.boilerCount = 15;
    high.flowTemp = {255, 255};
    high.hourDifference = 255;
    for (BYTE& p : high.participants)
        p = 255;
    for (KesselBlock& k : high.boilers) {
        k.onDifference = k.offDifference = k.delay = k.position = 255;
        for (int i = 0; i < 15; ++i)
            k.demand[i] = 1;
        k.autoChange = 1;
        k.hours = 65535;
    }
    const KesselkaskadeParam low;
    const std::initializer_list<Kept> kept = {{10, 31},  {38, 47},   {66, 79},   {86, 89},
                                              {96, 103}, {110, 113}, {120, 127}};
    for (const KesselkaskadeParam& r : {high, low}) {
        const KesselkaskadeParam back =
            WriteAndRead(&CParaDaten::SetKesselkaskade, &CParaDaten::GetKesselkaskade, r, kept);
        EXPECT_EQ(Hex(back), Hex(r));
    }
}

TEST_F(KesselRecordsTest, OutputSixteenAndHoursAboveSixteenBitsAreNotStored)
{
    KesselkaskadeParam r = ValidKaskade();
    r.boilers[0].demand[15] = 1;
    r.boilers[0].hours = 70000;
    r.boilers[2].hours = 1234;
    r.boilerCount = 2;  // boiler C's copies are then written as 0
    const KesselkaskadeParam back = WriteAndRead(&CParaDaten::SetKesselkaskade, &CParaDaten::GetKesselkaskade, r, {});
    EXPECT_EQ(back.boilers[0].demand[15], 0);
    EXPECT_EQ(back.boilers[0].hours, 4464u);
    EXPECT_EQ(back.boilers[2].hours, 0u);
    const SlotBytes stored = ReadSlot(7);
    for (unsigned copy : {80u, 90u, 104u, 114u}) {
        EXPECT_EQ(stored[copy] | stored[copy + 1] << 8, 4464) << "copy at " << copy;
        EXPECT_EQ(stored[copy + 4] | stored[copy + 5] << 8, 0) << "boiler C copy at " << copy + 4;
    }
}

TEST_F(KesselRecordsTest, HoursComeFromTheLargerPairOfAgreeingCopies)
{
    struct Case {
        unsigned copies[4];  // at 80, 90, 104, 114 (+ 2b)
        unsigned hours;
    };
    const Case cases[] = {
        {{100, 101, 100, 100}, 100},
        {{5, 5, 7, 7}, 7},
        {{7, 7, 5, 5}, 7},
        {{300, 301, 302, 303}, 0},
        {{0xFFFF, 0xFFFF, 0, 1}, 0xFFFF},
    };
    for (unsigned b = 0; b < 3; ++b) {
        for (const Case& c : cases) {
            SlotBytes stored = Expected({{0, "22"}});  // two boilers: boiler C is read all the same
            const unsigned at[4] = {80, 90, 104, 114};
            for (int i = 0; i < 4; ++i) {
                stored[at[i] + 2 * b] = static_cast<BYTE>(c.copies[i] & 0xFF);
                stored[at[i] + 2 * b + 1] = static_cast<BYTE>(c.copies[i] >> 8);
            }
            MakeFunc(1, 23, 0);
            WriteSlot(1, stored);
            CParaDaten para;
            KesselkaskadeParam r;
            ASSERT_TRUE(para.GetKesselkaskade(2, 1, r, false));
            EXPECT_EQ(r.boilers[b].hours, c.hours) << "boiler " << b << " copies " << c.copies[0] << " "
                                                   << c.copies[1] << " " << c.copies[2] << " " << c.copies[3];
        }
    }
}

TEST_F(KesselRecordsTest, MixerControlRepairs)
{
    ExpectRepairs<MischerRegParam>(ValidMischer(), {
        {"a valid record stays", 0, [](auto&) {}, [](auto&) {}},
        {"difference -80 K becomes 8.0 K", 0, [](auto& r) { r.difference = 130; }, [](auto& r) { r.difference = 80; }},
        {"difference -90 K becomes 8.0 K", 0, [](auto& r) { r.difference = 128; }, [](auto& r) { r.difference = 80; }},
        {"difference -75 K stays", 0, [](auto& r) { r.difference = 131; }, [](auto&) {}},
        {"difference 85 K stays", 0, [](auto& r) { r.difference = 127; }, [](auto&) {}},
        {"action 7 becomes close", 0, [](auto& r) { r.offAction = 7; }, [](auto& r) { r.offAction = 1; }},
        {"action keeps the bits above its own", 0, [](auto& r) { r.offAction = 0x1F; },
         [](auto& r) { r.offAction = 0x11; }},
        {"action 2 stays", 0, [](auto& r) { r.offAction = 2; }, [](auto&) {}},
        {"fixed setpoint 100 becomes 40", 0, [](auto& r) { r.setpoint.number = 100; },
         [](auto& r) { r.setpoint.number = 40; }},
        {"fixed setpoint 99 stays", 0, [](auto& r) { r.setpoint.number = 99; }, [](auto&) {}},
        {"a setpoint source keeps its number", 0, [](auto& r) { r.setpoint = {1, 200}; }, [](auto&) {}},
        {"an unknown setpoint kind becomes fixed and its value is then repaired", 0,
         [](auto& r) { r.setpoint = {50, 200}; }, [](auto& r) { r.setpoint = {0, 40}; }},
        {"fixed release 2 becomes 1", 0, [](auto& r) { r.release.number = 2; }, [](auto& r) { r.release.number = 1; }},
        {"fixed release 2 keeps its low bit", 1, [](auto& r) { r.release.number = 2; },
         [](auto& r) { r.release.number = 0; }},
        {"an unknown release kind becomes fixed", 0, [](auto& r) { r.release = {47, 1, 9}; },
         [](auto& r) { r.release = {0, 1, 1}; }},
        {"designation index 3 of 2 is none", 0, [](auto& r) { r.designation = {0, 3, 4}; },
         [](auto& r) { r.designation = {0, 0, 0}; }},
        {"control temperature, sense and outputs are not repaired", 0,
         [](auto& r) {
             r.controlTemp = {200, 9};
             r.inverse = 5;
             r.outputs = 7;
         },
         [](auto&) {}},
    },
        [](MischerRegParam& r, BYTE keep) { CParaCheck().CheckMischerReg(r, keep); });
}

TEST_F(KesselRecordsTest, BoilerCascadeRepairs)
{
    // The function table: number 4 a hot-water request, 5 a solar control, 7 a heating request.
    MakeFunc(1, 3, 4);
    MakeFunc(2, 6, 5);
    MakeFunc(3, 2, 7);
    ExpectRepairs<KesselkaskadeParam>(ValidKaskade(), {
        {"a valid record stays", 0, [](auto&) {}, [](auto&) {}},
        {"participants must name a request", 0,
         [](auto& r) {
             const BYTE p[6] = {5, 6, 46, 45, 8, 10};
             std::copy(p, p + 6, r.participants);
         },
         [](auto& r) {
             const BYTE p[6] = {5, 0, 0, 0, 8, 0};
             std::copy(p, p + 6, r.participants);
         }},
        {"all six participants are looked at whatever the count", 0,
         [](auto& r) {
             r.participantCount = 1;
             r.participants[5] = 6;
         },
         [](auto& r) { r.participants[5] = 0; }},
        {"a participant count of 0 becomes 2", 0, [](auto& r) { r.participantCount = 0; },
         [](auto& r) { r.participantCount = 2; }},
        {"a participant count of 7 becomes 2", 0, [](auto& r) { r.participantCount = 7; },
         [](auto& r) { r.participantCount = 2; }},
        {"four boilers become two", 0, [](auto& r) { r.boilerCount = 4; },
         [](auto& r) {
             r.boilerCount = 2;
             r.boilers[1].position = 2;
         }},
        {"two boilers: boiler C is left as it is", 0,
         [](auto& r) {
             r.boilerCount = 2;
             r.boilers[2].onDifference = 20;
             r.boilers[2].offDifference = 10;
             r.boilers[2].position = 9;
             r.boilers[2].delay = 255;
         },
         [](auto&) {}},
        {"two boilers: boiler B at place 3 moves to place 1", 0,
         [](auto& r) {
             r.boilerCount = 2;
             r.boilers[1].position = 3;
             r.boilers[2].position = 3;
         },
         [](auto& r) { r.boilers[1].position = 1; }},
        {"three boilers: place 4 becomes 1, place 0 becomes 1", 0,
         [](auto& r) {
             r.boilers[2].position = 4;
             r.boilers[0].position = 0;
         },
         [](auto& r) {
             r.boilers[2].position = 1;
             r.boilers[0].position = 1;
         }},
        {"DIFF.ON 85 K becomes 80 K and DIFF.OFF follows above it", 0,
         [](auto& r) { r.boilers[0].onDifference = 127; },
         [](auto& r) {
             r.boilers[0].onDifference = 126;
             r.boilers[0].offDifference = 127;
         }},
        {"DIFF.OFF equal to DIFF.ON is raised by one step", 0,
         [](auto& r) { r.boilers[1].onDifference = r.boilers[1].offDifference = 10; },
         [](auto& r) { r.boilers[1].offDifference = 11; }},
        {"DIFF.OFF of -5.6 K below DIFF.ON of 1.0 K is raised", 0,
         [](auto& r) {
             r.boilers[1].onDifference = 10;
             r.boilers[1].offDifference = 200;
         },
         [](auto& r) { r.boilers[1].offDifference = 11; }},
        {"DIFF.OFF of 0.5 K above DIFF.ON of -80 K stays (signed order)", 0,
         [](auto& r) {
             r.boilers[1].onDifference = 130;
             r.boilers[1].offDifference = 5;
         },
         [](auto&) {}},
        {"a delay of 252 becomes 1, 251 stays", 0,
         [](auto& r) {
             r.boilers[0].delay = 252;
             r.boilers[1].delay = 251;
         },
         [](auto& r) { r.boilers[0].delay = 1; }},
        {"an hour difference of 0 becomes 10", 0, [](auto& r) { r.hourDifference = 0; },
         [](auto& r) { r.hourDifference = 10; }},
        {"an hour difference of 251 becomes 10, 250 stays", 0, [](auto& r) { r.hourDifference = 251; },
         [](auto& r) { r.hourDifference = 10; }},
        {"fixed releases are repaired, by low bit when asked", 1,
         [](auto& r) {
             r.release = {0, 0, 3};
             r.release2.number = 2;
             r.release3 = {99, 1, 6};
         },
         [](auto& r) {
             r.release.number = 1;
             r.release2.number = 0;
         }},
        {"an unknown release kind becomes fixed and its state repaired", 0, [](auto& r) { r.release3 = {120, 0, 6}; },
         [](auto& r) { r.release3 = {0, 0, 1}; }},
        {"flow temperature, outputs, automatic change and hours are not repaired", 0,
         [](auto& r) {
             r.flowTemp = {200, 0};
             r.boilers[0].demand[3] = 7;
             r.boilers[0].autoChange = 9;
             r.boilers[0].hours = 99999;
         },
         [](auto&) {}},
    },
        [](KesselkaskadeParam& r, BYTE keep) { CParaCheck().CheckKesselkaskade(2, r, keep); });
}

TEST_F(KesselRecordsTest, CascadeParticipantsAreDroppedWhenTheTableCannotBeRead)
{
    MakeFunc(1, 3, 4);
    KesselkaskadeParam r = ValidKaskade();
    r.participants[0] = 5;
    CParaCheck().CheckKesselkaskade(2, r, 0);
    EXPECT_EQ(r.participants[0], 5);
    CParaCheck().CheckKesselkaskade(1, r, 0);  // working file 1 was never made
    EXPECT_EQ(r.participants[0], 0);
}

TEST_F(KesselRecordsTest, MixerControlIsCompletedFromItsPins)
{
    MakeSlot(3, 4711, 19, 2, CParaDaten::GetDefaultMischerReg);
    Connect(4711, 1, 1, 5);        // release from input 5
    Connect(4711, 2, 8, 2);        // control temperature: output 2 of function 5
    Unconnected(4711, 3);          // setpoint: the stored fixed value stays
    ConnectOutputs(4711, 5, {10, 3});
    CParaDaten para;
    para.UseDrawing(&Reader());
    MischerRegParam r;
    ASSERT_TRUE(para.GetMischerReg(2, 3, r, true));
    EXPECT_EQ(r.release.kind, 1);
    EXPECT_EQ(r.release.number, 5);
    EXPECT_EQ(r.controlTemp, (Quelle{8, 2}));
    EXPECT_EQ(r.setpoint, (Quelle{0, 30}));
    EXPECT_EQ(r.outputs, 3);
    const size_t asked = Drawing().completed.size();
    ASSERT_GT(asked, 0u);

    // Without the flag, or for a slot without an object, the record is the slot's.
    ASSERT_TRUE(para.GetMischerReg(2, 3, r, false));
    EXPECT_EQ(r.release.kind, 0);
    EXPECT_EQ(r.outputs, 0);
    ASSERT_TRUE(para.SetFuncId(2, 3, 0));
    ASSERT_TRUE(para.GetMischerReg(2, 3, r, true));
    EXPECT_EQ(r.release.kind, 0);
    EXPECT_EQ(Drawing().completed.size(), asked) << "only the read that completes from the drawing asks it";
}

// A handle completes from the drawing it was given, and from none after it was taken away; a copy of the handle
// borrows none.
TEST_F(KesselRecordsTest, AHandleCompletesFromTheDrawingItWasGiven)
{
    MakeSlot(3, 4711, 19, 2, CParaDaten::GetDefaultMischerReg);
    Connect(4711, 1, 1, 5);
    auto other = std::make_shared<PinDrawing::State>();
    other->pins[{4711, 1}] = PinDrawing::Pin{true, 1, 7, {}};
    PinDrawing otherReader(other);
    CParaDaten para;
    MischerRegParam stored;
    ASSERT_TRUE(para.GetMischerReg(2, 3, stored, false));
    ASSERT_NE(stored.release.number, 5);
    ASSERT_NE(stored.release.number, 7);
    MischerRegParam r;

    para.UseDrawing(&Reader());
    ASSERT_TRUE(para.GetMischerReg(2, 3, r, true));
    EXPECT_EQ(r.release.number, 5);
    para.UseDrawing(&otherReader);
    ASSERT_TRUE(para.GetMischerReg(2, 3, r, true));
    EXPECT_EQ(r.release.number, 7) << "completed from the drawing given last";
    ASSERT_FALSE(other->completed.empty());
    for (int id : other->completed)
        EXPECT_EQ(id, 4711);

    CParaDaten copy(para);
    ASSERT_TRUE(copy.GetMischerReg(2, 3, r, true));
    EXPECT_EQ(r.release.number, stored.release.number) << "a copy completes from no drawing";
    para.UseDrawing(nullptr);
    ASSERT_TRUE(para.GetMischerReg(2, 3, r, true));
    EXPECT_EQ(r.release.number, stored.release.number) << "a handle whose drawing was taken completes from none";
}

TEST_F(KesselRecordsTest, MixerOutputPairIsTheFirstInOrderThreeEightTenTwelve)
{
    const std::pair<std::vector<BYTE>, BYTE> cases[] = {
        {{10, 3}, 3}, {{12, 8}, 8}, {{12, 11}, 12}, {{4, 16}, 0}, {{}, 0},
    };
    MakeSlot(1, 9, 19, 0, CParaDaten::GetDefaultMischerReg);
    for (const auto& [outputs, pair] : cases) {
        ConnectOutputs(9, 5, outputs);
        CParaDaten para;
        para.UseDrawing(&Reader());
        MischerRegParam r;
        r.outputs = 99;
        ASSERT_TRUE(para.GetMischerReg(2, 1, r, true));
        EXPECT_EQ(r.outputs, pair);
    }
}

TEST_F(KesselRecordsTest, BoilerCascadeIsCompletedFromItsPinsButNotItsParticipants)
{
    MakeSlot(2, 300, 23, 1, CParaDaten::GetDefaultKesselkaskade);
    {
        CParaDaten para;
        para.UseDrawing(&Reader());
        KesselkaskadeParam r;
        ASSERT_TRUE(para.GetKesselkaskade(2, 2, r, false));
        r.participants[0] = 3;
        r.boilers[1].hours = 77;
        ASSERT_TRUE(para.SetKesselkaskade(2, 2, r));
    }
    Unconnected(300, 1);            // release: kind 0, the stored input number stays
    Connect(300, 2, 97, 17);
    Connect(300, 3, 3, 1);
    Connect(300, 4, 99, 20);
    ConnectOutputs(300, 11, {1, 16});
    ConnectOutputs(300, 13, {2});
    ConnectOutputs(300, 15, {15});
    CParaDaten para;
    para.UseDrawing(&Reader());
    KesselkaskadeParam r;
    ASSERT_TRUE(para.GetKesselkaskade(2, 2, r, true));
    EXPECT_EQ(r.release.kind, 0);
    EXPECT_EQ(r.release.number, 1);
    EXPECT_EQ(r.release2.kind, 97);
    EXPECT_EQ(r.release2.number, 17);
    EXPECT_EQ(r.release3.kind, 3);
    EXPECT_EQ(r.flowTemp, (Quelle{99, 20}));
    EXPECT_EQ(r.boilers[0].demand[0], 1);
    EXPECT_EQ(r.boilers[0].demand[15], 1);
    EXPECT_EQ(r.boilers[1].demand[1], 1);
    EXPECT_EQ(r.boilers[2].demand[14], 1);
    EXPECT_EQ(r.participants[0], 3);
    EXPECT_EQ(r.boilers[1].hours, 77u);

    // The flag of output 16 is not stored.
    ASSERT_TRUE(para.SetKesselkaskade(2, 2, r));
    ASSERT_TRUE(para.GetKesselkaskade(2, 2, r, false));
    EXPECT_EQ(r.boilers[0].demand[15], 0);
    EXPECT_EQ(r.boilers[0].demand[0], 1);
}

TEST_F(KesselRecordsTest, FailedReadsLeaveTheRecordAndFailedWritesWriteNothing)
{
    MischerRegParam m = ValidMischer();
    m.difference = 42;
    KesselkaskadeParam k = ValidKaskade();
    k.boilers[0].hours = 42;
    CParaDaten para;
    para.UseDrawing(&Reader());
    for (auto [file, slot] : {std::pair{2, 0}, std::pair{2, 45}, std::pair{3, 1}, std::pair{0, 1}}) {
        EXPECT_FALSE(para.GetMischerReg(file, static_cast<BYTE>(slot), m, true));
        EXPECT_FALSE(para.GetKesselkaskade(file, static_cast<BYTE>(slot), k, true));
        EXPECT_EQ(m.difference, 42);
        EXPECT_EQ(k.boilers[0].hours, 42u);
        EXPECT_FALSE(para.SetMischerReg(file, static_cast<BYTE>(slot), m));
        EXPECT_FALSE(para.SetKesselkaskade(file, static_cast<BYTE>(slot), k));
    }
    CParaDaten::ReleaseFiles();
    EXPECT_FALSE(std::filesystem::exists("para/datFile.dat")) << "a write over an unreadable file created it";
}
