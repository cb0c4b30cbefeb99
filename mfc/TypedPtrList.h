// CTypedPtrList: a pointer list (CObList or CPtrList) that takes and returns TYPE pointers, so
// callers need no casts. Adds no data; the base list owns the nodes, not the objects.
//
// Differences from MFC:
// - One class instead of two (MFC splits off a helper base).
#pragma once
#include "List.h"

template <class BASE_CLASS, class TYPE> class CTypedPtrList : public BASE_CLASS
{
  public:
    // Construction
    explicit CTypedPtrList(int nBlockSize = 10) : BASE_CLASS(nBlockSize)
    {
    }

    // Attributes
    TYPE& GetHead()
    {
        return reinterpret_cast<TYPE&>(BASE_CLASS::GetHead());
    }
    TYPE GetHead() const
    {
        return (TYPE)BASE_CLASS::GetHead();
    }
    TYPE& GetTail()
    {
        return reinterpret_cast<TYPE&>(BASE_CLASS::GetTail());
    }
    TYPE GetTail() const
    {
        return (TYPE)BASE_CLASS::GetTail();
    }

    // Operations: head and tail
    TYPE RemoveHead()
    {
        return (TYPE)BASE_CLASS::RemoveHead();
    }
    TYPE RemoveTail()
    {
        return (TYPE)BASE_CLASS::RemoveTail();
    }
    POSITION AddHead(TYPE newElement)
    {
        return BASE_CLASS::AddHead(newElement);
    }
    POSITION AddTail(TYPE newElement)
    {
        return BASE_CLASS::AddTail(newElement);
    }
    void AddHead(CTypedPtrList* pNewList)
    {
        BASE_CLASS::AddHead(pNewList);
    }
    void AddTail(CTypedPtrList* pNewList)
    {
        BASE_CLASS::AddTail(pNewList);
    }

    // Operations: iteration
    TYPE& GetNext(POSITION& rPosition)
    {
        return reinterpret_cast<TYPE&>(BASE_CLASS::GetNext(rPosition));
    }
    TYPE GetNext(POSITION& rPosition) const
    {
        return (TYPE)BASE_CLASS::GetNext(rPosition);
    }
    TYPE& GetPrev(POSITION& rPosition)
    {
        return reinterpret_cast<TYPE&>(BASE_CLASS::GetPrev(rPosition));
    }
    TYPE GetPrev(POSITION& rPosition) const
    {
        return (TYPE)BASE_CLASS::GetPrev(rPosition);
    }

    // Operations: at a position
    TYPE& GetAt(POSITION position)
    {
        return reinterpret_cast<TYPE&>(BASE_CLASS::GetAt(position));
    }
    TYPE GetAt(POSITION position) const
    {
        return (TYPE)BASE_CLASS::GetAt(position);
    }
    void SetAt(POSITION pos, TYPE newElement)
    {
        BASE_CLASS::SetAt(pos, newElement);
    }
    POSITION InsertBefore(POSITION position, TYPE newElement)
    {
        return BASE_CLASS::InsertBefore(position, newElement);
    }
    POSITION InsertAfter(POSITION position, TYPE newElement)
    {
        return BASE_CLASS::InsertAfter(position, newElement);
    }
};
