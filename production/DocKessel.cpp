// The documentation rows of the charge pump, the cooling function and the mixer control.
#include "production/DocFunctions.h"
#include "production/DocTexts.h"
#include "resources/UiTexts.h"
#include "store/KuehlfuncParam.h"
#include "store/LadepumpeParam.h"
#include "store/MischerRegParam.h"

namespace doc {

namespace {

using record::FieldInfo;
using record::Scale;

constexpr char kFixedCelsius[] = "%ld °C";

// Charge pump: the analog inputs in the order feed, reference, minimum feed, maximum reference.

constexpr DocRow kLadepumpeRows[] = {
    SourceRow(DocRow::Digital, 1, ui::kLadeReleaseInput, offsetof(LadepumpeParam, release)),
    SourceRow(DocRow::Analog, 1, ui::kLadeSourceInput, offsetof(LadepumpeParam, sourceTemp)),
    SourceRow(DocRow::Analog, 1, ui::kLadeRefInput, offsetof(LadepumpeParam, referenceTemp)),
    SourceRow(DocRow::Analog, 1, ui::kLadeSourceMinInput, offsetof(LadepumpeParam, sourceMin)),
    SourceRow(DocRow::Analog, 1, ui::kLadeRefMaxInput, offsetof(LadepumpeParam, referenceMax)),
    HeadingRow(0, kUscitaDati),
    SourceRow(DocRow::Outputs16, 1, ui::kLadeOutput, offsetof(LadepumpeParam, outputs)),
    HeadingRow(0, ui::kLadeSourceGroup),
    When(ValueRow(1, ui::kLadeSourceMin, record::RowAt(record::kLadepumpeFields, offsetof(LadepumpeParam, sourceMin.number)),
                  Fmt::Number, kFixedCelsius),
         {Cond::Zero, offsetof(LadepumpeParam, sourceMin)}),
    ValueRow(1, ui::kDiffOn, record::RowAt(record::kLadepumpeFields, offsetof(LadepumpeParam, minDiffOn)), Fmt::Scaled),
    ValueRow(1, ui::kDiffOff, record::RowAt(record::kLadepumpeFields, offsetof(LadepumpeParam, minDiffOff)),
             Fmt::Scaled),
    HeadingRow(0, ui::kLadeRefGroup),
    When(ValueRow(1, ui::kLadeRefMax,
                  record::RowAt(record::kLadepumpeFields, offsetof(LadepumpeParam, referenceMax.number)),
                  Fmt::Number, kFixedCelsius),
         {Cond::Zero, offsetof(LadepumpeParam, referenceMax)}),
    ValueRow(1, ui::kDiffOn, record::RowAt(record::kLadepumpeFields, offsetof(LadepumpeParam, maxDiffOn)), Fmt::Scaled),
    ValueRow(1, ui::kDiffOff, record::RowAt(record::kLadepumpeFields, offsetof(LadepumpeParam, maxDiffOff)),
             Fmt::Scaled),
    HeadingRow(0, ui::kLadeDiffGroup),
    ValueRow(1, ui::kDiffOn, record::RowAt(record::kLadepumpeFields, offsetof(LadepumpeParam, sourceDiffOn)),
             Fmt::Scaled),
    ValueRow(1, ui::kDiffOff, record::RowAt(record::kLadepumpeFields, offsetof(LadepumpeParam, sourceDiffOff)),
             Fmt::Scaled),
};

// Cooling function.

// The time window: start and end without label.
void CoolingWindow(DocText& text, const DocRow& row, const CString&, const BYTE* r, bool)
{
    text.Heading(row.level,
                 TimeOfDayText(r[offsetof(KuehlfuncParam, windowStart)]) + " - " +
                     TimeOfDayText(r[offsetof(KuehlfuncParam, windowEnd)]) + " Ora");
}

constexpr DocRow kKuehlfuncRows[] = {
    SourceRow(DocRow::Digital, 1, ui::kKuehlReleaseInput, offsetof(KuehlfuncParam, release)),
    SourceRow(DocRow::Analog, 1, ui::kKuehlReferenceInput, offsetof(KuehlfuncParam, referenceTemp)),
    SourceRow(DocRow::Analog, 1, ui::kKuehlReferenceMaxInput, offsetof(KuehlfuncParam, referenceMax)),
    HeadingRow(0, kUscitaDati),
    SourceRow(DocRow::Speeds6, 1, ui::kMagnitudeOutput, offsetof(KuehlfuncParam, controlledOutputs)),
    SourceRow(DocRow::Outputs16, 1, ui::kKuehlOutput, offsetof(KuehlfuncParam, coolingOutputs)),
    HeadingRow(0, ui::kKuehlWindowGroup),
    LinesRow(1, CoolingWindow),
    HeadingRow(0, ui::kKuehlReferenceGroup),
    When(ValueRow(1, ui::kKuehlReferenceMax,
                  record::RowAt(record::kKuehlfuncFields, offsetof(KuehlfuncParam, referenceMax.number)),
                  Fmt::Number, kFixedCelsius),
         {Cond::Zero, offsetof(KuehlfuncParam, referenceMax)}),
    ValueRow(1, ui::kDiffOn, record::RowAt(record::kKuehlfuncFields, offsetof(KuehlfuncParam, diffOn)), Fmt::Scaled),
    ValueRow(1, ui::kDiffOff, record::RowAt(record::kKuehlfuncFields, offsetof(KuehlfuncParam, diffOff)), Fmt::Scaled),
    ValueRow(0, ui::kMagnitude, record::RowAt(record::kKuehlfuncFields, offsetof(KuehlfuncParam, magnitude)),
             Fmt::Number),
};

// Mixer control.

constexpr DocRow kMischerRegRows[] = {
    SourceRow(DocRow::Digital, 1, ui::kMischerReleaseInput, offsetof(MischerRegParam, release)),
    SourceRow(DocRow::Analog, 1, ui::kMischerControlTempInput, offsetof(MischerRegParam, controlTemp)),
    SourceRow(DocRow::Analog, 1, ui::kMischerSetpointInput, offsetof(MischerRegParam, setpoint)),
    HeadingRow(0, kUscitaDati),
    HeadingRow(1, "MISCELA.:"),
    CustomRow(2, "Uscita:",
              [](const DocText&, const BYTE* r) -> CString {
                  const BYTE first = r[offsetof(MischerRegParam, outputs)];
                  CString text = kNessuno;
                  if (first == kMischer3 || first == kMischer8 || first == kMischer10 || first == kMischer12)
                      text.Format("%d,%d", first, first + 1);
                  return text;
              }),
    CustomRow(0, ui::kMischerModeLabel,
              [](const DocText&, const BYTE* r) -> CString {
                  return r[offsetof(MischerRegParam, inverse)] ? kInverso : kNormale;
              }),
    HeadingRow(0, ui::kMischerTempGroup),
    When(ValueRow(1, ui::kMischerSetpointLabel,
                  record::RowAt(record::kMischerRegFields, offsetof(MischerRegParam, setpoint.number)),
                  Fmt::Number, kFixedCelsius),
         {Cond::Zero, offsetof(MischerRegParam, setpoint)}),
    ValueRow(1, ui::kMischerDifferenceLabel,
             record::RowAt(record::kMischerRegFields, offsetof(MischerRegParam, difference)), Fmt::Scaled),
    CustomRow(0, "se RILASCIO = OFF MISC.:",
              [](const DocText&, const BYTE* r) -> CString {
                  return ListedText(ui::kMischerOffActions, r[offsetof(MischerRegParam, offAction)] & 0x0F);
              }),
};

}  // namespace

std::span<const DocRow> LadepumpeRows()
{
    return kLadepumpeRows;
}
std::span<const DocRow> KuehlfuncRows()
{
    return kKuehlfuncRows;
}
std::span<const DocRow> MischerRegRows()
{
    return kMischerRegRows;
}

}  // namespace doc
