// The network settings dialog as the network forms open it: read the settings of the working copy, repair the node
// number, run the dialog and on OK write them back into the working copy.
#pragma once

namespace plant {

// True when the dialog was confirmed with another node number than the one read.
bool EditNetzEinstellungen();

}  // namespace plant
