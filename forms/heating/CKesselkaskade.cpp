// The boiler cascade's parameter form: two or three boilers, each with its differences and delay; boiler 3's lists
// count only with three boilers. Its save labels the participant pins; the service button opens the service dialog.
#include "forms/heating/CKesselkaskade.h"

#include "forms/frame/FunctionFormFactories.h"
#include "forms/heating/CKesselServiceDlg.h"
#include "forms/heating/CKesselkaskadeVarIn.h"
#include "forms/heating/CKesselkaskadeVarOut.h"
#include "resources/ResourceIds.h"
#include "resources/UiTexts.h"
#include "resources/ValueLists.h"
#include "store/KesselkaskadeParam.h"
#include "texttables/StandardDesignations.h"

FUNCTION_FORM_FACTORIES(Kesselkaskade)

BEGIN_MESSAGE_MAP(CKesselkaskade, FunctionParamForm)
ON_BN_CLICKED(IDC_KASK_SERVICE, OnServicemenue)
END_MESSAGE_MAP()

namespace {

using namespace forms;
using R = KesselkaskadeParam;
using Rows = FieldTable<record::kKesselkaskadeFields>;

struct Boiler {
    UINT group, on, off, delay, unit;
};
constexpr Boiler kBoilers[3] = {
    {IDC_KASK_BOILER1_GROUP, IDC_KASK_ON1, IDC_KASK_OFF1, IDC_KASK_DELAY1, 1395},
    {IDC_KASK_BOILER2_GROUP, IDC_KASK_ON2, IDC_KASK_OFF2, IDC_KASK_DELAY2, 1396},
    {IDC_KASK_BOILER3_GROUP, IDC_KASK_ON3, IDC_KASK_OFF3, IDC_KASK_DELAY3, 1399},
};
// Caption statics of the boilers' rows: on, off and delay of each.
constexpr UINT kCaptions[3][3] = {{1400, 1401, 1402}, {1403, 1404, 1405}, {1406, 1407, 1408}};

// "CALDA 1:" .. "CALDA 3:".
const char* BoilerTitle(int n)
{
    static CString titles[3];
    titles[n].Format(ui::kKaskBoilerGroup, ui::kKaskBoiler, n + 1);
    return titles[n].GetString();
}

std::vector<LayoutGroup> Layout()
{
    std::vector<LayoutGroup> layout = {
        {0,
         nullptr,
         {ComboRow(IDC_KASK_COUNT_LABEL, ui::kKaskCount, IDC_KASK_COUNT),
          ButtonRow(IDC_KASK_SERVICE, ui::kKaskService)}},
    };
    for (int b = 0; b < 3; ++b) {
        const Boiler& k = kBoilers[b];
        layout.push_back({k.group,
                          BoilerTitle(b),
                          {ComboRow(kCaptions[b][0], ui::kDiffOn, k.on, ui::kUnitKelvin),
                           ComboRow(kCaptions[b][1], ui::kDiffOff, k.off, ui::kUnitKelvin),
                           {kCaptions[b][2], ui::kKaskDelay, k.delay, ControlKind::Combo, nullptr, {}, k.unit}}});
    }
    return layout;
}

const std::vector<LayoutGroup> kLayout = Layout();

// Boiler 3 counts only with three boilers.
const EnableRule kThreeBoilers{false, Edits(Rows::Row(offsetof(R, boilerCount))), 2, true};

std::vector<ValueControl> Values()
{
    std::vector<ValueControl> values = {
        {IDC_KASK_COUNT, Edits(Rows::Row(offsetof(R, boilerCount))), 2, {{"2", "3"}}, {}, true},
    };
    static const std::vector<CString> delays = resources::TimeByteList(251).items;
    for (unsigned b = 0; b < 3; ++b) {
        const Boiler& k = kBoilers[b];
        const unsigned block = static_cast<unsigned>(offsetof(R, boilers) + b * sizeof(KesselBlock));
        const EnableRule enable = b == 2 ? kThreeBoilers : EnableRule{};
        // Every pick re-shows: the repair puts the switch-off difference above the switch-on one at once.
        const auto at = [block](size_t member) { return record::ByteAt(block + static_cast<unsigned>(member)); };
        values.push_back(DifferenceControl(k.on, at(offsetof(KesselBlock, onDifference)), true, enable));
        values.push_back(DifferenceControl(k.off, at(offsetof(KesselBlock, offDifference)), true, enable));
        values.push_back({k.delay, at(offsetof(KesselBlock, delay)), 0, {delays}, enable, true, 0, &TimeByteUnit});
    }
    return values;
}

const std::vector<ValueControl> kValues = Values();

}  // namespace

const forms::FunctionKind CKesselkaskade::kKind{texts::kTypeKesselkaskade, ui::kTitleKesselkaskade, false};

CKesselkaskade::CKesselkaskade() : FunctionParamForm({kKind, kLayout, kValues})
{}

void CKesselkaskade::ShowSpecial()
{
    const auto& r = *reinterpret_cast<const KesselkaskadeParam*>(Record());
    SetCaption(kBoilers[2].unit, forms::TimeByteUnit(r.boilers[2].delay));
}

void CKesselkaskade::PrepareLabels(std::vector<BYTE>& record) const
{
    if (record[offsetof(R, boilerCount)] > 2)
        return;
    // An unconnected source without a fixed value gets no suffix, neither " (inv.)" nor " (OFF)".
    record[offsetof(R, release3.kind)] = 0;
    record[offsetof(R, release3.inverted)] = 0;
}

void CKesselkaskade::OnServicemenue()
{
    CKesselServiceDlg dialog(reinterpret_cast<KesselkaskadeParam*>(Record()));
    dialog.DoModal();
}
