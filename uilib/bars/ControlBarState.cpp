// SECControlBar: its saved record.
#include "uilib/bars/ControlBar.h"
#include "uilib/bars/ControlBarManager.h"
#include "uilib/frames/docking/ControlBarInfo.h"
#include "uilib/frames/docking/DockContext.h"

void SECControlBar::GetBarInfoEx(SECControlBarInfo* pInfo)
{
    CControlBar::GetBarInfo(pInfo);
    pInfo->m_szMRUHorzDock = m_szDockHorz;
    pInfo->m_szInMemory = m_szReserved;
    pInfo->m_szMRUVertDock = m_szDockVert;
    pInfo->m_szMRUFloat = m_szFloat;
    pInfo->m_dwMRUDockingState = m_dwSavedDockStyle;
    pInfo->m_dwDockingStyle = m_dwDockStyle;
    pInfo->m_fPctWidth = m_fPctWidth;
    pInfo->m_dwStyle = m_dwStyle;
    pInfo->m_dwExStyle = m_dwExStyle;
    SECDockContext* pContext = dynamic_cast<SECDockContext*>(m_pDockContext);
    pInfo->m_bPrevFloating = pContext != NULL ? pContext->m_bWasFloating : FALSE;
    pInfo->m_bMDIChild = IsFloatingAsMDIChild();
    if (pInfo->m_bMDIChild)
    {
        CFrameWnd* pFrame = GetParentFrame();
        pInfo->m_wpMDIChild.length = sizeof(WINDOWPLACEMENT);
        if (pFrame != NULL)
            pFrame->GetWindowPlacement(&pInfo->m_wpMDIChild);
    }
    pInfo->m_strClassName = GetRuntimeClass()->m_lpszClassName;
    GetWindowText(pInfo->m_strWindowName);
    pInfo->m_dwTypeID = m_pManager != NULL ? m_pManager->GetBarTypeID(this) : 0;
    GetBarInfoExtra(pInfo);
}

void SECControlBar::SetBarInfoEx(SECControlBarInfo* pInfo, CFrameWnd* pFrameWnd)
{
    // MFC's part first: it commits the remembered width, which the saved sizes then replace.
    CControlBar::SetBarInfo(pInfo, pFrameWnd);
    m_szDockHorz = pInfo->m_szMRUHorzDock;
    m_szReserved = pInfo->m_szInMemory;
    m_szDockVert = pInfo->m_szMRUVertDock;
    m_szFloat = pInfo->m_szMRUFloat;
    m_nMRUWidth = pInfo->m_nMRUWidth;
    m_dwSavedDockStyle = pInfo->m_dwMRUDockingState;
    m_dwDockStyle = pInfo->m_dwDockingStyle;
    m_fPctWidth = pInfo->m_fPctWidth;
    m_bPctWidthSet = TRUE;
    // The alignment is the dock bar's; the rest of the style is the saved one.
    const DWORD dwAlign = m_pDockBar != NULL ? (m_dwStyle & (CBRS_ALIGN_ANY | CBRS_FLOATING)) : 0;
    SetBarStyle(m_pDockBar != NULL ? (pInfo->m_dwStyle & ~(CBRS_ALIGN_ANY | CBRS_FLOATING)) | dwAlign
                                   : pInfo->m_dwStyle);
    if (SECDockContext* pContext = dynamic_cast<SECDockContext*>(m_pDockContext))
        pContext->m_bWasFloating = pInfo->m_bPrevFloating;
    if (pInfo->m_pInfoEx != NULL)
        SetBarInfoExtra(pInfo, pFrameWnd);
}

void SECControlBar::GetBarInfoExtra(SECControlBarInfo*)
{
}

void SECControlBar::SetBarInfoExtra(SECControlBarInfo*, CFrameWnd*)
{
}
