// Hidden rows and columns: one bit per row (column) in the parameter object's two byte arrays,
// kept in step when rows or columns are inserted, removed or moved; hiding and showing with undo.
// Holds no state of its own.
#pragma once
#include "grid/core/GridComponents.h"

class CGXGridHideCellsImp : public CGXAbstractGridHideCellsImp
{
  public:
    void RemoveRows(CGXGridCore* pGrid, ROWCOL nFirst, ROWCOL nLast) override;
    void RemoveCols(CGXGridCore* pGrid, ROWCOL nFirst, ROWCOL nLast) override;
    void InsertRows(CGXGridCore* pGrid, ROWCOL nRow, ROWCOL nCount) override;
    void InsertCols(CGXGridCore* pGrid, ROWCOL nCol, ROWCOL nCount) override;
    void MoveRows(CGXGridCore* pGrid, ROWCOL nFirst, ROWCOL nLast, ROWCOL nDest) override;
    void MoveCols(CGXGridCore* pGrid, ROWCOL nFirst, ROWCOL nLast, ROWCOL nDest) override;
    BOOL HideRows(CGXGridCore* pGrid, ROWCOL nFirst, ROWCOL nLast, BOOL bHide, BOOL* abHide, UINT flags,
                  int ctCmd) override;
    BOOL IsRowHidden(CGXGridCore* pGrid, ROWCOL nRow) override;
    BOOL StoreHideRow(CGXGridCore* pGrid, ROWCOL nRow, BOOL bHide) override;
    BOOL HideCols(CGXGridCore* pGrid, ROWCOL nFirst, ROWCOL nLast, BOOL bHide, BOOL* abHide, UINT flags,
                  int ctCmd) override;
    BOOL IsColHidden(CGXGridCore* pGrid, ROWCOL nCol) override;
    BOOL StoreHideCol(CGXGridCore* pGrid, ROWCOL nCol, BOOL bHide) override;

    // Implementation: the bit set operations, the same for rows and columns.
    static BOOL GetBit(const CByteArray& bits, ROWCOL n);
    static void StoreBit(CByteArray& bits, ROWCOL n, BOOL bSet);
    static void RemoveBits(CByteArray& bits, ROWCOL nFirst, ROWCOL nLast);
    static void InsertBits(CByteArray& bits, ROWCOL nAt, ROWCOL nCount);
    static void MoveBits(CByteArray& bits, ROWCOL nFirst, ROWCOL nLast, ROWCOL nDest);

  private:
    static BOOL Hide(CGXGridCore* pGrid, BOOL bRows, ROWCOL nFirst, ROWCOL nLast, BOOL bHide, BOOL* abHide,
                     UINT flags, int ctCmd);
    static BOOL IsHidden(CGXGridCore* pGrid, BOOL bRows, ROWCOL n);
};
