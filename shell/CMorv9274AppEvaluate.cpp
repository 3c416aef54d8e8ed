// Every command the start-up does not finish by itself: the working copy is prepared, the drawing export tested and
// evaluated, the working copy committed and the commands queued on the way handed to the drawing tool.
#include "shell/CMorv9274App.h"

#include "drawing/CZeichnung.h"
#include "drawing/DrawingServices.h"
#include "drawing/ParseXml.h"
#include "evaluation/COnlineSchema.h"
#include "evaluation/COnlineSchemaHtml.h"
#include "evaluation/CZeichnungAuswertenDlg.h"
#include "link/CSCCmd.h"
#include "platform/CFileDialog.h"
#include "platform/Prompts.h"
#include "platform/TextFile.h"
#include "platform/Win32Window.h"
#include "platform/WindowBackend.h"
#include "requirements/CSystemRequirements.h"
#include "resources/Messages.h"
#include "resources/UiTexts.h"
#include "store/CParaDaten.h"
#include "texts/DrawingTextServices.h"
#include "translate/CTranslate.h"

#include <cstdio>

namespace {

// The evaluation's findings and texts come from the text service; the requirements live for the whole run.
void InstallRunServices()
{
    static DrawingTextServices services;
    drawing::SetServices(&services);
    static CSystemRequirements requirements;
    if (g_pSystemRequirements == nullptr) g_pSystemRequirements = &requirements;
}

// Whether the drawing's object of that id is of the kind; an id the drawing does not hold is the evaluation's
// finding, not this one.
bool DrawingGivesKind(int objectId, const CString& kind)
{
    CZeichnung drawing;
    ObjektInfo info;
    const int index = drawing.FindObjekt(objectId);
    return index == 0 || !drawing.GetObjekt(index, info) || info.art == kind;
}

}  // namespace

void CMorv9274App::RunEvaluatedCommand(bool translate)
{
    CParaDaten store;
    if (!store.BeginWorkFile()) {
        messages::Show(m_hOwner, messages::kWorkCopyNotPrepared);
        EndRun();
    }
    CSCCmd channel(m_run);
    channel.Reset();

    if (std::FILE* xml = platform::OpenRegularForReading("VORNA.xml")) {
        std::fclose(xml);
    } else {
        messages::Show(m_hOwner, messages::kCannotEvaluate);
        EndRun();
    }

    InstallRunServices();
    // The evaluation's dialog is the first window: the window toolkit's module is loaded now, and then the XML
    // import with its parser library, on a thread of its own while the toolkit starts with the dialog (loaded at
    // the same moment, one would wait for the other).
    platform::LoadWindowBackend();
    drawing::PrepareParser();
    // Until the evaluation has run, the drawing counts as unusable.
    m_drawingVerdict = CZeichnungAuswertenDlg::kFatal;
    const drawing::EvaluationRequest request{drawing::CommandFromName(m_run.start.cmd), m_run.start.name,
                                             m_run.start.id};
    auto* evaluation = new CZeichnungAuswertenDlg(request, &channel, nullptr);
    evaluation->DoModal();
    m_drawingVerdict = evaluation->Verdict();
    const bool imported = evaluation->HasImported();
    delete evaluation;
    // A "param" whose object id the drawing gives another kind than the command file names would open that kind's
    // forms on the object's slot: the command file is inconsistent, and the run ends before anything is written.
    if (m_run.start.cmd == "param" && imported && !DrawingGivesKind(m_run.start.id, m_run.start.name)) {
        messages::Show(m_hOwner, messages::kCannotParameterise);
        EndRun();
    }
    // What the evaluation changed follows the drawing; it is no edit of the person's.
    store.CommitWorkFile();

    if (m_run.start.cmd == "open") {
        // A parameter set of another language (or none) has its drawing texts rewritten, also for a fatal drawing.
        // Only when this run could not read the drawing export are the texts left alone: the translation file is
        // then not this drawing's. The set is marked as ours only once the texts have been queued, so that a
        // translation that could not run is tried again at the next "open".
        if (translate && imported) {
            CTranslate translation;
            if (translation.Run(channel))
                store.SetSprache(CParaDaten::kWorkFile, kLanguageIta);
        }
        store.CommitWorkFile();
    } else if (m_run.start.cmd == "onlineschema") {
        CreateOnlineSchema();
    }

    if (!channel.IsEmpty()) {
        channel.SetFileNotUpToDate();
        channel.Execute();
    }
    // "open" and "onlineschema" end here; the window commands go on with their main frame.
    if (m_run.start.cmd == "open" || m_run.start.cmd == "onlineschema")
        EndRun();
}

void CMorv9274App::CreateOnlineSchema()
{
    const HWND owner = GetActiveWindow();

    COnlineSchema schema;
    if (!schema.ReadFile("para/Online.tmp")) {
        messages::Show(owner, messages::kOnlineSchemaNotRead);
        return;
    }
    if (schema.m_Rahmen.GetCount() != 1) {
        messages::Show(owner, messages::kOnlineSchemaFrames);
        return;
    }
    CFileDialog dialog(FALSE, "html", nullptr, OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT, ui::kOnlineSchemaFilter,
                       CWnd::GetForegroundWindow());
    const CString folder = GetModuleDirectory();
    dialog.m_ofn.lpstrInitialDir = folder.GetString();
    if (dialog.DoModal() != IDOK) return;

    COnlineSchemaHtml page;
    if (!page.Build(schema) || !page.WriteFile(dialog.GetPathName().GetString()))
        messages::Show(owner, messages::kOnlineSchemaNotWritten);
}
