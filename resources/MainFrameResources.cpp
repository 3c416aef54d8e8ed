// The main frame's resources: the document strings, the framework's title and idle prompt, the status-bar indicator
// texts, the prompts of the toolbar commands, the menu, the accelerator table, the program icon and the pictures of
// the items of trees and lists.
#include "resources/ResourceIds.h"
#include "resources/ResourceTables.h"
#include "resources/ToolBarImages.h"
#include "resources/UiTexts.h"

#include "platform/ResourceRegistry.h"

namespace resources {

namespace {

struct StringRow {
    UINT id;
    const char* text;
};

// Commands without a row here (32884, 32798, the about box) have no prompt.
const StringRow kStrings[] = {
    {IDR_MAINFRAME, ui::kDocumentString},
    {AFX_IDS_APP_TITLE, ui::kAppTitle},
    {AFX_IDS_IDLEMESSAGE, ui::kIdlePrompt},
    {ID_INDICATOR_CAPS, ui::kIndicatorCaps},
    {ID_INDICATOR_NUM, ui::kIndicatorNum},
    {ID_INDICATOR_SCRL, ui::kIndicatorScroll},
    {ID_SAVE_AND_CLOSE, ui::kPromptSaveAndClose},
    {ID_SAVE_SETTINGS_AND_CLOSE, ui::kPromptSaveSettingsAndClose},
    {ID_ASSIGN_EINGANG, ui::kPromptAssignEingang},
    {ID_ASSIGN_AUSGANG, ui::kPromptAssignAusgang},
    {ID_ASSIGN_NETZ, ui::kPromptAssignNetz},
    {ID_SAVE_ASSIGN_EINGANG, ui::kPromptSaveAssignEingang},
    {ID_SAVE_ASSIGN_NETZ, ui::kPromptSaveAssignNetz},
    {ID_TERMINATE, ui::kPromptTerminate},
    {ID_CLOSE_WINDOW, ui::kPromptCloseWindow},
    {ID_SHOW_PROTOKOLL, ui::kPromptProtokoll},
    {ID_SHOW_EINGANG, ui::kPromptEingang},
    {ID_SHOW_AUSGANG, ui::kPromptAusgang},
    {ID_SHOW_SIGNAL, ui::kPromptSignal},
    {ID_SHOW_PARAMETER, ui::kPromptParameter},
    {ID_SHOW_VAROUT, ui::kPromptVarOut},
    {ID_SHOW_COMPILER, ui::kPromptCompiler},
    {ID_SHOW_EXPORT, ui::kPromptExport},
    {ID_SHOW_IMPORT, ui::kPromptImport},
    {ID_SHOW_FUNCVIEW, ui::kPromptFuncView},
    {ID_SHOW_CANLOGGING, ui::kPromptCanLogging},
    {ID_SHOW_FUNCORDER, ui::kPromptFuncOrder},
    {ID_SHOW_MSGORDER, ui::kPromptMsgOrder},
    {ID_SHOW_NETZEINGANG, ui::kPromptNetzEingang},
    {ID_SHOW_NETZAUSGANG, ui::kPromptNetzAusgang},
};

}  // namespace

void RegisterMainFrameResources()
{
    platform::ResourceRegistry& registry = platform::ResourceRegistry::Instance();
    for (const StringRow& row : kStrings)
        registry.AddString(row.id, row.text);
    // Alt+F4 ends without saving, as the terminate button does; it never reaches the frame's close handling.
    registry.AddAccelerators(IDR_MAINFRAME, {
                                                {FVIRTKEY | FCONTROL | FALT, 'V', ID_APP_ABOUT},
                                                {FVIRTKEY | FALT, VK_F4, ID_TERMINATE},
                                            });
    registry.AddImage(IDR_MAINFRAME, DrawProgramIcon);
    for (UINT bitmap : ItemImageIds())
        registry.AddImage(bitmap, [bitmap] { return DrawItemImage(bitmap); });
    // One disabled item without text: the frame shows an empty menu bar.
    registry.AddMenu(IDR_MAINFRAME, {{ID_MENU_EMPTY, "", true}});
}

}  // namespace resources
