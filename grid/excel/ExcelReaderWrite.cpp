// Writing workbooks: the file and its stream, the record order and the fixed records.
#include "ExcelReaderImpl.h"
#include "ExMapHolder.h"
#include "ExcelLogger.h"
#include "ExcelMemoryStream.h"
#include "ExcelBoundSheetTable.h"
#include "ExcelColorTable.h"
#include "ExcelReportError.h"
#include "GridIds.h"
#include "grid/excel/ExcelDocAdapter.h"
#include "grid/excel/GridDocument.h"
#include "mfc/Document.h"
#include "mfc/WinApp.h"
#include <string.h>
#include <vector>

namespace
{
const GXExcelRecordOrder kGlobalsOrder[] = {
    {0x0809, 1, 0}, // BOF
    {0x003D, 1, 0}, // WINDOW1
    {0x0092, 0, 0}, // PALETTE: seeds the colour indexes
    {0x0031, 0, 0}, // FONT
    {0x00E0, 0, 0}, // XF
    {0x0293, 0, 0}, // STYLE
    {0x0092, 0, 1}, // PALETTE: the record
    {0x0085, 0, 0}, // BOUNDSHEET: room for the sheet directory
    {0x000A, 1, 0}, // EOF
    {GX_EXCEL_ORDER_END, 1, 0},
};

const GXExcelRecordOrder kSheetOrder[] = {
    {0x0809, 1, 0}, // BOF
    {0x0085, 0, 5}, // BOUNDSHEET: this sheet's BOF position
    {0x007D, 1, 0}, // COLINFO
    {0x0200, 1, 0}, // DIMENSIONS
    {0x0208, 1, 0}, // ROW
    {0x027E, 1, 0}, // RK and the other cell records
    {0x023E, 1, 0}, // WINDOW2
    {0x00E5, 1, 0}, // MERGEDCELLS
    {0x000A, 1, 0}, // EOF
    {GX_EXCEL_ORDER_END, 1, 0},
};

// Records written from fixed bytes when no handler or table has their type.
struct FixedRecord
{
    DWORD nType;
    const char* pszHex;
};

const FixedRecord kFixedRecords[] = {
    {0x000A, "0A000000"},
    // WINDOW1: at 0/105 twips, 13215 x 7005, both scroll bars and the sheet tabs, tab ratio 600.
    {0x003D, "3d001200000069009f335d1b38000000000001005802"},
};

int HexDigit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// Shows the system's text for the last error, as a failing storage call leaves it.
void ShowLastError()
{
    LPSTR pszMessage = NULL;
    ::FormatMessageA(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM, NULL, ::GetLastError(),
                     MAKELANGID(LANG_NEUTRAL, SUBLANG_DEFAULT), (LPSTR)&pszMessage, 0, NULL);
    AfxShowMessage(NULL, pszMessage != NULL ? pszMessage : "", "Error", MB_ICONINFORMATION);
    if (pszMessage != NULL)
        ::LocalFree(pszMessage);
}

void LogWritten(CGXExcelLogger* pLog, DWORD nType)
{
    if (pLog != NULL && pLog->IsOpen())
    {
        pLog->LogText(_T("Type Written: "));
        pLog->LogHex(nType, TRUE);
    }
}
} // namespace

const GXExcelRecordOrder* CGXExcelReaderImpl::GetGlobalsRecordOrder()
{
    return kGlobalsOrder;
}

const GXExcelRecordOrder* CGXExcelReaderImpl::GetSheetRecordOrder()
{
    return kSheetOrder;
}

BOOL CGXExcelReaderImpl::WriteFixedRecord(DWORD nType, IStream* pStream, DWORD* pCounter)
{
    for (const FixedRecord& r : kFixedRecords)
    {
        if (r.nType != nType)
            continue;
        std::vector<BYTE> bytes;
        for (const char* p = r.pszHex; p[0] != 0 && p[1] != 0; p += 2)
        {
            int nHigh = HexDigit(p[0]), nLow = HexDigit(p[1]);
            if (nHigh < 0 || nLow < 0)
                return FALSE;
            bytes.push_back((BYTE)(nHigh * 16 + nLow));
        }
        GXExWriteBytes(pStream, bytes.data(), (ULONG)bytes.size(), pCounter);
        return TRUE;
    }
    return FALSE;
}

void CGXExcelReaderImpl::NotifyHandlerWrite(DWORD, CGXExcelHandler*, DWORD, DWORD, DWORD, DWORD)
{
}

void CGXExcelReaderImpl::NotifyTableWrite(DWORD nType, CGXExcelTable* pTable, DWORD nPhase, DWORD nParam,
                                          DWORD nCounter, DWORD nSheet)
{
    ASSERT(nPhase <= 1);
    if (nType == GX_EXCEL_BOUNDSHEET)
    {
        CGXExcelBoundSheetTable* pSheets = dynamic_cast<CGXExcelBoundSheetTable*>(pTable);
        if (pSheets == NULL)
            return;
        if (nParam == 0)
        {
            // The first pass only makes room for the directory; the final one fills it in.
            pSheets->SetSizingPass(nPhase == 0);
            if (nPhase == 0)
                pSheets->SetDirectoryPosition(nCounter);
        }
        else if (nParam == 5 && nPhase == 0)
            pSheets->SetBOFPosition(nSheet, nCounter);
    }
    else if (nType == GX_EXCEL_PALETTE && nPhase == 0)
    {
        // First the colour indexes of the default palette, then the record.
        if (CGXExcelColorTable* pColors = dynamic_cast<CGXExcelColorTable*>(pTable))
            pColors->SetWriteMode(nParam == 0 ? 1 : 2);
    }
}

CString CGXExcelReaderImpl::GetBackupName(LPCTSTR pszPath)
{
    CString strPath(pszPath);
    int nSlash = strPath.ReverseFind('\\');
    int nSlash2 = strPath.ReverseFind('/');
    if (nSlash2 > nSlash)
        nSlash = nSlash2;
    int nDot = strPath.ReverseFind('.');
    CString strBackup = (nDot > nSlash ? strPath.Left(nDot) : strPath) + _T(".bak");
    // "x.bak" itself gets a backup beside it, never over it.
    if (strBackup.CompareNoCase(strPath) == 0)
        strBackup = strPath + _T(".bak");
    return strBackup;
}

BOOL CGXExcelReaderImpl::CreateWorkbookFile(LPCTSTR pszPath, IStorage** ppStorage, IStream** ppStream,
                                            BOOL* pbCreated)
{
    OpenLogs();
    std::wstring strWide = WidePath(pszPath);
    *ppStorage = NULL;
    *ppStream = NULL;
    if (pbCreated != NULL)
        *pbCreated = FALSE;
    HRESULT hrKind = ::StgIsStorageFile(strWide.c_str());
    if (hrKind == S_FALSE && ::GetFileAttributesA(pszPath) != INVALID_FILE_ATTRIBUTES)
    {
        // A file that is no workbook is kept as a backup before the workbook replaces it.
        if (!::CopyFileA(pszPath, GetBackupName(pszPath), FALSE))
        {
            CString strQuestion;
            if (!strQuestion.LoadString(GX_IDS_EXCEL_NOBACKUP))
                strQuestion = _T("Unable to create back up copy. Do you want to continue?");
            CWnd* pMain = AfxGetMainWnd();
            if (AfxShowMessage(pMain != NULL ? pMain->GetSafeHwnd() : NULL, strQuestion,
                               AfxGetMessageBoxCaption(), MB_YESNO | MB_ICONQUESTION) != IDYES)
                throw gxExcelErrUserCancel;
        }
        ::DeleteFileA(pszPath);
    }
    if (hrKind != S_OK)
    {
        if (FAILED(::StgCreateDocfile(strWide.c_str(), GetWriteStorageMode(), 0, ppStorage)))
            throw gxExcelErrCreateFile;
        if (pbCreated != NULL)
            *pbCreated = TRUE;
        if (FAILED((*ppStorage)->CreateStream(L"Workbook", GetWriteStreamMode(), 0, 0, ppStream)))
        {
            (*ppStorage)->Release();
            *ppStorage = NULL;
            ::DeleteFileW(strWide.c_str());
            throw gxExcelErrCreateStream;
        }
        return TRUE;
    }
    if (FAILED(::StgOpenStorage(strWide.c_str(), NULL, GetWriteStorageMode() | STGM_TRANSACTED, NULL, 0,
                                ppStorage)))
        throw gxExcelErrAccessDenied;
    IStorage* pStorage = *ppStorage;
    auto fail = [&](egxExcelRWFlags nCode) {
        pStorage->Release();
        *ppStorage = NULL;
        throw nCode;
    };
    // Opening ignores case; a stream under another spelling is replaced by "Workbook", the name
    // every reader accepts.
    IStream* pOld = NULL;
    if (FAILED(pStorage->OpenStream(L"Workbook", NULL, GetWriteStreamMode(), 0, &pOld)))
        fail(gxExcelErrNotExcel);
    STATSTG stat = {};
    BOOL bExactName = SUCCEEDED(pOld->Stat(&stat, STATFLAG_DEFAULT)) && stat.pwcsName != NULL &&
                      wcscmp(stat.pwcsName, L"Workbook") == 0;
    if (bExactName)
    {
        *ppStream = pOld;
        ::CoTaskMemFree(stat.pwcsName);
        return TRUE;
    }
    pOld->Release();
    HRESULT hr = stat.pwcsName != NULL ? pStorage->DestroyElement(stat.pwcsName) : E_FAIL;
    ::CoTaskMemFree(stat.pwcsName);
    if (FAILED(hr) || FAILED(pStorage->CreateStream(L"Workbook", GetWriteStreamMode(), 0, 0, ppStream)))
        fail(gxExcelErrCreateStream);
    return TRUE;
}

BOOL CGXExcelReaderImpl::WriteFile(const CString& strPath, CGXExcelDocAdapter* pAdapter)
{
    IStorage* pStorage = NULL;
    IStream* pFileStream = NULL;
    BOOL bCreated = FALSE;
    try
    {
        CreateWorkbookFile(strPath, &pStorage, &pFileStream, &bCreated);
    }
    catch (egxExcelRWFlags nCode)
    {
        CloseLogs();
        GXExcelReportError(nCode);
        return FALSE;
    }
    // The records go to memory first: the file changes only when all of them were made.
    CGXExcelMemoryStream* pMemory = new CGXExcelMemoryStream;
    BOOL bWritten = FALSE;
    try
    {
        WriteWorkbook(pMemory, pAdapter, (DWORD)-1);
        bWritten = TRUE;
    }
    catch (egxExcelRWFlags nCode)
    {
        GXExcelReportError(nCode);
    }
    catch (READSEEKEXCEP* pEx)
    {
        delete pEx;
        GXExcelReportError(gxExcelErrRead);
    }
    catch (CException* pEx)
    {
        pEx->Delete();
        ShowLastError();
    }
    catch (...)
    {
        ShowLastError();
    }
    if (!bWritten)
    {
        CloseLogs();
        if (CGXExcelTableMap* pTables = GXExGetTableMap())
            pTables->ResetAll();
    }
    if (bWritten && (FAILED(pMemory->Save(pFileStream)) || FAILED(pStorage->Commit(STGC_DEFAULT))))
    {
        ShowLastError();
        bWritten = FALSE;
    }
    if (!bWritten)
        pStorage->Revert();
    pMemory->Release();
    pFileStream->Release();
    pStorage->Release();
    if (!bWritten && bCreated)
        ::DeleteFileA(strPath);
    if (bWritten)
        if (CDocument* pDoc = pAdapter->GetDocument())
            pDoc->SetModifiedFlag(FALSE);
    return bWritten;
}

BOOL CGXExcelReaderImpl::WriteToArchive(CArchive& ar, CGXExcelDocAdapter* pAdapter)
{
    CString strPath = GXGetArchivePath(ar);
    if (strPath.IsEmpty())
    {
        GXExcelReportError(gxExcelErrRead);
        return FALSE;
    }
    return WriteFile(strPath, pAdapter);
}

void CGXExcelReaderImpl::WriteOrderList(const GXExcelRecordOrder* pOrder, IStream* pStream,
                                        CGXExcelDocAdapter* pAdapter, CGXGridParam** ppParams, DWORD nSheets,
                                        DWORD nSheet, DWORD* pCounter)
{
    const BOOL bGlobals = nSheet == (DWORD)-1;
    CGXExcelHandlerMap* pHandlers = GXExGetHandlerMap();
    CGXExcelTableMap* pTables = GXExGetTableMap();
    CGXGridCore* pGrid = pAdapter->GetGrid(bGlobals ? 0 : nSheet);
    if (pTables != NULL)
        pTables->SetContext(pGrid);
    const DWORD nSheetStart = *pCounter; // where this sheet's BOF begins
    for (const GXExcelRecordOrder* p = pOrder; p->nType != GX_EXCEL_ORDER_END; p++)
    {
        const WORD nType = (WORD)p->nType;
        if (p->nKind == 0)
        {
            CGXExcelTable* pTable = pTables != NULL ? pTables->Lookup(nType) : NULL;
            if (pTable == NULL)
            {
                WriteFixedRecord(nType, pStream, pCounter);
                continue;
            }
            if (bGlobals)
            {
                NotifyTableWrite(nType, pTable, 0, p->nParam, *pCounter, 0);
                pTable->WriteRecords(pStream, pCounter, ppParams, nSheets);
                LogWritten(GXExGetTableLog(), nType);
                NotifyTableWrite(nType, pTable, 1, p->nParam, *pCounter, 0);
            }
            else
            {
                NotifyTableWrite(nType, pTable, 0, p->nParam, nSheetStart, nSheet);
                NotifyTableWrite(nType, pTable, 1, p->nParam, nSheetStart, 0);
            }
        }
        else if (p->nKind == 1)
        {
            CGXExcelHandler* pHandler = pHandlers != NULL ? pHandlers->Lookup(nType) : NULL;
            if (pHandler == NULL)
            {
                WriteFixedRecord(nType, pStream, pCounter);
                continue;
            }
            NotifyHandlerWrite(nType, pHandler, 0, p->nParam, *pCounter, bGlobals ? 0 : nSheet);
            CGXExcelHandler::gxexpointer target =
                bGlobals ? CGXExcelHandler::gxexpointer() : CGXExcelHandler::gxexpointer(pGrid);
            pHandler->WriteRecord(pStream, target, pCounter, bGlobals ? 0 : nSheet);
            if (bGlobals)
                LogWritten(GXExGetHandlerLog(), nType);
            NotifyHandlerWrite(nType, pHandler, 1, p->nParam, *pCounter, bGlobals ? 0 : nSheet);
        }
    }
}

void CGXExcelReaderImpl::WriteWorkbook(IStream* pStream, CGXExcelDocAdapter* pAdapter, DWORD nSheets)
{
    if (nSheets == (DWORD)-1)
        nSheets = m_dwSheetCount;
    std::vector<CGXGridParam*> params(nSheets + 1, NULL);
    for (DWORD i = 0; i < nSheets; i++)
        params[i] = pAdapter->GetGridParam(i);
    DWORD nCounter = 0;
    WriteOrderList(GetGlobalsRecordOrder(), pStream, pAdapter, params.data(), nSheets, (DWORD)-1, &nCounter);
    for (DWORD s = 0; s < nSheets; s++)
        WriteOrderList(GetSheetRecordOrder(), pStream, pAdapter, params.data(), nSheets, s, &nCounter);
    // The sheet directory again, now with the sheets' positions.
    CGXExcelTable* pBoundSheets = GXExFindTable(0x0085);
    if (pBoundSheets == NULL)
        throw gxExcelErrNoTable;
    pBoundSheets->WriteRecords(pStream, &nCounter, params.data(), nSheets);
    if (CGXExcelTableMap* pTables = GXExGetTableMap())
        pTables->ResetAll();
    CloseLogs();
}
