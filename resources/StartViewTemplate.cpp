// Form template of the start view: an empty form that fills the main frame until another form is switched in.
#include "resources/ResourceIds.h"
#include "resources/ResourceTables.h"

#include "platform/ResourceRegistry.h"

namespace resources {

void RegisterStartViewTemplate()
{
    platform::ResourceRegistry::Instance().AddDialog(platform::DialogTemplate {
        IDD_MORV9274_FORM, WS_CHILD, {0, 0, 420, 335}, "", {"MS Sans Serif", 8}, {}});
}

}  // namespace resources
