// The CAN data-logging form in the window model on a working copy it cannot read: it still shows the default
// block's master node and time-out, and every value as no source.
#include "StoreTestFolder.h"

#include "forms/plant/CCanLogging.h"
#include "platform/CComboBox.h"
#include "platform/CFrameWnd.h"
#include "platform/CListCtrl.h"
#include "resources/ResourceIds.h"
#include "resources/Resources.h"

namespace {

class CanLoggingLoadTest : public StoreTestFolder {
protected:
    static void SetUpTestSuite() { resources::RegisterResources(); }
};

TEST_F(CanLoggingLoadTest, AnUnreadableSetShowsTheDefaultNodeAndTimeout)
{
    {
        CParaDaten para;
        ASSERT_TRUE(para.CreateEmptyFile(CParaDaten::kWorkFile));
    }
    CParaDaten::ReleaseFiles();
    WriteFile("para/morv9274.par", ReadFile("para/morv9274.par").substr(0, 64));
    auto* frame = new CFrameWnd;
    ASSERT_TRUE(frame->Create(nullptr, "Logging test"));
    auto* form = new CCanLogging;
    ASSERT_TRUE(form->Create(nullptr, "morv9274 View", WS_VISIBLE, CRect(0, 0, 0, 0), frame, IDW_FORM_FIRST));
    form->SendMessage(WM_INITIALUPDATE);
    form->OnActivateView(TRUE, form, nullptr);
    auto* master = dynamic_cast<CComboBox*>(form->GetDlgItem(IDC_CANLOG_MASTER));
    auto* timeout = dynamic_cast<CComboBox*>(form->GetDlgItem(IDC_CANLOG_TIMEOUT));
    auto* list = dynamic_cast<CListCtrl*>(form->GetDlgItem(IDC_CANLOG_LIST));
    ASSERT_TRUE(master && timeout && list);
    CString text;
    master->GetLBText(master->GetCurSel(), text);
    EXPECT_EQ(text, "   62");
    timeout->GetLBText(timeout->GetCurSel(), text);
    EXPECT_EQ(text, "60 sec");
    ASSERT_EQ(list->GetItemCount(), CCanLogging::kRows);
    for (int row = 0; row < CCanLogging::kRows; ++row)
        EXPECT_EQ(list->GetItemText(row, 1), "non usato") << row;
    frame->DestroyWindow();
}

}  // namespace
