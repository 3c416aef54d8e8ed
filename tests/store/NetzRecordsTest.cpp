// Network records: settings, transmission conditions, time-outs, output sources and network inputs, with their
// repairs and the completion of the output sources from the drawing.
#include "PlantRecordFixture.h"

#include "store/CParaCheck.h"
#include "store/DrawingReader.h"
#include "store/ImageLayout.h"

#include <cstring>

namespace {

std::string Describe(const Quelle* q, int count)
{
    std::string s;
    for (int i = 0; i < count; ++i)
        s += (i ? " " : "") + std::to_string(q[i].kind) + "/" + std::to_string(q[i].number);
    return s;
}

std::string Describe(const NetzEingang* e, int count)
{
    std::string s;
    for (int i = 0; i < count; ++i)
        s += (i ? " " : "") + std::to_string(e[i].transport) + ":" + std::to_string(e[i].node) + ":" +
             std::to_string(e[i].output);
    return s;
}

// A drawing with network outputs 2 and 17 fed from input 3 and from output variable 2 of function 4.
class NetworkDrawing : public DrawingReader {
public:
    void GetNetzAusgaengeDigital(Quelle sources[16]) override
    {
        for (int i = 0; i < 16; ++i)
            sources[i] = Quelle{};
        sources[1] = {1, 3};
    }
    void GetNetzAusgaengeAnalog(Quelle sources[16]) override
    {
        for (int i = 0; i < 16; ++i)
            sources[i] = Quelle{};
        sources[0] = {7, 2};
    }
};

class NetzRecordsTest : public PlantRecordFixture {};

}  // namespace

TEST_F(NetzRecordsTest, NewSetNetwork)
{
    CParaDaten para;
    CParaCheck check;
    NetzwerkParam n;
    ASSERT_TRUE(para.GetNetzwerk(2, n));
    EXPECT_EQ(n.node, 1);
    EXPECT_EQ(n.release, 1);
    EXPECT_EQ(n.automatic, 1);
    Sendebedingungen s;
    ASSERT_TRUE(para.GetSendebedingungen(2, s));
    EXPECT_EQ(Hex({reinterpret_cast<BYTE*>(&s), reinterpret_cast<BYTE*>(&s) + 15}),
              "01 05 0A 1E 05 0A 1E 05 0A 1E 05 0A 1E 05 0A");
    BYTE timeouts[8];
    ASSERT_TRUE(para.GetNetzTimeouts(2, timeouts));
    EXPECT_EQ(Hex({timeouts, timeouts + 8}), "3C 3C 3C 3C 3C 3C 3C 3C");
    // Never written lists repair to no source and to unused inputs fed by output 1.
    Quelle sources[16];
    ASSERT_TRUE(para.GetNetzAusgaengeAnalog(2, sources, false));
    check.CheckNetzAusgaengeAnalog(sources);
    EXPECT_EQ(Describe(sources, 2), "0/255 0/255");
    NetzEingang inputs[16];
    ASSERT_TRUE(para.GetNetzEingaengeDigital(2, inputs));
    EXPECT_EQ(Describe(inputs, 1), "1:127:255");
    check.CheckNetzEingaengeDigital(inputs);
    EXPECT_EQ(Describe(inputs, 16), Describe(std::vector<NetzEingang>(16, NetzEingang{0, 0, 1}).data(), 16));
}

TEST_F(NetzRecordsTest, SettingsBytes)
{
    struct Case {
        NetzwerkParam record;
        const char* stored;
        const char* back;  // node, release, automatic as read again
    };
    const Case cases[] = {
        {{1, 1, 1}, "81 FF", "1 1 1"},
        {{62, 0, 0}, "3E 7F", "62 0 0"},
        {{0x85, 2, 3}, "85 FF", "5 1 1"},  // the node keeps 7 bits; any non-zero flag is on
    };
    for (const Case& c : cases) {
        CParaDaten para;
        ExpectOnlyRangeChanged(layout::kNetzwerk, 64, [&] { ASSERT_TRUE(para.SetNetzwerk(2, c.record)); });
        std::vector<BYTE> expected = FromHex(c.stored);
        expected.resize(64, 0xFF);
        EXPECT_EQ(Hex(Image(layout::kNetzwerk, 64)), Hex(expected));
        NetzwerkParam back;
        ASSERT_TRUE(para.GetNetzwerk(2, back));
        EXPECT_EQ(std::to_string(back.node) + " " + std::to_string(back.release) + " " + std::to_string(back.automatic),
                  c.back);
    }
}

TEST_F(NetzRecordsTest, TransmissionConditionsKeepTheOtherBitsOfTheFlagByte)
{
    CParaDaten para;
    Sendebedingungen s;
    ASSERT_TRUE(para.GetSendebedingungen(2, s));
    s.onChange = 1;
    s.analog[3].blocking = 120;
    ExpectOnlyRangeChanged(layout::kSendebedingungen, 32, [&] { ASSERT_TRUE(para.SetSendebedingungen(2, s)); });
    std::vector<BYTE> expected = FromHex("FF 05 0A 1E 05 0A 1E 05 0A 1E 05 0A 1E 05 78");
    expected.resize(32, 0xFF);
    EXPECT_EQ(Hex(Image(layout::kSendebedingungen, 32)), Hex(expected));
    s.onChange = 0;
    ASSERT_TRUE(para.SetSendebedingungen(2, s));
    EXPECT_EQ(Hex(Image(layout::kSendebedingungen, 1)), "FE");
    // Reading keeps only bit 0 of the flag byte.
    Poke(layout::kSendebedingungen, {0xFA});
    ASSERT_TRUE(para.GetSendebedingungen(2, s));
    EXPECT_EQ(s.onChange, 0);
}

TEST_F(NetzRecordsTest, Repairs)
{
    CParaCheck check;
    for (auto [node, repaired] : {std::pair<BYTE, BYTE>{0, 1}, {1, 1}, {62, 62}, {63, 1}, {127, 1}}) {
        NetzwerkParam n{node, 7, 9};
        check.CheckNetzKnoten(n);
        EXPECT_EQ(n.node, repaired) << int(node);
        EXPECT_EQ(n.release, 7);
        EXPECT_EQ(n.automatic, 9);
    }

    const BYTE sendIn[15] = {9, 0, 121, 9, 0, 0, 251, 61, 121, 10, 60, 120, 250, 1, 1};
    Sendebedingungen s;
    std::memcpy(&s, sendIn, sizeof s);
    check.CheckNetzZeiten(s);
    EXPECT_EQ(Hex({reinterpret_cast<BYTE*>(&s), reinterpret_cast<BYTE*>(&s) + 15}),
              "09 05 0A 1E 05 0A 1E 05 0A 0A 3C 78 FA 01 01");

    BYTE timeouts[8] = {4, 5, 240, 241, 0, 255, 60, 100};
    check.CheckNetzTimeouts(timeouts);
    EXPECT_EQ(Hex({timeouts, timeouts + 8}), "3C 05 F0 3C 3C 3C 3C 64");

    // A network input cannot feed a network output; the number byte stays.
    Quelle sources[16] = {{99, 5}, {98, 3}, {47, 1}, {96, 33}, {0, 9}, {46, 10}, {100, 2}};
    sources[15] = {99, 32};
    check.CheckNetzAusgaengeDigital(sources);
    EXPECT_EQ(Describe(sources, 16), "0/5 98/3 0/1 96/33 0/9 46/10 0/2 0/0 0/0 0/0 0/0 0/0 0/0 0/0 0/0 0/32");

    NetzEingang inputs[16] = {{1, 63, 0}, {1, 62, 16}, {0, 0, 17}, {1, 127, 5}, {1, 5, 0}};
    inputs[15] = {1, 200, 200};
    check.CheckNetzEingaengeAnalog(inputs);
    EXPECT_EQ(Describe(inputs, 5), "0:0:1 1:62:16 0:0:1 0:0:5 1:5:1");
    EXPECT_EQ(Describe(inputs + 15, 1), "0:0:1");
}

TEST_F(NetzRecordsTest, NetworkInputsAndOutputSourcesAreStoredInPairs)
{
    NetzEingang inputs[16];
    for (int i = 0; i < 16; ++i)
        inputs[i] = {static_cast<BYTE>(i % 3), static_cast<BYTE>(i * 9), static_cast<BYTE>(i + 1)};
    CParaDaten para;
    ExpectOnlyRangeChanged(layout::kNetzEingaengeAnalog, 32, [&] { ASSERT_TRUE(para.SetNetzEingaengeAnalog(2, inputs)); });
    // Transport 2 counts as the data line; a node above 127 keeps its 7 bits.
    EXPECT_EQ(Hex(Image(layout::kNetzEingaengeAnalog, 8)), "00 01 89 02 92 03 1B 04");
    EXPECT_EQ(Hex(Image(layout::kNetzEingaengeAnalog + 30, 2)), "07 10");
    NetzEingang back[16];
    ASSERT_TRUE(para.GetNetzEingaengeAnalog(2, back));
    EXPECT_EQ(Describe(back, 4), "0:0:1 1:9:2 1:18:3 0:27:4");
    EXPECT_EQ(Describe(back + 15, 1), "0:7:16");

    Quelle sources[16];
    for (int i = 0; i < 16; ++i)
        sources[i] = {static_cast<BYTE>(200 + i), static_cast<BYTE>(i)};
    ExpectOnlyRangeChanged(layout::kNetzAusgaengeDigital, 32, [&] { ASSERT_TRUE(para.SetNetzAusgaengeDigital(2, sources)); });
    EXPECT_EQ(Hex(Image(layout::kNetzAusgaengeDigital, 4)), "C8 00 C9 01");
    Quelle read[16];
    ASSERT_TRUE(para.GetNetzAusgaengeDigital(2, read, false));
    EXPECT_EQ(Describe(read, 16), Describe(sources, 16));

    BYTE timeouts[8] = {1, 2, 3, 4, 5, 6, 7, 8};
    ExpectOnlyRangeChanged(layout::kNetzTimeouts, 32, [&] { ASSERT_TRUE(para.SetNetzTimeouts(2, timeouts)); });
    std::vector<BYTE> expected = FromHex("01 02 03 04 05 06 07 08");
    expected.resize(32, 0xFF);
    EXPECT_EQ(Hex(Image(layout::kNetzTimeouts, 32)), Hex(expected));
}

TEST_F(NetzRecordsTest, OutputSourcesCompletedFromTheDrawing)
{
    Quelle stored[16];
    for (int i = 0; i < 16; ++i)
        stored[i] = {2, static_cast<BYTE>(i + 1)};
    CParaDaten para;
    ASSERT_TRUE(para.SetNetzAusgaengeDigital(2, stored));
    ASSERT_TRUE(para.SetNetzAusgaengeAnalog(2, stored));

    // Without a drawing there is no network-output object: every entry is cleared.
    Quelle read[16];
    ASSERT_TRUE(para.GetNetzAusgaengeDigital(2, read, true));
    EXPECT_EQ(Describe(read, 16), Describe(std::vector<Quelle>(16).data(), 16));

    NetworkDrawing drawing;
    para.UseDrawing(&drawing);
    ASSERT_TRUE(para.GetNetzAusgaengeDigital(2, read, true));
    EXPECT_EQ(Describe(read, 3), "0/0 1/3 0/0");
    ASSERT_TRUE(para.GetNetzAusgaengeAnalog(2, read, true));
    EXPECT_EQ(Describe(read, 2), "7/2 0/0");
    ASSERT_TRUE(para.GetNetzAusgaengeAnalog(2, read, false));
    EXPECT_EQ(Describe(read, 16), Describe(stored, 16));
}

TEST_F(NetzRecordsTest, FailedReadsLeaveTheRecords)
{
    CParaDaten para;
    NetzwerkParam n{9, 9, 9};
    EXPECT_FALSE(para.GetNetzwerk(3, n));
    EXPECT_EQ(n.node, 9);
    Quelle sources[16] = {{5, 5}};
    EXPECT_FALSE(para.GetNetzAusgaengeDigital(3, sources, true));
    EXPECT_EQ(sources[0].kind, 5);
    NetzEingang inputs[16] = {{1, 2, 3}};
    EXPECT_FALSE(para.GetNetzEingaengeDigital(3, inputs));
    EXPECT_EQ(inputs[0].node, 2);
    BYTE timeouts[8] = {7};
    EXPECT_FALSE(para.GetNetzTimeouts(3, timeouts));
    EXPECT_EQ(timeouts[0], 7);
    EXPECT_FALSE(para.SetNetzTimeouts(3, timeouts));
}
