// CZeichnungAuswertenDlg: the drawing evaluation at start-up, a modal dialog that shows its progress.
//
// The dialog starts its work from its first timer message, so it is visible before the work begins. The steps
// parse the drawing export, check library versions, bring the function and message slots of the working copy in
// line with the drawing, check connections (writing "Connections.tmp"), memory, network inputs and outputs, and
// compute the controller requirements, as far as the command needs them. Each step writes its protocol entries and
// returns its verdict bits; the dialog keeps the verdict for its caller (Verdict). The dialog has no control the user can
// press: Esc, Enter and the close request are ignored; it ends itself after the evaluation. A run that never got
// to evaluate leaves the fatal verdict.
//
// CZeichnungAuswertenDlg.cpp holds the dialog, the sequence and the parse and library steps;
// CZeichnungAuswertenSlots.cpp the function and message slots; CZeichnungAuswertenChecks.cpp the connection,
// memory, network and requirement steps.
#pragma once

#include "evaluation/EvaluationRequest.h"
#include "platform/CDialog.h"
#include "platform/CProgressCtrl.h"

class DrawingCommands;

class CZeichnungAuswertenDlg : public CDialog {
public:
    // Verdict bits.
    static constexpr BYTE kMeldungen = 1;       // findings to show, not fatal
    static constexpr BYTE kFatal = 4;           // the drawing cannot be used for this command
    static constexpr BYTE kAndereFunktion = 8;  // under "param", another function failed its connection check

    static constexpr int kMaxFunktionen = 44;
    static constexpr int kMaxMeldungen = 8;
    static constexpr int kVariablenBytes = 384;
    static constexpr int kParameterBytes = 832;
    static constexpr UINT_PTR kTimerStart = 102;

    // The request chooses the steps. The channel is the caller's and collects the commands the slot steps queue for
    // the drawing tool (null: they queue none).
    CZeichnungAuswertenDlg(const drawing::EvaluationRequest& request, DrawingCommands* channel,
                           CWnd* parent = nullptr);
    ~CZeichnungAuswertenDlg() override;

    // The whole sequence; stores and returns the verdict.
    BYTE Auswerten();

    BYTE StepParse();
    BYTE StepBibliothek();
    BYTE StepFunktionen();
    BYTE StepMeldungen();
    BYTE StepVariablen();
    BYTE StepSpeicher();
    BYTE StepNetzEingaenge();
    BYTE StepNetzAusgaenge();
    BYTE StepAnforderungen();

    // 0 when the drawing export was read into the exchange files without error.
    int ParseXml(const char* fileName);
    void Protokoll(int code, const CString& text);

    bool HasEvaluated() const { return m_bAusgewertet; }
    // This run read the drawing export into the exchange files without error (so they are this drawing's).
    bool HasImported() const { return m_bImportiert; }

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
    void SetStatus(const char* text);
    void SetProgress(int position);

    CProgressCtrl m_Progress;
    CString m_strIntro;
    CString m_strStatus;
    drawing::EvaluationRequest m_request;
    DrawingCommands* m_pChannel;
    BYTE m_verdict = kFatal;
    bool m_bAusgewertet = false;
    bool m_bImportiert = false;
    bool m_bEnding = false;
};
