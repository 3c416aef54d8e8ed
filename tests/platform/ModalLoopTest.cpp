// Modal dialogs and nested loops: timers that end dialogs, message boxes inside dialogs, nested dialogs that keep the
// outer dialog's timers running, closes posted meanwhile, and runs that nobody can answer.
#include "WindowTestTemplates.h"

#include "platform/CDialog.h"
#include "platform/CEdit.h"
#include "platform/CFrameWnd.h"
#include "platform/CWinApp.h"
#include "platform/EventLoop.h"
#include "platform/Prompts.h"
#include "support/TestDriver.h"
#include "platform/UserInput.h"

#include <gtest/gtest.h>

#include <poll.h>
#include <string>
#include <unistd.h>

using namespace windowtest;

namespace {

// A dialog driven by its timers, as the evaluation and transfer dialogs are. Each tick runs the step of the tick's
// number; the trace records what happened in order.
class TimerDialog : public CDialog {
public:
    explicit TimerDialog(std::function<void(TimerDialog&, int tick)> step) : CDialog(IDD_SMALL), m_step(step) {}

    std::string trace;
    int ticks = 0;

    BOOL OnInitDialog() override
    {
        CDialog::OnInitDialog();
        trace += "init(shown=" + std::to_string(IsWindowVisible()) + ") ";
        SetTimer(1, 5);
        return TRUE;
    }
    void OnTimer(UINT_PTR id)
    {
        if (id != 1)
            return;
        ++ticks;
        m_step(*this, ticks);
    }

protected:
    DECLARE_MESSAGE_MAP()

private:
    std::function<void(TimerDialog&, int)> m_step;
};

BEGIN_MESSAGE_MAP(TimerDialog, CDialog)
    ON_WM_TIMER()
END_MESSAGE_MAP()

// A frame that records its close.
class ClosingFrame : public CFrameWnd {
public:
    explicit ClosingFrame(std::string* trace) : m_trace(trace) {}
    void OnClose()
    {
        *m_trace += "frame-close ";
        CFrameWnd::OnClose();
    }

protected:
    DECLARE_MESSAGE_MAP()

private:
    std::string* m_trace;
};

BEGIN_MESSAGE_MAP(ClosingFrame, CFrameWnd)
    ON_WM_CLOSE()
END_MESSAGE_MAP()

class ModalLoopTest : public testing::Test {
protected:
    void SetUp() override { RegisterTestTemplates(); }
    platform::TestDriver driver;
};

TEST_F(ModalLoopTest, TimerThatEndsTheDialogEndsDoModal)
{
    TimerDialog dlg([](TimerDialog& d, int tick) {
        d.trace += "tick" + std::to_string(tick) + "(shown=" + std::to_string(d.IsWindowVisible()) + ") ";
        if (tick == 3) {
            d.KillTimer(1);
            d.EndDialog(IDOK);
        }
    });
    EXPECT_EQ(dlg.DoModal(), IDOK);
    EXPECT_EQ(dlg.trace, "init(shown=0) tick1(shown=1) tick2(shown=1) tick3(shown=1) ")
        << "the timer's work starts only once the dialog is shown";
    EXPECT_EQ(dlg.m_hWnd, nullptr) << "DoModal destroys the dialog";
    EXPECT_EQ(platform::EventLoop::Current().ModalDepth(), 0);
}

TEST_F(ModalLoopTest, MessageBoxInsideADialogAnswersAtOnceAndTheDialogGoesOn)
{
    driver.AnswerNextMessageBox(IDNO);
    int answers[2] = {0, 0};
    TimerDialog dlg([&](TimerDialog& d, int tick) {
        if (tick <= 2)
            answers[tick - 1] = d.MessageBox("Riga 1\nRiga 2", "morv9274 - Message: 1.019",
                                             MB_TASKMODAL | MB_ICONEXCLAMATION | (tick == 1 ? MB_YESNO : MB_OK));
        if (tick == 2) {
            d.KillTimer(1);
            d.EndDialog(IDCANCEL);
        }
    });
    EXPECT_EQ(dlg.DoModal(), IDCANCEL);
    EXPECT_EQ(answers[0], IDNO) << "the scripted answer";
    EXPECT_EQ(answers[1], IDOK) << "unscripted: the default button";
    ASSERT_EQ(driver.MessageBoxes().size(), 2u);
    const platform::MessageBoxRequest& box = driver.MessageBoxes()[1];
    EXPECT_EQ(box.caption, "morv9274 - Message: 1.019");
    EXPECT_EQ(box.text, "Riga 1\nRiga 2");
    EXPECT_EQ(box.flags, 0x2030u);
    EXPECT_NE(box.owner, nullptr) << "owned by the dialog";
}

TEST_F(ModalLoopTest, NestedDialogKeepsTheOuterDialogsTimersRunningAndBothEnd)
{
    std::string order;
    int outerTicksDuringInner = 0;
    bool innerRunning = false;
    TimerDialog outer([&](TimerDialog& d, int tick) {
        if (innerRunning) {
            ++outerTicksDuringInner;
            return;
        }
        if (tick == 1) {
            TimerDialog inner([&](TimerDialog& i, int innerTick) {
                if (innerTick == 6) {
                    i.KillTimer(1);
                    i.EndDialog(IDOK);
                }
            });
            innerRunning = true;
            order += "inner-start ";
            INT_PTR result = inner.DoModal();
            innerRunning = false;
            order += "inner-end(" + std::to_string(result) + ") ";
            EXPECT_EQ(platform::EventLoop::Current().ModalDepth(), 1);
        } else {
            d.KillTimer(1);
            d.EndDialog(IDOK);
            order += "outer-end ";
        }
    });
    EXPECT_EQ(outer.DoModal(), IDOK);
    EXPECT_EQ(order, "inner-start inner-end(1) outer-end ");
    EXPECT_GE(outerTicksDuringInner, 1) << "the outer dialog's timer is served inside the inner loop";
}

TEST_F(ModalLoopTest, CloseOfTheMainWindowPostedDuringADialogWaitsUntilTheDialogEnds)
{
    std::string trace;
    CWinApp app("test");
    auto* frame = new ClosingFrame(&trace);
    ASSERT_TRUE(frame->Create(nullptr, "Frame of the modal test"));
    frame->ShowWindow(SW_SHOW);
    app.m_pMainWnd = frame;
    HWND frameHwnd = frame->m_hWnd;

    TimerDialog dlg([&](TimerDialog& d, int tick) {
        if (tick == 1) {
            EXPECT_FALSE(frame->IsWindowEnabled()) << "a modal dialog disables its owner";
            EXPECT_FALSE(platform::UserInput::CloseWindow(*frame)) << "no user reaches the owner meanwhile";
            frame->PostMessage(WM_CLOSE);
            trace += "posted ";
        }
        if (tick == 4) {
            trace += IsWindow(frameHwnd) ? "frame-alive " : "frame-gone ";
            d.KillTimer(1);
            d.EndDialog(IDOK);
        }
    });
    EXPECT_EQ(dlg.DoModal(), IDOK);
    EXPECT_EQ(trace, "posted frame-alive ");
    ASSERT_TRUE(IsWindow(frameHwnd));
    EXPECT_TRUE(frame->IsWindowEnabled()) << "the owner is enabled again";

    EXPECT_EQ(app.Run(), 0) << "the main loop ends when the deferred close destroyed the main window";
    EXPECT_EQ(trace, "posted frame-alive frame-close ");
    EXPECT_FALSE(IsWindow(frameHwnd));
    EXPECT_EQ(app.m_pMainWnd, nullptr);
    platform::ResetQuit();
}

TEST_F(ModalLoopTest, DialogThatNobodyCanAnswerEndsWithCancelInsteadOfBlocking)
{
    CDialog dlg(IDD_SMALL);
    testing::internal::CaptureStderr();
    EXPECT_EQ(dlg.DoModal(), IDCANCEL);
    std::string err = testing::internal::GetCapturedStderr();
    EXPECT_NE(err.find("Small\tdialog ended: nobody can answer it"), std::string::npos) << err;
}

TEST_F(ModalLoopTest, DialogWithoutTemplateFails)
{
    CDialog dlg(4711);
    testing::internal::CaptureStderr();
    EXPECT_EQ(dlg.DoModal(), -1);
    testing::internal::GetCapturedStderr();
}

TEST_F(ModalLoopTest, QuitRequestEndsTheModalLoop)
{
    TimerDialog dlg([](TimerDialog&, int tick) {
        if (tick == 2)
            PostQuitMessage(0);
    });
    EXPECT_EQ(dlg.DoModal(), -1);
    EXPECT_TRUE(platform::QuitRequested());
    platform::ResetQuit();
}

// A dialog that takes its edit field's text on OK.
class EditDialog : public CDialog {
public:
    EditDialog() : CDialog(IDD_SMALL) {}
    CString text = "preset";
    int oks = 0;
    void DoDataExchange(CDataExchange* dx) override { DDX_Text(dx, IDC_EDIT, text); }
    void OnOK() override
    {
        ++oks;
        CDialog::OnOK();
    }
};

TEST_F(ModalLoopTest, ScriptedUserActsInsideTheDialogAndOkTakesTheData)
{
    EditDialog dlg;
    driver.WhenDialogRuns([&](CDialog& d) {
        EXPECT_EQ(driver.Text(d, IDC_EDIT), "preset") << "OnInitDialog put the data into the controls";
        EXPECT_TRUE(driver.Replace(d, IDC_EDIT, "typed"));
        EXPECT_TRUE(driver.Click(d, IDOK));
    });
    EXPECT_EQ(dlg.DoModal(), IDOK);
    EXPECT_EQ(dlg.text, "typed");
    EXPECT_EQ(dlg.oks, 1);
}

TEST_F(ModalLoopTest, KeysOfADialog)
{
    struct KeyCase {
        const char* name;
        UINT key;
        INT_PTR result;
        int oks;
    };
    const KeyCase cases[] = {
        {"Enter presses the default button", VK_RETURN, IDOK, 1},
        {"Escape cancels without taking the data", VK_ESCAPE, IDCANCEL, 0},
    };
    for (const KeyCase& c : cases) {
        EditDialog dlg;
        driver.WhenDialogRuns([&](CDialog& d) {
            driver.Replace(d, IDC_EDIT, "typed");
            EXPECT_TRUE(driver.Key(d, IDC_EDIT, c.key));
        });
        EXPECT_EQ(dlg.DoModal(), c.result) << c.name;
        EXPECT_EQ(dlg.oks, c.oks) << c.name;
        EXPECT_EQ(dlg.text, c.result == IDOK ? "typed" : "preset") << c.name;
    }
}

TEST_F(ModalLoopTest, CloseBoxCancelsAndADialogWithoutSystemMenuHasNone)
{
    // The test dialog has no system menu, like the evaluation dialog; then it gets one.
    EditDialog dlg;
    driver.WhenDialogRuns([](CDialog& d) {
        EXPECT_FALSE(platform::UserInput::CloseWindow(d));
        d.ModifyStyle(0, WS_SYSMENU);
        EXPECT_TRUE(platform::UserInput::CloseWindow(d));
    });
    EXPECT_EQ(dlg.DoModal(), IDCANCEL);
    EXPECT_EQ(dlg.oks, 0);
}

TEST_F(ModalLoopTest, WatchedDescriptorIsServedInsideTheModalLoop)
{
    int fds[2];
    ASSERT_EQ(pipe(fds), 0);
    platform::EventLoop& loop = platform::EventLoop::Current();
    TimerDialog* running = nullptr;
    std::uint64_t watch = loop.WatchFd(fds[0], POLLIN, [&](int fd, short) {
        char c = 0;
        EXPECT_EQ(read(fd, &c, 1), 1);
        running->EndDialog(c == 'k' ? IDOK : IDABORT);  // as an acknowledgement over a socket ends a wait
    });
    TimerDialog dlg([&](TimerDialog& d, int tick) {
        if (tick == 1) {
            d.KillTimer(1);
            EXPECT_EQ(write(fds[1], "k", 1), 1);
        }
    });
    running = &dlg;
    EXPECT_EQ(dlg.DoModal(), IDOK);
    loop.UnwatchFd(watch);
    close(fds[0]);
    close(fds[1]);
}

}  // namespace
