// Cell size calculation for fitting rows and columns to their contents.
#include "grid/features/CalcSizeImp.h"
#include "grid/core/Control.h"
#include "grid/core/DIBPool.h"
#include "grid/core/DrawingAndFormatting.h"
#include "grid/core/EditControl.h"
#include "grid/core/GridCore.h"
#include <algorithm>

void CGXGridCore::InstallCalcSizeImp()
{
    if (m_pCalcSizeImp != NULL)
        return;
    m_pCalcSizeImp = new CGXCalcSizeImp;
    AddOwnedImp(m_pCalcSizeImp);
}

namespace
{
// The width and height of a packed DIB in global memory.
BOOL GetDIBSize(HANDLE hDIB, CSize& size)
{
    const BITMAPINFOHEADER* pHeader = (const BITMAPINFOHEADER*)::GlobalLock((HGLOBAL)hDIB);
    if (pHeader == NULL)
        return FALSE;
    size = CSize(pHeader->biWidth, std::abs(pHeader->biHeight));
    ::GlobalUnlock((HGLOBAL)hDIB);
    return TRUE;
}

// The widest of the text's own lines (split at CR, LF or CR LF).
int WidestLine(CDC* pDC, CString strText)
{
    int nWidth = 0;
    CString strLine;
    while (!strText.IsEmpty())
    {
        GXTakeFirstLine(strText, strLine);
        if (!strLine.IsEmpty())
            nWidth = std::max(nWidth, (int)pDC->GetTextExtent(strLine).cx);
    }
    return nWidth;
}
} // namespace

CSize CGXCalcSizeImp::CalcSize(CGXControl* pControl, CDC* pDC, ROWCOL nRow, ROWCOL nCol,
                               const CGXStyle& style, const CGXStyle* pStandardStyle, BOOL bVert)
{
    CGXGridCore* pGrid = pControl->m_pGrid;
    CString strText;
    CGXGridParam* pParam = pGrid->GetParam();
    if (pParam != NULL && (pParam->m_wDisplayFlags & 0x02) != 0)
        strText = pGrid->GetStoredValueText(nRow, nCol);
    else
        pControl->FormatValueText(strText, nRow, nCol, NULL, style);

    // A bitmap named by the text, unless the control edits in an edit window.
    if (!pControl->IsWndKindOf(RUNTIME_CLASS(CGXEditControl)) && !strText.IsEmpty())
    {
        HANDLE hDIB = GXGetDIBPool()->GetDIB(strText);
        CSize sizeDIB;
        if (hDIB != NULL && GetDIBSize(hDIB, sizeDIB))
            return pControl->AddBorders(sizeDIB, style);
    }

    // Selects nothing when the font equals the standard style's.
    CFont* pOldFont = pControl->SelectStyleFont(pDC, style, pStandardStyle);

    // The span's area gives the inner rectangle.
    CGXCellRange span(nRow, nCol, nRow, nCol);
    pGrid->GetCellSpanRange(nRow, nCol, span);
    CRect rectSpan(0, 0, pGrid->SumColWidths(span.left, span.right),
                   pGrid->SumRowHeights(span.top, span.bottom));
    CRect rectInner = pControl->GetCellRect(nRow, nCol, &rectSpan, &style);
    int w = rectInner.Width(), h = rectInner.Height();

    UINT nFormat = DT_LEFT | DT_TOP;
    DWORD dwHorz = style.GetHorizontalAlignment(), dwVert = style.GetVerticalAlignment();
    if (dwHorz == DT_CENTER)
        nFormat = DT_CENTER;
    else if (dwHorz == DT_RIGHT)
        nFormat = DT_RIGHT;
    if (dwVert == DT_VCENTER)
        nFormat |= DT_VCENTER;
    else if (dwVert == DT_BOTTOM)
        nFormat |= DT_BOTTOM;

    TEXTMETRIC tm;
    pDC->GetTextMetrics(&tm);
    CSize size(w, h);
    if (strText.IsEmpty())
        size = CSize(tm.tmMaxCharWidth, tm.tmHeight + tm.tmExternalLeading + 1);
    else
    {
        nFormat |= DT_NOPREFIX | DT_WORDBREAK;
        int l = tm.tmHeight + tm.tmExternalLeading;
        BOOL bWrap = style.GetInclude(CGXStyle::ibWrapText) && style.GetWrapText();
        int anStarts[maxWrappedLines], anLengths[maxWrappedLines];
        int n = 0;
        if (bWrap)
        {
            CRect rectMeasure(0, 0, w, 32767);
            n = GXGetDrawingAndFormatting()->BreakLines(pDC, strText, strText.GetLength(), &rectMeasure,
                                                        nFormat, anStarts, anLengths, maxWrappedLines);
        }
        if (bVert)
            size.cy = bWrap ? n * l + 1 : l + 1;
        else if (!bWrap || h < n * l + 1)
            size.cx = WidestLine(pDC, strText);
        else
        {
            size.cx = 0;
            for (int i = 0; i < n; i++)
                if (anLengths[i] > 0)
                    size.cx = std::max(
                        size.cx, (LONG)pDC->GetTextExtent((LPCTSTR)strText + anStarts[i], anLengths[i]).cx);
        }
    }
    if (pOldFont != NULL)
        pDC->SelectObject(pOldFont);
    return pControl->AddBorders(size, style);
}
