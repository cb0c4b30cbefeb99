// CPtrArray: an array of untyped pointers.
// Does not own what the pointers point to.
//
// Differences from MFC:
// - Built on CArray (MFC writes each class out); the members and their behaviour are those of
//   CArray, see Array.h.
#pragma once
#include "Array.h"

class CPtrArray : public CArray<void*, void*>
{
    DECLARE_DYNAMIC(CPtrArray)

    // Construction
  public:
    CPtrArray()
    {
    }

    // Overridables
  public:
    // Writes and reads nothing, as CObject does: the class is not serialisable.
    void Serialize(CArchive& ar) override;
};
