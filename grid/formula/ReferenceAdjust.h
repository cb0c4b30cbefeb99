// Keeping references right while cells are cleared, copied or moved and while rows and columns
// are inserted, removed, moved or sorted. Inserting and removing adjust every reference corner
// by corner; moves move what lies wholly inside the moved block.
#pragma once
#include "grid/formula/CellStore.h"

int GXClearRange(int nSheet, const GX_RANGE& range);
int GXCopyCells(int nSheet, const GX_RANGE& source, DWORD nDestRow, DWORD nDestCol);
int GXMoveCells(int nSheet, const GX_RANGE& source, DWORD nDestRow, DWORD nDestCol, int nFlag);
int GXMoveRowsCols(int nSheet, BOOL bRows, DWORD nFirst, DWORD nLast, DWORD nDest);
void GXOffsetRange(GX_RANGE* pOut, const GX_RANGE& range, DWORD nDestRow, DWORD nDestCol);
DWORD GXMoveIndex(DWORD nIndex, DWORD nFirst, DWORD nLast, DWORD nDest);

// Inserts nCount empty rows (columns) at nAt; FALSE, and nothing changed, when an occupied
// cell would be pushed off the sheet.
BOOL GXInsertRowsCols(int nSheet, BOOL bRows, DWORD nAt, DWORD nCount);
// Removes rows (columns) nFirst..nFirst + nCount - 1; references into them become the error
// literal, references across them shrink.
BOOL GXRemoveRowsCols(int nSheet, BOOL bRows, DWORD nFirst, DWORD nCount);
// Sorts rows (columns): the row at nFirst + i takes the cells of old row adwOrder[i].
BOOL GXReorderRowsCols(int nSheet, BOOL bRows, DWORD nFirst, const DWORD* adwOrder, DWORD nCount);
