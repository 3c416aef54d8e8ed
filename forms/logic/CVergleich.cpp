// The comparison's parameter form: its tables for the function form frame, the unit scales of value b and the
// differences, and the factories of its forms.
#include "forms/logic/CVergleich.h"

#include "forms/frame/FunctionFormFactories.h"
#include "forms/logic/CVergleichVarIn.h"
#include "forms/logic/CVergleichVarOut.h"

#include "platform/CDataExchange.h"
#include "platform/CLocale.h"
#include "resources/UiTexts.h"
#include "resources/ValueLists.h"
#include "store/VergleichParam.h"
#include "texttables/StandardDesignations.h"

#include <algorithm>
#include <cstdlib>
#include <string>

FUNCTION_FORM_FACTORIES(Vergleich)

namespace {

using namespace forms;
using R = VergleichParam;
using Rows = FieldTable<record::kVergleichFields>;

constexpr UINT kUnit = 1003;
constexpr UINT kValueB = 1469;
constexpr UINT kOn = 1199;
constexpr UINT kOff = 1207;
constexpr UINT kValueBUnit = 1218;
constexpr UINT kOnUnit = 1235;
constexpr UINT kOffUnit = 1256;
constexpr long kTemperature = 1;
constexpr long kHumidity = 10;
constexpr long kPressure = 11;

const record::FieldRef kUnitField = Edits(Rows::Row(offsetof(R, unit)));
const record::FieldRef kValueBKind = RECORD_FIELD(R, valueB.kind);
const record::FieldRef kValueBNumber = RECORD_FIELD(R, valueB.number);
const record::FieldRef kOnField = RECORD_FIELD(R, onDifference);
const record::FieldRef kOffField = RECORD_FIELD(R, offDifference);

const std::vector<LayoutGroup> kLayout = {
    {0,
     nullptr,
     {{1725, ui::kVergleichUnitLabel, kUnit, ControlKind::Combo},
      {1726, ui::kVergleichValueBLabel, kValueB, ControlKind::Combo, nullptr, {}, kValueBUnit},
      {1260, ui::kVergleichOnLabel, kOn, ControlKind::Combo, nullptr, {}, kOnUnit},
      {1283, ui::kVergleichOffLabel, kOff, ControlKind::Combo, nullptr, {}, kOffUnit}}},
};

// The unit is a table value; value b and the differences are scaled by the unit and handled by the form itself.
const std::vector<ValueControl> kValues = {
    {kUnit, kUnitField, 0, {{}, ui::kQuantities}, {}, true},
};

// A whole number right-aligned by blanks: two fewer for each further digit, two at the least.
CString Whole(long value)
{
    const int digits = static_cast<int>(std::to_string(std::labs(value)).size());
    return CString(' ', std::max(2, 10 - 2 * digits)) + CString(platform::FormatC("%ld", value));
}

std::vector<CString> ValueBItems(long unit)
{
    std::vector<CString> items;
    auto scaled = [&](int count, long step) {
        for (int i = 0; i < count; ++i)
            items.push_back(Whole(i * step));
    };
    switch (unit) {
    case 0:
    case kHumidity: scaled(101, 1); break;
    case kTemperature:
        for (int v = -50; v <= 200; ++v)
            items.push_back(v < -9      ? CString(platform::FormatC(" - %d", -v))
                                : v < 0 ? CString(platform::FormatC(" -   %d", -v))
                                        : Whole(v));
        break;
    case 2: scaled(201, 10); break;
    case 8: scaled(201, 50); break;
    case 9: scaled(201, 1); break;
    case kPressure:
        for (int i = 0; i <= 200; ++i)
            items.push_back(CString(platform::FormatC(i < 100 ? "    %02.01f" : "  %02.01f", i / 10.0)));
        break;
    default: scaled(251, 10); break;  // hours, impulses, energies, power
    }
    return items;
}

std::vector<CString> DifferenceItems(long unit)
{
    std::vector<CString> items;
    auto scaled = [&](int count, long step) {
        for (int i = 0; i < count; ++i)
            items.push_back(Whole(i * step));
    };
    switch (unit) {
    case 0:
    case 9: scaled(101, 1); break;
    case kTemperature:
    case kHumidity:
        for (int code = -128; code <= 127; ++code)
            items.push_back(resources::DifferenceText(code, " -  ", "    "));
        break;
    case 8: scaled(201, 5); break;
    case kPressure:
        for (int i = 0; i < 200; ++i)
            items.push_back(CString(platform::FormatC("    %03.02f", i * 0.05)));
        break;
    default: scaled(201, 1); break;
    }
    return items;
}

bool SignedDifferences(long unit)
{
    return unit == kTemperature || unit == kHumidity;
}

}  // namespace

BEGIN_MESSAGE_MAP(CVergleich, FunctionParamForm)
ON_CBN_SELENDOK(kValueB, OnWertB)
ON_CBN_SELENDOK(kOn, OnDifferenz)
ON_CBN_SELENDOK(kOff, OnDifferenz)
END_MESSAGE_MAP()

const forms::FunctionKind CVergleich::kKind{texts::kTypeVergleich, ui::kTitleVergleich, false};

CVergleich::CVergleich() : FunctionParamForm({kKind, kLayout, kValues})
{}

void CVergleich::DoDataExchange(CDataExchange* dx)
{
    FunctionParamForm::DoDataExchange(dx);
    DDX_Control(dx, kValueB, m_valueB);
    DDX_Control(dx, kOn, m_on);
    DDX_Control(dx, kOff, m_off);
}

void CVergleich::ShowSpecial()
{
    const BYTE* r = Record();
    const long unit = ReadField(r, kUnitField);
    if (m_listUnit.Changes(unit)) {
        FillList(m_valueB, ValueBItems(unit));
        const std::vector<CString> differences = DifferenceItems(unit);
        FillList(m_on, differences);
        FillList(m_off, differences);
        const char* label = ui::kQuantityUnits[unit];
        SetCaption(kValueBUnit, label);
        SetCaption(kOnUnit, unit == kTemperature ? ui::kUnitKelvin : label);
        SetCaption(kOffUnit, unit == kTemperature ? ui::kUnitKelvin : label);
    }
    const bool fixedB = ReadField(r, kValueBKind) == 0;
    const long valueB = ReadField(r, kValueBNumber);
    m_valueB.EnableWindow(fixedB);
    if (!fixedB)
        m_valueB.SetCurSel(-1);
    else
        m_valueB.SetCurSel(static_cast<int>(unit == kTemperature ? static_cast<signed char>(valueB) + 50 : valueB));
    const int shift = SignedDifferences(unit) ? 128 : 0;
    auto index = [&](const record::FieldRef& field) {
        const long code = ReadField(r, field);
        return static_cast<int>(shift ? static_cast<signed char>(code) + shift : code);
    };
    m_on.SetCurSel(index(kOnField));
    m_off.SetCurSel(index(kOffField));
}

void CVergleich::OnWertB()
{
    const int index = m_valueB.GetCurSel();
    if (index < 0)
        return;
    WriteField(Record(), kValueBNumber, ReadField(Record(), kUnitField) == kTemperature ? index - 50 : index);
    ShowRecord(false);
}

void CVergleich::OnDifferenz()
{
    const int shift = SignedDifferences(ReadField(Record(), kUnitField)) ? 128 : 0;
    // A list without selection keeps its byte.
    if (const int on = m_on.GetCurSel(); on >= 0)
        WriteField(Record(), kOnField, on - shift);
    if (const int off = m_off.GetCurSel(); off >= 0)
        WriteField(Record(), kOffField, off - shift);
    ShowRecord(false);
}
