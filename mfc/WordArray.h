// CWordArray: an array of WORDs.
// Stored as the count and the 16-bit values.
//
// Differences from MFC:
// - Built on CArray (MFC writes each class out); the members and their behaviour are those of
//   CArray, see Array.h.
#pragma once
#include "Array.h"

class CWordArray : public CArray<WORD, WORD>
{
    DECLARE_SERIAL(CWordArray)

    // Construction
  public:
    CWordArray()
    {
    }
};
