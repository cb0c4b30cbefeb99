// Cell tips of static and edit-like cells.
#include "grid/core/CellTipStatic.h"
#include "grid/core/CellTipWnd.h"
#include "grid/core/DIBPool.h"
#include "grid/core/GridCore.h"
#include "ClientDC.h"
#include "Edit.h"
#include "GridIds.h"

namespace
{
int ScreenWidth()
{
    return ::GetSystemMetrics(SM_CXSCREEN);
}

int ScreenHeight()
{
    return ::GetSystemMetrics(SM_CYSCREEN);
}

CRect ToScreen(CGXGridCore* pGrid, CRect rect)
{
    pGrid->GridWnd()->ClientToScreen(&rect);
    return rect;
}

// Size of a DIB's image.
CSize DibSize(HANDLE hDIB)
{
    CSize size(0, 0);
    const BITMAPINFOHEADER* p = (const BITMAPINFOHEADER*)::GlobalLock(hDIB);
    if (p != NULL)
    {
        size = CSize(p->biWidth, abs(p->biHeight));
        ::GlobalUnlock(hDIB);
    }
    return size;
}
} // namespace

CString CGXCellTipStatic::GetCellTipText(ROWCOL nRow, ROWCOL nCol, const CGXStyle& style)
{
    CString str;
    m_pControl->FormatValueText(str, nRow, nCol, NULL, style);
    return str;
}

int CGXCellTipStatic::GetTipKind(ROWCOL nRow, ROWCOL nCol, const CGXStyle& style)
{
    if (m_pControl == NULL)
        return CGXCellTipWnd::kindText;
    CWnd* pWnd = m_pControl->GetWndPtr();
    BOOL bEdit = pWnd != NULL && pWnd->IsKindOf(RUNTIME_CLASS(CEdit));
    return !bEdit && GetCellTipText(nRow, nCol, style).Left(4) == "#BMP" ? CGXCellTipWnd::kindBitmap
                                                                         : CGXCellTipWnd::kindText;
}

CRect CGXCellTipStatic::CalcCellTipOrigin(ROWCOL nRow, ROWCOL nCol, const CGXStyle& style)
{
    CGXGridCore* pGrid = m_pControl->m_pGrid;
    CRect rect = pGrid->CalcCellRect(nRow, nCol);
    CRect inner;
    pGrid->SubtractBorders(inner, rect, style, FALSE);
    // Left and top by the border width, right and bottom by the width less one.
    inner.right = std::min(rect.right, inner.right + 1);
    inner.bottom = std::min(rect.bottom, inner.bottom + 1);
    return ToScreen(pGrid, inner);
}

CRect CGXCellTipStatic::CalcCellTipTextRect(ROWCOL nRow, ROWCOL nCol, const CGXStyle& style)
{
    return ToScreen(m_pControl->m_pGrid, m_pControl->GetCellRect(nRow, nCol, NULL, &style));
}

CSize CGXCellTipStatic::CalcCellTipTextSize(const CString& strText, const CGXStyle& style)
{
    CGXGridCore* pGrid = m_pControl->m_pGrid;
    CClientDC dc(pGrid->GridWnd());
    CGXFont font;
    style.GetFont(font);
    CFont* pFont = pGrid->LookupFont(font, 100);
    CFont* pOld = pFont != NULL ? dc.SelectObject(pFont) : NULL;
    CRect rect(0, 0, 0, 0);
    dc.DrawText(strText.IsEmpty() ? CString(" ") : strText, &rect, DT_CALCRECT | DT_NOPREFIX | DT_SINGLELINE);
    if (pOld != NULL)
        dc.SelectObject(pOld);
    return rect.Size();
}

CRect CGXCellTipStatic::CalcTextCellTipRect(ROWCOL nRow, ROWCOL nCol, const CGXStyle& style,
                                            const CString& strText)
{
    CRect t = CalcCellTipTextRect(nRow, nCol, style);
    CSize size = CalcCellTipTextSize(strText, style);
    DWORD dwHorz = style.GetHorizontalAlignment(), dwVert = style.GetVerticalAlignment();
    CSize shown = size;
    if (dwHorz == DT_CENTER || dwHorz == DT_RIGHT)
    {
        // Shortened as the cell shows it, with dots for the ellipsis type 1.
        BOOL bDots = style.HasUserAttribute(GX_IDS_UA_ELLIPSISTYPE) &&
                     style.GetUserAttribute(GX_IDS_UA_ELLIPSISTYPE).GetLongValue() == 1;
        CString str = strText;
        int nDots = 3;
        while (shown.cx > t.Width() && str.GetLength() > 1)
        {
            str = str.Left(str.GetLength() - 1);
            if (str.GetLength() == 1 && nDots > 0)
                nDots--;
            shown = CalcCellTipTextSize(bDots ? str + CString('.', nDots) : str, style);
        }
    }
    int x = t.left, y = t.top;
    if (dwHorz == DT_RIGHT)
        x = t.left + std::max(0L, t.right - shown.cx - t.left + 1);
    else if (dwHorz == DT_CENTER)
        x = t.left + std::max(0L, (t.right - shown.cx - t.left + 1) / 2);
    if (dwVert == DT_BOTTOM)
        y = t.top + std::max(0L, t.bottom - shown.cy - t.top);
    else if (dwVert == DT_VCENTER)
        y = t.top + std::max(0L, (t.bottom - shown.cy - t.top) / 2);
    return CRect(CPoint(x, y), size);
}

UINT CGXCellTipStatic::PlacementFlags(const CRect& rectTip)
{
    CRect client;
    m_pControl->m_pGrid->GridWnd()->GetClientRect(&client);
    client = ToScreen(m_pControl->m_pGrid, client);
    UINT n = 0;
    if (rectTip.left < client.left || rectTip.right > client.right)
        n |= leavesGridX;
    if (rectTip.top < client.top || rectTip.bottom > client.bottom)
        n |= leavesGridY;
    if (rectTip.left < 0 || rectTip.right > ScreenWidth())
        n |= leavesScreenX;
    if (rectTip.top < 0 || rectTip.bottom > ScreenHeight())
        n |= leavesScreenY;
    return n;
}

UINT CGXCellTipStatic::IsCellTipNeeded(ROWCOL nRow, ROWCOL nCol, const CGXStyle& style,
                                       const CString& strText)
{
    const CGXFont* pFont = style.GetFontPtr();
    if (strText.IsEmpty() || (pFont != NULL && pFont->GetIncludeOrientation() && pFont->GetOrientation() > 0))
        return 0;
    CRect area = CalcCellTipTextRect(nRow, nCol, style);
    CRect shown = CalcTextCellTipRect(nRow, nCol, style, strText);
    CRect visible;
    visible.IntersectRect(shown, area);
    UINT n = 0;
    if (shown.Width() > visible.Width() + 1)
        n |= needWidth;
    if (shown.Height() > visible.Height() + 1)
        n |= needHeight;
    if (n == 0)
        return 0;
    CRect rectTip(shown.TopLeft(), CSize(shown.Width() + 6, shown.Height() + 2));
    return n | PlacementFlags(rectTip);
}

UINT CGXCellTipStatic::CalcBitmapCellTip(ROWCOL nRow, ROWCOL nCol, const CGXStyle& style,
                                         const CString& strText)
{
    HANDLE hDIB = GXGetDIBPool()->GetDIB(strText);
    if (hDIB == NULL)
        return 0;
    CSize size = DibSize(hDIB);
    CRect origin = CalcCellTipOrigin(nRow, nCol, style);
    UINT n = 0;
    if (size.cx > origin.Width())
        n |= needWidth;
    if (size.cy > origin.Height())
        n |= needHeight;
    if (n == 0)
        return 0;
    CRect area = CalcCellTipTextRect(nRow, nCol, style);
    return n | PlacementFlags(CRect(area.TopLeft(), size));
}

UINT CGXCellTipStatic::NeedsTip(ROWCOL nRow, ROWCOL nCol, const CGXStyle& style)
{
    if (m_pControl == NULL)
        return 0;
    CString strText = GetCellTipText(nRow, nCol, style);
    if (GetTipKind(nRow, nCol, style) == CGXCellTipWnd::kindBitmap)
        return CalcBitmapCellTip(nRow, nCol, style, strText);
    if (style.GetWrapText())
        return 0;
    return IsCellTipNeeded(nRow, nCol, style, strText);
}

void CGXCellTipStatic::InitTipWindow(ROWCOL nRow, ROWCOL nCol, const CGXStyle& style, CGXCellTipWnd* pTipWnd)
{
    CGXGridCore* pGrid = m_pControl->m_pGrid;
    CString strText = GetCellTipText(nRow, nCol, style);
    CRect o = CalcCellTipOrigin(nRow, nCol, style);
    int cxScreen = ScreenWidth(), cyScreen = ScreenHeight();
    if (pTipWnd->GetKind() == CGXCellTipWnd::kindBitmap)
    {
        HANDLE hDIB = GXGetDIBPool()->GetDIB(strText);
        CSize b = hDIB != NULL ? DibSize(hDIB) : CSize(0, 0);
        CRect t = CalcCellTipTextRect(nRow, nCol, style);
        ((CGXStaticBitmapCellTipWnd*)pTipWnd)->SetDIB(hDIB);
        int w = std::max(o.right + 1 - t.left, b.cx + 1L), h = std::max(o.bottom - 1 - t.top, b.cy + 1L);
        int x = std::min((int)o.left, ::GetSystemMetrics(SM_CXFULLSCREEN) - w);
        int y = std::min((int)o.top, ::GetSystemMetrics(SM_CYFULLSCREEN) - h);
        DWORD dwHorz = style.GetInclude(CGXStyle::ibHorzAlign) ? style.GetHorizontalAlignment() : DT_LEFT;
        DWORD dwVert = style.GetInclude(CGXStyle::ibVertAlign) ? style.GetVerticalAlignment() : DT_TOP;
        if (dwVert == DT_BOTTOM && o.Height() <= b.cy)
            y = o.bottom - h;
        pTipWnd->SetWindowPosHidden(CRect(x, y, x + w, y + h));
        CRect r(0, 0, w, h);
        if (dwHorz == DT_CENTER && o.Width() > b.cx)
            r.left += (r.Width() - b.cx) / 2;
        else if (dwHorz == DT_RIGHT && o.Width() > b.cx)
            r.left = r.right - b.cx;
        if (dwVert == DT_VCENTER && o.Height() > b.cy)
            r.top += (r.Height() - b.cy) / 2;
        else if (dwVert == DT_BOTTOM && o.Height() > b.cy)
            r.top = r.bottom - b.cy;
        ((CGXStaticBitmapCellTipWnd*)pTipWnd)->SetBitmapRect(r);
        return;
    }

    CGXTextCellTipWnd* pText = (CGXTextCellTipWnd*)pTipWnd;
    UINT n = IsCellTipNeeded(nRow, nCol, style, strText);
    CRect shown = CalcTextCellTipRect(nRow, nCol, style, strText);
    CPoint p = shown.TopLeft();
    CSize s(shown.Width() + 6, shown.Height() + 2);
    // 1. Text and the cell's font at the grid's zoom.
    pText->SetWindowText(strText);
    CGXFont font;
    style.GetFont(font);
    CFont* pFont = pGrid->LookupFont(font, pGrid->GetZoom());
    LOGFONT lf = {};
    if (pFont != NULL && pFont->GetLogFont(&lf))
        pText->SetFont(lf);
    // 2. Size.
    DWORD dwHorz = style.GetHorizontalAlignment(), dwVert = style.GetVerticalAlignment();
    int w, h;
    if (n & leavesScreenX)
        w = s.cx;
    else if ((n & leavesGridX) && dwHorz != DT_CENTER)
        w = p.x - o.left + s.cx;
    else
        w = std::max((int)(p.x - o.left + s.cx), std::min(o.Width() + 1, (int)(cxScreen - o.left + 1)));
    if (n & leavesScreenY)
        h = s.cy;
    else if ((n & leavesGridY) && dwVert != DT_VCENTER)
        h = p.y - o.top + s.cy;
    else
        h = std::max((int)(p.y - o.top + s.cy), std::min(o.Height() + 1, (int)(cyScreen - o.top + 1)));
    // 3. Position, kept on the screen.
    int x = o.left, y = o.top;
    if (n & leavesScreenX)
        x = o.left + w <= cxScreen ? 0 : cxScreen;
    if (n & leavesScreenY)
        y = o.top + h <= cyScreen ? 0 : cyScreen;
    x = std::max(0, std::min(x, cxScreen - w));
    y = std::max(0, std::min(y, cyScreen - h));
    // 4. Move, still hidden.
    pText->SetWindowPosHidden(CRect(x, y, x + w, y + h));
    // 5. The text where the cell shows its beginning.
    p.x = std::min((int)p.x, (int)(cxScreen - s.cx + 2));
    p.y = std::min((int)p.y, (int)(cyScreen - s.cy + 2));
    CRect rectText(0, 0, w, h);
    CPoint pc = p - CPoint(x, y);
    rectText.left = (n & leavesScreenX) ? 2 : std::max(0L, pc.x);
    rectText.top = (n & leavesScreenY) ? 0 : std::max(0L, pc.y);
    if (dwVert == DT_BOTTOM && rectText.top > 0)
        rectText.top--;
    pText->SetTextRect(rectText);
}

void CGXCellTipStatic::ShowTip(ROWCOL nRow, ROWCOL nCol, const CRect&, const CGXStyle& style)
{
    CGXCellTipWnd* pTip = CGXCellTipWnd::GetTipWindow(GetTipKind(nRow, nCol, style));
    if (pTip == NULL)
        return;
    InitTipWindow(nRow, nCol, style, pTip);
    pTip->m_hOwner = m_pControl->m_pGrid->GridWnd()->GetSafeHwnd();
    pTip->ShowWindow(SW_SHOWNOACTIVATE);
    pTip->UpdateWindow();
}
