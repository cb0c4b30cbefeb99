// COleDropTarget: the system's drag events turned into calls on the target and its view.
#include "OleDropTarget.h"
#include "View.h"

IMPLEMENT_DYNAMIC(COleDropTarget, CCmdTarget)

COleDropTarget::COleDropTarget() : m_hWnd(NULL), m_nRef(0)
{
    m_xDropTarget.m_pOwner = this;
}

COleDropTarget::~COleDropTarget()
{
    Revoke();
}

BOOL COleDropTarget::Register(CWnd* pWnd)
{
    if (pWnd == NULL || pWnd->m_hWnd == NULL || m_hWnd != NULL)
        return FALSE;
    if (FAILED(::RegisterDragDrop(pWnd->m_hWnd, &m_xDropTarget)))
        return FALSE;
    m_hWnd = pWnd->m_hWnd;
    return TRUE;
}

void COleDropTarget::Revoke()
{
    if (m_hWnd == NULL)
        return;
    if (::IsWindow(m_hWnd))
        ::RevokeDragDrop(m_hWnd);
    m_hWnd = NULL;
    m_dataObject.Release();
}

static CView* ViewOf(CWnd* pWnd)
{
    return pWnd != NULL && pWnd->IsKindOf(RUNTIME_CLASS(CView)) ? static_cast<CView*>(pWnd) : NULL;
}

DROPEFFECT COleDropTarget::OnDragEnter(CWnd* pWnd, COleDataObject* pDataObject, DWORD dwKeyState,
                                       CPoint point)
{
    CView* pView = ViewOf(pWnd);
    return pView != NULL ? pView->OnDragEnter(pDataObject, dwKeyState, point) : DROPEFFECT_NONE;
}

DROPEFFECT COleDropTarget::OnDragOver(CWnd* pWnd, COleDataObject* pDataObject, DWORD dwKeyState, CPoint point)
{
    CView* pView = ViewOf(pWnd);
    return pView != NULL ? pView->OnDragOver(pDataObject, dwKeyState, point) : DROPEFFECT_NONE;
}

void COleDropTarget::OnDragLeave(CWnd* pWnd)
{
    if (CView* pView = ViewOf(pWnd))
        pView->OnDragLeave();
}

BOOL COleDropTarget::OnDrop(CWnd* pWnd, COleDataObject* pDataObject, DROPEFFECT dropEffect, CPoint point)
{
    CView* pView = ViewOf(pWnd);
    return pView != NULL ? pView->OnDrop(pDataObject, dropEffect, point) : FALSE;
}

DROPEFFECT COleDropTarget::OnDropEx(CWnd* pWnd, COleDataObject* pDataObject, DROPEFFECT dropDefault,
                                    DROPEFFECT dropList, CPoint point)
{
    CView* pView = ViewOf(pWnd);
    return pView != NULL ? pView->OnDropEx(pDataObject, dropDefault, dropList, point)
                         : static_cast<DROPEFFECT>(-1);
}

DROPEFFECT COleDropTarget::OnDragScroll(CWnd*, DWORD, CPoint)
{
    return DROPEFFECT_NONE;
}

CPoint COleDropTarget::ClientPoint(POINTL pt) const
{
    CPoint point(pt.x, pt.y);
    ::ScreenToClient(m_hWnd, &point);
    return point;
}

// The effect the target asked for, limited to what the source allows; with several left, the
// keys choose (Ctrl copies, Ctrl+Shift links, otherwise move), as the shell does.
DROPEFFECT COleDropTarget::Filter(DROPEFFECT dropEffect, DWORD dwAllowed, DWORD dwKeyState) const
{
    DROPEFFECT scroll = dropEffect & DROPEFFECT_SCROLL;
    dropEffect &= dwAllowed & (DROPEFFECT_COPY | DROPEFFECT_MOVE | DROPEFFECT_LINK);
    if ((dropEffect & (dropEffect - 1)) != 0)
    {
        if ((dwKeyState & (MK_CONTROL | MK_SHIFT)) == (MK_CONTROL | MK_SHIFT) &&
            (dropEffect & DROPEFFECT_LINK))
            dropEffect = DROPEFFECT_LINK;
        else if ((dwKeyState & MK_CONTROL) && (dropEffect & DROPEFFECT_COPY))
            dropEffect = DROPEFFECT_COPY;
        else if (dropEffect & DROPEFFECT_MOVE)
            dropEffect = DROPEFFECT_MOVE;
        else if (dropEffect & DROPEFFECT_COPY)
            dropEffect = DROPEFFECT_COPY;
        else
            dropEffect = DROPEFFECT_LINK;
    }
    return dropEffect | scroll;
}

STDMETHODIMP COleDropTarget::XDropTarget::QueryInterface(REFIID riid, void** ppv)
{
    if (riid == IID_IUnknown || riid == IID_IDropTarget)
    {
        *ppv = static_cast<IDropTarget*>(this);
        AddRef();
        return S_OK;
    }
    *ppv = NULL;
    return E_NOINTERFACE;
}

// The target is owned by its window's object and revoked before it goes; the count is for COM only.
STDMETHODIMP_(ULONG) COleDropTarget::XDropTarget::AddRef()
{
    return ::InterlockedIncrement(&m_pOwner->m_nRef);
}

STDMETHODIMP_(ULONG) COleDropTarget::XDropTarget::Release()
{
    return ::InterlockedDecrement(&m_pOwner->m_nRef);
}

STDMETHODIMP COleDropTarget::XDropTarget::DragEnter(LPDATAOBJECT lpDataObject, DWORD grfKeyState, POINTL pt,
                                                    DWORD* pdwEffect)
{
    COleDropTarget* pThis = m_pOwner;
    return pThis->Guarded(pdwEffect, [&] {
        CWnd* pWnd = CWnd::FromHandle(pThis->m_hWnd);
        lpDataObject->AddRef();
        pThis->m_dataObject.Attach(lpDataObject, TRUE);
        CPoint point = pThis->ClientPoint(pt);
        DROPEFFECT dropEffect = pThis->OnDragScroll(pWnd, grfKeyState, point);
        if ((dropEffect & DROPEFFECT_SCROLL) == 0)
            dropEffect = pThis->OnDragEnter(pWnd, &pThis->m_dataObject, grfKeyState, point);
        *pdwEffect = pThis->Filter(dropEffect, *pdwEffect, grfKeyState);
    });
}

STDMETHODIMP COleDropTarget::XDropTarget::DragOver(DWORD grfKeyState, POINTL pt, DWORD* pdwEffect)
{
    COleDropTarget* pThis = m_pOwner;
    return pThis->Guarded(pdwEffect, [&] {
        CWnd* pWnd = CWnd::FromHandle(pThis->m_hWnd);
        CPoint point = pThis->ClientPoint(pt);
        DROPEFFECT dropEffect = pThis->OnDragScroll(pWnd, grfKeyState, point);
        if ((dropEffect & DROPEFFECT_SCROLL) == 0)
            dropEffect = pThis->OnDragOver(pWnd, &pThis->m_dataObject, grfKeyState, point);
        *pdwEffect = pThis->Filter(dropEffect, *pdwEffect, grfKeyState);
    });
}

STDMETHODIMP COleDropTarget::XDropTarget::DragLeave()
{
    COleDropTarget* pThis = m_pOwner;
    return pThis->Guarded(NULL, [&] {
        pThis->OnDragLeave(CWnd::FromHandle(pThis->m_hWnd));
        pThis->m_dataObject.Release();
    });
}

STDMETHODIMP COleDropTarget::XDropTarget::Drop(LPDATAOBJECT lpDataObject, DWORD grfKeyState, POINTL pt,
                                               DWORD* pdwEffect)
{
    COleDropTarget* pThis = m_pOwner;
    return pThis->Guarded(pdwEffect, [&] {
        CWnd* pWnd = CWnd::FromHandle(pThis->m_hWnd);
        lpDataObject->AddRef();
        pThis->m_dataObject.Attach(lpDataObject, TRUE);
        CPoint point = pThis->ClientPoint(pt);
        DWORD dwAllowed = *pdwEffect;
        DROPEFFECT dropDefault =
            pThis->Filter(pThis->OnDragOver(pWnd, &pThis->m_dataObject, grfKeyState, point), dwAllowed,
                          grfKeyState) &
            ~DROPEFFECT_SCROLL;
        DROPEFFECT dropEffect = pThis->OnDropEx(pWnd, &pThis->m_dataObject, dropDefault, dwAllowed, point);
        if (dropEffect == static_cast<DROPEFFECT>(-1))
            dropEffect = dropDefault != DROPEFFECT_NONE &&
                                 pThis->OnDrop(pWnd, &pThis->m_dataObject, dropDefault, point)
                             ? dropDefault
                             : DROPEFFECT_NONE;
        *pdwEffect = dropEffect;
        pThis->m_dataObject.Release();
    });
}
