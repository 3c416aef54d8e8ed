// The heating-circuit controller's parameter form: the operating mode, the room setpoints, the lead time, the time
// programs and the buttons of its four dialogs.
#include "forms/heating/CHzkrReg.h"

#include "forms/frame/FunctionFormFactories.h"
#include "forms/heating/CHzkrDialogs.h"
#include "forms/heating/CHzkrHeizkurveDlg.h"
#include "forms/heating/CHzkrRegVarIn.h"
#include "forms/heating/CHzkrRegVarOut.h"
#include "forms/heating/HeatingTimePrograms.h"
#include "resources/ResourceIds.h"
#include "resources/UiTexts.h"
#include "resources/ValueLists.h"
#include "store/HzkrRegParam.h"
#include "texttables/StandardDesignations.h"

FUNCTION_FORM_FACTORIES(HzkrReg)

BEGIN_MESSAGE_MAP(CHzkrReg, FunctionParamForm)
ON_BN_CLICKED(IDC_HZKR_CURVE_BUTTON, OnHeizkurve)
ON_BN_CLICKED(IDC_HZKR_AVERAGING_BUTTON, OnMittelwert)
ON_BN_CLICKED(IDC_HZKR_SWITCHOFF_BUTTON, OnAbschaltbedingung)
ON_BN_CLICKED(IDC_HZKR_FROST_BUTTON, OnFrostschutz)
END_MESSAGE_MAP()

namespace {

using namespace forms;
using R = HzkrRegParam;
using Rows = FieldTable<record::kHzkrRegFields>;

constexpr UINT kLeadUnit = 1344;  // the unit static of the lead time

const std::vector<LayoutGroup> kLayout = {
    {0, nullptr, {ComboRow(IDC_HZKR_MODE_LABEL, ui::kHzkrMode, IDC_HZKR_MODE)}},
    {IDC_HZKR_ROOM_GROUP,
     ui::kHzkrRoomGroup,
     {ComboRow(IDC_HZKR_REDUCED_LABEL, ui::kHzkrReduced, IDC_HZKR_REDUCED, ui::kUnitDegrees),
      ComboRow(IDC_HZKR_NORMAL_LABEL, ui::kHzkrNormal, IDC_HZKR_NORMAL, ui::kUnitDegrees),
      ButtonRow(IDC_ZEITPROGRAMM, ui::kTimeProgramButton),
      {IDC_HZKR_LEAD_LABEL, ui::kHzkrLead, IDC_HZKR_LEAD, ControlKind::Combo, ui::kUnitMinutes, {}, kLeadUnit}}},
    {IDC_HZKR_FLOW_GROUP, ui::kHzkrFlowGroup, {ButtonRow(IDC_HZKR_CURVE_BUTTON, ui::kHzkrCurveButton)}},
    {IDC_HZKR_OUTSIDE_GROUP, ui::kHzkrOutsideGroup, {ButtonRow(IDC_HZKR_AVERAGING_BUTTON, ui::kHzkrAveragingButton)}},
    {0,
     nullptr,
     {ButtonRow(IDC_HZKR_SWITCHOFF_BUTTON, ui::kHzkrSwitchOffButton),
      ButtonRow(IDC_HZKR_FROST_BUTTON, ui::kHzkrFrostButton)}},
};

// Each pick stores at once; nothing else depends on these values.
const std::vector<ValueControl> kValues = {
    {IDC_HZKR_MODE, Edits(Rows::Row(offsetof(R, mode))), 0, {{}, ui::kHzkrModes}},
    RangeControl(IDC_HZKR_REDUCED, Rows::Row(offsetof(R, roomReduced))),
    RangeControl(IDC_HZKR_NORMAL, Rows::Row(offsetof(R, roomNormal))),
    RangeControl(IDC_HZKR_LEAD, Rows::Row(offsetof(R, advanceTime))),
};

const TimeProgramButton kTimePrograms = HeatingTimePrograms<R>();

}  // namespace

const forms::FunctionKind CHzkrReg::kKind{texts::kTypeHzkrReg, ui::kTitleHzkrReg, false};

CHzkrReg::CHzkrReg() : FunctionParamForm({kKind, kLayout, kValues, &kTimePrograms})
{}

void CHzkrReg::OnHeizkurve()
{
    CHzkrHeizkurveDlg dialog(reinterpret_cast<HzkrRegParam*>(Record()));
    dialog.DoModal();
}

void CHzkrReg::OnMittelwert()
{
    hzkr::RunAveragingDialog(reinterpret_cast<HzkrRegParam*>(Record()));
}

void CHzkrReg::OnAbschaltbedingung()
{
    hzkr::RunSwitchOffDialog(reinterpret_cast<HzkrRegParam*>(Record()));
}

void CHzkrReg::OnFrostschutz()
{
    hzkr::RunFrostDialog(reinterpret_cast<HzkrRegParam*>(Record()));
}
