// The store's slot operations as the evaluation uses them: create and delete functions and messages of a working
// file and rename the drawing objects through the command channel.
#include "drawing/SlotChanges.h"

#include "platform/CLocale.h"
#include "shell/CSCCmd.h"
#include "store/CParaDaten.h"
#include "store/FuncEntry.h"
#include "texts/CTexte.h"

#include <cstring>

namespace drawing {

namespace {

using DefaultRecord = void (*)(BYTE*);

// The default record of a new slot, by type code 1 to 23.
constexpr DefaultRecord kDefaults[24] = {
    nullptr,
    &CParaDaten::GetDefaultHzkrReg,       &CParaDaten::GetDefaultAnfHeizung,   &CParaDaten::GetDefaultAnfWarmwasser,
    &CParaDaten::GetDefaultLadepumpe,     &CParaDaten::GetDefaultZirkulation,  &CParaDaten::GetDefaultSolarregelung,
    &CParaDaten::GetDefaultSolarvorrang,  &CParaDaten::GetDefaultPidRegelung,  &CParaDaten::GetDefaultVergleich,
    &CParaDaten::GetDefaultLogikfunc,     &CParaDaten::GetDefaultAnalogfunc,   &CParaDaten::GetDefaultWmz,
    &CParaDaten::GetDefaultWartungsfunc,  &CParaDaten::GetDefaultTimer,        &CParaDaten::GetDefaultSchaltuhr,
    &CParaDaten::GetDefaultStartfunc,     &CParaDaten::GetDefaultZaehler,      &CParaDaten::GetDefaultKuehlfunc,
    &CParaDaten::GetDefaultMischerReg,    &CParaDaten::GetDefaultFuncKontrolle, &CParaDaten::GetDefaultSync,
    &CParaDaten::GetDefaultProfilfunc,    &CParaDaten::GetDefaultKesselkaskade,
};

SlotChanges g_storeChanges;
SlotChanges* g_changes = &g_storeChanges;

void Rename(CSCCmd* channel, int objectId, const CString& kind, int number)
{
    if (channel == nullptr) return;
    channel->SetObj(static_cast<UINT>(objectId),
                    CString(platform::FormatC("%s%s%d", kind.GetString(), "$", number)));
}

}  // namespace

SlotChanges& GetSlotChanges() { return *g_changes; }
void SetSlotChanges(SlotChanges* changes) { g_changes = changes != nullptr ? changes : &g_storeChanges; }

bool SlotChanges::CreateFunc(CParaDaten& para, int file, int objectId, int typeCode, CSCCmd* channel)
{
    if (typeCode < 1 || typeCode > 23) return false;
    bool used[44] = {};
    BYTE slot = 0;
    for (BYTE s = 1; s <= 44; ++s) {
        int id = -1;
        if (!para.GetFuncId(file, s, id)) return false;
        if (id < 0) {
            slot = s;
            break;
        }
        FuncEntry entry;
        para.GetFuncEntry(file, s, entry);
        if (entry.number < 44) used[entry.number] = true;
    }
    if (slot == 0) return false;
    int number = 0;
    while (number < 44 && used[number]) ++number;
    if (number >= 44) return false;

    BYTE entry[8] = {static_cast<BYTE>(typeCode), 0xFF, 0, static_cast<BYTE>(number), 0xFF, 0xFF, 0xFF, 0xFF};
    BYTE record[128];
    std::memset(record, 0xFF, sizeof record);
    kDefaults[typeCode](record);
    if (!para.SetFuncId(file, slot, objectId) || !para.WriteFuncRaw(file, slot, entry, record)) return false;
    Rename(channel, objectId, CTexte().GetFunktionsArt(static_cast<BYTE>(typeCode)), number);
    return true;
}

bool SlotChanges::DeleteFunc(CParaDaten& para, int file, BYTE slot, CSCCmd*)
{
    if (slot < 1 || slot > 44) return false;
    if (slot < 44 && !para.MoveFunc(file, slot, 44)) return false;
    // The deleted function now stands in slot 44, which becomes free.
    BYTE entry[8] = {0, 0xFF, 0, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF};
    BYTE record[128];
    std::memset(record, 0xFF, sizeof record);
    return para.SetFuncId(file, 44, -1) && para.WriteFuncRaw(file, 44, entry, record);
}

bool SlotChanges::CreateMeldung(CParaDaten& para, int file, int objectId, CSCCmd* channel)
{
    bool used[8] = {};
    BYTE slot = 0;
    for (BYTE s = 1; s <= 8; ++s) {
        const BYTE number = para.GetMeldungNr(file, s);
        if (number < 128) {
            if (number < 8) used[number] = true;
        } else if (slot == 0) {
            slot = s;
        }
    }
    if (slot == 0) return false;
    int number = 0;
    while (number < 8 && used[number]) ++number;
    if (number >= 8) return false;
    BYTE record[16] = {};
    record[1] = 1;
    if (!para.SetMeldungId(file, slot, objectId) || !para.SetMeldungNr(file, slot, static_cast<BYTE>(number)) ||
        !para.WriteMeldungRaw(file, slot, record))
        return false;
    Rename(channel, objectId, "Meldung", number);
    return true;
}

bool SlotChanges::DeleteMeldung(CParaDaten& para, int file, BYTE slot, CSCCmd*)
{
    if (slot < 1 || slot > 8) return false;
    BYTE record[16] = {};
    return para.SetMeldungId(file, slot, -1) && para.SetMeldungNr(file, slot, 0xFF) &&
           para.WriteMeldungRaw(file, slot, record);
}

}  // namespace drawing
