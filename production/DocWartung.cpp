// The documentation rows of the heat meter, the maintenance function and the circulation.
#include "production/DocFunctions.h"
#include "production/DocTexts.h"
#include "resources/UiTexts.h"
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
        text.Separated(row.level, ui::kWmzFactor, value);
        return;
    }
    value.Format("%d%%", r[offsetof(WMZParam, factor)]);
    text.Separated(row.level, ui::kWmzFrostProtection, value);
    if (r[offsetof(WMZParam, flowRate)] == 0) {
        value.Format("%d l/h", r[offsetof(WMZParam, flowRate.number)] * 50);
        text.Separated(row.level, ui::kWmzFlow, value);
    }
    text.Heading(row.level, "Calibr.:");
    const int calibration = row.level + 1;
    if (!r[offsetof(WMZParam, calibrated)]) {
        text.Heading(calibration, "non calibr.");
        return;
    }
    // One difference over the whole range, or the two points of the calibration.
    if (Word(r, offsetof(WMZParam, lowerDiff)) == Word(r, offsetof(WMZParam, upperDiff))) {
        text.Separated(calibration, ui::kWmzCommonDiff,
                       HundredthsText(r, offsetof(WMZParam, lowerDiff), ui::kUnitKelvin));
        return;
    }
    text.Heading(calibration, ui::kWmzCalibrationTemp);
    text.Separated(calibration + 1, ui::kWmzLower, HundredthsText(r, offsetof(WMZParam, lowerTemp), ui::kUnitDegrees));
    text.Separated(calibration + 1, ui::kWmzUpper, HundredthsText(r, offsetof(WMZParam, upperTemp), ui::kUnitDegrees));
    text.Heading(calibration, ui::kWmzDiff);
    text.Separated(calibration + 1, ui::kWmzLower, HundredthsText(r, offsetof(WMZParam, lowerDiff), ui::kUnitKelvin));
    text.Separated(calibration + 1, ui::kWmzUpper, HundredthsText(r, offsetof(WMZParam, upperDiff), ui::kUnitKelvin));
}

CString HeatMeterReading(const DocText&, const BYTE* r)
{
    CString text;
    text.Format("%d MWh %02.1f kWh", Word(r, offsetof(WMZParam, readingMwh)),
                static_cast<std::uint32_t>(Word(r, offsetof(WMZParam, readingKwh))) / 10.0);
    return text;
}

constexpr DocRow kWmzRows[] = {
    SourceRow(DocRow::Digital, 1, ui::kWmzReleaseInput, offsetof(WMZParam, release)),
    SourceRow(DocRow::Analog, 1, ui::kWmzFlowTempInput, offsetof(WMZParam, flowTemp), {Cond::Always}),
    SourceRow(DocRow::Analog, 1, ui::kWmzReturnTempInput, offsetof(WMZParam, returnTemp), {Cond::Always}),
    SourceRow(DocRow::Analog, 1, ui::kWmzFlowInput, offsetof(WMZParam, flowRate)),
    SourceRow(DocRow::Digital, 1, ui::kWmzResetInput, offsetof(WMZParam, reset), {Cond::Always}),
    LinesRow(0, HeatMeterSettings),
    CustomRow(0, ui::kWmzReading, HeatMeterReading),
};

// Maintenance function: the heating-circuit controllers it uses, by name.

void MaintenanceCircuits(DocText& text, const DocRow& row, const CString&, const BYTE* r, bool)
{
    const BYTE* circuits = r + offsetof(WartungsfuncParam, circuits);
    const int count = std::min<int>(r[offsetof(WartungsfuncParam, circuitCount)], sizeof WartungsfuncParam::circuits);
    for (int i = 0; i < count; ++i)
        text.Heading(row.level, ParticipantName(text.Opt().file, circuits[i]));
}

constexpr DocRow kWartungsfuncRows[] = {
    SourceRow(DocRow::Digital, 1, ui::kWartungSwitchInput, offsetof(WartungsfuncParam, externalSwitch), {Cond::Always}),
    HeadingRow(1, ui::kParticipatingFunctions),
    LinesRow(2, MaintenanceCircuits),
    HeadingRow(0, kUscitaDati),
    SourceRow(DocRow::Outputs16, 1, ui::kWartungBurnerDemand, offsetof(WartungsfuncParam, burnerDemand)),
    SourceRow(DocRow::Speeds6, 1, ui::kWartungBurnerPower, offsetof(WartungsfuncParam, powerOutputs)),
    ValueRow(0, ui::kWartungRunTimeLabel, record::RowAt(record::kWartungsfuncFields, offsetof(WartungsfuncParam, runTime)),
             Fmt::Number, "%ld min"),
    ValueRow(0, ui::kWartungPowerLabel,
             record::RowAt(record::kWartungsfuncFields, offsetof(WartungsfuncParam, burnerPower)),
             Fmt::Number, "%ld%%"),
};

// Circulation: the time programs in the time modes, the tapping pulse in the pulse modes, the mixing protection
// with a storage temperature.
constexpr const char* kZirkulationModes[] = {ui::kZirkModeTime, ui::kZirkModePulse, ui::kZirkModeBoth};
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
    text.Separated(row.level, ui::kZirkSetpoint, value);
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
    SourceRow(DocRow::Digital, 1, ui::kZirkReleaseInput, offsetof(ZirkulationParam, release)),
    SourceRow(DocRow::Analog, 1, ui::kZirkReturnInput, offsetof(ZirkulationParam, returnTemp)),
    SourceRow(DocRow::Analog, 1, ui::kAnfwHotWaterInput, offsetof(ZirkulationParam, hotWaterTemp), {Cond::Always}),
    SourceRow(DocRow::Analog, 1, ui::kZirkSetpointInput, offsetof(ZirkulationParam, setpoint)),
    SourceRow(DocRow::Analog, 1, ui::kZirkStoreInput, offsetof(ZirkulationParam, storeTemp), {Cond::Always}),
    HeadingRow(0, kUscitaDati),
    SourceRow(DocRow::Outputs16, 1, ui::kZirkOutput, offsetof(ZirkulationParam, outputs)),
    DocRow{DocRow::Separated, 0, ui::kZirkModeLabel,
           record::RowAt(record::kZirkulationFields, offsetof(ZirkulationParam, mode)),
           Fmt::Enum, nullptr, kZirkulationModes},
    HeadingRow(0, ui::kZirkReturnGroup),
    LinesRow(1, CirculationSetpoint),
    LinesRow(1, CirculationPrograms),
    ValueRow(1, ui::kDiffOn, record::RowAt(record::kZirkulationFields, offsetof(ZirkulationParam, diffOn)), Fmt::Scaled),
    ValueRow(1, ui::kDiffOff, record::RowAt(record::kZirkulationFields, offsetof(ZirkulationParam, diffOff)),
             Fmt::Scaled),
    When(HeadingRow(0, ui::kZirkPulseGroup), kPulseModes),
    When(ValueRow(1, ui::kZirkRise, record::RowAt(record::kZirkulationFields, offsetof(ZirkulationParam, tapRise)),
                  Fmt::Scaled, "%02.01f K"),
         kPulseModes),
    When(ValueRow(1, ui::kZirkRun, record::RowAt(record::kZirkulationFields, offsetof(ZirkulationParam, runTime)),
                  Fmt::Scaled),
         kPulseModes),
    When(ValueRow(1, ui::kZirkPause, record::RowAt(record::kZirkulationFields, offsetof(ZirkulationParam, pause)),
                  Fmt::Number, "%ld min"),
         kPulseModes),
    When(HeadingRow(0, ui::kZirkMixingGroup), kWithStore),
    When(ValueRow(1,
                  ui::kZirkStoreMin, record::RowAt(record::kZirkulationFields, offsetof(ZirkulationParam, mixingStoreMin)),
                  Fmt::Number, "%ld °C"),
         kWithStore),
    When(ValueRow(1, ui::kZirkMixingDiff, record::RowAt(record::kZirkulationFields, offsetof(ZirkulationParam, mixingDiff)),
                  Fmt::Scaled),
         kWithStore),
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
