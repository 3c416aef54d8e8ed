// The wiring of the window commands as data: which forms a command creates, which toolbar it shows, which routines
// its save, assign and save-assign commands call, and what every command of the running frame does and when it is
// disabled.
//
// The main frame's code only walks these tables. A form issue adds its factory, its process-wide pointer and its
// routines to the rows of its command or object kind and touches no frame code. A form without a factory is not
// built yet: the frame skips it, and a command whose start form is missing shows the start view, as a command
// without forms does.
#pragma once

#include "platform/CString.h"
#include "platform/Types.h"

#include <vector>

class CView;

// The form positions of the main frame, one first-activation flag each: the protocol form, the first form of a
// command, the second (input-variable form, or the export form beside the compiler) and the third (output-variable
// form).
constexpr int kFormPositions = 4;

// The application's form members.
enum class FormSlot {
    StartView,
    Eingang,
    Ausgang,
    Protokoll,
    SignalUebergabe,
    NetzwerkEingang,
    NetzwerkAusgang,
    FuncView,
    CanLogging,
    FuncOrder,
    MeldungOrder,
    Parameter,  // parameter form of a function type or of a message
    VarIn,
    VarOut,
    Compiler,
    Export,
    Import,
    Count
};

using FormFactory = CView* (*)();        // a new form object (default constructor)
using FormPublisher = void (*)(CView*);  // stores the form in its process-wide pointer (g_pEingang, g_pHzkrReg, ...)
using FormRoutine = void (*)();          // a save, assign or save-assign routine, through a process-wide pointer

struct FormEntry {
    FormSlot slot;
    UINT childId;
    int firstActivation;              // the frame's flag the form clears when it first fills itself (its position)
    FormFactory create = nullptr;     // null while the form is not built
    FormPublisher publish = nullptr;  // set only for the first form of a row that has a process-wide pointer
};

struct FormRow {
    const char* command;               // "param", "parser", ...; null for the row of anything else
    std::vector<const char*> kinds;    // object kinds of a "param" row; empty for the other commands
    UINT toolBar;
    std::vector<FormEntry> forms;      // after the protocol form, in creation order
    FormSlot start;                    // the start form; the start view when it is not created
    FormRoutine save = nullptr;        // commands 32795 and 32896
    FormRoutine assign = nullptr;      // commands 32882, 32885 and 32897
    FormRoutine saveAssign = nullptr;  // commands 32883, 32884 and 32895
};

enum class CommandKind { Save, Assign, SaveAssign, Terminate, Switch, About };

enum class DisableRule {
    Never,
    Fatal,  // disabled while the drawing evaluation's verdict is fatal
};

struct CommandRow {
    UINT id;
    CommandKind kind;
    DisableRule rule;
    // The form a switch shows. A switch to a form that does not exist is disabled too, as is a save, assign or
    // save-assign command whose row has no routine for it.
    FormSlot target;
};

// The protocol form, created first in every window command.
const FormEntry& ProtocolFormEntry();

// The row of the command and object kind: a "param" row by kind, another command's row by command, else the row of
// anything else (start view, toolbar 132).
const FormRow& FindFormRow(const CString& command, const CString& kind);

// The command's row, or null for an id that is not a command of the frame.
const CommandRow* FindCommandRow(UINT id);
const std::vector<CommandRow>& CommandRows();
const std::vector<FormRow>& FormRows();
