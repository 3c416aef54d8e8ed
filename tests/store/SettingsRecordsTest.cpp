// Controller settings, potentiostat and welcome screen: stored bits, fixed images, the display characters and the
// repair of the settings.
#include "PlantRecordFixture.h"

#include "store/CParaCheck.h"
#include "store/ImageLayout.h"

#include <cstdio>
#include <filesystem>

namespace {

std::string Describe(const ReglerEinstellungen& r)
{
    char s[120];
    std::snprintf(s, sizeof s, "mark%d con%d view%d bri%d off%d code%d%d%d%d sum%d lock%d%d%d", r.formatMark,
                  r.contrast, r.autoFuncView, r.brightness, r.lightOff, r.expertCode[3], r.expertCode[2],
                  r.expertCode[1], r.expertCode[0], r.autoSummerTime, r.lockParameters, r.lockOutputs, r.lockMenu);
    return s;
}

using SettingsRecordsTest = PlantRecordFixture;

std::string Lines(const BegruessungsText& t)
{
    return std::to_string(t.flag) + "|" + t.lines[0].str() + "|" + t.lines[1].str() + "|" + t.lines[2].str() + "|" +
           t.lines[3].str();
}

}  // namespace

TEST_F(SettingsRecordsTest, NewSetSettings)
{
    CParaDaten para;
    ReglerEinstellungen r;
    ASSERT_TRUE(para.GetReglerEinst(2, r));
    EXPECT_EQ(Describe(r), "mark3 con41 view0 bri10 off0 code0261 sum1 lock000");
    PotentiostatParam p;
    p.release = 1;
    p.reserved5 = 7;
    ASSERT_TRUE(para.GetPotentiostat(2, p));
    EXPECT_EQ(p.release, 0);
    EXPECT_EQ(p.reserved5, 0);
    BegruessungsText t;
    ASSERT_TRUE(para.GetBegruessung(2, t));
    BegruessungsText d;
    CParaDaten::GetDefaultBegruessung(d);
    EXPECT_EQ(Lines(t), Lines(d));
    EXPECT_EQ(Lines(d).substr(0, 23), "0|  KAVELM. STEUERKON.|");
    EXPECT_EQ(d.lines[1].GetLength(), 22);
    EXPECT_EQ(d.lines[1].Left(10), "Homepage: ");
    EXPECT_EQ(d.lines[2], "----------------------");
    EXPECT_EQ(d.lines[3], "       KRX9274");
}

TEST_F(SettingsRecordsTest, ControllerSettingsBits)
{
    struct Case {
        const char* name;
        const char* stored;  // bytes 0..6
        const char* decoded;
        const char* rewritten;
    };
    const Case cases[] = {
        {"every bit set", "FF FF FF FF FF FF FF", "mark255 con63 view1 bri15 off15 code15151515 sum1 lock110",
         "03 FF FF FF FF 00 FF"},
        {"every bit clear", "00 00 00 00 00 00 00", "mark0 con0 view0 bri0 off0 code0000 sum0 lock001",
         "03 00 00 00 00 00 F4"},
        {"mixed", "03 A9 5A 21 43 00 FA", "mark3 con41 view1 bri10 off5 code4321 sum0 lock010",
         "03 A9 5A 21 43 00 FE"},
    };
    for (const Case& c : cases) {
        Poke(layout::kReglerEinstellungen, FromHex(c.stored));
        CParaDaten para;
        ReglerEinstellungen r;
        ASSERT_TRUE(para.GetReglerEinst(2, r)) << c.name;
        EXPECT_EQ(Describe(r), c.decoded) << c.name;
        ExpectOnlyRangeChanged(0, 64, [&] { ASSERT_TRUE(para.SetReglerEinst(2, r)) << c.name; });
        std::vector<BYTE> expected = FromHex(c.rewritten);
        expected.resize(64, 0xFF);
        EXPECT_EQ(Hex(Image(0, 64)), Hex(expected)) << c.name;
    }
}

// Each field is kept to its own bits: an oversized value cannot switch a neighbouring setting.
TEST_F(SettingsRecordsTest, ControllerSettingsOversizedFieldsStayInTheirBits)
{
    ReglerEinstellungen r;
    r.formatMark = 7;
    r.contrast = 0x40 | 44;  // bit 6 would be the summer time switch
    r.autoSummerTime = 2;
    r.autoFuncView = 0;
    r.brightness = 0x1A;
    r.lightOff = 0;
    r.expertCode[0] = 0x12;
    r.lockParameters = 2;
    r.lockOutputs = 1;
    r.lockMenu = 1;
    CParaDaten para;
    ASSERT_TRUE(para.SetReglerEinst(2, r));
    EXPECT_EQ(Hex(Image(0, 7)), "03 2C 0A 02 00 00 F6");
    ReglerEinstellungen back;
    ASSERT_TRUE(para.GetReglerEinst(2, back));
    EXPECT_EQ(Describe(back), "mark3 con44 view0 bri10 off0 code0002 sum0 lock011");
}

TEST_F(SettingsRecordsTest, ControllerSettingsRepair)
{
    struct Case {
        ReglerEinstellungen record;
        const char* repaired;
    };
    const Case cases[] = {
        {{.contrast = 29, .brightness = 11, .lightOff = 16, .expertCode = {9, 9, 9, 9}},
         "mark0 con44 view0 bri10 off0 code9999 sum0 lock000"},
        {{.contrast = 51, .brightness = 10, .lightOff = 15, .expertCode = {1, 2, 3, 10}},
         "mark0 con44 view0 bri10 off15 code0261 sum0 lock000"},
        {{.formatMark = 9, .contrast = 30, .autoFuncView = 5, .expertCode = {15, 0, 0, 0}, .lockMenu = 4},
         "mark9 con30 view5 bri0 off0 code0261 sum0 lock004"},
        {{.contrast = 50, .expertCode = {0, 0, 0, 0}}, "mark0 con50 view0 bri0 off0 code0000 sum0 lock000"},
    };
    for (const Case& c : cases) {
        ReglerEinstellungen r = c.record;
        CParaCheck().CheckRegler(r);
        EXPECT_EQ(Describe(r), c.repaired);
    }
}

TEST_F(SettingsRecordsTest, PotentiostatWritesItsFixedImage)
{
    PotentiostatParam p;
    p.release = 3;
    p.reserved1 = 9;
    p.reserved7 = 0x1234;
    CParaDaten para;
    ExpectOnlyRangeChanged(layout::kPotentiostat, 120, [&] { ASSERT_TRUE(para.SetPotentiostat(2, p)); });
    std::vector<BYTE> expected(120, 0xFF);
    expected[0] = 0x01;
    expected[1] = 0xE0;
    expected[2] = 0xF0;
    for (int start : {64, 80, 96, 112})
        std::fill(expected.begin() + start, expected.begin() + start + 6, 0x00);
    EXPECT_EQ(Hex(Image(layout::kPotentiostat, 120)), Hex(expected));
    PotentiostatParam back;
    ASSERT_TRUE(para.GetPotentiostat(2, back));
    EXPECT_EQ(back.release, 1);
    EXPECT_EQ(back.reserved1, 0);
    EXPECT_EQ(back.reserved7, 0);

    p.release = 0;
    ASSERT_TRUE(para.SetPotentiostat(2, p));
    EXPECT_EQ(Hex(Image(layout::kPotentiostat, 3)), "00 E0 F0");
}

TEST_F(SettingsRecordsTest, DisplayCharacters)
{
    struct Case {
        const char* windows;
        const char* display;
        const char* back;
    };
    const Case cases[] = {
        {"Grüße", "Gr\x82 e", "Grü e"},
        {"25°C", "25\x7F" "C", "25°C"},
        {"ÄäÖöÜü", "\x80\x80\x81\x81\x82\x82", "ääööüü"},
        {"a\tb\x7F" "c~ ", "a b c~ ", "a b c~ "},
    };
    for (const Case& c : cases) {
        CString s(c.windows);
        CParaDaten::ToReglerZeichen(s, ' ');
        EXPECT_EQ(s, c.display) << c.windows;
        CParaDaten::FromReglerZeichen(s, ' ');
        EXPECT_EQ(s, c.back) << c.windows;
    }
    // Codes above 130 and below 32 from the display become the replacement.
    CString raw("\x83\x1F" "A");
    CParaDaten::FromReglerZeichen(raw, '?');
    EXPECT_EQ(raw, "??A");
}

TEST_F(SettingsRecordsTest, WelcomeScreenLines)
{
    BegruessungsText t;
    t.flag = 1;
    t.lines[0] = "Grüße aus dem Heizraum";       // 22 characters
    t.lines[1] = "123456789012345678901234567890";  // cut to 22
    t.lines[2] = "abc";
    t.lines[3] = "";
    CParaDaten para;
    ExpectOnlyRangeChanged(layout::kBegruessung, 128, [&] { ASSERT_TRUE(para.SetBegruessung(2, t)); });
    const std::vector<BYTE> stored = Image(layout::kBegruessung, 128);
    EXPECT_EQ(Hex({stored.begin(), stored.begin() + 2}), "FF FF");
    EXPECT_EQ(std::string(stored.begin() + 2, stored.begin() + 24), "Gr\x82 e aus dem Heizraum");
    EXPECT_EQ(std::string(stored.begin() + 24, stored.begin() + 46), "1234567890123456789012");
    EXPECT_EQ(std::string(stored.begin() + 46, stored.begin() + 68), "abc                   ");
    EXPECT_EQ(std::string(stored.begin() + 68, stored.begin() + 90), std::string(22, ' '));
    EXPECT_EQ(Hex({stored.begin() + 90, stored.begin() + 127}), Hex(std::vector<BYTE>(37, 0xFF)));
    EXPECT_EQ(stored[127], 0x00);

    BegruessungsText back;
    ASSERT_TRUE(para.GetBegruessung(2, back));
    EXPECT_EQ(Lines(back), "1|Grü e aus dem Heizraum|1234567890123456789012|abc|");
}

TEST_F(SettingsRecordsTest, WelcomeScreenWithFlagZeroKeepsTheDefaultMark)
{
    BegruessungsText t;
    t.flag = 1;
    t.lines[0] = "own";
    CParaDaten para;
    ASSERT_TRUE(para.SetBegruessung(2, t));
    t.flag = 0;
    ASSERT_TRUE(para.SetBegruessung(2, t));
    EXPECT_EQ(Hex(Image(layout::kBegruessung, 128)), Hex(std::vector<BYTE>(128, 0xFF)));
    BegruessungsText back;
    ASSERT_TRUE(para.GetBegruessung(2, back));
    BegruessungsText d;
    CParaDaten::GetDefaultBegruessung(d);
    EXPECT_EQ(Lines(back), Lines(d));
    // Any mark but 0 means the default texts.
    Poke(layout::kBegruessung + 127, {0x01});
    ASSERT_TRUE(para.GetBegruessung(2, back));
    EXPECT_EQ(back.flag, 0);
}

TEST_F(SettingsRecordsTest, FailedReadsLeaveTheRecords)
{
    CParaDaten para;
    CParaDaten::CloseFile(2);
    std::filesystem::remove("para/morv9274.par");
    ReglerEinstellungen r;
    r.contrast = 33;
    EXPECT_FALSE(para.GetReglerEinst(2, r));
    EXPECT_EQ(r.contrast, 33);
    PotentiostatParam p;
    p.release = 1;
    EXPECT_FALSE(para.GetPotentiostat(2, p));
    EXPECT_EQ(p.release, 1);
    BegruessungsText t;
    t.flag = 1;
    t.lines[2] = "kept";
    EXPECT_FALSE(para.GetBegruessung(2, t));
    EXPECT_EQ(Lines(t), "1|||kept|");
    EXPECT_FALSE(para.SetReglerEinst(2, r));
    EXPECT_FALSE(para.SetBegruessung(2, t));
}
