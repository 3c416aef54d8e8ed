// Dialog data exchange: values to controls and back, numbers in the C locale, values that cannot be read, radio
// groups, indexes and control binding.
#include "WindowTestTemplates.h"

#include "platform/CButton.h"
#include "platform/CComboBox.h"
#include "platform/CEdit.h"
#include "support/TestDriver.h"

#include <gtest/gtest.h>

#include <clocale>
#include <functional>

using namespace windowtest;

namespace {

// The recording host with an exchange the test chooses.
class ExchangeHost : public RecordingHost {
public:
    std::function<void(CDataExchange*)> exchange;
    void DoDataExchange(CDataExchange* dx) override { exchange(dx); }
};

template <class T>
struct NumberCase {
    const char* name;
    T loaded;             // member value written to the control
    const char* shown;    // the control's text afterwards
    const char* typed;    // what the user types then
    bool readable;        // whether UpdateData(TRUE) succeeds
    T read;               // the member afterwards
};

template <class T>
void CheckNumbers(const std::vector<NumberCase<T>>& cases)
{
    for (const NumberCase<T>& c : cases) {
        ExchangeHost host;
        platform::TestDriver driver;
        T member = c.loaded;
        CString after = "kept";
        host.exchange = [&](CDataExchange* dx) {
            DDX_Text(dx, IDC_EDIT, member);
            DDX_Text(dx, IDC_MULTILINE, after);
        };
        ASSERT_TRUE(host.UpdateData(FALSE)) << c.name;
        EXPECT_EQ(driver.Text(host, IDC_EDIT), c.shown) << c.name;
        driver.Replace(host, IDC_EDIT, c.typed);
        driver.Replace(host, IDC_MULTILINE, "changed");
        EXPECT_EQ(host.UpdateData(TRUE), c.readable) << c.name;
        EXPECT_EQ(member, c.read) << c.name;
        EXPECT_EQ(after, c.readable ? "changed" : "kept") << c.name << ": the exchange stops at a value it cannot read";
        EXPECT_EQ(driver.MessageBoxes().size(), c.readable ? 0u : 1u) << c.name;
        EXPECT_TRUE(host.trace.empty() || host.trace.back().find("EN_") != std::string::npos);
    }
}

TEST(DataExchangeTest, IntegersRoundTrip)
{
    CheckNumbers<int>({
        {"negative", -5, "-5", " 42 ", true, 42},
        {"letters after the number", 7, "7", "12x", false, 7},
        {"empty field", 7, "7", "", false, 7},
        {"too large for int", 1, "1", "3000000000", false, 1},
    });
    CheckNumbers<short>({{"short range", 3, "3", "40000", false, 3}});
    CheckNumbers<long>({{"long", -70000, "-70000", "123", true, 123}});
}

TEST(DataExchangeTest, UnsignedNumbersRoundTrip)
{
    CheckNumbers<UINT>({
        {"positive", 7, "7", "9", true, 9},
        {"negative refused", 7, "7", "-1", false, 7},
    });
    CheckNumbers<BYTE>({
        {"largest byte", 255, "255", "0", true, 0},
        {"beyond a byte", 1, "1", "256", false, 1},
    });
    CheckNumbers<DWORD>({{"dword", 4000000000ul, "4000000000", "12", true, 12}});
}

TEST(DataExchangeTest, RealNumbersUseTheCLocaleWhateverTheProcessLocale)
{
    // A toolkit may set a locale with a decimal comma; the exchange must not follow it.
    std::setlocale(LC_NUMERIC, "de_DE.UTF-8");
    CheckNumbers<double>({
        {"decimal point", 1.29, "1.29", "2.5", true, 2.5},
        {"decimal comma refused", 1.29, "1.29", "2,5", false, 1.29},
    });
    CheckNumbers<float>({{"float", 0.5f, "0.5", "3.25", true, 3.25f}});
    std::setlocale(LC_NUMERIC, "C");
}

TEST(DataExchangeTest, ChecksRadioGroupsAndIndexesRoundTrip)
{
    RecordingHost host;
    platform::TestDriver driver;
    host.m_check = BST_CHECKED;
    host.m_radio = 1;
    host.m_comboIndex = 2;
    CButton* other = dynamic_cast<CButton*>(host.GetDlgItem(IDC_RADIO_OTHER));
    other->SetCheck(BST_CHECKED);
    ASSERT_TRUE(host.UpdateData(FALSE));
    EXPECT_EQ(driver.Check(host, IDC_AUTOCHECK), BST_CHECKED);
    EXPECT_EQ(driver.Check(host, IDC_RADIO_A), BST_UNCHECKED);
    EXPECT_EQ(driver.Check(host, IDC_RADIO_B), BST_CHECKED);
    EXPECT_EQ(driver.Check(host, IDC_RADIO_C), BST_UNCHECKED);
    EXPECT_EQ(driver.Check(host, IDC_RADIO_OTHER), BST_CHECKED) << "the next group is not touched";
    EXPECT_EQ(driver.CurSel(host, IDC_COMBO), 2);

    driver.Click(host, IDC_AUTOCHECK);
    driver.Click(host, IDC_RADIO_C);
    driver.Select(host, IDC_COMBO, 0);
    ASSERT_TRUE(host.UpdateData(TRUE));
    EXPECT_EQ(host.m_check, BST_UNCHECKED);
    EXPECT_EQ(host.m_radio, 2);
    EXPECT_EQ(host.m_comboIndex, 0);

    host.m_radio = -1;
    host.m_comboIndex = 7;
    ASSERT_TRUE(host.UpdateData(FALSE));
    for (UINT id : {IDC_RADIO_A, IDC_RADIO_B, IDC_RADIO_C})
        EXPECT_EQ(driver.Check(host, id), BST_UNCHECKED) << "-1 unchecks every button of the group";
    ASSERT_TRUE(host.UpdateData(TRUE));
    EXPECT_EQ(host.m_radio, -1) << "no button checked reads as -1";
    EXPECT_EQ(host.m_comboIndex, -1) << "an index the list cannot show leaves no selection";
}

TEST(DataExchangeTest, ControlMemberIsTheTemplatesControl)
{
    ExchangeHost host;
    platform::TestDriver driver;
    CComboBox member;
    CEdit edit;
    host.exchange = [&](CDataExchange* dx) {
        DDX_Control(dx, IDC_COMBO, member);
        DDX_Control(dx, IDC_EDIT, edit);
        CString text = "abcdef";
        DDX_Text(dx, IDC_EDIT, text);
        DDV_MaxChars(dx, text, 8);
    };
    ASSERT_TRUE(host.UpdateData(FALSE));
    ASSERT_NE(member.m_hWnd, nullptr);
    HWND bound = member.m_hWnd;
    ASSERT_TRUE(host.UpdateData(FALSE));
    EXPECT_EQ(member.m_hWnd, bound) << "binding happens once";

    member.SetCurSel(1);
    EXPECT_EQ(driver.CurSel(host, IDC_COMBO), 1);
    driver.Select(host, IDC_COMBO, 2);
    EXPECT_EQ(member.GetCurSel(), 2);
    EXPECT_EQ(host.Trace(), "150:CBN_DROPDOWN/1 150:CBN_SELENDOK/2 150:CBN_CLOSEUP/2 150:CBN_SELCHANGE/2")
        << "notifications still reach the host";

    EXPECT_EQ(edit.GetLimitText(), 8u) << "DDV_MaxChars limits the field when loading";
    driver.Type(host, IDC_EDIT, "xyz");
    CString text;
    edit.GetWindowText(text);
    EXPECT_EQ(text, "xyabcdef") << "typing at the caret stops at the limit";
}

}  // namespace
