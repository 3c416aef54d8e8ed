// The compile: turns the working copy of the parameter set (working file 2) into the controller's function-data file.
//
// Working file 0 is made anew with the default image; then the steps of the step table copy the record families
// (store/RecordFamilies.h) one after the other from working file 2 into working file 0, repairing each record on
// the way and writing it back into working file 2 where its family writes back. The first step that fails ends the compile: nothing is committed and
// the target is not touched. After the last step working file 2 is committed over working file 1 and working file 0
// is copied to the target.
//
// The sequence knows no windows: it reports every status line and progress position (0 to 241) through the
// reporter it is given.
#pragma once

#include "platform/CString.h"
#include "store/RecordFamilies.h"

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

// One row of the step table: a run of neighbouring record families of the table of record families, each item
// read from working file 2, repaired, written back into 2 when its family writes back, and written into 0.
struct CompileStep {
    const char* name;
    // The status line: with "%d" it is shown for every item with its number, without it once before the first
    // item; null keeps the line and position of the step before.
    const char* status;
    int firstPosition;  // the position of item 1
    int stride;         // the position grows by this per item
    records::Family first;
    int families;  // the families first.. in the order of the table; 0 for a row that only shows its status
};

class CompileSequence {
public:
    // drawing completes the records' sources; one reader serves every record of the run.
    CompileSequence(CompileReporter& reporter, DrawingReader& drawing);

    // The whole compile onto the target path; true when the function-data file was written there.
    bool Run(const CString& target);
    // Only the steps of the table (working file 0 must exist); true when all succeeded.
    bool RunSteps();

    static std::span<const CompileStep> Steps();

    // Function slot n: its record repaired by its type and written back into working file 2, then entry and record
    // raw into the same slot of working file 0. The first slot of no known type ends the table.
    bool CopyFunktion(int slot);

private:
    bool Copy(const records::FamilyRow& family, int n);
    bool EndFunctionTable(int slot);

    CompileReporter& m_reporter;
    DrawingReader& m_drawing;
    bool m_bTableEnded = false;
};

}  // namespace production
