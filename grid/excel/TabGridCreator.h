// CGXTabGridCreator: makes the grid tab-window adapters that a node manager hands out per
// parent window.
#pragma once
#include "GridTabWndAdapter.h"

class CGXTabGridCreator : public CGXNodeCreator<CGXTabWndAdapter>
{
  public:
    CGXTabWndAdapter* CreateNode() override
    {
        return new CGXGridTabWndAdapter;
    }
};
