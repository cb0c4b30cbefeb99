// Reaches the sheet names of the tab window a grid lies in, for grid code that does not know the
// tab window. One stateless object, installed by the first tab window.
#pragma once
#include "grid/core/GridComponents.h"

class CGXTabWndInterface : public CGXAbstractTabWndInterface
{
  public:
    void GetOrSetTabName(CWnd* pWnd, CString& sName, BOOL bSet) override;
    CString GetTabNameAt(CWnd* pWnd, int nTab) override;
};
