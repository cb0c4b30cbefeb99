// CArray: a growable array of TYPE elements, passed in as ARG_TYPE. Owns its elements; the
// element helpers (ConstructElements, DestructElements, SerializeElements) decide how they are
// made, destroyed and stored.
//
// Differences from MFC:
// - Elements move to new memory by move construction (MFC copies their bytes), so types that
//   point into themselves are safe.
// - Adding or inserting one of the array's own elements, Append and InsertAt of the array itself
//   work (MFC asserts or reads freed memory).
// - Invalid sizes and ranges in SetSize, InsertAt and RemoveAt are reported and change nothing.
// - Loading reads in growing slices: a damaged count fails at the end of the archive instead of
//   reserving memory first. Out of memory throws CMemoryException.
// - The first allocation reserves at least the grow-by count (MFC 4.2: exactly the size asked).
#pragma once
#include "Object.h"
#include "ElementHelpers.h"
#include <limits.h>

template <class TYPE, class ARG_TYPE> class CArray : public CObject
{
  public:
    typedef TYPE BASE_TYPE;
    typedef ARG_TYPE BASE_ARG_TYPE;

    // Construction
    CArray() : m_pData(NULL), m_nSize(0), m_nMaxSize(0), m_nGrowBy(0)
    {
    }
    ~CArray() override
    {
        SetSize(0, -1);
    }

    // Attributes
    int GetSize() const
    {
        return m_nSize;
    }
    int GetCount() const
    {
        return m_nSize;
    }
    int GetUpperBound() const
    {
        return m_nSize - 1;
    }
    // nGrowBy: slots added at least when the array must grow; 0 lets the array choose
    // (an eighth of its size, 4 to 1024); -1 keeps the current setting.
    void SetSize(int nNewSize, int nGrowBy = -1);

    // Operations: clean up
    void FreeExtra();
    void RemoveAll()
    {
        SetSize(0, -1);
    }

    // Operations: element access (the index must be valid)
    TYPE GetAt(int nIndex) const
    {
        ASSERT(nIndex >= 0 && nIndex < m_nSize);
        return m_pData[nIndex];
    }
    void SetAt(int nIndex, ARG_TYPE newElement)
    {
        ASSERT(nIndex >= 0 && nIndex < m_nSize);
        m_pData[nIndex] = newElement;
    }
    TYPE& ElementAt(int nIndex)
    {
        ASSERT(nIndex >= 0 && nIndex < m_nSize);
        return m_pData[nIndex];
    }
    const TYPE* GetData() const
    {
        return m_pData;
    }
    TYPE* GetData()
    {
        return m_pData;
    }
    TYPE operator[](int nIndex) const
    {
        return GetAt(nIndex);
    }
    TYPE& operator[](int nIndex)
    {
        return ElementAt(nIndex);
    }

    // Operations: growing
    // Sets the element, growing the array when nIndex is past its end.
    void SetAtGrow(int nIndex, ARG_TYPE newElement);
    // Returns the index of the new element.
    int Add(ARG_TYPE newElement)
    {
        int nIndex = m_nSize;
        SetAtGrow(nIndex, newElement);
        return nIndex;
    }
    // Adds src's elements at the end; returns the index of the first one.
    int Append(const CArray& src);
    void Copy(const CArray& src);

    // Operations: moving elements
    // nCount copies of newElement at nIndex; past the end the array grows up to nIndex first.
    void InsertAt(int nIndex, ARG_TYPE newElement, int nCount = 1);
    void RemoveAt(int nIndex, int nCount = 1);
    void InsertAt(int nStartIndex, CArray* pNewArray);

    // Overridables
    // Count, then the elements through SerializeElements.
    void Serialize(CArchive& ar) override;

    // Implementation
  protected:
    TYPE* m_pData;
    int m_nSize;
    int m_nMaxSize;
    int m_nGrowBy;

    // Loads nCount elements: readRange(pFirst, n) fills n elements that already exist.
    template <class READ> void LoadElements(DWORD nCount, READ readRange);
    // TRUE when p points into this array's memory: an argument passed by reference that is one
    // of our own elements (an argument passed by value never is).
    bool IsOwnElement(const void* p) const
    {
        UINT_PTR n = (UINT_PTR)p, nFirst = (UINT_PTR)m_pData;
        return m_pData != NULL && n >= nFirst && n < nFirst + (UINT_PTR)m_nMaxSize * sizeof(TYPE);
    }
    void Reallocate(int nNewMax);
};

template <class TYPE, class ARG_TYPE> void CArray<TYPE, ARG_TYPE>::Reallocate(int nNewMax)
{
    TYPE* pNewData = static_cast<TYPE*>(afx_collections::AllocateElements((size_t)nNewMax, sizeof(TYPE)));
    afx_collections::RelocateElements(pNewData, m_pData, m_nSize);
    afx_collections::FreeElements(m_pData);
    m_pData = pNewData;
    m_nMaxSize = nNewMax;
}

template <class TYPE, class ARG_TYPE> void CArray<TYPE, ARG_TYPE>::SetSize(int nNewSize, int nGrowBy)
{
    ASSERT(nNewSize >= 0 && nGrowBy >= -1);
    if (nNewSize < 0)
        return;
    if (nGrowBy >= 0)
        m_nGrowBy = nGrowBy;

    if (nNewSize == 0)
    {
        DestructElements<TYPE>(m_pData, m_nSize);
        afx_collections::FreeElements(m_pData);
        m_pData = NULL;
        m_nSize = m_nMaxSize = 0;
    }
    else if (m_pData == NULL)
    {
        int nAlloc = nNewSize > m_nGrowBy ? nNewSize : m_nGrowBy;
        m_pData = static_cast<TYPE*>(afx_collections::AllocateElements((size_t)nAlloc, sizeof(TYPE)));
        ConstructElements<TYPE>(m_pData, nNewSize);
        m_nSize = nNewSize;
        m_nMaxSize = nAlloc;
    }
    else if (nNewSize <= m_nMaxSize)
    {
        if (nNewSize > m_nSize)
            ConstructElements<TYPE>(m_pData + m_nSize, nNewSize - m_nSize);
        else if (nNewSize < m_nSize)
            DestructElements<TYPE>(m_pData + nNewSize, m_nSize - nNewSize);
        m_nSize = nNewSize;
    }
    else
    {
        int nGrow = m_nGrowBy;
        if (nGrow == 0)
        {
            // Grow with the array: few reallocations for large arrays, little waste for small ones.
            nGrow = m_nSize / 8;
            nGrow = nGrow < 4 ? 4 : (nGrow > 1024 ? 1024 : nGrow);
        }
        long long nNewMax = (long long)m_nMaxSize + nGrow;
        if (nNewMax < nNewSize)
            nNewMax = nNewSize;
        if (nNewMax > INT_MAX)
            nNewMax = INT_MAX;
        Reallocate((int)nNewMax);
        ConstructElements<TYPE>(m_pData + m_nSize, nNewSize - m_nSize);
        m_nSize = nNewSize;
    }
}

template <class TYPE, class ARG_TYPE> void CArray<TYPE, ARG_TYPE>::FreeExtra()
{
    if (m_nSize == m_nMaxSize)
        return;
    if (m_nSize == 0)
    {
        afx_collections::FreeElements(m_pData);
        m_pData = NULL;
        m_nMaxSize = 0;
        return;
    }
    Reallocate(m_nSize);
}

template <class TYPE, class ARG_TYPE> void CArray<TYPE, ARG_TYPE>::SetAtGrow(int nIndex, ARG_TYPE newElement)
{
    ASSERT(nIndex >= 0);
    if (nIndex < 0)
        return;
    if (nIndex >= m_nSize)
    {
        if (IsOwnElement(&newElement))
        {
            // Growing may move the element the argument refers to.
            TYPE copy(newElement);
            SetSize(nIndex + 1, -1);
            m_pData[nIndex] = copy;
            return;
        }
        SetSize(nIndex + 1, -1);
    }
    m_pData[nIndex] = newElement;
}

template <class TYPE, class ARG_TYPE> int CArray<TYPE, ARG_TYPE>::Append(const CArray& src)
{
    int nOldSize = m_nSize;
    int nCount = src.m_nSize; // taken before growing: src may be this array
    if ((long long)nOldSize + nCount > INT_MAX)
    {
        ASSERT(FALSE);
        return nOldSize;
    }
    SetSize(nOldSize + nCount, -1);
    CopyElements<TYPE>(m_pData + nOldSize, src.m_pData, nCount);
    return nOldSize;
}

template <class TYPE, class ARG_TYPE> void CArray<TYPE, ARG_TYPE>::Copy(const CArray& src)
{
    if (this == &src)
        return;
    SetSize(src.m_nSize, -1);
    CopyElements<TYPE>(m_pData, src.m_pData, src.m_nSize);
}

template <class TYPE, class ARG_TYPE>
void CArray<TYPE, ARG_TYPE>::InsertAt(int nIndex, ARG_TYPE newElement, int nCount)
{
    ASSERT(nIndex >= 0 && nCount > 0);
    if (nIndex < 0 || nCount <= 0)
        return;
    long long nEnd = (long long)(nIndex > m_nSize ? nIndex : m_nSize) + nCount;
    if (nEnd > INT_MAX)
    {
        ASSERT(FALSE);
        return;
    }
    if (IsOwnElement(&newElement))
    {
        // The element the argument refers to moves below.
        TYPE copy(newElement);
        InsertAt(nIndex, copy, nCount);
        return;
    }

    if (nIndex >= m_nSize)
    {
        SetSize(nIndex + nCount, -1);
    }
    else
    {
        int nOldSize = m_nSize;
        SetSize(m_nSize + nCount, -1);
        // The new slots at the end become the room for the elements moved up.
        DestructElements<TYPE>(m_pData + nOldSize, nCount);
        afx_collections::RelocateElements(m_pData + nIndex + nCount, m_pData + nIndex, nOldSize - nIndex);
        ConstructElements<TYPE>(m_pData + nIndex, nCount);
    }
    for (; nCount > 0; nCount--)
        m_pData[nIndex++] = newElement;
}

template <class TYPE, class ARG_TYPE> void CArray<TYPE, ARG_TYPE>::RemoveAt(int nIndex, int nCount)
{
    ASSERT(nIndex >= 0 && nCount >= 0 && (long long)nIndex + nCount <= m_nSize);
    if (nIndex < 0 || nCount < 0 || (long long)nIndex + nCount > m_nSize)
        return;
    int nMoveCount = m_nSize - (nIndex + nCount);
    DestructElements<TYPE>(m_pData + nIndex, nCount);
    afx_collections::RelocateElements(m_pData + nIndex, m_pData + nIndex + nCount, nMoveCount);
    m_nSize -= nCount;
}

template <class TYPE, class ARG_TYPE>
void CArray<TYPE, ARG_TYPE>::InsertAt(int nStartIndex, CArray* pNewArray)
{
    ASSERT(pNewArray != NULL && nStartIndex >= 0);
    if (pNewArray == NULL || nStartIndex < 0 || pNewArray->GetSize() == 0)
        return;
    if (pNewArray == this)
    {
        CArray copy;
        copy.Copy(*this);
        InsertAt(nStartIndex, &copy);
        return;
    }
    InsertAt(nStartIndex, pNewArray->GetAt(0), pNewArray->GetSize());
    for (int i = 1; i < pNewArray->GetSize(); i++)
        SetAt(nStartIndex + i, pNewArray->GetAt(i));
}

template <class TYPE, class ARG_TYPE>
template <class READ>
void CArray<TYPE, ARG_TYPE>::LoadElements(DWORD nCount, READ readRange)
{
    if (nCount > (DWORD)INT_MAX)
        AfxThrowArchiveException(CArchiveException::generic);
    const int nTotal = (int)nCount;
    const int nFirstSlice = (int)(0x10000 / sizeof(TYPE)) + 1;
    int nDone = 0;
    do
    {
        // Slices double with what has arrived, so memory never runs far ahead of the data.
        int nStep = nDone > nFirstSlice ? nDone : nFirstSlice;
        int nNext = nTotal - nDone > nStep ? nDone + nStep : nTotal;
        SetSize(nNext, -1);
        if (nNext > nDone)
            readRange(m_pData + nDone, nNext - nDone);
        nDone = nNext;
    } while (nDone < nTotal);
}

template <class TYPE, class ARG_TYPE> void CArray<TYPE, ARG_TYPE>::Serialize(CArchive& ar)
{
    CObject::Serialize(ar);
    if (ar.IsStoring())
    {
        ar.WriteCount((DWORD)m_nSize);
        SerializeElements<TYPE>(ar, m_pData, m_nSize);
    }
    else
    {
        LoadElements(ar.ReadCount(), [&ar](TYPE* pFirst, int n) { SerializeElements<TYPE>(ar, pFirst, n); });
    }
}
