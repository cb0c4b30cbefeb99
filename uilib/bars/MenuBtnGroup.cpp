// SECMenuBtnGroup: the drop-down menu buttons of the menu bar as a list.
#include "uilib/bars/MenuBtnGroup.h"
#include "uilib/bars/MenuBar.h"
#include "uilib/bars/MenuListBox.h"
#include "uilib/bars/TBMenuBtn.h"
#include "uilib/bars/ToolBarManager.h"

IMPLEMENT_DYNAMIC(SECMenuBtnGroup, SECBtnGroup)

namespace
{
const SECBtnMapEntry* FindMenuEntry(const SECBtnMapEntry* pMap, UINT nID)
{
    for (const SECBtnMapEntry* pEntry = pMap; pEntry != NULL && pEntry->pfnCreate != NULL; pEntry++)
        if (pEntry->nID == nID && pEntry->pfnCreate == &SECTBMenuBtn::Create)
            return pEntry;
    return NULL;
}
} // namespace

SECMenuBtnGroup::SECMenuBtnGroup(LPCTSTR lpszTitle, const UINT* pIDs, int nCount)
    : SECBtnGroup(lpszTitle, pIDs, nCount)
{
}

SECMenuListBox* SECMenuBtnGroup::GetListBox() const
{
    return static_cast<SECMenuListBox*>(m_pWnd);
}

SECMenuBar* SECMenuBtnGroup::FindMenuBar(SECToolBarManager* pManager)
{
    return pManager != NULL ? SECToolBarManager::GetFrameMenuBar(pManager->GetFrame()) : NULL;
}

const SECBtnMapEntry* SECMenuBtnGroup::FindMenuButtonDef(SECToolBarManager* pManager, UINT nID)
{
    const SECBtnMapEntry* pEntry = pManager != NULL ? FindMenuEntry(pManager->GetButtonMap(), nID) : NULL;
    if (pEntry != NULL)
        return pEntry;
    SECMenuBar* pMenuBar = FindMenuBar(pManager);
    return pMenuBar != NULL ? FindMenuEntry(pMenuBar->GetMenuTable(), nID) : NULL;
}

void SECMenuBtnGroup::CollectMenuButtons(SECToolBarManager* pManager, std::vector<UINT>& ids)
{
    ids.clear();
    SECMenuBar* pMenuBar = FindMenuBar(pManager);
    if (pMenuBar == NULL)
        return;
    const UINT nCurrentBit = pMenuBar->GetCurrentMenuBit();
    for (int i = 0; i < pMenuBar->GetBtnCount(); i++)
    {
        SECStdBtn* pBtn = pMenuBar->GetButton(i);
        if (pBtn->HasStyle(TBBS_SEPARATOR))
            continue;
        // A menu button belongs to the menus whose bits it carries.
        if (pBtn->m_nType == SECStdBtn::BtnMenu &&
            (static_cast<SECTBMenuBtn*>(pBtn)->m_nExtra & nCurrentBit) == 0)
            continue;
        if (FindMenuButtonDef(pManager, pBtn->m_nID) != NULL)
            ids.push_back(pBtn->m_nID);
    }
}

BOOL SECMenuBtnGroup::Create(CWnd* pPage, SECToolBarManager* pManager, UINT nID)
{
    if (m_pWnd != NULL)
        return FALSE;
    SECMenuListBox* pList = new SECMenuListBox(pManager);
    if (!pList->Create(pPage, nID))
    {
        delete pList;
        return FALSE;
    }
    m_pWnd = pList;
    for (UINT nCmd : m_ids)
    {
        const SECBtnMapEntry* pEntry = FindMenuButtonDef(pManager, nCmd);
        LPCTSTR lpszText = pEntry != NULL ? (LPCTSTR)pEntry->info[2] : NULL;
        if (lpszText == NULL)
            continue;
        pList->AddCommand(nCmd, lpszText);
    }
    return TRUE;
}

void SECMenuBtnGroup::SetRect(const CRect& rect)
{
    // The list's edge sits 2 pixels lower than a palette's.
    CRect rectList = rect;
    rectList.OffsetRect(0, 2);
    SECBtnGroup::SetRect(rectList);
}
