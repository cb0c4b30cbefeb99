// CStringArray: an array of CStrings.
// Stored as the count and the strings.
//
// Differences from MFC:
// - Built on CArray (MFC writes each class out); the members and their behaviour are those of
//   CArray, see Array.h.
#pragma once
#include "Array.h"
#include "String.h"

class CStringArray : public CArray<CString, const CString&>
{
    DECLARE_SERIAL(CStringArray)

    // Construction
  public:
    CStringArray()
    {
    }
};
