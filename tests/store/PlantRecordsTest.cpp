// Inputs, outputs and the anti-seize settings: stored bytes, the fields that share a stored byte, masks, repairs
// and the defaults of a new parameter set.
#include "PlantRecordFixture.h"

#include "store/CParaCheck.h"
#include "store/ImageLayout.h"

#include <cstdio>
#include <filesystem>

namespace {

std::string Describe(const EingangParam& r)
{
    char s[200];
    std::snprintf(s, sizeof s, "t%d q%d s%d div%d g%d i%d d%d a%d f%d p%d chk%d cor%d il%d ol%d ih%d oh%d", r.type,
                  r.quantity, r.sensorType, r.divisor, r.group, r.index, r.digit, r.averaging, r.factor,
                  r.processQuantity, r.sensorCheck, r.correction, r.scaleInLow, r.scaleOutLow, r.scaleInHighMinus1,
                  r.scaleOutHigh);
    return s;
}

std::string Describe(const AusgangParam& r)
{
    char s[200];
    std::snprintf(s, sizeof s, "t%d m%d g%d i%d d%d del%d fu%d run%d ext%d net%d | %d %d %d %d lvl%d pwm%d",
                  r.type, r.phaseCut, r.group, r.index, r.digit, r.delay, r.followUp, r.runTime, r.extension,
                  r.netToDataLine, r.scaleInLow, r.scaleInHigh, r.scaleOutLow, r.scaleOutHigh, r.digitalLevel, r.pwm);
    return s;
}

using PlantRecordsTest = PlantRecordFixture;

}  // namespace

// Stored input records that every field at its extremes survives: read, written back, the same 16 bytes.
TEST_F(PlantRecordsTest, InputRecordsSurviveReadAndWrite)
{
    struct Case {
        const char* name;
        BYTE n;
        const char* stored;
        const char* decoded;
    };
    const Case cases[] = {
        {"temperature", 1, "12 43 3C 2B 83 9C C8 A5 FF FF FF FF FF FF FF FF",
         "t2 q1 s3 div67 g3 i5 d2 a60 f67 p2 chk1 cor156 il156 ol5 ih199 oh10"},
        {"voltage with scale", 2, "32 C1 00 01 05 14 FA F0 FF FF FF FF FF FF FF FF",
         "t2 q3 s1 div193 g5 i1 d0 a0 f193 p6 chk0 cor20 il20 ol0 ih249 oh15"},
        {"pulse divisor", 15, "23 FA 3C FF 01 00 01 00 FF FF FF FF FF FF FF FF",
         "t3 q2 s26 div250 g1 i26 d4 a60 f250 p7 chk0 cor0 il0 ol0 ih0 oh0"},
        {"wind factor", 16, "03 64 00 0A 00 00 00 00 FF FF FF FF FF FF FF FF",
         "t3 q0 s4 div100 g0 i1 d9 a0 f100 p3 chk0 cor0 il0 ol0 ih255 oh0"},
        {"all ones where storable", 7, "FF FF FF FF 8F FF FF FF FF FF FF FF FF FF FF FF",
         "t15 q15 s31 div255 g15 i26 d4 a255 f255 p7 chk1 cor255 il255 ol15 ih254 oh15"},
        {"all zero", 8, "00 00 00 00 00 00 00 00 FF FF FF FF FF FF FF FF",
         "t0 q0 s0 div0 g0 i154 d5 a0 f0 p0 chk0 cor0 il0 ol0 ih255 oh0"},
    };
    for (const Case& c : cases) {
        Poke(layout::EingangRecord(c.n), FromHex(c.stored));
        CParaDaten para;
        EingangParam r;
        ASSERT_TRUE(para.GetEingang(2, c.n, r)) << c.name;
        EXPECT_EQ(Describe(r), c.decoded) << c.name;
        Poke(layout::EingangRecord(c.n), std::vector<BYTE>(16, 0x5A));
        ASSERT_TRUE(para.SetEingang(2, c.n, r)) << c.name;
        EXPECT_EQ(Hex(Image(layout::EingangRecord(c.n), 16)), c.stored) << c.name;
    }
}

// Bytes 1 and 5 each hold one of two fields; the type decides which one is written. Every field is masked to its
// bits, so that a value too large for its place cannot reach its neighbours.
TEST_F(PlantRecordsTest, InputWriteTakesTheSharedBytesFromTheFieldsOfItsType)
{
    struct Case {
        const char* name;
        EingangParam record;
        const char* stored;  // bytes 0..7
    };
    const Case cases[] = {
        {"temperature writes the correction",
         {.type = 2, .quantity = 1, .sensorType = 2, .divisor = 7, .factor = 9, .processQuantity = 0,
          .correction = 0x11, .scaleInLow = 0x22},
         "12 02 00 F7 00 11 01 00"},
        {"solar radiation writes the correction",
         {.type = 2, .quantity = 2, .sensorType = 1, .correction = 0x9D, .scaleInLow = 0x22},
         "22 01 00 F7 00 9D 01 00"},
        {"voltage writes the lower scale value",
         {.type = 2, .quantity = 3, .sensorType = 1, .processQuantity = 7, .correction = 0x11, .scaleInLow = 0x22,
          .scaleOutLow = 3, .scaleInHighMinus1 = 99, .scaleOutHigh = 15},
         "32 E1 00 F7 00 22 64 F3"},
        {"pulse input writes the divisor",
         {.type = 3, .quantity = 2, .sensorType = 1, .divisor = 7, .factor = 9}, "23 07 00 F7 00 00 01 00"},
        {"flow input writes the factor",
         {.type = 3, .quantity = 1, .sensorType = 1, .divisor = 7, .factor = 9}, "13 09 00 F7 00 00 01 00"},
        {"designation and check",
         {.type = 1, .quantity = 1, .sensorType = 1, .group = 1, .index = 16, .digit = 9, .averaging = 10,
          .sensorCheck = 1},
         "11 01 0A A0 81 00 01 00"},
        {"oversized fields stay in their bits",
         {.type = 0x1F, .quantity = 0x10, .sensorType = 0xFF, .group = 0x1F, .index = 1, .sensorCheck = 3,
          .scaleOutLow = 0x1F, .scaleOutHigh = 0x12},
         "0F 1F 00 01 8F 00 01 2F"},
    };
    for (const Case& c : cases) {
        CParaDaten para;
        ExpectOnlyRangeChanged(layout::EingangRecord(4), 16, [&] { ASSERT_TRUE(para.SetEingang(2, 4, c.record)); });
        EXPECT_EQ(Hex(Image(layout::EingangRecord(4), 16)), std::string(c.stored) + " FF FF FF FF FF FF FF FF")
            << c.name;
    }
}

TEST_F(PlantRecordsTest, InputRepairs)
{
    // The repaired form of every input that has no scale: process quantity 0, scale 0, 199, 0, 10, correction 0.
    struct Case {
        const char* name;
        BYTE n;
        EingangParam record;
        const char* repaired;
    };
    const Case cases[] = {
        {"current on input 3 becomes temperature", 3,
         {.type = 2, .quantity = 4, .sensorType = 9, .group = 7, .index = 0, .digit = 3, .averaging = 61,
          .factor = 5, .processQuantity = 1, .correction = 128, .scaleInLow = 128, .scaleOutLow = 4,
          .scaleInHighMinus1 = 20, .scaleOutHigh = 4},
         "t2 q1 s1 div0 g0 i19 d0 a10 f1 p0 chk0 cor0 il0 ol0 ih199 oh10"},
        {"current on input 8 stays a scaled signal", 8,
         {.type = 2, .quantity = 4, .sensorType = 9, .group = 7, .index = 0, .digit = 3, .averaging = 61,
          .factor = 5, .processQuantity = 1, .correction = 128, .scaleInLow = 250, .scaleOutLow = 11,
          .scaleInHighMinus1 = 250, .scaleOutHigh = 11},
         "t2 q4 s1 div0 g0 i19 d0 a10 f1 p1 chk0 cor0 il0 ol0 ih199 oh10"},
        {"flow scale reaches 15", 5,
         {.type = 2, .quantity = 3, .group = 1, .index = 16, .digit = 10, .averaging = 60, .processQuantity = 6,
          .correction = 249, .scaleInLow = 249, .scaleOutLow = 15, .scaleInHighMinus1 = 249, .scaleOutHigh = 15},
         "t2 q3 s1 div0 g1 i16 d0 a60 f1 p6 chk0 cor0 il249 ol15 ih249 oh15"},
        {"pressure in a standard group has 18 names", 5,
         {.type = 2, .quantity = 3, .group = 4, .index = 18, .processQuantity = 7},
         "t2 q3 s1 div0 g4 i18 d0 a0 f1 p7 chk0 cor0 il0 ol0 ih0 oh0"},
        {"signal with solar radiation has one standard name", 5,
         {.type = 2, .quantity = 3, .group = 3, .index = 2, .digit = 4, .processQuantity = 2, .scaleOutLow = 11,
          .scaleOutHigh = 11},
         "t2 q3 s1 div0 g0 i2 d0 a0 f1 p2 chk0 cor0 il0 ol0 ih0 oh10"},
        {"signal with an unknown process quantity", 5,
         {.type = 2, .quantity = 3, .group = 0, .index = 4, .digit = 9, .processQuantity = 9},
         "t2 q3 s1 div0 g0 i4 d9 a0 f1 p0 chk0 cor0 il0 ol0 ih0 oh0"},
        {"solar radiation: correction 100..156 is cleared", 2,
         {.type = 2, .quantity = 2, .sensorType = 3, .group = 2, .index = 2, .averaging = 7, .correction = 100},
         "t2 q2 s1 div0 g0 i2 d0 a7 f1 p0 chk0 cor0 il0 ol0 ih199 oh10"},
        {"solar radiation keeps a correction of 157", 2,
         {.type = 2, .quantity = 2, .group = 1, .index = 16, .correction = 157},
         "t2 q2 s1 div0 g1 i16 d0 a0 f1 p0 chk0 cor157 il0 ol0 ih199 oh10"},
        {"temperature group 1 has 15 names", 1,
         {.type = 2, .quantity = 1, .sensorType = 4, .group = 1, .index = 16, .digit = 5, .correction = 127},
         "t2 q1 s4 div0 g1 i16 d0 a0 f1 p0 chk0 cor127 il0 ol0 ih199 oh10"},
        {"temperature group 4 has 4 names", 1,
         {.type = 2, .quantity = 1, .sensorType = 1, .group = 4, .index = 4, .digit = 9, .correction = 129},
         "t2 q1 s1 div0 g4 i4 d9 a0 f1 p0 chk0 cor129 il0 ol0 ih199 oh10"},
        {"digital averaging is always 1.0 s", 6,
         {.type = 1, .quantity = 3, .sensorType = 2, .group = 3, .index = 5, .averaging = 0, .correction = 5},
         "t1 q1 s1 div0 g0 i5 d0 a10 f1 p0 chk0 cor0 il0 ol0 ih199 oh10"},
        {"impulse of quantity 7 becomes flow, factor 0 becomes 1", 15,
         {.type = 3, .quantity = 7, .group = 1, .index = 17, .averaging = 61, .factor = 0},
         "t3 q1 s1 div0 g1 i17 d0 a10 f1 p0 chk0 cor0 il0 ol0 ih199 oh10"},
        {"flow keeps a factor of 200", 15,
         {.type = 3, .quantity = 1, .index = 6, .digit = 9, .factor = 200},
         "t3 q1 s1 div0 g0 i6 d9 a0 f200 p0 chk0 cor0 il0 ol0 ih199 oh10"},
        {"wind factor above 100 becomes 1", 16,
         {.type = 3, .quantity = 0, .index = 7, .factor = 101},
         "t3 q0 s1 div0 g0 i7 d0 a0 f1 p0 chk0 cor0 il0 ol0 ih199 oh10"},
        {"pulse divisor 0 becomes 1, its byte-mate is left", 16,
         {.type = 3, .quantity = 2, .divisor = 0, .index = 1, .factor = 77},
         "t3 q2 s1 div1 g0 i1 d0 a0 f77 p0 chk0 cor0 il0 ol0 ih199 oh10"},
        {"unknown type becomes unused", 9,
         {.type = 4, .quantity = 3, .sensorType = 3, .group = 1, .index = 3, .digit = 3, .averaging = 3,
          .factor = 3, .processQuantity = 3, .sensorCheck = 1, .correction = 3, .scaleInLow = 3},
         "t0 q1 s1 div0 g0 i0 d0 a10 f1 p0 chk1 cor0 il0 ol0 ih199 oh10"},
    };
    for (const Case& c : cases) {
        EingangParam r = c.record;
        CParaCheck().CheckEingang(c.n, r);
        EXPECT_EQ(Describe(r), c.repaired) << c.name;
    }
}

TEST_F(PlantRecordsTest, OutputRecordsSurviveReadAndWrite)
{
    struct Case {
        const char* name;
        BYTE n;
        const char* stored;
        const char* decoded;
    };
    const Case cases[] = {
        {"mixer", 5, "A3 7F 5C 2B F1 FF FF FF FF FF FF FF FF FF FF FF",
         "t3 m0 g1 i5 d2 del127 fu92 run92 ext0 net0 | 0 0 0 0 lvl0 pwm0"},
        {"every bit set", 1, "EF FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF",
         "t15 m1 g15 i26 d4 del255 fu255 run255 ext0 net0 | 0 0 0 0 lvl0 pwm0"},
        {"switching, zero", 13, "A0 00 00 00 F0 FF FF FF FF FF FF FF FF FF FF FF",
         "t0 m0 g0 i154 d5 del0 fu0 run0 ext0 net0 | 0 0 0 0 lvl0 pwm0"},
        {"output 14 with both flags", 14, "A1 02 03 01 32 FF FF FF FF FF FF FF FF FF FF FF",
         "t1 m0 g2 i1 d0 del2 fu3 run3 ext1 net1 | 0 0 0 0 lvl0 pwm0"},
        {"output 14 with neither flag", 14, "A1 02 03 01 F2 FF FF FF FF FF FF FF FF FF FF FF",
         "t1 m0 g2 i1 d0 del2 fu3 run3 ext0 net0 | 0 0 0 0 lvl0 pwm0"},
        {"output 14 with the first flag", 14, "A1 02 03 01 B2 FF FF FF FF FF FF FF FF FF FF FF",
         "t1 m0 g2 i1 d0 del2 fu3 run3 ext1 net0 | 0 0 0 0 lvl0 pwm0"},
        {"analog output in 0-10V", 15, "00 64 00 C8 C8 FF FF FF",
         "t0 m0 g0 i0 d0 del0 fu0 run0 ext0 net0 | 0 100 0 200 lvl200 pwm0"},
        {"analog output in PWM", 16, "63 01 FF 00 07 FD FF FF",
         "t0 m0 g0 i0 d0 del0 fu0 run0 ext0 net0 | 99 1 255 0 lvl7 pwm1"},
    };
    for (const Case& c : cases) {
        const std::vector<BYTE> stored = FromHex(c.stored);
        const UINT address = c.n == 15 ? layout::kAusgang15 : c.n == 16 ? layout::kAusgang16 : layout::AusgangRecord(c.n);
        Poke(address, stored);
        CParaDaten para;
        AusgangParam r;
        r.type = 9;
        ASSERT_TRUE(para.GetAusgang(2, c.n, r)) << c.name;
        EXPECT_EQ(Describe(r), c.decoded) << c.name;
        Poke(address, std::vector<BYTE>(stored.size(), 0x5A));
        // The short records of outputs 15 and 16 leave the 8 bytes after them alone (7400..7407 belong to none).
        ExpectOnlyRangeChanged(address, static_cast<UINT>(stored.size()),
                               [&] { ASSERT_TRUE(para.SetAusgang(2, c.n, r)) << c.name; });
        EXPECT_EQ(Hex(Image(address, static_cast<UINT>(stored.size()))), c.stored) << c.name;
    }
}

TEST_F(PlantRecordsTest, OutputWriteChoosesTheSharedByteAndMasksEveryField)
{
    struct Case {
        const char* name;
        BYTE n;
        AusgangParam record;
        const char* stored;  // bytes 0..4
    };
    const Case cases[] = {
        {"a mixer stores its run time", 3, {.type = 3, .followUp = 7, .runTime = 92}, "A3 00 5C F7 F0"},
        {"a switching output its follow-up time", 3, {.type = 1, .followUp = 7, .runTime = 92}, "A1 00 07 F7 F0"},
        {"mode and type stay in their bits", 2, {.type = 0x13, .phaseCut = 2, .group = 0x12, .index = 1},
         "A3 00 00 01 F2"},
        {"the flags of output 14 are written only there", 2, {.type = 1, .extension = 1, .netToDataLine = 1},
         "A1 00 00 F7 F0"},
        {"output 14 stores its flags inverted", 14, {.type = 1, .group = 2, .extension = 0, .netToDataLine = 1},
         "A1 00 00 F7 72"},
    };
    for (const Case& c : cases) {
        CParaDaten para;
        ASSERT_TRUE(para.SetAusgang(2, c.n, c.record)) << c.name;
        EXPECT_EQ(Hex(Image(layout::AusgangRecord(c.n), 16)),
                  std::string(c.stored) + " FF FF FF FF FF FF FF FF FF FF FF")
            << c.name;
    }
}

TEST_F(PlantRecordsTest, OutputRepairs)
{
    struct Case {
        const char* name;
        BYTE n;
        AusgangParam record;
        const char* repaired;
    };
    const Case cases[] = {
        {"switching output, climate group has 2 names", 1,
         {.type = 1, .phaseCut = 1, .group = 1, .index = 3, .digit = 4, .delay = 250, .followUp = 249},
         "t1 m0 g1 i3 d0 del0 fu249 run0 ext0 net0 | 0 0 0 0 lvl0 pwm0"},
        {"switching output, user group has 16", 1,
         {.type = 1, .group = 2, .index = 16, .digit = 10, .delay = 249, .followUp = 250},
         "t1 m0 g2 i16 d0 del249 fu0 run0 ext0 net0 | 0 0 0 0 lvl0 pwm0"},
        {"switching output, another group becomes general", 1,
         {.type = 1, .group = 3, .index = 19, .digit = 9},
         "t1 m0 g0 i19 d0 del0 fu0 run0 ext0 net0 | 0 0 0 0 lvl0 pwm0"},
        {"speed control keeps phase cut", 2, {.type = 2, .phaseCut = 1, .group = 0, .index = 18, .digit = 9},
         "t2 m1 g0 i18 d9 del0 fu0 run0 ext0 net0 | 0 0 0 0 lvl0 pwm0"},
        {"speed control mode 2 becomes wave packet", 2, {.type = 2, .phaseCut = 2, .index = 1},
         "t2 m0 g0 i1 d0 del0 fu0 run0 ext0 net0 | 0 0 0 0 lvl0 pwm0"},
        {"mixer", 3, {.type = 3, .phaseCut = 1, .group = 2, .index = 3, .delay = 5, .followUp = 250, .runTime = 250},
         "t3 m0 g0 i3 d0 del0 fu250 run92 ext0 net0 | 0 0 0 0 lvl0 pwm0"},
        {"mixer with a user designation", 3, {.type = 3, .group = 1, .index = 16, .runTime = 249},
         "t3 m0 g1 i16 d0 del0 fu0 run249 ext0 net0 | 0 0 0 0 lvl0 pwm0"},
        {"data line", 14, {.type = 4, .phaseCut = 1, .group = 1, .index = 0, .delay = 3, .followUp = 4, .runTime = 5,
                           .extension = 1, .netToDataLine = 1},
         "t4 m0 g0 i2 d0 del0 fu0 run5 ext1 net1 | 0 0 0 0 lvl0 pwm0"},
        {"unknown type keeps run time and the output-14 flags", 14,
         {.type = 5, .phaseCut = 1, .group = 1, .index = 1, .digit = 1, .delay = 1, .followUp = 1, .runTime = 1,
          .extension = 1, .netToDataLine = 1},
         "t0 m0 g0 i0 d0 del0 fu0 run1 ext1 net1 | 0 0 0 0 lvl0 pwm0"},
        {"analog output out of range", 15,
         {.scaleInLow = 100, .scaleInHigh = 0, .scaleOutLow = 201, .scaleOutHigh = 201, .digitalLevel = 201,
          .pwm = 1},
         "t0 m0 g0 i0 d0 del0 fu0 run0 ext0 net0 | 0 100 0 200 lvl200 pwm1"},
        {"analog output at its limits", 16,
         {.scaleInLow = 99, .scaleInHigh = 101, .scaleOutLow = 200, .scaleOutHigh = 200, .digitalLevel = 200},
         "t0 m0 g0 i0 d0 del0 fu0 run0 ext0 net0 | 99 100 200 200 lvl200 pwm0"},
    };
    for (const Case& c : cases) {
        AusgangParam r = c.record;
        CParaCheck().CheckAusgang(c.n, r);
        EXPECT_EQ(Describe(r), c.repaired) << c.name;
    }
}

TEST_F(PlantRecordsTest, AntiSeizeStoresOnlyFlagsThatAreExactlyOne)
{
    Poke(layout::kAntiblockierschutz, FromHex("FF 8F A5 5A"));
    CParaDaten para;
    AntiblockierschutzParam r;
    ASSERT_TRUE(para.GetAntiblockierschutz(2, r));
    const BYTE weekdays[7] = {1, 1, 1, 1, 1, 1, 1};
    EXPECT_TRUE(std::equal(r.weekdays, r.weekdays + 7, weekdays));
    EXPECT_EQ(r.time, 0x8F);
    const BYTE outputs[16] = {1, 0, 1, 0, 0, 1, 0, 1, 0, 1, 0, 1, 1, 0, 1, 0};
    EXPECT_TRUE(std::equal(r.outputs, r.outputs + 16, outputs));
    ExpectOnlyRangeChanged(layout::kAntiblockierschutz, 4, [&] { ASSERT_TRUE(para.SetAntiblockierschutz(2, r)); });
    EXPECT_EQ(Hex(Image(layout::kAntiblockierschutz, 4)), "7F 8F A5 5A") << "bit 7 of the weekdays is written 0";

    // A flag of 2 or 3 must not spill into the next day's or output's bit.
    AntiblockierschutzParam stray;
    stray.weekdays[0] = 2;
    stray.weekdays[2] = 1;
    stray.weekdays[6] = 3;
    stray.outputs[0] = 2;
    stray.outputs[7] = 1;
    stray.outputs[8] = 255;
    stray.outputs[15] = 1;
    stray.time = 143;
    ASSERT_TRUE(para.SetAntiblockierschutz(2, stray));
    EXPECT_EQ(Hex(Image(layout::kAntiblockierschutz, 4)), "04 8F 80 80");
}

TEST_F(PlantRecordsTest, AntiSeizeTimeRepair)
{
    const struct {
        BYTE time;
        BYTE repaired;
    } cases[] = {{0, 0}, {143, 143}, {144, 42}, {255, 42}};
    for (const auto& c : cases) {
        AntiblockierschutzParam r;
        r.time = c.time;
        r.weekdays[3] = 7;
        CParaCheck().CheckAntiblockierschutz(r);
        EXPECT_EQ(r.time, c.repaired) << int(c.time);
        EXPECT_EQ(r.weekdays[3], 7) << "no other field is repaired";
    }
}

// A new parameter set holds unused inputs and outputs 1..14, and analog outputs 15 and 16 that repair to 0..100
// onto 0..200 in "0-10V" with a switching level of 200.
TEST_F(PlantRecordsTest, NewSetRepairsToTheDefaults)
{
    CParaDaten para;
    CParaCheck check;
    for (BYTE n = 1; n <= 16; ++n) {
        EingangParam in;
        ASSERT_TRUE(para.GetEingang(2, n, in));
        check.CheckEingang(n, in);
        EXPECT_EQ(Describe(in), "t0 q1 s1 div255 g0 i0 d0 a10 f1 p0 chk0 cor0 il0 ol0 ih199 oh10") << int(n);
        AusgangParam out;
        ASSERT_TRUE(para.GetAusgang(2, n, out));
        check.CheckAusgang(n, out);
        if (n <= 14)
            EXPECT_EQ(Describe(out), "t0 m0 g0 i0 d0 del0 fu0 run255 ext0 net0 | 0 0 0 0 lvl0 pwm0") << int(n);
        else
            EXPECT_EQ(Describe(out), "t0 m0 g0 i0 d0 del0 fu0 run0 ext0 net0 | 0 100 0 200 lvl200 pwm0") << int(n);
    }
    AntiblockierschutzParam anti;
    anti.time = 9;
    ASSERT_TRUE(para.GetAntiblockierschutz(2, anti));
    EXPECT_EQ(anti.time, 0);
    EXPECT_EQ(std::count(anti.outputs, anti.outputs + 16, 0), 16);
}

TEST_F(PlantRecordsTest, RefusedNumbersAndUnreadableFiles)
{
    CParaDaten para;
    ExpectOnlyRangeChanged(0, 0, [&] {
        EXPECT_FALSE(para.SetEingang(2, 0, EingangParam{.type = 1}));
        EXPECT_FALSE(para.SetEingang(2, 17, EingangParam{.type = 1}));
        EXPECT_FALSE(para.SetAusgang(2, 0, AusgangParam{.type = 1}));
        EXPECT_FALSE(para.SetAusgang(2, 17, AusgangParam{.type = 1}));
    });
    EingangParam in;
    in.type = 2;
    EXPECT_FALSE(para.GetEingang(2, 17, in));
    EXPECT_EQ(in.type, 0);
    EXPECT_FALSE(para.GetEingang(3, 1, in));

    // The working file is gone: every read fails, leaving an unused input or output.
    CParaDaten::CloseFile(2);
    std::filesystem::remove("para/morv9274.par");
    AusgangParam out;
    out.type = 3;
    out.delay = 77;
    EXPECT_FALSE(para.GetAusgang(2, 1, out));
    EXPECT_EQ(out.type, 0);
    EXPECT_EQ(out.delay, 77);
    in.type = 1;
    EXPECT_FALSE(para.GetEingang(2, 1, in));
    EXPECT_EQ(in.type, 0);
    AntiblockierschutzParam anti;
    anti.time = 33;
    EXPECT_FALSE(para.GetAntiblockierschutz(2, anti));
    EXPECT_EQ(anti.time, 33);
    EXPECT_FALSE(para.SetAntiblockierschutz(2, anti));
}
