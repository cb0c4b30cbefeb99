// CToolTipCtrl: a tooltip control; tools are windows or rectangles of a window.
//
// Differences from MFC:
// - Texts are passed as strings or LPSTR_TEXTCALLBACK; no resource-id overloads beyond AddTool's.
#pragma once
#include "Wnd.h"
#include "String.h"

class CToolTipCtrl : public CWnd
{
    DECLARE_DYNAMIC(CToolTipCtrl)

  public:
    // Construction
    CToolTipCtrl() = default;
    BOOL Create(CWnd* pParentWnd, DWORD dwStyle = 0);

    // Operations
    BOOL AddTool(CWnd* pWnd, LPCTSTR lpszText = LPSTR_TEXTCALLBACK, LPCRECT lpRectTool = NULL,
                 UINT_PTR nIDTool = 0);
    void DelTool(CWnd* pWnd, UINT_PTR nIDTool = 0);
    void UpdateTipText(LPCTSTR lpszText, CWnd* pWnd, UINT_PTR nIDTool = 0);
    void SetToolRect(CWnd* pWnd, UINT_PTR nIDTool, LPCRECT lpRect);
    void Activate(BOOL bActivate)
    {
        Send(TTM_ACTIVATE, bActivate);
    }
    void RelayEvent(LPMSG lpMsg)
    {
        Send(TTM_RELAYEVENT, 0, (LPARAM)lpMsg);
    }
    void SetDelayTime(UINT nDelay)
    {
        Send(TTM_SETDELAYTIME, TTDT_AUTOMATIC, nDelay);
    }
    void SetDelayTime(DWORD dwDuration, int iTime)
    {
        Send(TTM_SETDELAYTIME, dwDuration, MAKELPARAM(iTime, 0));
    }
    int SetMaxTipWidth(int iWidth)
    {
        return (int)Send(TTM_SETMAXTIPWIDTH, 0, iWidth);
    }
    int GetToolCount() const
    {
        return (int)Send(TTM_GETTOOLCOUNT);
    }
    void Pop()
    {
        Send(TTM_POP);
    }
    void Update()
    {
        Send(TTM_UPDATE);
    }

  protected:
    void FillInToolInfo(TOOLINFO& ti, CWnd* pWnd, UINT_PTR nIDTool) const;
    LRESULT Send(UINT msg, WPARAM wParam = 0, LPARAM lParam = 0) const
    {
        return ::SendMessage(m_hWnd, msg, wParam, lParam);
    }
};
