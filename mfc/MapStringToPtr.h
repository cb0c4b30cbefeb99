// CMapStringToPtr: a map from strings to untyped pointers.
// Does not own what the pointers point to.
//
// Differences from MFC:
// - Built on CMap (MFC writes each class out); the members and their behaviour are those of
//   CMap, see Map.h.
#pragma once
#include "Map.h"
#include "String.h"

class CMapStringToPtr : public CMap<CString, LPCTSTR, void*, void*>
{
    DECLARE_DYNAMIC(CMapStringToPtr)

    // Construction
  public:
    explicit CMapStringToPtr(int nBlockSize = 10) : CMap<CString, LPCTSTR, void*, void*>(nBlockSize)
    {
    }

    // Overridables
  public:
    // Writes and reads nothing, as CObject does: the class is not serialisable.
    void Serialize(CArchive& ar) override;
};
