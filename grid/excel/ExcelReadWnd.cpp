// The Excel-capable grid window.
#include "grid/excel/ExcelReadWnd.h"
#include "grid/excel/ExcelWndDocAdapter.h"
#include "grid/core/StylesMap.h"
#include "GridIds.h"

IMPLEMENT_DYNCREATE(CGXExcelReadWnd, CGXGridWnd)

namespace
{
CMapPtrToWord& SelfDeletingMap()
{
    static CMapPtrToWord s_map(10);
    return s_map;
}
} // namespace

void AFXAPI GXInitExcelSheetSize(CGXGridCore* pGrid)
{
    CGXGridParam* pParam = pGrid->GetParam();
    BOOL bUndo = pParam->IsUndoEnabled();
    pParam->SetUndoEnabled(FALSE);
    pGrid->SetRowCount(CGXExcelReadWnd::sheetRows, GX_UPDATENOW);
    pGrid->SetColCount(CGXExcelReadWnd::sheetCols, GX_UPDATENOW);
    pParam->SetUndoEnabled(bUndo);
}

void AFXAPI GXInitExcelSheetDefaults(CGXGridCore* pGrid)
{
    CGXGridParam* pParam = pGrid->GetParam();
    pParam->SetUndoEnabled(TRUE);
    pParam->m_wFloatCellsMode = 1;
    pGrid->RedrawAll(GX_INVALIDATE, FALSE);
    CGXStyle noWrap;
    noWrap.SetWrapText(FALSE);
    pGrid->ChangeBaseStyle(pParam->GetStylesMap()->GetBaseStyleIdFromResource(GX_IDS_STYLE_STANDARD), noWrap,
                           gxOverride);
}

void CGXExcelReadWnd::InitSheetSize()
{
    GXInitExcelSheetSize(this);
}

void CGXExcelReadWnd::InitSheetDefaults()
{
    GXInitExcelSheetDefaults(this);
}

BOOL CGXExcelReadWnd::SaveExcelFile(LPCTSTR pszPath)
{
    CGXExcelWndDocAdapter adapter;
    adapter.m_pGrid = this;
    return adapter.SaveDocument(pszPath);
}

void CGXExcelReadWnd::RegisterSelfDeleting(CGXExcelReadWnd* pWnd)
{
    SelfDeletingMap().SetAt(pWnd, 1);
}

void CGXExcelReadWnd::PostNcDestroy()
{
    WORD w;
    if (SelfDeletingMap().Lookup(this, w))
    {
        SelfDeletingMap().RemoveKey(this);
        delete this;
        return;
    }
    CGXGridWnd::PostNcDestroy();
}
