// Creating a template's controls.
#include "platform/DialogTemplate.h"

#include "platform/CButton.h"
#include "platform/CComboBox.h"
#include "platform/CEdit.h"
#include "platform/CListBox.h"
#include "platform/CListCtrl.h"
#include "platform/CProgressCtrl.h"
#include "platform/CStatic.h"
#include "platform/CTabCtrl.h"
#include "platform/CTreeCtrl.h"

#include <cstdio>
#include <memory>

namespace platform {

CRect DialogUnitsToPixels(const DialogRect& r)
{
    auto x = [](int units) { return units * kDialogBaseUnitX / 4; };
    auto y = [](int units) { return units * kDialogBaseUnitY / 8; };
    return CRect(x(r.x), y(r.y), x(r.x + r.cx), y(r.y + r.cy));
}

namespace {

template <class Control, class... Args>
std::unique_ptr<CWnd> Make(bool& ok, Args&&... args)
{
    auto control = std::make_unique<Control>();
    ok = control->Create(std::forward<Args>(args)...);
    return control;
}

std::unique_ptr<CWnd> CreateControl(CWnd* parent, const ControlTemplate& c)
{
    DWORD style = c.style | WS_CHILD | (c.visible ? WS_VISIBLE : 0);
    CRect rect = DialogUnitsToPixels(c.rect);
    bool ok = false;
    std::unique_ptr<CWnd> control;
    switch (c.cls) {
    case ControlClass::Button: control = Make<CButton>(ok, c.text, style, rect, parent, c.id); break;
    case ControlClass::Static: control = Make<CStatic>(ok, c.text, style, rect, parent, c.id); break;
    case ControlClass::Edit: control = Make<CEdit>(ok, style, rect, parent, c.id); break;
    case ControlClass::ComboBox: control = Make<CComboBox>(ok, style, rect, parent, c.id); break;
    case ControlClass::ListBox: control = Make<CListBox>(ok, style, rect, parent, c.id); break;
    case ControlClass::TreeView: control = Make<CTreeCtrl>(ok, style, rect, parent, c.id); break;
    case ControlClass::ListView: control = Make<CListCtrl>(ok, style, rect, parent, c.id); break;
    case ControlClass::Tab: control = Make<CTabCtrl>(ok, style, rect, parent, c.id); break;
    case ControlClass::Progress: control = Make<CProgressCtrl>(ok, style, rect, parent, c.id); break;
    }
    if (!ok)
        return nullptr;
    if (c.exStyle)
        control->ModifyStyleEx(0, c.exStyle);
    // Template texts of edits go in without notifying: the dialog is not up yet.
    if (c.cls == ControlClass::Edit && !c.text.IsEmpty()) {
        FindWindowData(control->m_hWnd)->text = c.text;
        NotifyWindowChanged(control->m_hWnd, WindowChange::Text);
    }
    for (const CString& item : c.items) {
        if (auto* combo = dynamic_cast<CComboBox*>(control.get()))
            combo->AddString(item);
        else if (auto* list = dynamic_cast<CListBox*>(control.get()))
            list->AddString(item);
        else if (auto* tab = dynamic_cast<CTabCtrl*>(control.get()))
            tab->InsertItem(tab->GetItemCount(), item);
    }
    return control;
}

}  // namespace

bool CreateTemplateControls(CWnd* parent, const DialogTemplate& dialogTemplate)
{
    for (const ControlTemplate& c : dialogTemplate.controls) {
        std::unique_ptr<CWnd> control = CreateControl(parent, c);
        if (!control) {
            std::fprintf(stderr, "dialog %u: control %u could not be created\n", dialogTemplate.id, c.id);
            return false;
        }
        // The model keeps the control object; forms bind their members to the same window with DDX_Control.
        WindowData* data = FindWindowData(control->m_hWnd);
        data->ownedWrapper = std::move(control);
    }
    return true;
}

}  // namespace platform
