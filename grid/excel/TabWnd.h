// A workbook's sheet area: the active sheet (a grid window or view) fills the window, a strip of
// sheet tabs, a splitter bar and the horizontal scroll bar run along the bottom, the vertical
// scroll bar along the right. All sheets share the two scroll bars; each tab keeps its sheet's
// scroll state while another sheet is shown. The strip is owned; the sheets are not.
#pragma once
#include "grid/excel/TabBeam.h"
#include "afxwin.h"

class CGXEditLabelPopup;

class CGXTabWnd : public CWnd
{
    DECLARE_DYNCREATE(CGXTabWnd)

  public:
    // Construction
    CGXTabWnd();
    ~CGXTabWnd() override;
    // CNotSupportedException unless "GXWND" is registered; FALSE when the first sheet fails.
    BOOL Create(CWnd* pParentWnd, LPCTSTR pszLabel, CCreateContext* pContext,
                DWORD dwStyle = WS_CHILD | WS_VISIBLE | WS_HSCROLL | WS_VSCROLL,
                UINT nID = AFX_IDW_PANE_FIRST);
    BOOL CreateCommonParts(CWnd* pParentWnd, DWORD dwStyle, UINT nID);
    // Registers "CGXTabWnd" unless present; CResourceException when that fails.
    static void AFXAPI RegisterWndClass(HINSTANCE hInstance);

    // Operations
    CWnd* CreateView(CRuntimeClass* pViewClass, LPCTSTR pszLabel, CCreateContext* pContext = NULL,
                     UINT nID = 0);
    // The window of a further sheet, without its tab: id 0 takes the next id; without a context
    // one is built in `context` from the frame's active view and bInitialUpdate is set.
    CWnd* CreateSheetWnd(CRuntimeClass* pViewClass, CCreateContext*& pContext, CCreateContext& context,
                         UINT nID, BOOL& bInitialUpdate);
    // A new sheet's window once it has its tab: its initial update when asked for, its size, its
    // scroll state.
    void ShowSheetWnd(CWnd* pWnd, BOOL bInitialUpdate);
    void ActivateWnd(CWnd* pWnd);
    void ActivateTab(int nTab);
    void RemoveWnd(CWnd* pWnd);
    void RemoveTab(int nTab);
    CGXTabBeam& GetBeam()
    {
        return *m_pBeam;
    }
    CWnd* GetActivePane() const
    {
        return m_pActivePane;
    }
    // The label of the window's tab; null when it has none.
    LPCTSTR GetTabName(const CWnd* pWnd);
    void SetTabName(const CWnd* pWnd, LPCTSTR pszName, BOOL bNotify = FALSE);
    void SetTabNameAt(int nTab, LPCTSTR pszName, BOOL bNotify = FALSE);
    // The client rectangle less the bottom strip and the vertical scroll bar: where sheets lie.
    void GetInsideRect(CRect& rect) const;

    // Overridables
    virtual CWnd* AttachWnd(CWnd* pWnd, LPCTSTR pszLabel);
    virtual void RecalcLayout(BOOL bBeamOnly = FALSE);

    // Implementation
    BOOL PreCreateWindow(CREATESTRUCT& cs) override;
    void PostNcDestroy() override;
    void SaveScrollState(int nTab);
    void RestoreScrollState(int nTab);
    // The parent whose sizing border lies under the size box, or null.
    CWnd* GetSizingParent();
    void ReadMetrics();
    void CancelRename();
    // The splitter bar's rectangle for a strip width.
    CRect GetSplitterRect(int nStripWidth) const;

    CRuntimeClass* m_pFirstViewClass = NULL;
    BOOL m_bHasHScroll = FALSE, m_bHasVScroll = FALSE;
    UINT m_nFirstId = AFX_IDW_PANE_FIRST, m_nNextId = AFX_IDW_PANE_FIRST;
    CGXTabBeam* m_pBeam = NULL; // owned
    CWnd* m_pActivePane = NULL;
    int m_nStripWidth = 0;
    int m_nLastClientWidth = 0;
    int m_nSplitterWidth = 6;
    int m_cxVScroll = 0, m_cyHScroll = 0, m_cyBottom = 0;
    BOOL m_bDragging = FALSE;
    HCURSOR m_hcurArrow = NULL;
    BOOL m_bCreated = FALSE;
    CGXEditLabelPopup* m_pEdit = NULL; // open rename field
    CBrush m_brFace;
    CRuntimeClass* m_pBeamClass = NULL;
    BOOL m_bDrawFrame = FALSE;
    int m_nStripWidth100 = 0; // hundredths of a pixel: keeps fractions through resizing

  protected:
    // Moves a child to (x, y, cx, cy) less a 1-pixel border, queued in the batch.
    void DeferChildPos(HDWP& hdwp, CWnd* pWnd, int x, int y, int cx, int cy, BOOL bScrollBar);
    LRESULT OnSelectTab(WPARAM wParam, LPARAM lParam);
    LRESULT OnStartLabelEdit(WPARAM wParam, LPARAM lParam);
    LRESULT OnCanActivate(WPARAM wParam, LPARAM lParam);
    LRESULT OnEndLabelEdit(WPARAM wParam, LPARAM lParam);
    LRESULT OnCancelLabelEdit(WPARAM wParam, LPARAM lParam);
    void OnPaint();
    void OnSize(UINT nType, int cx, int cy);
    void OnHScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar);
    void OnVScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar);
    void OnLButtonDown(UINT nFlags, CPoint point);
    void OnLButtonUp(UINT nFlags, CPoint point);
    void OnMouseMove(UINT nFlags, CPoint point);
    BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message);
    void OnSetFocus(CWnd* pOldWnd);
    void OnParentNotify(UINT message, LPARAM lParam);
    BOOL OnEraseBkgnd(CDC* pDC);
    void OnNcPaint();
    void OnSysColorChange();
    void OnSettingChange(UINT uFlags, LPCTSTR pszSection);
    DECLARE_MESSAGE_MAP()
};
