// CMorv9274App: the application object. Every run serves one command of the drawing tool and ends the process.
//
// The class is split over several source files:
//   CMorv9274App.cpp          construction, start-up (single instance, program directory, command file, the file
//                             commands and "open"), the exit clean-up
//   CMorv9274AppDde.cpp       the program's own DDE server
//   CMorv9274AppEvaluate.cpp  the preparation, drawing evaluation and hand-over of every evaluated command
#pragma once

#include "platform/CWinApp.h"
#include "platform/Ddeml.h"
#include "platform/Win32Mutex.h"

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

    // The DDE server of the program (service "morv9274", topic "set", item "object").
    static HDDEDATA DdeCallback(UINT type, UINT format, HCONV conv, HSZ hsz1, HSZ hsz2, HDDEDATA data,
                                ULONG_PTR data1, ULONG_PTR data2);
    static void OnDdePoke(const BYTE* buffer);
    // Registers the server; false when the DDE instance could not be initialised.
    static bool RegisterDdeServer();
    static void UnregisterDdeServer();

    // The 34 object kinds the "param" command accepts.
    static bool IsParamKind(const CString& kind);
    // The fourteen commands.
    static bool IsKnownCommand(const CString& command);

    // The "onlineschema" command's page: reads the online exchange file, asks for the target and writes the page;
    // its failures end in a message box.
    void CreateOnlineSchema();

    // Shows a start-up message box: caption "morv9274 - Message: <number>", single OK button.
    void StartupMessage(const char* number, const CString& text, UINT flags);

    // Disconnects the drawing tool's conversation, unregisters the server, releases the mutex and the working
    // files. Runs once, from the one exit path; later calls do nothing.
    static void ExitCleanup();

    HANDLE m_hMutex = nullptr;

private:
    void KeepSingleInstance();
    [[noreturn]] void EndRun();
    void RunOpenCommand(bool& translate);
    // "save" and "saveas": working file 1 beside the drawing, never a torn set, and a placeholder set only when
    // the person agrees.
    void RunSaveCommand();
    // The commands that go on with the drawing evaluation.
    void RunEvaluatedCommand(bool translate);

    HWND m_hOwner = nullptr;
};

constexpr UINT kStartupError = MB_SYSTEMMODAL | MB_ICONHAND;            // 0x1010
constexpr UINT kStartupWarning = MB_SYSTEMMODAL | MB_ICONEXCLAMATION;   // 0x1030
