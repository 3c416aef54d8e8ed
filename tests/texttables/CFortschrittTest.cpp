// Progress ranges: positions set on a progress bar through top-level and nested ranges.
#include "texttables/CFortschritt.h"

#include "platform/CProgressCtrl.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <vector>

namespace {

// A progress bar whose range admits every position, so the mapping shows unclamped.
struct OpenBar {
    OpenBar()
    {
        EXPECT_TRUE(bar.Create(WS_CHILD, CRect(0, 0, 100, 10), nullptr, 1));
        bar.SetRange32(INT_MIN, INT_MAX);
        bar.SetPos(-12345);
    }
    CProgressCtrl bar;
};

}  // namespace

TEST(CFortschrittTest, TopLevelAndNestedRangesMapOntoPositions)
{
    struct Case {
        int from, to;             // top level on the bar
        std::vector<int> nested;  // from, to pairs of nested ranges, outermost first
        float percent;
        int position;
    };
    const Case cases[] = {
        {0, 100, {}, 2.27f, 2},  // truncated, not rounded
        {0, 100, {}, 99.99f, 99},
        {10, 20, {}, 50.0f, 15},
        {0, 100, {6, 94}, 0.0f, 6},
        {0, 100, {6, 94}, 50.0f, 50},
        {0, 100, {6, 94}, 100.0f, 94},
        {0, 100, {6, 94, 12, 100}, 0.0f, 16},  // 6 + 88 * 12 / 100 = 16.56
        {0, 100, {6, 94, 12, 100}, 100.0f, 94},
        {0, 100, {}, -10.0f, -10},  // not clamped by the range
        {0, 100, {}, 150.0f, 150},
        {100, 0, {}, 25.0f, 75},    // a falling range
        {0, 10, {}, -15.0f, -1},    // truncation toward zero
    };
    for (const Case& c : cases) {
        OpenBar open;
        CFortschritt top(&open.bar, c.from, c.to);
        std::vector<CFortschritt> chain;
        chain.reserve(c.nested.size() / 2);
        CFortschritt* range = &top;
        for (size_t i = 0; i + 1 < c.nested.size(); i += 2) {
            chain.emplace_back(range, c.nested[i], c.nested[i + 1]);
            range = &chain.back();
        }
        range->SetProzent(c.percent);
        EXPECT_EQ(open.bar.GetPos(), c.position) << c.from << ".." << c.to << " at " << c.percent;
    }
}

TEST(CFortschrittTest, SlotsOfAMeasurementDriveTheBarToItsEnd)
{
    CProgressCtrl bar;
    ASSERT_TRUE(bar.Create(WS_CHILD, CRect(0, 0, 100, 10), nullptr, 1));
    CFortschritt range(&bar, 0, 100);
    std::vector<int> positions;
    for (int slot = 1; slot <= 44; ++slot) {
        range.SetProzent(static_cast<float>(slot) / 44.0f * 100.0f);
        positions.push_back(bar.GetPos());
    }
    EXPECT_EQ(positions[9], 22);  // 10 / 44 * 100 = 22.7
    EXPECT_EQ(positions.back(), 100);
    range.SetProzent(150.0f);
    EXPECT_EQ(bar.GetPos(), 100) << "the bar clamps to its own range";
}

TEST(CFortschrittTest, PositionsBeyondTheIntegerRangeStayDefined)
{
    OpenBar open;
    CFortschritt range(&open.bar, 0, 100);
    range.SetProzent(1e30f);
    EXPECT_EQ(open.bar.GetPos(), INT_MAX);
    range.SetProzent(-1e30f);
    EXPECT_EQ(open.bar.GetPos(), INT_MIN);
    range.SetProzent(std::nanf(""));
    EXPECT_EQ(open.bar.GetPos(), 0);
    CFortschritt detached(static_cast<CProgressCtrl*>(nullptr), 0, 100);
    detached.SetProzent(50.0f);  // a range without a bar moves nothing
}
