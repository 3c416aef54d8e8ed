// CTexte: lists of the functions of some types, for the combo boxes that reference other functions.
#include "texts/CTexte.h"

#include "resources/UiTexts.h"
#include "store/CParaDaten.h"
#include "store/FuncEntry.h"
#include "store/FunctionTypes.h"
#include "store/ImageLayout.h"
#include "texttables/StandardDesignations.h"

using namespace texts;

void CTexte::FillFunktionsListe(FunktionsListe& list, CParaDaten* para, TeilnehmerListe which) const
{
    CParaDaten own;
    CParaDaten& store = para ? *para : own;
    list.count = 0;
    list.entries[0].flag = 0;
    list.entries[0].text = ui::kNoDesignationList;
    for (BYTE slot = 1; slot <= layout::kFuncSlots; ++slot) {
        FuncEntry entry;
        if (!store.GetFuncEntry(CParaDaten::kWorkFile, slot, entry))
            entry = FuncEntry();
        if (!functypes::ListOffers(which, entry.type))
            continue;
        // 44 slots never overflow the 45 entries.
        ++list.count;
        list.entries[list.count].flag = static_cast<BYTE>(entry.number + 1);
        list.entries[list.count].text = GetFunktionsName(CParaDaten::kWorkFile, slot);
    }
}

void CTexte::GetAnforderungsListe(FunktionsListe& list, CParaDaten* para) const
{
    FillFunktionsListe(list, para, TeilnehmerListe::Demands);
}

void CTexte::GetSolarListe(FunktionsListe& list, CParaDaten* para) const
{
    FillFunktionsListe(list, para, TeilnehmerListe::Solar);
}

void CTexte::GetSolarListe2(FunktionsListe& list, CParaDaten* para) const
{
    FillFunktionsListe(list, para, TeilnehmerListe::Solar2);
}

void CTexte::GetHzkrListe(FunktionsListe& list, CParaDaten* para) const
{
    FillFunktionsListe(list, para, TeilnehmerListe::HeatingCircuits);
}

BYTE CTexte::FindInListe(const FunktionsListe& list, BYTE value) const
{
    for (int i = 0; i <= list.count && i < FunktionsListe::kEntryCount; ++i) {
        if (list.entries[i].flag == value)
            return static_cast<BYTE>(i);
    }
    return 0;
}

CString CTexte::GetListenBezeichnung(const FunktionsListe& list, BYTE value) const
{
    for (int i = 0; i <= list.count && i < FunktionsListe::kEntryCount; ++i) {
        if (list.entries[i].flag == value)
            return list.entries[i].text;
    }
    return CString();
}
