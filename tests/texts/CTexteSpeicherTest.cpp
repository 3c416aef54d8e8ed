// Function count and memory need of the used function slots, measured on hand-made working copies.
#include "StoreTestFolder.h"

#include "platform/CProgressCtrl.h"
#include "store/CParaDaten.h"
#include "store/FunctionTypes.h"
#include "store/HzkrRegParam.h"
#include "store/KesselkaskadeParam.h"
#include "texts/CTexte.h"
#include "texttables/CFortschritt.h"

#include <cstring>
#include <vector>

namespace {

constexpr int kWork = CParaDaten::kWorkFile;

class CTexteSpeicherTest : public StoreTestFolder {
protected:
    void SetUp() override
    {
        StoreTestFolder::SetUp();
        ASSERT_TRUE(CParaDaten().CreateEmptyFile(kWork));
    }
    // A function of the type with its default record in the slot.
    void Put(BYTE slot, int type, BYTE number, void (*defaults)(BYTE*))
    {
        BYTE entry[8] = {static_cast<BYTE>(type), 0xFF, 0, number, 0xFF, 0xFF, 0xFF, 0xFF};
        BYTE record[128];
        std::memset(record, 0xFF, sizeof record);
        defaults(record);
        CParaDaten para;
        ASSERT_TRUE(para.SetFuncId(kWork, slot, 100 + slot));
        ASSERT_TRUE(para.WriteFuncRaw(kWork, slot, entry, record));
    }
    std::string Need()
    {
        int parameter = -1;
        int variable = -1;
        CTexte().GetSpeicherbedarf(kWork, parameter, variable, nullptr, nullptr);
        return std::to_string(CTexte().GetFunktionsAnzahl(kWork)) + " functions, " + std::to_string(variable) +
               " variable bytes, " + std::to_string(parameter) + " parameter bytes";
    }
};

TEST_F(CTexteSpeicherTest, CountsUpToTheFirstEmptySlot)
{
    EXPECT_EQ(Need(), "0 functions, 0 variable bytes, 0 parameter bytes");
    Put(1, 9, 0, &CParaDaten::GetDefaultVergleich);
    Put(3, 14, 1, &CParaDaten::GetDefaultTimer);
    EXPECT_EQ(Need(), "1 functions, 1 variable bytes, 13 parameter bytes");
    Put(2, 24, 2, &CParaDaten::GetDefaultVergleich);  // an unknown type counts but needs nothing
    EXPECT_EQ(Need(), "3 functions, 5 variable bytes, 26 parameter bytes");
}

TEST_F(CTexteSpeicherTest, RecordCountsAddTheirBytes)
{
    CParaDaten para;
    Put(1, 1, 0, &CParaDaten::GetDefaultHzkrReg);
    HzkrRegParam circuit;
    ASSERT_TRUE(para.GetHzkrReg(kWork, 1, circuit, false));
    circuit.programsInUse = 3;
    circuit.windowsPerProgram = 2;
    ASSERT_TRUE(para.SetHzkrReg(kWork, 1, circuit));
    EXPECT_EQ(Need(), "1 functions, 24 variable bytes, 62 parameter bytes");

    Put(2, 23, 1, &CParaDaten::GetDefaultKesselkaskade);
    KesselkaskadeParam cascade;
    ASSERT_TRUE(para.GetKesselkaskade(kWork, 2, cascade, false));
    cascade.participantCount = 5;
    cascade.boilerCount = 3;
    ASSERT_TRUE(para.SetKesselkaskade(kWork, 2, cascade));
    EXPECT_EQ(Need(), "2 functions, 42 variable bytes, 95 parameter bytes");
}

// The types whose parameters grow with the entries in use: bytes per entry. (The logic function's count follows
// its highest connected input through its repair, so a count written alone does not show.)
TEST_F(CTexteSpeicherTest, EachEntryInUseAddsItsTypesBytes)
{
    const struct {
        int type;
        int perEntry;
    } cases[] = {{7, 2}, {11, 3}, {13, 1}, {16, 1}, {17, 2}, {21, 4}, {22, 1}};
    for (const auto& c : cases) {
        const functypes::FunctionType* type = functypes::FindFunctionType(c.type);
        ASSERT_NE(type, nullptr);
        Put(1, c.type, 0, type->defaults);
        auto needWith = [&](BYTE entries) {
            CParaDaten para;
            std::vector<BYTE> fields(type->recordSize);
            EXPECT_TRUE(type->read(para, kWork, 1, fields.data(), false));
            fields[type->memory.countField] = entries;
            EXPECT_TRUE(type->write(para, kWork, 1, fields.data()));
            int parameter = 0;
            int variable = 0;
            CTexte().GetSpeicherbedarf(kWork, parameter, variable, nullptr, nullptr);
            return parameter;
        };
        EXPECT_EQ(needWith(3) - needWith(2), c.perEntry) << type->names.kind;
    }
}

TEST_F(CTexteSpeicherTest, ReportsEachSlotOnTheProgressRange)
{
    for (BYTE slot = 1; slot <= 10; ++slot) Put(slot, 9, static_cast<BYTE>(slot - 1), &CParaDaten::GetDefaultVergleich);
    CProgressCtrl bar;
    ASSERT_TRUE(bar.Create(WS_CHILD, CRect(0, 0, 100, 10), nullptr, 1));
    bar.SetRange32(0, 100);
    CFortschritt range(&bar, 0, 100);
    int parameter = 0;
    int variable = 0;
    CTexte().GetSpeicherbedarf(kWork, parameter, variable, nullptr, &range);
    EXPECT_EQ(bar.GetPos(), 22);  // 10 / 44 of the way, truncated
}

}  // namespace
