// Progress ranges: positions set on the control through top-level and nested ranges.
#include "texts/CFortschritt.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <vector>

namespace {

class RecordingControl : public ProgressPosition {
public:
    void SetPos(int position) override { positions.push_back(position); }
    std::vector<int> positions;
};

}  // namespace

TEST(CFortschrittTest, TopLevelAndNestedRangesMapOntoPositions)
{
    struct Case {
        int from, to;                 // top level on the control
        std::vector<int> nested;      // from, to pairs of nested ranges, outermost first
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
        {0, 100, {}, -10.0f, -10},   // not clamped here: the control clamps
        {0, 100, {}, 150.0f, 150},
        {100, 0, {}, 25.0f, 75},     // a falling range
        {0, 10, {}, -15.0f, -1},     // truncation toward zero
    };
    for (const Case& c : cases) {
        RecordingControl control;
        CFortschritt top(&control, c.from, c.to);
        std::vector<CFortschritt> chain;
        chain.reserve(c.nested.size() / 2);
        CFortschritt* range = &top;
        for (size_t i = 0; i + 1 < c.nested.size(); i += 2) {
            chain.emplace_back(range, c.nested[i], c.nested[i + 1]);
            range = &chain.back();
        }
        range->SetProzent(c.percent);
        ASSERT_EQ(control.positions.size(), 1u);
        EXPECT_EQ(control.positions[0], c.position) << c.from << ".." << c.to << " at " << c.percent;
    }
}

TEST(CFortschrittTest, SlotsOfAMeasurementDriveTheBarToItsEnd)
{
    RecordingControl control;
    CFortschritt range(&control, 0, 100);
    for (int slot = 1; slot <= 44; ++slot)
        range.SetProzent(static_cast<float>(slot) / 44.0f * 100.0f);
    ASSERT_EQ(control.positions.size(), 44u);
    EXPECT_EQ(control.positions[9], 22);  // 10 / 44 * 100 = 22.7
    EXPECT_EQ(control.positions.back(), 100);
}

TEST(CFortschrittTest, PositionsBeyondTheIntegerRangeStayDefined)
{
    RecordingControl control;
    CFortschritt range(&control, 0, 100);
    range.SetProzent(1e30f);
    range.SetProzent(-1e30f);
    range.SetProzent(std::nanf(""));
    EXPECT_EQ(control.positions, (std::vector<int>{INT_MAX, INT_MIN, 0}));
    CFortschritt detached(static_cast<ProgressPosition*>(nullptr), 0, 100);
    detached.SetProzent(50.0f);  // a range without a control moves nothing
}
