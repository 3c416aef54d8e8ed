// The catalog of the 23 function types: one row per type holds what the rest of the program needs to know of it,
// so that no caller keeps a table or a switch of its own over the type codes.
//
// A row gives the type code, the names (kind name, standard designations, output variables and overview labels of
// the text tables), the size of the decoded record, the pins that complete it from the drawing, the labels of its
// digital inputs and the participants it names (which the symbol's texts show), type-erased access
// to the record (read, write, defaults of a new slot, repair), the three form templates, the memory the function
// takes in the controller and the fields by which it drives output 16 (the controller requirements). Record fields
// are addressed by offsetof, never by a position written out.
//
// The names of the pins are the drawing's (drawing/ObjectKinds); the repairs are the store's (CParaCheck), which
// the rows only reference.
#pragma once

#include "platform/Types.h"
#include "store/DrawingReader.h"
#include "texttables/StandardDesignations.h"

#include <cstddef>
#include <span>
#include <vector>

class CParaCheck;
class CParaDaten;

namespace functypes {

// The type codes have one name, the one the text tables give them (texts::kType...; their number is
// texts::kFunctionTypeCount); 0 and 255 mark an empty slot.
using Code = texts::FunctionTypeCode;

// What a function's record adds to the parameter memory beside the type's fixed bytes.
enum class MemoryShare : BYTE {
    None,
    Programs,  // programsField programs of 3 bytes per window (windowsField windows) and 1 byte of days
    PerEntry,  // factor bytes per entry in use (countField)
    Cascade,   // 3 variable and 6 parameter bytes per boiler (windowsField), 1 per participant (countField)
};

struct MemoryNeed {
    int variableBytes;   // variables of the function in the controller
    int parameterBytes;  // fixed parameter bytes
    MemoryShare share;
    BYTE factor;         // bytes per entry of a PerEntry share
    BYTE countField;     // the record field that counts entries (Programs: the programs in use)
    BYTE windowsField;   // Programs: the windows per program; Cascade: the boilers
};

struct FormTemplates {
    int parameters;  // form of the parameters
    int inputs;      // form of the input variables
    int outputs;     // form of the output variables; 0 for a type without one
};

constexpr int kNoField = -1;

// Whether an unconnected digital input shows its fixed value, " (OFF)", in its label on the symbol.
enum class FixedValue : BYTE {
    Yes,             // the input has a fixed value
    No,              // it has none: never " (OFF)"
    UpToTwoBoilers,  // none while the cascade runs two boilers or fewer (its third stage does not exist then)
    NoOnlyIfDrawn,   // none, and labelled only when the symbol has the pin (older symbols lack it)
};

// A digital input whose label on the symbol tells how it is connected. The label refresh, the translation and the
// function forms read these rows.
struct PinLabel {
    BYTE pin;               // pin number of the object, from 1, in the order of the kind's pin list
    BYTE field;             // offsetof the input's DigitalQuelle in the decoded record (kind, inverted, number)
    FixedValue fixedValue;  // whether an unconnected input shows its fixed value
};

// The list a function's participants are chosen from.
enum class ParticipantList : BYTE { None, Demands, Solar, Solar2, HeatingCircuits };
// Whether a participant list offers functions of the type code: requests for a cascade, solar controls for a solar
// priority and a start function, heating-circuit controllers for a maintenance function.
bool ListOffers(ParticipantList list, int code);

// The functions a function names as participants, each shown by a text of its own on the symbol.
struct Participants {
    ParticipantList list = ParticipantList::None;  // None: the type names no participants
    BYTE firstPin = 0;    // pin entry of the symbol's first participant text
    BYTE count = 0;       // participant fields in the record, and participant texts on the symbol
    BYTE countField = 0;  // offsetof the field that says how many are in use
    BYTE firstField = 0;  // offsetof the first participant: function number + 1, 0 for none
    BYTE step = 1;        // bytes from one participant to the next
};

struct FunctionType {
    Code code;
    const texts::FunctionTypeInfo& names;  // kind name, standard designations, output variables, overview labels
    size_t recordSize;                     // bytes of the decoded record
    // The pins that complete the decoded record from the drawing, in the order they are applied: pin number of the
    // object (from 1, in the order of the kind's pin list) and the record fields it fills, by offsetof.
    std::span<const DrawingReader::PinCompletion> pins;
    // What follows in the record from the pins just applied; null for nothing.
    void (*pinsApplied)(BYTE* fields);
    // The digital inputs whose labels show their connection, in pin order, and the participants.
    std::span<const PinLabel> pinLabels;
    Participants participants;
    // Reads the slot's decoded record into fields (recordSize bytes); with complete, the drawing's pins first
    // complete it as the named read does. False, fields untouched, when the slot cannot be read.
    bool (*read)(CParaDaten& para, int file, BYTE slot, BYTE* fields, bool complete);
    // Writes the decoded record of fields over the slot as the named write does.
    bool (*write)(CParaDaten& para, int file, BYTE slot, const BYTE* fields);
    // The defaults of a new record into a 128-byte slot record the caller filled with FF.
    void (*defaults)(BYTE* slotRecord);
    // The record as it stands before any read: what a record that cannot be read is judged as.
    void (*blank)(BYTE* fields);
    // The type's repair of the decoded record (keepLowBit as the repairs take it).
    void (*check)(CParaCheck& check, int file, BYTE* fields, BYTE keepLowBit);
    FormTemplates forms;
    MemoryNeed memory;
    int output16Fields[2];  // the flags by which the function drives output 16; kNoField none
    // Of each 16-flag output pin, the flags of outputs 1..n the record stores: 15 where the record keeps no bit for
    // output 16 (the drawing may connect it, but the controller takes it from elsewhere).
    BYTE outputFlagsStored = 16;
};

// The 23 rows in the order of their codes 1 to 23.
std::span<const FunctionType> AllFunctionTypes();
// The row of a type code 1 to 23; null for any other code.
const FunctionType* FindFunctionType(int code);

// The label of the type's digital input at the pin (number from 1); null when the pin has none.
const PinLabel* FindPinLabel(const FunctionType& type, int pin);
// Whether the input's label shows no fixed value when the input is unconnected; the cascade's third stage asks the
// decoded record (recordSize bytes; a shorter record counts as zeros beyond its end).
bool ShowsNoFixedValue(const PinLabel& label, std::span<const BYTE> record);

// The decoded record of the slot read as the type's row reads it, then repaired, as its bytes (byte k is offset k of
// the record). Working file 0 keeps the low bits of the flags, whose meaning there is its own. Empty for a code
// outside 1 to 23; a record that cannot be read is judged as the repair leaves its defaults.
std::vector<BYTE> ReadRepairedFuncRecord(CParaDaten& para, int file, BYTE slot, int code, bool complete);

}  // namespace functypes
