// The reordering lists in the window model on a working copy of their own: a drag moves the order, and a save whose
// reads fail writes and commits nothing and says so.
#include "StoreTestFolder.h"

#include "forms/plant/CReorderForm.h"
#include "link/StartContext.h"
#include "platform/CFrameWnd.h"
#include "platform/Prompts.h"
#include "platform/UserInput.h"
#include "resources/ResourceIds.h"
#include "resources/Resources.h"

#include <functional>
#include <memory>
#include <vector>

namespace {

constexpr int kFile = CParaDaten::kWorkFile;

class ReorderSaveTest : public StoreTestFolder {
protected:
    static void SetUpTestSuite() { resources::RegisterResources(); }
    void TearDown() override
    {
        if (m_frame)
            m_frame->DestroyWindow();
        StoreTestFolder::TearDown();
    }
    // Three logic functions in slots 1 to 3 (ids 100, 200, 300), then the form as the shell makes it, activated.
    void Open(CReorderForm* form)
    {
        {
            CParaDaten para;
            ASSERT_TRUE(para.CreateEmptyFile(kFile));
            for (BYTE slot = 1; slot <= 3; ++slot) {
                ASSERT_TRUE(para.SetFuncEntry(kFile, slot, FuncEntry {10, 0xFF, static_cast<BYTE>(slot - 1)}));
                ASSERT_TRUE(para.SetFuncId(kFile, slot, 100 * slot));
            }
        }
        for (bool& flag : g_bFirstActivation)
            flag = true;
        m_frame = new CFrameWnd;
        ASSERT_TRUE(m_frame->Create(nullptr, "Order test"));
        m_frame->ShowWindow(SW_SHOW);
        m_form = form;
        ASSERT_TRUE(m_form->Create(nullptr, "morv9274 View", WS_VISIBLE, CRect(0, 0, 0, 0), m_frame, IDW_FORM_FIRST));
        m_form->MoveWindow(CRect(0, 0, 700, 560));
        m_form->SendMessage(WM_INITIALUPDATE);
        m_form->OnActivateView(TRUE, m_form, nullptr);
    }

    CFrameWnd* m_frame = nullptr;
    CReorderForm* m_form = nullptr;
};

TEST_F(ReorderSaveTest, ADragMovesTheOrderAndAKeyOrADropBesideTheListDoesNot)
{
    Open(new CFuncOrder);
    CWnd& list = *m_form->GetDlgItem(IDC_FUNCORDER_LIST);
    EXPECT_EQ(m_form->Order(), (std::vector<int> {1, 2, 3}));
    EXPECT_TRUE(platform::UserInput::DragRow(list, 2, 0, VK_ESCAPE));
    EXPECT_TRUE(platform::UserInput::DragRow(list, 2, -1));
    EXPECT_EQ(m_form->Order(), (std::vector<int> {1, 2, 3}));
    EXPECT_TRUE(platform::UserInput::DragRow(list, 0, 2));
    EXPECT_EQ(m_form->Order(), (std::vector<int> {2, 3, 1}));
    EXPECT_EQ(CWnd::GetCapture(), nullptr) << "the drag has ended";
}

TEST_F(ReorderSaveTest, ASaveWhoseReadsFailWritesAndCommitsNothing)
{
    const std::function<CReorderForm*()> forms[] = {[] { return new CFuncOrder; }, [] { return new CMeldungOrder; }};
    for (const auto& make : forms) {
        Open(make());
        CWnd& list = *m_form->GetDlgItem(m_form->IsKindOf(RUNTIME_CLASS(CFuncOrder)) ? IDC_FUNCORDER_LIST
                                                                                     : IDC_MSGORDER_LIST);
        EXPECT_TRUE(platform::UserInput::DragRow(list, 0, 2));
        // The working copy loses all but its start: no slot can be read any more.
        CParaDaten::ReleaseFiles();
        const std::string committed = ReadFile("para/para.par");
        const std::string working = ReadFile("para/morv9274.par").substr(0, 64);
        WriteFile("para/morv9274.par", working);
        const size_t boxes = platform::ShownMessageBoxes().size();
        m_form->SaveAndExit();  // returns: nothing could be written
        ASSERT_EQ(platform::ShownMessageBoxes().size(), boxes + 1);
        EXPECT_EQ(platform::ShownMessageBoxes().back().caption, "morv9274 - Message: 1.027");
        CParaDaten::ReleaseFiles();
        EXPECT_EQ(ReadFile("para/para.par"), committed);
        EXPECT_EQ(ReadFile("para/morv9274.par"), working);
        m_frame->DestroyWindow();
        m_frame = nullptr;
    }
}

}  // namespace
