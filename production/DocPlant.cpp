// The documentation of the header, the inputs, the outputs with the anti-seize settings, and the messages.
#include "production/DocRows.h"
#include "production/DocRun.h"
#include "production/DocTexts.h"
#include "requirements/CSystemRequirements.h"
#include "resources/UiTexts.h"
#include "store/CParaDaten.h"
#include "store/PlantFields.h"
#include "store/RecordCodec.h"
#include "texts/CTexte.h"

using namespace doc;

namespace {

CString Formatted(const char* pattern, double value)
{
    CString text;
    text.Format(pattern, value);
    return text;
}

CString Number(const char* pattern, long value)
{
    CString text;
    text.Format(pattern, value);
    return text;
}

CString WithDigit(CString designation, BYTE digit)
{
    if (digit >= 1 && digit <= 9)
        designation += static_cast<char>('0' + digit);
    return designation;
}

const char* Pick(std::span<const char* const> texts, long value)
{
    return texts[value >= 0 && static_cast<size_t>(value) < texts.size() ? value : 0];
}

// The group texts of inputs: A for temperatures and the like, B for everything else.
const char* GroupA(int group)
{
    return Pick(kGroupA, group);
}
const char* GroupB(int group)
{
    return group == 1 ? "Def. Utente" : "Generale";
}

CString CorrectionText(BYTE v)
{
    const int tenths = record::DifferenceTenths(v);
    return tenths > -100 && tenths < 100 ? Formatted("%02.01f K", tenths / 10.0) : Number("%ld K", tenths / 10);
}

CString ElectricalEnd(int quantity, int e)
{
    if (quantity == kGroesseSpannung)
        return Formatted("%03.2f V", e / 20.0);
    if (quantity == kGroesseStrom)
        return Formatted("%02.1f mA", e / 10.0);
    return Formatted("%03.2f k", e / 20.0);
}

CString PhysicalEnd(int process, int p)
{
    switch (process) {
    case 1: return Number("%ld °C", p * 10L);
    case 2: return Number("%ld W/m²", p * 100L);
    case 6: return Number("%ld l/h", p * 100L);
    case 7: return Number("%ld bar", p);
    default: return Number("%ld", p * 10L);
    }
}

void WriteEingang(DocText& text, int n, const EingangParam& r)
{
    const int s = kInputs;
    const CString designation = WithDigit(CTexte().GetEingangBezeichnung(text.Opt().file, r), r.digit);
    const CString averaging = Formatted("%02.1f Sek", r.averaging / 10.0);
    const bool electrical =
        r.quantity == kGroesseSpannung || (n == 8 && (r.quantity == kGroesseStrom || r.quantity == kGroesseWiderstand));
    if (r.type == kEingangAnalog && r.quantity == kGroesseStrahlung) {
        text.Column(s, kTipo, kAnalog);
        text.Column(s, kDimMis, "Irrad.Sol.");
        text.Column(s, kGruppoDenom, GroupB(r.group));
        text.Column(s, kDen, designation);
        text.Column(s, kSonda, "GBS");
        text.Column(s, kCheckSonde, YesNo(r.sensorCheck));
        text.Column(s, kCorrSonde, Number("%ld W/m²", static_cast<signed char>(r.correction)));
        text.Column(s, kValMed, averaging);
    } else if (r.type == kEingangAnalog && electrical) {
        text.Column(s, kTipo, kAnalog);
        text.Column(s, kDimMis,
                    r.quantity == kGroesseSpannung    ? "Tensione"
                        : r.quantity == kGroesseStrom ? "Corrente"
                                                      : "Resistenza");
        text.Column(s, kDimPr, Pick(kProcessTexts, r.processQuantity));
        const int pq = r.processQuantity;
        text.Column(s, kGruppoDenom, pq == 1 || pq == 6 || pq == 7 ? GroupA(r.group) : GroupB(r.group));
        text.Column(s, kDen, designation);
        text.Column(s, kValMed, averaging);
        text.Column(s, kScala, ElectricalEnd(r.quantity, r.scaleInLow) + " : " + PhysicalEnd(pq, r.scaleOutLow));
        text.Column(s, "",
                    ElectricalEnd(r.quantity, r.scaleInHighMinus1 + 1) + " : " + PhysicalEnd(pq, r.scaleOutHigh));
    } else if (r.type == kEingangAnalog) {
        text.Column(s, kTipo, kAnalog);
        text.Column(s, kDimMis, "Temperat.");
        text.Column(s, kGruppoDenom, GroupA(r.group));
        text.Column(s, kDen, designation);
        text.Column(s, kSonda, kSensorTexts[r.sensorType >= 2 && r.sensorType <= 4 ? r.sensorType : 1]);
        text.Column(s, kCheckSonde, YesNo(r.sensorCheck));
        text.Column(s, kCorrSonde, CorrectionText(r.correction));
        text.Column(s, kValMed, averaging);
    } else if (r.type == kEingangDigital) {
        text.Column(s, kTipo, kDigitale);
        text.Column(s, kGruppoDenom, GroupB(r.group));
        text.Column(s, kDen, designation);
    } else if (r.type == kEingangImpuls) {
        text.Column(s, kTipo, kImpulsi);
        text.Column(s, kDimMis,
                    r.quantity == kGroesseWind          ? "Velo.Vento"
                        : r.quantity == kGroesseImpulse ? "Impulsi"
                                                        : "Flusso");
        text.Column(s, kGruppoDenom, GroupB(r.group));
        text.Column(s, kDen, designation);
        if (r.quantity == kGroesseImpulse) {
            text.Column(s, kDivisore, Number("%ld", r.divisor));
        } else {
            text.Column(s, kValMed, averaging);
            text.Column(s, kQuoz,
                        r.quantity == kGroesseWind ? Formatted("%03.02f Hz", r.factor / 100.0)
                                                   : Formatted("%02.01f l/imp", r.factor / 2.0));
        }
    } else {
        text.Column(s, kTipo, kNonUsatoTipo);
    }
}

CString OutputValue(BYTE v, bool pwm)
{
    return pwm ? Formatted("%02.01f %%", v * 5 / 10.0) : Formatted("%03.02f V", v / 20.0);
}

const char* OutputGroup(int group)
{
    return group == 1 ? "Clima" : group == 2 ? "Def. Utente" : "Generale";
}

void WriteAusgang(DocText& text, int n, const AusgangParam& r)
{
    const int s = kOutputs;
    const CString designation = WithDigit(CTexte().GetAusgangBezeichnung(text.Opt().file, r), r.digit);
    if (n == 15 || n == 16) {
        text.Column(s, kModoUpper, r.pwm ? "PWM" : "0-10V");
        text.Column(s, kScala, Number("%ld", r.scaleInLow * 10L) + " : " + OutputValue(r.scaleOutLow, r.pwm));
        text.Column(s, "", Number("%ld", r.scaleInHigh * 10L) + " : " + OutputValue(r.scaleOutHigh, r.pwm));
        text.Column(s, kTensComDig, OutputValue(r.digitalLevel, r.pwm));
        return;
    }
    switch (r.type) {
    case kAusgangSchalt:
    case kAusgangDrehzahl:
        text.Column(s, kTipo, r.type == kAusgangSchalt ? "USC.COMUT." : "REG.GIRI VAR");
        text.Column(s, kGruppoDenom, OutputGroup(r.group));
        text.Column(s, kDen, designation);
        if (r.type == kAusgangDrehzahl)
            text.Column(s, kModoUpper, r.phaseCut ? "Taglio Fase" : "Pacco Onda");
        text.Column(s, kRitardo,
                    TimeByteText(r.delay, r.type == kAusgangSchalt ? ui::kUnitMinutes : ui::kTimeoutMinuteUnit));
        text.Column(s, kFzIntegr, TimeByteText(r.followUp));
        if (r.type == kAusgangSchalt && n == 14) {
            text.Column(s, kEstensione, YesNo(r.extension));
            if (r.extension)
                text.Column(s, kRetEntLd, YesNo(r.netToDataLine));
        }
        break;
    case kAusgangMischer:
        text.Column(s, kTipo, "MISCELATORE");
        text.Column(s, kGruppoDenom, GroupB(r.group));
        text.Column(s, kDen, designation);
        text.Column(s, kDecorrenza, TimeByteText(r.runTime));
        break;
    case kAusgangDatenleitung:
        text.Column(s, kTipo, "LINEA DATI");
        text.Column(s, kGruppoDenom, ui::kDesignationGroupStandard);
        text.Column(s, kDen, designation);
        text.Column(s, kRetEntLd, YesNo(r.netToDataLine));
        break;
    default: text.Column(s, kTipo, kNonUsatoTipo); break;
    }
}

CString MeldungCause(const DocText& text, const BYTE* record)
{
    const auto& r = *reinterpret_cast<const MeldungParam*>(record);
    return WithDigit(CTexte().GetMeldungBezeichnung(text.Opt().file, r), r.digit);
}

using record::kMeldungFields;
constexpr record::FieldInfo kMeldungSources[] = {
    record::Flag(RECORD_FIELD(MeldungParam, release)),
    record::Flag(RECORD_FIELD(MeldungParam, activate)),
    record::Flag(RECORD_FIELD(MeldungParam, cancel)),
};
constexpr Cond kInUse{Cond::Ne, offsetof(MeldungParam, type), kMeldungUnbenutzt};
constexpr const char* kMessageGroups[] = {"Default", "Def.Utente"};

// The lines of one message: separated lines at level 0; a message not in use ends after its type.
constexpr DocRow kMeldungRows[] = {
    {DocRow::Separated, 0, kTipoMessag, &kMeldungFields[0], Fmt::Enum, nullptr, kMessageTypes},
    {DocRow::Separated, 0, kGruppoMessag, &kMeldungFields[1], Fmt::Enum, nullptr, kMessageGroups, kInUse},
    {DocRow::Separated, 0, kCausaMessag, nullptr, Fmt::Custom, nullptr, {}, kInUse, {Cond::Never}, MeldungCause},
    {DocRow::Separated, 0, kSuonoAlarme, &kMeldungFields[4], Fmt::YesNo, nullptr, {}, kInUse},
    {DocRow::Heading, 0, kEntrataDati, nullptr, Fmt::Number, nullptr, {}, kInUse},
    {DocRow::Digital, 1, kMessageSources[0], &kMeldungSources[0], Fmt::Number, nullptr, {}, kInUse},
    {DocRow::Digital, 1, kMessageSources[1], &kMeldungSources[1], Fmt::Number, nullptr, {}, kInUse},
    {DocRow::Digital, 1, kMessageSources[2], &kMeldungSources[2], Fmt::Number, nullptr, {}, kInUse},
    {DocRow::Heading, 0, kUscitaDati, nullptr, Fmt::Number, nullptr, {}, kInUse},
    {DocRow::Outputs16, 1, kMessageLists[0], &kMeldungFields[5], Fmt::Number, nullptr, {}, kInUse},
    {DocRow::Outputs16, 1, kMessageLists[1], &kMeldungFields[6], Fmt::Number, nullptr, {}, kInUse},
    {DocRow::Outputs16, 1, kMessageLists[2], &kMeldungFields[7], Fmt::Number, nullptr, {}, kInUse},
    {DocRow::Outputs16, 1, kMessageLists[3], &kMeldungFields[8], Fmt::Number, nullptr, {}, kInUse},
};

}  // namespace

void DocRun::Header(DocText& text)
{
    const VersionRequirement requirement =
        g_pSystemRequirements ? g_pSystemRequirements->GetRequirement() : VersionRequirement(0, 0);
    text.Line(SectionRule());
    text.Line(Formatted(kVersionLine, kToolVersion));
    text.Line(SectionRule());
    text.Line(kRequisiti);
    text.Line(ItemRule(kHeader));
    text.Column(kHeader, kSistemaOperativo, Formatted(kDaVersione, requirement.GetOsVersion()));
    text.Column(kHeader, kNumeroDiSerie,
                requirement.GetSerialLevel() != 0 ? Number(kDaSerie, requirement.GetSerialNumber())
                                                  : CString(kOgniApparecchio));
}

void DocRun::Eingaenge(DocText& text)
{
    CParaDaten para;
    text.Line(SectionRule());
    text.Line(kIngressi);
    for (int i = 1; i <= records::kEingang.count; ++i) {
        Status(i - 1, kStatusInput, i);
        EingangParam record;
        records::Pass(records::kEingang, para, i, record, RecordWalk(m_options));
        if (m_options.sections.inputsFilter && record.type == kEingangUnbenutzt)
            continue;
        text.Line(ItemRule(kInputs));
        text.Line(Number(kIngressoHead, i));
        WriteEingang(text, i, record);
    }
}

void DocRun::Ausgaenge(DocText& text)
{
    CParaDaten para;
    text.Line(SectionRule());
    text.Line(kUscite);
    for (int n = 1; n <= records::kAusgang.count; ++n) {
        Status(n + 15, kStatusOutput, n);
        AusgangParam record;
        records::Pass(records::kAusgang, para, n, record, RecordWalk(m_options));
        if (m_options.sections.outputsFilter && n != 15 && n != 16 && record.type == kAusgangUnbenutzt)
            continue;
        text.Line(ItemRule(kOutputs));
        const bool pair = IsMischerErsterAusgang(n) && record.type == kAusgangMischer;
        CString head;
        if (pair)
            head.Format(kUscitaPairHead, n, n + 1);
        else
            head.Format(kUscitaHead, n);
        text.Line(head);
        WriteAusgang(text, n, record);
        if (pair)
            ++n;  // the mixer's second output
    }
    text.Line(ItemRule(kOutputs));
    text.Line(kProtezione);
    AntiblockierschutzParam guard;
    records::Pass(records::kAntiblockierschutz, para, 1, guard, RecordWalk(m_options));
    CString days;
    for (int d = 0; d < 7; ++d)
        if (guard.weekdays[d])
            days += CString(days.IsEmpty() ? "" : ", ") + kWeekdays[d];
    text.Column(kOutputs, kGiorno, days.IsEmpty() ? CString(kNessuno) : days);
    const CString orario(kOrario);
    text.Line("alle " + orario + LabelGap(kOutputs, static_cast<unsigned>(orario.GetLength()), text.Format()) +
              TimeOfDayText(guard.time));
    static constexpr BYTE kNumbers[16] = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16};
    text.Column(kOutputs, CString(kUscita) + ":", NumberList(guard.outputs, kNumbers, 16));
}

void DocRun::Meldungen(DocText& text)
{
    CParaDaten para;
    para.UseDrawing(&m_drawing);
    text.Line(SectionRule());
    text.Line(kMessaggi);
    for (int m = 1; m <= records::kMeldung.count; ++m) {
        Status(2 * m + 214, kStatusMessage, m);
        MeldungParam record;
        records::Pass(records::kMeldung, para, m, record, RecordWalk(m_options));
        if (m_options.sections.messagesFilter && record.type == kMeldungUnbenutzt)
            continue;
        text.Line(ItemRule(kMessages));
        text.Line(Number(kMessaggioHead, m));
        WriteRows(text, kMessages, kMeldungRows, &record);
    }
}
