// The CAN data logging's source groups and time-out texts.
#include "StoreTestFolder.h"

#include "forms/plant/LoggingSources.h"
#include "resources/ValueLists.h"

namespace {

using plant::LoggingSourceGroups;

class LoggingSourcesTest : public StoreTestFolder {};

TEST_F(LoggingSourcesTest, TheTreeOffersEachFunctionUpToTheFirstEmptySlot)
{
    CParaDaten para;
    ASSERT_TRUE(para.CreateEmptyFile(CParaDaten::kWorkFile));
    // A timer (number 4), a heat meter (number 0), an empty slot 3, then a logic function nobody reaches.
    const FuncEntry entries[] = {{14, 0xFF, 4}, {12, 0xFF, 0}, {0, 0xFF, 0xFF}, {10, 0xFF, 1}};
    for (BYTE slot = 1; slot <= 4; ++slot)
        ASSERT_TRUE(para.SetFuncEntry(CParaDaten::kWorkFile, slot, entries[slot - 1]));
    std::string groups;
    for (const plant::SourceGroup& group : LoggingSourceGroups(para))
        groups += std::to_string(group.kind) + ":" + std::to_string(group.values) + " ";
    EXPECT_EQ(groups, "1:16 97:17 2:14 7:2 3:3 98:8 99:32 96:33 ");
}

TEST_F(LoggingSourcesTest, TimeoutTextsFollowTheTimeByte)
{
    const struct {
        int code;
        const char* text;
    } cases[] = {{10, "10 sec"},  {90, "90 sec"},  {91, "2.0 min"}, {106, "9.5 min"},
                 {107, "10 min"}, {156, "59 min"}, {157, "1.0 ore"}, {251, "48.0 ore"}};
    for (const auto& c : cases)
        EXPECT_EQ(resources::TimeByteText(c.code), c.text) << c.code;
}

}  // namespace
