// The keys of a sort: one entry per key column (row), in the order they decide.
#pragma once
#include "afx.h"

enum
{
    gxSortNumeric = 0,
    gxSortAlpha = 1,
    gxSortDateTime = 2,
    gxSortDetermine = 3 // from the values; replaced by one of the above during the sort
};

enum
{
    gxSortAscending = 0,
    gxSortDescending = 1 // any other non-zero value sorts descending too
};

struct CGXSortInfoEntry
{
    DWORD nRC;       // key column of a row sort, key row of a column sort
    DWORD sortType;  // gxSortNumeric ...
    DWORD sortOrder; // gxSortAscending or gxSortDescending
    DWORD bCase;     // texts compare respecting case
    DWORD nReserved;
    DWORD bMayBeNumeric; // work flags of the sort
    DWORD bMayBeDate;
};

class CGXSortInfoArray : public CObject
{
    DECLARE_DYNAMIC(CGXSortInfoArray)

  public:
    CGXSortInfoArray() = default;
    ~CGXSortInfoArray() override;
    CGXSortInfoArray(const CGXSortInfoArray&) = delete;
    CGXSortInfoArray& operator=(const CGXSortInfoArray&) = delete;

    INT_PTR GetSize() const
    {
        return m_nSize;
    }
    // New entries are zero-filled; nGrowBy -1 keeps the setting (0 grows by an eighth of the size,
    // at least 4 and at most 1024 entries).
    void SetSize(INT_PTR nNewSize, INT_PTR nGrowBy = -1);
    INT_PTR Add(const CGXSortInfoEntry& entry);
    void RemoveAll()
    {
        SetSize(0);
    }
    CGXSortInfoEntry& operator[](INT_PTR i)
    {
        return m_pData[i];
    }
    const CGXSortInfoEntry& operator[](INT_PTR i) const
    {
        return m_pData[i];
    }
    INT_PTR GetAllocatedSize() const
    {
        return m_nMaxSize;
    }

  private:
    CGXSortInfoEntry* m_pData = NULL;
    INT_PTR m_nSize = 0;
    INT_PTR m_nMaxSize = 0;
    INT_PTR m_nGrowBy = 0;
};
