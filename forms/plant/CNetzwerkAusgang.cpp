// The network output form: load, show, the handlers, and its steps of the three ends.
#include "forms/plant/CNetzwerkAusgang.h"

#include "drawing/CZeichnung.h"
#include "drawing/StoreDrawingReader.h"
#include "forms/plant/NetworkSettings.h"
#include "forms/plant/PlantFormFactories.h"
#include "forms/plant/PlantTemplates.h"
#include "link/CSCCmd.h"
#include "platform/CDataExchange.h"
#include "platform/CWaitCursor.h"
#include "resources/PlantIds.h"
#include "resources/PlantTexts.h"
#include "resources/ResourceIds.h"
#include "resources/UiTexts.h"
#include "store/CParaCheck.h"
#include "store/CParaDaten.h"
#include "store/NetzEingang.h"
#include "texts/CTexte.h"

#include <algorithm>

PLANT_FORM_FACTORIES(CNetzwerkAusgang, IDD_NETZAUSGANG, &plant::NetzAusgangTemplate, g_pNetzwerkAusgang)

BEGIN_MESSAGE_MAP(CNetzwerkAusgang, CFormView)
ON_CBN_SELENDOK(IDC_NETZAUS_KIND, OnAusgangWahl)
ON_CBN_SELENDOK(IDC_NETZAUS_NUMBER, OnAusgangWahl)
ON_BN_CLICKED(IDC_NETZAUS_SETTINGS, OnNetzEinstellungen)
END_MESSAGE_MAP()

namespace {

constexpr int kMinThreshold = 10;

int Index(const CComboBox& list, int offset, int fallback)
{
    const int selection = list.GetCurSel();
    return selection >= 0 ? selection + offset : fallback;
}

}  // namespace

void CNetzwerkAusgang::DoDataExchange(CDataExchange* dx)
{
    CFormView::DoDataExchange(dx);
    DDX_Control(dx, IDC_NETZAUS_KIND, m_kind);
    DDX_Control(dx, IDC_NETZAUS_NUMBER, m_number);
    DDX_Control(dx, IDC_NETZAUS_ONCHANGE, m_onChange);
    for (int g = 0; g < 5; ++g) {
        const NetzConditionIds& ids = kNetzConditionIds[g];
        if (g > 0)
            DDX_Control(dx, static_cast<int>(ids.threshold), m_thresholds[g - 1]);
        DDX_Control(dx, static_cast<int>(ids.blocking), m_blocking[g]);
        DDX_Control(dx, static_cast<int>(ids.interval), m_intervals[g]);
    }
    DDX_Text(dx, IDC_TITLE, m_strTitle);
    DDX_Text(dx, IDC_NETZAUS_LABEL, m_strLabel);
    DDX_Text(dx, IDC_NETZAUS_SOURCE_LABEL, m_strSource);
    DDX_Text(dx, IDC_NETZAUS_SOURCE_KIND, m_strSourceKind);
    DDX_Text(dx, IDC_NETZAUS_SOURCE_NUMBER, m_strSourceNumber);
    DDX_Text(dx, IDC_NETZAUS_SOURCE_VARIABLE, m_strSourceVariable);
}

void CNetzwerkAusgang::OnActivateView(BOOL activate, CView* activateView, CView* deactiveView)
{
    if (activate)
        FillOnFirstActivation([this] { LoadForm(); });
    CFormView::OnActivateView(activate, activateView, deactiveView);
}

void CNetzwerkAusgang::ReadSources()
{
    // Each output shows the source the drawing connects to it.
    drawing::StoreDrawingReader reader;
    CParaDaten para;
    para.UseDrawing(&reader);
    CParaCheck check;
    CTexte texte;
    Quelle digital[16] = {};
    Quelle analog[16] = {};
    // A list that cannot be read shows every output of it as unconnected.
    if (!para.GetNetzAusgaengeDigital(CParaDaten::kWorkFile, digital, true))
        std::fill(std::begin(digital), std::end(digital), Quelle{});
    if (!para.GetNetzAusgaengeAnalog(CParaDaten::kWorkFile, analog, true))
        std::fill(std::begin(analog), std::end(analog), Quelle{});
    check.CheckNetzAusgaengeDigital(digital);
    check.CheckNetzAusgaengeAnalog(analog);
    BYTE analogCount[16] = {};
    BYTE digitalCount[16] = {};
    {
        CZeichnung drawing;
        drawing.CountNetzAusgaenge(analogCount, digitalCount);
    }
    const CString many = ui::kNetzAusManyObjects;
    const int lineBreak = many.Find('\n');
    for (int k = 0; k < 32; ++k) {
        const Quelle& source = k < 16 ? digital[k] : analog[k - 16];
        const BYTE count = k < 16 ? digitalCount[k] : analogCount[k - 16];
        SourceTexts& texts = m_sources[k];
        if (count >= 2) {
            texts = {many.Left(lineBreak), "", many.Mid(lineBreak + 1)};
        } else {
            texte.GetQuelleTexte(source.kind, source.number, 1, texts.label, texts.number, texts.variable);
        }
    }
}

void CNetzwerkAusgang::LoadForm()
{
    m_strTitle = ui::kNetzAusTitle;
    m_strLabel = ui::kAusgangWord;
    m_strSource = ui::kNetzEinSource;
    SetDlgItemText(IDC_NETZAUS_CONDITIONS_GROUP, ui::kNetzAusConditions);
    SetDlgItemText(IDC_NETZAUS_SETTINGS_GROUP, ui::kNetzEinSettingsGroup);
    CString caption;
    caption.Format("%s...", ui::kNetzEinSettings);
    SetDlgItemText(IDC_NETZAUS_SETTINGS, caption);
    caption.Format("%s:", ui::kNetzAusOnChange);
    SetDlgItemText(IDC_NETZAUS_ONCHANGE_LABEL, caption);
    for (int g = 0; g < 5; ++g) {
        const NetzConditionIds& ids = kNetzConditionIds[g];
        if (g == 0) {
            caption.Format(ui::kNetzAusDigitalGroup, ui::kNetzAusDigital);
        } else {
            caption.Format(ui::kNetzEinRanges[g - 1], ui::kNetzAusAnalog);
            CString label;
            label.Format("%s >", ui::kNetzAusOnChange);
            SetDlgItemText(static_cast<int>(ids.thresholdLabel), label);
        }
        SetDlgItemText(static_cast<int>(ids.group), caption);
        SetDlgItemText(static_cast<int>(ids.blockingLabel), ui::kNetzAusBlocking);
        SetDlgItemText(static_cast<int>(ids.seconds), ui::kUnitSeconds);
        SetDlgItemText(static_cast<int>(ids.intervalLabel), ui::kNetzAusInterval);
        SetDlgItemText(static_cast<int>(ids.minutes), ui::kUnitMinutes);
    }
    m_kind.ResetContent();
    for (int i = 0; i < 3; ++i)
        m_kind.AddString(CString(" ") + ui::kNetzEinKinds[i]);
    m_onChange.ResetContent();
    for (const char* answer : ui::kNoYes)
        m_onChange.AddString(CString(" ") + answer);

    const BYTE code = forms::StoredNetworkNumber(Start().id, 32);
    CParaDaten para;
    m_conditionsRead = para.GetSendebedingungen(CParaDaten::kWorkFile, m_conditions);
    if (!m_conditionsRead)
        m_conditions = Sendebedingungen{};
    ReadSources();
    UpdateForm(code, true);
}

void CNetzwerkAusgang::UpdateForm(BYTE code, bool reselectConditions)
{
    SetCursor(LoadCursor(nullptr, IDC_WAIT));
    m_code = code;
    m_kind.SetCurSel(IsDigitalNetworkNumber(code) ? 1 : IsAnalogNetworkNumber(code) ? 2 : 0);
    m_number.EnableWindow(code != 0);
    m_number.SetCurSel(IsDigitalNetworkNumber(code) ? code - 1 : IsAnalogNetworkNumber(code) ? code - 17 : -1);
    CParaCheck().CheckNetzZeiten(m_conditions);
    if (reselectConditions) {
        m_onChange.SetCurSel(m_conditions.onChange ? 1 : 0);
        m_blocking[0].SetCurSel(m_conditions.blocking - 1);
        m_intervals[0].SetCurSel(m_conditions.interval - 1);
        for (int g = 0; g < 4; ++g) {
            const Sendebedingungen::AnalogGruppe& group = m_conditions.analog[g];
            m_thresholds[g].SetCurSel(group.threshold - kMinThreshold);
            m_blocking[g + 1].SetCurSel(group.blocking - 1);
            m_intervals[g + 1].SetCurSel(group.interval - 1);
        }
    }
    if (code >= 1 && code <= 32) {
        const SourceTexts& texts = m_sources[code - 1];
        m_strSourceKind = texts.label;
        m_strSourceNumber = texts.number;
        m_strSourceVariable = texts.variable;
    } else {
        m_strSourceKind = ui::kSourceUser;
        m_strSourceNumber = "";
        m_strSourceVariable = ui::kNotUsed;
    }
    SetCursor(LoadCursor(nullptr, IDC_ARROW));
    UpdateData(FALSE);
}

void CNetzwerkAusgang::OnAusgangWahl()
{
    const int kind = m_kind.GetCurSel();
    const int index = std::max(m_number.GetCurSel(), 0);
    UpdateForm(kind == 1 ? static_cast<BYTE>(index + 1) : kind == 2 ? static_cast<BYTE>(index + 17) : 0, false);
}

void CNetzwerkAusgang::OnNetzEinstellungen()
{
    forms::EditNetworkSettings(this);
}

bool CNetzwerkAusgang::WriteRecord(CParaDaten& para, int file, plant::PlantEnd end)
{
    if (end == plant::PlantEnd::Assign || !m_conditionsRead)
        return true;
    Sendebedingungen& c = m_conditions;
    c.onChange = m_onChange.GetCurSel() > 0 ? 1 : 0;
    c.interval = static_cast<BYTE>(Index(m_intervals[0], 1, c.interval));
    c.blocking = static_cast<BYTE>(Index(m_blocking[0], 1, c.blocking));
    for (int g = 0; g < 4; ++g) {
        c.analog[g].threshold = static_cast<BYTE>(Index(m_thresholds[g], kMinThreshold, c.analog[g].threshold));
        c.analog[g].interval = static_cast<BYTE>(Index(m_intervals[g + 1], 1, c.analog[g].interval));
        c.analog[g].blocking = static_cast<BYTE>(Index(m_blocking[g + 1], 1, c.analog[g].blocking));
    }
    return para.SetSendebedingungen(file, c);
}

void CNetzwerkAusgang::StoreNumber(CZeichnung& drawing)
{
    drawing.SetNetzNr(Start().name, Start().id, m_code);
}

void CNetzwerkAusgang::SendObjectTexts(CSCCmd& channel, CZeichnung& drawing, CTexte& texte)
{
    forms::SendNetworkNumberLabels(channel, drawing, Start().id, m_code,
                                   [&] { return texte.GetNetzAusgangNrText(m_code); });
    forms::NetworkLabelIds ids;
    if (!forms::GetNetworkLabelIds(drawing, Start().id, ids))
        return;
    // The node label names this controller's node; the output label the output's number within its kind.
    NetzwerkParam settings;
    CParaDaten().GetNetzwerk(CParaDaten::kWorkFile, settings);
    CParaCheck().CheckNetzKnoten(settings);
    forms::SendNetworkPlaceLabels(channel, ids, m_code != 0, settings.node,
                                  IsDigitalNetworkNumber(m_code) ? m_code : m_code - 16);
}

UINT CNetzwerkAusgang::OwnLabelGroups() const
{
    return CTexte::kLabelsNetzAusgaenge;
}
