// Parsing and indexing of the wiring files for the partner search.
#include "drawing/WiringIndex.h"

#include "drawing/CFeldDatei.h"

#include <algorithm>

namespace drawing {

namespace {

const std::vector<int> kNone;

long long PinKey(int objektId, int pinId)
{
    return (static_cast<long long>(objektId) << 32) ^ static_cast<unsigned int>(pinId);
}

// Reads n line ids; false when the count cannot be right for what is left of the file.
bool ReadIds(CFeldDatei& file, int n, std::vector<int>& ids)
{
    if (n < 0 || file.IsPastEnd()) return false;
    long long left = static_cast<long long>(file.GetLength()) - file.GetPosition();
    if (static_cast<long long>(n) * CFeldDatei::kIntBytes > left) return false;
    ids.resize(static_cast<size_t>(n));
    for (int i = 0; i < n; ++i) ids[static_cast<size_t>(i)] = file.ReadInt();
    return true;
}

bool MoreRecords(CFeldDatei* file) { return file && file->IsLoaded() && file->GetPosition() < file->GetLength(); }

}  // namespace

int WiringIndex::Element(std::unordered_map<long long, int>& map, long long key, bool pin)
{
    auto [it, inserted] = map.emplace(key, static_cast<int>(m_isPin.size()));
    if (inserted) {
        m_isPin.push_back(pin);
        m_fangOfElement.push_back(-1);
        m_elementLines.emplace_back();
    }
    return it->second;
}

void WiringIndex::ReadGroups(CFeldDatei* file, bool named, std::vector<Verbund>& records)
{
    if (!file) return;
    file->Seek(0, 0);
    const int keyBytes = named ? CFeldDatei::kText30Bytes : CFeldDatei::kIntBytes;
    constexpr int kInt = CFeldDatei::kIntBytes;
    // The group the last record read field by field opened: its lines twice over, their fields as the file holds
    // them (twice over as well), its key and count fields, and the place in it of the record to expect next.
    const std::vector<int>* lines = nullptr;
    std::string fields;
    std::string head;
    size_t m = 0;
    size_t next = 0;
    while (MoreRecords(file)) {
        const int start = file->GetPosition();
        if (lines && next < m) {
            const size_t bytes = kInt + head.size() + (m - 1) * kInt;
            const std::string_view record = file->BytesAt(start, static_cast<long long>(bytes));
            if (record.size() == bytes && record.compare(0, kInt, fields, next * kInt, kInt) == 0 &&
                record.compare(kInt, head.size(), head) == 0 &&
                record.compare(kInt + head.size(), (m - 1) * kInt, fields, (next + 1) * kInt, (m - 1) * kInt) == 0) {
                const Verbund& first = records.back();
                records.push_back({(*lines)[next], first.knoten, first.name,
                                   std::span<const int>(lines->data() + next + 1, m - 1), -1, false});
                file->Seek(static_cast<int>(bytes), 1);
                ++next;
                continue;
            }
        }
        Verbund record{file->ReadInt(), 0, std::string(), {}, -1, true};
        if (named) record.name = file->ReadText30().str();
        else record.knoten = file->ReadInt();
        std::vector<int> others;
        if (!ReadIds(*file, file->ReadInt(), others)) break;
        m = others.size() + 1;
        std::vector<int>& group = m_groupLines.emplace_back();
        group.reserve(2 * m);
        for (int round = 0; round < 2; ++round) {
            group.push_back(record.linie);
            group.insert(group.end(), others.begin(), others.end());
        }
        lines = &group;
        record.andere = std::span<const int>(group.data() + 1, m - 1);
        const std::string_view raw = file->BytesAt(start, file->GetPosition() - start);
        head.assign(raw.substr(kInt, static_cast<size_t>(keyBytes + kInt)));
        fields.assign(raw.substr(0, kInt));
        fields.append(raw.substr(static_cast<size_t>(kInt + keyBytes + kInt)));
        fields.append(std::string(fields));
        next = 1;
        records.push_back(std::move(record));
    }
}

int WiringIndex::LineIndex(int linie)
{
    auto [it, inserted] = m_lineIndex.emplace(linie, static_cast<int>(m_lineElements.size()));
    if (inserted) m_lineElements.emplace_back();
    return it->second;
}

WiringIndex::WiringIndex(CFeldDatei* fang, CFeldDatei* line, CFeldDatei* node, CFeldDatei* sigOver)
{
    if (fang) fang->Seek(0, 0);
    while (MoreRecords(fang)) {
        Fang record{fang->ReadInt(), fang->ReadInt(), {}};
        if (!ReadIds(*fang, fang->ReadInt(), record.linien)) break;
        m_fang.push_back(std::move(record));
    }
    if (line) line->Seek(0, 0);
    while (MoreRecords(line) && line->GetPosition() + 3 * CFeldDatei::kIntBytes <= line->GetLength()) {
        LineEnd record{line->ReadInt(), line->ReadInt(), line->ReadInt(), -1};
        m_line.push_back(record);
    }
    ReadGroups(node, false, m_node);
    ReadGroups(sigOver, true, m_sig);

    // Elements and the graph of what can follow what.
    for (size_t i = 0; i < m_fang.size(); ++i) {
        int e = Element(m_pinElements, PinKey(m_fang[i].objektId, m_fang[i].pinId), true);
        if (m_fangOfElement[static_cast<size_t>(e)] >= 0) continue;  // the search takes a pin's first record only
        m_fangOfElement[static_cast<size_t>(e)] = static_cast<int>(i);
        for (int l : m_fang[i].linien) m_elementLines[static_cast<size_t>(e)].push_back(LineIndex(l));
    }
    for (size_t i = 0; i < m_line.size(); ++i) {
        LineEnd& r = m_line[i];
        r.element = Element(m_pinElements, PinKey(r.objektId, r.pinId), true);
        auto& matches = m_lineMatches[r.linie];
        matches.push_back(static_cast<int>(i));
        if (matches.size() <= 2) m_lineElements[static_cast<size_t>(LineIndex(r.linie))].push_back(r.element);
    }
    for (size_t i = 0; i < m_node.size(); ++i) {
        Verbund& r = m_node[i];
        r.element = Element(m_junctionElements, r.knoten, false);
        auto& matches = m_nodeMatches[r.linie];
        matches.push_back(static_cast<int>(i));
        if (matches.size() <= 2) m_lineElements[static_cast<size_t>(LineIndex(r.linie))].push_back(r.element);
        if (!r.opensGroup) continue;
        auto& lines = m_elementLines[static_cast<size_t>(r.element)];
        lines.push_back(LineIndex(r.linie));
        for (int l : r.andere) lines.push_back(LineIndex(l));
    }
    for (size_t i = 0; i < m_sig.size(); ++i) {
        Verbund& r = m_sig[i];
        auto [it, inserted] = m_signalElements.emplace(r.name, static_cast<int>(m_isPin.size()));
        if (inserted) {
            m_isPin.push_back(false);
            m_fangOfElement.push_back(-1);
            m_elementLines.emplace_back();
        }
        r.element = it->second;
        auto& matches = m_sigMatches[r.linie];
        matches.push_back(static_cast<int>(i));
        if (matches.size() <= 2) m_lineElements[static_cast<size_t>(LineIndex(r.linie))].push_back(r.element);
        if (!r.opensGroup) continue;
        auto& lines = m_elementLines[static_cast<size_t>(r.element)];
        lines.push_back(LineIndex(r.linie));
        for (int l : r.andere) lines.push_back(LineIndex(l));
    }
    // A junction or signal name lists every line of its group once per record, so its lines come m times over;
    // reachability needs each once, and a search over a group of m lines then costs m, not m * m.
    for (std::vector<int>& lines : m_elementLines) {
        std::sort(lines.begin(), lines.end());
        lines.erase(std::unique(lines.begin(), lines.end()), lines.end());
    }
    m_stamp.assign(m_isPin.size(), 0);
}

const std::vector<int>& WiringIndex::LineMatches(int linie) const
{
    auto it = m_lineMatches.find(linie);
    return it == m_lineMatches.end() ? kNone : it->second;
}

const std::vector<int>& WiringIndex::NodeMatches(int linie) const
{
    auto it = m_nodeMatches.find(linie);
    return it == m_nodeMatches.end() ? kNone : it->second;
}

const std::vector<int>& WiringIndex::SigMatches(int linie) const
{
    auto it = m_sigMatches.find(linie);
    return it == m_sigMatches.end() ? kNone : it->second;
}

int WiringIndex::FindFang(int objektId, int pinId) const
{
    int e = PinElement(objektId, pinId);
    return e < 0 ? -1 : m_fangOfElement[static_cast<size_t>(e)];
}

int WiringIndex::PinElement(int objektId, int pinId) const
{
    auto it = m_pinElements.find(PinKey(objektId, pinId));
    return it == m_pinElements.end() ? -1 : it->second;
}

int WiringIndex::ReachablePins(int element, long& work) const
{
    const std::vector<int> unblocked(m_isPin.size(), 0);
    const std::vector<char> discovered(m_isPin.size(), 1);
    ReachesUndiscoveredPin(element, unblocked, discovered, work);
    int pins = 0;
    for (int e : m_queue)
        if (m_isPin[static_cast<size_t>(e)]) ++pins;
    return pins;
}

bool WiringIndex::ReachesUndiscoveredPin(int element, const std::vector<int>& blocked,
                                         const std::vector<char>& discovered, long& work) const
{
    if (++m_generation == 0) {
        m_stamp.assign(m_stamp.size(), 0);
        m_generation = 1;
    }
    std::vector<int>& queue = m_queue;
    queue.assign(1, element);
    m_stamp[static_cast<size_t>(element)] = m_generation;
    for (size_t head = 0; head < queue.size(); ++head) {
        ++work;
        const size_t e = static_cast<size_t>(queue[head]);
        if (m_isPin[e] && !discovered[e]) return true;
        for (int l : m_elementLines[e]) {
            for (int next : m_lineElements[static_cast<size_t>(l)]) {
                const size_t n = static_cast<size_t>(next);
                if (m_stamp[n] == m_generation || blocked[n] > 0) continue;
                m_stamp[n] = m_generation;
                queue.push_back(next);
            }
        }
    }
    return false;
}

}  // namespace drawing
