// The archive form of sparse pointer arrays shared by the grid's style arrays and span maps:
// the count up to the last entry, then index and entry for each filled slot, then an end mark.
// Loading trusts no stored count: the array grows as entries arrive, and an index at or beyond
// the stored count, or one given twice, is refused with a generic archive exception.
#pragma once
#include "afx.h"
#include <limits.h>

const DWORD GX_ARCHIVE_END_MARK = 0xFFFFFFFF;

template <class Fn> void GXLoadSparseEntries(CArchive& ar, const CPtrArray& array, Fn readEntry)
{
    DWORD dwCount = 0;
    ar >> dwCount;
    for (;;)
    {
        DWORD dwIndex = 0;
        ar >> dwIndex;
        if (dwIndex == GX_ARCHIVE_END_MARK)
            break;
        if (dwIndex >= dwCount || dwIndex >= (DWORD)INT_MAX ||
            ((INT_PTR)dwIndex < array.GetSize() && array.GetAt((INT_PTR)dwIndex) != NULL))
            AfxThrowArchiveException(CArchiveException::generic);
        readEntry((INT_PTR)dwIndex);
    }
}

template <class Fn> void GXStoreSparseEntries(CArchive& ar, const CPtrArray& array, Fn writeEntry)
{
    INT_PTR nCount = array.GetSize();
    while (nCount > 0 && array.GetAt(nCount - 1) == NULL)
        nCount--;
    ar << (DWORD)nCount;
    for (INT_PTR i = 0; i < nCount; i++)
        if (array.GetAt(i) != NULL)
        {
            ar << (DWORD)i;
            writeEntry(i);
        }
    ar << GX_ARCHIVE_END_MARK;
}
