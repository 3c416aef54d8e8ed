// Start-up registration: every dialog template of the table reaches the registry under its id, whole, and every
// picture of tree and list items under its bitmap id.
#include "resources/ResourceIds.h"
#include "resources/ResourceTables.h"
#include "resources/Resources.h"

#include "platform/ResourceRegistry.h"

#include <gtest/gtest.h>

#include <set>
#include <vector>

namespace {

TEST(ResourcesTest, EveryListedDialogTemplateIsRegisteredUnderItsId)
{
    resources::RegisterResources();
    const platform::ResourceRegistry& registry = platform::ResourceRegistry::Instance();
    for (const platform::DialogTemplate* expected :
         {&resources::kBezeichnungenTemplate, &resources::kDatentransferTemplate, &resources::kZeichnungAuswertenTemplate,
          &resources::kZeitprogrammTemplate}) {
        const platform::DialogTemplate* registered = registry.Dialog(expected->id);
        ASSERT_NE(registered, nullptr) << expected->id;
        EXPECT_EQ(registered->style, expected->style) << expected->id;
        ASSERT_EQ(registered->controls.size(), expected->controls.size()) << expected->id;
        for (size_t i = 0; i < expected->controls.size(); ++i)
            EXPECT_EQ(registered->controls[i].id, expected->controls[i].id) << expected->id << " control " << i;
    }
    EXPECT_EQ(registry.Dialog(IDD_DATENTRANSFER)->controls.size(), 3u);
    EXPECT_EQ(registry.Dialog(IDD_ZEICHNUNG_AUSWERTEN)->controls.size(), 4u);
}

// The opaque pixels of an image, as (position, colour) pairs.
std::set<std::pair<int, std::uint32_t>> Drawn(const platform::Image& image)
{
    std::set<std::pair<int, std::uint32_t>> drawn;
    for (int y = 0; y < image.size.cy; ++y)
        for (int x = 0; x < image.size.cx; ++x)
            if (image.At(x, y) >> 24)
                drawn.insert({y * image.size.cx + x, image.At(x, y)});
    return drawn;
}

TEST(ResourcesTest, EveryItemPictureIsRegisteredDrawnAndHasADifferentSelectedVariant)
{
    const struct {
        UINT bitmap;
        UINT selected;
    } cases[] = {
        {IDB_TILE_F, IDB_TILE_F_SELECTED}, {IDB_DOT, IDB_DOT_SELECTED},       {IDB_TILE_A, IDB_TILE_A_SELECTED},
        {IDB_TILE_B, IDB_TILE_B_SELECTED}, {IDB_TILE_C, IDB_TILE_C_SELECTED}, {IDB_TILE_T, IDB_TILE_T_SELECTED},
        {IDB_TILE_E, IDB_TILE_E_SELECTED}, {IDB_TILE_BAR, IDB_TILE_BAR_SELECTED},
    };
    resources::RegisterResources();
    const platform::ResourceRegistry& registry = platform::ResourceRegistry::Instance();
    std::vector<std::set<std::pair<int, std::uint32_t>>> pictures;
    for (const auto& c : cases) {
        for (UINT id : {c.bitmap, c.selected}) {
            SCOPED_TRACE(id);
            const platform::Image* image = registry.GetImage(id);
            ASSERT_NE(image, nullptr);
            ASSERT_EQ(image->size, CSize(16, 16));
            ASSERT_EQ(image->pixels.size(), 256u);
            // A picture fills a good part of its square: more than a quarter of it for the dot.
            EXPECT_GT(Drawn(*image).size(), 40u);
            pictures.push_back(Drawn(*image));
        }
        const auto& normal = pictures[pictures.size() - 2];
        const auto& selected = pictures.back();
        EXPECT_NE(normal, selected) << c.bitmap << " and " << c.selected << " look the same";
    }
    // No two of the sixteen pictures are alike: every letter and every variant can be told apart.
    EXPECT_EQ(std::set(pictures.begin(), pictures.end()).size(), pictures.size());
}

}  // namespace
