// The function control's parameter form: its tables for the function form frame, the limit list by the wiring of
// value b, and the factories of its forms.
#include "forms/logic/CFuncKontrolle.h"

#include "forms/frame/FunctionFormFactories.h"
#include "forms/logic/CFuncKontrolleVarIn.h"
#include "forms/logic/CFuncKontrolleVarOut.h"

#include "platform/CDataExchange.h"
#include "platform/CLocale.h"
#include "resources/UiTexts.h"
#include "resources/ValueLists.h"
#include "store/FuncKontrolleParam.h"
#include "texttables/StandardDesignations.h"

FUNCTION_FORM_FACTORIES(FuncKontrolle)

namespace {

using namespace forms;
using R = FuncKontrolleParam;
using Rows = FieldTable<record::kFuncKontrolleFields>;

constexpr UINT kLimitCaption = 1185;
constexpr UINT kLimit = 1180;
constexpr UINT kLimitUnit = 1070;
constexpr UINT kDuration = 1165;
constexpr UINT kDurationUnit = 1304;
constexpr UINT kStoreError = 1303;

const record::FieldRef kValueBKind = RECORD_FIELD(R, valueB.kind);
const record::FieldRef kValueBLimit = Edits(Rows::Row(offsetof(R, valueB.number)));
const record::FieldRef kDifferenceLimit = Edits(Rows::Row(offsetof(R, differenceLimit)));

std::vector<CString> Minutes()
{
    std::vector<CString> items;
    for (int m = 1; m <= 120; ++m)
        items.push_back(CString(platform::FormatC("%d", m)));
    return items;
}

const std::vector<LayoutGroup> kLayout = {
    {1297,
     ui::kFuncKontrolleGroup,
     {{1298, ui::kFuncKontrolleErrorIf},
      {kLimitCaption, "", kLimit, ControlKind::Combo, nullptr, {}, kLimitUnit},
      {1295, ui::kFuncKontrolleAtLeast, kDuration, ControlKind::Combo, nullptr, {}, kDurationUnit}}},
    {0, nullptr, {{1296, ui::kFuncKontrolleStoreError, kStoreError, ControlKind::Combo}}},
};

const std::vector<ValueControl> kValues = {
    {kDuration, Edits(Rows::Row(offsetof(R, errorDelay))), 1, {Minutes()}},
    {kStoreError, Edits(Rows::Row(offsetof(R, keepError))), 0, {{}, ui::kNoYes}},
};

bool DifferenceControl(const BYTE* record)
{
    return ReadField(record, kValueBKind) != 0;
}

}  // namespace

BEGIN_MESSAGE_MAP(CFuncKontrolle, FunctionParamForm)
ON_CBN_SELENDOK(kLimit, OnGrenzwert)
END_MESSAGE_MAP()

const forms::FunctionKind CFuncKontrolle::kKind{texts::kTypeFuncKontrolle, ui::kTitleFuncKontrolle, false};

CFuncKontrolle::CFuncKontrolle() : FunctionParamForm({kKind, kLayout, kValues})
{}

void CFuncKontrolle::DoDataExchange(CDataExchange* dx)
{
    FunctionParamForm::DoDataExchange(dx);
    DDX_Control(dx, kLimit, m_limit);
}

void CFuncKontrolle::ShowSpecial()
{
    const BYTE* r = Record();
    const bool difference = DifferenceControl(r);
    if (!m_limitBuilt) {
        m_limit.ResetContent();
        const int last = difference ? 99 : 200;
        for (int v = 0; v <= last; ++v)
            m_limit.InsertString(v, resources::PaddedNumber(v));
        CString caption;
        caption.Format(ui::kFuncKontrolleLimitCaption,
                       difference ? ui::kFuncKontrolleDifference : ui::kFuncKontrolleValueA);
        SetCaption(kLimitCaption, caption.GetString());
        SetCaption(kLimitUnit, difference ? ui::kUnitKelvin : ui::kUnitDegrees);
        SetCaption(kDurationUnit, ui::kUnitMinutes);
        m_limitBuilt = true;
    }
    m_limit.SetCurSel(static_cast<int>(ReadField(r, difference ? kDifferenceLimit : kValueBLimit)));
    // "sì" for any stored value but 0.
    if (auto* store = static_cast<CComboBox*>(GetDlgItem(kStoreError)))
        store->SetCurSel(r[offsetof(R, keepError)] != 0 ? 1 : 0);
}

void CFuncKontrolle::OnGrenzwert()
{
    const int index = m_limit.GetCurSel();
    if (index >= 0)
        WriteField(Record(), DifferenceControl(Record()) ? kDifferenceLimit : kValueBLimit, index);
}
