// CCommonDialog: base of the system's common dialogs (file, colour, font, print, page set-up,
// find/replace). The system runs the dialog; a hook attaches its window to the object while it
// runs, so message maps, DDX of template controls and OnInitDialog work as for our dialogs.
//
// Differences from MFC:
// - The print dialog runs without the hook (no custom print templates).
#pragma once
#include "Dialog.h"
#include <commdlg.h>

class CCommonDialog : public CDialog
{
    DECLARE_DYNAMIC(CCommonDialog)

  public:
    // Construction
    explicit CCommonDialog(CWnd* pParentWnd) : CDialog((UINT)0, pParentWnd)
    {
    }

    // Overrides
    // The system dialog checks and ends itself: OK and Cancel go on to it after the data exchange.
    void OnOK() override;
    void OnCancel() override;

    // Implementation
    // The owner of the system dialog: the given parent's top-level window, else the main window.
    HWND OwnerForSystemDialog() const;
    // Runs the system dialog (which disables its owner itself); IDOK or IDCANCEL. The dialog's
    // window is attached to this object from WM_INITDIALOG of the hook until it is destroyed.
    INT_PTR RunSystemDialog(BOOL (*pfnRun)(void*), void* pRecord);
    // The hook every common dialog of ours installs (lpfnHook with the ENABLEHOOK flag).
    static UINT_PTR CALLBACK HookProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);
    // The object the next WM_INITDIALOG of the hook belongs to.
    static CCommonDialog* s_pStarting;
};
