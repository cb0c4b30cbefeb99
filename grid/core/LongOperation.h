// A long operation of the grid (storing styles, undo copies, ...): a stack object bracketing the
// loop. The application-wide long-operation component shows the wait cursor, status text and
// percentage and lets the user abort; without it the object only counts the nesting depth.
#pragma once
#include "grid/core/AppData.h"

// Library-wide settings read and written by the component and the engine's loops.
struct CGXLongOperationSettings
{
    DWORD m_dwTicksFirstTime = 750; // ms until the first progress update
    DWORD m_dwTicksContinued = 1500; // ms between later updates
    BOOL m_bFlag1 = TRUE;
    CString m_strRunning, m_strDone, m_strEscAbort, m_strAskAbort;
    int m_nPercentDone = -1;  // -1 none
    int m_nOperationLevel = 0; // nesting depth
    int m_nLevelShown = -1;   // -1 every level
    BOOL m_bDisplayStarted = FALSE;
    BOOL m_bCanAbort = TRUE;
    BOOL m_bFlag2 = TRUE;
};

CGXLongOperationSettings* AFXAPI GXGetLongOperationSettings();

class CGXLongOperation
{
  public:
    // Construction
    CGXLongOperation();
    ~CGXLongOperation();
    CGXLongOperation(const CGXLongOperation&) = delete;
    CGXLongOperation& operator=(const CGXLongOperation&) = delete;

    // Operations
    void FreeStatusText();
    void SetStatusText(LPCTSTR pszText, BOOL bCopy = TRUE);
    // Clears bAbort; after the wait time pumps messages and sets bAbort on a user's abort.
    BOOL DoMessages(BOOL& bAbort);
    BOOL NeedMessages();
    void ProcessMessages();
    void SetCanAbort(BOOL b)
    {
        m_bCanAbort = b;
    }
    BOOL GetCanAbort() const
    {
        return m_bCanAbort;
    }
    // TRUE once the wait time since the last update has passed.
    BOOL IsWaitTimeOver() const;
    // Publishes the percentage when this level is shown.
    void SetPercentDone(int nPercent);

    // Implementation
    DWORD m_dwStartTicks;
    DWORD m_dwLastUpdateTicks;
    char* m_pszStatusText = NULL;
    BOOL m_bShowProgress = TRUE;
    BOOL m_bCanAbort = TRUE;
};
