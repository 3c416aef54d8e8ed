// FunctionParamForm: the parameter form of every function type. It owns the only copy of the function's decoded
// record, reads it on its first activation (LoadForm), repairs and shows it (ShowRecord), lets the person choose the
// designation and the values its tables name, and on the save command writes it, commits the working copy, sends
// the drawing its texts and ends the process (SaveAndExit).
//
// A kind derives from it and gives its tables (FunctionFormTables.h); what no table says goes into the hooks
// ShowSpecial (enable and select steps of its own) and its own message-map entries, which come before the frame's.
//
// Notifications: the value controls' picks (CBN_SELENDOK) and clicks (BN_CLICKED) store at once; code that changes
// a control sends none. The designations-changed flag is set only by a confirmed designations dialog.
//
// A record that could not be read (no slot carries the object, or the read failed) is shown as the repair leaves
// the blank record, and its save is refused like a failed write: a warning box, nothing written or sent, the form
// stays (a kind may end such a run as a cancel instead: NoRecordToSave).
//
// A form whose record is no function's (a message) brings its record access (FunctionKind::access), its own
// designation head (Tables::head) and the texts its save sends (SendTexts).
#pragma once

#include "forms/frame/FunctionFormTables.h"
#include "link/StartContext.h"
#include "platform/CButton.h"
#include "platform/CComboBox.h"
#include "platform/CFormView.h"
#include "platform/FirstActivation.h"
#include "store/Bezeichnung.h"
#include "texttables/FunktionsListe.h"

#include <memory>
#include <span>
#include <vector>

namespace functypes {
struct FunctionType;
}
class CParaDaten;
class CTexte;
class CZeichnung;
class DrawingCommands;

class FunctionParamForm : public CFormView, public platform::FirstActivation, public UsesRunContext {
    DECLARE_DYNAMIC(FunctionParamForm)
public:
    struct Tables {
        const forms::FunctionKind& kind;
        std::span<const forms::LayoutGroup> layout;
        std::span<const forms::ValueControl> values;
        const forms::TimeProgramButton* timePrograms = nullptr;  // the form's time-program button; null none
        const forms::DesignationHead* head = nullptr;            // null: the function head
    };

    explicit FunctionParamForm(const Tables& tables);
    ~FunctionParamForm() override;

    void OnActivateView(BOOL activate, CView* activateView, CView* deactiveView) override;

    void LoadForm();
    void ShowRecord(bool refill);
    // The type's repair of the record; a kind may look at what it changed.
    virtual void CheckRecord();
    // Returns only when the save was refused (the record could not be read, written or committed).
    void SaveAndExit();

    void OnBezeichnungsGruppe();
    void OnBezeichnung();
    void OnBezeichnungenVerwalten();

    // The decoded record (byte k is offset k), as the variable forms reach it.
    BYTE* Record() { return m_record.data(); }
    const BYTE* Record() const { return m_record.data(); }
    // The catalog row; only for a form of a function type.
    const functypes::FunctionType& Type() const { return *m_type; }
    const forms::FunctionKind& Kind() const { return m_tables.kind; }
    // The designation line of the variable forms: a line break, the selected name and, for a digit, a blank and
    // the digit.
    CString DesignationLine() const;
    bool DesignationsChanged() const { return m_bBezeichnungenGeaendert; }
    bool ReadFailed() const { return m_readFailed; }
    // The functions the type's participant fields may name (the catalog's participants list), built at the first
    // activation; empty for a type without participants.
    const FunktionsListe& ParticipantList() const { return m_participantList; }
    // The designation of the function in participant place k (from 0) of the record, by ParticipantList.
    CString ParticipantText(int place) const;

protected:
    void DoDataExchange(CDataExchange* dx) override;
    // The kind's own steps between the frame's enable and select steps and the exchange; nothing by default.
    virtual void ShowSpecial() {}
    // The kind's own set-up at the first activation, after the record was read and before it is first shown;
    // nothing by default.
    virtual void LoadSpecial() {}

    // The text of a caption or unit static of the layout: shown at once and kept through every later exchange.
    void SetCaption(UINT id, const CString& text);
    // The list of a value row (a kind that rebuilds its items); null for another id.
    CComboBox* ValueCombo(UINT id);
    // The record the save labels the pins from, as a copy; a kind whose mode changes what a pin's label says
    // adjusts it. Unchanged by default.
    virtual void PrepareLabels(std::vector<BYTE>& /*record*/) const {}
    // For ShowSpecial: a value control disabled with no selection beyond what its enable rule says.
    void DisableValue(UINT id);
    // The save's texts for the drawing, after the record was written and committed: by default the function's
    // designation, its pin labels and participant texts, and the participant texts of the functions that list it.
    virtual void SendTexts(DrawingCommands& channel, CZeichnung& drawing, const CTexte& texte, CParaDaten& para);
    // The save found no record of the run's object (no slot, or the read failed): by default the warning of a
    // refused save, the form stays.
    virtual void NoRecordToSave();

    void OnValuePick(UINT id);
    void OnValueClick(UINT id);

    DECLARE_MESSAGE_MAP()

private:
    enum class Widget : BYTE { Combo, Radios, Check };

    Bezeichnung Designation() const;
    void SetDesignation(const Bezeichnung& designation);
    bool Enabled(const forms::ValueControl& value) const;
    // The layout row of a control (its list, first radio button or check box), above the head or below it.
    const forms::LayoutRow* Row(UINT controlId) const;
    // The last item of a group's name list, and whether the designation's name is one of its names (not "none").
    BYTE LastName(BYTE group) const;
    bool Named(const Bezeichnung& designation) const;
    CString NameItem(BYTE group, BYTE index) const;
    bool DesignationInUse() const;
    void ShowUnit(const forms::ValueControl& value);
    // The participant pins of every function that lists this one (the catalog's participant rows): each place in
    // use that names this function gets its designation, unframed.
    void RelabelListers(DrawingCommands& channel, CZeichnung& drawing, const CTexte& texte, CParaDaten& para) const;

    Tables m_tables;
    const forms::RecordAccess& m_access;
    const functypes::FunctionType* m_type;  // null for a record that is no function's
    std::vector<BYTE> m_record;
    bool m_readFailed = true;
    FunktionsListe m_participantList;
    bool m_bBezeichnungenGeaendert = false;

    CComboBox m_group;
    CComboBox m_name;
    CComboBox m_digit;
    CButton m_manage;
    int m_groupRadio = -1;                            // the head's checked group button, -1 none
    std::vector<Widget> m_widgets;                    // per value row
    std::vector<std::unique_ptr<CComboBox>> m_combos;  // per value row; null for a radio group or check box
    std::vector<int> m_radios;                        // per value row: the checked button, -1 none
    std::vector<UINT> m_captionIds;
    std::vector<CString> m_captions;  // per caption id, exchanged by DDX_Text
};
