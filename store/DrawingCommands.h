// DrawingCommands: what the program asks of the drawing tool while it works on a set: new texts for text objects,
// new names for objects, and the mark that the drawing file no longer matches its set.
//
// The store, the text service, the translation and the drawing evaluation queue their commands through this
// interface; the command channel to the drawing tool (link/CSCCmd) implements it and hands the queue over at the
// end of an operation. A command that could not be queued is dropped without a report: the drawing tool then keeps
// its old text, which the next label refresh corrects.
#pragma once

#include "platform/CString.h"
#include "platform/Types.h"

class DrawingCommands {
public:
    virtual ~DrawingCommands() = default;

    // The text object textId shows text from now on (a line break in text becomes a blank).
    virtual void SetText(UINT textId, const CString& text) = 0;
    // The drawing object objectId is named text from now on (a line break in text becomes a blank).
    virtual void SetObj(UINT objectId, const CString& text) = 0;
    // The drawing file is to be saved again: its set changed.
    virtual void SetFileNotUpToDate() = 0;

protected:
    DrawingCommands() = default;
    DrawingCommands(const DrawingCommands&) = default;
    DrawingCommands& operator=(const DrawingCommands&) = default;
};
