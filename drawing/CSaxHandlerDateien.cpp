// The XML import's writers: object records, id lists, online schema, catch objects and the junction and signal merges.
#include "drawing/CSaxHandler.h"

#include "drawing/CFeldDatei.h"

#include <cstring>
#include <string_view>
#include <unordered_map>
#include <unordered_set>
#include <unistd.h>

using drawing::KindFamily;
using drawing::KindInfo;
using drawing::TranslateItem;

namespace {

enum Datei {
    kNodes = 0,
    kConnect2Line = 1,
    kSignalOver = 2,
    kConnect2Fang = 3,
    kKsObjects = 4,
    kFuncIds = 5,
    kMeldungIds = 6,
    kTranslate = 7,
    kOnline = 8,
    kCatchedLines = 9,
    kCatchedLinesSigOver = 10,
    kConnect2Node = 11,
    kConnect2SigOver = 12,
};

constexpr size_t kKsRecordBytes = 1400;
constexpr size_t kTranslateRecordBytes = 500;

// An integer field: right-aligned in 8 characters and CR LF. A value that does not fit the 8 characters is written
// as 0, unassigned, so that it cannot shift the fields after it.
void PutNumber(std::string& out, int value)
{
    if (value < -9999999 || value > 99999999) value = 0;
    char field[10];
    unsigned magnitude = value < 0 ? 0u - static_cast<unsigned>(value) : static_cast<unsigned>(value);
    int pos = 7;
    do {
        field[pos--] = static_cast<char>('0' + magnitude % 10);
        magnitude /= 10;
    } while (magnitude > 0);
    if (value < 0) field[pos--] = '-';
    while (pos >= 0) field[pos--] = ' ';
    field[8] = '\r';
    field[9] = '\n';
    out.append(field, 10);
}

// A text field right-aligned in width characters (28 or 48) and CR LF; a longer text keeps its first characters.
void PutText(std::string& out, const std::string& text, size_t width)
{
    size_t length = text.size() < width ? text.size() : width;
    out.append(width - length, ' ');
    out.append(text, 0, length);
    out.append("\r\n", 2);
}

void Pad(std::string& out, size_t recordBytes)
{
    if (out.size() > recordBytes - 2) out.resize(recordBytes - 2);
    out.append(recordBytes - 2 - out.size(), ' ');
    out.append("\r\n", 2);
}

void PutLine(std::string& out, const std::string& text)
{
    out += text;
    out.append("\r\n", 2);
}

void PutLine(std::string& out, int value) { PutLine(out, std::to_string(value)); }

std::string Trimmed(const std::string& text)
{
    size_t first = text.find_first_not_of(' ');
    if (first == std::string::npos) return std::string();
    size_t last = text.find_last_not_of(' ');
    return text.substr(first, last - first + 1);
}

std::string WithoutLeadingBlanks(const std::string& text)
{
    size_t first = text.find_first_not_of(' ');
    return first == std::string::npos ? std::string() : text.substr(first);
}

}  // namespace

void CSaxHandler::ObjektRecord(bool create)
{
    m_record.reset();
    if (!create) return;
    if (const KindInfo* kind = drawing::FindKind(m_objekt.name)) m_record = std::make_unique<ObjektDaten>(*kind);
}

void CSaxHandler::WriteObjekt()
{
    if (!m_record || !m_outputOpen) return;
    const KindInfo& kind = *m_record->kind;
    if (kind.WritesRecords()) {
        WriteObjektRecord();
        WriteTranslateRecord();
    }
    std::string out;
    if (kind.family == KindFamily::Funktion) {
        PutNumber(out, m_objektId);
        PutNumber(out, kind.typeCode);
        PutNumber(out, m_objektNummer);
        Write(kFuncIds, out);
    } else if (kind.family == KindFamily::Meldung) {
        PutNumber(out, m_objektId);
        PutNumber(out, m_objektNummer);
        Write(kMeldungIds, out);
    } else if (kind.family == KindFamily::Signal) {
        // The lines caught by this object's connector; none when it has no catch object of its own.
        if (!m_catchedSigOver.empty()) {
            PutText(out, m_record->bezeichnung, 28);
            PutNumber(out, static_cast<int>(m_catchedSigOver.size()));
            for (int line : m_catchedSigOver) PutNumber(out, line);
            Write(kSignalOver, out);
            m_signals.push_back({0, m_record->bezeichnung, m_catchedSigOver});
        }
    } else if (kind.family == KindFamily::OnlineRahmen) {
        WriteOnlineRahmen();
    } else if (kind.family == KindFamily::OnlinePlatzhalter) {
        WriteOnlinePlatzhalter();
    }
}

void CSaxHandler::WriteObjektRecord()
{
    const ObjektDaten& r = *m_record;
    const KindInfo& kind = *r.kind;
    std::string out;
    out.reserve(kKsRecordBytes);
    PutText(out, kind.name, 28);
    PutNumber(out, m_objektId);
    PutNumber(out, r.bibliotheksVersion);
    PutText(out, r.bezeichnung, 28);
    PutNumber(out, r.bezeichnungId);
    switch (kind.family) {
    case KindFamily::Eingang:
    case KindFamily::Sensorstatus:
    case KindFamily::Ausgang:
    case KindFamily::AnalogAusgang:
    case KindFamily::NetzwerkStatus:
        PutNumber(out, r.nummern[0]);
        PutNumber(out, r.nummerIds[0]);
        break;
    case KindFamily::MischerAusgang:
        for (int i = 0; i < 2; ++i) {
            PutNumber(out, r.nummern[i]);
            PutNumber(out, r.nummerIds[i]);
        }
        break;
    case KindFamily::Netzwerk:
        PutNumber(out, r.nummern[0]);
        PutNumber(out, r.nummerIds[0]);
        PutText(out, Trimmed(r.netzTyp), 48);
        PutNumber(out, r.netzTypId);
        for (int i = 1; i < 3; ++i) {
            PutNumber(out, r.nummern[i]);
            PutNumber(out, r.nummerIds[i]);
        }
        break;
    default:
        break;
    }
    for (size_t i = 0; i < r.pins.size(); ++i) {
        PutText(out, r.pins[i].name, 28);
        PutNumber(out, r.pins[i].id);
        PutNumber(out, drawing::PinVerbindungsart(kind, static_cast<int>(i), r.nummern[0]));
        PutNumber(out, kind.HasPinLabels() ? r.pins[i].labelId : 0);
    }
    for (const ObjektDaten::Teilnehmer& t : r.teilnehmer) {
        PutText(out, t.name, 28);
        PutNumber(out, 0);
        PutNumber(out, 0);
        PutNumber(out, t.id);
    }
    if (kind.family == KindFamily::Meldung) {
        PutText(out, r.ursache, 28);
        PutNumber(out, r.ursacheId);
    }
    Pad(out, kKsRecordBytes);
    Write(kKsObjects, out);
}

void CSaxHandler::WriteTranslateRecord()
{
    const ObjektDaten& r = *m_record;
    const KindInfo& kind = *r.kind;
    const bool meldung = kind.family == KindFamily::Meldung;
    std::string out;
    out.reserve(kTranslateRecordBytes);
    PutText(out, kind.name, 28);
    PutNumber(out, m_objektId);
    PutNumber(out, r.bibliotheksVersion);
    PutText(out, meldung ? r.ursache : r.bezeichnung, 28);
    PutNumber(out, meldung ? r.ursacheId : r.bezeichnungId);
    for (const TranslateItem& item : kind.translateItems) {
        int value = 0;
        switch (item.source) {
        case TranslateItem::Number: value = r.nummern[item.index]; break;
        case TranslateItem::NumberId: value = r.nummerIds[item.index]; break;
        case TranslateItem::PinLabel: value = r.pins[static_cast<size_t>(item.index)].labelId; break;
        case TranslateItem::Designation: value = r.bezeichnungId; break;
        case TranslateItem::Cause: value = r.ursacheId; break;
        case TranslateItem::NetType: value = r.netzTypId; break;
        case TranslateItem::Role:
            value = item.index >= 0 ? r.rollenIds[static_cast<size_t>(item.index)] : 0;
            break;
        case TranslateItem::Participant: value = r.teilnehmer[static_cast<size_t>(item.index)].id; break;
        }
        PutNumber(out, value);
    }
    Pad(out, kTranslateRecordBytes);
    Write(kTranslate, out);
}

void CSaxHandler::WriteOnlineRahmen()
{
    const ObjektDaten& r = *m_record;
    std::string out;
    PutLine(out, r.kind->name);
    for (int i = 0; i < 4; ++i) {
        PutLine(out, r.x[i]);
        PutLine(out, r.y[i]);
    }
    Write(kOnline, out);
}

void CSaxHandler::WriteOnlinePlatzhalter()
{
    const ObjektDaten& r = *m_record;
    std::string out;
    PutLine(out, r.kind->name);
    PutLine(out, r.platzhalterText);
    PutLine(out, r.x[1]);
    PutLine(out, r.y[1]);
    PutLine(out, r.schriftart);
    PutLine(out, r.schriftGroesse);
    PutLine(out, r.ausrichtung);
    PutLine(out, r.stilName);
    PutLine(out, r.textFarbe);
    PutLine(out, r.hintergrundFarbe);
    Write(kOnline, out);
}

void CSaxHandler::OnCatchObject(int phase, int lineId)
{
    if (phase == 0) {
        m_catched.clear();
        return;
    }
    if (phase == 1) {
        m_catched.push_back(lineId);
        return;
    }
    m_scratch = m_catched;
    if (!m_record || !m_outputOpen) return;
    const KindInfo& kind = *m_record->kind;
    const int n = static_cast<int>(m_catched.size());
    if (kind.IsConnectable()) {
        if (n == 0) return;
        std::string fang;
        PutNumber(fang, m_objektId);
        PutNumber(fang, m_gruppenId);
        PutNumber(fang, n);
        for (int line : m_catched) PutNumber(fang, line);
        Write(kConnect2Fang, fang);
        std::string lines;
        for (int line : m_catched) {
            PutNumber(lines, line);
            PutNumber(lines, m_objektId);
            PutNumber(lines, m_gruppenId);
        }
        Write(kConnect2Line, lines);
    } else if (kind.family == KindFamily::Knotenpunkt) {
        if (n == 0) return;
        std::string out;
        PutNumber(out, m_objektId);
        PutNumber(out, n);
        for (int line : m_catched) PutNumber(out, line);
        Write(kNodes, out);
        m_nodes.push_back({m_objektId, std::string(), m_catched});
    } else if (kind.family == KindFamily::Signal) {
        m_catchedSigOver = m_catched;
    }
}

void CSaxHandler::WriteConnect2Node()
{
    std::vector<std::string> keys;
    keys.reserve(m_nodes.size());
    for (const Sammlung& s : m_nodes) {
        std::string key;
        PutNumber(key, s.knoten);
        keys.push_back(std::move(key));
    }
    WriteGroups(kConnect2Node, m_nodes, keys);
}

void CSaxHandler::WriteConnect2SigOver()
{
    std::vector<std::string> keys;
    keys.reserve(m_signals.size());
    for (const Sammlung& s : m_signals) {
        std::string key;
        PutText(key, WithoutLeadingBlanks(s.name), 28);
        keys.push_back(std::move(key));
    }
    WriteGroups(kConnect2SigOver, m_signals, keys);
}

// Records with the same key field form a group, in the order of the group's first record; its lines are those of
// its records in record order, each once. The file is m times m fields per group of m lines by its format; finding
// the groups takes time in proportion to the records.
void CSaxHandler::WriteGroups(int file, const std::vector<Sammlung>& records, const std::vector<std::string>& keys)
{
    std::vector<MergeGroup>& merged = m_merged[file - kConnect2Node];
    merged.clear();
    if (m_files[file] < 0) return;
    std::unordered_map<std::string_view, size_t> groupOf;
    std::vector<std::vector<size_t>> groups;  // record indexes of each group
    for (size_t k = 0; k < records.size(); ++k) {
        auto [it, inserted] = groupOf.emplace(keys[k], groups.size());
        if (inserted) groups.emplace_back();
        groups[it->second].push_back(k);
    }
    for (size_t g = 0; g < groups.size(); ++g) {
        std::vector<int> collected;
        for (size_t k : groups[g])
            collected.insert(collected.end(), records[k].linien.begin(), records[k].linien.end());
        MergeGroup group{keys[groups[g].front()], {}};
        std::unordered_set<int> seen;
        for (int line : collected)
            if (seen.insert(line).second) group.lines.push_back(line);
        merged.push_back(std::move(group));
        if (g + 1 == groups.size()) m_scratch = std::move(collected);
    }
}

// Writes the merge records of the file from offset on, a piece at a time: every line of a group of m lines gets a
// record of the line, the key field, m - 1 and the other lines, starting after it and wrapping round. Each line's
// field is formatted once; a record's other lines are one copy out of the group's fields written twice in a row.
bool CSaxHandler::WriteMergeRecords(int file, size_t& offset)
{
    if (file != kConnect2Node && file != kConnect2SigOver) return true;
    constexpr size_t kPiece = 1 << 20;
    constexpr size_t kInt = CFeldDatei::kIntBytes;
    std::string out;
    auto flush = [&](size_t atLeast) {
        if (out.size() < atLeast) return true;
        size_t done = 0;
        while (done < out.size()) {
            const ssize_t n = ::pwrite(m_files[file], out.data() + done, out.size() - done,
                                       static_cast<off_t>(offset + done));
            if (n <= 0) return false;
            done += static_cast<size_t>(n);
        }
        offset += done;
        out.clear();
        return true;
    };
    for (const MergeGroup& group : m_merged[file - kConnect2Node]) {
        const size_t m = group.lines.size();
        std::string fields;
        fields.reserve(2 * m * kInt);
        for (int round = 0; round < 2; ++round)
            for (int line : group.lines) PutNumber(fields, line);
        std::string count;
        PutNumber(count, static_cast<int>(m - 1));
        for (size_t p = 0; p < m; ++p) {
            out.append(fields, p * kInt, kInt);
            out += group.key;
            out += count;
            out.append(fields, (p + 1) * kInt, (m - 1) * kInt);
            if (!flush(kPiece)) return false;
        }
    }
    return flush(1);
}

void CSaxHandler::WriteScratchFiles()
{
    std::string out;
    for (int line : m_scratch) PutNumber(out, line);
    Write(kCatchedLines, out);
    out.clear();
    for (int line : m_catchedSigOver) PutNumber(out, line);
    Write(kCatchedLinesSigOver, out);
}
