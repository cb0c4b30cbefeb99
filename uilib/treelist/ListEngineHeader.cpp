// SECListEngine: the header band, its items, images and the header drag image.
#include "ListEngine.h"

void SECListEngine::DrawHeaderColumn(CDC* pDC, int nCol, const CRect& rcItem, BOOL bPressed)
{
    CRect rc = rcItem;
    if (bPressed)
    {
        pDC->FillSolidRect(&rc, s_rgbBtnFace);
        pDC->DrawEdge(&rc, BDR_SUNKENOUTER, BF_RECT | BF_FLAT);
    }
    else
        pDC->DrawFrameControl(&rc, DFC_BUTTON, DFCS_BUTTONPUSH);
    SECListColumn* pCol = GetColumnAt(nCol);
    if (pCol == NULL)
        return;
    CRect rcText(rcItem.left + 6, rcItem.top, rcItem.right - 6, rcItem.bottom);
    if (bPressed)
        rcText.OffsetRect(1, 1);
    UINT nFlags = DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS;
    int nFormat = pCol->m_fmt & LVCFMT_JUSTIFYMASK;
    if (nFormat == LVCFMT_RIGHT)
        nFlags |= DT_RIGHT;
    else if (nFormat == LVCFMT_CENTER)
        nFlags |= DT_CENTER;
    HGDIOBJ hOld = ::SelectObject(pDC->m_hDC, GetHeaderFont());
    pDC->SetBkMode(TRANSPARENT);
    pDC->SetTextColor(::GetSysColor(COLOR_BTNTEXT));
    UINT nImageFlags = nFlags;
    DrawHeaderImage(pDC, nCol, rcText, nImageFlags);
    pDC->DrawText(pCol->m_strHeading, pCol->m_strHeading.GetLength(), &rcText, nImageFlags);
    ::SelectObject(pDC->m_hDC, hOld);
}

void SECListEngine::DrawHeaderImage(CDC* pDC, int nCol, CRect& rect, UINT& nFlags)
{
    CImageList* pList = GetImageList(3);
    SECListColumn* pCol = GetColumnAt(nCol);
    if (pList == NULL || pList->GetSafeHandle() == NULL || pCol == NULL || pCol->m_iImage < 0 ||
        pCol->m_cx <= 22)
        return;
    int cxText = 0;
    {
        CSize sz = pDC->GetTextExtent(pCol->m_strHeading);
        cxText = sz.cx;
    }
    int xArea = rect.left;
    int x = rect.left;
    int y = rect.top + (rect.Height() - 16) / 2;
    int nFormat = pCol->m_fmt & LVCFMT_JUSTIFYMASK;
    if (pCol->m_fmt & 0x1000)
    {
        x = std::min((int)rect.left + cxText + 10, (int)rect.right - 16);
        rect.right = x - 10;
        nFlags = (nFlags & ~DT_CENTER) | DT_RIGHT;
    }
    else if (nFormat == LVCFMT_RIGHT)
        x = rect.right - 26 - cxText;
    else if (nFormat == LVCFMT_CENTER)
    {
        x = rect.left + (rect.Width() - (cxText + 26)) / 2;
        rect.left = x + 26;
        nFlags &= ~DT_CENTER;
    }
    else
        rect.left += 26;
    x = std::max(x, xArea);
    ImageList_DrawEx(pList->GetSafeHandle(), pCol->m_iImage, pDC->m_hDC, x, y, 16, 16, CLR_NONE, CLR_NONE,
                     ILD_NORMAL);
}

void SECListEngine::DrawHeader(SECListPaintContext* pContext)
{
    CDC* pDC = pContext->m_pDC;
    CRect rcClient;
    GetClientRect(&rcClient);
    if (m_bVScrollShown)
        rcClient.right -= ::GetSystemMetrics(SM_CXVSCROLL);
    CRect rcBand(rcClient.left, rcClient.top, rcClient.right, rcClient.top + m_cyHeader);
    CRect rcClip, rcTest;
    pDC->GetClipBox(&rcClip);
    if (!rcTest.IntersectRect(&rcBand, &rcClip))
        return;
    pDC->FillSolidRect(&rcBand, s_rgbBtnFace);
    int x = rcClient.left - m_nHorzOffset;
    for (int i = 0; i < GetColumnCount(); ++i)
    {
        int cx = m_arrColumns[i]->m_cx;
        if (cx > 0)
            DrawHeaderColumn(pDC, i, CRect(x, rcBand.top, x + cx, rcBand.bottom),
                             i == m_nPressedColumn && !m_bHeaderDrag);
        x += std::max(0, cx);
    }
    if (x < rcClient.right + 2)
    {
        CRect rcRest(x, rcBand.top, std::max((int)rcClient.right + 2, x + 2), rcBand.bottom);
        pDC->DrawFrameControl(&rcRest, DFC_BUTTON, DFCS_BUTTONPUSH);
    }
}

void SECListEngine::DrawHeaderItem(int nCol, BOOL bPressed)
{
    if (m_pWnd->m_hWnd == NULL || GetColumnAt(nCol) == NULL || !HasColumnHeader())
        return;
    CClientDC dc(m_pWnd);
    CRect rcClient;
    GetClientRect(&rcClient);
    if (m_bVScrollShown)
        rcClient.right -= ::GetSystemMetrics(SM_CXVSCROLL);
    dc.IntersectClipRect(&rcClient);
    CRect rc(GetColumnLeft(nCol), rcClient.top, GetColumnRight(nCol), rcClient.top + m_cyHeader);
    DrawHeaderColumn(&dc, nCol, rc, bPressed);
}

CImageList* SECListEngine::CreateHeaderDragImage(int nCol)
{
    SECListColumn* pCol = GetColumnAt(nCol);
    if (pCol == NULL || m_pWnd->m_hWnd == NULL)
        return NULL;
    CClientDC dcScreen(m_pWnd);
    CRect rc(0, 0, pCol->m_cx, m_cyHeader + 1);
    HDC hMem = ::CreateCompatibleDC(dcScreen.m_hDC);
    HBITMAP hBitmap = ::CreateCompatibleBitmap(dcScreen.m_hDC, rc.Width(), rc.Height());
    HGDIOBJ hOld = ::SelectObject(hMem, hBitmap);
    CDC dc;
    dc.Attach(hMem);
    dc.FillSolidRect(&rc, RGB(0x6E, 0x6E, 0x6E));
    CRect rcText(6, 0, rc.right - 6, m_cyHeader);
    UINT nFlags = DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS;
    int nFormat = pCol->m_fmt & LVCFMT_JUSTIFYMASK;
    if (nFormat == LVCFMT_RIGHT)
        nFlags |= DT_RIGHT;
    else if (nFormat == LVCFMT_CENTER)
        nFlags |= DT_CENTER;
    HGDIOBJ hOldFont = ::SelectObject(hMem, GetHeaderFont());
    dc.SetBkMode(TRANSPARENT);
    dc.SetTextColor(::GetSysColor(COLOR_BTNTEXT));
    DrawHeaderImage(&dc, nCol, rcText, nFlags);
    dc.DrawText(pCol->m_strHeading, pCol->m_strHeading.GetLength(), &rcText, nFlags);
    ::SelectObject(hMem, hOldFont);
    ::SelectObject(hMem, hOld);
    dc.Detach();
    ::DeleteDC(hMem);
    CImageList* pList = new CImageList;
    pList->Create(rc.Width(), rc.Height(), ILC_MASK | ILC_COLOR24, 1, 0);
    ImageList_AddMasked(pList->GetSafeHandle(), hBitmap, s_rgbBtnFace);
    ::DeleteObject(hBitmap);
    return pList;
}
