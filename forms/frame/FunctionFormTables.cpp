// Reading and writing the fields the form tables name, and the rows every switching output group shares.
#include "forms/frame/FunctionFormTables.h"

#include "resources/UiTexts.h"
#include "resources/ValueLists.h"
#include "store/CParaDaten.h"
#include "store/FunctionTypes.h"

#include <cstdint>
#include <cstring>
#include <stdexcept>
#include <vector>

namespace forms {

namespace {

std::uint32_t Word(const BYTE* record, const Field& field)
{
    switch (field.size) {
    case 2: {
        std::uint16_t v;
        std::memcpy(&v, record + field.offset, 2);
        return v;
    }
    case 4: {
        std::uint32_t v;
        std::memcpy(&v, record + field.offset, 4);
        return v;
    }
    default: return record[field.offset];
    }
}

void PutWord(BYTE* record, const Field& field, std::uint32_t value)
{
    switch (field.size) {
    case 2: {
        const auto v = static_cast<std::uint16_t>(value);
        std::memcpy(record + field.offset, &v, 2);
        break;
    }
    case 4: std::memcpy(record + field.offset, &value, 4); break;
    default: record[field.offset] = static_cast<BYTE>(value); break;
    }
}

std::uint32_t Mask(const Field& field)
{
    const unsigned bits = field.bits ? field.bits : field.size * 8;
    return bits >= 32 ? 0xFFFFFFFFu : (1u << bits) - 1u;
}

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

long ReadField(const BYTE* record, const Field& field)
{
    const std::uint32_t value = (Word(record, field) >> field.shift) & Mask(field);
    if (!field.isSigned)
        return static_cast<long>(value);
    const unsigned bits = field.bits ? field.bits : field.size * 8;
    const std::uint32_t sign = 1u << (bits - 1);
    return (value & sign) ? static_cast<long>(value) - (static_cast<long>(Mask(field)) + 1) : static_cast<long>(value);
}

void WriteField(BYTE* record, const Field& field, long value)
{
    const std::uint32_t mask = Mask(field) << field.shift;
    const std::uint32_t word =
        (Word(record, field) & ~mask) | ((static_cast<std::uint32_t>(value) << field.shift) & mask);
    PutWord(record, field, word);
}

bool RuleHolds(const EnableRule& rule, const BYTE* record)
{
    for (const EnableRule* r = &rule; r; r = r->also)
        if (!r->always && (ReadField(record, r->field) == r->equals) == r->differs)
            return false;
    return true;
}

ValueControl DifferenceControl(UINT id, Field field, bool reshow, EnableRule enable)
{
    field.isSigned = true;
    static const std::vector<CString> items = resources::DifferenceList().items;
    return {id, field, -128, {items}, enable, reshow};
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
        boxes.push_back({ids[n - 1], label, n, Field {firstField + static_cast<unsigned>(n - 1)}});
    }
    return boxes;
}

std::vector<OutputBox> SpeedOutputs(const UINT (&ids)[6], unsigned firstField)
{
    constexpr int kOutputs[6] = {1, 2, 6, 7, 15, 16};
    std::vector<OutputBox> boxes;
    for (unsigned k = 0; k < 6; ++k)
        boxes.push_back({ids[k], BoxLabel::Single, kOutputs[k], Field {firstField + k}});
    return boxes;
}

}  // namespace forms
