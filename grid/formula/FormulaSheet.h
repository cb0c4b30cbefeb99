// The data object of a grid with formulas: every cell, value and style, lives in one engine
// sheet; row and column styles stay with CGXData. Turns typed text into formulas, numbers or
// texts, answers style requests with value texts, drives recalculation, keeps references right
// through structure changes, collects undo information and stores itself in documents.
#pragma once
#include "grid/core/Data.h"
#include "grid/formula/CellStore.h"

class CGXUndoEngineCellsInfo;
class CGXStylesMap;

class CGXFormulaSheet : public CGXData
{
    DECLARE_SERIAL(CGXFormulaSheet)

  public:
    // Construction
    CGXFormulaSheet();
    ~CGXFormulaSheet() override;

    // Overridables of CGXData
    void Serialize(CArchive& ar) override;
    void DeleteContents() override;
    // Copies another data object: a formula sheet cell by cell, a plain CGXData by turning its
    // stored cells into engine cells.
    void CopyFrom(const CGXData& src) override;
    void InitParamObject(CGXGridParam* pParam) override;
    BOOL InsertRows(ROWCOL nRow, ROWCOL nCount) override;
    BOOL InsertCols(ROWCOL nCol, ROWCOL nCount) override;
    BOOL RemoveRows(ROWCOL nFirst, ROWCOL nLast) override;
    BOOL RemoveCols(ROWCOL nFirst, ROWCOL nLast) override;
    BOOL MoveRows(ROWCOL nFirst, ROWCOL nLast, ROWCOL nDest) override;
    BOOL MoveCols(ROWCOL nFirst, ROWCOL nLast, ROWCOL nDest) override;
    BOOL CopyCells(const CGXCellRange& range, ROWCOL nDestRow, ROWCOL nDestCol) override;
    BOOL MoveCells(const CGXCellRange& range, ROWCOL nDestRow, ROWCOL nDestCol, CObject*& pUndoInfo,
                   BOOL bCreateUndoInfo, int nReserved) override;
    BOOL StoreStyleRowCol(ROWCOL nRow, ROWCOL nCol, const CGXStyle* pStyle, GXModifyType mt,
                          int nType) override;
    BOOL AdoptStyleRowCol(ROWCOL nRow, ROWCOL nCol, CGXStyle* pStyle, int nType) override;
    BOOL GetStyleRowCol(ROWCOL nRow, ROWCOL nCol, CGXStyle& style, GXModifyType mt, int nType) override;
    BOOL ReorderRows(const CDWordArray& awOrder, ROWCOL nFirst) override;
    BOOL ReorderCols(const CDWordArray& awOrder, ROWCOL nFirst) override;
    // Whether the cell changed since the grid showed it (a formula: also when not current).
    BOOL IsCellChanged(ROWCOL nRow, ROWCOL nCol) override;
    void SetCellChanged(ROWCOL nRow, ROWCOL nCol, BOOL bChanged) override;
    void AddRecalcRange(const CGXCellRange& range) override;
    void Recalc(BOOL bForce) override;
    BOOL EvaluatesFormulas() const override;
    void HoldRecalc(BOOL bHold) override;
    // TRUE: the next error or constraint violation is reported. Returns the previous setting.
    BOOL SetReportNextError(BOOL bReport) override;
    BOOL GetLastErrorText(CString& strText) override;
    CObject* DetachUndoInfo() override;
    // Puts saved cells back: those that go before a structure change is undone (bBefore) or,
    // afterwards, all. bKeep collects what they displace for the way back.
    BOOL ApplyUndoInfo(CObject* pInfo, BOOL bKeep, BOOL bBefore) override;
    BOOL SetKeepUndoInfo(BOOL bKeep) override;
    BOOL SetRangeName(LPCTSTR pszName, const CGXCellRange& range, CObject* pUndoInfo) override;
    BOOL GetRangeName(LPCTSTR pszName, CGXCellRange& range) override;
    BOOL DeleteRangeName(LPCTSTR pszName, CObject*& pUndoInfo, BOOL bKeep) override;

    // Overridables of the formula sheet
    virtual BOOL MoveCells(const CGXCellRange& range, ROWCOL nDestRow, ROWCOL nDestCol, CObject* pUndoInfo,
                           BOOL bKeep);
    virtual BOOL SetExpressionRowCol(ROWCOL nRow, ROWCOL nCol, const CString& strFormula);
    virtual BOOL SetTextRowCol(ROWCOL nRow, ROWCOL nCol, const CString& strText);
    virtual BOOL SetNumberRowCol(ROWCOL nRow, ROWCOL nCol, double d);
    virtual BOOL SetFormatRowCol(ROWCOL nRow, ROWCOL nCol, unsigned nFormat, unsigned nPlaces);
    virtual BOOL GetFormatRowCol(ROWCOL nRow, ROWCOL nCol, unsigned& nFormat, unsigned& nPlaces);
    virtual BOOL SetValueRowCol(ROWCOL nRow, ROWCOL nCol, const CString& strText);
    virtual double GetNumberRowCol(ROWCOL nRow, ROWCOL nCol);
    virtual CString GetValueTextRowCol(ROWCOL nRow, ROWCOL nCol);
    virtual CString GetExpressionTextRowCol(ROWCOL nRow, ROWCOL nCol);
    virtual BOOL EvaluateFormula(const GX_FORMULA* pFormula, ROWCOL nRow, ROWCOL nCol, CString& strText);
    virtual BOOL EvaluateFormulaText(LPCTSTR pszFormula, ROWCOL nRow, ROWCOL nCol, CString& strText);
    virtual BOOL ParseFormula(LPCTSTR pszFormula, GX_FORMULA* pFormula);
    virtual CString GetValueText(GX_CELL* pCell);
    virtual CString GetExpressionText(GX_CELL* pCell);

    // Operations
    int GetEngineSheet() const
    {
        return m_nSheet;
    }
    GX_SHEET_CONTEXT* GetContext() const
    {
        return GXGetSheetContext(m_nSheet);
    }
    // Engine coordinates of a grid cell and back.
    static DWORD EngineRow(ROWCOL nRow)
    {
        return nRow < 1 ? 1 : nRow;
    }
    static DWORD EngineCol(ROWCOL nCol)
    {
        return nCol < 1 ? 0 : nCol - 1;
    }
    GX_RANGE EngineRange(const CGXCellRange& range) const;

    // Implementation
    WORD m_nConstraintStyle = 0;
    int m_nSheet;
    BOOL m_bKeepUndoInfo = FALSE;
    int m_nRecalcHolds = 0;        // HoldRecalc calls not yet released
    BOOL m_bRecalcPending = FALSE; // a store was left unrecalculated while held
    CGXUndoEngineCellsInfo* m_pUndoInfo = NULL;
    CGXGridParam* m_pParam = NULL;

  protected:
    // Starts an operation that may save cells for undo.
    void BeginChange();
    // Recalculates (foreground) and moves the saved cells into the undo information.
    void EndChange(const GX_RANGE* pRange, BOOL bClearFirst, BOOL bRecalc = TRUE);
    void CollectSaved(BOOL bRedo);
    CString ErrorMessage(DWORD nRow, DWORD nCol, const CString& strError) const;
    BOOL IsHeader(ROWCOL nRow, ROWCOL nCol, int nType) const
    {
        return nType == -1 || nRow == 0 || nCol == 0;
    }
    void Grow(ROWCOL nRow, ROWCOL nCol);
    GX_CELL* EnsureCell(ROWCOL nRow, ROWCOL nCol);
    void ApplyConstraintStyle(CGXStyle& style);
    void ClearEngine();
    // The engine's half of a structure change, rows or columns in engine coordinates.
    BOOL InsertInEngine(BOOL bRows, DWORD nFirst, DWORD nCount);
    void RemoveInEngine(BOOL bRows, DWORD nFirst, DWORD nCount);
    void MoveInEngine(BOOL bRows, DWORD nFirst, DWORD nLast, DWORD nDest);
    BOOL ReorderInEngine(BOOL bRows, const CDWordArray& awOrder, ROWCOL nFirst);

  private:
    // pOwned: the style itself, given over to be kept instead of a copy (or NULL).
    BOOL StoreCell(ROWCOL nRow, ROWCOL nCol, const CGXStyle* pStyle, GXModifyType mt, int nType,
                   std::unique_ptr<CGXStyle>* pOwned);
    CGXFormulaSheet(const CGXFormulaSheet&) = delete;
    CGXFormulaSheet& operator=(const CGXFormulaSheet&) = delete;
};
