// Controller requirements of hand-made parameter sets: each rule raises the levels it names, and only those.
#include "StoreTestFolder.h"

#include "requirements/CSystemRequirements.h"
#include "store/CParaDaten.h"
#include "store/DrawingReader.h"
#include "store/FunctionTypes.h"
#include "store/NetzEingang.h"
#include "store/ReglerEinstellungen.h"
#include "store/VergleichParam.h"
#include "store/ZaehlerParam.h"

#include <cstring>
#include <vector>

namespace {

constexpr int kWork = CParaDaten::kWorkFile;

std::string Levels(const VersionRequirement& r)
{
    return std::to_string(r.GetOsLevel()) + "/" + std::to_string(r.GetSerialLevel());
}

class CSystemRequirementsTest : public StoreTestFolder {
protected:
    void SetUp() override
    {
        StoreTestFolder::SetUp();
        ASSERT_TRUE(CParaDaten().CreateEmptyFile(kWork));
    }
    void Put(BYTE slot, int type, BYTE number, void (*defaults)(BYTE*))
    {
        CParaDaten para;
        BYTE entry[8] = {static_cast<BYTE>(type), 0xFF, 0, number, 0xFF, 0xFF, 0xFF, 0xFF};
        BYTE record[128];
        std::memset(record, 0xFF, sizeof record);
        defaults(record);
        ASSERT_TRUE(para.SetFuncId(kWork, slot, 100 + slot));
        ASSERT_TRUE(para.WriteFuncRaw(kWork, slot, entry, record));
    }
    std::string Calculate()
    {
        CSystemRequirements requirements;
        requirements.Calculate(kWork, nullptr, nullptr);
        return Levels(requirements.GetRequirement());
    }
};

TEST_F(CSystemRequirementsTest, NothingBeforeTheFirstCalculation)
{
    CSystemRequirements requirements;
    ReglerEinstellungen settings;
    reinterpret_cast<BYTE*>(&settings)[12] = 1;
    requirements.CalcSettings(settings);
    EXPECT_EQ(Levels(requirements.GetRequirement()), "-1/-1");
    EXPECT_EQ(Levels(requirements.GetSettingsRequirement()), "2/0");
}

TEST_F(CSystemRequirementsTest, EachFeatureRaisesItsLevels)
{
    EXPECT_EQ(Calculate(), "0/0");

    Put(1, 9, 0, &CParaDaten::GetDefaultVergleich);
    EXPECT_EQ(Calculate(), "0/0");
    {
        CParaDaten para;
        VergleichParam compare;
        ASSERT_TRUE(para.GetVergleich(kWork, 1, compare, false));
        reinterpret_cast<BYTE*>(&compare)[51] = 1;  // drives output 16
        ASSERT_TRUE(para.SetVergleich(kWork, 1, compare));
    }
    EXPECT_EQ(Calculate(), "1/2");

    // A function behind an empty slot is not judged; number 40 or more needs the newer system.
    Put(1, 9, 0, &CParaDaten::GetDefaultVergleich);
    Put(3, 9, 1, &CParaDaten::GetDefaultVergleich);
    EXPECT_EQ(Calculate(), "0/0");
    Put(2, 9, 40, &CParaDaten::GetDefaultVergleich);
    EXPECT_EQ(Calculate(), "1/0");
}

// Every flag by which a function drives output 16, at its position in the type's decoded record.
TEST_F(CSystemRequirementsTest, EveryFunctionDrivingOutput16NeedsTheNewerSerialLevel)
{
    const struct {
        int type;
        std::vector<size_t> positions;
    } cases[] = {
        {1, {69}},      {2, {35}},      {3, {36, 42}}, {4, {36}},      {5, {41}},      {6, {36}},
        {7, {29}},      {8, {40}},      {9, {35, 51}}, {10, {24, 40}}, {11, {17}},     {13, {25, 31}},
        {14, {42, 58}}, {15, {33}},     {16, {32}},    {18, {31, 37}}, {21, {25}},     {22, {39}},
    };
    for (const auto& c : cases) {
        const functypes::FunctionType* type = functypes::FindFunctionType(c.type);
        ASSERT_NE(type, nullptr);
        for (size_t position : c.positions) {
            Put(1, c.type, 0, type->defaults);
            EXPECT_NE(Calculate().back(), '2') << type->names.kind << " drives output 16 by default";
            CParaDaten para;
            std::vector<BYTE> fields(type->recordSize);
            ASSERT_TRUE(type->read(para, kWork, 1, fields.data(), false));
            fields.at(position) = 1;
            ASSERT_TRUE(type->write(para, kWork, 1, fields.data()));
            EXPECT_EQ(Calculate().back(), '2') << type->names.kind << ", position " << position;
        }
    }
}

TEST_F(CSystemRequirementsTest, NetworkInputsOverTheDataLineAndTheCustomerLock)
{
    {
        CParaDaten para;
        NetzEingang inputs[16] = {};
        inputs[3] = {0, 5, 2};  // over CAN: nothing
        ASSERT_TRUE(para.SetNetzEingaengeDigital(kWork, inputs));
    }
    EXPECT_EQ(Calculate(), "0/0");
    {
        CParaDaten para;
        NetzEingang inputs[16] = {};
        inputs[3] = {1, 5, 2};
        ASSERT_TRUE(para.SetNetzEingaengeDigital(kWork, inputs));
        ReglerEinstellungen settings;
        ASSERT_TRUE(para.GetReglerEinst(kWork, settings));
        reinterpret_cast<BYTE*>(&settings)[12] = 1;
        ASSERT_TRUE(para.SetReglerEinst(kWork, settings));
    }
    CSystemRequirements requirements;
    requirements.Calculate(kWork, nullptr, nullptr);
    EXPECT_EQ(Levels(requirements.GetDataRequirement()), "1/1");
    EXPECT_EQ(Levels(requirements.GetRequirement()), "2/1");
    EXPECT_DOUBLE_EQ(requirements.GetRequirement().GetOsVersion(), 3.24);
    EXPECT_EQ(requirements.GetRequirement().GetSerialNumber(), 13286);
}

}  // namespace

// With a drawing, the records are judged as the drawing connects them: a function whose pins drive output 16 there
// needs the newer serial level, whatever its stored flags say.
TEST_F(CSystemRequirementsTest, WithADrawingTheFunctionsAreJudgedAsItConnectsThem)
{
    struct DrivesOutput16 : DrawingReader {
        void GetAusgangFlags(int objectId, BYTE, BYTE flags[16]) override
        {
            std::memset(flags, 0, 16);
            flags[15] = objectId == 101 ? 1 : 0;
        }
    } drawing;
    Put(1, 9, 0, &CParaDaten::GetDefaultVergleich);
    EXPECT_EQ(Calculate(), "0/0");
    CSystemRequirements requirements;
    requirements.Calculate(kWork, &drawing, nullptr);
    EXPECT_EQ(Levels(requirements.GetRequirement()), "1/2");
}
