// The borderless top-level pop-up that holds a combo cell's drop-down list. It sits on the
// desktop so the list may reach beyond the grid window, colours the list as the cell asks and
// passes the list's commands on to the cell's edit window. Only the cell closes it.
#pragma once
#include "afxwin.h"

class CGXGridCombo : public CWnd
{
  public:
    // Creates the shown pop-up at rect (screen coordinates) for pOwner's list.
    CGXGridCombo(CWnd* pOwner, CWnd* pUnused, const CRect& rect);
    ~CGXGridCombo() override;

    void SetListBox(CWnd* pListBox)
    {
        m_pListBox = pListBox;
    }
    CWnd* GetListBox() const
    {
        return m_pListBox;
    }
    void SetColors(COLORREF rgbText, COLORREF rgbBack);

    // Set while a drop-down window is created, placed or destroyed (one flag for all).
    static BOOL s_bBusy;

    CWnd* m_pListBox = NULL; // owned
    CWnd* m_pOwner;
    BOOL m_bColors = FALSE;
    CBrush m_brushBack;
    COLORREF m_rgbText = 0, m_rgbBack = 0;

  protected:
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    afx_msg HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor);
    afx_msg void OnActivate(UINT nState, CWnd* pWndOther, BOOL bMinimized);
    afx_msg void OnSysCommand(UINT nID, LPARAM lParam);
    DECLARE_MESSAGE_MAP()
};
