// A string resource of the program's modules as a CString (empty when there is none).
#pragma once
#include "afxwin.h"

inline CString LoadText(UINT nID)
{
    CString text;
    text.LoadString(nID);
    return text;
}
