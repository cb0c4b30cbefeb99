// The Excel-like fill handle.
#include "grid/features/GridExcelLikeFillImp.h"
#include "grid/core/GridCore.h"
#include "grid/core/GridParam.h"
#include "grid/core/RangeList.h"
#include "grid/core/Style.h"
#include <algorithm>

void CGXGridCore::InstallExcelLikeFillImp()
{
    if (m_pExcelLikeFillImp == NULL)
        SetExcelFillImp(new CGXGridExcelLikeFillImp, TRUE);
    InstallExcelLikeFrameImp();
}

namespace
{
const WORD markFillTracking = 0x200;
enum
{
    fillValues = 1,
    fillStyles = 2
};
enum Side
{
    sideAbove,
    sideLeft,
    sideBelow,
    sideRight,
    sideInside
};

BOOL IsNone(const CGXCellRange& r)
{
    return r.top == 0 && r.left == 0 && r.bottom == 0 && r.right == 0;
}

BOOL SameCorners(const CGXCellRange& a, const CGXCellRange& b)
{
    return a.top == b.top && a.left == b.left && a.bottom == b.bottom && a.right == b.right;
}

// Where a point lies against a rectangle; around a corner the larger distance decides.
Side SideOf(const CRect& r, CPoint pt)
{
    if (r.PtInRect(pt))
        return sideInside;
    if (pt.y >= r.top && pt.y < r.bottom)
        return pt.x < r.left ? sideLeft : sideRight;
    int dv = pt.y < r.top ? r.top - pt.y : pt.y - (r.bottom - 1);
    BOOL bLeftHalf = pt.x < r.CenterPoint().x;
    int dh = bLeftHalf ? r.left - pt.x : pt.x - (r.right - 1);
    if (dv > dh)
        return pt.y < r.top ? sideAbove : sideBelow;
    return bLeftHalf ? sideLeft : sideRight;
}
} // namespace

void CGXGridExcelLikeFillImp::OnStartFill(CGXGridCore* g, CPoint& pt, UINT& nFlags, int&, ROWCOL& nRow,
                                          ROWCOL& nCol)
{
    CGXRangeList& list = g->GetParam()->m_SelectedRanges;
    POSITION pos = list.FindRangeWithCell(nRow, nCol);
    if (pos == NULL)
        return;
    CGXCellRange range = *list.GetAt(pos);
    if ((nRow < g->GetTopRow() && !g->IsInFrozenRows(nRow)) ||
        (nCol < g->GetLeftCol() && !g->IsInFrozenCols(nCol)) || range.IsRows() || range.IsCols() ||
        range.IsTable())
        return;
    if (!g->CanStartFill(range, pt, nFlags))
        return;
    g->TransferCurrentCell(TRUE, GX_UPDATENOW);
    g->m_nHitState |= markFillTracking;
    m_source = range;
    m_rectFrame.SetRectEmpty();
    m_target = CGXCellRange(0, 0, 0, 0);
}

BOOL CGXGridExcelLikeFillImp::OnMoveFill(CGXGridCore* g, CPoint& pt, UINT&, ROWCOL& nRow, ROWCOL& nCol)
{
    if (!(g->m_nHitState & markFillTracking))
        return FALSE;
    CRect rectSource = g->CalcRangeClientRect(m_source);
    CRect rectCell = g->CalcCellRect(nRow, nCol);
    CPoint ptMid = rectCell.CenterPoint();
    CGXCellRange t = m_source;
    switch (SideOf(rectSource, pt))
    {
    case sideInside:
        if (m_source.bottom - std::min(nRow, m_source.bottom) >
            m_source.right - std::min(nCol, m_source.right))
            t.bottom = std::max(nRow, m_source.top);
        else
            t.right = std::max(nCol, m_source.left);
        break;
    case sideAbove:
        t.top = std::min(pt.y >= ptMid.y ? nRow + 1 : nRow, m_source.top);
        break;
    case sideBelow:
        t.bottom = std::max(pt.y < ptMid.y ? nRow - 1 : nRow, m_source.bottom);
        break;
    case sideLeft:
        t.left = std::min(pt.x >= ptMid.x ? nCol + 1 : nCol, m_source.left);
        break;
    case sideRight:
        t.right = std::max(pt.x < ptMid.x ? nCol - 1 : nCol, m_source.right);
        break;
    }
    DrawFillFrame(g, t, TRUE, TRUE);
    return FALSE;
}

void CGXGridExcelLikeFillImp::OnEndFill(CGXGridCore* g, CPoint&, UINT&)
{
    if (!(g->m_nHitState & markFillTracking))
        return;
    CGXCellRange target = m_target;
    DrawFillFrame(g, target, TRUE, FALSE);
    g->m_nHitState &= ~markFillTracking;
    if (IsNone(target))
        return;
    g->SetSelection(NULL);
    g->DoExcelFill(target, m_source);
    g->SelectFillRange(target);
}

void CGXGridExcelLikeFillImp::HideFillFrame(CGXGridCore* g)
{
    // The pixels go; the target stays, so a release without a further move still fills.
    CGXCellRange target = m_target;
    DrawFillFrame(g, target, TRUE, FALSE);
    m_target = target;
}

void CGXGridExcelLikeFillImp::DrawFillFrame(CGXGridCore* g, const CGXCellRange& range, BOOL bErase,
                                            BOOL bDraw)
{
    if (bDraw && !g->CanFillRange(range, m_source))
        bDraw = FALSE;
    if (bErase && bDraw && SameCorners(range, m_target) && !m_rectFrame.IsRectEmpty())
        return;
    CWnd* pWnd = g->GridWnd();
    if (pWnd == NULL || pWnd->GetSafeHwnd() == NULL)
        return;
    CClientDC dc(pWnd);
    CRect rectDraw = g->GetDrawingRect();
    dc.IntersectClipRect(&rectDraw);
    if (bErase)
    {
        if (!m_rectFrame.IsRectEmpty())
        {
            CRect inner = m_rectFrame;
            inner.DeflateRect(1, 1);
            dc.DrawFocusRect(&m_rectFrame);
            dc.DrawFocusRect(&inner);
        }
        m_rectFrame.SetRectEmpty();
        m_target = CGXCellRange(0, 0, 0, 0);
    }
    if (!bDraw || g->IsLockUpdate())
        return;
    m_target = range;
    CGXCellRange shown = range;
    shown.top = std::max(shown.top, g->IsInFrozenRows(shown.top) ? shown.top : g->GetTopRow());
    shown.left = std::max(shown.left, g->IsInFrozenCols(shown.left) ? shown.left : g->GetLeftCol());
    shown.bottom = std::min(shown.bottom, g->GetBottomVisibleRow());
    shown.right = std::min(shown.right, g->GetRightVisibleCol());
    if (shown.top > shown.bottom || shown.left > shown.right)
        return;
    CRect rect = g->CalcRangeClientRect(shown);
    if (rect.IsRectEmpty())
        return;
    BOOL bLinesRightBottom = g->GetParam()->m_nLinePosition != 0;
    if (g->GetLinesOption(TRUE))
        (bLinesRightBottom ? rect.right : rect.left) += bLinesRightBottom ? -1 : 1;
    if (g->GetLinesOption(FALSE))
        (bLinesRightBottom ? rect.bottom : rect.top) += bLinesRightBottom ? -1 : 1;
    CRect inner = rect;
    inner.DeflateRect(1, 1);
    dc.DrawFocusRect(&rect);
    dc.DrawFocusRect(&inner);
    m_rectFrame = rect;
}

void CGXGridExcelLikeFillImp::DoFill(CGXGridCore* g, const CGXCellRange& source, const CGXCellRange& target)
{
    CGXGridParam* pParam = g->GetParam();
    UINT nOption = (UINT)pParam->m_bExcelLikeFill;
    if (SameCorners(source, target) || !(nOption & (fillValues | fillStyles)))
        return;
    BOOL bStyles = (nOption & fillStyles) != 0;
    // All changes undo as one step: a block that the commands of the fill go into.
    BOOL bBlock = g->m_pUndoImp != NULL && pParam->IsUndoEnabled();
    BOOL bOldBlock = g->m_bBlockCmd;
    if (bBlock)
    {
        g->AddCommand(g->m_pUndoImp->CreateBlockCmd(NULL), gxDo);
        g->m_bBlockCmd = TRUE;
    }
    auto clear = [&](const CGXCellRange& range) {
        CGXRangeList list;
        list.AddTail(new CGXCellRange(range));
        g->ClearCells(list, bStyles);
    };
    if (target.bottom < source.bottom)
        clear(CGXCellRange(target.bottom + 1, target.left, source.bottom, target.right));
    else if (target.right < source.right)
        clear(CGXCellRange(source.top, target.right + 1, source.bottom, source.right));
    else
    {
        BOOL bRows = target.left == source.left && target.right == source.right;
        auto fillCell = [&](ROWCOL nRow, ROWCOL nCol, ROWCOL nFromRow, ROWCOL nFromCol) {
            if (bStyles)
            {
                CGXStyle style;
                g->GetStyleRowCol(nFromRow, nFromCol, style, gxCopy, 0);
                g->SetStyleRange(CGXCellRange(nRow, nCol), &style, gxCopy, 0, NULL, GX_UPDATENOW);
            }
            else
                g->SetValueRange(CGXCellRange(nRow, nCol), g->GetStoredValueText(nFromRow, nFromCol),
                                 gxOverride, 0, GX_UPDATENOW);
        };
        // The new rows (columns) one after another, the source's rows (columns) repeating.
        ROWCOL nFirst = bRows ? target.top : target.left, nLast = bRows ? target.bottom : target.right;
        ROWCOL nSrcFirst = bRows ? source.top : source.left, nSrcLast = bRows ? source.bottom : source.right;
        ROWCOL nSrc = nSrcFirst;
        for (ROWCOL n = nFirst; n <= nLast; n++)
        {
            if (n >= nSrcFirst && n <= nSrcLast)
                continue;
            if (bRows)
                for (ROWCOL c = source.left; c <= source.right; c++)
                    fillCell(n, c, nSrc, c);
            else
                for (ROWCOL r = source.top; r <= source.bottom; r++)
                    fillCell(r, n, r, nSrc);
            nSrc = nSrc == nSrcLast ? nSrcFirst : nSrc + 1;
        }
    }
    if (bBlock)
        g->m_bBlockCmd = bOldBlock;
}

void CGXGridExcelLikeFillImp::SelectFillRange(CGXGridCore* g, const CGXCellRange& range)
{
    POSITION pos = g->GetParam()->m_SelectedRanges.AddTail(new CGXCellRange);
    g->SetSelection(pos, range.top, range.left, range.bottom, range.right);
}
