// SECFrameMenus: the menu plug-in steps of the library frames.
#include "uilib/frames/docking/FrameMenus.h"
#include "mfc/PreviewView.h"
#include "uilib/frames/docking/FrameDocking.h"
#include "uilib/bars/BmpMenuPlugIn.h"
#include "uilib/bars/MenuBar.h"
#include "uilib/bars/MenuBarFeature.h"
#include "uilib/bars/ToolBarManager.h"

namespace
{
// The high word of WM_INITMENUPOPUP's lParam: the popup is a system menu.
const LPARAM kSysMenuFlag = 0x10000;

// Help ids of the caption buttons' parts (the system commands' help), by the hit code their tool
// hit test gives.
const struct
{
    UINT nHitCode;
    DWORD dwHelpID;
} kCaptionHelp[] = {
    {8, 0x1EF02},  // minimise
    {9, 0x1EF12},  // restore
    {20, 0x1EF06}, // close
};
} // namespace

SECFrameMenus::PlugIn* SECFrameMenus::CreatePlugIn(CFrameWnd* pFrame, SECMenuBar* pMenuBar, BOOL bBmpMenus,
                                                   SECControlBarManager* pManager)
{
    SECBmpMenuPlugIn* pPlugIn = NULL;
    if (pMenuBar != NULL)
    {
        SECMenuBarFeature* pFeature = new SECMenuBarFeature;
        pFeature->AttachMenuBar(pMenuBar);
        pPlugIn = pFeature;
    }
    else if (bBmpMenus)
        pPlugIn = new SECBmpMenuPlugIn(TRUE);
    else
        return NULL;
    if (!pPlugIn->PlugInTo(pFrame))
    {
        delete pPlugIn;
        return NULL;
    }
    SECToolBarManager* pToolBarManager = DYNAMIC_DOWNCAST(SECToolBarManager, (CObject*)pManager);
    if (bBmpMenus && pToolBarManager != NULL && pToolBarManager->GetBmpMgr() != NULL)
        pPlugIn->SetBitmapManager(pToolBarManager->GetBmpMgr());
    return pPlugIn;
}

SECMenuBarFeature* SECFrameMenus::GetFeature(PlugIn* pPlugIn)
{
    return DYNAMIC_DOWNCAST(SECMenuBarFeature, pPlugIn);
}

LRESULT SECFrameMenus::WindowProc(PlugIn* const& rpPlugIn, BOOL bBmpMenus, UINT message, WPARAM wParam,
                                  LPARAM lParam,
                                  const std::function<LRESULT(UINT, WPARAM, LPARAM)>& frameProc)
{
    const BOOL bPopupImages = message == WM_INITMENUPOPUP && rpPlugIn != NULL && bBmpMenus;
    // A child's system menu dropped from the menu bar is still a system menu: no command updates,
    // no images.
    if (bPopupImages && SECMenuBarMessages::IsTrackingSysMenu())
        lParam = LOWORD(lParam) | kSysMenuFlag;
    if (PlugIn* pPlugIn = rpPlugIn)
    {
        LRESULT lResult = 0;
        const BOOL bResult = pPlugIn->OnWndMsg(message, wParam, lParam, &lResult);
        // The handler may have deleted the plug-in (the frame clears its field then).
        if (rpPlugIn == pPlugIn && (pPlugIn->m_bMsgConsumed || (message == WM_HELP && bResult)))
            return lResult;
    }
    const LRESULT lResult = frameProc(message, wParam, lParam);
    // Nothing of the frame is read after other messages: the last one deletes it.
    if (bPopupImages)
    {
        if (SECBmpMenuPlugIn* pBmpPlugIn = DYNAMIC_DOWNCAST(SECBmpMenuPlugIn, rpPlugIn))
            pBmpPlugIn->InitMenuPopup((HMENU)wParam, LOWORD(lParam), HIWORD(lParam));
    }
    return lResult;
}

BOOL SECFrameMenus::PreTranslateMessage(PlugIn* pPlugIn, MSG* pMsg)
{
    if (pPlugIn == NULL)
        return FALSE;
    // The print preview is a window of its own over the frame: its keys are not the bar's.
    HWND hTop = pMsg->hwnd != NULL ? ::GetAncestor(pMsg->hwnd, GA_ROOT) : NULL;
    CWnd* pTop = hTop != NULL ? CWnd::FromHandlePermanent(hTop) : NULL;
    if (pTop != NULL && pTop->IsKindOf(RUNTIME_CLASS(CPreviewView)))
        return FALSE;
    return pPlugIn->PreTranslateMessage(pMsg);
}

void SECFrameMenus::ReleasePlugIn(PlugIn*& rpPlugIn)
{
    delete rpPlugIn;
    rpPlugIn = NULL;
}

BOOL SECFrameMenus::AddMenuImages(PlugIn* pPlugIn, UINT nToolBarID)
{
    SECBmpMenuPlugIn* pBmpPlugIn = DYNAMIC_DOWNCAST(SECBmpMenuPlugIn, pPlugIn);
    return pBmpPlugIn != NULL && pBmpPlugIn->AddToolBarImages(nToolBarID);
}

BOOL SECFrameMenus::PreTranslateFrameMessage(CFrameWnd* pFrame, PlugIn* pPlugIn,
                                             SECControlBarManager* pManager, MSG* pMsg)
{
    return PreTranslateMessage(pPlugIn, pMsg) ||
           SECFrameDocking::IsCloseWhileCustomising(pFrame, pManager, pMsg);
}

int SECFrameMenus::MenuBarHelp(CFrameWnd* pFrame, SECMenuBar* pMenuBar, MSG& msg, DWORD* pContext)
{
    if (msg.message != WM_LBUTTONDOWN || pMenuBar == NULL || pMenuBar->m_hWnd == NULL ||
        ::WindowFromPoint(msg.pt) != pMenuBar->m_hWnd)
        return -1;
    CPoint point(msg.pt);
    pMenuBar->ScreenToClient(&point);
    TOOLINFO ti = {};
    ti.cbSize = sizeof(ti);
    const INT_PTR nHit = pMenuBar->OnToolHitTest(point, &ti);
    if (ti.lpszText != NULL && ti.lpszText != LPSTR_TEXTCALLBACK)
        free(ti.lpszText);
    ::PeekMessage(&msg, NULL, msg.message, msg.message, PM_REMOVE);
    if (nHit == -1)
    {
        ::ReleaseCapture();
        pMenuBar->SendMessage(WM_LBUTTONDOWN, msg.wParam, MAKELPARAM(point.x, point.y));
        // Whatever the bar opened has run: help mode takes the mouse again.
        POINT ptCursor;
        ::GetCursorPos(&ptCursor);
        pFrame->SetHelpCapture(ptCursor, NULL);
        return TRUE;
    }
    *pContext = HID_BASE_NCAREAS + (DWORD)ti.uFlags;
    for (const auto& part : kCaptionHelp)
        if (ti.uFlags == part.nHitCode)
            *pContext = part.dwHelpID;
    return FALSE;
}
