// Reading workbooks: the file, the record walk and the sheets afterwards.
#include "ExcelReaderImpl.h"
#include "ExMapHolder.h"
#include "ExcelLogger.h"
#include "ExcelMemoryStream.h"
#include "ExcelCompoundFile.h"
#include "ExcelBoundSheetTable.h"
#include "ExcelXFTable.h"
#include "grid/core/GridParam.h"
#include "grid/core/Style.h"
#include "grid/excel/ExcelDocAdapter.h"
#include "grid/core/GridCore.h"
#include "grid/core/Data.h"
#include <memory>
#include <string.h>
#include <vector>

namespace
{
const WORD kBOF = 0x0809;
const WORD kEOF = 0x000A;
const WORD kBoundSheet = 0x0085;
// BOF substream types: a worksheet; the others (charts 0x20, macro sheets 0x40, ...) are passed
// over whole.
const WORD kWorksheet = 0x0010;

WORD WordAt(const BYTE* p)
{
    return (WORD)(p[0] | (p[1] << 8));
}

// Releases a COM object on every way out.
template <class T> struct Releaser
{
    T* p = NULL;
    ~Releaser()
    {
        if (p != NULL)
            p->Release();
    }
};
} // namespace

void CGXExcelReaderImpl::ReadFile(const CString& strPath, CGXExcelDocAdapter* pAdapter)
{
    ReadWorkbook(strPath, pAdapter);
}

void CGXExcelReaderImpl::ReadFromArchive(CArchive& ar, CGXExcelDocAdapter* pAdapter)
{
    CString strPath = GXGetArchivePath(ar);
    if (strPath.IsEmpty())
        throw gxExcelErrRead;
    ReadWorkbook(strPath, pAdapter);
}

DWORD CGXExcelReaderImpl::SetMode(DWORD dwMode)
{
    DWORD dwOld = m_dwMode;
    m_dwMode = dwMode;
    return dwOld;
}

DWORD CGXExcelReaderImpl::GetMode()
{
    return m_dwMode;
}

DWORD CGXExcelReaderImpl::GetSheetCount()
{
    return m_dwSheetCount;
}

void CGXExcelReaderImpl::SetSheetCount(DWORD dwCount)
{
    m_dwSheetCount = dwCount;
}

LPCTSTR CGXExcelReaderImpl::GetHandlerLogName()
{
    return _T("Handler.log");
}

LPCTSTR CGXExcelReaderImpl::GetTableLogName()
{
    return _T("Table.log");
}

DWORD CGXExcelReaderImpl::GetWriteStorageMode()
{
    return STGM_READWRITE | STGM_SHARE_EXCLUSIVE;
}

DWORD CGXExcelReaderImpl::GetWriteStreamMode()
{
    return STGM_READWRITE | STGM_SHARE_EXCLUSIVE;
}

DWORD CGXExcelReaderImpl::GetReadStorageMode()
{
    return STGM_READ | STGM_SHARE_DENY_WRITE;
}

DWORD CGXExcelReaderImpl::GetReadStreamMode()
{
    return STGM_READWRITE | STGM_SHARE_EXCLUSIVE;
}

std::wstring CGXExcelReaderImpl::WidePath(LPCTSTR pszPath)
{
    // The storage calls take at most 255 characters and a terminator.
    WCHAR buffer[256];
    size_t nLength = pszPath != NULL ? strlen(pszPath) : 0;
    int n = nLength > 0 && nLength < 256 ? ::MultiByteToWideChar(CP_ACP, 0, pszPath, -1, buffer, 256) : 0;
    if (n <= 1)
        throw gxExcelErrRead;
    return std::wstring(buffer);
}

void CGXExcelReaderImpl::OpenLogs()
{
    CloseLogs();
    char szTemp[256];
    DWORD n = ::GetTempPathA(sizeof(szTemp) - 1, szTemp);
    CString strDir = n > 0 && n < sizeof(szTemp) - 1 ? CString(szTemp) : CString();
    CGXExcelLogger* pHandlerLog = CGXExcelLogger::GetPool().Take();
    CGXExcelLogger* pTableLog = CGXExcelLogger::GetPool().Take();
    // The handlers' own lines stay off; the reader's lines go to a log that is open.
    GXExSetHandlerLog(pHandlerLog, FALSE);
    GXExSetTableLog(pTableLog, FALSE);
    pHandlerLog->Open(strDir + GetHandlerLogName());
    pTableLog->Open(strDir + GetTableLogName());
}

void CGXExcelReaderImpl::CloseLogs()
{
    for (CGXExcelLogger* pLog : {GXExGetHandlerLog(), GXExGetTableLog()})
    {
        if (pLog == NULL)
            continue;
        if (pLog->IsOpen())
            pLog->Close(); // goes back to the pool
        else
            CGXExcelLogger::GetPool().Give(pLog);
    }
    GXExSetHandlerLog(NULL, FALSE);
    GXExSetTableLog(NULL, FALSE);
}

// Reading is no edit the user could undo, and stores one cell at a time: while the records are
// applied, each grid records no undo and its formulas wait for one recalculation at the end.
class CGXExcelReadHold
{
  public:
    CGXExcelReadHold() = default;
    CGXExcelReadHold(const CGXExcelReadHold&) = delete;
    CGXExcelReadHold& operator=(const CGXExcelReadHold&) = delete;
    ~CGXExcelReadHold()
    {
        Release();
    }
    // Called for every record's grid: cheap when the grid and its data object are the last ones.
    void Add(CGXGridCore* pGrid)
    {
        CGXGridParam* pParam = pGrid != NULL ? pGrid->GetParam() : NULL;
        CGXData* pData = pParam != NULL ? pParam->GetData() : NULL;
        if (pParam == NULL || (pGrid == m_pLastGrid && pData == m_pLastData))
            return;
        m_pLastGrid = pGrid;
        m_pLastData = pData;
        Entry* pEntry = NULL;
        for (Entry& e : m_entries)
            if (e.pGrid == pGrid)
                pEntry = &e;
        if (pEntry == NULL)
        {
            m_entries.push_back(Entry{pGrid, NULL, pParam->IsUndoEnabled()});
            pEntry = &m_entries.back();
            pParam->SetUndoEnabled(FALSE);
        }
        // A FORMULA record may have turned the data object into a formula sheet.
        if (pData != NULL && pEntry->pHeld != pData && pGrid->GetFormulaSheet() != NULL)
        {
            pData->HoldRecalc(TRUE);
            pEntry->pHeld = pData;
        }
    }
    // The cells went straight into the data objects: no style cached before may be drawn.
    void DropCachedStyles()
    {
        for (Entry& e : m_entries)
            e.pGrid->FreeObjectCache();
    }
    void Release()
    {
        for (Entry& e : m_entries)
        {
            CGXGridParam* pParam = e.pGrid->GetParam();
            if (pParam == NULL)
                continue;
            if (e.pHeld != NULL && pParam->GetData() == e.pHeld)
                e.pHeld->HoldRecalc(FALSE);
            pParam->SetUndoEnabled(e.bUndo);
        }
        m_entries.clear();
        m_pLastGrid = NULL;
        m_pLastData = NULL;
    }

  private:
    struct Entry
    {
        CGXGridCore* pGrid;
        CGXData* pHeld; // the data object whose recalculation is held
        BOOL bUndo;
    };
    std::vector<Entry> m_entries;
    CGXGridCore* m_pLastGrid = NULL;
    CGXData* m_pLastData = NULL;
};

namespace
{
// Writes a reader line and the record type to a log that is open.
void LogType(CGXExcelLogger* pLog, LPCTSTR pszText, DWORD nType)
{
    if (pLog != NULL && pLog->IsOpen())
    {
        pLog->LogText(pszText);
        pLog->LogHex(nType, TRUE);
    }
}

// Empties the tables and closes the logs however a read or write ends.
struct ReadCleanup
{
    CGXExcelReaderImpl* pReader;
    ~ReadCleanup()
    {
        pReader->CloseLogs();
        GXExSetReadLimit(0xFFFFFFFF);
        if (CGXExcelTableMap* pTables = GXExGetTableMap())
            pTables->ResetAll();
    }
};
} // namespace

void CGXExcelReaderImpl::ReadWorkbook(LPCTSTR pszPath, CGXExcelDocAdapter* pAdapter)
{
    std::wstring strWide = WidePath(pszPath);
    OpenLogs();
    // The file read whole and its stream found in memory; what that cannot read goes through
    // the platform's storage, which raises the codes.
    {
        CGXExcelCompoundFile compound;
        std::vector<BYTE> bytes;
        if (compound.Open(pszPath) &&
            (compound.ReadStream(L"Workbook", bytes) || compound.ReadStream(L"WorkBook", bytes)))
        {
            Releaser<CGXExcelMemoryStream> memory;
            memory.p = new CGXExcelMemoryStream;
            memory.p->Assign(bytes);
            ReadMemory(memory.p, pAdapter);
            return;
        }
    }
    ReadCleanup cleanup{this};
    Releaser<IStorage> storage;
    if (FAILED(::StgOpenStorage(strWide.c_str(), NULL, GetReadStorageMode(), NULL, 0, &storage.p)))
        throw gxExcelErrRead;
    // Excel names the stream "Workbook"; older writers "WorkBook".
    Releaser<IStream> file;
    if (FAILED(storage.p->OpenStream(L"Workbook", NULL, STGM_READ | STGM_SHARE_EXCLUSIVE, 0, &file.p)) &&
        FAILED(storage.p->OpenStream(L"WorkBook", NULL, STGM_READ | STGM_SHARE_EXCLUSIVE, 0, &file.p)))
        throw gxExcelErrNoStream;
    ReadStream(file.p, pAdapter);
}

void CGXExcelReaderImpl::ReadStream(IStream* pStream, CGXExcelDocAdapter* pAdapter)
{
    Releaser<CGXExcelMemoryStream> memory;
    memory.p = new CGXExcelMemoryStream;
    if (FAILED(memory.p->Load(pStream)))
    {
        ReadCleanup cleanup{this};
        throw gxExcelErrRead;
    }
    ReadMemory(memory.p, pAdapter);
}

void CGXExcelReaderImpl::ReadMemory(CGXExcelMemoryStream* pStream, CGXExcelDocAdapter* pAdapter)
{
    ReadCleanup cleanup{this};
    Releaser<CGXExcelMemoryStream> memory;
    memory.p = pStream;
    pStream->AddRef();
    CGXExcelReadHold hold;
    DWORD nSheets = WalkStream(memory.p, pAdapter, hold);
    hold.DropCachedStyles();
    if (!GXExGetClipboardMode())
        PostProcessSheets(pAdapter, nSheets);
}

DWORD CGXExcelReaderImpl::WalkStream(CGXExcelMemoryStream* pStream, CGXExcelDocAdapter* pAdapter,
                                     CGXExcelReadHold& hold)
{
    const BOOL bCountOnly = (m_dwMode & modeCountOnly) != 0;
    const BOOL bSingleSheet = (m_dwMode & modeSingleSheet) != 0;
    CGXExcelHandlerMap* pHandlers = GXExGetHandlerMap();
    CGXExcelTableMap* pTables = GXExGetTableMap();
    long nPart = -1;        // top-level substream: 0 the globals, s + 1 sheet s
    long nBoundSheets = -1; // BOUNDSHEET records met, -1 for none
    DWORD nEnds = 0;        // top-level EOF records met
    int nDepth = 0;         // substreams open
    int nSkipFrom = 0;      // depth of a substream passed over whole, 0 for none
    const BYTE* pData = pStream->GetData();
    const ULONG nSize = pStream->GetSize();
    for (ULONG nPos = 0; nPos + 4 <= nSize;)
    {
        const WORD nType = WordAt(pData + nPos);
        const WORD nLength = WordAt(pData + nPos + 2);
        const ULONG nNext = nPos + 4 + nLength;
        if (nNext > nSize)
            break; // a record cut off by the end of the stream
        if (nType == kBOF)
        {
            nDepth++;
            WORD nKind = nLength >= 4 ? WordAt(pData + nPos + 6) : 0;
            if (nDepth == 1)
            {
                nPart++;
                if (nPart > 0 && nKind != kWorksheet)
                    nSkipFrom = 1;
                if (nPart > 0 && bCountOnly && !bSingleSheet)
                    pAdapter->PrepareSheet((UINT)(nPart - 1), CGXExcelDocAdapter::noSecondSheet);
            }
            else if (nSkipFrom == 0)
                nSkipFrom = nDepth; // a chart inside a sheet
        }
        if (nType == kBoundSheet && nDepth == 1 && nPart == 0)
            nBoundSheets = nBoundSheets < 0 ? 1 : nBoundSheets + 1;

        BOOL bSkip = nPart < 0 || nDepth == 0 || nSkipFrom != 0 || bCountOnly ||
                     (bSingleSheet && nPart != 0 && (DWORD)nPart != GetSheetIndex() + 1);
        CGXExcelHandler* pHandler = !bSkip && pHandlers != NULL ? pHandlers->Lookup(nType) : NULL;
        CGXExcelTable* pTable = !bSkip && pHandler == NULL && pTables != NULL ? pTables->Lookup(nType) : NULL;
        if (pHandler != NULL || pTable != NULL)
        {
            LARGE_INTEGER body;
            body.QuadPart = nPos + 4;
            pStream->Seek(body, STREAM_SEEK_SET, NULL);
            GXExSetReadCount(0);
            GXExSetReadLimit(nLength);
            if (pHandler != NULL)
            {
                CGXGridCore* pGrid = pAdapter->GetGrid(nPart > 0 ? (UINT)(nPart - 1) : 0);
                hold.Add(pGrid);
                if (pTables != NULL)
                    pTables->SetContext(pGrid);
                pHandler->SetRecordLength(nLength);
                pHandler->SetBytesRead(0);
                pHandler->ReadRecord(pStream, CGXExcelHandler::gxexpointer(pGrid), nLength + 4u);
            }
            else
            {
                pTable->SetRecordLength(nLength);
                pTable->SetBytesRead(0);
                pTable->ReadRecord(pStream, nLength + 4u);
            }
            GXExSetReadLimit(0xFFFFFFFF);
            if (GXExGetReadCount() < nLength)
                LogType(pHandler != NULL ? GXExGetHandlerLog() : GXExGetTableLog(),
                        _T("MG Pro: Correcting unread data offset for:"), nType);
        }
        else
        {
            LogType(GXExGetHandlerLog(), _T("No handler. Ignoring type:"), nType);
            LogType(GXExGetTableLog(), _T("No handler. Ignoring type:"), nType);
        }
        // Whatever a handler read, the next record starts behind this one.
        nPos = nNext;

        if (nType == kEOF && nDepth > 0)
        {
            if (nSkipFrom == nDepth)
                nSkipFrom = 0;
            if (--nDepth == 0)
            {
                nEnds++;
                if (nBoundSheets >= 0 &&
                    (nEnds >= (DWORD)nBoundSheets + 1 || (!bCountOnly && nEnds >= m_dwSheetCount + 1)))
                    break;
            }
        }
    }
    if (bCountOnly)
    {
        // Without a sheet directory there is nothing to read: a stream whose BOUNDSHEET records
        // cannot be reached is no workbook.
        if (nBoundSheets < 0)
        {
            m_dwSheetCount = 0;
            throw gxExcelErrNotExcel;
        }
        m_dwSheetCount = (DWORD)nBoundSheets;
    }
    return nPart > 0 ? (DWORD)nPart : 0;
}

void CGXExcelReaderImpl::PostProcessSheets(CGXExcelDocAdapter* pAdapter, DWORD nSheetsRead)
{
    // XF record 0 is the workbook's default format: it becomes every sheet's "Standard".
    CGXExcelXFTable* pXFTable = dynamic_cast<CGXExcelXFTable*>(GXExFindTable(GX_EXCEL_XF));
    std::unique_ptr<CGXStyle> pStandard(new CGXStyle);
    CGXStyle* pApplied = pStandard.get();
    BOOL bStandard = pXFTable != NULL && pXFTable->ApplyToStyle(0, pApplied) && pApplied == pStandard.get();
    CGXExcelBoundSheetTable* pSheets =
        dynamic_cast<CGXExcelBoundSheetTable*>(GXExFindTable(GX_EXCEL_BOUNDSHEET));
    const BOOL bSingleSheet = (m_dwMode & modeSingleSheet) != 0;
    // Only the sheets the stream holds: a directory may promise more than it has.
    const DWORD nSheets = m_dwSheetCount < nSheetsRead ? m_dwSheetCount : nSheetsRead;
    for (DWORD i = 0; i < nSheets; i++)
    {
        if (bSingleSheet && i != GetSheetIndex())
            continue;
        CGXGridCore* pGrid = pAdapter->GetGrid(i);
        if (pGrid == NULL || pGrid->GetParam() == NULL)
            continue;
        if (bStandard)
            pGrid->ChangeDefaultBaseStyle(*pStandard, gxOverride);
        CString strName;
        CString* pName = &strName;
        if (pSheets != NULL && pSheets->ApplyToStyle(i, pName) && pName == &strName)
        {
            pGrid->SetSheetTabName(strName);
            pGrid->GetParam()->m_sSheetName = strName;
        }
        if (bStandard && pStandard->GetInclude(CGXStyle::ibFormat))
        {
            // Row numbers stay whole numbers whatever the default number format is.
            CGXStyle header;
            header.SetFormat(2).SetPlaces(0);
            pGrid->ChangeRowHeaderBaseStyle(header, gxOverride);
        }
        pGrid->Recalc(TRUE, NULL, TRUE);
    }
}
