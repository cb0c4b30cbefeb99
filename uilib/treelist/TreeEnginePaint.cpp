// SECTreeEngine: row geometry and painting of the tree column, the drag image.
#include "TreeEngine.h"

HFONT SECTreeEngine::BoldFont(HFONT hFont)
{
    // One bold font for the whole program, made again from the font in use when asked.
    static HFONT s_hBold = NULL;
    static LOGFONT s_lfMade;
    LOGFONT lf;
    ::GetObject(hFont, sizeof(lf), &lf);
    lf.lfWeight = FW_BOLD;
    if (s_hBold != NULL && memcmp(&lf, &s_lfMade, sizeof(lf)) == 0)
        return s_hBold;
    if (s_hBold != NULL)
        ::DeleteObject(s_hBold);
    s_hBold = ::CreateFontIndirect(&lf);
    s_lfMade = lf;
    return s_hBold;
}

SECListPaintContext* SECTreeEngine::CreatePaintContext(CDC* pDC)
{
    SECTreePaintContext* pContext = new SECTreePaintContext(pDC);
    pContext->m_nView = m_dwListStyle & ListStyle::VIEW_MASK;
    pContext->m_bPrinting = pDC != NULL && pDC->IsPrinting();
    return pContext;
}

HFONT SECTreeEngine::GetCellFont(SECListPaintContext* pContext)
{
    SECTreePaintContext* pTree = static_cast<SECTreePaintContext*>(pContext);
    HFONT hFont = SECListEngine::GetCellFont(pContext);
    if (pContext->m_item.iSubItem == 0 && pTree->m_pNode != NULL && (pTree->m_tvi.state & TVIS_BOLD))
        return BoldFont(hFont);
    return hFont;
}

BOOL SECTreeEngine::PrepareCell(SECListPaintContext* pContext)
{
    SECTreePaintContext* pTree = static_cast<SECTreePaintContext*>(pContext);
    pTree->m_pNode = NodeOfRow(pContext->m_item.iItem);
    if (pContext->m_item.iSubItem != 0 || pTree->m_pNode == NULL)
        return SECListEngine::PrepareCell(pContext);
    int nRow = pContext->m_item.iItem;
    _Node* pNode = pTree->m_pNode;
    memset(&pTree->m_tvi, 0, sizeof(pTree->m_tvi));
    pTree->m_tvi.mask = TVIF_TEXT | TVIF_IMAGE | TVIF_STATE | TVIF_HANDLE | TVIF_SELECTEDIMAGE;
    pTree->m_tvi.hItem = pNode->Handle();
    pTree->m_tvi.stateMask = 0xFFFF;
    pTree->m_tvi.pszText = m_pszTextBuffer;
    pTree->m_tvi.cchTextMax = ListMetrics::TEXT_BUFFER;
    m_pszTextBuffer[0] = '\0';
    if (!GetItem(&pTree->m_tvi, TRUE, TRUE))
        return FALSE;
    if (pTree->m_tvi.state & 0x0F00)
        pTree->m_tvi.state |= 0x0F00 & (pNode->m_item.state & 0x0F00);
    pTree->m_nStateEx = GetItemStateEx(pNode->Handle());
    memset(&pContext->m_item, 0, sizeof(pContext->m_item));
    pContext->m_item.mask = LVIF_TEXT | LVIF_STATE;
    pContext->m_item.iItem = nRow;
    pContext->m_item.iSubItem = 0;
    pContext->m_item.pszText = pTree->m_tvi.pszText;
    pContext->m_item.state = pTree->m_tvi.state;
    pContext->m_nView = m_dwListStyle & ListStyle::VIEW_MASK;
    pContext->m_rgbCellBk = GetCellBkColor(pContext);
    GetCellColors(pContext);
    pContext->m_hFont = GetCellFont(pContext);
    pContext->m_rgbSecondary = GetCellSecondaryColor(pContext);
    return TRUE;
}

int SECTreeEngine::RowDepthX0(_Node* pNode) const
{
    int d = pNode->GetDepth();
    int x0 = (d - 1) * m_nIndent;
    if ((m_dwTreeStyle & TreeStyle::LINES_AT_ROOT) &&
        (m_dwTreeStyle & (TreeStyle::HAS_BUTTONS | TreeStyle::HAS_LINES)))
        x0 += m_nIndent;
    return x0;
}

BOOL SECTreeEngine::HasImageFor(_Node* pNode, int& nImage)
{
    CImageList* pList = GetImageList(LVSIL_NORMAL);
    int nRow = RowOfNode(pNode);
    BOOL bSelected = nRow >= 0 ? IsSelected(nRow) : (pNode->m_item.state & TVIS_SELECTED) != 0;
    nImage = bSelected ? pNode->m_item.iSelectedImage : pNode->m_item.iImage;
    return pList != NULL && pList->GetSafeHandle() != NULL && nImage != SEC_TREE_NO_IMAGE;
}

void SECTreeEngine::CalcLabelRect(CDC* pDC, _Node* pNode, LPCSTR pszText, CRect& rect)
{
    HDC hDC = pDC->m_hDC;
    if (!(m_dwListStyle & ListStyle::NO_LABEL_WRAP))
    {
        const char* pMarker = strstr(pszText, SEC_TREE_HIGHLIGHT_MARKER);
        if (pMarker == NULL)
        {
            pNode->m_bHighlight = 0;
            CRect rc(rect.left, 0, rect.right, 0);
            ::DrawText(hDC, pszText, -1, &rc, DT_CALCRECT | DT_NOPREFIX | DT_EXPANDTABS | DT_WORDBREAK);
            rect = rc;
        }
        else
        {
            pNode->m_bHighlight = 1;
            pNode->m_strBeforeMarker = CString(pszText, (int)(pMarker - pszText));
            pNode->m_strAfterMarker = pMarker + strlen(SEC_TREE_HIGHLIGHT_MARKER);
            SIZE sz = {0, 0};
            ::GetTextExtentPoint32A(hDC, pNode->m_strBeforeMarker, pNode->m_strBeforeMarker.GetLength(), &sz);
            pNode->m_cxBeforeMarker = sz.cx;
            CRect rc(rect.left + sz.cx, 0, rect.right, 0);
            ::DrawText(hDC, pNode->m_strAfterMarker, -1, &rc,
                       DT_CALCRECT | DT_NOPREFIX | DT_EXPANDTABS | DT_WORDBREAK);
            rect = rc;
        }
        if (rect.Height() == 0)
        {
            TEXTMETRIC tm;
            ::GetTextMetrics(hDC, &tm);
            rect.bottom = rect.top + tm.tmHeight;
        }
        rect.bottom += 2;
        return;
    }
    int n = 0;
    while (n < 259 && pszText[n] != '\0' && pszText[n] != '\n')
        ++n;
    CRect rc(rect.left, 0, rect.right, 0);
    SIZE sz;
    if (n > 0 && memchr(pszText, '\t', n) == NULL && ::GetTextExtentPoint32A(hDC, pszText, n, &sz))
        rc.SetRect(rect.left, 0, rect.left + sz.cx, sz.cy); // no tabs: both measures agree
    else
    {
        ::DrawText(hDC, pszText, n, &rc,
                   DT_CALCRECT | DT_NOPREFIX | DT_NOCLIP | DT_EXPANDTABS | DT_SINGLELINE);
        DWORD dwTabbed = ::GetTabbedTextExtentA(hDC, pszText, n, 0, NULL);
        rc.right = std::max((int)rc.right, (int)rect.left + (int)LOWORD(dwTabbed));
    }
    if (rc.Height() == 0)
    {
        TEXTMETRIC tm;
        ::GetTextMetrics(hDC, &tm);
        rc.bottom = rc.top + tm.tmHeight;
    }
    rc.InflateRect(0, 1);
    rc.OffsetRect(0, 1);
    rect = rc;
}

void SECTreeEngine::MeasureCell(SECListPaintContext* pContext, int& cy)
{
    SECTreePaintContext* pTree = static_cast<SECTreePaintContext*>(pContext);
    if (pContext->m_item.iSubItem != 0 || pTree->m_pNode == NULL)
    {
        SECListEngine::MeasureCell(pContext, cy);
        return;
    }
    _Node* pNode = pTree->m_pNode;
    SECListItem* pRow = pContext->m_pItem;
    int x = RowDepthX0(pNode);
    CRect rcState(0, 0, 0, 0), rcIcon(0, 0, 0, 0);
    CImageList* pStateList = GetImageList(LVSIL_STATE);
    int nStateImage = (pTree->m_tvi.state >> 12) & 0xF;
    if (pStateList != NULL && pStateList->GetSafeHandle() != NULL && nStateImage != 0 &&
        nStateImage < pStateList->GetImageCount())
    {
        int cx = 0, cyImage = 0;
        ImageList_GetIconSize(pStateList->GetSafeHandle(), &cx, &cyImage);
        rcState.SetRect(x, 0, x + cx, cyImage);
        x = rcState.right;
    }
    int nImage;
    if (HasImageFor(pNode, nImage))
    {
        int cx = 0, cyImage = 0;
        ImageList_GetIconSize(GetImageList(LVSIL_NORMAL)->GetSafeHandle(), &cx, &cyImage);
        rcIcon.SetRect(x, 0, x + cx, cyImage);
        x = rcIcon.right;
    }
    int xLabel = x + 6;
    int xLimit;
    if (GetColumnCount() >= 2)
        xLimit = GetColumnWidth(0) - 5;
    else if (IsLabelWrap())
    {
        CRect rc;
        GetClientRect(&rc);
        xLimit = rc.Width() - 5;
    }
    else
        xLimit = 10000;
    pContext->SelectFont(pContext->m_hFont);
    CRect rcLabel(xLabel, 0, std::max(xLabel + 1, xLimit), 0);
    CalcLabelRect(pContext->m_pDC, pNode, pContext->m_item.pszText != NULL ? pContext->m_item.pszText : "",
                  rcLabel);
    int cyRow = std::max({rcState.Height(), rcIcon.Height(), rcLabel.Height()});
    if (cyRow & 1)
        ++cyRow;
    auto centre = [cyRow](CRect& rc) {
        if (!rc.IsRectEmpty() || rc.Height() > 0)
            rc.OffsetRect(0, (cyRow - rc.Height()) / 2 - rc.top);
    };
    centre(rcState);
    centre(rcIcon);
    centre(rcLabel);
    if (pRow != NULL)
    {
        pRow->m_rcStateIcon = rcState;
        pRow->m_rcIcon = rcIcon;
        pRow->m_rcLabel = rcLabel;
    }
    cy = std::max(cy, cyRow);
}

int SECTreeEngine::GetButtonRect(CRect& rect, int nRow, CPoint ptOrigin)
{
    rect.SetRectEmpty();
    _Node* pNode = NodeOfRow(nRow);
    SECListItem* pRow = GetRow(nRow);
    if (pNode == NULL || pRow == NULL)
        return 0;
    MeasureItem(nRow, NULL);
    int d = pNode->GetDepth();
    int nImage;
    BOOL bImage = HasImageFor(pNode, nImage);
    int cxImage = 0, cyImage = 0;
    if (bImage)
        ImageList_GetIconSize(GetImageList(LVSIL_NORMAL)->GetSafeHandle(), &cxImage, &cyImage);
    int cx = m_nIndent * (d - 2) + (bImage ? cxImage / 2 : 8) + ptOrigin.x;
    if ((m_dwTreeStyle & TreeStyle::LINES_AT_ROOT) &&
        (m_dwTreeStyle & (TreeStyle::HAS_BUTTONS | TreeStyle::HAS_LINES)))
        cx += m_nIndent;
    int cy = ptOrigin.y + std::max(0, pRow->m_cy) / 2;
    int nSide = 8;
    BOOL bState = !pRow->m_rcStateIcon.IsRectEmpty();
    if (bImage)
    {
        nSide = std::min(15, (int)(cyImage * 0.6060606060606061));
        cy = ptOrigin.y + pRow->m_rcIcon.CenterPoint().y;
    }
    else if (bState)
    {
        nSide = std::min(15, (int)(pRow->m_rcStateIcon.Height() * 0.6060606060606061));
        cy = ptOrigin.y + pRow->m_rcStateIcon.CenterPoint().y;
    }
    // Even positions relative to the scroll offset, odd sides: the lines meet the centre.
    int xOff = m_nHorzOffset;
    if ((cx + xOff) & 1)
        --cx;
    if (cy & 1)
        --cy;
    if ((nSide & 1) == 0)
        ++nSide;
    int nHalf = nSide / 2;
    rect.SetRect(cx - nHalf, cy - nHalf, cx - nHalf + nSide, cy - nHalf + nSide);
    return nHalf;
}

void SECTreeEngine::DrawHorzLine(CDC* pDC, BOOL bPrinting, int x1, int x2, int y)
{
    if (bPrinting)
    {
        pDC->MoveTo(x1, y);
        pDC->LineTo(x2, y);
        return;
    }
    COLORREF rgbDot = ::GetSysColor(COLOR_BTNSHADOW);
    COLORREF rgbGap = GetWindowBkColor();
    int xOff = m_nHorzOffset;
    for (int x = x1; x < x2; ++x)
        pDC->SetPixel(x, y, ((x + xOff) & 1) == 0 ? rgbDot : rgbGap);
}

void SECTreeEngine::DrawVertLine(CDC* pDC, BOOL bPrinting, int x, int y1, int y2)
{
    if (bPrinting)
    {
        pDC->MoveTo(x, y1);
        pDC->LineTo(x, y2);
        return;
    }
    COLORREF rgbDot = ::GetSysColor(COLOR_BTNSHADOW);
    COLORREF rgbGap = GetWindowBkColor();
    for (int y = y1; y < y2; ++y)
        pDC->SetPixel(x, y, (y & 1) == 0 ? rgbDot : rgbGap);
}

void SECTreeEngine::DrawLines(SECTreePaintContext* pContext)
{
    _Node* pNode = pContext->m_pNode;
    SECListItem* pRow = pContext->m_pItem;
    CDC* pDC = pContext->m_pDC;
    BOOL bPrinting = pContext->m_bPrinting;
    const CRect& rc = pContext->m_rect;
    int nRow = pContext->m_item.iItem;
    BOOL bRootLines = (m_dwTreeStyle & TreeStyle::LINES_AT_ROOT) &&
                      (m_dwTreeStyle & (TreeStyle::HAS_BUTTONS | TreeStyle::HAS_LINES));
    int d = pNode->GetDepth();
    CRect rcButton;
    // Scrolled sideways the box may start left of the window: halving its negative edges would
    // round towards zero and move the lines a pixel against the box.
    const int nHalf = GetButtonRect(rcButton, nRow, rc.TopLeft());
    int xColumn = rcButton.left + nHalf;
    int yCentre = rcButton.top + nHalf;
    if (yCentre & 1)
        --yCentre;
    auto nextShownSibling = [this](_Node* p) {
        for (_Node* q = p->Next(); q != NULL; q = q->Next())
            if (!(InheritedStateEx(q) & 0x200))
                return TRUE;
        return FALSE;
    };
    BOOL bOwnColumn = d > 1 || bRootLines;
    if (bOwnColumn)
    {
        int xEnd = rc.left + (!pRow->m_rcStateIcon.IsRectEmpty() ? pRow->m_rcStateIcon.left
                              : !pRow->m_rcIcon.IsRectEmpty()    ? pRow->m_rcIcon.left
                                                                 : pRow->m_rcLabel.left);
        DrawHorzLine(pDC, bPrinting, xColumn, xEnd, yCentre);
        if (nRow != 0)
            DrawVertLine(pDC, bPrinting, xColumn, rc.top, yCentre);
        if (nextShownSibling(pNode))
            DrawVertLine(pDC, bPrinting, xColumn, yCentre, rc.bottom);
    }
    if (pNode->IsExpanded())
    {
        BOOL bShownChild = FALSE;
        for (_Node* c = pNode->FirstChild(); c != NULL && !bShownChild; c = c->Next())
            bShownChild = !(InheritedStateEx(c) & 0x200);
        if (bShownChild)
        {
            int yFrom = !pRow->m_rcIcon.IsRectEmpty() ? rc.top + pRow->m_rcIcon.CenterPoint().y : yCentre;
            DrawVertLine(pDC, bPrinting, xColumn + m_nIndent, yFrom, rc.bottom);
        }
    }
    int x = xColumn;
    for (_Node* p = pNode->Parent(); p != NULL && p != m_pRoot; p = p->Parent())
    {
        x -= m_nIndent;
        if (p->GetDepth() == 1 && !bRootLines)
            break;
        if (nextShownSibling(p))
            DrawVertLine(pDC, bPrinting, x, rc.top, rc.bottom);
    }
}

void SECTreeEngine::DrawButton(SECTreePaintContext* pContext)
{
    _Node* pNode = pContext->m_pNode;
    if (pNode->RawFirstChild() == NULL && pNode->m_item.cChildren <= 0)
        return;
    static HPEN s_hTextPen = ::CreatePen(PS_SOLID, 1, ::GetSysColor(COLOR_WINDOWTEXT));
    static HPEN s_hShadowPen = ::CreatePen(PS_SOLID, 1, ::GetSysColor(COLOR_BTNSHADOW));
    CDC* pDC = pContext->m_pDC;
    CRect rc;
    int nHalf = GetButtonRect(rc, pContext->m_item.iItem, pContext->m_rect.TopLeft());
    if (rc.IsRectEmpty())
        return;
    BOOL bEnabled = m_pWnd->m_hWnd == NULL || m_pWnd->IsWindowEnabled();
    pDC->FillSolidRect(&rc, bEnabled ? RGB(255, 255, 255) : GetWindowBkColor());
    HGDIOBJ hOldPen = ::SelectObject(pDC->m_hDC, s_hShadowPen);
    HGDIOBJ hOldBrush = ::SelectObject(pDC->m_hDC, ::GetStockObject(NULL_BRUSH));
    ::Rectangle(pDC->m_hDC, rc.left, rc.top, rc.right, rc.bottom);
    ::SelectObject(pDC->m_hDC, s_hTextPen);
    CPoint c = rc.CenterPoint();
    c = CPoint(rc.left + nHalf, rc.top + nHalf);
    int nArm = (2 * nHalf + 1) / 3;
    ::MoveToEx(pDC->m_hDC, c.x - nArm, c.y, NULL);
    ::LineTo(pDC->m_hDC, c.x + nArm + 1, c.y);
    if (!pNode->IsExpanded())
    {
        ::MoveToEx(pDC->m_hDC, c.x, c.y - nArm, NULL);
        ::LineTo(pDC->m_hDC, c.x, c.y + nArm + 1);
    }
    ::SelectObject(pDC->m_hDC, hOldBrush);
    ::SelectObject(pDC->m_hDC, hOldPen);
}

void SECTreeEngine::DrawCell(SECListPaintContext* pContext)
{
    SECTreePaintContext* pTree = static_cast<SECTreePaintContext*>(pContext);
    if (pContext->m_item.iSubItem != 0 || pTree->m_pNode == NULL)
    {
        SECListEngine::DrawCell(pContext);
        return;
    }
    CDC* pDC = pContext->m_pDC;
    _Node* pNode = pTree->m_pNode;
    SECListItem* pRow = pContext->m_pItem;
    const CRect rc = pContext->m_rect;
    int nRow = pContext->m_item.iItem;
    BOOL bEditing = nRow == m_nEditRow && m_nEditSubItem == 0 && m_pEdit->GetSafeHwnd() != NULL;
    pDC->FillSolidRect(&rc, GetBkColor());
    // State image.
    CImageList* pStateList = GetImageList(LVSIL_STATE);
    int nState = (pTree->m_tvi.state >> 12) & 0xF;
    if (pStateList != NULL && pStateList->GetSafeHandle() != NULL && nState < pStateList->GetImageCount() &&
        nState > 0 && !pRow->m_rcStateIcon.IsRectEmpty())
    {
        ImageList_SetBkColor(pStateList->GetSafeHandle(), GetBkColor());
        ImageList_Draw(pStateList->GetSafeHandle(), nState, pDC->m_hDC, rc.left + pRow->m_rcStateIcon.left,
                       rc.top + pRow->m_rcStateIcon.top, ILD_NORMAL);
    }
    // Image.
    int nImage;
    if (HasImageFor(pNode, nImage) && !pRow->m_rcIcon.IsRectEmpty())
    {
        CImageList* pList = GetImageList(LVSIL_NORMAL);
        if (nImage < 0 || nImage >= pList->GetImageCount())
            nImage = 0;
        UINT nStyle = ILD_NORMAL | (pTree->m_tvi.state & 0x0F00);
        BOOL bSelected = IsSelected(nRow) && HasFocusNow();
        if (((m_dwListStyleEx & ListStyle::EX_SELECTION_BLEND) && bSelected) || nRow == m_nDropHilite)
            nStyle |= ILD_BLEND50;
        ImageList_Draw(pList->GetSafeHandle(), nImage, pDC->m_hDC, rc.left + pRow->m_rcIcon.left,
                       rc.top + pRow->m_rcIcon.top, nStyle);
    }
    if (m_dwTreeStyle & TreeStyle::HAS_LINES)
        DrawLines(pTree);
    if (m_dwTreeStyle & TreeStyle::HAS_BUTTONS)
        DrawButton(pTree);
    // Label box.
    CRect rcLabel = pRow->m_rcLabel;
    rcLabel.OffsetRect(rc.left, rc.top);
    CRect rcBox(rcLabel.left - 3, rc.top, rcLabel.right + 3, rc.bottom);
    if (GetColumnCount() > 1)
        rcBox.right = std::min((int)rcBox.right, GetColumnRight(0) - 2);
    BOOL bFullRow = (m_dwListStyleEx & ListStyle::EX_FULL_ROW_SELECT) != 0 && GetColumnCount() >= 1;
    if (bFullRow)
        rcBox.right = rc.right;
    if (!bEditing || bFullRow)
    {
        COLORREF rgbOldText = pDC->SetTextColor(pContext->m_rgbText);
        int nOldMode = pDC->SetBkMode(TRANSPARENT);
        COLORREF rgbOldBk = pDC->SetBkColor(pContext->m_rgbBk);
        pDC->FillSolidRect(&rcBox, pContext->m_rgbBk);
        if (!bEditing)
        {
            pContext->SelectFont(pContext->m_hFont);
            LPCSTR pszText = pContext->m_item.pszText != NULL ? pContext->m_item.pszText : "";
            CRect rcText = rcLabel;
            rcText.OffsetRect(0, 1);
            if (!IsLabelWrap())
            {
                int n = 0;
                while (n < 259 && pszText[n] != '\0' && pszText[n] != '\n')
                    ++n;
                pDC->DrawText(pszText, n, &rcText, 0x8864);
            }
            else if (pNode->m_bHighlight)
            {
                CRect rcFirst(rcText.left - pNode->m_cxBeforeMarker, rcText.top, rcText.left, rcText.bottom);
                pDC->DrawText(pNode->m_strBeforeMarker, pNode->m_strBeforeMarker.GetLength(), &rcFirst,
                              0x860);
                pDC->DrawText(pNode->m_strAfterMarker, pNode->m_strAfterMarker.GetLength(), &rcText, 0x850);
            }
            else
                pDC->DrawText(pszText, (int)strlen(pszText), &rcText, 0x854);
        }
        pDC->SetTextColor(rgbOldText);
        pDC->SetBkMode(nOldMode);
        pDC->SetBkColor(rgbOldBk);
    }
    if (nRow == m_nFocusIndex && HasFocusNow() && !bEditing && !(bFullRow && GetColumnCount() > 1))
        pDC->DrawFocusRect(&rcBox);
}

// ---- drag image

HBITMAP SECTreeEngine::CreateTextBitmap(CDC* pDC, LPCSTR pszText, CSize& size)
{
    CRect rc(0, 0, 0, 0);
    ::DrawText(pDC->m_hDC, pszText, -1, &rc, 0xC40);
    size = CSize(std::max(1, rc.Width()), std::max(1, rc.Height()));
    HBITMAP hBitmap = ::CreateCompatibleBitmap(pDC->m_hDC, size.cx, size.cy);
    HGDIOBJ hOld = ::SelectObject(pDC->m_hDC, hBitmap);
    CRect rcFill(0, 0, size.cx, size.cy);
    pDC->FillSolidRect(&rcFill, GetBkColor());
    pDC->SetTextColor(GetTextColor());
    pDC->SetBkMode(TRANSPARENT);
    ::DrawText(pDC->m_hDC, pszText, -1, &rcFill, 0x840);
    ::SelectObject(pDC->m_hDC, hOld);
    return hBitmap;
}

CImageList* SECTreeEngine::CreateTextDragImage(CDC* pDC, LPCSTR pszText)
{
    CSize size;
    HBITMAP hBitmap = CreateTextBitmap(pDC, pszText, size);
    CImageList* pList = new CImageList;
    pList->Create(size.cx, size.cy, ILC_MASK | ILC_COLOR24, 1, 0);
    ImageList_AddMasked(pList->GetSafeHandle(), hBitmap, 0xFFFFFFFF);
    ::DeleteObject(hBitmap);
    return pList;
}

CImageList* SECTreeEngine::CreateIconDragImage(CImageList* pSource, int nImage)
{
    int cx = 0, cy = 0;
    ImageList_GetIconSize(pSource->GetSafeHandle(), &cx, &cy);
    CImageList* pList = new CImageList;
    pList->Create(cx, cy, ILC_MASK | ILC_COLOR24, 1, 0);
    HICON hIcon = ImageList_GetIcon(pSource->GetSafeHandle(), nImage, ILD_NORMAL);
    ImageList_AddIcon(pList->GetSafeHandle(), hIcon);
    ::DestroyIcon(hIcon);
    return pList;
}

CImageList* SECTreeEngine::MergeDragImages(CImageList* pIcon, CImageList* pText)
{
    int cxIcon = 0, cyIcon = 0;
    ImageList_GetIconSize(pIcon->GetSafeHandle(), &cxIcon, &cyIcon);
    HIMAGELIST h = ImageList_Merge(pIcon->GetSafeHandle(), 0, pText->GetSafeHandle(), 0, cxIcon + 6, 0);
    if (h == NULL)
        return NULL;
    CImageList* pList = new CImageList;
    pList->Attach(h);
    return pList;
}

CImageList* SECTreeEngine::CreateDragImage(HTREEITEM hItem)
{
    CImageList* pNormal = GetImageList(LVSIL_NORMAL);
    _Node* pNode = NodeFromHandle(hItem);
    if (pNormal == NULL || pNormal->GetSafeHandle() == NULL || pNode == NULL || pNode == m_pRoot ||
        m_pWnd->m_hWnd == NULL)
        return NULL;
    TVITEMA tv;
    memset(&tv, 0, sizeof(tv));
    tv.hItem = hItem;
    tv.mask = TVIF_TEXT | TVIF_IMAGE | TVIF_HANDLE;
    tv.pszText = m_pszTextBuffer;
    tv.cchTextMax = ListMetrics::TEXT_BUFFER;
    if (!GetItem(&tv, TRUE, TRUE))
        return NULL;
    CString strText = tv.pszText;
    CClientDC dcWindow(m_pWnd);
    CDC dc;
    dc.Attach(::CreateCompatibleDC(dcWindow.m_hDC));
    HFONT hFont = (tv.state & TVIS_BOLD) ? BoldFont(GetLabelFont()) : GetLabelFont();
    HGDIOBJ hOldFont =
        ::SelectObject(dc.m_hDC, (pNode->m_item.state & TVIS_BOLD) ? BoldFont(GetLabelFont()) : hFont);
    CImageList* pText = CreateTextDragImage(&dc, strText);
    CImageList* pIcon = NULL;
    if (tv.iImage >= 0 && tv.iImage < pNormal->GetImageCount())
        pIcon = CreateIconDragImage(pNormal, tv.iImage);
    ::SelectObject(dc.m_hDC, hOldFont);
    ::DeleteDC(dc.Detach());
    if (pIcon == NULL)
        return pText;
    CImageList* pMerged = MergeDragImages(pIcon, pText);
    delete pIcon;
    delete pText;
    return pMerged;
}
