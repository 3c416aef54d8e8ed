// Binding rows built from field rows: every byte scale converts a stored byte to its shown number and back
// exactly, and an edit row accepts exactly the field's range as the scale shows it.
#include "store/FieldBinding.h"
#include "store/HeizungFields.h"
#include "store/RecordCodec.h"
#include "store/SolarFields.h"

#include "platform/CLocale.h"
#include "resources/ValueLists.h"

#include <gtest/gtest.h>

namespace {

using record::Scale;

TEST(FieldBindingTest, EveryStoredByteShowsAsANumberThatStoresBackToTheSameValue)
{
    for (Scale scale : {Scale::Plain, Scale::Signed, Scale::Temperature, Scale::Difference, Scale::Hysteresis,
                        Scale::Duration, Scale::TimeOfDay, Scale::Tenths, Scale::Hundredths, Scale::TimesTen}) {
        const record::FieldInfo row = record::Ranged({"field", 0, 1}, scale, 0, 255, 0);
        const platform::TextScale text = record::TextScaleOf(row);
        for (long b = 0; b <= 255; ++b) {
            const long shown = record::ShownOf(row, b);
            long stored = shown;
            if (text.toStored) {
                ASSERT_TRUE(text.toStored(shown, stored)) << int(scale) << " byte " << b << " shown " << shown;
            }
            EXPECT_EQ(record::ShownOf(row, stored), shown) << int(scale) << " byte " << b;
        }
    }
}

TEST(FieldBindingTest, EditRowsAcceptTheFieldsRangeInTheShownUnit)
{
    struct Case {
        const record::FieldInfo& row;
        long shownLow, shownHigh;
        int decimals;
    };
    const Case cases[] = {
        {record::Row(record::kHzkrRegFields, offsetof(HzkrRegParam, roomNormal)), 0, 45, 0},
        {record::Row(record::kHzkrRegFields, offsetof(HzkrRegParam, offOutsideMax)), -20, 99, 0},
        {record::Row(record::kHzkrRegFields, offsetof(HzkrRegParam, offRoomHyst)), 1, 250, 1},
        {record::Row(record::kZirkulationFields, offsetof(ZirkulationParam, mixingDiff)), -850, 750, 1},
        {record::Row(record::kWmzFields, offsetof(WMZParam, lowerTemp)), -9999, 2499, 0},
        {record::Row(record::kStartfuncFields, offsetof(StartfuncParam, windowEnd)), 0, 1430, 0},
    };
    for (const Case& c : cases) {
        const platform::BindingRow edit = record::BindEdit(100, c.row);
        EXPECT_EQ(edit.shownLow, c.shownLow) << c.row.field.name;
        EXPECT_EQ(edit.shownHigh, c.shownHigh) << c.row.field.name;
        EXPECT_EQ(edit.scale.decimals, c.decimals) << c.row.field.name;
        EXPECT_EQ(edit.field.offset, c.row.field.offset) << c.row.field.name;
    }
    EXPECT_THROW(record::Row(record::kHzkrRegFields, offsetof(HzkrRegParam, reserved)), std::out_of_range);
}

TEST(FieldBindingTest, ComboRowsTakeTheFieldsOwnCodesUnlessAListIsGiven)
{
    const record::FieldInfo& mixer = record::Row(record::kHzkrRegFields, offsetof(HzkrRegParam, mixerOutputs));
    EXPECT_EQ(record::BindCombo(100, mixer).codes, (std::vector<long> {0, 3, 8, 10, 12}));
    EXPECT_EQ(record::BindCombo(100, mixer, {3, 8}).codes, (std::vector<long> {3, 8}));
    const record::FieldInfo& pump = record::Row(record::kHzkrRegFields, offsetof(HzkrRegParam, pumpOutputs));
    EXPECT_EQ(record::BindCheck(100, pump, 5).field.offset, offsetof(HzkrRegParam, pumpOutputs) + 5);
}

// The lists of the templates are generated beside the resources, below the store; they must show each code as
// the store's scale reads it.
TEST(FieldBindingTest, ValueListsShowEachCodeAsTheStoresScaleReadsIt)
{
    struct Case {
        const char* name;
        resources::ValueList list;
        int decimals;
        long (*shown)(BYTE code);
    };
    const Case cases[] = {
        {"difference", resources::DifferenceList(), 1, [](BYTE c) -> long { return record::DifferenceTenths(c); }},
        {"hysteresis", resources::HysteresisList(1), 1, [](BYTE c) -> long { return record::HysteresisTenths(c); }},
        {"temperature", resources::TemperatureList(), 0,
         [](BYTE c) -> long { return record::TemperatureCelsius(c); }},
    };
    for (const Case& c : cases)
        for (size_t i = 0; i < c.list.items.size(); ++i) {
            CString text = c.list.items[i];
            text.Remove(' ');
            long shown = 0;
            ASSERT_TRUE(platform::ParseShown(text, c.decimals, shown)) << c.name << " item " << i;
            EXPECT_EQ(shown, c.shown(static_cast<BYTE>(c.list.codes[i])))
                << c.name << " item " << i << " \"" << c.list.items[i].GetString() << "\"";
        }
    const resources::ValueList times = resources::TimeOfDayList();
    for (size_t i = 0; i < times.items.size(); ++i) {
        const int minutes = record::TimeOfDayMinutes(static_cast<BYTE>(times.codes[i]));
        EXPECT_EQ(times.items[i], platform::FormatC("%02d.%02d", minutes / 60, minutes % 60)) << i;
    }
}

}  // namespace
