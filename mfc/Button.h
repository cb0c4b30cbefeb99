// CButton: a push button, check box, radio button or group box. An owner-drawn button draws
// itself through DrawItem, reflected from its parent's WM_DRAWITEM.
//
// Differences from MFC:
// - No split buttons or command links (Vista controls).
#pragma once
#include "Wnd.h"

class CButton : public CWnd
{
    DECLARE_DYNAMIC(CButton)

  public:
    // Construction
    CButton() = default;
    BOOL Create(LPCTSTR lpszCaption, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
    {
        return CWnd::Create(_T("BUTTON"), lpszCaption, dwStyle, rect, pParentWnd, nID);
    }

    // Operations
    UINT GetState() const
    {
        return (UINT)::SendMessage(m_hWnd, BM_GETSTATE, 0, 0);
    }
    void SetState(BOOL bHighlight)
    {
        ::SendMessage(m_hWnd, BM_SETSTATE, bHighlight, 0);
    }
    int GetCheck() const
    {
        return (int)::SendMessage(m_hWnd, BM_GETCHECK, 0, 0);
    }
    void SetCheck(int nCheck)
    {
        ::SendMessage(m_hWnd, BM_SETCHECK, nCheck, 0);
    }
    UINT GetButtonStyle() const
    {
        return (UINT)GetWindowLong(m_hWnd, GWL_STYLE) & 0xFFFF;
    }
    void SetButtonStyle(UINT nStyle, BOOL bRedraw = TRUE)
    {
        ::SendMessage(m_hWnd, BM_SETSTYLE, nStyle, bRedraw);
    }
    HBITMAP SetBitmap(HBITMAP hBitmap)
    {
        return (HBITMAP)::SendMessage(m_hWnd, BM_SETIMAGE, IMAGE_BITMAP, (LPARAM)hBitmap);
    }
    HBITMAP GetBitmap() const
    {
        return (HBITMAP)::SendMessage(m_hWnd, BM_GETIMAGE, IMAGE_BITMAP, 0);
    }
    HICON SetIcon(HICON hIcon)
    {
        return (HICON)::SendMessage(m_hWnd, BM_SETIMAGE, IMAGE_ICON, (LPARAM)hIcon);
    }
    HICON GetIcon() const
    {
        return (HICON)::SendMessage(m_hWnd, BM_GETIMAGE, IMAGE_ICON, 0);
    }

    // Overridables
    virtual void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct);

    // Implementation
    BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;
};
