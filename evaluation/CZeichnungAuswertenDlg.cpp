// The drawing evaluation dialog: start from the timer, the sequence of steps, the parse and the library steps.
#include "evaluation/CZeichnungAuswertenDlg.h"

#include "drawing/CZeichnung.h"
#include "drawing/ParseXml.h"
#include "platform/CDataExchange.h"
#include "platform/CWaitCursor.h"
#include "resources/ResourceIds.h"
#include "resources/UiTexts.h"
#include "texts/CTexte.h"

BEGIN_MESSAGE_MAP(CZeichnungAuswertenDlg, CDialog)
    ON_WM_TIMER()
END_MESSAGE_MAP()

CZeichnungAuswertenDlg::CZeichnungAuswertenDlg(const drawing::EvaluationRequest& request, DrawingCommands* channel,
                                               CWnd* parent)
    : CDialog(IDD_ZEICHNUNG_AUSWERTEN, parent), m_request(request), m_pChannel(channel)
{
}

CZeichnungAuswertenDlg::~CZeichnungAuswertenDlg() = default;

void CZeichnungAuswertenDlg::DoDataExchange(CDataExchange* dx)
{
    CDialog::DoDataExchange(dx);
    DDX_Control(dx, IDC_PROGRESS, m_Progress);
    DDX_Text(dx, IDC_EVAL_INTRO, m_strIntro);
    DDX_Text(dx, IDC_STATUS_TEXT, m_strStatus);
}

BOOL CZeichnungAuswertenDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    SetWindowText(ui::kEvalTitle);
    SetDlgItemText(IDC_EVAL_GROUP, ui::kEvalGroup);
    m_strIntro = ui::kEvalIntro;
    m_strStatus = ui::kEvalInit;
    m_Progress.SetRange(1, 100);
    m_Progress.SetPos(0);
    UpdateData(FALSE);
    SetTimer(kTimerStart, 10);
    return TRUE;
}

// Enter, Esc and the close request would end the dialog before or without the evaluation; only the dialog itself
// ends its loop.
void CZeichnungAuswertenDlg::OnOK() {}

void CZeichnungAuswertenDlg::OnCancel()
{
    if (m_bEnding) CDialog::OnCancel();
}

void CZeichnungAuswertenDlg::OnTimer(UINT_PTR)
{
    KillTimer(kTimerStart);
    if (m_bAusgewertet) return;
    Auswerten();
    m_bEnding = true;
    EndDialog(IDCANCEL);
}

void CZeichnungAuswertenDlg::SetStatus(const char* text)
{
    m_strStatus = text;
    if (GetSafeHwnd() != nullptr) SetDlgItemText(IDC_STATUS_TEXT, text);
}

void CZeichnungAuswertenDlg::SetProgress(int position)
{
    if (m_Progress.GetSafeHwnd() != nullptr) m_Progress.SetPos(position);
}

void CZeichnungAuswertenDlg::Protokoll(int code, const CString& text)
{
    CTexte texte;
    texte.WriteProtokoll(code, text);
}

int CZeichnungAuswertenDlg::ParseXml(const char* fileName) { return drawing::ParseXml(fileName); }

BYTE CZeichnungAuswertenDlg::Auswerten()
{
    CWaitCursor wait;
    m_bAusgewertet = true;
    Protokoll(0, "");
    BYTE verdict = 0;
    if (StepParse() != 0) verdict |= kFatal;
    using Step = BYTE (CZeichnungAuswertenDlg::*)();
    static constexpr Step kSteps[] = {
        &CZeichnungAuswertenDlg::StepBibliothek,    &CZeichnungAuswertenDlg::StepFunktionen,
        &CZeichnungAuswertenDlg::StepMeldungen,     &CZeichnungAuswertenDlg::StepVariablen,
        &CZeichnungAuswertenDlg::StepSpeicher,      &CZeichnungAuswertenDlg::StepNetzEingaenge,
        &CZeichnungAuswertenDlg::StepNetzAusgaenge, &CZeichnungAuswertenDlg::StepAnforderungen,
    };
    for (Step step : kSteps) {
        if (verdict & kFatal) break;
        if (step == &CZeichnungAuswertenDlg::StepSpeicher && (verdict & kAndereFunktion)) continue;
        verdict |= (this->*step)();
    }
    m_verdict = verdict;
    return verdict;
}

BYTE CZeichnungAuswertenDlg::StepParse()
{
    SetStatus(ui::kEvalParsing);
    SetProgress(50);
    Protokoll(5, ui::kEvalParsing);
    BYTE result = 0;
    m_bImportiert = ParseXml("VORNA.xml") == 0;
    if (!m_bImportiert) {
        Protokoll(1, ui::kEvalParseError);
        Protokoll(7, ui::kEvalAborted);
        result = 1;
    }
    SetProgress(100);
    return result;
}

BYTE CZeichnungAuswertenDlg::StepBibliothek()
{
    using C = drawing::Command;
    const bool alle =
        m_request.Is({C::Open, C::Parser, C::ParaImport, C::FuncView, C::CanLogging, C::FuncOrder, C::MsgOrder});

    BYTE verdict = 0;
    CZeichnung zeichnung;
    ObjektInfo info;
    if (alle) {
        SetStatus(ui::kEvalLibraryStatus);
        SetProgress(0);
        Protokoll(5, ui::kEvalLibraryTitle);
        const int n = zeichnung.GetObjektAnzahl();
        for (int m = 1; m <= n; ++m) {
            if (!zeichnung.GetObjekt(m, info)) break;
            verdict |= static_cast<BYTE>(zeichnung.CheckBibliotheksVersion(info));
            if (verdict & kFatal) {
                Protokoll(7, ui::kEvalAborted);
                break;
            }
            SetProgress(m * 100 / n);
        }
    } else if (m_request.command == C::Param) {
        SetStatus(ui::kEvalObjectLibraryStatus);
        SetProgress(0);
        Protokoll(5, ui::kEvalObjectLibraryTitle);
        const int index = zeichnung.FindObjekt(m_request.objectId);
        if (index == 0 || !zeichnung.GetObjekt(index, info)) {
            Protokoll(1, ui::kEvalObjectNotFound);
            Protokoll(7, ui::kEvalAborted);
            verdict |= kFatal;
        } else {
            verdict |= static_cast<BYTE>(zeichnung.CheckBibliotheksVersion(info));
            if (verdict & kFatal) Protokoll(7, ui::kEvalAborted);
        }
        SetProgress(100);
    }
    return verdict;
}
