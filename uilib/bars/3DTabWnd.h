// SEC3DTabWnd: a tab window with a SEC3DTabControl strip on one side (below, above, left or
// right), a sunken frame around the content and, with WS_TABSTOP, keyboard navigation between
// the strip, the active child and the windows beside the tab window.
#pragma once
#include "uilib/bars/3DTabControl.h"
#include "uilib/bars/TabWndBase.h"

// Sent by the tab window to itself on Ctrl+Tab, Ctrl+PgUp, Ctrl+PgDn. WPARAM 0, LPARAM the MSG;
// a non-zero answer consumes the key.
const UINT WM_SEC_TABWND_CTRLKEY = 0x475;

class SEC3DTabWnd : public SECTabWndBase
{
    DECLARE_DYNCREATE(SEC3DTabWnd)

  public:
    // The strip's thickness across its side.
    static constexpr int kStripThickness = 30;

    // Construction
    SEC3DTabWnd();

    // Overridables
    BOOL Create(CWnd* pParent, DWORD dwStyle = WS_CHILD | WS_VISIBLE | SEC_TABS_RIGHT,
                UINT nID = AFX_IDW_PANE_FIRST) override;
    BOOL CreateTabCtrl(DWORD dwStyle, UINT nID) override;
    void GetInsideRect(RECT& rect) const override;
    void RecalcLayout() override;
    BOOL PreTranslateMessage(MSG* pMsg) override;

    // Attributes
    DWORD GetTabStyle() const
    {
        return m_dwTabStyle;
    }
    SEC3DTabControl* GetTabControl3D() const
    {
        return static_cast<SEC3DTabControl*>(m_pTabCtrl);
    }

  protected:
    // Implementation
    DWORD StripSide() const;
    BOOL IsInActiveChild(HWND hWnd) const;
    // The strip's rectangle beside a content rectangle.
    CRect StripRect(const CRect& rcClient, const CRect& rcInside) const;
    afx_msg LRESULT OnTabSel(WPARAM wParam, LPARAM lParam);
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg void OnPaint();
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnSetFocus(CWnd* pOldWnd);
    DECLARE_MESSAGE_MAP()

    int m_nTabHeight;
    int m_nTabWidth;
    DWORD m_dwTabStyle;
    COLORREF m_crHighlight; // read once at start-up
};
