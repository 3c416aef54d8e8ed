// Designation codes of functions and the 16 user-defined designations.
#include "StoreTestFolder.h"

#include "texttables/StandardDesignations.h"

namespace {

class ParaDatenBezeichnungTest : public StoreTestFolder {
protected:
    void SetUp() override
    {
        StoreTestFolder::SetUp();
        CParaDaten para;
        ASSERT_TRUE(para.CreateEmptyFile(2));
    }
    static std::vector<BYTE> Stored(BYTE n)
    {
        CParaDaten para;
        std::vector<BYTE> bytes(13);
        EXPECT_TRUE(para.ReadBytes(2, 0, 13 * n + 6387, 13, bytes.data()));
        return bytes;
    }
};

}  // namespace

TEST_F(ParaDatenBezeichnungTest, DecodeCodesOfAHeatingCircuitController)
{
    struct Case {
        BYTE code;
        BYTE group, index, digit;
    };
    const Case cases[] = {
        {1, 0, 1, 0},   {20, 0, 2, 9},   {21, 1, 0, 0}, {180, 1, 15, 9},
        {181, 0, 0, 0}, {0xFF, 0, 0, 0}, {0, 0, 0, 0},  {35, 1, 1, 4},
    };
    for (const Case& c : cases) {
        Bezeichnung b;
        b.group = 7;
        b.index = 7;
        b.digit = 7;
        CParaDaten::DecodeBezeichnung("Heizkreisregler", c.code, b);
        EXPECT_EQ(b.group, c.group) << int(c.code);
        EXPECT_EQ(b.index, c.index) << int(c.code);
        EXPECT_EQ(b.digit, c.digit) << int(c.code);
    }
    EXPECT_EQ(CParaDaten::EncodeBezeichnung("Heizkreisregler", Bezeichnung{}), 181);
    EXPECT_EQ(CParaDaten::EncodeBezeichnung("Zähler", Bezeichnung{}), 241);
}

TEST_F(ParaDatenBezeichnungTest, EveryCodeOfEveryTypeSurvivesDecodeAndEncode)
{
    for (const texts::FunctionTypeInfo& type : texts::kFunctionTypes) {
        const unsigned k = type.standardCount;
        for (unsigned code = 1; code <= 10 * k + 161; ++code) {
            Bezeichnung b;
            CParaDaten::DecodeBezeichnung(type.kind, static_cast<BYTE>(code), b);
            ASSERT_EQ(CParaDaten::EncodeBezeichnung(type.kind, b), code) << type.kind << " code " << code;
        }
    }
}

TEST_F(ParaDatenBezeichnungTest, DesignationsWithoutACodeEncodeAsNone)
{
    // Codes of other designations must never come out of a designation that has none of its own.
    const Bezeichnung invalid[] = {{0, 3, 0}, {1, 16, 0}, {0, 1, 10}, {1, 0, 200}};
    for (const Bezeichnung& b : invalid)
        EXPECT_EQ(CParaDaten::EncodeBezeichnung("Heizkreisregler", b), 181);
    EXPECT_EQ(CParaDaten::EncodeBezeichnung("Eingang", Bezeichnung{1, 0, 0}), 1) << "k is 0 for other kinds";
}

TEST_F(ParaDatenBezeichnungTest, UserDesignations)
{
    CParaDaten para;
    EXPECT_EQ(para.GetUserBezeichnung(2, 3), " 3 - - - - -");
    EXPECT_EQ(para.GetUserBezeichnung(2, 16), "16 - - - - -");
    EXPECT_EQ(para.GetUserBezeichnung(3, 1), "") << "no file object";

    ASSERT_TRUE(para.SetUserBezeichnung(2, 1, "Twelve chars"));
    EXPECT_EQ(para.GetUserBezeichnung(2, 1), "Twelve chars");
    EXPECT_EQ(Stored(1)[12], 0x01);
    ASSERT_TRUE(para.SetUserBezeichnung(2, 16, "Fifteen letters"));
    EXPECT_EQ(para.GetUserBezeichnung(2, 16), "Fifteen lett");
    ASSERT_TRUE(para.SetUserBezeichnung(2, 2, ""));
    EXPECT_EQ(Stored(2), std::vector<BYTE>(13, 0x01));
    EXPECT_EQ(para.GetUserBezeichnung(2, 2), "");
    ASSERT_TRUE(para.SetUserBezeichnung(2, 5, "Küche"));
    std::vector<BYTE> stored = Stored(5);
    EXPECT_EQ(stored[1], 0xFC);
    EXPECT_EQ(stored[5], 0x01);
    EXPECT_EQ(para.GetUserBezeichnung(2, 5), "Küche");
    EXPECT_EQ(para.GetUserBezeichnung(2, 4), " 4 - - - - -") << "neighbours untouched";

    CString text = "kept";
    EXPECT_TRUE(para.ReadUserBezeichnung(2, 5, text));
    EXPECT_EQ(text, "Küche");
    EXPECT_TRUE(para.ReadUserBezeichnung(2, 4, text));
    EXPECT_EQ(text, " 4 - - - - -");

    // A file that cannot be read gives the never-written text, and the read with a result says it failed.
    CParaDaten::ReleaseFiles();
    std::filesystem::remove("para/morv9274.par");
    EXPECT_EQ(para.GetUserBezeichnung(2, 1), " 1 - - - - -");
    text = "kept";
    EXPECT_FALSE(para.ReadUserBezeichnung(2, 1, text));
    EXPECT_FALSE(para.ReadUserBezeichnung(2, 17, text));
    EXPECT_EQ(text, "kept");
}
