// THtmlHelp: context help (right click, F1) through the application's HTML help file, over a
// dialog base. A class that has help topics for its controls hands them out by GetHelpIdTable;
// without a table F1 goes the framework's way and a right click does nothing.
#pragma once
#include "afxwin.h"
#include "StationIds.h"
#include "station/record/HtmlHelp.h"

#ifndef HH_TP_HELP_CONTEXTMENU
#define HH_TP_HELP_CONTEXTMENU 0x0010
#define HH_TP_HELP_WM_HELP 0x0011
#endif

template <class TBase> class THtmlHelp : public TBase
{
  public:
    // Construction
    using TBase::TBase;

    // Overridables
    virtual void OnHelpContextMenu(CWnd* pWnd, CPoint point);
    virtual BOOL OnHelpInfo(HELPINFO* pHelpInfo);
    // Pairs of control id and help topic, ending with 0, 0; FALSE when the window has none.
    virtual BOOL GetHelpIdTable(const DWORD** ppTable)
    {
        *ppTable = NULL;
        return FALSE;
    }

  protected:
    // Implementation
    static LPCTSTR HelpFile()
    {
        CWinApp* pApp = AfxGetApp();
        return pApp != NULL ? pApp->m_pszHelpFilePath : NULL;
    }
};

template <class TBase> void THtmlHelp<TBase>::OnHelpContextMenu(CWnd* pWnd, CPoint)
{
    const DWORD* pTable = NULL;
    if (!GetHelpIdTable(&pTable) || pTable == NULL)
        return;
    HWND hWnd = pWnd != NULL ? pWnd->GetSafeHwnd() : NULL;
    if (CallHtmlHelp(hWnd, HelpFile(), HH_TP_HELP_CONTEXTMENU, (DWORD_PTR)pTable) == NULL)
        AfxMessageBox(IDS_NO_HELP_TOPIC, MB_ICONEXCLAMATION);
}

template <class TBase> BOOL THtmlHelp<TBase>::OnHelpInfo(HELPINFO* pHelpInfo)
{
    const DWORD* pTable = NULL;
    if (!GetHelpIdTable(&pTable) || pTable == NULL)
        return CWnd::OnHelpInfo(pHelpInfo);
    if (CallHtmlHelp((HWND)pHelpInfo->hItemHandle, HelpFile(), HH_TP_HELP_WM_HELP, (DWORD_PTR)pTable) != NULL)
        return TRUE;
    AfxMessageBox(IDS_NO_HELP_TOPIC, MB_ICONEXCLAMATION);
    return FALSE;
}
