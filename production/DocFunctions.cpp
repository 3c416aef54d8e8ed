// The functions section of the parameter documentation and the value formats its kinds share.
#include "production/DocFunctions.h"

#include "production/DocRun.h"
#include "production/DocTexts.h"
#include "resources/UiTexts.h"
#include "store/CParaDaten.h"
#include "store/FunctionTypes.h"
#include "store/ImageLayout.h"
#include "store/RecordCodec.h"
#include "texts/CTexte.h"

#include <algorithm>
#include <vector>

namespace doc {

// The rows of each function type's block, named after the type's row (production/Doc<Family>.cpp).
#define FUNCTION_DOC_ROWS(name, code, kind, head, outputCount) std::span<const DocRow> name##Rows();
FUNCTION_TYPE_ROWS(FUNCTION_DOC_ROWS)
#undef FUNCTION_DOC_ROWS

namespace {

constexpr int kPrograms = 5;
constexpr int kWindows = 3;
constexpr unsigned kProgramBytes = 16;

// A difference in tenths: one decimal below 10, whole numbers above.
CString TenthsText(int tenths, const char* unit)
{
    CString text;
    if (tenths > -100 && tenths < 100)
        text.Format("%02.01f %s", tenths / 10.0, unit);
    else
        text.Format("%d %s", tenths / 10, unit);
    return text;
}

}  // namespace

CString UnitText(BYTE value, int unitKind)
{
    CString text;
    switch (unitKind) {
    case kUnitPlain: text.Format("%d", value); return text;
    case kUnitDifference: return TenthsText(record::DifferenceTenths(value), ui::kUnitKelvin);
    case kUnitHysteresis: return TenthsText(record::HysteresisTenths(value), ui::kUnitKelvin);
    case kUnitIrradiance: text.Format("%d W/m²", value); return text;
    case kUnitPercent: return TenthsText(record::DifferenceTenths(value), ui::kUnitPercent);
    default: return text;
    }
}

const char* ListedText(std::span<const char* const> texts, long value)
{
    return value >= 0 && static_cast<size_t>(value) < texts.size() ? texts[value] : "";
}

void WriteZeitfenster(DocText& text, int level, BYTE programCount, BYTE windowCount, BYTE setpoint,
                      const BYTE* programs)
{
    text.Heading(level, kProgOra);
    const CString sep = ValueSep(text.Format());
    for (int p = 0; p < std::min<int>(programCount, kPrograms); ++p) {
        const BYTE* program = programs + p * kProgramBytes;
        CString label;
        label.Format(kProgHead, p + 1);
        text.Heading(level + 1, label);
        CString days;
        for (int d = 0; d < 7; ++d)
            if (program[d])
                days += (days.IsEmpty() ? "" : ", ") + CString(kWeekdays[d]);
        text.Separated(level + 2, kGiorno, days.IsEmpty() ? CString(kNessuno) : days);
        for (int w = 0; w < std::min<int>(windowCount, kWindows); ++w) {
            const BYTE* window = program + 7 + w * 3;
            CString line;
            line.Format(kWindowHead, w + 1);
            CString value = TimeOfDayText(window[0]) + " - " + TimeOfDayText(window[1]);
            if (setpoint)
                value.AppendFormat("%s%d°C", sep.GetString(), window[2]);
            text.Separated(level + 2, line, value);
        }
    }
}

CString ParticipantName(int file, BYTE participant)
{
    CParaDaten para;
    const BYTE slot = participant != 0 ? para.FindFuncByNumber(file, static_cast<BYTE>(participant - 1)) : 0;
    return slot != 0 ? CTexte().GetFunktionsName(file, slot) : CString(ui::kNoDesignationList);
}

std::span<const FunctionDoc> FunctionDocs()
{
    // One block per function type, in the order of the type codes: a type without its rows does not link.
#define FUNCTION_DOC(name, code, kind, head, outputCount) {texts::kType##name, name##Rows()},
    static const FunctionDoc docs[] = {FUNCTION_TYPE_ROWS(FUNCTION_DOC)};
#undef FUNCTION_DOC
    return docs;
}

const FunctionDoc* FindFunctionDoc(int code)
{
    for (const FunctionDoc& d : FunctionDocs())
        if (d.code == code)
            return &d;
    return nullptr;
}

namespace {

void WriteHead(DocText& text, const functypes::FunctionType& type, BYTE slot, const BYTE* record)
{
    CTexte texte;
    text.Separated(0, kTipoFunzione, texte.GetObjektArtText(type.names.kind));
    text.Separated(0, kGruppoDenom, record[0] == 0 ? ui::kDesignationGroupStandard : ui::kDesignationGroupUser);
    text.Separated(0, kDen, texte.GetFunktionsName(text.Opt().file, slot));
    text.Heading(0, kEntrataDati);
}

}  // namespace

void WriteFunktionen(DocText& text, DocReporter& reporter, DrawingReader& drawing)
{
    const Options& options = text.Opt();
    CParaDaten para;
    para.UseDrawing(&drawing);
    text.Line(SectionRule());
    text.Line(kFunzioni);
    for (int n = 1; n <= static_cast<int>(layout::kFuncSlots); ++n) {
        CString status;
        status.Format(kStatusFunction, n);
        reporter.Status(4 * n + 28, status);
        const BYTE slot = static_cast<BYTE>(n);
        FuncEntry entry;
        // An unreadable entry ends the table as an empty one does; 0 and 255 both mark an empty slot.
        if (!para.GetFuncEntry(options.file, slot, entry) || entry.type == 0 || entry.type == 0xFF)
            break;
        text.Line(ItemRule(kFunctions));
        CString heading;
        heading.Format(kFunzioneHead, n);
        text.Line(heading);
        const functypes::FunctionType* type = functypes::FindFunctionType(entry.type);
        if (!type)
            break;
        std::vector<BYTE> record;
        records::PassFunc(*type, para, slot, record, DocRun::RecordWalk(options));
        WriteHead(text, *type, slot, record.data());
        if (const FunctionDoc* doc = FindFunctionDoc(entry.type))
            WriteRows(text, kFunctions, doc->rows, record.data(), {}, options.sections.functionsFilter != 0);
    }
}

}  // namespace doc
