// SECWndPlugIn: routing a host's messages through a borrowed HWND.
#include "uilib/frames/plugins/WndPlugIn.h"

namespace tessaron
{
namespace foundation
{

IMPLEMENT_DYNAMIC(SECWndPlugIn, CWnd)

// No entries and no base map: CWnd's own handlers must never run on a borrowed window.
BEGIN_MESSAGE_MAP_NOBASE(SECWndPlugIn)
END_MESSAGE_MAP_NOBASE()

SECWndPlugIn::SECWndPlugIn()
    : m_bMsgConsumed(FALSE), m_bDefaultAllowed(FALSE), m_bMsgHandled(FALSE), m_lHandledResult(0),
      m_bPlugged(FALSE), m_pbDeleted(NULL)
{
}

SECWndPlugIn::~SECWndPlugIn()
{
    if (m_pbDeleted != NULL)
        *m_pbDeleted = TRUE;
    // The host window survives its plug-in.
    m_hWnd = NULL;
}

BOOL SECWndPlugIn::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo)
{
    if (!m_bPlugged)
        return FALSE;
    return CCmdTarget::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
}

BOOL SECWndPlugIn::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    if (!m_bPlugged)
        return FALSE;
    m_bMsgConsumed = FALSE;
    m_bDefaultAllowed = FALSE;
    DeletionWatch watch(this);
    BOOL bRouted = CWnd::OnWndMsg(message, wParam, lParam, pResult);
    if (watch.IsDeleted())
        return bRouted;
    if (m_bMsgHandled)
    {
        m_bMsgHandled = FALSE;
        return (BOOL)m_lHandledResult;
    }
    return bRouted;
}

LRESULT SECWndPlugIn::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (!m_bPlugged || !m_bDefaultAllowed)
        return 0;
    return CWnd::DefWindowProc(message, wParam, lParam);
}

LRESULT SECWndPlugIn::SetMsgHandled(LRESULT lResult)
{
    m_bMsgHandled = TRUE;
    m_lHandledResult = lResult;
    return lResult;
}

BOOL SECWndPlugIn::PlugInTo(CWnd* pHost)
{
    if (pHost == NULL || pHost->GetSafeHwnd() == NULL)
        return FALSE;
    m_hWnd = pHost->GetSafeHwnd();
    m_bPlugged = TRUE;
    return TRUE;
}

// The watch lives on the caller's stack and its destructor takes its address back out of the
// plug-in; inlined into a caller, the compiler sees only the store.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdangling-pointer"
SECWndPlugIn::DeletionWatch::DeletionWatch(SECWndPlugIn* pPlugIn)
    : m_pPlugIn(pPlugIn), m_pbOuter(pPlugIn->m_pbDeleted), m_bDeleted(FALSE)
{
    pPlugIn->m_pbDeleted = &m_bDeleted;
}
#pragma GCC diagnostic pop

SECWndPlugIn::DeletionWatch::~DeletionWatch()
{
    if (!m_bDeleted)
        m_pPlugIn->m_pbDeleted = m_pbOuter;
    else if (m_pbOuter != NULL)
        *m_pbOuter = TRUE;
}

void SECWndPlugIn::UnPlug()
{
    m_bPlugged = FALSE;
    m_hWnd = NULL;
}

} // namespace foundation
} // namespace tessaron
