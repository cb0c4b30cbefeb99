// SECDockBar: the strip along one side of a frame (or inside a floating frame) that holds
// docked control bars in rows. Each bar of a row takes its percent width of the row's length;
// 6-pixel splitters between bars and on the client side of each row let the user move the
// boundaries; bars moved by a layout are repainted once afterwards. The frame creates and owns
// its dock bars.
#pragma once
#include "afxwin.h"
#include "mfc/DockBar.h"
#include "mfc/DockContext.h"
#include "uilib/frames/docking/DockBarRecords.h"

class SECControlBar;

// A logical place in a dock bar's rows.
struct SECDockBarPosition
{
    enum
    {
        rowsFromEnd = 0x1,
        columnsFromEnd = 0x2,
        newRow = 0x4
    };
    int nRow;
    int nColumn;
    int nFlags;
};

class SECDockBar : public CDockBar
{
    DECLARE_DYNCREATE(SECDockBar)

  public:
    typedef SECDockBarSplitter Splitter;
    typedef SECDockBarClientEdge ClientEdge;

    // Sizes of the strips, in pixels.
    enum
    {
        splitterSize = 6,
        clientEdgeSize = 2,
        minBarPixels = 18,   // smallest extent of a bar along its row
        trackBarPixels = 24, // a bar splitter stays this far per bar from the ends
        trackRowPixels = 19, // a row and the client area keep this much when a row is resized
        firstBarMenuID = 57345,
        lastBarMenuID = 57599
    };

    // Construction
    SECDockBar(BOOL bFloating = FALSE, BOOL bFloatsAsMDIChild = FALSE);
    ~SECDockBar() override;
    BOOL Create(CWnd* pParentWnd, DWORD dwStyle, UINT nID) override;
    virtual BOOL Create(CWnd* pParentWnd, DWORD dwStyle, DWORD dwCreateValue, UINT nID);

    // Overridables, in this order
    virtual int GetVisibleBarCount() const;
    virtual BOOL IsOnlySizableBarInRow(CControlBar* pBar) const;
    virtual BOOL IsAloneInRow(CControlBar* pBar) const;
    // Nearest first before the bar, the bar, then those after it; hidden bars included.
    virtual BOOL GetRowBars(CPtrList& list, CControlBar* pBar) const;
    // Mode 1 gives the bar the whole row; any other mode shares the row evenly.
    virtual void ExpandBarInRow(CControlBar* pBar, int nMode);
    virtual void SetBarBeingDocked(CControlBar* pBar);
    virtual void RedrawDockBar();
    // The splitter's displacement after a drag from (x, y) in client coordinates; 0 when cancelled.
    virtual int TrackSplitter(Splitter* pSplitter, int x, int y);
    virtual void AddSplitter(int nKind, int nOrientation, const CRect& rect, int nIndex);
    virtual void CalcSplitterLimits(Splitter* pSplitter);
    virtual void AddClientEdge(int nOrientation, const CRect& rect);
    virtual void ListRowToolBarsForRepaint(CControlBar* pBar);
    virtual void NormalizeRow(int nStart, CControlBar* pPreferred, int* pnFlexible, int* pnFixed);
    virtual void RecalcMinPercentWidth();
    // The part of fDelta the bar could not take because of the minimum (negative), else 0.
    virtual float AdjustPercentWidth(float fDelta, CControlBar* pBar);
    virtual void DockControlBarAt(CControlBar* pBar, const SECDockBarPosition& pos);
    virtual void DockControlBarAt(CControlBar* pBar, int nColumn, int nRow);
    virtual int InsertBarAtPoint(CControlBar* pBar, const CRect& rectDrag, int x, int y);
    virtual int InsertBarAtPosition(CControlBar* pBar, const SECDockBarPosition& pos);
    virtual int InsertBarAtRowColumn(CControlBar* pBar, int nColumn, int nRow);
    virtual int InsertBarAsFirstRow(CControlBar* pBar);
    virtual int InsertBarAt(int nIndex, CControlBar* pBar);
    // The feedback rectangle (screen) of a dragged bar docking here; the last row, rectangle and
    // cursor go in and come back for the next call.
    virtual CRect CalcDockingRect(CControlBar* pBar, const CRect& rectDrag, CPoint ptCursor, int& nLastRow,
                                  CRect& rectLast, CPoint& ptLast);
    virtual void ReDockControlBar(CControlBar* pBar, LPCRECT lpRect = NULL);
    // TRUE when the floating frame holding this dock bar was destroyed.
    virtual BOOL RemoveControlBar(CControlBar* pBar, int nPosExclude = -1, int nAddPlaceHolder = 0);
    virtual void MoveSplitter(Splitter* pSplitter, int nDelta);

    // Operations
    // Docks at a screen rectangle (the centre picks the place), or as a new last row.
    void DockControlBar(CControlBar* pBar, LPCRECT lpRect = NULL);

    // Overrides
    // MFC's record plus whether the dock bar floats as an MDI child, and that child's placement.
    void GetBarInfo(CControlBarInfo* pInfo) override;
    void SetBarInfo(CControlBarInfo* pInfo, CFrameWnd* pFrameWnd) override;
    // With deferred painting on: no copying of bits when only moved, no redraw when only the
    // thickness changed.
    void RepositionInLayout(AFX_SIZEPARENTPARAMS* lpLayout, const CRect& rect) override;
    CSize CalcFixedLayout(BOOL bStretch, BOOL bHorz) override;
    void DoPaint(CDC* pDC) override;
    BOOL PreTranslateMessage(MSG* pMsg) override;

    // Index of the row start (the entry after the NULL before nIndex).
    int GetRowStart(int nIndex) const;
    // Index of the NULL that ends the row holding nIndex (the array size when none).
    int GetRowEnd(int nIndex) const;
    // The splitter under a client point; the last one wins.
    Splitter* SplitterFromPoint(CPoint pt) const;
    int GetSplitterCount() const
    {
        return (int)m_arrSplitters.GetSize();
    }
    Splitter* GetSplitter(int n) const
    {
        return (Splitter*)m_arrSplitters[n];
    }
    int GetClientEdgeCount() const
    {
        return (int)m_arrClientEdges.GetSize();
    }
    ClientEdge* GetClientEdge(int n) const
    {
        return (ClientEdge*)m_arrClientEdges[n];
    }
    BOOL IsHorzDockBar() const
    {
        return (m_dwStyle & CBRS_ORIENT_HORZ) != 0;
    }
    // Top or left: rows grow toward the client area downward or rightward.
    BOOL IsTopOrLeft() const
    {
        return (m_dwStyle & (CBRS_ALIGN_TOP | CBRS_ALIGN_LEFT)) != 0;
    }
    // The bar menu's command of each bar; valid while the menu is open.
    CMap<UINT, UINT, SECControlBar*, SECControlBar*>& GetBarMenuMap()
    {
        return m_mapBarMenu;
    }
    // Builds the bar menu of the main frame's bars; the caller destroys it.
    BOOL BuildBarMenu(CMenu& menu);

    // Attributes
    CPtrArray m_arrRepaint;
    CPtrArray m_arrClientEdges;
    CPtrArray m_arrSplitters;
    BOOL m_bFloatsAsMDIChild;
    DWORD m_dwCreateValue;
    AFX_SIZEPARENTPARAMS* m_pSizeParentParams;
    CControlBar* m_pBarBeingDocked;
    BOOL m_bPaintingRepaintList;
    BOOL m_bRepaintPending;
    float m_fMinPctWidth;
    CMap<UINT, UINT, SECControlBar*, SECControlBar*> m_mapBarMenu;

    // Implementation
  protected:
    // A bar of the row list (neither a row end nor a place holder).
    static BOOL IsBarEntry(void* pEntry)
    {
        return pEntry != NULL && !IsPlaceHolder(pEntry);
    }
    static SECControlBar* AsSECBar(void* pEntry);
    void ListForRepaint(CControlBar* pBar);
    // Lists the bars from nIndex on (top, left) or before it (bottom, right).
    void ListForRepaintFrom(int nIndex);
    void DeleteUnusedRecords();
    void DeleteAllRecords();
    int GetRowLength() const;
    // Layout mode of a bar docked here.
    DWORD GetBarMode(CControlBar* pBar) const;
    // Changes one bar's extent by nDelta; returns the part it could not take.
    int ChangeBarExtent(CControlBar* pBar, int nDelta, int nAvailable);
    // Steps shared by the docking operations: style, title and alignment follow the dock bar.
    void AdoptBar(CControlBar* pBar);
    // Reparents and takes the bar from its previous dock bar.
    void TakeBar(CControlBar* pBar, int nNewIndex);
    void DrawSplitterFeedback(CDC* pDC, Splitter* pSplitter, const CRect& rect, BOOL bErase);

    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnDestroy();
    afx_msg BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message);
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnContextMenu(CWnd* pWnd, CPoint point);
    afx_msg void OnBarMenuCommand(UINT nID);
    afx_msg LRESULT OnSizeParent(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()
};
