// Everything that describes a grid apart from the window showing it: data object, base
// styles, properties, sizes, covered cells, undo lists and behaviour options. Shared by the
// views of one grid; each sub-object is deleted with it only when it owns it.
#pragma once
#include "grid/core/CollMapDWordToLong.h"
#include "grid/core/Properties.h"
#include "grid/core/RangeList.h"
#include "grid/core/StylesMap.h"
#include "MapStringToString.h"
#include <map>

class CGXGridParam : public CObject
{
    DECLARE_SERIAL(CGXGridParam)

  public:
    // Construction
    CGXGridParam();
    ~CGXGridParam() override;

    // Operations
    void SetPropertiesObject(CGXProperties* pProperties, BOOL bAutoDelete = TRUE);
    CGXProperties* GetProperties() const
    {
        return m_pProperties;
    }
    void SetStylesMapObject(CGXStylesMap* pStylesMap, BOOL bAutoDelete = TRUE);
    CGXStylesMap* GetStylesMap() const
    {
        return m_pStylesMap;
    }
    void SetDataObject(CGXData* pData, BOOL bAutoDelete = TRUE);
    CGXData* GetData() const
    {
        return m_pData;
    }
    void SetPrintDeviceObject(CObject* pPrintDevice, BOOL bAutoDelete = TRUE);
    CObject* GetPrintDevice() const
    {
        return m_pPrintDevice;
    }

    CObList& GetUndoList()
    {
        return m_UndoList;
    }
    CObList& GetRedoList()
    {
        return m_RedoList;
    }
    void ClearUndoList();
    void ClearRedoList();
    void SetUndoEnabled(BOOL b)
    {
        m_bUndoEnabled = b;
    }
    BOOL IsUndoEnabled() const
    {
        return m_bUndoEnabled;
    }

    void SetRowSizingFlags(WORD w)
    {
        m_wRowSizingFlags = w;
    }
    void SetColSizingFlags(WORD w)
    {
        m_wColSizingFlags = w;
    }
    BOOL TestSelectionFlags(WORD wMask) const
    {
        return (m_wSelectionFlags & wMask) != 0;
    }
    BOOL TestRowSizingFlags(WORD wMask) const
    {
        return (m_wRowSizingFlags & wMask) != 0;
    }
    BOOL TestColSizingFlags(WORD wMask) const
    {
        return (m_wColSizingFlags & wMask) != 0;
    }
    BOOL TestMouseCurrentCellFlags(WORD wMask) const
    {
        return (m_wMouseCurrentCellFlags & wMask) != 0;
    }

    void CreateCoveredCellPool();
    void RebuildCoveredCellPool();
    CObject* GetCoveredCellPool() const
    {
        return m_pCoveredCellPool;
    }

    void CopyFrom(const CGXGridParam& src);

    // Overridables
    void Serialize(CArchive& ar) override;

    // Implementation
    CGXAppData* m_pAppData;
    CGXProperties* m_pProperties = NULL;
    BOOL m_bOwnProperties = FALSE;
    CGXStylesMap* m_pStylesMap = NULL;
    BOOL m_bOwnStylesMap = FALSE;
    CGXData* m_pData = NULL;
    BOOL m_bOwnData = FALSE;
    CObject* m_pPrintDevice = NULL;
    BOOL m_bOwnPrintDevice = FALSE;

    // Sizes in thousandths of the grid's row-size and column-size units.
    CGXMapDWordToLong m_RowHeights;
    CGXMapDWordToLong m_ColWidths;
    LONG m_nDefaultRowHeight = 1200;
    LONG m_nDefaultColWidth = 10000;

    ROWCOL m_nFrozenRows = 0, m_nFrozenCols = 0;
    ROWCOL m_nHeaderRows = 0, m_nHeaderCols = 0;
    BOOL m_bReadOnly = FALSE;
    BOOL m_bLockReadOnly = TRUE; // a read-only grid also refuses structure changes
    BOOL m_bUndoEnabled = TRUE;
    int m_nTransactionLevel = 0;      // open transactions
    BOOL m_bTransactionBlock = FALSE; // the outermost one put a block into the undo list
    CObList m_UndoList;
    CObList m_RedoList;
    DWORD m_nUndoPosition = 0;
    WORD m_wSelectionFlags = 255;
    BOOL m_bDragSelection = TRUE;     // selected columns can be dragged by their headers
    BOOL m_bDragSelectionRows = TRUE; // likewise selected rows
    BOOL IsDragSelectionEnabled() const
    {
        return m_bDragSelection;
    }
    WORD m_wRowSizingFlags = 0xB2;
    WORD m_wColSizingFlags = 0xB2;
    int m_nMinTrackRowHeight = 0, m_nMinTrackColWidth = 0; // pixels interactive resizing keeps at least
    WORD m_wMouseCurrentCellFlags = 0;
    WORD m_wFloatCellsMode = 0;
    WORD m_wMergeCellsMode = 0;
    ROWCOL m_nCurrentRow = 1, m_nCurrentCol = 1;

    CGXRangeList m_CoveredCellsList;
    CObject* m_pCoveredCellPool = NULL;
    // Span pools of floating and merged cells (owned; made by their components).
    CObject* m_pFloatCellsPool = NULL;
    CObject* m_pDelayedFloatCellsPool = NULL;
    CObject* m_pPrintFloatCellsPool = NULL;
    CObject* m_pPrintDelayedFloatCellsPool = NULL;
    CObject* m_pHorzMergeCellsPool = NULL;
    CObject* m_pVertMergeCellsPool = NULL;
    CObject* m_pDelayedMergeCellsPool = NULL;
    // Both kept in step with row and column insertions and removals.
    CGXRangeList m_SelectedRanges;
    CGXRangeList m_CopiedRanges;               // marked by a pending cut
    CGXRangeList m_RecalcRangeList;            // cells waiting for re-evaluation
    CByteArray m_abHiddenRows, m_abHiddenCols; // one bit per row or column
    // Lookup tables of multi-column choice lists shared by every cell of one choice-list id
    // (owned): key field to line and text field to line. The generation rises whenever tables
    // are dropped, so cells know their filled lists are stale.
    std::map<int, CMapStringToString*> m_mapChoiceKeyTables, m_mapChoiceTextTables;
    int m_nChoiceTableGeneration = 0;
    // Drops the tables of one choice-list id (-1: all) and raises the generation.
    void DropChoiceTables(int nChoiceId);
    CMapPtrToPtr m_mapPointers;

    BOOL m_bRedrawLocked = FALSE;
    BOOL m_bMirroredLayout = FALSE; // spans take their lines and borders from the right and bottom
    BOOL m_bOldDrawing = FALSE;     // the grid is drawn cell by cell (old-drawing component)
    BOOL m_bZoomOff = FALSE;
    // From the library defaults: where a cell's grid lines lie (0 on its left and top edge,
    // 1 on its right and bottom edge) and the grid lines' pen style (PS_SOLID ...).
    BOOL m_nLinePosition = FALSE;
    UINT m_nGridLineStyle = PS_SOLID;

    // Behaviour options (defaults as the constructor sets them).
    BOOL m_bNumberedColHeaders = TRUE; // column headers show letters ("A", "B", ...)
    BOOL m_bNumberedRowHeaders = TRUE; // row headers show row numbers
    int m_nMaxUndoTransactions = 100;
    // Undo information of removed rows and columns: 1 their base styles, 2 their cell styles.
    WORD m_wUndoInfoFlags = 3, m_wColHeaderSelect = 3;
    WORD m_wActivateFlags = 1; // 4: activate the current cell's control at once
    BOOL m_bThumbTrack = TRUE;
    BOOL m_bImmediateUpdate = TRUE;
    BOOL m_bClickActivation = TRUE;
    int m_nDropDownHeight = 100;        // pixels a cell's drop-down list may take at most
    BOOL m_bInvertSelection = TRUE;     // the selection is painted inverted
    WORD m_wCurrentCellInSelection = 2; // 1: the current cell is inverted with the selection
    WORD m_wMarkerVisibility = 0;       // 0 always, 2 only with the focus, else never
    int m_nUndoLimit = 512;             // commands the undo list keeps before dropping the oldest
    WORD m_wEnterKeyAction = 4;         // move direction after Enter, 0 none
    WORD m_wDeleteHandling = 0;         // 0: Delete empties the cell in its edit control
    BOOL m_bScrollBeforeMove = TRUE;
    BOOL m_bSelectCurrentCell = FALSE; // the selection follows the current cell
    int m_nLastSortRow = -1,
        m_nLastSortCol = -1; // key row of the last column sort, key column of the last row sort
    BOOL m_bLastSortAscending = TRUE;
    BOOL m_bSortRowsOnDblClk = FALSE; // a double click on a column header sorts the rows
    BOOL m_bSortColsOnDblClk = FALSE; // a double click on a row header sorts the columns
    CString m_sWindowSetting;         // the grid's text: printed for "$R", names the grid's window
    CString m_sSheetName;             // the grid's sheet name in a workbook
    BOOL m_bSheetNameEditable = TRUE; // the user may rename the grid's sheet tab (message 0x790)

    BOOL m_bTransparentBackground = FALSE;
    int m_nPreComposeStyles = 0; // 1: every visible cell is composed before flagging
    BOOL m_bFrameCurrentCellInSelection = FALSE;
    BOOL m_bHideMarker = FALSE;
    BOOL m_bNoFrozenLineAdjust = FALSE; // GetCellRect keeps the last frozen cell's edge
    BOOL m_bProtectReadOnly = TRUE;     // read-only cells refuse stores
    BOOL m_bDirectCopy = FALSE;         // a paste in the same grid copies cells with their styles
    BOOL m_bDirectCut = FALSE;          // a cut marks the cells; the next paste moves them
    BOOL m_bCutPending = FALSE;
    CGXRangeList m_PendingRanges; // rows repainted in partial-refresh mode
    WORD m_wDisplayFlags = 0;     // 2: cells show their stored value texts
    BOOL m_bExcelLikeFill = FALSE;
    BOOL m_bInitialized = FALSE;
    CObList m_deleteWithGrid;
    BOOL m_bExcelLikeFrame = FALSE;
    // The block the freeze commands froze: its first index, its count and where it stood before.
    struct FreezeRecord
    {
        ROWCOL nFirst = 0, nCount = 0, nFormer = 0;
    };
    FreezeRecord m_freezeCols, m_freezeRows;
    BOOL m_bKeepSelectionOnRelease = FALSE; // a plain click keeps no selection but ends it only
    BOOL m_bMarkHeadersOnSelection = FALSE; // every selection change repaints the headers
    BOOL m_bSpreadsheetHeaders = FALSE;     // headers of selected rows and columns raised and bold
    // Rows (columns) that came or went renumber the row (column) headers after them.
    BOOL m_bRefreshRowHeaders = TRUE, m_bRefreshColHeaders = TRUE;
    // Options the archive keeps for other versions of the library; nothing here reads them.
    BYTE m_abReservedOptions[3] = {};
    WORD m_wReservedOption = 0;
    BOOL m_bReservedOption1 = FALSE, m_bReservedOption2 = FALSE;

  private:
    CGXGridParam(const CGXGridParam&) = delete;
    CGXGridParam& operator=(const CGXGridParam&) = delete;
};
