// Makes, copies and restructures the span-cell pools of floated and merged cells.
#pragma once
#include "grid/core/GridComponents.h"

class CGXSpanCellPoolImp : public CGXAbstractSpanCellPoolImp
{
  public:
    CObject* CreateCopy(const CObject* pSrc) override;
    CObject* CreatePool() override;
    void CopyPool(CObject* pDest, const CObject* pSrc) override;
    void InsertRows(CObject* pPool, ROWCOL nRow, ROWCOL nCount) override;
    void RemoveRows(CObject* pPool, ROWCOL nFirst, ROWCOL nLast) override;
    void MoveRows(CObject* pPool, ROWCOL nFirst, ROWCOL nLast, ROWCOL nDest) override;
    void InsertCols(CObject* pPool, ROWCOL nCol, ROWCOL nCount) override;
    void RemoveCols(CObject* pPool, ROWCOL nFirst, ROWCOL nLast) override;
    void MoveCols(CObject* pPool, ROWCOL nFirst, ROWCOL nLast, ROWCOL nDest) override;
};

void AFXAPI GXInstallSpanCellPoolImp();
