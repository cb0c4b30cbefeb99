// SECControlBarManager: the base manager, which makes nothing.
#include "uilib/bars/ControlBarManager.h"

IMPLEMENT_DYNAMIC(SECControlBarManager, CCmdTarget)

SECControlBarInfoEx* SECControlBarManager::CreateBarInfo(SECControlBarInfo*)
{
    return NULL;
}

SECControlBar* SECControlBarManager::CreateBar(SECControlBarInfo*)
{
    return NULL;
}

DWORD SECControlBarManager::GetBarTypeID(SECControlBar*)
{
    return 0;
}
