// The time switch's parameter form: its tables for the function form frame, the time programs' button, and the
// factories of its forms.
#include "forms/logic/CSchaltuhr.h"

#include "forms/frame/FunctionFormFactories.h"
#include "forms/logic/CSchaltuhrVarIn.h"
#include "forms/logic/CSchaltuhrVarOut.h"

#include "platform/CLocale.h"
#include "resources/UiTexts.h"
#include "resources/ValueLists.h"
#include "store/SchaltuhrParam.h"
#include "texttables/StandardDesignations.h"

FUNCTION_FORM_FACTORIES(Schaltuhr)

namespace {

using namespace forms;
using R = SchaltuhrParam;
using Rows = FieldTable<record::kSchaltuhrFields>;

constexpr UINT kPrograms = 1088;
constexpr UINT kSetpoint = 1354;
constexpr UINT kMinDays = 1361;
constexpr UINT kMinTime = 1359;
constexpr UINT kBlockDays = 1365;
constexpr UINT kBlockTime = 1363;
constexpr UINT kMinDaysUnit = 1663;
constexpr UINT kBlockDaysUnit = 1666;
constexpr UINT kMinTimeUnit = 1171;
constexpr UINT kBlockTimeUnit = 1173;
constexpr int kLastTimeByte = 202;

// Time byte v: seconds 0..90, minutes 2.0..9.5 in half minutes (91..106; 6.0 and 9.0 with two trailing blanks),
// minutes 10..59 (107..156), hours 1.0..23.5 in half hours (157..202).
std::vector<CString> TimeItems()
{
    std::vector<CString> items;
    auto padded = [](int whole, const std::string& text) { return CString(whole < 10 ? "   " : " ") + CString(text); };
    for (int v = 0; v <= kLastTimeByte; ++v) {
        if (v <= 90) {
            items.push_back(padded(v, platform::FormatC("%d", v)));
        } else if (v <= 106) {
            const int whole = (v - 87) / 2;
            const int half = (v - 87) % 2;
            items.push_back(padded(whole, platform::FormatC("%d.%d", whole, half * 5)) +
                            CString(half == 0 && (whole == 6 || whole == 9) ? "  " : ""));
        } else if (v <= 156) {
            items.push_back(padded(v - 97, platform::FormatC("%d", v - 97)));
        } else {
            const int whole = (v - 155) / 2;
            items.push_back(padded(whole, platform::FormatC("%d.%d", whole, (v - 155) % 2 * 5)));
        }
    }
    return items;
}

const std::vector<LayoutGroup> kLayout = {
    {0,
     nullptr,
     {ButtonRow(kPrograms, ui::kSchaltuhrPrograms),
      {1669, ui::kSchaltuhrSetpointLabel},
      {0, nullptr, kSetpoint, ControlKind::Combo, ui::kUnitDegrees}}},
    {0,
     nullptr,
     {{1670, ui::kSchaltuhrMinBlockLabel, kMinDays, ControlKind::Combo, nullptr, {}, kMinDaysUnit},
      {0, nullptr, kMinTime, ControlKind::Combo, nullptr, {}, kMinTimeUnit},
      {1671, ui::kSchaltuhrBlockLabel, kBlockDays, ControlKind::Combo, nullptr, {}, kBlockDaysUnit},
      {0, nullptr, kBlockTime, ControlKind::Combo, nullptr, {}, kBlockTimeUnit}}},
};

// The durations count only with a blocking input; a pick of one stores it and shows the record again.
// Programs 1 to 5 of the record.
const TimeProgramButton kProgramButton {kPrograms, 1, 5, offsetof(R, programsInUse), offsetof(R, windowsPerProgram),
                                        offsetof(R, windowSetpoints), offsetof(R, programs)};

const EnableRule kWithBlocking{false, RECORD_FIELD(R, blocking.kind), 0, true};

const std::vector<ValueControl> kValues = {
    {kSetpoint,
     Edits(Rows::Row(offsetof(R, nominalValue))),
     0,
     {resources::NumberList(0, 99, 3).items},
     {false, RECORD_FIELD(R, windowSetpoints), 0, true}},
    {kMinDays,
     Edits(Rows::Row(offsetof(R, blockMinDays))),
     0,
     {resources::NumberList(0, 31, 3).items},
     kWithBlocking,
     true},
    {kMinTime, Edits(Rows::Row(offsetof(R, blockMinTime))), 0, {TimeItems()}, kWithBlocking, true},
    {kBlockDays,
     Edits(Rows::Row(offsetof(R, blockDays))),
     0,
     {resources::NumberList(0, 31, 3).items},
     kWithBlocking,
     true},
    {kBlockTime, Edits(Rows::Row(offsetof(R, blockTime))), 0, {TimeItems()}, kWithBlocking, true},
};

}  // namespace

const forms::FunctionKind CSchaltuhr::kKind{texts::kTypeSchaltuhr, ui::kTitleSchaltuhr, false};

CSchaltuhr::CSchaltuhr() : FunctionParamForm({kKind, kLayout, kValues, &kProgramButton})
{}

void CSchaltuhr::ShowSpecial()
{
    const BYTE* r = Record();
    SetCaption(kMinDaysUnit, ui::kUnitDays);
    SetCaption(kBlockDaysUnit, ui::kUnitDays);
    // The units follow the stored times, also while their lists are disabled.
    SetCaption(kMinTimeUnit, TimeByteUnit(r[offsetof(R, blockMinTime)]));
    SetCaption(kBlockTimeUnit, TimeByteUnit(r[offsetof(R, blockTime)]));
}
