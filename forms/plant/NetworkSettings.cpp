// The network settings from the forms of this folder.
#include "forms/plant/NetworkSettings.h"

#include "forms/dialogs/CNetzEinstellungenDlg.h"

namespace forms {

bool EditNetworkSettings(CWnd* owner)
{
    NetzwerkParam before;
    NetzwerkParam after;
    return ::EditNetworkSettings(owner, before, after) && after.node != before.node;
}

}  // namespace forms
