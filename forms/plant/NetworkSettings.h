// The network settings from the forms of this folder.
#pragma once

class CWnd;

namespace forms {

// Opens the network settings dialog for the working copy as its callers do (read, repair, dialog, on OK write);
// true when the controller's node number was changed. Until the shared dialog is there it does nothing and
// returns false.
bool EditNetworkSettings(CWnd* owner);

}  // namespace forms
