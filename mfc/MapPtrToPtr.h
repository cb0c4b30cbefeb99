// CMapPtrToPtr: a map from pointers to pointers.
// Does not own what the pointers point to.
//
// Differences from MFC:
// - Built on CMap (MFC writes each class out); the members and their behaviour are those of
//   CMap, see Map.h.
#pragma once
#include "Map.h"

class CMapPtrToPtr : public CMap<void*, void*, void*, void*>
{
    DECLARE_DYNAMIC(CMapPtrToPtr)

    // Construction
  public:
    explicit CMapPtrToPtr(int nBlockSize = 10) : CMap<void*, void*, void*, void*>(nBlockSize)
    {
    }

    // Overridables
  public:
    // Writes and reads nothing, as CObject does: the class is not serialisable.
    void Serialize(CArchive& ar) override;
};
