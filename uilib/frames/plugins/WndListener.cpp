// SECWndListener: per-window listener chains. One procedure serves both entries (window and
// dialog procedure). A listener may leave, or be deleted, while its chain dispatches: the
// dispatch works on a copy of the chain, calls only listeners still in it, and keeps the record
// alive until the outermost dispatch of that window returns.
#include "uilib/frames/plugins/WndListener.h"
#include "AfxState.h"
#include <vector>

namespace tessaron
{
namespace foundation
{

typedef SECWndListener_MsgProcInfo_tag MsgProcInfo;
typedef CTypedPtrList<CPtrList, SECWndListener*> ListenerList;

namespace
{

typedef CTypedPtrMap<CMapPtrToPtr, HWND, MsgProcInfo*> ChainMap;

// Windows subclassed by a chain, key the HWND.
ChainMap& Chains()
{
    static ChainMap s_map(10);
    return s_map;
}

// Windows whose chain left while a foreign subclass sat above it: the chain procedure stays in
// their procedure chain and forwards to the procedure it had replaced. Records without list.
ChainMap& Orphans()
{
    static ChainMap s_map(10);
    return s_map;
}

// One dispatch of a chain on the stack.
struct DispatchFrame
{
    MsgProcInfo* pInfo;
    BOOL bReleased;           // the last listener left: the outermost dispatch frees the record
    SECWndListener* pCurrent; // listener being called; NULL once it was deleted
    UINT nFlagsOfDeleted;     // its chain flags, taken by its destructor
    DispatchFrame* pOuter;
};

DispatchFrame* s_pInnermost = NULL;

BOOL IsDispatching(const MsgProcInfo* pInfo, const DispatchFrame* pExcept)
{
    for (DispatchFrame* p = s_pInnermost; p != NULL; p = p->pOuter)
        if (p != pExcept && p->pInfo == pInfo)
            return TRUE;
    return FALSE;
}

void FreeInfo(MsgProcInfo* pInfo)
{
    delete pInfo->pListeners;
    delete pInfo;
}

class FrameScope
{
  public:
    explicit FrameScope(MsgProcInfo* pInfo) : m_frame{pInfo, FALSE, NULL, 0, s_pInnermost}
    {
        s_pInnermost = &m_frame;
    }
    ~FrameScope()
    {
        s_pInnermost = m_frame.pOuter;
        if (m_frame.bReleased && !IsDispatching(m_frame.pInfo, NULL))
            FreeInfo(m_frame.pInfo);
    }
    FrameScope(const FrameScope&) = delete;
    FrameScope& operator=(const FrameScope&) = delete;
    DispatchFrame m_frame;
};

// What a dialog procedure returns for a message whose result the chain decides: most results go
// through DWLP_MSGRESULT, a few messages take the return value itself.
INT_PTR DialogResult(HWND hWnd, UINT message, LRESULT lResult)
{
    switch (message)
    {
    case WM_CTLCOLORMSGBOX:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORSTATIC:
    case WM_COMPAREITEM:
    case WM_VKEYTOITEM:
    case WM_CHARTOITEM:
    case WM_QUERYDRAGICON:
    case WM_INITDIALOG:
        return (INT_PTR)lResult;
    default:
        ::SetWindowLongPtr(hWnd, DWLP_MSGRESULT, lResult);
        return TRUE;
    }
}

LRESULT CallOld(const MsgProcInfo& procs, BOOL bDialogEntry, HWND hWnd, UINT message, WPARAM wParam,
                LPARAM lParam)
{
    if (bDialogEntry)
        return procs.pfnOldDlgProc != NULL ? procs.pfnOldDlgProc(hWnd, message, wParam, lParam) : 0;
    return procs.pfnOldWndProc != NULL ? ::CallWindowProc(procs.pfnOldWndProc, hWnd, message, wParam, lParam)
                                       : 0;
}

// The chain procedure. bDialogEntry says which old procedure ends the message. *pbDecided is
// set when the listeners decided the result (chain flag 2).
LRESULT ChainProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam, BOOL bDialogEntry, BOOL* pbDecided)
{
    *pbDecided = FALSE;
    if (hWnd == NULL)
        return 0;

    MsgProcInfo* pInfo = NULL;
    if (!Chains().Lookup(hWnd, pInfo) || pInfo == NULL)
    {
        // A chain that left under a foreign subclass goes on forwarding.
        MsgProcInfo* pOrphan = NULL;
        if (!Orphans().Lookup(hWnd, pOrphan) || pOrphan == NULL)
            return 0;
        MsgProcInfo procs = *pOrphan;
        if (message == WM_NCDESTROY)
        {
            Orphans().RemoveKey(hWnd);
            delete pOrphan;
        }
        return CallOld(procs, bDialogEntry, hWnd, message, wParam, lParam);
    }

    if (message == WM_NCDESTROY)
    {
        // Every listener leaves before the window's own procedure sees the message.
        MsgProcInfo procs = *pInfo;
        std::vector<SECWndListener*> listeners;
        for (POSITION pos = pInfo->pListeners->GetHeadPosition(); pos != NULL;)
            listeners.push_back(pInfo->pListeners->GetNext(pos));
        {
            FrameScope scope(pInfo);
            for (SECWndListener* pListener : listeners)
            {
                if (scope.m_frame.bReleased)
                    break;
                if (pInfo->pListeners->Find(pListener) != NULL)
                    pListener->UnPlug();
            }
        }
        return CallOld(procs, bDialogEntry, hWnd, message, wParam, lParam);
    }

    if (message == SECWndListener::RemoveFromChainMessage() && pInfo->pfnOldWndProc == (WNDPROC)wParam)
        pInfo->pfnOldWndProc = (WNDPROC)lParam;

    // Read before dispatching: the window gets the message even if the chain goes meanwhile.
    MsgProcInfo procs = *pInfo;
    std::vector<SECWndListener*> listeners;
    for (POSITION pos = pInfo->pListeners->GetHeadPosition(); pos != NULL;)
        listeners.push_back(pInfo->pListeners->GetNext(pos));

    AFX_THREAD_STATE* pState = AfxGetThreadState();
    MSG saved = pState->m_lastSentMsg;
    pState->m_lastSentMsg.hwnd = hWnd;
    pState->m_lastSentMsg.message = message;
    pState->m_lastSentMsg.wParam = wParam;
    pState->m_lastSentMsg.lParam = lParam;

    UINT nFlags = 0;
    LRESULT lResult = 0;
    {
        FrameScope scope(pInfo);
        DispatchFrame& frame = scope.m_frame;
        try
        {
            for (SECWndListener* pListener : listeners)
            {
                if (frame.bReleased)
                    break;
                if (pInfo->pListeners->Find(pListener) == NULL)
                    continue; // left, or was deleted, earlier in this dispatch
                frame.pCurrent = pListener;
                frame.nFlagsOfDeleted = 0;
                pListener->GetHandledResult(message, wParam, lParam, &lResult);
                if (frame.pCurrent != NULL)
                {
                    nFlags |= pListener->m_nChainFlags;
                    pListener->m_nChainFlags = 0;
                }
                else
                    nFlags |= frame.nFlagsOfDeleted;
                frame.pCurrent = NULL;
                if (nFlags & SEC_CHAIN_STOP_LISTENERS)
                    break;
            }
        }
        catch (CException* e)
        {
            // The listeners' turn ends here; the window still gets its message.
            AfxReportWndProcException(e, &pState->m_lastSentMsg);
        }
        catch (...)
        {
            // Not one of ours: it must not unwind through the system's frames either.
            AfxReportInternalFailure();
        }
    }
    pState->m_lastSentMsg = saved;

    if (nFlags & SEC_CHAIN_STOP_WINDOW)
    {
        *pbDecided = TRUE;
        return lResult;
    }
    return CallOld(procs, bDialogEntry, hWnd, message, wParam, lParam);
}

} // namespace

IMPLEMENT_DYNAMIC(SECWndListener, SECWndPlugIn)

BEGIN_MESSAGE_MAP(SECWndListener, SECWndPlugIn)
END_MESSAGE_MAP()

SECWndListener::SECWndListener() : m_nChainFlags(0), m_hWndHost(NULL), m_bResultSet(FALSE), m_lResult(0)
{
}

SECWndListener::~SECWndListener()
{
    if (IsPlugged())
        UnPlug();
    // A dispatch calling this listener right now keeps its flags and never touches it again.
    for (DispatchFrame* p = s_pInnermost; p != NULL; p = p->pOuter)
    {
        if (p->pCurrent == this)
        {
            p->nFlagsOfDeleted |= m_nChainFlags;
            p->pCurrent = NULL;
        }
    }
}

UINT PASCAL SECWndListener::RemoveFromChainMessage()
{
    static const UINT s_nMsg = ::RegisterWindowMessage(_T("mt.Listener.RemoveFromChain"));
    return s_nMsg;
}

SECWndListener_MsgProcInfo_tag* PASCAL SECWndListener::LookupChain(HWND hWnd)
{
    MsgProcInfo* pInfo = NULL;
    return Chains().Lookup(hWnd, pInfo) ? pInfo : NULL;
}

LRESULT CALLBACK SECWndListener::ChainWndProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    BOOL bDecided = FALSE;
    return ChainProc(hWnd, message, wParam, lParam, FALSE, &bDecided);
}

INT_PTR CALLBACK SECWndListener::ChainDlgProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    BOOL bDecided = FALSE;
    LRESULT lResult = ChainProc(hWnd, message, wParam, lParam, TRUE, &bDecided);
    return bDecided ? DialogResult(hWnd, message, lResult) : (INT_PTR)lResult;
}

BOOL SECWndListener::OnNotify(WPARAM, LPARAM, LRESULT*)
{
    return FALSE;
}

BOOL SECWndListener::PlugInTo(CWnd* pHost)
{
    if (!SECWndPlugIn::PlugInTo(pHost))
        return FALSE;
    if (!StartListening(pHost))
    {
        SECWndPlugIn::UnPlug();
        return FALSE;
    }
    m_hWndHost = pHost->GetSafeHwnd();
    return TRUE;
}

void SECWndListener::UnPlug()
{
    StopListening();
    SECWndPlugIn::UnPlug();
    m_hWndHost = NULL;
}

LRESULT SECWndListener::SetMsgHandled(LRESULT lResult)
{
    return lResult;
}

BOOL SECWndListener::PlugInToEx(CWnd* pHost, DWORD_PTR)
{
    return PlugInTo(pHost);
}

UINT SECWndListener::SetChainFlags(UINT nFlags)
{
    m_nChainFlags = nFlags;
    return nFlags;
}

BOOL SECWndListener::GetHandledResult(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    DeletionWatch watch(this);
    BOOL bRouted = SECWndPlugIn::OnWndMsg(message, wParam, lParam, pResult);
    if (watch.IsDeleted())
        return bRouted;
    if (m_bResultSet)
    {
        if (pResult != NULL)
            *pResult = m_lResult;
        m_bResultSet = FALSE;
    }
    return bRouted;
}

BOOL SECWndListener::RouteMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    LRESULT lScratch = 0;
    return GetHandledResult(message, wParam, lParam, &lScratch);
}

BOOL SECWndListener::StartListening(CWnd* pHost)
{
    if (pHost == NULL || pHost->GetSafeHwnd() == NULL)
        return FALSE;
    MsgProcInfo* pInfo = LookupChain(pHost->GetSafeHwnd());
    if (pInfo != NULL)
        return AddToChain(pInfo);
    return CreateChain(pHost->GetSafeHwnd());
}

BOOL SECWndListener::AddToChain(SECWndListener_MsgProcInfo_tag* pInfo)
{
    pInfo->pListeners->AddTail(this);
    return TRUE;
}

BOOL SECWndListener::CreateChain(HWND hWnd)
{
    MsgProcInfo* pInfo = NULL;
    if (Orphans().Lookup(hWnd, pInfo) && pInfo != NULL)
    {
        // The chain procedure is still in this window's procedure chain: take it up again.
        Orphans().RemoveKey(hWnd);
    }
    else
    {
        pInfo = new MsgProcInfo();
        pInfo->cbSize = sizeof(MsgProcInfo);
        if (UseWindowProc(hWnd))
            pInfo->pfnOldWndProc =
                (WNDPROC)::SetWindowLongPtr(hWnd, GWLP_WNDPROC, (LONG_PTR)&SECWndListener::ChainWndProc);
        else
            pInfo->pfnOldDlgProc =
                (DLGPROC)::SetWindowLongPtr(hWnd, DWLP_DLGPROC, (LONG_PTR)&SECWndListener::ChainDlgProc);
    }
    pInfo->pListeners = new ListenerList(10);
    pInfo->pListeners->AddTail(this);
    Chains().SetAt(hWnd, pInfo);
    return TRUE;
}

BOOL SECWndListener::UseWindowProc(HWND hWnd)
{
    // Only a real dialog has a dialog procedure slot; in other windows that offset is the
    // class's own extra bytes.
    TCHAR szClass[16] = {};
    ::GetClassName(hWnd, szClass, _countof(szClass));
    if (lstrcmp(szClass, _T("#32770")) != 0)
        return TRUE;
    return ::GetWindowLongPtr(hWnd, DWLP_DLGPROC) == 0;
}

BOOL SECWndListener::StopListening()
{
    HWND hWnd = m_hWnd != NULL ? m_hWnd : m_hWndHost;
    if (hWnd == NULL)
        return FALSE;
    MsgProcInfo* pInfo = LookupChain(hWnd);
    if (pInfo == NULL)
        return FALSE;
    POSITION pos = pInfo->pListeners->Find(this);
    if (pos == NULL)
        return FALSE;
    if (pInfo->pListeners->GetCount() > 1)
    {
        pInfo->pListeners->RemoveAt(pos);
        return TRUE;
    }

    // The last listener: a later subclasser that calls the chain as its predecessor may switch
    // to the chain's predecessor now.
    if (pInfo->pfnOldWndProc != NULL)
        ::SendMessage(hWnd, RemoveFromChainMessage(), (WPARAM)&SECWndListener::ChainWndProc,
                      (LPARAM)pInfo->pfnOldWndProc);
    pInfo->pListeners->RemoveAt(pInfo->pListeners->Find(this));

    BOOL bOnTop;
    if (pInfo->pfnOldWndProc != NULL)
    {
        bOnTop = (WNDPROC)::GetWindowLongPtr(hWnd, GWLP_WNDPROC) == &SECWndListener::ChainWndProc;
        if (bOnTop)
            ::SetWindowLongPtr(hWnd, GWLP_WNDPROC, (LONG_PTR)pInfo->pfnOldWndProc);
    }
    else
    {
        bOnTop = (DLGPROC)::GetWindowLongPtr(hWnd, DWLP_DLGPROC) == &SECWndListener::ChainDlgProc;
        if (bOnTop)
            ::SetWindowLongPtr(hWnd, DWLP_DLGPROC, (LONG_PTR)pInfo->pfnOldDlgProc);
    }
    Chains().RemoveKey(hWnd);
    if (!bOnTop && ::IsWindow(hWnd))
    {
        // A foreign subclass replaced the chain's procedure: putting ours back would cut it
        // off, so the chain procedure goes on forwarding to the one it replaced.
        MsgProcInfo* pOrphan = new MsgProcInfo(*pInfo);
        pOrphan->pListeners = NULL;
        Orphans().SetAt(hWnd, pOrphan);
    }

    BOOL bDispatching = FALSE;
    for (DispatchFrame* p = s_pInnermost; p != NULL; p = p->pOuter)
    {
        if (p->pInfo == pInfo)
        {
            p->bReleased = TRUE;
            bDispatching = TRUE;
        }
    }
    if (!bDispatching)
        FreeInfo(pInfo);
    return TRUE;
}

LRESULT SECWndListener::CallHostProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    HWND hWnd = m_hWndHost;
    MsgProcInfo* pInfo = LookupChain(hWnd);
    if (pInfo == NULL)
        return 0;
    if (pInfo->pfnOldWndProc != NULL)
        return ::CallWindowProc(pInfo->pfnOldWndProc, hWnd, message, wParam, lParam);
    if (pInfo->pfnOldDlgProc != NULL && pInfo->pfnOldDlgProc(hWnd, message, wParam, lParam))
        return ::GetWindowLongPtr(hWnd, DWLP_MSGRESULT);
    return ::DefWindowProc(hWnd, message, wParam, lParam);
}

LRESULT SECWndListener::SetResult(LRESULT lResult)
{
    m_bResultSet = TRUE;
    m_lResult = lResult;
    return lResult;
}

} // namespace foundation
} // namespace tessaron
