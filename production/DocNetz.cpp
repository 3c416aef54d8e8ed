// The documentation of the network, the CAN data logging and the function overview.
#include "production/DocRows.h"
#include "production/DocRun.h"
#include "production/DocTexts.h"
#include "store/CParaCheck.h"
#include "store/CParaDaten.h"
#include "store/NetzFields.h"
#include "texts/CTexte.h"

using namespace doc;

namespace {

using record::kNetzwerkFields;
using record::kSendebedingungenFields;

constexpr DocRow kSettingsRows[] = {
    {DocRow::Rule},
    ColumnRow("Numero NODO:", &kNetzwerkFields[0], Fmt::Number, "%ld"),
    ColumnRow("RILASCIO:", &kNetzwerkFields[1], Fmt::OnOff),
    ColumnRow("Autooperat.:", &kNetzwerkFields[2], Fmt::YesNo),
};

constexpr DocRow kSendDigitalRows[] = {
    HeadingRow(1, "Cond.Transm.:"),
    HeadingRow(2, "USC. DIGITALE 1..16:"),
    ValueRow(3, "Presso Mod.:", &kSendebedingungenFields[0], Fmt::YesNo),
    ValueRow(3, "Tpo Blocc.:", &kSendebedingungenFields[2], Fmt::Number, "%ld sec"),
    ValueRow(3, "Tpo Interv.:", &kSendebedingungenFields[1], Fmt::Number, "%ld min"),
};
// One group of four analog outputs; repeated four times, three bytes apart.
constexpr DocRow kSendAnalogRows[] = {
    HeadingRow(2, "USC. ANALOG %d..%d:"),
    ValueRow(3, "Presso Mod. >", &kSendebedingungenFields[3], Fmt::Number, "%ld"),
    ValueRow(3, "Tpo Blocc.:", &kSendebedingungenFields[5], Fmt::Number, "%ld sec"),
    ValueRow(3, "Tpo Interv.:", &kSendebedingungenFields[4], Fmt::Number, "%ld min"),
};

constexpr const record::FieldInfo* kTimeoutField = &record::kNetzTimeoutFields[0];
constexpr DocRow kTimeoutRows[] = {
    HeadingRow(2, "ENTR.DIGITAL %d..%d:"),
    ValueRow(3, "Timeout:", kTimeoutField, Fmt::Number, "%ld min"),
};
constexpr DocRow kTimeoutAnalogRows[] = {
    HeadingRow(2, "ENTR.ANALOG %d..%d:"),
    ValueRow(3, "Timeout:", kTimeoutField, Fmt::Number, "%ld min"),
};

void WriteNetzAusgaenge(DocText& text, const char* heading, const Quelle sources[16])
{
    text.Heading(1, heading);
    for (int i = 0; i < 16; ++i) {
        if (text.Opt().sections.networkFilter && sources[i].kind == 0)
            continue;
        CString name;
        name.Format(kUscitaNumber, i + 1);
        text.QuelleAnalog(name, 2, sources[i].kind, sources[i].number, true, false);
    }
}

void NetInputLine(DocText& text, const CString& label, const CString& value)
{
    text.Line(Indent(3, text.Format()) + label +
              LabelGap(kNetInputs, static_cast<unsigned>(label.GetLength()), text.Format()) + value);
}

void WriteNetzEingaenge(DocText& text, const char* heading, const char* outputLabel, const NetzEingang inputs[16])
{
    text.Heading(1, heading);
    for (int i = 0; i < 16; ++i) {
        const NetzEingang& in = inputs[i];
        if (text.Opt().sections.networkFilter && in.node == 0)
            continue;
        CString head;
        head.Format(kIngressoNumber, i + 1);
        text.Heading(2, head);
        if (in.node == 0) {
            NetInputLine(text, kFonte, kNonUsato);
            continue;
        }
        NetInputLine(text, kFonte, in.transport == 1 ? "DL" : "CAN");
        CString number;
        number.Format("%d", in.node);
        NetInputLine(text, "Nodo RETE:", number);
        number.Format("%d", in.output);
        NetInputLine(text, outputLabel, number);
    }
}

// A line of the logging section: the gap measured on the whole line before it.
void LoggingLine(DocText& text, const CString& start, const CString& value)
{
    text.Line(start + LabelGap(kLogging, static_cast<unsigned>(start.GetLength()), text.Format()) + value);
}

void WriteLoggingEntry(DocText& text, const char* pattern, int i, const Quelle& source)
{
    CTexte texts;
    CString label;
    label.Format(pattern, i);
    LoggingLine(text, Indent(1, text.Format()) + label,
                source.kind ? texts.GetQuelleKurzText(text.Opt().file, source.kind) : CString(kNonUsato));
    CString variable;
    if (source.kind)
        variable.Format("%d: %s", source.number,
                        texts.GetQuelleVariableText(text.Opt().file, source.kind, source.number).GetString());
    LoggingLine(text, Indent(2, text.Format()), variable);
}

}  // namespace

void DocRun::Netzwerk(DocText& text)
{
    CParaDaten para;
    CParaCheck check;
    const int file = m_options.file;
    const bool back = m_options.writeBack;
    text.Line(SectionRule());
    text.Line(kRete);

    Status(232, kStatusNetSettings);
    NetzwerkParam settings;
    bool read = para.GetNetzwerk(file, settings);
    check.CheckNetzKnoten(settings);
    if (read && back)
        para.SetNetzwerk(file, settings);
    WriteRows(text, kNetwork, kSettingsRows, &settings);
    if (!m_options.sections.network)
        return;

    text.Line(ItemRule(kNetwork));
    text.Line(kUscitaDati);
    Quelle sources[16] = {};
    Status(233, kStatusNetOutDigital);
    read = para.GetNetzAusgaengeDigital(file, sources, !m_options.external);
    check.CheckNetzAusgaengeDigital(sources);
    if (read && back)
        para.SetNetzAusgaengeDigital(file, sources);
    WriteNetzAusgaenge(text, kDigitaleHead, sources);
    Status(234, kStatusNetOutAnalog);
    Quelle analog[16] = {};
    read = para.GetNetzAusgaengeAnalog(file, analog, !m_options.external);
    check.CheckNetzAusgaengeAnalog(analog);
    if (read && back)
        para.SetNetzAusgaengeAnalog(file, analog);
    WriteNetzAusgaenge(text, kAnalogHead, analog);

    Status(235, kStatusNetSend);
    Sendebedingungen send;
    read = para.GetSendebedingungen(file, send);
    check.CheckNetzZeiten(send);
    if (read && back)
        para.SetSendebedingungen(file, send);
    WriteRows(text, kNetwork, kSendDigitalRows, &send);
    WriteRows(text, kNetwork, kSendAnalogRows, &send, {4, sizeof(Sendebedingungen::AnalogGruppe), 1, 4});

    text.Line(ItemRule(kNetwork));
    text.Line(kEntrataDati);
    NetzEingang inputs[16] = {};
    Status(236, kStatusNetInDigital);
    read = para.GetNetzEingaengeDigital(file, inputs);
    check.CheckNetzEingaengeDigital(inputs);
    if (read && back)
        para.SetNetzEingaengeDigital(file, inputs);
    WriteNetzEingaenge(text, kDigitaleHead, "Usc.RETE dig.:", inputs);
    NetzEingang analogInputs[16] = {};
    Status(237, kStatusNetInAnalog);
    read = para.GetNetzEingaengeAnalog(file, analogInputs);
    check.CheckNetzEingaengeAnalog(analogInputs);
    if (read && back)
        para.SetNetzEingaengeAnalog(file, analogInputs);
    WriteNetzEingaenge(text, kAnalogHead, "Usc.RETE anal.:", analogInputs);

    Status(238, kStatusNetTimeouts);
    BYTE timeouts[8] = {};
    read = para.GetNetzTimeouts(file, timeouts);
    check.CheckNetzTimeouts(timeouts);
    if (read && back)
        para.SetNetzTimeouts(file, timeouts);
    text.Heading(1, "Timeouts:");
    WriteRows(text, kNetwork, kTimeoutRows, timeouts, {4, 1, 1, 4});
    WriteRows(text, kNetwork, kTimeoutAnalogRows, timeouts + 4, {4, 1, 1, 4});
}

void DocRun::Logging(DocText& text)
{
    CParaDaten para;
    text.Line(SectionRule());
    text.Line(kCanRaccolta);
    text.Line(ItemRule(kLogging));
    Status(235, kStatusLogging);
    LoggingListen record;
    const bool read = para.GetLoggingListen(m_options.file, record);
    CParaCheck().CheckLogging(record);
    if (read && m_options.writeBack)
        para.SetLoggingListen(m_options.file, record);
    CString number;
    number.Format("%d", record.masterNode);
    LoggingLine(text, "MASTER NODO:", number);
    LoggingLine(text, "Timeout:", TimeByteText(record.timeout));
    for (int r = 0; r < 2; ++r) {
        text.Line(ItemRule(kLogging));
        CString head;
        head.Format(kRecordDiDati, r + 1);
        text.Line(head);
        for (int i = 0; i < 16; ++i)
            WriteLoggingEntry(text, kAnalogEntry, i + 1, record.sets[r].analog[i]);
        for (int i = 0; i < 13; ++i)
            WriteLoggingEntry(text, kDigitaleEntry, i + 1, record.sets[r].digital[i]);
    }
}

void DocRun::FuncView(DocText& text)
{
    text.Line(SectionRule());
    text.Line(kSinottica);
    text.Line(ItemRule(kOverview));
    Status(230, kStatusOverview);
    FuncViewEntry entries[128];
    CParaDaten().GetFuncView(m_options.file, entries);
    CTexte texts;
    for (const FuncViewEntry& entry : entries) {
        if (entry.kind == FuncViewEntry::kEnde)
            break;
        text.Line((entry.kind == FuncViewEntry::kGruppe ? CString() : Indent(1, text.Format())) +
                  texts.GetFuncViewArtKuerzel(entry) + ValueSep(text.Format()) +
                  texts.GetFuncViewText(m_options.file, entry));
    }
}
