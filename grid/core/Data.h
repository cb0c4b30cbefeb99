// The default store of a grid's contents: row and column counts and the styles stored for
// single cells, whole rows and whole columns. Reached only through the parameter object and
// its virtual operations, so that a formula-capable data object can take its place.
#pragma once
#include "grid/core/CellRange.h"
#include "grid/core/StylePtrArray.h"
#include <memory>

class CGXGridParam;

class CGXData : public CObject
{
    DECLARE_SERIAL(CGXData)

  public:
    // Construction
    CGXData();
    ~CGXData() override;
    CGXData& operator=(const CGXData& src);

    // Overridables
    void Serialize(CArchive& ar) override;
    virtual void DeleteContents();
    virtual void CopyFrom(const CGXData& src);
    virtual void InitParamObject(CGXGridParam* pParam);
    virtual ROWCOL QueryRowCount() const;
    virtual ROWCOL QueryColumnCount() const;
    virtual BOOL ResizeRowCount(ROWCOL nRows);
    virtual BOOL ResizeColumnCount(ROWCOL nCols);
    virtual BOOL InsertRows(ROWCOL nRow, ROWCOL nCount);
    virtual BOOL InsertCols(ROWCOL nCol, ROWCOL nCount);
    virtual BOOL RemoveRows(ROWCOL nFirst, ROWCOL nLast);
    virtual BOOL RemoveCols(ROWCOL nFirst, ROWCOL nLast);
    virtual BOOL MoveRows(ROWCOL nFirst, ROWCOL nLast, ROWCOL nDest);
    virtual BOOL MoveCols(ROWCOL nFirst, ROWCOL nLast, ROWCOL nDest);
    virtual BOOL CopyCells(const CGXCellRange& range, ROWCOL nDestRow, ROWCOL nDestCol);
    // As the data copy and move component's MoveCells.
    virtual BOOL MoveCells(const CGXCellRange& range, ROWCOL nDestRow, ROWCOL nDestCol, CObject*& pUndoInfo,
                           BOOL bCreateUndoInfo, int nReserved = 0);
    // nType -1: the row style (row > 0) or, with row 0, the column style; otherwise the cell.
    virtual BOOL StoreStyleRowCol(ROWCOL nRow, ROWCOL nCol, const CGXStyle* pStyle, GXModifyType mt,
                                  int nType);
    // As StoreStyleRowCol with gxOverride, for a style built for this one store (a workbook read
    // builds one per cell): the data object takes it over, keeping it as it is where nothing is
    // stored yet instead of making a copy. Deletes it otherwise.
    virtual BOOL AdoptStyleRowCol(ROWCOL nRow, ROWCOL nCol, CGXStyle* pStyle, int nType);
    virtual BOOL GetStyleRowCol(ROWCOL nRow, ROWCOL nCol, CGXStyle& style, GXModifyType mt, int nType);
    virtual BOOL ReorderRows(const CDWordArray& awOrder, ROWCOL nFirst);
    virtual BOOL ReorderCols(const CDWordArray& awOrder, ROWCOL nFirst);

    // Hooks of formula-capable data objects (the formula sheet overrides them); the plain
    // data object has no formulas, so they do nothing and answer 0.
    // TRUE when the cell holds a formula whose value is not current.
    virtual BOOL IsCellChanged(ROWCOL nRow, ROWCOL nCol);
    virtual void SetCellChanged(ROWCOL nRow, ROWCOL nCol, BOOL bChanged);
    virtual void AddRecalcRange(const CGXCellRange& range);
    virtual void Recalc(BOOL bForce);
    // TRUE when Recalc can change what cells show.
    virtual BOOL EvaluatesFormulas() const;
    // Holds recalculation while many cells are stored one by one (a workbook read, a paste):
    // TRUE holds, FALSE releases; the last release recalculates once what the stores changed.
    virtual void HoldRecalc(BOOL bHold);
    virtual BOOL SetReportNextError(BOOL bReport);
    virtual BOOL GetLastErrorText(CString& strError);
    // Collected undo information of cell changes (a CGXUndoEngineCellsInfo), given away.
    virtual CObject* DetachUndoInfo();
    // TRUE when applying needs a re-evaluation.
    virtual BOOL ApplyUndoInfo(CObject* pUndoInfo, BOOL bRecordUndo, BOOL bBefore);
    // Switches the collection of undo information; returns the previous setting.
    virtual BOOL SetKeepUndoInfo(BOOL bKeep);
    virtual BOOL SetRangeName(LPCTSTR pszName, const CGXCellRange& range, CObject* pUndoInfo);
    virtual BOOL GetRangeName(LPCTSTR pszName, CGXCellRange& range);
    virtual BOOL DeleteRangeName(LPCTSTR pszName, CObject*& pUndoInfo, BOOL bKeep);

    // Operations
    BOOL StoreValueRowCol(ROWCOL nRow, ROWCOL nCol, LPCTSTR pszValue, GXModifyType mt, int nType,
                          CGXStyle* pStyle = NULL);

    // Implementation
    ROWCOL m_nRows;
    ROWCOL m_nCols;
    CGXStylePtrArray m_apaRowStyles;
    CGXStylePtrArray m_apaColStyles;
    CGXStylePtrArrayPtrArray m_apapCellStyle;
    CGXStyle m_styleScratch1; // emptied by IsFormulaCell
    CGXStyle m_styleScratch2; // carries values stored without a style

    // Re-evaluation state the engine reads and clears before each re-evaluation.
    enum
    {
        formulaError = 4 // an evaluation failed; the text is in m_strFormulaError
    };
    BYTE m_nFormulaFlags = 0;
    CString m_strFormulaError;

  private:
    // pOwned: the style itself, given over to be kept instead of a copy (or NULL).
    BOOL StoreStyle(ROWCOL nRow, ROWCOL nCol, const CGXStyle* pStyle, GXModifyType mt, int nType,
                    std::unique_ptr<CGXStyle>* pOwned);
    CGXData(const CGXData&) = delete;
};
