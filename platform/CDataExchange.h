// Dialog data exchange: CDataExchange and the DDX functions that move values between members and controls.
//
// UpdateData(FALSE) writes members into controls, UpdateData(TRUE) reads them back; the window's notifications are
// locked out meanwhile, so no handler runs (see CWnd::UpdateData). A value that cannot be read (a number field with
// text that is no number of its type) shows a warning box, puts the focus on the control and fails the exchange; the
// member keeps its value and the DDX calls after it do nothing. Numbers use the C locale ("1.29").
#pragma once

#include "platform/CString.h"
#include "platform/WindowTypes.h"

class CWnd;

class CDataExchange {
public:
    CDataExchange(CWnd* dialog, BOOL saveAndValidate) : m_bSaveAndValidate(saveAndValidate), m_pDlgWnd(dialog) {}

    BOOL m_bSaveAndValidate;
    CWnd* m_pDlgWnd;
    BOOL m_bFailed = FALSE;
    HWND m_hLastControl = nullptr;

    // The control with the id, or null (the exchange then fails).
    HWND PrepareCtrl(int id);
    HWND PrepareEditCtrl(int id) { return PrepareCtrl(id); }
    void Fail();
    // A value of the last prepared control was refused: shows text in a warning box, puts the focus on that control
    // and fails the exchange, as every DDX and DDV refusal does.
    void Refuse(const CString& text);
};

// Binds control to the dialog's control with the id the first time; later calls do nothing.
void DDX_Control(CDataExchange* dx, int id, CWnd& control);
void DDX_Text(CDataExchange* dx, int id, CString& value);
void DDX_Text(CDataExchange* dx, int id, int& value);
void DDX_Text(CDataExchange* dx, int id, UINT& value);
void DDX_Text(CDataExchange* dx, int id, long& value);
void DDX_Text(CDataExchange* dx, int id, DWORD& value);
void DDX_Text(CDataExchange* dx, int id, BYTE& value);
void DDX_Text(CDataExchange* dx, int id, short& value);
void DDX_Text(CDataExchange* dx, int id, double& value);
void DDX_Text(CDataExchange* dx, int id, float& value);
// BST_UNCHECKED, BST_CHECKED or BST_INDETERMINATE.
void DDX_Check(CDataExchange* dx, int id, int& value);
// id is the first button of a radio group; value is the index of the checked button, -1 when none is.
void DDX_Radio(CDataExchange* dx, int id, int& value);
// The selected index of a combo box or list box, -1 for none.
void DDX_CBIndex(CDataExchange* dx, int id, int& value);
void DDX_LBIndex(CDataExchange* dx, int id, int& value);
// Loading limits the edit field to maxChars; saving fails on a longer text.
void DDV_MaxChars(CDataExchange* dx, const CString& value, int maxChars);
// Saving fails with "Please enter an integer between <min> and <max>." when value lies outside min..max.
void DDV_MinMaxLong(CDataExchange* dx, long value, long minValue, long maxValue);
