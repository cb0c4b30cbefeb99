// Hidden rows and columns as bit sets of the parameter object.
#include "grid/features/GridHideCellsImp.h"
#include "grid/core/GridCore.h"
#include "grid/core/GridParam.h"
#include "grid/core/LongOperation.h"
#include "grid/core/Properties.h"
#include <algorithm>

void CGXGridCore::InstallHideCellsImp()
{
    if (m_pHideCellsImp != NULL)
        return;
    m_pHideCellsImp = new CGXGridHideCellsImp;
    AddOwnedImp(m_pHideCellsImp);
}

namespace
{
CByteArray& BitsOf(CGXGridCore* pGrid, BOOL bRows)
{
    CGXGridParam* pParam = pGrid->GetParam();
    return bRows ? pParam->m_abHiddenRows : pParam->m_abHiddenCols;
}
} // namespace

// -- Bit sets ----------------------------------------------------------------------------------

BOOL CGXGridHideCellsImp::GetBit(const CByteArray& bits, ROWCOL n)
{
    INT_PTR nByte = (INT_PTR)(n / 8);
    return nByte < bits.GetSize() && (bits[nByte] & (1 << (n % 8))) != 0;
}

void CGXGridHideCellsImp::StoreBit(CByteArray& bits, ROWCOL n, BOOL bSet)
{
    INT_PTR nByte = (INT_PTR)(n / 8);
    INT_PTR nOld = bits.GetSize();
    if (nByte >= nOld)
    {
        bits.SetSize(nByte + 1);
        for (INT_PTR i = nOld; i <= nByte; i++)
            bits[i] = 0;
    }
    if (bSet)
        bits[nByte] |= (BYTE)(1 << (n % 8));
    else
        bits[nByte] &= (BYTE) ~(1 << (n % 8));
}

void CGXGridHideCellsImp::RemoveBits(CByteArray& bits, ROWCOL nFirst, ROWCOL nLast)
{
    ROWCOL nBits = (ROWCOL)bits.GetSize() * 8;
    if (nFirst >= nBits || nLast < nFirst)
        return;
    // The bits after last move down; the array ends with the last byte written.
    ROWCOL nTo = nFirst;
    for (ROWCOL n = nLast + 1; n < nBits && n > nLast; n++)
        StoreBit(bits, nTo++, GetBit(bits, n));
    INT_PTR nKeep = (INT_PTR)((nTo + 7) / 8);
    for (ROWCOL n = nTo; n < (ROWCOL)nKeep * 8; n++)
        StoreBit(bits, n, FALSE);
    bits.SetSize(nKeep);
}

void CGXGridHideCellsImp::InsertBits(CByteArray& bits, ROWCOL nAt, ROWCOL nCount)
{
    INT_PTR nOld = bits.GetSize();
    if ((INT_PTR)(nAt / 8) >= nOld || nCount == 0)
        return;
    INT_PTR nNew = nOld + (INT_PTR)((nCount - 1) / 8 + 1);
    bits.SetSize(nNew);
    for (INT_PTR i = nOld; i < nNew; i++)
        bits[i] = 0;
    ROWCOL nBits = (ROWCOL)nNew * 8;
    for (ROWCOL n = nBits - 1; n >= nAt + nCount && n != (ROWCOL)-1; n--)
        StoreBit(bits, n, GetBit(bits, n - nCount));
    for (ROWCOL n = nAt; n < nAt + nCount; n++)
        StoreBit(bits, n, FALSE);
}

void CGXGridHideCellsImp::MoveBits(CByteArray& bits, ROWCOL nFirst, ROWCOL nLast, ROWCOL nDest)
{
    if (nDest == nFirst || nLast < nFirst)
        return;
    ROWCOL nCount = nLast - nFirst + 1;
    ROWCOL nOldBlock = nFirst, nInsertAt = nDest + nCount;
    if (nDest < nFirst)
    {
        nOldBlock = nFirst + nCount;
        nInsertAt = nDest;
    }
    InsertBits(bits, nInsertAt, nCount);
    for (ROWCOL i = 0; i < nCount; i++)
        if (GetBit(bits, nOldBlock + i))
            StoreBit(bits, nInsertAt + i, TRUE);
    RemoveBits(bits, nOldBlock, nOldBlock + nCount - 1);
}

// -- Structure ---------------------------------------------------------------------------------

void CGXGridHideCellsImp::RemoveRows(CGXGridCore* pGrid, ROWCOL nFirst, ROWCOL nLast)
{
    RemoveBits(BitsOf(pGrid, TRUE), nFirst, nLast);
}

void CGXGridHideCellsImp::RemoveCols(CGXGridCore* pGrid, ROWCOL nFirst, ROWCOL nLast)
{
    RemoveBits(BitsOf(pGrid, FALSE), nFirst, nLast);
}

void CGXGridHideCellsImp::InsertRows(CGXGridCore* pGrid, ROWCOL nRow, ROWCOL nCount)
{
    InsertBits(BitsOf(pGrid, TRUE), nRow, nCount);
}

void CGXGridHideCellsImp::InsertCols(CGXGridCore* pGrid, ROWCOL nCol, ROWCOL nCount)
{
    InsertBits(BitsOf(pGrid, FALSE), nCol, nCount);
}

void CGXGridHideCellsImp::MoveRows(CGXGridCore* pGrid, ROWCOL nFirst, ROWCOL nLast, ROWCOL nDest)
{
    MoveBits(BitsOf(pGrid, TRUE), nFirst, nLast, nDest);
}

void CGXGridHideCellsImp::MoveCols(CGXGridCore* pGrid, ROWCOL nFirst, ROWCOL nLast, ROWCOL nDest)
{
    MoveBits(BitsOf(pGrid, FALSE), nFirst, nLast, nDest);
}

// -- Hidden state ------------------------------------------------------------------------------

BOOL CGXGridHideCellsImp::IsHidden(CGXGridCore* pGrid, BOOL bRows, ROWCOL n)
{
    CGXGridParam* pParam = pGrid->GetParam();
    if (pParam == NULL)
        return FALSE;
    // A pane without the frozen part does not show the headers either.
    BOOL bFrozenOff = bRows ? pGrid->m_bFrozenRowsOff : pGrid->m_bFrozenColsOff;
    if (bFrozenOff && !pGrid->IsPrinting() && !pGrid->m_bFrozenOffWhilePrinting &&
        n <= (bRows ? pGrid->GetHeaderRows() : pGrid->GetHeaderCols()))
        return TRUE;
    CGXProperties* pProps = pParam->GetProperties();
    if (pGrid->IsPrinting())
    {
        // Row 0 holds the column headers, column 0 the row headers.
        int nOption = bRows ? CGXProperties::printColHeaders : CGXProperties::printRowHeaders;
        if (n == 0 && pProps != NULL && pProps->m_abFlags[CGXProperties::flagPrinting] &&
            !pProps->m_abPrintFlags[nOption])
            return TRUE;
    }
    return GetBit(BitsOf(pGrid, bRows), n);
}

BOOL CGXGridHideCellsImp::IsRowHidden(CGXGridCore* pGrid, ROWCOL nRow)
{
    return IsHidden(pGrid, TRUE, nRow);
}

BOOL CGXGridHideCellsImp::IsColHidden(CGXGridCore* pGrid, ROWCOL nCol)
{
    return IsHidden(pGrid, FALSE, nCol);
}

BOOL CGXGridHideCellsImp::StoreHideRow(CGXGridCore* pGrid, ROWCOL nRow, BOOL bHide)
{
    StoreBit(BitsOf(pGrid, TRUE), nRow, bHide);
    return TRUE;
}

BOOL CGXGridHideCellsImp::StoreHideCol(CGXGridCore* pGrid, ROWCOL nCol, BOOL bHide)
{
    StoreBit(BitsOf(pGrid, FALSE), nCol, bHide);
    return TRUE;
}

BOOL CGXGridHideCellsImp::Hide(CGXGridCore* pGrid, BOOL bRows, ROWCOL nFirst, ROWCOL nLast, BOOL bHide,
                               BOOL* abHide, UINT flags, int ctCmd)
{
    if (nLast == 0)
        nLast = nFirst;
    if (nLast < nFirst)
        return FALSE;
    CGXLongOperation op;
    ROWCOL nCount = nLast - nFirst + 1;
    int* anOldSizes = new int[nCount];
    BOOL* abOldHidden = new BOOL[nCount];
    BOOL bStored = FALSE;
    for (ROWCOL i = 0; i < nCount; i++)
    {
        ROWCOL n = nFirst + i;
        anOldSizes[i] = bRows ? pGrid->GetRowHeight(n) : pGrid->GetColWidth(n);
        abOldHidden[i] = bRows ? pGrid->IsRowHidden(n) : pGrid->IsColHidden(n);
        BOOL bNew = abHide != NULL ? abHide[i] : bHide;
        bStored |= bRows ? pGrid->StoreHideRow(n, bNew) : pGrid->StoreHideCol(n, bNew);
        op.NeedMessages();
    }
    if (bStored)
    {
        CGXCellRange range;
        if (bRows)
            range.SetRows(nFirst, nLast);
        else
            range.SetCols(nFirst, nLast);
        pGrid->InvalidateMergedCells(range);
        pGrid->InvalidateFloatedCells(range);
        if (bRows)
            pGrid->UpdateChangedRowHeight(nFirst, nLast, anOldSizes, flags, TRUE);
        else
            pGrid->UpdateChangedColWidth(nFirst, nLast, anOldSizes, flags, TRUE);
        CGXAbstractCommandFactory* pFactory = pGrid->m_pUndoImp;
        if (pFactory != NULL && ctCmd != gxRollback && pGrid->GetParam()->IsUndoEnabled())
        {
            pGrid->AddCommand(bRows ? pFactory->CreateHideRowsCmd(nFirst, nLast, abOldHidden)
                                    : pFactory->CreateHideColsCmd(nFirst, nLast, abOldHidden),
                              ctCmd);
            abOldHidden = NULL; // the command's now
            if (ctCmd == gxUndo || ctCmd == gxRedo)
            {
                if (bRows)
                    pGrid->MoveToUndoCell(nFirst, pGrid->GetLeftCol(), FALSE);
                else
                    pGrid->MoveToUndoCell(pGrid->GetTopRow(), nFirst, FALSE);
            }
        }
    }
    delete[] abOldHidden;
    delete[] anOldSizes;
    return bStored;
}

BOOL CGXGridHideCellsImp::HideRows(CGXGridCore* pGrid, ROWCOL nFirst, ROWCOL nLast, BOOL bHide, BOOL* abHide,
                                   UINT flags, int ctCmd)
{
    return Hide(pGrid, TRUE, nFirst, nLast, bHide, abHide, flags, ctCmd);
}

BOOL CGXGridHideCellsImp::HideCols(CGXGridCore* pGrid, ROWCOL nFirst, ROWCOL nLast, BOOL bHide, BOOL* abHide,
                                   UINT flags, int ctCmd)
{
    return Hide(pGrid, FALSE, nFirst, nLast, bHide, abHide, flags, ctCmd);
}
