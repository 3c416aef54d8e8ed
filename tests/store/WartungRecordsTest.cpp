// Profile function and maintenance function records: the bytes of a new slot, round trips at the extremes, the bytes
// each type leaves alone, the repairs, the references to heating-circuit controllers and the completion.
#include "FuncSlotFixture.h"

#include "store/CParaCheck.h"

namespace {

class WartungRecordsTest : public FuncSlotFixture {};

ProfilfuncParam ValidProfil()
{
    ProfilfuncParam r;
    r.designation = {0, 3, 2};
    r.release = {0, 0, 1};
    r.stepCount = 2;
    r.unit = kEinheitTemperatur;
    r.clock = {0, 0, 60};
    return r;
}

WartungsfuncParam ValidWartung()
{
    WartungsfuncParam r;
    r.designation = {0, 2, 0};
    r.circuitCount = 2;
    r.runTime = 20;
    r.burnerPower = 100;
    return r;
}

}  // namespace

TEST_F(WartungRecordsTest, NewSlotsHoldTheDefaultBytes)
{
    SlotBytes profil;
    profil.fill(0xFF);
    CParaDaten::GetDefaultProfilfunc(profil.data());
    std::string zeros;
    for (int i = 0; i < 65; ++i)
        zeros += "00 ";
    SlotBytes expected = Expected({{0, "02 01 00 00 00 01 00 00 00 00 00 3C 00 00 00 00"}, {63, zeros.c_str()}});
    EXPECT_EQ(Hex(profil.data(), 128), Hex(expected.data(), 128)) << "Profilfunktion";

    SlotBytes wartung;
    wartung.fill(0xFF);
    CParaDaten::GetDefaultWartungsfunc(wartung.data());
    expected = Expected({{0, "02 14 64 00 00 00 00 00"}, {64, "00 00 00 00 00"}});
    EXPECT_EQ(Hex(wartung.data(), 128), Hex(expected.data(), 128)) << "Wartungsfunktion";
}

TEST_F(WartungRecordsTest, NewSlotsReadAsTheirDefaults)
{
    MakeSlot(1, 61, 22, 0, CParaDaten::GetDefaultProfilfunc);
    MakeSlot(2, 62, 13, 1, CParaDaten::GetDefaultWartungsfunc);
    CParaDaten para;

    // Release on, 2 steps, temperature, not repeated, start, stop and reset fixed off, internal clock 1 min, fixed
    // value 0 while released off, all steps off, no outputs.
    ProfilfuncParam p;
    ASSERT_TRUE(para.GetProfilfunc(2, 1, p, false));
    ProfilfuncParam expectedP = ValidProfil();
    expectedP.designation = {};
    EXPECT_EQ(Hex(p), Hex(expectedP));

    // External switch fixed off, 2 heating circuits, 20 min, burner power 100 %, no outputs, no references.
    WartungsfuncParam w;
    ASSERT_TRUE(para.GetWartungsfunc(2, 2, w, false));
    WartungsfuncParam expectedW = ValidWartung();
    expectedW.designation = {};
    expectedW.number = 1;
    EXPECT_EQ(Hex(w), Hex(expectedW));
}

TEST_F(WartungRecordsTest, ProfileFunctionRoundTripsAtItsExtremes)
{
    ProfilfuncParam high;
    high.designation = {1, 15, 9};
    high.number = 43;
    high.release = high.start = high.stop = high.clock = high.reset = {127, 1, 255};
    high.stepCount = 255;
    high.unit = 127;
    high.repeat = 1;
    high.offValue = {255, 255};
    for (BYTE& f : high.outputs)
        f = 1;
    for (BYTE& s : high.steps)
        s = 255;
    for (const ProfilfuncParam& r : {high, ProfilfuncParam{}})
        EXPECT_EQ(Hex(WriteAndRead(&CParaDaten::SetProfilfunc, &CParaDaten::GetProfilfunc, r, {{16, 63}})), Hex(r));

    ProfilfuncParam wide = ValidProfil();
    wide.unit = 0x81;  // 7 bits
    wide.repeat = 2;   // 1 bit
    const ProfilfuncParam back = WriteAndRead(&CParaDaten::SetProfilfunc, &CParaDaten::GetProfilfunc, wide, {});
    EXPECT_EQ(back.unit, 1);
    EXPECT_EQ(back.repeat, 0);
}

TEST_F(WartungRecordsTest, MaintenanceFunctionRoundTripsAtItsExtremes)
{
    WartungsfuncParam high;
    high.designation = {1, 15, 9};
    high.number = 43;
    high.externalSwitch = {127, 1, 255};
    high.circuitCount = high.runTime = high.burnerPower = 255;
    for (BYTE& f : high.burnerDemand)
        f = 1;
    for (BYTE& f : high.powerOutputs)
        f = 1;
    for (BYTE& c : high.circuits)
        c = 255;
    for (const WartungsfuncParam& r : {high, WartungsfuncParam{}}) {
        const WartungsfuncParam back =
            WriteAndRead(&CParaDaten::SetWartungsfunc, &CParaDaten::GetWartungsfunc, r, {{8, 63}, {69, 127}});
        EXPECT_EQ(Hex(back), Hex(r));
        EXPECT_EQ(ReadSlot(7)[5] & 0xC0, 0) << "bits 6 and 7 of the power-output byte are written as 0";
    }
}

TEST_F(WartungRecordsTest, ProfileFunctionRepairs)
{
    auto unit = [](BYTE u, BYTE step) {
        return [=](ProfilfuncParam& r) {
            r.unit = u;
            r.steps[0] = step;
        };
    };
    ExpectRepairs<ProfilfuncParam>(ValidProfil(), {
        {"a valid record stays", 0, [](auto&) {}, [](auto&) {}},
        {"1 step becomes 2", 0, [](auto& r) { r.stepCount = 1; }, [](auto& r) { r.stepCount = 2; }},
        {"65 steps become 2, 64 stay", 0, [](auto& r) { r.stepCount = 65; }, [](auto& r) { r.stepCount = 2; }},
        {"unit 8 becomes temperature, then steps above 250 become 60", 0, unit(8, 251),
         [](auto& r) {
             r.unit = 1;
             r.steps[0] = 60;
         }},
        {"dimensionless: step 101 becomes 50, 100 stays", 0,
         [&](auto& r) {
             unit(0, 101)(r);
             r.steps[1] = 100;
         },
         [](auto& r) { r.steps[0] = 50; }},
        {"time: step 251 becomes 250", 0, unit(3, 251), [](auto& r) { r.steps[0] = 250; }},
        {"power: step 255 becomes 250", 0, unit(7, 255), [](auto& r) { r.steps[0] = 250; }},
        {"irradiance: step 201 becomes 60, 200 stays", 0,
         [&](auto& r) {
             unit(2, 201)(r);
             r.steps[2] = 200;
         },
         [](auto& r) { r.steps[0] = 60; }},
        {"every step is repaired, also beyond those in use", 0, [](auto& r) { r.steps[63] = 251; },
         [](auto& r) { r.steps[63] = 60; }},
        {"unconnected clock: 0 becomes 1 min", 0, [](auto& r) { r.clock.number = 0; },
         [](auto& r) { r.clock.number = 1; }},
        {"unconnected clock: 252 becomes 1, 251 stays", 0, [](auto& r) { r.clock.number = 252; },
         [](auto& r) { r.clock.number = 1; }},
        {"a connected clock keeps its number", 0, [](auto& r) { r.clock = {1, 1, 0}; }, [](auto&) {}},
        {"an unknown clock kind becomes internal and its time is repaired", 0, [](auto& r) { r.clock = {200, 0, 0}; },
         [](auto& r) { r.clock = {0, 0, 1}; }},
        {"fixed value while off is repaired by the unit", 0,
         [&](auto& r) {
             r.unit = 0;
             r.offValue = {0, 101};
         },
         [](auto& r) { r.offValue.number = 50; }},
        {"value while off from a source is not repaired", 0, [](auto& r) { r.offValue = {3, 251}; }, [](auto&) {}},
        {"start, stop and reset are not repaired", 0,
         [](auto& r) {
             r.start = {120, 0, 5};
             r.stop = {0, 1, 7};
             r.reset = {99, 3, 2};
         },
         [](auto&) {}},
        {"fixed release 2 becomes 1", 0, [](auto& r) { r.release.number = 2; }, [](auto& r) { r.release.number = 1; }},
    }, [](ProfilfuncParam& r, BYTE keep) { CParaCheck().CheckProfil(r, keep); });
}

TEST_F(WartungRecordsTest, MaintenanceFunctionRepairs)
{
    // The function table: number 2 a heating-circuit controller, 3 a circulation.
    MakeFunc(1, 1, 2);
    MakeFunc(2, 5, 3);
    for (BYTE keep : {0, 1}) {
        ExpectRepairs<WartungsfuncParam>(ValidWartung(), {
            {"a valid record stays", keep, [](auto&) {}, [](auto&) {}},
            {"burner power 19 becomes 80", keep, [](auto& r) { r.burnerPower = 19; },
             [](auto& r) { r.burnerPower = 80; }},
            {"burner power 101 becomes 80, 20 stays", keep, [](auto& r) { r.burnerPower = 101; },
             [](auto& r) { r.burnerPower = 80; }},
            {"run time 121 becomes 20, 120 stays", keep, [](auto& r) { r.runTime = 121; },
             [](auto& r) { r.runTime = 20; }},
            {"6 circuits become 2", keep, [](auto& r) { r.circuitCount = 6; },
             [](auto& r) { r.circuitCount = 2; }},
            {"references must name a heating-circuit controller", keep,
             [](auto& r) {
                 const BYTE c[5] = {3, 46, 4, 45, 9};
                 std::copy(c, c + 5, r.circuits);
             },
             [](auto& r) {
                 const BYTE c[5] = {3, 0, 0, 0, 0};
                 std::copy(c, c + 5, r.circuits);
             }},
            {"all five references are tested whatever the count", keep,
             [](auto& r) {
                 r.circuitCount = 1;
                 r.circuits[4] = 4;
             },
             [](auto& r) { r.circuits[4] = 0; }},
            {"the switch's fixed state is not repaired", keep, [](auto& r) { r.externalSwitch = {0, 0, 5}; },
             [](auto&) {}},
            {"an unknown switch kind becomes 0", keep, [](auto& r) { r.externalSwitch = {100, 1, 5}; },
             [](auto& r) { r.externalSwitch.kind = 0; }},
        }, [](WartungsfuncParam& r, BYTE k) { CParaCheck().CheckWartungsfunc(2, r, k); });
    }

    // References are looked up in the file the record belongs to.
    WartungsfuncParam r = ValidWartung();
    r.circuits[0] = 3;
    CParaCheck().CheckWartungsfunc(1, r, 0);
    EXPECT_EQ(r.circuits[0], 0) << "working file 1 holds no controller";
}

TEST_F(WartungRecordsTest, ProfileFunctionIsCompletedFromItsPins)
{
    MakeSlot(1, 70, 22, 0, CParaDaten::GetDefaultProfilfunc);
    Connect(70, 1, 1, 2);
    Connect(70, 2, 5, 3);
    Connect(70, 3, 1, 4);
    Connect(70, 4, 1, 5);
    Connect(70, 5, 1, 6);
    Unconnected(70, 6);  // the internal clock time stays
    ConnectOutputs(70, 9, {2, 16});
    CParaDaten para;
    para.UseDrawing(&Reader());
    ProfilfuncParam r;
    ASSERT_TRUE(para.GetProfilfunc(2, 1, r, true));
    ProfilfuncParam expected = ValidProfil();
    expected.designation = {};
    expected.release = {1, 0, 2};
    expected.offValue = {5, 3};
    expected.start = {1, 0, 4};
    expected.stop = {1, 0, 5};
    expected.reset = {1, 0, 6};
    expected.outputs[1] = expected.outputs[15] = 1;
    EXPECT_EQ(Hex(r), Hex(expected));
}

TEST_F(WartungRecordsTest, MaintenanceFunctionCompletionClearsReferencesToOtherFunctions)
{
    MakeFunc(1, 1, 2);  // number 2: a heating-circuit controller
    MakeFunc(2, 5, 3);  // number 3: a circulation
    MakeSlot(3, 80, 13, 4, CParaDaten::GetDefaultWartungsfunc);
    WartungsfuncParam stored = ValidWartung();
    stored.number = 4;
    const BYTE circuits[5] = {3, 4, 0, 10, 3};
    std::copy(circuits, circuits + 5, stored.circuits);
    CParaDaten para;
    para.UseDrawing(&Reader());
    ASSERT_TRUE(para.SetWartungsfunc(2, 3, stored));

    WartungsfuncParam r;
    ASSERT_TRUE(para.GetWartungsfunc(2, 3, r, false));
    EXPECT_EQ(Hex(r.circuits, 5), Hex(circuits, 5)) << "without completion the references are as stored";

    Connect(80, 1, 1, 7);
    ConnectOutputs(80, 2, {3});
    ConnectOutputs(80, 3, {2, 3, 6, 15});
    ASSERT_TRUE(para.GetWartungsfunc(2, 3, r, true));
    const BYTE kept[5] = {3, 0, 0, 0, 3};
    EXPECT_EQ(Hex(r.circuits, 5), Hex(kept, 5));
    EXPECT_EQ(r.externalSwitch.kind, 1);
    EXPECT_EQ(r.externalSwitch.number, 7);
    EXPECT_EQ(r.burnerDemand[2], 1);
    const BYTE power[6] = {0, 1, 1, 0, 1, 0};  // outputs 1, 2, 6, 7, 15, 16; output 3 is not speed-controlled
    EXPECT_EQ(Hex(r.powerOutputs, 6), Hex(power, 6));
}

TEST_F(WartungRecordsTest, FailedReadsLeaveTheRecordAndFailedWritesWriteNothing)
{
    CParaDaten para;
    para.UseDrawing(&Reader());
    ProfilfuncParam p = ValidProfil();
    WartungsfuncParam w = ValidWartung();
    const std::string before = Hex(p) + Hex(w);
    for (auto [file, slot] : {std::pair{2, 0}, std::pair{2, 45}, std::pair{3, 1}, std::pair{1, 1}}) {
        const BYTE n = static_cast<BYTE>(slot);
        EXPECT_FALSE(para.GetProfilfunc(file, n, p, true));
        EXPECT_FALSE(para.GetWartungsfunc(file, n, w, true));
        EXPECT_FALSE(para.SetProfilfunc(file, n, p));
        EXPECT_FALSE(para.SetWartungsfunc(file, n, w));
    }
    EXPECT_EQ(Hex(p) + Hex(w), before);
}
