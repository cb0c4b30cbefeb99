// The "BIFF8" clipboard handler.
#include "grid/core/ExcelClipHandler.h"
#include "afxwin.h"

CGXExcelClipHandler::CGXExcelClipHandler(BOOL bFormulaSheet)
    : m_bFormulaSheet(bFormulaSheet), m_nFormat(::RegisterClipboardFormatA(GX_EXCEL_CLIPFORMAT))
{
}

BOOL CGXExcelClipHandler::CopyToClipboard(CGXGridCore*, const CGXRangeList&)
{
    return FALSE; // no workbook writer yet: the grid's own formats carry the copy
}

BOOL CGXExcelClipHandler::PasteFromClipboard(CGXGridCore*, const CGXCellRange&)
{
    return FALSE; // no workbook reader yet: the grid's own paste takes over
}

BOOL CGXExcelClipHandler::CanPaste()
{
    return m_nFormat != 0 && ::IsClipboardFormatAvailable(m_nFormat);
}
