// The compile: turns the working copy of the parameter set (working file 2) into the controller's function-data file.
//
// Working file 0 is made anew with the default image; then the steps of the step table copy one kind of record
// after the other from working file 2 into working file 0, most of them repairing the record on the way and writing
// the repaired record back into working file 2. The first step that fails ends the compile: nothing is committed and
// the target is not touched. After the last step working file 2 is committed over working file 1 and working file 0
// is copied to the target.
//
// The sequence knows no windows: it reports every status line and progress position (0 to 241) through the
// reporter it is given.
#pragma once

#include "platform/CString.h"

#include <span>

class CParaDaten;
class DrawingReader;

namespace production {

// Receives the compile's status lines and absolute progress positions.
class CompileReporter {
public:
    virtual ~CompileReporter() = default;
    virtual void SetStatus(int position, const CString& text) = 0;
};

// The last position of a finished compile (the caller sets it once the compile succeeded).
constexpr int kCompileEnd = 241;

// Which working files a step writes.
enum class Writes { WorkAndDat, DatOnly, None };

class CompileSequence;

// One row of the step table.
struct CompileStep {
    const char* name;
    // The status line: with "%d" it is shown for every item with its number, without it once before the first
    // item; null keeps the line and position of the step before.
    const char* status;
    int firstPosition;  // the position of item 1
    int stride;         // the position grows by this per item
    int count;          // items 1..count
    // Copies item n; false ends the compile. Null for a row that only shows its status.
    bool (CompileSequence::*copy)(int n);
    Writes writes;
};

class CompileSequence {
public:
    // drawing completes the records' sources (null: the store opens the drawing's exchange files itself).
    CompileSequence(CompileReporter& reporter, DrawingReader* drawing = nullptr);

    // The whole compile onto the target path; true when the function-data file was written there.
    bool Run(const CString& target);
    // Only the steps of the table (working file 0 must exist); true when all succeeded.
    bool RunSteps();

    static std::span<const CompileStep> Steps();

    // The per-item copies the step table names.
    bool CopyReglerEinst(int);
    bool CopyPotentiostat(int);
    bool CopyBezeichnung(int n);
    bool CopyEingang(int n);
    bool CopyAusgang(int n);
    bool CopyAntiblockierschutz(int);
    bool CopyFunktion(int slot);
    bool CopyFuncView(int);
    bool CopyMeldung(int n);
    bool CopyNetzwerk(int record);
    bool CopyLogging(int);
    bool CopyBegruessung(int);

private:
    bool EndFunctionTable(int slot);

    CompileReporter& m_reporter;
    DrawingReader* m_drawing;
    bool m_bTableEnded = false;
};

}  // namespace production
