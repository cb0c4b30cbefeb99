// Printing of a grid: pagination, pages and their header and footer.
#include "grid/features/GridPrintImp.h"
#include "grid/core/DrawingAndFormatting.h"
#include "grid/core/GridCore.h"
#include "grid/core/StylesMap.h"
#include "Document.h"
#include "PrintDialog.h"
#include "PrintInfo.h"
#include "WinApp.h"
#include <algorithm>
#include <string.h>
#include <time.h>

void CGXGridCore::InstallPrintImp()
{
    if (m_pPrintImp == NULL)
    {
        m_pPrintImp = new CGXGridPrintImp;
        AddOwnedImp(m_pPrintImp);
    }
}

namespace
{
const ROWCOL nBlockRows = 10, nBlockCols = 3;
// Header and footer texts keep this far from the sides of the printed area.
const int nBlockInset = 8;

// Rows or columns: both directions are paginated the same way.
struct PrintAxis
{
    BOOL bRows;

    ROWCOL Count(CGXGridCore* pGrid) const
    {
        return bRows ? pGrid->GetRowCount() : pGrid->GetColCount();
    }
    ROWCOL Frozen(CGXGridCore* pGrid) const
    {
        return bRows ? pGrid->GetFrozenRows() : pGrid->GetFrozenCols();
    }
    ROWCOL& PrintFirst(CGXGridCore* pGrid) const
    {
        return bRows ? pGrid->m_nPrintTopRow : pGrid->m_nPrintLeftCol;
    }
    CDWordArray& Starts(CGXGridCore* pGrid) const
    {
        return bRows ? pGrid->m_awPageFirstRow : pGrid->m_awPageFirstCol;
    }
    const CDWordArray& Breaks(const CGXProperties* pProps) const
    {
        return bRows ? pProps->m_awRowBreaks : pProps->m_awColBreaks;
    }
    int Extent(CGXGridCore* pGrid, ROWCOL nFirst, ROWCOL nLast) const
    {
        return bRows ? pGrid->SumRowHeights(nFirst, nLast) : pGrid->SumColWidths(nFirst, nLast);
    }
    // The first row (column) that does not fit on a page starting at nFirst; the count + 1 when
    // all the rest fit.
    ROWCOL FirstNotFitting(CGXGridCore* pGrid, ROWCOL nFirst, const CRect& rect) const
    {
        PrintFirst(pGrid) = nFirst;
        BOOL bPartial = FALSE;
        ROWCOL nLast =
            bRows ? pGrid->CalcLastRowInRect(rect, &bPartial) : pGrid->CalcLastColInRect(rect, &bPartial);
        return bPartial ? nLast : nLast + 1;
    }
    // The width (height) of a page: header and frozen rows (columns) and the page's own.
    int PageExtent(CGXGridCore* pGrid, ROWCOL nFirst, ROWCOL nLast) const
    {
        return Extent(pGrid, 0, Frozen(pGrid)) + Extent(pGrid, nFirst, nLast);
    }
};

// The smallest forced break after n, 0 when there is none.
ROWCOL NextBreak(const CDWordArray& awBreaks, ROWCOL n)
{
    ROWCOL nNext = 0;
    for (INT_PTR i = 0; i < awBreaks.GetSize(); i++)
        if (awBreaks[i] > n && (nNext == 0 || awBreaks[i] < nNext))
            nNext = awBreaks[i];
    return nNext;
}

// Appends the page starts that follow nStart up to nLast, then nLast + 1.
void AddPageStarts(CGXGridCore* pGrid, const PrintAxis& axis, ROWCOL nStart, ROWCOL nLast,
                   const CDWordArray& awBreaks, const CRect& rect)
{
    CDWordArray& awStarts = axis.Starts(pGrid);
    if (awBreaks.GetSize() > 0 && axis.FirstNotFitting(pGrid, nStart, rect) > nLast)
    {
        // Everything fits: only the forced breaks divide.
        for (ROWCOL n = NextBreak(awBreaks, nStart); n != 0 && n <= nLast; n = NextBreak(awBreaks, n))
            awStarts.Add(n);
    }
    else
    {
        for (;;)
        {
            ROWCOL nNext = std::max(axis.FirstNotFitting(pGrid, nStart, rect), nStart + 1);
            ROWCOL nBreak = NextBreak(awBreaks, nStart);
            if (nBreak != 0 && nBreak <= nNext)
                nNext = nBreak;
            nStart = nNext;
            if (nStart > nLast)
                break;
            awStarts.Add(nStart);
        }
    }
    awStarts.Add(nLast + 1);
}

// The page (row or column) holding n; 0 when none does.
ROWCOL PageOf(const CDWordArray& awStarts, ROWCOL n)
{
    for (INT_PTR i = 0; i + 1 < awStarts.GetSize(); i++)
        if (awStarts[i] <= n && n < awStarts[i + 1])
            return (ROWCOL)i;
    return 0;
}

// The printer's page in logical units without the margins.
CRect PrintableRect(CGXGridCore* pGrid, CDC* pDC)
{
    CRect rect(0, 0, pDC->GetDeviceCaps(HORZRES), pDC->GetDeviceCaps(VERTRES));
    pDC->DPtoLP(&rect);
    pGrid->SubtractPrintMargins(pDC, rect);
    return rect;
}

// Printing mode with the standard font and the printer's character metrics; answers the font
// to put back.
CFont* EnterPrinting(CGXGridCore* pGrid, CDC* pDC)
{
    pGrid->SetPrinting(TRUE);
    CFont* pOldFont = pGrid->SelectCellFont(pDC, pGrid->GetDefaultBaseStyle(), NULL);
    pGrid->CalcCharMetrics(pDC, pGrid->m_nPrintCharWidth, pGrid->m_nPrintCharHeight);
    return pOldFont;
}

void LeavePrinting(CGXGridCore* pGrid, CDC* pDC, CFont* pOldFont)
{
    if (pOldFont != NULL)
        pDC->SelectObject(pOldFont);
    pGrid->SetPrinting(FALSE);
}

// Floating cells are evaluated for the printer in pools of their own.
void CreatePrintPools(CGXGridCore* pGrid, CGXGridParam* pParam)
{
    CGXAppData* pAppData = GXGetAppData();
    if (pParam->m_pPrintFloatCellsPool == NULL && pAppData->m_pSpanCellPoolImp != NULL)
        pParam->m_pPrintFloatCellsPool = pAppData->m_pSpanCellPoolImp->CreatePool();
    if (pParam->m_pPrintDelayedFloatCellsPool == NULL && pAppData->m_pDelayedRangePoolImp != NULL)
        pParam->m_pPrintDelayedFloatCellsPool = pAppData->m_pDelayedRangePoolImp->CreatePool();
    if (pGrid->GetFloatingMode() != 0)
    {
        CGXCellRange table(1, 1, pGrid->GetRowCount(), pGrid->GetColCount());
        pGrid->InvalidateFloatedCells(table);
        pGrid->RecalcFloatedCells(table);
    }
}

void DeletePrintPools(CGXGridParam* pParam)
{
    delete pParam->m_pPrintFloatCellsPool;
    pParam->m_pPrintFloatCellsPool = NULL;
    delete pParam->m_pPrintDelayedFloatCellsPool;
    pParam->m_pPrintDelayedFloatCellsPool = NULL;
}

// A frame two units thick around the printed cells, in the grid's line colour.
void DrawPrintFrame(CGXGridCore* pGrid, CDC* pDC, const CRect& rect, BOOL bLinesRightBottom)
{
    int cx = rect.Width(), cy = rect.Height();
    if (bLinesRightBottom)
    {
        cx--;
        cy--;
    }
    pGrid->DrawGridLine(pDC, rect.left - 1, rect.top - 1, cx + 3, 2, 2, 0, 0);
    pGrid->DrawGridLine(pDC, rect.left - 1, rect.top + cy, cx + 3, 2, 2, 0, 0);
    pGrid->DrawGridLine(pDC, rect.left - 1, rect.top - 1, 2, cy + 3, 1, 0, 0);
    pGrid->DrawGridLine(pDC, rect.left + cx, rect.top - 1, 2, cy + 3, 1, 0, 0);
}

const CGXStyle* StandardStyle(CGXStylesMap* pStylesMap)
{
    const CGXStyle* pStyle = NULL;
    if (pStylesMap == NULL ||
        !((const CGXStylesMap*)pStylesMap)->LookupStyle(pStylesMap->m_wStyleStandard, pStyle))
        return NULL;
    return pStyle;
}

// The style of a header or footer cell that holds a text, with the standard style merged in;
// FALSE for a cell without text.
BOOL BlockCellStyle(CGXData& block, ROWCOL nRow, ROWCOL nCol, CGXStylesMap* pStylesMap, CGXStyle& style)
{
    if (!block.GetStyleRowCol(nRow, nCol, style, gxCopy, 0) || !style.GetInclude(CGXStyle::ibValue) ||
        style.GetValue().IsEmpty())
        return FALSE;
    if (const CGXStyle* pStandard = StandardStyle(pStylesMap))
        style.MergeStyle(*pStandard, gxApplyNew);
    return TRUE;
}

// A block cell's font, selected while the object lives.
class CBlockCellFont
{
  public:
    CBlockCellFont(CDC* pDC, const CGXStyle& style) : m_pDC(pDC)
    {
        if (style.GetFontPtr() == NULL)
            return;
        LOGFONT lf = style.GetFontPtr()->GetLogFont();
        if (m_font.CreateFontIndirect(&lf))
            m_pOldFont = pDC->SelectObject(&m_font);
    }
    ~CBlockCellFont()
    {
        if (m_pOldFont != NULL)
            m_pDC->SelectObject(m_pOldFont);
    }
    CBlockCellFont(const CBlockCellFont&) = delete;
    CBlockCellFont& operator=(const CBlockCellFont&) = delete;
    // The height of "X" in the font: one line of the block.
    int LineHeight() const
    {
        return m_pDC->GetTextExtent("X", 1).cy;
    }

  private:
    CDC* m_pDC;
    CFont m_font;
    CFont* m_pOldFont = NULL;
};
} // namespace

CGXGridPrintImp::~CGXGridPrintImp()
{
    GXGetAppData()->DetachObjectEverywhere(this);
}

void CGXGridPrintImp::OnGridBeginPrinting(CGXGridCore* pGrid, CDC* pDC, CPrintInfo* pInfo)
{
    CGXGridParam* pParam = pGrid->GetParam();
    CGXProperties* pProps = pParam != NULL ? pParam->GetProperties() : NULL;
    if (pProps == NULL || pDC == NULL || pInfo == NULL)
        return;

    // 1. - 2.
    pGrid->m_awPageFirstRow.RemoveAll();
    pGrid->m_awPageFirstCol.RemoveAll();
    ROWCOL nTopRow = pGrid->GetTopRow(), nLeftCol = pGrid->GetLeftCol();
    pGrid->SetPrinting(TRUE);
    CreatePrintPools(pGrid, pParam);
    GXGetAppData()->AttachObject(pProps, this);

    // 3. - 4.
    pGrid->OnGridPrepareDC(pDC, pInfo);
    CFont* pOldFont = EnterPrinting(pGrid, pDC);
    CRect rect = PrintableRect(pGrid, pDC);
    pInfo->m_rectDraw = rect;
    pGrid->m_rectPrinting = rect;

    // 5. - 7.
    const PrintAxis axes[2] = {{FALSE}, {TRUE}};
    BOOL bSelection = pInfo->m_pPD != NULL && pInfo->m_pPD->PrintSelection();
    if (bSelection && pParam->m_SelectedRanges.IsEmpty())
    {
        // One page of what the window shows from its top-left cell on.
        m_bRowsToEnd = m_bColsToEnd = FALSE;
        for (const PrintAxis& axis : axes)
        {
            ROWCOL nFirst = axis.bRows ? nTopRow : nLeftCol;
            axis.Starts(pGrid).Add(nFirst);
            axis.Starts(pGrid).Add(std::max(axis.FirstNotFitting(pGrid, nFirst, rect), nFirst + 1));
        }
    }
    else
    {
        ROWCOL nRows = pGrid->GetRowCount(), nCols = pGrid->GetColCount();
        CGXCellRange range(1, 1, nRows, nCols);
        if (bSelection)
        {
            range = *pParam->m_SelectedRanges.GetHead();
            range.ExpandToCells(1, 1, nRows, nCols);
        }
        range.top = std::max(range.top, pGrid->GetFrozenRows() + 1);
        range.left = std::max(range.left, pGrid->GetFrozenCols() + 1);
        range.bottom = std::min(range.bottom, nRows);
        range.right = std::min(range.right, nCols);
        m_bRowsToEnd = range.bottom == nRows;
        m_bColsToEnd = range.right == nCols;
        for (const PrintAxis& axis : axes)
        {
            ROWCOL nFirst = axis.bRows ? range.top : range.left;
            axis.Starts(pGrid).Add(nFirst);
            AddPageStarts(pGrid, axis, nFirst, axis.bRows ? range.bottom : range.right, axis.Breaks(pProps),
                          rect);
        }
    }
    pGrid->m_nPageRow = PageOf(pGrid->m_awPageFirstRow, nTopRow);
    pGrid->m_nPageCol = PageOf(pGrid->m_awPageFirstCol, nLeftCol);

    // 8.
    ROWCOL nPageRows = (ROWCOL)pGrid->m_awPageFirstRow.GetSize() - 1;
    ROWCOL nPageCols = (ROWCOL)pGrid->m_awPageFirstCol.GetSize() - 1;
    UINT nPages = (UINT)std::min<ULONGLONG>((ULONGLONG)nPageRows * nPageCols, 0xFFFF);
    pInfo->SetMaxPage(nPages);
    CString strCount;
    strCount.Format(" / %u", nPages);
    pInfo->m_strPageDesc += strCount;

    // 9.
    if (pInfo->m_bPreview)
        pInfo->m_nCurPage = (pProps->m_abPrintFlags[CGXProperties::printPageOrder] == 0
                                 ? nPageCols * pGrid->m_nPageRow + pGrid->m_nPageCol
                                 : nPageRows * pGrid->m_nPageCol + pGrid->m_nPageRow) +
                            1;

    // 10.
    LeavePrinting(pGrid, pDC, pOldFont);
}

void CGXGridPrintImp::OnGridPrint(CGXGridCore* pGrid, CDC* pDC, CPrintInfo* pInfo)
{
    CGXGridParam* pParam = pGrid->GetParam();
    CGXProperties* pProps = pParam != NULL ? pParam->GetProperties() : NULL;
    CDWordArray& awRows = pGrid->m_awPageFirstRow;
    CDWordArray& awCols = pGrid->m_awPageFirstCol;
    if (pDC == NULL || pInfo == NULL)
        return;
    if (pProps == NULL || awRows.GetSize() < 2 || awCols.GetSize() < 2)
    {
        pInfo->m_bContinuePrinting = FALSE;
        return;
    }

    // 1.
    CFont* pOldFont = EnterPrinting(pGrid, pDC);
    CRect rectPrintable = PrintableRect(pGrid, pDC);
    pInfo->m_rectDraw = rectPrintable;
    pGrid->m_rectPrinting = rectPrintable;

    // 3. A grid that grew since the pagination has further pages (a page's number is mapped
    // below with the pages as they are now).
    const PrintAxis axes[2] = {{FALSE}, {TRUE}};
    for (const PrintAxis& axis : axes)
    {
        CDWordArray& awStarts = axis.Starts(pGrid);
        ROWCOL nCount = axis.Count(pGrid);
        if ((axis.bRows ? m_bRowsToEnd : m_bColsToEnd) && awStarts[awStarts.GetSize() - 1] <= nCount)
        {
            awStarts.RemoveAt(awStarts.GetSize() - 1);
            AddPageStarts(pGrid, axis, awStarts[awStarts.GetSize() - 1], nCount, axis.Breaks(pProps),
                          rectPrintable);
        }
    }

    // 2.
    ROWCOL nPageRows = (ROWCOL)awRows.GetSize() - 1, nPageCols = (ROWCOL)awCols.GetSize() - 1;
    ROWCOL nPage = pInfo->m_nCurPage - 1;
    BOOL bAcross = pProps->m_abPrintFlags[CGXProperties::printPageOrder] == 0;
    ROWCOL nPageRow = bAcross ? nPage / nPageCols : nPage % nPageRows;
    ROWCOL nPageCol = bAcross ? nPage % nPageCols : nPage / nPageRows;
    if (pInfo->m_nCurPage == 0 || nPageRow >= nPageRows || nPageCol >= nPageCols)
    {
        pInfo->m_bContinuePrinting = FALSE;
        LeavePrinting(pGrid, pDC, pOldFont);
        return;
    }
    pGrid->m_nPrintTopRow = awRows[nPageRow];
    pGrid->m_nPrintLeftCol = awCols[nPageCol];

    // 4. - 5. The cells' area: header and frozen rows and columns, then the page's own.
    ROWCOL nLastRow = std::min((ROWCOL)awRows[nPageRow + 1] - 1, pGrid->GetRowCount());
    ROWCOL nLastCol = std::min((ROWCOL)awCols[nPageCol + 1] - 1, pGrid->GetColCount());
    int cx = axes[0].PageExtent(pGrid, pGrid->m_nPrintLeftCol, nLastCol);
    int cy = axes[1].PageExtent(pGrid, pGrid->m_nPrintTopRow, nLastRow);
    CRect rect = rectPrintable;
    if (pProps->m_abPrintFlags[CGXProperties::printCenterHorizontal] && cx < rect.Width())
        rect.left += (rect.Width() - cx) / 2;
    if (pProps->m_abPrintFlags[CGXProperties::printCenterVertical] && cy < rect.Height())
        rect.top += (rect.Height() - cy) / 2;
    rect.right = rect.left + cx;
    rect.bottom = rect.top + cy;
    pGrid->m_rectPrinting = rect;

    // 6. - 8.
    pGrid->PrintHeaderAndFooter(pDC, pInfo);
    if (pProps->m_abPrintFlags[CGXProperties::printFrame])
        DrawPrintFrame(pGrid, pDC, rect, pParam->m_nLinePosition);
    int nSaved = pDC->SaveDC();
    pDC->IntersectClipRect(&rect);
    pGrid->OnGridDraw(pDC);
    pDC->RestoreDC(nSaved);

    // 9.
    pInfo->m_bContinuePrinting = nPageRow + 1 < nPageRows || nPageCol + 1 < nPageCols;
    LeavePrinting(pGrid, pDC, pOldFont);
}

void CGXGridPrintImp::OnGridEndPrinting(CGXGridCore* pGrid, CDC*, CPrintInfo*)
{
    if (pGrid->IsPrinting())
        pGrid->SetPrinting(FALSE);
    // Paints that came while printing were left out.
    pGrid->m_bSuppressedPaint = FALSE;
    if (pGrid->m_pGridWnd != NULL && pGrid->m_pGridWnd->GetSafeHwnd() != NULL)
        pGrid->m_pGridWnd->Invalidate(TRUE);
    if (CGXGridParam* pParam = pGrid->GetParam())
    {
        DeletePrintPools(pParam);
        if (pParam->GetProperties() != NULL)
            GXGetAppData()->DetachObject(pParam->GetProperties(), this);
    }
}

void CGXGridPrintImp::PrintHeaderAndFooter(CGXProperties* pProps, CDC* pDC, CPrintInfo* pInfo,
                                           CDocument* pDoc, CGXGridParam* pParam)
{
    if (pDC == NULL || pInfo == NULL)
        return;
    // 1.
    CStringArray& astrTexts = pProps->m_sFieldTexts;
    if (astrTexts.GetSize() < fieldCount)
        astrTexts.SetSize(fieldCount);
    astrTexts[fieldTitle] = pDoc != NULL ? pDoc->GetTitle() : CString();
    astrTexts[fieldApplication] = AfxGetAppName() != NULL ? AfxGetAppName() : "";
    astrTexts[fieldPageCount].Format("%u", pInfo->GetMaxPage());
    int nPage = (int)pInfo->m_nCurPage;
    if (pProps->m_nFirstPage != -1)
        nPage = nPage - (int)pInfo->GetMinPage() + pProps->m_nFirstPage;
    astrTexts[fieldPage].Format("%d", nPage);
    astrTexts[fieldGridText] = pParam != NULL ? pParam->m_sWindowSetting : CString();

    // 2. - 3.
    CGXStylesMap* pStylesMap = pParam != NULL ? pParam->GetStylesMap() : NULL;
    const CRect& rectDraw = pInfo->m_rectDraw;
    CRect rectHeader(rectDraw.left, pProps->m_anMargins[CGXProperties::distanceHeader], rectDraw.right,
                     rectDraw.top);
    PrintHeaderFooterBlock(pProps, pDC, pInfo, rectHeader, pProps->m_headerFooter[CGXProperties::blockHeader],
                           pStylesMap);
    CPoint ptPageEnd(0, pDC->GetDeviceCaps(VERTRES));
    pDC->DPtoLP(&ptPageEnd);
    CGXData& footer = pProps->m_headerFooter[CGXProperties::blockFooter];
    int nBottom = ptPageEnd.y - pProps->m_anMargins[CGXProperties::distanceFooter];
    int nTop = std::max(nBottom - CalcHeaderFooterBlockHeight(pProps, pDC, footer, pStylesMap),
                        (int)rectDraw.bottom);
    PrintHeaderFooterBlock(pProps, pDC, pInfo, CRect(rectDraw.left, nTop, rectDraw.right, nBottom), footer,
                           pStylesMap);
}

int CGXGridPrintImp::CalcHeaderFooterBlockHeight(CGXProperties*, CDC* pDC, CGXData& block,
                                                 CGXStylesMap* pStylesMap)
{
    int nHeight = 0;
    for (ROWCOL nCol = 1; nCol <= nBlockCols; nCol++)
    {
        int nColumnHeight = 0;
        for (ROWCOL nRow = 1; nRow <= nBlockRows; nRow++)
        {
            CGXStyle style;
            if (BlockCellStyle(block, nRow, nCol, pStylesMap, style))
                nColumnHeight += CBlockCellFont(pDC, style).LineHeight();
        }
        nHeight = std::max(nHeight, nColumnHeight);
    }
    return nHeight;
}

void CGXGridPrintImp::PrintHeaderFooterBlock(CGXProperties* pProps, CDC* pDC, CPrintInfo*, const CRect& rect,
                                             CGXData& block, CGXStylesMap* pStylesMap)
{
    static const UINT anAlign[nBlockCols] = {DT_LEFT, DT_CENTER, DT_RIGHT};
    for (ROWCOL nCol = 1; nCol <= nBlockCols; nCol++)
    {
        int y = rect.top;
        for (ROWCOL nRow = 1; nRow <= nBlockRows; nRow++)
        {
            CGXStyle style;
            if (!BlockCellStyle(block, nRow, nCol, pStylesMap, style))
                continue;
            CBlockCellFont font(pDC, style);
            CString strText = ParseHeaderFooterText(pProps, style.GetValue());
            GXGetDrawingAndFormatting()->DrawTextLikeMultiLineEdit(
                pDC, strText, strText.GetLength(), rect.left + nBlockInset, y, rect.right - nBlockInset,
                rect.bottom, anAlign[nCol - 1] | DT_NOPREFIX | DT_NOCLIP);
            y += font.LineHeight();
        }
    }
}

CString CGXGridPrintImp::ParseHeaderFooterText(CGXProperties* pProps, const CString& strText)
{
    const CStringArray& astrCodes = pProps->m_sTokenArray;
    CString strResult, strRest = strText;
    while (!strRest.IsEmpty())
    {
        int nCode = -1;
        for (INT_PTR i = 0; i < astrCodes.GetSize() && nCode < 0; i++)
        {
            int nLength = astrCodes[i].GetLength();
            if (nLength > 0 && strRest.Left(nLength).CompareNoCase(astrCodes[i]) == 0)
                nCode = (int)i;
        }
        if (nCode < 0)
        {
            strResult += strRest[0];
            strRest = strRest.Mid(1);
            continue;
        }
        strRest = strRest.Mid(astrCodes[nCode].GetLength());
        strResult += GetHeaderFooterFieldText(pProps, nCode, strRest);
    }
    return strResult;
}

CString CGXGridPrintImp::GetHeaderFooterFieldText(CGXProperties* pProps, int nIndex, CString& strRest)
{
    if (nIndex == fieldDate)
    {
        CString strFormat = ParseFieldFormat(strRest);
        return FormatTimeNow(strFormat.IsEmpty() ? "%c" : (LPCTSTR)strFormat);
    }
    if (nIndex < 0 || nIndex >= pProps->m_sFieldTexts.GetSize())
        return CString();
    return pProps->m_sFieldTexts[nIndex];
}

CString CGXGridPrintImp::ParseFieldFormat(CString& strRest)
{
    if (strRest.IsEmpty() || strRest[0] != '{')
        return CString();
    int nEnd = strRest.Find('}');
    if (nEnd < 0)
        return CString();
    CString strFormat = strRest.Mid(1, nEnd - 1);
    strRest = strRest.Mid(nEnd + 1);
    return strFormat;
}

BOOL CGXGridPrintImp::IsDocumentedTimeFormat(LPCTSTR pszFormat)
{
    static const char szConversions[] = "aAbBcdHIjmMpSUwWxXyYzZ%";
    for (const char* p = pszFormat; *p != '\0'; p++)
    {
        if (*p != '%')
            continue;
        if (*++p == '#')
            p++;
        if (*p == '\0' || strchr(szConversions, *p) == NULL)
            return FALSE;
    }
    return TRUE;
}

CString CGXGridPrintImp::FormatTimeNow(LPCTSTR pszFormat)
{
    if (!IsDocumentedTimeFormat(pszFormat))
        return CString();
    time_t now = time(NULL);
    const struct tm* ptm = localtime(&now);
    char szText[256];
    if (ptm == NULL)
        return CString();
    size_t nLength = strftime(szText, sizeof szText, pszFormat, ptm);
    return nLength > 0 ? CString(szText, (int)nLength) : CString();
}
