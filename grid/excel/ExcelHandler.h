// CGXExcelHandler, the base of the record handlers of workbook cell and sheet records, with the
// target a handler applies its record to, the error codes of workbook reading and writing and
// the state that all handlers share while one workbook is read or written.
#pragma once
#include "mfc/Object.h"
#include "ExcelFieldList.h"

class CGXGridCore;
class CGXExcelLogger;

// Error codes of the workbook reader and writer, thrown by value.
enum egxExcelRWFlags
{
    gxExcelErrUnknown = 1,
    gxExcelErrUserCancel = 2,
    gxExcelErrAccessDenied = 3,
    gxExcelErrNotExcel = 4,
    gxExcelErrCreateFile = 5,
    gxExcelErrCreateStream = 6,
    gxExcelErrNoTable = 7,
    gxExcelErrNoData = 8,
    gxExcelErrWrite = 9,
    gxExcelErrNoGrid = 10,
    gxExcelErrNoParam = 11,
    gxExcelErrNoProperties = 12,
    gxExcelErrNoStylesMap = 13,
    gxExcelErrReadUnknown = 14,
    gxExcelErrBadTarget = 15,
    gxExcelErrRead = 16,
    gxExcelErrWriteUnknown = 17,
    gxExcelErrBadData = 18,
    gxExcelErrFatal = 19,
    gxExcelErrEndOfTable = 20,
    gxExcelErrNoStream = 21
};

// Process-wide state of one workbook read or write.
// Body bytes the field reads of the current record consumed.
DWORD GXExGetReadCount();
void GXExSetReadCount(DWORD nCount);
DWORD* GXExGetReadCountPtr();
// The body length of the current record: ReadFieldList refuses fields past it. Unlimited
// (0xFFFFFFFF) until set.
DWORD GXExGetReadLimit();
void GXExSetReadLimit(DWORD nLimit);
// 1 while a BIFF8 clipboard copy or paste runs.
DWORD GXExGetClipboardMode();
void GXExSetClipboardMode(DWORD nMode);
// The handler log ("Handler.log") and the table log ("Table.log"), with their switches.
CGXExcelLogger* GXExGetHandlerLog();
void GXExSetHandlerLog(CGXExcelLogger* pLog, BOOL bOn = TRUE);
BOOL GXExIsHandlerLogOn();
CGXExcelLogger* GXExGetTableLog();
void GXExSetTableLog(CGXExcelLogger* pLog, BOOL bOn = TRUE);
BOOL GXExIsTableLogOn();
// Writes to a log when it exists and is switched on.
void GXExLogTo(CGXExcelLogger* pLog, BOOL bOn, LPCTSTR pszText);
void GXExLogFormatTo(CGXExcelLogger* pLog, BOOL bOn, LPCTSTR pszFormat, DWORD nValue);

// Little-endian numbers into a record buffer.
inline void GXExPutWord(BYTE* p, WORD w)
{
    p[0] = (BYTE)(w & 0xFF);
    p[1] = (BYTE)(w >> 8);
}
inline void GXExPutDWord(BYTE* p, DWORD d)
{
    GXExPutWord(p, (WORD)(d & 0xFFFF));
    GXExPutWord(p + 2, (WORD)(d >> 16));
}

// Writes bytes to the stream and adds what the stream reports written to *pTotal; throws
// gxExcelErrWrite when the stream refuses.
void GXExWriteBytes(IStream* pStream, const void* pData, ULONG nBytes, DWORD* pTotal);

class CGXExcelHandler : public CObject
{
    DECLARE_DYNAMIC(CGXExcelHandler)

  public:
    // What a handler call applies to: kind 1 a grid; 2-4 further kinds nothing here handles;
    // 0 nothing (the workbook globals).
    struct gxexpointer
    {
        DWORD m_nKind;
        void* m_pTarget;

        gxexpointer() : m_nKind(0), m_pTarget(NULL)
        {
        }
        explicit gxexpointer(CGXGridCore* pGrid) : m_nKind(1), m_pTarget(pGrid)
        {
        }
        gxexpointer(DWORD nKind, void* pTarget) : m_nKind(nKind), m_pTarget(pTarget)
        {
        }
        gxexpointer(const gxexpointer&) = default;
        gxexpointer& operator=(const gxexpointer&) = default;
        virtual ~gxexpointer() = default;
    };

    // Construction
    CGXExcelHandler() = default;

    // Attributes
    // Bytes consumed of the current record and its body length (stored by the reader).
    void SetBytesRead(DWORD n)
    {
        m_nBytesRead = n;
    }
    DWORD GetBytesRead() const
    {
        return m_nBytesRead;
    }
    void SetRecordLength(DWORD n)
    {
        m_nRecordLength = n;
    }
    DWORD GetRecordLength() const
    {
        return m_nRecordLength;
    }

    // Overridables
    // nLength is the body length plus the 4 header bytes. A handler reads its fields, then
    // calls this, which dispatches to the target and resets the fields.
    virtual BOOL ReadRecord(IStream* pStream, gxexpointer target, DWORD nLength);
    // Writes the handler's records for the target; the sheet ordinal selects the sheet's XF
    // array. The base writes nothing.
    virtual BOOL WriteRecord(IStream* pStream, gxexpointer target, DWORD* pTotal, DWORD nSheet);
    virtual void LogText(LPCTSTR pszText);
    virtual void LogFormat1(LPCTSTR pszFormat, DWORD nValue);
    virtual void LogFormat2(LPCTSTR pszFormat, DWORD nValue);
    virtual void ResetRecord() = 0;
    virtual BOOL DispatchToTarget(gxexpointer target, DWORD nExtra);
    virtual BOOL ApplyToStyle(void* pTarget, DWORD nExtra);
    virtual BOOL ApplyToGrid(CGXGridCore* pGrid, DWORD nExtra);
    virtual BOOL ApplyToTarget3(void* pTarget, DWORD nExtra);
    virtual BOOL ApplyToTarget4(void* pTarget, DWORD nExtra);

  protected:
    DWORD m_nBytesRead = 0;
    DWORD m_nRecordLength = 0;
};

// Resets a handler as the handler map's ResetAll does.
inline void GXExResetMapEntry(CGXExcelHandler* pHandler)
{
    pHandler->ResetRecord();
}
