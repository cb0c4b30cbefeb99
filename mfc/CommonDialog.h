// CCommonDialog: base of the system's common dialogs (file, colour, font, print, page set-up,
// find/replace). The system runs the dialog; the object only holds its record.
//
// Differences from MFC:
// - No hook-based subclassing of the system dialog: the dialog's window is not attached to the
//   object while it runs, so message maps of derived classes see nothing of it.
#pragma once
#include "Dialog.h"
#include <commdlg.h>

class CCommonDialog : public CDialog
{
    DECLARE_DYNAMIC(CCommonDialog)

public:
    // Construction
    explicit CCommonDialog(CWnd* pParentWnd) : CDialog((UINT)0, pParentWnd) {}

    // Implementation
    // The owner of the system dialog: the given parent's top-level window, else the main window.
    HWND OwnerForSystemDialog() const;
    // Runs the system dialog with the owner disabled as for any modal dialog; IDOK or IDCANCEL.
    INT_PTR RunSystemDialog(BOOL (*pfnRun)(void*), void* pRecord);
};
