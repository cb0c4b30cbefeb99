// CWnd's windows made from dialog templates, shared by dialogs, form views and dialog bars: the
// dialog procedure, creation through the dialog manager and the RT_DLGINIT strings.
#include "Dialog.h"
#include "WinApp.h"
#include <string.h>

INT_PTR CALLBACK AfxDlgProc(HWND hWnd, UINT message, WPARAM, LPARAM)
{
    if (message != WM_INITDIALOG)
        return FALSE;
    CWnd* pWnd = CWnd::FromHandlePermanent(hWnd);
    CDialog* pDlg = pWnd != NULL && pWnd->IsKindOf(RUNTIME_CLASS(CDialog)) ? (CDialog*)pWnd : NULL;
    if (pDlg == NULL)
        return FALSE; // a form view or a bar: its frame decides about the focus
    return AfxCallFromWin32<INT_PTR>(TRUE, [pDlg] {
        return AfxInitAndCenter(pDlg, [](CWnd* pWnd) { return ((CDialog*)pWnd)->OnInitDialog(); });
    });
}

BOOL AFXAPI AfxInitAndCenter(CWnd* pWnd, BOOL (*pfnInit)(CWnd*))
{
    CRect rectBefore;
    ::GetWindowRect(pWnd->m_hWnd, &rectBefore);
    const DWORD dwStyleBefore = pWnd->GetStyle();
    const BOOL bResult = pfnInit(pWnd);
    if (pWnd->m_hWnd == NULL || !::IsWindow(pWnd->m_hWnd))
        return bResult;
    CRect rectAfter;
    ::GetWindowRect(pWnd->m_hWnd, &rectAfter);
    const DWORD dwStyle = pWnd->GetStyle();
    if (((dwStyleBefore | dwStyle) & (WS_VISIBLE | WS_CHILD)) == 0 &&
        rectAfter.TopLeft() == rectBefore.TopLeft() && pWnd->CheckAutoCenter())
        pWnd->CenterWindow();
    return bResult;
}

LPCDLGTEMPLATE AFXAPI AfxLoadDialogTemplate(LPCTSTR lpszTemplateName, HINSTANCE* phInst)
{
    HINSTANCE hInst = AfxFindResourceHandle(lpszTemplateName, RT_DIALOG);
    HRSRC hResource = ::FindResource(hInst, lpszTemplateName, RT_DIALOG);
    if (hResource == NULL)
        return NULL;
    HGLOBAL hTemplate = ::LoadResource(hInst, hResource);
    if (phInst != NULL)
        *phInst = hInst;
    return hTemplate != NULL ? (LPCDLGTEMPLATE)::LockResource(hTemplate) : NULL;
}

BOOL CWnd::CreateDlg(LPCTSTR lpszTemplateName, CWnd* pParentWnd)
{
    HINSTANCE hInst = NULL;
    LPCDLGTEMPLATE lpTemplate = AfxLoadDialogTemplate(lpszTemplateName, &hInst);
    return lpTemplate != NULL && CreateDlgIndirect(lpTemplate, pParentWnd, hInst);
}

BOOL CWnd::CreateDlgIndirect(LPCDLGTEMPLATE lpDialogTemplate, CWnd* pParentWnd, HINSTANCE hInst)
{
    if (lpDialogTemplate == NULL)
        return FALSE;
    AfxHookWindowCreate(this);
    HWND hWnd =
        ::CreateDialogIndirectParam(hInst, lpDialogTemplate, pParentWnd->GetSafeHwnd(), AfxDlgProc, 0);
    if (!AfxUnhookWindowCreate())
        PostNcDestroy(); // the window never reached this object
    if (hWnd != NULL && m_hWnd == NULL)
        ::DestroyWindow(hWnd);
    return m_hWnd != NULL && hWnd != NULL;
}

BOOL CWnd::ExecuteDlgInit(LPCTSTR lpszResourceName)
{
    if (lpszResourceName == NULL)
        return TRUE;
    // RT_DLGINIT is 240; a template without one has nothing to add.
    HINSTANCE hInst = AfxFindResourceHandle(lpszResourceName, MAKEINTRESOURCE(240));
    HRSRC hRes = ::FindResource(hInst, lpszResourceName, MAKEINTRESOURCE(240));
    if (hRes == NULL)
        return TRUE;
    HGLOBAL hData = ::LoadResource(hInst, hRes);
    return hData == NULL || ExecuteDlgInit(::LockResource(hData));
}

// Records of (WORD control id, WORD message, DWORD length, text) ending with a zero id; each
// adds one string to a list or combo box.
BOOL CWnd::ExecuteDlgInit(LPVOID lpResource)
{
    if (lpResource == NULL)
        return TRUE;
    const BYTE* p = (const BYTE*)lpResource;
    for (;;)
    {
        WORD nIDC;
        memcpy(&nIDC, p, sizeof(WORD));
        if (nIDC == 0)
            break;
        WORD nMsg;
        DWORD dwLen;
        memcpy(&nMsg, p + 2, sizeof(WORD));
        memcpy(&dwLen, p + 4, sizeof(DWORD));
        p += 8;
        UINT nSend = nMsg == 0x0403 ? (UINT)LB_ADDSTRING : nMsg == 0x0406 ? (UINT)CB_ADDSTRING : nMsg;
        if (nSend == LB_ADDSTRING || nSend == CB_ADDSTRING)
        {
            if (::SendDlgItemMessage(m_hWnd, nIDC, nSend, 0, (LPARAM)p) < 0)
                return FALSE;
        }
        p += dwLen;
    }
    return TRUE;
}
