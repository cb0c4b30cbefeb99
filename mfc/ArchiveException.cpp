// CArchiveException: the German texts of archive errors.
#include "ArchiveException.h"
#include "FrameworkIds.h"

IMPLEMENT_DYNAMIC(CArchiveException, CException)

CArchiveException::CArchiveException(int cause, LPCTSTR lpszArchiveName)
    : m_cause(cause), m_strFileName(lpszArchiveName ? lpszArchiveName : "")
{
}

BOOL CArchiveException::GetErrorMessage(LPTSTR lpszError, UINT nMaxError, PUINT pnHelpContext)
{
    if (m_cause < none || m_cause > badSchema)
        return CException::GetErrorMessage(lpszError, nMaxError, pnHelpContext);
    CString strFileName = m_strFileName;
    if (strFileName.IsEmpty())
        strFileName.LoadString(AFX_IDS_UNNAMED_FILE);
    CString strText;
    AfxFormatString1(strText, AFX_IDP_ARCH_NONE + m_cause, strFileName);
    return CopyMessage(strText, AFX_IDP_ARCH_NONE + m_cause, lpszError, nMaxError, pnHelpContext);
}

void AFXAPI AfxThrowArchiveException(int cause, LPCTSTR lpszArchiveName)
{
    throw new CArchiveException(cause, lpszArchiveName);
}
