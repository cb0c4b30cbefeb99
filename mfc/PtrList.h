// CPtrList: a list of untyped pointers.
// Does not own what the pointers point to.
//
// Differences from MFC:
// - Built on CList (MFC writes each class out); the members and their behaviour are those of
//   CList, see List.h.
#pragma once
#include "List.h"

class CPtrList : public CList<void*, void*>
{
    DECLARE_DYNAMIC(CPtrList)

    // Construction
  public:
    explicit CPtrList(int nBlockSize = 10) : CList<void*, void*>(nBlockSize)
    {
    }

    // Overridables
  public:
    // Writes and reads nothing, as CObject does: the class is not serialisable.
    void Serialize(CArchive& ar) override;
};
