// Binding rows built from field rows: every byte scale converts a stored byte to its shown number and back
// exactly, an edit row accepts exactly the field's range as the scale shows it, the shared value lists show each
// code as the store reads it, and a test dialog bound by field rows round-trips a real record.
#include "store/FieldBinding.h"
#include "store/HeizungFields.h"
#include "store/RecordCodec.h"
#include "store/SolarFields.h"

#include "platform/CLocale.h"
#include "platform/CWnd.h"
#include "platform/DialogTemplate.h"
#include "platform/ResourceRegistry.h"
#include "support/TestDriver.h"
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

namespace {

// A test dialog bound to a real record through its field rows and the shared value lists, as a form will be.

constexpr UINT IDD_HZKR_PART = 9201;
constexpr UINT IDC_MODE = 401;
constexpr UINT IDC_OUTSIDE_MAX = 402;
constexpr UINT IDC_ROOM_HYST = 403;
constexpr UINT IDC_FLOW_OFF = 404;

class HzkrPartHost : public CWnd {
public:
    HzkrPartHost()
    {
        using platform::ControlClass;
        const resources::ValueList hyst = resources::HysteresisList(1);
        platform::ResourceRegistry::Instance().AddDialog(platform::DialogTemplate {
            IDD_HZKR_PART, WS_CHILD, {0, 0, 200, 100}, "", {},
            {
                {ControlClass::ComboBox, IDC_MODE, CBS_DROPDOWNLIST, {10, 10, 80, 60}, "",
                 {"STANDBY", "TEMPO/AUTO", "NORMALE", "ABBASSATO"}},
                {ControlClass::Edit, IDC_OUTSIDE_MAX, ES_AUTOHSCROLL | WS_BORDER, {10, 25, 40, 12}, ""},
                {ControlClass::ComboBox, IDC_ROOM_HYST, CBS_DROPDOWNLIST, {10, 40, 40, 60}, "", hyst.items},
                {ControlClass::Button, IDC_FLOW_OFF, BS_AUTOCHECKBOX, {10, 55, 40, 10}, "?"},
            }});
        CreateEx(0, nullptr, "Hzkr", WS_POPUP | WS_VISIBLE, CRect(0, 0, 300, 200), nullptr, 0);
        platform::CreateTemplateControls(this, *platform::ResourceRegistry::Instance().Dialog(IDD_HZKR_PART));
    }
    ~HzkrPartHost() override { DestroyWindow(); }

    HzkrRegParam record;

    void DoDataExchange(CDataExchange* dx) override
    {
        using record::Row;
        static const std::vector<platform::BindingRow> rows = {
            record::BindCombo(IDC_MODE, Row(record::kHzkrRegFields, offsetof(HzkrRegParam, mode))),
            record::BindEdit(IDC_OUTSIDE_MAX, Row(record::kHzkrRegFields, offsetof(HzkrRegParam, offOutsideMax))),
            record::BindCombo(IDC_ROOM_HYST, Row(record::kHzkrRegFields, offsetof(HzkrRegParam, offRoomHyst)),
                              resources::HysteresisList(1).codes),
            record::BindCheck(IDC_FLOW_OFF, Row(record::kHzkrRegFields, offsetof(HzkrRegParam, offFlowBelowMin))),
        };
        platform::ExchangeBindings(dx, record, rows);
    }
};

TEST(FieldBindingTest, ARecordRoundTripsThroughADialogBoundByItsFieldRows)
{
    HzkrPartHost host;
    platform::TestDriver driver;
    host.record.mode = kHzkrNormal;
    host.record.offOutsideMax = 236;  // -20 deg C
    host.record.offRoomHyst = 100;    // 10 K
    host.record.offFlowBelowMin = 1;
    ASSERT_TRUE(host.UpdateData(FALSE));
    EXPECT_EQ(driver.CurSel(host, IDC_MODE), 2);
    EXPECT_EQ(driver.Text(host, IDC_OUTSIDE_MAX), "-20");
    EXPECT_EQ(driver.CurSel(host, IDC_ROOM_HYST), 99);
    EXPECT_EQ(driver.Items(host, IDC_ROOM_HYST)[99], "  10");
    EXPECT_EQ(driver.Check(host, IDC_FLOW_OFF), BST_CHECKED);

    driver.Select(host, IDC_MODE, 3);
    driver.Replace(host, IDC_OUTSIDE_MAX, "-5");
    driver.Select(host, IDC_ROOM_HYST, 0);
    driver.Click(host, IDC_FLOW_OFF);
    ASSERT_TRUE(host.UpdateData(TRUE));
    EXPECT_EQ(host.record.mode, kHzkrAbgesenkt);
    EXPECT_EQ(host.record.offOutsideMax, 251);
    EXPECT_EQ(host.record.offRoomHyst, 1);
    EXPECT_EQ(host.record.offFlowBelowMin, 0);

    // -21 deg C lies outside the field's range: refused, the record unchanged.
    const HzkrRegParam before = host.record;
    driver.Select(host, IDC_MODE, 0);
    driver.Replace(host, IDC_OUTSIDE_MAX, "-21");
    EXPECT_FALSE(host.UpdateData(TRUE));
    EXPECT_EQ(host.record.mode, before.mode);
    EXPECT_EQ(host.record.offOutsideMax, before.offOutsideMax);
    ASSERT_EQ(driver.MessageBoxes().size(), 1u);
    EXPECT_EQ(driver.MessageBoxes()[0].text, "Please enter an integer between -20 and 99.");
}

}  // namespace
