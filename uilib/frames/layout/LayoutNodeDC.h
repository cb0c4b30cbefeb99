// Self-drawing layout nodes: they own no window and paint their part of the layout (borders,
// grippers, edges) on their host window. SECLayoutNodeDCBase supplies the host, the painting
// frame and invalidation; SECLayoutNodeDC adds counted hiding; SECReparentableLayoutNodeDC_T
// lets such a node follow its subtree into another container window.
#pragma once
#include "uilib/frames/layout/LayoutNode.h"
#include "uilib/frames/layout/HideableNode.h"
#include "uilib/frames/layout/ReparentableNode.h"

class SECLayoutNodeDCBase : public SECLayoutNode
{
  public:
    // Construction
    SECLayoutNodeDCBase() : m_hWndHost(NULL)
    {
    }

    // Overridables
    // Counted in the realize batch although it moves no window: it paints there instead.
    int GetWindowPosCount() const override
    {
        return 1;
    }
    BOOL IsNodeValid() const override
    {
        return m_hWndHost != NULL;
    }
    BOOL RealizeSelf(HDWP* pHdwp, HDC hdc) override;
    void DrawNode(BOOL bRecursive, HDC hdc) override;
    void InvalidateNodeRect(const RECT* pRect, BOOL bErase) override;
    virtual void SetHostWindow(HWND hWnd)
    {
        m_hWndHost = hWnd;
    }
    // The paint hook, rect the applied rectangle; empty here.
    virtual void OnDraw(HDC hdc, const RECT& rect);

    // Attributes
    HWND GetHostWindow() const
    {
        return m_hWndHost;
    }

  protected:
    HWND m_hWndHost;
};

class SECLayoutNodeDC : public SECLayoutNodeDCBase, public SECDefHideableNode
{
  public:
    // A hidden node paints nothing, not even its subtree.
    void DrawNode(BOOL bRecursive, HDC hdc) override;
    BOOL SetVisible(BOOL bVisible) override;
};

template <class Base> class SECReparentableLayoutNodeDC_T : public Base, public SECDefReparentableNode
{
  public:
    void Reparent(HWND hWndNewParent) override
    {
        this->SetHostWindow(hWndNewParent);
    }
};
