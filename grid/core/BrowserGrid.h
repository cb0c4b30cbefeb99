// The record browser: every row below the headers is a record and every column a field. The
// changes of a record are buffered (edit mode, or append mode on the extra last row) until the
// record is written back as a whole (Update) or dropped (CancelRecord). The data source here is
// the grid's own data object; derived grids override the load and store operations.
#pragma once
#include "grid/core/BrowseParam.h"
#include "grid/core/GridCore.h"

class CGXOleViewer;

class CGXBrowserGrid : public CGXGridCore
{
  public:
    // Construction
    CGXBrowserGrid(CWnd* pGridWnd = NULL, CDocument* pDocument = NULL, BOOL bIsView = FALSE);
    void OnGridInitialUpdate() override;
    CGXBrowseParam* GetBrowseParam() const
    {
        return (CGXBrowseParam*)m_pParam;
    }

    // Overridables
    virtual BOOL CanUpdate();
    virtual BOOL CanAppend();
    virtual long GetRecordCount();
    virtual ROWCOL GetAppendRow();
    virtual ROWCOL CalcRecordRowCount();
    virtual BOOL DeleteSelectedRecords();
    virtual BOOL DeleteRecords(const CDWordArray& awFirst, const CDWordArray& awLast);
    virtual BOOL Requery();
    virtual BOOL IsRecordRow(ROWCOL nRow);
    virtual BOOL Edit(ROWCOL nRow);
    virtual ROWCOL AddNew();
    virtual BOOL Update(CString* pstrError = NULL);
    virtual void CancelRecordAndUndo();
    virtual void CancelRecord();
    virtual ROWCOL GetRecordFromRow(ROWCOL nRow);
    virtual ROWCOL GetFieldFromColIndex(ROWCOL nCol);
    virtual void OnAddedNewRecord();
    virtual void InitBrowserGrid();
    virtual BOOL LoadCellValue(ROWCOL nRow, ROWCOL nCol, CGXStyle& style, const CString* pstrBuffered);
    virtual void StoreCellValue(ROWCOL nRow, ROWCOL nCol, LPCTSTR pszText);
    virtual void StoreCellObject(ROWCOL nRow, ROWCOL nCol, CObject* pObject);
    virtual BOOL StoreRecordFields(ROWCOL nRow, CString* pstrError);
    virtual BOOL OnStoreBufferedValue(const CGXStyle& style, int nField);
    // Chooses the OLE viewer of a cell (viewer id from the cell style); may replace pViewer.
    virtual void OnGetViewer(ROWCOL /*nRow*/, ROWCOL /*nCol*/, DWORD /*dwViewerId*/,
                             CGXOleViewer*& /*pViewer*/)
    {
    }

    // Operations
    ROWCOL GetFirstRecordRow()
    {
        return GetHeaderRows() + 1;
    }
    int GetFieldFromCol(ROWCOL nCol);
    BOOL IsFirstRecordCurrent();
    BOOL IsLastRowCurrent();
    void ResetEditBuffer();
    BOOL AnyFieldChanged();
    int GetEditMode() const
    {
        return GetBrowseParam()->m_nEditMode;
    }

    // Engine operations the browser takes over
    ROWCOL GetRowCount() override;
    BOOL GetStyleRowCol(ROWCOL nRow, ROWCOL nCol, CGXStyle& style, int mode = gxCopy, int nType = 0) override;
    BOOL StoreStyleRowCol(ROWCOL nRow, ROWCOL nCol, const CGXStyle* pStyle, int mode, int nType) override;
    BOOL SetStyleRange(const CGXCellRange& range, const CGXStyle* pStyle, int mode = gxOverride,
                       int nType = 0, const CObArray* pStyleArray = NULL, UINT flags = GX_UPDATENOW,
                       int ctCmd = gxDo) override;
    using CGXGridCore::SetStyleRange;
    BOOL CanLeaveOrEnterCell(BOOL bEnter, ROWCOL nRow, ROWCOL nCol, ROWCOL nOldRow, ROWCOL nOldCol) override;
    void OnModifyCell(ROWCOL nRow, ROWCOL nCol) override;
    BOOL ChangeCurrentCell(ROWCOL nRow, ROWCOL nCol, UINT flags = 0x0A) override;
    BOOL CanChangeSelection(const CGXCellRange* pRange, BOOL bClearAll, BOOL bFlag) override;

    // Structure (BrowserGridMaps.cpp): moves and sorts change only the row and column maps, so a
    // moved column keeps its field; insertion and removal keep the maps in step with the data.
    BOOL StoreMoveRows(ROWCOL nFirst, ROWCOL nLast, ROWCOL nDest, BOOL bForce = FALSE) override;
    BOOL StoreMoveCols(ROWCOL nFirst, ROWCOL nLast, ROWCOL nDest, BOOL bForce = FALSE) override;
    BOOL StoreInsertRows(ROWCOL nRow, ROWCOL nCount, BOOL bForce = FALSE) override;
    BOOL StoreInsertCols(ROWCOL nCol, ROWCOL nCount, BOOL bForce = FALSE) override;
    BOOL StoreRemoveRows(ROWCOL nFirst, ROWCOL nLast, BOOL bForce = FALSE) override;
    BOOL StoreRemoveCols(ROWCOL nFirst, ROWCOL nLast, BOOL bForce = FALSE) override;
    BOOL RemoveRows(ROWCOL nFirst, ROWCOL nLast, UINT flags = GX_UPDATENOW, int ctCmd = gxDo) override;
    BOOL RemoveCols(ROWCOL nFirst, ROWCOL nLast, UINT flags = GX_UPDATENOW, int ctCmd = gxDo) override;
    BOOL ReorderDataRows(const CGXCellRange& range, const CDWordArray& awOrder) override;
    BOOL ReorderDataCols(const CGXCellRange& range, const CDWordArray& awOrder) override;
    // A sort of the whole table sorts the records (the fields), not the appended row.
    void SortRows(CGXCellRange range, CGXSortInfoArray& sortInfo, UINT flags = GX_UPDATENOW) override;
    void SortCols(CGXCellRange range, CGXSortInfoArray& sortInfo, UINT flags = GX_UPDATENOW) override;

    // Commands (BrowserGridCommands.cpp)
    BOOL CanCut() override;
    BOOL Cut() override;
    BOOL CanPaste() override;
    BOOL Paste() override;
    BOOL ClearCells(const CGXRangeList& ranges, BOOL bStyles) override;
    BOOL PasteTextFromBuffer(LPCSTR pszText, DWORD dwSize, const CGXCellRange& range) override;
    BOOL ProcessKeyMessage(CWnd* pFromWnd, UINT message, UINT nKey, UINT nRepeat, UINT flags) override;
    BOOL OnGridKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags) override;
    BOOL Undo() override;
    void ReplaceAll(const CGXFindReplaceSettings& settings) override;

    // Implementation
    BOOL m_bRecordUpdated = FALSE;

  private:
    // Writes a pending record before the structure changes; FALSE refuses the change.
    BOOL WritePendingRecord();
    // Browsing by Tab (and Enter when its action is 4): forward or backward through the records.
    void BrowseCell(BOOL bForward);
    // The clipboard may act on the current cell alone: no selection, or just that cell marked.
    BOOL IsCellSelectionOnly();
    // After a record could not be written: the current field goes back to its control.
    void RollBackCurrentField();
    BOOL InMode() const
    {
        return m_pParam != NULL && GetBrowseParam()->m_nEditMode != CGXBrowseParam::modeNone;
    }
    BOOL IsRecordCell(ROWCOL nRow, ROWCOL nCol);
    void RedrawRowHeader(ROWCOL nRow);
    void OnRecordRowsChanged();
    BOOL m_bInBrowserStore = FALSE;
};
