// The store's slot operations as the evaluation uses them: create and delete functions and messages of a working
// file; the store renames the drawing objects and clears every reference through the command channel.
#include "evaluation/SlotChanges.h"

#include "store/CParaDaten.h"

namespace drawing {

namespace {

SlotChanges g_storeChanges;
SlotChanges* g_changes = &g_storeChanges;

}  // namespace

SlotChanges& GetSlotChanges() { return *g_changes; }
void SetSlotChanges(SlotChanges* changes) { g_changes = changes != nullptr ? changes : &g_storeChanges; }

bool SlotChanges::CreateFunc(CParaDaten& para, int file, int objectId, int typeCode, DrawingCommands* channel)
{
    return para.CreateFunc(file, objectId, typeCode, channel);
}

bool SlotChanges::DeleteFunc(CParaDaten& para, int file, BYTE slot, DrawingCommands* channel)
{
    return para.DeleteFunc(file, slot, channel);
}

bool SlotChanges::CreateMeldung(CParaDaten& para, int file, int objectId, DrawingCommands* channel)
{
    return para.CreateMeldung(file, objectId, channel);
}

bool SlotChanges::DeleteMeldung(CParaDaten& para, int file, BYTE slot, DrawingCommands* channel)
{
    return para.DeleteMeldung(file, slot, channel);
}

}  // namespace drawing
