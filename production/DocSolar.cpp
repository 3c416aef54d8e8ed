// The documentation rows of the solar control, the solar priority, the start function and the synchronisation.
#include "production/DocFunctions.h"
#include "production/DocTexts.h"
#include "resources/UiTexts.h"
#include "store/CParaDaten.h"
#include "store/SolarregelungParam.h"
#include "store/SolarvorrangParam.h"
#include "store/StartfuncParam.h"
#include "store/SyncParam.h"
#include "texts/CTexte.h"

#include <algorithm>
#include <array>

namespace doc {

namespace {

using record::FieldInfo;
using record::Scale;

constexpr char kFixedCelsius[] = "%ld °C";
constexpr char kMinutes[] = "%ld min";
constexpr char kIrradiance[] = "%ld W/m²";
constexpr int kParticipants = 10;

// The participants in use: the count byte, never more than the record holds.
int InUse(const BYTE* record, unsigned countAt)
{
    return std::min<int>(record[countAt], kParticipants);
}

// Solar control: the limit temperature's maximum counts only while the limit has a source.
constexpr Cond kLimitInUse{Cond::NonZero, offsetof(SolarregelungParam, limitTemp)};

constexpr DocRow kSolarregelungRows[] = {
    SourceRow(DocRow::Digital, 1, ui::kSolarReleaseInput, offsetof(SolarregelungParam, release)),
    SourceRow(DocRow::Analog, 1, ui::kSolarCollectorInput, offsetof(SolarregelungParam, collectorTemp)),
    SourceRow(DocRow::Analog, 1, ui::kKuehlReferenceInput, offsetof(SolarregelungParam, referenceTemp)),
    SourceRow(DocRow::Analog, 1, ui::kSolarLimitInput, offsetof(SolarregelungParam, limitTemp), {Cond::Always}),
    HeadingRow(0, kUscitaDati),
    SourceRow(DocRow::Outputs16, 1, ui::kSolarOutput, offsetof(SolarregelungParam, outputs)),
    HeadingRow(0, ui::kSolarCollectorGroup),
    ValueRow(1, ui::kSolarCollectorMax, record::RowAt(record::kSolarregelungFields, offsetof(SolarregelungParam, collectorMax)),
             Fmt::Number, kFixedCelsius),
    ValueRow(1, ui::kHysteresis, record::RowAt(record::kSolarregelungFields, offsetof(SolarregelungParam, collectorHyst)),
             Fmt::Scaled),
    HeadingRow(0, ui::kKuehlReferenceGroup),
    ValueRow(1, ui::kKuehlReferenceMax,
             record::RowAt(record::kSolarregelungFields, offsetof(SolarregelungParam, referenceMax)),
             Fmt::Number, kFixedCelsius),
    ValueRow(1, ui::kHysteresis, record::RowAt(record::kSolarregelungFields, offsetof(SolarregelungParam, referenceHyst)),
             Fmt::Scaled),
    HeadingRow(0, ui::kSolarDiffGroup),
    ValueRow(1, ui::kDiffOn, record::RowAt(record::kSolarregelungFields, offsetof(SolarregelungParam, diffOn)),
             Fmt::Scaled),
    ValueRow(1, ui::kDiffOff, record::RowAt(record::kSolarregelungFields, offsetof(SolarregelungParam, diffOff)),
             Fmt::Scaled),
    When(HeadingRow(0, ui::kSolarLimitGroup), kLimitInUse),
    When(ValueRow(1, ui::kSolarLimitMax, record::RowAt(record::kSolarregelungFields, offsetof(SolarregelungParam, limitMax)),
                  Fmt::Number, kFixedCelsius),
         kLimitInUse),
    When(ValueRow(1, ui::kHysteresis, record::RowAt(record::kSolarregelungFields, offsetof(SolarregelungParam, limitHyst)),
                  Fmt::Scaled),
         kLimitInUse),
};

// Solar priority: each participant's name, all filled to the longest of them, and its priority.

void PriorityParticipants(DocText& text, const DocRow& row, const CString&, const BYTE* r, bool)
{
    const auto* participants =
        reinterpret_cast<const SolarvorrangTeilnehmer*>(r + offsetof(SolarvorrangParam, participants));
    const int count = InUse(r, offsetof(SolarvorrangParam, participantCount));
    std::array<CString, kParticipants> names;
    int width = 0;
    for (int i = 0; i < count; ++i) {
        names[i] = ParticipantName(text.Opt().file, participants[i].function);
        width = std::max(width, names[i].GetLength());
    }
    for (int i = 0; i < count; ++i) {
        CString line = names[i];
        PadRight(line, width);
        line += " : ";
        if (participants[i].priority == 0)
            line += ui::kFixedOff;
        else
            line.AppendFormat("%d", participants[i].priority);
        text.Heading(row.level, line);
    }
}

constexpr DocRow kSolarvorrangRows[] = {
    SourceRow(DocRow::Digital, 1, ui::kPriorityReleaseInput, offsetof(SolarvorrangParam, release)),
    SourceRow(DocRow::Analog, 1, ui::kRadiationInput, offsetof(SolarvorrangParam, radiation), {Cond::Always}),
    HeadingRow(1, "utilizzati Funzioni / Priorita:"),
    LinesRow(2, PriorityParticipants),
    HeadingRow(0, kUscitaDati),
    SourceRow(DocRow::Outputs16, 1, ui::kFlushOutput, offsetof(SolarvorrangParam, flushOutputs)),
    HeadingRow(0, ui::kFollowUpGroup),
    ValueRow(1, ui::kFromPriority,
             record::RowAt(record::kSolarvorrangFields, offsetof(SolarvorrangParam, timerFromPriority)), Fmt::Number),
    When(ValueRow(1, ui::kRadiationThreshold, record::RowAt(record::kSolarvorrangFields, offsetof(SolarvorrangParam, activation)),
                  Fmt::Scaled, kIrradiance),
         {Cond::NonZero, offsetof(SolarvorrangParam, radiation)}),
    ValueRow(1, ui::kRunTime, record::RowAt(record::kSolarvorrangFields, offsetof(SolarvorrangParam, runTime)),
             Fmt::Number, kMinutes),
    ValueRow(1, ui::kWaitTime, record::RowAt(record::kSolarvorrangFields, offsetof(SolarvorrangParam, waitTime)),
             Fmt::Number, kMinutes),
};

// Start function: the activation threshold is an irradiation with a radiation sensor, a plain number without.
constexpr FieldInfo kSfIrradiance{RECORD_FIELD(StartfuncParam, activation), Scale::TimesTen};
constexpr unsigned kSfRadiationKind = offsetof(StartfuncParam, radiation);

void StartParticipants(DocText& text, const DocRow& row, const CString&, const BYTE* r, bool)
{
    const int count = InUse(r, offsetof(StartfuncParam, solarCount));
    for (int i = 0; i < count; ++i)
        text.Heading(row.level, ParticipantName(text.Opt().file, r[offsetof(StartfuncParam, solarControls) + i]));
}

constexpr DocRow kStartfuncRows[] = {
    SourceRow(DocRow::Digital, 1, ui::kStartReleaseInput, offsetof(StartfuncParam, release)),
    SourceRow(DocRow::Analog, 1, ui::kRadiationInput, offsetof(StartfuncParam, radiation), {Cond::Always}),
    SourceRow(DocRow::Analog, 1, ui::kStartRelativeInput, offsetof(StartfuncParam, relativeTemp), {Cond::Always}),
    HeadingRow(1, ui::kParticipatingFunctions),
    LinesRow(2, StartParticipants),
    HeadingRow(0, kUscitaDati),
    SourceRow(DocRow::Outputs16, 1, ui::kFlushOutput, offsetof(StartfuncParam, flushOutputs)),
    CustomRow(0, ui::kStartWindow,
              [](const DocText&, const BYTE* r) {
                  return TimeOfDayText(r[offsetof(StartfuncParam, windowStart)]) + " - " +
                      TimeOfDayText(r[offsetof(StartfuncParam, windowEnd)]) + " Ora";
              }),
    ValueRow(0, ui::kRunTime, record::RowAt(record::kStartfuncFields, offsetof(StartfuncParam, runTime)), Fmt::Number,
             "%ld sec"),
    ValueRow(0, ui::kInterval, record::RowAt(record::kStartfuncFields, offsetof(StartfuncParam, interval)), Fmt::Number,
             kMinutes),
    When(ValueRow(0, ui::kStartRadiationThreshold, &kSfIrradiance, Fmt::Scaled, kIrradiance), {Cond::NonZero, kSfRadiationKind}),
    When(ValueRow(0, ui::kStartPlainThreshold, record::RowAt(record::kStartfuncFields, offsetof(StartfuncParam, activation)),
                  Fmt::Number),
         {Cond::Zero, kSfRadiationKind}),
};

// Synchronisation: the windows' bytes mean minutes, hours and minutes, days, or days and months by the period.

CString WindowEnd(BYTE mode, BYTE major, BYTE minor)
{
    CString text;
    switch (mode) {
    case kSyncTag: text.Format("%d.%s %d.%s", major, ui::kSyncHour, minor, ui::kSyncMinute); break;
    case kSyncMonat: text.Format("%d.%s", major, ui::kSyncDay); break;
    case kSyncJahr: text.Format("%d.%s %d.%s", major, ui::kSyncDay, minor, ui::kSyncMonth); break;
    default: text.Format("%d.%s", minor, ui::kSyncMinute); break;
    }
    return text;
}

void SyncWindows(DocText& text, const DocRow& row, const CString&, const BYTE* r, bool)
{
    const auto* windows = reinterpret_cast<const SyncParam::Fenster*>(r + offsetof(SyncParam, windows));
    const BYTE mode = r[offsetof(SyncParam, mode)];
    const int count = std::min<int>(r[offsetof(SyncParam, windowCount)], std::size(SyncParam{}.windows));
    for (int i = 0; i < count; ++i) {
        const SyncParam::Fenster& w = windows[i];
        CString label;
        label.Format("SS%d:", i + 1);
        text.Separated(row.level, label,
                       WindowEnd(mode, w.startMajor, w.startMinor) + " - " + WindowEnd(mode, w.endMajor, w.endMinor));
    }
}

constexpr DocRow kSyncRows[] = {
    SourceRow(DocRow::Digital, 1, ui::kSyncReleaseInput, offsetof(SyncParam, release)),
    HeadingRow(0, kUscitaDati),
    SourceRow(DocRow::Outputs16, 1, ui::kSyncOutput, offsetof(SyncParam, outputs)),
    CustomRow(0, kModoUpper,
              [](const DocText&, const BYTE* r) {
                  return CString(ListedText(ui::kSyncModes, r[offsetof(SyncParam, mode)])) + " - " +
                      (r[offsetof(SyncParam, once)] ? "unico" : "ciciclo");
              }),
    LinesRow(0, SyncWindows),
};

}  // namespace

std::span<const DocRow> SolarregelungRows()
{
    return kSolarregelungRows;
}
std::span<const DocRow> SolarvorrangRows()
{
    return kSolarvorrangRows;
}
std::span<const DocRow> StartfuncRows()
{
    return kStartfuncRows;
}
std::span<const DocRow> SyncRows()
{
    return kSyncRows;
}

}  // namespace doc
