// The functions section of the parameter documentation: one block per occupied function slot, each block the
// rows of its kind after the common head, and the value formats the kinds share (values with a unit kind, the
// time programs).
#pragma once

#include "production/DocRows.h"

#include <cstddef>
#include <span>

class DocReporter;
class DrawingReader;

namespace doc {

// The unit kinds of a value with unit.
enum UnitKind : int {
    kUnitPlain = 0,       // the number
    kUnitDifference = 1,  // signed temperature difference, "K"
    kUnitHysteresis = 2,  // unsigned temperature difference, "K"
    kUnitIrradiance = 3,  // "W/m²"
    kUnitPercent = 4,     // the signed difference scale with "%"
};
// The text of one byte in the unit kind; empty for a kind outside 0 to 4.
CString UnitText(BYTE value, int unitKind);

// The text of a value in a list of texts; empty for a value the list does not name.
const char* ListedText(std::span<const char* const> texts, long value);

// The time programs of a record: "PROG.ORA:", then per program in use its days and windows (with the set
// temperature when setpoint is set). The counts are bounded by the five programs and three windows a record holds.
void WriteZeitfenster(DocText& text, int level, BYTE programCount, BYTE windowCount, BYTE setpoint,
                      const BYTE* programs);

// A Lines row's time programs of a record whose programs follow its three control bytes (programs in use, windows
// per program, window setpoints).
template <class Record>
void TimePrograms(DocText& text, const DocRow& row, const CString&, const BYTE* r, bool)
{
    WriteZeitfenster(text, row.level, r[offsetof(Record, programsInUse)], r[offsetof(Record, windowsPerProgram)],
                     r[offsetof(Record, windowSetpoints)], r + offsetof(Record, programs));
}

// The designation of the function a participant byte of a record names (function number + 1) in the file; dashes
// for none and for a number no function holds.
CString ParticipantName(int file, BYTE participant);

// The documentation of one function kind: its rows after the common head.
struct FunctionDoc {
    int code;
    std::span<const DocRow> rows;
};
// The documented kinds, and the one of a type code (null while a kind has no rows).
std::span<const FunctionDoc> FunctionDocs();
const FunctionDoc* FindFunctionDoc(int code);

// The whole section: the rule, "FUNZIONI:", and the blocks of the slots up to the first empty one. The records
// that the walk completes are completed from the drawing.
void WriteFunktionen(DocText& text, DocReporter& reporter, DrawingReader& drawing);

}  // namespace doc
