// DrawingChecker: the checks of the drawing evaluation at start-up, for one request.
//
// The checks parse the drawing export, check library versions, bring the function and message slots of the working
// copy in line with the drawing, check connections (writing "Connections.tmp"), memory, network inputs and outputs,
// and compute the controller requirements, as far as the command needs them (the table kCommandSteps of
// DrawingChecker.cpp; "param" runs by the kind of its object). Each step writes its findings as entries of the
// protocol ("para/Protokoll.tmp") and returns its verdict bits. Slots are created and deleted through
// drawing::SlotChanges; the renames they queue go to the channel. Progress and the current step's title go to the
// reporter; the checker shows nothing itself.
//
// DrawingChecker.cpp holds the sequence and the parse and library steps; DrawingCheckerSlots.cpp the function and
// message slots; DrawingCheckerChecks.cpp the connection, memory, network and requirement steps.
#pragma once

#include "evaluation/EvaluationRequest.h"
#include "platform/CString.h"
#include "platform/Types.h"
#include "store/ImageLayout.h"

class CZeichnung;

class DrawingCommands;

// Where the checks report how far they are: the title of the step running and its progress (0 to 100).
class EvaluationReporter {
public:
    virtual ~EvaluationReporter() = default;
    virtual void SetStatus(const char* text) = 0;
    virtual void SetProgress(int position) = 0;
};

class DrawingChecker {
public:
    // Verdict bits.
    static constexpr BYTE kMeldungen = 1;       // findings to show, not fatal
    static constexpr BYTE kFatal = 4;           // the drawing cannot be used for this command
    static constexpr BYTE kAndereFunktion = 8;  // under "param", another function failed its connection check

    static constexpr int kMaxFunktionen = static_cast<int>(layout::kFuncSlots);
    static constexpr int kMaxMeldungen = static_cast<int>(layout::kMeldungSlots);
    static constexpr int kVariablenBytes = layout::kVariableBytes;
    static constexpr int kParameterBytes = layout::kParameterBytes;

    // The channel (null: no renames are queued) and the reporter (null: progress goes nowhere) are the caller's.
    DrawingChecker(const drawing::EvaluationRequest& request, DrawingCommands* channel,
                   EvaluationReporter* reporter = nullptr);
    virtual ~DrawingChecker() = default;

    // The whole sequence: starts the protocol, runs the steps until one is fatal; returns the verdict.
    BYTE Run();

    BYTE StepParse();
    BYTE StepBibliothek();
    BYTE StepFunktionen();
    BYTE StepMeldungen();
    BYTE StepVariablen();
    BYTE StepSpeicher();
    BYTE StepNetzEingaenge();
    BYTE StepNetzAusgaenge();
    BYTE StepAnforderungen();

    // This run read the drawing export into the exchange files without error (so they are this drawing's).
    bool HasImported() const { return m_bImportiert; }

protected:
    // 0 when the drawing export was read into the exchange files without error.
    virtual int ParseXml(const char* fileName);

private:
    // The steps; a step whose bit a request does not have returns 0 at once. The connection step always writes
    // "Connections.tmp"; its bit asks for the connections of the whole drawing (DrawingCheckerChecks.cpp).
    enum StepBit : unsigned {
        kLibrary = 1u << 0,
        kConnections = 1u << 7,
        kFunctions = 1u << 1,
        kMessages = 1u << 2,
        kMemory = 1u << 3,
        kNetInputs = 1u << 4,
        kNetOutputs = 1u << 5,
        kRequirements = 1u << 6,
    };
    bool Runs(StepBit step) const;
    void Protokoll(int code, const CString& text);
    void SetStatus(const char* text);
    void SetProgress(int position);
    // The start of the slot steps: the step's title in the status and the protocol, progress 0; false, after the
    // protocol says the step was aborted, when two objects of the drawing share the digits their slots would store.
    bool BeginSlotStep(const char* title, CZeichnung& zeichnung);

    drawing::EvaluationRequest m_request;
    DrawingCommands* m_pChannel;
    EvaluationReporter* m_pReporter;
    bool m_bImportiert = false;
};
