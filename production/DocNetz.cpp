// The documentation of the network, the CAN data logging and the function overview.
#include "production/DocRows.h"
#include "production/DocRun.h"
#include "production/DocTexts.h"
#include "resources/UiTexts.h"
#include "store/CParaDaten.h"
#include "store/NetzEingang.h"
#include "store/NetzwerkParam.h"
#include "store/Sendebedingungen.h"
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
    ValueRow(3, ui::kCanLogTimeout, kTimeoutField, Fmt::Number, "%ld min"),
};
constexpr DocRow kTimeoutAnalogRows[] = {
    HeadingRow(2, "ENTR.ANALOG %d..%d:"),
    ValueRow(3, ui::kCanLogTimeout, kTimeoutField, Fmt::Number, "%ld min"),
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
        variable.Format(ui::kCanLogSourceItem, source.number,
                        texts.GetQuelleVariableText(text.Opt().file, source.kind, source.number).GetString());
    LoggingLine(text, Indent(2, text.Format()), variable);
}

}  // namespace

void DocRun::Netzwerk(DocText& text)
{
    CParaDaten para;
    para.UseDrawing(&m_drawing);
    const records::Walk walk = RecordWalk(m_options);
    text.Line(SectionRule());
    text.Line(kRete);

    Status(232, kStatusNetSettings);
    NetzwerkParam settings;
    records::Pass(records::kNetzSettings, para, 1, settings, walk);
    WriteRows(text, kNetwork, kSettingsRows, &settings);
    if (!m_options.sections.network)
        return;

    text.Line(ItemRule(kNetwork));
    text.Line(kUscitaDati);
    records::NetzQuellen sources{};
    Status(233, kStatusNetOutDigital);
    records::Pass(records::kNetzAusgaengeDigital, para, 1, sources, walk);
    WriteNetzAusgaenge(text, kDigitaleHead, sources.data());
    Status(234, kStatusNetOutAnalog);
    records::NetzQuellen analog{};
    records::Pass(records::kNetzAusgaengeAnalog, para, 1, analog, walk);
    WriteNetzAusgaenge(text, kAnalogHead, analog.data());

    Status(235, kStatusNetSend);
    Sendebedingungen send;
    records::Pass(records::kSendebedingungen, para, 1, send, walk);
    WriteRows(text, kNetwork, kSendDigitalRows, &send);
    WriteRows(text, kNetwork, kSendAnalogRows, &send, {4, sizeof(Sendebedingungen::AnalogGruppe), 1, 4});

    text.Line(ItemRule(kNetwork));
    text.Line(kEntrataDati);
    records::NetzEingaenge inputs{};
    Status(236, kStatusNetInDigital);
    records::Pass(records::kNetzEingaengeDigital, para, 1, inputs, walk);
    WriteNetzEingaenge(text, kDigitaleHead, "Usc.RETE dig.:", inputs.data());
    records::NetzEingaenge analogInputs{};
    Status(237, kStatusNetInAnalog);
    records::Pass(records::kNetzEingaengeAnalog, para, 1, analogInputs, walk);
    WriteNetzEingaenge(text, kAnalogHead, "Usc.RETE anal.:", analogInputs.data());

    Status(238, kStatusNetTimeouts);
    records::NetzTimeouts timeouts{};
    records::Pass(records::kNetzTimeouts, para, 1, timeouts, walk);
    text.Heading(1, "Timeouts:");
    WriteRows(text, kNetwork, kTimeoutRows, timeouts.data(), {4, 1, 1, 4});
    WriteRows(text, kNetwork, kTimeoutAnalogRows, timeouts.data() + 4, {4, 1, 1, 4});
}

void DocRun::Logging(DocText& text)
{
    CParaDaten para;
    text.Line(SectionRule());
    text.Line(kCanRaccolta);
    text.Line(ItemRule(kLogging));
    Status(235, kStatusLogging);
    LoggingListen record;
    records::Pass(records::kLogging, para, 1, record, RecordWalk(m_options));
    CString number;
    number.Format("%d", record.masterNode);
    LoggingLine(text, ui::kCanLogMaster, number);
    LoggingLine(text, ui::kCanLogTimeout, TimeByteText(record.timeout));
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
    records::FuncViewList entries;
    CParaDaten para;
    records::Pass(records::kFuncView, para, 1, entries, RecordWalk(m_options));
    CTexte texts;
    for (const FuncViewEntry& entry : entries) {
        if (entry.kind == FuncViewEntry::kEnde)
            break;
        text.Line((entry.kind == FuncViewEntry::kGruppe ? CString() : Indent(1, text.Format())) +
                  texts.GetFuncViewArtKuerzel(entry) + ValueSep(text.Format()) +
                  texts.GetFuncViewText(m_options.file, entry));
    }
}
