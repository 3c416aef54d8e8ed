// The four slot operations through which the drawing evaluation creates and deletes functions and messages of the
// working copy, behind an interface so that tests can make them fail.
#pragma once

#include "platform/Types.h"

class CParaDaten;
class DrawingCommands;

namespace drawing {

class SlotChanges {
public:
    virtual ~SlotChanges() = default;
    // A new function in the first free slot with the lowest free number and the type's default record; the drawing
    // object is renamed through the channel. False, nothing written, when no slot is free or the type is unknown.
    virtual bool CreateFunc(CParaDaten& para, int file, int objectId, int typeCode, DrawingCommands* channel);
    // Deletes the function of the slot; the later slots move down one place and keep their numbers.
    virtual bool DeleteFunc(CParaDaten& para, int file, BYTE slot, DrawingCommands* channel);
    // A new message in the first free message slot with the lowest free number; the object is renamed.
    virtual bool CreateMeldung(CParaDaten& para, int file, int objectId, DrawingCommands* channel);
    // Frees the message slot in place.
    virtual bool DeleteMeldung(CParaDaten& para, int file, BYTE slot, DrawingCommands* channel);
};

// The installed operations (never null); SetSlotChanges(nullptr) restores the store's own.
SlotChanges& GetSlotChanges();
void SetSlotChanges(SlotChanges* changes);

}  // namespace drawing
