// The application object: start-up, single instance, command file and the file commands.
#include "shell/CMorv9274App.h"

#include "drawing/StoreDrawingReader.h"
#include "evaluation/EvaluationRequest.h"
#include "link/StartContext.h"
#include "platform/ApplicationNames.h"
#include "platform/CWaitCursor.h"
#include "platform/FolderLock.h"
#include "platform/LastError.h"
#include "platform/ProcessExit.h"
#include "platform/Prompts.h"
#include "platform/Win32File.h"
#include "platform/Win32Window.h"
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

const char* const kParamKinds[] = {
    "Eingang", "Ausgang", "Analog_Ausgang", "Mischer_Ausgang", "Sensorstatus", "Meldung", "Signal_Übernahme",
    "Signal_Übergabe", "Analogfunktion", "Anforderung Heizung", "Anforderung Warmwasser", "Funktionskontrolle",
    "Heizkreisregler", "Kesselkaskade", "Kühlfunktion", "Ladepumpe", "Logikfunktion", "Mischerregelfunktion",
    "PID-Regelung", "Profilfunktion", "Schaltuhr", "Solarregelung", "Solarvorrang", "Startfunktion",
    "Synchronisation", "Timerfunktion", "Vergleich", "Wärmemengenzähler", "Wartungsfunktion", "Zähler",
    "Zirkulation", "Netzwerkeingang", "Netzwerkstatus", "Netzwerkausgang"};
static_assert(sizeof kParamKinds / sizeof kParamKinds[0] == 34);

CMorv9274App* g_pApp = nullptr;

platform::FolderLock& ProgramFolderLock()
{
    static platform::FolderLock lock;
    return lock;
}

template <size_t N>
bool IsOneOf(const CString& value, const char* const (&list)[N])
{
    for (const char* entry : list)
        if (value == entry)
            return true;
    return false;
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
    return IsOneOf(kind, kParamKinds);
}

bool CMorv9274App::IsKnownCommand(const CString& command)
{
    return drawing::CommandFromName(command) != drawing::Command::Unknown;
}

void CMorv9274App::StartupMessage(const char* number, const CString& text, UINT flags)
{
    CString caption;
    caption.Format(ui::kMessageCaption, number);
    MessageBoxA(m_hOwner, text, caption, flags);
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
    CString text;
    text.Format("%s\n\n%s\n%s", ui::kAlreadyRunning, ui::kTryingToEndOther, ui::kDataLossPossible);
    StartupMessage("1.000", text, kStartupError);
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
    // Record reads of the store complete their sources from the drawing.
    drawing::InstallStoreDrawingReader();
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

    if (!RegisterDdeServer())
        MessageBoxA(m_hOwner, ui::kDdeInitFailed, ui::kDdeInitCaption, kStartupWarning);

    CString invalidCall;
    invalidCall.Format("%s\n\n%s", ui::kInvalidCall, ui::kCannotRun);
    StartValues start;
    if (!ParseCmdFileArgument(m_arguments, start)) {
        StartupMessage("1.002", invalidCall, kStartupError);
        EndRun();
    }
    g_strCmd = start.cmd;
    g_strEngPath = start.engPath;
    g_strXmlPath = start.xmlPath;
    g_strXmlDir = start.xmlDir;
    g_strName = start.name;
    g_nId = start.id;
    if (!g_strEngPath.IsEmpty())
        platform::RemoveStaleTemporaries(FolderOfPath(g_strEngPath), runStart);

    // A command that works on the parameter file beside the drawing needs a drawing path with a file name in it.
    const bool needsDrawing = g_strCmd == "open" || g_strCmd == "save" || g_strCmd == "saveas";
    if (g_strXmlPath.IsEmpty() || !IsKnownCommand(g_strCmd) ||
        (needsDrawing && CParaDaten::ParameterFilePath(g_strEngPath, "par").IsEmpty())) {
        StartupMessage("1.003", invalidCall, kStartupError);
        EndRun();
    }

    if (g_strCmd == "new" || g_strCmd == "start") {
        const bool created = store.CreateEmptyFile(CParaDaten::kParaFile);
        if (!created)
            StartupMessage("1.049", ui::kCreateParaFailed, kStartupError);
        store.SetSprache(CParaDaten::kParaFile, kLanguageIta);
        // The set asked for is the person's own; it is on the disc (released) before it stops being a placeholder.
        CParaDaten::CloseFile(CParaDaten::kParaFile);
        if (created)
            CParaDaten::MarkPlaceholderSet(false);
        EndRun();
    }
    if (g_strCmd == "save" || g_strCmd == "saveas") {
        RunSaveCommand();
        EndRun();
    }
    if (g_strCmd == "close")
        EndRun();
    if (g_strCmd == "param" && !IsParamKind(g_strName)) {
        StartupMessage("1.008", ui::kCannotParameterise, kStartupWarning);
        EndRun();
    }
    bool translate = false;
    if (g_strCmd == "open")
        RunOpenCommand(translate);
    RunEvaluatedCommand(translate);
    return StartMainFrame();
}

void CMorv9274App::RunSaveCommand()
{
    CParaDaten store;
    // Only a whole set is stored: a working file that is not one would replace the person's file with a torn one.
    if (!store.IsSoundFile(CParaDaten::kParaFile)) {
        StartupMessage("1.027", ui::kSaveFailed, kStartupWarning);
        return;
    }
    // A placeholder set replaces the person's file beside the drawing only when the person says so; a file that
    // cannot be replaced anyway (read-only) needs no question.
    const DWORD target = GetFileAttributesA(CParaDaten::SavedParameterFilePath(g_strEngPath));
    if (CParaDaten::IsPlaceholderSet() && target != INVALID_FILE_ATTRIBUTES && !(target & FILE_ATTRIBUTE_READONLY)) {
        CString text;
        text.Format("%s\n\n%s", ui::kSavePlaceholder, ui::kSavePlaceholderAsk);
        CString caption;
        caption.Format(ui::kMessageCaption, "1.054");
        if (MessageBoxA(m_hOwner, text, caption, kStartupWarning | MB_YESNO | MB_DEFBUTTON2) != IDYES)
            return;
    }
    if (!store.SaveBesideDrawing(g_strEngPath)) {
        StartupMessage("1.027", ui::kSaveFailed, kStartupWarning);
        return;
    }
    // The set beside the drawing is this set now.
    CParaDaten::MarkPlaceholderSet(false);
}

void CMorv9274App::RunOpenCommand(bool& translate)
{
    CParaDaten store;
    translate = false;
    CString text;
    if (!store.LoadBesideDrawing(g_strEngPath)) {
        text.Format("%s\n\n%s\n%s", ui::kLoadParaFailed, ui::kParaFileNotLoaded, ui::kNewEmptyArea);
        StartupMessage("1.043", text, kStartupError);
        // An empty set is made only under the placeholder mark; without room for the mark there is no working set.
        if (!CParaDaten::MarkPlaceholderSet(true) || !store.CreateEmptyFile(CParaDaten::kParaFile))
            StartupMessage("1.050", ui::kCreateParaFailed, kStartupError);
        translate = true;
    } else {
        FileHeader header;
        // A file whose image is not whole (cut, grown, a line doubled or inserted) is no parameter set either.
        if (!store.CheckFileHeader(CParaDaten::kParaFile, &header) || header.magic != kParaMagic ||
            !store.IsSoundFile(CParaDaten::kParaFile)) {
            text.Format("%s\n\n%s\n%s", ui::kWrongParametrisation, ui::kCannotRestore, ui::kNewEmptyArea);
            StartupMessage("1.004", text, kStartupError);
            if (!CParaDaten::MarkPlaceholderSet(true) || !store.CreateEmptyFile(CParaDaten::kParaFile))
                StartupMessage("1.051", ui::kCreateParaFailed, kStartupError);
        } else if (header.formatVersion < 1.0f) {
            text.Format("%s\n\n%s\n%s\n%s", ui::kOldStructure, ui::kConvertingNow, ui::kIncompatibilities,
                        ui::kCheckNewParametrisation);
            StartupMessage("1.005", text, kStartupWarning);
            store.ConvertFile();
        } else if (header.formatVersion > 1.0f) {
            text.Format("%s\n\n%s\n\n%s\n%s\n%s", ui::kNewStructure, ui::kUseNewerVorna, ui::kConvertingToSupported,
                        ui::kIncompatibilities, ui::kCheckNewParametrisation);
            StartupMessage("1.007", text, kStartupWarning);
            store.ConvertFile();
        }
    }
    if (store.GetSprache(CParaDaten::kParaFile) != kLanguageIta)
        translate = true;
}
