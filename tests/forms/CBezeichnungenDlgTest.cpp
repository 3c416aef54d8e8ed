// The user-defined designations dialog as a person uses it: the list and its edits, the four refusals of Replace,
// and what OK and Cancel leave in working file 2.
#include "StoreTestFolder.h"

#include "forms/dialogs/CBezeichnungenDlg.h"
#include "platform/CEdit.h"
#include "support/TestDriver.h"
#include "platform/UserInput.h"
#include "resources/Messages.h"
#include "resources/ResourceIds.h"
#include "resources/Resources.h"
#include "store/ImageLayout.h"

#include <filesystem>
#include <functional>
#include <map>
#include <string>
#include <vector>

namespace {

using platform::TestDriver;

constexpr UINT kList = IDC_DESIGNATIONS_LIST;
constexpr UINT kEdit = IDC_DESIGNATIONS_EDIT;
constexpr UINT kReplace = IDC_DESIGNATIONS_REPLACE;
constexpr UINT kOk = IDC_DESIGNATIONS_OK;

std::vector<BYTE> StoredBlock()
{
    CParaDaten para;
    std::vector<BYTE> bytes(13 * 16);
    EXPECT_TRUE(para.ReadBytes(CParaDaten::kWorkFile, layout::kAreaEeprom, layout::UserBezeichnung(1), 13 * 16,
                               bytes.data()));
    return bytes;
}

// The text the list and the edit field show of a never-written designation n.
std::string Default(int n)
{
    char text[16];
    std::snprintf(text, sizeof text, "%2d - - - - -", n);
    return text;
}

class CBezeichnungenDlgTest : public StoreTestFolder {
protected:
    static void SetUpTestSuite() { resources::RegisterResources(); }
    void SetUp() override
    {
        StoreTestFolder::SetUp();
        Prepare();
    }
    // A new working copy with designations 1 and 2 written.
    void Prepare()
    {
        CParaDaten::ReleaseFiles();
        CParaDaten para;
        ASSERT_TRUE(para.CreateEmptyFile(CParaDaten::kWorkFile));
        // Out of alphabetical order: the sorted list must still keep each designation at its own position.
        ASSERT_TRUE(para.SetUserBezeichnung(CParaDaten::kWorkFile, 1, "Zeta"));
        ASSERT_TRUE(para.SetUserBezeichnung(CParaDaten::kWorkFile, 2, "Alfa"));
    }

    // Runs the dialog with the action inside its modal loop; gives DoModal's result.
    INT_PTR Run(std::function<void(CDialog&)> action)
    {
        m_driver.WhenDialogRuns(std::move(action));
        CBezeichnungenDlg dialog;
        return dialog.DoModal();
    }
    std::vector<std::string> BoxNumbers() const
    {
        std::vector<std::string> numbers;
        for (const platform::MessageBoxRequest& box : m_driver.MessageBoxes())
            numbers.push_back(box.caption.Mid(box.caption.GetLength() - 5).GetString());
        return numbers;
    }

    TestDriver m_driver;
};

}  // namespace

TEST_F(CBezeichnungenDlgTest, ShowsTheSixteenDesignationsAtTheirPositionsAndSelectingOneEditsItWithoutNotifying)
{
    ASSERT_EQ(Run([&](CDialog& dlg) {
        CString title;
        dlg.GetWindowText(title);
        EXPECT_EQ(title, "gestire le descrizioni personalizzate");
        EXPECT_EQ(m_driver.Text(dlg, IDC_BEZ_LABEL), "DEN.:");
        EXPECT_EQ(m_driver.Text(dlg, IDC_DESIGNATIONS_CAPTION), "sostituire con (max 12 caratteri):");
        EXPECT_EQ(m_driver.Text(dlg, kReplace), "Sostituire");
        EXPECT_EQ(m_driver.Text(dlg, kOk), "OK");
        EXPECT_EQ(m_driver.Text(dlg, IDCANCEL), "Annullare");
        std::vector<CString> items = m_driver.Items(dlg, kList);
        ASSERT_EQ(items.size(), 16u);
        EXPECT_EQ(items[0], "Zeta");
        EXPECT_EQ(items[1], "Alfa");
        for (int n = 3; n <= 16; ++n)
            EXPECT_EQ(items[n - 1], Default(n).c_str()) << n;
        EXPECT_FALSE(m_driver.Enabled(dlg, kReplace));
        EXPECT_EQ(CWnd::GetFocus(), TestDriver::Find(dlg, kList)) << "the list is the first tab stop";

        ASSERT_TRUE(m_driver.Select(dlg, kList, 1));
        EXPECT_EQ(m_driver.Text(dlg, kEdit), "Alfa");
        EXPECT_EQ(m_driver.CurSel(dlg, kList), 1) << "putting the text into the field sent nothing that replaced";
        EXPECT_TRUE(m_driver.Enabled(dlg, kReplace));
        auto* edit = static_cast<CEdit*>(TestDriver::Find(dlg, kEdit));
        int start = -1, end = -1;
        edit->GetSel(start, end);
        EXPECT_EQ(start, 0);
        EXPECT_EQ(end, 4) << "the whole text is selected";
        EXPECT_EQ(CWnd::GetFocus(), edit);
        m_driver.Click(dlg, IDCANCEL);
    }),
              IDCANCEL);
    EXPECT_TRUE(m_driver.MessageBoxes().empty());
}

TEST_F(CBezeichnungenDlgTest, EditsAndRefusalsAsAPersonMakesThem)
{
    struct Case {
        const char* name;
        std::function<void(TestDriver&, CDialog&)> act;  // ends with the button that closes the dialog
        std::vector<std::string> boxes;                  // message numbers, in order
        INT_PTR result;
        std::map<int, std::string> changed;              // designations that differ from the start after OK
    };
    const Case cases[] = {
        {"a selected entry takes the new text",
         [](TestDriver& d, CDialog& dlg) {
             d.Select(dlg, kList, 2);
             d.Type(dlg, kEdit, "Caldaia 1");
             EXPECT_TRUE(d.Click(dlg, kReplace));
             EXPECT_EQ(d.Items(dlg, kList)[2], "Caldaia 1");
             d.Click(dlg, kOk);
         },
         {}, IDOK, {{3, "Caldaia 1"}}},
        {"twelve characters are taken, a thirteenth is not",
         [](TestDriver& d, CDialog& dlg) {
             d.Select(dlg, kList, 0);
             d.Type(dlg, kEdit, "Tredici lette");
             EXPECT_EQ(d.Text(dlg, kEdit), "Tredici lett");
             d.Click(dlg, kReplace);
             d.Click(dlg, kOk);
         },
         {}, IDOK, {{1, "Tredici lett"}}},
        {"no entry selected",
         [](TestDriver& d, CDialog& dlg) {
             d.Type(dlg, kEdit, "Pompa");
             d.Click(dlg, kReplace);
             d.Click(dlg, kOk);
         },
         {"1.022"}, IDOK, {}},
        {"Enter puts a line break into the field, which the controller cannot show",
         [](TestDriver& d, CDialog& dlg) {
             d.Select(dlg, kList, 1);
             d.Type(dlg, kEdit, "AB");
             EXPECT_TRUE(d.Key(dlg, kEdit, VK_RETURN));
             EXPECT_EQ(d.Text(dlg, kEdit), "AB\r\n");
             d.Click(dlg, kReplace);
             d.Click(dlg, kOk);
         },
         {"1.023"}, IDOK, {}},
        {"a line break without a selected entry",
         [](TestDriver& d, CDialog& dlg) {
             d.Type(dlg, kEdit, "AB");
             d.Key(dlg, kEdit, VK_RETURN);
             d.Click(dlg, kReplace);
             d.Click(dlg, kOk);
         },
         {"1.022"}, IDOK, {}},
        {"accented letters, the degree sign and umlauts are refused",
         [](TestDriver& d, CDialog& dlg) {
             for (const char* text : {"Caffè", "20°C", "Küche", "ÖL"}) {
                 d.Select(dlg, kList, 3);
                 d.Type(dlg, kEdit, text);
                 d.Click(dlg, kReplace);
             }
             d.Click(dlg, kOk);
         },
         {"1.023", "1.023", "1.023", "1.023"}, IDOK, {}},
        {"an edit that leaves the text as it was replaces at once",
         [](TestDriver& d, CDialog& dlg) {
             d.Select(dlg, kList, 3);
             d.Type(dlg, kEdit, "Bagno");
             EXPECT_EQ(d.Items(dlg, kList)[3], Default(4).c_str()) << "typing alone replaces nothing";
             CWnd* edit = TestDriver::Find(dlg, kEdit);
             platform::UserInput::SelectText(*edit, 0, 1);
             d.Type(dlg, kEdit, "B");
             EXPECT_EQ(d.Items(dlg, kList)[3], "Bagno");
             d.Click(dlg, kOk);
         },
         {}, IDOK, {{4, "Bagno"}}},
        {"an emptied field cannot be used for Replace",
         [](TestDriver& d, CDialog& dlg) {
             d.Select(dlg, kList, 0);
             EXPECT_TRUE(d.Key(dlg, kEdit, VK_DELETE));
             EXPECT_EQ(d.Text(dlg, kEdit), "");
             EXPECT_FALSE(d.Enabled(dlg, kReplace));
             EXPECT_FALSE(d.Click(dlg, kReplace));
             d.Click(dlg, kOk);
         },
         {}, IDOK, {}},
        {"Enter on the list is the default button, OK",
         [](TestDriver& d, CDialog& dlg) { EXPECT_TRUE(d.Key(dlg, kList, VK_RETURN)); }, {}, IDOK, {}},
    };
    for (const Case& c : cases) {
        Prepare();
        m_driver.ClearPrompts();
        const INT_PTR result = Run([&](CDialog& dlg) { c.act(m_driver, dlg); });
        EXPECT_EQ(result, c.result) << c.name;
        EXPECT_EQ(BoxNumbers(), c.boxes) << c.name;
        CParaDaten para;
        const std::vector<BYTE> block = StoredBlock();
        for (int n = 1; n <= 16; ++n) {
            std::string expected = n == 1 ? "Zeta" : n == 2 ? "Alfa" : Default(n);
            if (c.changed.count(n))
                expected = c.changed.at(n);
            EXPECT_EQ(para.GetUserBezeichnung(CParaDaten::kWorkFile, static_cast<BYTE>(n)), expected.c_str())
                << c.name << ": designation " << n;
            EXPECT_EQ(block[13 * (n - 1) + 12], 0x01) << c.name << ": OK writes every designation, " << n;
        }
    }
}

TEST_F(CBezeichnungenDlgTest, MessagesAreWarningsOwnedByTheDialog)
{
    HWND dialog = nullptr;
    Run([&](CDialog& dlg) {
        dialog = dlg.m_hWnd;
        m_driver.Type(dlg, kEdit, "x");
        m_driver.Click(dlg, kReplace);
        m_driver.Click(dlg, IDCANCEL);
    });
    ASSERT_EQ(m_driver.MessageBoxes().size(), 1u);
    const platform::MessageBoxRequest& box = m_driver.MessageBoxes()[0];
    EXPECT_EQ(box.caption, messages::CaptionOf(messages::kDesignationNoneSelected));
    EXPECT_EQ(box.text, messages::Text(messages::kDesignationNoneSelected));
    EXPECT_EQ(box.flags, messages::kDesignationNoneSelected.flags);
    EXPECT_EQ(box.owner, dialog);
}

TEST_F(CBezeichnungenDlgTest, CancelAndEscapeWriteNothing)
{
    const std::vector<BYTE> before = StoredBlock();
    for (UINT key : {0u, static_cast<UINT>(VK_ESCAPE)}) {
        INT_PTR result = Run([&](CDialog& dlg) {
            m_driver.Select(dlg, kList, 0);
            m_driver.Type(dlg, kEdit, "Nuovo");
            m_driver.Click(dlg, kReplace);
            if (key)
                m_driver.Key(dlg, kList, key);
            else
                m_driver.Click(dlg, IDCANCEL);
        });
        EXPECT_EQ(result, IDCANCEL) << key;
        EXPECT_EQ(StoredBlock(), before) << key;
    }
}

TEST_F(CBezeichnungenDlgTest, AFailedWriteIsReportedAndTheDialogStaysOpen)
{
    const std::vector<BYTE> before = StoredBlock();
    bool stillOpen = false;
    INT_PTR result = Run([&](CDialog& dlg) {
        m_driver.Select(dlg, kList, 0);
        m_driver.Type(dlg, kEdit, "Nuovo");
        m_driver.Click(dlg, kReplace);
        CParaDaten::ReleaseFiles();
        std::filesystem::permissions(CParaDaten::GetFileName(CParaDaten::kWorkFile).GetString(),
                                     std::filesystem::perms::owner_write | std::filesystem::perms::group_write |
                                         std::filesystem::perms::others_write,
                                     std::filesystem::perm_options::remove);
        m_driver.Click(dlg, kOk);
        stillOpen = static_cast<CDialog&>(dlg).IsRunningModal();
        m_driver.Click(dlg, IDCANCEL);
    });
    EXPECT_TRUE(stillOpen);
    EXPECT_EQ(result, IDCANCEL);
    CParaDaten::ReleaseFiles();
    std::filesystem::permissions(CParaDaten::GetFileName(CParaDaten::kWorkFile).GetString(),
                                 std::filesystem::perms::owner_write, std::filesystem::perm_options::add);
    EXPECT_EQ(BoxNumbers(), std::vector<std::string> {"1.027"});
    EXPECT_EQ(StoredBlock(), before);
}
