// The table of predefined designation texts, built at compile time from the user-interface text lists.
#include "texttables/BezeichnungsTexte.h"

#include "resources/UiTexts.h"

#include <cstddef>

namespace {

using Table = std::array<const char*, kBezeichnungsTexteCount>;
namespace lists = ui::input_lists;

// Item i of a list goes to entry head - i; the list must end right after the entry before it.
template <std::size_t N>
constexpr void Place(Table& table, int head, const char* const (&items)[N])
{
    for (std::size_t i = 1; i <= N; ++i)
        table[static_cast<std::size_t>(head) - i] = items[i - 1];
}

constexpr Table Build()
{
    Table table{};
    for (const char*& entry : table)
        entry = ui::kNoDesignation;
    Place(table, texts::kHeadClimateTemperatures, lists::kClimateTemperatures);
    Place(table, texts::kHeadPerformanceTemperatures, lists::kPerformanceTemperatures);
    Place(table, texts::kHeadConsumerTemperatures, lists::kConsumerTemperatures);
    Place(table, texts::kHeadProducerTemperatures, lists::kProducerTemperatures);
    Place(table, texts::kHeadGeneralTemperatures, lists::kGeneralTemperatures);
    Place(table, texts::kHeadSolarRadiation, lists::kSolarRadiation);
    return table;
}

// Each list fills exactly the entries between the head before it and its own head.
template <std::size_t N>
constexpr bool Fits(int previousHead, int head, const char* const (&)[N])
{
    return head - static_cast<int>(N) == previousHead + 1;
}
static_assert(Fits(texts::kHeadGeneralOutputs, texts::kHeadClimateTemperatures, lists::kClimateTemperatures));
static_assert(Fits(texts::kHeadClimateTemperatures, texts::kHeadPerformanceTemperatures,
                   lists::kPerformanceTemperatures));
static_assert(Fits(texts::kHeadPerformanceTemperatures, texts::kHeadConsumerTemperatures,
                   lists::kConsumerTemperatures));
static_assert(Fits(texts::kHeadConsumerTemperatures, texts::kHeadProducerTemperatures,
                   lists::kProducerTemperatures));
static_assert(Fits(texts::kHeadProducerTemperatures, texts::kHeadGeneralTemperatures, lists::kGeneralTemperatures));
static_assert(Fits(texts::kHeadGeneralTemperatures, texts::kHeadSolarRadiation, lists::kSolarRadiation));
static_assert(texts::kHeadGeneralTemperaturesDirect == kBezeichnungsTexteCount - 1);

}  // namespace

constinit const Table g_BezeichnungsTexte = Build();
