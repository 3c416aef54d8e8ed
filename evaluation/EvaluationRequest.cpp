// The command words of the drawing tool and the plant kinds.
#include "evaluation/EvaluationRequest.h"

namespace drawing {

namespace {

struct CommandName {
    const char* name;
    Command command;
};

constexpr CommandName kCommandNames[] = {
    {"start", Command::Start},         {"close", Command::Close},         {"new", Command::New},
    {"open", Command::Open},           {"save", Command::Save},           {"saveas", Command::SaveAs},
    {"param", Command::Param},         {"parser", Command::Parser},       {"paraimport", Command::ParaImport},
    {"funcview", Command::FuncView},   {"funcorder", Command::FuncOrder}, {"msgorder", Command::MsgOrder},
    {"onlineschema", Command::OnlineSchema}, {"canlogging", Command::CanLogging},
};

}  // namespace

Command CommandFromName(const CString& name)
{
    for (const CommandName& entry : kCommandNames)
        if (name == entry.name) return entry.command;
    return Command::Unknown;
}

bool IsPlantKind(const CString& kind)
{
    static const char* const kKinds[] = {"Eingang",         "Sensorstatus",     "Ausgang",
                                         "Mischer_Ausgang", "Analog_Ausgang",   "Signal_Übergabe",
                                         "Signal_Übernahme", "Netzwerkeingang", "Netzwerkstatus"};
    for (const char* k : kKinds)
        if (kind == k) return true;
    return false;
}

bool EvaluationRequest::IsParamOnFunction() const { return command == Command::Param && !IsPlantKind(kind); }

}  // namespace drawing
