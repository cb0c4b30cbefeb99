// CDialog: a window made from a dialog template of the resources, run modally through the
// framework's modal loop (so idle processing and PreTranslateMessage keep working) or modeless.
//
// Differences from MFC:
// - No OLE control sites in templates; ExecuteDlgInit reads RT_DLGINIT list and combo strings only.
// - Help buttons and F1 go through CWinApp::WinHelp only; no HTML help.
#pragma once
#include "Wnd.h"

class CDialog : public CWnd
{
    DECLARE_DYNAMIC(CDialog)

  public:
    // Construction
    CDialog();
    explicit CDialog(UINT nIDTemplate, CWnd* pParentWnd = NULL);
    explicit CDialog(LPCTSTR lpszTemplateName, CWnd* pParentWnd = NULL);
    ~CDialog() override;
    BOOL Create(UINT nIDTemplate, CWnd* pParentWnd = NULL);
    BOOL Create(LPCTSTR lpszTemplateName, CWnd* pParentWnd = NULL);
    BOOL CreateIndirect(LPCDLGTEMPLATE lpDialogTemplate, CWnd* pParentWnd = NULL, void* lpDialogInit = NULL);
    BOOL CreateIndirect(HGLOBAL hDialogTemplate, CWnd* pParentWnd = NULL);
    BOOL InitModalIndirect(LPCDLGTEMPLATE lpDialogTemplate, CWnd* pParentWnd = NULL);

    // Operations
    virtual INT_PTR DoModal();
    void EndDialog(int nResult);
    void NextDlgCtrl() const
    {
        ::SendMessage(m_hWnd, WM_NEXTDLGCTL, 0, 0);
    }
    void PrevDlgCtrl() const
    {
        ::SendMessage(m_hWnd, WM_NEXTDLGCTL, 1, 0);
    }
    void GotoDlgCtrl(CWnd* pWndCtrl);
    void MapDialogRect(LPRECT lpRect) const
    {
        ::MapDialogRect(m_hWnd, lpRect);
    }
    void SetDefID(UINT nID)
    {
        ::SendMessage(m_hWnd, DM_SETDEFID, nID, 0);
    }
    DWORD GetDefID() const
    {
        return (DWORD)::SendMessage(m_hWnd, DM_GETDEFID, 0, 0);
    }

    // Overridables
    virtual BOOL OnInitDialog();
    virtual void OnSetFont(CFont* pFont);
    virtual void OnOK();
    virtual void OnCancel();

    // Overrides
    BOOL PreTranslateMessage(MSG* pMsg) override;
    BOOL CheckAutoCenter() override;

    // Implementation
    LPCTSTR m_lpszTemplateName;
    UINT m_nIDHelp;
    LPCDLGTEMPLATE m_lpDialogTemplate;
    HGLOBAL m_hDialogTemplate;
    CWnd* m_pParentWnd;
    HWND m_hWndTop; // the window disabled while the dialog runs modally
    void* m_lpDialogInit;

    HWND PreModal();
    void PostModal();
    BOOL CreateRunDlgIndirect(LPCDLGTEMPLATE lpDialogTemplate, CWnd* pParentWnd, HINSTANCE hInst);
    afx_msg void OnOKCommand()
    {
        OnOK();
    }
    afx_msg void OnCancelCommand()
    {
        OnCancel();
    }
    // WM_COMMANDHELP: lParam is the help id; 0 asks for the dialog's (HID_BASE_RESOURCE + m_nIDHelp).
    afx_msg LRESULT OnCommandHelp(WPARAM wParam, LPARAM lParam);

  protected:
    DECLARE_MESSAGE_MAP()
};

// The dialog procedure of every framework dialog: its answer to WM_INITDIALOG sets the focus.
INT_PTR CALLBACK AfxDlgProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);
// Runs a top-level dialog's initialisation and centres it over its owner afterwards, unless it
// showed or placed itself meanwhile or does not want it (CheckAutoCenter).
BOOL AFXAPI AfxInitAndCenter(CWnd* pWnd, BOOL (*pfnInit)(CWnd*));
