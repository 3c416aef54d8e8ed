// The text service's answers to the drawing reader and the drawing evaluation: display texts, output-variable
// numbers and protocol entries come from CTexte. Start-up installs one with drawing::SetServices; the slot and
// function-number questions keep the drawing layer's own answers from the working copy.
#pragma once

#include "drawing/DrawingServices.h"

class DrawingTextServices : public drawing::DrawingServices {
public:
    CString GetObjektArtText(const CString& kind) override;
    CString GetPinText(const CString& kind, const CString& pinName) override;
    int GetAusgangVariableNr(const CString& kind, const CString& pinName) override;
    void WriteProtokoll(int code, const CString& text) override;
};
