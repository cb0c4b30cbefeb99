// CObArray: an array of CObject pointers.
// Does not own the objects: RemoveAll and the destructor leave them alone.
//
// Differences from MFC:
// - Built on CArray (MFC writes each class out); the members and their behaviour are those of
//   CArray, see Array.h.
#pragma once
#include "Array.h"

class CObArray : public CArray<CObject*, CObject*>
{
    DECLARE_SERIAL(CObArray)

    // Construction
  public:
    CObArray()
    {
    }

    // Overridables
  public:
    // The count, then each object as the archive writes a CObject pointer.
    void Serialize(CArchive& ar) override;
};
