// SECToolBarSheet: the toolbar customisation sheet. The caller adds the toolbars page and the
// commands page, each given the frame's toolbar manager; while a page is active the frame is in
// customisation mode. The sheet keeps its caption active while a floating toolbar has the focus.
#pragma once
#include "afxwin.h"
#include "PropertySheet.h"

class SECToolBarManager;

class SECToolBarSheet : public CPropertySheet
{
    DECLARE_DYNAMIC(SECToolBarSheet)

  public:
    // Construction
    SECToolBarSheet();
    explicit SECToolBarSheet(UINT nIDCaption, CWnd* pParentWnd = NULL, UINT iSelectPage = 0);
    explicit SECToolBarSheet(LPCTSTR pszCaption, CWnd* pParentWnd = NULL, UINT iSelectPage = 0);

    // Operations
    // A page became active: buttons may be dragged, the frame's other children are disabled and
    // the sheet is the manager's customisation dialog.
    static void EnterCustomise(SECToolBarManager* pManager, CWnd* pPage);
    // A page was left (bCancel: the sheet is cancelled and stops being the customisation dialog).
    static void LeaveCustomise(SECToolBarManager* pManager, CWnd* pPage, BOOL bCancel);
    // A page goes: it hears no more of the bars and the sheet stops being the customisation
    // dialog; a sheet destroyed without OK or Cancel leaves customisation too.
    static void PageDestroyed(SECToolBarManager* pManager, CWnd* pPage);
    // The registered message "WM_TOOLBARSTYLECHANGING" that the toolbars page sends to the other
    // pages: WPARAM 1 after "LargeButtons" changed, 2 after "CoolLook" changed.
    static UINT StyleChangingMessage();

    // Implementation
  protected:
    afx_msg void OnActivate(UINT nState, CWnd* pWndOther, BOOL bMinimized);
    afx_msg LRESULT OnFloatStatus(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()
};
