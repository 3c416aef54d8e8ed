// Data exchange by table: an edit with a decimal scale, a signed edit, a combo by value list (with a stored code in
// none of its items), a check box; refusals that leave the record unchanged; no handler during UpdateData.
#include "platform/CButton.h"
#include "platform/CComboBox.h"
#include "platform/CEdit.h"
#include "platform/CWnd.h"
#include "platform/DataBinding.h"
#include "platform/DialogTemplate.h"
#include "platform/ResourceRegistry.h"
#include "support/TestDriver.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <string>
#include <vector>

namespace {

constexpr UINT IDD_BINDING = 9101;
constexpr UINT IDC_TENTHS = 301;
constexpr UINT IDC_OFFSET = 302;
constexpr UINT IDC_OUTPUT = 303;
constexpr UINT IDC_ENABLED = 304;

// The record of the test dialog: a hysteresis in tenths of a kelvin (0.5..25.0 K), a signed offset (-20..99), an
// output pair by its first output, a flag.
struct TestRecord {
    BYTE hysteresis = 0;
    BYTE offset = 0;
    BYTE output = 0;
    BYTE enabled = 0;
};

const std::vector<long> kOutputCodes = {0, 3, 8, 10, 12};

// Tenths of a kelvin shown with one decimal; stored as they are.
const platform::TextScale kTenths {1};
// A signed byte.
long SignedByte(long stored)
{
    return static_cast<signed char>(stored);
}
bool FromSigned(long shown, long& stored)
{
    stored = shown & 0xFF;
    return true;
}
const platform::TextScale kSigned {0, SignedByte, FromSigned};

const std::vector<platform::BindingRow>& Rows()
{
    static const std::vector<platform::BindingRow> rows = {
        platform::EditBinding(IDC_TENTHS, {offsetof(TestRecord, hysteresis), 1, false}, kTenths, 5, 250),
        platform::EditBinding(IDC_OFFSET, {offsetof(TestRecord, offset), 1, false}, kSigned, -20, 99),
        platform::ComboBinding(IDC_OUTPUT, {offsetof(TestRecord, output), 1, false}, kOutputCodes),
        platform::CheckBinding(IDC_ENABLED, {offsetof(TestRecord, enabled), 1, false}),
    };
    return rows;
}

void RegisterBindingTemplate()
{
    using platform::ControlClass;
    platform::DialogTemplate t;
    t.id = IDD_BINDING;
    t.style = WS_CHILD;
    t.rect = {0, 0, 200, 100};
    t.controls = {
        {ControlClass::Edit, IDC_TENTHS, ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP, {10, 10, 60, 12}, ""},
        {ControlClass::Edit, IDC_OFFSET, ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP, {10, 25, 60, 12}, ""},
        {ControlClass::ComboBox, IDC_OUTPUT, CBS_DROPDOWNLIST | WS_TABSTOP, {10, 40, 60, 60}, "",
         {"none", "3-4", "8-9", "10-11", "12-13"}},
        {ControlClass::Button, IDC_ENABLED, BS_AUTOCHECKBOX | WS_TABSTOP, {10, 55, 60, 10}, "on"},
    };
    platform::ResourceRegistry::Instance().AddDialog(t);
}

// A window with the test template whose DoDataExchange is the binding table; it counts every notification.
class BindingHost : public CWnd {
public:
    BindingHost()
    {
        RegisterBindingTemplate();
        CreateEx(0, nullptr, "Binding", WS_POPUP | WS_VISIBLE, CRect(0, 0, 400, 300), nullptr, 0);
        platform::CreateTemplateControls(this, *platform::ResourceRegistry::Instance().Dialog(IDD_BINDING));
    }
    ~BindingHost() override { DestroyWindow(); }

    TestRecord record;
    std::vector<std::string> notifications;

    void DoDataExchange(CDataExchange* dx) override { platform::ExchangeBindings(dx, record, Rows()); }

protected:
    void Note(UINT id, const char* code) { notifications.push_back(std::to_string(id) + ":" + code); }
    void OnEditChange(UINT id) { Note(id, "EN_CHANGE"); }
    void OnEditUpdate(UINT id) { Note(id, "EN_UPDATE"); }
    void OnSelChange(UINT id) { Note(id, "CBN_SELCHANGE"); }
    void OnSelEndOk(UINT id) { Note(id, "CBN_SELENDOK"); }
    void OnClicked(UINT id) { Note(id, "BN_CLICKED"); }

    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(BindingHost, CWnd)
    ON_CONTROL_RANGE(EN_CHANGE, IDC_TENTHS, IDC_OFFSET, OnEditChange)
    ON_CONTROL_RANGE(EN_UPDATE, IDC_TENTHS, IDC_OFFSET, OnEditUpdate)
    ON_CONTROL_RANGE(CBN_SELCHANGE, IDC_OUTPUT, IDC_OUTPUT, OnSelChange)
    ON_CONTROL_RANGE(CBN_SELENDOK, IDC_OUTPUT, IDC_OUTPUT, OnSelEndOk)
    ON_CONTROL_RANGE(BN_CLICKED, IDC_ENABLED, IDC_ENABLED, OnClicked)
END_MESSAGE_MAP()

std::string Bytes(const TestRecord& r)
{
    return std::to_string(r.hysteresis) + " " + std::to_string(r.offset) + " " + std::to_string(r.output) + " " +
           std::to_string(r.enabled);
}

TEST(DataBindingTest, LoadingShowsEveryRowWithoutNotifying)
{
    struct Case {
        TestRecord record;
        const char* tenths;
        const char* offset;
        int comboIndex;
        int check;
    };
    const Case cases[] = {
        {{80, 5, 8, 1}, "8.0", "5", 2, BST_CHECKED},
        {{5, 236, 0, 0}, "0.5", "-20", 0, BST_UNCHECKED},
        {{250, 99, 12, 1}, "25.0", "99", 4, BST_CHECKED},
        {{123, 255, 7, 0}, "12.3", "-1", -1, BST_UNCHECKED},  // 7 is no code of the list: no selection
    };
    for (const Case& c : cases) {
        BindingHost host;
        platform::TestDriver driver;
        host.record = c.record;
        ASSERT_TRUE(host.UpdateData(FALSE)) << Bytes(c.record);
        EXPECT_EQ(driver.Text(host, IDC_TENTHS), c.tenths) << Bytes(c.record);
        EXPECT_EQ(driver.Text(host, IDC_OFFSET), c.offset) << Bytes(c.record);
        EXPECT_EQ(driver.CurSel(host, IDC_OUTPUT), c.comboIndex) << Bytes(c.record);
        EXPECT_EQ(driver.Check(host, IDC_ENABLED), c.check) << Bytes(c.record);
        EXPECT_TRUE(host.notifications.empty()) << Bytes(c.record) << ": " << host.notifications.front();
        EXPECT_TRUE(driver.MessageBoxes().empty());
    }
}

TEST(DataBindingTest, SavingStoresWhatThePersonEnteredOrRefusesItWhole)
{
    struct Case {
        const char* name;
        const char* tenths;
        const char* offset;
        int comboIndex;     // selected by the person; -1 leaves the combo as loaded
        bool click;         // toggles the check box
        bool accepted;
        TestRecord expected;
        UINT focus;         // the control that has the focus after a refusal
    };
    // Loaded from {80, 5, 7, 0}: output 7 is in no item, so the combo starts without a selection.
    const Case cases[] = {
        {"all changed", "12.5", "-3", 3, true, true, {125, 253, 10, 1}, 0},
        {"unchanged texts, no selection keeps the unknown code", "8.0", "5", -1, false, true, {80, 5, 7, 0}, 0},
        {"whole number in a tenths field", " 25 ", "99", 0, false, true, {250, 99, 0, 0}, 0},
        {"lowest values", "0.5", "-20", 4, true, true, {5, 236, 12, 1}, 0},
        {"below the range", "0.4", "0", 1, true, false, {80, 5, 7, 0}, IDC_TENTHS},
        {"above the range", "25.1", "0", 1, true, false, {80, 5, 7, 0}, IDC_TENTHS},
        {"too many decimals", "1.25", "0", 1, true, false, {80, 5, 7, 0}, IDC_TENTHS},
        {"no number", "abc", "0", 1, true, false, {80, 5, 7, 0}, IDC_TENTHS},
        {"second row refused after the first was read", "9.9", "100", 1, true, false, {80, 5, 7, 0}, IDC_OFFSET},
        {"empty signed field", "9.9", "", 1, true, false, {80, 5, 7, 0}, IDC_OFFSET},
    };
    for (const Case& c : cases) {
        BindingHost host;
        platform::TestDriver driver;
        host.record = {80, 5, 7, 0};
        ASSERT_TRUE(host.UpdateData(FALSE)) << c.name;
        driver.Replace(host, IDC_TENTHS, c.tenths);
        driver.Replace(host, IDC_OFFSET, c.offset);
        if (c.comboIndex >= 0)
            driver.Select(host, IDC_OUTPUT, c.comboIndex);
        if (c.click)
            driver.Click(host, IDC_ENABLED);
        host.notifications.clear();
        EXPECT_EQ(host.UpdateData(TRUE), c.accepted) << c.name;
        EXPECT_EQ(Bytes(host.record), Bytes(c.expected)) << c.name;
        EXPECT_TRUE(host.notifications.empty()) << c.name << ": " << host.notifications.front();
        EXPECT_EQ(driver.MessageBoxes().size(), c.accepted ? 0u : 1u) << c.name;
        if (!c.accepted) {
            ASSERT_NE(CWnd::GetFocus(), nullptr) << c.name;
            EXPECT_EQ(CWnd::GetFocus()->GetDlgCtrlID(), static_cast<int>(c.focus)) << c.name;
        }
    }
}

TEST(DataBindingTest, RangeWarningShowsTheRangeInTheScale)
{
    BindingHost host;
    platform::TestDriver driver;
    host.record = {80, 5, 0, 0};
    ASSERT_TRUE(host.UpdateData(FALSE));
    driver.Replace(host, IDC_TENTHS, "30");
    EXPECT_FALSE(host.UpdateData(TRUE));
    ASSERT_EQ(driver.MessageBoxes().size(), 1u);
    EXPECT_EQ(driver.MessageBoxes()[0].text, "Please enter a number between 0.5 and 25.0.");
    EXPECT_TRUE(driver.MessageBoxes()[0].flags & MB_ICONEXCLAMATION);

    driver.ClearPrompts();
    driver.Replace(host, IDC_TENTHS, "3");
    driver.Replace(host, IDC_OFFSET, "-21");
    EXPECT_FALSE(host.UpdateData(TRUE));
    ASSERT_EQ(driver.MessageBoxes().size(), 1u);
    EXPECT_EQ(driver.MessageBoxes()[0].text, "Please enter an integer between -20 and 99.");
}

TEST(DataBindingTest, ShownNumbersRoundTripThroughText)
{
    struct Case {
        const char* text;
        int decimals;
        bool readable;
        long shown;
        const char* formatted;
    };
    const Case cases[] = {
        {"12.5", 1, true, 125, "12.5"}, {"-0.5", 1, true, -5, "-0.5"}, {"7", 2, true, 700, "7.00"},
        {"2.5", 2, true, 250, "2.50"},  {"+3", 0, true, 3, "3"},       {"3.", 1, true, 30, "3.0"},
        {"1.5", 0, false, 0, ""},       {"-", 1, false, 0, ""},        {".", 1, false, 0, ""},
        {"1 2", 0, false, 0, ""},       {"1e3", 0, false, 0, ""},      {"99999999999", 0, false, 0, ""},
    };
    for (const Case& c : cases) {
        long shown = 0;
        EXPECT_EQ(platform::ParseShown(c.text, c.decimals, shown), c.readable) << c.text;
        if (c.readable) {
            EXPECT_EQ(shown, c.shown) << c.text;
            EXPECT_EQ(platform::FormatShown(shown, c.decimals), c.formatted) << c.text;
        }
    }
}

}  // namespace
