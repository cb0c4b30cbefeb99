// The browser's row header marks.
#include "grid/core/BrowseGridArrowRowHeader.h"
#include "grid/core/BrowserGrid.h"
#include "grid/core/DrawingAndFormatting.h"
#include "grid/core/GridParam.h"
#include "grid/core/Properties.h"
#include "GridIds.h"

GX_IMPLEMENT_CONTROL(CGXBrowseGridArrowRowHeader, CGXControl)

CGXBrowseGridArrowRowHeader::CGXBrowseGridArrowRowHeader(CGXBrowserGrid* pGrid)
    : CGXControl(pGrid), m_pBrowser(pGrid)
{
    m_bmEdit.LoadBitmap(GX_IDB_BROWSE_EDIT);
    m_bmAppend.LoadBitmap(GX_IDB_BROWSE_APPEND);
    m_bmCurrent.LoadBitmap(GX_IDB_BROWSE_CURRENT);
}

UINT CGXBrowseGridArrowRowHeader::GetRowMark(ROWCOL nRow)
{
    ROWCOL nCurRow = 0, nCurCol = 0;
    BOOL bCurrent = m_pBrowser->GetCurrentCell(nCurRow, nCurCol) && nCurRow == nRow;
    int nMode = m_pBrowser->GetEditMode();
    BOOL bEditing = nMode != CGXBrowseParam::modeNone;
    ROWCOL nAppend = m_pBrowser->GetAppendRow();
    BOOL bAppend = nAppend != (ROWCOL)-1 &&
                   (nRow == nAppend || (nMode == CGXBrowseParam::modeAppend && nRow == nAppend + 1));
    if (bCurrent && bEditing)
        return GX_IDB_BROWSE_EDIT;
    if (bAppend)
        return GX_IDB_BROWSE_APPEND;
    return bCurrent ? GX_IDB_BROWSE_CURRENT : 0;
}

void CGXBrowseGridArrowRowHeader::Draw(CDC* pDC, CRect rect, ROWCOL nRow, ROWCOL nCol, const CGXStyle& style,
                                       const CGXStyle* pStandardStyle)
{
    if (m_pGrid->IsPrinting())
        return;
    if (m_pGrid->IsBackgroundPending())
        m_pGrid->DrawBrushRect(pDC, rect, style.GetInterior());
    DrawFrame(pDC, rect, style);
    CRect inner = GetCellRect(nRow, nCol, rect, &style);
    CGXGridParam* pParam = m_pGrid->GetParam();
    CGXProperties* pProps = pParam != NULL ? pParam->GetProperties() : NULL;
    BOOL b3dHeaders = pProps == NULL || pProps->m_abFlags[CGXProperties::flag3dHeader];
    if (b3dHeaders && m_b3dFrame)
        Draw3dFrame(pDC, rect, style);
    else if (b3dHeaders)
    {
        CRect frame(inner.left - 1, inner.top - 1, inner.right, inner.bottom);
        GXGetDrawingAndFormatting()->Draw3dFrame(pDC, frame.left, frame.top, frame.right, frame.bottom, 1,
                                                 ::GetSysColor(COLOR_BTNHIGHLIGHT),
                                                 ::GetSysColor(COLOR_BTNSHADOW));
    }
    UINT nMark = GetRowMark(nRow);
    CBitmap* pBitmap = nMark == GX_IDB_BROWSE_EDIT      ? &m_bmEdit
                       : nMark == GX_IDB_BROWSE_APPEND  ? &m_bmAppend
                       : nMark == GX_IDB_BROWSE_CURRENT ? &m_bmCurrent
                                                        : NULL;
    BITMAP bm;
    // Only a mark that fits the cell with a pixel to spare on each side.
    if (pBitmap != NULL && pBitmap->GetSafeHandle() != NULL && pBitmap->GetObject(sizeof(bm), &bm) != 0 &&
        bm.bmWidth + 2 <= rect.Width() && bm.bmHeight + 2 <= rect.Height())
        GXDrawTransparentBitmap(pDC, pBitmap, rect.left + (rect.Width() - bm.bmWidth) / 2,
                                rect.top + (rect.Height() - bm.bmHeight) / 2, RGB(0xC0, 0xC0, 0xC0));
    CGXControl::Draw(pDC, rect, nRow, nCol, style, pStandardStyle);
}
