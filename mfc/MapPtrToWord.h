// CMapPtrToWord: a map from pointers to WORDs.
// Does not own what the keys point to.
//
// Differences from MFC:
// - Built on CMap (MFC writes each class out); the members and their behaviour are those of
//   CMap, see Map.h.
#pragma once
#include "Map.h"

class CMapPtrToWord : public CMap<void*, void*, WORD, WORD>
{
    DECLARE_DYNAMIC(CMapPtrToWord)

    // Construction
  public:
    explicit CMapPtrToWord(int nBlockSize = 10) : CMap<void*, void*, WORD, WORD>(nBlockSize)
    {
    }

    // Overridables
  public:
    // Writes and reads nothing, as CObject does: the class is not serialisable.
    void Serialize(CArchive& ar) override;
};
