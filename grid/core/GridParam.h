// Everything that describes a grid apart from the window showing it: data object, base
// styles, properties, sizes, covered cells, undo lists and behaviour options. Shared by the
// views of one grid; each sub-object is deleted with it only when it owns it.
#pragma once
#include "grid/core/CollMapDWordToLong.h"
#include "grid/core/Properties.h"
#include "grid/core/RangeList.h"
#include "grid/core/StylesMap.h"

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
    CObList m_UndoList;
    CObList m_RedoList;
    DWORD m_nUndoPosition = 0;
    WORD m_wSelectionFlags = 255;
    BOOL m_bDragSelection = TRUE;
    WORD m_wRowSizingFlags = 0xB2;
    WORD m_wColSizingFlags = 0xB2;
    WORD m_wMouseCurrentCellFlags = 0;
    WORD m_wFloatCellsMode = 0;
    WORD m_wMergeCellsMode = 0;
    ROWCOL m_nCurrentRow = 1, m_nCurrentCol = 1;

    CGXRangeList m_CoveredCellsList;
    CObject* m_pCoveredCellPool = NULL;
    CObject* m_pSpanPools[4] = {}; // float spans on screen and printing, merge spans (owned)
    CGXRangeList m_RangeList1;     // kept in step with row and column insertions and removals
    CGXRangeList m_RangeList2;
    CGXRangeList m_RecalcRangeList; // cells waiting for re-evaluation
    CByteArray m_abBytes1, m_abBytes2;
    CObArray m_aObjects1, m_aObjects2; // owned
    CMapPtrToPtr m_mapPointers;

    BOOL m_bRedrawLocked = FALSE;
    BOOL m_bZoomOff = FALSE;
    BOOL m_bDrawOption1 = FALSE, m_bDrawOption2 = FALSE; // from the library defaults
    BOOL m_bExcelLikeFrame = FALSE;

  private:
    CGXGridParam(const CGXGridParam&) = delete;
    CGXGridParam& operator=(const CGXGridParam&) = delete;
};
