// The partner search: nets of lines, junctions and signal transfers, and a differential test of the search against
// a walk over every path, done here exactly as the wiring files are read, on many small random nets.
#include "DrawingTestSupport.h"

#include "drawing/CFeldDatei.h"
#include "drawing/CZeichnung.h"

#include <algorithm>
#include <chrono>
#include <map>
#include <random>
#include <set>

using namespace drawingtest;

namespace {

using Paare = std::vector<std::pair<int, int>>;

Paare Partner(int objekt, int pin)
{
    CZeichnung z;
    CVerbindungsListe liste;
    const int count = z.FindPartner(objekt, pin, liste);
    Paare result;
    for (int i = 0; i < liste.GetCount(); ++i) result.emplace_back(liste.GetAt(i)->objektId, liste.GetAt(i)->pinId);
    EXPECT_EQ(count, static_cast<int>(result.size()));
    return result;
}

// The search as a walk over every path from the start pin, reading the four wiring files from their start at
// every step. Its time grows with the number of paths; it serves only as the reference of the differential test.
class WalkOverEveryPath {
public:
    WalkOverEveryPath()
        : m_fang("para/Connect2Fang.tmp"), m_line("para/Connect2Line.tmp"), m_node("para/Connect2Node.tmp"),
          m_sig("para/Connect2SigOver.tmp")
    {
    }

    Paare Find(int objekt, int pin)
    {
        Paare found;
        std::vector<int> lines;
        if (!FangRecord(objekt, pin, lines)) return found;
        std::vector<Node> stack;
        stack.push_back(Node{static_cast<int>(lines.size()) - 1, lines, {Entry{0, objekt, pin, ""}}});
        int counter = 0;
        bool lineDone = false, nodeDone = false, sigDone = false;
        auto reset = [&] {
            counter = 0;
            lineDone = nodeDone = sigDone = false;
        };
        while (!stack.empty()) {
            if (stack.back().next < 0) {
                stack.pop_back();
                if (!stack.empty()) --stack.back().next;
                reset();
                continue;
            }
            if (counter >= 2 || (lineDone && nodeDone && sigDone)) {
                --stack.back().next;
                reset();
                continue;
            }
            const int line = stack.back().children[static_cast<size_t>(stack.back().next)];
            const std::vector<Entry> path = stack.back().path;
            bool created = false;
            if (!lineDone) {
                bool ended = false;
                m_line.Seek(0, 0);
                while (m_line.GetPosition() < m_line.GetLength()) {
                    const int l = m_line.ReadInt(), o = m_line.ReadInt(), p = m_line.ReadInt();
                    if (m_line.IsPastEnd()) break;
                    if (l != line) continue;
                    ++counter;
                    const Entry e{0, o, p, ""};
                    if (!OnPath(path, e)) {
                        found.emplace_back(o, p);
                        std::vector<int> childLines;
                        if (FangRecord(o, p, childLines)) {
                            Push(stack, path, e, childLines);
                            reset();
                            created = true;
                        }
                        ended = true;
                        break;
                    }
                    if (counter >= 2) {
                        ended = true;
                        break;
                    }
                }
                if (!ended) lineDone = true;
            }
            for (int file = 0; file < 2 && !created; ++file) {
                CFeldDatei& f = file == 0 ? m_node : m_sig;
                bool& done = file == 0 ? nodeDone : sigDone;
                if (counter >= 2 || done) continue;
                bool ended = false;
                f.Seek(0, 0);
                while (f.GetPosition() < f.GetLength()) {
                    const int l = f.ReadInt();
                    Entry e{file + 1, 0, 0, ""};
                    if (file == 0) e.a = f.ReadInt();
                    else e.name = f.ReadText30().str();
                    const int n = f.ReadInt();
                    if (f.IsPastEnd() || n < 0) break;
                    if (l != line) {
                        f.Seek(n * 10, 1);
                        continue;
                    }
                    ++counter;
                    if (!OnPath(path, e)) {
                        std::vector<int> others;
                        for (int i = 0; i < n; ++i) others.push_back(f.ReadInt());
                        Push(stack, path, e, others);
                        reset();
                        created = true;
                        ended = true;
                        break;
                    }
                    f.Seek(n * 10, 1);
                    if (counter >= 2) {
                        ended = true;
                        break;
                    }
                }
                if (!ended) done = true;
            }
        }
        Paare distinct;
        for (const auto& p : found)
            if (std::find(distinct.begin(), distinct.end(), p) == distinct.end()) distinct.push_back(p);
        return distinct;
    }

private:
    struct Entry {
        int art;  // 0 pin, 1 junction, 2 signal name
        int a, b;
        std::string name;
    };
    struct Node {
        int next;
        std::vector<int> children;
        std::vector<Entry> path;
    };

    static bool OnPath(const std::vector<Entry>& path, const Entry& e)
    {
        for (const Entry& p : path) {
            if (p.art != e.art) continue;
            if (e.art == 0 && p.a == e.a && p.b == e.b) return true;
            if (e.art == 1 && p.a == e.a) return true;
            if (e.art == 2 && p.name == e.name) return true;
        }
        return false;
    }

    static void Push(std::vector<Node>& stack, const std::vector<Entry>& path, const Entry& e, const std::vector<int>& lines)
    {
        std::vector<Entry> childPath = path;
        childPath.push_back(e);
        stack.push_back(Node{static_cast<int>(lines.size()) - 1, lines, childPath});
    }

    bool FangRecord(int objekt, int pin, std::vector<int>& lines)
    {
        m_fang.Seek(0, 0);
        while (m_fang.GetPosition() < m_fang.GetLength()) {
            const int o = m_fang.ReadInt(), p = m_fang.ReadInt(), n = m_fang.ReadInt();
            if (m_fang.IsPastEnd() || n < 0) return false;
            if (o == objekt && p == pin) {
                for (int i = 0; i < n; ++i) lines.push_back(m_fang.ReadInt());
                return true;
            }
            m_fang.Seek(n * 10, 1);
        }
        return false;
    }

    CFeldDatei m_fang, m_line, m_node, m_sig;
};

class PartnerSearchTest : public InTempFolder {};

std::string Vergleich(int id, std::initializer_list<int> freigabe, std::initializer_list<int> wertA,
                      std::initializer_list<int> ergebnis)
{
    return Obj("rectangle", id, "Vergleich$1",
               Connector(id + 1, "Freigabe Funktion", freigabe) + Connector(id + 2, "Wert a", wertA) +
                   Connector(id + 4, "Ergebnis", ergebnis));
}

TEST_F(PartnerSearchTest, NetsOfLinesJunctionsAndSignals)
{
    const std::string signal = "Signal_&#220;bergabe";
    ASSERT_EQ(Parse(Doc(
                  // A sensor wired to the inputs of two functions.
                  Obj("rectangle", 100, "Eingang$1", Connector(101, "Eingang", {1, 2})) +
                  Vergleich(200, {}, {1}, {}) + Vergleich(300, {}, {2}, {}) +
                  // Three lines at a junction, with the output of a third function.
                  Vergleich(400, {10}, {}, {}) + Vergleich(500, {11}, {}, {}) + Vergleich(600, {}, {}, {12}) +
                  Obj("polylinie", 700, "Knotenpunkt", Connector(701, "k", {10, 11}) + Connector(702, "k", {12})) +
                  // Signal transfers "A" join, "a" does not.
                  Vergleich(800, {20}, {}, {}) + Vergleich(900, {21}, {}, {}) + Vergleich(1000, {22}, {}, {}) +
                  Obj("polylinie", 810, signal, Text(811, "Bezeichnung", "A") + Connector(812, "s", {20})) +
                  Obj("polylinie", 910, signal, Text(911, "Bezeichnung", "A") + Connector(912, "s", {21})) +
                  Obj("polylinie", 1010, signal, Text(1011, "Bezeichnung", "a") + Connector(1012, "s", {22})) +
                  // A loop of parallel lines between two pins and a third pin on one of them.
                  Vergleich(1100, {30, 31}, {}, {}) + Vergleich(1200, {30, 31, 32}, {}, {}) +
                  Vergleich(1300, {32}, {}, {}) + Vergleich(1400, {}, {}, {}))),
              0);
    EXPECT_EQ(Partner(200, 202), (Paare{{100, 101}, {300, 302}}));
    EXPECT_EQ(Partner(100, 101), (Paare{{300, 302}, {200, 202}}));
    EXPECT_EQ(Partner(400, 401), (Paare{{600, 604}, {500, 501}}));
    EXPECT_EQ(Partner(600, 604), (Paare{{500, 501}, {400, 401}}));
    EXPECT_EQ(Partner(800, 801), (Paare{{900, 901}}));
    EXPECT_EQ(Partner(1000, 1001), (Paare{}));
    EXPECT_EQ(Partner(1100, 1101), (Paare{{1200, 1201}, {1300, 1301}}));
    EXPECT_EQ(Partner(1400, 1401), (Paare{}));
    EXPECT_EQ(Partner(1234, 1), (Paare{}));
    WalkOverEveryPath walk;
    for (auto [o, p] : Paare{{200, 202}, {100, 101}, {400, 401}, {600, 604}, {800, 801}, {1100, 1101}, {1300, 1301}})
        EXPECT_EQ(Partner(o, p), walk.Find(o, p)) << o;
}

// A random net: pins of inputs and functions, junctions and signal transfers as catchers, and lines with (mostly)
// two ends among them. Some nets have what a careless drawing can hold: a line caught three times or once, a
// connector with a second catch object, a line caught twice by one connector.
std::string RandomNet(std::mt19937& rnd, std::vector<std::pair<int, int>>& pins)
{
    auto pick = [&](int n) { return static_cast<int>(rnd() % static_cast<unsigned>(n)); };
    struct Catcher {
        int objekt, connector;
        std::string kind;  // "pin", "junction", "signal"
        std::vector<int> lines, second;
    };
    std::vector<Catcher> catchers;
    int id = 100;
    const int objects = 2 + pick(5), junctions = pick(4), signals = pick(4);
    const bool irregular = pick(4) == 0;
    for (int i = 0; i < objects; ++i) {
        const int pinCount = 1 + pick(3);
        for (int p = 0; p < pinCount; ++p) catchers.push_back({id, id + 1 + p, "pin", {}, {}});
        id += 10;
    }
    for (int j = 0; j < junctions; ++j, id += 10) catchers.push_back({id, id + 1, "junction", {}, {}});
    for (int s = 0; s < signals; ++s, id += 10) catchers.push_back({id, id + 1, "signal", {}, {}});
    const int lineCount = 1 + pick(10);
    for (int l = 0; l < lineCount; ++l) {
        const int line = 5000 + l;
        int ends = 2;
        if (irregular && pick(5) == 0) ends = pick(2) == 0 ? 1 : 3;
        for (int e = 0; e < ends; ++e) {
            Catcher& c = catchers[static_cast<size_t>(pick(static_cast<int>(catchers.size())))];
            (irregular && c.kind == "pin" && pick(4) == 0 ? c.second : c.lines).push_back(line);
            if (irregular && pick(8) == 0) c.lines.push_back(line);
        }
    }
    auto catchXml = [](const std::vector<int>& lines) {
        std::string x = "<catchobject>";
        for (int l : lines) x += "<lineID>" + std::to_string(l) + "</lineID>";
        return x + "</catchobject>";
    };
    const char* const names[] = {"A", "B", "a"};
    std::string doc;
    std::string pinGroups;
    int current = -1;
    auto flush = [&] {
        if (current >= 0) doc += Obj("rectangle", current, "Logikfunktion$1", pinGroups);
        pinGroups.clear();
    };
    const char* const pinNames[] = {"Freigabe Funktion", "Eingangsvariable 1", "Ergebnis"};
    for (const Catcher& c : catchers) {
        if (c.kind != "pin") continue;
        if (c.objekt != current) {
            flush();
            current = c.objekt;
        }
        std::string inner;
        if (!c.lines.empty()) inner += catchXml(c.lines);
        if (!c.second.empty()) inner += catchXml(c.second);
        pinGroups += Group("polylinie", c.connector, pinNames[c.connector - c.objekt - 1], inner);
        pins.emplace_back(c.objekt, c.connector);
    }
    flush();
    for (const Catcher& c : catchers) {
        if (c.kind == "pin") continue;
        const std::string inner = c.lines.empty() ? "" : catchXml(c.lines);
        if (c.kind == "junction") {
            doc += Obj("polylinie", c.objekt, "Knotenpunkt", Group("polylinie", c.connector, "k", inner));
        } else {
            doc += Obj("polylinie", c.objekt, pick(2) ? "Signal_&#220;bergabe" : "Signal_&#220;bernahme",
                       Text(c.objekt + 5, "Bezeichnung", names[pick(3)]) + Group("polylinie", c.connector, "s", inner));
        }
    }
    return Doc(doc);
}

TEST_F(PartnerSearchTest, SameResultsAsTheWalkOverEveryPath)
{
    std::mt19937 rnd(9274);
    int compared = 0, withPartners = 0;
    for (int net = 0; net < 600; ++net) {
        std::vector<std::pair<int, int>> pins;
        const std::string xml = RandomNet(rnd, pins);
        ASSERT_EQ(Parse(xml), 0);
        WalkOverEveryPath walk;
        for (auto [o, p] : pins) {
            const Paare expected = walk.Find(o, p);
            ASSERT_EQ(Partner(o, p), expected) << "net " << net << " pin " << o << "/" << p << "\n" << xml;
            ++compared;
            if (!expected.empty()) ++withPartners;
        }
    }
    // The nets are varied enough to matter.
    EXPECT_GT(withPartners, compared / 3);
}

TEST_F(PartnerSearchTest, MeshedWiringTakesNoTimeOverEveryPath)
{
    // A grid of 8 x 8 junctions, each joined to its right and lower neighbours, with a function pin at each: far
    // too many paths for a walk over all of them.
    const int n = 8;
    std::string doc;
    auto junction = [&](int r, int c) { return 10000 + 10 * (r * n + c); };
    std::map<int, std::vector<int>> lines;
    int line = 50000;
    for (int r = 0; r < n; ++r)
        for (int c = 0; c < n; ++c) {
            if (c + 1 < n) {
                lines[junction(r, c)].push_back(line);
                lines[junction(r, c + 1)].push_back(line++);
            }
            if (r + 1 < n) {
                lines[junction(r, c)].push_back(line);
                lines[junction(r + 1, c)].push_back(line++);
            }
            lines[junction(r, c)].push_back(line);
            doc += Obj("rectangle", 1000 + 10 * (r * n + c), "Vergleich$1",
                       Group("polylinie", 1001 + 10 * (r * n + c), "Wert a",
                             "<catchobject><lineID>" + std::to_string(line++) + "</lineID></catchobject>"));
        }
    for (auto& [id, ls] : lines) {
        std::string inner = "<catchobject>";
        for (int l : ls) inner += "<lineID>" + std::to_string(l) + "</lineID>";
        doc += Obj("polylinie", id, "Knotenpunkt", Group("polylinie", id + 1, "k", inner + "</catchobject>"));
    }
    ASSERT_EQ(Parse(Doc(doc)), 0);
    const auto start = std::chrono::steady_clock::now();
    const Paare partners = Partner(1000, 1001);
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    EXPECT_EQ(partners.size(), static_cast<size_t>(n * n - 1));
    EXPECT_EQ((std::set<std::pair<int, int>>(partners.begin(), partners.end()).size()), partners.size());
    EXPECT_LT(seconds, 2.0);
}

}  // namespace
