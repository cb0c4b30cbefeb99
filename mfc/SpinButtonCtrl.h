// CSpinButtonCtrl: an up-down control; with UDS_SETBUDDYINT it writes its position into its buddy edit.
//
// Differences from MFC:
// - Thin inline wrappers over the control's messages; members of later comctl32 versions are left out.
#pragma once
#include "Wnd.h"
#include "String.h"

class CSpinButtonCtrl : public CWnd
{
    DECLARE_DYNAMIC(CSpinButtonCtrl)

  public:
    // Construction
    CSpinButtonCtrl() = default;
    BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
    {
        return AfxDeferRegisterClass(AFX_WNDCOMMCTLS_REG) &&
               CWnd::Create(UPDOWN_CLASS, NULL, dwStyle, rect, pParentWnd, nID);
    }

    // Operations
    int SetPos(int nPos)
    {
        return (int)Send(UDM_SETPOS32, 0, nPos);
    }
    int GetPos() const
    {
        return (int)Send(UDM_GETPOS32, 0, 0);
    }
    int GetPos32(LPBOOL lpbError = NULL) const
    {
        return (int)Send(UDM_GETPOS32, 0, (LPARAM)lpbError);
    }
    void SetRange(short nLower, short nUpper)
    {
        Send(UDM_SETRANGE, 0, MAKELPARAM(nUpper, nLower));
    }
    void SetRange32(int nLower, int nUpper)
    {
        Send(UDM_SETRANGE32, nLower, nUpper);
    }
    DWORD GetRange() const
    {
        return (DWORD)Send(UDM_GETRANGE);
    }
    void GetRange(int& lower, int& upper) const
    {
        Send(UDM_GETRANGE32, (WPARAM)&lower, (LPARAM)&upper);
    }
    void GetRange32(int& lower, int& upper) const
    {
        GetRange(lower, upper);
    }
    CWnd* SetBuddy(CWnd* pWndBuddy)
    {
        return CWnd::FromHandle((HWND)Send(UDM_SETBUDDY, (WPARAM)pWndBuddy->GetSafeHwnd()));
    }
    CWnd* GetBuddy() const
    {
        return CWnd::FromHandle((HWND)Send(UDM_GETBUDDY));
    }
    int SetBase(int nBase)
    {
        return (int)Send(UDM_SETBASE, nBase);
    }
    UINT GetBase() const
    {
        return (UINT)Send(UDM_GETBASE);
    }
    BOOL SetAccel(int nAccel, UDACCEL* pAccel)
    {
        return (BOOL)Send(UDM_SETACCEL, nAccel, (LPARAM)pAccel);
    }

  protected:
    LRESULT Send(UINT msg, WPARAM wParam = 0, LPARAM lParam = 0) const
    {
        return ::SendMessage(m_hWnd, msg, wParam, lParam);
    }
};
