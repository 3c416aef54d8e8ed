// The additional controller settings dialog: its controls bound to the record's fields by one table.
#include "production/CZusatzEinstellungenDlg.h"

#include "forms/dialogs/SaveRefusal.h"
#include "platform/CDataExchange.h"
#include "platform/CWaitCursor.h"
#include "platform/ControlTexts.h"
#include "requirements/CSystemRequirements.h"
#include "resources/ProductionIds.h"
#include "production/WorkingCopyStore.h"
#include "resources/ProductionTexts.h"
#include "store/CIniSettings.h"
#include "store/CParaCheck.h"
#include "store/CParaDaten.h"
#include "store/FieldInfo.h"
#include "store/PlantFields.h"

#include <cstddef>

BEGIN_MESSAGE_MAP(CZusatzEinstellungenDlg, CDialog)
    ON_BN_CLICKED(IDC_ZUSATZ_LIGHT, OnBeleuchtung)
END_MESSAGE_MAP()

namespace {

enum class Kind { List, Check };

// A control and the record field it shows: a list's entry index is the field's value minus offset; a check box is
// ticked for any value other than 0 and stores 1 or 0.
struct Field {
    int id;
    Kind kind;
    record::FieldRef field;
    int offset;
};

using R = ReglerEinstellungen;

// The field of the record's field-table row for a member.
consteval record::FieldRef Row(unsigned offset)
{
    return record::RowAt(record::kReglerFields, offset)->field;
}

// Digit n of the expert code, one byte of the row's four.
constexpr record::FieldRef ExpertDigit(unsigned n)
{
    return record::ByteAt(Row(offsetof(R, expertCode)).offset + n);
}

constexpr Field kFields[] = {
    {IDC_ZUSATZ_CONTRAST, Kind::List, Row(offsetof(R, contrast)), 30},
    {IDC_ZUSATZ_BRIGHTNESS, Kind::List, Row(offsetof(R, brightness)), 0},
    {IDC_ZUSATZ_EXPERT_UNITS, Kind::List, ExpertDigit(0), 0},
    {IDC_ZUSATZ_EXPERT_TENS, Kind::List, ExpertDigit(1), 0},
    {IDC_ZUSATZ_EXPERT_HUNDREDS, Kind::List, ExpertDigit(2), 0},
    {IDC_ZUSATZ_EXPERT_THOUSANDS, Kind::List, ExpertDigit(3), 0},
    {IDC_ZUSATZ_AUTO_FUNCVIEW, Kind::Check, Row(offsetof(R, autoFuncView)), 0},
    {IDC_ZUSATZ_SUMMERTIME, Kind::Check, Row(offsetof(R, autoSummerTime)), 0},
    {IDC_ZUSATZ_LOCK_PARAMETERS, Kind::Check, Row(offsetof(R, lockParameters)), 0},
    {IDC_ZUSATZ_LOCK_OUTPUTS, Kind::Check, Row(offsetof(R, lockOutputs)), 0},
    {IDC_ZUSATZ_LOCK_MENU, Kind::Check, Row(offsetof(R, lockMenu)), 0},
    // The light-off delay: the box ticked for a delay, its list (entry = value - 1) only then enabled.
    {IDC_ZUSATZ_LIGHT, Kind::Check, Row(offsetof(R, lightOff)), 0},
};
constexpr int kLightBox = 11;
constexpr int kLightOffDefault = 3;  // 30 seconds when the box is ticked

constexpr platform::ControlText kCaptions[] = {
    {IDOK, ui::kDialogOk},
    {IDCANCEL, ui::kDialogCancel},
    {IDC_ZUSATZ_DISPLAY_GROUP, ui::kZusatzDisplay},
    {IDC_ZUSATZ_CONTRAST_LABEL, ui::kZusatzContrast},
    {IDC_ZUSATZ_BRIGHTNESS_LABEL, ui::kZusatzBrightness},
    {IDC_ZUSATZ_LIGHT, ui::kZusatzLightOff},
    {IDC_ZUSATZ_SECONDS, ui::kZusatzSeconds},
    {IDC_ZUSATZ_AUTO_FUNCVIEW, ui::kZusatzAutoFuncView},
    {IDC_ZUSATZ_DATETIME_GROUP, ui::kZusatzDateTime},
    {IDC_ZUSATZ_SUMMERTIME, ui::kZusatzSummerTime},
    {IDC_ZUSATZ_LOCK_GROUP, ui::kZusatzLocks},
    {IDC_ZUSATZ_LOCK_PARAMETERS, ui::kZusatzLockParameters},
    {IDC_ZUSATZ_LOCK_OUTPUTS, ui::kZusatzLockOutputs},
    {IDC_ZUSATZ_LOCK_MENU, ui::kZusatzLockMenu},
    {IDC_ZUSATZ_EXPERT_LABEL, ui::kZusatzExpertCode},
};

BYTE* Bytes(ReglerEinstellungen& record)
{
    return reinterpret_cast<BYTE*>(&record);
}

}  // namespace

CZusatzEinstellungenDlg::CZusatzEinstellungenDlg(CWnd* parent) : CDialog(IDD_ZUSATZEINSTELLUNGEN, parent) {}

CZusatzEinstellungenDlg::~CZusatzEinstellungenDlg() = default;

void CZusatzEinstellungenDlg::DoDataExchange(CDataExchange* dx)
{
    CDialog::DoDataExchange(dx);
    for (size_t i = 0; i < std::size(kFields); ++i) {
        if (kFields[i].kind == Kind::List)
            DDX_CBIndex(dx, kFields[i].id, m_values[i]);
        else
            DDX_Check(dx, kFields[i].id, m_values[i]);
    }
    DDX_CBIndex(dx, IDC_ZUSATZ_LIGHT_OFF, m_nLightOffEntry);
}

BOOL CZusatzEinstellungenDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    CWaitCursor wait;
    SetWindowText(ui::kZusatzCaption);
    platform::SetControlTexts(*this, kCaptions);
    CParaDaten para;
    para.GetReglerEinst(CParaDaten::kWorkFile, m_record);
    CParaCheck().CheckRegler(m_record);
    para.GetPotentiostat(CParaDaten::kWorkFile, m_potentiostat);
    for (size_t i = 0; i < std::size(kFields); ++i) {
        const int value = static_cast<int>(record::ReadField(Bytes(m_record), kFields[i].field));
        m_values[i] = kFields[i].kind == Kind::List ? value - kFields[i].offset : (value != 0 ? 1 : 0);
    }
    m_nLightOffEntry = m_record.lightOff != 0 ? m_record.lightOff - 1 : -1;
    GetDlgItem(IDC_ZUSATZ_LIGHT_OFF)->EnableWindow(m_record.lightOff != 0);
    UpdateData(FALSE);
    return TRUE;
}

void CZusatzEinstellungenDlg::OnBeleuchtung()
{
    UpdateData(TRUE);
    const bool on = m_values[kLightBox] != 0;
    m_record.lightOff = on ? kLightOffDefault : 0;
    m_nLightOffEntry = on ? kLightOffDefault - 1 : -1;
    GetDlgItem(IDC_ZUSATZ_LIGHT_OFF)->EnableWindow(on);
    UpdateData(FALSE);
}

void CZusatzEinstellungenDlg::OnOK()
{
    UpdateData(TRUE);
    for (size_t i = 0; i < std::size(kFields); ++i) {
        const int value = kFields[i].kind == Kind::List ? m_values[i] + kFields[i].offset : (m_values[i] ? 1 : 0);
        record::WriteField(Bytes(m_record), kFields[i].field, value);
    }
    m_record.lightOff = m_values[kLightBox] ? static_cast<BYTE>(m_nLightOffEntry + 1) : 0;
    const BYTE* digits = m_record.expertCode;
    CIniSettings().SetExpertenKennzahl(digits[0] + 10 * digits[1] + 100 * digits[2] + 1000 * digits[3]);
    CParaDaten para;
    const bool written = para.SetReglerEinst(CParaDaten::kWorkFile, m_record) &&
                         para.SetPotentiostat(CParaDaten::kWorkFile, m_potentiostat);
    if (!production::CommitOrDrop(para, written)) {
        forms::RefuseSave(this);  // the dialog stays open with the person's settings
        return;
    }
    // The requirement follows only settings that were stored.
    if (g_pSystemRequirements)
        g_pSystemRequirements->CalcSettings(m_record);
    EndDialog(IDOK);
}
