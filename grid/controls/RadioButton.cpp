// Radio-button cells: item layout, drawing, hit-testing and selection.
#include "grid/controls/RadioButton.h"
#include "grid/core/GridCore.h"
#include "grid/core/GridParam.h"
#include "grid/core/Properties.h"
#include "GridIds.h"
#include <algorithm>

GX_IMPLEMENT_CONTROL(CGXRadioButton, CGXControl)

namespace
{
const UINT hitOverPress = 0x40;
const int buttonAreaWidth = 18;
const int buttonSize = 12;

// The 3-D buttons, copied from the radio-button bitmap as it is (no colour replacement).
CBitmap* RadioBitmap()
{
    static CBitmap s_bitmap;
    static BOOL s_bTried = FALSE;
    if (!s_bTried)
    {
        s_bTried = TRUE;
        s_bitmap.LoadBitmap(GX_IDB_RADIOBTN);
    }
    return s_bitmap.GetSafeHandle() != NULL ? &s_bitmap : NULL;
}
} // namespace

CGXRadioButton::CGXRadioButton(CGXGridCore* pGrid, BOOL bDraw3d) : CGXControl(pGrid), m_bDraw3d(bDraw3d)
{
}

void CGXRadioButton::GetItems(const CGXStyle& style, CStringArray& items)
{
    items.RemoveAll();
    CString strList = style.GetInclude(CGXStyle::ibChoiceList) ? style.GetChoiceList() : CString();
    int nStart = 0;
    while (nStart <= strList.GetLength())
    {
        int nEnd = nStart;
        while (nEnd < strList.GetLength() && strList[nEnd] != '\r' && strList[nEnd] != '\n')
            nEnd++;
        if (nEnd > nStart)
            items.Add(strList.Mid(nStart, nEnd - nStart));
        nStart = nEnd + 1;
    }
}

int CGXRadioButton::GetSelection(const CGXStyle& style)
{
    if (!style.GetInclude(CGXStyle::ibValue) || style.GetValue().IsEmpty())
        return -1;
    return atoi(style.GetValue());
}

int CGXRadioButton::GetItemHeight(CDC* pDC)
{
    TEXTMETRIC tm;
    pDC->GetTextMetrics(&tm);
    return std::max<int>(buttonSize, tm.tmHeight + tm.tmExternalLeading);
}

void CGXRadioButton::GetLayout(const CGXStyle&, BOOL& bHorizontal, BOOL& bCaptionLeft)
{
    bHorizontal = bCaptionLeft = FALSE;
}

void CGXRadioButton::LayoutItems(CDC* pDC, const CRect& rect, const CGXStyle& style,
                                 CArray<Item, const Item&>& items)
{
    BOOL bHorizontal, bCaptionLeft;
    GetLayout(style, bHorizontal, bCaptionLeft);
    CStringArray texts;
    GetItems(style, texts);
    TEXTMETRIC tm;
    pDC->GetTextMetrics(&tm);
    int L = GetItemHeight(pDC);
    int G = std::max<int>(buttonSize, tm.tmMaxCharWidth);
    items.RemoveAll();
    int x = rect.left;
    for (INT_PTR i = 0; i < texts.GetSize(); i++)
    {
        Item item;
        item.strText = texts[i];
        int top = bHorizontal ? rect.top : rect.top + (int)i * L;
        int left = bHorizontal ? x : rect.left;
        CSize extent = pDC->GetTextExtent(texts[i]);
        if (bCaptionLeft)
        {
            item.rectDraw = CRect(left + 3, top, rect.right, top + L);
            item.rectButtonArea =
                CRect(left + 3 + extent.cx, top, left + 3 + extent.cx + buttonAreaWidth, top + L);
            x = item.rectButtonArea.right + G;
        }
        else
        {
            item.rectButtonArea = CRect(left, top, left + buttonAreaWidth, top + L);
            item.rectDraw = CRect(left + buttonAreaWidth, top, rect.right, top + L);
            x = item.rectDraw.left + extent.cx + 2 + G;
        }
        item.rectText = item.rectDraw;
        pDC->DrawText(texts[i], &item.rectText, DT_CALCRECT | DT_SINGLELINE | DT_NOPREFIX);
        items.Add(item);
    }
}

int CGXRadioButton::HitTestItem(CDC* pDC, const CRect& rect, const CGXStyle& style, CPoint pt)
{
    CArray<Item, const Item&> items;
    LayoutItems(pDC, rect, style, items);
    for (INT_PTR i = 0; i < items.GetSize(); i++)
        if (items[i].rectButtonArea.PtInRect(pt) || items[i].rectText.PtInRect(pt))
            return (int)i;
    return -1;
}

void CGXRadioButton::DrawButton(CDC* pDC, const CRect& rectButtonArea, BOOL bSelected)
{
    int x = rectButtonArea.left + 3, y = rectButtonArea.top + (rectButtonArea.Height() - buttonSize) / 2;
    CBitmap* pBitmap = m_bDraw3d ? RadioBitmap() : NULL;
    if (pBitmap != NULL)
    {
        CDC dcMem;
        dcMem.CreateCompatibleDC(pDC);
        CBitmap* pOld = dcMem.SelectObject(pBitmap);
        pDC->BitBlt(x, y, 14, 13, &dcMem, bSelected ? 14 : 0, 13, SRCCOPY);
        dcMem.SelectObject(pOld);
        return;
    }
    if (m_bDraw3d)
        return; // no bitmap: no button
    CGdiObject* pOldPen = pDC->SelectStockObject(BLACK_PEN);
    CGdiObject* pOldBrush = pDC->SelectStockObject(WHITE_BRUSH);
    pDC->Ellipse(x, y, x + buttonSize, y + buttonSize);
    if (bSelected)
    {
        pDC->SelectStockObject(BLACK_BRUSH);
        pDC->Ellipse(x + 2, y + 2, x + 10, y + 10);
    }
    pDC->SelectObject(pOldPen);
    pDC->SelectObject(pOldBrush);
}

const CGXStyle& CGXRadioButton::GetDrawStyle(ROWCOL, ROWCOL, const CGXStyle& style)
{
    return style;
}

void CGXRadioButton::Draw(CDC* pDC, CRect rect, ROWCOL nRow, ROWCOL nCol, const CGXStyle& styleCell,
                          const CGXStyle* pStandardStyle)
{
    const CGXStyle& style = GetDrawStyle(nRow, nCol, styleCell);
    CFont* pOldFont = SelectStyleFont(pDC, style, pStandardStyle);
    CGXGridParam* pParam = m_pGrid->GetParam();
    CGXProperties* pProps = pParam != NULL ? pParam->GetProperties() : NULL;
    BOOL bBlackWhite = m_pGrid->IsPrinting() && pProps != NULL && pProps->GetBlackWhite();
    pDC->SetTextColor(bBlackWhite ? RGB(0, 0, 0) : style.GetTextColor());
    pDC->SetBkColor(bBlackWhite ? RGB(255, 255, 255) : style.GetInterior().GetBackColor());
    DrawFrame(pDC, rect, style, m_pGrid->IsBackgroundPending());
    int nOldMode = pDC->SetBkMode(TRANSPARENT);
    CRect inner = GetCellRect(nRow, nCol, &rect, &style);
    int nSaved = pDC->SaveDC();
    pDC->IntersectClipRect(&rect);
    CArray<Item, const Item&> items;
    LayoutItems(pDC, inner, style, items);
    int nSelected = GetSelection(style);
    for (INT_PTR i = 0; i < items.GetSize(); i++)
    {
        DrawButton(pDC, items[i].rectButtonArea, i == nSelected);
        CRect rectDraw = items[i].rectDraw;
        pDC->DrawText(items[i].strText, &rectDraw, DT_SINGLELINE | DT_NOPREFIX);
    }
    m_nItemCount = (int)items.GetSize();
    pDC->RestoreDC(nSaved);
    CGXControl::Draw(pDC, rect, nRow, nCol, style, pStandardStyle);
    pDC->SetBkMode(nOldMode);
    if (pOldFont != NULL)
        pDC->SelectObject(pOldFont);
}

CSize CGXRadioButton::CalcSize(CDC* pDC, ROWCOL, ROWCOL, const CGXStyle& style, const CGXStyle* pStandard,
                               BOOL)
{
    CFont* pOldFont = SelectStyleFont(pDC, style, pStandard);
    CStringArray texts;
    GetItems(style, texts);
    int cx = 0;
    for (INT_PTR i = 0; i < texts.GetSize(); i++)
        cx = std::max<int>(cx, pDC->GetTextExtent(texts[i]).cx);
    CSize size(cx + 22, (int)texts.GetSize() * GetItemHeight(pDC) + 4);
    if (pOldFont != NULL)
        pDC->SelectObject(pOldFont);
    return AddBorders(size, style);
}

BOOL CGXRadioButton::SelectItem(int nIndex, BOOL bClick)
{
    CGXStyle style;
    m_pGrid->ComposeStyleRowCol(m_nRow, m_nCol, &style);
    if (nIndex != GetSelection(style) && (!bClick || BeginEditing()))
    {
        CString strValue;
        strValue.Format(_T("%d"), nIndex);
        m_pGrid->SetValueRange(CGXCellRange(m_nRow, m_nCol), strValue);
        FreeStyle(FALSE);
    }
    return TRUE;
}

BOOL CGXRadioButton::LButtonUp(UINT nFlags, CPoint pt, UINT nHitState)
{
    if (nHitState & hitOverPress)
    {
        if (IsReadOnly())
            return FALSE;
        CGXStyle styleCell;
        m_pGrid->ComposeStyleRowCol(m_nRow, m_nCol, &styleCell);
        const CGXStyle& style = GetDrawStyle(m_nRow, m_nCol, styleCell);
        CClientDC dc(GetGridWnd());
        m_pGrid->OnGridPrepareDC(&dc);
        CFont* pOldFont = SelectStyleFont(&dc, style, NULL);
        int nIndex = HitTestItem(&dc, GetCellRect(m_nRow, m_nCol, NULL, &style), style, pt);
        if (pOldFont != NULL)
            dc.SelectObject(pOldFont);
        // The grid hears of the click even when the value could not change.
        if (nIndex != -1)
        {
            SelectItem(nIndex, TRUE);
            OnClickedButton(NULL);
        }
    }
    CGXControl::LButtonUp(nFlags, pt, nHitState);
    return TRUE;
}

BOOL CGXRadioButton::DispatchKeyMessage(UINT message, WPARAM wParam, LPARAM lParam, UINT flags)
{
    if (CGXControl::DispatchKeyMessage(message, wParam, lParam, flags))
        return TRUE;
    if (message != WM_CHAR || wParam != VK_SPACE || IsReadOnly())
        return FALSE;
    // The items of this cell, not of whichever cell was drawn last.
    CGXStyle styleCell;
    m_pGrid->ComposeStyleRowCol(m_nRow, m_nCol, &styleCell);
    const CGXStyle& style = GetDrawStyle(m_nRow, m_nCol, styleCell);
    CStringArray texts;
    GetItems(style, texts);
    int nNext = GetSelection(style) + 1;
    if (nNext >= texts.GetSize())
        nNext = 0;
    SelectItem(nNext, FALSE);
    return TRUE;
}
