// SECCustomToolBar: its title and buttons in the bar's saved record.
#include "uilib/bars/CustomToolBar.h"
#include "uilib/bars/CustomToolBarInfoEx.h"
#include "uilib/frames/docking/ControlBarInfo.h"
#include <algorithm>

void SECCustomToolBar::GetBarInfoExtra(SECControlBarInfo* pInfo)
{
    SECCustomToolBarInfoEx* pInfoEx = new SECCustomToolBarInfoEx;
    if (m_hWnd != NULL)
        GetWindowText(pInfoEx->m_strTitle);
    for (SECStdBtn* pBtn : m_btns)
    {
        const BOOL bSeparator = pBtn->HasStyle(TBBS_SEPARATOR);
        int nLen = 0;
        const BYTE* pData = NULL;
        pBtn->GetAdditionalInfo(nLen, pData);
        std::vector<BYTE> extra;
        if (!bSeparator && pData != NULL && nLen > 0)
            extra.assign(pData, pData + std::min(nLen, 255));
        pInfoEx->m_btnInfo.Add(new SECBtnInfo(bSeparator ? 0 : pBtn->m_nID, extra));
    }
    pInfoEx->m_bButtonsValid = TRUE;
    delete pInfo->m_pInfoEx;
    pInfo->m_pInfoEx = pInfoEx;
}

void SECCustomToolBar::SetBarInfoExtra(SECControlBarInfo* pInfo, CFrameWnd*)
{
    SECCustomToolBarInfoEx* pInfoEx = dynamic_cast<SECCustomToolBarInfoEx*>(pInfo->m_pInfoEx);
    if (pInfoEx == NULL)
        return;
    if (!pInfoEx->m_strTitle.IsEmpty() && m_hWnd != NULL)
        SetWindowText(pInfoEx->m_strTitle);
    // A list that did not read back whole leaves the bar's buttons as they are.
    if (!pInfoEx->m_bButtonsValid)
        return;
    RemoveAllButtons();
    for (INT_PTR i = 0; i < pInfoEx->m_btnInfo.GetSize(); ++i)
    {
        const SECBtnInfo* pBtnInfo = pInfoEx->m_btnInfo.GetInfo(i);
        const int nIndex = GetBtnCount();
        InsertButton(nIndex, pBtnInfo->m_nID, pBtnInfo->m_nID == 0, TRUE);
        if (!pBtnInfo->m_extra.empty())
            GetButton(nIndex)->SetAdditionalInfo((int)pBtnInfo->m_extra.size(), pBtnInfo->m_extra.data());
    }
    if (m_hWnd != NULL)
        Invalidate();
}
