// CObList: a list of CObject pointers.
// Does not own the objects.
//
// Differences from MFC:
// - Built on CList (MFC writes each class out); the members and their behaviour are those of
//   CList, see List.h.
#pragma once
#include "List.h"

class CObList : public CList<CObject*, CObject*>
{
    DECLARE_SERIAL(CObList)

    // Construction
  public:
    explicit CObList(int nBlockSize = 10) : CList<CObject*, CObject*>(nBlockSize)
    {
    }

    // Overridables
  public:
    // The count, then each object as the archive writes a CObject pointer; loading appends.
    void Serialize(CArchive& ar) override;
};
