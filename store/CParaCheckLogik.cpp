// CParaCheck: repairs of the logic, time and monitoring function records.
#include "store/CParaCheck.h"

#include "store/AnalogfuncParam.h"
#include "store/CParaDaten.h"
#include "store/FuncKontrolleParam.h"
#include "store/LogikfuncParam.h"
#include "store/ProfilfuncParam.h"
#include "store/SchaltuhrParam.h"
#include "store/SyncParam.h"
#include "store/TimerParam.h"
#include "store/VergleichParam.h"
#include "store/WartungsfuncParam.h"
#include "store/ZaehlerParam.h"
#include "texttables/StandardDesignations.h"

#include <initializer_list>

namespace {

// A repair of one byte: a value outside low..high (or, for an inside rule, within it) becomes the replacement.
struct Regel {
    BYTE low;
    BYTE high;
    BYTE replacement;
    bool inside;

    void Apply(BYTE& value) const
    {
        if (inside == (value >= low && value <= high))
            value = replacement;
    }
};
constexpr Regel Above(BYTE max, BYTE replacement) { return {0, max, replacement, false}; }
constexpr Regel Outside(BYTE min, BYTE max, BYTE replacement) { return {min, max, replacement, false}; }
constexpr Regel Inside(BYTE low, BYTE high, BYTE replacement) { return {low, high, replacement, true}; }
constexpr Regel kKeine = Inside(1, 0, 0);

// ---- Analog function: the rules of each unit ----

struct AnalogRegeln {
    Regel fixedResult;  // field 19 with kind 0
    Regel fixedValue;   // the fixed value of a variable
    Regel offset;       // the offset added to a source (field 20 and the variables')
};
// Dimensionless values are signed bytes (-125..125) except the result (0..250); temperatures are temperature bytes
// (-50..200 deg C) with difference-byte offsets; irradiance is value x 10 W/m2 with offsets in W/m2.
constexpr AnalogRegeln kAnalogRegeln[3] = {
    {Above(250, 0), Inside(126, 130, 50), Inside(126, 130, 0)},
    {Inside(201, 205, 5), Inside(201, 205, 10), Inside(128, 128, 0)},
    {Above(200, 0), Above(200, 50), Above(200, 0)},
};

// ---- Comparison: the rules of each unit ----

struct VergleichRegeln {
    Regel fixedB;       // field 12 with kind 0
    Regel on;           // field 7
    bool onZeroToOne;   // a switch-on difference of 0 becomes 1
    Regel off;          // field 8
    bool signedOrder;   // the differences compare as signed bytes (difference-byte scales)
};
constexpr VergleichRegeln kVergleichRegeln[12] = {
    {Above(100, 50), Above(100, 5), true, Above(100, 5), false},         // "Senza Dim."
    {Inside(201, 205, 60), Inside(128, 128, 129), false, kKeine, true},  // "Temperat."
    {Above(200, 50), Above(200, 50), true, Above(200, 50), false},       // "Irrad.Sol."
    {Above(250, 10), Above(200, 50), true, Above(200, 50), false},       // "Tempo"
    {Above(250, 10), Above(200, 50), true, Above(200, 50), false},       // "Num.Imp"
    {Above(250, 10), Above(200, 50), true, Above(200, 50), false},       // "Qt Cal KWH"
    {Above(250, 10), Above(200, 50), true, Above(200, 50), false},       // "Qt Cal MWH"
    {Above(250, 10), Above(200, 50), true, Above(200, 50), false},       // "Prestaz."
    {Above(200, 10), Above(200, 50), true, Above(200, 50), false},       // "Flusso"
    {Above(200, 40), Above(100, 10), true, Above(100, 10), false},       // "Velo.Vento"
    {Above(100, 60), Inside(128, 128, 129), false, kKeine, true},        // "Umidita"
    {Above(200, 30), Above(199, 20), true, Above(199, 20), false},       // "Pressione"
};

// ---- Profile function: the rule of a step value in each unit ----

constexpr Regel kProfilRegeln[8] = {
    Above(100, 50), Above(250, 60), Above(200, 60), Above(250, 250),
    Above(250, 250), Above(250, 250), Above(250, 250), Above(250, 250),
};

// ---- Synchronisation: the rules of a window in each mode ----

struct SyncRegeln {
    Regel major;  // start and end hour or day
    Regel minor;  // start and end minute or month
};
constexpr SyncRegeln kSyncRegeln[4] = {
    {kKeine, Above(59, 0)},                  // "Ora": minutes
    {Above(23, 0), Above(59, 0)},            // "Giorno": hours and minutes
    {Outside(1, 31, 1), kKeine},             // "Mese": days
    {Outside(1, 31, 1), Outside(1, 12, 1)},  // "Anno": days and months
};

// The type of the function with that number in the working file's table; 0 when no slot holds it or the table
// cannot be read.
int FuncTypeOfNumber(CParaDaten& para, int file, BYTE number)
{
    const BYTE slot = para.FindFuncByNumber(file, number);
    FuncEntry entry;
    return slot != 0 && para.GetFuncEntry(file, slot, entry) ? entry.type : 0;
}

}  // namespace

using record::RepairField;
using record::RepairRanges;

// ---- Analog function and logic function ----

void CParaCheck::CheckAnalogfunc(AnalogfuncParam& r, BYTE keepLowBit)
{
    CheckFuncBezeichnung(&r.designation.group, texts::kTypeAnalogfunc);
    CheckDigitalQuelle(&r.release.kind, keepLowBit);
    RepairRanges(r, record::kAnalogfuncFields);

    const AnalogRegeln& rules = kAnalogRegeln[r.unit];
    CheckQuelle(&r.offResult.kind, 0, 0);
    if (r.offResult.kind == 0)
        rules.fixedResult.Apply(r.offResult.number);
    else
        rules.offset.Apply(r.offResultOffset);

    r.lastVariable = 0;
    for (BYTE k = 0; k < 6; ++k) {
        AnalogfuncParam::Variable& v = r.variables[k];
        CheckQuelle(&v.kind, 0, 0);
        if (v.kind != 0) {
            r.lastVariable = static_cast<BYTE>(k + 1);
            rules.offset.Apply(v.offset);
        } else {
            rules.fixedValue.Apply(v.number);
        }
    }
    if (r.variableCount < r.lastVariable)
        r.variableCount = r.lastVariable;
    if (r.variableCount < 1 || r.variableCount > 6)
        r.variableCount = 2;
}

void CParaCheck::CheckLogikfunc(LogikfuncParam& r, BYTE keepLowBit)
{
    CheckFuncBezeichnung(&r.designation.group, texts::kTypeLogikfunc);
    CheckDigitalQuelle(&r.release.kind, keepLowBit);
    // The inputs in use are always the highest connected one; fixed states and inversions are not repaired.
    r.inputCount = 1;
    for (BYTE k = 0; k < 6; ++k) {
        CheckQuelle(&r.inputs[k].kind, 0, 0);
        if (r.inputs[k].kind != 0)
            r.inputCount = static_cast<BYTE>(k + 1);
    }
    RepairRanges(r, record::kLogikfuncFields);
}

// ---- Comparison and function control ----

void CParaCheck::CheckVergleich(VergleichParam& r, BYTE keepLowBit)
{
    CheckFuncBezeichnung(&r.designation.group, texts::kTypeVergleich);
    CheckDigitalQuelle(&r.release.kind, keepLowBit);
    RepairRanges(r, record::kVergleichFields);
    CheckQuelle(&r.valueB.kind, 0, 0);

    const VergleichRegeln& rules = kVergleichRegeln[r.unit];
    if (r.valueB.kind == 0)
        rules.fixedB.Apply(r.valueB.number);
    rules.on.Apply(r.onDifference);
    if (rules.onZeroToOne && r.onDifference == 0)
        r.onDifference = 1;
    rules.off.Apply(r.offDifference);

    const bool ordered = rules.signedOrder ? static_cast<signed char>(r.onDifference) >
                                                 static_cast<signed char>(r.offDifference)
                                           : r.onDifference > r.offDifference;
    if (!ordered)
        r.offDifference = static_cast<BYTE>(r.onDifference - 1);
}

void CParaCheck::CheckFuncKontrolle(FuncKontrolleParam& r, BYTE)
{
    CheckFuncBezeichnung(&r.designation.group, texts::kTypeFuncKontrolle);
    // The difference control's fixed state is not repaired.
    CheckQuelle(&r.differenceRelease.kind, 0, 0);
    RepairRanges(r, record::kFuncKontrolleFields);
    CheckQuelle(&r.valueB.kind, 0, 0);
    if (r.valueB.kind == 0)
        RepairField(r, record::kFuncKontrolleFields, &r.valueB.number);
}

// ---- Timer function and counter ----

void CParaCheck::CheckTimer(TimerParam& r, BYTE keepLowBit)
{
    CheckFuncBezeichnung(&r.designation.group, texts::kTypeTimer);
    CheckDigitalQuelle(&r.release.kind, keepLowBit);
    CheckDigitalQuelle(&r.trigger.kind, keepLowBit);
    CheckQuelle(&r.duty.kind, 0, 0);
    if (r.duty.kind == 0)
        RepairField(r, record::kTimerFields, &r.duty.number);
    // Only the stored bits of the two words are looked at and cleared.
    if ((r.modeWord & TimerParam::kModeMask) > kTimerAstabil)
        r.modeWord &= ~TimerParam::kModeMask;
    if ((r.edgeWord & TimerParam::kEdgeMask) > kFlankeNegativ)
        r.edgeWord &= ~TimerParam::kEdgeMask;
    RepairRanges(r, record::kTimerFields);
}

void CParaCheck::CheckZaehler(ZaehlerParam& r, BYTE keepLowBit)
{
    CheckFuncBezeichnung(&r.designation.group, texts::kTypeZaehler);
    RepairRanges(r, record::kZaehlerFields);
    if (r.mode == kZaehlerStunden)
        RepairField(r, record::kZaehlerFields, &r.minutes);
    CheckDigitalQuelle(&r.release.kind, keepLowBit);
    // Neither the reset input's nor the counting inputs' fixed states are repaired.
    CheckQuelle(&r.reset.kind, 0, 0);
    for (BYTE k = 0; k < 6; ++k) {
        CheckQuelle(&r.inputs[k].kind, 0, 0);
        if (r.inputs[k].kind != 0)
            r.inputCount = static_cast<BYTE>(k + 1);
    }
    if (r.inputCount < 1 || r.inputCount > 6)
        r.inputCount = 1;
}

// ---- Time switch and synchronisation ----

void CParaCheck::CheckSchaltuhr(SchaltuhrParam& r, BYTE keepLowBit)
{
    CheckFuncBezeichnung(&r.designation.group, texts::kTypeSchaltuhr);
    CheckDigitalQuelle(&r.release.kind, keepLowBit);
    // The blocking times count only with a blocking source; its fixed state is not repaired.
    CheckQuelle(&r.blocking.kind, 0, 0);
    if (r.blocking.kind != 0)
        for (const BYTE* field : {&r.blockDays, &r.blockTime, &r.blockMinDays, &r.blockMinTime})
            RepairField(r, record::kSchaltuhrFields, field);
    RepairRanges(r, record::kSchaltuhrFields);
    CheckZeitprogramm(1, &r.programsInUse, &r.windowsPerProgram, r.programs);
}

void CParaCheck::CheckSync(SyncParam& r, BYTE keepLowBit)
{
    CheckFuncBezeichnung(&r.designation.group, texts::kTypeSync);
    CheckDigitalQuelle(&r.release.kind, keepLowBit);
    RepairRanges(r, record::kSyncFields);
    // All five windows, whatever the number in use; bytes the mode does not use are left alone.
    const SyncRegeln& rules = kSyncRegeln[r.mode];
    for (SyncParam::Fenster& w : r.windows) {
        rules.major.Apply(w.startMajor);
        rules.minor.Apply(w.startMinor);
        rules.major.Apply(w.endMajor);
        rules.minor.Apply(w.endMinor);
    }
}

// ---- Profile function and maintenance function ----

void CParaCheck::CheckProfil(ProfilfuncParam& r, BYTE keepLowBit)
{
    CheckFuncBezeichnung(&r.designation.group, texts::kTypeProfilfunc);
    CheckDigitalQuelle(&r.release.kind, keepLowBit);
    RepairRanges(r, record::kProfilFields);
    // The internal clock time counts only without a clock source; start, stop and reset are not repaired.
    CheckQuelle(&r.clock.kind, 0, 0);
    if (r.clock.kind == 0)
        RepairField(r, record::kProfilFields, &r.clock.number);
    const Regel& step = kProfilRegeln[r.unit];
    CheckQuelle(&r.offValue.kind, 0, 0);
    if (r.offValue.kind == 0)
        step.Apply(r.offValue.number);
    // Every step, also those beyond the number in use.
    for (BYTE& s : r.steps)
        step.Apply(s);
}

void CParaCheck::CheckWartungsfunc(int file, WartungsfuncParam& r, BYTE)
{
    CheckFuncBezeichnung(&r.designation.group, texts::kTypeWartungsfunc);
    // The external switch's fixed state is not repaired.
    CheckQuelle(&r.externalSwitch.kind, 0, 0);
    RepairRanges(r, record::kWartungsfuncFields);
    // Every reference, whatever the number in use, must name a heating-circuit controller of that file.
    CParaDaten para;
    for (BYTE& c : r.circuits) {
        if (c > 45)
            c = 0;
        else if (c != 0 && FuncTypeOfNumber(para, file, static_cast<BYTE>(c - 1)) != texts::kTypeHzkrReg)
            c = 0;
    }
}
