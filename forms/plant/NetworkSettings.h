// The network settings from the forms of this folder.
#pragma once

class CWnd;

namespace forms {

// Opens the network settings dialog for the working copy (read, repair, dialog, on OK write into working file 2);
// true when the controller's node number was changed.
bool EditNetworkSettings(CWnd* owner);

}  // namespace forms
