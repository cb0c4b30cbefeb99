// Command routing through message maps, command-state updates and the wait cursor.
#include "CmdTarget.h"
#include <vector>
#include "Wnd.h"
#include "Menu.h"
#include "WinApp.h"

IMPLEMENT_DYNAMIC(CCmdTarget, CObject)

CCmdTarget::CCmdTarget()
{
}
CCmdTarget::~CCmdTarget()
{
}

// The root map: no entries, no base.
const AFX_MSGMAP* CCmdTarget::GetMessageMap() const
{
    return GetThisMessageMap();
}
const AFX_MSGMAP* PASCAL CCmdTarget::GetThisMessageMap()
{
    static const AFX_MSGMAP_ENTRY _messageEntries[] = {{0, 0, 0, 0, AfxSig_end, (AFX_PMSG)0}};
    static const AFX_MSGMAP messageMap = {NULL, &_messageEntries[0]};
    return &messageMap;
}

const AFX_MSGMAP_ENTRY* PASCAL CCmdTarget::FindMessageEntry(const AFX_MSGMAP_ENTRY* lpEntry, UINT nMsg,
                                                            UINT nCode, UINT nID)
{
    for (; lpEntry->nSig != AfxSig_end; ++lpEntry)
    {
        if (lpEntry->nMessage == nMsg && lpEntry->nCode == nCode && nID >= lpEntry->nID &&
            nID <= lpEntry->nLastID)
            return lpEntry;
    }
    return NULL;
}

// Calls one command, update or notification handler. TRUE when the command counts as handled.
static BOOL AfxDispatchCmdMsg(CCmdTarget* pTarget, UINT nID, int nCode, AFX_PMSG pfn, void* pExtra,
                              UINT_PTR nSig, AFX_CMDHANDLERINFO* pHandlerInfo)
{
    union {
        AFX_PMSG pfn;
        void (CCmdTarget::*pfn_vv)();
        void (CCmdTarget::*pfn_vw)(UINT);
        BOOL (CCmdTarget::*pfn_bw)(UINT);
        BOOL (CCmdTarget::*pfn_bv)();
        void (CCmdTarget::*pfn_cmdui)(CCmdUI*);
        void (CCmdTarget::*pfn_vNMHDRpl)(NMHDR*, LRESULT*);
        void (CCmdTarget::*pfn_vwNMHDRpl)(UINT, NMHDR*, LRESULT*);
        BOOL (CCmdTarget::*pfn_bwNMHDRpl)(UINT, NMHDR*, LRESULT*);
        BOOL (CCmdTarget::*pfn_bNMHDRpl)(NMHDR*, LRESULT*);
    } mmf;
    mmf.pfn = pfn;

    if (pHandlerInfo != NULL)
    {
        pHandlerInfo->pTarget = pTarget;
        pHandlerInfo->pmf = pfn;
        return TRUE;
    }
    if (nCode == (int)CN_UPDATE_COMMAND_UI)
    {
        CCmdUI* pCmdUI = (CCmdUI*)pExtra;
        BOOL bContinue = pCmdUI->m_bContinueRouting;
        pCmdUI->m_bContinueRouting = FALSE;
        (pTarget->*mmf.pfn_cmdui)(pCmdUI);
        BOOL bHandled = !pCmdUI->m_bContinueRouting;
        pCmdUI->m_bContinueRouting = bContinue;
        return bHandled;
    }
    BOOL bResult = TRUE;
    switch (nSig)
    {
    case AfxSig_vv:
        (pTarget->*mmf.pfn_vv)();
        break;
    case AfxSig_vw:
        (pTarget->*mmf.pfn_vw)(nID);
        break;
    case AfxSig_bw:
        bResult = (pTarget->*mmf.pfn_bw)(nID);
        break;
    case AfxSig_bv:
        bResult = (pTarget->*mmf.pfn_bv)();
        break;
    case AfxSig_vNMHDRpl: {
        AFX_NOTIFY* pNotify = (AFX_NOTIFY*)pExtra;
        (pTarget->*mmf.pfn_vNMHDRpl)(pNotify->pNMHDR, pNotify->pResult);
        break;
    }
    case AfxSig_vwNMHDRpl: {
        AFX_NOTIFY* pNotify = (AFX_NOTIFY*)pExtra;
        (pTarget->*mmf.pfn_vwNMHDRpl)(nID, pNotify->pNMHDR, pNotify->pResult);
        break;
    }
    case AfxSig_bwNMHDRpl: {
        AFX_NOTIFY* pNotify = (AFX_NOTIFY*)pExtra;
        bResult = (pTarget->*mmf.pfn_bwNMHDRpl)(nID, pNotify->pNMHDR, pNotify->pResult);
        break;
    }
    case AfxSig_bNMHDRpl: {
        AFX_NOTIFY* pNotify = (AFX_NOTIFY*)pExtra;
        bResult = (pTarget->*mmf.pfn_bNMHDRpl)(pNotify->pNMHDR, pNotify->pResult);
        break;
    }
    default:
        ASSERT(FALSE);
        return FALSE;
    }
    return bResult;
}

BOOL CCmdTarget::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo)
{
    UINT nMsg = 0;
    if (nCode != (int)CN_UPDATE_COMMAND_UI && nCode != (int)CN_EVENT)
    {
        nMsg = HIWORD(nCode);
        nCode = LOWORD(nCode);
    }
    if (nMsg == 0)
        nMsg = WM_COMMAND;

    for (const AFX_MSGMAP* pMap = GetMessageMap(); pMap != NULL;
         pMap = pMap->pfnGetBaseMap ? (*pMap->pfnGetBaseMap)() : NULL)
    {
        const AFX_MSGMAP_ENTRY* lpEntry = FindMessageEntry(pMap->lpEntries, nMsg, (UINT)nCode, nID);
        if (lpEntry != NULL)
            return AfxDispatchCmdMsg(this, nID, nCode, lpEntry->pfn, pExtra, lpEntry->nSig, pHandlerInfo);
    }
    return FALSE;
}

void CCmdTarget::BeginWaitCursor()
{
    AfxGetApp() ? AfxGetApp()->DoWaitCursor(1) : (void)0;
}
void CCmdTarget::EndWaitCursor()
{
    AfxGetApp() ? AfxGetApp()->DoWaitCursor(-1) : (void)0;
}
void CCmdTarget::RestoreWaitCursor()
{
    AfxGetApp() ? AfxGetApp()->DoWaitCursor(0) : (void)0;
}

CWaitCursor::CWaitCursor()
{
    AfxGetApp() ? AfxGetApp()->DoWaitCursor(1) : (void)0;
}
CWaitCursor::~CWaitCursor()
{
    AfxGetApp() ? AfxGetApp()->DoWaitCursor(-1) : (void)0;
}
void CWaitCursor::Restore()
{
    AfxGetApp() ? AfxGetApp()->DoWaitCursor(0) : (void)0;
}

// ---- CCmdUI

CCmdUI::CCmdUI()
    : m_nID(0), m_nIndex(0), m_pMenu(NULL), m_pSubMenu(NULL), m_pOther(NULL), m_bEnableChanged(FALSE),
      m_bContinueRouting(FALSE), m_nIndexMax(0), m_pParentMenu(NULL)
{
}

void CCmdUI::Enable(BOOL bOn)
{
    if (m_pMenu != NULL)
    {
        if (m_pSubMenu != NULL)
            return; // pop-ups are not greyed
        ::EnableMenuItem(m_pMenu->m_hMenu, m_nIndex,
                         MF_BYPOSITION | (bOn ? MF_ENABLED : (MF_DISABLED | MF_GRAYED)));
    }
    else if (m_pOther != NULL)
    {
        // Keep the focus off a control that is being disabled.
        if (!bOn && ::GetFocus() == m_pOther->m_hWnd)
        {
            CWnd* pParent = m_pOther->GetParent();
            if (pParent != NULL)
                pParent->SendMessage(WM_NEXTDLGCTL, 0, FALSE);
        }
        m_pOther->EnableWindow(bOn);
    }
    m_bEnableChanged = TRUE;
}

void CCmdUI::SetCheck(int nCheck)
{
    if (m_pMenu != NULL)
    {
        if (m_pSubMenu != NULL)
            return;
        ::CheckMenuItem(m_pMenu->m_hMenu, m_nIndex, MF_BYPOSITION | (nCheck ? MF_CHECKED : MF_UNCHECKED));
    }
    else if (m_pOther != NULL)
    {
        if (m_pOther->SendMessage(WM_GETDLGCODE) & DLGC_BUTTON)
            m_pOther->SendMessage(BM_SETCHECK, (WPARAM)nCheck);
    }
}

namespace
{

HBITMAP s_hMenuDot = NULL;

// A monochrome bitmap of the menu check size, white with a black round dot in the middle.
HBITMAP MakeMenuDot()
{
    int cx = ::GetSystemMetrics(SM_CXMENUCHECK);
    int cy = ::GetSystemMetrics(SM_CYMENUCHECK);
    if (cx <= 0 || cy <= 0)
        return NULL;
    int nStride = (cx + 15) / 16 * 2;
    std::vector<BYTE> bits(static_cast<size_t>(nStride) * cy, 0xFF);
    // The dot's radius, in tenths of a pixel: a fifth of the smaller side.
    int nRadius10 = (cx < cy ? cx : cy) * 2;
    for (int y = 0; y < cy; ++y)
        for (int x = 0; x < cx; ++x)
        {
            int dx = x * 10 + 5 - cx * 5, dy = y * 10 + 5 - cy * 5;
            if (dx * dx + dy * dy <= nRadius10 * nRadius10)
                bits[static_cast<size_t>(y) * nStride + x / 8] &= static_cast<BYTE>(~(0x80 >> (x % 8)));
        }
    return ::CreateBitmap(cx, cy, 1, 1, bits.data());
}

} // namespace

HBITMAP AFXAPI AfxGetMenuDotBitmap()
{
    if (s_hMenuDot == NULL)
        s_hMenuDot = MakeMenuDot();
    return s_hMenuDot;
}

HBITMAP AFXAPI AfxSetMenuDotBitmap(HBITMAP hBitmap)
{
    HBITMAP hOld = s_hMenuDot;
    s_hMenuDot = hBitmap;
    return hOld;
}

void CCmdUI::SetRadio(BOOL bOn)
{
    if (m_pMenu != NULL && m_pSubMenu == NULL)
    {
        // Checked, the item shows the shared dot instead of the check mark.
        ::SetMenuItemBitmaps(m_pMenu->m_hMenu, m_nIndex, MF_BYPOSITION, NULL, AfxGetMenuDotBitmap());
        ::CheckMenuItem(m_pMenu->m_hMenu, m_nIndex, MF_BYPOSITION | (bOn ? MF_CHECKED : MF_UNCHECKED));
        return;
    }
    SetCheck(bOn ? 1 : 0);
}

void CCmdUI::SetText(LPCTSTR lpszText)
{
    if (m_pMenu != NULL)
    {
        if (m_pSubMenu != NULL)
            return;
        UINT nState = ::GetMenuState(m_pMenu->m_hMenu, m_nIndex, MF_BYPOSITION) &
                      (MF_GRAYED | MF_DISABLED | MF_CHECKED | MF_MENUBARBREAK | MF_MENUBREAK);
        ::ModifyMenu(m_pMenu->m_hMenu, m_nIndex, MF_BYPOSITION | MF_STRING | nState, m_nID, lpszText);
    }
    else if (m_pOther != NULL)
        m_pOther->SetWindowText(lpszText);
}

void CCmdUI::DoUpdate(CCmdTarget* pTarget, BOOL bDisableIfNoHndler)
{
    if (m_nID == 0 || LOWORD(m_nID) == 0xFFFF)
        return; // separators and pop-ups have no command
    m_bEnableChanged = FALSE;
    BOOL bHandled = pTarget->OnCmdMsg(m_nID, (int)CN_UPDATE_COMMAND_UI, this, NULL);
    if (!bHandled && bDisableIfNoHndler && !m_bEnableChanged)
    {
        AFX_CMDHANDLERINFO info;
        info.pTarget = NULL;
        BOOL bHandler = pTarget->OnCmdMsg(m_nID, CN_COMMAND, this, &info);
        Enable(bHandler);
    }
}
