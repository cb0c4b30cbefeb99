// CByteArray: an array of bytes.
// Stored as the count and the bytes.
//
// Differences from MFC:
// - Built on CArray (MFC writes each class out); the members and their behaviour are those of
//   CArray, see Array.h.
#pragma once
#include "Array.h"

class CByteArray : public CArray<BYTE, BYTE>
{
    DECLARE_SERIAL(CByteArray)

    // Construction
  public:
    CByteArray()
    {
    }
};
