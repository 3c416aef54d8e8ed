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
constexpr FieldInfo kSrRelease{RECORD_FIELD(SolarregelungParam, release)};
constexpr FieldInfo kSrCollector{RECORD_FIELD(SolarregelungParam, collectorTemp)};
constexpr FieldInfo kSrReference{RECORD_FIELD(SolarregelungParam, referenceTemp)};
constexpr FieldInfo kSrLimit{RECORD_FIELD(SolarregelungParam, limitTemp)};
constexpr FieldInfo kSrOutputs{RECORD_FIELD(SolarregelungParam, outputs)};
constexpr FieldInfo kSrCollectorMax{RECORD_FIELD(SolarregelungParam, collectorMax)};
constexpr FieldInfo kSrCollectorHyst{RECORD_FIELD(SolarregelungParam, collectorHyst), Scale::Hysteresis};
constexpr FieldInfo kSrReferenceMax{RECORD_FIELD(SolarregelungParam, referenceMax)};
constexpr FieldInfo kSrReferenceHyst{RECORD_FIELD(SolarregelungParam, referenceHyst), Scale::Hysteresis};
constexpr FieldInfo kSrDiffOn{RECORD_FIELD(SolarregelungParam, diffOn), Scale::Difference};
constexpr FieldInfo kSrDiffOff{RECORD_FIELD(SolarregelungParam, diffOff), Scale::Difference};
constexpr FieldInfo kSrLimitMax{RECORD_FIELD(SolarregelungParam, limitMax)};
constexpr FieldInfo kSrLimitHyst{RECORD_FIELD(SolarregelungParam, limitHyst), Scale::Hysteresis};
constexpr Cond kLimitInUse{Cond::NonZero, offsetof(SolarregelungParam, limitTemp)};

constexpr DocRow kSolarregelungRows[] = {
    SourceRow(DocRow::Digital, 1, "RILASCIO CIRC.SOL.", &kSrRelease),
    SourceRow(DocRow::Analog, 1, "TEMP COLLET.", &kSrCollector),
    SourceRow(DocRow::Analog, 1, "TEMP.REFERENZA", &kSrReference),
    SourceRow(DocRow::Analog, 1, "TEMP.LIMITAZIONE", &kSrLimit, {Cond::Always}),
    HeadingRow(0, kUscitaDati),
    SourceRow(DocRow::Outputs16, 1, "CIRC.SOL.", &kSrOutputs),
    HeadingRow(0, "TEMP COLLET.:"),
    ValueRow(1, "T.Coll.MASS:", &kSrCollectorMax, Fmt::Number, kFixedCelsius),
    ValueRow(1, "Isteresi:", &kSrCollectorHyst, Fmt::Scaled),
    HeadingRow(0, "TEMP.REFERENZA:"),
    ValueRow(1, "T.Ref.MASS:", &kSrReferenceMax, Fmt::Number, kFixedCelsius),
    ValueRow(1, "Isteresi:", &kSrReferenceHyst, Fmt::Scaled),
    HeadingRow(0, "DIFF. COLL-REF:"),
    ValueRow(1, "DIFF.ON:", &kSrDiffOn, Fmt::Scaled),
    ValueRow(1, "DIFF.OFF:", &kSrDiffOff, Fmt::Scaled),
    When(HeadingRow(0, "TEMP.LIMITAZIONE:"), kLimitInUse),
    When(ValueRow(1, "T.Lim.MASS:", &kSrLimitMax, Fmt::Number, kFixedCelsius), kLimitInUse),
    When(ValueRow(1, "Isteresi:", &kSrLimitHyst, Fmt::Scaled), kLimitInUse),
};

// Solar priority: each participant's name, all filled to the longest of them, and its priority.
constexpr FieldInfo kSvRelease{RECORD_FIELD(SolarvorrangParam, release)};
constexpr FieldInfo kSvRadiation{RECORD_FIELD(SolarvorrangParam, radiation)};
constexpr FieldInfo kSvOutputs{RECORD_FIELD(SolarvorrangParam, flushOutputs)};
constexpr FieldInfo kSvFromPriority{RECORD_FIELD(SolarvorrangParam, timerFromPriority)};
constexpr FieldInfo kSvActivation{RECORD_FIELD(SolarvorrangParam, activation), Scale::TimesTen};
constexpr FieldInfo kSvRunTime{RECORD_FIELD(SolarvorrangParam, runTime)};
constexpr FieldInfo kSvWaitTime{RECORD_FIELD(SolarvorrangParam, waitTime)};

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
            line += "OFF";
        else
            line.AppendFormat("%d", participants[i].priority);
        text.Heading(row.level, line);
    }
}

constexpr DocRow kSolarvorrangRows[] = {
    SourceRow(DocRow::Digital, 1, "RILASCIO PREC SOL", &kSvRelease),
    SourceRow(DocRow::Analog, 1, "IRRAD.SOL.", &kSvRadiation, {Cond::Always}),
    HeadingRow(1, "utilizzati Funzioni / Priorita:"),
    LinesRow(2, PriorityParticipants),
    HeadingRow(0, kUscitaDati),
    SourceRow(DocRow::Outputs16, 1, "LAVAGGIO", &kSvOutputs),
    HeadingRow(0, "TEMPO SUCCESSIVO:"),
    ValueRow(1, "da Precedenza:", &kSvFromPriority, Fmt::Number),
    When(ValueRow(1, "Val Attiv:", &kSvActivation, Fmt::Scaled, kIrradiance),
         {Cond::NonZero, offsetof(SolarvorrangParam, radiation)}),
    ValueRow(1, "Decorrenza:", &kSvRunTime, Fmt::Number, kMinutes),
    ValueRow(1, "Tpo Aspet:", &kSvWaitTime, Fmt::Number, kMinutes),
};

// Start function: the activation threshold is an irradiation with a radiation sensor, a plain number without.
constexpr FieldInfo kSfRelease{RECORD_FIELD(StartfuncParam, release)};
constexpr FieldInfo kSfRadiation{RECORD_FIELD(StartfuncParam, radiation)};
constexpr FieldInfo kSfRelative{RECORD_FIELD(StartfuncParam, relativeTemp)};
constexpr FieldInfo kSfOutputs{RECORD_FIELD(StartfuncParam, flushOutputs)};
constexpr FieldInfo kSfRunTime{RECORD_FIELD(StartfuncParam, runTime)};
constexpr FieldInfo kSfInterval{RECORD_FIELD(StartfuncParam, interval)};
constexpr FieldInfo kSfIrradiance{RECORD_FIELD(StartfuncParam, activation), Scale::TimesTen};
constexpr FieldInfo kSfDegree{RECORD_FIELD(StartfuncParam, activation)};
constexpr unsigned kSfRadiationKind = offsetof(StartfuncParam, radiation);

void StartParticipants(DocText& text, const DocRow& row, const CString&, const BYTE* r, bool)
{
    const int count = InUse(r, offsetof(StartfuncParam, solarCount));
    for (int i = 0; i < count; ++i)
        text.Heading(row.level, ParticipantName(text.Opt().file, r[offsetof(StartfuncParam, solarControls) + i]));
}

constexpr DocRow kStartfuncRows[] = {
    SourceRow(DocRow::Digital, 1, "RILASCIO FUNZ.START", &kSfRelease),
    SourceRow(DocRow::Analog, 1, "IRRAD.SOL.", &kSfRadiation, {Cond::Always}),
    SourceRow(DocRow::Analog, 1, "TEMP.RELAT.", &kSfRelative, {Cond::Always}),
    HeadingRow(1, "utiliz. FUNZION:"),
    LinesRow(2, StartParticipants),
    HeadingRow(0, kUscitaDati),
    SourceRow(DocRow::Outputs16, 1, "LAVAGGIO", &kSfOutputs),
    CustomRow(0, "Tempo Attivazione:",
              [](const DocText&, const BYTE* r) {
                  return TimeOfDayText(r[offsetof(StartfuncParam, windowStart)]) + " - " +
                      TimeOfDayText(r[offsetof(StartfuncParam, windowEnd)]) + " Ora";
              }),
    ValueRow(0, "Decorrenza:", &kSfRunTime, Fmt::Number, "%ld sec"),
    ValueRow(0, "Intervallo:", &kSfInterval, Fmt::Number, kMinutes),
    When(ValueRow(0, "Irrad.Att:", &kSfIrradiance, Fmt::Scaled, kIrradiance), {Cond::NonZero, kSfRadiationKind}),
    When(ValueRow(0, "Grado Att.:", &kSfDegree, Fmt::Number), {Cond::Zero, kSfRadiationKind}),
};

// Synchronisation: the windows' bytes mean minutes, hours and minutes, days, or days and months by the period.
constexpr FieldInfo kSyRelease{RECORD_FIELD(SyncParam, release)};
constexpr FieldInfo kSyOutputs{RECORD_FIELD(SyncParam, outputs)};
constexpr const char* kPeriods[] = {"Ora", "Giorno", "Mese", "Anno"};

CString WindowEnd(BYTE mode, BYTE major, BYTE minor)
{
    CString text;
    switch (mode) {
    case kSyncTag: text.Format("%d.%s %d.%s", major, "Ore", minor, "Min"); break;
    case kSyncMonat: text.Format("%d.%s", major, "Giorno"); break;
    case kSyncJahr: text.Format("%d.%s %d.%s", major, "Giorno", minor, "Mes"); break;
    default: text.Format("%d.%s", minor, "Min"); break;
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
    SourceRow(DocRow::Digital, 1, "RILASCIO SINCR.", &kSyRelease),
    HeadingRow(0, kUscitaDati),
    SourceRow(DocRow::Outputs16, 1, "COND.TPO.RISPET.", &kSyOutputs),
    CustomRow(0, kModoUpper,
              [](const DocText&, const BYTE* r) {
                  return CString(ListedText(kPeriods, r[offsetof(SyncParam, mode)])) + " - " +
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
