// Header cells.
#include "grid/core/Header.h"
#include "grid/core/DIBPool.h"
#include "grid/core/DrawingAndFormatting.h"
#include "grid/core/GridCore.h"
#include "grid/core/GridParam.h"
#include "grid/core/Properties.h"
#include "grid/core/RangeList.h"
#include "GridIds.h"

GX_IMPLEMENT_CONTROL(CGXHeader, CGXStatic)

namespace
{
const COLORREF rgbBlack = RGB(0, 0, 0), rgbWhite = RGB(255, 255, 255), rgbGrey = RGB(128, 128, 128);

void Line(CDC* pDC, int x, int y, int cx, int cy, COLORREF cr)
{
    if (cx > 0 && cy > 0)
        GXFillSolidRect(pDC, x, y, cx, cy, cr);
}

// Whether the selection touches a row (bRows) or a column; whole rows, columns and the table
// touch every one.
BOOL SelectionTouches(CGXRangeList& list, BOOL bRows, ROWCOL n)
{
    for (POSITION pos = list.GetHeadPosition(); pos != NULL;)
    {
        const CGXCellRange* p = list.GetNext(pos);
        if (!p->IsValid() || p->IsTable())
        {
            if (p->IsTable())
                return TRUE;
            continue;
        }
        if (bRows ? p->IsCols() : p->IsRows())
            return TRUE;
        if (bRows ? (n >= p->top && n <= p->bottom) : (n >= p->left && n <= p->right))
            return TRUE;
    }
    return FALSE;
}
} // namespace

CGXHeader::CGXHeader(CGXGridCore* pGrid) : CGXStatic(pGrid)
{
}

void CGXHeader::DrawBackground(CDC* pDC, const CRect& rect)
{
    pDC->DrawFocusRect(rect);
}

BOOL CGXHeader::IsMarkedHeaderCell(ROWCOL nRow, ROWCOL nCol, const CGXStyle& style)
{
    if (CGXControl::IsMarkedHeaderCell(nRow, nCol, style))
        return TRUE;
    CGXGridParam* pParam = m_pGrid->GetParam();
    if (pParam == NULL || !pParam->m_bSpreadsheetHeaders)
        return FALSE;
    ROWCOL nHeaderRows = m_pGrid->GetHeaderRows(), nHeaderCols = m_pGrid->GetHeaderCols();
    if (nCol <= nHeaderCols && nRow > nHeaderRows)
        return SelectionTouches(pParam->m_SelectedRanges, TRUE, nRow);
    if (nRow <= nHeaderRows && nCol > nHeaderCols)
        return SelectionTouches(pParam->m_SelectedRanges, FALSE, nCol);
    return FALSE;
}

void CGXHeader::Draw(CDC* pDC, CRect rect, ROWCOL nRow, ROWCOL nCol, const CGXStyle& styleIn,
                     const CGXStyle* pStandardStyle)
{
    // 1. Nothing at all for a header narrower or lower than 2 pixels.
    if (rect.Width() < 2 || rect.Height() < 2)
        return;
    CGXGridParam* pParam = m_pGrid->GetParam();
    BOOL bSheet = pParam != NULL && pParam->m_bSpreadsheetHeaders;

    // 2. Marked; the spreadsheet look inverts it and sets the weight.
    BOOL bMarked = IsMarkedHeaderCell(nRow, nCol, styleIn);
    CGXStyle styleSheet;
    const CGXStyle* pStyle = &styleIn;
    if (bSheet)
    {
        styleSheet = styleIn;
        styleSheet.MergeFont(CGXFont().SetWeight(bMarked ? FW_BOLD : FW_NORMAL), gxOverride);
        pStyle = &styleSheet;
        bMarked = !bMarked;
    }
    const CGXStyle& style = *pStyle;
    CRect rectText = GetCellRect(nRow, nCol, &rect, &style);

    // 3. - 4. Font, background and the style's own frame.
    CFont* pOldFont = m_pGrid->SelectCellFont(pDC, style, pStandardStyle);
    if (m_pGrid->IsBackgroundPending())
        m_pGrid->DrawBrushRect(pDC, rect, style.GetInterior());
    Draw3dFrame(pDC, rect, style);
    CRect rectInner;
    m_pGrid->SubtractBorders(rectInner, rect, style, TRUE);

    // 5. The header look, unless the style asks for a 3-D frame of its own (the standard style
    // holds frame 0, which is none).
    CGXProperties* pProps = pParam != NULL ? pParam->GetProperties() : NULL;
    if (m_pGrid->IsPrinting())
        DrawPrintedLines(pDC, rect, nRow, nCol, style);
    else if ((!style.GetInclude(CGXStyle::ib3dFrame) || style.GetDraw3dFrame() == 0) && pProps != NULL &&
             pProps->m_abFlags[CGXProperties::flag3dHeader])
        DrawHeaderLook(pDC, rectInner, bMarked, bSheet);

    // 6. - 8. The text, moved by one pixel when pushed.
    if (bMarked)
        rectText.OffsetRect(1, 1);
    DrawHeaderText(pDC, rect, rectText, nRow, nCol, style);

    // 9.
    CGXControl::Draw(pDC, rect, nRow, nCol, style, pStandardStyle);
    if (pOldFont != NULL)
        pDC->SelectObject(pOldFont);
}

void CGXHeader::DrawHeaderLook(CDC* pDC, const CRect& r, BOOL bMarked, BOOL bSheet)
{
    COLORREF crShadow = bSheet ? rgbGrey : rgbBlack;
    if (bMarked)
    {
        Line(pDC, r.left, r.bottom - 1, r.Width() - 1, 1, crShadow);
        Line(pDC, r.right - 1, r.top, 1, r.Height(), crShadow);
        if (bSheet)
            Line(pDC, r.left, r.top, 1, r.Height() - 1, rgbWhite);
        return;
    }
    GXGetDrawingAndFormatting()->Draw3dFrame(pDC, r.left, r.top, r.right, r.bottom, 1,
                                             ::GetSysColor(COLOR_BTNHIGHLIGHT), crShadow);
    if (!bSheet)
        return;
    Line(pDC, r.left, r.top, 1, r.Height() - 1, rgbWhite);
    Line(pDC, r.left, r.bottom - 1, r.Width() - 1, 1, rgbBlack);
    Line(pDC, r.right - 1, r.top, 1, r.Height(), rgbBlack);
    Line(pDC, r.left, r.bottom - 2, r.Width() - 1, 1, crShadow);
    Line(pDC, r.right - 2, r.top + 1, 1, r.Height() - 2, crShadow);
}

void CGXHeader::DrawPrintedLines(CDC* pDC, const CRect& rect, ROWCOL nRow, ROWCOL nCol, const CGXStyle& style)
{
    if (nRow > m_pGrid->GetHeaderRows() && nCol > m_pGrid->GetHeaderCols())
        return;
    auto isNull = [&](int side) {
        return style.HasBorder(side) && style.GetBorder(side).GetStyle() == PS_NULL;
    };
    if (m_pGrid->GetLinesOption(FALSE) && isNull(CGXStyle::sideBottom))
        Line(pDC, rect.left, rect.bottom - 1, rect.Width(), 1, rgbBlack);
    if (m_pGrid->GetLinesOption(TRUE) && isNull(CGXStyle::sideRight))
        Line(pDC, rect.right - 1, rect.top, 1, rect.Height(), rgbBlack);
}

void CGXHeader::DrawHeaderText(CDC* pDC, const CRect& rect, CRect rectText, ROWCOL nRow, ROWCOL nCol,
                               const CGXStyle& style)
{
    CGXGridParam* pParam = m_pGrid->GetParam();
    CGXProperties* pProps = pParam != NULL ? pParam->GetProperties() : NULL;
    BOOL bBlackWhite = m_pGrid->IsPrinting() && pProps != NULL && pProps->GetBlackWhite();
    CString strText;
    FormatValueText(strText, nRow, nCol, NULL, style);
    HANDLE hDIB = strText.IsEmpty() ? NULL : GXGetDIBPool()->GetDIB(strText);
    if (hDIB != NULL)
    {
        GXDrawDIB(pDC, hDIB, rect, 0, GXGetDIBAlignment(style), NULL);
        return;
    }
    if (strText.IsEmpty())
        return;
    UINT nFormat = style.GetHorizontalAlignment() | style.GetVerticalAlignment() | DT_NOPREFIX |
                   (style.GetWrapText() ? DT_WORDBREAK : DT_SINGLELINE);
    COLORREF crOldText = pDC->SetTextColor(bBlackWhite ? rgbBlack : style.GetTextColor());
    int nOldMode = pDC->SetBkMode(TRANSPARENT);
    CRect rectClip = rect;
    CGXDrawingAndFormatting* pDraw = GXGetDrawingAndFormatting();
    const CGXFont* pFont = style.GetInclude(CGXStyle::ibFont) ? style.GetFontPtr() : NULL;
    if (pFont != NULL && pFont->GetIncludeOrientation() && pFont->GetOrientation() != 0)
        pDraw->DrawRotatedText(pDC, strText, strText.GetLength(), rectText.left, rectText.top, rectText.right,
                               rectText.bottom, nFormat, pFont->GetOrientation(), &rectClip);
    else if (style.HasUserAttribute(GX_IDS_UA_ELLIPSISTYPE))
        pDraw->DrawTextWithEllipsis(pDC, strText, strText.GetLength(), rectText.left, rectText.top,
                                    rectText.right, rectText.bottom, nFormat, &rectClip,
                                    (int)style.GetUserAttribute(GX_IDS_UA_ELLIPSISTYPE).GetLongValue());
    else
        pDraw->DrawTextLikeMultiLineEdit(pDC, strText, strText.GetLength(), rectText.left, rectText.top,
                                         rectText.right, rectText.bottom, nFormat, &rectClip);
    pDC->SetBkMode(nOldMode);
    pDC->SetTextColor(crOldText);
}
