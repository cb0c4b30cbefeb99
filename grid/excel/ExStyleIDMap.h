// CGXExStyleIDMap: while a workbook is written, the XF number of each base style by its id in
// the grid's styles map.
#pragma once
#include "mfc/Map.h"

class CGXExStyleIDMap : public CMap<DWORD, DWORD, UINT, UINT>
{
  public:
    // The XF number of the style id, 0 when absent.
    UINT LookupXF(DWORD nID) const
    {
        UINT nXF = 0;
        return Lookup(nID, nXF) ? nXF : 0;
    }
    // Stores the pair unless the id is present.
    void AddIfAbsent(DWORD nID, UINT nXF)
    {
        UINT nOld;
        if (!Lookup(nID, nOld))
            SetAt(nID, nXF);
    }
};
