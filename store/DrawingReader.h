// What the parameter store asks of the drawing: a record read that completes the record from the drawing uses the
// reader its caller passed in (CParaDaten::UseDrawing); a handle that was given none completes from this base class,
// which knows no drawing: it answers every query with nothing, as a reader whose exchange files are missing does.
// The drawing folder implements the reader over the exchange files; the store knows only this interface, so it never
// depends on the drawing folder. Queries are added here as the record reads that need them arrive.
//
// Completing a record overwrites the sources and output flags of a decoded record from the lines at the pins of the
// record's drawing object, through the two pin queries below, so a drawing that answers those completes every
// record. The record reads complete only a slot with a drawing object id.
#pragma once

#include "platform/CString.h"
#include "platform/Types.h"
#include "store/Quelle.h"

#include <span>

struct MeldungParam;

class DrawingReader {
public:
    virtual ~DrawingReader() = default;

    // ---- Pins of a function or message object (pins numbered from 1 in the order of the kind's pin list) ----

    // When the object has the pin: kind and number of the source that the pin's first partner stands for; a pin
    // without partner sets kind 0 and keeps number, so a fixed value stored in the record survives. A missing
    // object or pin leaves both as they are. The reader that knows no drawing leaves both.
    virtual void GetPinQuelle(int objectId, BYTE pin, BYTE& kind, BYTE& number);
    // The outputs 1..16 that the pin drives among up to 20 partners (a mixer output counts as its first output):
    // flags[n - 1] = 1 for each output n, every other flag 0. The reader that knows no drawing gives all 0.
    virtual void GetAusgangFlags(int objectId, BYTE pin, BYTE flags[16]);

    // How one pin completes a decoded record (fields are offsets in the decoded record).
    struct PinCompletion {
        enum Kind : BYTE {
            Source,   // kind into field a, number into field b (GetPinQuelle)
            Flags16,  // the 16 output flags into fields a..a+15
            Flags6,   // the flags of outputs 1, 2, 6, 7, 15, 16 into fields a..a+5
            Mixer,    // field a = the first of outputs 3, 8, 10, 12 that the pin drives, else 0
        };
        Kind kind;
        BYTE pin;
        BYTE a;
        BYTE b = 0;
    };
    // Applies the completions in order to the record's bytes.
    void Complete(int objectId, std::span<const PinCompletion> pins, BYTE* fields);

    // ---- Completion of function and message records ----

    // A decoded function record of the type code: its row's pins in the function-type catalog are applied in order,
    // then what follows from them (the logic function's number of inputs in use becomes its highest input with a
    // source, 1 when none has one). Participants chosen on a form (solar controls, heating-circuit controllers,
    // requests) are never taken from the drawing. A code of no function type completes nothing.
    void CompleteFunction(int typeCode, int objectId, BYTE* fields);

    // Message object: input pins 1, 2, 3 into the three sources of the record (DrawingReaderPlant.cpp).
    virtual void GetQuellenMeldung(int objectId, MeldungParam& record);
    // The pins that complete a message record (fields are offsets in MeldungParam).
    static std::span<const PinCompletion> MeldungPins();

    // ---- Sources of the network outputs (DrawingReaderPlant.cpp) ----

    // For every "Netzwerkausgang" object whose network number n is 1..16 (17..32), the source at its input pin
    // becomes entry n - 1 (n - 17); every entry without such an object becomes kind 0, number 0. The reader that
    // knows no drawing clears all 16.
    virtual void GetNetzAusgaengeDigital(Quelle sources[16]);
    virtual void GetNetzAusgaengeAnalog(Quelle sources[16]);

    // ---- Pins and their labels (DrawingReaderPlant.cpp) ----

    struct PinInfo {
        CString name;       // internal pin name, without leading blanks
        int pinId = -1;
        BYTE kind = 0;      // connection kind 1..19
        int labelId = -1;   // id of the pin's label text object
    };
    // Pin n (from 1) of the object: true when the object exists and its n-th pin entry was read (a pin beyond the
    // object's pins reads blank: empty name, ids -1); false when the object is not found, pin left as it was. The
    // reader that knows no drawing finds no object.
    virtual bool GetPin(BYTE n, int objectId, PinInfo& pin);
};
