// The window model in place of MFC, in one include for forms, dialogs and the start-up.
//
// How to use it
// - Resources: every template, toolbar, accelerator table, bitmap and string is registered with
//   platform::ResourceRegistry at start-up (resources/Resources.h: resources::RegisterResources()); ids live in
//   resources/ResourceIds.h. A dialog template lists each control's class, id, style, rectangle in dialog units, text
//   and list items (platform/DialogTemplate.h); the controls exist as soon as the dialog or form is created.
// - Classes are written as with MFC: derive from CDialog, CFormView, CFrameWnd, CDocument or CWinApp; declare
//   DECLARE_MESSAGE_MAP() and fill BEGIN_MESSAGE_MAP(Class, Base) ... END_MESSAGE_MAP() with ON_COMMAND,
//   ON_UPDATE_COMMAND_UI, ON_BN_CLICKED, ON_CBN_SELENDOK, ON_EN_CHANGE, ON_LBN_SELCHANGE, ON_NOTIFY, ON_WM_TIMER, ...
//   with bare handler names. Bind control members and caption strings in DoDataExchange (DDX_Control, DDX_Text,
//   DDX_Radio, DDX_Check, DDX_CBIndex) and move data with UpdateData; handlers never run during UpdateData.
// - Frames, documents and views are made by run-time class (DECLARE_DYNCREATE / IMPLEMENT_DYNCREATE,
//   RUNTIME_CLASS, CSingleDocTemplate::OpenDocumentFile); frames and views delete themselves when destroyed, so
//   create further views (forms) with new, as children of the frame, and send them WM_INITIALUPDATE. A form switch is:
//   exchange the child ids (GetWindowLongA/SetWindowLongA with GWL_ID), ShowWindow(SW_HIDE/SW_SHOW),
//   CFrameWnd::SetActiveView, RecalcLayout.
// - Notifications: a change made by code never reaches a handler, except SetWindowText of a single-line edit
//   (EN_UPDATE, EN_CHANGE inside the call) and CTabCtrl::SetCurFocus; a user's change sends what the original
//   platform sends (each control's header lists its rules). GetCurSel is -1 without a selection.
// - Commands from toolbar buttons and accelerators go frame -> active view -> its document -> frame -> application,
//   and run only while their update handlers leave them enabled.
// - Message boxes (MessageBoxA, CWnd::MessageBox, AfxMessageBox) and CFileDialog go through platform/Prompts.h; headless
//   they never block (platform/HeadlessPrompts.h). Dialogs run nested modal loops that keep timers, posted messages
//   and the sockets going; a WM_CLOSE posted meanwhile waits for the loop's end.
// - Tests act as a user through platform::TestDriver (tests/support/TestDriver.h); a window backend turns widget signals
//   into platform::UserInput calls and mirrors what platform::WindowObserver reports.
#pragma once

#include "platform/CButton.h"
#include "platform/CComboBox.h"
#include "platform/CDataExchange.h"
#include "platform/CDialog.h"
#include "platform/CDocument.h"
#include "platform/CEdit.h"
#include "platform/CFileDialog.h"
#include "platform/CFormView.h"
#include "platform/CFrameWnd.h"
#include "platform/CImageList.h"
#include "platform/CListBox.h"
#include "platform/CListCtrl.h"
#include "platform/CProgressCtrl.h"
#include "platform/CSingleDocTemplate.h"
#include "platform/CStatic.h"
#include "platform/CStatusBar.h"
#include "platform/CTabCtrl.h"
#include "platform/CToolBar.h"
#include "platform/CTreeCtrl.h"
#include "platform/CWaitCursor.h"
#include "platform/CWinApp.h"
#include "platform/Prompts.h"
#include "platform/ResourceRegistry.h"
#include "platform/Win32Window.h"
