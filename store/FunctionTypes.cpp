// The rows of the function-type catalog and the type-erased record access over them.
#include "store/FunctionTypes.h"

#include "resources/ResourceIds.h"
#include "store/CParaCheck.h"
#include "store/CParaDaten.h"

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

constexpr const texts::FunctionTypeInfo& Names(Code code) { return texts::kFunctionTypes[code - 1]; }

template <class Record, Getter<Record> get, Setter<Record> set, class CheckFn>
constexpr FunctionType Row(Code code, void (*defaults)(BYTE*), CheckFn check, FormTemplates forms, MemoryNeed memory,
                           int output16a = kNoField, int output16b = kNoField)
{
    return FunctionType{code,          Names(code), sizeof(Record), Read<Record, get>, Write<Record, set>, defaults,
                        Blank<Record>, check,       forms,          memory,            {output16a, output16b}};
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
const FunctionType kRows[texts::kFunctionTypeCount] = {
    Row<HzkrRegParam, &P::GetHzkrReg, &P::SetHzkrReg>(
        texts::kTypeHzkrReg, P::GetDefaultHzkrReg, Check<HzkrRegParam, &C::CheckHzkrReg>,
        {IDD_HZKRREG, IDD_HZKRREG_VARIN, IDD_HZKRREG_VAROUT}, Programs<HzkrRegParam>(24, 41),
        Out16(offsetof(HzkrRegParam, pumpOutputs))),
    Row<AnfHeizungParam, &P::GetAnfHeizung, &P::SetAnfHeizung>(
        texts::kTypeAnfHeizung, P::GetDefaultAnfHeizung, Check<AnfHeizungParam, &C::CheckAnfHeizung>,
        {IDD_ANFHEIZUNG, IDD_ANFHEIZUNG_VARIN, IDD_ANFHEIZUNG_VAROUT}, Fixed(7, 17),
        Out16(offsetof(AnfHeizungParam, outputs))),
    Row<AnfWarmwasserParam, &P::GetAnfWarmwasser, &P::SetAnfWarmwasser>(
        texts::kTypeAnfWarmwasser, P::GetDefaultAnfWarmwasser, Check<AnfWarmwasserParam, &C::CheckAnfWarmwasser>,
        {IDD_ANFWARMWASSER, IDD_ANFWARMWASSER_VARIN, IDD_ANFWARMWASSER_VAROUT}, Programs<AnfWarmwasserParam>(8, 16),
        Out16(offsetof(AnfWarmwasserParam, outputs)), Out16Of6(offsetof(AnfWarmwasserParam, burnerOutputs))),
    Row<LadepumpeParam, &P::GetLadepumpe, &P::SetLadepumpe>(
        texts::kTypeLadepumpe, P::GetDefaultLadepumpe, Check<LadepumpeParam, &C::CheckLadepumpe>,
        {IDD_LADEPUMPE, IDD_LADEPUMPE_VARIN, IDD_LADEPUMPE_VAROUT}, Fixed(1, 18),
        Out16(offsetof(LadepumpeParam, outputs))),
    Row<ZirkulationParam, &P::GetZirkulation, &P::SetZirkulation>(
        texts::kTypeZirkulation, P::GetDefaultZirkulation, Check<ZirkulationParam, &C::CheckZirkulation>,
        {IDD_ZIRKULATION, IDD_ZIRKULATION_VARIN, IDD_ZIRKULATION_VAROUT}, Programs<ZirkulationParam>(9, 21),
        Out16(offsetof(ZirkulationParam, outputs))),
    Row<SolarregelungParam, &P::GetSolarregelung, &P::SetSolarregelung>(
        texts::kTypeSolarregelung, P::GetDefaultSolarregelung, Check<SolarregelungParam, &C::CheckSolarregelung>,
        {IDD_SOLARREGELUNG, IDD_SOLARREGELUNG_VARIN, IDD_SOLARREGELUNG_VAROUT}, Fixed(8, 18),
        Out16(offsetof(SolarregelungParam, outputs))),
    Row<SolarvorrangParam, &P::GetSolarvorrang, &P::SetSolarvorrang>(
        texts::kTypeSolarvorrang, P::GetDefaultSolarvorrang,
        CheckInFile<SolarvorrangParam, &C::CheckSolarvorrang>,
        {IDD_SOLARVORRANG, IDD_SOLARVORRANG_VARIN, IDD_SOLARVORRANG_VAROUT},
        PerEntry(9, 11, 2, offsetof(SolarvorrangParam, participantCount)),
        Out16(offsetof(SolarvorrangParam, flushOutputs))),
    Row<PID_RegelungParam, &P::GetPidRegelung, &P::SetPidRegelung>(
        texts::kTypePID_Regelung, P::GetDefaultPidRegelung, Check<PID_RegelungParam, &C::CheckPidRegelung>,
        {IDD_PID_REGELUNG, IDD_PID_REGELUNG_VARIN, IDD_PID_REGELUNG_VAROUT}, Fixed(6, 26),
        Out16Of6(offsetof(PID_RegelungParam, outputs))),
    Row<VergleichParam, &P::GetVergleich, &P::SetVergleich>(
        texts::kTypeVergleich, P::GetDefaultVergleich, Check<VergleichParam, &C::CheckVergleich>,
        {IDD_VERGLEICH, IDD_VERGLEICH_VARIN, IDD_VERGLEICH_VAROUT}, Fixed(1, 13),
        Out16(offsetof(VergleichParam, above)), Out16(offsetof(VergleichParam, below))),
    Row<LogikfuncParam, &P::GetLogikfunc, &P::SetLogikfunc>(
        texts::kTypeLogikfunc, P::GetDefaultLogikfunc, Check<LogikfuncParam, &C::CheckLogikfunc>,
        {IDD_LOGIKFUNC, IDD_LOGIKFUNC_VARIN, IDD_LOGIKFUNC_VAROUT},
        PerEntry(2, 8, 2, offsetof(LogikfuncParam, inputCount)),
        Out16(offsetof(LogikfuncParam, result)), Out16(offsetof(LogikfuncParam, inverted))),
    Row<AnalogfuncParam, &P::GetAnalogfunc, &P::SetAnalogfunc>(
        texts::kTypeAnalogfunc, P::GetDefaultAnalogfunc, Check<AnalogfuncParam, &C::CheckAnalogfunc>,
        {IDD_ANALOGFUNC, IDD_ANALOGFUNC_VARIN, IDD_ANALOGFUNC_VAROUT},
        PerEntry(6, 10, 3, offsetof(AnalogfuncParam, variableCount)),
        Out16Of6(offsetof(AnalogfuncParam, outputs))),
    // The heat meter's values are shown in its parameter form: it has no output-variable form.
    Row<WMZParam, &P::GetWmz, &P::SetWmz>(
        texts::kTypeWMZ, P::GetDefaultWmz, Check<WMZParam, &C::CheckWmz>,
        {IDD_WMZ, IDD_WMZ_VARIN, 0}, Fixed(30, 12)),
    Row<WartungsfuncParam, &P::GetWartungsfunc, &P::SetWartungsfunc>(
        texts::kTypeWartungsfunc, P::GetDefaultWartungsfunc,
        CheckInFile<WartungsfuncParam, &C::CheckWartungsfunc>,
        {IDD_WARTUNGSFUNC, IDD_WARTUNGSFUNC_VARIN, IDD_WARTUNGSFUNC_VAROUT},
        PerEntry(3, 8, 1, offsetof(WartungsfuncParam, circuitCount)),
        Out16(offsetof(WartungsfuncParam, burnerDemand)), Out16Of6(offsetof(WartungsfuncParam, powerOutputs))),
    Row<TimerParam, &P::GetTimer, &P::SetTimer>(
        texts::kTypeTimer, P::GetDefaultTimer, Check<TimerParam, &C::CheckTimer>,
        {IDD_TIMER, IDD_TIMER_VARIN, IDD_TIMER_VAROUT}, Fixed(4, 13),
        Out16(offsetof(TimerParam, output)), Out16(offsetof(TimerParam, inverted))),
    Row<SchaltuhrParam, &P::GetSchaltuhr, &P::SetSchaltuhr>(
        texts::kTypeSchaltuhr, P::GetDefaultSchaltuhr, Check<SchaltuhrParam, &C::CheckSchaltuhr>,
        {IDD_SCHALTUHR, IDD_SCHALTUHR_VARIN, IDD_SCHALTUHR_VAROUT}, Programs<SchaltuhrParam>(7, 12),
        Out16(offsetof(SchaltuhrParam, outputs))),
    Row<StartfuncParam, &P::GetStartfunc, &P::SetStartfunc>(
        texts::kTypeStartfunc, P::GetDefaultStartfunc, CheckInFile<StartfuncParam, &C::CheckStartfunc>,
        {IDD_STARTFUNC, IDD_STARTFUNC_VARIN, IDD_STARTFUNC_VAROUT},
        PerEntry(11, 14, 1, offsetof(StartfuncParam, solarCount)),
        Out16(offsetof(StartfuncParam, flushOutputs))),
    // The counter's readings are shown in its parameter form: it has no output-variable form.
    Row<ZaehlerParam, &P::GetZaehler, &P::SetZaehler>(
        texts::kTypeZaehler, P::GetDefaultZaehler, Check<ZaehlerParam, &C::CheckZaehler>,
        {IDD_ZAEHLER, IDD_ZAEHLER_VARIN, 0}, PerEntry(8, 7, 2, offsetof(ZaehlerParam, inputCount))),
    Row<KuehlfuncParam, &P::GetKuehlfunc, &P::SetKuehlfunc>(
        texts::kTypeKuehlfunc, P::GetDefaultKuehlfunc, Check<KuehlfuncParam, &C::CheckKuehlfunc>,
        {IDD_KUEHLFUNC, IDD_KUEHLFUNC_VARIN, IDD_KUEHLFUNC_VAROUT}, Fixed(2, 14),
        Out16(offsetof(KuehlfuncParam, coolingOutputs)), Out16Of6(offsetof(KuehlfuncParam, controlledOutputs))),
    Row<MischerRegParam, &P::GetMischerReg, &P::SetMischerReg>(
        texts::kTypeMischerReg, P::GetDefaultMischerReg, Check<MischerRegParam, &C::CheckMischerReg>,
        {IDD_MISCHERREG, IDD_MISCHERREG_VARIN, IDD_MISCHERREG_VAROUT}, Fixed(11, 9)),
    Row<FuncKontrolleParam, &P::GetFuncKontrolle, &P::SetFuncKontrolle>(
        texts::kTypeFuncKontrolle, P::GetDefaultFuncKontrolle, Check<FuncKontrolleParam, &C::CheckFuncKontrolle>,
        {IDD_FUNCKONTROLLE, IDD_FUNCKONTROLLE_VARIN, IDD_FUNCKONTROLLE_VAROUT}, Fixed(6, 12)),
    Row<SyncParam, &P::GetSync, &P::SetSync>(
        texts::kTypeSync, P::GetDefaultSync, Check<SyncParam, &C::CheckSync>,
        {IDD_SYNC, IDD_SYNC_VARIN, IDD_SYNC_VAROUT}, PerEntry(1, 5, 4, offsetof(SyncParam, windowCount)),
        Out16(offsetof(SyncParam, outputs))),
    Row<ProfilfuncParam, &P::GetProfilfunc, &P::SetProfilfunc>(
        texts::kTypeProfilfunc, P::GetDefaultProfilfunc, Check<ProfilfuncParam, &C::CheckProfil>,
        {IDD_PROFILFUNC, IDD_PROFILFUNC_VARIN, IDD_PROFILFUNC_VAROUT},
        PerEntry(8, 16, 1, offsetof(ProfilfuncParam, stepCount)), Out16(offsetof(ProfilfuncParam, outputs))),
    Row<KesselkaskadeParam, &P::GetKesselkaskade, &P::SetKesselkaskade>(
        texts::kTypeKesselkaskade, P::GetDefaultKesselkaskade,
        CheckInFile<KesselkaskadeParam, &C::CheckKesselkaskade>,
        {IDD_KESSELKASKADE, IDD_KESSELKASKADE_VARIN, IDD_KESSELKASKADE_VAROUT},
        {9, 10, MemoryShare::Cascade, 0, offsetof(KesselkaskadeParam, participantCount),
         offsetof(KesselkaskadeParam, boilerCount)}),
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

}  // namespace functypes
