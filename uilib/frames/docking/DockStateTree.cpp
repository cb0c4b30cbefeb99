// The dock state in the workspace's state tree: node "DockState" with a child per saved bar.
#include "uilib/common/PersistentTreeNode.h"
#include "uilib/frames/docking/ControlBarInfo.h"
#include "uilib/frames/docking/ControlBarInfoEx.h"
#include "uilib/frames/docking/DockState.h"

namespace
{
const TCHAR kDockStateNode[] = _T("DockState");
} // namespace

BOOL SECControlBarInfoEx::LoadStateFromTree(SECPersistentTreeNode* pNode)
{
    return pNode != NULL;
}

void SECControlBarInfoEx::SaveStateToTree(SECPTNFactory*, SECPersistentTreeNode*)
{
}

BOOL SECDockState::SaveStateToTree(SECPTNFactory* pFactory, SECPersistentTreeNode* pParent)
{
    if (pFactory == NULL || pParent == NULL)
        return FALSE;
    SECPersistentTreeNode* pNode = pFactory->CreateNode(kDockStateNode, pParent);
    if (pNode == NULL)
        return FALSE;
    int nSaved = 0;
    for (int i = 0; i < GetBarInfoCount(); i++)
        if (GetBarInfo(i)->SaveStateToTree(pFactory, pNode, nSaved))
            nSaved++;
    const CSize size = GetScreenSize();
    pNode->SetKeyValue(_T("Bars"), nSaved);
    pNode->SetKeyValue(_T("ScreenCX"), (int)size.cx);
    pNode->SetKeyValue(_T("ScreenCY"), (int)size.cy);
    return TRUE;
}

BOOL SECDockState::LoadStateFromTree(SECPersistentTreeNode* pParent)
{
    SECPersistentTreeNode* pNode = pParent != NULL ? pParent->FindChild(kDockStateNode) : NULL;
    if (pNode == NULL)
        return FALSE;
    int nBars = 0, cx = 0, cy = 0;
    pNode->GetKeyValue(_T("Bars"), nBars, 0);
    pNode->GetKeyValue(_T("ScreenCX"), cx, 0);
    pNode->GetKeyValue(_T("ScreenCY"), cy, 0);
    SetScreenSize(CSize(cx, cy));
    // Missing bar nodes are skipped; once every child is read a damaged count ends the walk.
    int nFound = 0;
    for (int i = 0; i < nBars && nFound < pNode->GetChildCount(); i++)
    {
        CString strName;
        strName.Format(_T("Bar-%d"), i);
        SECPersistentTreeNode* pBarNode = pNode->FindChild(strName);
        if (pBarNode == NULL)
            continue;
        nFound++;
        SECControlBarInfo* pInfo = CreateBarInfo(m_pManager);
        m_arrBarInfo.Add(pInfo);
        pInfo->LoadStateFromTree(pBarNode, this);
    }
    return TRUE;
}
