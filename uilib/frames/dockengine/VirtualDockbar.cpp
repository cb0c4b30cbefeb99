// SECVirtualDockbar: the docking feature's link to the frame's bar layout.
#include "uilib/frames/dockengine/VirtualDockbar.h"
#include "uilib/frames/dockengine/FrameDockingFeatureBase.h"

namespace
{
UINT s_nNextDockbarId = 56271;
}

BEGIN_MESSAGE_MAP(SECVirtualDockbar, CWnd)
ON_MESSAGE(WM_SIZEPARENT, OnSizeParent)
ON_MESSAGE(SEC_WM_DELAYED_DOCK_RECALC, OnDelayedRecalc)
END_MESSAGE_MAP()

SECVirtualDockbar::SECVirtualDockbar() : m_pOwner(NULL)
{
}

BOOL SECVirtualDockbar::Create(CWnd* pParentWnd, ISECLNBorderClientEventRcvr* pOwner, UINT nID)
{
    if (pParentWnd == NULL || pOwner == NULL)
        return FALSE;
    if (nID == 0)
        nID = s_nNextDockbarId++;
    if (!CWnd::Create(NULL, NULL, WS_CHILD | WS_CLIPSIBLINGS | WS_CLIPCHILDREN, CRect(0, 0, 0, 0), pParentWnd,
                      nID))
        return FALSE;
    m_pOwner = pOwner;
    return TRUE;
}

LRESULT SECVirtualDockbar::OnSizeParent(WPARAM, LPARAM lParam)
{
    SECFrameDockingFeatureBase* pFeature = dynamic_cast<SECFrameDockingFeatureBase*>(m_pOwner);
    if (pFeature == NULL)
        return 0;
    const BOOL bLaidOut = pFeature->OnSizeParent((AFX_SIZEPARENTPARAMS*)lParam);
    if (bLaidOut)
        PostMessage(SEC_WM_DELAYED_DOCK_RECALC);
    return bLaidOut;
}

LRESULT SECVirtualDockbar::OnDelayedRecalc(WPARAM, LPARAM)
{
    if (SECFrameDockingFeatureBase* pFeature = dynamic_cast<SECFrameDockingFeatureBase*>(m_pOwner))
        pFeature->OnDelayedRecalc();
    return 0;
}
