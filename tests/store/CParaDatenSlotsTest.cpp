// Function and message slots: entries, object ids, message numbers, lookups, raw transfer and moves, and the
// refusal of slot numbers that would land on other records.
#include "GoldenImage.h"
#include "StoreTestFolder.h"

#include "store/CEepromFile.h"

#include <cstring>
#include <functional>

namespace {

class ParaDatenSlotsTest : public StoreTestFolder {
protected:
    void SetUp() override
    {
        StoreTestFolder::SetUp();
        CParaDaten para;
        ASSERT_TRUE(para.CreateEmptyFile(2));
    }
    static std::string TextArea(unsigned position, unsigned count)
    {
        CParaDaten para;
        std::string s(count, '\0');
        CParaDaten::GetFile(2)->ReadChars(position, count, s.data());
        return s;
    }
    static std::string WorkFile()
    {
        CParaDaten::CloseFile(2);
        return ReadFile("para/morv9274.par");
    }
    // Slot n holds object id 100 + n, function number 10 + n, type n and a record filled with n.
    static void FillSlots(BYTE count)
    {
        CParaDaten para;
        for (BYTE n = 1; n <= count; ++n) {
            ASSERT_TRUE(para.SetFuncId(2, n, 100 + n));
            BYTE entry[8] = {n, static_cast<BYTE>(20 + n), 0, static_cast<BYTE>(10 + n), 0xFF, 0xFF, 0xFF, 0xFF};
            BYTE record[128];
            std::memset(record, n, sizeof record);
            ASSERT_TRUE(para.WriteFuncRaw(2, n, entry, record));
        }
    }
    static void ExpectSlot(BYTE slot, BYTE content)
    {
        CParaDaten para;
        int id = 0;
        BYTE entry[8];
        BYTE record[128];
        ASSERT_TRUE(para.GetFuncId(2, slot, id));
        ASSERT_TRUE(para.ReadFuncRaw(2, slot, entry, record));
        EXPECT_EQ(id, 100 + content) << "slot " << int(slot);
        EXPECT_EQ(entry[0], content) << "slot " << int(slot);
        EXPECT_EQ(entry[3], 10 + content) << "slot " << int(slot);
        EXPECT_EQ(record[0], content) << "slot " << int(slot);
        EXPECT_EQ(record[127], content) << "slot " << int(slot);
    }
};

}  // namespace

TEST_F(ParaDatenSlotsTest, NewSetHasOnlyFreeSlots)
{
    CParaDaten para;
    for (BYTE slot = 1; slot <= 44; ++slot) {
        int id = 0;
        FuncEntry entry;
        entry.designation = 0;
        ASSERT_TRUE(para.GetFuncId(2, slot, id));
        ASSERT_TRUE(para.GetFuncEntry(2, slot, entry));
        EXPECT_EQ(id, -1);
        EXPECT_EQ(entry.type, 0);
        EXPECT_EQ(entry.designation, 0xFF);
        EXPECT_EQ(entry.number, 0xFF);
    }
    for (BYTE slot = 1; slot <= 8; ++slot) {
        int id = 0;
        ASSERT_TRUE(para.GetMeldungId(2, slot, id));
        EXPECT_EQ(id, -1);
        EXPECT_EQ(para.GetMeldungNr(2, slot), 0xFF);
    }
    EXPECT_EQ(para.FindFuncSlot(2, -1), 1);
    EXPECT_EQ(para.FindFuncByNumber(2, 0), 0);
    EXPECT_EQ(para.FindFuncByNumber(2, 255), 1);
    EXPECT_EQ(para.FindMeldungSlot(2, -1), 1);
    EXPECT_EQ(para.FindMeldungByNumber(2, 255), 1);
}

TEST_F(ParaDatenSlotsTest, ObjectIdsAndMessageNumbersInTheTextArea)
{
    CParaDaten para;
    ASSERT_TRUE(para.SetFuncId(2, 3, 1234));
    EXPECT_EQ(TextArea(10, 5), "01234");
    ASSERT_TRUE(para.SetFuncId(2, 3, 0));
    EXPECT_EQ(TextArea(10, 5), "FFFFF");
    ASSERT_TRUE(para.SetFuncId(2, 44, 99999));
    EXPECT_EQ(TextArea(215, 5), "99999");
    ASSERT_TRUE(para.SetFuncId(2, 44, -5));
    EXPECT_EQ(TextArea(215, 5), "FFFFF");
    // An id above 99,999 keeps its five lowest digits and is found again by them; 00000 cannot be told from "no id".
    ASSERT_TRUE(para.SetFuncId(2, 1, 104711));
    EXPECT_EQ(TextArea(0, 5), "04711");
    EXPECT_EQ(para.FindFuncSlot(2, 104711), 1);
    EXPECT_EQ(para.FindFuncSlot(2, 4711), 1);
    EXPECT_EQ(para.FindFuncSlot(2, 204712), 0);
    ASSERT_TRUE(para.SetMeldungId(2, 1, 2147400077));
    EXPECT_EQ(TextArea(596, 5), "00077");
    ASSERT_TRUE(para.SetMeldungId(2, 1, 100000));
    EXPECT_EQ(TextArea(596, 5), "FFFFF");
    EXPECT_EQ(para.FindMeldungSlot(2, 100000), 0) << "no free slot is found for an id without digits";

    ASSERT_TRUE(para.SetMeldungId(2, 8, 77));
    ASSERT_TRUE(para.SetMeldungNr(2, 8, 7));
    EXPECT_EQ(TextArea(652, 8), "00077007");
    ASSERT_TRUE(para.SetMeldungNr(2, 1, 200));
    EXPECT_EQ(TextArea(601, 3), "FFF");
    EXPECT_EQ(para.GetMeldungNr(2, 1), 255);
    ASSERT_TRUE(para.SetMeldungNr(2, 1, 5));
    EXPECT_EQ(TextArea(601, 3), "005");
    EXPECT_EQ(para.GetMeldungNr(2, 1), 5);
    ASSERT_TRUE(para.SetMeldungNr(2, 1, 127));
    EXPECT_EQ(para.GetMeldungNr(2, 1), 127);
    EXPECT_EQ(para.FindMeldungSlot(2, 77), 8);
    EXPECT_EQ(para.FindMeldungByNumber(2, 7), 8);
    EXPECT_EQ(para.FindMeldungByNumber(2, 3), 0);
}

TEST_F(ParaDatenSlotsTest, TableEntriesAtTheirAddresses)
{
    CParaDaten para;
    FuncEntry entry;
    entry.type = 0x117;  // only the low byte is stored
    entry.designation = 0x2C;
    entry.number = 43;
    ASSERT_TRUE(para.SetFuncEntry(2, 44, entry));
    entry.type = 9;
    entry.number = 0;
    ASSERT_TRUE(para.SetFuncEntry(2, 1, entry));
    std::string file = WorkFile();
    EXPECT_EQ(file.substr(CEepromFile::Position(0, 7768), 16), "172C002BFFFFFFFF");
    EXPECT_EQ(file.substr(CEepromFile::Position(0, 7424), 16), "092C0000FFFFFFFF");

    FuncEntry back;
    ASSERT_TRUE(para.GetFuncEntry(2, 44, back));
    EXPECT_EQ(back.type, 0x17);
    EXPECT_EQ(back.designation, 0x2C);
    EXPECT_EQ(back.number, 43);
    EXPECT_EQ(para.FindFuncByNumber(2, 43), 44);
    EXPECT_EQ(para.FindFuncByNumber(2, 0), 1);

    // The record of slot 1 starts at 256, that of slot 44 at 5,760.
    BYTE e[8] = {1, 2, 3, 4, 5, 6, 7, 8};
    BYTE r[128];
    std::memset(r, 0xC3, sizeof r);
    ASSERT_TRUE(para.WriteFuncRaw(2, 44, e, r));
    file = WorkFile();
    EXPECT_EQ(file.substr(CEepromFile::Position(0, 5760), 2), "C3");
    EXPECT_EQ(file.substr(CEepromFile::Position(0, 5887), 2), "C3");
    EXPECT_EQ(file.substr(CEepromFile::Position(0, 5888), 2), "3E") << "the logging master node after slot 44";
    EXPECT_EQ(file.substr(CEepromFile::Position(0, 5759), 2), "FF");
}

TEST_F(ParaDatenSlotsTest, NumbersOutsideTheirRangeFailAndTouchNothing)
{
    CParaDaten para;
    ASSERT_TRUE(para.SetFuncId(2, 1, 11));
    ASSERT_TRUE(para.SetMeldungId(2, 1, 12));
    ASSERT_TRUE(para.SetMeldungNr(2, 1, 0));
    const std::string before = WorkFile();
    BYTE entry[8] = {1, 1, 1, 1, 1, 1, 1, 1};
    BYTE record[128] = {};
    const FuncEntry someEntry{5, 1, 2};

    for (BYTE slot : {BYTE(0), BYTE(45), BYTE(255)}) {
        SCOPED_TRACE(::testing::Message() << "function slot " << int(slot));
        int id = 77;
        FuncEntry e;
        e.type = 9;
        EXPECT_FALSE(para.GetFuncEntry(2, slot, e));
        EXPECT_EQ(e.type, 0);
        EXPECT_FALSE(para.SetFuncEntry(2, slot, someEntry));
        EXPECT_FALSE(para.GetFuncId(2, slot, id));
        EXPECT_EQ(id, 77);
        EXPECT_FALSE(para.SetFuncId(2, slot, 5));
        EXPECT_FALSE(para.SetFuncId(2, slot, 0));
        EXPECT_FALSE(para.ReadFuncRaw(2, slot, entry, record));
        EXPECT_FALSE(para.WriteFuncRaw(2, slot, entry, record));
        EXPECT_FALSE(para.MoveFunc(2, slot, 1));
        EXPECT_FALSE(para.MoveFunc(2, 1, slot));
    }
    for (BYTE slot : {BYTE(0), BYTE(9), BYTE(200)}) {
        SCOPED_TRACE(::testing::Message() << "message slot " << int(slot));
        int id = 77;
        EXPECT_FALSE(para.GetMeldungId(2, slot, id));
        EXPECT_FALSE(para.SetMeldungId(2, slot, 5));
        EXPECT_FALSE(para.SetMeldungId(2, slot, 0));
        EXPECT_EQ(para.GetMeldungNr(2, slot), 255);
        EXPECT_FALSE(para.SetMeldungNr(2, slot, 3));
        EXPECT_FALSE(para.SetMeldungNr(2, slot, 200));
    }
    for (BYTE n : {BYTE(0), BYTE(17)}) {
        EXPECT_FALSE(para.SetUserBezeichnung(2, n, "xx"));
        EXPECT_EQ(para.GetUserBezeichnung(2, n), "");
    }
    EXPECT_TRUE(WorkFile() == before) << "an operation with a number out of range wrote into the file";
}

TEST_F(ParaDatenSlotsTest, LookupsFindTheLowestSlotAndStopAtReadFailures)
{
    CParaDaten para;
    ASSERT_TRUE(para.SetFuncId(2, 4, 500));
    ASSERT_TRUE(para.SetFuncId(2, 9, 500));
    EXPECT_EQ(para.FindFuncSlot(2, 500), 4);
    EXPECT_EQ(para.FindFuncSlot(2, 501), 0);
    EXPECT_EQ(para.FindFuncSlot(1, -1), 0) << "file 1 does not exist";
    EXPECT_EQ(para.FindFuncByNumber(1, 255), 0);
    EXPECT_EQ(para.FindMeldungSlot(1, -1), 0);
    EXPECT_EQ(para.FindMeldungByNumber(1, 255), 0);
    EXPECT_EQ(para.FindFuncSlot(7, -1), 0);
}

TEST_F(ParaDatenSlotsTest, IsFuncOfTypeLooksOnlyAtRealSlots)
{
    CParaDaten para;
    // Bytes 7,416 to 7,423 lie just before the entry of slot 1 and must never count as an entry.
    const BYTE before[8] = {9, 0, 0, 5, 0, 0, 0, 0};
    ASSERT_TRUE(para.WriteBytes(2, 0, 7416, 8, before));
    EXPECT_FALSE(para.IsFuncOfType(9, 5));
    FuncEntry entry{9, 0xFF, 5};
    ASSERT_TRUE(para.SetFuncEntry(2, 3, entry));
    EXPECT_TRUE(para.IsFuncOfType(9, 5));
    EXPECT_FALSE(para.IsFuncOfType(6, 5));
}

TEST_F(ParaDatenSlotsTest, MoveFuncShiftsTheSlotsBetween)
{
    FillSlots(6);
    CParaDaten para;
    ASSERT_TRUE(para.MoveFunc(2, 5, 2));
    const BYTE afterDown[] = {1, 5, 2, 3, 4, 6};
    for (BYTE slot = 1; slot <= 6; ++slot)
        ExpectSlot(slot, afterDown[slot - 1]);
    ASSERT_TRUE(para.MoveFunc(2, 2, 5));
    for (BYTE slot = 1; slot <= 6; ++slot)
        ExpectSlot(slot, slot);
    const std::string before = WorkFile();
    ASSERT_TRUE(para.MoveFunc(2, 3, 3));
    EXPECT_TRUE(WorkFile() == before);
}
