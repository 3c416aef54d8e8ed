// The list of resource tables the program registers at start-up.
//
// Each resource file of this folder (one per dialog or group of forms, toolbars, the string table) defines one
// function that adds its tables to platform::ResourceRegistry, and is listed here.
#include "resources/Resources.h"
#include "resources/ResourceTables.h"

#include <initializer_list>

namespace resources {

namespace {

using Registrar = void (*)();

// Resource files add their registration function here.
constexpr std::initializer_list<Registrar> kRegistrars = {
    RegisterAboutTemplate,
    RegisterDatentransferTemplate,
    RegisterMainFrameResources,
    RegisterProtokollTemplate,
    RegisterStartViewTemplate,
    RegisterToolBars,
    RegisterZeichnungAuswertenTemplate,
};

}  // namespace

void RegisterResources()
{
    for (Registrar registrar : kRegistrars)
        registrar();
}

}  // namespace resources
