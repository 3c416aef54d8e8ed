// What the network forms of this folder share.
#include "forms/plant/NetworkSettings.h"

#include "drawing/CZeichnung.h"
#include "forms/dialogs/CNetzEinstellungenDlg.h"
#include "link/CSCCmd.h"
#include "resources/PlantTexts.h"

namespace forms {

namespace {

CString Number(int n)
{
    CString text;
    text.Format("%d", n);
    return text;
}

}  // namespace

bool EditNetworkSettings(CWnd* owner)
{
    NetzwerkParam before;
    NetzwerkParam after;
    return ::EditNetworkSettings(owner, before, after) && after.node != before.node;
}

BYTE StoredNetworkNumber(int objectId, BYTE highest)
{
    CZeichnung drawing;
    BYTE code = 0;
    int textId = 0;
    if (!drawing.GetNetzNr(objectId, code, textId) || code > highest)
        return 0;
    return code;
}

void SendNetworkNumberLabels(CSCCmd& channel, CZeichnung& drawing, int objectId, BYTE code,
                             const std::function<CString()>& nameText)
{
    BYTE stored = 0;
    int textId = 0;
    if (drawing.GetNetzNr(objectId, stored, textId) && textId > 0)
        channel.SetText(static_cast<UINT>(textId), Number(code));
    if (drawing.GetTextId(objectId, textId) && textId > 0)
        channel.SetText(static_cast<UINT>(textId), nameText());
}

bool GetNetworkLabelIds(CZeichnung& drawing, int objectId, NetworkLabelIds& ids)
{
    CString typeText;
    BYTE node = 0;
    BYTE output = 0;
    return drawing.GetNetzDaten(objectId, typeText, ids.type, node, ids.node, output, ids.output);
}

void SendNetworkPlaceLabels(CSCCmd& channel, const NetworkLabelIds& ids, bool used, int node, int output)
{
    if (ids.node > 0)
        channel.SetText(static_cast<UINT>(ids.node), used ? Number(node) : CString(ui::kNetzUnusedText));
    if (ids.output > 0)
        channel.SetText(static_cast<UINT>(ids.output), used ? Number(output) : CString(ui::kNetzUnusedText));
}

}  // namespace forms
