// The network settings from the forms of this folder.
#include "forms/plant/NetworkSettings.h"

namespace forms {

// The network settings dialog is shared with the compiler form and lives with the shared dialogs; this is the one
// place that opens it from here once it is built.
bool EditNetworkSettings(CWnd*)
{
    return false;
}

}  // namespace forms
