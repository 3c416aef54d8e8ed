// Data exchange by table: edits with a text scale and a range, combos by value list, check boxes.
#include "platform/DataBinding.h"

#include "platform/CLocale.h"
#include "platform/ResourceRegistry.h"

#include <cstdint>
#include <cstring>

namespace platform {

namespace {

long Power10(int decimals)
{
    long p = 1;
    for (int i = 0; i < decimals; ++i)
        p *= 10;
    return p;
}

long ToShown(const TextScale& scale, long stored)
{
    return scale.toShown ? scale.toShown(stored) : stored;
}

bool ToStored(const TextScale& scale, long shown, long& stored)
{
    if (!scale.toStored) {
        stored = shown;
        return true;
    }
    return scale.toStored(shown, stored);
}

CString Prompt(UINT id, const char* fallback)
{
    ResourceRegistry& registry = ResourceRegistry::Instance();
    return registry.HasString(id) ? registry.String(id) : CString(fallback);
}

// The warning of a number outside its range, with the range as the scale shows it.
void RefuseRange(CDataExchange* dx, const BindingRow& row)
{
    CString text = row.scale.decimals == 0
                       ? Prompt(AFX_IDP_PARSE_INT_RANGE, "Please enter an integer between %1 and %2.")
                       : Prompt(AFX_IDP_PARSE_REAL_RANGE, "Please enter a number between %1 and %2.");
    text.Replace("%1", FormatShown(row.shownLow, row.scale.decimals).GetString());
    text.Replace("%2", FormatShown(row.shownHigh, row.scale.decimals).GetString());
    dx->Refuse(text);
}

void ExchangeEdit(CDataExchange* dx, BYTE* record, const BindingRow& row)
{
    if (!dx->m_bSaveAndValidate) {
        CString text = FormatShown(ToShown(row.scale, ReadBound(record, row.field)), row.scale.decimals);
        DDX_Text(dx, static_cast<int>(row.controlId), text);
        return;
    }
    CString text;
    DDX_Text(dx, static_cast<int>(row.controlId), text);
    if (dx->m_bFailed)
        return;
    long shown = 0;
    if (!ParseShown(text, row.scale.decimals, shown)) {
        dx->Refuse(row.scale.decimals == 0 ? Prompt(AFX_IDP_PARSE_INT, "Please enter an integer.")
                                           : Prompt(AFX_IDP_PARSE_REAL, "Please enter a number."));
        return;
    }
    long stored = 0;
    if (shown < row.shownLow || shown > row.shownHigh || !ToStored(row.scale, shown, stored)) {
        RefuseRange(dx, row);
        return;
    }
    WriteBound(record, row.field, stored);
}

void ExchangeCombo(CDataExchange* dx, BYTE* record, const BindingRow& row)
{
    int index = -1;
    if (!dx->m_bSaveAndValidate) {
        const long stored = ReadBound(record, row.field);
        for (size_t i = 0; i < row.codes.size(); ++i)
            if (row.codes[i] == stored) {
                index = static_cast<int>(i);
                break;
            }
    }
    DDX_CBIndex(dx, static_cast<int>(row.controlId), index);
    if (dx->m_bSaveAndValidate && !dx->m_bFailed && index >= 0 && static_cast<size_t>(index) < row.codes.size())
        WriteBound(record, row.field, row.codes[static_cast<size_t>(index)]);
}

void ExchangeCheck(CDataExchange* dx, BYTE* record, const BindingRow& row)
{
    int check = ReadBound(record, row.field) != 0 ? BST_CHECKED : BST_UNCHECKED;
    DDX_Check(dx, static_cast<int>(row.controlId), check);
    if (dx->m_bSaveAndValidate && !dx->m_bFailed)
        WriteBound(record, row.field, check == BST_CHECKED ? 1 : 0);
}

}  // namespace

BindingRow EditBinding(UINT controlId, BoundField field, TextScale scale, long shownLow, long shownHigh)
{
    BindingRow row;
    row.controlId = controlId;
    row.kind = BindingKind::Edit;
    row.field = field;
    row.scale = scale;
    row.shownLow = shownLow;
    row.shownHigh = shownHigh;
    return row;
}

BindingRow ComboBinding(UINT controlId, BoundField field, std::vector<long> codes)
{
    BindingRow row;
    row.controlId = controlId;
    row.kind = BindingKind::Combo;
    row.field = field;
    row.codes = std::move(codes);
    return row;
}

BindingRow CheckBinding(UINT controlId, BoundField field)
{
    BindingRow row;
    row.controlId = controlId;
    row.kind = BindingKind::Check;
    row.field = field;
    return row;
}

CString FormatShown(long shown, int decimals)
{
    if (decimals <= 0)
        return FormatC("%ld", shown);
    const long unit = Power10(decimals);
    const long magnitude = shown < 0 ? -shown : shown;
    return FormatC("%s%ld.%0*ld", shown < 0 ? "-" : "", magnitude / unit, decimals, magnitude % unit);
}

bool ParseShown(const CString& text, int decimals, long& shown)
{
    const char* p = text.GetString();
    while (*p == ' ' || *p == '\t')
        ++p;
    const bool negative = *p == '-';
    if (*p == '-' || *p == '+')
        ++p;
    long whole = 0;
    int digits = 0;
    for (; *p >= '0' && *p <= '9'; ++p, ++digits) {
        if (whole > 100000000L)
            return false;
        whole = whole * 10 + (*p - '0');
    }
    long fraction = 0;
    int places = 0;
    if (*p == '.' && decimals > 0) {
        for (++p; *p >= '0' && *p <= '9'; ++p, ++places) {
            if (places == decimals)
                return false;
            fraction = fraction * 10 + (*p - '0');
        }
    }
    while (*p == ' ' || *p == '\t')
        ++p;
    if (*p != '\0' || digits + places == 0)
        return false;
    const long value = whole * Power10(decimals) + fraction * Power10(decimals - places);
    shown = negative ? -value : value;
    return true;
}

long ReadBound(const BYTE* record, const BoundField& field)
{
    const BYTE* p = record + field.offset;
    switch (field.size) {
    case 2: {
        std::uint16_t v;
        std::memcpy(&v, p, 2);
        return field.isSigned ? static_cast<std::int16_t>(v) : v;
    }
    case 4: {
        std::uint32_t v;
        std::memcpy(&v, p, 4);
        return field.isSigned ? static_cast<long>(static_cast<std::int32_t>(v)) : static_cast<long>(v);
    }
    default:
        return field.isSigned ? static_cast<signed char>(*p) : *p;
    }
}

void WriteBound(BYTE* record, const BoundField& field, long value)
{
    BYTE* p = record + field.offset;
    switch (field.size) {
    case 2: {
        const auto v = static_cast<std::uint16_t>(value);
        std::memcpy(p, &v, 2);
        break;
    }
    case 4: {
        const auto v = static_cast<std::uint32_t>(value);
        std::memcpy(p, &v, 4);
        break;
    }
    default:
        *p = static_cast<BYTE>(value);
        break;
    }
}

void ExchangeBindings(CDataExchange* dx, BYTE* record, std::size_t size, std::span<const BindingRow> rows)
{
    // Saving fills a copy, so that a refused row leaves the whole record as it was.
    std::vector<BYTE> copy(record, record + size);
    for (const BindingRow& row : rows) {
        if (dx->m_bFailed)
            break;
        switch (row.kind) {
        case BindingKind::Edit: ExchangeEdit(dx, copy.data(), row); break;
        case BindingKind::Combo: ExchangeCombo(dx, copy.data(), row); break;
        case BindingKind::Check: ExchangeCheck(dx, copy.data(), row); break;
        }
    }
    if (dx->m_bSaveAndValidate && !dx->m_bFailed)
        std::memcpy(record, copy.data(), size);
}

}  // namespace platform
