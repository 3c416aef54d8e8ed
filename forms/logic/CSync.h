// The parameter form of the synchronisation (function type 21, "Synchronisation"): up to five time windows of one
// kind (minutes of the hour, time of day, days of the month, dates of the year), cyclic or once. The window kind
// decides the lists, captions and enabled columns of the window grid; the lists are rebuilt only when the kind or
// the repetition is chosen. The release is its input-variable form (CSyncVarIn), the status output its
// output-variable form (CSyncVarOut).
#pragma once

#include "forms/frame/FunctionFormFactories.h"
#include "forms/frame/FunctionParamForm.h"

#include <array>

class CSync : public FunctionParamForm {
    FUNCTION_FORM_MEMBERS(CSync)
public:
    CSync();

    void OnModus();
    void OnFenster(UINT id);

protected:
    void DoDataExchange(CDataExchange* dx) override;
    void ShowSpecial() override;
    DECLARE_MESSAGE_MAP()

private:
    bool m_refillGrid = true;          // the next show rebuilds the grid's lists and captions
    std::array<CComboBox, 20> m_grid;  // window k's start A, start B, end A, end B at 4k .. 4k + 3
};

extern CSync* g_pSync;
