// COleDropTarget: makes a window accept drops. Register hooks it up with the system; the drag
// events come to the overridables below, whose defaults hand them to the window when it is a view.
//
// Differences from MFC:
// - No interface maps: the IDropTarget is a member object forwarding to this one.
// - No automatic scrolling of the window near its edges (OnDragScroll returns DROPEFFECT_NONE).
#pragma once
#include "CmdTarget.h"
#include "Exception.h"
#include "OleDataObject.h"
#include "Rect.h"

class CWnd;

class COleDropTarget : public CCmdTarget
{
    DECLARE_DYNAMIC(COleDropTarget)

  public:
    // Construction
    COleDropTarget();
    ~COleDropTarget() override;
    COleDropTarget(const COleDropTarget&) = delete;
    COleDropTarget& operator=(const COleDropTarget&) = delete;

    // Operations
    BOOL Register(CWnd* pWnd);
    void Revoke();

    // Overridables (points in the window's client coordinates)
    virtual DROPEFFECT OnDragEnter(CWnd* pWnd, COleDataObject* pDataObject, DWORD dwKeyState, CPoint point);
    virtual DROPEFFECT OnDragOver(CWnd* pWnd, COleDataObject* pDataObject, DWORD dwKeyState, CPoint point);
    virtual void OnDragLeave(CWnd* pWnd);
    virtual BOOL OnDrop(CWnd* pWnd, COleDataObject* pDataObject, DROPEFFECT dropEffect, CPoint point);
    // -1 passes the drop on to OnDrop.
    virtual DROPEFFECT OnDropEx(CWnd* pWnd, COleDataObject* pDataObject, DROPEFFECT dropDefault,
                                DROPEFFECT dropList, CPoint point);
    virtual DROPEFFECT OnDragScroll(CWnd* pWnd, DWORD dwKeyState, CPoint point);

    // Implementation
    HWND m_hWnd; // the registered window

  private:
    class XDropTarget : public IDropTarget
    {
      public:
        COleDropTarget* m_pOwner;
        STDMETHOD(QueryInterface)(REFIID riid, void** ppv) override;
        STDMETHOD_(ULONG, AddRef)() override;
        STDMETHOD_(ULONG, Release)() override;
        STDMETHOD(DragEnter)
        (LPDATAOBJECT lpDataObject, DWORD grfKeyState, POINTL pt, DWORD* pdwEffect) override;
        STDMETHOD(DragOver)(DWORD grfKeyState, POINTL pt, DWORD* pdwEffect) override;
        STDMETHOD(DragLeave)() override;
        STDMETHOD(Drop)(LPDATAOBJECT lpDataObject, DWORD grfKeyState, POINTL pt, DWORD* pdwEffect) override;
    };
    // Runs a drag event the system sends; a failing handler refuses the drop and lets the data go.
    template <class Fn> HRESULT Guarded(DWORD* pdwEffect, Fn&& fn)
    {
        if (AfxCallFromWin32(FALSE, [&] {
                fn();
                return TRUE;
            }))
            return S_OK;
        if (pdwEffect != NULL)
            *pdwEffect = DROPEFFECT_NONE;
        m_dataObject.Release();
        return E_UNEXPECTED;
    }
    CPoint ClientPoint(POINTL pt) const;
    DROPEFFECT Filter(DROPEFFECT dropEffect, DWORD dwAllowed, DWORD dwKeyState) const;
    XDropTarget m_xDropTarget;
    COleDataObject m_dataObject; // the data of the drag now over the window
    LONG m_nRef;
};
