// Copy and move of blocks of cells inside a data object (application-wide, installed once).
#pragma once
#include "grid/core/GridComponents.h"

class CGXDataCopyMoveCellsImp : public CGXAbstractDataCopyMoveCellsImp
{
  public:
    BOOL CopyCells(CGXData& data, const CGXCellRange& range, ROWCOL nDestRow, ROWCOL nDestCol) override;
    BOOL MoveCells(CGXData& data, const CGXCellRange& range, ROWCOL nDestRow, ROWCOL nDestCol,
                   CObject*& pUndoInfo, BOOL bCreateUndoInfo, int nReserved) override;
};

void AFXAPI GXInstallDataCopyMoveCellsImp();
