// ISECLNContainer and SECLNHwndContainer: the window a layout tree lives in (a frame, a floating
// mini frame), wrapped for coordinate conversion, invalidation, showing, reparenting and for
// making floating containers. The docking engine owns its containers through memory managers.
#pragma once
#include "afxwin.h"

class SECLayoutNode;

class ISECLNContainer
{
  public:
    virtual ~ISECLNContainer()
    {
    }
    virtual BOOL ClientToScreen(RECT* pRect) = 0;
    virtual BOOL ClientToScreen(POINT* pPoint) = 0;
    virtual BOOL ScreenToClient(RECT* pRect) = 0;
    virtual BOOL ScreenToClient(POINT* pPoint) = 0;
    virtual BOOL NodeToClient(RECT* pRect) = 0;
    virtual BOOL NodeToClient(POINT* pPoint) = 0;
    virtual BOOL ClientToNode(RECT* pRect) = 0;
    virtual BOOL ClientToNode(POINT* pPoint) = 0;
    virtual BOOL NodeToScreen(RECT* pRect) = 0;
    virtual BOOL NodeToScreen(POINT* pPoint) = 0;
    virtual BOOL ScreenToNode(RECT* pRect) = 0;
    virtual BOOL ScreenToNode(POINT* pPoint) = 0;
    virtual BOOL GetNodeOrigin(POINT& pt) = 0;
    virtual BOOL InvalidateContainer(BOOL bErase) = 0;
    virtual BOOL LockDesktopUpdate(BOOL bLock) = 0;
    virtual BOOL ShowContainer(BOOL bShow) = 0;
    virtual BOOL GetContainerClientRect(RECT* pRect) = 0;
    virtual BOOL GetContainerWindowRect(RECT* pRect) = 0;
    virtual BOOL GetContainerBorders(int& nLeft, int& nTop, int& nRight, int& nBottom) = 0;
    // lValue is a MSG* for the frame the container's layout lives in; its answer, 0 without one.
    virtual LRESULT ForwardToFrame(LPARAM lValue) = 0;
    virtual void RecalcContainerLayout(BOOL bNotify) = 0;
    virtual ISECLNContainer* Clone() = 0;
    virtual ISECLNContainer* CreateFloatingContainer(SECLayoutNode* pNode, DWORD_PTR a, DWORD_PTR b,
                                                     DWORD_PTR c) = 0;
    virtual BOOL IsContainerVisible() = 0;
    virtual BOOL ReparentContainer(HWND hWndNewParent) = 0;
    // A floating container asked to float pNode in the top-level frame hWndFrame; FALSE refuses.
    virtual BOOL FloatNode(SECLayoutNode* pNode, HWND hWndFrame, DWORD_PTR a, DWORD_PTR b, DWORD_PTR c) = 0;
    virtual HWND GetContainerHwnd() const = 0;
};

class SECLNHwndContainer : public ISECLNContainer
{
  public:
    // Construction
    explicit SECLNHwndContainer(HWND hWnd) : m_hWnd(hWnd)
    {
    }
    explicit SECLNHwndContainer(CWnd* pWnd) : m_hWnd(pWnd->GetSafeHwnd())
    {
    }

    // Overridables
    BOOL ClientToScreen(RECT* pRect) override;
    BOOL ClientToScreen(POINT* pPoint) override;
    BOOL ScreenToClient(RECT* pRect) override;
    BOOL ScreenToClient(POINT* pPoint) override;
    BOOL NodeToClient(RECT*) override
    {
        return TRUE;
    }
    BOOL NodeToClient(POINT*) override
    {
        return TRUE;
    }
    BOOL ClientToNode(RECT*) override
    {
        return TRUE;
    }
    BOOL ClientToNode(POINT*) override
    {
        return TRUE;
    }
    BOOL NodeToScreen(RECT* pRect) override;
    BOOL NodeToScreen(POINT* pPoint) override;
    BOOL ScreenToNode(RECT* pRect) override;
    BOOL ScreenToNode(POINT* pPoint) override;
    BOOL GetNodeOrigin(POINT& pt) override;
    BOOL InvalidateContainer(BOOL bErase) override
    {
        return ::InvalidateRect(m_hWnd, NULL, bErase);
    }
    BOOL LockDesktopUpdate(BOOL bLock) override;
    BOOL ShowContainer(BOOL bShow) override
    {
        return ::ShowWindow(m_hWnd, bShow ? SW_SHOWNORMAL : SW_HIDE);
    }
    BOOL GetContainerClientRect(RECT* pRect) override
    {
        return ::GetClientRect(m_hWnd, pRect);
    }
    BOOL GetContainerWindowRect(RECT* pRect) override
    {
        return ::GetWindowRect(m_hWnd, pRect);
    }
    BOOL GetContainerBorders(int& nLeft, int& nTop, int& nRight, int& nBottom) override;
    LRESULT ForwardToFrame(LPARAM) override
    {
        return 0;
    }
    void RecalcContainerLayout(BOOL bNotify) override;
    ISECLNContainer* Clone() override
    {
        return new SECLNHwndContainer(m_hWnd);
    }
    ISECLNContainer* CreateFloatingContainer(SECLayoutNode* pNode, DWORD_PTR a, DWORD_PTR b,
                                             DWORD_PTR c) override;
    BOOL IsContainerVisible() override
    {
        return TRUE;
    }
    BOOL ReparentContainer(HWND hWndNewParent) override;
    BOOL FloatNode(SECLayoutNode*, HWND, DWORD_PTR, DWORD_PTR, DWORD_PTR) override
    {
        return FALSE;
    }
    HWND GetContainerHwnd() const override
    {
        return m_hWnd;
    }
    // A new floating container for hWnd.
    virtual ISECLNContainer* CreateFloatingContainerObject(HWND hWnd);

    // Process-wide: while suppressed (during a docking drag) no frame lays itself out again.
    static void PASCAL SuppressRecalc(BOOL bSuppress);
    static BOOL PASCAL IsRecalcSuppressed();
    // RecalcLayout on the main window and on every other frame of every open document's views.
    static void PASCAL RecalcAllFrames(BOOL bNotify);

  protected:
    HWND m_hWnd;
};
