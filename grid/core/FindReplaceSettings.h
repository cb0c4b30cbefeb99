// The find and replace settings shared by all grids: the open dialog and its grid, the texts,
// direction and options that the find/replace component and the browser's replace-all read.
#pragma once
#include "afx.h"

class CFindReplaceDialog;
class CGXGridCore;
class CGXStyle;
class CWnd;

struct CGXFindReplaceSettings
{
    CFindReplaceDialog* m_pFindReplaceDlg = NULL; // the open dialog
    BOOL m_bFindOnly = FALSE;                     // its kind
    CString m_strFind;
    CString m_strFindUpper; // the working copy: upper-cased unless match case is set
    CString m_strReplace;
    BOOL m_bMatchCase = FALSE;
    BOOL m_bNext = TRUE;               // search down
    BOOL m_bTransaction = FALSE;       // Replace All runs as one undo step (asked from the dialog)
    CGXGridCore* m_pActiveGrid = NULL; // the grid whose dialog is open
    CWnd* m_pParentWnd = NULL;         // the dialog's parent
    const CGXStyle* m_pStyle = NULL;   // the composed style of the cell being scanned

    // Makes the working copy of the search text.
    void PrepareSearchText()
    {
        m_strFindUpper = m_strFind;
        if (!m_bMatchCase)
            m_strFindUpper.MakeUpper();
    }
    // A grid that goes forgets the dialog and itself when they are its own (the dialog dies with
    // the grid's window).
    void ForgetGrid(const CGXGridCore* pGrid)
    {
        if (pGrid == NULL || m_pActiveGrid != pGrid)
            return;
        m_pActiveGrid = NULL;
        m_pFindReplaceDlg = NULL;
        m_pParentWnd = NULL;
    }
};

CGXFindReplaceSettings* AFXAPI GXGetFindReplaceSettings();
