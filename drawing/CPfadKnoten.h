// One node of the partner search: a pin, junction or signal name reached over a path, with the lines to explore.
#pragma once

#include <string>
#include <vector>

// An element on a search path.
struct PfadEintrag {
    enum Art { kPin = 0, kKnoten = 1, kSignal = 2 };
    int art = kKnoten;
    int objektId = 0;   // pin
    int pinId = 0;      // pin
    int knotenId = -1;  // junction
    std::string name;   // signal name
    int element = -1;   // the element's number in the wiring index
};

bool operator==(const PfadEintrag& a, const PfadEintrag& b);

class CPfadKnoten {
public:
    // The children start as -1 and are set with SetChild; the next child to explore is the last one. The path is
    // the parent's path (none without a parent) and the own entry; the parent must outlive the node.
    CPfadKnoten(int childCount, const PfadEintrag& own, CPfadKnoten* parent);
    virtual ~CPfadKnoten() = default;

    // -1 for an index outside 0 .. child count - 1.
    int GetChild(int index) const;
    // Ignored for an index outside the children.
    void SetChild(int index, int lineId);
    // The entry at index of the path from the start pin to this node (own entry last); a junction entry with id -1
    // outside it. The path is kept as the chain of parents, so creating a node costs nothing per path entry.
    PfadEintrag GetPathEntry(int index) const;
    const PfadEintrag& Own() const { return m_own; }
    int GetPathLength() const { return m_pathLength; }
    int GetChildCount() const { return static_cast<int>(m_children.size()); }
    CPfadKnoten* Parent() const { return m_parent; }

    int nextChild;  // counts down; the node is finished below 0

private:
    CPfadKnoten* m_parent;
    std::vector<int> m_children;
    PfadEintrag m_own;
    int m_pathLength;
};
