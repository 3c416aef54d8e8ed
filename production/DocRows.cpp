// The row-driven writer of the parameter documentation.
#include "production/DocRows.h"

#include "production/DocFunctions.h"

#include "store/RecordCodec.h"

namespace doc {

namespace {

CString Pattern(const DocRow& row, long value)
{
    CString text;
    text.Format(row.pattern ? row.pattern : "%ld", value);
    return text;
}

CString ScaledText(const DocRow& row, long stored)
{
    const BYTE b = static_cast<BYTE>(stored);
    CString text;
    switch (row.field->scale) {
    case record::Scale::Duration: return TimeByteText(b);
    case record::Scale::TimeOfDay: return TimeOfDayText(b);
    case record::Scale::Temperature: return Pattern(row, record::TemperatureCelsius(b));
    case record::Scale::Tenths: text.Format(row.pattern ? row.pattern : "%02.1f", stored / 10.0); return text;
    case record::Scale::Hundredths: text.Format(row.pattern ? row.pattern : "%.2f", stored / 100.0); return text;
    case record::Scale::TimesTen: return Pattern(row, stored * 10);
    case record::Scale::Difference: return UnitText(b, kUnitDifference);
    case record::Scale::Hysteresis: return UnitText(b, kUnitHysteresis);
    default: return Pattern(row, stored);
    }
}

}  // namespace

unsigned Place(const DocRow& row)
{
    return row.field ? row.field->field.offset : row.at;
}

bool Holds(const Cond& cond, const BYTE* record)
{
    const long v = record[cond.offset] & cond.mask;
    switch (cond.op) {
    case Cond::Eq: return v == cond.value;
    case Cond::Ne: return v != cond.value;
    case Cond::NonZero: return v != 0;
    case Cond::Zero: return v == 0;
    case Cond::Never: return false;
    case Cond::Greater: return v > cond.value;
    case Cond::Less: return v < cond.value;
    default: return true;
    }
}

CString ValueText(const DocText& text, const DocRow& row, const BYTE* record)
{
    if (row.fmt == Fmt::Custom)
        return row.custom ? row.custom(text, record) : CString();
    if (!row.field)
        return "";
    const long stored = record::ReadStored(record, *row.field);
    switch (row.fmt) {
    case Fmt::YesNo: return YesNo(stored != 0);
    case Fmt::OnOff: return OnOff(stored != 0);
    case Fmt::Enum:
        if (row.texts.empty())
            return "";
        return row.texts[stored >= 0 && static_cast<size_t>(stored) < row.texts.size() ? stored : 0];
    case Fmt::Scaled: return ScaledText(row, stored);
    default: return Pattern(row, stored);
    }
}

namespace {

void WriteRow(DocText& text, int section, const DocRow& row, const CString& label, const BYTE* element, unsigned shift,
              bool filter)
{
    switch (row.kind) {
    case DocRow::Rule: text.Line(ItemRule(section)); break;
    case DocRow::Heading: text.Heading(row.level, label); break;
    case DocRow::Separated: text.Separated(row.level, label, ValueText(text, row, element)); break;
    case DocRow::Digital: {
        const BYTE* source = element + Place(row) + shift;
        text.QuelleDigital(label, row.level, source[0], source[2], Holds(row.optional, element), source[1] != 0,
                           source[2], filter);
        break;
    }
    case DocRow::Analog: {
        const BYTE* source = element + Place(row) + shift;
        text.QuelleAnalog(label, row.level, source[0], source[1], Holds(row.optional, element), filter);
        break;
    }
    case DocRow::Outputs16: text.AusgangsListe(label, row.level, element + Place(row) + shift); break;
    case DocRow::Speeds6: text.DrehzahlListe(label, row.level, element + Place(row) + shift); break;
    case DocRow::Lines:
        if (row.lines)
            row.lines(text, row, label, element, filter);
        break;
    default: text.Column(section, label, ValueText(text, row, element)); break;
    }
}

}  // namespace

void WriteRows(DocText& text, int section, std::span<const DocRow> rows, const void* record, Repeat repeat, bool filter)
{
    for (int i = 0; i < repeat.count; ++i) {
        const BYTE* element = static_cast<const BYTE*>(record) + i * repeat.stride;
        const int number = repeat.first + i * repeat.step;
        for (const DocRow& row : rows) {
            if (!Holds(row.when, element))
                continue;
            CString label;
            if (row.repeat > 1) {
                for (int r = 0; r < row.repeat; ++r) {
                    label.Format(row.label, r + 1);
                    WriteRow(text, section, row, label, element, static_cast<unsigned>(r * row.stride), filter);
                }
                continue;
            }
            label.Format(row.label, number, number + repeat.step - 1);
            WriteRow(text, section, row, label, element, 0, filter);
        }
    }
}

}  // namespace doc
