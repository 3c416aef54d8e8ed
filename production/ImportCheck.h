// The import's compatibility check: whether the function data of working file 0 were compiled from a drawing with
// the structure of the current one (working file 2), so that the parameters can be taken over slot by slot.
//
// The current records are read with the drawing's completion, the source records as stored; both are repaired and
// then compared on exactly the fields the completion fills (the pins of the function-type catalog and of the
// message record): a source's kind, its number where the kind is not 0 (with kind 0 the number is a fixed value,
// a parameter), and every output flag the record stores. Parameters may differ: they are what is imported.
//
// The check writes nothing and shows nothing: it reports its steps through the reporter and returns the first
// difference as a typed result.
#pragma once

#include "platform/Types.h"
#include "production/ImportReporter.h"
#include "store/DrawingReader.h"

#include <span>

class CParaDaten;

namespace production {

// The first difference found; the form names it with its message.
enum class Incompatibility : BYTE {
    None,
    FunctionCount,  // the numbers of used function slots differ
    Function,       // slot `number`: other type or function number, or a type code of no function type
    Parameters,     // slot `number`: a source or output of the function differs
    Message,        // message slot `number`
    NetDigital,     // digital network output `number` 1..16
    NetAnalog,      // analog network output `number` 1..16 (network outputs 17..32)
};

struct CheckResult {
    Incompatibility reason = Incompatibility::None;
    int number = 0;
    bool Fits() const { return reason == Incompatibility::None; }
};

class ImportCheck {
public:
    ImportCheck(CParaDaten& para, ImportReporter& reporter) : m_para(para), m_reporter(reporter) {}

    // Functions, then messages, then network outputs; the first difference ends the check.
    CheckResult Run();
    CheckResult CheckFunktionen();
    CheckResult CheckMeldungen();
    CheckResult CheckNetzAusgaenge();

    // The one comparer of the import: whether the current record (completed from the drawing) and the source
    // record agree on the fields that the pins complete. Of each 16-flag pin the first flagsStored flags count.
    static bool Agree(std::span<const DrawingReader::PinCompletion> pins, const BYTE* current, const BYTE* source,
                      int flagsStored = 16);

private:
    CParaDaten& m_para;
    ImportReporter& m_reporter;
};

}  // namespace production
