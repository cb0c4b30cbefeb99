// CMapStringToOb: a map from strings to CObject pointers.
// Does not own the objects.
//
// Differences from MFC:
// - Built on CMap (MFC writes each class out); the members and their behaviour are those of
//   CMap, see Map.h.
#pragma once
#include "Map.h"
#include "String.h"

class CMapStringToOb : public CMap<CString, LPCTSTR, CObject*, CObject*>
{
    DECLARE_SERIAL(CMapStringToOb)

    // Construction
  public:
    explicit CMapStringToOb(int nBlockSize = 10) : CMap<CString, LPCTSTR, CObject*, CObject*>(nBlockSize)
    {
    }

    // Overridables
  public:
    // The count, then each key and object (as the archive writes a CObject pointer) in
    // iteration order; loading adds to the map.
    void Serialize(CArchive& ar) override;
};
