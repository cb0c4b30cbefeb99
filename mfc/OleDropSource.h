// COleDropSource: decides while a drag runs whether it goes on, drops or is cancelled, and
// which cursor shows. COleDataSource::DoDragDrop uses a default one unless given another.
//
// Differences from MFC:
// - No interface maps: the IDropSource is a member object forwarding to this one.
#pragma once
#include "CmdTarget.h"
#include "OleDataObject.h"
#include "Rect.h"

class CWnd;

class COleDropSource : public CCmdTarget
{
    DECLARE_DYNAMIC(COleDropSource)

  public:
    // Construction
    COleDropSource();
    ~COleDropSource() override;
    COleDropSource(const COleDropSource&) = delete;
    COleDropSource& operator=(const COleDropSource&) = delete;

    // Overridables
    // Escape cancels; releasing the mouse buttons drops (or cancels before the drag started).
    virtual SCODE QueryContinueDrag(BOOL bEscapePressed, DWORD dwKeyState);
    virtual SCODE GiveFeedback(DROPEFFECT dropEffect);
    // Waits under mouse capture until the mouse leaves m_rectStartDrag (TRUE) or the button is
    // released or Escape pressed (FALSE). The drag delay elapsing also starts the drag.
    virtual BOOL OnBeginDrag(CWnd* pWnd);

    // Implementation
    LPDROPSOURCE GetDropSource()
    {
        return &m_xDropSource;
    }
    CRect m_rectStartDrag; // screen coordinates
    BOOL m_bDragStarted;
    DWORD m_dwButtonCancel; // the buttons that cancel (the other one than the dragging one)
    DWORD m_dwButtonDrop;   // the buttons whose release drops

  private:
    class XDropSource : public IDropSource
    {
      public:
        COleDropSource* m_pOwner;
        STDMETHOD(QueryInterface)(REFIID riid, void** ppv) override;
        STDMETHOD_(ULONG, AddRef)() override;
        STDMETHOD_(ULONG, Release)() override;
        STDMETHOD(QueryContinueDrag)(BOOL fEscapePressed, DWORD grfKeyState) override;
        STDMETHOD(GiveFeedback)(DWORD dwEffect) override;
    };
    XDropSource m_xDropSource;
};
