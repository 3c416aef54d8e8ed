// The import's copy steps: take the parameters of working file 0 (the chosen function-data file) over into working
// file 2 (the working copy of the drawing's set), position for position, family by family of the table of record
// families (store/RecordFamilies.h), repairing each record on the way; then
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
#include "store/RecordFamilies.h"

#include <span>

class CParaDaten;
class CSCCmd;

namespace production {

class ImportCopy;

// One row of the step table: a run of neighbouring record families of the table of record families.
struct ImportStep {
    // With "%d" announced for every item with its number, else once before the first item.
    const char* status;
    records::Family first;
    int families;  // the families first.. in the order of the table
    // A progress step for every item of the first family, the later families with its last item; else one step
    // for all items of all the families.
    bool eachItem;
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

    // Item n of a family from working file 0 into working file 2.
    bool Copy(records::Family family, int n);
    // Slots after the first empty one are neither read nor written.
    bool CopyFunktion(int slot);
    bool CopyFuncView();

    // The overview as imported: group headers and the entries of the five access levels in their order, a header of
    // the user group before a leading run without one, end entries after them.
    static void FilterFuncView(std::span<FuncViewEntry, 128> entries);

private:
    CParaDaten& m_para;
    ImportReporter& m_reporter;
    bool m_bTableEnded = false;
};

}  // namespace production
