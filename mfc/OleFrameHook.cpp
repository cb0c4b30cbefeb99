// COleFrameHook: attachment of an in-place item to its frame.
#include "OleFrameHook.h"
#include "FrameWnd.h"

IMPLEMENT_DYNAMIC(COleFrameHook, CCmdTarget)

COleFrameHook::COleFrameHook(CFrameWnd* pFrameWnd, COleClientItem* pItem)
    : m_pFrameWnd(pFrameWnd), m_pActiveItem(pItem)
{
    ASSERT(pFrameWnd != NULL && pFrameWnd->m_pNotifyHook == NULL);
    pFrameWnd->m_pNotifyHook = this;
}

COleFrameHook::~COleFrameHook()
{
    if (m_pFrameWnd != NULL && m_pFrameWnd->m_pNotifyHook == this)
        m_pFrameWnd->m_pNotifyHook = NULL;
}

BOOL COleFrameHook::OnPreTranslateMessage(MSG*)
{
    return FALSE;
}

void COleFrameHook::OnRecalcLayout()
{
}

void COleFrameHook::OnActivate(BOOL)
{
}

void COleFrameHook::OnDocActivate(BOOL)
{
}
