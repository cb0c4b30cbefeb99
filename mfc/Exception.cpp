// CException and the small exceptions: deletion, texts from the framework's string table, and
// the bookkeeping behind TRY/CATCH.
#include "Exception.h"
#include "FrameworkIds.h"
#include "MessageSink.h"
#include <string.h>

namespace
{
// Innermost TRY block of this thread.
thread_local AFX_EXCEPTION_LINK* t_pLinkTop = NULL;

// Thrown without allocating, so that running out of memory can still be reported.
CMemoryException g_memoryException(FALSE);
} // namespace

IMPLEMENT_DYNAMIC(CException, CObject)
IMPLEMENT_DYNAMIC(CMemoryException, CException)
IMPLEMENT_DYNAMIC(CNotSupportedException, CException)
IMPLEMENT_DYNAMIC(CResourceException, CException)
IMPLEMENT_DYNAMIC(CUserException, CException)

CException::CException(BOOL bAutoDelete) : m_bAutoDelete(bAutoDelete)
{
}

CException::~CException()
{
}

void CException::Delete()
{
    // A CATCH block that deletes its exception itself must not have it deleted again at END_CATCH.
    for (AFX_EXCEPTION_LINK* pLink = t_pLinkTop; pLink != NULL; pLink = pLink->m_pLinkPrev)
        if (pLink->m_pException == this)
            pLink->m_pException = NULL;
    if (m_bAutoDelete)
        delete this;
}

int CException::ReportError(UINT nType, UINT nMessageID)
{
    TCHAR szErrorMessage[512];
    UINT nHelpContext = 0;
    if (GetErrorMessage(szErrorMessage, _countof(szErrorMessage), &nHelpContext))
        return AfxMessageBox(szErrorMessage, nType, nHelpContext);
    if (nMessageID == 0)
        nMessageID = AFX_IDP_NO_ERROR_AVAILABLE;
    return AfxMessageBox(nMessageID, nType);
}

BOOL CException::GetErrorMessage(LPTSTR lpszError, UINT nMaxError, PUINT pnHelpContext)
{
    if (lpszError != NULL && nMaxError > 0)
        *lpszError = '\0';
    if (pnHelpContext != NULL)
        *pnHelpContext = 0;
    return FALSE;
}

BOOL CException::CopyMessage(const CString& strText, UINT nIDHelp, LPTSTR lpszError, UINT nMaxError,
                             PUINT pnHelpContext)
{
    if (pnHelpContext != NULL)
        *pnHelpContext = nIDHelp;
    if (lpszError == NULL || nMaxError == 0)
        return !strText.IsEmpty();
    lstrcpyn(lpszError, strText, (int)nMaxError);
    return !strText.IsEmpty();
}

BOOL CException::LoadMessage(UINT nIDS, LPTSTR lpszError, UINT nMaxError, PUINT pnHelpContext)
{
    CString strText;
    if (!strText.LoadString(nIDS))
        strText.Empty();
    return CopyMessage(strText, nIDS, lpszError, nMaxError, pnHelpContext);
}

BOOL CMemoryException::GetErrorMessage(LPTSTR lpszError, UINT nMaxError, PUINT pnHelpContext)
{
    return LoadMessage(AFX_IDS_MEMORY_EXCEPTION, lpszError, nMaxError, pnHelpContext);
}

BOOL CNotSupportedException::GetErrorMessage(LPTSTR lpszError, UINT nMaxError, PUINT pnHelpContext)
{
    return LoadMessage(AFX_IDS_NOT_SUPPORTED_EXCEPTION, lpszError, nMaxError, pnHelpContext);
}

BOOL CResourceException::GetErrorMessage(LPTSTR lpszError, UINT nMaxError, PUINT pnHelpContext)
{
    return LoadMessage(AFX_IDS_RESOURCE_EXCEPTION, lpszError, nMaxError, pnHelpContext);
}

BOOL CUserException::GetErrorMessage(LPTSTR lpszError, UINT nMaxError, PUINT pnHelpContext)
{
    return LoadMessage(AFX_IDS_USER_EXCEPTION, lpszError, nMaxError, pnHelpContext);
}

void AFXAPI AfxThrowMemoryException()
{
    throw static_cast<CMemoryException*>(&g_memoryException);
}

void AFXAPI AfxThrowNotSupportedException()
{
    throw new CNotSupportedException;
}

void AFXAPI AfxThrowResourceException()
{
    throw new CResourceException;
}

void AFXAPI AfxThrowUserException()
{
    throw new CUserException;
}

void AFXAPI AfxReportCallbackException(CException* e)
{
    if (!e->IsKindOf(RUNTIME_CLASS(CUserException)))
        e->ReportError(MB_ICONEXCLAMATION, AFX_IDP_INTERNAL_FAILURE);
    e->Delete();
}

void AFXAPI AfxReportInternalFailure()
{
    AfxMessageBox(AFX_IDP_INTERNAL_FAILURE, MB_ICONEXCLAMATION);
}

AFX_EXCEPTION_LINK::AFX_EXCEPTION_LINK() : m_pLinkPrev(t_pLinkTop), m_pException(NULL)
{
    t_pLinkTop = this;
}

AFX_EXCEPTION_LINK::~AFX_EXCEPTION_LINK()
{
    t_pLinkTop = m_pLinkPrev;
    if (m_pException != NULL)
        m_pException->Delete();
}

void AFXAPI AfxThrowLastCleanup()
{
    if (t_pLinkTop != NULL)
        t_pLinkTop->m_pException = NULL;
}
