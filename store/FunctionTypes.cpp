// The rows of the function-type catalog and the type-erased record access over them.
#include "store/FunctionTypes.h"

#include "resources/ResourceIds.h"
#include "store/CParaCheck.h"
#include "store/CParaDaten.h"

#include <array>
#include <cstring>
#include <type_traits>

namespace functypes {

namespace {

template <class Record>
using Getter = bool (CParaDaten::*)(int, BYTE, Record&, bool);
template <class Record>
using Setter = bool (CParaDaten::*)(int, BYTE, Record);
template <class Record>
using Checker = void (CParaCheck::*)(Record&, BYTE);
template <class Record>
using FileChecker = void (CParaCheck::*)(int, Record&, BYTE);

// The records are plain bytes, so a type-erased caller may hold one as recordSize bytes.
template <class Record>
constexpr bool kPlainRecord = std::is_trivially_copyable_v<Record> && std::is_standard_layout_v<Record>;

template <class Record, Getter<Record> get>
bool Read(CParaDaten& para, int file, BYTE slot, BYTE* fields, bool complete)
{
    static_assert(kPlainRecord<Record>);
    Record r{};
    if (!(para.*get)(file, slot, r, complete))
        return false;
    std::memcpy(fields, &r, sizeof r);
    return true;
}

template <class Record, Setter<Record> set>
bool Write(CParaDaten& para, int file, BYTE slot, const BYTE* fields)
{
    Record r;
    std::memcpy(&r, fields, sizeof r);
    return (para.*set)(file, slot, r);
}

template <class Record>
void Blank(BYTE* fields)
{
    const Record r{};
    std::memcpy(fields, &r, sizeof r);
}

template <class Record, Checker<Record> repair>
void Check(CParaCheck& check, int, BYTE* fields, BYTE keepLowBit)
{
    Record r;
    std::memcpy(&r, fields, sizeof r);
    (check.*repair)(r, keepLowBit);
    std::memcpy(fields, &r, sizeof r);
}

// The repairs that look at other slots of the file.
template <class Record, FileChecker<Record> repair>
void CheckInFile(CParaCheck& check, int file, BYTE* fields, BYTE keepLowBit)
{
    Record r;
    std::memcpy(&r, fields, sizeof r);
    (check.*repair)(file, r, keepLowBit);
    std::memcpy(fields, &r, sizeof r);
}

// ---- The pins that complete a record from the drawing, by the field each fills ----

using Pin = DrawingReader::PinCompletion;

constexpr BYTE At(size_t field) { return static_cast<BYTE>(field); }
// A digital source: kind and number of a DigitalQuelle.
constexpr Pin Digital(BYTE pin, size_t field)
{
    return {Pin::Source, pin, At(field), At(field + offsetof(DigitalQuelle, number))};
}
// An analog source: kind and number of a Quelle (or of a variable that begins as one).
constexpr Pin Analog(BYTE pin, size_t field)
{
    return {Pin::Source, pin, At(field), At(field + offsetof(Quelle, number))};
}
constexpr Pin Outputs16(BYTE pin, size_t field) { return {Pin::Flags16, pin, At(field)}; }
constexpr Pin Outputs6(BYTE pin, size_t field) { return {Pin::Flags6, pin, At(field)}; }
constexpr Pin MixerPair(BYTE pin, size_t field) { return {Pin::Mixer, pin, At(field)}; }

#define F(Record, field) offsetof(Record, field)

constexpr Pin kHzkrRegPins[] = {
    Digital(1, F(HzkrRegParam, release)),        Digital(2, F(HzkrRegParam, pumpRelease)),
    Digital(3, F(HzkrRegParam, mixerRelease)),   Analog(4, F(HzkrRegParam, roomTemp)),
    Analog(5, F(HzkrRegParam, flowTemp)),        Analog(6, F(HzkrRegParam, outsideTemp)),
    Digital(7, F(HzkrRegParam, externalSwitch)), Outputs16(12, F(HzkrRegParam, pumpOutputs)),
    MixerPair(13, F(HzkrRegParam, mixerOutputs)),
};
constexpr Pin kAnfHeizungPins[] = {
    Digital(1, F(AnfHeizungParam, release)),        Analog(2, F(AnfHeizungParam, demandTemp)),
    Analog(3, F(AnfHeizungParam, offTemp)),         Analog(4, F(AnfHeizungParam, demandSetpoint)),
    Analog(5, F(AnfHeizungParam, offSetpoint)),     Outputs16(6, F(AnfHeizungParam, outputs)),
};
constexpr Pin kAnfWarmwasserPins[] = {
    Digital(1, F(AnfWarmwasserParam, release)),        Analog(2, F(AnfWarmwasserParam, hotWaterTemp)),
    Analog(3, F(AnfWarmwasserParam, setpoint)),        Digital(4, F(AnfWarmwasserParam, externalSwitch)),
    Outputs16(7, F(AnfWarmwasserParam, outputs)),      Outputs6(8, F(AnfWarmwasserParam, burnerOutputs)),
};
constexpr Pin kLadepumpePins[] = {
    Digital(1, F(LadepumpeParam, release)),       Analog(2, F(LadepumpeParam, sourceTemp)),
    Analog(3, F(LadepumpeParam, referenceTemp)),  Analog(4, F(LadepumpeParam, sourceMin)),
    Analog(5, F(LadepumpeParam, referenceMax)),   Outputs16(6, F(LadepumpeParam, outputs)),
};
constexpr Pin kZirkulationPins[] = {
    Digital(1, F(ZirkulationParam, release)),     Analog(2, F(ZirkulationParam, returnTemp)),
    Analog(3, F(ZirkulationParam, hotWaterTemp)), Analog(4, F(ZirkulationParam, setpoint)),
    Analog(5, F(ZirkulationParam, storeTemp)),    Outputs16(7, F(ZirkulationParam, outputs)),
};
constexpr Pin kSolarregelungPins[] = {
    Digital(1, F(SolarregelungParam, release)),       Analog(2, F(SolarregelungParam, collectorTemp)),
    Analog(3, F(SolarregelungParam, referenceTemp)),  Analog(4, F(SolarregelungParam, limitTemp)),
    Outputs16(6, F(SolarregelungParam, outputs)),
};
// The participants are chosen on the input-variable form, not taken from the drawing.
constexpr Pin kSolarvorrangPins[] = {
    Digital(1, F(SolarvorrangParam, release)), Analog(2, F(SolarvorrangParam, radiation)),
    Outputs16(3, F(SolarvorrangParam, flushOutputs)),
};
constexpr Pin kPID_RegelungPins[] = {
    Digital(1, F(PID_RegelungParam, release)),         Analog(2, F(PID_RegelungParam, absActual)),
    Analog(3, F(PID_RegelungParam, absSetpoint)),      Analog(4, F(PID_RegelungParam, diffPlus)),
    Analog(5, F(PID_RegelungParam, diffMinus)),        Analog(6, F(PID_RegelungParam, eventActivation)),
    Analog(7, F(PID_RegelungParam, eventThreshold)),   Analog(8, F(PID_RegelungParam, eventControlled)),
    Analog(9, F(PID_RegelungParam, eventSetpoint)),    Outputs6(10, F(PID_RegelungParam, outputs)),
};
constexpr Pin kWMZPins[] = {
    Digital(1, F(WMZParam, release)), Analog(2, F(WMZParam, flowTemp)), Analog(3, F(WMZParam, returnTemp)),
    Analog(4, F(WMZParam, flowRate)), Digital(5, F(WMZParam, reset)),
};
// The solar controls are chosen on the input-variable form, not taken from the drawing.
constexpr Pin kStartfuncPins[] = {
    Digital(1, F(StartfuncParam, release)),          Analog(2, F(StartfuncParam, radiation)),
    Analog(3, F(StartfuncParam, relativeTemp)),      Outputs16(4, F(StartfuncParam, flushOutputs)),
};
constexpr Pin kKuehlfuncPins[] = {
    Digital(1, F(KuehlfuncParam, release)),             Analog(2, F(KuehlfuncParam, referenceTemp)),
    Analog(3, F(KuehlfuncParam, referenceMax)),         Outputs6(4, F(KuehlfuncParam, controlledOutputs)),
    Outputs16(5, F(KuehlfuncParam, coolingOutputs)),
};
// Release, control temperature, setpoint; the mixer output pair at pin 5.
constexpr Pin kMischerRegPins[] = {
    Digital(1, F(MischerRegParam, release)), Analog(2, F(MischerRegParam, controlTemp)),
    Analog(3, F(MischerRegParam, setpoint)), MixerPair(5, F(MischerRegParam, outputs)),
};
// The three releases and the flow temperature; the demand outputs of boilers A, B, C at pins 11, 13, 15. The
// participants are chosen on the input-variable form, not taken from the drawing.
constexpr Pin kKesselkaskadePins[] = {
    Digital(1, F(KesselkaskadeParam, release)),           Digital(2, F(KesselkaskadeParam, release2)),
    Digital(3, F(KesselkaskadeParam, release3)),          Analog(4, F(KesselkaskadeParam, flowTemp)),
    Outputs16(11, F(KesselkaskadeParam, boilers[0].demand)), Outputs16(13, F(KesselkaskadeParam, boilers[1].demand)),
    Outputs16(15, F(KesselkaskadeParam, boilers[2].demand)),
};
// Release, result while the release is off, variables 1..6; the speed-controllable outputs at pin 9.
constexpr Pin kAnalogfuncPins[] = {
    Digital(1, F(AnalogfuncParam, release)),       Analog(2, F(AnalogfuncParam, offResult)),
    Analog(3, F(AnalogfuncParam, variables[0])),   Analog(4, F(AnalogfuncParam, variables[1])),
    Analog(5, F(AnalogfuncParam, variables[2])),   Analog(6, F(AnalogfuncParam, variables[3])),
    Analog(7, F(AnalogfuncParam, variables[4])),   Analog(8, F(AnalogfuncParam, variables[5])),
    Outputs6(9, F(AnalogfuncParam, outputs)),
};
// Release, inputs 1..6; result and inverted result at pins 8 and 9.
constexpr Pin kLogikfuncPins[] = {
    Digital(1, F(LogikfuncParam, release)),    Digital(2, F(LogikfuncParam, inputs[0])),
    Digital(3, F(LogikfuncParam, inputs[1])),  Digital(4, F(LogikfuncParam, inputs[2])),
    Digital(5, F(LogikfuncParam, inputs[3])),  Digital(6, F(LogikfuncParam, inputs[4])),
    Digital(7, F(LogikfuncParam, inputs[5])),  Outputs16(8, F(LogikfuncParam, result)),
    Outputs16(9, F(LogikfuncParam, inverted)),
};
constexpr Pin kVergleichPins[] = {
    Digital(1, F(VergleichParam, release)), Analog(2, F(VergleichParam, valueA)), Analog(3, F(VergleichParam, valueB)),
    Outputs16(4, F(VergleichParam, above)), Outputs16(5, F(VergleichParam, below)),
};
// A connection to output 16 sets a flag that is not stored.
constexpr Pin kFuncKontrollePins[] = {
    Analog(1, F(FuncKontrolleParam, valueA)),              Analog(2, F(FuncKontrolleParam, valueB)),
    Digital(3, F(FuncKontrolleParam, differenceRelease)),  Outputs16(4, F(FuncKontrolleParam, valueError)),
    Outputs16(5, F(FuncKontrolleParam, differenceError)),
};
constexpr Pin kTimerPins[] = {
    Digital(1, F(TimerParam, release)), Digital(2, F(TimerParam, trigger)), Analog(3, F(TimerParam, duty)),
    Outputs16(4, F(TimerParam, output)), Outputs16(5, F(TimerParam, inverted)),
};
// Release, counting inputs 1..6, reset; the counter drives no outputs.
constexpr Pin kZaehlerPins[] = {
    Digital(1, F(ZaehlerParam, release)),    Digital(2, F(ZaehlerParam, inputs[0])),
    Digital(3, F(ZaehlerParam, inputs[1])),  Digital(4, F(ZaehlerParam, inputs[2])),
    Digital(5, F(ZaehlerParam, inputs[3])),  Digital(6, F(ZaehlerParam, inputs[4])),
    Digital(7, F(ZaehlerParam, inputs[5])),  Digital(8, F(ZaehlerParam, reset)),
};
// Pin 3 carries no source of the record; the time programs are never taken from the drawing.
constexpr Pin kSchaltuhrPins[] = {
    Digital(1, F(SchaltuhrParam, release)), Digital(2, F(SchaltuhrParam, blocking)),
    Outputs16(4, F(SchaltuhrParam, outputs)),
};
constexpr Pin kSyncPins[] = {
    Digital(1, F(SyncParam, release)), Outputs16(4, F(SyncParam, outputs)),
};
// Release, value while released off, start, stop, reset, clock; the running profile's outputs at pin 9.
constexpr Pin kProfilfuncPins[] = {
    Digital(1, F(ProfilfuncParam, release)), Analog(2, F(ProfilfuncParam, offValue)),
    Digital(3, F(ProfilfuncParam, start)),   Digital(4, F(ProfilfuncParam, stop)),
    Digital(5, F(ProfilfuncParam, reset)),   Digital(6, F(ProfilfuncParam, clock)),
    Outputs16(9, F(ProfilfuncParam, outputs)),
};
// External switch; burner demand at pin 2, burner power at the speed-controllable outputs of pin 3.
constexpr Pin kWartungsfuncPins[] = {
    Digital(1, F(WartungsfuncParam, externalSwitch)), Outputs16(2, F(WartungsfuncParam, burnerDemand)),
    Outputs6(3, F(WartungsfuncParam, powerOutputs)),
};

// ---- The labels of the digital inputs and the participants ----

// The labelled digital inputs of a kind: pin and fixed-value rule; the field is the one the kind's pin row completes.
struct LabelRule {
    BYTE pin;
    FixedValue fixedValue;
};
template <size_t P, size_t N>
constexpr std::array<PinLabel, N> Labels(const Pin (&pins)[P], const LabelRule (&rules)[N])
{
    std::array<PinLabel, N> labels {};
    for (size_t i = 0; i < N; ++i) {
        const Pin* source = nullptr;
        for (const Pin& pin : pins)
            if (pin.pin == rules[i].pin && pin.kind == Pin::Source)
                source = &pin;
        if (!source)
            throw "a labelled input must be a source pin of the kind";  // refused at compile time
        labels[i] = {rules[i].pin, source->a, rules[i].fixedValue};
    }
    return labels;
}

constexpr FixedValue Yes = FixedValue::Yes;
constexpr FixedValue No = FixedValue::No;

// clang-format off
constexpr auto kAnalogfuncLabels = Labels(kAnalogfuncPins, {{1, Yes}});
constexpr auto kAnfHeizungLabels = Labels(kAnfHeizungPins, {{1, Yes}});
constexpr auto kAnfWarmwasserLabels = Labels(kAnfWarmwasserPins, {{1, Yes}, {4, FixedValue::NoOnlyIfDrawn}});
constexpr auto kFuncKontrolleLabels = Labels(kFuncKontrollePins, {{3, Yes}});
constexpr auto kHzkrRegLabels = Labels(kHzkrRegPins, {{1, Yes}, {2, Yes}, {3, Yes}, {7, No}});
constexpr auto kKesselkaskadeLabels = Labels(kKesselkaskadePins, {{1, Yes}, {2, Yes}, {3, FixedValue::UpToTwoBoilers}});
constexpr auto kKuehlfuncLabels = Labels(kKuehlfuncPins, {{1, Yes}});
constexpr auto kLadepumpeLabels = Labels(kLadepumpePins, {{1, Yes}});
constexpr auto kLogikfuncLabels = Labels(kLogikfuncPins, {{1, Yes}, {2, No}, {3, No}, {4, No}, {5, No}, {6, No}, {7, No}});
constexpr auto kMischerRegLabels = Labels(kMischerRegPins, {{1, Yes}});
constexpr auto kPID_RegelungLabels = Labels(kPID_RegelungPins, {{1, Yes}});
constexpr auto kProfilfuncLabels = Labels(kProfilfuncPins, {{1, Yes}, {3, No}, {4, No}, {5, No}, {6, No}});
constexpr auto kSchaltuhrLabels = Labels(kSchaltuhrPins, {{1, Yes}, {2, No}});
constexpr auto kSolarregelungLabels = Labels(kSolarregelungPins, {{1, Yes}});
constexpr auto kSolarvorrangLabels = Labels(kSolarvorrangPins, {{1, Yes}});
constexpr auto kStartfuncLabels = Labels(kStartfuncPins, {{1, Yes}});
constexpr auto kSyncLabels = Labels(kSyncPins, {{1, Yes}});
constexpr auto kTimerLabels = Labels(kTimerPins, {{1, Yes}, {2, Yes}});
constexpr auto kVergleichLabels = Labels(kVergleichPins, {{1, Yes}});
constexpr auto kWMZLabels = Labels(kWMZPins, {{1, Yes}, {5, No}});
constexpr auto kWartungsfuncLabels = Labels(kWartungsfuncPins, {{1, No}});
constexpr auto kZaehlerLabels = Labels(kZaehlerPins, {{1, Yes}, {2, No}, {3, No}, {4, No}, {5, No}, {6, No}, {7, No}, {8, No}});
constexpr auto kZirkulationLabels = Labels(kZirkulationPins, {{1, Yes}});

constexpr Participants kKesselkaskadeParticipants{ParticipantList::Demands, 16, 6,
                                                  At(F(KesselkaskadeParam, participantCount)),
                                                  At(F(KesselkaskadeParam, participants)), 1};
constexpr Participants kSolarvorrangParticipants{ParticipantList::Solar, 4, 10,
                                                 At(F(SolarvorrangParam, participantCount)),
                                                 At(F(SolarvorrangParam, participants)),
                                                 At(sizeof(SolarvorrangTeilnehmer))};
constexpr Participants kStartfuncParticipants{ParticipantList::Solar2, 5, 10, At(F(StartfuncParam, solarCount)),
                                              At(F(StartfuncParam, solarControls)), 1};
constexpr Participants kWartungsfuncParticipants{ParticipantList::HeatingCircuits, 4, 5,
                                                 At(F(WartungsfuncParam, circuitCount)),
                                                 At(F(WartungsfuncParam, circuits)), 1};
// clang-format on

#undef F

constexpr FunctionType WithLabels(FunctionType row, std::span<const PinLabel> labels, Participants participants = {})
{
    row.pinLabels = labels;
    row.participants = participants;
    return row;
}

// A type whose output lists keep no bit for output 16.
constexpr FunctionType NoStoredOutput16(FunctionType row)
{
    row.outputFlagsStored = 15;
    return row;
}

constexpr const texts::FunctionTypeInfo& Names(Code code) { return texts::kFunctionTypes[code - 1]; }

template <class Record, Getter<Record> get, Setter<Record> set, class CheckFn, size_t kPins>
constexpr FunctionType Row(Code code, const Pin (&pins)[kPins], void (*defaults)(BYTE*), CheckFn check,
                           FormTemplates forms, MemoryNeed memory, int output16a = kNoField,
                           int output16b = kNoField, void (*pinsApplied)(BYTE*) = nullptr)
{
    return FunctionType{code,     Names(code), sizeof(Record), pins,  pinsApplied, {}, {}, Read<Record, get>,
                        Write<Record, set>, defaults, Blank<Record>, check, forms,
                        memory,   {output16a, output16b}};
}

// The logic function's inputs in use reach up to the highest one with a source.
void CountLogicInputs(BYTE* fields)
{
    LogikfuncParam r;
    std::memcpy(&r, fields, sizeof r);
    r.inputCount = 1;
    for (BYTE k = 0; k < 6; ++k)
        if (r.inputs[k].kind != 0)
            r.inputCount = static_cast<BYTE>(k + 1);
    std::memcpy(fields, &r, sizeof r);
}

constexpr MemoryNeed Fixed(int variables, int parameters)
{
    return {variables, parameters, MemoryShare::None, 0, 0, 0};
}

template <class Record>
constexpr MemoryNeed Programs(int variables, int parameters)
{
    return {variables, parameters, MemoryShare::Programs, 0, offsetof(Record, programsInUse),
            offsetof(Record, windowsPerProgram)};
}

constexpr MemoryNeed PerEntry(int variables, int parameters, BYTE factor, size_t countField)
{
    return {variables, parameters, MemoryShare::PerEntry, factor, static_cast<BYTE>(countField), 0};
}

// The flag of output 16 in a list of outputs 1..16, and in a list of outputs 1, 2, 6, 7, 15, 16.
constexpr int Out16(size_t list) { return static_cast<int>(list) + 15; }
constexpr int Out16Of6(size_t list) { return static_cast<int>(list) + 5; }

using P = CParaDaten;
using C = CParaCheck;

// clang-format off
constexpr FunctionType kRows[texts::kFunctionTypeCount] = {
    WithLabels(Row<HzkrRegParam, &P::GetHzkrReg, &P::SetHzkrReg>(
        texts::kTypeHzkrReg, kHzkrRegPins, P::GetDefaultHzkrReg, Check<HzkrRegParam, &C::CheckHzkrReg>,
        {IDD_HZKRREG, IDD_HZKRREG_VARIN, IDD_HZKRREG_VAROUT}, Programs<HzkrRegParam>(24, 41),
        Out16(offsetof(HzkrRegParam, pumpOutputs))),
        kHzkrRegLabels),
    WithLabels(Row<AnfHeizungParam, &P::GetAnfHeizung, &P::SetAnfHeizung>(
        texts::kTypeAnfHeizung, kAnfHeizungPins, P::GetDefaultAnfHeizung, Check<AnfHeizungParam, &C::CheckAnfHeizung>,
        {IDD_ANFHEIZUNG, IDD_ANFHEIZUNG_VARIN, IDD_ANFHEIZUNG_VAROUT}, Fixed(7, 17),
        Out16(offsetof(AnfHeizungParam, outputs))),
        kAnfHeizungLabels),
    WithLabels(Row<AnfWarmwasserParam, &P::GetAnfWarmwasser, &P::SetAnfWarmwasser>(
        texts::kTypeAnfWarmwasser, kAnfWarmwasserPins,
        P::GetDefaultAnfWarmwasser, Check<AnfWarmwasserParam, &C::CheckAnfWarmwasser>,
        {IDD_ANFWARMWASSER, IDD_ANFWARMWASSER_VARIN, IDD_ANFWARMWASSER_VAROUT}, Programs<AnfWarmwasserParam>(8, 16),
        Out16(offsetof(AnfWarmwasserParam, outputs)), Out16Of6(offsetof(AnfWarmwasserParam, burnerOutputs))),
        kAnfWarmwasserLabels),
    WithLabels(Row<LadepumpeParam, &P::GetLadepumpe, &P::SetLadepumpe>(
        texts::kTypeLadepumpe, kLadepumpePins, P::GetDefaultLadepumpe, Check<LadepumpeParam, &C::CheckLadepumpe>,
        {IDD_LADEPUMPE, IDD_LADEPUMPE_VARIN, IDD_LADEPUMPE_VAROUT}, Fixed(1, 18),
        Out16(offsetof(LadepumpeParam, outputs))),
        kLadepumpeLabels),
    WithLabels(Row<ZirkulationParam, &P::GetZirkulation, &P::SetZirkulation>(
        texts::kTypeZirkulation, kZirkulationPins,
        P::GetDefaultZirkulation, Check<ZirkulationParam, &C::CheckZirkulation>,
        {IDD_ZIRKULATION, IDD_ZIRKULATION_VARIN, IDD_ZIRKULATION_VAROUT}, Programs<ZirkulationParam>(9, 21),
        Out16(offsetof(ZirkulationParam, outputs))),
        kZirkulationLabels),
    WithLabels(Row<SolarregelungParam, &P::GetSolarregelung, &P::SetSolarregelung>(
        texts::kTypeSolarregelung, kSolarregelungPins,
        P::GetDefaultSolarregelung, Check<SolarregelungParam, &C::CheckSolarregelung>,
        {IDD_SOLARREGELUNG, IDD_SOLARREGELUNG_VARIN, IDD_SOLARREGELUNG_VAROUT}, Fixed(8, 18),
        Out16(offsetof(SolarregelungParam, outputs))),
        kSolarregelungLabels),
    WithLabels(Row<SolarvorrangParam, &P::GetSolarvorrang, &P::SetSolarvorrang>(
        texts::kTypeSolarvorrang, kSolarvorrangPins, P::GetDefaultSolarvorrang,
        CheckInFile<SolarvorrangParam, &C::CheckSolarvorrang>,
        {IDD_SOLARVORRANG, IDD_SOLARVORRANG_VARIN, IDD_SOLARVORRANG_VAROUT},
        PerEntry(9, 11, 2, offsetof(SolarvorrangParam, participantCount)),
        Out16(offsetof(SolarvorrangParam, flushOutputs))),
        kSolarvorrangLabels, kSolarvorrangParticipants),
    WithLabels(Row<PID_RegelungParam, &P::GetPidRegelung, &P::SetPidRegelung>(
        texts::kTypePID_Regelung, kPID_RegelungPins,
        P::GetDefaultPidRegelung, Check<PID_RegelungParam, &C::CheckPidRegelung>,
        {IDD_PID_REGELUNG, IDD_PID_REGELUNG_VARIN, IDD_PID_REGELUNG_VAROUT}, Fixed(6, 26),
        Out16Of6(offsetof(PID_RegelungParam, outputs))),
        kPID_RegelungLabels),
    WithLabels(Row<VergleichParam, &P::GetVergleich, &P::SetVergleich>(
        texts::kTypeVergleich, kVergleichPins, P::GetDefaultVergleich, Check<VergleichParam, &C::CheckVergleich>,
        {IDD_VERGLEICH, IDD_VERGLEICH_VARIN, IDD_VERGLEICH_VAROUT}, Fixed(1, 13),
        Out16(offsetof(VergleichParam, above)), Out16(offsetof(VergleichParam, below))),
        kVergleichLabels),
    WithLabels(Row<LogikfuncParam, &P::GetLogikfunc, &P::SetLogikfunc>(
        texts::kTypeLogikfunc, kLogikfuncPins, P::GetDefaultLogikfunc, Check<LogikfuncParam, &C::CheckLogikfunc>,
        {IDD_LOGIKFUNC, IDD_LOGIKFUNC_VARIN, IDD_LOGIKFUNC_VAROUT},
        PerEntry(2, 8, 2, offsetof(LogikfuncParam, inputCount)),
        Out16(offsetof(LogikfuncParam, result)), Out16(offsetof(LogikfuncParam, inverted)), CountLogicInputs),
        kLogikfuncLabels),
    WithLabels(Row<AnalogfuncParam, &P::GetAnalogfunc, &P::SetAnalogfunc>(
        texts::kTypeAnalogfunc, kAnalogfuncPins, P::GetDefaultAnalogfunc, Check<AnalogfuncParam, &C::CheckAnalogfunc>,
        {IDD_ANALOGFUNC, IDD_ANALOGFUNC_VARIN, IDD_ANALOGFUNC_VAROUT},
        PerEntry(6, 10, 3, offsetof(AnalogfuncParam, variableCount)),
        Out16Of6(offsetof(AnalogfuncParam, outputs))),
        kAnalogfuncLabels),
    // The heat meter's values are shown in its parameter form: it has no output-variable form.
    WithLabels(Row<WMZParam, &P::GetWmz, &P::SetWmz>(
        texts::kTypeWMZ, kWMZPins, P::GetDefaultWmz, Check<WMZParam, &C::CheckWmz>,
        {IDD_WMZ, IDD_WMZ_VARIN, 0}, Fixed(30, 12)),
        kWMZLabels),
    WithLabels(Row<WartungsfuncParam, &P::GetWartungsfunc, &P::SetWartungsfunc>(
        texts::kTypeWartungsfunc, kWartungsfuncPins, P::GetDefaultWartungsfunc,
        CheckInFile<WartungsfuncParam, &C::CheckWartungsfunc>,
        {IDD_WARTUNGSFUNC, IDD_WARTUNGSFUNC_VARIN, IDD_WARTUNGSFUNC_VAROUT},
        PerEntry(3, 8, 1, offsetof(WartungsfuncParam, circuitCount)),
        Out16(offsetof(WartungsfuncParam, burnerDemand)), Out16Of6(offsetof(WartungsfuncParam, powerOutputs))),
        kWartungsfuncLabels, kWartungsfuncParticipants),
    WithLabels(Row<TimerParam, &P::GetTimer, &P::SetTimer>(
        texts::kTypeTimer, kTimerPins, P::GetDefaultTimer, Check<TimerParam, &C::CheckTimer>,
        {IDD_TIMER, IDD_TIMER_VARIN, IDD_TIMER_VAROUT}, Fixed(4, 13),
        Out16(offsetof(TimerParam, output)), Out16(offsetof(TimerParam, inverted))),
        kTimerLabels),
    WithLabels(Row<SchaltuhrParam, &P::GetSchaltuhr, &P::SetSchaltuhr>(
        texts::kTypeSchaltuhr, kSchaltuhrPins, P::GetDefaultSchaltuhr, Check<SchaltuhrParam, &C::CheckSchaltuhr>,
        {IDD_SCHALTUHR, IDD_SCHALTUHR_VARIN, IDD_SCHALTUHR_VAROUT}, Programs<SchaltuhrParam>(7, 12),
        Out16(offsetof(SchaltuhrParam, outputs))),
        kSchaltuhrLabels),
    WithLabels(Row<StartfuncParam, &P::GetStartfunc, &P::SetStartfunc>(
        texts::kTypeStartfunc, kStartfuncPins, P::GetDefaultStartfunc, CheckInFile<StartfuncParam, &C::CheckStartfunc>,
        {IDD_STARTFUNC, IDD_STARTFUNC_VARIN, IDD_STARTFUNC_VAROUT},
        PerEntry(11, 14, 1, offsetof(StartfuncParam, solarCount)),
        Out16(offsetof(StartfuncParam, flushOutputs))),
        kStartfuncLabels, kStartfuncParticipants),
    // The counter's readings are shown in its parameter form: it has no output-variable form.
    WithLabels(Row<ZaehlerParam, &P::GetZaehler, &P::SetZaehler>(
        texts::kTypeZaehler, kZaehlerPins, P::GetDefaultZaehler, Check<ZaehlerParam, &C::CheckZaehler>,
        {IDD_ZAEHLER, IDD_ZAEHLER_VARIN, 0}, PerEntry(8, 7, 2, offsetof(ZaehlerParam, inputCount))),
        kZaehlerLabels),
    WithLabels(Row<KuehlfuncParam, &P::GetKuehlfunc, &P::SetKuehlfunc>(
        texts::kTypeKuehlfunc, kKuehlfuncPins, P::GetDefaultKuehlfunc, Check<KuehlfuncParam, &C::CheckKuehlfunc>,
        {IDD_KUEHLFUNC, IDD_KUEHLFUNC_VARIN, IDD_KUEHLFUNC_VAROUT}, Fixed(2, 14),
        Out16(offsetof(KuehlfuncParam, coolingOutputs)), Out16Of6(offsetof(KuehlfuncParam, controlledOutputs))),
        kKuehlfuncLabels),
    WithLabels(Row<MischerRegParam, &P::GetMischerReg, &P::SetMischerReg>(
        texts::kTypeMischerReg, kMischerRegPins, P::GetDefaultMischerReg, Check<MischerRegParam, &C::CheckMischerReg>,
        {IDD_MISCHERREG, IDD_MISCHERREG_VARIN, IDD_MISCHERREG_VAROUT}, Fixed(11, 9)),
        kMischerRegLabels),
    NoStoredOutput16(WithLabels(Row<FuncKontrolleParam, &P::GetFuncKontrolle, &P::SetFuncKontrolle>(
        texts::kTypeFuncKontrolle, kFuncKontrollePins,
        P::GetDefaultFuncKontrolle, Check<FuncKontrolleParam, &C::CheckFuncKontrolle>,
        {IDD_FUNCKONTROLLE, IDD_FUNCKONTROLLE_VARIN, IDD_FUNCKONTROLLE_VAROUT}, Fixed(6, 12)),
        kFuncKontrolleLabels)),
    WithLabels(Row<SyncParam, &P::GetSync, &P::SetSync>(
        texts::kTypeSync, kSyncPins, P::GetDefaultSync, Check<SyncParam, &C::CheckSync>,
        {IDD_SYNC, IDD_SYNC_VARIN, IDD_SYNC_VAROUT}, PerEntry(1, 5, 4, offsetof(SyncParam, windowCount)),
        Out16(offsetof(SyncParam, outputs))),
        kSyncLabels),
    WithLabels(Row<ProfilfuncParam, &P::GetProfilfunc, &P::SetProfilfunc>(
        texts::kTypeProfilfunc, kProfilfuncPins, P::GetDefaultProfilfunc, Check<ProfilfuncParam, &C::CheckProfil>,
        {IDD_PROFILFUNC, IDD_PROFILFUNC_VARIN, IDD_PROFILFUNC_VAROUT},
        PerEntry(8, 16, 1, offsetof(ProfilfuncParam, stepCount)), Out16(offsetof(ProfilfuncParam, outputs))),
        kProfilfuncLabels),
    NoStoredOutput16(WithLabels(Row<KesselkaskadeParam, &P::GetKesselkaskade, &P::SetKesselkaskade>(
        texts::kTypeKesselkaskade, kKesselkaskadePins, P::GetDefaultKesselkaskade,
        CheckInFile<KesselkaskadeParam, &C::CheckKesselkaskade>,
        {IDD_KESSELKASKADE, IDD_KESSELKASKADE_VARIN, IDD_KESSELKASKADE_VAROUT},
        {9, 10, MemoryShare::Cascade, 0, offsetof(KesselkaskadeParam, participantCount),
         offsetof(KesselkaskadeParam, boilerCount)}),
        kKesselkaskadeLabels, kKesselkaskadeParticipants)),
};
// clang-format on

}  // namespace

std::span<const FunctionType> AllFunctionTypes()
{
    return kRows;
}

const FunctionType* FindFunctionType(int code)
{
    return code >= 1 && code <= texts::kFunctionTypeCount ? &kRows[code - 1] : nullptr;
}

const PinLabel* FindPinLabel(const FunctionType& type, int pin)
{
    for (const PinLabel& label : type.pinLabels)
        if (label.pin == pin)
            return &label;
    return nullptr;
}

bool ShowsNoFixedValue(const PinLabel& label, std::span<const BYTE> record)
{
    switch (label.fixedValue) {
    case FixedValue::Yes:
        return false;
    case FixedValue::UpToTwoBoilers: {
        constexpr size_t boilers = offsetof(KesselkaskadeParam, boilerCount);
        return (boilers < record.size() ? record[boilers] : 0) <= 2;
    }
    case FixedValue::No:
    case FixedValue::NoOnlyIfDrawn:
        return true;
    }
    return true;
}

std::vector<BYTE> ReadRepairedFuncRecord(CParaDaten& para, int file, BYTE slot, int code, bool complete)
{
    const FunctionType* type = FindFunctionType(code);
    if (!type)
        return {};
    std::vector<BYTE> fields(type->recordSize);
    type->blank(fields.data());
    type->read(para, file, slot, fields.data(), complete);
    CParaCheck check;
    // Working file 0 holds compiled data, whose low bits of the flags carry a meaning of their own.
    type->check(check, file, fields.data(), file == CParaDaten::kDatFile ? 1 : 0);
    return fields;
}

bool ListOffers(ParticipantList list, int code)
{
    switch (list) {
    case ParticipantList::Demands: return code == texts::kTypeAnfHeizung || code == texts::kTypeAnfWarmwasser;
    case ParticipantList::Solar:
    case ParticipantList::Solar2: return code == texts::kTypeSolarregelung;
    case ParticipantList::HeatingCircuits: return code == texts::kTypeHzkrReg;
    case ParticipantList::None: break;
    }
    return false;
}

}  // namespace functypes
