// CArchiveException: a stream that cannot be stored or loaded (wrong direction, truncated,
// unknown class, bad index, unsupported schema). Thrown by CArchive and by Serialize functions.
//
// Differences from MFC: none in behaviour; the texts are German and name the file (%1).
#pragma once
#include "Exception.h"

class CArchiveException : public CException
{
    DECLARE_DYNAMIC(CArchiveException)

  public:
    enum
    {
        none,
        generic,
        readOnly,  // written to while loading
        endOfFile, // the stream ended inside a value or record
        writeOnly, // read from while storing
        badIndex,
        badClass,
        badSchema
    };

    // Construction
    explicit CArchiveException(int cause = none, LPCTSTR lpszArchiveName = NULL);

    // Implementation
    // Text AFX_IDP_ARCH_NONE + cause, "%1" replaced by the file name.
    BOOL GetErrorMessage(LPTSTR lpszError, UINT nMaxError, PUINT pnHelpContext = NULL) override;

    int m_cause;
    CString m_strFileName;
};

[[noreturn]] void AFXAPI AfxThrowArchiveException(int cause, LPCTSTR lpszArchiveName = NULL);
