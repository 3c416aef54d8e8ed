// The documentation rows of the analog function, the PID control, the profile function and the time switch.
#include "production/DocFunctions.h"
#include "production/DocTexts.h"
#include "resources/UiTexts.h"
#include "store/AnalogfuncParam.h"
#include "store/PID_RegelungParam.h"
#include "store/ProfilfuncParam.h"
#include "store/RecordCodec.h"
#include "store/SchaltuhrParam.h"

#include <algorithm>
#include <cstring>
#include <iterator>

namespace doc {

namespace {

using record::FieldInfo;
using record::Scale;

constexpr char kFixedCelsius[] = "%ld °C";

// ---- Analog function: user values and offsets in the unit of all its values ----

constexpr unsigned kAfUnitAt = offsetof(AnalogfuncParam, unit);
constexpr unsigned kAfCountAt = offsetof(AnalogfuncParam, variableCount);
constexpr unsigned kAfVariablesAt = offsetof(AnalogfuncParam, variables);
constexpr const char* kAnalogUnits[] = {"Senza Dim.", "Temperat.", "Irrad.Sol."};

// A user value: dimensionless the result 0..250 and a variable -125..125, temperature bytes above 200 below zero,
// irradiance in tens of W/m².
CString UserValue(BYTE value, BYTE unit, bool result)
{
    CString text;
    if (unit == kEinheitOhne)
        text.Format("%d", result ? value : static_cast<signed char>(value));
    else if (unit == kEinheitStrahlung)
        text.Format("%d W/m²", value * 10);
    else
        text.Format("%d °C", record::TemperatureCelsius(value));
    return text;
}

// The offset added to a source: dimensionless signed, irradiance in W/m² as stored, temperature a difference.
CString OffsetText(BYTE offset, BYTE unit)
{
    CString text;
    if (unit == kEinheitOhne)
        text.Format("%d", static_cast<signed char>(offset));
    else if (unit == kEinheitStrahlung)
        text.Format("%d W/m²", offset);
    else
        return UnitText(offset, kUnitDifference);
    return text;
}

// The offset line below a source: in the column layout "Offset:" stands right-aligned like the source lines.
void OffsetLine(DocText& text, int level, BYTE offset, BYTE unit)
{
    const int format = text.Format();
    CString line = Indent(level, format);
    if (format == kColumns)
        line += LabelGap(kSources, static_cast<unsigned>(std::strlen(ui::kAnalogOffset)), format);
    text.Line(line + ui::kAnalogOffset + ValueSep(format) + OffsetText(offset, unit));
}

void ResultOffset(DocText& text, const DocRow& row, const CString&, const BYTE* r, bool)
{
    OffsetLine(text, row.level, r[offsetof(AnalogfuncParam, offResultOffset)], r[kAfUnitAt]);
}

// The six variables, each with its offset when it has a source; those beyond the count in use may stay unused.
void AnalogVariables(DocText& text, const DocRow& row, const CString&, const BYTE* r, bool filter)
{
    for (int i = 0; i < 6; ++i) {
        const BYTE* v = r + kAfVariablesAt + i * sizeof(AnalogfuncParam::Variable);
        CString label;
        label.Format(row.label, i + 1);
        text.QuelleAnalog(label, row.level, v[0], v[1], i + 1 > r[kAfCountAt], filter);
        if (v[0] != 0)
            OffsetLine(text, row.level + 1, v[2], r[kAfUnitAt]);
    }
}

// The user values of the variables in use that have no source.
void AnalogUserValues(DocText& text, const DocRow& row, const CString&, const BYTE* r, bool)
{
    for (int i = 0; i < std::min<int>(r[kAfCountAt], 6); ++i) {
        const BYTE* v = r + kAfVariablesAt + i * sizeof(AnalogfuncParam::Variable);
        if (v[0] != 0)
            continue;
        CString label;
        label.Format(row.label, i + 1);
        text.Separated(row.level, label, UserValue(v[1], r[kAfUnitAt], false));
    }
}

constexpr unsigned kAfOffResultAt = offsetof(AnalogfuncParam, offResult);

// A row of its own lines about the source at that offset.
constexpr DocRow AtPlace(DocRow row, unsigned at)
{
    row.at = at;
    return row;
}

constexpr DocRow kAnalogfuncRows[] = {
    SourceRow(DocRow::Digital, 1, ui::kAnalogReleaseInput, offsetof(AnalogfuncParam, release)),
    SourceRow(DocRow::Analog, 1, ui::kAnalogOffResultInput, offsetof(AnalogfuncParam, offResult)),
    When(LinesRow(2, ResultOffset), {Cond::NonZero, kAfOffResultAt}),
    LinesRow(1, AnalogVariables, "ENTRATA DATI %d"),
    HeadingRow(0, kUscitaDati),
    SourceRow(DocRow::Speeds6, 1, ui::kAnalogResult, offsetof(AnalogfuncParam, outputs)),
    CustomRow(0, ui::kAnalogUnitLabel,
              [](const DocText&, const BYTE* r) -> CString { return ListedText(kAnalogUnits, r[kAfUnitAt]); }),
    CustomRow(0, ui::kAnalogFunctionLabel,
              [](const DocText&, const BYTE* r) -> CString {
                  return ListedText(ui::kAnalogFunctions, r[offsetof(AnalogfuncParam, function)]);
              }),
    When(ValueRow(0, kValMed, record::RowAt(record::kAnalogfuncFields, offsetof(AnalogfuncParam, filterTime)),
                  Fmt::Scaled),
         {Cond::Eq, offsetof(AnalogfuncParam, function), kAnalogFilter}),
    When(CustomRow(0, "RISUL.(RILAS.=off):",
                   [](const DocText&, const BYTE* r) {
                       return UserValue(r[offsetof(AnalogfuncParam, offResult.number)], r[kAfUnitAt], true);
                   }),
         {Cond::Zero, kAfOffResultAt}),
    LinesRow(0, AnalogUserValues, "VAR. %d:"),
};

// ---- PID control: three controls, each with its two-bit mode in byte 8 ----

constexpr const char* kPidModes[] = {"off", "normale", ui::kModeInverted};

template <unsigned Shift>
CString PidMode(const DocText&, const BYTE* r)
{
    return ListedText(kPidModes, (r[offsetof(PID_RegelungParam, modes)] >> Shift) & 0x03);
}

constexpr Cond kOptional{Cond::Always};

constexpr DocRow kPidRegelungRows[] = {
    SourceRow(DocRow::Digital, 1, ui::kPidReleaseInput, offsetof(PID_RegelungParam, release)),
    SourceRow(DocRow::Analog, 1, "TEMP. REGOLAZ.VAL.ASSOL.", offsetof(PID_RegelungParam, absActual), kOptional),
    SourceRow(DocRow::Analog, 1, "VAL.TEOR. REGOLAZ.VAL.ASSOL.", offsetof(PID_RegelungParam, absSetpoint)),
    SourceRow(DocRow::Analog, 1, "TEMP. (+) REGOLAZ.DIFF.", offsetof(PID_RegelungParam, diffPlus), kOptional),
    SourceRow(DocRow::Analog, 1, "TEMP. (-) REGOLAZ.DIFF.", offsetof(PID_RegelungParam, diffMinus), kOptional),
    SourceRow(DocRow::Analog, 1, "TEMP.ATTIVAZIONE REG.AVVENIM.", offsetof(PID_RegelungParam, eventActivation),
              kOptional),
    SourceRow(DocRow::Analog, 1, "SOGLIA ATTIVAZIONE REG.AVVENIM", offsetof(PID_RegelungParam, eventThreshold)),
    SourceRow(DocRow::Analog, 1, "TEMP REGOLAZ.REGOLAZ.AVVENIM.", offsetof(PID_RegelungParam, eventControlled),
              kOptional),
    SourceRow(DocRow::Analog, 1, "VAL.TEOR. REGOLAZ.AVVENIM.", offsetof(PID_RegelungParam, eventSetpoint)),
    HeadingRow(0, kUscitaDati),
    SourceRow(DocRow::Speeds6, 1, ui::kMagnitudeOutput, offsetof(PID_RegelungParam, outputs)),
    HeadingRow(0, ui::kPidAbsoluteGroup),
    CustomRow(1, kModoUpper, PidMode<kPidAbsolutShift>),
    When(ValueRow(1, ui::kPidAbsoluteSetpoint,
                  record::RowAt(record::kPidRegelungFields, offsetof(PID_RegelungParam, absSetpoint.number)),
                  Fmt::Number, kFixedCelsius),
         {Cond::Zero, offsetof(PID_RegelungParam, absSetpoint)}),
    HeadingRow(0, ui::kPidDifferenceGroup),
    CustomRow(1, kModoUpper, PidMode<kPidDifferenzShift>),
    ValueRow(1, ui::kPidDifferenceSetpoint, record::RowAt(record::kPidRegelungFields, offsetof(PID_RegelungParam, diffSetpoint)),
             Fmt::Scaled),
    HeadingRow(0, ui::kPidEventGroup),
    CustomRow(1, kModoUpper, PidMode<kPidEreignisShift>),
    CustomRow(1, ui::kPidCondition,
              [](const DocText&, const BYTE* r) -> CString {
                  return r[offsetof(PID_RegelungParam, eventBelow)] ? ui::kPidBelow : ui::kPidAbove;
              }),
    When(ValueRow(1, ui::kPidThreshold,
                  record::RowAt(record::kPidRegelungFields, offsetof(PID_RegelungParam, eventThreshold.number)),
                  Fmt::Number, kFixedCelsius),
         {Cond::Zero, offsetof(PID_RegelungParam, eventThreshold)}),
    When(ValueRow(1, ui::kPidEventSetpoint,
                  record::RowAt(record::kPidRegelungFields, offsetof(PID_RegelungParam, eventSetpoint.number)),
                  Fmt::Number, kFixedCelsius),
         {Cond::Zero, offsetof(PID_RegelungParam, eventSetpoint)}),
    HeadingRow(0, ui::kPidMagnitudeGroup),
    ValueRow(1, ui::kPidMaximum, record::RowAt(record::kPidRegelungFields, offsetof(PID_RegelungParam, outputMax)),
             Fmt::Number),
    ValueRow(1, ui::kPidMinimum, record::RowAt(record::kPidRegelungFields, offsetof(PID_RegelungParam, outputMin)),
             Fmt::Number),
    HeadingRow(0, ui::kPidParameterGroup),
    ValueRow(1, "P:", record::RowAt(record::kPidRegelungFields, offsetof(PID_RegelungParam, p)), Fmt::Number),
    ValueRow(1, "I:", record::RowAt(record::kPidRegelungFields, offsetof(PID_RegelungParam, i)), Fmt::Number),
    ValueRow(1, "D:", record::RowAt(record::kPidRegelungFields, offsetof(PID_RegelungParam, d)), Fmt::Number),
};

// ---- Profile function: steps in one of eight units ----

struct ProfilUnit {
    const char* name;
    const char* pattern;  // of the value x 10; the temperature has its own
};
constexpr ProfilUnit kProfilUnits[] = {
    {"Senza Dim.", "%d"}, {"Temperat.", nullptr},    {"Irrad.Sol.", "%d W/m²"}, {"Tempo", "%d ore"},
    {"Num.Imp", "%d imp"}, {"Qt Cal KWH", "%d kWh"}, {"Qt Cal MWH", "%d MWh"}, {"Prestaz.", "%d kW"},
};
constexpr unsigned kPfUnitAt = offsetof(ProfilfuncParam, unit);
constexpr unsigned kPfStepsAt = offsetof(ProfilfuncParam, steps);
constexpr int kProfilSteps = static_cast<int>(sizeof(ProfilfuncParam::steps));

// A value in the unit: a step of 0 is off, the value while the release is off may be 0.
CString ProfilValue(BYTE value, BYTE unit, bool zeroAllowed)
{
    CString text;
    if (unit >= std::size(kProfilUnits))
        return text;
    if (value == 0 && !zeroAllowed)
        return ui::kProfilOff;
    if (unit == kEinheitOhne)
        text.Format("%d", value);
    else if (unit == kEinheitTemperatur)
        text.Format("%02.01f °C", value / 2.0);
    else
        text.Format(kProfilUnits[unit].pattern, value * 10);
    return text;
}

// Start, stop, reset and clock: a digital input with a source, else only the user source without a state.
void ProfilInput(DocText& text, const DocRow& row, const CString& label, const BYTE* r, bool filter)
{
    const BYTE* source = r + row.at;
    if (source[0] != 0)
        text.QuelleDigital(label, row.level, source[0], source[2], false, source[1] != 0, source[2], filter);
    else
        text.QuelleAnalog(label, row.level, 0, source[2], false, filter);
}

constexpr DocRow ProfilInputRow(const char* label, unsigned at)
{
    return AtPlace(LinesRow(1, ProfilInput, label), at);
}

// The steps in use, bounded by the record's 64; the column layout gives the number two places.
void ProfilSteps(DocText& text, const DocRow& row, const CString&, const BYTE* r, bool)
{
    const int count = std::min<int>(r[offsetof(ProfilfuncParam, stepCount)], kProfilSteps);
    for (int k = 1; k <= count; ++k) {
        CString label;
        label.Format(text.Format() == kColumns ? ui::kProfilStepCaption : "%s %d:", ui::kProfilStep, k);
        text.Separated(row.level, label, ProfilValue(r[kPfStepsAt + k - 1], r[kPfUnitAt], false));
    }
}

constexpr DocRow kProfilfuncRows[] = {
    SourceRow(DocRow::Digital, 1, ui::kProfilReleaseInput, offsetof(ProfilfuncParam, release)),
    SourceRow(DocRow::Analog, 1, ui::kProfilOffValueInput, offsetof(ProfilfuncParam, offValue)),
    ProfilInputRow(ui::kProfilStartInput, offsetof(ProfilfuncParam, start)),
    ProfilInputRow(ui::kProfilStopInput, offsetof(ProfilfuncParam, stop)),
    ProfilInputRow(ui::kProfilResetInput, offsetof(ProfilfuncParam, reset)),
    ProfilInputRow(ui::kProfilClockInput, offsetof(ProfilfuncParam, clock)),
    HeadingRow(0, kUscitaDati),
    SourceRow(DocRow::Outputs16, 1, ui::kProfilOutput, offsetof(ProfilfuncParam, outputs)),
    CustomRow(0, ui::kProfilUnitLabel,
              [](const DocText&, const BYTE* r) -> CString {
                  return r[kPfUnitAt] < std::size(kProfilUnits) ? kProfilUnits[r[kPfUnitAt]].name : "";
              }),
    ValueRow(0, ui::kProfilCyclicLabel, record::RowAt(record::kProfilFields, offsetof(ProfilfuncParam, repeat)), Fmt::YesNo),
    When(ValueRow(0, ui::kProfilClockLabel, record::RowAt(record::kProfilFields, offsetof(ProfilfuncParam, clock.number)),
                  Fmt::Scaled),
         {Cond::Zero, offsetof(ProfilfuncParam, clock)}),
    When(CustomRow(0, ui::kProfilOffValueLabel,
                   [](const DocText&, const BYTE* r) {
                       return ProfilValue(r[offsetof(ProfilfuncParam, offValue.number)], r[kPfUnitAt], true);
                   }),
         {Cond::Zero, offsetof(ProfilfuncParam, offValue)}),
    LinesRow(0, ProfilSteps),
};

// ---- Time switch ----

// Whole days and a time byte: "2 giorni 2.5 ore".
template <unsigned DaysAt, unsigned TimeAt>
CString DaysAndTime(const DocText& text, const BYTE* r)
{
    CString value;
    value.Format("%d giorni", r[DaysAt]);
    return value + ValueSep(text.Format()) + TimeByteText(r[TimeAt]);
}

constexpr Cond kBlocked{Cond::NonZero, offsetof(SchaltuhrParam, blocking)};

constexpr DocRow kSchaltuhrRows[] = {
    SourceRow(DocRow::Digital, 1, ui::kSchaltuhrReleaseInput, offsetof(SchaltuhrParam, release)),
    SourceRow(DocRow::Digital, 1, ui::kSchaltuhrBlockingInput, offsetof(SchaltuhrParam, blocking), kOptional),
    HeadingRow(0, kUscitaDati),
    SourceRow(DocRow::Outputs16, 1, ui::kSyncOutput, offsetof(SchaltuhrParam, outputs)),
    LinesRow(0, TimePrograms<SchaltuhrParam>),
    When(ValueRow(0, ui::kSchaltuhrSetpointLabel,
                  record::RowAt(record::kSchaltuhrFields, offsetof(SchaltuhrParam, nominalValue)), Fmt::Number,
                  "%ld°C"),
         {Cond::NonZero, offsetof(SchaltuhrParam, windowSetpoints)}),
    When(CustomRow(0, ui::kSchaltuhrMinBlockLabel,
                   DaysAndTime<offsetof(SchaltuhrParam, blockMinDays), offsetof(SchaltuhrParam, blockMinTime)>),
         kBlocked),
    When(CustomRow(
             0, ui::kSchaltuhrBlockLabel, DaysAndTime<offsetof(SchaltuhrParam, blockDays), offsetof(SchaltuhrParam, blockTime)>),
         kBlocked),
};

}  // namespace

std::span<const DocRow> AnalogfuncRows()
{
    return kAnalogfuncRows;
}
std::span<const DocRow> PID_RegelungRows()
{
    return kPidRegelungRows;
}
std::span<const DocRow> ProfilfuncRows()
{
    return kProfilfuncRows;
}
std::span<const DocRow> SchaltuhrRows()
{
    return kSchaltuhrRows;
}

}  // namespace doc
