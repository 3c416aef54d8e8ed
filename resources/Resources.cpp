// The resource tables the program registers at start-up.
//
// Each dialog template of this folder (one file per dialog) is a constant declared in ResourceTables.h and listed
// once in kDialogTemplates. Resources of other kinds (toolbars, string tables) add a registration function to
// kRegistrars.
#include "resources/Resources.h"
#include "resources/ResourceTables.h"

#include "platform/ResourceRegistry.h"

#include <initializer_list>

namespace resources {

namespace {

// Dialog templates: one row per dialog.
const platform::DialogTemplate* const kDialogTemplates[] = {
    &kBezeichnungenTemplate,
    &kDatentransferTemplate,
    &kExportParaTemplate,
    &kImportTemplate,
    &kZeichnungAuswertenTemplate,
    &kZeitprogrammTemplate,
    &kFuncViewTemplate,
    &kCanLoggingTemplate,
    &kFuncOrderTemplate,
    &kMeldungOrderTemplate,
};

using Registrar = void (*)();

// Resources that are no dialog template of the table above add their registration function here.
constexpr std::initializer_list<Registrar> kRegistrars = {
    RegisterAboutTemplate,
    RegisterKesselServiceTemplate,
    RegisterMainFrameResources,
    RegisterProductionTemplates,
    RegisterProtokollTemplate,
    RegisterStartViewTemplate,
    RegisterToolBars,
};

}  // namespace

void RegisterResources()
{
    platform::ResourceRegistry& registry = platform::ResourceRegistry::Instance();
    for (const platform::DialogTemplate* dialogTemplate : kDialogTemplates)
        registry.AddDialog(*dialogTemplate);
    for (Registrar registrar : kRegistrars)
        registrar();
}

}  // namespace resources
