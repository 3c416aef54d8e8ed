// The reordering lists in the window model on a working copy of their own: a drag moves the order, a save whose
// reads fail writes and commits nothing and says so, and a save retried after a failed one writes the order the
// person chose.
#include "StoreTestFolder.h"
#include "UnexpectedEnd.h"

#include "forms/plant/CReorderForm.h"
#include "platform/CFrameWnd.h"
#include "platform/Prompts.h"
#include "platform/UserInput.h"
#include "resources/ResourceIds.h"
#include "resources/Resources.h"

#include <sys/resource.h>
#include <sys/stat.h>

#include <algorithm>
#include <csignal>
#include <functional>
#include <memory>
#include <vector>

namespace {

constexpr int kFile = CParaDaten::kWorkFile;

class ReorderSaveTest : public StoreTestFolder {
protected:
    static void SetUpTestSuite()
    {
        resources::RegisterResources();
        plantforms_test::FailEndsOfThisProcess();
    }
    void TearDown() override
    {
        if (m_frame)
            m_frame->DestroyWindow();
        StoreTestFolder::TearDown();
    }
    // Three logic functions in slots 1 to 3 (ids 100, 200, 300) and three messages (ids 1000, 2000, 3000, numbers
    // 1 to 3), then the form as the shell makes it, activated.
    void Open(CReorderForm* form)
    {
        {
            CParaDaten para;
            ASSERT_TRUE(para.CreateEmptyFile(kFile));
            for (BYTE slot = 1; slot <= 3; ++slot) {
                ASSERT_TRUE(para.SetFuncEntry(kFile, slot, FuncEntry {10, 0xFF, static_cast<BYTE>(slot - 1)}));
                ASSERT_TRUE(para.SetFuncId(kFile, slot, 100 * slot));
                ASSERT_TRUE(para.SetMeldungId(kFile, slot, 1000 * slot));
                ASSERT_TRUE(para.SetMeldungNr(kFile, slot, slot));
            }
        }
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

// Writes at or beyond a file offset fail while it lives, as on a full disc.
class WriteLimit {
public:
    explicit WriteLimit(size_t offset)
    {
        getrlimit(RLIMIT_FSIZE, &m_saved);
        m_previous = std::signal(SIGXFSZ, SIG_IGN);
        struct rlimit limited = m_saved;
        limited.rlim_cur = offset;
        setrlimit(RLIMIT_FSIZE, &limited);
    }
    ~WriteLimit()
    {
        setrlimit(RLIMIT_FSIZE, &m_saved);
        std::signal(SIGXFSZ, m_previous);
    }

private:
    struct rlimit m_saved {};
    void (*m_previous)(int) = nullptr;
};

TEST_F(ReorderSaveTest, ASaveRetriedAfterOneThatFailedHalfwayWritesTheChosenOrder)
{
    const struct {
        const char* name;
        std::function<CReorderForm*()> make;
        UINT list;
        bool (CParaDaten::*getId)(int, BYTE, int&);
        bool (CParaDaten::*setId)(int, BYTE, int);
        int step;  // the ids of slots 1 to 3 are step, 2 step and 3 step
    } kinds[] = {
        {"functions", [] { return new CFuncOrder; }, IDC_FUNCORDER_LIST, &CParaDaten::GetFuncId, &CParaDaten::SetFuncId,
         100},
        {"messages", [] { return new CMeldungOrder; }, IDC_MSGORDER_LIST, &CParaDaten::GetMeldungId,
         &CParaDaten::SetMeldungId, 1000},
    };
    for (const auto& kind : kinds) {
        SCOPED_TRACE(kind.name);
        auto ids = [&](int file) {
            CParaDaten para;
            std::vector<int> result(3, -1);
            for (BYTE slot = 1; slot <= 3; ++slot)
                (para.*kind.getId)(file, slot, result[slot - 1]);
            CParaDaten::ReleaseFiles();
            return result;
        };
        Open(kind.make());
        {
            CParaDaten para;
            ASSERT_TRUE(para.CreateEmptyFile(CParaDaten::kParaFile));
        }
        ASSERT_TRUE(platform::UserInput::DragRow(*m_form->GetDlgItem(kind.list), 0, 2));
        const std::vector<int> chosen = {2 * kind.step, 3 * kind.step, kind.step};

        // Where slot 3's id lies in the working copy: the first save fails from there on.
        CParaDaten::ReleaseFiles();
        const std::string before = ReadFile("para/morv9274.par");
        {
            CParaDaten para;
            ASSERT_TRUE((para.*kind.setId)(kFile, 3, 999));
        }
        CParaDaten::ReleaseFiles();
        const std::string marked = ReadFile("para/morv9274.par");
        ASSERT_EQ(marked.size(), before.size());
        const size_t limit = static_cast<size_t>(std::mismatch(before.begin(), before.end(), marked.begin()).first -
                                                 before.begin());
        WriteFile("para/morv9274.par", before);

        const size_t boxes = platform::ShownMessageBoxes().size();
        {
            WriteLimit full(limit);
            m_form->SaveAndExit();  // returns: a write failed
        }
        CParaDaten::ReleaseFiles();
        ASSERT_NE(ReadFile("para/morv9274.par"), before) << "the failed save rewrote some slots";
        const std::string committed = ReadFile("para/para.par");

        // The retry rewrites every slot, from the slots as they were; the committed set cannot be replaced.
        ASSERT_EQ(chmod("para/para.par", 0444), 0);
        m_form->SaveAndExit();  // returns: the commit failed
        ASSERT_EQ(chmod("para/para.par", 0644), 0);
        ASSERT_EQ(platform::ShownMessageBoxes().size(), boxes + 2);
        EXPECT_EQ(platform::ShownMessageBoxes().back().caption, "morv9274 - Message: 1.027");
        EXPECT_EQ(ids(kFile), chosen);
        EXPECT_EQ(ReadFile("para/para.par"), committed);

        // Once the committed set can be replaced, the save commits the chosen order and ends.
        EXPECT_EXIT(m_form->SaveAndExit(), ::testing::ExitedWithCode(0), "");
        EXPECT_EQ(ids(CParaDaten::kParaFile), chosen);
        EXPECT_EQ(ids(kFile), chosen);
        m_frame->DestroyWindow();
        m_frame = nullptr;
    }
}

}  // namespace
