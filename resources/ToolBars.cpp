// The twelve toolbars of the main frame and their button images. Each toolbar lists its buttons; a separator follows
// every button but the last, and placeholders (ID_TOOLBAR_PLACEHOLDER) become separators once the frame has loaded
// the toolbar, so that wider gaps divide the groups.
#include "resources/ResourceIds.h"
#include "resources/ResourceTables.h"
#include "resources/ToolBarImages.h"

#include "platform/ResourceRegistry.h"

#include <vector>

namespace resources {

namespace {

constexpr UINT P = ID_TOOLBAR_PLACEHOLDER;
const CSize kButtonImage(100, 33);

struct ToolBarRow {
    UINT id;
    std::vector<UINT> buttons;
};

const ToolBarRow kToolBars[] = {
    {IDR_TOOLBAR_EINGANG,
     {ID_SAVE_ASSIGN_EINGANG, ID_SAVE_AND_CLOSE, ID_ASSIGN_EINGANG, ID_TERMINATE, P, ID_SHOW_EINGANG, P,
      ID_SHOW_PROTOKOLL}},
    {IDR_TOOLBAR_AUSGANG,
     {ID_SAVE_ASSIGN_AUSGANG, ID_SAVE_AND_CLOSE, ID_ASSIGN_AUSGANG, ID_TERMINATE, P, ID_SHOW_AUSGANG, P,
      ID_SHOW_PROTOKOLL}},
    {IDR_TOOLBAR_FUNKTION,
     {ID_SAVE_AND_CLOSE, ID_TERMINATE, P, ID_SHOW_PARAMETER, ID_SHOW_VARIN, ID_SHOW_VAROUT, P, ID_SHOW_PROTOKOLL}},
    {IDR_TOOLBAR_SIGNAL, {ID_SAVE_AND_CLOSE, ID_TERMINATE, P, ID_SHOW_SIGNAL, P, ID_SHOW_PROTOKOLL}},
    {IDR_TOOLBAR_COMPILER, {ID_CLOSE_WINDOW, P, P, ID_SHOW_COMPILER, P, ID_SHOW_EXPORT, P, ID_SHOW_PROTOKOLL}},
    {IDR_TOOLBAR_FUNCVIEW, {ID_SAVE_AND_CLOSE, ID_TERMINATE, P, ID_SHOW_FUNCVIEW, P, ID_SHOW_PROTOKOLL}},
    {IDR_TOOLBAR_FUNCORDER, {ID_SAVE_AND_CLOSE, ID_TERMINATE, P, ID_SHOW_FUNCORDER, P, ID_SHOW_PROTOKOLL}},
    {IDR_TOOLBAR_MSGORDER, {ID_SAVE_AND_CLOSE, ID_TERMINATE, P, ID_SHOW_MSGORDER, P, ID_SHOW_PROTOKOLL}},
    {IDR_TOOLBAR_NETZEINGANG,
     {ID_SAVE_ASSIGN_NETZ, ID_SAVE_SETTINGS_AND_CLOSE, ID_ASSIGN_NETZ, ID_TERMINATE, P, ID_SHOW_NETZEINGANG, P,
      ID_SHOW_PROTOKOLL}},
    {IDR_TOOLBAR_NETZAUSGANG,
     {ID_SAVE_ASSIGN_NETZ, ID_SAVE_SETTINGS_AND_CLOSE, ID_ASSIGN_NETZ, ID_TERMINATE, P, ID_SHOW_NETZAUSGANG, P,
      ID_SHOW_PROTOKOLL}},
    {IDR_TOOLBAR_IMPORT, {ID_CLOSE_WINDOW, P, P, ID_SHOW_IMPORT, P, P, ID_SHOW_PROTOKOLL}},
    {IDR_TOOLBAR_CANLOGGING, {ID_SAVE_AND_CLOSE, ID_TERMINATE, P, ID_SHOW_CANLOGGING, P, ID_SHOW_PROTOKOLL}},
};

}  // namespace

void RegisterToolBars()
{
    platform::ResourceRegistry& registry = platform::ResourceRegistry::Instance();
    for (const ToolBarRow& row : kToolBars) {
        platform::ToolBarResource resource;
        resource.id = row.id;
        resource.buttonImage = kButtonImage;
        for (size_t i = 0; i < row.buttons.size(); ++i) {
            if (i > 0)
                resource.commands.push_back(ID_SEPARATOR);
            resource.commands.push_back(row.buttons[i]);
        }
        registry.AddToolBar(resource);
        const std::vector<UINT>& buttons = row.buttons;
        registry.AddImage(row.id, [buttons] { return DrawToolBarImage(buttons, kButtonImage); });
    }
}

}  // namespace resources
