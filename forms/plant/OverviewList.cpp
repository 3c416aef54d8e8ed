// The function overview's insertion and removal rules.
#include "forms/plant/OverviewList.h"

namespace plant {

using E = FuncViewEntry;

Insertion InsertionAt(const std::vector<FuncViewEntry>& list, size_t position, const FuncViewEntry& entry)
{
    const E* prev = position > 0 && position <= list.size() ? &list[position - 1] : nullptr;
    const E* found = position < list.size() ? &list[position] : nullptr;
    const bool header = entry.kind == E::kGruppe;
    const bool newHeader = !prev || header || prev->group != entry.group;
    Insertion insertion;
    if (newHeader)
        insertion.chain.push_back({E::kGruppe, entry.group, 0});
    if (!header) {
        insertion.target = insertion.chain.size();
        insertion.chain.push_back(entry);
    }
    // Inside a run of another group: the rest of the run gets a header of its own again.
    if (newHeader && found && found->kind != E::kGruppe)
        insertion.chain.push_back({E::kGruppe, found->group, 0});
    return insertion;
}

size_t RemovalEnd(const std::vector<FuncViewEntry>& list, size_t index)
{
    size_t end = index + 1;
    if (index < list.size() && list[index].kind == E::kGruppe)
        while (end < list.size() && list[end].kind != E::kGruppe)
            ++end;
    return end;
}

bool IsLevelValue(const FuncViewEntry& entry)
{
    switch (entry.kind) {
    case E::kUserA:
    case E::kUserB:
    case E::kUserC:
    case E::kTechniker:
    case E::kExperte: return true;
    default: return false;
    }
}

}  // namespace plant
