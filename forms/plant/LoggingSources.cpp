// The source groups of the CAN data logging.
#include "forms/plant/LoggingSources.h"

#include "store/CParaDaten.h"
#include "store/ImageLayout.h"
#include "texts/CTexte.h"
#include "texttables/StandardDesignations.h"

namespace plant {

namespace {

constexpr SourceGroup kGroupsBefore[] = {{1, 16}, {97, 17}, {2, 14}};
constexpr SourceGroup kGroupsAfter[] = {{98, 8}, {99, 32}, {96, 33}};
constexpr int kHeatMeterValues = 3;

}  // namespace

std::vector<SourceGroup> LoggingSourceGroups(CParaDaten& para)
{
    std::vector<SourceGroup> groups(std::begin(kGroupsBefore), std::end(kGroupsBefore));
    CTexte texte;
    for (BYTE slot = 1; slot <= layout::kFuncSlots; ++slot) {
        FuncEntry entry;
        if (!para.GetFuncEntry(CParaDaten::kWorkFile, slot, entry) || entry.type == 0 ||
            entry.type > texts::kFunctionTypeCount)
            break;
        const int values =
            entry.type == texts::kTypeWMZ ? kHeatMeterValues : texte.GetAusgangVariableAnzahl(entry.type);
        groups.push_back({static_cast<BYTE>(entry.number + 3), values});
    }
    groups.insert(groups.end(), std::begin(kGroupsAfter), std::end(kGroupsAfter));
    return groups;
}

}  // namespace plant
