// SECLayoutNodeWnd: the leaf node that places one real window (a dialog control, a docked
// view). Recalculation sets its rectangle; the realize pass moves the window there, batched
// with the tree's other windows. The node does not own its window.
#pragma once
#include "uilib/frames/layout/LayoutNode.h"
#include "uilib/frames/layout/HideableNode.h"
#include "uilib/frames/layout/ReparentableNode.h"

class SECLayoutNodeWnd : public SECLayoutNode, public SECDefReparentableNode, public SECDefHideableNode
{
  public:
    // Construction
    SECLayoutNodeWnd();
    ~SECLayoutNodeWnd() override;

    // Overridables
    BOOL IsNodeValid() const override
    {
        return m_hWnd != NULL;
    }
    int GetWindowPosCount() const override
    {
        return 1;
    }
    BOOL RealizeSelf(HDWP* pHdwp, HDC hdc) override;
    void InvalidateNodeRect(const RECT* pRect, BOOL bErase) override;
    void Reparent(HWND hWndNewParent) override;
    BOOL SetVisible(BOOL bVisible) override;
    // The window's rectangle in pParent's client coordinates becomes the initial rectangle.
    virtual BOOL BindWindow(HWND hWnd, CWnd* pParent);
    virtual HWND GetNodeWindow() const
    {
        return m_hWnd;
    }
    virtual int GetWindowPosCountFor(DWORD_PTR) const
    {
        return GetWindowPosCount();
    }

    // Operations
    BOOL BindWindow(CWnd* pWnd, CWnd* pParent);
    HWND GetParentWindow() const
    {
        return m_hWndParent;
    }
    BOOL IsOleControl() const
    {
        return m_bOleControl;
    }

  protected:
    HWND m_hWnd;
    HWND m_hWndParent;
    BOOL m_bOleControl;
};
