#include "ExcelClipboardImp.h"
#include "DataObjectImpl.h"
#include "ExMapHolder.h"
#include "ExcelDimensionHandler.h"
#include "ExcelFieldList.h"
#include "ExcelReaderImpl.h"
#include "ExcelReportError.h"
#include "grid/core/AppData.h"
#include "grid/excel/ExcelClipHandler.h"
#include "grid/excel/ExcelWndDocAdapter.h"
#include "grid/core/GridParam.h"
#include "grid/core/Data.h"
#include "SharedFile.h"

namespace
{
// Holds one COM reference until the end of its scope.
template <class T> struct Held
{
    T* p = NULL;
    Held() = default;
    Held(const Held&) = delete;
    Held& operator=(const Held&) = delete;
    ~Held()
    {
        if (p != NULL)
            p->Release();
    }
};

CGXExcelDimensionHandler* DimensionHandler()
{
    CGXExcelHandlerMap* pHandlers = GXExGetHandlerMap();
    return pHandlers != NULL ? dynamic_cast<CGXExcelDimensionHandler*>(pHandlers->Lookup(GX_EXCEL_DIMENSIONS))
                             : NULL;
}

// The clipboard-mode flag is set while the exchange works; on every way out it is 0 again and
// the used range that the DIMENSIONS handler kept meanwhile is forgotten.
struct ClipboardMode
{
    ClipboardMode()
    {
        GXExSetClipboardMode(1);
    }
    ~ClipboardMode()
    {
        GXExSetClipboardMode(0);
        if (CGXExcelDimensionHandler* pDimensions = DimensionHandler())
            pDimensions->ResetRecord();
    }
    ClipboardMode(const ClipboardMode&) = delete;
    ClipboardMode& operator=(const ClipboardMode&) = delete;
};

// The clipboard that the grid's paste opened, closed while the workbook is read and open again
// for the grid's window whatever the paste answers, so that the grid's own paste still reads it.
struct ClipboardClosed
{
    HWND hWnd;
    BOOL bClosed;
    explicit ClipboardClosed(HWND h) : hWnd(h), bClosed(::CloseClipboard())
    {
    }
    ~ClipboardClosed()
    {
        if (bClosed)
            ::OpenClipboard(hWnd);
    }
    ClipboardClosed(const ClipboardClosed&) = delete;
    ClipboardClosed& operator=(const ClipboardClosed&) = delete;
};

// Undo recording of the scratch grid is off while a workbook is read into it.
struct UndoOff
{
    CGXGridParam* pParam;
    explicit UndoOff(CGXGridParam* p) : pParam(p)
    {
        pParam->SetUndoEnabled(FALSE);
    }
    ~UndoOff()
    {
        pParam->SetUndoEnabled(TRUE);
    }
    UndoOff(const UndoOff&) = delete;
    UndoOff& operator=(const UndoOff&) = delete;
};

// A medium received, released at the end of its scope.
struct Medium
{
    STGMEDIUM m = {};
    Medium() = default;
    Medium(const Medium&) = delete;
    Medium& operator=(const Medium&) = delete;
    ~Medium()
    {
        if (m.tymed != TYMED_NULL)
            ::ReleaseStgMedium(&m);
    }
};

HWND GridHwnd(CGXGridCore* pGrid)
{
    return pGrid->GridWnd() != NULL ? pGrid->GridWnd()->GetSafeHwnd() : NULL;
}

CGXExcelReaderImpl* ReaderOf(CGXExcelWndDocAdapter& adapter)
{
    CGXExcelReaderImpl* pReader = dynamic_cast<CGXExcelReaderImpl*>(adapter.GetReader());
    if (pReader == NULL)
        throw gxExcelErrFatal;
    pReader->SetSheetCount(1);
    adapter.UpdateSheetCount();
    return pReader;
}

// The range as tab-separated text in a block of its own (null when the grid cannot give it).
HGLOBAL TextOf(CGXGridCore* pGrid, const CGXCellRange& range)
{
    CGXRangeList ranges;
    ranges.AddTail(new CGXCellRange(range));
    CSharedFile file(GMEM_MOVEABLE | GMEM_DDESHARE | GMEM_ZEROINIT, 4096);
    if (!pGrid->CGXGridCore::CopyTextToFile(file, ranges))
        return NULL;
    file.Write("", 1); // text on the clipboard ends with a NUL
    return file.Detach();
}
} // namespace

BOOL CGXExcelClipboardImp::CopyToClipboard(CGXExcelClipHandler* pHandler, CGXGridCore* pGrid,
                                           const CGXCellRange& range)
{
    pHandler->ResetScratchGrid();
    CGXGridWnd* pScratch = pHandler->GetScratchGrid();
    if (pScratch == NULL)
        return FALSE;

    // Exactly the range travels: the scratch grid ends up just as large as it.
    CGXRangeList ranges;
    ranges.AddTail(new CGXCellRange(range));
    if (!pGrid->CGXGridCore::CopyRangesToClipboard(ranges))
        return FALSE;
    pScratch->m_nClipboardFlags &= ~(DWORD)CGXExcelClipHandler::clipScratchClear;
    pScratch->SetRowCount(1, GX_UPDATENOW);
    pScratch->SetColCount(1, GX_UPDATENOW);
    pScratch->SetCurrentCell(1, 1, 0x0A);
    pScratch->CGXGridCore::Paste();

    if (::OpenClipboard(GridHwnd(pGrid)))
    {
        ::EmptyClipboard();
        ::CloseClipboard();
    }

    Held<IStorage> storage;
    if (FAILED(::StgCreateDocfile(NULL, STGM_DELETEONRELEASE | STGM_SHARE_EXCLUSIVE | STGM_READWRITE, 0,
                                  &storage.p)))
        throw gxExcelErrCreateFile;
    {
        Held<IStream> stream;
        if (FAILED(
                storage.p->CreateStream(L"Workbook", STGM_SHARE_EXCLUSIVE | STGM_READWRITE, 0, 0, &stream.p)))
            throw gxExcelErrCreateStream;
        CGXExcelWndDocAdapter adapter;
        adapter.m_pGrid = pScratch;
        CGXExcelReaderImpl* pReader = ReaderOf(adapter);
        ClipboardMode mode;
        pReader->WriteWorkbook(stream.p, &adapter, (DWORD)-1);
    }
    if (FAILED(storage.p->Commit(STGC_DEFAULT)))
        return FALSE;

    // The data object takes over the storage reference and the text block.
    CGXDataObjectImpl* pObject = new CGXDataObjectImpl(storage.p, TextOf(pGrid, range));
    storage.p = NULL;
    pObject->AddRef();
    ::OleSetClipboard(pObject);
    pObject->Release();
    ::OleFlushClipboard(); // the clipboard keeps its own copy once the scratch grid is gone
    return TRUE;
}

namespace
{
// The grid's own paste stores cell by cell: its formulas are recalculated once, after the last
// cell, and shown then.
void PasteHeld(CGXGridCore* pGrid)
{
    CGXData* pData = pGrid->GetParam() != NULL ? pGrid->GetParam()->GetData() : NULL;
    if (pData == NULL)
    {
        pGrid->CGXGridCore::Paste();
        return;
    }
    pData->HoldRecalc(TRUE);
    try
    {
        pGrid->CGXGridCore::Paste();
    }
    catch (...)
    {
        pData->HoldRecalc(FALSE);
        throw;
    }
    pData->HoldRecalc(FALSE);
    pGrid->RedrawAll(GX_INVALIDATE, FALSE);
}
} // namespace

BOOL CGXExcelClipboardImp::PasteFromClipboard(CGXExcelClipHandler* pHandler, CGXGridCore* pGrid,
                                              const CGXCellRange&)
{
    UINT nOwnFormat = GXGetAppData()->m_uiStylesClipboardFormat;
    if (!(pGrid->m_nClipboardFlags & CGXExcelClipHandler::clipOwnFormat) ||
        (nOwnFormat != 0 && ::IsClipboardFormatAvailable(nOwnFormat)) || !pHandler->CanPaste())
        return FALSE;
    ClipboardClosed closed(GridHwnd(pGrid));
    if (!closed.bClosed)
        return FALSE; // not called from within the grid's paste

    Held<IDataObject> data;
    if (FAILED(::OleGetClipboard(&data.p)))
        return FALSE;
    FORMATETC format = {(CLIPFORMAT)pHandler->GetFormat(), NULL, DVASPECT_CONTENT, -1, TYMED_ISTORAGE};
    Medium medium;
    if (FAILED(data.p->GetData(&format, &medium.m)) || medium.m.tymed != TYMED_ISTORAGE ||
        medium.m.pstg == NULL)
        return FALSE;
    Held<IStream> stream;
    if (FAILED(medium.m.pstg->OpenStream(L"Workbook", NULL, STGM_SHARE_EXCLUSIVE | STGM_READ, 0, &stream.p)))
        return FALSE;

    ClipboardMode mode;
    try
    {
        CGXGridWnd* pScratch = pHandler->GetScratchGrid();
        if (pScratch == NULL)
            return FALSE;
        pScratch->SetRowCount(65535, GX_UPDATENOW);
        pScratch->SetColCount(257, GX_UPDATENOW);
        CGXExcelWndDocAdapter adapter;
        adapter.m_pGrid = pScratch;
        CGXGridParam* pParam = pScratch->GetParam();
        if (pParam == NULL)
            return FALSE;
        {
            UndoOff undoOff(pParam);
            ReaderOf(adapter)->ReadStream(stream.p, &adapter);
        }

        // The used range that the workbook announces, in grid rows and columns.
        CGXExcelDimensionHandler* pDimensions = DimensionHandler();
        if (pDimensions == NULL || pDimensions->m_nRowEnd <= pDimensions->m_nFirstRow ||
            pDimensions->m_nColEnd <= pDimensions->m_nFirstCol)
            return FALSE;
        CGXRangeList used;
        used.AddTail(new CGXCellRange(pDimensions->m_nFirstRow + 1, pDimensions->m_nFirstCol + 1,
                                      pDimensions->m_nRowEnd, pDimensions->m_nColEnd));
        pScratch->CGXGridCore::CopyRangesToClipboard(used);
        PasteHeld(pGrid);
    }
    catch (egxExcelRWFlags nCode)
    {
        GXExcelReportError(nCode);
        return FALSE;
    }
    catch (READSEEKEXCEP* pEx)
    {
        // A record that could not be read whole.
        GXExCatchReadSeek(pEx);
        GXExcelReportError(gxExcelErrRead);
        return FALSE;
    }
    pHandler->ResetScratchGrid();
    return TRUE;
}

void CGXExcelClipboardImp::EnableFormulas(CGXGridCore* pGrid)
{
    pGrid->EnableFormulaEngine();
}

void AFXAPI GXInstallExcelClipboardImp()
{
    CGXAppData* pAppData = GXGetAppData();
    if (pAppData->m_pExcelClipboardImp != NULL)
        return;
    pAppData->m_pExcelClipboardImp = new CGXExcelClipboardImp;
    pAppData->AddComponent(pAppData->m_pExcelClipboardImp);
}
