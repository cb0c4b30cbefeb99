// CHeaderCtrl: a header control (column titles).
//
// Differences from MFC:
// - Thin inline wrappers over the control's messages; members of later comctl32 versions are left out.
#pragma once
#include "Wnd.h"
#include "String.h"

class CHeaderCtrl : public CWnd
{
    DECLARE_DYNAMIC(CHeaderCtrl)

  public:
    // Construction
    CHeaderCtrl() = default;
    BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
    {
        return AfxDeferRegisterClass(AFX_WNDCOMMCTLS_REG) &&
               CWnd::Create(WC_HEADER, NULL, dwStyle, rect, pParentWnd, nID);
    }

    // Operations
    int GetItemCount() const
    {
        return (int)Send(HDM_GETITEMCOUNT);
    }
    int InsertItem(int nPos, HDITEM* phdi)
    {
        return (int)Send(HDM_INSERTITEM, nPos, (LPARAM)phdi);
    }
    BOOL DeleteItem(int nPos)
    {
        return (BOOL)Send(HDM_DELETEITEM, nPos);
    }
    BOOL GetItem(int nPos, HDITEM* pHeaderItem) const
    {
        return (BOOL)Send(HDM_GETITEM, nPos, (LPARAM)pHeaderItem);
    }
    BOOL SetItem(int nPos, HDITEM* pHeaderItem)
    {
        return (BOOL)Send(HDM_SETITEM, nPos, (LPARAM)pHeaderItem);
    }
    BOOL Layout(HDLAYOUT* pHeaderLayout)
    {
        return (BOOL)Send(HDM_LAYOUT, 0, (LPARAM)pHeaderLayout);
    }
    BOOL GetItemRect(int nIndex, LPRECT lpRect) const
    {
        return (BOOL)Send(HDM_GETITEMRECT, nIndex, (LPARAM)lpRect);
    }
    int HitTest(HDHITTESTINFO* pHeaderHitTestInfo)
    {
        return (int)Send(HDM_HITTEST, 0, (LPARAM)pHeaderHitTestInfo);
    }
    HIMAGELIST SetImageList(HIMAGELIST hImageList)
    {
        return (HIMAGELIST)Send(HDM_SETIMAGELIST, 0, (LPARAM)hImageList);
    }

  protected:
    LRESULT Send(UINT msg, WPARAM wParam = 0, LPARAM lParam = 0) const
    {
        return ::SendMessage(m_hWnd, msg, wParam, lParam);
    }
};
