// CSplitterWnd: a window divided into panes in rows and columns, owned by its frame. A static
// splitter gets a fixed grid of panes from its creator; a dynamic one (SPLS_DYNAMIC_SPLIT) starts
// with one pane, and the user splits it by dragging from the split boxes beside the scroll bars
// (a new pane shows the same document in a view of the same class) and joins panes again by
// dragging a splitter bar to the edge. The panes of a column share one horizontal scroll bar and
// those of a row one vertical bar: children of the splitter with the ids AFX_IDW_HSCROLL_FIRST +
// column and AFX_IDW_VSCROLL_FIRST + row, which CView::GetScrollBarCtrl hands to the views.
//
// Differences from MFC:
// - No keyboard splitting (DoKeyboardSplit), no ActivateNext, no size box in the corner, no
//   OnDrawSplitter/OnInvertTracker overridables: bars are drawn flat, the tracker inverted.
// - A pane's scroll message goes to every pane of its row or column, each starting from the
//   position the bar had before, so they all scroll by the same amount.
#pragma once
#include "Wnd.h"
#include "CreateContext.h"
#include "ScrollBar.h"
#include <vector>

#define SPLS_DYNAMIC_SPLIT 0x0001L

class CSplitterWnd : public CWnd
{
    DECLARE_DYNAMIC(CSplitterWnd)

  public:
    // Construction
    CSplitterWnd();
    ~CSplitterWnd() override;
    CSplitterWnd(const CSplitterWnd&) = delete;
    CSplitterWnd& operator=(const CSplitterWnd&) = delete;
    // Dynamic: at most nMaxRows x nMaxCols (each 1 or 2) panes of pContext->m_pNewViewClass.
    BOOL Create(CWnd* pParentWnd, int nMaxRows, int nMaxCols, SIZE sizeMin, CCreateContext* pContext,
                DWORD dwStyle = WS_CHILD | WS_VISIBLE | WS_HSCROLL | WS_VSCROLL | SPLS_DYNAMIC_SPLIT,
                UINT nID = AFX_IDW_PANE_FIRST);
    // Static: nRows x nCols panes, each made by CreateView before the splitter is shown.
    BOOL CreateStatic(CWnd* pParentWnd, int nRows, int nCols, DWORD dwStyle = WS_CHILD | WS_VISIBLE,
                      UINT nID = AFX_IDW_PANE_FIRST);
    virtual BOOL CreateView(int row, int col, CRuntimeClass* pViewClass, SIZE sizeInit,
                            CCreateContext* pContext);

    // Attributes
    int GetRowCount() const
    {
        return m_nRows;
    }
    int GetColumnCount() const
    {
        return m_nCols;
    }
    int GetMaxRowCount() const
    {
        return m_nMaxRows;
    }
    int GetMaxColumnCount() const
    {
        return m_nMaxCols;
    }
    void GetRowInfo(int row, int& cyCur, int& cyMin) const;
    void SetRowInfo(int row, int cyIdeal, int cyMin);
    void GetColumnInfo(int col, int& cxCur, int& cxMin) const;
    void SetColumnInfo(int col, int cxIdeal, int cxMin);
    // WS_HSCROLL and WS_VSCROLL when the panes share scroll bars.
    DWORD GetScrollStyle() const;
    CWnd* GetPane(int row, int col) const;
    BOOL IsChildPane(CWnd* pWnd, int* pRow, int* pCol);
    int IdFromRowCol(int row, int col) const;
    // The frame's active view when it is one of the panes.
    CWnd* GetActivePane(int* pRow = NULL, int* pCol = NULL);

    // Operations
    virtual void RecalcLayout();
    // Split the first row (column) at cyBefore (cxBefore) pixels; FALSE when no more fit.
    virtual BOOL SplitRow(int cyBefore);
    virtual BOOL SplitColumn(int cxBefore);
    virtual void DeleteRow(int rowDelete);
    virtual void DeleteColumn(int colDelete);

    // Implementation
    struct CRowColInfo
    {
        int nMinSize;
        int nIdealSize;
        int nCurSize;
    };

  protected:
    enum HitTest
    {
        noHit = 0,
        vSplitterBox = 1,   // above the vertical bar: splits rows
        hSplitterBox = 2,   // left of the horizontal bar: splits columns
        vSplitterBar = 101, // + row: below that row
        hSplitterBar = 201, // + column: right of that column
    };

    BOOL CreateCommon(CWnd* pParentWnd, SIZE sizeMin, DWORD dwStyle, UINT nID);
    BOOL CreateScrollBarCtrl(BOOL bHorz, int nIndex);
    CScrollBar* ScrollBar(BOOL bHorz, int nIndex) const;
    // Makes the panes of a new row or column, same class and document as their neighbours.
    BOOL CreateSplitPanes(BOOL bRow, int nNew);
    void RenumberPanes();
    // The rectangle of the panes, inside the scroll bar strips.
    CRect InsideRect() const;
    // Positions of each row (column): top (left) edges and sizes after the layout.
    void LayoutLine(std::vector<CRowColInfo>& info, int nCount, int nTotal, int nBar,
                    std::vector<int>& starts) const;
    int HitTest(CPoint pt) const;
    CRect TrackerRect(int ht, CPoint pt) const;
    void InvertTracker(const CRect& rect);
    void StartTracking(int ht, CPoint pt);
    void StopTracking(BOOL bAccept);

    afx_msg void OnPaint();
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message);
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
    afx_msg void OnCancelMode();
    afx_msg void OnCaptureChanged(CWnd* pWnd);
    afx_msg void OnHScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar);
    afx_msg void OnVScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar);
    DECLARE_MESSAGE_MAP()

    CRuntimeClass* m_pDynamicViewClass;
    int m_nMaxRows;
    int m_nMaxCols;
    int m_nRows;
    int m_nCols;
    BOOL m_bHasHScroll;
    BOOL m_bHasVScroll;
    std::vector<CRowColInfo> m_rowInfo;
    std::vector<CRowColInfo> m_colInfo;
    std::vector<CScrollBar*> m_hBars; // one per column
    std::vector<CScrollBar*> m_vBars; // one per row
    int m_cxSplitter;                 // width of a splitter bar and of a split box
    int m_cySplitter;
    BOOL m_bTracking;
    int m_htTrack;
    CRect m_rectTracker;
};
