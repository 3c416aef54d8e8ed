// The list editors' saves on a working copy or a committed set that cannot be written: the person is warned
#include "StoreTestFolder.h"
#include "UnexpectedEnd.h"

#include "forms/plant/CCanLogging.h"
#include "forms/plant/CFuncView.h"
#include "platform/CFrameWnd.h"
#include "platform/Prompts.h"
#include "resources/Messages.h"
#include "resources/ResourceIds.h"
#include "resources/Resources.h"

#include <sys/stat.h>

#include <functional>

namespace {

class PlantSaveRefusalTest : public StoreTestFolder {
protected:
    static void SetUpTestSuite()
    {
        resources::RegisterResources();
        plantforms_test::FailEndsOfThisProcess();
    }
};

TEST_F(PlantSaveRefusalTest, ASaveThatCannotWriteOrCommitWarnsCommitsNothingAndReturns)
{
    struct Form {
        const char* name;
        std::function<CFormView*()> make;
        std::function<void(CFormView&)> save;
    };
    const Form forms[] = {
        {"CAN logging", [] { return new CCanLogging; }, [](CFormView& f) { static_cast<CCanLogging&>(f).SaveAndExit(); }},
        {"function overview", [] { return new CFuncView; },
         [](CFormView& f) { static_cast<CFuncView&>(f).SaveAndExit(); }},
    };
    const char* const lockedFiles[] = {"para/morv9274.par", "para/para.par"};  // the write fails, the commit fails
    for (const Form& form : forms) {
        for (const char* locked : lockedFiles) {
            SCOPED_TRACE(std::string(form.name) + ", read-only " + locked);
            {
                CParaDaten para;
                ASSERT_TRUE(para.CreateEmptyFile(CParaDaten::kWorkFile));
                ASSERT_TRUE(para.CreateEmptyFile(CParaDaten::kParaFile));
            }
            auto* frame = new CFrameWnd;
            ASSERT_TRUE(frame->Create(nullptr, "Save test"));
            CFormView* view = form.make();
            ASSERT_TRUE(view->Create(nullptr, "morv9274 View", WS_VISIBLE, CRect(0, 0, 0, 0), frame, IDW_FORM_FIRST));
            view->SendMessage(WM_INITIALUPDATE);
            view->OnActivateView(TRUE, view, nullptr);
            CParaDaten::ReleaseFiles();
            const std::string committed = ReadFile("para/para.par");
            ASSERT_EQ(chmod(locked, 0444), 0);
            const size_t boxes = platform::ShownMessageBoxes().size();
            form.save(*view);  // returns: the save was refused
            ASSERT_EQ(platform::ShownMessageBoxes().size(), boxes + 1);
            EXPECT_EQ(platform::ShownMessageBoxes().back().caption, messages::CaptionOf(messages::kFunctionSaveFailed));
            EXPECT_EQ(platform::ShownMessageBoxes().back().text, messages::Text(messages::kFunctionSaveFailed));
            CParaDaten::ReleaseFiles();
            EXPECT_EQ(ReadFile("para/para.par"), committed);
            ASSERT_EQ(chmod(locked, 0644), 0);
            frame->DestroyWindow();
        }
    }
}

}  // namespace
