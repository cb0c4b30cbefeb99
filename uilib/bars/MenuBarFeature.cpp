// SECMenuBarFeature: the frame's messages to the menu bar's tracking and the bitmap menus.
#include "uilib/bars/MenuBarFeature.h"

IMPLEMENT_DYNAMIC(SECMenuBarFeature, SECBmpMenuPlugIn)

namespace
{
UINT s_nMenuProdMsg = SECMenuBarMessages::MenuProdMessage();
} // namespace

BEGIN_MESSAGE_MAP(SECMenuBarFeature, SECBmpMenuPlugIn)
ON_MESSAGE(WM_MENUSELECT, OnMenuSelectMsg)
ON_REGISTERED_MESSAGE(s_nMenuProdMsg, OnMenuProdMsg)
ON_MESSAGE(WM_INITMENUPOPUP, OnFeatureInitMenuPopup)
ON_MESSAGE(WM_SYSCOMMAND, OnSysCommandMsg)
ON_MESSAGE(WM_NCACTIVATE, OnNcActivateMsg)
END_MESSAGE_MAP()

SECMenuBarFeature::SECMenuBarFeature() : SECBmpMenuPlugIn(TRUE), m_pFrame(NULL)
{
}

SECMenuBarFeature::~SECMenuBarFeature() = default;

BOOL SECMenuBarFeature::PlugInTo(CWnd* pHost)
{
    if (!SECBmpMenuPlugIn::PlugInTo(pHost))
        return FALSE;
    m_pFrame = DYNAMIC_DOWNCAST(CFrameWnd, pHost);
    return TRUE;
}

void SECMenuBarFeature::UnPlug()
{
    SECBmpMenuPlugIn::UnPlug();
    m_pFrame = NULL;
}

CFrameWnd* SECMenuBarFeature::GetFrame()
{
    return m_pFrame;
}

BOOL SECMenuBarFeature::PreTranslateMessage(MSG* pMsg)
{
    if (!IsPlugged())
        return FALSE;
    if (SECMenuBarMessages::PreTranslateMessage(pMsg))
        return TRUE;
    return SECBmpMenuPlugIn::PreTranslateMessage(pMsg);
}

LRESULT SECMenuBarFeature::OnMenuSelectMsg(WPARAM wParam, LPARAM lParam)
{
    SECMenuBarMessages::OnMenuSelect(LOWORD(wParam), HIWORD(wParam), (HMENU)lParam);
    return 0;
}

LRESULT SECMenuBarFeature::OnMenuProdMsg(WPARAM, LPARAM)
{
    OnMenuProd();
    m_bMsgConsumed = TRUE;
    return 0;
}

LRESULT SECMenuBarFeature::OnFeatureInitMenuPopup(WPARAM wParam, LPARAM lParam)
{
    SECMenuBarMessages::OnInitMenuPopup((HMENU)wParam, LOWORD(lParam), HIWORD(lParam));
    return OnInitMenuPopupMsg(wParam, lParam);
}

LRESULT SECMenuBarFeature::OnSysCommandMsg(WPARAM wParam, LPARAM lParam)
{
    if (SECMenuBarMessages::OnSysCommand((UINT)wParam, lParam))
        m_bMsgConsumed = TRUE;
    return 0;
}

LRESULT SECMenuBarFeature::OnNcActivateMsg(WPARAM wParam, LPARAM)
{
    SECMenuBarMessages::OnNcActivate((BOOL)wParam);
    return 0;
}

BOOL SECMenuBarFeature::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    if (!IsPlugged() || !SECMenuBarMessages::OnNotify(wParam, lParam, pResult))
        return FALSE;
    m_bMsgConsumed = TRUE;
    return TRUE;
}
