// The shared layout of the parameter documentation.
#include "production/DocLayout.h"

#include "production/DocTexts.h"
#include "resources/UiTexts.h"
#include "texts/CTexte.h"

namespace doc {

namespace {

struct SectionLayout {
    int rule;    // "-" of the item rule
    int column;  // value column of the column layout
};
constexpr SectionLayout kSections[] = {
    {30, 19}, {30, 13}, {30, 13}, {30, 0}, {30, 18}, {10, 7}, {35, 13}, {10, 15}, {35, 17}, {30, 0},
};
constexpr SectionLayout kOtherSection{10, 0};

const SectionLayout& LayoutOf(int section)
{
    return section >= 0 && section < static_cast<int>(std::size(kSections)) ? kSections[section] : kOtherSection;
}

}  // namespace

CString SectionRule()
{
    return CString('=', 35);
}

CString ItemRule(int section)
{
    return CString('-', LayoutOf(section).rule);
}

int ValueColumn(int section)
{
    return LayoutOf(section).column;
}

CString LabelGap(int section, unsigned used, int format)
{
    switch (format) {
    case kPlain: return " ";
    case kColumns: {
        const unsigned column = static_cast<unsigned>(ValueColumn(section));
        return used < column ? CString(' ', static_cast<int>(column - used)) : CString(" ");
    }
    case kSeparated: return ";";
    default: return "";
    }
}

CString ValueSep(int format)
{
    if (format == kPlain || format == kColumns)
        return " ";
    return format == kSeparated ? ";" : "";
}

CString Indent(int level, int format)
{
    const char* step = format == kPlain ? "\t" : format == kColumns ? "    " : format == kSeparated ? ";" : "";
    CString text;
    for (int i = 0; i < level; ++i)
        text += step;
    return text;
}

void PadRight(CString& text, int width)
{
    if (text.GetLength() < width)
        text += CString(' ', width - text.GetLength());
}

CString YesNo(bool yes)
{
    return yes ? kYes : kNo;
}
CString OnOff(bool on)
{
    return on ? "ON" : "OFF";
}

CString TimeOfDayText(BYTE t)
{
    CString text;
    text.Format("%d%d:%d0", t / 60, (t / 6) % 10, t % 6);
    return text;
}

CString NumberList(const BYTE* flags, const BYTE* numbers, int count)
{
    CString text;
    for (int i = 0; i < count; ++i) {
        if (!flags[i])
            continue;
        if (text.IsEmpty())
            text.Format("%d", numbers[i]);
        else
            text.AppendFormat(", %d", numbers[i]);
    }
    return text.IsEmpty() ? CString(kNessuno) : text;
}

void DocText::Line(const CString& text)
{
    m_bytes.append(text.GetString(), static_cast<size_t>(text.GetLength()));
    m_bytes += "\r\n";
}

void DocText::Column(int section, const CString& label, const CString& value)
{
    Line(label + LabelGap(section, static_cast<unsigned>(label.GetLength()), Format()) + value);
}

void DocText::Separated(int level, const CString& label, const CString& value)
{
    Line(Indent(level, Format()) + label + ValueSep(Format()) + value);
}

void DocText::Heading(int level, const CString& label)
{
    Line(Indent(level, Format()) + label);
}

void DocText::SourceLine(int level, const CString& label, const CString& value)
{
    CString line = Indent(level, Format());
    if (Format() == kColumns)
        line += LabelGap(kSources, static_cast<unsigned>(label.GetLength()), Format());
    Line(line + label + ValueSep(Format()) + value);
}

void DocText::NotUsedLine(int level)
{
    CString line = Indent(level, Format());
    if (Format() == kColumns)
        line += LabelGap(kSources, 0, Format());
    Line(line + ValueSep(Format()) + kNonUsato);
}

bool DocText::QuelleHead(const CString& label, int level, BYTE kind, bool optional, bool filter)
{
    if (filter && optional && kind == 0)
        return false;
    Heading(level, label + ":");
    CTexte texts;
    SourceLine(level + 1, kFonte, texts.GetQuelleKurzText(m_options.file, kind));
    return true;
}

bool DocText::QuelleDigital(const CString& label, int level, BYTE kind, BYTE number, bool optional, bool inverted,
                            BYTE state, bool filter)
{
    if (!QuelleHead(label, level, kind, optional, filter))
        return false;
    if (kind != 0) {
        CString numberLabel;
        numberLabel.Format("%d:", number);
        SourceLine(level + 1, numberLabel, CTexte().GetQuelleVariableText(m_options.file, kind, number));
        SourceLine(level + 1, kModo, inverted ? kInverso : kNormale);
    } else if (optional) {
        NotUsedLine(level + 1);
    } else {
        SourceLine(level + 1, kStato, OnOff(state != 0));
    }
    return true;
}

bool DocText::QuelleAnalog(const CString& label, int level, BYTE kind, BYTE number, bool optional, bool filter)
{
    if (!QuelleHead(label, level, kind, optional, filter))
        return false;
    if (kind != 0) {
        CString numberLabel;
        numberLabel.Format("%d:", number);
        SourceLine(level + 1, numberLabel, CTexte().GetQuelleVariableText(m_options.file, kind, number));
    } else if (optional) {
        NotUsedLine(level + 1);
    }
    return true;
}

void DocText::AusgangsListe(const CString& label, int level, const BYTE flags[16])
{
    static constexpr BYTE kNumbers[16] = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16};
    Heading(level, label + ":");
    Line(Indent(level + 1, Format()) + kUscita + ":" + ValueSep(Format()) + NumberList(flags, kNumbers, 16));
}

void DocText::DrehzahlListe(const CString& label, int level, const BYTE flags[6])
{
    static constexpr BYTE kNumbers[6] = {1, 2, 6, 7, 15, 16};
    Heading(level, label + ":");
    Line(Indent(level + 1, Format()) + kUscGiriReg + ":" + ValueSep(Format()) + NumberList(flags, kNumbers, 6));
}

}  // namespace doc
