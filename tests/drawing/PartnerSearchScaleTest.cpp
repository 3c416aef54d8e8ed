// The partner search on duplicated wiring: two junctions, each repeated with a line of its own to each of many inputs,
// and the index over merge files whose groups repeat.
#include "DrawingTestSupport.h"

#include "drawing/CFeldDatei.h"
#include "drawing/CZeichnung.h"
#include "drawing/WiringIndex.h"

#include <chrono>

using namespace drawingtest;

namespace {

class PartnerSearchScaleTest : public InTempFolder {
protected:
    // n inputs (object 10 * i, connector 10 * i + 1) with two lines each, 100000 + i caught by a copy of junction 7
    // and 200000 + i by a copy of junction 5: every input is joined to every other one twice over.
    void Star(int n)
    {
        std::string objects;
        for (int i = 1; i <= n; ++i) {
            objects += Obj("rectangle", 10 * i, "Eingang$1", Connector(10 * i + 1, "Eingang", {100000 + i, 200000 + i}));
            objects += Obj("polylinie", 7, "Knotenpunkt", Connector(8, "Knoten", {100000 + i}));
            objects += Obj("polylinie", 5, "Knotenpunkt", Connector(6, "Knoten", {200000 + i}));
        }
        ASSERT_EQ(Parse(Doc(objects)), 0);
    }
    // Seconds of one search from the first input, the wiring files already read; its partners in *count.
    static double TimedSearch(int* count)
    {
        CZeichnung z;
        CVerbindungsListe partners;
        z.FindPartner(20, 21, partners);
        const auto start = std::chrono::steady_clock::now();
        *count = z.FindPartner(10, 11, partners);
        return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    }
};

TEST_F(PartnerSearchScaleTest, EveryInputOfARepeatedJunctionIsFoundInTimeGrowingWithTheNet)
{
    Star(5);
    CZeichnung z;
    CVerbindungsListe partners;
    ASSERT_EQ(z.FindPartner(10, 11, partners), 4);
    std::string order;
    for (int i = 0; i < partners.GetCount(); ++i)
        order += std::to_string(partners.GetAt(i)->objektId) + "/" + std::to_string(partners.GetAt(i)->pinId) + " ";
    EXPECT_EQ(order, "50/51 40/41 30/31 20/21 ");

    int small = 0, large = 0;
    Star(150);
    const double once = TimedSearch(&small);
    Star(600);
    const double fourTimes = TimedSearch(&large);
    EXPECT_EQ(small, 149);
    EXPECT_EQ(large, 599);
    // A cost that grew with the square of the net would be sixteen times as high, with the square of the net and its paths sixty-four times.
    EXPECT_LT(fourTimes, 8 * once + 0.02) << once << " s, four times the net " << fourTimes << " s";
}

}  // namespace

namespace {

// The index reads a merge file the same whether a record repeats its group byte for byte (shared lines) or has to
// be read field by field: the records below hold one junction's group of lines 1, 2, 3 as the import writes it,
// with the third record written with its count padded differently, then a group that breaks off after one record.
TEST_F(PartnerSearchScaleTest, TheIndexReadsRepeatedGroupsAsTheirFieldsSay)
{
    auto field = [](const char* text) { return std::string(text) + "\r\n"; };
    auto record = [&](const char* line, const char* junction, const char* count, std::vector<const char*> others) {
        std::string bytes = field(line) + field(junction) + field(count);
        for (const char* other : others) bytes += field(other);
        return bytes;
    };
    WriteFile("para/Connect2Node.tmp",
              record("       1", "       7", "       2", {"       2", "       3"}) +
                  record("       2", "       7", "       2", {"       3", "       1"}) +
                  record("       3", "       7", "2       ", {"       1", "       2"}) +
                  record("       4", "       9", "       1", {"       5"}) +
                  record("       6", "       9", "       1", {"       4"}));
    CFeldDatei node("para/Connect2Node.tmp");
    drawing::WiringIndex index(nullptr, nullptr, &node, nullptr);
    std::string read;
    for (const drawing::WiringIndex::Verbund& v : index.NodeRecords()) {
        read += std::to_string(v.linie) + "@" + std::to_string(v.knoten) + ":";
        for (int other : v.andere) read += " " + std::to_string(other);
        read += "; ";
    }
    EXPECT_EQ(read, "1@7: 2 3; 2@7: 3 1; 3@7: 1 2; 4@9: 5; 6@9: 4; ");
    EXPECT_EQ(index.NodeMatches(3), std::vector<int>{2});
    EXPECT_EQ(index.NodeMatches(4), std::vector<int>{3});
}

}  // namespace
