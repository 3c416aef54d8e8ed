// The documentation rows of the heating-circuit controller, the heating request, the hot-water request and the
// boiler cascade.
#include "production/DocFunctions.h"
#include "production/DocTexts.h"
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
constexpr FieldInfo kHzRelease{RECORD_FIELD(HzkrRegParam, release)};
constexpr FieldInfo kHzPumpRelease{RECORD_FIELD(HzkrRegParam, pumpRelease)};
constexpr FieldInfo kHzMixerRelease{RECORD_FIELD(HzkrRegParam, mixerRelease)};
constexpr FieldInfo kHzRoom{RECORD_FIELD(HzkrRegParam, roomTemp)};
constexpr FieldInfo kHzFlow{RECORD_FIELD(HzkrRegParam, flowTemp)};
constexpr FieldInfo kHzOutside{RECORD_FIELD(HzkrRegParam, outsideTemp)};
constexpr FieldInfo kHzSwitch{RECORD_FIELD(HzkrRegParam, externalSwitch)};
constexpr FieldInfo kHzPumpOutputs{RECORD_FIELD(HzkrRegParam, pumpOutputs)};
constexpr FieldInfo kHzRoomReduced{RECORD_FIELD(HzkrRegParam, roomReduced)};
constexpr FieldInfo kHzRoomNormal{RECORD_FIELD(HzkrRegParam, roomNormal)};
constexpr FieldInfo kHzAdvance{RECORD_FIELD(HzkrRegParam, advanceTime)};
constexpr FieldInfo kHzInfluence{RECORD_FIELD(HzkrRegParam, roomInfluence)};
constexpr FieldInfo kHzRaise{RECORD_FIELD(HzkrRegParam, switchOnRaise)};
constexpr FieldInfo kHzSlope{RECORD_FIELD(HzkrRegParam, curve), Scale::Hundredths};
constexpr FieldInfo kHzFlowMinus20{RECORD_FIELD(HzkrRegParam, curve)};
constexpr FieldInfo kHzFlowPlus10{RECORD_FIELD(HzkrRegParam, flowAtPlus10)};
constexpr FieldInfo kHzFlowMax{RECORD_FIELD(HzkrRegParam, flowMax)};
constexpr FieldInfo kHzFlowMin{RECORD_FIELD(HzkrRegParam, flowMin)};
constexpr FieldInfo kHzAveragingControl{RECORD_FIELD(HzkrRegParam, averagingControl), Scale::Duration};
constexpr FieldInfo kHzAveragingOff{RECORD_FIELD(HzkrRegParam, averagingOff), Scale::Duration};
constexpr FieldInfo kHzOffRoom{RECORD_FIELD(HzkrRegParam, offRoomAboveSetpoint)};
constexpr FieldInfo kHzOffRoomHyst{RECORD_FIELD(HzkrRegParam, offRoomHyst), Scale::Hysteresis};
constexpr FieldInfo kHzOffFlow{RECORD_FIELD(HzkrRegParam, offFlowBelowMin)};
constexpr FieldInfo kHzOffFlowHyst{RECORD_FIELD(HzkrRegParam, offFlowHyst), Scale::Hysteresis};
constexpr FieldInfo kHzOffOutside{RECORD_FIELD(HzkrRegParam, offOutsideAboveMax)};
constexpr FieldInfo kHzOffOutsideHyst{RECORD_FIELD(HzkrRegParam, offOutsideHyst), Scale::Hysteresis};
constexpr FieldInfo kHzOffReduced{RECORD_FIELD(HzkrRegParam, offReducedOutsideAboveMin)};
constexpr FieldInfo kHzOffReducedHyst{RECORD_FIELD(HzkrRegParam, offReducedHyst), Scale::Hysteresis};
constexpr FieldInfo kHzOffFlowMax{RECORD_FIELD(HzkrRegParam, offFlowAboveMax)};
constexpr FieldInfo kHzFrostRoom{RECORD_FIELD(HzkrRegParam, frostRoom)};

constexpr const char* kHzModes[] = {"STANDBY", "TEMPO/AUTO", "NORMALE", "ABBASSATO"};
constexpr const char* kHzRegulation[] = {"Val.Fisso", "Temp.Est."};
constexpr const char* kHzMixerWhileOff[] = {"aprire", "chiudere", "regolare", "non modif."};
constexpr Cond kBySlope{Cond::NonZero, offsetof(HzkrRegParam, curveBySlope)};
constexpr Cond kByTwoPoints{Cond::Zero, offsetof(HzkrRegParam, curveBySlope)};

constexpr DocRow kHzkrRegRows[] = {
    SourceRow(DocRow::Digital, 1, "RILASCIO CIRC.RISC", &kHzRelease),
    SourceRow(DocRow::Digital, 1, "RILASCIO POMPA", &kHzPumpRelease),
    SourceRow(DocRow::Digital, 1, "RILASCIO MISCELA.", &kHzMixerRelease),
    SourceRow(DocRow::Analog, 1, "TEMP.AMBIENTE", &kHzRoom, kAlways),
    SourceRow(DocRow::Analog, 1, "TEMP.MANDATA", &kHzFlow, kAlways),
    SourceRow(DocRow::Analog, 1, "TEMP.ESTERNA", &kHzOutside, kAlways),
    SourceRow(DocRow::Digital, 1, "INTERRUTTORE EST.", &kHzSwitch, kAlways),
    HeadingRow(0, kUscitaDati),
    SourceRow(DocRow::Outputs16, 1, "CIRC.RISCPOMPA", &kHzPumpOutputs),
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
    CustomRow(0, "MODO:",
              [](const DocText&, const BYTE* r) -> CString {
                  return ListedText(kHzModes, r[offsetof(HzkrRegParam, mode)]);
              }),
    HeadingRow(0, "TEMP.AMBIENTE:"),
    ValueRow(1, "T.Amb.ABBASS:", &kHzRoomReduced, Fmt::Number, kCelsius),
    ValueRow(1, "T.Amb.NORMALE:", &kHzRoomNormal, Fmt::Number, kCelsius),
    When(LinesRow(1, TimePrograms<HzkrRegParam>), {Cond::NonZero, offsetof(HzkrRegParam, programsInUse)}),
    ValueRow(1, "Tempo Prec.:", &kHzAdvance, Fmt::Number, "%ld min"),
    HeadingRow(0, "TEMP.MANDATA:"),
    HeadingRow(1, "Curva Ri.:"),
    HeadingRow(2, "MODO:"),
    CustomRow(3, "Regolaz.:",
              [](const DocText&, const BYTE* r) -> CString {
                  return ListedText(kHzRegulation, r[offsetof(HzkrRegParam, byOutsideTemp)]);
              }),
    CustomRow(3, "Curva Ri.:",
              [](const DocText&, const BYTE* r) -> CString {
                  return r[offsetof(HzkrRegParam, curveBySlope)] ? "Pendenza" : "Temp.";
              }),
    ValueRow(2, "Influsso Amb:", &kHzInfluence, Fmt::Number, kPercent),
    ValueRow(2, "Asc.Sovrapass.:", &kHzRaise, Fmt::Number, kPercent),
    When(ValueRow(2, "Pendenza:", &kHzSlope, Fmt::Scaled, "%03.02f"), kBySlope),
    When(ValueRow(2, "T.Mand.+10°C:", &kHzFlowPlus10, Fmt::Number, kCelsius), kByTwoPoints),
    When(ValueRow(2, "T.Mand.-20°C:", &kHzFlowMinus20, Fmt::Number, kCelsius), kByTwoPoints),
    ValueRow(2, "T.Mand.MASS:", &kHzFlowMax, Fmt::Number, kCelsius),
    ValueRow(2, "T.Mand.MIN:", &kHzFlowMin, Fmt::Number, kCelsius),
    HeadingRow(0, "TEMP.ESTERNA:"),
    HeadingRow(1, "VAL. MED.:"),
    HeadingRow(2, "per Regol.di Mand.:"),
    ValueRow(3, "Tempo VM:", &kHzAveragingControl, Fmt::Scaled),
    HeadingRow(2, "per Spegnimento:"),
    ValueRow(3, "Tempo VM:", &kHzAveragingOff, Fmt::Scaled),
    HeadingRow(0, "COND. DI SPEGN.:"),
    ValueRow(1, "se T.Amb EFF > TEOR ?", &kHzOffRoom, Fmt::YesNo),
    ValueRow(1, "Isteresi:", &kHzOffRoomHyst, Fmt::Scaled),
    ValueRow(1, "se T.Mand TEOR < MIN ?", &kHzOffFlow, Fmt::YesNo),
    ValueRow(1, "Isteresi:", &kHzOffFlowHyst, Fmt::Scaled),
    ValueRow(1, "se T.Est VMe > MASS ?", &kHzOffOutside, Fmt::YesNo),
    CustomRow(1, "T.est.MASS:", SignedCelsius<offsetof(HzkrRegParam, offOutsideMax)>),
    ValueRow(1, "Isteresi:", &kHzOffOutsideHyst, Fmt::Scaled),
    ValueRow(1, "se Attiv.Oper.Abbass. e T.Est EFF > MIN ?", &kHzOffReduced, Fmt::YesNo),
    CustomRow(1, "T.Est.MIN:", SignedCelsius<offsetof(HzkrRegParam, offReducedOutsideMin)>),
    ValueRow(1, "Isteresi:", &kHzOffReducedHyst, Fmt::Scaled),
    ValueRow(1, "se T.Mand EFF > MASS ?", &kHzOffFlowMax, Fmt::YesNo),
    CustomRow(1, "se Circ.Risc. OFF Miscela:",
              [](const DocText&, const BYTE* r) -> CString {
                  return ListedText(kHzMixerWhileOff, r[offsetof(HzkrRegParam, mixerWhileOff)]);
              }),
    HeadingRow(0, "ANTIGELO:"),
    HeadingRow(1, "Attivare se:"),
    CustomRow(2, "T.Est.VMr <", SignedCelsius<offsetof(HzkrRegParam, frostOutside)>),
    ValueRow(2, "T.Amb.ANTIG:", &kHzFrostRoom, Fmt::Number, kCelsius),
};

// Heating request. The switch-off difference stands under the switch-off temperature when the request has one.
constexpr FieldInfo kAhRelease{RECORD_FIELD(AnfHeizungParam, release)};
constexpr FieldInfo kAhDemand{RECORD_FIELD(AnfHeizungParam, demandTemp)};
constexpr FieldInfo kAhOff{RECORD_FIELD(AnfHeizungParam, offTemp)};
constexpr FieldInfo kAhSetpoint{RECORD_FIELD(AnfHeizungParam, demandSetpoint)};
constexpr FieldInfo kAhSetpointValue{RECORD_FIELD(AnfHeizungParam, demandSetpoint.number)};
constexpr FieldInfo kAhOffSetpoint{RECORD_FIELD(AnfHeizungParam, offSetpoint)};
constexpr FieldInfo kAhOutputs{RECORD_FIELD(AnfHeizungParam, outputs)};
constexpr FieldInfo kAhOn{RECORD_FIELD(AnfHeizungParam, diffOn), Scale::Difference};
constexpr FieldInfo kAhOffDiff{RECORD_FIELD(AnfHeizungParam, diffOff), Scale::Difference};
constexpr FieldInfo kAhMinDemand{RECORD_FIELD(AnfHeizungParam, minDemandTemp)};
constexpr FieldInfo kAhBurnerRun{RECORD_FIELD(AnfHeizungParam, minBurnerRun), Scale::Duration};
constexpr FieldInfo kAhEco{RECORD_FIELD(AnfHeizungParam, eco)};
constexpr Cond kAhNoOffTemp{Cond::Zero, offsetof(AnfHeizungParam, offTemp)};
constexpr Cond kAhOffTemp{Cond::NonZero, offsetof(AnfHeizungParam, offTemp)};

// The fixed switch-off setpoint, while the setpoint has no source.
void AhOffSetpoint(DocText& text, const DocRow& row, const CString&, const BYTE* r, bool)
{
    if (r[offsetof(AnfHeizungParam, offSetpoint.kind)] != 0)
        return;
    CString value;
    value.Format("%d °C", r[offsetof(AnfHeizungParam, offSetpoint.number)]);
    text.Separated(row.level, "T.Usc.TEOR:", value);
}

constexpr DocRow kAnfHeizungRows[] = {
    SourceRow(DocRow::Digital, 1, "RILASCIO RICHIESTA", &kAhRelease),
    SourceRow(DocRow::Analog, 1, "TEMP.RICHIESTA", &kAhDemand),
    SourceRow(DocRow::Analog, 1, "SPEGN.TEMP.", &kAhOff, kAlways),
    SourceRow(DocRow::Analog, 1, "VAL.TEOR. RICHIESTA", &kAhSetpoint),
    SourceRow(DocRow::Analog, 1, "VAL.TEOR SPEGN.", &kAhOffSetpoint, kAhNoOffTemp),
    HeadingRow(0, kUscitaDati),
    SourceRow(DocRow::Outputs16, 1, "RICHIESTA", &kAhOutputs),
    HeadingRow(0, "TEMP.RICHIESTA:"),
    When(ValueRow(1, "T.Ini.TEOR:", &kAhSetpointValue, Fmt::Number, kCelsius),
         {Cond::Zero, offsetof(AnfHeizungParam, demandSetpoint)}),
    ValueRow(1, "DIFF.ON:", &kAhOn, Fmt::Scaled),
    When(ValueRow(1, "DIFF.OFF:", &kAhOffDiff, Fmt::Scaled), kAhNoOffTemp),
    When(HeadingRow(0, "SPEGN.TEMP.:"), kAhOffTemp),
    When(LinesRow(1, AhOffSetpoint), kAhOffTemp),
    When(ValueRow(1, "DIFF.OFF:", &kAhOffDiff, Fmt::Scaled), kAhOffTemp),
    HeadingRow(0, "Temp.Zocc.:"),
    ValueRow(1, "T.RichMIN:", &kAhMinDemand, Fmt::Number, kCelsius),
    HeadingRow(0, "Durata Minimale"),
    ValueRow(1, "Bruciat.:", &kAhBurnerRun, Fmt::Scaled),
    HeadingRow(0, " ECO:MODO:"),
    ValueRow(1, "Copert.ant.:", &kAhEco, Fmt::Number, "%ld %%"),
};

// Hot-water request.
constexpr FieldInfo kAwRelease{RECORD_FIELD(AnfWarmwasserParam, release)};
constexpr FieldInfo kAwTemp{RECORD_FIELD(AnfWarmwasserParam, hotWaterTemp)};
constexpr FieldInfo kAwSetpoint{RECORD_FIELD(AnfWarmwasserParam, setpoint)};
constexpr FieldInfo kAwSetpointValue{RECORD_FIELD(AnfWarmwasserParam, setpoint.number)};
constexpr FieldInfo kAwSwitch{RECORD_FIELD(AnfWarmwasserParam, externalSwitch)};
constexpr FieldInfo kAwOutputs{RECORD_FIELD(AnfWarmwasserParam, outputs)};
constexpr FieldInfo kAwBurnerOutputs{RECORD_FIELD(AnfWarmwasserParam, burnerOutputs)};
constexpr FieldInfo kAwMin{RECORD_FIELD(AnfWarmwasserParam, minTemp)};
constexpr FieldInfo kAwOn{RECORD_FIELD(AnfWarmwasserParam, diffOn), Scale::Difference};
constexpr FieldInfo kAwOff{RECORD_FIELD(AnfWarmwasserParam, diffOff), Scale::Difference};
constexpr FieldInfo kAwBurner{RECORD_FIELD(AnfWarmwasserParam, burnerPower)};

constexpr DocRow kAnfWarmwasserRows[] = {
    SourceRow(DocRow::Digital, 1, "RILASCIO RICHIESTA", &kAwRelease),
    SourceRow(DocRow::Analog, 1, "TEMP AC.CALDA", &kAwTemp),
    SourceRow(DocRow::Analog, 1, "TEMP.TEOR.", &kAwSetpoint),
    SourceRow(DocRow::Digital, 1, "INTERRUTTORE EST.", &kAwSwitch, kAlways),
    HeadingRow(0, kUscitaDati),
    SourceRow(DocRow::Outputs16, 1, "RICHIESTA", &kAwOutputs),
    SourceRow(DocRow::Speeds6, 1, "PREST.BRUC.", &kAwBurnerOutputs),
    HeadingRow(0, "TEMP AC.CALDA:"),
    When(ValueRow(1, "T.Ac.TEOR:", &kAwSetpointValue, Fmt::Number, kCelsius),
         {Cond::Zero, offsetof(AnfWarmwasserParam, setpoint)}),
    When(LinesRow(1, TimePrograms<AnfWarmwasserParam>), {Cond::NonZero, offsetof(AnfWarmwasserParam, programsInUse)}),
    ValueRow(1, "T.Ac.MIN.:", &kAwMin, Fmt::Number, kCelsius),
    ValueRow(1, "DIFF.ON:", &kAwOn, Fmt::Scaled),
    ValueRow(1, "DIFF.OFF:", &kAwOff, Fmt::Scaled),
    ValueRow(0, "Prest.Bruc.:", &kAwBurner, Fmt::Number, kPercent),
};

// Boiler cascade: boilers A, B and C; the third boiler's lines only with three boilers, its demand list always.
constexpr FieldInfo kKkRelease{RECORD_FIELD(KesselkaskadeParam, release)};
constexpr FieldInfo kKkRelease2{RECORD_FIELD(KesselkaskadeParam, release2)};
constexpr FieldInfo kKkRelease3{RECORD_FIELD(KesselkaskadeParam, release3)};
constexpr FieldInfo kKkFlow{RECORD_FIELD(KesselkaskadeParam, flowTemp)};
constexpr FieldInfo kKkBoilers{RECORD_FIELD(KesselkaskadeParam, boilerCount)};
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
    SourceRow(DocRow::Digital, 1, "RILASCIO CASC CALDA", &kKkRelease),
    SourceRow(DocRow::Digital, 1, "RILASCIO DA 2. GRADO", &kKkRelease2),
    SourceRow(DocRow::Digital, 1, "RILASCIO DA 3. GRADO", &kKkRelease3, kUpToTwoBoilers),
    SourceRow(DocRow::Analog, 1, "TEMP.MANDATA", &kKkFlow),
    HeadingRow(1, "utiliz. FUNZION:"),
    LinesRow(2, Participants),
    HeadingRow(0, kUscitaDati),
    SourceRow(DocRow::Outputs16, 1, "RICHIESTA CALDA A", &kKkDemand[0]),
    SourceRow(DocRow::Outputs16, 1, "RICHIESTA CALDA B", &kKkDemand[1]),
    SourceRow(DocRow::Outputs16, 1, "RICHIESTA CALDA C", &kKkDemand[2]),
    ValueRow(0, "Numero Calda:", &kKkBoilers, Fmt::Number),
    HeadingRow(0, "MENU SERVIZ.:"),
    HeadingRow(1, "Sequenza Calda:"),
    ValueRow(1, "Calda A:", &kKkPosition[0], Fmt::Number),
    ValueRow(1, "Calda B:", &kKkPosition[1], Fmt::Number),
    When(ValueRow(1, "Calda C:", &kKkPosition[2], Fmt::Number), kThreeBoilers),
    HeadingRow(1, "Autom.Cambio Calda:"),
    ValueRow(1, "Calda A:", &kKkAutoChange[0], Fmt::YesNo),
    ValueRow(1, "Calda B:", &kKkAutoChange[1], Fmt::YesNo),
    When(ValueRow(1, "Calda C:", &kKkAutoChange[2], Fmt::YesNo), kThreeBoilers),
    ValueRow(1, "Diff. Ore di Lavoro per Cambio Calda:", &kKkHours, Fmt::Scaled, "%ld ore"),
    HeadingRow(0, "CALDA 1:"),
    ValueRow(1, "DIFF.ON:", &kKkOn[0], Fmt::Scaled),
    ValueRow(1, "DIFF.OFF:", &kKkOff[0], Fmt::Scaled),
    ValueRow(1, "Rit.Tempo:", &kKkDelay[0], Fmt::Scaled),
    HeadingRow(0, "CALDA 2:"),
    ValueRow(1, "DIFF.ON:", &kKkOn[1], Fmt::Scaled),
    ValueRow(1, "DIFF.OFF:", &kKkOff[1], Fmt::Scaled),
    ValueRow(1, "Rit.Tempo:", &kKkDelay[1], Fmt::Scaled),
    When(HeadingRow(0, "CALDA 3:"), kThreeBoilers),
    When(ValueRow(1, "DIFF.ON:", &kKkOn[2], Fmt::Scaled), kThreeBoilers),
    When(ValueRow(1, "DIFF.OFF:", &kKkOff[2], Fmt::Scaled), kThreeBoilers),
    When(ValueRow(1, "Rit.Tempo:", &kKkDelay[2], Fmt::Scaled), kThreeBoilers),
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
