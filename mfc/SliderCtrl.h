// CSliderCtrl: a trackbar.
//
// Differences from MFC:
// - Thin inline wrappers over the control's messages; members of later comctl32 versions are left out.
#pragma once
#include "Wnd.h"
#include "String.h"

class CSliderCtrl : public CWnd
{
    DECLARE_DYNAMIC(CSliderCtrl)

  public:
    // Construction
    CSliderCtrl() = default;
    BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
    {
        return AfxDeferRegisterClass(AFX_WNDCOMMCTLS_REG) &&
               CWnd::Create(TRACKBAR_CLASS, NULL, dwStyle, rect, pParentWnd, nID);
    }

    // Operations
    int GetPos() const
    {
        return (int)Send(TBM_GETPOS);
    }
    void SetPos(int nPos)
    {
        Send(TBM_SETPOS, TRUE, nPos);
    }
    int GetRangeMin() const
    {
        return (int)Send(TBM_GETRANGEMIN);
    }
    int GetRangeMax() const
    {
        return (int)Send(TBM_GETRANGEMAX);
    }
    void GetRange(int& nMin, int& nMax) const
    {
        nMin = GetRangeMin();
        nMax = GetRangeMax();
    }
    void SetRange(int nMin, int nMax, BOOL bRedraw = FALSE)
    {
        Send(TBM_SETRANGEMIN, FALSE, nMin);
        Send(TBM_SETRANGEMAX, bRedraw, nMax);
    }
    void SetRangeMin(int nMin, BOOL bRedraw = FALSE)
    {
        Send(TBM_SETRANGEMIN, bRedraw, nMin);
    }
    void SetRangeMax(int nMax, BOOL bRedraw = FALSE)
    {
        Send(TBM_SETRANGEMAX, bRedraw, nMax);
    }
    int GetLineSize() const
    {
        return (int)Send(TBM_GETLINESIZE);
    }
    int SetLineSize(int nSize)
    {
        return (int)Send(TBM_SETLINESIZE, 0, nSize);
    }
    int GetPageSize() const
    {
        return (int)Send(TBM_GETPAGESIZE);
    }
    int SetPageSize(int nSize)
    {
        return (int)Send(TBM_SETPAGESIZE, 0, nSize);
    }
    void SetTicFreq(int nFreq)
    {
        Send(TBM_SETTICFREQ, nFreq);
    }
    BOOL SetTic(int nTic)
    {
        return (BOOL)Send(TBM_SETTIC, 0, nTic);
    }
    void ClearTics(BOOL bRedraw = FALSE)
    {
        Send(TBM_CLEARTICS, bRedraw);
    }
    void SetSelection(int nMin, int nMax)
    {
        Send(TBM_SETSEL, TRUE, MAKELPARAM(nMin, nMax));
    }

  protected:
    LRESULT Send(UINT msg, WPARAM wParam = 0, LPARAM lParam = 0) const
    {
        return ::SendMessage(m_hWnd, msg, wParam, lParam);
    }
};
