// The network settings dialog around the working copy.
#include "forms/plant/NetzEinstellungen.h"

#include "forms/dialogs/CNetzEinstellungenDlg.h"
#include "store/CParaCheck.h"
#include "store/CParaDaten.h"

namespace plant {

bool EditNetzEinstellungen()
{
    CParaDaten para;
    NetzwerkParam read;
    para.GetNetzwerk(CParaDaten::kWorkFile, read);
    NetzwerkParam record = read;
    CParaCheck().CheckNetzKnoten(record);
    BYTE bytes[3] = {record.node, record.release, record.automatic};
    CNetzEinstellungenDlg dialog(bytes);
    if (dialog.DoModal() != IDOK)
        return false;
    para.SetNetzwerk(CParaDaten::kWorkFile, NetzwerkParam{bytes[0], bytes[1], bytes[2]});
    return bytes[0] != read.node;
}

}  // namespace plant
