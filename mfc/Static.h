// CStatic: a static text, icon, bitmap or frame.
//
// Differences from MFC:
// - No enhanced-metafile images.
#pragma once
#include "Wnd.h"

class CStatic : public CWnd
{
    DECLARE_DYNAMIC(CStatic)

  public:
    // Construction
    CStatic() = default;
    BOOL Create(LPCTSTR lpszText, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID = 0xffff)
    {
        return CWnd::Create(_T("STATIC"), lpszText, dwStyle, rect, pParentWnd, nID);
    }

    // Operations
    HICON SetIcon(HICON hIcon)
    {
        return (HICON)::SendMessage(m_hWnd, STM_SETICON, (WPARAM)hIcon, 0);
    }
    HICON GetIcon() const
    {
        return (HICON)::SendMessage(m_hWnd, STM_GETICON, 0, 0);
    }
    HBITMAP SetBitmap(HBITMAP hBitmap)
    {
        return (HBITMAP)::SendMessage(m_hWnd, STM_SETIMAGE, IMAGE_BITMAP, (LPARAM)hBitmap);
    }
    HBITMAP GetBitmap() const
    {
        return (HBITMAP)::SendMessage(m_hWnd, STM_GETIMAGE, IMAGE_BITMAP, 0);
    }
};
