// A long operation of the grid (storing styles, undo copies, ...): a stack object bracketing the
// loop. The application-wide long-operation component shows the wait cursor, status text and
// percentage and lets the user abort; without it the object only counts the nesting depth.
#pragma once
#include "grid/core/AppData.h"

// The process-wide state read and written by the component and the engine's loops.
struct CGXLongOperationSettings
{
    enum
    {
        nLevelTexts = 64 // deeper levels show the last level's text
    };
    DWORD m_dwTicksFirstTime = 750;  // ms until the first progress update
    DWORD m_dwTicksContinued = 1500; // ms between later updates
    BOOL m_bConfirmAbort = TRUE;     // ask before aborting on Esc
    CString m_strRunning, m_strDone, m_strEscAbort;
    int m_nPercentDone = -1;        // -1 a spinner instead
    int m_nOperationLevel = 0;      // nesting depth
    int m_nLevelShown = -1;         // -1 every level
    BOOL m_bDisplayStarted = FALSE; // the wait cursor is shown
    BOOL m_bEscPressed = FALSE;
    BOOL m_bAborted = FALSE;
    BOOL m_bRetry = FALSE;
    BOOL m_bCanAbort = TRUE;
    BOOL m_bAbortRetryIgnore = FALSE; // ask with Abort, Retry and Ignore instead of Yes and No
    CString m_strAskAbort;
    LPCTSTR m_apszLevelText[nLevelTexts] = {};
    BYTE m_abTextOwned[nLevelTexts] = {};
    CString m_strStatus; // the composed status-bar text
    int m_nSpinnerStep = 0;
    HWND m_hFrameWnd = NULL;
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
    // Whether Esc is honoured; also the state's setting, which the Esc hint follows.
    void SetCanAbort(BOOL b);
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
    LPCTSTR m_pszStatusText = NULL; // the state's level text
    BOOL m_bShowDoneText = TRUE;    // the outermost end shows "Fertig."
    BOOL m_bShowProgress = TRUE;
    BOOL m_bCanAbort = TRUE;
};
