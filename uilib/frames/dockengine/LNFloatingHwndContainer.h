// SECLNFloatingHwndContainer: the window container of a floated layout tree. It makes the
// floating mini frame, converts between the frame's window rectangle (where the tree lives) and
// its client area, and on release hides the frame and puts it into a process-wide pool: a frame
// is destroyed only by a later frame creation, never while a drag may still run inside it.
#pragma once
#include "afxtempl.h"
#include "uilib/frames/layout/LNContainer.h"

class SECLayoutMiniFloatWnd;
class SECLNDockingMgr;

class SECLNFloatingHwndContainer : public SECLNHwndContainer
{
  public:
    // Construction
    explicit SECLNFloatingHwndContainer(HWND hWnd);
    ~SECLNFloatingHwndContainer() override;
    SECLNFloatingHwndContainer(const SECLNFloatingHwndContainer&) = delete;
    SECLNFloatingHwndContainer& operator=(const SECLNFloatingHwndContainer&) = delete;

    // Overridables (window container)
    BOOL NodeToClient(RECT* pRect) override;
    BOOL NodeToClient(POINT* pPoint) override;
    BOOL ClientToNode(RECT* pRect) override;
    BOOL ClientToNode(POINT* pPoint) override;
    BOOL IsContainerVisible() override
    {
        return IsFrameVisible();
    }
    // The message (a MSG*) goes to the mini frame, whose answer is returned.
    LRESULT ForwardToFrame(LPARAM lValue) override;
    // Makes the frame for pNode under hWndFrame: a the title (LPCTSTR), b and c a width and height
    // the frame takes when both are positive.
    BOOL FloatNode(SECLayoutNode* pNode, HWND hWndFrame, DWORD_PTR a, DWORD_PTR b, DWORD_PTR c) override;

    // Overridables (floating frame)
    // The frame's border widths (caption included in the top one); the frame keeps its place.
    virtual BOOL MeasureFrameBorders(int* pLeft, int* pTop, int* pRight, int* pBottom);
    virtual BOOL ShowFrame(const RECT* pRect);
    virtual BOOL IsFrameVisible();
    virtual BOOL CreateFrame(SECLayoutNode* pRoot, CWnd* pParent, LPCTSTR lpszTitle, BOOL bHideOnClose,
                             BOOL bCloseItem);
    virtual SECLayoutMiniFloatWnd* NewFrameObject();

    // Attributes
    // The frame while it is alive; NULL before creation, after release or once it was destroyed.
    SECLayoutMiniFloatWnd* GetFrame() const;
    void SetDockingMgr(SECLNDockingMgr* pMgr)
    {
        m_pDockingMgr = pMgr;
    }

    // The pool of released frames.
    static int PASCAL GetPoolCount();
    static void PASCAL RemoveFromPool(SECLayoutMiniFloatWnd* pFrame);

  protected:
    SECLayoutMiniFloatWnd* m_pFrame;
    int m_nClientOffsetX;
    int m_nClientOffsetY;
    SECLNDockingMgr* m_pDockingMgr;
};
