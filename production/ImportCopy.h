// The import's copy steps: take the parameters of working file 0 (the chosen function-data file) over into working
// file 2 (the working copy of the drawing's set), position for position, repairing each record on the way; then
// commit, refresh every text of the drawing and hand the commands to the drawing tool.
//
// Only what the compatibility check found equal is structure, so nothing is renumbered. The parameter file's text
// area (object ids, message numbers, target paths, export filter, language) stays as the working copy has it.
//
// Every read and every write must succeed: a record that cannot be read is never replaced by anything else, and the
// first failure ends the copy. After a failure the committed set (working file 1) is as it was and is copied back
// over the working copy, so nothing later in the run can commit a half-imported set; the drawing tool then receives
// nothing. The copy knows no windows: it reports each step through the reporter.
#pragma once

#include "production/ImportReporter.h"
#include "store/FuncViewEntry.h"

#include <span>

class CParaDaten;
class CSCCmd;

namespace production {

class ImportCopy;

// One row of the step table.
struct ImportStep {
    // With "%d" announced for every item with its number, else once before the first item.
    const char* status;
    int count;  // items 1..count, one progress step each
    bool (ImportCopy::*copy)(int n);
};

// Where a copy ended.
enum class ImportEnd { Imported, StepFailed, CommitFailed };

class ImportCopy {
public:
    ImportCopy(CParaDaten& para, ImportReporter& reporter) : m_para(para), m_reporter(reporter) {}

    // The steps, the commit, the drawing's texts and the hand-over through the channel.
    ImportEnd Run(CSCCmd& channel);
    // Only the steps of the table; true when all succeeded.
    bool RunSteps();

    static std::span<const ImportStep> Steps();

    bool CopyReglerEinst(int);
    bool CopyPotentiostat(int);
    bool CopyBezeichnungen(int);
    bool CopyEingang(int n);
    // Output 16 brings the anti-seize settings with it.
    bool CopyAusgang(int n);
    // Slots after the first empty one are neither read nor written.
    bool CopyFunktion(int slot);
    bool CopyFuncView(int);
    bool CopyLogging(int);
    bool CopyMeldung(int n);
    bool CopyNetzwerk(int);
    bool CopyBegruessung(int);

    // The overview as imported: group headers and the entries of the five access levels in their order, a header of
    // the user group before a leading run without one, end entries after them.
    static void FilterFuncView(FuncViewEntry (&entries)[128]);

private:
    CParaDaten& m_para;
    ImportReporter& m_reporter;
    bool m_bTableEnded = false;
};

}  // namespace production
