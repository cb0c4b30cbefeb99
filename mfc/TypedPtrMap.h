// CTypedPtrMap: a map with pointer values (CMapPtrToPtr, CMapStringToOb, ...) that takes and
// returns KEY and VALUE types, so callers need no casts. Adds no data; the base map owns the
// entries, not the objects pointed to.
//
// Differences from MFC:
// - None.
#pragma once
#include "Map.h"

template <class BASE_CLASS, class KEY, class VALUE> class CTypedPtrMap : public BASE_CLASS
{
  public:
    // Construction
    explicit CTypedPtrMap(int nBlockSize = 10) : BASE_CLASS(nBlockSize)
    {
    }

    // Attributes
    BOOL Lookup(typename BASE_CLASS::BASE_ARG_KEY key, VALUE& rValue) const
    {
        return BASE_CLASS::Lookup(key, reinterpret_cast<typename BASE_CLASS::BASE_VALUE&>(rValue));
    }

    // Operations
    VALUE& operator[](typename BASE_CLASS::BASE_ARG_KEY key)
    {
        return reinterpret_cast<VALUE&>(BASE_CLASS::operator[](key));
    }
    void SetAt(KEY key, VALUE newValue)
    {
        BASE_CLASS::SetAt(key, newValue);
    }
    BOOL RemoveKey(KEY key)
    {
        return BASE_CLASS::RemoveKey(key);
    }
    void GetNextAssoc(POSITION& rPosition, KEY& rKey, VALUE& rValue) const
    {
        BASE_CLASS::GetNextAssoc(rPosition, reinterpret_cast<typename BASE_CLASS::BASE_KEY&>(rKey),
                                 reinterpret_cast<typename BASE_CLASS::BASE_VALUE&>(rValue));
    }
};
