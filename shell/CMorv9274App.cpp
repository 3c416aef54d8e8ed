// The application object: start-up, single instance, command file and the file commands.
#include "shell/CMorv9274App.h"

#include "evaluation/EvaluationRequest.h"
#include "platform/ApplicationNames.h"
#include "platform/CWaitCursor.h"
#include "platform/FolderLock.h"
#include "platform/LastError.h"
#include "platform/ProcessExit.h"
#include "platform/Prompts.h"
#include "platform/Win32File.h"
#include "platform/Win32Window.h"
#include "resources/Messages.h"
#include "resources/Resources.h"
#include "resources/UiTexts.h"
#include "shell/CommandFile.h"
#include "store/CParaDaten.h"
#include "store/FileHeader.h"

#include <cstring>
#include <ctime>

namespace {

constexpr char kMutexName[] = "morv9274 Mutex String";
constexpr char kParaMagic[] = "KAVELMOR_STEUERKONTORE_PARA_FILE";
constexpr DWORD kMutexWaitMs = 2000;
// After giving up on the mutex, how long the run waits for the other instance to let go before it touches the
// working files (that instance was asked to close).
constexpr DWORD kMutexGiveWayMs = 15000;
// In the program folder's "para": held by the run that works on the program folder's working files.
constexpr char kProgramFolderLock[] = "para/morv9274.lock";

CMorv9274App* g_pApp = nullptr;

platform::FolderLock& ProgramFolderLock()
{
    static platform::FolderLock lock;
    return lock;
}

}  // namespace

const platform::ApplicationNames& CMorv9274App::Names()
{
    static const platform::ApplicationNames names {"MORV9274_HOME", "MORV9274_HEADLESS", "morv9274-wx.so",
                                                   ".morv9274-"};
    return names;
}

CMorv9274App::CMorv9274App() : CWinApp(nullptr)
{
    g_pApp = this;
    // Before anything of the platform looks for the program folder, a window backend or a temporary name.
    platform::SetApplicationNames(Names());
}

CMorv9274App::~CMorv9274App()
{
    ExitCleanup();
    if (g_pApp == this)
        g_pApp = nullptr;
}

CString CMorv9274App::GetModuleDirectory()
{
    return platform::ProgramDirectory();
}

bool CMorv9274App::IsParamKind(const CString& kind)
{
    // The kinds that can be parameterised are those the form table has a "param" row for; anything else falls to
    // its row of anything else, which names no command.
    return FindFormRow("param", kind).command != nullptr;
}

bool CMorv9274App::IsKnownCommand(const CString& command)
{
    return drawing::CommandFromName(command) != drawing::Command::Unknown;
}

void CMorv9274App::ExitCleanup()
{
    static bool done = false;
    if (done)
        return;
    done = true;
    CWaitCursor wait;
    UnregisterDdeServer();
    if (g_pApp && g_pApp->m_hMutex) {
        ReleaseMutex(g_pApp->m_hMutex);
        g_pApp->m_hMutex = nullptr;
    }
    CParaDaten::ReleaseFiles();
    // Only once every working file is complete on the disc may another run take them.
    ProgramFolderLock().Release();
}

void CMorv9274App::EndRun()
{
    platform::EndProcess(0);
}

void CMorv9274App::KeepSingleInstance()
{
    m_hMutex = CreateMutexA(nullptr, TRUE, kMutexName);
    if (GetLastError() != ERROR_ALREADY_EXISTS)
        return;
    bool acquired = WaitForSingleObject(m_hMutex, kMutexWaitMs) == WAIT_OBJECT_0;
    if (!acquired)
        ShowAlreadyRunning();
    if (HWND other = FindWindowA(nullptr, ui::kMainFrameTitle))
        PostMessageA(other, WM_CLOSE, 0, 0);
    // The other instance is still in its start-up and may be writing the working files: give it time to end
    // before this run touches them.
    if (!acquired)
        WaitForSingleObject(m_hMutex, kMutexGiveWayMs);
}

void CMorv9274App::ShowAlreadyRunning()
{
    if (m_bShownAlreadyRunning)
        return;
    m_bShownAlreadyRunning = true;
    messages::Show(m_hOwner, messages::kAlreadyRunning);
}

void CMorv9274App::HoldProgramFolder()
{
    // A run of another runtime folder (another user of this installation, the same user logged in twice) never
    // meets the single instance, but works on the same working files: the runs take turns here instead. A folder
    // where no lock file can be had is one where no working file can be written either.
    platform::FolderLock& lock = ProgramFolderLock();
    if (!lock.Open(kProgramFolderLock) || lock.Acquire(kMutexWaitMs))
        return;
    ShowAlreadyRunning();
    if (lock.Acquire(kMutexGiveWayMs))
        return;
    // The other run still works on the program folder: this one ends without touching it.
    EndRun();
}

BOOL CMorv9274App::InitInstance()
{
    platform::AddExitHook(&CMorv9274App::ExitCleanup);
    resources::RegisterResources();
    CParaDaten store;
    m_hOwner = GetActiveWindow();

    // What a run killed halfway through a copy left behind is removed; a temporary that another run is still
    // writing is younger than this run or locked by it.
    struct timespec runStart {};
    clock_gettime(CLOCK_REALTIME, &runStart);
    KeepSingleInstance();

    m_drawingVerdict = 0;

    SetCurrentDirectoryA(GetModuleDirectory());
    _mkdir("para");
    HoldProgramFolder();
    platform::RemoveStaleTemporaries(".", runStart);
    platform::RemoveStaleTemporaries("para", runStart);
    // Likewise in every other folder this run writes (the compile's and the export's targets, templates), before
    // its first file there.
    platform::RemoveStaleTemporariesWhereWriting(runStart);

    if (!RegisterDdeServer(m_run.dde))
        messages::Show(m_hOwner, messages::kServerNotStarted);

    if (!ParseCmdFileArgument(m_arguments, m_run.start)) {
        messages::Show(m_hOwner, messages::kCommandFileUnreadable);
        EndRun();
    }
    const StartContext& start = m_run.start;
    if (!start.engPath.IsEmpty())
        platform::RemoveStaleTemporaries(FolderOfPath(start.engPath), runStart);

    // A command that works on the parameter file beside the drawing needs a drawing path with a file name in it.
    const bool needsDrawing = start.cmd == "open" || start.cmd == "save" || start.cmd == "saveas";
    if (start.xmlPath.IsEmpty() || !IsKnownCommand(start.cmd) ||
        (needsDrawing && CParaDaten::ParameterFilePath(start.engPath, "par").IsEmpty())) {
        messages::Show(m_hOwner, messages::kInvalidCommand);
        EndRun();
    }

    if (start.cmd == "new" || start.cmd == "start") {
        const bool created = store.CreateEmptyFile(CParaDaten::kParaFile);
        if (!created)
            messages::Show(m_hOwner, messages::kNewSetNotCreated);
        store.SetSprache(CParaDaten::kParaFile, kLanguageIta);
        // The set asked for is the person's own; it is on the disc (released) before it stops being a placeholder.
        CParaDaten::CloseFile(CParaDaten::kParaFile);
        if (created)
            CParaDaten::MarkPlaceholderSet(false);
        EndRun();
    }
    if (start.cmd == "save" || start.cmd == "saveas") {
        RunSaveCommand();
        EndRun();
    }
    if (start.cmd == "close")
        EndRun();
    if (start.cmd == "param" && !IsParamKind(start.name)) {
        messages::Show(m_hOwner, messages::kCannotParameterise);
        EndRun();
    }
    bool translate = false;
    if (start.cmd == "open")
        RunOpenCommand(translate);
    RunEvaluatedCommand(translate);
    return StartMainFrame();
}

void CMorv9274App::RunSaveCommand()
{
    CParaDaten store;
    // Only a whole set is stored: a working file that is not one would replace the person's file with a torn one.
    if (!store.IsSoundFile(CParaDaten::kParaFile)) {
        messages::Show(m_hOwner, messages::kSaveBesideDrawingFailed);
        return;
    }
    // A placeholder set replaces the person's file beside the drawing only when the person says so; a file that
    // cannot be replaced anyway (read-only) needs no question.
    const DWORD target = GetFileAttributesA(CParaDaten::SavedParameterFilePath(m_run.start.engPath));
    if (CParaDaten::IsPlaceholderSet() && target != INVALID_FILE_ATTRIBUTES && !(target & FILE_ATTRIBUTE_READONLY)) {
        if (messages::Show(m_hOwner, messages::kSavePlaceholder) != IDYES)
            return;
    }
    if (!store.SaveBesideDrawing(m_run.start.engPath)) {
        messages::Show(m_hOwner, messages::kSaveBesideDrawingFailed);
        return;
    }
    // The set beside the drawing is this set now.
    CParaDaten::MarkPlaceholderSet(false);
}

void CMorv9274App::RunOpenCommand(bool& translate)
{
    CParaDaten store;
    translate = false;
    if (!store.LoadBesideDrawing(m_run.start.engPath)) {
        messages::Show(m_hOwner, messages::kOpenNotLoaded);
        // An empty set is made only under the placeholder mark; without room for the mark there is no working set.
        if (!CParaDaten::MarkPlaceholderSet(true) || !store.CreateEmptyFile(CParaDaten::kParaFile))
            messages::Show(m_hOwner, messages::kOpenEmptySetNotCreated);
        translate = true;
    } else {
        FileHeader header;
        // A file whose image is not whole (cut, grown, a line doubled or inserted) is no parameter set either.
        if (!store.CheckFileHeader(CParaDaten::kParaFile, &header) || header.magic != kParaMagic ||
            !store.IsSoundFile(CParaDaten::kParaFile)) {
            messages::Show(m_hOwner, messages::kOpenWrongFile);
            if (!CParaDaten::MarkPlaceholderSet(true) || !store.CreateEmptyFile(CParaDaten::kParaFile))
                messages::Show(m_hOwner, messages::kOpenRepairSetNotCreated);
        } else if (header.formatVersion < 1.0f) {
            messages::Show(m_hOwner, messages::kOpenOlderFormat);
            store.ConvertFile();
        } else if (header.formatVersion > 1.0f) {
            messages::Show(m_hOwner, messages::kOpenNewerFormat);
            store.ConvertFile();
        }
    }
    if (store.GetSprache(CParaDaten::kParaFile) != kLanguageIta)
        translate = true;
}
