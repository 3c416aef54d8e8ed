// One import of a function-data file into the drawing's parameter set: load the file as working file 0, test its
// header, check it against the drawing, copy its parameters. A plain sequence: it shows nothing and returns what
// happened; the import form shows the messages and decides how the run goes on.
#pragma once

#include "platform/CString.h"
#include "production/ImportCheck.h"
#include "production/ImportReporter.h"

class CParaDaten;
class CSCCmd;

namespace production {

struct ImportOutcome {
    enum Kind {
        Imported,      // committed, texts refreshed and handed to the drawing tool
        LoadFailed,    // the file could not be copied over working file 0
        WrongFormat,   // no sound function-data file, or a format other than 1.0
        Incompatible,  // the check's first difference is in `check`
        CopyFailed,    // a copy step or the commit failed; the committed set is unchanged
    };
    Kind kind = Imported;
    CheckResult check;
};

class ParameterImport {
public:
    // drawing completes the records that the check compares; one reader serves the whole check.
    ParameterImport(ImportReporter& reporter, DrawingReader& drawing) : m_reporter(reporter), m_drawing(drawing) {}

    ImportOutcome Run(const CString& path, CSCCmd& channel);

    // Whether the header of working file 0 is one the import reads: the function-data magic and format 1.0.
    static bool IsSupportedHeader(const CString& magic, float formatVersion);
    // Brings an outside function-data file in as working file 0 and tests it, for the import and the documentation
    // export alike: LoadFailed when it cannot be copied, WrongFormat when it is no sound function-data file of a
    // supported header (a cut or grown file, a line doubled or inserted), else Imported.
    static ImportOutcome::Kind LoadSource(CParaDaten& para, const CString& path);

private:
    ImportReporter& m_reporter;
    DrawingReader& m_drawing;
};

}  // namespace production
