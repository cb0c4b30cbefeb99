// The growable array of sort keys.
#include "grid/features/SortInfoArray.h"
#include <algorithm>
#include <cstring>

IMPLEMENT_DYNAMIC(CGXSortInfoArray, CObject)

CGXSortInfoArray::~CGXSortInfoArray()
{
    delete[] m_pData;
}

void CGXSortInfoArray::SetSize(INT_PTR nNewSize, INT_PTR nGrowBy)
{
    if (nGrowBy >= 0)
        m_nGrowBy = nGrowBy;
    if (nNewSize <= 0)
    {
        delete[] m_pData;
        m_pData = NULL;
        m_nSize = m_nMaxSize = 0;
        return;
    }
    if (nNewSize > m_nMaxSize)
    {
        INT_PTR nGrow =
            m_nGrowBy != 0 ? m_nGrowBy : std::min<INT_PTR>(1024, std::max<INT_PTR>(4, m_nSize / 8));
        INT_PTR nNewMax = std::max(nNewSize, m_nMaxSize + nGrow);
        CGXSortInfoEntry* pNew = new CGXSortInfoEntry[nNewMax];
        if (m_nSize > 0)
            std::memcpy(pNew, m_pData, sizeof(CGXSortInfoEntry) * m_nSize);
        delete[] m_pData;
        m_pData = pNew;
        m_nMaxSize = nNewMax;
    }
    if (nNewSize > m_nSize)
        std::memset(m_pData + m_nSize, 0, sizeof(CGXSortInfoEntry) * (nNewSize - m_nSize));
    m_nSize = nNewSize;
}

INT_PTR CGXSortInfoArray::Add(const CGXSortInfoEntry& entry)
{
    INT_PTR i = m_nSize;
    SetSize(i + 1);
    m_pData[i] = entry;
    return i;
}
