// Plug-in components.
#include "grid/core/PluginComponent.h"

IMPLEMENT_DYNAMIC(CGXPluginComponent, CWnd)

CGXPluginComponent::CGXPluginComponent()
{
}

CGXPluginComponent::~CGXPluginComponent()
{
    // The handle belongs to the grid window, which must survive this object.
    m_hWnd = NULL;
}

BOOL CGXPluginComponent::PlugIn(CWnd* pWnd)
{
    m_hWnd = pWnd != NULL ? pWnd->GetSafeHwnd() : NULL;
    return TRUE;
}

BOOL CGXPluginComponent::HandlePluginMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& lResult)
{
    m_bSkipOtherPlugins = FALSE;
    m_bExitMesssage = FALSE;
    lResult = 0;
    OnWndMsg(message, wParam, lParam, &lResult);
    return m_bExitMesssage;
}

LRESULT CGXPluginComponent::DefWindowProc(UINT, WPARAM, LPARAM)
{
    return 0;
}
