// SECListClient: what the list's companion windows (label edit, item tip) may ask of the list.
// Mixed into the list as its second base; the defaults answer "none".
#pragma once
#include "afxwin.h"

class SECListClient
{
  public:
    virtual ~SECListClient() = default;

    virtual HWND GetClientHwnd() const
    {
        return NULL;
    }
    virtual BOOL IsLabelWrap() const
    {
        return FALSE;
    }
    virtual BOOL EndLabelEdit(BOOL /*bAccept*/)
    {
        return FALSE;
    }
    virtual int GetSubItemOfColumn(int /*nCol*/) const
    {
        return -1;
    }
    virtual void GetScrollOffset(int& x, int& y) const
    {
        x = y = 0;
    }
    virtual void GetInsideRect(LPRECT lpRect) const
    {
        ::SetRectEmpty(lpRect);
    }
    virtual BOOL GetCellRect(int /*nRow*/, int /*nCol*/, LPRECT /*lpRect*/, UINT /*nCode*/)
    {
        return FALSE;
    }
    virtual CString GetCellText(int /*nRow*/, int /*nSubItem*/)
    {
        return CString();
    }
    virtual void ClientToScreenRect(LPRECT /*lpRect*/) const
    {
    }
    virtual void CaptureMouse(BOOL /*bCapture*/)
    {
    }
    virtual BOOL IsItemSelected(int /*nRow*/) const
    {
        return FALSE;
    }
    virtual COLORREF GetSelTextColor() const
    {
        return (COLORREF)-1;
    }
    virtual COLORREF GetSelBkColor() const
    {
        return (COLORREF)-1;
    }
    virtual COLORREF GetToolTipTextColor() const
    {
        return (COLORREF)-1;
    }
    virtual COLORREF GetToolTipBkColor() const
    {
        return (COLORREF)-1;
    }
    virtual HFONT GetLabelFont() const
    {
        return NULL;
    }
    // State bits of a row under a mask (the tree reports its items' bold bit); 0 in the list.
    virtual UINT GetRowStateBits(int /*nRow*/, UINT /*nMask*/) const
    {
        return 0;
    }
};
