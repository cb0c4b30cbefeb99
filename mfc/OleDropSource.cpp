// COleDropSource: the drag's continue/drop/cancel decisions and cursor feedback.
#include "OleDropSource.h"
#include "Wnd.h"

IMPLEMENT_DYNAMIC(COleDropSource, CCmdTarget)

COleDropSource::COleDropSource()
    : m_rectStartDrag(0, 0, 0, 0), m_bDragStarted(FALSE), m_dwButtonCancel(0), m_dwButtonDrop(0)
{
    m_xDropSource.m_pOwner = this;
}

COleDropSource::~COleDropSource()
{
}

SCODE COleDropSource::QueryContinueDrag(BOOL bEscapePressed, DWORD dwKeyState)
{
    if (bEscapePressed)
        return DRAGDROP_S_CANCEL;
    // The button that started the drag is known from the first call: whichever is down then.
    if (m_dwButtonDrop == 0)
    {
        m_dwButtonDrop = dwKeyState & (MK_LBUTTON | MK_RBUTTON | MK_MBUTTON);
        if (m_dwButtonDrop == 0)
            return m_bDragStarted ? DRAGDROP_S_DROP : DRAGDROP_S_CANCEL;
        m_dwButtonCancel = (MK_LBUTTON | MK_RBUTTON) & ~m_dwButtonDrop;
    }
    if ((dwKeyState & m_dwButtonCancel) != 0)
        return DRAGDROP_S_CANCEL;
    if ((dwKeyState & m_dwButtonDrop) == 0)
        return m_bDragStarted ? DRAGDROP_S_DROP : DRAGDROP_S_CANCEL;
    return S_OK;
}

SCODE COleDropSource::GiveFeedback(DROPEFFECT)
{
    return DRAGDROP_S_USEDEFAULTCURSORS;
}

BOOL COleDropSource::OnBeginDrag(CWnd* pWnd)
{
    if (pWnd == NULL)
        return TRUE;
    UINT nDelayMs = ::GetProfileIntA("windows", "DragDelay", 200);
    DWORD start = ::GetTickCount();
    ::SetCapture(pWnd->m_hWnd);
    BOOL bStart = FALSE;
    for (;;)
    {
        if (::GetCapture() != pWnd->m_hWnd)
            break;
        if (::GetTickCount() - start >= nDelayMs)
        {
            bStart = TRUE;
            break;
        }
        MSG msg;
        if (!::PeekMessageA(&msg, NULL, 0, 0, PM_REMOVE))
        {
            ::MsgWaitForMultipleObjects(0, NULL, FALSE, nDelayMs - (::GetTickCount() - start), QS_ALLINPUT);
            continue;
        }
        if (msg.message == WM_MOUSEMOVE)
        {
            CPoint point;
            ::GetCursorPos(&point);
            if (!m_rectStartDrag.PtInRect(point))
            {
                bStart = TRUE;
                break;
            }
        }
        else if (msg.message == WM_LBUTTONUP || msg.message == WM_RBUTTONUP || msg.message == WM_MBUTTONUP ||
                 (msg.message == WM_KEYDOWN && msg.wParam == VK_ESCAPE))
            break;
        else if (msg.message == WM_QUIT)
        {
            ::PostQuitMessage(static_cast<int>(msg.wParam));
            break;
        }
        else
        {
            ::TranslateMessage(&msg);
            ::DispatchMessageA(&msg);
        }
    }
    if (::GetCapture() == pWnd->m_hWnd)
        ::ReleaseCapture();
    return bStart;
}

STDMETHODIMP COleDropSource::XDropSource::QueryInterface(REFIID riid, void** ppv)
{
    if (riid == IID_IUnknown || riid == IID_IDropSource)
    {
        *ppv = static_cast<IDropSource*>(this);
        return S_OK;
    }
    *ppv = NULL;
    return E_NOINTERFACE;
}

// The drop source lives as long as the drag it serves; the counts are only for COM.
STDMETHODIMP_(ULONG) COleDropSource::XDropSource::AddRef()
{
    return 2;
}

STDMETHODIMP_(ULONG) COleDropSource::XDropSource::Release()
{
    return 1;
}

// A failing handler cancels the drag.
STDMETHODIMP COleDropSource::XDropSource::QueryContinueDrag(BOOL fEscapePressed, DWORD grfKeyState)
{
    return AfxCallFromWin32<HRESULT>(
        DRAGDROP_S_CANCEL, [&] { return m_pOwner->QueryContinueDrag(fEscapePressed, grfKeyState); });
}

STDMETHODIMP COleDropSource::XDropSource::GiveFeedback(DWORD dwEffect)
{
    return AfxCallFromWin32<HRESULT>(DRAGDROP_S_USEDEFAULTCURSORS,
                                     [&] { return m_pOwner->GiveFeedback(dwEffect); });
}
