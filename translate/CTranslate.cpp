// The translation run: reading "Translate.tmp", the tables of the working copy, the dispatch by kind.
#include "translate/CTranslate.h"

#include "platform/TextFile.h"
#include "resources/UiTexts.h"
#include "store/AusgangParam.h"
#include "store/CParaCheck.h"
#include "store/CParaDaten.h"
#include "store/DrawingCommands.h"
#include "texts/CTexte.h"

#include <algorithm>
#include <climits>
#include <string_view>

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

// The next line of the current record, without its line end. A line is whole only when its LF lies inside the
// record; a record cut short by the end of the file has no whole last line.
bool NextLine(TranslateFile& file, std::string_view& line)
{
    if (file.pos >= file.recordEnd) return false;
    const size_t lf = file.bytes.find('\n', file.pos);
    if (lf == std::string::npos || lf >= file.recordEnd) return false;
    size_t end = lf;
    if (end > file.pos && file.bytes[end - 1] == '\r') --end;
    line = std::string_view(file.bytes).substr(file.pos, end - file.pos);
    file.pos = lf + 1;
    return true;
}

bool ParseNumber(std::string_view text, int& value)
{
    size_t i = 0;
    while (i < text.size() && IsBlank(text[i])) ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) negative = text[i++] == '-';
    const size_t firstDigit = i;
    long long magnitude = 0;
    while (i < text.size() && text[i] >= '0' && text[i] <= '9') {
        magnitude = magnitude * 10 + (text[i] - '0');
        if (magnitude > static_cast<long long>(INT_MAX) + 1) return false;
        ++i;
    }
    if (i == firstDigit) return false;
    while (i < text.size() && IsBlank(text[i])) ++i;
    if (i != text.size()) return false;
    const long long signedValue = negative ? -magnitude : magnitude;
    if (signedValue > INT_MAX || signedValue < INT_MIN) return false;
    value = static_cast<int>(signedValue);
    return true;
}

}  // namespace

bool CTranslate::Run(DrawingCommands& channel)
{
    CTexte texte;
    CParaDaten para;
    CParaCheck check;
    Tables tables;
    FillTables(para, check, texte, tables);

    TranslateFile file;
    if (!platform::ReadWholeFile(kDatei, file.bytes)) return false;

    const int count = CountRecords(file);
    for (int n = 1; n <= count; ++n) {
        if (!SeekRecord(file, n)) break;
        TranslateHeader header;
        // Every record is found by its number alone, so an unreadable one costs only its own texts.
        if (!ReadHeader(file, n, header)) continue;
        if (header.version < kMinVersion) continue;
        Dispatch(file, channel, header, tables, para, check, texte);
    }
    return true;
}

void CTranslate::Dispatch(TranslateFile& file, DrawingCommands& channel, const TranslateHeader& header, const Tables& tables,
                          CParaDaten& para, CParaCheck& check, CTexte& texte)
{
    const CString& kind = header.kind;
    if (kind == "Eingang")
        TranslateEingang(file, channel, header, tables.inputs);
    else if (kind == "Sensorstatus")
        TranslateSensorstatus(file, channel, header, tables.inputs);
    else if (kind == "Ausgang")
        TranslateAusgang(file, channel, header, tables.outputs);
    else if (kind == "Mischer_Ausgang")
        TranslateMischerAusgang(file, channel, header, tables.outputs);
    else if (kind == "Analog_Ausgang")
        TranslateAnalogAusgang(file, channel, header);
    else if (IsFunktion(kind))
        TranslateFunktion(file, channel, para, texte, header);
    else if (kind == "Meldung")
        TranslateMeldung(file, channel, header, para, check, texte);
    else if (kind == "Netzwerkeingang")
        TranslateNetzwerkeingang(file, channel, header, tables.netInputs);
    else if (kind == "Netzwerkstatus")
        TranslateNetzwerkstatus(file, channel, header, tables.netInputs);
    else if (kind == "Netzwerkausgang")
        TranslateNetzwerkausgang(file, channel, header, tables.netOutputs);
    else if (kind == "Signal_Übergabe" || kind == "Signal_Übernahme")
        TranslateSignalUebergabe(file, channel, header);
}

void CTranslate::FillTables(CParaDaten& para, CParaCheck& check, CTexte& texte, Tables& tables)
{
    const int file = CParaDaten::kWorkFile;
    texte.GetEingangTexte(para, check, tables.inputs);
    for (BYTE n = 1; n <= 14; ++n) {
        AusgangParam output;
        para.GetAusgang(file, n, output);
        check.CheckAusgang(n, output);
        tables.outputs[n - 1] = texte.GetAusgangText(file, output);
        if (IsMischerErsterAusgang(n) && output.type == kAusgangMischer) {
            // The pair's second output carries no designation of its own.
            tables.outputs[n] = tables.outputs[n - 1];
            ++n;
        }
    }

    NetzTextEintrag inputs[33];
    NetzTextEintrag outputs[33];
    texte.GetNetzEingangTexte(para, check, inputs);
    texte.GetNetzAusgangTexte(para, check, outputs);
    for (int n = 1; n <= 32; ++n) {
        tables.netInputs[n - 1] = {inputs[n].titel, inputs[n].kurzText, inputs[n].knoten, inputs[n].knotenAusgang};
        tables.netOutputs[n - 1] = {"", outputs[n].kurzText, outputs[n].knoten, outputs[n].knotenAusgang};
    }
}

bool CTranslate::ReadNumber(TranslateFile& file, int& value)
{
    const size_t start = file.pos;
    std::string_view line;
    if (NextLine(file, line) && ParseNumber(line, value)) return true;
    file.pos = start;
    return false;
}

bool CTranslate::ReadText(TranslateFile& file, CString& text)
{
    std::string_view line;
    if (!NextLine(file, line)) return false;
    text = CString(line);
    text.TrimLeft();
    return true;
}

int CTranslate::CountRecords(const TranslateFile& file)
{
    const size_t records = (file.bytes.size() + kRecordBytes - 1) / kRecordBytes;
    return records > static_cast<size_t>(INT_MAX) ? INT_MAX : static_cast<int>(records);
}

bool CTranslate::SeekRecord(TranslateFile& file, int n)
{
    if (n < 1) return false;
    const size_t start = static_cast<size_t>(n - 1) * kRecordBytes;
    if (start >= file.bytes.size()) return false;
    file.pos = start;
    file.recordEnd = std::min(start + kRecordBytes, file.bytes.size());
    return true;
}

bool CTranslate::ReadHeader(TranslateFile& file, int /*n*/, TranslateHeader& header)
{
    int version = 0;
    if (!ReadText(file, header.kind) || !ReadNumber(file, header.objectId) || !ReadNumber(file, version) ||
        !ReadText(file, header.designation) || !ReadNumber(file, header.designationTextId))
        return false;
    header.version = static_cast<BYTE>(version & 0xFF);
    header.designation.Trim();
    return true;
}

bool CTranslate::ReadNumbers(TranslateFile& file, int count, std::vector<int>& values)
{
    values.assign(static_cast<size_t>(count), 0);
    for (int& value : values)
        if (!ReadNumber(file, value)) return false;
    return true;
}

void CTranslate::AppendSuffix(CString& label, BYTE sourceKind, BYTE suppressOff, BYTE inverted, BYTE fixedValue)
{
    // The same marks as the label refresh writes.
    CTexte::AppendPinSuffix(label, sourceKind, suppressOff, inverted, fixedValue);
}

void CTranslate::Queue(DrawingCommands& channel, int textId, const CString& text)
{
    if (textId <= 0) return;
    channel.SetText(static_cast<UINT>(textId), text);
}
