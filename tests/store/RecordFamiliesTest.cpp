// The table of record families: every family once, in its order, with the item count of the memory image; and a
// walk that writes only what it read.
#include "StoreTestFolder.h"

#include "store/CParaDaten.h"
#include "store/ImageLayout.h"
#include "store/RecordFamilies.h"

namespace {

using records::Family;

class RecordFamiliesTest : public StoreTestFolder {};

TEST(RecordFamiliesTable, HoldsEveryFamilyOnceInItsOrderWithItsItemCount)
{
    struct Expected {
        Family family;
        int count;
        bool writesBack;
        Family typed;  // the family the typed access of the row names (Funktion: none)
    };
    const Expected expected[] = {
        {Family::ReglerEinst, 1, true, records::kReglerEinst.family},
        {Family::Potentiostat, 1, true, records::kPotentiostat.family},
        {Family::Bezeichnung, static_cast<int>(layout::kUserBezeichnungen), false, records::kBezeichnung.family},
        {Family::Eingang, static_cast<int>(layout::kEingaenge), true, records::kEingang.family},
        {Family::Ausgang, static_cast<int>(layout::kAusgaenge), true, records::kAusgang.family},
        {Family::Antiblockierschutz, 1, true, records::kAntiblockierschutz.family},
        {Family::Funktion, static_cast<int>(layout::kFuncSlots), true, Family::Funktion},
        {Family::FuncView, 1, false, records::kFuncView.family},
        {Family::Meldung, static_cast<int>(layout::kMeldungSlots), true, records::kMeldung.family},
        {Family::NetzSettings, 1, true, records::kNetzSettings.family},
        {Family::NetzEingaengeDigital, 1, true, records::kNetzEingaengeDigital.family},
        {Family::NetzEingaengeAnalog, 1, true, records::kNetzEingaengeAnalog.family},
        {Family::NetzTimeouts, 1, true, records::kNetzTimeouts.family},
        {Family::Sendebedingungen, 1, true, records::kSendebedingungen.family},
        {Family::NetzAusgaengeDigital, 1, true, records::kNetzAusgaengeDigital.family},
        {Family::NetzAusgaengeAnalog, 1, true, records::kNetzAusgaengeAnalog.family},
        {Family::Logging, 1, true, records::kLogging.family},
        {Family::Begruessung, 1, false, records::kBegruessung.family},
    };
    ASSERT_EQ(records::Families().size(), std::size(expected));
    ASSERT_EQ(records::kFamilyCount, static_cast<int>(std::size(expected)));
    for (size_t i = 0; i < std::size(expected); ++i) {
        const Expected& e = expected[i];
        SCOPED_TRACE(i);
        const records::FamilyRow& row = records::Families()[i];
        EXPECT_EQ(row.family, e.family);
        EXPECT_EQ(&records::Row(e.family), &row);
        EXPECT_EQ(e.typed, e.family);
        EXPECT_EQ(row.count, e.count);
        EXPECT_EQ(row.writesBack, e.writesBack);
        // The function slots are read by their types; every other family moves through its row.
        EXPECT_EQ(row.copy == nullptr, e.family == Family::Funktion);
    }
}

TEST_F(RecordFamiliesTest, AWalkWritesOnlyARecordItRead)
{
    CParaDaten para;
    ASSERT_TRUE(para.CreateEmptyFile(CParaDaten::kDatFile));
    ASSERT_TRUE(para.CreateEmptyFile(CParaDaten::kParaFile));
    ASSERT_TRUE(para.BeginWorkFile());
    ASSERT_TRUE(para.SetUserBezeichnung(CParaDaten::kWorkFile, 3, "Kessel"));
    const CString before = para.GetUserBezeichnung(CParaDaten::kDatFile, 3);

    // A file that cannot be read: the text as it stands is neither written back nor passed on.
    CString text = "Puffer";
    EXPECT_FALSE(records::Pass(records::kBezeichnung, para, 3, text, {7, false, true, CParaDaten::kDatFile}));
    EXPECT_EQ(para.GetUserBezeichnung(CParaDaten::kDatFile, 3), before);

    EXPECT_TRUE(records::Pass(records::kBezeichnung, para, 3, text,
                              {CParaDaten::kWorkFile, false, true, CParaDaten::kDatFile}));
    EXPECT_EQ(text, "Kessel");
    EXPECT_EQ(para.GetUserBezeichnung(CParaDaten::kDatFile, 3), "Kessel");

    // Through the row, as the compile and the import move records: the same item in the other direction.
    ASSERT_TRUE(para.SetUserBezeichnung(CParaDaten::kDatFile, 4, "Solar"));
    EXPECT_TRUE(
        records::Row(Family::Bezeichnung).copy(para, 4, {CParaDaten::kDatFile, true, false, CParaDaten::kWorkFile}));
    EXPECT_EQ(para.GetUserBezeichnung(CParaDaten::kWorkFile, 4), "Solar");
}

}  // namespace
