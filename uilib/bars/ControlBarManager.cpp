// SECControlBarManager: the base manager, which makes nothing and keeps nothing.
#include "uilib/bars/ControlBarManager.h"

IMPLEMENT_DYNAMIC(SECControlBarManager, CCmdTarget)

BOOL SECControlBarManager::LoadState(SECPersistentTreeNode* pNode)
{
    return pNode != NULL;
}

BOOL SECControlBarManager::LoadState(LPCTSTR)
{
    return FALSE;
}

BOOL SECControlBarManager::SaveState(SECPTNFactory*, SECPersistentTreeNode* pNode)
{
    return pNode != NULL;
}

BOOL SECControlBarManager::SaveState(LPCTSTR)
{
    return FALSE;
}

DWORD SECControlBarManager::GetBarTypeID(SECControlBar*)
{
    return 0;
}

SECControlBarInfoEx* SECControlBarManager::CreateBarInfo(SECControlBarInfo*)
{
    return NULL;
}

SECControlBar* SECControlBarManager::CreateBar(SECControlBarInfo*)
{
    return NULL;
}
