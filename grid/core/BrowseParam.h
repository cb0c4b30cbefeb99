// The parameter object of a browser grid: its record options, the maps from screen rows and
// columns to records and fields, and the buffer that holds a record's changes until it is
// written back as a whole.
#pragma once
#include "grid/core/GridParam.h"

// One field's buffered change.
struct CGXBrowseBufferEntry
{
    BOOL m_bChanged = FALSE;
    CString m_strText;
    CObject* m_pObject = NULL; // a value object for non-text fields (owned)
};

class CGXBrowseParam : public CGXGridParam
{
    DECLARE_SERIAL(CGXBrowseParam)

  public:
    enum
    {
        modeNone = 0,
        modeEdit = 1,
        modeAppend = 2
    };

    CGXBrowseParam();
    ~CGXBrowseParam() override;
    void Serialize(CArchive& ar) override;

    // Frees the buffer and makes nFields + 1 empty entries.
    void ResetEditBuffer(int nFields);
    CGXBrowseBufferEntry* GetEntry(int nField);

    // Implementation
    BOOL m_bPasteAsCells = FALSE;     // a paste goes to the grid's cell paste, not the current cell
    BOOL m_bAllowDirectStore = FALSE; // a record cell may be stored outside the buffer
    DWORD m_dwReserved255 = 255;
    BOOL m_bCanAppend = TRUE;
    BOOL m_bRecordChanged = FALSE;
    BOOL m_bUpdateAtOnce = FALSE;
    BOOL m_bBrowserInitialized = FALSE;
    CDWordArray m_awRowIndex; // screen row -> record row (0 or beyond: the same)
    CDWordArray m_awColIndex; // screen column -> field column
    CGXBrowseBufferEntry* m_pEditBuffer = NULL;
    int m_nBufferEntries = 0;
    WORD m_nFieldCount = 0;
    int m_nEditMode = modeNone;
    ROWCOL m_nEditRow = 0;
    CObject* m_pOwned = NULL;
    BOOL m_bShowAppendRow = TRUE;
    long m_nLastRecordSeen = -1;
    long m_nReserved = -1;
    long m_nMaxRecords = 0x7FFFFFFF;
    CObject* m_pSerialized = NULL; // owned, archived from schema 2 on

    enum
    {
        schema = 2
    };
};
