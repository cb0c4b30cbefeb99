// Blocks of cell styles copied or moved inside a data object. The source is read whole before
// anything is written, so overlapping blocks come out right.
#include "grid/core/DataCopyMoveCellsImp.h"
#include "grid/core/AppData.h"
#include "grid/core/CellRange.h"
#include "grid/core/Data.h"
#include "grid/core/Style.h"
#include <memory>
#include <vector>

void AFXAPI GXInstallDataCopyMoveCellsImp()
{
    CGXAppData* pAppData = GXGetAppData();
    if (pAppData->m_pDataCopyMoveCellsImp != NULL)
        return;
    pAppData->m_pDataCopyMoveCellsImp = new CGXDataCopyMoveCellsImp;
    pAppData->AddComponent(pAppData->m_pDataCopyMoveCellsImp);
}

namespace
{
using StyleBlock = std::vector<std::unique_ptr<CGXStyle>>;

StyleBlock ReadBlock(CGXData& data, const CGXCellRange& range)
{
    StyleBlock block;
    for (ROWCOL r = range.top; r <= range.bottom; r++)
        for (ROWCOL c = range.left; c <= range.right; c++)
        {
            std::unique_ptr<CGXStyle> p(new CGXStyle);
            if (!data.GetStyleRowCol(r, c, *p, gxCopy, 0))
                p.reset();
            block.push_back(std::move(p));
        }
    return block;
}

BOOL WriteBlock(CGXData& data, const StyleBlock& block, const CGXCellRange& range, ROWCOL nDestRow,
                ROWCOL nDestCol)
{
    size_t i = 0;
    for (ROWCOL r = 0; r <= range.bottom - range.top; r++)
        for (ROWCOL c = 0; c <= range.right - range.left; c++, i++)
            if (!data.StoreStyleRowCol(nDestRow + r, nDestCol + c, block[i].get(), gxCopy, 0))
                return FALSE;
    return TRUE;
}
} // namespace

BOOL CGXDataCopyMoveCellsImp::CopyCells(CGXData& data, const CGXCellRange& range, ROWCOL nDestRow,
                                        ROWCOL nDestCol)
{
    return WriteBlock(data, ReadBlock(data, range), range, nDestRow, nDestCol);
}

BOOL CGXDataCopyMoveCellsImp::MoveCells(CGXData& data, const CGXCellRange& range, ROWCOL nDestRow,
                                        ROWCOL nDestCol)
{
    StyleBlock block = ReadBlock(data, range);
    CGXCellRange dest(nDestRow, nDestCol, nDestRow + (range.bottom - range.top),
                      nDestCol + (range.right - range.left));
    for (ROWCOL r = range.top; r <= range.bottom; r++)
        for (ROWCOL c = range.left; c <= range.right; c++)
            if (!dest.ContainsCell(r, c))
                data.StoreStyleRowCol(r, c, NULL, gxCopy, 0);
    return WriteBlock(data, block, range, nDestRow, nDestCol);
}
