// The partner search on duplicated wiring: two junctions, each repeated with a line of its own to each of many inputs.
#include "DrawingTestSupport.h"

#include "drawing/CZeichnung.h"

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
