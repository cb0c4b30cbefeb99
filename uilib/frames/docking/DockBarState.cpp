// SECDockBar: its saved record.
#include "uilib/frames/docking/ControlBarInfo.h"
#include "uilib/frames/docking/DockBar.h"

void SECDockBar::GetBarInfo(CControlBarInfo* pInfo)
{
    CDockBar::GetBarInfo(pInfo);
    SECControlBarInfo* pSECInfo = dynamic_cast<SECControlBarInfo*>(pInfo);
    if (pSECInfo == NULL)
        return;
    pSECInfo->m_bMDIChild = m_bFloatsAsMDIChild;
    pSECInfo->m_dwStyle = m_dwStyle;
    if (m_bFloatsAsMDIChild)
    {
        CFrameWnd* pFrame = GetParentFrame();
        pSECInfo->m_wpMDIChild.length = sizeof(WINDOWPLACEMENT);
        if (pFrame != NULL)
            pFrame->GetWindowPlacement(&pSECInfo->m_wpMDIChild);
    }
}

void SECDockBar::SetBarInfo(CControlBarInfo* pInfo, CFrameWnd* pFrameWnd)
{
    // Shares come from the bars' own records: the rows are not normalised anew.
    CDockBar::SetBarInfo(pInfo, pFrameWnd);
    SECControlBarInfo* pSECInfo = dynamic_cast<SECControlBarInfo*>(pInfo);
    if (pSECInfo != NULL)
        m_bFloatsAsMDIChild = pSECInfo->m_bMDIChild;
}
