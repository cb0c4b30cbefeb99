// CException, the base of the framework's exceptions, the small exceptions without data, and the
// TRY/CATCH macros. Exceptions are thrown as pointers; whoever catches one calls Delete().
//
// Differences from MFC:
// - TRY/CATCH are C++ try/catch. As in MFC, an exception caught by CATCH is deleted at END_CATCH
//   unless THROW_LAST passes it on; calling Delete() on it inside CATCH as well is harmless.
// - The memory exception is one static object per program (never deleted).
// - There is no CSimpleException: each small exception names its own text id.
#pragma once
#include "AfxCore.h"
#include "Object.h"
#include "String.h"

class CException : public CObject
{
    DECLARE_DYNAMIC(CException)

  public:
    // Construction
    // bAutoDelete FALSE marks an exception that is not on the heap (Delete leaves it alone).
    explicit CException(BOOL bAutoDelete = TRUE);
    ~CException() override;

    // Operations
    void Delete();
    // Shows the error text through AfxMessageBox; nMessageID is used when there is no text.
    virtual int ReportError(UINT nType = MB_OK, UINT nMessageID = 0);

    // Overridables
    // Copies the text (truncated to nMaxError - 1 characters); FALSE when there is none.
    virtual BOOL GetErrorMessage(LPTSTR lpszError, UINT nMaxError, PUINT pnHelpContext = NULL);

    // Implementation
    BOOL m_bAutoDelete;

  protected:
    // Copies the string resource nIDS into lpszError; FALSE (and an empty text) if it is missing.
    static BOOL LoadMessage(UINT nIDS, LPTSTR lpszError, UINT nMaxError, PUINT pnHelpContext);
    static BOOL CopyMessage(const CString& strText, UINT nIDHelp, LPTSTR lpszError, UINT nMaxError,
                            PUINT pnHelpContext);
};

class CMemoryException : public CException
{
    DECLARE_DYNAMIC(CMemoryException)

  public:
    explicit CMemoryException(BOOL bAutoDelete = TRUE) : CException(bAutoDelete)
    {
    }
    BOOL GetErrorMessage(LPTSTR lpszError, UINT nMaxError, PUINT pnHelpContext = NULL) override;
};

class CNotSupportedException : public CException
{
    DECLARE_DYNAMIC(CNotSupportedException)

  public:
    explicit CNotSupportedException(BOOL bAutoDelete = TRUE) : CException(bAutoDelete)
    {
    }
    BOOL GetErrorMessage(LPTSTR lpszError, UINT nMaxError, PUINT pnHelpContext = NULL) override;
};

class CResourceException : public CException
{
    DECLARE_DYNAMIC(CResourceException)

  public:
    explicit CResourceException(BOOL bAutoDelete = TRUE) : CException(bAutoDelete)
    {
    }
    BOOL GetErrorMessage(LPTSTR lpszError, UINT nMaxError, PUINT pnHelpContext = NULL) override;
};

// Thrown to stop an operation after the user has been told why (or chose to cancel).
class CUserException : public CException
{
    DECLARE_DYNAMIC(CUserException)

  public:
    explicit CUserException(BOOL bAutoDelete = TRUE) : CException(bAutoDelete)
    {
    }
    BOOL GetErrorMessage(LPTSTR lpszError, UINT nMaxError, PUINT pnHelpContext = NULL) override;
};

[[noreturn]] void AFXAPI AfxThrowMemoryException();
[[noreturn]] void AFXAPI AfxThrowNotSupportedException();
[[noreturn]] void AFXAPI AfxThrowResourceException();
[[noreturn]] void AFXAPI AfxThrowUserException();

// ---- entries from Win32 into the framework
// Reports an exception caught where Win32 called us and deletes it: a CUserException was reported
// by whoever threw it, others show their text or the internal failure text.
void AFXAPI AfxReportCallbackException(CException* e);
// Shows the internal failure text for a C++ exception that is not a CException.
void AFXAPI AfxReportInternalFailure();

// Runs the body of a dialog, hook or thread procedure or of a COM method that Win32 calls: no
// C++ exception may unwind through the system's frames. An exception is reported and rFailed
// returned.
template <class R, class Fn> R AfxCallFromWin32(R rFailed, Fn&& fn)
{
    try
    {
        return fn();
    }
    catch (CException* e)
    {
        AfxReportCallbackException(e);
    }
    catch (...)
    {
        AfxReportInternalFailure();
    }
    return rFailed;
}

// What TRY leaves on the stack: the exception its CATCH took, deleted when the block ends.
struct AFX_EXCEPTION_LINK
{
    AFX_EXCEPTION_LINK();
    ~AFX_EXCEPTION_LINK();
    AFX_EXCEPTION_LINK(const AFX_EXCEPTION_LINK&) = delete;
    AFX_EXCEPTION_LINK& operator=(const AFX_EXCEPTION_LINK&) = delete;

    AFX_EXCEPTION_LINK* m_pLinkPrev;
    CException* m_pException;
};
// Keeps the innermost caught exception alive for THROW_LAST.
void AFXAPI AfxThrowLastCleanup();

#define TRY                                                                                                  \
    {                                                                                                        \
        AFX_EXCEPTION_LINK _afxExceptionLink;                                                                \
        try                                                                                                  \
        {

#define CATCH(class_name, e)                                                                                 \
    }                                                                                                        \
    catch (class_name * e)                                                                                   \
    {                                                                                                        \
        _afxExceptionLink.m_pException = e;

#define AND_CATCH(class_name, e)                                                                             \
    }                                                                                                        \
    catch (class_name * e)                                                                                   \
    {                                                                                                        \
        _afxExceptionLink.m_pException = e;

#define END_CATCH                                                                                            \
    }                                                                                                        \
    }

#define CATCH_ALL(e) CATCH(CException, e)
#define AND_CATCH_ALL(e) AND_CATCH(CException, e)
#define END_CATCH_ALL END_CATCH

#define THROW(e) throw e
#define THROW_LAST() (AfxThrowLastCleanup(), throw)

#include "FileException.h"
#include "ArchiveException.h"
