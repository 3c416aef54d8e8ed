// The shared value lists: item counts, the texts at the edges of each scale step, and codes that match the items.
#include "resources/ValueLists.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct Spot {
    size_t index;
    const char* text;
    long code;
};

// Texts differ from item to item unless the list mixes units (the time bytes show 10 s and 10 min alike).
void ExpectList(const char* name, const resources::ValueList& list, size_t count, std::initializer_list<Spot> spots,
                bool distinctTexts = true)
{
    ASSERT_EQ(list.items.size(), count) << name;
    ASSERT_EQ(list.codes.size(), count) << name;
    for (const Spot& s : spots) {
        ASSERT_LT(s.index, count) << name;
        EXPECT_EQ(list.items[s.index], s.text) << name << " item " << s.index;
        EXPECT_EQ(list.codes[s.index], s.code) << name << " item " << s.index;
    }
    for (size_t i = 0; i < count; ++i)
        for (size_t j = 0; j < i; ++j) {
            EXPECT_NE(list.codes[i], list.codes[j]) << name << ": items " << j << " and " << i << " share a code";
            EXPECT_TRUE(!distinctTexts || list.items[i] != list.items[j]) << name << ": items " << j << " and " << i << " read alike";
        }
}

TEST(ValueListsTest, ListsHoldTheTemplatesItemsWithTheirStoredCodes)
{
    ExpectList("difference", resources::DifferenceList(), 256,
               {{0, "- 90", 128}, {13, "- 25", 141}, {14, "- 24", 142}, {28, "- 10", 156}, {29, "- 9.9", 157},
                {127, "- 0.1", 255}, {128, "  0.0", 0}, {129, "  0.1", 1}, {227, "  9.9", 99}, {228, "  10", 100},
                {243, "  25", 115}, {244, "  30", 116}, {255, "  85", 127}});
    ExpectList("mixer difference", resources::DifferenceList(-125, 127), 253, {{0, "- 75", 131}, {252, "  85", 127}});
    ExpectList("temperature", resources::TemperatureList(), 100,
               {{0, "    0", 0}, {9, "    9", 9}, {10, "  10", 10}, {99, "  99", 99}});
    ExpectList("hysteresis from 0.5 K", resources::HysteresisList(5), 111,
               {{0, "  0.5", 5}, {94, "  9.9", 99}, {95, "  10", 100}, {110, "  25", 115}});
    ExpectList("hysteresis from 0.1 K", resources::HysteresisList(1), 115, {{0, "  0.1", 1}, {114, "  25", 115}});
    ExpectList("times of day", resources::TimeOfDayList(), 144,
               {{0, "00.00", 0}, {1, "00.10", 1}, {42, "07.00", 42}, {143, "23.50", 143}});
    ExpectList("time bytes", resources::TimeByteList(127), 128,
               {{0, "    0", 0}, {90, "  90", 90}, {91, "2.0", 91}, {92, "2.5", 92}, {106, "9.5", 106},
                {107, "  10", 107}, {127, "  30", 127}},
               false);
    ExpectList("time bytes up to 48 hours", resources::TimeByteList(251), 252,
               {{156, "  59", 156}, {157, "1.0", 157}, {158, "1.5", 158}, {191, "18.0", 191}, {251, "48.0", 251}},
               false);
    ExpectList("times of day after a blank", resources::TimeOfDayList(" "), 144,
               {{0, " 00.00", 0}, {143, " 23.50", 143}});
    ExpectList("minutes", resources::NumberList(0, 120), 121, {{0, "    0", 0}, {120, "120", 120}});
    ExpectList("window setpoints", resources::NumberList(0, 90, 3), 91,
               {{0, "   0", 0}, {9, "   9", 9}, {10, " 10", 10}, {90, " 90", 90}});
    ExpectList("windows per program", resources::NumberList(1, 3, 2), 3, {{0, "  1", 1}, {2, "  3", 3}});
    ExpectList("narrow three digits", resources::NumberList(100, 100, 3), 1, {{0, "100", 100}});
    ExpectList("percent", resources::PercentList(), 101, {{100, "100", 100}});
    ExpectList("on/off", resources::OnOffList(), 2, {{0, "OFF", 0}, {1, "ON", 1}});
}

}  // namespace
