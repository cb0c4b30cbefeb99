#include "MessageSink.h"
#include "Module.h"

namespace
{
class CRealMessageBox : public CMessageSink
{
  public:
    int Show(HWND hOwner, LPCSTR lpszText, LPCSTR lpszCaption, UINT nType, UINT) override
    {
        return ::MessageBoxA(hOwner, lpszText, lpszCaption, nType);
    }
};

CRealMessageBox g_realBox;
CMessageSink* g_pSink = &g_realBox;
AFX_OWNER_PROVIDER g_pfnOwner = nullptr;
char g_szCaption[256] = "Helvon";
} // namespace

CMessageSink* AFXAPI AfxSetMessageSink(CMessageSink* pSink)
{
    CMessageSink* pOld = g_pSink == &g_realBox ? nullptr : g_pSink;
    g_pSink = pSink ? pSink : &g_realBox;
    return pOld;
}

CMessageSink* AFXAPI AfxGetMessageSink()
{
    return g_pSink;
}

void AFXAPI AfxSetMessageOwnerProvider(AFX_OWNER_PROVIDER pfn)
{
    g_pfnOwner = pfn;
}

void AFXAPI AfxSetMessageBoxCaption(LPCSTR lpszCaption)
{
    lstrcpynA(g_szCaption, lpszCaption ? lpszCaption : "", sizeof g_szCaption);
}

LPCSTR AFXAPI AfxGetMessageBoxCaption()
{
    return g_szCaption;
}

int AFXAPI AfxShowMessage(HWND hOwner, LPCSTR lpszText, LPCSTR lpszCaption, UINT nType, UINT nIDHelp)
{
    return g_pSink->Show(hOwner, lpszText ? lpszText : "", lpszCaption ? lpszCaption : g_szCaption, nType,
                         nIDHelp);
}

int AFXAPI AfxMessageBox(LPCSTR lpszText, UINT nType, UINT nIDHelp)
{
    HWND hOwner = g_pfnOwner ? g_pfnOwner() : NULL;
    return AfxShowMessage(hOwner, lpszText, g_szCaption, nType, nIDHelp);
}

int AFXAPI AfxMessageBox(UINT nIDPrompt, UINT nType, UINT nIDHelp)
{
    char szText[1024];
    if (::LoadStringA(AfxFindResourceHandle(MAKEINTRESOURCEA((nIDPrompt >> 4) + 1), RT_STRING), nIDPrompt,
                      szText, sizeof szText) <= 0)
        wsprintfA(szText, "#%u", nIDPrompt);
    return AfxMessageBox(szText, nType, nIDHelp == (UINT)-1 ? nIDPrompt : nIDHelp);
}
