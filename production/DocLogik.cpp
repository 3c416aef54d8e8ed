// The documentation rows of the timer, the comparison and the counter.
#include "production/DocFunctions.h"
#include "production/DocTexts.h"
#include "resources/UiTexts.h"
#include "store/Einheit.h"
#include "store/FuncKontrolleParam.h"
#include "store/LogikfuncParam.h"
#include "store/RecordCodec.h"
#include "store/TimerParam.h"
#include "store/VergleichParam.h"
#include "store/ZaehlerParam.h"

#include <cstring>

namespace doc {

namespace {

using record::FieldInfo;
using record::Scale;

const char* Pick(std::span<const char* const> texts, long value)
{
    return texts[value >= 0 && static_cast<size_t>(value) < texts.size() ? value : 0];
}

long Word(const BYTE* record, unsigned offset)
{
    std::int32_t value = 0;
    std::memcpy(&value, record + offset, sizeof value);
    return value;
}

// Timer.

constexpr const char* kTimerModes[] = {ui::kZaehlerPulsesGroup,       "Tempo Integr", "Ritardo",
                                       "Tempo Min Fnz", "Tempo Blocco", "Instabile"};
constexpr unsigned kModeAt = offsetof(TimerParam, modeWord);
constexpr Cond kAstable{Cond::Eq, kModeAt, kTimerAstabil, TimerParam::kModeMask};
constexpr Cond kNotAstable{Cond::Ne, kModeAt, kTimerAstabil, TimerParam::kModeMask};

// In the astable mode the trigger has no use: it is written as an analog input without a source that may stay so.
void AstableTrigger(DocText& text, const DocRow& row, const CString& label, const BYTE* record, bool filter)
{
    text.QuelleAnalog(label, row.level, 0, record[offsetof(TimerParam, trigger.number)], true, filter);
}

constexpr DocRow kTimerRows[] = {
    SourceRow(DocRow::Digital, 1, ui::kTimerReleaseInput, offsetof(TimerParam, release)),
    When(SourceRow(DocRow::Digital, 1, ui::kTimerTriggerInput, offsetof(TimerParam, trigger)), kNotAstable),
    When(LinesRow(1, AstableTrigger, ui::kTimerTriggerInput), kAstable),
    SourceRow(DocRow::Analog, 1, ui::kTimerDutyInput, offsetof(TimerParam, duty)),
    HeadingRow(0, kUscitaDati),
    SourceRow(DocRow::Outputs16, 1, ui::kTimerOutput, offsetof(TimerParam, output)),
    SourceRow(DocRow::Outputs16, 1, ui::kTimerOutputInverted, offsetof(TimerParam, inverted)),
    CustomRow(0, ui::kTimerModeLabel,
              [](const DocText&, const BYTE* r) -> CString {
                  return Pick(kTimerModes, Word(r, kModeAt) & TimerParam::kModeMask);
              }),
    When(HeadingRow(0, ui::kTimerPulseGroup), kAstable),
    When(ValueRow(1, ui::kTimerOnLabel, record::RowAt(record::kTimerFields, offsetof(TimerParam, time)), Fmt::Scaled), kAstable),
    When(ValueRow(1, ui::kTimerOffLabel, record::RowAt(record::kTimerFields, offsetof(TimerParam, offTime)), Fmt::Scaled),
         kAstable),
    When(CustomRow(0, ui::kTimerEdgeLabel,
                   [](const DocText&, const BYTE* r) -> CString {
                       return Pick(ui::kTimerEdges, Word(r, offsetof(TimerParam, edgeWord)) & TimerParam::kEdgeMask);
                   }),
         {Cond::Eq, kModeAt, kTimerImpuls, TimerParam::kModeMask}),
    When(ValueRow(0, ui::kTimerRetriggerLabel, record::RowAt(record::kTimerFields, offsetof(TimerParam, retrigger)), Fmt::YesNo),
         kNotAstable),
    When(ValueRow(0, ui::kTimerPulseLabel,
                  record::RowAt(record::kTimerFields, offsetof(TimerParam, time)), Fmt::Scaled),
         kNotAstable),
    When(ValueRow(0, ui::kTimerDutyLabel, record::RowAt(record::kTimerFields, offsetof(TimerParam, duty.number)), Fmt::Number,
                  "%ld%%"),
         {Cond::Zero, offsetof(TimerParam, duty)}),
};

// Comparison: the fixed value b and the differences follow the unit group; the differences have the finer scale.
struct UnitGroup {
    const char* text;
    const char* pattern;   // of the fixed value and of the differences
    int valueFactor;       // fixed value = b x valueFactor
    int differenceFactor;  // difference = d x differenceFactor
};
constexpr UnitGroup kUnitGroups[] = {
    {"Senza Dim.", "%ld", 1, 1},      {"Temperat.", "%ld °C", 1, 1}, {"Irrad.Sol.", "%ld W/m²", 10, 1},
    {"Tempo", "%ld ore", 10, 1},      {"Num.Imp", "%ld imp", 10, 1}, {"Qt Cal KWH", "%ld kWh", 10, 1},
    {"Qt Cal MWH", "%ld MWh", 10, 1}, {"Prestaz.", "%ld kW", 10, 1}, {"Flusso", "%ld l/h", 50, 5},
    {"Velo.Vento", "%ld km/h", 1, 1}, {"Umidita", "%ld %%", 1, 1},   {"Pressione", "%ld bar", 1, 1},
};
constexpr unsigned kUnitAt = offsetof(VergleichParam, unit);

const UnitGroup& GroupOf(const BYTE* r)
{
    const BYTE u = r[kUnitAt];
    return kUnitGroups[u < std::size(kUnitGroups) ? u : 0];
}

CString FixedB(const DocText&, const BYTE* r)
{
    const BYTE b = r[offsetof(VergleichParam, valueB.number)];
    const UnitGroup& g = GroupOf(r);
    CString text;
    if (r[kUnitAt] == kEinheitTemperatur)
        text.Format(g.pattern, static_cast<long>(record::TemperatureCelsius(b)));
    else if (r[kUnitAt] == kEinheitDruck)
        text.Format("%02.01f bar", b / 10.0);
    else
        text.Format(g.pattern, static_cast<long>(b) * g.valueFactor);
    return text;
}

CString DifferenceText(const BYTE* r, unsigned offset)
{
    const BYTE d = r[offset];
    const UnitGroup& g = GroupOf(r);
    CString text;
    if (r[kUnitAt] == kEinheitTemperatur)
        return UnitText(d, kUnitDifference);
    if (r[kUnitAt] == kEinheitFeuchte)
        return UnitText(d, kUnitPercent);
    if (r[kUnitAt] == kEinheitDruck)
        text.Format("%03.02f bar", d * 5 / 100.0);
    else
        text.Format(g.pattern, static_cast<long>(d) * g.differenceFactor);
    return text;
}

constexpr DocRow kVergleichRows[] = {
    SourceRow(DocRow::Digital, 1, ui::kVergleichReleaseInput, offsetof(VergleichParam, release)),
    SourceRow(DocRow::Analog, 1, ui::kVergleichValueAInput, offsetof(VergleichParam, valueA)),
    SourceRow(DocRow::Analog, 1, ui::kVergleichValueBInput, offsetof(VergleichParam, valueB)),
    HeadingRow(0, kUscitaDati),
    SourceRow(DocRow::Outputs16, 1, ui::kVergleichAbove, offsetof(VergleichParam, above)),
    SourceRow(DocRow::Outputs16, 1, ui::kVergleichBelow, offsetof(VergleichParam, below)),
    CustomRow(0, ui::kVergleichUnitLabel, [](const DocText&, const BYTE* r) -> CString { return GroupOf(r).text; }),
    When(CustomRow(0, ui::kVergleichValueBLabel, FixedB), {Cond::Zero, offsetof(VergleichParam, valueB)}),
    CustomRow(0, ui::kDiffOn,
              [](const DocText&, const BYTE* r) { return DifferenceText(r, offsetof(VergleichParam, onDifference)); }),
    CustomRow(0, ui::kDiffOff,
              [](const DocText&, const BYTE* r) { return DifferenceText(r, offsetof(VergleichParam, offDifference)); }),
};

// Counter.
constexpr unsigned kZaehlerModeAt = offsetof(ZaehlerParam, mode);
constexpr Cond kPulses{Cond::NonZero, kZaehlerModeAt};

constexpr DocRow kZaehlerRows[] = {
    SourceRow(DocRow::Digital, 1, ui::kZaehlerReleaseInput, offsetof(ZaehlerParam, release)),
    Repeated(SourceRow(DocRow::Digital, 1, "ENTRATA DATI %d", offsetof(ZaehlerParam, inputs), {Cond::Always}), 6,
             sizeof(DigitalQuelle)),
    SourceRow(DocRow::Digital, 1, ui::kZaehlerResetInput, offsetof(ZaehlerParam, reset), {Cond::Always}),
    CustomRow(0, ui::kZaehlerModeGroup,
              [](const DocText&, const BYTE* r) -> CString {
                  return r[kZaehlerModeAt] ? ui::kZaehlerPulses : ui::kZaehlerHours;
              }),
    When(ValueRow(0, kDivisore, record::RowAt(record::kZaehlerFields, offsetof(ZaehlerParam, divisor)), Fmt::Number),
         kPulses),
    When(CustomRow(0, ui::kZaehlerPositionLabel,
                   [](const DocText&, const BYTE* r) {
                       CString text;
                       text.Format("%ld %s", Word(r, offsetof(ZaehlerParam, position)), ui::kUnitPulses);
                       return text;
                   }),
         kPulses),
    When(CustomRow(0, ui::kZaehlerPositionLabel,
                   [](const DocText&, const BYTE* r) {
                       CString text;
                       text.Format("%ld %s %d %s", Word(r, offsetof(ZaehlerParam, position)), ui::kUnitHours,
                                   r[offsetof(ZaehlerParam, minutes)], ui::kUnitMinutes);
                       return text;
                   }),
         {Cond::Zero, kZaehlerModeAt}),
};

// Function control: the error limit is a fixed temperature while value b has no source, else a difference.
constexpr unsigned kFkBKind = offsetof(FuncKontrolleParam, valueB);

constexpr DocRow kFuncKontrolleRows[] = {
    SourceRow(DocRow::Analog, 1, ui::kFuncKontrolleValueAInput, offsetof(FuncKontrolleParam, valueA)),
    SourceRow(DocRow::Analog, 1, ui::kFuncKontrolleValueBInput, offsetof(FuncKontrolleParam, valueB)),
    SourceRow(DocRow::Digital, 1, ui::kFuncKontrolleReleaseInput, offsetof(FuncKontrolleParam, differenceRelease)),
    HeadingRow(0, kUscitaDati),
    SourceRow(DocRow::Outputs16, 1, ui::kFuncKontrolleValueError, offsetof(FuncKontrolleParam, valueError)),
    SourceRow(DocRow::Outputs16, 1, ui::kFuncKontrolleDifferenceError, offsetof(FuncKontrolleParam, differenceError)),
    HeadingRow(0, ui::kFuncKontrolleGroup),
    HeadingRow(1, ui::kFuncKontrolleErrorIf),
    ValueRow(1, ui::kFuncKontrolleAtLeast, record::RowAt(record::kFuncKontrolleFields, offsetof(FuncKontrolleParam, errorDelay)),
             Fmt::Number, "%ld min"),
    When(ValueRow(1, "CVa >", record::RowAt(record::kFuncKontrolleFields, offsetof(FuncKontrolleParam, valueB.number)),
                  Fmt::Number, "%ld °C"),
         {Cond::Zero, kFkBKind}),
    When(ValueRow(1, "CVa - CVb >",
                  record::RowAt(record::kFuncKontrolleFields, offsetof(FuncKontrolleParam, differenceLimit)),
                  Fmt::Number, "%ld K"),
         {Cond::NonZero, kFkBKind}),
    ValueRow(0, ui::kFuncKontrolleStoreError, record::RowAt(record::kFuncKontrolleFields, offsetof(FuncKontrolleParam, keepError)),
             Fmt::YesNo),
};

// Logic function: all six inputs, whatever the count in use.

constexpr DocRow kLogikfuncRows[] = {
    SourceRow(DocRow::Digital, 1, ui::kLogikReleaseInput, offsetof(LogikfuncParam, release)),
    Repeated(SourceRow(DocRow::Digital, 1, "ENTRATA DATI %d", offsetof(LogikfuncParam, inputs), {Cond::Always}), 6,
             sizeof(DigitalQuelle)),
    HeadingRow(0, kUscitaDati),
    SourceRow(DocRow::Outputs16, 1, ui::kLogikResult, offsetof(LogikfuncParam, result)),
    SourceRow(DocRow::Outputs16, 1, ui::kLogikResultInverted, offsetof(LogikfuncParam, inverted)),
    CustomRow(0, ui::kLogikFunctionGroup,
              [](const DocText&, const BYTE* r) -> CString {
                  return ListedText(ui::kLogikFunctions, r[offsetof(LogikfuncParam, function)]);
              }),
};

}  // namespace

std::span<const DocRow> LogikfuncRows()
{
    return kLogikfuncRows;
}
std::span<const DocRow> FuncKontrolleRows()
{
    return kFuncKontrolleRows;
}
std::span<const DocRow> TimerRows()
{
    return kTimerRows;
}
std::span<const DocRow> VergleichRows()
{
    return kVergleichRows;
}
std::span<const DocRow> ZaehlerRows()
{
    return kZaehlerRows;
}

}  // namespace doc
