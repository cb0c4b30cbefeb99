// SECStartDragCore_T: recognises the start of a drag on a listened-to window: a left press (on the
// client area or the caption) arms it, and a move of at least the threshold distance from the
// press point starts the drag; a release disarms it. A handler that acts eats the message.
#pragma once
#include "uilib/frames/plugins/LayoutWndListener.h"
#include <cmath>

template <class Base> class SECStartDragCore_T : public Base
{
  public:
    // Construction
    SECStartDragCore_T() : m_dDragThreshold(1.0), m_bArmed(FALSE), m_ptDragStart{0, 0}
    {
    }

    // Overridables
    virtual BOOL ProcessDragMessage(const MSG* pMsg)
    {
        if (pMsg == NULL)
            return FALSE;
        POINT pt;
        GetMessageScreenPoint(&pt, pMsg);
        switch (pMsg->message)
        {
        case WM_MOUSEMOVE:
            return CheckDragThreshold((DWORD)pMsg->wParam, &pt);
        case WM_LBUTTONDOWN:
            return ArmDrag((DWORD)pMsg->wParam, &pt);
        case WM_LBUTTONUP:
            return DisarmDrag((DWORD)pMsg->wParam, &pt);
        default:
            return FALSE;
        }
    }
    virtual BOOL CanStartDrag(DWORD, POINT*)
    {
        return TRUE;
    }
    virtual BOOL StartDrag(DWORD, POINT*, POINT*)
    {
        return FALSE;
    }
    virtual BOOL OnDragDoubleClick(DWORD, POINT*)
    {
        return FALSE;
    }
    virtual BOOL ArmDrag(DWORD dwKeys, POINT* pt)
    {
        if (!CanStartDrag(dwKeys, pt))
            return FALSE;
        m_bArmed = TRUE;
        m_ptDragStart = *pt;
        return CheckDragThreshold(dwKeys, &m_ptDragStart);
    }
    virtual BOOL DisarmDrag(DWORD, POINT*)
    {
        m_bArmed = FALSE;
        return FALSE;
    }
    virtual BOOL HandleDoubleClick(DWORD dwKeys, POINT* pt)
    {
        if (!CanStartDrag(dwKeys, pt))
            return FALSE;
        return OnDragDoubleClick(dwKeys, pt);
    }
    virtual BOOL CheckDragThreshold(DWORD dwKeys, POINT* pt)
    {
        if (!m_bArmed)
            return FALSE;
        const double dx = (double)pt->x - m_ptDragStart.x, dy = (double)pt->y - m_ptDragStart.y;
        if (std::sqrt(dx * dx + dy * dy) < m_dDragThreshold)
            return FALSE;
        m_bArmed = FALSE;
        POINT ptStart = m_ptDragStart, ptNow = *pt;
        return StartDrag(dwKeys, &ptStart, &ptNow);
    }
    virtual POINT* GetMessageScreenPoint(POINT* pt, const MSG* pMsg)
    {
        pt->x = (short)LOWORD(pMsg->lParam);
        pt->y = (short)HIWORD(pMsg->lParam);
        ::ClientToScreen(pMsg->hwnd, pt);
        return pt;
    }

    // Attributes
    double m_dDragThreshold;
    BOOL m_bArmed;
    POINT m_ptDragStart;

  protected:
    void Eat(BOOL bActed)
    {
        if (bActed)
            this->SetChainFlags(255);
        OnDragMessageDone();
    }
    // The last step of every handler: nothing of this object is touched after it.
    virtual void OnDragMessageDone()
    {
    }
    POINT ToScreen(CPoint point)
    {
        POINT pt = point;
        ::ClientToScreen(this->m_hWnd, &pt);
        return pt;
    }
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point)
    {
        POINT pt = ToScreen(point);
        Eat(ArmDrag(nFlags, &pt));
    }
    afx_msg void OnLButtonUp(UINT nFlags, CPoint point)
    {
        POINT pt = ToScreen(point);
        Eat(DisarmDrag(nFlags, &pt));
    }
    afx_msg void OnLButtonDblClk(UINT nFlags, CPoint point)
    {
        POINT pt = ToScreen(point);
        Eat(HandleDoubleClick(nFlags, &pt));
    }
    afx_msg void OnMouseMove(UINT nFlags, CPoint point)
    {
        POINT pt = ToScreen(point);
        Eat(CheckDragThreshold(nFlags, &pt));
    }
    // Non-client points come in screen coordinates already.
    afx_msg void OnNcLButtonDown(UINT nHitTest, CPoint point)
    {
        POINT pt = point;
        if (nHitTest == HTCAPTION)
            Eat(ArmDrag(HTCAPTION, &pt));
    }
    afx_msg void OnNcLButtonUp(UINT nHitTest, CPoint point)
    {
        POINT pt = point;
        Eat(DisarmDrag(nHitTest, &pt));
    }
    afx_msg void OnNcLButtonDblClk(UINT nHitTest, CPoint point)
    {
        POINT pt = point;
        if (nHitTest == HTCAPTION)
            Eat(HandleDoubleClick(HTCAPTION, &pt));
    }
    afx_msg void OnNcMouseMove(UINT nHitTest, CPoint point)
    {
        POINT pt = point;
        Eat(CheckDragThreshold(nHitTest, &pt));
    }

    DECLARE_MESSAGE_MAP()
};

BEGIN_TEMPLATE_MESSAGE_MAP(SECStartDragCore_T, Base, Base)
ON_WM_LBUTTONDOWN()
ON_WM_LBUTTONUP()
ON_WM_LBUTTONDBLCLK()
ON_WM_MOUSEMOVE()
ON_WM_NCLBUTTONDOWN()
ON_WM_NCLBUTTONUP()
ON_WM_NCLBUTTONDBLCLK()
ON_WM_NCMOUSEMOVE()
END_MESSAGE_MAP()
