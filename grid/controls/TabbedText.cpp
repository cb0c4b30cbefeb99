// Tab-separated lines as columns.
#include "grid/controls/TabbedText.h"
#include "grid/controls/TabbedLBoxHeader.h"
#include "grid/core/DIBPool.h"
#include <algorithm>

namespace
{
const int maxFieldLength = 127;

// The fields a line shows: without the leading copy of the shown field, at most the columns.
std::vector<CString> ShownFields(LPCTSTR pszLine, BOOL bSingleColumn, int nKeyCol, int nColCount)
{
    std::vector<CString> fields = GXSplitTabbedLine(pszLine);
    if (!bSingleColumn && nKeyCol > 0 && !fields.empty())
        fields.erase(fields.begin());
    size_t nMax = bSingleColumn ? 1 : (size_t)std::max(1, nColCount);
    if (fields.size() > nMax)
        fields.resize(nMax);
    return fields;
}

HANDLE BitmapOf(const CString& strField)
{
    return strField.IsEmpty() ? NULL : GXGetDIBPool()->GetDIB(strField);
}
} // namespace

std::vector<CString> GXSplitTabbedLine(LPCTSTR pszLine)
{
    std::vector<CString> fields;
    CString strLine = pszLine != NULL ? pszLine : _T("");
    int nStart = 0;
    for (;;)
    {
        int nTab = strLine.Find('\t', nStart);
        CString strField = strLine.Mid(nStart, nTab < 0 ? strLine.GetLength() - nStart : nTab - nStart);
        fields.push_back(strField.Left(maxFieldLength));
        if (nTab < 0)
            break;
        nStart = nTab + 1;
    }
    return fields;
}

CSize GXGetDIBSize(HANDLE hDIB)
{
    if (hDIB == NULL)
        return CSize(0, 0);
    const BITMAPINFOHEADER* p = (const BITMAPINFOHEADER*)::GlobalLock((HGLOBAL)hDIB);
    CSize size(p != NULL ? p->biWidth : 0, p != NULL ? std::abs((int)p->biHeight) : 0);
    ::GlobalUnlock((HGLOBAL)hDIB);
    return size;
}

void AFXAPI MeasureTabbedColumns(CDC* pDC, LPCTSTR pszLine, int nColCount, int* anWidths)
{
    std::vector<CString> fields = GXSplitTabbedLine(pszLine);
    for (int i = 0; i < nColCount && i < (int)fields.size(); i++)
    {
        HANDLE hDIB = BitmapOf(fields[i]);
        int cx = hDIB != NULL ? GXGetDIBSize(hDIB).cx : pDC->GetTextExtent(fields[i]).cx;
        anWidths[i] = std::max(anWidths[i], cx);
    }
}

void AFXAPI DrawTabbedLine(CDC* pDC, const CRect& rect, LPCTSTR pszLine, BOOL bSingleColumn, int nKeyCol,
                           int nColCount, const int* anColEdges, COLORREF rgbSeparator, COLORREF rgbBack,
                           COLORREF rgbText)
{
    std::vector<CString> fields = ShownFields(pszLine, bSingleColumn, nKeyCol, nColCount);
    int nCols = bSingleColumn ? 0 : nColCount;
    CBrush brushBack(rgbBack);
    pDC->FillRect(&rect, &brushBack);
    for (int i = 0; i + 1 < nCols; i++)
    {
        CRect rectLine(rect.left + anColEdges[i] - 2, rect.top, rect.left + anColEdges[i] - 1, rect.bottom);
        pDC->FillSolidRect(&rectLine, rgbSeparator);
    }
    pDC->SetBkColor(rgbBack);
    pDC->SetTextColor(rgbText);
    int nOldMode = pDC->SetBkMode(TRANSPARENT);
    int nLeft = rect.left;
    for (int i = 0; i < (int)fields.size(); i++)
    {
        int nRight = i + 1 < nCols ? rect.left + anColEdges[i] : rect.right;
        if (nRight > nLeft)
        {
            CRect rectCol(nLeft, rect.top, nRight, rect.bottom);
            HANDLE hDIB = BitmapOf(fields[i]);
            if (hDIB != NULL)
                GXDrawDIB(pDC, hDIB, rectCol, 0, 4, NULL);
            else
                pDC->DrawText(fields[i], &rectCol, DT_VCENTER | DT_SINGLELINE);
        }
        nLeft = nRight;
    }
    pDC->SetBkMode(nOldMode);
}

void AFXAPI MaxTabbedBitmapHeight(LPCTSTR pszLine, int& nHeight, BOOL bSingleColumn, int nKeyCol,
                                  int nColCount)
{
    for (const CString& strField : ShownFields(pszLine, bSingleColumn, nKeyCol, nColCount))
    {
        HANDLE hDIB = BitmapOf(strField);
        if (hDIB != NULL)
            nHeight = std::max(nHeight, (int)GXGetDIBSize(hDIB).cy);
    }
}

void AFXAPI DrawTabbedListItem(const DRAWITEMSTRUCT* lpDIS, const CString& strLine,
                               const CGXTabbedHeaderSettings& cols, COLORREF rgbText, COLORREF rgbBack)
{
    CDC* pDC = CDC::FromHandle(lpDIS->hDC);
    CRect rect(lpDIS->rcItem);
    if (lpDIS->itemID != (UINT)-1 && (lpDIS->itemAction & (ODA_DRAWENTIRE | ODA_SELECT)))
    {
        if (lpDIS->itemState & ODS_SELECTED)
        {
            rgbBack = ::GetSysColor(COLOR_HIGHLIGHT);
            rgbText = ::GetSysColor(COLOR_HIGHLIGHTTEXT);
        }
        if (lpDIS->itemState & ODS_COMBOBOXEDIT)
            DrawTabbedLine(pDC, rect, GXSplitTabbedLine(strLine).front(), TRUE, 0, 1, NULL,
                           ::GetSysColor(COLOR_BTNSHADOW), rgbBack, rgbText);
        else
            DrawTabbedLine(pDC, rect, strLine, !cols.m_bShowAllColumns, cols.m_nTextCol,
                           cols.m_nEdgeCount + 1, cols.m_anEdges.data(), ::GetSysColor(COLOR_BTNSHADOW),
                           rgbBack, rgbText);
    }
    if ((lpDIS->itemAction & ODA_FOCUS) ||
        (lpDIS->itemID != (UINT)-1 && (lpDIS->itemAction & ODA_DRAWENTIRE) && (lpDIS->itemState & ODS_FOCUS)))
        pDC->DrawFocusRect(&rect);
}
