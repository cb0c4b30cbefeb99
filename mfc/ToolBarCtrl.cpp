// CToolBarCtrl: creation (the control needs its record size first) and bitmaps.
#include "ToolBarCtrl.h"
#include "Module.h"

IMPLEMENT_DYNAMIC(CToolBarCtrl, CWnd)

BOOL CToolBarCtrl::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    if (!AfxDeferRegisterClass(AFX_WNDCOMMCTLS_REG) ||
        !CWnd::Create(TOOLBARCLASSNAME, NULL, dwStyle, rect, pParentWnd, nID))
        return FALSE;
    Send(TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON));
    return TRUE;
}

int CToolBarCtrl::AddBitmap(int nNumButtons, UINT nBitmapID)
{
    TBADDBITMAP tbab;
    tbab.hInst = AfxFindResourceHandle(MAKEINTRESOURCE(nBitmapID), RT_BITMAP);
    tbab.nID = nBitmapID;
    return (int)Send(TB_ADDBITMAP, nNumButtons, (LPARAM)&tbab);
}

int CToolBarCtrl::AddBitmap(int nNumButtons, HBITMAP hBitmap)
{
    TBADDBITMAP tbab;
    tbab.hInst = NULL;
    tbab.nID = (UINT_PTR)hBitmap;
    return (int)Send(TB_ADDBITMAP, nNumButtons, (LPARAM)&tbab);
}
