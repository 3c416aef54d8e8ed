// The drawing reader's partner search: every pin joined to a pin through lines, junctions and signal transfers.
//
// The search walks the paths from the start pin depth first, exploring a node's lines from the last to the first;
// for each line it takes the first end (of at most two counted ends, line ends at pins first, then junctions, then
// signal names) that is not already on the path. A pin is listed when it is first reached, so the result holds each
// pin once, in the order of first reaching.
//
// A node is only entered when some pin not yet listed can still be reached from it without passing an element of
// the current path. Entering any other node could only list pins again, so leaving it out keeps the result exactly
// as the walk over every path would give it, while a meshed net no longer costs a walk over all of its paths.
#include "drawing/CPfadKnoten.h"
#include "drawing/CZeichnung.h"
#include "drawing/WiringIndex.h"

#include <memory>
#include <span>

namespace {

// The most work (nodes entered and elements looked at) of one search. A drawing's own wiring stays far below it;
// only wiring files damaged into nets the drawing tool cannot draw (a line caught by three connectors) can leave
// paths whose every branch looks promising, and the search then ends there with the partners found so far.
constexpr long kMaxArbeit = 2'000'000;

}  // namespace

int CZeichnung::FindPartner(int objektId, int pinId, CVerbindungsListe& liste)
{
    liste.SetSize(0);
    const drawing::WiringIndex& w = Wiring();
    const int rootFang = w.FindFang(objektId, pinId);
    if (rootFang < 0) return 0;

    const size_t elementCount = static_cast<size_t>(w.ElementCount());
    std::vector<int> onPath(elementCount, 0);
    std::vector<char> listed(elementCount, 0);
    std::vector<VerbindungsPaar> found;  // each pin once, in the order of its first finding
    std::vector<std::unique_ptr<CPfadKnoten>> stack;
    long arbeit = 0;

    auto push = [&](const PfadEintrag& entry, std::span<const int> lines) {
        CPfadKnoten* parent = stack.empty() ? nullptr : stack.back().get();
        auto node = std::make_unique<CPfadKnoten>(static_cast<int>(lines.size()), entry, parent);
        for (size_t i = 0; i < lines.size(); ++i) node->SetChild(static_cast<int>(i), lines[i]);
        ++onPath[static_cast<size_t>(entry.element)];
        stack.push_back(std::move(node));
        arbeit += 1 + static_cast<long>(lines.size());
    };

    const drawing::WiringIndex::Fang& root = w.FangRecords()[static_cast<size_t>(rootFang)];
    PfadEintrag rootEntry;
    rootEntry.art = PfadEintrag::kPin;
    rootEntry.objektId = objektId;
    rootEntry.pinId = pinId;
    rootEntry.element = w.PinElement(objektId, pinId);
    push(rootEntry, root.linien);

    // Once every pin the start pin's net holds is listed, the rest of the walk cannot change the result.
    const size_t allPartners = static_cast<size_t>(w.ReachablePins(rootEntry.element, arbeit) - 1);

    int counter = 0;
    bool lineDone = false, nodeDone = false, sigDone = false;
    auto reset = [&] {
        counter = 0;
        lineDone = nodeDone = sigDone = false;
    };
    // Enters the element as a child of the current node, or, when nothing new can be reached from it, goes on as
    // if its node had been explored and left.
    auto enter = [&](const PfadEintrag& entry, std::span<const int> lines) {
        if (w.ReachesUndiscoveredPin(entry.element, onPath, listed, arbeit)) {
            push(entry, lines);
        } else {
            --stack.back()->nextChild;
        }
        reset();
    };

    while (!stack.empty() && arbeit < kMaxArbeit && found.size() < allPartners) {
        ++arbeit;
        CPfadKnoten& current = *stack.back();
        if (current.nextChild < 0) {
            --onPath[static_cast<size_t>(current.Own().element)];
            stack.pop_back();
            if (!stack.empty()) --stack.back()->nextChild;
            reset();
            continue;
        }
        if (counter >= 2 || (lineDone && nodeDone && sigDone)) {
            --current.nextChild;
            reset();
            continue;
        }
        const int line = current.GetChild(current.nextChild);
        bool created = false;

        if (!lineDone) {
            bool ended = false;
            for (int r : w.LineMatches(line)) {
                ++counter;
                const drawing::WiringIndex::LineEnd& end = w.LineRecords()[static_cast<size_t>(r)];
                if (onPath[static_cast<size_t>(end.element)] == 0) {
                    // Only a pin's first finding decides its place in the result.
                    if (!listed[static_cast<size_t>(end.element)]) found.push_back({end.objektId, end.pinId});
                    listed[static_cast<size_t>(end.element)] = 1;
                    const int fang = w.FangOfElement(end.element);
                    if (fang >= 0) {
                        PfadEintrag entry;
                        entry.art = PfadEintrag::kPin;
                        entry.objektId = end.objektId;
                        entry.pinId = end.pinId;
                        entry.element = end.element;
                        enter(entry, w.FangRecords()[static_cast<size_t>(fang)].linien);
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
            bool& done = file == 0 ? nodeDone : sigDone;
            if (counter >= 2 || done) continue;
            const auto& matches = file == 0 ? w.NodeMatches(line) : w.SigMatches(line);
            const auto& records = file == 0 ? w.NodeRecords() : w.SigRecords();
            bool ended = false;
            for (int r : matches) {
                ++counter;
                const drawing::WiringIndex::Verbund& v = records[static_cast<size_t>(r)];
                if (onPath[static_cast<size_t>(v.element)] == 0) {
                    PfadEintrag entry;
                    entry.art = file == 0 ? PfadEintrag::kKnoten : PfadEintrag::kSignal;
                    entry.knotenId = v.knoten;
                    entry.name = v.name;
                    entry.element = v.element;
                    enter(entry, v.andere);
                    created = true;
                    ended = true;
                    break;
                }
                if (counter >= 2) {
                    ended = true;
                    break;
                }
            }
            if (!ended) done = true;
        }
    }

    for (const VerbindungsPaar& paar : found) liste.Add(paar);
    return liste.GetCount();
}
