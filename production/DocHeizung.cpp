// The documentation rows of the heating-circuit controller, the heating request, the hot-water request and the
// boiler cascade.
#include "production/DocFunctions.h"
#include "production/DocTexts.h"
#include "resources/UiTexts.h"
#include "store/AnfHeizungParam.h"
#include "store/AnfWarmwasserParam.h"
#include "store/CParaDaten.h"
#include "store/HzkrRegParam.h"
#include "store/KesselkaskadeParam.h"
#include "texts/CTexte.h"

#include <algorithm>

namespace doc {

namespace {

using record::FieldInfo;
using record::Scale;

constexpr char kCelsius[] = "%ld °C";
constexpr char kPercent[] = "%ld%%";
constexpr Cond kAlways{Cond::Always};

// A temperature stored as a signed byte, -128..127 deg C.
template <unsigned kAt>
CString SignedCelsius(const DocText&, const BYTE* r)
{
    CString text;
    text.Format("%d °C", static_cast<signed char>(r[kAt]));
    return text;
}

// Heating-circuit controller.
constexpr FieldInfo kHzSlope{RECORD_FIELD(HzkrRegParam, curve), Scale::Hundredths};

constexpr const char* kHzRegulation[] = {ui::kHzkrFixed, ui::kHzkrOutside};
constexpr Cond kBySlope{Cond::NonZero, offsetof(HzkrRegParam, curveBySlope)};
constexpr Cond kByTwoPoints{Cond::Zero, offsetof(HzkrRegParam, curveBySlope)};

constexpr DocRow kHzkrRegRows[] = {
    SourceRow(DocRow::Digital, 1, ui::kHzkrReleaseInput, offsetof(HzkrRegParam, release)),
    SourceRow(DocRow::Digital, 1, ui::kLadeReleaseInput, offsetof(HzkrRegParam, pumpRelease)),
    SourceRow(DocRow::Digital, 1, ui::kMischerReleaseInput, offsetof(HzkrRegParam, mixerRelease)),
    SourceRow(DocRow::Analog, 1, ui::kHzkrRoomInput, offsetof(HzkrRegParam, roomTemp), kAlways),
    SourceRow(DocRow::Analog, 1, ui::kKaskFlowInput, offsetof(HzkrRegParam, flowTemp), kAlways),
    SourceRow(DocRow::Analog, 1, ui::kHzkrOutsideInput, offsetof(HzkrRegParam, outsideTemp), kAlways),
    SourceRow(DocRow::Digital, 1, ui::kAnfwSwitchInput, offsetof(HzkrRegParam, externalSwitch), kAlways),
    HeadingRow(0, kUscitaDati),
    SourceRow(DocRow::Outputs16, 1, ui::kHzkrPumpOutput, offsetof(HzkrRegParam, pumpOutputs)),
    HeadingRow(1, "MISCELA.:"),
    CustomRow(2, "Uscita:",
              [](const DocText&, const BYTE* r) -> CString {
                  const BYTE first = r[offsetof(HzkrRegParam, mixerOutputs)];
                  CString text = kNessuno;
                  if (first == kHzkrMischer3 || first == kHzkrMischer8 || first == kHzkrMischer10 ||
                      first == kHzkrMischer12)
                      text.Format("%d,%d", first, first + 1);
                  return text;
              }),
    CustomRow(0, ui::kHzkrMode,
              [](const DocText&, const BYTE* r) -> CString {
                  return ListedText(ui::kHzkrModes, r[offsetof(HzkrRegParam, mode)]);
              }),
    HeadingRow(0, ui::kHzkrRoomGroup),
    ValueRow(1, ui::kHzkrReduced, record::RowAt(record::kHzkrRegFields, offsetof(HzkrRegParam, roomReduced)),
             Fmt::Number, kCelsius),
    ValueRow(1, ui::kHzkrNormal, record::RowAt(record::kHzkrRegFields, offsetof(HzkrRegParam, roomNormal)),
             Fmt::Number, kCelsius),
    When(LinesRow(1, TimePrograms<HzkrRegParam>), {Cond::NonZero, offsetof(HzkrRegParam, programsInUse)}),
    ValueRow(1, ui::kHzkrLead, record::RowAt(record::kHzkrRegFields, offsetof(HzkrRegParam, advanceTime)), Fmt::Number,
             "%ld min"),
    HeadingRow(0, ui::kHzkrFlowGroup),
    HeadingRow(1, ui::kHzkrCurveTitle),
    HeadingRow(2, "MODO:"),
    CustomRow(3, "Regolaz.:",
              [](const DocText&, const BYTE* r) -> CString {
                  return ListedText(kHzRegulation, r[offsetof(HzkrRegParam, byOutsideTemp)]);
              }),
    CustomRow(3, ui::kHzkrCurveTitle,
              [](const DocText&, const BYTE* r) -> CString {
                  return r[offsetof(HzkrRegParam, curveBySlope)] ? ui::kHzkrSlope : ui::kHzkrTemperatures;
              }),
    ValueRow(2, ui::kHzkrRoomInfluence, record::RowAt(record::kHzkrRegFields, offsetof(HzkrRegParam, roomInfluence)),
             Fmt::Number, kPercent),
    ValueRow(2, ui::kHzkrRaise, record::RowAt(record::kHzkrRegFields, offsetof(HzkrRegParam, switchOnRaise)),
             Fmt::Number, kPercent),
    When(ValueRow(2, ui::kHzkrSlopeLabel, &kHzSlope, Fmt::Scaled, "%03.02f"), kBySlope),
    When(ValueRow(2, ui::kHzkrPlus10, record::RowAt(record::kHzkrRegFields, offsetof(HzkrRegParam, flowAtPlus10)),
                  Fmt::Number, kCelsius),
         kByTwoPoints),
    When(ValueRow(2, ui::kHzkrMinus20, record::RowAt(record::kHzkrRegFields, offsetof(HzkrRegParam, curve)), Fmt::Number,
                  kCelsius),
         kByTwoPoints),
    ValueRow(2, ui::kHzkrFlowMax, record::RowAt(record::kHzkrRegFields, offsetof(HzkrRegParam, flowMax)), Fmt::Number,
             kCelsius),
    ValueRow(2, ui::kHzkrFlowMin, record::RowAt(record::kHzkrRegFields, offsetof(HzkrRegParam, flowMin)), Fmt::Number,
             kCelsius),
    HeadingRow(0, ui::kHzkrOutsideGroup),
    HeadingRow(1, ui::kHzkrAveragingTitle),
    HeadingRow(2, ui::kHzkrAveragingFlow),
    ValueRow(3, ui::kHzkrAveragingTime, record::RowAt(record::kHzkrRegFields, offsetof(HzkrRegParam, averagingControl)),
             Fmt::Scaled),
    HeadingRow(2, ui::kHzkrAveragingOff),
    ValueRow(3, ui::kHzkrAveragingTime, record::RowAt(record::kHzkrRegFields, offsetof(HzkrRegParam, averagingOff)), Fmt::Scaled),
    HeadingRow(0, ui::kHzkrSwitchOffTitle),
    ValueRow(1, "se T.Amb EFF > TEOR ?",
             record::RowAt(record::kHzkrRegFields, offsetof(HzkrRegParam, offRoomAboveSetpoint)), Fmt::YesNo),
    ValueRow(1, ui::kHysteresis, record::RowAt(record::kHzkrRegFields, offsetof(HzkrRegParam, offRoomHyst)), Fmt::Scaled),
    ValueRow(1, "se T.Mand TEOR < MIN ?",
             record::RowAt(record::kHzkrRegFields, offsetof(HzkrRegParam, offFlowBelowMin)), Fmt::YesNo),
    ValueRow(1, ui::kHysteresis, record::RowAt(record::kHzkrRegFields, offsetof(HzkrRegParam, offFlowHyst)), Fmt::Scaled),
    ValueRow(1, "se T.Est VMe > MASS ?",
             record::RowAt(record::kHzkrRegFields, offsetof(HzkrRegParam, offOutsideAboveMax)), Fmt::YesNo),
    CustomRow(1, ui::kHzkrOutsideMax, SignedCelsius<offsetof(HzkrRegParam, offOutsideMax)>),
    ValueRow(1, ui::kHysteresis, record::RowAt(record::kHzkrRegFields, offsetof(HzkrRegParam, offOutsideHyst)),
             Fmt::Scaled),
    ValueRow(1, "se Attiv.Oper.Abbass. e T.Est EFF > MIN ?",
             record::RowAt(record::kHzkrRegFields, offsetof(HzkrRegParam, offReducedOutsideAboveMin)), Fmt::YesNo),
    CustomRow(1, ui::kHzkrOutsideMin, SignedCelsius<offsetof(HzkrRegParam, offReducedOutsideMin)>),
    ValueRow(1, ui::kHysteresis, record::RowAt(record::kHzkrRegFields, offsetof(HzkrRegParam, offReducedHyst)),
             Fmt::Scaled),
    ValueRow(1, "se T.Mand EFF > MASS ?",
             record::RowAt(record::kHzkrRegFields, offsetof(HzkrRegParam, offFlowAboveMax)), Fmt::YesNo),
    CustomRow(1, "se Circ.Risc. OFF Miscela:",
              [](const DocText&, const BYTE* r)
                  -> CString { return ListedText(ui::kHzkrMixerActions, r[offsetof(HzkrRegParam, mixerWhileOff)]); }),
    HeadingRow(0, ui::kHzkrFrostTitle),
    HeadingRow(1, ui::kHzkrFrostGroup),
    CustomRow(2, ui::kHzkrFrostOutside, SignedCelsius<offsetof(HzkrRegParam, frostOutside)>),
    ValueRow(2, ui::kHzkrFrostRoom, record::RowAt(record::kHzkrRegFields, offsetof(HzkrRegParam, frostRoom)), Fmt::Number,
             kCelsius),
};

// Heating request. The switch-off difference stands under the switch-off temperature when the request has one.
constexpr Cond kAhNoOffTemp{Cond::Zero, offsetof(AnfHeizungParam, offTemp)};
constexpr Cond kAhOffTemp{Cond::NonZero, offsetof(AnfHeizungParam, offTemp)};

// The fixed switch-off setpoint, while the setpoint has no source.
void AhOffSetpoint(DocText& text, const DocRow& row, const CString&, const BYTE* r, bool)
{
    if (r[offsetof(AnfHeizungParam, offSetpoint.kind)] != 0)
        return;
    CString value;
    value.Format("%d °C", r[offsetof(AnfHeizungParam, offSetpoint.number)]);
    text.Separated(row.level, ui::kAnfhOffSetpoint, value);
}

constexpr DocRow kAnfHeizungRows[] = {
    SourceRow(DocRow::Digital, 1, ui::kAnfhReleaseInput, offsetof(AnfHeizungParam, release)),
    SourceRow(DocRow::Analog, 1, ui::kAnfhDemandInput, offsetof(AnfHeizungParam, demandTemp)),
    SourceRow(DocRow::Analog, 1, ui::kAnfhOffTempInput, offsetof(AnfHeizungParam, offTemp), kAlways),
    SourceRow(DocRow::Analog, 1, ui::kAnfhSetpointInput, offsetof(AnfHeizungParam, demandSetpoint)),
    SourceRow(DocRow::Analog, 1, ui::kAnfhOffSetpointInput, offsetof(AnfHeizungParam, offSetpoint), kAhNoOffTemp),
    HeadingRow(0, kUscitaDati),
    SourceRow(DocRow::Outputs16, 1, ui::kAnfhOutput, offsetof(AnfHeizungParam, outputs)),
    HeadingRow(0, ui::kAnfhDemandGroup),
    When(ValueRow(1, ui::kAnfhSetpoint,
                  record::RowAt(record::kAnfHeizungFields, offsetof(AnfHeizungParam, demandSetpoint.number)),
                  Fmt::Number, kCelsius),
         {Cond::Zero, offsetof(AnfHeizungParam, demandSetpoint)}),
    ValueRow(1, ui::kDiffOn, record::RowAt(record::kAnfHeizungFields, offsetof(AnfHeizungParam, diffOn)), Fmt::Scaled),
    When(ValueRow(1, ui::kDiffOff, record::RowAt(record::kAnfHeizungFields, offsetof(AnfHeizungParam, diffOff)),
                  Fmt::Scaled),
         kAhNoOffTemp),
    When(HeadingRow(0, ui::kAnfhOffTempGroup), kAhOffTemp),
    When(LinesRow(1, AhOffSetpoint), kAhOffTemp),
    When(ValueRow(1, ui::kDiffOff, record::RowAt(record::kAnfHeizungFields, offsetof(AnfHeizungParam, diffOff)),
                  Fmt::Scaled),
         kAhOffTemp),
    HeadingRow(0, ui::kAnfhBaseGroup),
    ValueRow(1, ui::kAnfhMin, record::RowAt(record::kAnfHeizungFields, offsetof(AnfHeizungParam, minDemandTemp)),
             Fmt::Number, kCelsius),
    HeadingRow(0, ui::kAnfhRunGroup),
    ValueRow(1, ui::kAnfhRun, record::RowAt(record::kAnfHeizungFields, offsetof(AnfHeizungParam, minBurnerRun)),
             Fmt::Scaled),
    HeadingRow(0, ui::kAnfhEcoGroup),
    ValueRow(1, ui::kAnfhEco, record::RowAt(record::kAnfHeizungFields, offsetof(AnfHeizungParam, eco)), Fmt::Number,
             "%ld %%"),
};

// Hot-water request.

constexpr DocRow kAnfWarmwasserRows[] = {
    SourceRow(DocRow::Digital, 1, ui::kAnfhReleaseInput, offsetof(AnfWarmwasserParam, release)),
    SourceRow(DocRow::Analog, 1, ui::kAnfwHotWaterInput, offsetof(AnfWarmwasserParam, hotWaterTemp)),
    SourceRow(DocRow::Analog, 1, ui::kAnfwSetpointInput, offsetof(AnfWarmwasserParam, setpoint)),
    SourceRow(DocRow::Digital, 1, ui::kAnfwSwitchInput, offsetof(AnfWarmwasserParam, externalSwitch), kAlways),
    HeadingRow(0, kUscitaDati),
    SourceRow(DocRow::Outputs16, 1, ui::kAnfhOutput, offsetof(AnfWarmwasserParam, outputs)),
    SourceRow(DocRow::Speeds6, 1, ui::kAnfwBurnerOutput, offsetof(AnfWarmwasserParam, burnerOutputs)),
    HeadingRow(0, ui::kAnfwGroup),
    When(ValueRow(1, ui::kAnfwSetpoint,
                  record::RowAt(record::kAnfWarmwasserFields, offsetof(AnfWarmwasserParam, setpoint.number)),
                  Fmt::Number, kCelsius),
         {Cond::Zero, offsetof(AnfWarmwasserParam, setpoint)}),
    When(LinesRow(1, TimePrograms<AnfWarmwasserParam>), {Cond::NonZero, offsetof(AnfWarmwasserParam, programsInUse)}),
    ValueRow(1, ui::kAnfwMin, record::RowAt(record::kAnfWarmwasserFields, offsetof(AnfWarmwasserParam, minTemp)),
             Fmt::Number, kCelsius),
    ValueRow(1, ui::kDiffOn, record::RowAt(record::kAnfWarmwasserFields, offsetof(AnfWarmwasserParam, diffOn)),
             Fmt::Scaled),
    ValueRow(1, ui::kDiffOff, record::RowAt(record::kAnfWarmwasserFields, offsetof(AnfWarmwasserParam, diffOff)),
             Fmt::Scaled),
    ValueRow(0, ui::kAnfwPower, record::RowAt(record::kAnfWarmwasserFields, offsetof(AnfWarmwasserParam, burnerPower)),
             Fmt::Number, kPercent),
};

// Boiler cascade: boilers A, B and C; the third boiler's lines only with three boilers, its demand list always.
constexpr FieldInfo kKkHours{RECORD_FIELD(KesselkaskadeParam, hourDifference), Scale::TimesTen};
constexpr FieldInfo kKkDemand[] = {{RECORD_FIELD(KesselkaskadeParam, boilers[0].demand)},
                                   {RECORD_FIELD(KesselkaskadeParam, boilers[1].demand)},
                                   {RECORD_FIELD(KesselkaskadeParam, boilers[2].demand)}};
constexpr FieldInfo kKkPosition[] = {{RECORD_FIELD(KesselkaskadeParam, boilers[0].position)},
                                     {RECORD_FIELD(KesselkaskadeParam, boilers[1].position)},
                                     {RECORD_FIELD(KesselkaskadeParam, boilers[2].position)}};
constexpr FieldInfo kKkAutoChange[] = {{RECORD_FIELD(KesselkaskadeParam, boilers[0].autoChange)},
                                       {RECORD_FIELD(KesselkaskadeParam, boilers[1].autoChange)},
                                       {RECORD_FIELD(KesselkaskadeParam, boilers[2].autoChange)}};
constexpr FieldInfo kKkOn[] = {{RECORD_FIELD(KesselkaskadeParam, boilers[0].onDifference), Scale::Difference},
                               {RECORD_FIELD(KesselkaskadeParam, boilers[1].onDifference), Scale::Difference},
                               {RECORD_FIELD(KesselkaskadeParam, boilers[2].onDifference), Scale::Difference}};
constexpr FieldInfo kKkOff[] = {{RECORD_FIELD(KesselkaskadeParam, boilers[0].offDifference), Scale::Difference},
                                {RECORD_FIELD(KesselkaskadeParam, boilers[1].offDifference), Scale::Difference},
                                {RECORD_FIELD(KesselkaskadeParam, boilers[2].offDifference), Scale::Difference}};
constexpr FieldInfo kKkDelay[] = {{RECORD_FIELD(KesselkaskadeParam, boilers[0].delay), Scale::Duration},
                                  {RECORD_FIELD(KesselkaskadeParam, boilers[1].delay), Scale::Duration},
                                  {RECORD_FIELD(KesselkaskadeParam, boilers[2].delay), Scale::Duration}};
constexpr Cond kThreeBoilers{Cond::Greater, offsetof(KesselkaskadeParam, boilerCount), 2};
constexpr Cond kUpToTwoBoilers{Cond::Less, offsetof(KesselkaskadeParam, boilerCount), 3};

// One line per participant in use: the designation of the request function it names.
void Participants(DocText& text, const DocRow& row, const CString&, const BYTE* r, bool)
{
    constexpr int kParticipants = sizeof(KesselkaskadeParam::participants);
    const int file = text.Opt().file;
    const int count = std::min<int>(r[offsetof(KesselkaskadeParam, participantCount)], kParticipants);
    for (int i = 0; i < count; ++i)
        text.Heading(row.level, ParticipantName(file, r[offsetof(KesselkaskadeParam, participants) + i]));
}

constexpr DocRow kKesselkaskadeRows[] = {
    SourceRow(DocRow::Digital, 1, ui::kKaskReleaseInput, offsetof(KesselkaskadeParam, release)),
    SourceRow(DocRow::Digital, 1, "RILASCIO DA 2. GRADO", offsetof(KesselkaskadeParam, release2)),
    SourceRow(DocRow::Digital, 1, "RILASCIO DA 3. GRADO", offsetof(KesselkaskadeParam, release3), kUpToTwoBoilers),
    SourceRow(DocRow::Analog, 1, ui::kKaskFlowInput, offsetof(KesselkaskadeParam, flowTemp)),
    HeadingRow(1, ui::kParticipatingFunctions),
    LinesRow(2, Participants),
    HeadingRow(0, kUscitaDati),
    SourceRow(DocRow::Outputs16, 1, "RICHIESTA CALDA A", &kKkDemand[0]),
    SourceRow(DocRow::Outputs16, 1, "RICHIESTA CALDA B", &kKkDemand[1]),
    SourceRow(DocRow::Outputs16, 1, "RICHIESTA CALDA C", &kKkDemand[2]),
    ValueRow(0, ui::kKaskCount, record::RowAt(record::kKesselkaskadeFields, offsetof(KesselkaskadeParam, boilerCount)),
             Fmt::Number),
    HeadingRow(0, ui::kKaskService),
    HeadingRow(1, ui::kServiceSequence),
    ValueRow(1, "Calda A:", &kKkPosition[0], Fmt::Number),
    ValueRow(1, "Calda B:", &kKkPosition[1], Fmt::Number),
    When(ValueRow(1, "Calda C:", &kKkPosition[2], Fmt::Number), kThreeBoilers),
    HeadingRow(1, ui::kServiceChange),
    ValueRow(1, "Calda A:", &kKkAutoChange[0], Fmt::YesNo),
    ValueRow(1, "Calda B:", &kKkAutoChange[1], Fmt::YesNo),
    When(ValueRow(1, "Calda C:", &kKkAutoChange[2], Fmt::YesNo), kThreeBoilers),
    ValueRow(1, "Diff. Ore di Lavoro per Cambio Calda:", &kKkHours, Fmt::Scaled, "%ld ore"),
    HeadingRow(0, "CALDA 1:"),
    ValueRow(1, ui::kDiffOn, &kKkOn[0], Fmt::Scaled),
    ValueRow(1, ui::kDiffOff, &kKkOff[0], Fmt::Scaled),
    ValueRow(1, ui::kKaskDelay, &kKkDelay[0], Fmt::Scaled),
    HeadingRow(0, "CALDA 2:"),
    ValueRow(1, ui::kDiffOn, &kKkOn[1], Fmt::Scaled),
    ValueRow(1, ui::kDiffOff, &kKkOff[1], Fmt::Scaled),
    ValueRow(1, ui::kKaskDelay, &kKkDelay[1], Fmt::Scaled),
    When(HeadingRow(0, "CALDA 3:"), kThreeBoilers),
    When(ValueRow(1, ui::kDiffOn, &kKkOn[2], Fmt::Scaled), kThreeBoilers),
    When(ValueRow(1, ui::kDiffOff, &kKkOff[2], Fmt::Scaled), kThreeBoilers),
    When(ValueRow(1, ui::kKaskDelay, &kKkDelay[2], Fmt::Scaled), kThreeBoilers),
};

}  // namespace

std::span<const DocRow> HzkrRegRows()
{
    return kHzkrRegRows;
}
std::span<const DocRow> AnfHeizungRows()
{
    return kAnfHeizungRows;
}
std::span<const DocRow> AnfWarmwasserRows()
{
    return kAnfWarmwasserRows;
}
std::span<const DocRow> KesselkaskadeRows()
{
    return kKesselkaskadeRows;
}

}  // namespace doc
