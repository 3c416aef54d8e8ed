// The documentation rows of the charge pump, the cooling function and the mixer control.
#include "production/DocFunctions.h"
#include "production/DocTexts.h"
#include "store/KuehlfuncParam.h"
#include "store/LadepumpeParam.h"
#include "store/MischerRegParam.h"

namespace doc {

namespace {

using record::FieldInfo;
using record::Scale;

constexpr char kFixedCelsius[] = "%ld °C";

// Charge pump: the analog inputs in the order feed, reference, minimum feed, maximum reference.
constexpr FieldInfo kLpRelease{RECORD_FIELD(LadepumpeParam, release)};
constexpr FieldInfo kLpSource{RECORD_FIELD(LadepumpeParam, sourceTemp)};
constexpr FieldInfo kLpReference{RECORD_FIELD(LadepumpeParam, referenceTemp)};
constexpr FieldInfo kLpMin{RECORD_FIELD(LadepumpeParam, sourceMin)};
constexpr FieldInfo kLpMinValue{RECORD_FIELD(LadepumpeParam, sourceMin.number)};
constexpr FieldInfo kLpMax{RECORD_FIELD(LadepumpeParam, referenceMax)};
constexpr FieldInfo kLpMaxValue{RECORD_FIELD(LadepumpeParam, referenceMax.number)};
constexpr FieldInfo kLpOutputs{RECORD_FIELD(LadepumpeParam, outputs)};
constexpr FieldInfo kLpMinOn{RECORD_FIELD(LadepumpeParam, minDiffOn), Scale::Difference};
constexpr FieldInfo kLpMinOff{RECORD_FIELD(LadepumpeParam, minDiffOff), Scale::Difference};
constexpr FieldInfo kLpMaxOn{RECORD_FIELD(LadepumpeParam, maxDiffOn), Scale::Difference};
constexpr FieldInfo kLpMaxOff{RECORD_FIELD(LadepumpeParam, maxDiffOff), Scale::Difference};
constexpr FieldInfo kLpDiffOn{RECORD_FIELD(LadepumpeParam, sourceDiffOn), Scale::Difference};
constexpr FieldInfo kLpDiffOff{RECORD_FIELD(LadepumpeParam, sourceDiffOff), Scale::Difference};

constexpr DocRow kLadepumpeRows[] = {
    SourceRow(DocRow::Digital, 1, "RILASCIO POMPA", &kLpRelease),
    SourceRow(DocRow::Analog, 1, "TRASCORSATEMP.", &kLpSource),
    SourceRow(DocRow::Analog, 1, "TEMP.REFERENZA", &kLpReference),
    SourceRow(DocRow::Analog, 1, "TEMP.MIN.TRASC.", &kLpMin),
    SourceRow(DocRow::Analog, 1, "TEMP.MASS.RIF.", &kLpMax),
    HeadingRow(0, kUscitaDati),
    SourceRow(DocRow::Outputs16, 1, "POMPA", &kLpOutputs),
    HeadingRow(0, "TRASCORSATEMP.:"),
    When(ValueRow(1, "T.Tras.MIN:", &kLpMinValue, Fmt::Number, kFixedCelsius),
         {Cond::Zero, offsetof(LadepumpeParam, sourceMin)}),
    ValueRow(1, "DIFF.ON:", &kLpMinOn, Fmt::Scaled),
    ValueRow(1, "DIFF.OFF:", &kLpMinOff, Fmt::Scaled),
    HeadingRow(0, "TEMP.REFERENZA:"),
    When(ValueRow(1, "T.Ref.MASS:", &kLpMaxValue, Fmt::Number, kFixedCelsius),
         {Cond::Zero, offsetof(LadepumpeParam, referenceMax)}),
    ValueRow(1, "DIFF.ON:", &kLpMaxOn, Fmt::Scaled),
    ValueRow(1, "DIFF.OFF:", &kLpMaxOff, Fmt::Scaled),
    HeadingRow(0, "DIFF. TRASC-REF:"),
    ValueRow(1, "DIFF.ON:", &kLpDiffOn, Fmt::Scaled),
    ValueRow(1, "DIFF.OFF:", &kLpDiffOff, Fmt::Scaled),
};

// Cooling function.
constexpr FieldInfo kKfRelease{RECORD_FIELD(KuehlfuncParam, release)};
constexpr FieldInfo kKfReference{RECORD_FIELD(KuehlfuncParam, referenceTemp)};
constexpr FieldInfo kKfMax{RECORD_FIELD(KuehlfuncParam, referenceMax)};
constexpr FieldInfo kKfMaxValue{RECORD_FIELD(KuehlfuncParam, referenceMax.number)};
constexpr FieldInfo kKfSpeeds{RECORD_FIELD(KuehlfuncParam, controlledOutputs)};
constexpr FieldInfo kKfOutputs{RECORD_FIELD(KuehlfuncParam, coolingOutputs)};
constexpr FieldInfo kKfOn{RECORD_FIELD(KuehlfuncParam, diffOn), Scale::Difference};
constexpr FieldInfo kKfOff{RECORD_FIELD(KuehlfuncParam, diffOff), Scale::Difference};
constexpr FieldInfo kKfMagnitude{RECORD_FIELD(KuehlfuncParam, magnitude)};

// The time window: start and end without label.
void CoolingWindow(DocText& text, const DocRow& row, const CString&, const BYTE* r, bool)
{
    text.Heading(row.level,
                 TimeOfDayText(r[offsetof(KuehlfuncParam, windowStart)]) + " - " +
                     TimeOfDayText(r[offsetof(KuehlfuncParam, windowEnd)]) + " Ora");
}

constexpr DocRow kKuehlfuncRows[] = {
    SourceRow(DocRow::Digital, 1, "RILASCIO RAFFRED.", &kKfRelease),
    SourceRow(DocRow::Analog, 1, "TEMP.REFERENZA", &kKfReference),
    SourceRow(DocRow::Analog, 1, "TEMP.MASS.RIF.", &kKfMax),
    HeadingRow(0, kUscitaDati),
    SourceRow(DocRow::Speeds6, 1, "GRANDEZZA", &kKfSpeeds),
    SourceRow(DocRow::Outputs16, 1, "RAFFRED.", &kKfOutputs),
    HeadingRow(0, "TEMPO FINE.:"),
    LinesRow(1, CoolingWindow),
    HeadingRow(0, "TEMP.REFERENZA:"),
    When(ValueRow(1, "T.Ref.MASS:", &kKfMaxValue, Fmt::Number, kFixedCelsius),
         {Cond::Zero, offsetof(KuehlfuncParam, referenceMax)}),
    ValueRow(1, "DIFF.ON:", &kKfOn, Fmt::Scaled),
    ValueRow(1, "DIFF.OFF:", &kKfOff, Fmt::Scaled),
    ValueRow(0, "GRANDEZZA:", &kKfMagnitude, Fmt::Number),
};

// Mixer control.
constexpr FieldInfo kMrRelease{RECORD_FIELD(MischerRegParam, release)};
constexpr FieldInfo kMrControl{RECORD_FIELD(MischerRegParam, controlTemp)};
constexpr FieldInfo kMrSetpoint{RECORD_FIELD(MischerRegParam, setpoint)};
constexpr FieldInfo kMrSetpointValue{RECORD_FIELD(MischerRegParam, setpoint.number)};
constexpr FieldInfo kMrDifference{RECORD_FIELD(MischerRegParam, difference), Scale::Difference};
constexpr const char* kOffActions[] = {"aprire", "chiudere", "non modif."};

constexpr DocRow kMischerRegRows[] = {
    SourceRow(DocRow::Digital, 1, "RILASCIO MISCELA.", &kMrRelease),
    SourceRow(DocRow::Analog, 1, "TEMP.REGOL.", &kMrControl),
    SourceRow(DocRow::Analog, 1, "VAL.TEOR.", &kMrSetpoint),
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
    CustomRow(0, "MODO:",
              [](const DocText&, const BYTE* r) -> CString {
                  return r[offsetof(MischerRegParam, inverse)] ? kInverso : kNormale;
              }),
    HeadingRow(0, "TEMP.REGOL.:"),
    When(ValueRow(1, "Reg.TEOR:", &kMrSetpointValue, Fmt::Number, kFixedCelsius),
         {Cond::Zero, offsetof(MischerRegParam, setpoint)}),
    ValueRow(1, "Diff.:", &kMrDifference, Fmt::Scaled),
    CustomRow(0, "se RILASCIO = OFF MISC.:",
              [](const DocText&, const BYTE* r) -> CString {
                  return ListedText(kOffActions, r[offsetof(MischerRegParam, offAction)] & 0x0F);
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
