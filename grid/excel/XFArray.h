// CGXXFArray: the XF numbers of one sheet's cells, row styles and column styles while the sheet
// is written, kept by the XF table per sheet ordinal; CGXXFArrayCreator makes them for the XF
// table's node manager.
#pragma once
#include "ExStyleMap.h"
#include "NodeManagerNor.h"

class CGXXFArray : public CGXExStyleMap
{
};

class CGXXFArrayCreator : public CGXNodeCreator<CGXXFArray>
{
  public:
    CGXXFArray* CreateNode() override
    {
        return new CGXXFArray;
    }
};
