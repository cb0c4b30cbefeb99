// The long-operation component: status texts per nesting level, the progress shown in the
// frame's status bar, the message pump that keeps painting alive, and the Esc question.
#include "grid/features/LongOperationImp.h"
#include "grid/core/LongOperation.h"
#include "GridIds.h"
#include <cstring>

void AFXAPI GXInstallLongOperationImp()
{
    CGXAppData* pAppData = GXGetAppData();
    if (pAppData->m_pLongOperationImp != NULL)
        return;
    pAppData->m_pLongOperationImp = new CGXLongOperationImp;
    pAppData->AddComponent(pAppData->m_pLongOperationImp);
}

namespace
{
CGXLongOperationSettings& State()
{
    return *GXGetLongOperationSettings();
}

// The slot of a nesting level (1-based); levels past the last share it.
int Slot(int nLevel)
{
    return std::min(std::max(nLevel, 1), (int)CGXLongOperationSettings::nLevelTexts) - 1;
}

void LoadOnce(CString& str, UINT nID)
{
    if (str.IsEmpty())
        str.LoadString(nID);
}

// Whether the current level's text and percentage are shown.
BOOL IsLevelShown()
{
    const CGXLongOperationSettings& s = State();
    return s.m_nLevelShown == -1 || s.m_nOperationLevel - 1 <= s.m_nLevelShown;
}

void SendToFrame(LPCTSTR pszText)
{
    HWND hFrame = State().m_hFrameWnd;
    if (hFrame != NULL && ::IsWindow(hFrame))
        ::SendMessage(hFrame, WM_SETMESSAGESTRING, 0, (LPARAM)pszText);
}

const char* const s_apszSpinner[] = {"  -", "  \\", "  |", "  /"};
} // namespace

void CGXLongOperationImp::Start(CGXLongOperation* pOp)
{
    CGXLongOperationSettings& s = State();
    LoadOnce(s.m_strRunning, GX_IDS_LONGOP_RUNNING);
    LoadOnce(s.m_strDone, GX_IDS_LONGOP_DONE);
    LoadOnce(s.m_strEscAbort, GX_IDS_LONGOP_ESCABORT);
    LoadOnce(s.m_strAskAbort, GX_IDS_LONGOP_ASKABORT);
    if (s.m_nOperationLevel++ > 0)
    {
        // Nested: the enclosing level's text goes on showing.
        pOp->m_pszStatusText = s.m_apszLevelText[Slot(s.m_nOperationLevel - 1)];
        if (s.m_nOperationLevel <= CGXLongOperationSettings::nLevelTexts)
        {
            s.m_apszLevelText[Slot(s.m_nOperationLevel)] = pOp->m_pszStatusText;
            s.m_abTextOwned[Slot(s.m_nOperationLevel)] = FALSE;
        }
    }
    else
    {
        s.m_nLevelShown = -1;
        s.m_nPercentDone = -1;
        s.m_bDisplayStarted = s.m_bEscPressed = s.m_bAborted = s.m_bRetry = FALSE;
        s.m_bCanAbort = TRUE;
        s.m_bAbortRetryIgnore = FALSE;
        pOp->m_pszStatusText = s.m_strRunning;
        s.m_apszLevelText[0] = pOp->m_pszStatusText;
        s.m_abTextOwned[0] = FALSE;
        if (!::IsWindow(s.m_hFrameWnd))
        {
            CWnd* pMain = AfxGetMainWnd();
            s.m_hFrameWnd = pMain != NULL && pMain->IsFrameWnd() ? pMain->GetSafeHwnd() : NULL;
        }
    }
    pOp->m_dwStartTicks = pOp->m_dwLastUpdateTicks = ::GetTickCount();
    pOp->m_bShowDoneText = pOp->m_bShowProgress = TRUE;
}

void CGXLongOperationImp::Stop(CGXLongOperation* pOp)
{
    CGXLongOperationSettings& s = State();
    FreeStatusText(pOp);
    if (--s.m_nOperationLevel > 0 || !s.m_bDisplayStarted)
        return;
    s.m_bDisplayStarted = FALSE;
    if (CWinApp* pApp = AfxGetApp())
        pApp->DoWaitCursor(-1);
    if (pOp->m_bShowDoneText)
        SendToFrame(s.m_strDone);
}

void CGXLongOperationImp::FreeStatusText(CGXLongOperation* pOp)
{
    CGXLongOperationSettings& s = State();
    if (s.m_nOperationLevel > CGXLongOperationSettings::nLevelTexts)
        return; // deeper levels own no text
    int i = Slot(s.m_nOperationLevel);
    if (s.m_abTextOwned[i])
    {
        if (pOp->m_pszStatusText == s.m_apszLevelText[i])
            pOp->m_pszStatusText = NULL;
        delete[] s.m_apszLevelText[i];
        s.m_apszLevelText[i] = NULL;
        s.m_abTextOwned[i] = FALSE;
    }
}

void CGXLongOperationImp::SetStatusText(CGXLongOperation* pOp, LPCTSTR pszText, BOOL bCopy)
{
    CGXLongOperationSettings& s = State();
    FreeStatusText(pOp);
    if (s.m_nLevelShown != -1 && s.m_nOperationLevel - 1 > s.m_nLevelShown)
        return;
    if (s.m_nOperationLevel > CGXLongOperationSettings::nLevelTexts)
    {
        pOp->m_pszStatusText = s.m_apszLevelText[Slot(s.m_nOperationLevel)];
        return;
    }
    int i = Slot(s.m_nOperationLevel);
    if (bCopy && pszText != NULL)
    {
        size_t n = std::strlen(pszText) + 1;
        char* pszCopy = new char[n];
        std::memcpy(pszCopy, pszText, n);
        pszText = pszCopy;
    }
    s.m_apszLevelText[i] = pszText;
    s.m_abTextOwned[i] = bCopy && pszText != NULL;
    pOp->m_pszStatusText = pszText;
}

void CGXLongOperationImp::ShowStatus(CGXLongOperation* pOp, BOOL bEscHint)
{
    CGXLongOperationSettings& s = State();
    if (!pOp->m_bShowProgress || !IsLevelShown() || !::IsWindow(s.m_hFrameWnd))
        return;
    s.m_strStatus = pOp->m_pszStatusText != NULL ? pOp->m_pszStatusText : "";
    if (s.m_nPercentDone >= 0)
    {
        CString strPercent;
        strPercent.Format(" %3d%%. ", s.m_nPercentDone);
        s.m_strStatus += strPercent;
    }
    if (bEscHint)
        s.m_strStatus += "   " + s.m_strEscAbort;
    if (s.m_nPercentDone < 0)
    {
        s.m_strStatus += s_apszSpinner[s.m_nSpinnerStep];
        s.m_nSpinnerStep = (s.m_nSpinnerStep + 1) % 4;
    }
    SendToFrame(s.m_strStatus);
}

BOOL CGXLongOperationImp::NeedMessages(CGXLongOperation* pOp)
{
    if (!pOp->IsWaitTimeOver())
        return FALSE;
    ShowStatus(pOp, FALSE);
    ProcessMessages(pOp);
    pOp->m_dwLastUpdateTicks = ::GetTickCount();
    return TRUE;
}

BOOL CGXLongOperationImp::DoMessages(CGXLongOperation* pOp, BOOL& bAbort)
{
    bAbort = FALSE;
    if (!pOp->IsWaitTimeOver())
        return FALSE;
    CGXLongOperationSettings& s = State();
    ShowStatus(pOp, s.m_bCanAbort);
    ProcessMessages(pOp);
    if (s.m_bCanAbort && s.m_bEscPressed && !s.m_bAborted)
    {
        if (!s.m_bConfirmAbort)
        {
            s.m_bAborted = TRUE;
            s.m_bRetry = s.m_bAbortRetryIgnore;
        }
        else
            AskAbort();
        s.m_bEscPressed = FALSE;
    }
    bAbort = s.m_bAborted;
    pOp->m_dwLastUpdateTicks = ::GetTickCount();
    return TRUE;
}

void CGXLongOperationImp::AskAbort()
{
    CGXLongOperationSettings& s = State();
    if (!s.m_bAbortRetryIgnore)
    {
        s.m_bAborted = AfxMessageBox(s.m_strAskAbort, MB_YESNO | MB_ICONQUESTION) == IDYES;
        return;
    }
    switch (AfxMessageBox(s.m_strAskAbort, MB_ABORTRETRYIGNORE | MB_ICONQUESTION))
    {
    case IDRETRY:
        s.m_bRetry = TRUE;
        s.m_bAborted = TRUE;
        break;
    case IDABORT:
        s.m_bAborted = TRUE;
        break;
    default:
        break;
    }
}

void CGXLongOperationImp::ProcessMessages(CGXLongOperation*)
{
    CGXLongOperationSettings& s = State();
    CWinApp* pApp = AfxGetApp();
    if (!s.m_bDisplayStarted)
    {
        if (pApp != NULL)
            pApp->DoWaitCursor(1);
        s.m_bDisplayStarted = TRUE;
    }
    MSG msg;
    while (::PeekMessage(&msg, NULL, 0, 0, PM_NOREMOVE))
    {
        UINT m = msg.message;
        if (m == WM_KEYDOWN && (msg.wParam == VK_ESCAPE || msg.wParam == VK_CANCEL))
            s.m_bEscPressed = TRUE;
        // Input must not reach the windows while the work runs; it is dropped.
        if ((m >= WM_KEYFIRST && m <= 0x108) || (m >= WM_MOUSEFIRST && m <= 0x209) ||
            (m >= WM_NCMOUSEMOVE && m <= 0xA9) || m == WM_COMMAND)
        {
            if (pApp != NULL)
                pApp->DoWaitCursor(0);
            ::PeekMessage(&msg, NULL, m, m, PM_REMOVE);
            continue;
        }
        CWinThread* pThread = AfxGetThread();
        if (pThread == NULL ? !AfxInternalPumpMessage() : !pThread->PumpMessage())
        {
            ::PostQuitMessage(0);
            break;
        }
    }
    if (pApp != NULL)
        for (LONG n = 0; pApp->OnIdle(n); n++)
        {
        }
}
