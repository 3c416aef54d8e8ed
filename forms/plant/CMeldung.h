// The parameter form of a message (object kind "Meldung"): type, cause group, cause and cause number, alarm sound.
// Its input-variable form (CMeldungVarIn) sets the modes of release, activate and cancel; its output-variable form
// (CMeldungVarOut) the four sets of output flags. The three stand on the function form frame with a record access
// and a designation head of their own: the record is a message slot's, and the "designation" is the cause.
//
// The save writes the message's slot, then sends the type text to the object's designation text, the cause to its
// cause text and the labels of the three input pins. A run whose object no message slot carries (or whose record
// could not be read) has nothing to save: the save ends it as a cancel, writing and sending nothing.
#pragma once

#include "forms/frame/FunctionFormFactories.h"
#include "forms/frame/FunctionParamForm.h"

class CMeldung : public FunctionParamForm {
    FUNCTION_FORM_MEMBERS(CMeldung)
public:
    CMeldung();

protected:
    void SendTexts(DrawingCommands& channel, CZeichnung& drawing, const CTexte& texte, CParaDaten& para) override;
    void NoRecordToSave() override;
};

// The parameter form of the run, once the shell created it.
extern CMeldung* g_pMeldung;
