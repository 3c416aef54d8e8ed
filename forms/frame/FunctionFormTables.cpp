// The record access of a kind, the enable rules, and the rows every switching output group shares.
#include "forms/frame/FunctionFormTables.h"

#include "resources/UiTexts.h"
#include "resources/ValueLists.h"
#include "store/CParaDaten.h"
#include "store/FunctionTypes.h"

#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

namespace forms {

namespace {

BYTE FindFuncSlot(CParaDaten& para, int file, int objectId)
{
    return para.FindFuncSlot(file, objectId);
}

// The catalog rows' accesses, by type code 1 to 23 at index code - 1.
const std::vector<RecordAccess>& CatalogAccesses()
{
    static const std::vector<RecordAccess> accesses = [] {
        std::vector<RecordAccess> rows;
        for (const functypes::FunctionType& type : functypes::AllFunctionTypes())
            rows.push_back({type.forms.parameters, type.forms.inputs, type.forms.outputs, type.recordSize,
                            type.names.kind, &FindFuncSlot, type.read, type.write, type.blank, type.check});
        return rows;
    }();
    return accesses;
}

}  // namespace

const RecordAccess& AccessOf(const FunctionKind& kind)
{
    if (kind.access)
        return *kind.access;
    const functypes::FunctionType* type = functypes::FindFunctionType(kind.code);
    const std::vector<RecordAccess>& rows = CatalogAccesses();
    const size_t index = static_cast<size_t>(kind.code - 1);
    if (!type || index >= rows.size())
        throw std::logic_error("a function form of a type the catalog does not know");
    return rows[index];
}

bool RuleHolds(const EnableRule& rule, const BYTE* record)
{
    for (const EnableRule* r = &rule; r; r = r->also)
        if (!r->always && (record::ReadField(record, r->field) == r->equals) == r->differs)
            return false;
    return true;
}

ValueControl DifferenceControl(UINT id, record::FieldRef field, bool reshow, EnableRule enable)
{
    field.isSigned = true;
    static const std::vector<CString> items = resources::DifferenceList().items;
    return {id, field, -128, {items}, enable, reshow};
}

ValueControl RangeControl(UINT id, const record::FieldInfo* row, EnableRule enable, bool reshow)
{
    const long first = record::ScaleOrder(*row, row->low);
    const long last = record::ScaleOrder(*row, row->high);
    std::vector<CString> items;
    switch (row->scale) {
    case record::Scale::Plain: items = resources::NumberList(first, last).items; break;
    case record::Scale::Temperature:
        if (first >= 0)  // degrees 0 to 200 read as themselves
            items = resources::NumberList(first, last).items;
        break;
    case record::Scale::Hysteresis: items = resources::HysteresisList(first, last).items; break;
    case record::Scale::TimeOfDay:
        if (first == 0 && last == 143)
            items = resources::TimeOfDayList().items;
        break;
    case record::Scale::Difference:
        items = resources::DifferenceList(static_cast<int>(first), static_cast<int>(last)).items;
        break;
    default: break;
    }
    if (items.empty())
        throw std::logic_error(std::string("no value list for the range of ") + row->field.name);
    return {id, Edits(row), first, {std::move(items)}, enable, reshow};
}

const char* TimeByteUnit(long value)
{
    return value <= 90 ? ui::kUnitSeconds : value <= 156 ? ui::kUnitMinutes : ui::kUnitHours;
}

CString OutputBoxLabel(const OutputBox& box)
{
    CString text;
    switch (box.label) {
    case BoxLabel::Single: text.Format(ui::kOutputBox, ui::kOutputPrefix, box.output); break;
    case BoxLabel::Analog: text.Format(ui::kOutputBoxAnalog, ui::kOutputPrefix, box.output, ui::kOutputAnalog); break;
    case BoxLabel::Pair: text.Format(ui::kOutputBoxPair, ui::kOutputPrefix, box.output, box.output + 1); break;
    case BoxLabel::None: text = ui::kOutputNone; break;
    }
    return text;
}

std::vector<OutputBox> SixteenOutputs(const UINT (&ids)[16], unsigned firstField)
{
    std::vector<OutputBox> boxes;
    for (int n = 1; n <= 16; ++n) {
        const BoxLabel label = n >= 15 ? BoxLabel::Analog : BoxLabel::Single;
        boxes.push_back({ids[n - 1], label, n, record::ByteAt(firstField + static_cast<unsigned>(n - 1))});
    }
    return boxes;
}

std::vector<OutputBox> SpeedOutputs(const UINT (&ids)[6], unsigned firstField)
{
    constexpr int kOutputs[6] = {1, 2, 6, 7, 15, 16};
    std::vector<OutputBox> boxes;
    for (unsigned k = 0; k < 6; ++k)
        boxes.push_back({ids[k], BoxLabel::Single, kOutputs[k], record::ByteAt(firstField + k)});
    return boxes;
}

}  // namespace forms
