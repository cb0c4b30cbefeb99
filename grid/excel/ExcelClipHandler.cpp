// The "BIFF8" clipboard handler: the scratch grid here, the workbook side in the component.
#include "grid/excel/ExcelClipHandler.h"
#include "grid/core/AppData.h"
#include "grid/core/RangeList.h"

namespace
{
CGXAbstractExcelClipboardImp* ClipboardImp()
{
    return GXGetAppData()->m_pExcelClipboardImp;
}
} // namespace

CGXExcelClipHandler::CGXExcelClipHandler(BOOL bFormulaSheet)
    : m_nFormat(::RegisterClipboardFormatA(GX_EXCEL_CLIPFORMAT)), m_bFormulaSheet(bFormulaSheet)
{
}

CGXExcelClipHandler::~CGXExcelClipHandler()
{
    if (m_wndScratch.GetSafeHwnd() != NULL)
        m_wndScratch.DestroyWindow();
}

BOOL CGXExcelClipHandler::CopyToClipboard(CGXGridCore* pGrid, const CGXRangeList& ranges)
{
    CGXAbstractExcelClipboardImp* pImp = ClipboardImp();
    if (pImp == NULL || pGrid == NULL || ranges.GetCount() != 1)
        return FALSE;
    return pImp->CopyToClipboard(this, pGrid, *ranges.GetHead());
}

BOOL CGXExcelClipHandler::PasteFromClipboard(CGXGridCore* pGrid, const CGXCellRange& range)
{
    CGXAbstractExcelClipboardImp* pImp = ClipboardImp();
    if (pImp == NULL || pGrid == NULL)
        return FALSE;
    return pImp->PasteFromClipboard(this, pGrid, range);
}

BOOL CGXExcelClipHandler::HasFormat()
{
    return m_nFormat != 0;
}

BOOL CGXExcelClipHandler::CanPaste()
{
    return HasFormat() && ::IsClipboardFormatAvailable(m_nFormat);
}

CGXGridWnd* CGXExcelClipHandler::GetScratchGrid()
{
    if (m_wndScratch.GetSafeHwnd() != NULL)
        return &m_wndScratch;
    // Formulas need the formula library, which the component brings.
    CGXAbstractExcelClipboardImp* pImp = ClipboardImp();
    if (pImp == NULL ||
        !m_wndScratch.Create(WS_CHILD, CRect(0, 0, 0, 0), CWnd::FromHandle(::GetDesktopWindow()), 1000))
        return NULL;
    if (m_bFormulaSheet)
        pImp->EnableFormulas(&m_wndScratch);
    m_wndScratch.OnGridInitialUpdate();
    m_wndScratch.ShowWindow(SW_SHOW);
    if (m_bFormulaSheet)
        m_wndScratch.m_nClipboardFlags |= clipFormulas;
    return &m_wndScratch;
}

void CGXExcelClipHandler::ResetScratchGrid()
{
    if (m_wndScratch.GetSafeHwnd() == NULL)
        return;
    m_wndScratch.SetRowCount(0, GX_UPDATENOW);
    m_wndScratch.SetColCount(0, GX_UPDATENOW);
}
