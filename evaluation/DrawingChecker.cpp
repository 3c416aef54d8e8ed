// The drawing evaluation's checks: which steps a request runs, the sequence, the parse and the library steps.
#include "evaluation/DrawingChecker.h"

#include "drawing/CZeichnung.h"
#include "drawing/ParseXml.h"
#include "resources/UiTexts.h"
#include "texts/CTexte.h"

namespace {

using C = drawing::Command;

}  // namespace

DrawingChecker::DrawingChecker(const drawing::EvaluationRequest& request, DrawingCommands* channel,
                               EvaluationReporter* reporter)
    : m_request(request), m_pChannel(channel), m_pReporter(reporter)
{
}

bool DrawingChecker::Runs(StepBit step) const
{
    // The steps of the commands about the whole drawing.
    struct CommandSteps {
        C command;
        unsigned steps;
    };
    static constexpr unsigned kAll = kLibrary | kFunctions | kMessages | kConnections | kMemory | kNetInputs |
                                     kNetOutputs | kRequirements;
    static constexpr CommandSteps kCommandSteps[] = {
        {C::Open, kLibrary | kFunctions | kMessages},
        {C::Parser, kAll},
        {C::ParaImport, kLibrary | kFunctions | kMessages | kConnections | kNetOutputs},
        {C::FuncView, kLibrary | kFunctions | kConnections | kMemory},
        {C::CanLogging, kLibrary | kFunctions | kMessages | kConnections | kMemory},
        {C::FuncOrder, kLibrary | kFunctions | kConnections | kMemory},
        {C::MsgOrder, kLibrary | kMessages | kConnections},
    };
    if (m_request.command == C::Param) {
        // "param" checks its own object's library and connections (DrawingCheckerChecks.cpp); a function or message
        // (anything but a plant object) has its slots and the memory checked too, a network output the network
        // outputs.
        unsigned steps = kLibrary;
        if (m_request.IsParamOnFunction()) steps |= kFunctions | kMessages | kMemory;
        if (m_request.IsParamOn({"Netzwerkausgang"})) steps |= kNetOutputs;
        return (steps & step) != 0;
    }
    for (const CommandSteps& row : kCommandSteps)
        if (row.command == m_request.command) return (row.steps & step) != 0;
    return false;
}

void DrawingChecker::SetStatus(const char* text)
{
    if (m_pReporter != nullptr) m_pReporter->SetStatus(text);
}

void DrawingChecker::SetProgress(int position)
{
    if (m_pReporter != nullptr) m_pReporter->SetProgress(position);
}

void DrawingChecker::Protokoll(int code, const CString& text)
{
    CTexte texte;
    texte.WriteProtokoll(code, text);
}

int DrawingChecker::ParseXml(const char* fileName) { return drawing::ParseXml(fileName); }

BYTE DrawingChecker::Run()
{
    Protokoll(0, "");
    BYTE verdict = 0;
    if (StepParse() != 0) verdict |= kFatal;
    using Step = BYTE (DrawingChecker::*)();
    static constexpr Step kSteps[] = {
        &DrawingChecker::StepBibliothek,    &DrawingChecker::StepFunktionen,    &DrawingChecker::StepMeldungen,
        &DrawingChecker::StepVariablen,     &DrawingChecker::StepSpeicher,      &DrawingChecker::StepNetzEingaenge,
        &DrawingChecker::StepNetzAusgaenge, &DrawingChecker::StepAnforderungen,
    };
    for (Step step : kSteps) {
        if (verdict & kFatal) break;
        if (step == &DrawingChecker::StepSpeicher && (verdict & kAndereFunktion)) continue;
        verdict |= (this->*step)();
    }
    return verdict;
}

BYTE DrawingChecker::StepParse()
{
    SetStatus(ui::kEvalParsing);
    SetProgress(50);
    Protokoll(5, ui::kEvalParsing);
    BYTE result = 0;
    m_bImportiert = ParseXml("VORNA.xml") == 0;
    if (!m_bImportiert) {
        Protokoll(1, ui::kEvalParseError);
        Protokoll(7, ui::kEvalAborted);
        result = 1;
    }
    SetProgress(100);
    return result;
}

BYTE DrawingChecker::StepBibliothek()
{
    if (!Runs(kLibrary)) return 0;
    BYTE verdict = 0;
    CZeichnung zeichnung;
    ObjektInfo info;
    if (m_request.command != C::Param) {
        SetStatus(ui::kEvalLibraryStatus);
        SetProgress(0);
        Protokoll(5, ui::kEvalLibraryTitle);
        const int n = zeichnung.GetObjektAnzahl();
        for (int m = 1; m <= n; ++m) {
            if (!zeichnung.GetObjekt(m, info)) break;
            verdict |= static_cast<BYTE>(zeichnung.CheckBibliotheksVersion(info));
            if (verdict & kFatal) {
                Protokoll(7, ui::kEvalAborted);
                break;
            }
            SetProgress(m * 100 / n);
        }
    } else {
        SetStatus(ui::kEvalObjectLibraryStatus);
        SetProgress(0);
        Protokoll(5, ui::kEvalObjectLibraryTitle);
        const int index = zeichnung.FindObjekt(m_request.objectId);
        if (index == 0 || !zeichnung.GetObjekt(index, info)) {
            Protokoll(1, ui::kEvalObjectNotFound);
            Protokoll(7, ui::kEvalAborted);
            verdict |= kFatal;
        } else {
            verdict |= static_cast<BYTE>(zeichnung.CheckBibliotheksVersion(info));
            if (verdict & kFatal) Protokoll(7, ui::kEvalAborted);
        }
        SetProgress(100);
    }
    return verdict;
}
