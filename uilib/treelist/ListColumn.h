// SECListColumn: one column of the list: format, width, heading, its sub-item and header image.
#pragma once
#include "afxwin.h"
#include <commctrl.h>

class SECListColumn
{
  public:
    UINT m_mask = 0;
    int m_fmt = LVCFMT_LEFT;
    int m_cx = 0;
    CString m_strHeading;
    DWORD m_dwValue = 0;
    int m_iSubItem = -1;
    int m_iImage = -1;
};
