// Analog function, logic function, comparison and function control records: the bytes of a new slot, round trips
// at the extremes, the bytes each type leaves alone, the repairs and the completion from the drawing.
#include "FuncSlotFixture.h"

#include "store/CParaCheck.h"

namespace {

class LogikRecordsTest : public FuncSlotFixture {};

AnalogfuncParam ValidAnalog()
{
    AnalogfuncParam r;
    r.designation = {0, 2, 0};
    r.release = {0, 0, 1};
    r.variableCount = 1;
    r.function = kAnalogMax;
    r.unit = kEinheitTemperatur;
    return r;
}

LogikfuncParam ValidLogik()
{
    LogikfuncParam r;
    r.designation = {0, 1, 0};
    r.release = {0, 0, 1};
    r.inputCount = 1;
    r.function = kLogikOder;
    return r;
}

VergleichParam ValidVergleich()
{
    VergleichParam r;
    r.designation = {0, 4, 0};
    r.release = {0, 0, 1};
    r.onDifference = 50;
    r.valueA = {1, 9};
    r.valueB = {0, 60};
    r.unit = kEinheitTemperatur;
    return r;
}

FuncKontrolleParam ValidKontrolle()
{
    FuncKontrolleParam r;
    r.designation = {1, 0, 0};
    r.errorDelay = 30;
    r.differenceLimit = 50;
    r.valueA = {1, 1};
    r.valueB = {1, 1};
    return r;
}

}  // namespace

TEST_F(LogikRecordsTest, NewSlotsHoldTheDefaultBytes)
{
    struct Case {
        const char* name;
        void (*defaults)(BYTE*);
        SlotBytes expected;
    };
    const Case cases[] = {
        {"Analogfunktion", CParaDaten::GetDefaultAnalogfunc,
         Expected({{0, "01 02 00 01 00 01 00 00 00 00"},
                   {64, "00 00 00 00 00 00 00 00 00 00 00 00"},
                   {96, "00"}, {98, "00"}, {100, "00"}, {102, "00"}, {104, "00"}, {106, "00"}})},
        {"Logikfunktion", CParaDaten::GetDefaultLogikfunc,
         Expected({{0, "01 01 00 00 00 00 00 01"}, {64, "00 00 00 00 00 00 00 00 00 00 00 00"}})},
        {"Vergleich", CParaDaten::GetDefaultVergleich, Expected({{0, "32 00 00 00 00 00 00 01 01 09 00 3C 01"}})},
        {"Funktionskontrolle", CParaDaten::GetDefaultFuncKontrolle,
         Expected({{0, "1E 32 00 00 00 00 00 00 01 01 01 01"}})},
    };
    for (const Case& c : cases) {
        SlotBytes record;
        record.fill(0xFF);
        c.defaults(record.data());
        EXPECT_EQ(Hex(record.data(), record.size()), Hex(c.expected.data(), c.expected.size())) << c.name;
    }
}

TEST_F(LogikRecordsTest, NewSlotsReadAsTheirDefaults)
{
    MakeSlot(1, 21, 11, 0, CParaDaten::GetDefaultAnalogfunc);
    MakeSlot(2, 22, 10, 1, CParaDaten::GetDefaultLogikfunc);
    MakeSlot(3, 23, 9, 2, CParaDaten::GetDefaultVergleich);
    MakeSlot(4, 24, 20, 3, CParaDaten::GetDefaultFuncKontrolle);
    CParaDaten para;

    // Release fixed on, one variable, maximum, temperature, filter 0 s, result while off fixed 0, all variables
    // fixed 0 with offset 0, no outputs.
    AnalogfuncParam a;
    a.lastVariable = 3;
    ASSERT_TRUE(para.GetAnalogfunc(2, 1, a, false));
    AnalogfuncParam expectedA = ValidAnalog();
    expectedA.designation = {};
    EXPECT_EQ(Hex(a), Hex(expectedA));

    LogikfuncParam l;
    ASSERT_TRUE(para.GetLogikfunc(2, 2, l, false));
    LogikfuncParam expectedL = ValidLogik();
    expectedL.designation = {};
    expectedL.number = 1;
    EXPECT_EQ(Hex(l), Hex(expectedL));

    // Value a input 9, value b fixed 60 deg C, temperature, DIFF.ON 5.0 K, DIFF.OFF 0.0 K.
    VergleichParam v;
    ASSERT_TRUE(para.GetVergleich(2, 3, v, false));
    VergleichParam expectedV = ValidVergleich();
    expectedV.designation = {};
    expectedV.number = 2;
    EXPECT_EQ(Hex(v), Hex(expectedV));

    // Error after 30 min, difference limit 50 K, both values input 1, difference control fixed off, error not kept.
    FuncKontrolleParam k;
    ASSERT_TRUE(para.GetFuncKontrolle(2, 4, k, false));
    FuncKontrolleParam expectedK = ValidKontrolle();
    expectedK.designation = {};
    expectedK.number = 3;
    EXPECT_EQ(Hex(k), Hex(expectedK));
}

TEST_F(LogikRecordsTest, AnalogFunctionRoundTripsAtItsExtremes)
{
    AnalogfuncParam high;
    high.designation = {1, 15, 9};
    high.number = 43;
    high.release = {127, 1, 255};
    high.variableCount = high.function = high.unit = high.filterTime = 255;
    for (BYTE& f : high.outputs)
        f = 1;
    high.offResult = {255, 255};
    high.offResultOffset = 255;
    for (AnalogfuncParam::Variable& v : high.variables)
        v = {255, 255, 255};
    const std::initializer_list<Kept> kept = {{10, 63}, {76, 95}, {97, 97}, {99, 99}, {101, 101},
                                              {103, 103}, {105, 105}, {107, 127}};
    for (const AnalogfuncParam& r : {high, AnalogfuncParam{}}) {
        EXPECT_EQ(Hex(WriteAndRead(&CParaDaten::SetAnalogfunc, &CParaDaten::GetAnalogfunc, r, kept)), Hex(r));
        EXPECT_EQ(ReadSlot(7)[2] & 0xC0, 0) << "bits 6 and 7 of the flag byte are written as 0";
    }
}

TEST_F(LogikRecordsTest, LogicFunctionRoundTripsAtItsExtremes)
{
    LogikfuncParam high;
    high.designation = {1, 15, 9};
    high.number = 43;
    high.release = {127, 1, 255};
    high.inputCount = high.function = 255;
    for (int i = 0; i < 16; ++i)
        high.result[i] = high.inverted[i] = 1;
    for (DigitalQuelle& q : high.inputs)
        q = {127, 1, 255};
    for (const LogikfuncParam& r : {high, LogikfuncParam{}})
        EXPECT_EQ(Hex(WriteAndRead(&CParaDaten::SetLogikfunc, &CParaDaten::GetLogikfunc, r, {{8, 63}, {76, 127}})),
                  Hex(r));
}

TEST_F(LogikRecordsTest, ComparisonRoundTripsAtItsExtremes)
{
    VergleichParam high;
    high.designation = {1, 15, 9};
    high.number = 43;
    high.release = {127, 1, 255};
    high.onDifference = high.offDifference = 255;
    high.valueA = high.valueB = {255, 255};
    high.unit = 255;
    for (int i = 0; i < 16; ++i)
        high.above[i] = high.below[i] = 1;
    for (const VergleichParam& r : {high, VergleichParam{}})
        EXPECT_EQ(Hex(WriteAndRead(&CParaDaten::SetVergleich, &CParaDaten::GetVergleich, r, {{13, 127}})), Hex(r));

    // Only the unit's low byte is stored.
    VergleichParam wide = ValidVergleich();
    wide.unit = 0x1203;
    EXPECT_EQ(WriteAndRead(&CParaDaten::SetVergleich, &CParaDaten::GetVergleich, wide, {}).unit, 3u);
}

TEST_F(LogikRecordsTest, FunctionControlRoundTripsAtItsExtremesWithoutOutputSixteen)
{
    FuncKontrolleParam high;
    high.designation = {1, 15, 9};
    high.number = 43;
    high.errorDelay = high.differenceLimit = 255;
    high.valueA = high.valueB = {255, 255};
    high.differenceRelease = {127, 1, 255};
    high.keepError = 1;
    for (int i = 0; i < 15; ++i)
        high.valueError[i] = high.differenceError[i] = 1;
    for (const FuncKontrolleParam& r : {high, FuncKontrolleParam{}})
        EXPECT_EQ(Hex(WriteAndRead(&CParaDaten::SetFuncKontrolle, &CParaDaten::GetFuncKontrolle, r, {{12, 127}})),
                  Hex(r));

    FuncKontrolleParam r = high;
    r.valueError[15] = r.differenceError[15] = 1;
    const FuncKontrolleParam back = WriteAndRead(&CParaDaten::SetFuncKontrolle, &CParaDaten::GetFuncKontrolle, r, {});
    EXPECT_EQ(back.valueError[15], 0);
    EXPECT_EQ(back.differenceError[15], 0);
    EXPECT_EQ(back.keepError, 1);
    EXPECT_EQ(ReadSlot(7)[5] & 0x80, 0) << "bit 7 of byte 5 is written as 0";
}

TEST_F(LogikRecordsTest, FlagsAreStoredOnlyWhenExactlyOne)
{
    AnalogfuncParam a = ValidAnalog();
    a.outputs[0] = 2;
    a.outputs[1] = 1;
    a.release.inverted = 2;
    const AnalogfuncParam back = WriteAndRead(&CParaDaten::SetAnalogfunc, &CParaDaten::GetAnalogfunc, a, {});
    EXPECT_EQ(back.outputs[0], 0);
    EXPECT_EQ(back.outputs[1], 1);
    EXPECT_EQ(back.release.inverted, 0);
    EXPECT_EQ(ReadSlot(7)[2], 0x02);
}

TEST_F(LogikRecordsTest, AnalogFunctionRepairs)
{
    auto temperature = [](AnalogfuncParam& r) { r.unit = kEinheitTemperatur; };
    auto plain = [](AnalogfuncParam& r) { r.unit = kEinheitOhne; };
    auto irradiance = [](AnalogfuncParam& r) { r.unit = kEinheitStrahlung; };
    ExpectRepairs<AnalogfuncParam>(ValidAnalog(), {
        {"a valid record stays", 0, [](auto&) {}, [](auto&) {}},
        {"variable 4 connected raises the count to 4", 0,
         [](auto& r) {
             r.variableCount = 2;
             r.variables[3].kind = 1;
         },
         [](auto& r) {
             r.lastVariable = 4;
             r.variableCount = 4;
         }},
        {"a count above the last connected variable stays", 0,
         [](auto& r) {
             r.variableCount = 5;
             r.variables[1].kind = 3;
         },
         [](auto& r) { r.lastVariable = 2; }},
        {"a count of 0 with no variable connected becomes 2", 0, [](auto& r) { r.variableCount = 0; },
         [](auto& r) { r.variableCount = 2; }},
        {"a count of 7 becomes 2", 0, [](auto& r) { r.variableCount = 7; }, [](auto& r) { r.variableCount = 2; }},
        {"the last variable is always recomputed", 0, [](auto& r) { r.lastVariable = 9; },
         [](auto& r) { r.lastVariable = 0; }},
        {"temperature: fixed -53 deg C becomes 10, -50 stays", 0,
         [&](auto& r) {
             temperature(r);
             r.variables[0].number = 203;
             r.variables[1].number = 206;
         },
         [](auto& r) { r.variables[0].number = 10; }},
        {"dimensionless: fixed 127 becomes 50, 125 and -125 stay", 0,
         [&](auto& r) {
             plain(r);
             r.variables[0].number = 127;
             r.variables[1].number = 125;
             r.variables[2].number = 131;
         },
         [](auto& r) { r.variables[0].number = 50; }},
        {"irradiance: fixed 201 becomes 50, 200 stays", 0,
         [&](auto& r) {
             irradiance(r);
             r.variables[4].number = 201;
             r.variables[5].number = 200;
         },
         [](auto& r) { r.variables[4].number = 50; }},
        {"temperature: offset -90 K of a source becomes 0, -85 K stays", 0,
         [&](auto& r) {
             temperature(r);
             r.variables[0] = {1, 1, 128};
             r.variables[1] = {1, 2, 129};
         },
         [](auto& r) {
             r.variables[0].offset = 0;
             r.lastVariable = 2;
             r.variableCount = 2;
         }},
        {"an offset without a source and a number with one are not repaired", 0,
         [&](auto& r) {
             plain(r);
             r.variables[0] = {0, 0, 128};
             r.variables[1] = {99, 128, 0};
         },
         [](auto& r) {
             r.lastVariable = 2;
             r.variableCount = 2;
         }},
        {"fixed result 251: 0 when dimensionless", 0,
         [&](auto& r) {
             plain(r);
             r.offResult.number = 251;
         },
         [](auto& r) { r.offResult.number = 0; }},
        {"fixed result 251: kept as -5 deg C", 0, [](auto& r) { r.offResult.number = 251; }, [](auto&) {}},
        {"fixed result -53 deg C becomes 5", 0, [](auto& r) { r.offResult.number = 203; },
         [](auto& r) { r.offResult.number = 5; }},
        {"fixed result 201 of irradiance becomes 0", 0,
         [&](auto& r) {
             irradiance(r);
             r.offResult.number = 201;
         },
         [](auto& r) { r.offResult.number = 0; }},
        {"result from a source: dimensionless offset 126 becomes 0, its number stays", 0,
         [&](auto& r) {
             plain(r);
             r.offResult = {5, 251};
             r.offResultOffset = 126;
         },
         [](auto& r) { r.offResultOffset = 0; }},
        {"an unknown unit becomes temperature before the values are repaired", 0,
         [](auto& r) {
             r.unit = 3;
             r.variables[2].number = 203;
         },
         [](auto& r) {
             r.unit = kEinheitTemperatur;
             r.variables[2].number = 10;
         }},
        {"an unknown variable kind becomes fixed and its value is repaired", 0,
         [](auto& r) { r.variables[2] = {50, 203, 7}; }, [](auto& r) { r.variables[2] = {0, 10, 7}; }},
        {"function 6 becomes minimum, filter time 252 becomes 0", 0,
         [](auto& r) {
             r.function = 6;
             r.filterTime = 252;
         },
         [](auto& r) {
             r.function = kAnalogMin;
             r.filterTime = 0;
         }},
        {"filter time 251 stays", 0, [](auto& r) { r.filterTime = 251; }, [](auto&) {}},
        {"fixed release 2 becomes 1, or 0 by its low bit", 1, [](auto& r) { r.release.number = 2; },
         [](auto& r) { r.release.number = 0; }},
        {"output flags are not repaired", 0, [](auto& r) { r.outputs[3] = 9; }, [](auto&) {}},
        {"designation index 7 of 6 is none", 0, [](auto& r) { r.designation = {0, 7, 3}; },
         [](auto& r) { r.designation = {0, 0, 0}; }},
    }, [](AnalogfuncParam& r, BYTE keep) { CParaCheck().CheckAnalogfunc(r, keep); });
}

TEST_F(LogikRecordsTest, LogicFunctionRepairs)
{
    ExpectRepairs<LogikfuncParam>(ValidLogik(), {
        {"a valid record stays", 0, [](auto&) {}, [](auto&) {}},
        {"inputs 2 and 5 connected: 5 in use, whatever was stored", 0,
         [](auto& r) {
             r.inputCount = 6;
             r.inputs[1].kind = 1;
             r.inputs[4].kind = 98;
         },
         [](auto& r) { r.inputCount = 5; }},
        {"no input connected: 1 in use", 0, [](auto& r) { r.inputCount = 4; }, [](auto& r) { r.inputCount = 1; }},
        {"an unknown input kind is no source and does not count", 0,
         [](auto& r) {
             r.inputs[5] = {60, 1, 9};
             r.inputs[0].kind = 1;
         },
         [](auto& r) {
             r.inputs[5].kind = 0;
             r.inputCount = 1;
         }},
        {"fixed states and inversions of the inputs are not repaired", 0,
         [](auto& r) { r.inputs[2] = {0, 7, 5}; }, [](auto&) {}},
        {"function 4 becomes OR", 0, [](auto& r) { r.function = 4; }, [](auto& r) { r.function = 1; }},
        {"flip-flop stays", 0, [](auto& r) { r.function = kLogikFlipFlop; }, [](auto&) {}},
        {"fixed release 3 becomes 1 either way", 1, [](auto& r) { r.release.number = 3; },
         [](auto& r) { r.release.number = 1; }},
        {"an unknown release kind becomes fixed", 0, [](auto& r) { r.release.kind = 100; },
         [](auto& r) { r.release.kind = 0; }},
    }, [](LogikfuncParam& r, BYTE keep) { CParaCheck().CheckLogikfunc(r, keep); });
}

TEST_F(LogikRecordsTest, ComparisonRepairs)
{
    auto unit = [](DWORD u, BYTE on, BYTE off) {
        return [=](VergleichParam& r) {
            r.unit = u;
            r.onDifference = on;
            r.offDifference = off;
        };
    };
    ExpectRepairs<VergleichParam>(ValidVergleich(), {
        {"a valid record stays", 0, [](auto&) {}, [](auto&) {}},
        {"unit 12 becomes temperature", 0, [](auto& r) { r.unit = 12; }, [](auto& r) { r.unit = 1; }},
        {"a unit word of 0x100 becomes temperature", 0, [](auto& r) { r.unit = 0x100; }, [](auto& r) { r.unit = 1; }},
        {"irradiance 0 and 0: DIFF.ON becomes 1", 0, unit(2, 0, 0), [](auto& r) { r.onDifference = 1; }},
        {"dimensionless 20 and 30: DIFF.OFF becomes 19", 0, unit(0, 20, 30), [](auto& r) { r.offDifference = 19; }},
        {"dimensionless 101 and 3: DIFF.ON becomes 5", 0, unit(0, 101, 3), [](auto& r) { r.onDifference = 5; }},
        {"dimensionless DIFF.OFF 101 becomes 5, then 4 below DIFF.ON", 0, unit(0, 5, 101),
         [](auto& r) { r.offDifference = 4; }},
        {"temperature -5.6 K and 1.0 K compare signed: DIFF.OFF becomes -5.7 K", 0, unit(1, 200, 10),
         [](auto& r) { r.offDifference = 199; }},
        {"temperature 0 and 0: DIFF.OFF becomes -0.1 K", 0, unit(1, 0, 0), [](auto& r) { r.offDifference = 255; }},
        {"temperature DIFF.ON -90 K becomes -85 K", 0, unit(1, 128, 10),
         [](auto& r) { r.onDifference = 129; r.offDifference = 128; }},
        {"temperature DIFF.OFF above 200 is no fault", 0, unit(1, 50, 220), [](auto&) {}},
        {"temperature: fixed b -53 deg C becomes 60", 0, [](auto& r) { r.valueB.number = 203; },
         [](auto& r) { r.valueB.number = 60; }},
        {"temperature: b from a source is not repaired", 0, [](auto& r) { r.valueB = {2, 203}; }, [](auto&) {}},
        {"pressure: DIFF.ON 200 becomes 20", 0, unit(11, 200, 0), [](auto& r) { r.onDifference = 20; }},
        {"pressure: fixed b 201 becomes 30", 0,
         [&](auto& r) {
             unit(11, 20, 0)(r);
             r.valueB.number = 201;
         },
         [](auto& r) { r.valueB.number = 30; }},
        {"wind: DIFF.ON 101 becomes 10, fixed b 201 becomes 40", 0,
         [&](auto& r) {
             unit(9, 101, 0)(r);
             r.valueB.number = 201;
         },
         [](auto& r) {
             r.onDifference = 10;
             r.valueB.number = 40;
         }},
        {"humidity: fixed b 101 becomes 60, DIFF.ON -90 becomes -85", 0,
         [&](auto& r) {
             unit(10, 128, 129)(r);
             r.valueB.number = 101;
         },
         [](auto& r) {
             r.valueB.number = 60;
             r.onDifference = 129;
             r.offDifference = 128;
         }},
        {"time: fixed b 251 becomes 10, DIFF.OFF 201 becomes 50", 0,
         [&](auto& r) {
             unit(3, 60, 201)(r);
             r.valueB.number = 251;
         },
         [](auto& r) {
             r.valueB.number = 10;
             r.offDifference = 50;
         }},
        {"pulses: 200 above 10 compare unsigned and stay", 0, unit(4, 200, 10), [](auto&) {}},
        {"flow: fixed b 201 becomes 10", 0,
         [&](auto& r) {
             unit(8, 60, 0)(r);
             r.valueB.number = 201;
         },
         [](auto& r) { r.valueB.number = 10; }},
        {"an unknown b kind becomes fixed and its value is repaired", 0, [](auto& r) { r.valueB = {200, 203}; },
         [](auto& r) { r.valueB = {0, 60}; }},
        {"value a is not repaired", 0, [](auto& r) { r.valueA = {200, 0}; }, [](auto&) {}},
        {"fixed release 2 keeps its low bit", 1, [](auto& r) { r.release.number = 2; },
         [](auto& r) { r.release.number = 0; }},
    }, [](VergleichParam& r, BYTE keep) { CParaCheck().CheckVergleich(r, keep); });
}

TEST_F(LogikRecordsTest, FunctionControlRepairs)
{
    for (BYTE keep : {0, 1}) {
        ExpectRepairs<FuncKontrolleParam>(ValidKontrolle(), {
            {"a valid record stays", keep, [](auto&) {}, [](auto&) {}},
            {"an error delay of 0 becomes 15", keep, [](auto& r) { r.errorDelay = 0; },
             [](auto& r) { r.errorDelay = 15; }},
            {"an error delay of 121 becomes 15, 120 stays", keep, [](auto& r) { r.errorDelay = 121; },
             [](auto& r) { r.errorDelay = 15; }},
            {"a difference limit of 100 becomes 50", keep, [](auto& r) { r.differenceLimit = 100; },
             [](auto& r) { r.differenceLimit = 50; }},
            {"a fixed limit of 201 becomes 60, 200 stays", keep, [](auto& r) { r.valueB = {0, 201}; },
             [](auto& r) { r.valueB.number = 60; }},
            {"a limit from a source is not repaired", keep, [](auto& r) { r.valueB = {1, 201}; }, [](auto&) {}},
            {"an unknown kind of b becomes fixed, its limit is then repaired", keep,
             [](auto& r) { r.valueB = {150, 250}; }, [](auto& r) { r.valueB = {0, 60}; }},
            {"the difference control's fixed state is not repaired", keep,
             [](auto& r) { r.differenceRelease = {0, 1, 5}; }, [](auto&) {}},
            {"an unknown kind of the difference control becomes 0", keep,
             [](auto& r) { r.differenceRelease = {100, 0, 5}; }, [](auto& r) { r.differenceRelease.kind = 0; }},
            {"value a is not repaired", keep, [](auto& r) { r.valueA = {120, 3}; }, [](auto&) {}},
        }, [](FuncKontrolleParam& r, BYTE k) { CParaCheck().CheckFuncKontrolle(r, k); });
    }
}

TEST_F(LogikRecordsTest, AnalogFunctionIsCompletedFromItsPins)
{
    MakeSlot(1, 700, 11, 0, CParaDaten::GetDefaultAnalogfunc);
    AnalogfuncParam stored = ValidAnalog();
    stored.variables[1] = {0, 77, 5};
    stored.outputs[1] = 1;
    {
        CParaDaten para;
        para.UseDrawing(&Reader());
        ASSERT_TRUE(para.SetAnalogfunc(2, 1, stored));
    }
    Connect(700, 1, 98, 3);
    Connect(700, 2, 99, 17);
    Connect(700, 3, 1, 4);
    Unconnected(700, 4);
    Connect(700, 8, 13, 2);
    ConnectOutputs(700, 9, {1, 3, 7, 16});
    CParaDaten para;
    para.UseDrawing(&Reader());
    AnalogfuncParam r;
    ASSERT_TRUE(para.GetAnalogfunc(2, 1, r, true));
    EXPECT_EQ(r.release.kind, 98);
    EXPECT_EQ(r.release.number, 3);
    EXPECT_EQ(r.offResult, (Quelle{99, 17}));
    EXPECT_EQ(r.variables[0].kind, 1);
    EXPECT_EQ(r.variables[0].number, 4);
    EXPECT_EQ(r.variables[1].kind, 0);
    EXPECT_EQ(r.variables[1].number, 77) << "an unconnected variable keeps its fixed value";
    EXPECT_EQ(r.variables[1].offset, 5);
    EXPECT_EQ(r.variables[5].kind, 13);
    EXPECT_EQ(r.variables[5].number, 2);
    const BYTE flags[6] = {1, 0, 0, 1, 0, 1};  // outputs 1, 2, 6, 7, 15, 16
    EXPECT_EQ(Hex(r.outputs, 6), Hex(flags, 6));
}

TEST_F(LogikRecordsTest, LogicFunctionIsCompletedFromItsPinsAndCountsItsInputs)
{
    MakeSlot(1, 800, 10, 0, CParaDaten::GetDefaultLogikfunc);
    for (BYTE pin = 2; pin <= 7; ++pin)
        Unconnected(800, pin);
    Connect(800, 3, 1, 2);  // input 2
    Connect(800, 6, 2, 5);  // input 5
    ConnectOutputs(800, 8, {1});
    ConnectOutputs(800, 9, {3, 12});
    CParaDaten para;
    para.UseDrawing(&Reader());
    LogikfuncParam r;
    ASSERT_TRUE(para.GetLogikfunc(2, 1, r, true));
    EXPECT_EQ(r.inputCount, 5);
    EXPECT_EQ(r.inputs[1].kind, 1);
    EXPECT_EQ(r.inputs[4].number, 5);
    EXPECT_EQ(r.result[0], 1);
    for (int i = 0; i < 16; ++i)
        EXPECT_EQ(r.inverted[i], i == 2 || i == 11 ? 1 : 0) << "inverted-result flag of output " << i + 1;

    // The count follows the kinds read when the drawing has none of the input pins.
    MakeSlot(2, 801, 10, 1, CParaDaten::GetDefaultLogikfunc);
    LogikfuncParam stored = ValidLogik();
    stored.inputs[3].kind = 1;
    ASSERT_TRUE(para.SetLogikfunc(2, 2, stored));
    ASSERT_TRUE(para.GetLogikfunc(2, 2, r, true));
    EXPECT_EQ(r.inputCount, 4);
}

TEST_F(LogikRecordsTest, ComparisonAndFunctionControlAreCompletedFromTheirPins)
{
    MakeSlot(1, 900, 9, 0, CParaDaten::GetDefaultVergleich);
    MakeSlot(2, 901, 20, 1, CParaDaten::GetDefaultFuncKontrolle);
    Connect(900, 1, 2, 4);
    Connect(900, 2, 1, 12);
    Unconnected(900, 3);
    ConnectOutputs(900, 4, {16});
    ConnectOutputs(900, 5, {1, 2});
    Connect(901, 1, 1, 3);
    Connect(901, 2, 5, 1);
    Connect(901, 3, 97, 17);
    ConnectOutputs(901, 4, {15, 16});
    ConnectOutputs(901, 5, {16});
    CParaDaten para;
    para.UseDrawing(&Reader());

    VergleichParam v;
    ASSERT_TRUE(para.GetVergleich(2, 1, v, true));
    EXPECT_EQ(v.release.kind, 2);
    EXPECT_EQ(v.valueA, (Quelle{1, 12}));
    EXPECT_EQ(v.valueB, (Quelle{0, 60})) << "an unconnected value b keeps its fixed value";
    EXPECT_EQ(v.above[15], 1);
    EXPECT_EQ(v.below[0] + v.below[1], 2);

    FuncKontrolleParam k;
    ASSERT_TRUE(para.GetFuncKontrolle(2, 2, k, true));
    EXPECT_EQ(k.valueA, (Quelle{1, 3}));
    EXPECT_EQ(k.valueB, (Quelle{5, 1}));
    EXPECT_EQ(k.differenceRelease.kind, 97);
    EXPECT_EQ(k.differenceRelease.number, 17);
    EXPECT_EQ(k.valueError[14], 1);
    EXPECT_EQ(k.valueError[15], 1) << "the completion sets the flag of output 16";
    EXPECT_EQ(k.differenceError[15], 1);
    ASSERT_TRUE(para.SetFuncKontrolle(2, 2, k));
    ASSERT_TRUE(para.GetFuncKontrolle(2, 2, k, false));
    EXPECT_EQ(k.valueError[15], 0) << "but it is not stored";
    EXPECT_EQ(k.differenceError[15], 0);
    EXPECT_EQ(k.valueError[14], 1);
}

TEST_F(LogikRecordsTest, FailedReadsLeaveTheRecordAndFailedWritesWriteNothing)
{
    CParaDaten para;
    para.UseDrawing(&Reader());
    AnalogfuncParam a = ValidAnalog();
    LogikfuncParam l = ValidLogik();
    VergleichParam v = ValidVergleich();
    FuncKontrolleParam k = ValidKontrolle();
    const std::string before = Hex(a) + Hex(l) + Hex(v) + Hex(k);
    for (auto [file, slot] : {std::pair{2, 0}, std::pair{2, 45}, std::pair{-1, 1}, std::pair{1, 1}}) {
        const BYTE s = static_cast<BYTE>(slot);
        EXPECT_FALSE(para.GetAnalogfunc(file, s, a, true));
        EXPECT_FALSE(para.GetLogikfunc(file, s, l, true));
        EXPECT_FALSE(para.GetVergleich(file, s, v, true));
        EXPECT_FALSE(para.GetFuncKontrolle(file, s, k, true));
        EXPECT_FALSE(para.SetAnalogfunc(file, s, a));
        EXPECT_FALSE(para.SetLogikfunc(file, s, l));
        EXPECT_FALSE(para.SetVergleich(file, s, v));
        EXPECT_FALSE(para.SetFuncKontrolle(file, s, k));
    }
    EXPECT_EQ(Hex(a) + Hex(l) + Hex(v) + Hex(k), before);
    CParaDaten::ReleaseFiles();
    EXPECT_FALSE(std::filesystem::exists("para/para.par")) << "a write over an unreadable file created it";
}
