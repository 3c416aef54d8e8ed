// The parameter form of every function type: load, show, the designation and value handlers, and the save.
#include "forms/frame/FunctionParamForm.h"

#include "drawing/CZeichnung.h"
#include "drawing/StoreDrawingReader.h"
#include "forms/dialogs/CBezeichnungenDlg.h"
#include "forms/dialogs/CZeitprogrammDlg.h"
#include "forms/dialogs/SaveRefusal.h"
#include "forms/frame/FormLayout.h"
#include "link/CSCCmd.h"
#include "platform/CDataExchange.h"
#include "platform/CWaitCursor.h"
#include "platform/ProcessExit.h"
#include "resources/ResourceIds.h"
#include "resources/UiTexts.h"
#include "store/CParaCheck.h"
#include "store/CParaDaten.h"
#include "store/FuncEntry.h"
#include "store/FunctionTypes.h"
#include "store/ImageLayout.h"
#include "texts/CTexte.h"
#include "texttables/FunktionsListe.h"
#include "texttables/StandardDesignations.h"

// Controls have ids below the commands (0x8000 on); BN_CLICKED shares its code with a command.
constexpr UINT kLastControlId = 0x7FFF;

IMPLEMENT_DYNAMIC(FunctionParamForm, CFormView)

BEGIN_MESSAGE_MAP(FunctionParamForm, CFormView)
    ON_CBN_SELENDOK(IDC_BEZ_GRUPPE, OnBezeichnungsGruppe)
    ON_CBN_SELENDOK(IDC_BEZ_NAME, OnBezeichnung)
    ON_CBN_SELENDOK(IDC_BEZ_ZIFFER, OnBezeichnung)
    ON_BN_CLICKED(IDC_BEZ_VERWALTEN, OnBezeichnungenVerwalten)
    // Every other list and radio button of the form is a value control of the kind's table.
    ON_CONTROL_RANGE(CBN_SELENDOK, 1, kLastControlId, OnValuePick)
    ON_CONTROL_RANGE(BN_CLICKED, 1, kLastControlId, OnValueClick)
END_MESSAGE_MAP()

namespace {

const forms::LayoutRow* FindRow(std::span<const forms::LayoutGroup> layout, UINT controlId)
{
    for (const forms::LayoutGroup& group : layout)
        for (const forms::LayoutRow& row : group.rows)
            if (row.controlId == controlId || (row.checkId == controlId && row.kind == forms::ControlKind::None))
                return &row;
    return nullptr;
}

// The groups of rows of the form in their order: those above the head, then the form's own.
std::vector<std::span<const forms::LayoutGroup>> Layouts(const FunctionParamForm::Tables& tables)
{
    if (tables.head && !tables.head->above.empty())
        return {tables.head->above, tables.layout};
    return {tables.layout};
}

}  // namespace

FunctionParamForm::FunctionParamForm(const Tables& tables)
    : CFormView(static_cast<UINT>(forms::AccessOf(tables.kind).parameters)),
      m_tables(tables),
      m_access(forms::AccessOf(tables.kind)),
      m_type(tables.kind.access ? nullptr : functypes::FindFunctionType(tables.kind.code)),
      m_record(m_access.size)
{
    // A record is never shown or saved from unset bytes: the blank record until the read fills it.
    m_access.blank(m_record.data());
    forms::EnsureTemplate(m_templateId, [&] {
        return forms::ParamTemplate(m_templateId, tables.layout, tables.values, tables.head);
    });

    if (tables.head)
        m_captionIds = {IDC_TITLE, tables.head->nameCaptionId};
    else
        m_captionIds = {IDC_TITLE, IDC_BEZ_GRUPPE_LABEL, IDC_BEZ_LABEL};
    for (std::span<const forms::LayoutGroup> layout : Layouts(tables))
        for (const forms::LayoutGroup& group : layout)
            for (const forms::LayoutRow& row : group.rows)
                if (row.captionId)
                    m_captionIds.push_back(row.captionId);
    for (std::span<const forms::LayoutGroup> layout : Layouts(tables))
        for (const forms::LayoutGroup& group : layout)
            for (const forms::LayoutRow& row : group.rows)
                if (row.unitId)
                    m_captionIds.push_back(row.unitId);
    m_captions.resize(m_captionIds.size());
    for (const forms::ValueControl& value : tables.values) {
        const forms::LayoutRow* row = Row(value.id);
        const Widget widget = !row                                  ? Widget::Combo
                              : row->kind == forms::ControlKind::Radios ? Widget::Radios
                              : row->checkId == value.id            ? Widget::Check
                                                                    : Widget::Combo;
        m_widgets.push_back(widget);
        m_combos.push_back(widget == Widget::Combo ? std::make_unique<CComboBox>() : nullptr);
        m_radios.push_back(-1);
    }
}

const forms::LayoutRow* FunctionParamForm::Row(UINT controlId) const
{
    for (std::span<const forms::LayoutGroup> layout : Layouts(m_tables))
        if (const forms::LayoutRow* row = FindRow(layout, controlId))
            return row;
    return nullptr;
}

FunctionParamForm::~FunctionParamForm() = default;

void FunctionParamForm::DoDataExchange(CDataExchange* dx)
{
    CFormView::DoDataExchange(dx);
    if (m_tables.head)
        DDX_Radio(dx, static_cast<int>(m_tables.head->groupRadios.front().id), m_groupRadio);
    else
        DDX_Control(dx, IDC_BEZ_GRUPPE, m_group);
    DDX_Control(dx, IDC_BEZ_NAME, m_name);
    DDX_Control(dx, IDC_BEZ_ZIFFER, m_digit);
    DDX_Control(dx, IDC_BEZ_VERWALTEN, m_manage);
    for (size_t i = 0; i < m_tables.values.size(); ++i) {
        const int id = static_cast<int>(m_tables.values[i].id);
        if (m_widgets[i] == Widget::Combo)
            DDX_Control(dx, id, *m_combos[i]);
        else if (m_widgets[i] == Widget::Radios)
            DDX_Radio(dx, id, m_radios[i]);
    }
    for (size_t i = 0; i < m_captionIds.size(); ++i)
        DDX_Text(dx, static_cast<int>(m_captionIds[i]), m_captions[i]);
}

void FunctionParamForm::OnActivateView(BOOL activate, CView* activateView, CView* deactiveView)
{
    if (activate && !FillOnFirstActivation([this] { LoadForm(); }) && m_tables.kind.reshowOnActivate)
        ShowRecord(true);
    CFormView::OnActivateView(activate, activateView, deactiveView);
}

void FunctionParamForm::LoadForm()
{
    // The record shows its sources as the drawing connects them.
    drawing::StoreDrawingReader reader;
    CParaDaten para;
    para.UseDrawing(&reader);
    m_captions[0].Format(ui::kFormTitle, m_tables.kind.title, ui::kFormParameters);
    const forms::DesignationHead* head = m_tables.head;
    size_t caption = head ? 2 : 3;
    if (head) {
        m_captions[1] = head->nameCaption;
    } else {
        m_captions[1] = ui::kDesignationGroupLabel;
        m_captions[2] = ui::kDesignationLabel;
    }
    for (std::span<const forms::LayoutGroup> layout : Layouts(m_tables)) {
        for (const forms::LayoutGroup& group : layout) {
            if (group.boxId)
                if (CWnd* box = GetDlgItem(static_cast<int>(group.boxId)))
                    box->SetWindowText(group.title);
            for (const forms::LayoutRow& row : group.rows) {
                if (row.captionId)
                    m_captions[caption++] = row.caption ? row.caption : "";
                for (const forms::RadioButton& radio : row.radios)
                    if (CWnd* button = GetDlgItem(static_cast<int>(radio.id)))
                        button->SetWindowText(radio.text);
            }
        }
    }

    if (head) {
        if (CWnd* box = GetDlgItem(static_cast<int>(head->boxId)))
            box->SetWindowText(head->boxTitle);
        for (const forms::RadioButton& radio : head->groupRadios)
            if (CWnd* button = GetDlgItem(static_cast<int>(radio.id)))
                button->SetWindowText(radio.text);
    } else {
        m_group.ResetContent();
        m_group.InsertString(0, ui::kDesignationGroupStandard);
        m_group.InsertString(1, ui::kDesignationGroupUser);
    }
    for (size_t i = 0; i < m_tables.values.size(); ++i) {
        const forms::ValueControl& value = m_tables.values[i];
        if (!m_combos[i] || value.items.words.empty())
            continue;
        m_combos[i]->ResetContent();
        for (size_t k = 0; k < value.items.words.size(); ++k)
            m_combos[i]->InsertString(static_cast<int>(k), value.items.words[k]);
    }

    for (std::span<const forms::LayoutGroup> layout : Layouts(m_tables))
        for (const forms::LayoutGroup& group : layout)
            for (const forms::LayoutRow& row : group.rows)
                if (row.unitId)
                    SetCaption(row.unitId, row.unit ? row.unit : "");

    const BYTE slot = m_access.findSlot(para, CParaDaten::kWorkFile, Start().id);
    // Slot 0 is no slot of a record: nothing is read through it.
    m_readFailed = slot == 0 || !m_access.read(para, CParaDaten::kWorkFile, slot, m_record.data(), true);
    if (m_type)
        CTexte().GetTeilnehmerListe(m_type->participants.list, m_participantList, &para);
    LoadSpecial();
    ShowRecord(true);
}

void FunctionParamForm::CheckRecord()
{
    CParaCheck check;
    m_access.check(check, CParaDaten::kWorkFile, m_record.data(), 0);
}

Bezeichnung FunctionParamForm::Designation() const
{
    if (const forms::DesignationHead* head = m_tables.head)
        return Bezeichnung {static_cast<BYTE>(record::ReadField(m_record.data(), head->group)),
                            static_cast<BYTE>(record::ReadField(m_record.data(), head->name)),
                            static_cast<BYTE>(record::ReadField(m_record.data(), head->digit))};
    return Bezeichnung {m_record[0], m_record[1], m_record[2]};
}

void FunctionParamForm::SetDesignation(const Bezeichnung& designation)
{
    if (const forms::DesignationHead* head = m_tables.head) {
        record::WriteField(m_record.data(), head->group, designation.group);
        record::WriteField(m_record.data(), head->name, designation.index);
        record::WriteField(m_record.data(), head->digit, designation.digit);
        return;
    }
    m_record[0] = designation.group;
    m_record[1] = designation.index;
    m_record[2] = designation.digit;
}

BYTE FunctionParamForm::LastName(BYTE group) const
{
    const BYTE g = group != 0 ? 1 : 0;
    if (m_tables.head)
        return m_tables.head->lastName[g];
    // A function's user designations 1 to 16 are items 0 to 15; its standard names follow item 0 "none".
    return g != 0 ? 15 : CTexte().GetStandardBezAnzahl(m_type->names.kind);
}

bool FunctionParamForm::Named(const Bezeichnung& designation) const
{
    // A function's user list has no "none" item.
    const BYTE first = !m_tables.head && designation.group != 0 ? 0 : 1;
    return designation.index >= first && designation.index <= LastName(designation.group);
}

CString FunctionParamForm::NameItem(BYTE group, BYTE index) const
{
    if (m_tables.head)
        return m_tables.head->item(group != 0 ? 1 : 0, index);
    if (group != 0)
        return CParaDaten().GetUserBezeichnung(CParaDaten::kWorkFile, static_cast<BYTE>(index + 1));
    return CTexte().GetStandardBezeichnung(m_type->names.kind, index, 0);
}

bool FunctionParamForm::DesignationInUse() const
{
    return !m_tables.head || forms::RuleHolds(m_tables.head->inUse, m_record.data());
}

bool FunctionParamForm::Enabled(const forms::ValueControl& value) const
{
    return forms::RuleHolds(value.enable, m_record.data());
}

void FunctionParamForm::ShowUnit(const forms::ValueControl& value)
{
    const forms::LayoutRow* row = value.unit ? Row(value.id) : nullptr;
    if (!row || !row->unitId)
        return;
    SetCaption(row->unitId, value.unit(record::ReadField(m_record.data(), value.field)));
}

void FunctionParamForm::ShowRecord(bool refill)
{
    SetCursor(LoadCursor(nullptr, IDC_WAIT));
    CheckRecord();
    const Bezeichnung designation = Designation();
    const bool inUse = DesignationInUse();
    m_manage.EnableWindow(inUse && designation.group != 0);
    m_digit.EnableWindow(inUse && Named(designation));
    if (const forms::DesignationHead* head = m_tables.head) {
        for (const forms::RadioButton& radio : head->groupRadios)
            if (CWnd* button = GetDlgItem(static_cast<int>(radio.id)))
                button->EnableWindow(inUse);
        m_name.EnableWindow(inUse);
    }
    for (const forms::ValueControl& value : m_tables.values) {
        const forms::LayoutRow* row = Row(value.id);
        if (row && row->kind == forms::ControlKind::Radios) {
            for (const forms::RadioButton& radio : row->radios)
                if (CWnd* button = GetDlgItem(static_cast<int>(radio.id)))
                    button->EnableWindow(Enabled(value));
        } else if (CWnd* control = GetDlgItem(static_cast<int>(value.id))) {
            control->EnableWindow(Enabled(value));
        }
    }

    if (m_tables.head)
        m_groupRadio = inUse ? (designation.group != 0 ? 1 : 0) : -1;
    else
        m_group.SetCurSel(designation.group != 0 ? 1 : 0);
    if (refill) {
        m_name.ResetContent();
        const BYTE last = LastName(designation.group);
        for (int n = 0; n <= last; ++n)
            m_name.InsertString(n, NameItem(designation.group, static_cast<BYTE>(n)));
    }
    // A name beyond its list shows the list's first item; a designation out of use shows nothing.
    const int name = designation.index <= LastName(designation.group) ? designation.index : 0;
    m_name.SetCurSel(inUse ? name : -1);
    m_digit.SetCurSel(inUse ? designation.digit : -1);

    for (size_t i = 0; i < m_tables.values.size(); ++i) {
        const forms::ValueControl& value = m_tables.values[i];
        const long index = record::ReadField(m_record.data(), value.field) - value.offset;
        if (m_widgets[i] == Widget::Combo) {
            // A value that a connected source replaces shows no selection.
            m_combos[i]->SetCurSel(Enabled(value) ? static_cast<int>(index) : -1);
        } else if (m_widgets[i] == Widget::Check) {
            // A box out of use shows no tick.
            CheckDlgButton(static_cast<int>(value.id), Enabled(value) && index != 0 ? BST_CHECKED : BST_UNCHECKED);
        } else {
            const forms::LayoutRow* row = Row(value.id);
            const long buttons = row ? static_cast<long>(row->radios.size()) : 0;
            m_radios[i] = index >= 0 && index < buttons ? static_cast<int>(index) : value.beyond;
        }
        if (Enabled(value))
            ShowUnit(value);
    }
    ShowSpecial();
    UpdateData(FALSE);
    SetCursor(LoadCursor(nullptr, IDC_ARROW));
}

void FunctionParamForm::SetCaption(UINT id, const CString& text)
{
    for (size_t i = 0; i < m_captionIds.size(); ++i)
        if (m_captionIds[i] == id)
            m_captions[i] = text;
    // Shown at once too, for a kind that changes it outside an exchange (a pick of its own).
    if (CWnd* item = GetDlgItem(static_cast<int>(id)))
        item->SetWindowText(text);
}

CString FunctionParamForm::ParticipantText(int place) const
{
    const functypes::Participants& p = m_type->participants;
    return CTexte().GetListenBezeichnung(m_participantList,
                                         m_record[p.firstField + static_cast<size_t>(place) * p.step]);
}

CComboBox* FunctionParamForm::ValueCombo(UINT id)
{
    for (size_t i = 0; i < m_tables.values.size(); ++i)
        if (m_tables.values[i].id == id)
            return m_combos[i].get();
    return nullptr;
}

void FunctionParamForm::DisableValue(UINT id)
{
    for (size_t i = 0; i < m_tables.values.size(); ++i)
        if (m_tables.values[i].id == id && m_combos[i])
            m_combos[i]->SetCurSel(-1);
    if (CWnd* control = GetDlgItem(static_cast<int>(id)))
        control->EnableWindow(FALSE);
}

void FunctionParamForm::OnBezeichnungsGruppe()
{
    int selection = -1;
    if (m_tables.head) {
        UpdateData(TRUE);
        selection = m_groupRadio;
    } else {
        selection = m_group.GetCurSel();
    }
    const BYTE group = selection == 1 ? 1 : 0;
    if (group == Designation().group)
        return;
    SetDesignation(Bezeichnung {group, 0, 0});
    ShowRecord(true);
}

void FunctionParamForm::OnBezeichnung()
{
    Bezeichnung designation = Designation();
    const int name = m_name.GetCurSel();
    const int digit = m_digit.GetCurSel();
    // A list without selection keeps what the record holds; "none" takes no digit.
    if (name >= 0)
        designation.index = static_cast<BYTE>(name);
    designation.digit = Named(designation) ? static_cast<BYTE>(digit >= 0 ? digit : designation.digit) : 0;
    SetDesignation(designation);
    ShowRecord(false);
}

void FunctionParamForm::OnBezeichnungenVerwalten()
{
    // The dialog writes the 16 designations into working file 2 itself; the save then refreshes every label.
    CBezeichnungenDlg dialog;
    if (dialog.DoModal() != IDOK)
        return;
    m_bBezeichnungenGeaendert = true;
    ShowRecord(true);
}

void FunctionParamForm::OnValuePick(UINT id)
{
    for (size_t i = 0; i < m_tables.values.size(); ++i) {
        const forms::ValueControl& value = m_tables.values[i];
        if (value.id != id || !m_combos[i])
            continue;
        const int index = m_combos[i]->GetCurSel();
        if (index < 0)
            return;
        record::WriteField(m_record.data(), value.field, index + value.offset);
        ShowUnit(value);
        if (value.reshow)
            ShowRecord(false);
        return;
    }
}

void FunctionParamForm::OnValueClick(UINT id)
{
    if (const forms::TimeProgramButton* t = m_tables.timePrograms; t && t->id == id) {
        // The dialog writes the fields only on OK; the form shows the record again either way.
        BYTE* r = m_record.data();
        CZeitprogrammDlg dialog(t->first, t->choices, r + t->programsField, r + t->windowsField, r + t->setpointField,
                                reinterpret_cast<Zeitprogramm*>(r + t->blockField));
        dialog.DoModal();
        ShowRecord(false);
        return;
    }
    if (const forms::DesignationHead* head = m_tables.head)
        for (const forms::RadioButton& radio : head->groupRadios)
            if (radio.id == id) {
                OnBezeichnungsGruppe();
                return;
            }
    for (size_t i = 0; i < m_tables.values.size(); ++i) {
        const forms::ValueControl& value = m_tables.values[i];
        if (m_widgets[i] == Widget::Check && value.id == id) {
            const long ticked = IsDlgButtonChecked(static_cast<int>(id)) == BST_CHECKED ? 1 : 0;
            record::WriteField(m_record.data(), value.field, ticked + value.offset);
            if (value.reshow)
                ShowRecord(false);
            return;
        }
        const forms::LayoutRow* row = m_widgets[i] == Widget::Radios ? Row(value.id) : nullptr;
        if (!row)
            continue;
        for (const forms::RadioButton& radio : row->radios) {
            if (radio.id != id)
                continue;
            UpdateData(TRUE);
            if (m_radios[i] >= 0)
                record::WriteField(m_record.data(), value.field, m_radios[i] + value.offset);
            if (value.reshow)
                ShowRecord(false);
            return;
        }
    }
}

CString FunctionParamForm::DesignationLine() const
{
    if (!DesignationInUse())
        return CString();
    CString name;
    CString digit;
    if (m_name.GetCurSel() >= 0)
        m_name.GetLBText(m_name.GetCurSel(), name);
    const int digitIndex = m_digit.GetCurSel();
    if (digitIndex >= 1)
        m_digit.GetLBText(digitIndex, digit);
    return "\n" + name + (digit.IsEmpty() ? CString() : " " + digit);
}

void FunctionParamForm::RelabelListers(DrawingCommands& channel, CZeichnung& drawing, const CTexte& texte,
                                       CParaDaten& para) const
{
    bool offered = false;
    for (const functypes::FunctionType& type : functypes::AllFunctionTypes())
        offered |= functypes::ListOffers(type.participants.list, m_type->code);
    if (!offered)
        return;
    CString name = texte.GetBezeichnung(CParaDaten::kWorkFile, m_type->names.kind, Designation());
    if (name == ui::kNoDesignation)
        name = ui::kNoDesignationList;
    // A participant field holds the listed function's own number plus 1.
    const BYTE self = static_cast<BYTE>(m_record[3] + 1);
    for (BYTE slot = 1; slot <= layout::kFuncSlots; ++slot) {
        FuncEntry entry;
        if (!para.GetFuncEntry(CParaDaten::kWorkFile, slot, entry))
            continue;
        const functypes::FunctionType* lister = functypes::FindFunctionType(entry.type);
        if (!lister || !functypes::ListOffers(lister->participants.list, m_type->code))
            continue;
        // Each lister into a record of its own: one that cannot be read is skipped, never judged by another's.
        std::vector<BYTE> record(lister->recordSize);
        int objectId = 0;
        if (!lister->read(para, CParaDaten::kWorkFile, slot, record.data(), true) ||
            !para.GetFuncId(CParaDaten::kWorkFile, slot, objectId))
            continue;
        const functypes::Participants& p = lister->participants;
        // Only the places the lister uses: a place beyond its count keeps its dashes, so the drawing never shows a
        // participant the lister does not use.
        const BYTE inUse = p.countField < record.size() ? record[p.countField] : 0;
        for (BYTE k = 0; k < p.count && k < inUse; ++k) {
            const size_t field = p.firstField + static_cast<size_t>(k) * p.step;
            PinInfo pin;
            if (field >= record.size() || record[field] != self ||
                !drawing.GetPin(static_cast<BYTE>(p.firstPin + k), objectId, pin) || pin.labelId <= 0)
                continue;
            channel.SetText(static_cast<UINT>(pin.labelId), name);
        }
    }
}

void FunctionParamForm::NoRecordToSave()
{
    forms::RefuseSave(this);
}

void FunctionParamForm::SaveAndExit()
{
    SetCursor(LoadCursor(nullptr, IDC_WAIT));
    CParaDaten para;
    const BYTE slot = m_access.findSlot(para, CParaDaten::kWorkFile, Start().id);
    // Nothing is sent for a record that was never read or not stored: the drawing would show texts of no record.
    if (m_readFailed || slot == 0) {
        SetCursor(LoadCursor(nullptr, IDC_ARROW));
        NoRecordToSave();
        return;
    }
    if (!m_access.write(para, CParaDaten::kWorkFile, slot, m_record.data()) || !para.CommitWorkFile()) {
        forms::RefuseSave(this);
        return;
    }

    CSCCmd channel(Run());
    CZeichnung drawing;
    // The labels are made from the records as the drawing connects them.
    drawing::StoreDrawingReader reader(drawing);
    para.UseDrawing(&reader);
    CTexte texte;
    channel.Reset();
    SendTexts(channel, drawing, texte, para);
    if (m_bBezeichnungenGeaendert)
        texte.UpdateZeichnung(channel, CTexte::kLabelsAlle, Start().id);
    channel.SetFileNotUpToDate();
    channel.Execute();
    SetCursor(LoadCursor(nullptr, IDC_ARROW));
    platform::EndProcess(0);
}

void FunctionParamForm::SendTexts(DrawingCommands& channel, CZeichnung& drawing, const CTexte& texte,
                                  CParaDaten& para)
{
    const CString kind = m_type->names.kind;
    int textId = 0;
    if (drawing.GetTextId(Start().id, textId) && textId > 0)
        channel.SetText(static_cast<UINT>(textId),
                        texte.GetBezeichnungText(CParaDaten::kWorkFile, kind, Designation()));
    // A kind may adjust what its pins' labels are made from.
    std::vector<BYTE> labels = m_record;
    PrepareLabels(labels);
    texte.SetFunktionPinLabels(channel, drawing, kind, Start().id, labels);
    texte.SetTeilnehmerPinLabels(channel, drawing, para, kind, Start().id, labels);
    RelabelListers(channel, drawing, texte, para);
}
