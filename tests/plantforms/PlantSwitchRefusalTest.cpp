// Edits that are written into the working copy before the person moves on (switching the input or output shown,
// OK of the anti-seize dialog) on a working copy that cannot be written: the person is warned and stays where the
// edits are, and they are written once the copy can be written again.
#include "StoreTestFolder.h"
#include "UnexpectedEnd.h"

#include "forms/plant/CAntiblockierDlg.h"
#include "forms/plant/CAusgang.h"
#include "forms/plant/CEingang.h"
#include "platform/CFrameWnd.h"
#include "resources/Messages.h"
#include "resources/PlantIds.h"
#include "resources/ResourceIds.h"
#include "resources/Resources.h"
#include "support/TestDriver.h"

#include <sys/stat.h>

#include <functional>

namespace {

using platform::TestDriver;

constexpr const char* kWorkingCopy = "para/morv9274.par";

class PlantSwitchRefusalTest : public StoreTestFolder {
protected:
    static void SetUpTestSuite()
    {
        resources::RegisterResources();
        plantforms_test::FailEndsOfThisProcess();
    }

    void SetUp() override
    {
        StoreTestFolder::SetUp();
        CParaDaten para;
        ASSERT_TRUE(para.CreateEmptyFile(CParaDaten::kWorkFile));
        ASSERT_TRUE(para.CreateEmptyFile(CParaDaten::kParaFile));
    }

    static void Lock(bool locked)
    {
        CParaDaten::ReleaseFiles();
        ASSERT_EQ(chmod(kWorkingCopy, locked ? 0444 : 0644), 0);
    }

    void ExpectOneRefusal(size_t before)
    {
        ASSERT_EQ(m_driver.MessageBoxes().size(), before + 1);
        EXPECT_EQ(m_driver.MessageBoxes().back().caption, messages::CaptionOf(messages::kFunctionSaveFailed));
        EXPECT_EQ(m_driver.MessageBoxes().back().text, messages::Text(messages::kFunctionSaveFailed));
    }

    TestDriver m_driver;
};

TEST_F(PlantSwitchRefusalTest, SwitchingThatCannotWriteTheShownRecordWarnsAndStaysWithItsEdits)
{
    struct Form {
        const char* name;
        std::function<CFormView*()> make;
        UINT numbers;  // the number list; item k is number k for both forms
        UINT typeRadio;  // a type other than "not used"
        int type;        // the type that radio stands for
        std::function<int()> storedType;  // type of number 1 in the working copy
    };
    const Form forms[] = {
        {"input", [] { return new CEingang; }, IDC_EINGANG_NR, 1349, kEingangAnalog,
         [] {
             CParaDaten para;
             EingangParam record;
             return para.GetEingang(CParaDaten::kWorkFile, 1, record) ? record.type : -1;
         }},
        {"output", [] { return new CAusgang; }, IDC_AUSGANG_NR, 1413, kAusgangSchalt,
         [] {
             CParaDaten para;
             AusgangParam record;
             return para.GetAusgang(CParaDaten::kWorkFile, 1, record) ? static_cast<int>(record.type) : -1;
         }},
    };
    for (const Form& form : forms) {
        SCOPED_TRACE(form.name);
        auto* frame = new CFrameWnd;
        ASSERT_TRUE(frame->Create(nullptr, "Switch test"));
        frame->ShowWindow(SW_SHOW);
        CFormView* view = form.make();
        ASSERT_TRUE(view->Create(nullptr, "morv9274 View", WS_VISIBLE, CRect(0, 0, 0, 0), frame, IDW_FORM_FIRST));
        view->SendMessage(WM_INITIALUPDATE);
        view->OnActivateView(TRUE, view, nullptr);

        ASSERT_TRUE(m_driver.Select(*view, form.numbers, 1));
        const int stored = form.storedType();
        ASSERT_NE(stored, form.type);
        ASSERT_TRUE(m_driver.Click(*view, form.typeRadio));
        Lock(true);
        const size_t boxes = m_driver.MessageBoxes().size();
        ASSERT_TRUE(m_driver.Select(*view, form.numbers, 2));
        ExpectOneRefusal(boxes);
        EXPECT_EQ(m_driver.CurSel(*view, form.numbers), 1);
        EXPECT_EQ(m_driver.Check(*view, form.typeRadio), BST_CHECKED);
        Lock(false);
        EXPECT_EQ(form.storedType(), stored);

        ASSERT_TRUE(m_driver.Select(*view, form.numbers, 2));
        EXPECT_EQ(m_driver.MessageBoxes().size(), boxes + 1);
        EXPECT_EQ(m_driver.CurSel(*view, form.numbers), 2);
        EXPECT_EQ(form.storedType(), form.type);
        frame->DestroyWindow();
    }
}

TEST_F(PlantSwitchRefusalTest, AntiSeizeOkThatCannotWriteWarnsAndKeepsTheDialogOpen)
{
    bool stayedOpen = false;
    m_driver.WhenDialogRuns([&](CDialog& dlg) {
        ASSERT_TRUE(m_driver.Click(dlg, kAntiblockierDays[2]));
        Lock(true);
        const size_t boxes = m_driver.MessageBoxes().size();
        ASSERT_TRUE(m_driver.Click(dlg, IDOK));
        ExpectOneRefusal(boxes);
        stayedOpen = dlg.IsRunningModal();
        EXPECT_EQ(m_driver.Check(dlg, kAntiblockierDays[2]), BST_CHECKED);
        Lock(false);
        EXPECT_TRUE(m_driver.Click(dlg, IDOK));
    });
    CAntiblockierDlg dialog;
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_TRUE(stayedOpen);
    CParaDaten para;
    AntiblockierschutzParam record;
    ASSERT_TRUE(para.GetAntiblockierschutz(CParaDaten::kWorkFile, record));
    EXPECT_EQ(record.weekdays[2], 1);
}

}  // namespace
