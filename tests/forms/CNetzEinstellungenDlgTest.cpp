// The network settings dialog on a caller's three bytes: what it shows of them, what OK stores, and Cancel, which
// leaves them as they were.
#include "forms/dialogs/CNetzEinstellungenDlg.h"

#include "support/TestDriver.h"
#include "resources/ProductionIds.h"
#include "resources/Resources.h"

#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <string>

namespace {

using platform::TestDriver;
using Bytes = std::array<BYTE, 3>;

class CNetzEinstellungenDlgTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { resources::RegisterResources(); }

    INT_PTR Run(Bytes& bytes, std::function<void(TestDriver&, CDialog&)> action)
    {
        m_driver.WhenDialogRuns([&](CDialog& dlg) { action(m_driver, dlg); });
        CNetzEinstellungenDlg dialog(bytes.data());
        return dialog.DoModal();
    }

    TestDriver m_driver;
};

TEST_F(CNetzEinstellungenDlgTest, ShowsTheBytesAndOkStoresTheChoices)
{
    const struct {
        const char* name;
        Bytes in;
        const char* shown;  // node entry, release entry, automatic entry
        int pickNode;       // -1: no change
        INT_PTR button;
        Bytes out;
    } cases[] = {
        {"node 62 to 1", {62, 0, 0}, "  62|OFF|no", 0, IDOK, {1, 0, 0}},
        {"any non-zero flag is on and stored as 1", {5, 7, 200}, "   5|ON|s\xEC", -1, IDOK, {5, 1, 1}},
        {"a node outside 1..62 has no entry and stores 0", {0, 1, 0}, "|ON|no", -1, IDOK, {0, 1, 0}},
        {"cancel after changes", {9, 1, 1}, "   9|ON|s\xEC", 3, IDCANCEL, {9, 1, 1}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Bytes bytes = c.in;
        const INT_PTR result = Run(bytes, [&](TestDriver& d, CDialog& dlg) {
            const std::string shown = std::string(d.Text(dlg, IDC_NETZ_NODE)) + "|" +
                                      std::string(d.Text(dlg, IDC_NETZ_RELEASE)) + "|" +
                                      std::string(d.Text(dlg, IDC_NETZ_AUTOMATIC));
            EXPECT_EQ(shown, c.shown);
            EXPECT_EQ(d.Items(dlg, IDC_NETZ_NODE).size(), 62u);
            if (c.pickNode >= 0) {
                EXPECT_TRUE(d.Select(dlg, IDC_NETZ_NODE, c.pickNode));
                EXPECT_TRUE(d.Select(dlg, IDC_NETZ_RELEASE, 0));
            }
            EXPECT_TRUE(d.Click(dlg, static_cast<UINT>(c.button)));
        });
        EXPECT_EQ(result, c.button);
        EXPECT_EQ(bytes, c.out);
    }
}

}  // namespace
