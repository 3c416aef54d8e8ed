// What the network forms of this folder share: the network settings dialog and the labels a network object shows
// in the drawing.
#pragma once

#include "platform/CString.h"
#include "platform/Types.h"

#include <functional>

class CSCCmd;
class CWnd;
class CZeichnung;

namespace forms {

// Opens the network settings dialog for the working copy (read, repair, dialog, on OK write into working file 2);
// true when the controller's node number was changed.
bool EditNetworkSettings(CWnd* owner);

// The network number the drawing stores for the object; 0 when it stores none or one above highest.
BYTE StoredNetworkNumber(int objectId, BYTE highest);

// The ids of a network object's type, node and output labels in the drawing; an id of 0 or below: no such label.
struct NetworkLabelIds {
    int type = 0;
    int node = 0;
    int output = 0;
};

// Sends the network object's number label, the code, and its name label, the text nameText gives (asked only when
// the object has that label).
void SendNetworkNumberLabels(CSCCmd& channel, CZeichnung& drawing, int objectId, BYTE code,
                             const std::function<CString()>& nameText);
// The object's type, node and output label ids; false when the drawing has no network data of the object.
bool GetNetworkLabelIds(CZeichnung& drawing, int objectId, NetworkLabelIds& ids);
// Sends the node and output labels the object has: the numbers when the object is in use, else the text of an
// unused network object.
void SendNetworkPlaceLabels(CSCCmd& channel, const NetworkLabelIds& ids, bool used, int node, int output);

}  // namespace forms
