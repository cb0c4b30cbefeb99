// The keys of one sorted row (column), made by the sort and freed at its end.
#pragma once
#include "afx.h"
#include "StringArray.h"
#include <memory>

class CGXSortInfoArray;

struct CGXSortKeyRecord
{
    CStringArray m_astrKeys;              // one key text per sort entry
    std::unique_ptr<double[]> m_adValues; // numeric and date keys, made on first need
    int m_nIndex = 0;                     // position in the block before sorting
    CGXSortInfoArray* m_pSortInfo = NULL;
};
