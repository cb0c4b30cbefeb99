// CUIntArray: an array of UINTs.
// Not serialisable, as in MFC (the size of UINT varies between platforms).
//
// Differences from MFC:
// - Built on CArray (MFC writes each class out); the members and their behaviour are those of
//   CArray, see Array.h.
#pragma once
#include "Array.h"

class CUIntArray : public CArray<UINT, UINT>
{
    DECLARE_DYNAMIC(CUIntArray)

    // Construction
  public:
    CUIntArray()
    {
    }

    // Overridables
  public:
    // Writes and reads nothing, as CObject does: the class is not serialisable.
    void Serialize(CArchive& ar) override;
};
