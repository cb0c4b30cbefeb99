// Interactive resizing of rows and columns.
#include "grid/features/GridUserResizeCellsImp.h"
#include "grid/core/GridCore.h"
#include "grid/core/GridParam.h"
#include "grid/core/RangeList.h"
#include "grid/features/DragLineWnd.h"
#include <algorithm>
#include <cstdlib>

void CGXGridCore::InstallUserResizeCellsImp()
{
    if (m_pUserResizeCellsImp != NULL)
        return;
    m_pUserResizeCellsImp = new CGXGridUserResizeCellsImp;
    AddOwnedImp(m_pUserResizeCellsImp);
}

namespace
{
enum
{
    kindRow = 1,
    kindCol = 2
};
enum : WORD
{
    sizeDefault = 0x01,
    sizeAllowed = 0x02,
    sizeNoHeaders = 0x08,
    sizeNoHeaderRepaint = 0x10,
    sizeNoLineWnd = 0x20,
    sizeNoInvert = 0x40,
    sizePreview = 0x80,
    sizeLive = 0x100
};

// The row and column twins, chosen by the tracked kind.
struct Twin
{
    CGXGridCore* g;
    BOOL bCols;
    Twin(CGXGridCore* pGrid, int nKind) : g(pGrid), bCols(nKind == kindCol)
    {
    }
    WORD Flags() const
    {
        return bCols ? g->GetParam()->m_wColSizingFlags : g->GetParam()->m_wRowSizingFlags;
    }
    ROWCOL Index(ROWCOL nRow, ROWCOL nCol) const
    {
        return bCols ? nCol : nRow;
    }
    ROWCOL Headers() const
    {
        return bCols ? g->GetHeaderCols() : g->GetHeaderRows();
    }
    ROWCOL Count() const
    {
        return bCols ? g->GetColCount() : g->GetRowCount();
    }
    int Size(ROWCOL n) const
    {
        return bCols ? g->GetColWidth(n) : g->GetRowHeight(n);
    }
    int Minimum() const
    {
        return bCols ? g->GetParam()->m_nMinTrackColWidth : g->GetParam()->m_nMinTrackRowHeight;
    }
    CGXMapDWordToLong& Map() const
    {
        return bCols ? g->GetParam()->m_ColWidths : g->GetParam()->m_RowHeights;
    }
    BOOL IsHidden(ROWCOL n) const
    {
        return bCols ? g->IsColHidden(n) : g->IsRowHidden(n);
    }
    BOOL CanResize(ROWCOL n) const
    {
        return (bCols ? g->CanUserResizeCol(n) : g->CanUserResizeRow(n)) &&
               g->CanResizeRowCol(bCols ? kindCol : kindRow, n);
    }
    void Store(ROWCOL n, int nSize) const
    {
        bCols ? g->StoreColWidth(n, nSize) : g->StoreRowHeight(n, nSize);
    }
    void Redraw(ROWCOL n, int nOld, UINT flags) const
    {
        bCols ? g->UpdateChangedColWidth(n, n, &nOld, flags, FALSE)
              : g->UpdateChangedRowHeight(n, n, &nOld, flags, FALSE);
    }
    void SetSize(ROWCOL nFirst, ROWCOL nLast, int nSize, UINT flags) const
    {
        bCols ? g->SetColWidth(nFirst, nLast, nSize, NULL, flags)
              : g->SetRowHeight(nFirst, nLast, nSize, NULL, flags);
    }
    void SetDefault(int nSize, UINT flags) const
    {
        bCols ? g->SetDefaultColWidth(nSize, flags) : g->SetDefaultRowHeight(nSize, flags);
    }
    void Hide(ROWCOL nFirst, ROWCOL nLast, BOOL bHide, UINT flags) const
    {
        bCols ? g->HideCols(nFirst, nLast, bHide, NULL, flags)
              : g->HideRows(nFirst, nLast, bHide, NULL, flags);
    }
    // The hidden state of one index changed for the feedback only: no redraw, no undo.
    void StoreHidden(ROWCOL n, BOOL bHide) const
    {
        bCols ? g->HideCols(n, n, bHide, NULL, GX_NOREDRAW, gxRollback)
              : g->HideRows(n, n, bHide, NULL, GX_NOREDRAW, gxRollback);
    }
    // The position of a 1-pixel edge rectangle along the tracked direction.
    int Pos(const CRect& r) const
    {
        return bCols ? r.left : r.top;
    }
    // The selected blocks of whole columns (rows), or none when the index is not selected or
    // the table is.
    BOOL SelectedBlocks(ROWCOL n, CDWordArray& awFirst, CDWordArray& awLast) const
    {
        CGXRangeList& list = g->GetParam()->m_SelectedRanges;
        if (list.IsEmpty() || list.IsCellInList(0, 0) ||
            !(bCols ? list.IsCellInList(0, n) : list.IsCellInList(n, 0)))
            return FALSE;
        return bCols ? list.GetColArray(Count(), awFirst, awLast, TRUE)
                     : list.GetRowArray(Count(), awFirst, awLast, TRUE);
    }
};

// The starting size (and map entry) back after the live or preview feedback stored others.
void RestoreStartSize(CGXGridCore* g)
{
    Twin t(g, g->m_resize.nKind);
    ROWCOL n = t.Index(g->m_resize.nRow, g->m_resize.nCol);
    if (g->m_resize.bHadOwnSize)
        t.Map().SetAt(n, g->m_resize.nOwnStored);
    else
        t.Map().RemoveKey(n);
    if (g->m_resize.bWasHidden && !t.IsHidden(n))
        t.StoreHidden(n, TRUE);
    g->ResetLastVisibleCache();
}

// The header band of the tracked column (header rows from the column to the right edge) or row.
CRect HeaderBand(CGXGridCore* g)
{
    CRect rectDraw = g->GetDrawingRect(), rectCell = g->m_resize.rectCell;
    if (g->m_resize.nKind == kindCol)
        return CRect(rectCell.left, rectDraw.top, rectDraw.right,
                     rectDraw.top + g->SumRowHeights(0, g->GetHeaderRows()));
    return CRect(rectDraw.left, rectCell.top, rectDraw.left + g->SumColWidths(0, g->GetHeaderCols()),
                 rectDraw.bottom);
}

void DestroyLineWnd(CGXGridCore* g)
{
    CGXDragLineWnd*& p = g->m_resize.pLineWnd;
    if (p == NULL)
        return;
    if (p->GetSafeHwnd() != NULL)
        p->DestroyWindow();
    delete p;
    p = NULL;
}

// Inverts the moving line unless it stands on the starting edge.
void InvertLine(CDC& dc, CGXGridCore* g, const CRect& rect)
{
    if (g->m_resize.bInvertLine && rect != g->m_resize.rectStartEdge)
        dc.InvertRect(&rect);
}

// The size the mouse point gives: its distance from the fixed edge along the tracked direction.
CPoint TrackedSize(CGXGridCore* g, CPoint pt)
{
    CPoint size = pt - g->m_resize.rectFixedEdge.TopLeft();
    (g->m_resize.nKind == kindCol ? size.y : size.x) = 0;
    return size;
}

struct GridDC : CClientDC
{
    explicit GridDC(CGXGridCore* g) : CClientDC(g->GridWnd())
    {
        g->OnGridPrepareDC(this);
    }
};
} // namespace

BOOL CGXGridUserResizeCellsImp::OnLButtonDown(CGXGridCore* g, UINT*, CPoint*, int* pnHit, ROWCOL* pnRow,
                                              ROWCOL* pnCol)
{
    CGXGridParam* pParam = g->GetParam();
    BOOL bStarted;
    if ((*pnHit == GX_VERTLINE || *pnHit == GX_VERTLINE_PREVCOL) &&
        pParam->TestColSizingFlags(sizeDefault | sizeAllowed))
        bStarted = g->StartResizeTracking(*pnRow, *pnCol, kindCol);
    else if ((*pnHit == GX_HORZLINE || *pnHit == GX_HORZLINE_PREVROW) &&
             pParam->TestRowSizingFlags(sizeDefault | sizeAllowed))
        bStarted = g->StartResizeTracking(*pnRow, *pnCol, kindRow);
    else
        return FALSE;
    if (bStarted && ::GetCapture() != g->GridWnd()->GetSafeHwnd())
        g->SetCapture();
    return bStarted;
}

BOOL CGXGridUserResizeCellsImp::StartTracking(CGXGridCore* g, ROWCOL nRow, ROWCOL nCol, int nKind)
{
    Twin t(g, nKind);
    ROWCOL n = t.Index(nRow, nCol);
    WORD flags = t.Flags();
    if ((n <= t.Headers() && (flags & sizeNoHeaders)) || !t.CanResize(n))
        return FALSE;
    (t.bCols ? nRow : nCol) = 0;
    CGXGridCore::ResizeTracking& rt = g->m_resize;
    CRect rectDraw = g->GetDrawingRect();
    CRect rectCell = g->CalcRangeClientRect(CGXCellRange(nRow, nCol));
    if (g->GetParam()->m_nLinePosition != 0)
        rectCell.OffsetRect(-1, -1);
    rt.nKind = nKind;
    rt.nRow = nRow;
    rt.nCol = nCol;
    rt.rectDraw = rectDraw;
    rt.rectCell = rectCell;
    rt.bLive = (flags & sizeLive) != 0;
    rt.bHeaderPreview = (flags & sizePreview) && !rt.bLive;
    rt.bLineWnd = g->GetLinesOption(t.bCols) && !(flags & sizeNoLineWnd) && !rt.bLive;
    rt.bInvertLine = !(flags & sizeNoInvert) && !rt.bLive;
    rt.bHeaderRepaint = !(flags & sizeNoHeaderRepaint) && !rt.bLive;
    rt.nStartSize = t.Size(n);
    rt.bHadOwnSize = t.Map().Lookup(n, rt.nOwnStored);
    rt.bWasHidden = t.IsHidden(n);
    if (t.bCols)
    {
        // Down to the bottom of the last visible row; that row is the one tracked.
        int nTop = rt.bHeaderPreview ? rectDraw.top + g->SumRowHeights(0, g->GetHeaderRows()) : rectDraw.top;
        int nBottom = std::min<int>(rectDraw.bottom,
                                    rectDraw.top + g->SumRowHeights(0, g->GetRowCount(), rectDraw.Height()));
        rt.nRow = std::min(g->GetBottomVisibleRow(), g->GetRowCount());
        rt.rectFixedEdge = CRect(rectCell.left, nTop, rectCell.left + 1, nBottom);
        rt.rectStartEdge = CRect(rectCell.right, nTop, rectCell.right + 1, nBottom);
    }
    else
    {
        int nLeft =
            rt.bHeaderPreview ? rectDraw.left + g->SumColWidths(0, g->GetHeaderCols()) : rectDraw.left;
        int nRight = std::min<int>(rectDraw.right,
                                   rectDraw.left + g->SumColWidths(0, g->GetColCount(), rectDraw.Width()));
        rt.rectFixedEdge = CRect(nLeft, rectCell.top, nRight, rectCell.top + 1);
        rt.rectStartEdge = CRect(nLeft, rectCell.bottom, nRight, rectCell.bottom + 1);
    }
    if (rt.bLineWnd)
    {
        if (rt.pLineWnd == NULL)
        {
            rt.pLineWnd = new CGXDragLineWnd(g);
            rt.pLineWnd->CreateDragLineWnd(g->GridWnd());
        }
        rt.pLineWnd->m_nBandKind = t.bCols ? 1 : 2;
        rt.pLineWnd->m_nBandValue1 = 0;
        rt.pLineWnd->m_nBandValue2 = 1;
        rt.pLineWnd->MoveWindow(&rt.rectStartEdge, TRUE);
        rt.pLineWnd->ShowWindow(SW_SHOW);
        rt.pLineWnd->UpdateWindow();
    }
    rt.bMoved = FALSE;
    rt.rectLine = rt.rectStartEdge;
    rt.bTracking = TRUE;
    if (rt.bHeaderRepaint)
    {
        // Painted at once, before any line is inverted over it.
        g->GridWnd()->InvalidateRect(&rectCell);
        g->GridWnd()->UpdateWindow();
    }
    return TRUE;
}

BOOL CGXGridUserResizeCellsImp::OnMouseMove(CGXGridCore* g, CPoint pt)
{
    CGXGridCore::ResizeTracking& rt = g->m_resize;
    if (!rt.bTracking)
        return FALSE;
    g->MoveResizeTracking(rt.nRow, rt.nCol, rt.nKind, TrackedSize(g, pt));
    return TRUE;
}

void CGXGridUserResizeCellsImp::MoveTracking(CGXGridCore* g, ROWCOL nRow, ROWCOL nCol, int nKind, CPoint size)
{
    Twin t(g, nKind);
    CGXGridCore::ResizeTracking& rt = g->m_resize;
    ROWCOL n = t.Index(nRow, nCol);
    rt.bMoved = TRUE;
    int nSize = std::max<int>(t.bCols ? size.x : size.y, t.Minimum());
    if (!g->CanChangeRowColSize(nKind, n, nSize, FALSE))
        return;
    BOOL bOldLock = g->SetLockScrollbars(TRUE);
    {
        GridDC dc(g);
        // The line never passes the leading edge and stops short of the far edge of the window.
        int nFixed = t.Pos(rt.rectFixedEdge);
        int nLimit =
            t.bCols ? rt.rectDraw.right - (g->m_cxFrame + 1) : rt.rectDraw.bottom - (g->m_cyFrame + 1);
        int nPos = std::max(nFixed + nSize, nFixed);
        CRect rectLine = rt.rectStartEdge;
        if (nPos < nLimit)
            rectLine.OffsetRect(t.bCols ? nPos - rectLine.left : 0, t.bCols ? 0 : nPos - rectLine.top);
        if (rectLine != rt.rectLine)
        {
            InvertLine(dc, g, rt.rectLine);
            InvertLine(dc, g, rectLine);
            rt.rectLine = rectLine;
        }
    }
    int nNew = rt.nStartSize + (t.Pos(rt.rectLine) - t.Pos(rt.rectStartEdge));
    if (rt.bLive)
    {
        BOOL bOld = g->SetResizeTrackingFlag(TRUE);
        int nOld = t.Size(n);
        if (nOld == 0 && nNew > 0 && t.IsHidden(n))
            t.StoreHidden(n, FALSE);
        t.Store(n, std::max(nNew, 0));
        t.Redraw(n, nOld, GX_UPDATENOW);
        g->SetResizeTrackingFlag(bOld);
    }
    else if (rt.bHeaderPreview)
    {
        t.Store(n, std::max(nNew, 0));
        g->ResetLastVisibleCache();
        CRect band = HeaderBand(g);
        g->GridWnd()->InvalidateRect(&band, FALSE);
        g->GridWnd()->UpdateWindow();
        RestoreStartSize(g);
    }
    g->SetLockScrollbars(bOldLock);
}

BOOL CGXGridUserResizeCellsImp::OnLButtonUp(CGXGridCore* g, CPoint pt)
{
    CGXGridCore::ResizeTracking& rt = g->m_resize;
    if (!rt.bTracking)
        return FALSE;
    g->EndResizeTracking(rt.nRow, rt.nCol, rt.nKind, TrackedSize(g, pt));
    if (::GetCapture() == g->GridWnd()->GetSafeHwnd())
        ::ReleaseCapture();
    return TRUE;
}

void CGXGridUserResizeCellsImp::EndTracking(CGXGridCore* g, ROWCOL nRow, ROWCOL nCol, int nKind, CPoint size)
{
    Twin t(g, nKind);
    CGXGridCore::ResizeTracking& rt = g->m_resize;
    ROWCOL n = t.Index(nRow, nCol);
    if (rt.bMoved)
        g->MoveResizeTracking(nRow, nCol, nKind, size);
    DestroyLineWnd(g);
    int nSize = std::max<int>(t.bCols ? size.x : size.y, t.Minimum());
    {
        GridDC dc(g);
        rt.bTracking = FALSE;
        InvertLine(dc, g, rt.rectLine);
    }
    UINT mode = GX_UPDATENOW;
    BOOL bOldFlag = FALSE;
    if (rt.bLive)
    {
        bOldFlag = g->SetResizeTrackingFlag(TRUE);
        RestoreStartSize(g);
        mode = GX_INVALIDATE;
    }
    else if (rt.bHeaderPreview)
    {
        RestoreStartSize(g);
        CRect band = HeaderBand(g);
        g->GridWnd()->InvalidateRect(&band, FALSE);
    }
    int d = t.Pos(rt.rectLine) - t.Pos(rt.rectStartEdge);
    int nPresent = t.Size(n);
    if (!g->CanChangeRowColSize(nKind, n, nSize, TRUE) || std::abs(d) < 2 || !rt.bMoved)
    {
        if (t.bCols)
            g->GridWnd()->InvalidateRect(&rt.rectCell, FALSE);
        t.Redraw(n, nPresent, mode);
    }
    else
    {
        int s = nPresent + d;
        CDWordArray awFirst, awLast;
        if (n == 0 || (t.Flags() & sizeDefault))
            t.SetDefault(s, mode);
        else if (t.SelectedBlocks(n, awFirst, awLast))
        {
            for (INT_PTR i = awFirst.GetSize() - 1; i >= 0; i--)
            {
                ROWCOL nFirst = std::max<ROWCOL>(awFirst[i], 1), nLast = std::max<ROWCOL>(awLast[i], 1);
                if (s < 1)
                    t.Hide(nFirst, nLast, TRUE, mode);
                else
                    t.SetSize(nFirst, nLast, s, mode);
            }
        }
        else if (s < 1)
            t.Hide(n, n, TRUE, mode);
        else
        {
            if (t.IsHidden(n))
                t.Hide(n, n, FALSE, mode);
            t.SetSize(n, n, s, mode);
        }
    }
    g->GridWnd()->UpdateWindow();
    if (t.bCols)
        g->ScrollCellInView(g->GetTopRow(), n, GX_UPDATENOW);
    else
        g->ScrollCellInView(n, g->GetLeftCol(), GX_UPDATENOW);
    g->UpdateScrollbars();
    if (rt.bLive)
        g->SetResizeTrackingFlag(bOldFlag);
    ROWCOL nCurRow, nCurCol;
    if (::GetFocus() == g->GridWnd()->GetSafeHwnd() && g->GetCurrentCell(nCurRow, nCurCol))
    {
        CGXControl* pControl = g->GetControl(nCurRow, nCurCol);
        if (pControl != NULL && pControl->IsActive())
            pControl->Refresh();
    }
    g->UpdateScrollbars();
}

void CGXGridUserResizeCellsImp::CancelTracking(CGXGridCore* g)
{
    CGXGridCore::ResizeTracking& rt = g->m_resize;
    Twin t(g, rt.nKind);
    ROWCOL n = t.Index(rt.nRow, rt.nCol);
    rt.bTracking = FALSE;
    DestroyLineWnd(g);
    {
        GridDC dc(g);
        InvertLine(dc, g, rt.rectLine);
    }
    rt.rectLine = rt.rectStartEdge;
    if (rt.bLive)
    {
        int nOld = t.Size(n);
        RestoreStartSize(g);
        t.Redraw(n, nOld, GX_UPDATENOW);
    }
    else if (rt.bHeaderPreview)
    {
        RestoreStartSize(g);
        CRect band = HeaderBand(g);
        g->GridWnd()->InvalidateRect(&band, FALSE);
    }
    else if (rt.bHeaderRepaint)
        g->RedrawRange(rt.nKind == kindCol ? 0 : n, rt.nKind == kindCol ? n : 0, rt.nKind == kindCol ? 0 : n,
                       rt.nKind == kindCol ? n : 0, GX_UPDATENOW, TRUE);
}

BOOL CGXGridUserResizeCellsImp::OnLButtonDblClk(CGXGridCore* g, UINT*, CPoint*, int* pnHit, ROWCOL* pnRow,
                                                ROWCOL* pnCol)
{
    BOOL bCols = *pnHit == GX_VERTLINE;
    if (!bCols && *pnHit != GX_HORZLINE)
        return FALSE;
    Twin t(g, bCols ? kindCol : kindRow);
    ROWCOL n = t.Index(*pnRow, *pnCol);
    if (!(t.Flags() & (sizeDefault | sizeAllowed)) ||
        !(bCols ? g->CanUserResizeCol(n) : g->CanUserResizeRow(n)))
        return FALSE;
    if ((t.Flags() & sizeDefault) && n != 0)
        return TRUE;
    CDWordArray awFirst, awLast;
    if ((!t.IsHidden(n) && !t.IsHidden(n + 1)) || n >= t.Count())
    {
        if (t.SelectedBlocks(n, awFirst, awLast))
        {
            for (INT_PTR i = 0; i < awFirst.GetSize(); i++)
            {
                ROWCOL nFirst = std::max<ROWCOL>(awFirst[i], 1), nLast = std::max<ROWCOL>(awLast[i], 1);
                if (t.IsHidden(nFirst))
                    t.Hide(nFirst, nLast, FALSE, GX_UPDATENOW);
                else
                    t.SetSize(nFirst, nLast, -1, GX_UPDATENOW);
            }
        }
        else
        {
            // The index the press before the double click tracked.
            ROWCOL nTracked = t.Index(g->m_resize.nRow, g->m_resize.nCol);
            t.SetSize(nTracked, nTracked, -1, GX_UPDATENOW);
        }
        return TRUE;
    }
    // The run of hidden neighbours around the edge comes back.
    ROWCOL nFirst = n + 1, nLast = n;
    while (nFirst > 1 && t.IsHidden(nFirst - 1) && t.CanResize(nFirst - 1))
        nFirst--;
    while (nLast < t.Count() && t.IsHidden(nLast + 1) && t.CanResize(nLast + 1))
        nLast++;
    if (nFirst > nLast)
        return TRUE;
    t.Hide(nFirst, nLast, FALSE, GX_UPDATENOW);
    return TRUE;
}
