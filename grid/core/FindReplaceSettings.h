// The find and replace settings shared by all grids: the texts, direction and options that the
// find/replace component and the browser's replace-all read.
#pragma once
#include "afx.h"

struct CGXFindReplaceSettings
{
    WORD m_wReserved = 0;
    CString m_strFind;
    CString m_strFindUpper; // the working copy: upper-cased unless match case is set
    CString m_strReplace;
    BOOL m_bMatchCase = FALSE;
    BOOL m_bNext = TRUE; // search down
    BOOL m_bWholeWord = TRUE;
    DWORD m_dwReserved[3] = {};

    // Makes the working copy of the search text.
    void PrepareSearchText()
    {
        m_strFindUpper = m_strFind;
        if (!m_bMatchCase)
            m_strFindUpper.MakeUpper();
    }
};

CGXFindReplaceSettings* AFXAPI GXGetFindReplaceSettings();
