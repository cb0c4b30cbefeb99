// CMapWordToPtr: a map from WORDs to untyped pointers.
// Does not own what the pointers point to.
//
// Differences from MFC:
// - Built on CMap (MFC writes each class out); the members and their behaviour are those of
//   CMap, see Map.h.
#pragma once
#include "Map.h"

class CMapWordToPtr : public CMap<WORD, WORD, void*, void*>
{
    DECLARE_DYNAMIC(CMapWordToPtr)

    // Construction
  public:
    explicit CMapWordToPtr(int nBlockSize = 10) : CMap<WORD, WORD, void*, void*>(nBlockSize)
    {
    }

    // Overridables
  public:
    // Writes and reads nothing, as CObject does: the class is not serialisable.
    void Serialize(CArchive& ar) override;
};
