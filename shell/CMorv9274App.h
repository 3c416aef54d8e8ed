// CMorv9274App: the application object. Every run serves one command of the drawing tool and ends the process.
//
// The class is split over several source files:
//   CMorv9274App.cpp          construction, start-up (single instance, program directory, command file, the file
//                             commands and "open"), the exit clean-up
//   CMorv9274AppDde.cpp       the program's own DDE server
//   CMorv9274AppEvaluate.cpp  the preparation, drawing evaluation and hand-over of every evaluated command
//   CMorv9274AppFrame.cpp     the main frame of the window commands: its forms, form switching and the commands
#pragma once

#include "link/StartContext.h"
#include "platform/ApplicationNames.h"
#include "platform/CWinApp.h"
#include "platform/Ddeml.h"
#include "platform/Win32Mutex.h"
#include "shell/FormTable.h"

class CMainFrame;
struct CCreateContext;
class CView;

class CMorv9274App : public CWinApp {
public:
    CMorv9274App();
    ~CMorv9274App() override;

    // The language code of this build's texts ("ITA"), stored in every parameter set it writes.
    static constexpr int kLanguageIta = 3;

    // Never returns for the commands that end during the start-up (exit code 0).
    BOOL InitInstance() override;

    // The program directory (the executable's folder, or MORV9274_HOME), without a trailing "/".
    static CString GetModuleDirectory();
    // The program's names for the platform layer, given to it by the constructor: the program folder's variable
    // MORV9274_HOME, the headless variable MORV9274_HEADLESS, the window backend "morv9274-wx.so" and the prefix
    // ".morv9274-" of temporary files.
    static const platform::ApplicationNames& Names();

    // The DDE server of the program (service "morv9274", topic "set", item "object").
    static HDDEDATA DdeCallback(UINT type, UINT format, HCONV conv, HSZ hsz1, HSZ hsz2, HDDEDATA data,
                                ULONG_PTR data1, ULONG_PTR data2);
    static void OnDdePoke(const BYTE* buffer);
    // Registers the server, which records what it sees of the drawing tool in state (it must stay until the
    // server is unregistered); false (no server, nothing left registered) when the DDE instance could not be
    // initialised or the service name could not be registered.
    static bool RegisterDdeServer(DdeState& state);
    static void UnregisterDdeServer();

    // Whether the "param" command accepts the object kind: whether the form table has a "param" row for it.
    static bool IsParamKind(const CString& kind);
    // The fourteen commands.
    static bool IsKnownCommand(const CString& command);

    // The "onlineschema" command's page: reads the online exchange file, asks for the target and writes the page;
    // its failures end in a message box.
    void CreateOnlineSchema();

    // Disconnects the drawing tool's conversation, unregisters the server, releases the mutex, the working files
    // and then the program folder. Runs once, from the one exit path; later calls do nothing.
    static void ExitCleanup();

    // The rest of the start-up of a window command after the evaluation: the document template opens the command
    // file as its document (frame, toolbar, status bar, start view), the protocol form and the row's forms are
    // created hidden, the start form or the protocol form is switched in by the evaluation's verdict, and the frame
    // is shown with the state WINDOW.ini stores, centred, titled "Vorna - morv9274"; the mutex is then released.
    // False when the frame could not be made; a form that could not be created ends the run (exit code 0), so no
    // command ever reaches a form that does not stand.
    BOOL StartMainFrame();
    BOOL StartMainFrame(const FormRow& row);

    // Shows the form in the frame's pane and makes it the active view (it fills itself on its first activation);
    // returns the form shown before.
    CView* SwitchView(CView* form);
    // The application's form member, or null when the form was not created.
    CView* GetForm(FormSlot slot) const { return m_forms[static_cast<int>(slot)]; }
    CMainFrame* GetMainFrame() const;
    // The row of the running window command (the start-up's row; the command and kind's row before it ran).
    const FormRow& GetFormRow() const;
    // The frame's state of its forms: whether the first activation of a form position is still to come (set for
    // every position when the frame starts; the form clears it when it first fills itself) and the page number of
    // the form shown (every activation of the protocol form sets it to 1).
    bool IsFirstActivationPending(int position) const { return m_firstActivation[position]; }
    int GetCurrentPage() const { return m_currentPage; }
    // The run's context: the start context read from the command file and the state of the DDE server. The frame
    // hands it to every form it creates that inherits UsesRunContext.
    RunContext& GetRunContext() { return m_run; }
    const StartContext& GetStart() const { return m_run.start; }
    // The verdict of the drawing evaluation, which decides the forms the frame shows first and the commands it
    // disables (kDrawingCheckMessages, kDrawingCheckFatal).
    BYTE GetDrawingVerdict() const { return m_drawingVerdict; }
    void SetDrawingVerdict(BYTE verdict) { m_drawingVerdict = verdict; }

    // The commands of the running frame, dispatched by the command table; their update handlers follow its rules.
    BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, platform::CmdHandlerInfo* handlerInfo) override;
    bool IsCommandAvailable(const CommandRow& command) const;
    void OnAppAbout();
    [[noreturn]] void OnTerminate();

    HANDLE m_hMutex = nullptr;

private:
    void RunCommand(const CommandRow& command);
    bool CreateForm(const FormEntry& entry, bool first, CCreateContext& context);

    void KeepSingleInstance();
    // Takes the lock of the program folder before any working file is touched, waiting for another run as the
    // single instance waits (1.000 when it does not end in time); the one exit path lets go of it. A run that still
    // cannot have it after the grace period ends without touching the program folder.
    void HoldProgramFolder();
    // Message 1.000, at most once a run.
    void ShowAlreadyRunning();
    [[noreturn]] void EndRun();
    void RunOpenCommand(bool& translate);
    // "save" and "saveas": working file 1 beside the drawing, never a torn set, and a placeholder set only when
    // the person agrees.
    void RunSaveCommand();
    // The commands that go on with the drawing evaluation; returns only for the window commands.
    void RunEvaluatedCommand(bool translate);

    HWND m_hOwner = nullptr;
    RunContext m_run;
    bool m_bShownAlreadyRunning = false;
    const FormRow* m_pFormRow = nullptr;
    CView* m_forms[static_cast<int>(FormSlot::Count)] = {};
    // One flag per form position; each form the frame creates is handed the flag of its entry.
    bool m_firstActivation[kFormPositions] = {};
    int m_currentPage = 0;
    BYTE m_drawingVerdict = 0;
};

// Bits of the drawing evaluation's verdict.
constexpr BYTE kDrawingCheckMessages = 1;  // the protocol form is shown in front of the first form
constexpr BYTE kDrawingCheckFatal = 4;     // only the protocol form; every content command disabled
