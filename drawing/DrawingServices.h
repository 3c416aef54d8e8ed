// What the drawing reader asks of the parameter store and the text service, behind one replaceable interface.
//
// The default asks the parameter store's working copy (working file 2) for slots and function numbers. The text
// service's answers (display texts, output-variable numbers, protocol entries) come from an implementation that
// start-up installs; until then the default answers with empty texts and no output variable, and drops protocol
// entries. Tests install fakes.
#pragma once

#include "platform/CString.h"
#include "platform/Types.h"

namespace drawing {

class DrawingServices {
public:
    virtual ~DrawingServices() = default;

    // Display name of an object kind in the user-interface language; empty for an unknown kind.
    virtual CString GetObjektArtText(const CString& kind);
    // Display text of a pin of a kind; empty for an unknown pair.
    virtual CString GetPinText(const CString& kind, const CString& pinName);
    // Output-variable number (1 to 10) of an output pin of a function kind; 0 when the pin is no output of it.
    virtual int GetAusgangVariableNr(const CString& kind, const CString& pinName);
    // Appends one entry (code 1 to 7) to the evaluation protocol.
    virtual void WriteProtokoll(int code, const CString& text);
    // The message slot (1 to 8) of the working copy whose drawing object id is the id; 0 when none.
    virtual int FindMeldungSlot(int objectId);
    // The function number stored in the function-table entry of the working copy's slot whose drawing object id is
    // the id (0 to 43, 255 for none); -1 when no slot holds the id.
    virtual int GetFunktionsNummer(int objectId);
};

// The installed services (never null). SetServices(nullptr) restores the default.
DrawingServices& Services();
void SetServices(DrawingServices* services);

}  // namespace drawing
