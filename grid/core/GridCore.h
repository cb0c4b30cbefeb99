// The grid engine shared by the window form and the view form: binds the parameter object,
// keeps the cell controls, converts rows and columns to pixels, scrolls, stores and composes
// styles, and paints. It has no base class; it reaches its window through m_pGridWnd. The window
// forms hand every window message to one of its virtual operations.
#pragma once
#include "grid/core/AppData.h"
#include "grid/core/Control.h"
#include "grid/core/GridParam.h"
#include "grid/core/MapByte8ToPtr.h"
#include "grid/core/SpanRowCache.h"
#include <functional>
#include <vector>

class CGXDrawingContext;
class CGXLongOperation;
class CGXPluginComponent;
class CGXFormulaSheet;
class CGXSortInfoArray;
struct CGXSortInfoEntry;
class CGXDragLineWnd;
struct CGXGridAxis;

// Scroll directions of the grid (rows for up and down, columns for left and right).
enum
{
    GX_UP = 1,
    GX_LEFT = 2,
    GX_DOWN = 3,
    GX_RIGHT = 4
};

// Update flags of grid changes.
enum
{
    GX_NOREDRAW = 0,
    GX_INVALIDATE = 1,
    GX_UPDATENOW = 2,
    GX_SMART = 4
};

// Hit codes.
enum
{
    GX_NOHIT = 0,
    GX_VERTLINE = 1,
    GX_HORZLINE = 2,
    GX_CELLHIT = 3,
    GX_HEADERHIT = 4,
    GX_SELEDGEHIT = 5,
    GX_FILLHANDLEHIT = 6,
    GX_VERTLINE_PREVCOL = 7,
    GX_HORZLINE_PREVROW = 8
};

// Command types of changes.
enum
{
    gxDo = 0,
    gxRollback = 1,
    gxUndo = 2,
    gxRedo = 3
};

// Scroll-bar modes.
enum
{
    gxnDisabled = 0,
    gxnEnabled = 1,
    gxnAutomatic = 2,
    gxnShared = 4,
    gxnEnhanced = 8
};

class CGXGridCore
{
  public:
    // Construction
    CGXGridCore(CWnd* pGridWnd = NULL, CDocument* pDocument = NULL, BOOL bIsView = FALSE);
    virtual ~CGXGridCore();
    CGXGridCore(const CGXGridCore&) = delete;
    CGXGridCore& operator=(const CGXGridCore&) = delete;

    virtual void OnGridInitialUpdate();
    void AttachParamObject(CGXGridParam* pParam, BOOL bMustDelete);
    CGXGridParam* GetParam() const
    {
        return m_pParam;
    }
    CGXGridParam* GetParam()
    {
        return m_pParam;
    }
    CWnd* GridWnd() const
    {
        return m_pGridWnd;
    }
    BOOL IsInitialized() const
    {
        return m_bInitDone;
    }
    void AddOwnedImp(void* pImp);

    // Cell controls
    virtual CGXControl* GetRegisteredControl(WORD nID);
    void RegisterControl(WORD nID, CGXControl* pControl, BOOL bDefault = FALSE, BOOL bAddToStylesMap = TRUE);
    CGXControl* GetDefaultControl() const
    {
        return m_pDefaultControl;
    }
    CGXControl* GetControl(ROWCOL nRow, ROWCOL nCol);

    // Base styles
    CGXStyle& GetDefaultBaseStyle();
    CGXStyle& GetRowHeaderBaseStyle();
    CGXStyle& GetColHeaderBaseStyle();
    CGXStyle& LookupBaseStyle(WORD nID);

    // Settings
    virtual void SetModifiedFlag(BOOL bModified = TRUE);
    void SetHintsEnabled(BOOL b)
    {
        m_bUpdateDoc = b;
    }
    BOOL IsHintsEnabled() const
    {
        return m_bUpdateDoc && m_pUpdateHintImp != NULL;
    }
    virtual void SetPrinting(BOOL bPrinting, BOOL bClientToPrint = FALSE);
    BOOL IsPrinting() const
    {
        return m_bPrinting;
    }
    CRect GetDrawingRect() const;
    CWnd* GetContainerWnd() const
    {
        return GXGetContainerWnd(m_pGridWnd);
    }
    int SetPaintMode(int nMode);
    BOOL IsLockUpdate() const;
    CString GetStoredValueText(ROWCOL nRow, ROWCOL nCol);
    CString GetComposedValueText(ROWCOL nRow, ROWCOL nCol);

    // Style storage and composition (GridCoreStyles.cpp)
    virtual BOOL SetStyleRange(const CGXCellRange& range, const CGXStyle* pStyle, int mode = gxOverride,
                               int nType = 0, const CObArray* pStyleArray = NULL, UINT flags = GX_UPDATENOW,
                               int ctCmd = gxDo);
    BOOL SetStyleRange(const CGXCellRange& range, const CGXStyle& style, int mode = gxOverride, int nType = 0)
    {
        return SetStyleRange(range, &style, mode, nType);
    }
    BOOL SetValueRange(const CGXCellRange& range, LPCTSTR pszValue, int mode = gxOverride, int nType = 0,
                       UINT flags = GX_UPDATENOW);
    virtual BOOL StoreStyleRowCol(ROWCOL nRow, ROWCOL nCol, const CGXStyle* pStyle, int mode, int nType);
    virtual BOOL GetStyleRowCol(ROWCOL nRow, ROWCOL nCol, CGXStyle& style, int mode = gxCopy, int nType = 0);
    virtual void ComposeStyleRowCol(ROWCOL nRow, ROWCOL nCol, CGXStyle* pStyle, BOOL bApplyStandard = TRUE);
    virtual CObArray* CopyStyleRange(const CGXCellRange& range, int nType, CGXLongOperation* pOp);
    virtual void UpdateStyleRange(const CGXCellRange& range, const CGXStyle* pStyle, int mode, int nType,
                                  UINT flags, BOOL bCreateHint);
    virtual BOOL SetStylesMap(const CGXStylesMap& map, UINT flags = GX_UPDATENOW, int ctCmd = gxDo);
    virtual BOOL SetProperties(const CGXProperties& props, UINT flags = GX_UPDATENOW, int ctCmd = gxDo);
    virtual BOOL ChangeBaseStyle(WORD nBaseStyle, const CGXStyle& style, int mode = gxOverride,
                                 UINT flags = GX_UPDATENOW, int ctCmd = gxDo);
    BOOL ChangeDefaultBaseStyle(const CGXStyle& style, int mode = gxOverride, UINT flags = GX_UPDATENOW);
    BOOL ChangeRowHeaderBaseStyle(const CGXStyle& style, int mode = gxOverride, UINT flags = GX_UPDATENOW);
    virtual void UpdateStylesMap(UINT flags, BOOL bCreateHint);
    virtual void UpdateProperties(UINT flags, BOOL bCreateHint);
    virtual void UpdateBaseStyle(WORD nBaseStyle, UINT flags, BOOL bCreateHint);
    virtual BOOL IsReadOnly();
    BOOL SetReadOnly(BOOL bReadOnly = TRUE);
    virtual BOOL SetReadOnlyEx(BOOL bReadOnly, BOOL bCreateHint);
    // The column header text: bijective base 26 ("A" .. "Z", "AA", ...).
    static CString GetColumnLetters(ROWCOL nCol);

    // Long-operation guarded progress of the engine's loops: TRUE when aborted.
    BOOL CheckLongOperation(CGXLongOperation& op, DWORD nDone, DWORD nAll);

    // Structure (GridCoreStructure.cpp)
    virtual BOOL SetRowCount(ROWCOL nRows, UINT flags = GX_UPDATENOW);
    virtual BOOL SetColCount(ROWCOL nCols, UINT flags = GX_UPDATENOW);
    virtual ROWCOL GetRowCount();
    virtual ROWCOL GetColCount();
    virtual BOOL StoreRowCount(ROWCOL nRows);
    virtual BOOL StoreColCount(ROWCOL nCols);
    virtual void UpdateChangedRowCount(ROWCOL nOldRows, UINT flags, BOOL bCreateHint);
    virtual void UpdateChangedColCount(ROWCOL nOldCols, UINT flags, BOOL bCreateHint);
    virtual BOOL InsertRows(ROWCOL nRow, ROWCOL nCount, int* anHeights = NULL, CObArray* pCellsArray = NULL,
                            CObArray* pRowsArray = NULL, ROWCOL nColCount = 0, UINT flags = GX_UPDATENOW,
                            int ctCmd = gxDo);
    virtual BOOL InsertCols(ROWCOL nCol, ROWCOL nCount, int* anWidths = NULL, CObArray* pCellsArray = NULL,
                            CObArray* pColsArray = NULL, ROWCOL nRowCount = 0, UINT flags = GX_UPDATENOW,
                            int ctCmd = gxDo);
    virtual BOOL RemoveRows(ROWCOL nFirst, ROWCOL nLast, UINT flags = GX_UPDATENOW, int ctCmd = gxDo);
    virtual BOOL RemoveCols(ROWCOL nFirst, ROWCOL nLast, UINT flags = GX_UPDATENOW, int ctCmd = gxDo);
    // Deletes style arrays (entries may be NULL) that no command took.
    static void DeleteObjectArrays(CObArray* pArray1, CObArray* pArray2);
    virtual BOOL StoreInsertRows(ROWCOL nRow, ROWCOL nCount, BOOL bForce = FALSE);
    virtual BOOL StoreInsertCols(ROWCOL nCol, ROWCOL nCount, BOOL bForce = FALSE);
    virtual BOOL StoreRemoveRows(ROWCOL nFirst, ROWCOL nLast, BOOL bForce = FALSE);
    virtual BOOL StoreRemoveCols(ROWCOL nFirst, ROWCOL nLast, BOOL bForce = FALSE);
    virtual void UpdateInsertRows(ROWCOL nRow, ROWCOL nCount, UINT flags, BOOL bCreateHint);
    virtual void UpdateInsertCols(ROWCOL nCol, ROWCOL nCount, UINT flags, BOOL bCreateHint);
    virtual void UpdateRemoveRows(ROWCOL nFirst, ROWCOL nLast, int* anOldHeights, UINT flags,
                                  BOOL bCreateHint);
    virtual void UpdateRemoveCols(ROWCOL nFirst, ROWCOL nLast, int* anOldWidths, UINT flags,
                                  BOOL bCreateHint);
    // Moving rows and columns through the moving component: without it the moves answer FALSE,
    // the store steps refuse and the update steps redraw everything. nDest counts after the move.
    virtual BOOL MoveRows(ROWCOL nFirst, ROWCOL nLast, ROWCOL nDest, UINT flags = GX_UPDATENOW,
                          int ctCmd = gxDo);
    virtual BOOL MoveCols(ROWCOL nFirst, ROWCOL nLast, ROWCOL nDest, UINT flags = GX_UPDATENOW,
                          int ctCmd = gxDo);
    virtual BOOL StoreMoveRows(ROWCOL nFirst, ROWCOL nLast, ROWCOL nDest, BOOL bForce = FALSE);
    virtual BOOL StoreMoveCols(ROWCOL nFirst, ROWCOL nLast, ROWCOL nDest, BOOL bForce = FALSE);
    virtual void UpdateMoveRows(ROWCOL nFirst, ROWCOL nLast, ROWCOL nDest, UINT flags, BOOL bCreateHint);
    virtual void UpdateMoveCols(ROWCOL nFirst, ROWCOL nLast, ROWCOL nDest, UINT flags, BOOL bCreateHint);
    // Puts the rows (columns) of a block into a sorted order: entry i of awOrder is the old
    // position, counted from the block's start, of what goes to position i.
    virtual BOOL ReorderDataRows(const CGXCellRange& range, const CDWordArray& awOrder);
    virtual BOOL ReorderDataCols(const CGXCellRange& range, const CDWordArray& awOrder);
    // The undoable form: pOrder is a CDWordArray as above (it stays the caller's); records the
    // order that puts the block back.
    virtual BOOL ApplyRowOrder(const CGXCellRange& range, CObject* pOrder, UINT flags = GX_UPDATENOW,
                               int ctCmd = gxDo);
    virtual BOOL ApplyColOrder(const CGXCellRange& range, CObject* pOrder, UINT flags = GX_UPDATENOW,
                               int ctCmd = gxDo);
    // Sorting, served by the sort component (nothing happens without it).
    virtual void SortRows(CGXCellRange range, CGXSortInfoArray& sortInfo, UINT flags = GX_UPDATENOW);
    virtual void SortCols(CGXCellRange range, CGXSortInfoArray& sortInfo, UINT flags = GX_UPDATENOW);
    virtual void UpdateAfterRowSort(const CGXCellRange& range, UINT flags, BOOL bCreateHint);
    virtual void UpdateAfterColSort(const CGXCellRange& range, UINT flags, BOOL bCreateHint);
    // The key text of a cell: the control's text for sorting.
    virtual void GetSortKeyText(CGXControl* pControl, ROWCOL nRow, ROWCOL nCol, const CGXSortInfoEntry& entry,
                                const CGXStyle& style, CString& strKey);
    virtual BOOL SetFrozenRows(ROWCOL nFrozen, ROWCOL nHeader = 0, UINT flags = GX_UPDATENOW,
                               int ctCmd = gxDo);
    virtual BOOL SetFrozenCols(ROWCOL nFrozen, ROWCOL nHeader = 0, UINT flags = GX_UPDATENOW,
                               int ctCmd = gxDo);
    // Hidden rows and columns and covered cells come with their components; without them nothing
    // is hidden or covered and these answer FALSE.
    virtual BOOL HideRows(ROWCOL nFirst, ROWCOL nLast, BOOL bHide = TRUE, BOOL* abHide = NULL,
                          UINT flags = GX_UPDATENOW, int ctCmd = gxDo);
    virtual BOOL HideCols(ROWCOL nFirst, ROWCOL nLast, BOOL bHide = TRUE, BOOL* abHide = NULL,
                          UINT flags = GX_UPDATENOW, int ctCmd = gxDo);
    // The hidden state of one row (column) alone: no redraw, no undo.
    virtual BOOL StoreHideRow(ROWCOL nRow, BOOL bHide);
    virtual BOOL StoreHideCol(ROWCOL nCol, BOOL bHide);
    // Rows (columns) of the range get the size their cells need (flags bit 8: only larger).
    virtual BOOL ResizeRowHeightsToFit(const CGXCellRange& range, BOOL bCoveredCells = FALSE,
                                       UINT flags = GX_UPDATENOW);
    virtual BOOL ResizeColWidthsToFit(const CGXCellRange& range, BOOL bCoveredCells = FALSE,
                                      UINT flags = GX_UPDATENOW);
    virtual BOOL SetCoveredCellsRowCol(ROWCOL nTop, ROWCOL nLeft, ROWCOL nBottom, ROWCOL nRight,
                                       UINT flags = GX_UPDATENOW, int ctCmd = gxDo);
    virtual ROWCOL GetFrozenRows();
    virtual ROWCOL GetFrozenCols();
    virtual ROWCOL GetHeaderRows();
    virtual ROWCOL GetHeaderCols();
    virtual BOOL StoreFrozenRows(ROWCOL nFrozen, ROWCOL nHeader);
    virtual BOOL StoreFrozenCols(ROWCOL nFrozen, ROWCOL nHeader);
    virtual void UpdateFrozenRows(ROWCOL nOldFrozen, ROWCOL nOldHeader, UINT flags, BOOL bCreateHint);
    virtual void UpdateFrozenCols(ROWCOL nOldFrozen, ROWCOL nOldHeader, UINT flags, BOOL bCreateHint);
    virtual void SetTopRow(ROWCOL nRow, UINT flags = GX_UPDATENOW, BOOL bCreateHint = TRUE);
    virtual void SetLeftCol(ROWCOL nCol, UINT flags = GX_UPDATENOW, BOOL bCreateHint = TRUE);
    ROWCOL GetTopRow() const
    {
        return m_bPrinting ? m_nPrintTopRow : m_nTopRow;
    }
    ROWCOL GetLeftCol() const
    {
        return m_bPrinting ? m_nPrintLeftCol : m_nLeftCol;
    }
    virtual BOOL OnTopRowChanging(ROWCOL nNewTopRow);
    virtual BOOL OnLeftColChanging(ROWCOL nNewLeftCol);
    virtual void OnTopRowChanged();
    virtual void OnLeftColChanged();
    BOOL IsStructureLocked();
    BOOL IsInFrozenRows(ROWCOL nRow);
    BOOL IsInFrozenCols(ROWCOL nCol);
    ROWCOL RowToClientRow(ROWCOL nRow);
    ROWCOL ColToClientCol(ROWCOL nCol);
    ROWCOL ClientRowToRow(ROWCOL nClientRow);
    ROWCOL ClientColToCol(ROWCOL nClientCol);
    BOOL IsNoModifierKeyDown();
    CGXCellRange GetVisibleCellRange();

    // Re-evaluation of formula-capable data objects
    virtual BOOL IsFormulaCell(ROWCOL nRow, ROWCOL nCol);
    virtual void MarkCellForRecalc(ROWCOL nRow, ROWCOL nCol, BOOL bChanged);
    virtual void RecalcRange(const CGXCellRange& range);
    virtual BOOL Recalc(BOOL bForce = FALSE, CString* pstrError = NULL, BOOL bCreateHint = TRUE);
    // Renames the grid's tab in the sheet-tab window that holds it (nothing without one).
    void SetSheetTabName(LPCTSTR pszName);
    // The container that holds the grid (a sheet-tab window) names the grid's window from the
    // parameter object's text; nothing outside a container.
    void NameWindowFromText();
    virtual void RunRecalcPass(BOOL bForce);
    virtual BOOL UpdateRecalcState(BOOL bReport);
    virtual BOOL GetRecalcErrorText(CString& strError);
    virtual BOOL SetRecordUndoInfo(BOOL bRecord);
    virtual CObject* DetachUndoInfo();
    virtual BOOL ApplyUndoInfo(CObject* pInfo, BOOL bRecordUndo, BOOL bBefore);

    // Formulas (defined with the formula engine): the grid's data object becomes a formula
    // sheet, the range-name component is installed. Call before the grid is initialised.
    void EnableFormulaEngine();
    // The data object when it is a formula sheet, else NULL.
    CGXFormulaSheet* GetFormulaSheet();
    virtual BOOL SetRangeName(LPCTSTR pszName, const CGXCellRange& range, CObject* pUndoInfo = NULL,
                              UINT flags = GX_UPDATENOW, int ctCmd = 0);
    virtual BOOL GetRangeName(LPCTSTR pszName, CGXCellRange& range);
    virtual BOOL DeleteRangeName(LPCTSTR pszName, UINT flags = GX_UPDATENOW, int ctCmd = 0);

    // Forwarders to the per-grid components: each does nothing and answers 0 without one.
    virtual void DiscardUndoInfo();
    virtual CObject* TakeAdvancedUndoInfo();
    virtual BOOL ExecuteCommand(CObject* pCmd, int ctCmd);
    virtual void AddCommand(CObject* pCmd, int ctCmd);
    virtual void RemoveCommand(int ctCmd);
    virtual BOOL Undo();
    virtual BOOL Redo();
    virtual void BeginTrans(LPCTSTR pszName);
    virtual void CommitTrans();
    virtual void Rollback();
    // Brings the cell an undone or redone change touched into view (or makes it current).
    virtual void MoveToUndoCell(ROWCOL nRow, ROWCOL nCol, BOOL bMakeCurrent = FALSE);
    // Text and state of the Undo and Redo menu items; FALSE (disabled) without undo.
    virtual BOOL OnUpdateEditUndo(CCmdUI* pCmdUI);
    virtual BOOL OnUpdateEditRedo(CCmdUI* pCmdUI);
    // Spanned cells (GridCoreSpans.cpp): limits of (ROWCOL)-1 are none.
    virtual CGXCellRange* GetCoveredCellsRowCol(ROWCOL nRow, ROWCOL nCol, CGXCellRange& range);
    virtual void SetFloatingMode(WORD nMode, BOOL bRedraw = TRUE);
    virtual void InvalidateFloatedCells(const CGXCellRange& range, ROWCOL nColLimit = (ROWCOL)-1);
    virtual BOOL RecalcFloatedCells(const CGXCellRange& range, BOOL bKeepLock = FALSE,
                                    CGXCellRange* pChanged = NULL, BOOL bUseCache = FALSE);
    virtual CGXCellRange* GetFloatedRangeAt(ROWCOL nRow, ROWCOL nCol, CGXCellRange& range);
    virtual BOOL UpdateFloatedSpanAt(ROWCOL nRow, ROWCOL nCol, ROWCOL nToRow, ROWCOL nToCol, UINT flags);
    virtual void RedrawFloatedSpanAt(ROWCOL nRow, ROWCOL nCol, ROWCOL nOldBottom, ROWCOL nOldRight,
                                     UINT flags, BOOL bCreateHint);
    virtual void SetMergingMode(WORD nMode, BOOL bRedraw = TRUE);
    virtual void InvalidateMergedCells(const CGXCellRange& range, ROWCOL nRowLimit = (ROWCOL)-1,
                                       ROWCOL nColLimit = (ROWCOL)-1);
    virtual BOOL RecalcMergedCells(const CGXCellRange& range, BOOL bKeepLock = FALSE,
                                   CGXCellRange* pChanged = NULL, BOOL bUseCache = FALSE);
    virtual CGXCellRange* GetMergedRangeAt(ROWCOL nRow, ROWCOL nCol, CGXCellRange& range,
                                           int nDirection = -1);
    virtual BOOL UpdateMergedSpanAt(int nDirection, ROWCOL nRow, ROWCOL nCol, ROWCOL nToRow, ROWCOL nToCol,
                                    UINT flags);
    virtual void RedrawMergedSpanAt(ROWCOL nRow, ROWCOL nCol, ROWCOL nOldBottom, ROWCOL nOldRight, UINT flags,
                                    BOOL bCreateHint);
    // Widen a range over the spans it touches.
    virtual void WidenByCoveredCells(CGXCellRange& range);
    virtual void WidenByMergedCells(CGXCellRange& range);
    virtual void WidenByFloatedCells(CGXCellRange& range);
    WORD GetFloatingMode() const;
    WORD GetMergingMode() const;
    // TRUE when covered, merged or floated cells may lie in the visible part of the range.
    virtual BOOL SpansTouchVisibleRange(const CGXCellRange& range);
    // The covered, merged or floated range holding the cell, asked in that order.
    virtual BOOL GetCellSpanRange(ROWCOL nRow, ROWCOL nCol, CGXCellRange& range);
    // Whether a static cell's style lets its text float (bSource) or be floated over.
    virtual BOOL IsFloatCandidate(const CGXStyle& style, BOOL bSource);
    virtual void OnPrepareRedraw(ROWCOL, ROWCOL, ROWCOL, ROWCOL);
    virtual void HandleVisibleRange(const CGXCellRange&, UINT);
    virtual void DrawMarkEditHeader(ROWCOL, ROWCOL, int, UINT);
    virtual BOOL IsMarkedHeader(ROWCOL nRow, ROWCOL nCol, const CGXStyle& style);
    // The resizing state for the header marks: TRUE while a row (kind bit 1) or a column (bit 2)
    // is being resized, with its index (read from the resize tracking state).
    virtual BOOL GetMarkedHeaderState(int& nKind, ROWCOL& nIndex);
    // Find and replace through the find/replace component (nothing, FALSE, without it).
    virtual void ShowFindDialog(BOOL bFindOnly);
    // The next cell holding the settings' text, from the current cell on.
    virtual BOOL SearchNext(BOOL bSelect);
    // The following cells of the column: nRow comes back as the row reached.
    virtual BOOL SearchCellsFrom(ROWCOL& nRow, ROWCOL& nCol, BOOL bSelect);
    virtual void OnFindReplaceNotify(CFindReplaceDialog* pDialog);
    // Replaces in every cell of the current column from the current row on; the browser grid
    // does it itself.
    virtual void ReplaceAll(const CGXFindReplaceSettings& settings);
    // A search or replacement found nothing: the user hears it.
    virtual void OnTextNotFound(LPCTSTR)
    {
        ::MessageBeep(0);
    }
    // A search went past a row (nRow the next one).
    virtual void OnRowScanned(ROWCOL /*nRow*/, ROWCOL /*nCol*/)
    {
    }
    // Asked before the selection changes (range or NULL for all): FALSE keeps the selection.
    virtual BOOL CanChangeSelection(const CGXCellRange*, BOOL /*bClearAll*/, BOOL /*bFlag*/)
    {
        return TRUE;
    }
    // Asked before a selection starts at a cell (press or Shift+key): FALSE refuses it.
    virtual BOOL CanStartSelection(ROWCOL, ROWCOL, UINT /*flags*/, CPoint)
    {
        return TRUE;
    }
    // After a selection change; with the header-marking option the headers are repainted.
    virtual void OnChangedSelection(const CGXCellRange* pRange, BOOL bIsDragging, BOOL bKey);
    // The selection, through the range-selection component; nothing without it.
    virtual void SetSelection(POSITION pos, ROWCOL nTop = 0, ROWCOL nLeft = 0, ROWCOL nBottom = 0,
                              ROWCOL nRight = 0);
    virtual void SelectRange(const CGXCellRange& range, BOOL bSelect = TRUE, BOOL bUpdate = TRUE);
    virtual BOOL StoreSelectRange(const CGXCellRange& range, BOOL bSelect);
    virtual void UpdateSelectRange(const CGXCellRange& range, const CGXRangeList* pOldList,
                                   BOOL bCreateHint = TRUE);
    virtual void UpdateChangedSelection(POSITION pos, ROWCOL nTop, ROWCOL nLeft, ROWCOL nBottom,
                                        ROWCOL nRight, BOOL bCreateHint = TRUE);
    virtual void UpdateAllSelected(BOOL bCreateHint = TRUE);
    // The Excel-like frame, through its component: erase the frame on screen (with a context)
    // and take a new range (drawn with a context); draw a range's frame; hide (non-zero) or show
    // it, answering the previous state. Nothing without the component.
    virtual void UpdateExcelFrame(CDC* pDC, BOOL bErase, const CGXCellRange* pRange);
    virtual void DrawExcelFrame(CDC* pDC, const CGXCellRange& range, int nKind, BOOL bHandleOnly);
    virtual BOOL ShowExcelFrame(BOOL nState, BOOL bCreateHint);
    virtual void DrawFramePart(CDC* pDC, const CRect& rect, const CRect& rectClip, BOOL bTopVisible,
                               BOOL bLeftVisible, int nKind, BOOL bHandleOnly);
    void SetExcelFillImp(CGXAbstractGridExcelLikeFillImp* pImp, BOOL bAutoDelete);
    // The fill by the selection's handle, through the fill component.
    virtual void DoExcelFill(const CGXCellRange& target, const CGXCellRange& source);
    virtual void SelectFillRange(const CGXCellRange& range);
    // Vetoes of a fill: its start from a range and a target shown for a source.
    virtual BOOL CanStartFill(const CGXCellRange&, CPoint, UINT /*nFlags*/)
    {
        return TRUE;
    }
    virtual BOOL CanFillRange(const CGXCellRange& /*target*/, const CGXCellRange& /*source*/)
    {
        return TRUE;
    }
    // Dragging selected rows (row non-zero) or columns by their headers, through the drag-select
    // component; 0 without it.
    virtual BOOL StartDragSelection(ROWCOL nRow, ROWCOL nCol);
    virtual BOOL MoveDragSelection(ROWCOL nOldRow, ROWCOL nOldCol, ROWCOL nRow, ROWCOL nCol);
    virtual BOOL DropDragSelection(ROWCOL nTop, ROWCOL nLeft, ROWCOL nRow, ROWCOL nCol);
    virtual BOOL CancelDragSelection();
    // Vetoes of such a drag: by default a drag starts only while neither Ctrl nor Shift is down.
    virtual BOOL CanDragSelectedRows(ROWCOL nFirst, ROWCOL nLast);
    virtual BOOL CanDragSelectedCols(ROWCOL nFirst, ROWCOL nLast);
    virtual BOOL CanDropSelectedRows(ROWCOL, ROWCOL, ROWCOL /*nTarget*/)
    {
        return TRUE;
    }
    virtual BOOL CanDropSelectedCols(ROWCOL, ROWCOL, ROWCOL)
    {
        return TRUE;
    }
    virtual BOOL OnDropSelectedRows(ROWCOL, ROWCOL, ROWCOL)
    {
        return TRUE;
    }
    virtual BOOL OnDropSelectedCols(ROWCOL, ROWCOL, ROWCOL)
    {
        return TRUE;
    }
    // The drop line of a client row (kind 2: 1 pixel high at its top, across the visible columns)
    // or client column (kind 1: 1 pixel wide at its left, down the visible rows).
    CRect CalcRowColBandRect(int nKind, ROWCOL nClient);
    // Draws a row (kind 2) or column (kind 1) band into a rectangle of a DC (the resize feedback).
    virtual void DrawBand(CDC* pDC, int left, int top, int cx, int cy, int nKind, int nValue1, int nValue2);
    // Interactive resizing, through the resize component (kind 1 row, 2 column; a size's x is a
    // width, its y a height).
    virtual BOOL StartResizeTracking(ROWCOL nRow, ROWCOL nCol, int nKind);
    virtual void MoveResizeTracking(ROWCOL nRow, ROWCOL nCol, int nKind, CPoint size);
    virtual void EndResizeTracking(ROWCOL nRow, ROWCOL nCol, int nKind, CPoint size);
    virtual void CancelResizeTracking();
    // Vetoes of resizing a row (kind 1) or column (kind 2), and of a size while tracking (bEnd
    // FALSE) or at the end.
    virtual BOOL CanResizeRowCol(int, ROWCOL)
    {
        return TRUE;
    }
    virtual BOOL CanChangeRowColSize(int /*nKind*/, ROWCOL /*nIndex*/, int /*nSize*/, BOOL /*bEnd*/)
    {
        return TRUE;
    }
    // The drawing flag of live resizing; returns the previous value.
    BOOL SetResizeTrackingFlag(BOOL bOn)
    {
        BOOL bOld = m_bResizeTrackingDraw;
        m_bResizeTrackingDraw = bOn;
        return bOld;
    }

    // Selection queries
    BOOL CopyRangeList(CGXRangeList& list, BOOL bCanUseCurrentCell);
    ROWCOL GetSelectedRowIntervals(CDWordArray& awTop, CDWordArray& awBottom, BOOL bRangeRowsOnly,
                                   BOOL bCanUseCurrentCell);
    ROWCOL GetSelectedRows(CDWordArray& awRows, BOOL bRangeRowsOnly, BOOL bCanUseCurrentCell);
    BOOL IsCellInRangeList(ROWCOL nRow, ROWCOL nCol, const CGXRangeList& list);
    BOOL ReadCurrentCellText(CString& str);

    // Current cell (its interaction belongs to the engine's keyboard and mouse operations)
    BOOL GetCurrentCell(ROWCOL& nRow, ROWCOL& nCol);
    BOOL IsCurrentCell(ROWCOL nRow, ROWCOL nCol);
    void StoreCurrentCell(BOOL bSet, ROWCOL nRow = 0, ROWCOL nCol = 0);
    // The control of the current cell, fetched once per stored cell; NULL without a current cell.
    CGXControl* GetCurrentCellControl();
    virtual BOOL SetCurrentCell(ROWCOL nRow, ROWCOL nCol, UINT flags = GX_UPDATENOW);
    virtual BOOL TransferCurrentCell(BOOL bSave = TRUE, UINT flags = GX_UPDATENOW, BOOL bCreateHint = TRUE);
    virtual void SetWarningText(LPCTSTR pszText);

    // Current cell and keyboard (GridCoreCurrentCell.cpp, GridCoreKeys.cpp)
    virtual BOOL ChangeCurrentCell(ROWCOL nRow, ROWCOL nCol, UINT flags = 0x0A);
    virtual BOOL CanLeaveOrEnterCell(BOOL bEnter, ROWCOL nRow, ROWCOL nCol, ROWCOL nOldRow, ROWCOL nOldCol);
    virtual BOOL FindNextEnabledCell(int nDirection, ROWCOL& nRow, ROWCOL& nCol);
    virtual BOOL MoveCurrentCellBy(int nDirection, ROWCOL nCount = 1, BOOL bSelect = TRUE);
    virtual BOOL MoveCurrentCellByKey(int nDirection, ROWCOL nCount = 1);
    virtual BOOL CanDeactivateGrid(BOOL bForce = FALSE);
    virtual void ShowWarningText();
    virtual BOOL ProcessKeyMessage(CWnd* pFromWnd, UINT message, UINT nKey, UINT nRepeat, UINT flags);
    virtual BOOL OnGridKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    virtual BOOL OnGridKeyUp(UINT nChar, UINT nRepCnt, UINT nFlags);
    virtual BOOL OnGridChar(UINT nChar, UINT nRepCnt, UINT nFlags);
    virtual BOOL OnGridChars(LPCTSTR pszChars, UINT nRepCnt, UINT nFlags);
    virtual BOOL OnGridDeadChar(UINT nChar, UINT nRepCnt, UINT nFlags);
    virtual BOOL OnGridSysKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    virtual BOOL OnGridSysKeyUp(UINT nChar, UINT nRepCnt, UINT nFlags);
    virtual BOOL OnGridSysChar(UINT nChar, UINT nRepCnt, UINT nFlags);
    virtual BOOL OnGridSysDeadChar(UINT nChar, UINT nRepCnt, UINT nFlags);
    virtual void OnNavigateMessage(int nCode, ROWCOL nIndex);

    // Mouse (GridCoreMouse.cpp): one press-move-release sequence per button.
    virtual BOOL OnLButtonHitRowCol(ROWCOL nHitRow, ROWCOL nHitCol, ROWCOL nRow, ROWCOL nCol, CPoint pt,
                                    UINT nFlags, WORD nHitState);
    virtual BOOL OnMButtonHitRowCol(ROWCOL nHitRow, ROWCOL nHitCol, ROWCOL nRow, ROWCOL nCol, CPoint pt,
                                    UINT nFlags, WORD nHitState);
    virtual BOOL OnRButtonHitRowCol(ROWCOL nHitRow, ROWCOL nHitCol, ROWCOL nRow, ROWCOL nCol, CPoint pt,
                                    UINT nFlags, WORD nHitState);
    virtual BOOL OnLButtonClickedRowCol(ROWCOL nRow, ROWCOL nCol, UINT nFlags, CPoint pt);
    virtual BOOL OnMButtonClickedRowCol(ROWCOL nRow, ROWCOL nCol, UINT nFlags, CPoint pt);
    virtual BOOL OnRButtonClickedRowCol(ROWCOL nRow, ROWCOL nCol, UINT nFlags, CPoint pt);
    virtual BOOL OnLButtonDblClkRowCol(ROWCOL nRow, ROWCOL nCol, UINT nFlags, CPoint pt);
    virtual BOOL OnMButtonDblClkRowCol(ROWCOL nRow, ROWCOL nCol, UINT nFlags, CPoint pt);
    virtual BOOL OnRButtonDblClkRowCol(ROWCOL nRow, ROWCOL nCol, UINT nFlags, CPoint pt);
    virtual BOOL StartDragDrop(ROWCOL nRow, ROWCOL nCol);
    CWnd* SetCapture();
    // Hooks the cell controls ask (a derived grid overrides them).
    virtual BOOL OnValidateCell(ROWCOL nRow, ROWCOL nCol);
    virtual BOOL OnStartEditing(ROWCOL nRow, ROWCOL nCol);
    virtual BOOL OnCancelEditing(ROWCOL nRow, ROWCOL nCol);
    virtual void OnCanceledEditing(ROWCOL nRow, ROWCOL nCol);
    virtual BOOL OnEndEditing(ROWCOL nRow, ROWCOL nCol);
    virtual void OnModifyCell(ROWCOL nRow, ROWCOL nCol);
    // Asked before the Delete key empties a cell's text in its control.
    virtual BOOL OnClearCellText(ROWCOL nRow, ROWCOL nCol);
    // Asked by a cell control with two arguments of its own (a money field asks with 2 and 0
    // before it handles a key).
    virtual BOOL OnCellEditHook(ROWCOL nRow, ROWCOL nCol, int nArg1, int nArg2);
    // A child button of the cell's control was clicked (push buttons, spin arrows, hot spots).
    virtual void OnClickedButtonRowCol(ROWCOL, ROWCOL)
    {
    }
    // A move without a button over a cell, after the children of the cell's control saw it.
    virtual BOOL OnMouseMoveOver(ROWCOL, ROWCOL, UINT, CPoint)
    {
        return FALSE;
    }
    // A press in the cell's edit window fell inside its selection: dragging the text may start
    // here (the selection is still there). Nothing in the engine.
    virtual BOOL OnStartTextDrag(ROWCOL, ROWCOL)
    {
        return FALSE;
    }

    // Clipboard and clearing (GridCoreClipboard.cpp): forwarded to the cut-and-paste and the
    // clear-cells components; each answers FALSE without its component.
    virtual BOOL CanCopy();
    virtual BOOL Copy();
    virtual BOOL CopyRangesToClipboard(const CGXRangeList& ranges);
    virtual BOOL CanCut();
    virtual BOOL Cut();
    virtual BOOL CutRangesToClipboard(const CGXRangeList& ranges, BOOL bStyles);
    virtual BOOL CanPaste();
    virtual BOOL CanPasteFromClipboard();
    virtual BOOL Paste();
    virtual BOOL PasteDirect(const CGXCellRange& range);
    virtual BOOL PasteFromClipboardAt(const CGXCellRange& range);
    virtual BOOL ConfirmPasteSize();
    virtual BOOL CanClear();
    virtual BOOL Clear(BOOL bStyles);
    virtual BOOL ClearCells(const CGXRangeList& ranges, BOOL bStyles);
    // Text and style data exchange and direct copy and move, forwarded likewise.
    virtual BOOL CopyTextToFile(CFile& file, const CGXRangeList& ranges);
    virtual CString GetCopyTextRowCol(ROWCOL nRow, ROWCOL nCol);
    virtual BOOL PasteTextFromBuffer(LPCSTR pszText, DWORD dwSize, const CGXCellRange& range);
    virtual BOOL PasteTextRowCol(ROWCOL nRow, ROWCOL nCol, const CString& strText, UINT flags,
                                 const CGXStyle* pStyle);
    virtual BOOL CalcBufferDimension(LPCSTR pszText, DWORD dwSize, ROWCOL& nRows, ROWCOL& nCols);
    virtual BOOL CopyCellsToArchive(CArchive& ar, const CGXRangeList& ranges, BOOL bComposed);
    virtual BOOL GetCopyStyleRowCol(ROWCOL nRow, ROWCOL nCol, CGXStyle& style, BOOL bComposed);
    virtual BOOL PasteCellsFromArchive(CArchive& ar, const CGXCellRange& range, BOOL bNoSizeCheck);
    virtual BOOL CopyCells(const CGXCellRange& range, ROWCOL nToRow, ROWCOL nToCol,
                           UINT flags = GX_UPDATENOW);
    virtual BOOL StoreCopyCells(const CGXCellRange& range, ROWCOL nToRow, ROWCOL nToCol);
    virtual BOOL MoveCells(const CGXCellRange& range, ROWCOL nToRow, ROWCOL nToCol, CObject* pUndoInfo = NULL,
                           UINT flags = GX_UPDATENOW, int ctCmd = gxDo);
    virtual BOOL StoreMoveCells(const CGXCellRange& range, ROWCOL nToRow, ROWCOL nToCol,
                                CObject* pApplyInfo = NULL, CObject** ppNewInfo = NULL);
    // Installers of the clipboard components (each installs once and keeps the first).
    void InstallDirectCopyMoveCellsImp();
    void InstallTextDataExchangeImp();
    void InstallStyleDataExchangeImp();
    void InstallCutPasteImp();
    void InstallClearCellsImp();

    // Sizes, rectangles, hit-testing and cursors (GridCoreSizes.cpp)
    virtual BOOL SetRowHeight(ROWCOL nFirst, ROWCOL nLast, int nHeight, int* anHeights = NULL,
                              UINT flags = GX_UPDATENOW, int ctCmd = gxDo);
    virtual BOOL SetColWidth(ROWCOL nFirst, ROWCOL nLast, int nWidth, int* anWidths = NULL,
                             UINT flags = GX_UPDATENOW, int ctCmd = gxDo);
    virtual BOOL SetDefaultRowHeight(int nHeight, UINT flags = GX_UPDATENOW, int ctCmd = gxDo);
    virtual BOOL SetDefaultColWidth(int nWidth, UINT flags = GX_UPDATENOW, int ctCmd = gxDo);
    virtual int GetRowHeight(ROWCOL nRow);
    virtual int GetColWidth(ROWCOL nCol);
    virtual int GetDefaultRowHeight();
    virtual int GetDefaultColWidth();
    virtual BOOL IsRowHidden(ROWCOL nRow);
    virtual BOOL IsColHidden(ROWCOL nCol);
    virtual BOOL StoreDefaultRowHeight(int nHeight);
    virtual BOOL StoreDefaultColWidth(int nWidth);
    virtual BOOL StoreColWidth(ROWCOL nCol, int nWidth);
    virtual BOOL StoreRowHeight(ROWCOL nRow, int nHeight);
    virtual void UpdateChangedColWidth(ROWCOL nFirst, ROWCOL nLast, int* anOld, UINT flags, BOOL bCreateHint);
    virtual void UpdateChangedRowHeight(ROWCOL nFirst, ROWCOL nLast, int* anOld, UINT flags,
                                        BOOL bCreateHint);
    virtual int GetCharHeight();
    virtual int GetCharWidth();
    virtual int HitTest(CPoint pt, ROWCOL* pRow = NULL, ROWCOL* pCol = NULL, CRect* pRect = NULL);
    virtual int HitTestSelectionEdge(ROWCOL nRow, ROWCOL nCol, CPoint pt, const CRect& rectCell);
    virtual BOOL CanUserResizeCol(ROWCOL nCol);
    virtual BOOL CanUserResizeRow(ROWCOL nRow);
    virtual BOOL SetZoom(int nZoom, UINT flags = GX_UPDATENOW);
    virtual int GetZoom();
    virtual BOOL StoreZoom(int nZoom, BOOL bCreateHint = TRUE);
    virtual void OnZoomChanged(int nOldZoom, UINT flags, BOOL bCreateHint = TRUE);
    virtual void SetGridCursor(UINT nID, LPCTSTR pszFallback = IDC_ARROW);
    virtual BOOL UpdateCursor(CPoint pt);
    void SetForcedCursor(UINT nID)
    {
        m_nForcedCursor = nID;
    }
    UINT GetLastCursorId() const;
    CRect CalcCellRect(ROWCOL nRow, ROWCOL nCol);
    CRect CalcRangeRect(const CGXCellRange& range);
    CRect CalcRangeClientRect(const CGXCellRange& range, BOOL bWalkPastEdge = FALSE);
    ROWCOL ClientRowFromY(int y, int* pnEdge = NULL);
    ROWCOL ClientColFromX(int x, int* pnEdge = NULL);
    ROWCOL CalcLastRowInRect(const CRect& rect, BOOL* pbPartial = NULL);
    ROWCOL CalcLastColInRect(const CRect& rect, BOOL* pbPartial = NULL);
    CRect CalcRectBelowRow(ROWCOL nRow);
    CRect CalcRectRightOfCol(ROWCOL nCol);
    int SumRowHeights(ROWCOL nFirst, ROWCOL nLast, int nMax = 0);
    int SumColWidths(ROWCOL nFirst, ROWCOL nLast, int nMax = 0);
    int CalcClientRowTop(ROWCOL nClientRow);
    int CalcClientColLeft(ROWCOL nClientCol);
    CRect CalcClientCellRect(ROWCOL nClientRow, ROWCOL nClientCol);
    BOOL ClientCellFromPoint(CPoint pt, ROWCOL& nClientRow, ROWCOL& nClientCol, CRect* pRect = NULL);
    ROWCOL GetBottomVisibleRow(BOOL* pbPartial = NULL);
    ROWCOL GetRightVisibleCol(BOOL* pbPartial = NULL);
    void ResetLastVisibleCache()
    {
        m_nLastVisibleRow = m_nLastVisibleCol = (ROWCOL)-1;
    }
    // Pixels from a stored size and back, in integers over a clamped metric.
    static int StoredToPixels(LONG nStored, int nMetric);
    static LONG PixelsToStored(int nPixels, int nMetric);
    void CalcCharMetricsFromStandard();

    // Scrolling (GridCoreScroll.cpp)
    void SetScrollBarMode(int nBar, DWORD dwMode, BOOL bRedraw = TRUE);
    DWORD GetScrollBarMode(int nBar) const;
    BOOL SetLockScrollbars(BOOL bLock);
    virtual void UpdateScrollbars(BOOL bNoRepaint = TRUE, BOOL bOnlyIfCountsChanged = FALSE);
    virtual void SetScrollRange(int nBar, ROWCOL nMin, ROWCOL nMax, BOOL bRedraw = TRUE);
    virtual ROWCOL SetScrollPos(int nBar, ROWCOL nPos, BOOL bRedraw = TRUE);
    virtual ROWCOL GetScrollPos(int nBar);
    virtual void GetScrollRange(int nBar, ROWCOL* pMin, ROWCOL* pMax);
    virtual void ShowGridScrollBar(int nBar, BOOL bShow);
    virtual CScrollBar* GetScrollBarCtrl(int nBar) const;
    virtual BOOL DoScroll(int nDirection, ROWCOL nCount);
    virtual BOOL OnScrollBy(int nDirection, ROWCOL nCount);
    // After a scroll: hides the current cell's active control when its cell left the view,
    // unless the cell is frozen or the control has the focus.
    void HideControlOutOfView(BOOL bRows, ROWCOL nFrozen);
    void CollectSpansAcross(const CGXGridAxis& a, ROWCOL nOld, ROWCOL nNew, std::vector<CGXCellRange>& spans);
    virtual BOOL ScrollCellInView(ROWCOL nRow, ROWCOL nCol, UINT flags = GX_UPDATENOW,
                                  BOOL bFloatCell = FALSE);
    void ScrollWindow(int dx, int dy, LPCRECT lpRect = NULL, LPCRECT lpClipRect = NULL);
    // Starts the auto-scroll plug-in's run: nDirection 1-4 scrolls by nStep that way, -1 follows
    // the mouse (m_bAutoScrollVert, m_bAutoScrollHorz), keyboard mode repeats m_nAutoScrollKey.
    void BeginAutoScroll(BOOL bCapture, int nDirection, ROWCOL nStep);
    ROWCOL CalcMaxTopRow();
    ROWCOL CalcMaxLeftCol();
    DWORD GetScrollFactor(int nBar) const
    {
        return nBar == SB_VERT ? m_nVScrollFactor : m_nHScrollFactor;
    }

    // Painting (GridCorePaint.cpp)
    virtual void UpdateAllViews(CWnd* pSender, LPARAM lHint, CObject* pHint);
    virtual void OnGridUpdate(CWnd* pSender, LPARAM lHint, CObject* pHint);
    virtual const CGXStyle& LookupStyleRowCol(ROWCOL nRow, ROWCOL nCol);
    virtual CGXStyle* CreateStyle();
    virtual void RecycleStyle(CGXStyle* pStyle);
    virtual void RedrawRange(ROWCOL nTop, ROWCOL nLeft, ROWCOL nBottom, ROWCOL nRight,
                             UINT flags = GX_UPDATENOW, BOOL bCreateHint = TRUE);
    void RedrawRowCol(const CGXCellRange& range, UINT flags = GX_UPDATENOW, BOOL bCreateHint = TRUE);
    virtual void RedrawAll(UINT flags = GX_UPDATENOW, BOOL bCreateHint = TRUE);
    virtual void PrepareDataExtent(ROWCOL nLastRow, ROWCOL nLastCol);
    virtual void OnGridDraw(CDC* pDC);
    virtual void OnGridPrepareDC(CDC* pDC, CPrintInfo* pInfo = NULL);
    virtual void DrawCell(CDC* pDC, ROWCOL nRow, ROWCOL nCol, const CRect& rect, const CGXStyle& style);
    virtual void DrawCells(ROWCOL nTop, ROWCOL nLeft, ROWCOL nBottom, ROWCOL nRight, CDC* pDC);
    virtual void DrawInvertCell(CDC* pDC, ROWCOL nRow, ROWCOL nCol, int left, int top, int right, int bottom);
    // The old-drawing component paints the backgrounds of its pass through here.
    virtual void DrawWithOldDrawingImp(CGXDrawingContext& ctx);
    virtual CFont* SelectCellFont(CDC* pDC, const CGXStyle& style, const CGXStyle* pPrevious);
    virtual void FreeObjectCache();
    virtual void CalcCharMetrics(CDC* pDC, int& nWidth, int& nHeight);
    // The control of the cell being drawn paints its own background when this is set: the
    // engine left the background to it, or the cell is drawn as a whole span.
    BOOL IsBackgroundPending() const
    {
        return m_bBackgroundPending || m_bDrawingSpan;
    }
    // TRUE while the spanned-cell drawing draws a span's top-left cell over the whole span.
    BOOL IsDrawingSpan() const
    {
        return m_bDrawingSpan;
    }
    BOOL HasFocus() const
    {
        return m_bActiveFrame;
    }

    // Lines, borders, brushes and the GDI cache (GridCoreLines.cpp)
    virtual void SubtractBorders(CRect& rectOut, const CRect& rect, const CGXStyle& style, BOOL bWithLines);
    virtual CSize CalcBorderExtent(int cx, int cy, const CGXStyle& style);
    // Printing: the properties' margins taken off the print rectangle; the header and footer of
    // the page through the properties.
    virtual void SubtractPrintMargins(CDC* pDC, CRect& rect);
    virtual void PrintHeaderAndFooter(CDC* pDC, CPrintInfo* pInfo);
    virtual void DrawGridLine(CDC* pDC, int x, int y, int cx, int cy, int nDirection, ROWCOL nClient,
                              UINT mode);
    void DrawRowColBand(CDC* pDC, int nType, ROWCOL nClient, UINT mode);
    void DrawStyleBorders(CDC* pDC, const CRect& rect, const CGXStyle& style);
    void DrawBorderLine(const CGXCellPen& pen, const CRect& rect, int nSide, CDC* pDC,
                        const CGXCellBrush* pInterior);
    void DrawBrushRect(CDC* pDC, const CRect& rect, const CGXCellBrush& brush);
    CFont* LookupFont(const CGXFont& font, int nZoom);
    CBrush* LookupBrush(const CGXCellBrush& brush);
    CPen* LookupPen(const CGXCellPen& pen);
    CDC* AcquireGridDC();
    void ReleaseGridDC();
    BOOL GetLinesOption(BOOL bVertical);
    COLORREF GetPropertiesColor(int nIndex);

    // Window messages: the window forms call these; the keyboard, mouse and message handling
    // answer "not handled" here, so the forms run their default processing.
    virtual BOOL OnGridPreTranslateMessage(MSG* pMsg);
    virtual BOOL OnGridCommand(WPARAM wParam, LPARAM lParam);
    virtual BOOL OnGridKeyMessage(UINT message, WPARAM wParam, LPARAM lParam);
    virtual BOOL OnGridSize(UINT nType, int cx, int cy);
    virtual BOOL OnGridShowWindow(BOOL bShow, UINT nStatus);
    virtual BOOL OnGridSetFocus(CWnd* pOldWnd);
    virtual BOOL OnGridKillFocus(CWnd* pNewWnd);
    virtual BOOL OnGridSetCursor(CWnd* pWnd, UINT nHitTest, UINT message);
    virtual BOOL OnGridMouseMove(UINT nFlags, CPoint point);
    virtual BOOL OnGridButtonDown(UINT message, UINT nFlags, CPoint point);
    virtual BOOL OnGridButtonUp(UINT message, UINT nFlags, CPoint point);
    virtual BOOL OnGridButtonDblClk(UINT message, UINT nFlags, CPoint point);
    virtual BOOL OnGridMouseActivate(CWnd* pDesktopWnd, UINT nHitTest, UINT message, int& nResult);
    virtual BOOL OnGridVScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar);
    void TellControlOfScroll(UINT nMessage, UINT nSBCode, UINT nPos);
    virtual BOOL OnGridHScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar);
    virtual BOOL OnGridTimer(UINT_PTR nIDEvent);
    virtual BOOL OnGridCancelMode();
    virtual BOOL OnGridCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor, HBRUSH& hbr);
    virtual BOOL OnGridDestroy();
    virtual BOOL OnGridSysColorChange();
    virtual BOOL OnGridWinIniChange(LPCTSTR pszSection);
    virtual BOOL OnGridGetDlgCode(UINT& nCode);
    // Focus and activation (GridCoreActivation.cpp).
    virtual BOOL OnActivateGrid(BOOL bActive);
    virtual void DeactivateCurrentCell(BOOL bStore);
    virtual void ResetCurrentCellControl();
    // For a grid window a dialog attached to one of its controls: the scroll-bar modes from the
    // window's style (or the container's shared bars), then the initial update.
    void InitFromWindowStyle();
    // Cell tips (GridCoreCellTips.cpp): a tip shows after the hover time on one cell and goes
    // when the pointer leaves the cell, on a key or a scroll.
    void TrackCellTip(ROWCOL nRow, ROWCOL nCol);
    void HideCellTip();
    virtual LRESULT OnGridNavigate(WPARAM wParam, LPARAM lParam);     // 0x790
    virtual void OnGridProperty(WPARAM wParam);                       // 0x791
    virtual int OnGridMoveCurrentCell(WPARAM wParam, LPARAM lParam);  // 0x792
    virtual LRESULT OnGridActivateCell(WPARAM wParam, LPARAM lParam); // 0x7A3
    virtual void OnGridActivateView(BOOL bActivate, CView* pActivateView, CView* pDeactiveView);
    virtual void OnGridBeginPrinting(CDC* pDC, CPrintInfo* pInfo);
    virtual void OnGridPrint(CDC* pDC, CPrintInfo* pInfo);
    virtual void OnGridEndPrinting(CDC* pDC, CPrintInfo* pInfo);
    // The window forms' message dispatch: plug-ins first, then the engine's operation from the
    // message table, with the form's default processing (fnDefault) before, after or instead of
    // it as the table says.
    LRESULT DispatchGridMessage(UINT message, WPARAM wParam, LPARAM lParam,
                                const std::function<LRESULT()>& fnDefault);
    // Lets the grid's plug-ins see a message first; TRUE when one handled it (lResult its answer).
    BOOL DispatchToPlugins(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& lResult);
    void AddPlugin(CGXPluginComponent* pPlugin);
    // Appends a plug-in (owned) and plugs it into the grid window when that exists.
    void AttachPluginComponent(CGXPluginComponent* pPlugin);
    // The auxiliary plug-in (owned): while enabled it sees mouse moves without capture,
    // pre-translated messages and size changes first.
    void SetAuxiliaryPlugin(CGXPluginComponent* pPlugin, BOOL bEnabled = TRUE);
    // Installers of the components of the grid features that the engine carries itself.
    void InstallAutoScrollPlugin();
    void InstallUpdateHintImp();
    // Installers of the feature library's components (defined with each component).
    void InstallCalcSizeImp();
    void InstallCommandFactory();
    void InstallMoveRowsColsImp();
    void InstallSortImp();
    void InstallUserSelectRangeImp();
    void InstallExcelLikeFrameImp();
    void InstallExcelLikeFillImp();
    void InstallUserDragSelectRangeImp();
    void InstallUserResizeCellsImp();
    void InstallMarkEditHeaderImp();
    void InstallFreezeMenuHelperImp();
    void InstallHideCellsImp();
    void InstallResizeToFitImp();
    void InstallFindReplaceImp();
    void InstallOptimizedUpdateImp();
    void InstallPrintImp();
    void InstallFloatCellsImp();
    void InstallMergeCellsImp();
    void InstallCoveredCellsImp();
    void InstallDrawSpannedCellsImp();
    void InstallOldDrawingImp();
    // Freezing the selected columns (rows) through the freeze component; FALSE (nothing)
    // without it.
    virtual BOOL CanFreezeCols();
    virtual BOOL CanUnfreezeCols();
    virtual void FreezeCols();
    virtual void UnfreezeCols();
    virtual BOOL CanFreezeRows();
    virtual BOOL CanUnfreezeRows();
    virtual void FreezeRows();
    virtual void UnfreezeRows();

    // Implementation
    // Group 1: per-grid components (owned through m_ownedImps), in their fixed order; the
    // auto-scroll plug-in is kept in the plug-in list instead.
    CGXAbstractGridPrintImp* m_pPrintImp = NULL;
    CGXAbstractGridSortImp* m_pSortImp = NULL;
    CGXAbstractGridOldDrawingImp* m_pOldDrawingImp = NULL;
    BOOL m_bOldDrawing = FALSE; // the grid is drawn cell by cell (old-drawing component)
    CGXAbstractGridCoveredCellsImp* m_pCoveredCellsImp = NULL;
    CGXAbstractDrawSpannedCellsImp* m_pDrawSpannedCellsImp = NULL;
    CGXAbstractGridFloatCellsImp* m_pFloatCellsImp = NULL;
    CGXAbstractGridMergeCellsImp* m_pMergeCellsImp = NULL;
    CGXAbstractCommandFactory* m_pUndoImp = NULL;
    CGXAbstractCalcSizeImp* m_pCalcSizeImp = NULL;
    CGXAbstractGridUpdateHintImp* m_pUpdateHintImp = NULL;
    CGXAbstractGridResizeToFitImp* m_pResizeToFitImp = NULL;
    CGXAbstractGridHideCellsImp* m_pHideCellsImp = NULL;
    CGXAbstractGridFindReplaceImp* m_pFindReplaceImp = NULL;
    CGXAbstractGridUserSelectRangeImp* m_pUserSelectRangeImp = NULL;
    CGXAbstractGridExcelLikeFrameImp* m_pExcelLikeFrameImp = NULL;
    CGXAbstractGridExcelLikeFillImp* m_pExcelLikeFillImp = NULL;
    CGXAbstractGridUserDragSelectRangeImp* m_pUserDragSelectRangeImp = NULL;
    CGXAbstractGridMoveRowsColsImp* m_pMoveRowsColsImp = NULL;
    CGXAbstractGridUserResizeCellsImp* m_pUserResizeCellsImp = NULL;
    CGXAbstractGridOptimizedUpdateImp* m_pOptimizedUpdateImp = NULL;
    CGXAbstractGridMarkEditHeaderImp* m_pMarkEditHeaderImp = NULL;
    CGXAbstractGridFreezeMenuHelperImp* m_pFreezeMenuHelperImp = NULL;
    CGXAbstractGridDirectCopyMoveCellsImp* m_pDirectCopyMoveCellsImp = NULL;
    CGXAbstractGridTextDataExchangeImp* m_pTextDataExchangeImp = NULL;
    CGXAbstractGridStyleDataExchangeImp* m_pStyleDataExchangeImp = NULL;
    CGXAbstractGridCutPasteImp* m_pCutPasteImp = NULL;
    CGXAbstractGridClearCellsImp* m_pClearCellsImp = NULL;
    CGXAbstractGridRangeNameImp* m_pRangeNameImp = NULL;
    CGXAbstractGridPrepareRedrawImp* m_pPrepareRedrawImp = NULL; // nothing installs it
    CObject* m_pExtraObject = NULL;                              // deleted at destruction, not a component
    CPtrList m_ownedImps;

    CGXAppData* m_pAppData;
    CWnd* m_pGridWnd;
    CDocument* m_pGridDoc;
    BOOL m_bIsViewContext;
    BOOL m_bUpdateDoc = FALSE;
    UINT m_nGridId; // a hint addressed to another grid's id is ignored
    CObList m_deleteList;

    CGXStyle* m_pStyleValue = NULL;
    CGXStyle* m_pStyleGetValue = NULL;
    CGXStyle* m_pStyleScratch3 = NULL;
    CRuntimeClass* m_pStyleClass = NULL;

    BOOL m_bDisableScrollCellInView = FALSE;
    DWORD m_dwVScrollMode = 0, m_dwHScrollMode = 0;
    BOOL m_bLockScrollbars = FALSE, m_bInUpdateScrollbars = FALSE, m_bScrollRangeSet = FALSE;
    ROWCOL m_nLastSBRowCount = 0, m_nLastSBColCount = 0;

    CGXControl* m_pDefaultControl = NULL;
    CGXControl* m_pLastControl = NULL;
    WORD m_nLastControlId = 0;
    CMapPtrToPtr m_ControlMap; // control id -> CGXControl*

    CObList m_pluginList; // owned
    CRuntimeClass* m_pDataClass;

    CGXMapByte8ToPtr* m_pFontMap = NULL;
    CGXMapByte8ToPtr* m_pBrushMap = NULL;
    CGXMapByte8ToPtr* m_pPenMap = NULL;
    BOOL m_bKeepGDICache = FALSE, m_bKeepAllCaches = FALSE;
    CMapPtrToPtr m_cellObjects; // (row << 16 | col) -> CObject*, owned

    CGXStyle* m_pStyleStandard = NULL;
    CGXStyle* m_pStyleRowHeader = NULL;
    CGXStyle* m_pStyleColHeader = NULL;

    int m_nZoom = 100;
    ROWCOL m_nCurrentRow = 0, m_nCurrentCol = 0;
    BOOL m_bCurrentCellValid = FALSE;
    ROWCOL m_nTopRow = 1, m_nLeftCol = 1;
    DWORD m_nVScrollFactor = 2, m_nHScrollFactor = 2;
    BOOL m_bInitDone = FALSE;
    CGXGridParam* m_pParam = NULL;
    BOOL m_bOwnParam = FALSE;

    // Automatic scrolling, run by the auto-scroll plug-in on timer 992. Direction -1 follows the
    // mouse (rows and columns as the two flags allow); keyboard mode repeats a key instead.
    BOOL m_bAutoScroll = FALSE;
    int m_nAutoScrollDirection = -1;
    ROWCOL m_nAutoScrollStep = 0;
    int m_nAutoScrollCounter = 0;
    UINT_PTR m_nAutoScrollTimer = 0;
    BOOL m_bAutoScrollStart = FALSE; // set by BeginAutoScroll, cleared by the first tick
    BOOL m_bAutoScrollCapture = FALSE;
    BOOL m_bAutoScrollVert = TRUE, m_bAutoScrollHorz = TRUE;
    BOOL m_bAutoScrollByKey = FALSE; // keyboard mode
    UINT m_nAutoScrollKey = 0;       // the repeated key and its key data
    LPARAM m_nAutoScrollKeyData = 0;
    BOOL m_bKeyAutoRepeat = TRUE;        // held arrow and page keys repeat
    BOOL m_bScrollbarAutoRepeat = TRUE;  // a held scroll-bar arrow repeats
    BOOL m_bAutoScrollInstalled = FALSE; // set by the auto-scroll plug-in
    // Undo and redo.
    BOOL m_bBlockCmd = FALSE;            // a block of commands executes
    BOOL m_bDeferredCellPending = FALSE; // a command's cell to show when the block ends
    BOOL m_bDeferredMakeCurrent = FALSE;
    ROWCOL m_nDeferredRow = 0, m_nDeferredCol = 0;
    CString m_strTransactionName; // of the outermost open transaction
    CString m_strUndoMenuFormat, m_strRedoMenuFormat;
    BOOL m_bDragSelectInProgress = FALSE; // set by the drag-select component while it drags
    CGXPluginComponent* m_pAuxPlugin = NULL;
    BOOL m_bAuxPluginEnabled = FALSE;

    BOOL m_bPrinting = FALSE;
    CRect m_rectPrinting;
    ROWCOL m_nPrintTopRow = 1, m_nPrintLeftCol = 1;
    // The pagination of the last print: first rows (columns) of the page rows (columns), closed
    // by one past the last printed row (column); the page row and column of the top-left cell.
    CDWordArray m_awPageFirstRow, m_awPageFirstCol;
    ROWCOL m_nPageRow = 0, m_nPageCol = 0;
    int m_cxFrame, m_cyFrame, m_cxBorder, m_cyBorder;
    HCURSOR m_hcurArrow;
    ROWCOL m_nLastVisibleRow = (ROWCOL)-1, m_nLastVisibleCol = (ROWCOL)-1;
    ROWCOL m_nLastVisibleTopRow = 0, m_nLastVisibleLeftCol = 0;
    BOOL m_bLastVisibleRowPartial = FALSE, m_bLastVisibleColPartial = FALSE;

    // Painting state.
    int m_nPaintMode = 1;
    BOOL m_bDrawOuterFrame = FALSE;
    BOOL m_bRefreshOnlyUpdatedCells = FALSE;
    BOOL m_bSuppressedPaint = FALSE;
    BOOL m_bLayoutChanged = FALSE;
    BOOL m_bPaintRequested = FALSE;
    BOOL m_bBackgroundPending = FALSE;
    BOOL m_bDrawingSpan = FALSE;
    BOOL m_bForceInvert = FALSE;
    BOOL m_bActiveFrame = FALSE;     // the grid window has the focus
    BOOL m_bLockedKillFocus = FALSE; // set by the view while the engine loses the focus
    BOOL m_bLimitToWindow = FALSE;
    BOOL m_bSuspendUpdate = FALSE;
    BOOL m_bStoringStyles = FALSE;
    BOOL m_bStopAtValue = FALSE;
    int m_nDefaultStyleType;
    BOOL m_bHoldCurrentCellStyle = FALSE;
    BOOL m_bFrozenRowsOff = FALSE, m_bFrozenColsOff = FALSE, m_bFrozenOffWhilePrinting = FALSE;
    int m_nCharWidth = 10, m_nCharHeight = 15;
    int m_nPrintCharWidth = 10, m_nPrintCharHeight = 15;
    int m_nHitTolerance = 8;
    BOOL m_bDragDropEnabled = FALSE;
    UINT m_nForcedCursor = 0;
    UINT m_nTrackingPenStyle = PS_DOT;
    CRect m_rectPreset; // forced drawing rectangle when not empty
    CGXDrawingContext* m_pDrawContext = NULL;
    int m_nDrawContextNesting = 0;
    CMapPtrToPtr m_styleCache; // key: row << 32 | col folded into a pointer, value CGXStyle*
    CPtrList m_freeStyles;     // at most maxFreeStyles recycled styles
    CGXStyle* m_pCurrentCellStyle = NULL;
    CGXControl* m_pCurrentCellControl = NULL;
    BOOL m_bCurrentCellStyleValid = FALSE;
    CPtrList m_excludedRects; // CRect*, owned
    CObList m_deleteAtFlush;
    CClientDC* m_pGridDC = NULL;
    CFont* m_pGridDCOldFont = NULL;
    CString m_strWarningText;
    BOOL m_bMovingCell = FALSE;    // inside MoveCurrentCellBy
    BOOL m_bEnteredByMove = FALSE; // TransferCurrentCell keeps the cached current style
    BOOL m_bStoringCell = FALSE;   // the old current cell is being stored
    BOOL m_bInterrupted = FALSE;   // a warning or a focus loss interrupted a change
    BOOL m_bRefusedDeactivate = FALSE;
    BOOL m_bLockFocusHandler = FALSE;
    // Drop-down lists of cell controls: a list is open, one is being created and placed, the
    // list holds the focus, and cells are drawn without the active-cell path.
    BOOL m_bDropDownOpen = FALSE;
    BOOL m_bCreatingDropDown = FALSE;
    BOOL m_bListFocus = FALSE;
    BOOL m_bDrawingInactive = FALSE;
    // An object viewer of a cell: being shown, just shown, and the focus went outside the grid.
    BOOL m_bViewerPopup = FALSE;
    BOOL m_bAfterViewerPopup = FALSE;
    BOOL m_bFocusLeftGrid = FALSE;
    HWND m_hLastFocusWnd = NULL;         // the window that had the focus before the grid
    ROWCOL m_nTipRow = 0, m_nTipCol = 0; // the cell the pointer rests on for a tip (0: none)
    BOOL m_bTipShown = FALSE;
    enum
    {
        tipTimerId = 993
    };
    BOOL m_bLostFocus = FALSE;
    UINT m_nDbcsLeadKey = 0;
    WORD m_nHitState = 0;   // button state of the running mouse sequence
    UINT m_nMouseFlags = 0; // MK_ flags of its press
    ROWCOL m_nHitRow = 0, m_nHitCol = 0, m_nLastHitRow = 0, m_nLastHitCol = 0;
    BOOL m_bMouseMoved = FALSE;
    int m_nMouseMargin = 0;
    BOOL m_bAutoScrollOnDrag = TRUE;
    BOOL m_bAutoScrollStop = FALSE;
    CSize m_sizeLastClient = CSize(0, 0); // client size at the last WM_SIZE, 0 when forgotten
    CRect m_rectLastWnd;
    BOOL m_bLastFrameZoomed = FALSE;
    CGXCellRange m_lastSelectedRange;
    // The selection range the user is building (NULL: none), where it started and the cell it
    // last reached. While the mouse drags a selection, bit 2 of m_nHitState is set and the
    // evaluation of floating and merged cells waits.
    POSITION m_posSelBuild = NULL;
    ROWCOL m_nSelAnchorRow = 0, m_nSelAnchorCol = 0;
    ROWCOL m_nSelReachedRow = 0, m_nSelReachedCol = 0;
    BOOL m_bFloatEvalSuspended = FALSE, m_bMergeEvalSuspended = FALSE;
    SpanRowCache m_floatRowCache, m_mergeRowCache; // styles of the row a span pass walks
    BOOL m_bRecalcCollecting = FALSE;              // blocks being changed are already told to the data object
    ROWCOL m_nSearchStartRow = 0;                  // the row a search started from
    BOOL m_bSearchAborted = FALSE;                 // the user ended the last search with Esc
    // The Excel-like frame: its range (made concrete), kind (0 cells or table, 2 rows, 7 columns),
    // whether the screen shows it, and its hidden state.
    CGXCellRange m_rangeExcelFrame;
    int m_nExcelFrameKind = 0;
    BOOL m_bExcelFrameDrawn = FALSE;
    BOOL m_nExcelFrameHidden = FALSE;
    // Dragging selected rows or columns (m_bDragSelectInProgress is its mark): kind 1 columns,
    // 2 rows; the last target; the drop line; the two drawing flags set while it drags (nothing
    // in the engine reads them).
    int m_nDragSelectKind = 0;
    ROWCOL m_nDragTargetRow = 0, m_nDragTargetCol = 0;
    CGXDragLineWnd* m_pDragLineWnd = NULL;
    BOOL m_bDragDrawFlag1 = FALSE, m_bDragDrawFlag2 = FALSE;
    // Interactive resizing: the tracking state, the five feedback switches chosen at its start
    // and the drawing flag of live resizing.
    struct ResizeTracking
    {
        BOOL bTracking = FALSE, bMoved = FALSE;
        int nKind = 0; // 1 row, 2 column
        ROWCOL nRow = 0, nCol = 0;
        CRect rectFixedEdge, rectStartEdge, rectLine, rectDraw, rectCell;
        int nStartSize = 0;
        BOOL bHadOwnSize = FALSE, bWasHidden = FALSE;
        LONG nOwnStored = 0; // the map entry it had
        BOOL bLive = FALSE, bHeaderPreview = FALSE, bLineWnd = FALSE, bInvertLine = FALSE,
             bHeaderRepaint = FALSE;
        CGXDragLineWnd* pLineWnd = NULL;
    } m_resize;
    BOOL m_bResizeTrackingDraw = FALSE;
    // Clipboard options: 0x0008 text, 0x0010 styles (the default writes and reads both).
    DWORD m_nClipboardFlags = 0x0018;
    CString m_sCopySeparator;   // written between cells; TAB when empty
    CString m_sPasteSeparators; // each character ends a field; TAB when empty
    ROWCOL m_nLastCopiedRows = 0, m_nLastCopiedCols = 0;

    enum
    {
        maxFreeStyles = 501
    };

  private:
    // Draws a pass cell by cell with the engine's cell, line and outer-area steps.
    friend class CGXGridOldDrawingImp;
    void ReleaseParamObject();
    void FreeExcludedRects();
    void ForgetBaseStyles();
    void* StyleCacheKey(ROWCOL nRow, ROWCOL nCol) const;
    void PaintBody(CDC* pDC, const CRect& rectPaint, BOOL bBuffered);
    void FlagCell(CGXDrawingContext& ctx, ROWCOL r, ROWCOL c);
    void DrawRowBackground(CGXDrawingContext& ctx, ROWCOL r, ROWCOL nFirst);
    void DrawContextCell(CGXDrawingContext& ctx, ROWCOL r, ROWCOL c);
    void DrawLineRuns(CGXDrawingContext& ctx, BOOL bVertical, ROWCOL nIndex);
    void DrawOuterArea(CGXDrawingContext& ctx);
    // Inverts the pass's cells flagged selected (when the pass paints the selection inverted).
    void DrawInvertedSelection(CGXDrawingContext& ctx);
    void PaintExcelFrame(CDC* pDC, const CRect& rectPaint, BOOL bFrameDrawn);
};

// Process-wide count of users of the grid DC; while positive the DC is kept.
extern int g_nGridDCUsers;
