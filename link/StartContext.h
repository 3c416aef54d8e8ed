// What a run works on: the start context the drawing tool's command file gave, and the state of the program's own
// DDE server that a transfer to the drawing tool waits on. The application owns one of each for the run and hands
// them to whoever needs them: the forms and the production dialogs get the run's context from the frame, the command
// channel and the transfer dialog through their constructors.
#pragma once

#include "platform/CString.h"
#include "platform/Ddeml.h"
#include "platform/Types.h"

// The command and its parameters, as the command file gave them.
struct StartContext {
    CString cmd;      // one of the fourteen commands
    CString engPath;  // the drawing file; its parameter file lies beside it
    CString xmlPath;  // the drawing export
    CString xmlDir;   // folder of the drawing export; "SCCmd.tmp" lies in its folder "para"
    CString name;     // object kind of the object the command is about ("-name" before its first "$")
    int id = 0;       // drawing object id of that object, 0 when none
};

// What the program's DDE server has seen of the drawing tool.
struct DdeState {
    // Set when the drawing tool pokes "ack"; a transfer clears it before it pokes, so each waits for its own "ack".
    bool ack = false;
    // The conversation the drawing tool holds with the program's server; null when none is open.
    HCONV conv = nullptr;
};

// The run's context as a form or a dialog gets it.
struct RunContext {
    StartContext start;
    DdeState dde;
};

// A form or dialog that needs the run's context inherits this beside its window class. The frame that creates it
// hands it the application's context before its window is created; until one is handed in, the form uses an empty
// context of its own (no command, no object, no server seen).
class UsesRunContext {
public:
    UsesRunContext() = default;
    UsesRunContext(const UsesRunContext&) = delete;
    UsesRunContext& operator=(const UsesRunContext&) = delete;
    virtual ~UsesRunContext() = default;

    // The application's context; it must outlive the form.
    void UseRunContext(RunContext* run) { m_run = run ? run : &m_own; }
    RunContext& Run() const { return *m_run; }
    const StartContext& Start() const { return m_run->start; }

private:
    RunContext m_own;
    RunContext* m_run = &m_own;
};
