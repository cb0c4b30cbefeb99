// The Excel-like selection frame.
#include "grid/features/GridExcelLikeFrameImp.h"
#include "grid/core/GridCore.h"
#include "grid/core/GridParam.h"
#include "grid/core/RangeList.h"

void CGXGridCore::InstallExcelLikeFrameImp()
{
    if (m_pExcelLikeFrameImp == NULL)
    {
        m_pExcelLikeFrameImp = new CGXGridExcelLikeFrameImp;
        AddOwnedImp(m_pExcelLikeFrameImp);
    }
    InstallUserSelectRangeImp();
}

namespace
{
enum
{
    kindCells = 0,
    kindRows = 2,
    kindCols = 7
};

// A rectangle added to (or, with bSubtract, taken from) a region.
void Combine(HRGN hRgn, const CRect& rect, BOOL bSubtract = FALSE)
{
    HRGN hPart = ::CreateRectRgnIndirect(&rect);
    ::CombineRgn(hRgn, hRgn, hPart, bSubtract ? RGN_DIFF : RGN_OR);
    ::DeleteObject(hPart);
}

// The window can show the frame: option on, not hidden, drawing not locked.
BOOL FrameShown(CGXGridCore* g)
{
    return g->GetParam() != NULL && g->GetParam()->m_bExcelLikeFrame && !g->m_nExcelFrameHidden;
}

// A client DC clipped to the grid's drawing rectangle.
struct FrameDC : CClientDC
{
    explicit FrameDC(CGXGridCore* g) : CClientDC(g->GridWnd())
    {
        CRect rect = g->GetDrawingRect();
        IntersectClipRect(&rect);
    }
};

BOOL CanDrawOnScreen(CGXGridCore* g)
{
    CWnd* pWnd = g->GridWnd();
    return !g->IsLockUpdate() && pWnd != NULL && pWnd->GetSafeHwnd() != NULL && pWnd->IsWindowVisible();
}
} // namespace

void CGXGridExcelLikeFrameImp::DrawFramePart(CGXGridCore* g, CDC* pDC, const CRect& rectIn,
                                             const CRect& rectClip, BOOL bTopVisible, BOOL bLeftVisible,
                                             int nKind, BOOL bHandleOnly)
{
    CRect r = rectIn;
    if (g->GetParam()->m_nLinePosition != 0)
        r.OffsetRect(-1, -1);
    HRGN hFrame = ::CreateRectRgn(0, 0, 0, 0);
    int xLeft = bLeftVisible ? r.left - 2 : r.left, yTop = bTopVisible ? r.top - 2 : r.top;
    if (bTopVisible)
        Combine(hFrame, CRect(xLeft, r.top - 2, r.right + 2, r.top + 1));
    Combine(hFrame, CRect(xLeft, r.bottom - 1, r.right + 2, r.bottom + 2));
    if (bLeftVisible)
        Combine(hFrame, CRect(r.left - 2, yTop, r.left + 1, r.bottom + 2));
    Combine(hFrame, CRect(r.right - 1, yTop, r.right + 2, r.bottom + 2));
    // The handle: a square of 5 by 5 pixels centred on its corner.
    CPoint ptHandle = nKind == kindRows   ? CPoint(r.left, r.bottom)
                      : nKind == kindCols ? CPoint(r.right, r.top)
                                          : CPoint(r.right, r.bottom);
    HRGN hRgn = ::CreateRectRgn(0, 0, 0, 0);
    Combine(hRgn, CRect(ptHandle.x - 2, ptHandle.y - 2, ptHandle.x + 3, ptHandle.y + 3));
    ::CombineRgn(hRgn, hRgn, hFrame, bHandleOnly ? RGN_DIFF : RGN_OR);
    if (!rectClip.IsRectEmpty())
    {
        HRGN hClip = ::CreateRectRgnIndirect(&rectClip);
        ::CombineRgn(hRgn, hRgn, hClip, RGN_AND);
        ::DeleteObject(hClip);
    }
    ::InvertRgn(pDC->GetSafeHdc(), hRgn);
    ::DeleteObject(hRgn);
    ::DeleteObject(hFrame);
}

void CGXGridExcelLikeFrameImp::DrawFrame(CGXGridCore* g, CDC* pDC, const CGXCellRange& range, int nKind,
                                         BOOL bHandleOnly)
{
    if (pDC == NULL || g->IsPrinting() || !range.IsValid())
        return;
    CRect rect = g->CalcRangeClientRect(range);
    if (rect.IsRectEmpty())
        return;
    ROWCOL nFrozenRows = g->GetFrozenRows(), nFrozenCols = g->GetFrozenCols();
    BOOL bTop = range.top <= nFrozenRows || range.top >= g->GetTopRow();
    BOOL bLeft = range.left <= nFrozenCols || range.left >= g->GetLeftCol();
    // A range of the scrolling pane keeps off the fixed rows and columns: what it draws there
    // would not move when the pane scrolls.
    CRect rectClip = g->GetDrawingRect();
    if (range.top > nFrozenRows)
        rectClip.top += g->SumRowHeights(0, nFrozenRows);
    if (range.left > nFrozenCols)
        rectClip.left += g->SumColWidths(0, nFrozenCols);
    g->DrawFramePart(pDC, rect, rectClip, bTop, bLeft, nKind, bHandleOnly);
}

void CGXGridExcelLikeFrameImp::UpdateFrame(CGXGridCore* g, CDC* pDC, BOOL bErase, const CGXCellRange* pRange)
{
    if (!FrameShown(g))
        return;
    if (bErase && pDC != NULL && g->m_bExcelFrameDrawn)
        g->DrawExcelFrame(pDC, g->m_rangeExcelFrame, g->m_nExcelFrameKind, FALSE);
    if (bErase)
        g->m_bExcelFrameDrawn = FALSE;
    if (pRange == NULL || !pRange->IsValid())
        return;
    CGXCellRange range = *pRange;
    int nKind = kindCells;
    if ((range.top == 0 && range.left == 0) || range.IsTable())
        range.SetTable();
    else if (range.top == 0 || range.IsCols())
        range.SetCols(range.left, range.right), nKind = kindCols;
    else if (range.left == 0 || range.IsRows())
        range.SetRows(range.top, range.bottom), nKind = kindRows;
    range.ExpandToCells(g->GetHeaderRows() + 1, g->GetHeaderCols() + 1, g->GetRowCount(), g->GetColCount());
    // A frame still on screen goes before another takes its place.
    if (g->m_bExcelFrameDrawn && pDC != NULL)
        g->DrawExcelFrame(pDC, g->m_rangeExcelFrame, g->m_nExcelFrameKind, FALSE);
    g->m_bExcelFrameDrawn = FALSE;
    g->m_rangeExcelFrame = range;
    g->m_nExcelFrameKind = nKind;
    if (pDC != NULL)
    {
        g->DrawExcelFrame(pDC, range, nKind, FALSE);
        g->m_bExcelFrameDrawn = TRUE;
    }
}

void CGXGridExcelLikeFrameImp::RedrawFrameHandle(CGXGridCore* g)
{
    if (g->m_nExcelFrameKind == kindCells || !g->m_bExcelFrameDrawn || !CanDrawOnScreen(g))
        return;
    FrameDC dc(g);
    g->DrawExcelFrame(&dc, g->m_rangeExcelFrame, g->m_nExcelFrameKind, TRUE);
}

BOOL CGXGridExcelLikeFrameImp::ShowFrame(CGXGridCore* g, BOOL nState, BOOL bCreateHint)
{
    BOOL nOld = g->m_nExcelFrameHidden;
    if (g->GetParam() == NULL || !g->GetParam()->m_bExcelLikeFrame || (nState != 0) == (nOld != 0))
    {
        g->m_nExcelFrameHidden = nState;
        return nOld;
    }
    if (CanDrawOnScreen(g))
    {
        FrameDC dc(g);
        g->m_nExcelFrameHidden = FALSE;
        CGXRangeList& list = g->GetParam()->m_SelectedRanges;
        if (nState == 0)
            g->UpdateExcelFrame(&dc, TRUE, list.IsEmpty() ? NULL : list.GetTail());
        else
            g->UpdateExcelFrame(&dc, TRUE, NULL);
    }
    else if (nState != 0)
        g->m_bExcelFrameDrawn = FALSE;
    g->m_nExcelFrameHidden = nState;
    if (bCreateHint && g->IsHintsEnabled())
        g->m_pUpdateHintImp->HintExcelFrame(g, nState == 0);
    return nOld;
}
