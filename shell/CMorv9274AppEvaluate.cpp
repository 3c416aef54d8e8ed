// Every command the start-up does not finish by itself: the working copy is prepared, the drawing export tested,
// the working copy committed and the commands queued on the way handed to the drawing tool.
#include "shell/CMorv9274App.h"

#include "resources/UiTexts.h"
#include "shell/CSCCmd.h"
#include "shell/StartContext.h"
#include "store/CParaDaten.h"

#include <cstdio>

void CMorv9274App::RunEvaluatedCommand(bool translate)
{
    CParaDaten store;
    if (!store.BeginWorkFile()) {
        CString text;
        text.Format("%s", ui::kLoadParaFailed);
        StartupMessage("1.052", text, kStartupError);
        EndRun();
    }
    CSCCmd channel;
    channel.Reset();

    if (std::FILE* xml = std::fopen("VORNA.xml", "rb")) {
        std::fclose(xml);
    } else {
        CString text;
        text.Format("%s\n\n%s", ui::kCannotEvaluate, ui::kCannotOpenVornaXml);
        StartupMessage("1.009", text, kStartupError);
        EndRun();
    }

    // The drawing evaluation and, for "open", the translation of the drawing texts come here; until they are
    // built the working copy passes through unchanged and the language code stays as it was loaded.
    (void)translate;
    store.CommitWorkFile();
    if (g_strCmd == "open")
        store.CommitWorkFile();

    if (!channel.IsEmpty()) {
        channel.SetFileNotUpToDate();
        channel.Execute();
    }
    // "open" and "onlineschema" end here; the window commands will continue with the main frame.
    EndRun();
}
