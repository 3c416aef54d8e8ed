// The command channel to the drawing tool: commands collected as lines of "SCCmd.tmp" and handed over in one
// DDE transfer at the end of an operation.
//
// Use: construct with the run's context, Reset, append, SetFileNotUpToDate, Execute. The file lies in the folder
// "para" below the folder of the drawing export (or in the program directory's "para" when the export has no
// folder); that folder is the drawing tool's and is never created here.
#pragma once

#include "link/StartContext.h"
#include "platform/CString.h"
#include "platform/Types.h"
#include "store/DrawingCommands.h"

class CSCCmd : public DrawingCommands {
public:
    // The context must outlive the channel: its export folder places the file, its DDE state is what the transfer
    // waits on.
    explicit CSCCmd(RunContext& run) : m_run(run) {}

    // The command file's path for the folder of a drawing export.
    static CString GetFileName(const CString& exportFolder);
    CString GetFileName() const { return GetFileName(m_run.start.xmlDir); }

    // Creates or empties the command file; the channel then holds nothing.
    void Reset();
    // Append one line each. A line that could not be written leaves the channel as it was.
    void SetText(UINT textId, const CString& text) override;
    void SetObj(UINT objectId, const CString& text) override;
    void SetFileNotUpToDate() override;
    // True when nothing has been appended since Reset (also when Reset failed).
    bool IsEmpty() const { return m_bEmpty; }

    // Hands the command file to the drawing tool and waits for its acknowledgement, when something was appended
    // since a successful Reset. Leaves file and flag unchanged, so a second Execute hands the same file over again.
    void Execute();
    // Sends one "settext" command directly, without the command file.
    static void SetTextDirekt(DdeState& dde, UINT textId, const CString& text);

private:
    bool Append(const CString& line);

    RunContext& m_run;

    bool m_bEmpty = true;
    bool m_bResetOk = false;
};
