// Default answers of the store and text-service interface of the drawing reader.
#include "drawing/DrawingServices.h"

#include "store/CParaDaten.h"

namespace drawing {

CString DrawingServices::GetObjektArtText(const CString&) { return CString(); }
CString DrawingServices::GetPinText(const CString&, const CString&) { return CString(); }
int DrawingServices::GetAusgangVariableNr(const CString&, const CString&) { return 0; }
void DrawingServices::WriteProtokoll(int, const CString&) {}
int DrawingServices::FindMeldungSlot(int objectId)
{
    if (objectId <= 0) return 0;
    CParaDaten para;
    return para.FindMeldungSlot(CParaDaten::kWorkFile, objectId);
}

int DrawingServices::GetFunktionsNummer(int objectId)
{
    if (objectId <= 0) return -1;  // the store would take -1 for "the first free slot"
    CParaDaten para;
    const BYTE slot = para.FindFuncSlot(CParaDaten::kWorkFile, objectId);
    FuncEntry entry;
    if (slot == 0 || !para.GetFuncEntry(CParaDaten::kWorkFile, slot, entry)) return -1;
    return entry.number;
}

namespace {
DrawingServices g_defaultServices;
DrawingServices* g_services = &g_defaultServices;
}  // namespace

DrawingServices& Services() { return *g_services; }

void SetServices(DrawingServices* services) { g_services = services ? services : &g_defaultServices; }

}  // namespace drawing
