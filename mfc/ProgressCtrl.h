// CProgressCtrl: a progress bar.
//
// Differences from MFC:
// - Thin inline wrappers over the control's messages; members of later comctl32 versions are left out.
#pragma once
#include "Wnd.h"
#include "String.h"

class CProgressCtrl : public CWnd
{
    DECLARE_DYNAMIC(CProgressCtrl)

  public:
    // Construction
    CProgressCtrl() = default;
    BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
    {
        return AfxDeferRegisterClass(AFX_WNDCOMMCTLS_REG) &&
               CWnd::Create(PROGRESS_CLASS, NULL, dwStyle, rect, pParentWnd, nID);
    }

    // Operations
    void SetRange(short nLower, short nUpper)
    {
        Send(PBM_SETRANGE, 0, MAKELPARAM(nLower, nUpper));
    }
    void SetRange32(int nLower, int nUpper)
    {
        Send(PBM_SETRANGE32, nLower, nUpper);
    }
    void GetRange(int& nLower, int& nUpper) const
    {
        PBRANGE range;
        Send(PBM_GETRANGE, FALSE, (LPARAM)&range);
        nLower = range.iLow;
        nUpper = range.iHigh;
    }
    int GetPos() const
    {
        return (int)Send(PBM_GETPOS);
    }
    int SetPos(int nPos)
    {
        return (int)Send(PBM_SETPOS, nPos);
    }
    int OffsetPos(int nPos)
    {
        return (int)Send(PBM_DELTAPOS, nPos);
    }
    int SetStep(int nStep)
    {
        return (int)Send(PBM_SETSTEP, nStep);
    }
    int StepIt()
    {
        return (int)Send(PBM_STEPIT);
    }
    COLORREF SetBarColor(COLORREF clrBar)
    {
        return (COLORREF)Send(PBM_SETBARCOLOR, 0, clrBar);
    }
    COLORREF SetBkColor(COLORREF clrNew)
    {
        return (COLORREF)Send(PBM_SETBKCOLOR, 0, clrNew);
    }

  protected:
    LRESULT Send(UINT msg, WPARAM wParam = 0, LPARAM lParam = 0) const
    {
        return ::SendMessage(m_hWnd, msg, wParam, lParam);
    }
};
