// The node of the partner search.
#include "drawing/CPfadKnoten.h"

bool operator==(const PfadEintrag& a, const PfadEintrag& b)
{
    if (a.art != b.art) return false;
    switch (a.art) {
    case PfadEintrag::kPin: return a.objektId == b.objektId && a.pinId == b.pinId;
    case PfadEintrag::kKnoten: return a.knotenId == b.knotenId;
    default: return a.name == b.name;
    }
}

CPfadKnoten::CPfadKnoten(int childCount, const PfadEintrag& own, CPfadKnoten* parent)
    : nextChild(childCount - 1),
      m_parent(parent),
      m_children(static_cast<size_t>(childCount > 0 ? childCount : 0), -1),
      m_own(own),
      m_pathLength(parent ? parent->GetPathLength() + 1 : 1)
{
}

int CPfadKnoten::GetChild(int index) const
{
    return index >= 0 && index < GetChildCount() ? m_children[static_cast<size_t>(index)] : -1;
}

void CPfadKnoten::SetChild(int index, int lineId)
{
    if (index >= 0 && index < GetChildCount()) m_children[static_cast<size_t>(index)] = lineId;
}

PfadEintrag CPfadKnoten::GetPathEntry(int index) const
{
    if (index < 0 || index >= m_pathLength) return PfadEintrag();
    const CPfadKnoten* node = this;
    for (int i = m_pathLength - 1; i > index; --i) node = node->m_parent;
    return node->m_own;
}
