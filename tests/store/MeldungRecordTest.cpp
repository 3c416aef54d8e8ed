// Message records: the 16 stored bytes, the 78 decoded fields, the repair and the completion from the drawing.
#include "PlantRecordFixture.h"

#include "store/CParaCheck.h"
#include "store/DrawingReader.h"
#include "store/ImageLayout.h"

#include <cstring>
#include <map>
#include <utility>

namespace {

std::vector<BYTE> FieldBytes(const MeldungParam& r)
{
    const BYTE* p = reinterpret_cast<const BYTE*>(&r);
    return std::vector<BYTE>(p, p + sizeof r);
}

// A drawing of message objects: the partner source of each (object, pin); a pin listed without a source has no
// partner.
class MessageDrawing : public DrawingReader {
public:
    std::map<std::pair<int, BYTE>, std::pair<bool, Quelle>> pins;

    void GetPinQuelle(int objectId, BYTE pin, BYTE& kind, BYTE& number) override
    {
        auto it = pins.find({objectId, pin});
        if (it == pins.end())
            return;
        if (!it->second.first) {
            kind = 0;
            return;
        }
        kind = it->second.second.kind;
        number = it->second.second.number;
    }
};

class MeldungRecordTest : public PlantRecordFixture {};

}  // namespace

// Every stored bit has its field: any 16 bytes are read and written back unchanged.
TEST_F(MeldungRecordTest, StoredBytesSurviveReadAndWrite)
{
    const char* const records[] = {
        "FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF",
        "00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00",
        "81 05 62 00 7F 01 A5 5A 01 80 FE 7F 2B A4 0F F0",
        "03 07 E3 0A 00 FF 80 01 00 00 FF 00 B4 3F 55 AA",
    };
    CParaDaten para;
    for (const char* hex : records) {
        Poke(layout::MeldungRecord(3), FromHex(hex));
        MeldungParam r;
        ASSERT_TRUE(para.GetMeldung(2, 3, r, false)) << hex;
        Poke(layout::MeldungRecord(3), std::vector<BYTE>(16, 0x5A));
        ExpectOnlyRangeChanged(layout::MeldungRecord(3), 16, [&] { ASSERT_TRUE(para.SetMeldung(2, 3, r)); });
        EXPECT_EQ(Hex(Image(layout::MeldungRecord(3), 16)), hex);
    }
}

TEST_F(MeldungRecordTest, FieldPositions)
{
    // Sources: release kind 1 inverted, number 5; activate kind 98, number 2; cancel kind 0 with value 1.
    // Output 16 in every flag set; output 1 in "normale ON" only; cause 5 with digit 2; type 4, group 1, alarm.
    Poke(layout::MeldungRecord(1), FromHex("81 05 62 02 00 01 01 80 00 80 00 80 2B A4 00 80"));
    CParaDaten para;
    MeldungParam r;
    ASSERT_TRUE(para.GetMeldung(2, 1, r, false));
    std::vector<BYTE> expected(78, 0);
    const std::pair<int, BYTE> set[] = {{0, 4}, {1, 1}, {2, 5},  {3, 2},  {4, 1},  {5, 1},  {6, 1},  {7, 5},
                                        {8, 98}, {10, 2}, {13, 1}, {14, 1}, {29, 1}, {45, 1}, {61, 1}, {77, 1}};
    for (auto [field, value] : set)
        expected[field] = value;
    EXPECT_EQ(Hex(FieldBytes(r)), Hex(expected));
}

TEST_F(MeldungRecordTest, EncodingKeepsEveryFieldInItsBits)
{
    MeldungParam r;
    r.type = 0x24;             // bit 5 would be the cause group
    r.group = 5;               // bit 7 would be the alarm
    r.alarm = 2;
    r.index = 1;
    r.digit = 0;
    r.release = {0x85, 2, 7};  // a kind above 127 keeps 7 bits; the inverted flag its bit 0
    r.activate = {3, 1, 4};
    r.normalOn[0] = 2;         // only a flag of exactly 1 is stored
    r.normalOn[15] = 1;
    r.errorRelease[8] = 1;
    CParaDaten para;
    ASSERT_TRUE(para.SetMeldung(2, 8, r));
    EXPECT_EQ(Hex(Image(layout::MeldungRecord(8), 16)), "05 07 83 04 00 00 00 80 00 00 00 00 01 24 00 01");
}

TEST_F(MeldungRecordTest, SetRefusesSlotsOutsideOneToEight)
{
    CParaDaten para;
    MeldungParam r;
    r.type = 1;
    ExpectOnlyRangeChanged(0, 0, [&] {
        EXPECT_FALSE(para.SetMeldung(2, 0, r));
        EXPECT_FALSE(para.SetMeldung(2, 9, r));
    });
    r.type = 3;
    EXPECT_FALSE(para.GetMeldung(2, 9, r, false));
    EXPECT_FALSE(para.GetMeldung(3, 1, r, false));
    EXPECT_EQ(r.type, 3) << "a failed read leaves the record";
}

TEST_F(MeldungRecordTest, Repair)
{
    struct Case {
        const char* name;
        MeldungParam record;
        BYTE keepLowBit;
        const char* repaired;  // the first 14 fields
    };
    const Case cases[] = {
        {"type 5 becomes unused, 4 stays", {.type = 5, .index = 1}, 0, "00 00 01 00 00 00 00 00 00 00 00 00 00 00"},
        {"type 4 stays", {.type = 4, .index = 11, .digit = 9}, 0, "04 00 0B 09 00 00 00 00 00 00 00 00 00 00"},
        {"user cause 17 is none", {.group = 1, .index = 17, .digit = 3}, 0,
         "00 01 11 00 00 00 00 00 00 00 00 00 00 00"},
        {"user cause 0 is none", {.group = 1, .index = 0, .digit = 3}, 0, "00 01 11 00 00 00 00 00 00 00 00 00 00 00"},
        {"standard cause 12 is none", {.group = 0, .index = 12, .digit = 4}, 0,
         "00 00 0C 00 00 00 00 00 00 00 00 00 00 00"},
        {"group 2 becomes the standard causes", {.group = 2, .index = 16, .digit = 10}, 0,
         "00 00 0C 00 00 00 00 00 00 00 00 00 00 00"},
        {"digit 10 becomes 0", {.group = 1, .index = 16, .digit = 10, .alarm = 1}, 0,
         "00 01 10 00 01 00 00 00 00 00 00 00 00 00"},
        {"fixed values above 1 become 1", {.index = 1, .release = {0, 1, 3}, .activate = {0, 0, 2}, .cancel = {0, 0, 1}},
         0, "00 00 01 00 00 00 01 01 00 00 01 00 00 01"},
        {"or keep their low bit", {.index = 1, .release = {0, 1, 3}, .activate = {0, 0, 2}, .cancel = {0, 0, 1}}, 1,
         "00 00 01 00 00 00 01 01 00 00 00 00 00 01"},
        {"unknown kinds become 0, their number then a fixed value",
         {.index = 1, .release = {47, 1, 9}, .activate = {95, 0, 1}, .cancel = {99, 5, 32}}, 0,
         "00 00 01 00 00 00 01 01 00 00 01 63 05 20"},
    };
    for (const Case& c : cases) {
        MeldungParam r = c.record;
        r.dominantOff[3] = 7;
        CParaCheck().CheckMeldung(r, c.keepLowBit);
        std::vector<BYTE> bytes = FieldBytes(r);
        EXPECT_EQ(Hex({bytes.begin(), bytes.begin() + 14}), c.repaired) << c.name;
        EXPECT_EQ(r.dominantOff[3], 7) << c.name << ": output flags are not repaired";
    }
}

// What the repair leaves is exactly what a write and a read give back.
TEST_F(MeldungRecordTest, RepairedRecordsSurviveWriteAndRead)
{
    CParaDaten para;
    for (BYTE seed = 0; seed < 8; ++seed) {
        MeldungParam r;
        BYTE* bytes = reinterpret_cast<BYTE*>(&r);
        for (unsigned i = 0; i < sizeof r; ++i)
            bytes[i] = static_cast<BYTE>((i * 37 + seed * 101) % 256);
        for (unsigned i = 14; i < 78; ++i)
            bytes[i] &= 1;
        r.alarm &= 1;
        for (DigitalQuelle* q : {&r.release, &r.activate, &r.cancel}) {
            q->kind &= 0x7F;
            q->inverted &= 1;
        }
        CParaCheck().CheckMeldung(r, seed & 1);
        ASSERT_TRUE(para.SetMeldung(2, 1 + seed, r));
        MeldungParam back;
        ASSERT_TRUE(para.GetMeldung(2, 1 + seed, back, false));
        EXPECT_EQ(Hex(FieldBytes(back)), Hex(FieldBytes(r))) << "seed " << int(seed);
    }
}

TEST_F(MeldungRecordTest, CompletionFromTheDrawing)
{
    MessageDrawing drawing;
    drawing.pins[{700, 1}] = {true, {1, 12}};   // release from input 12
    drawing.pins[{700, 2}] = {false, {}};       // activate: no partner
    // Pin 3 is not in the drawing: the cancel source stays as stored.

    Poke(layout::MeldungRecord(2), FromHex("02 01 E2 01 03 04 00 00 00 00 00 00 01 01 00 00"));
    CParaDaten para;
    para.UseDrawing(&drawing);
    ASSERT_TRUE(para.SetMeldungId(2, 2, 700));
    MeldungParam r;
    ASSERT_TRUE(para.GetMeldung(2, 2, r, true));
    std::vector<BYTE> fields = FieldBytes(r);
    EXPECT_EQ(Hex({fields.begin() + 5, fields.begin() + 14}), "01 00 0C 00 01 01 03 00 04")
        << "release taken from the drawing, activate without partner keeps its fixed value, cancel as stored";

    ASSERT_TRUE(para.GetMeldung(2, 2, r, false));
    fields = FieldBytes(r);
    EXPECT_EQ(Hex({fields.begin() + 5, fields.begin() + 14}), "02 00 01 62 01 01 03 00 04");

    // A slot without a drawing object keeps its stored sources.
    Poke(layout::MeldungRecord(5), FromHex("02 01 E2 01 03 04 00 00 00 00 00 00 01 01 00 00"));
    ASSERT_TRUE(para.GetMeldung(2, 5, r, true));
    fields = FieldBytes(r);
    EXPECT_EQ(Hex({fields.begin() + 5, fields.begin() + 14}), "02 00 01 62 01 01 03 00 04");
}
