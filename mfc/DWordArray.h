// CDWordArray: an array of DWORDs.
// Stored as the count and the 32-bit values.
//
// Differences from MFC:
// - Built on CArray (MFC writes each class out); the members and their behaviour are those of
//   CArray, see Array.h.
#pragma once
#include "Array.h"

class CDWordArray : public CArray<DWORD, DWORD>
{
    DECLARE_SERIAL(CDWordArray)

    // Construction
  public:
    CDWordArray()
    {
    }
};
