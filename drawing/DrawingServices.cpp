// Default answers of the store and text-service interface of the drawing reader.
#include "drawing/DrawingServices.h"

namespace drawing {

CString DrawingServices::GetObjektArtText(const CString&) { return CString(); }
CString DrawingServices::GetPinText(const CString&, const CString&) { return CString(); }
int DrawingServices::GetAusgangVariableNr(const CString&, const CString&) { return 0; }
void DrawingServices::WriteProtokoll(int, const CString&) {}
int DrawingServices::FindMeldungSlot(int) { return 0; }
int DrawingServices::GetFunktionsNummer(int) { return -1; }

namespace {
DrawingServices g_defaultServices;
DrawingServices* g_services = &g_defaultServices;
}  // namespace

DrawingServices& Services() { return *g_services; }

void SetServices(DrawingServices* services) { g_services = services ? services : &g_defaultServices; }

}  // namespace drawing
