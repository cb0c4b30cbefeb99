// CTypedPtrArray: a pointer array (CObArray or CPtrArray) that takes and returns TYPE pointers,
// so callers need no casts. Adds no data; the base array owns the slots, not the objects.
//
// Differences from MFC:
// - None.
#pragma once
#include "Array.h"

template <class BASE_CLASS, class TYPE> class CTypedPtrArray : public BASE_CLASS
{
  public:
    // Operations: element access
    TYPE GetAt(int nIndex) const
    {
        return (TYPE)BASE_CLASS::GetAt(nIndex);
    }
    TYPE& ElementAt(int nIndex)
    {
        return reinterpret_cast<TYPE&>(BASE_CLASS::ElementAt(nIndex));
    }
    void SetAt(int nIndex, TYPE ptr)
    {
        BASE_CLASS::SetAt(nIndex, ptr);
    }
    TYPE operator[](int nIndex) const
    {
        return GetAt(nIndex);
    }
    TYPE& operator[](int nIndex)
    {
        return ElementAt(nIndex);
    }

    // Operations: growing and moving
    void SetAtGrow(int nIndex, TYPE newElement)
    {
        BASE_CLASS::SetAtGrow(nIndex, newElement);
    }
    int Add(TYPE newElement)
    {
        return BASE_CLASS::Add(newElement);
    }
    int Append(const CTypedPtrArray& src)
    {
        return BASE_CLASS::Append(src);
    }
    void Copy(const CTypedPtrArray& src)
    {
        BASE_CLASS::Copy(src);
    }
    void InsertAt(int nIndex, TYPE newElement, int nCount = 1)
    {
        BASE_CLASS::InsertAt(nIndex, newElement, nCount);
    }
    void InsertAt(int nStartIndex, CTypedPtrArray* pNewArray)
    {
        BASE_CLASS::InsertAt(nStartIndex, pNewArray);
    }
};
