// The save, assign and save-assign ends of the plant forms.
#include "forms/plant/PlantEnds.h"

#include "drawing/CZeichnung.h"
#include "forms/dialogs/SaveRefusal.h"
#include "link/CSCCmd.h"
#include "platform/CWaitCursor.h"
#include "platform/CWnd.h"
#include "platform/ProcessExit.h"
#include "store/CParaDaten.h"
#include "texts/CTexte.h"

namespace plant {

void RunPlantEnd(PlantEnd end, PlantEndForm& form)
{
    if (end == PlantEnd::Assign && !form.MayAssign())
        return;
    SetCursor(LoadCursor(nullptr, IDC_WAIT));
    CParaDaten para;
    CZeichnung drawing;
    CSCCmd channel(form.Run());
    CTexte texte;
    const UINT groups = form.DesignationsChanged() ? CTexte::kLabelsAlle : form.OwnLabelGroups();

    // A record that could not be written or committed leaves the form open and sends nothing.
    bool written = form.WriteRecord(para, CParaDaten::kWorkFile, end);
    if (written && end == PlantEnd::Assign)
        written = form.WriteRecord(para, CParaDaten::kParaFile, end);
    if (!written) {
        forms::RefuseSave(dynamic_cast<CWnd*>(&form));
        return;
    }
    if (end != PlantEnd::Save)
        form.StoreNumber(drawing);
    if (end != PlantEnd::Assign && !para.CommitWorkFile()) {
        forms::RefuseSave(dynamic_cast<CWnd*>(&form));
        return;
    }

    channel.Reset();
    if (end != PlantEnd::Save)
        form.SendObjectTexts(channel, drawing, texte);
    if (end == PlantEnd::Save)
        texte.UpdateZeichnung(channel, groups, -1);
    else if (end == PlantEnd::SaveAssign)
        texte.UpdateZeichnung(channel, groups, form.Start().id);
    if (end != PlantEnd::Assign && form.OtherLabelGroups() != 0 && groups != CTexte::kLabelsAlle)
        texte.UpdateZeichnung(channel, form.OtherLabelGroups(), -1);
    channel.SetFileNotUpToDate();
    channel.Execute();
    SetCursor(LoadCursor(nullptr, IDC_ARROW));
    if (end != PlantEnd::Assign)
        platform::EndProcess(0);
}

}  // namespace plant
