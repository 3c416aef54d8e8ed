// The documentation rows of the heat meter, the maintenance function and the circulation.
#include "production/DocFunctions.h"
#include "production/DocTexts.h"
#include "store/WMZParam.h"
#include "store/WartungsfuncParam.h"
#include "store/ZirkulationParam.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

namespace doc {

namespace {

using record::FieldInfo;
using record::Scale;

std::int32_t Word(const BYTE* record, unsigned offset)
{
    std::int32_t value = 0;
    std::memcpy(&value, record + offset, sizeof value);
    return value;
}

// Heat meter. The byte after the sources is the antifreeze share while both temperatures have a source (the meter
// then measures the heat itself), otherwise the plain factor the meter works with instead.
constexpr FieldInfo kWmzRelease{RECORD_FIELD(WMZParam, release)};
constexpr FieldInfo kWmzFlowTemp{RECORD_FIELD(WMZParam, flowTemp)};
constexpr FieldInfo kWmzReturnTemp{RECORD_FIELD(WMZParam, returnTemp)};
constexpr FieldInfo kWmzFlowRate{RECORD_FIELD(WMZParam, flowRate)};
constexpr FieldInfo kWmzReset{RECORD_FIELD(WMZParam, reset)};
constexpr unsigned kFlowKindAt = offsetof(WMZParam, flowTemp);
constexpr unsigned kReturnKindAt = offsetof(WMZParam, returnTemp);

// Hundredths with two decimals and the unit.
CString HundredthsText(const BYTE* r, unsigned offset, const char* unit)
{
    CString text;
    text.Format("%03.2f %s", Word(r, offset) / 100.0, unit);
    return text;
}

// The factor, or the antifreeze share, the fixed flow and the calibration.
void HeatMeterSettings(DocText& text, const DocRow& row, const CString&, const BYTE* r, bool)
{
    CString value;
    if (r[kFlowKindAt] == 0 || r[kReturnKindAt] == 0) {
        value.Format("%d", r[offsetof(WMZParam, factor)]);
        text.Separated(row.level, "FATTORE:", value);
        return;
    }
    value.Format("%d%%", r[offsetof(WMZParam, factor)]);
    text.Separated(row.level, "ANTIGELO:", value);
    if (r[offsetof(WMZParam, flowRate)] == 0) {
        value.Format("%d l/h", r[offsetof(WMZParam, flowRate.number)] * 50);
        text.Separated(row.level, "FLUSSO:", value);
    }
    text.Heading(row.level, "Calibr.:");
    const int calibration = row.level + 1;
    if (!r[offsetof(WMZParam, calibrated)]) {
        text.Heading(calibration, "non calibr.");
        return;
    }
    // One difference over the whole range, or the two points of the calibration.
    if (Word(r, offsetof(WMZParam, lowerDiff)) == Word(r, offsetof(WMZParam, upperDiff))) {
        text.Separated(calibration, "Diff.:", HundredthsText(r, offsetof(WMZParam, lowerDiff), "K"));
        return;
    }
    text.Heading(calibration, "Temp.Calib.");
    text.Separated(calibration + 1, "ant.:", HundredthsText(r, offsetof(WMZParam, lowerTemp), "°C"));
    text.Separated(calibration + 1, "sup.:", HundredthsText(r, offsetof(WMZParam, upperTemp), "°C"));
    text.Heading(calibration, "Diff.");
    text.Separated(calibration + 1, "ant.:", HundredthsText(r, offsetof(WMZParam, lowerDiff), "K"));
    text.Separated(calibration + 1, "sup.:", HundredthsText(r, offsetof(WMZParam, upperDiff), "K"));
}

CString HeatMeterReading(const DocText&, const BYTE* r)
{
    CString text;
    text.Format("%d MWh %02.1f kWh", Word(r, offsetof(WMZParam, readingMwh)),
                static_cast<std::uint32_t>(Word(r, offsetof(WMZParam, readingKwh))) / 10.0);
    return text;
}

constexpr DocRow kWmzRows[] = {
    SourceRow(DocRow::Digital, 1, "RILASCIO QTA CALORE", &kWmzRelease),
    SourceRow(DocRow::Analog, 1, "TEMP.MANDATA", &kWmzFlowTemp, {Cond::Always}),
    SourceRow(DocRow::Analog, 1, "TEMP.RITORNO", &kWmzReturnTemp, {Cond::Always}),
    SourceRow(DocRow::Analog, 1, "FLUSSO", &kWmzFlowRate),
    SourceRow(DocRow::Digital, 1, "CONTAT. RIMETTERE", &kWmzReset, {Cond::Always}),
    LinesRow(0, HeatMeterSettings),
    CustomRow(0, "Pos.Contatore:", HeatMeterReading),
};

// Maintenance function: the heating-circuit controllers it uses, by name.
constexpr FieldInfo kWfSwitch{RECORD_FIELD(WartungsfuncParam, externalSwitch)};
constexpr FieldInfo kWfDemand{RECORD_FIELD(WartungsfuncParam, burnerDemand)};
constexpr FieldInfo kWfPowerOutputs{RECORD_FIELD(WartungsfuncParam, powerOutputs)};
constexpr FieldInfo kWfRunTime{RECORD_FIELD(WartungsfuncParam, runTime)};
constexpr FieldInfo kWfPower{RECORD_FIELD(WartungsfuncParam, burnerPower)};

void MaintenanceCircuits(DocText& text, const DocRow& row, const CString&, const BYTE* r, bool)
{
    const BYTE* circuits = r + offsetof(WartungsfuncParam, circuits);
    const int count = std::min<int>(r[offsetof(WartungsfuncParam, circuitCount)], sizeof WartungsfuncParam::circuits);
    for (int i = 0; i < count; ++i)
        text.Heading(row.level, ParticipantName(text.Opt().file, circuits[i]));
}

constexpr DocRow kWartungsfuncRows[] = {
    SourceRow(DocRow::Digital, 1, "INTERRUTTORE EST.", &kWfSwitch, {Cond::Always}),
    HeadingRow(1, "utiliz. FUNZION:"),
    LinesRow(2, MaintenanceCircuits),
    HeadingRow(0, kUscitaDati),
    SourceRow(DocRow::Outputs16, 1, "RICHIESTA BRUC.", &kWfDemand),
    SourceRow(DocRow::Speeds6, 1, "PREST.BRUC.", &kWfPowerOutputs),
    ValueRow(0, "Tpo.Tot.Fz.:", &kWfRunTime, Fmt::Number, "%ld min"),
    ValueRow(0, "Prest.Bruc.:", &kWfPower, Fmt::Number, "%ld%%"),
};

// Circulation: the time programs in the time modes, the tapping pulse in the pulse modes, the mixing protection
// with a storage temperature.
constexpr FieldInfo kZkRelease{RECORD_FIELD(ZirkulationParam, release)};
constexpr FieldInfo kZkReturn{RECORD_FIELD(ZirkulationParam, returnTemp)};
constexpr FieldInfo kZkHotWater{RECORD_FIELD(ZirkulationParam, hotWaterTemp)};
constexpr FieldInfo kZkSetpoint{RECORD_FIELD(ZirkulationParam, setpoint)};
constexpr FieldInfo kZkStore{RECORD_FIELD(ZirkulationParam, storeTemp)};
constexpr FieldInfo kZkOutputs{RECORD_FIELD(ZirkulationParam, outputs)};
constexpr FieldInfo kZkMode{RECORD_FIELD(ZirkulationParam, mode)};
constexpr FieldInfo kZkDiffOn{RECORD_FIELD(ZirkulationParam, diffOn), Scale::Difference};
constexpr FieldInfo kZkDiffOff{RECORD_FIELD(ZirkulationParam, diffOff), Scale::Difference};
constexpr FieldInfo kZkTapRise{RECORD_FIELD(ZirkulationParam, tapRise), Scale::Tenths};
constexpr FieldInfo kZkRunTime{RECORD_FIELD(ZirkulationParam, runTime), Scale::Duration};
constexpr FieldInfo kZkPause{RECORD_FIELD(ZirkulationParam, pause)};
constexpr FieldInfo kZkMixingMin{RECORD_FIELD(ZirkulationParam, mixingStoreMin)};
constexpr FieldInfo kZkMixingDiff{RECORD_FIELD(ZirkulationParam, mixingDiff), Scale::Difference};
constexpr const char* kZirkulationModes[] = {"Tempo", "Pulsi", "Temp/Pulsi"};
constexpr unsigned kZkModeAt = offsetof(ZirkulationParam, mode);
constexpr Cond kPulseModes{Cond::NonZero, kZkModeAt};
constexpr Cond kWithStore{Cond::NonZero, offsetof(ZirkulationParam, storeTemp)};

// The fixed set temperature, unless the time windows carry theirs in the time mode.
void CirculationSetpoint(DocText& text, const DocRow& row, const CString&, const BYTE* r, bool)
{
    if (r[offsetof(ZirkulationParam, setpoint)] != 0)
        return;
    if (r[offsetof(ZirkulationParam, windowSetpoints)] && r[kZkModeAt] == kZirkulationZeit)
        return;
    CString value;
    value.Format("%d °C", r[offsetof(ZirkulationParam, setpoint.number)]);
    text.Separated(row.level, "T.Cir.TEOR:", value);
}

void CirculationPrograms(DocText& text, const DocRow& row, const CString&, const BYTE* r, bool)
{
    const BYTE programs = r[offsetof(ZirkulationParam, programsInUse)];
    if (programs == 0 || r[kZkModeAt] == kZirkulationPulse)
        return;
    WriteZeitfenster(text, row.level, programs, r[offsetof(ZirkulationParam, windowsPerProgram)],
                     r[offsetof(ZirkulationParam, windowSetpoints)], r + offsetof(ZirkulationParam, programs));
}

constexpr DocRow kZirkulationRows[] = {
    SourceRow(DocRow::Digital, 1, "RILASCIO CIRC.", &kZkRelease),
    SourceRow(DocRow::Analog, 1, "TEMP.RITORNO", &kZkReturn),
    SourceRow(DocRow::Analog, 1, "TEMP AC.CALDA", &kZkHotWater, {Cond::Always}),
    SourceRow(DocRow::Analog, 1, "TEMP.TEOR.CIRC.", &kZkSetpoint),
    SourceRow(DocRow::Analog, 1, "TEMP.ACCUM.", &kZkStore, {Cond::Always}),
    HeadingRow(0, kUscitaDati),
    SourceRow(DocRow::Outputs16, 1, "CIRCOLAZ.", &kZkOutputs),
    DocRow{DocRow::Separated, 0, "MODO:", &kZkMode, Fmt::Enum, nullptr, kZirkulationModes},
    HeadingRow(0, "RITORNO CIRCO:"),
    LinesRow(1, CirculationSetpoint),
    LinesRow(1, CirculationPrograms),
    ValueRow(1, "DIFF.ON:", &kZkDiffOn, Fmt::Scaled),
    ValueRow(1, "DIFF.OFF:", &kZkDiffOff, Fmt::Scaled),
    When(HeadingRow(0, "PULSIMODO:"), kPulseModes),
    When(ValueRow(1, "dDIFF-on:", &kZkTapRise, Fmt::Scaled, "%02.01f K"), kPulseModes),
    When(ValueRow(1, "Decorrenza:", &kZkRunTime, Fmt::Scaled), kPulseModes),
    When(ValueRow(1, "Tpo Pausa:", &kZkPause, Fmt::Number, "%ld min"), kPulseModes),
    When(HeadingRow(0, "PROTEZ.MISCEL:"), kWithStore),
    When(ValueRow(1, "T.Acc.MIN.:", &kZkMixingMin, Fmt::Number, "%ld °C"), kWithStore),
    When(ValueRow(1, "DIFF.MISC.:", &kZkMixingDiff, Fmt::Scaled), kWithStore),
};

}  // namespace

std::span<const DocRow> WMZRows()
{
    return kWmzRows;
}
std::span<const DocRow> WartungsfuncRows()
{
    return kWartungsfuncRows;
}
std::span<const DocRow> ZirkulationRows()
{
    return kZirkulationRows;
}

}  // namespace doc
