// CRichEditCtrl: loading the control's library, selections and character formats.
#include "RichEditCtrl.h"

IMPLEMENT_DYNAMIC(CRichEditCtrl, CWnd)

BOOL PASCAL CRichEditCtrl::LoadLibrary()
{
    static HMODULE hRichEdit = ::LoadLibraryA("riched32.dll");
    return hRichEdit != NULL;
}

BOOL CRichEditCtrl::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    if (!LoadLibrary())
        return FALSE;
    return CWnd::Create(_T("RICHEDIT"), NULL, dwStyle, rect, pParentWnd, nID);
}

void CRichEditCtrl::GetSel(long& nStartChar, long& nEndChar) const
{
    CHARRANGE cr;
    GetSel(cr);
    nStartChar = cr.cpMin;
    nEndChar = cr.cpMax;
}

void CRichEditCtrl::SetSel(long nStartChar, long nEndChar)
{
    CHARRANGE cr = {nStartChar, nEndChar};
    SetSel(cr);
}

CString CRichEditCtrl::GetSelText() const
{
    CHARRANGE cr;
    GetSel(cr);
    CString str;
    int nLen = cr.cpMax - cr.cpMin;
    if (nLen <= 0)
        return str;
    // EM_GETSELTEXT of version 1 may count line ends twice: leave room.
    LPTSTR p = str.GetBuffer(nLen * 2 + 1);
    long nGot = (long)Send(EM_GETSELTEXT, 0, (LPARAM)p);
    str.ReleaseBuffer(nGot);
    return str;
}

DWORD CRichEditCtrl::GetDefaultCharFormat(CHARFORMAT& cf) const
{
    cf.cbSize = sizeof(cf);
    return (DWORD)Send(EM_GETCHARFORMAT, SCF_DEFAULT, (LPARAM)&cf);
}

DWORD CRichEditCtrl::GetSelectionCharFormat(CHARFORMAT& cf) const
{
    cf.cbSize = sizeof(cf);
    return (DWORD)Send(EM_GETCHARFORMAT, SCF_SELECTION, (LPARAM)&cf);
}

BOOL CRichEditCtrl::SetDefaultCharFormat(CHARFORMAT& cf)
{
    cf.cbSize = sizeof(cf);
    return (BOOL)Send(EM_SETCHARFORMAT, SCF_DEFAULT, (LPARAM)&cf);
}

BOOL CRichEditCtrl::SetSelectionCharFormat(CHARFORMAT& cf)
{
    cf.cbSize = sizeof(cf);
    return (BOOL)Send(EM_SETCHARFORMAT, SCF_SELECTION, (LPARAM)&cf);
}

BOOL CRichEditCtrl::SetWordCharFormat(CHARFORMAT& cf)
{
    cf.cbSize = sizeof(cf);
    return (BOOL)Send(EM_SETCHARFORMAT, SCF_SELECTION | SCF_WORD, (LPARAM)&cf);
}

DWORD CRichEditCtrl::GetParaFormat(PARAFORMAT& pf) const
{
    pf.cbSize = sizeof(pf);
    return (DWORD)Send(EM_GETPARAFORMAT, 0, (LPARAM)&pf);
}

BOOL CRichEditCtrl::SetParaFormat(PARAFORMAT& pf)
{
    pf.cbSize = sizeof(pf);
    return (BOOL)Send(EM_SETPARAFORMAT, 0, (LPARAM)&pf);
}
