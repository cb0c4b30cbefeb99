// SECWorkbookClientWnd: the subclass of a workbook's MDI client. It keeps room around the
// client (the insets) for the workbook's frame and tabs, and tells the frame when the active
// sheet may have changed so that the tabs are repainted. Owned by the workbook.
#pragma once
#include "afxwin.h"

class SECWorkbookClientWnd : public CWnd
{
    DECLARE_DYNCREATE(SECWorkbookClientWnd)

  public:
    SECWorkbookClientWnd();
    void SetInsets(int nLeft, int nTop, int nRight, int nBottom);

    // Overrides
    void CalcWindowRect(LPRECT lpClientRect, UINT nAdjustType = 0) override;

    // Attributes
    int m_nInsetLeft;
    int m_nInsetTop;
    int m_nInsetRight;
    int m_nInsetBottom;

  protected:
    afx_msg LRESULT OnMDISetMenu(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnRefreshMenu(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()
};
