// FunctionVarInForm: the input-variable form of every function type. It shows where each input pin takes its value
// from and edits each input's mode (inverted flag, or the fixed state of an unconnected input) in the parameter
// form's record; it holds no record of its own.
//
// Every activation sets the title, the headings and the designation line (from the parameter form's lists); the
// source texts and the mode lists are filled once per run, on the first activation. A mode pick (CBN_SELENDOK of
// a mode list) stores at once and shows nothing again.
#pragma once

#include "forms/frame/FunctionFormTables.h"
#include "platform/CComboBox.h"
#include "platform/CFormView.h"
#include "platform/FirstActivation.h"

#include <memory>
#include <span>
#include <vector>

class FunctionParamForm;

class FunctionVarInForm : public CFormView, public platform::FirstActivation {
    DECLARE_DYNAMIC(FunctionVarInForm)
public:
    using ParamFormOf = FunctionParamForm* (*)();  // the type's parameter form (its g_p<F>)

    // With participants, the form also chooses the participants of the type's catalog row (ParticipantLists).
    FunctionVarInForm(const forms::FunctionKind& kind, std::span<const forms::InputRow> inputs, ParamFormOf param,
                      const forms::ParticipantLists* participants = nullptr);
    ~FunctionVarInForm() override;

    void OnActivateView(BOOL activate, CView* activateView, CView* deactiveView) override;
    void UpdateForm();
    // A list was picked: the mode list of one input, or a participant list or their count.
    void OnModus(UINT comboId);
    // Shows the count and the participant places from the record: the places beyond the count hidden.
    void ShowParticipants();

protected:
    void DoDataExchange(CDataExchange* dx) override;
    // Whether an input with an inUse rule is in use (looked at on every activation): by default the rule; a kind
    // whose test is wider than one rule widens it.
    virtual bool InputInUse(const forms::InputRow& input, const BYTE* record) const
    {
        return forms::RuleHolds(input.inUse, record);
    }
    DECLARE_MESSAGE_MAP()

private:
    struct InputTexts {
        CString heading, source, kind, number, variable, mode;
    };

    std::span<const forms::InputRow> m_inputs;
    ParamFormOf m_param;
    const forms::FunctionKind& m_kind;
    CString m_strTitle;
    CString m_strBezeichnung;
    std::vector<InputTexts> m_texts;
    std::vector<std::unique_ptr<CComboBox>> m_modes;  // per input; null without a mode list

    void FillInput(size_t i, const BYTE* record);
    bool OnParticipantPick(UINT comboId);
    const forms::ParticipantLists* m_participants;
    CString m_countLabel;
    CString m_listsLabel;
    CComboBox m_count;
    std::vector<std::unique_ptr<CComboBox>> m_places;
};
