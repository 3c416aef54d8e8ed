// EvaluationRequest: what the drawing evaluation is asked to check, taken from the drawing tool's command: the
// command, and for "param" the kind and drawing object id of the object to edit. The evaluation chooses its steps
// from it; it reads nothing of the start context itself.
#pragma once

#include "platform/CString.h"

#include <initializer_list>

namespace drawing {

// The drawing tool's commands, one value per command word; Unknown for any other word.
enum class Command {
    Unknown,
    Start,
    Close,
    New,
    Open,
    Save,
    SaveAs,
    Param,
    Parser,
    ParaImport,
    FuncView,
    FuncOrder,
    MsgOrder,
    OnlineSchema,
    CanLogging,
};

// The command of a command word ("open", "param", ...; exact spelling); Unknown for any other text.
Command CommandFromName(const CString& name);

struct EvaluationRequest {
    Command command = Command::Unknown;
    CString kind;      // object kind of the object a "param" is about
    int objectId = 0;  // its drawing object id, 0 when none

    bool Is(std::initializer_list<Command> commands) const
    {
        for (Command c : commands)
            if (command == c) return true;
        return false;
    }
    // "param" on an object of one of the kinds.
    bool IsParamOn(std::initializer_list<const char*> kinds) const
    {
        if (command != Command::Param) return false;
        for (const char* k : kinds)
            if (kind == k) return true;
        return false;
    }
    // "param" on a function or message, not on a plant object.
    bool IsParamOnFunction() const;
};

// Kinds of plant objects whose "param" skips the function, message and memory steps.
bool IsPlantKind(const CString& kind);

}  // namespace drawing
