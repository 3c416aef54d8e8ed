// Start-up registration: every dialog template of the table reaches the registry under its id, whole.
#include "resources/ResourceIds.h"
#include "resources/ResourceTables.h"
#include "resources/Resources.h"

#include "platform/ResourceRegistry.h"

#include <gtest/gtest.h>

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

}  // namespace
