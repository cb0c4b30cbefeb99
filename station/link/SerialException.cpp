#include "station/link/SerialException.h"

IMPLEMENT_DYNAMIC(CSerialException, CException)

CSerialException::CSerialException(DWORD dwError) : m_dwError(dwError)
{
}

BOOL CSerialException::GetErrorMessage(LPTSTR lpszError, UINT nMaxError, PUINT pnHelpContext)
{
    if (pnHelpContext)
        *pnHelpContext = 0;
    LPTSTR lpBuffer = NULL;
    DWORD dwLength =
        ::FormatMessage(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM, NULL, m_dwError,
                        MAKELANGID(LANG_NEUTRAL, SUBLANG_SYS_DEFAULT), (LPTSTR)&lpBuffer, 0, NULL);
    if (dwLength == 0 || lpBuffer == NULL)
    {
        if (lpBuffer)
            ::LocalFree(lpBuffer);
        if (lpszError && nMaxError > 0)
            lpszError[0] = 0;
        return FALSE;
    }
    if (lpszError && nMaxError > 0)
        ::lstrcpyn(lpszError, lpBuffer, (int)nMaxError);
    ::LocalFree(lpBuffer);
    return TRUE;
}

CString CSerialException::GetErrorText()
{
    TCHAR szText[4096];
    GetErrorMessage(szText, _countof(szText));
    return CString(szText);
}

void AFXAPI AfxThrowSerialException(DWORD dwError)
{
    if (dwError == 0)
        dwError = ::GetLastError();
    throw new CSerialException(dwError);
}
