// SECWorkbookWnd: an MDI frame that shows its MDI children as the sheets of a workbook, a row
// of slanted tabs below the MDI client (one per visible sheet, with the sheet's small icon and
// title); a click on a tab activates its sheet. Workbook mode (the tabs) is off until
// SetWorkbookMode turns it on. The sheets are SECWorksheetWnd children; a control bar shown as
// an MDI child becomes a SECControlBarWorksheet. The frame owns its client subclass, GDI
// objects and tool-tip control.
#pragma once
#include "uilib/frames/mdi/MDIFrameWnd.h"

class SECWorksheetWnd;
class SECWorkbookClientWnd;
class CToolTipCtrl;

// The MDI client tells the frame that the active sheet may have changed.
#define SEC_WM_WORKBOOK_ACTIVECHANGED 0x84D
// A sheet asks the MDI client to refresh its menu (wParam and lParam -1).
#define SEC_WM_WORKSHEET_REFRESHMENU 0x84E

class SECWorkbookWnd : public SECMDIFrameWnd
{
    DECLARE_DYNCREATE(SECWorkbookWnd)

  public:
    // A tab's outline: seven points, the last equal to the first.
    struct TabPolygon
    {
        POINT pts[7];
    };

    // Construction
    SECWorkbookWnd();
    ~SECWorkbookWnd() override;

    // Overridables (in this order)
    // The strip below the MDI client that the tabs take, frame client coordinates.
    virtual CRect GetTabArea() const;
    virtual BOOL CanActivateSheet(SECWorksheetWnd* pSheet);
    virtual void AddSheet(SECWorksheetWnd* pSheet);
    virtual void RemoveSheet(SECWorksheetWnd* pSheet);
    virtual BOOL IsTabTextFit(SECWorksheetWnd* pSheet);
    virtual TabPolygon GetTabPolygon(SECWorksheetWnd* pSheet) const;
    virtual CString GetSheetTitle(SECWorksheetWnd* pSheet) const;
    virtual CRect GetTabTextRect(const TabPolygon& polygon, int nIconWidth) const;
    virtual void DrawTab(CDC* pDC, SECWorksheetWnd* pSheet);
    virtual void DrawClientFrame(CDC* pDC);
    virtual void DrawTabContent(CDC* pDC, SECWorksheetWnd* pSheet);
    virtual HICON GetSheetIcon(SECWorksheetWnd* pSheet) const;
    virtual void SetSheetIcon(SECWorksheetWnd* pSheet, HICON hIcon, BOOL bRedraw);

    // Operations
    // Workbook mode: the tabs are shown, hit-tested and kept room for below the MDI client.
    void SetWorkbookMode(BOOL bWorkbook);
    BOOL IsWorkbookMode() const
    {
        return m_bTabsShown;
    }
    void ShowSheetIcons(BOOL bShow);
    int GetSheetCount() const
    {
        return (int)m_sheets.GetSize();
    }
    SECWorksheetWnd* GetSheet(int nIndex) const
    {
        return (SECWorksheetWnd*)m_sheets[nIndex];
    }
    int GetTabWidth() const
    {
        return m_nTabWidth;
    }
    // The title as a tab shows it in cx pixels: one character less a pass, the last three
    // replaced by "...", until it fits or is shorter than four characters.
    static CString PASCAL ShortenTitle(CDC* pDC, const CString& strTitle, int cx);
    // The MDI client's window rectangle in this frame's client coordinates.
    CRect GetClientWndRect() const;

    // Overrides
    BOOL CreateClient(LPCREATESTRUCT lpCreateStruct, CMenu* pWindowMenu) override;
    void RecalcLayout(BOOL bNotify = TRUE) override;
    INT_PTR OnToolHitTest(CPoint point, TOOLINFO* pTI) const override;

    // Attributes
    CObArray m_sheets; // SECWorksheetWnd*, in tab order
    BOOL m_bTabsShown;
    BOOL m_bIconsShown;
    CFont m_tabFont;
    SECWorkbookClientWnd* m_pClient; // owned
    CPen m_penHighlight;
    CPen m_penBlack;
    CPen m_penShadow;
    CPen m_penFace;
    int m_nTabWidth;
    int m_nTabHeight;
    int m_nBevel;
    int m_nActiveExtraWidth;
    int m_nActiveExtraHeight;
    int m_nMaxTabWidth;
    CRect m_rectLastTabClient;
    int m_nLastActive;
    CToolTipCtrl* m_pToolTip; // owned

    // Implementation
  protected:
    // Recomputes the tab width; TRUE when it changed.
    BOOL CalcTabWidth();
    // Invalidates the tabs from nIndex to the right edge (all: the whole strip).
    void InvalidateTabsFrom(int nIndex);
    void InvalidateTab(SECWorksheetWnd* pSheet);
    SECWorksheetWnd* GetActiveSheet() const;
    // The sheet's place among the visible sheets, -1 when hidden.
    int VisiblePosition(SECWorksheetWnd* pSheet) const;
    BOOL IsSheetVisible(SECWorksheetWnd* pSheet) const;
    void ApplyClientInsets();

    afx_msg void OnPaint();
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
    afx_msg void OnDestroy();
    afx_msg LRESULT OnActiveChanged(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()
};
