// CAN data-logging configuration and the function overview list: where the lists lie, the default block for a
// configuration never written, the repair, and the grouping of the overview entries.
#include "PlantRecordFixture.h"

#include "store/CEepromFile.h"
#include "store/CParaCheck.h"
#include "store/ImageLayout.h"

namespace {

std::string Describe(const Quelle* q, int count)
{
    std::string s;
    for (int i = 0; i < count; ++i)
        s += (i ? " " : "") + std::to_string(q[i].kind) + "/" + std::to_string(q[i].number);
    return s;
}

std::string Describe(const FuncViewEntry* e, int count)
{
    std::string s;
    for (int i = 0; i < count; ++i)
        s += (i ? " " : "") + std::to_string(e[i].kind) + "," + std::to_string(e[i].group) + "," +
             std::to_string(e[i].param);
    return s;
}

// "k/first..last" runs of a list whose numbers count up.
std::string Counting(BYTE kind, int first, int count)
{
    std::vector<Quelle> q;
    for (int i = 0; i < count; ++i)
        q.push_back({kind, static_cast<BYTE>(first + i)});
    return Describe(q.data(), count);
}

using LoggingRecordsTest = PlantRecordFixture;

}  // namespace

TEST_F(LoggingRecordsTest, NeverWrittenConfigurationReadsAsTheDefaultBlockInWorkingFiles)
{
    Poke(layout::kLoggingMaster, {0xFF, 0x11});
    Poke(layout::kLoggingAnalog1, {0x05, 0x06, 0xFF, 0xFF});
    CParaDaten para;
    LoggingListen r;
    ASSERT_TRUE(para.GetLoggingListen(2, r));
    EXPECT_EQ(r.masterNode, 62);
    EXPECT_EQ(r.timeout, 60);
    EXPECT_EQ(Describe(r.sets[0].analog, 16), Counting(1, 1, 16));
    EXPECT_EQ(Describe(r.sets[0].digital, 13), Counting(2, 1, 13));
    EXPECT_EQ(Describe(r.sets[1].analog, 16), Counting(99, 17, 16));
    EXPECT_EQ(Describe(r.sets[1].digital, 13), Counting(99, 1, 13));

    // The function-data file has no default: its stored bytes count, and the repair makes the node 62.
    ASSERT_TRUE(para.CreateEmptyFile(0));
    ASSERT_TRUE(para.WriteBytes(0, 0, layout::kLoggingMaster, 2, FromHex("FF 09").data()));
    ASSERT_TRUE(para.WriteBytes(0, 0, layout::kLoggingAnalog1, 4, FromHex("05 06 FF FF").data()));
    ASSERT_TRUE(para.GetLoggingListen(0, r));
    EXPECT_EQ(r.masterNode, 0xFF);
    EXPECT_EQ(r.timeout, 9);
    EXPECT_EQ(Describe(r.sets[0].analog, 2), "5/6 1/2");
    CParaCheck().CheckLogging(r);
    EXPECT_EQ(r.masterNode, 62);
    EXPECT_EQ(r.timeout, 60);
}

TEST_F(LoggingRecordsTest, ListsLieInFourBytePlaces)
{
    LoggingListen r;
    r.masterNode = 5;
    r.timeout = 251;
    BYTE n = 0;
    for (LoggingListen::Datensatz& set : r.sets) {
        for (Quelle& q : set.analog)
            q = {static_cast<BYTE>(100 + n), n}, ++n;
        for (Quelle& q : set.digital)
            q = {static_cast<BYTE>(100 + n), n}, ++n;
    }
    CParaDaten para;
    // The unused bytes between the parts keep what they hold.
    Poke(5890, std::vector<BYTE>(126, 0x33));
    Poke(6120, std::vector<BYTE>(24, 0x44));
    ExpectOnlyRangeChanged(layout::kLoggingMaster, 6272 - layout::kLoggingMaster, [&] {
        const std::vector<BYTE> gap1 = Image(5890, 126);
        const std::vector<BYTE> gap2 = Image(6120, 24);
        ASSERT_TRUE(para.SetLoggingListen(2, r));
        EXPECT_EQ(Hex(Image(5890, 126)), Hex(gap1));
        EXPECT_EQ(Hex(Image(6120, 24)), Hex(gap2));
    });
    EXPECT_EQ(Hex(Image(layout::kLoggingMaster, 2)), "05 FB");
    EXPECT_EQ(Hex(Image(6144, 8)), "64 00 FF FF 65 01 FF FF") << "data set 1, analog 1 and 2";
    EXPECT_EQ(Hex(Image(6016, 4)), "74 10 FF FF") << "data set 1, digital 1";
    EXPECT_EQ(Hex(Image(6064, 4)), "80 1C FF FF") << "data set 1, digital 13";
    EXPECT_EQ(Hex(Image(6208, 4)), "81 1D FF FF") << "data set 2, analog 1";
    EXPECT_EQ(Hex(Image(6268, 4)), "90 2C FF FF") << "data set 2, analog 16";
    EXPECT_EQ(Hex(Image(6068, 4)), "91 2D FF FF") << "data set 2, digital 1";
    EXPECT_EQ(Hex(Image(6116, 4)), "9D 39 FF FF") << "data set 2, digital 13";
    LoggingListen back;
    ASSERT_TRUE(para.GetLoggingListen(2, back));
    const BYTE* a = reinterpret_cast<const BYTE*>(&r);
    const BYTE* b = reinterpret_cast<const BYTE*>(&back);
    EXPECT_EQ(Hex({b, b + sizeof back}), Hex({a, a + sizeof r}));
}

TEST_F(LoggingRecordsTest, Repair)
{
    const struct {
        BYTE node, timeout, node2, timeout2;
    } heads[] = {{62, 10, 62, 10}, {63, 9, 62, 60}, {0, 251, 0, 251}, {255, 252, 62, 60}};
    for (const auto& h : heads) {
        LoggingListen r;
        r.masterNode = h.node;
        r.timeout = h.timeout;
        CParaCheck().CheckLogging(r);
        EXPECT_EQ(r.masterNode, h.node2) << int(h.node);
        EXPECT_EQ(r.timeout, h.timeout2) << int(h.timeout);
    }
    // Every list to its last entry; any known kind is allowed anywhere, numbers are kept.
    LoggingListen r;
    r.masterNode = 1;
    r.timeout = 60;
    for (LoggingListen::Datensatz& set : r.sets) {
        set.analog[0] = {99, 17};
        set.analog[15] = {47, 3};
        set.digital[0] = {96, 33};
        set.digital[12] = {200, 4};
    }
    CParaCheck().CheckLogging(r);
    for (const LoggingListen::Datensatz& set : r.sets) {
        EXPECT_EQ(Describe(set.analog, 1) + " " + Describe(set.analog + 15, 1), "99/17 0/3");
        EXPECT_EQ(Describe(set.digital, 1) + " " + Describe(set.digital + 12, 1), "96/33 0/4");
    }
}

TEST_F(LoggingRecordsTest, OverviewEntriesTakeTheGroupOfTheHeaderBeforeThem)
{
    Poke(layout::kFuncView, FromHex("01 03 06 05 01 04 03 07 06 09 02 01 FF 00 06 01"));
    CParaDaten para;
    FuncViewEntry entries[128];
    ASSERT_TRUE(para.GetFuncView(2, entries));
    EXPECT_EQ(Describe(entries, 7), "1,0,3 6,5,0 1,5,4 3,5,7 6,9,0 2,9,1 255,255,255");
    EXPECT_EQ(Describe(entries + 127, 1), "255,255,255") << "nothing after the end mark is read";

    ExpectOnlyRangeChanged(layout::kFuncView, 256, [&] { ASSERT_TRUE(para.SetFuncView(2, entries)); });
    std::vector<BYTE> expected = FromHex("01 03 06 05 01 04 03 07 06 09 02 01");
    expected.resize(256, 0xFF);
    EXPECT_EQ(Hex(Image(layout::kFuncView, 256)), Hex(expected));

    // Writing stops at the first end mark.
    entries[2].kind = FuncViewEntry::kEnde;
    ASSERT_TRUE(para.SetFuncView(2, entries));
    expected = FromHex("01 03 06 05");
    expected.resize(256, 0xFF);
    EXPECT_EQ(Hex(Image(layout::kFuncView, 256)), Hex(expected));
}

TEST_F(LoggingRecordsTest, EmptyAndFullOverviewLists)
{
    CParaDaten para;
    FuncViewEntry entries[128];
    entries[0] = {1, 2, 3};
    ASSERT_TRUE(para.GetFuncView(2, entries));
    EXPECT_EQ(Describe(entries, 1), "255,255,255");

    // 128 entries: the whole stored list is used, with no end mark.
    for (int i = 0; i < 128; ++i)
        entries[i] = i % 4 == 0 ? FuncViewEntry{6, static_cast<BYTE>(3 + i / 4), 0}
                                : FuncViewEntry{8, static_cast<BYTE>(3 + i / 4), static_cast<BYTE>(i % 4)};
    ASSERT_TRUE(para.SetFuncView(2, entries));
    FuncViewEntry back[128];
    ASSERT_TRUE(para.GetFuncView(2, back));
    EXPECT_EQ(Describe(back, 128), Describe(entries, 128));

    EXPECT_FALSE(para.GetFuncView(3, back));
    EXPECT_EQ(Describe(back, 1), "255,255,255");
}
