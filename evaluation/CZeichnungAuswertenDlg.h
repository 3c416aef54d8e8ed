// CZeichnungAuswertenDlg: the drawing evaluation at start-up, a modal dialog that shows its progress.
//
// The dialog starts the checks (DrawingChecker) from its first timer message, so it is visible before the work
// begins, shows each step's title and progress while they run, and keeps the verdict for its caller. It has no
// control the user can press: Esc, Enter and the close request are ignored; it ends itself after the evaluation.
// A run that never got to evaluate leaves the fatal verdict.
#pragma once

#include "evaluation/DrawingChecker.h"
#include "evaluation/EvaluationRequest.h"
#include "platform/CDialog.h"
#include "platform/CProgressCtrl.h"

class CZeichnungAuswertenDlg : public CDialog, private EvaluationReporter {
public:
    // Verdict bits (DrawingChecker's).
    static constexpr BYTE kMeldungen = DrawingChecker::kMeldungen;
    static constexpr BYTE kFatal = DrawingChecker::kFatal;
    static constexpr BYTE kAndereFunktion = DrawingChecker::kAndereFunktion;
    static constexpr UINT_PTR kTimerStart = 102;

    // The request chooses the steps. The channel is the caller's and collects the commands the slot steps queue for
    // the drawing tool (null: they queue none).
    CZeichnungAuswertenDlg(const drawing::EvaluationRequest& request, DrawingCommands* channel,
                           CWnd* parent = nullptr);
    ~CZeichnungAuswertenDlg() override;

    // Runs the checks (once); stores and returns the verdict.
    BYTE Auswerten();

    bool HasEvaluated() const { return m_bAusgewertet; }
    // This run read the drawing export into the exchange files without error (so they are this drawing's).
    bool HasImported() const { return m_checker.HasImported(); }
    // The verdict of the evaluation; fatal until it has run.
    BYTE Verdict() const { return m_verdict; }

protected:
    void DoDataExchange(CDataExchange* dx) override;
    BOOL OnInitDialog() override;
    void OnOK() override;
    void OnCancel() override;
    void OnTimer(UINT_PTR id);

    DECLARE_MESSAGE_MAP()

private:
    void SetStatus(const char* text) override;
    void SetProgress(int position) override;

    DrawingChecker m_checker;
    CProgressCtrl m_Progress;
    CString m_strIntro;
    CString m_strStatus;
    bool m_bAusgewertet = false;
    bool m_bEnding = false;
    BYTE m_verdict = kFatal;
};
