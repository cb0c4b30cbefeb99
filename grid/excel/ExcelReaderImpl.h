// CGXExcelReaderImpl: reads Excel 97 workbooks (BIFF8 in the "Workbook" stream of a compound
// file) into the grids an adapter names and writes them as one. It walks the records and hands
// each to the record handler or workbook table of its type; the record bodies are theirs.
#pragma once
#include "grid/excel/ExcelReader.h"
#include "ExcelHandler.h"
#include <objidl.h>
#include <string>

class CGXExcelTable;
class CGXGridParam;
class CGXExcelMemoryStream;
class CGXExcelReadHold;

// One entry of a record order list: what the writer writes, in order.
struct GXExcelRecordOrder
{
    DWORD nType; // GX_EXCEL_ORDER_END ends the list
    DWORD nKind; // 0 a workbook table, 1 a record handler or a fixed record
    DWORD nParam;
};

const DWORD GX_EXCEL_ORDER_END = 0xFFF;

class CGXExcelReaderImpl : public CGXExcelReader
{
  public:
    // Construction
    CGXExcelReaderImpl() = default;
    CGXExcelReaderImpl(const CGXExcelReaderImpl&) = delete;
    CGXExcelReaderImpl& operator=(const CGXExcelReaderImpl&) = delete;

    // Mode bits of a read.
    enum : DWORD
    {
        modeAll = 1,
        modeCountOnly = 2,
        modeSingleSheet = 4
    };

    // Operations
    void ReadFile(const CString& strPath, CGXExcelDocAdapter* pAdapter) override;
    void ReadFromArchive(CArchive& ar, CGXExcelDocAdapter* pAdapter) override;
    BOOL WriteFile(const CString& strPath, CGXExcelDocAdapter* pAdapter) override;
    BOOL WriteToArchive(CArchive& ar, CGXExcelDocAdapter* pAdapter) override;
    DWORD SetMode(DWORD dwMode) override;
    DWORD GetMode() override;
    DWORD GetSheetCount() override;
    void SetSheetCount(DWORD dwCount) override;

    // Overridables
    // Reads the workbook at the path. Raises egxExcelRWFlags 16 or 21; what handlers and tables
    // raise (READSEEKEXCEP among it) passes to the caller after the file is released.
    virtual void ReadWorkbook(LPCTSTR pszPath, CGXExcelDocAdapter* pAdapter);
    // Reads a workbook stream that is already open (the clipboard's), without logs; raises as
    // ReadWorkbook does.
    void ReadStream(IStream* pStream, CGXExcelDocAdapter* pAdapter);
    // Reads the workbook stream held in memory.
    void ReadMemory(CGXExcelMemoryStream* pStream, CGXExcelDocAdapter* pAdapter);
    virtual void CloseLogs();
    virtual void OpenLogs();
    // Writes the record from fixed bytes when the type has them (EOF, WINDOW1).
    virtual BOOL WriteFixedRecord(DWORD nType, IStream* pStream, DWORD* pCounter);
    virtual LPCTSTR GetHandlerLogName();
    virtual LPCTSTR GetTableLogName();
    virtual const GXExcelRecordOrder* GetSheetRecordOrder();
    virtual const GXExcelRecordOrder* GetGlobalsRecordOrder();
    virtual DWORD GetWriteStorageMode();
    virtual DWORD GetWriteStreamMode();
    virtual DWORD GetReadStorageMode();
    virtual DWORD GetReadStreamMode();
    virtual void NotifyHandlerWrite(DWORD nType, CGXExcelHandler* pHandler, DWORD nPhase, DWORD nParam,
                                    DWORD nCounter, DWORD nSheet);
    virtual void NotifyTableWrite(DWORD nType, CGXExcelTable* pTable, DWORD nPhase, DWORD nParam,
                                  DWORD nCounter, DWORD nSheet);
    // Writes every sheet's records; nSheets (DWORD)-1 takes the reader's sheet count.
    virtual void WriteWorkbook(IStream* pStream, CGXExcelDocAdapter* pAdapter, DWORD nSheets);
    // Opens or creates the file and its workbook stream for writing (raising the error codes).
    // *pbCreated tells whether the file is new (removed again when writing fails).
    virtual BOOL CreateWorkbookFile(LPCTSTR pszPath, IStorage** ppStorage, IStream** ppStream,
                                    BOOL* pbCreated = NULL);

    // Implementation
    // The backup name of a file that a workbook replaces: its extension becomes "bak" (".bak"
    // is added where there is none); never the file itself.
    static CString GetBackupName(LPCTSTR pszPath);
    // The path as UTF-16 for the storage calls; raises 16 when it is empty or too long.
    static std::wstring WidePath(LPCTSTR pszPath);

  protected:
    // The record walk of a read; the stream stands at its start. Answers the number of sheets
    // (substreams behind the globals) the stream holds. A count that finds no sheet directory
    // raises 4.
    DWORD WalkStream(CGXExcelMemoryStream* pStream, CGXExcelDocAdapter* pAdapter, CGXExcelReadHold& hold);
    // After a read: the XF-0 style becomes the "Standard" of each sheet read, the sheet names
    // are set.
    void PostProcessSheets(CGXExcelDocAdapter* pAdapter, DWORD nSheetsRead);
    // Writes one order list for the globals (nSheet (DWORD)-1) or a sheet.
    void WriteOrderList(const GXExcelRecordOrder* pOrder, IStream* pStream, CGXExcelDocAdapter* pAdapter,
                        CGXGridParam** ppParams, DWORD nSheets, DWORD nSheet, DWORD* pCounter);

    DWORD m_dwMode = modeAll;
    DWORD m_dwSheetCount = 0;
};
