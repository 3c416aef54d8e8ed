// Resources by id: dialog templates, toolbars, accelerator tables, bitmaps and the string table.
//
// The application registers its tables at start-up; tests register their own. Registering an id again
// replaces the earlier entry.
#pragma once

#include "platform/CPoint.h"
#include "platform/DialogTemplate.h"

#include <map>
#include <vector>

namespace platform {

struct ToolBarResource {
    UINT id = 0;
    CSize buttonImage;           // size of one button's image in pixels
    std::vector<UINT> commands;  // in order; ID_SEPARATOR (0) is a separator
};

class ResourceRegistry {
public:
    static ResourceRegistry& Instance();

    void AddDialog(const DialogTemplate& dialogTemplate);
    const DialogTemplate* Dialog(UINT id) const;

    void AddToolBar(const ToolBarResource& toolBar);
    const ToolBarResource* ToolBar(UINT id) const;

    void AddAccelerators(UINT id, std::vector<ACCEL> table);
    const std::vector<ACCEL>* Accelerators(UINT id) const;

    void AddBitmap(UINT id, CSize size);
    bool HasBitmap(UINT id) const;
    CSize BitmapSize(UINT id) const;

    void AddString(UINT id, const CString& text);
    bool HasString(UINT id) const;
    // The text, or "" when there is none.
    CString String(UINT id) const;

private:
    std::map<UINT, DialogTemplate> m_dialogs;
    std::map<UINT, ToolBarResource> m_toolBars;
    std::map<UINT, std::vector<ACCEL>> m_accelerators;
    std::map<UINT, CSize> m_bitmaps;
    std::map<UINT, CString> m_strings;
};

}  // namespace platform
