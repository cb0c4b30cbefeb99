// Clipboard of the Excel-capable grids: the handler first, the engine's own clipboard after.
#include "grid/excel/ExcelGrid.h"
#include "grid/excel/ExcelClipHandler.h"

namespace
{
// A failing handler reports through the system's last error; the text is taken and dropped
// and the grid goes on as if the handler had declined.
template <class Fn> BOOL TryHandler(Fn fn)
{
    try
    {
        return fn();
    }
    catch (CException* e)
    {
        e->Delete();
    }
    catch (...)
    {
    }
    LPSTR pszMessage = NULL;
    ::FormatMessageA(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM, NULL, ::GetLastError(),
                     MAKELANGID(LANG_NEUTRAL, SUBLANG_DEFAULT), (LPSTR)&pszMessage, 0, NULL);
    if (pszMessage != NULL)
        ::LocalFree(pszMessage);
    return FALSE;
}
} // namespace

CGXGridCore* CGXExcelGrid::GetGridCore()
{
    return dynamic_cast<CGXGridCore*>(this);
}

BOOL CGXExcelGrid::UsesFormulaSheet()
{
    // By class name: the formula sheet lives in the formula library, which builds on this one.
    CGXGridCore* pGrid = GetGridCore();
    for (CRuntimeClass* p = pGrid != NULL ? pGrid->m_pDataClass : NULL; p != NULL; p = p->m_pBaseClass)
        if (strcmp(p->m_lpszClassName, "CGXFormulaSheet") == 0)
            return TRUE;
    return FALSE;
}

BOOL CGXExcelGrid::CopyRangesToClipboard(const CGXRangeList& ranges)
{
    CGXGridCore* pGrid = GetGridCore();
    if (pGrid == NULL)
        return FALSE;
    CGXExcelClipHandler handler(UsesFormulaSheet());
    BOOL bExcel = TryHandler([&] { return handler.CopyToClipboard(pGrid, ranges); });
    BOOL bOwn = pGrid->CGXGridCore::CopyRangesToClipboard(ranges);
    return bExcel || bOwn;
}

BOOL CGXExcelGrid::PasteFromClipboardAt(const CGXCellRange& range)
{
    CGXGridCore* pGrid = GetGridCore();
    if (pGrid == NULL)
        return FALSE;
    CGXExcelClipHandler handler(UsesFormulaSheet());
    if (TryHandler([&] { return handler.CanPaste() && handler.PasteFromClipboard(pGrid, range); }))
        return TRUE;
    return pGrid->CGXGridCore::PasteFromClipboardAt(range);
}

BOOL CGXExcelGrid::CanPasteFromClipboard()
{
    CGXGridCore* pGrid = GetGridCore();
    if (pGrid == NULL)
        return FALSE;
    CGXExcelClipHandler handler(UsesFormulaSheet());
    return TryHandler([&] { return handler.CanPaste(); }) || pGrid->CGXGridCore::CanPasteFromClipboard();
}
