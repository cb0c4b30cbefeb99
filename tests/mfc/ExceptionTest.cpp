// Exceptions: who deletes them under TRY/CATCH, their German texts, ReportError through the
// message sink, and the translation of operating system and C runtime errors.
#include "afx.h"
#include "FrameworkIds.h"
#include "TestSupport.h"
#include <errno.h>

namespace
{
int g_nAlive = 0;
} // namespace

// Counts its living instances, so the tests see when the macros delete it.
class CExcCounted : public CException
{
    DECLARE_DYNAMIC(CExcCounted)
  public:
    CExcCounted()
    {
        ++g_nAlive;
    }
    ~CExcCounted() override
    {
        --g_nAlive;
    }
};
IMPLEMENT_DYNAMIC(CExcCounted, CException)

TEST(Exception, CatchDeletesTheExceptionAtEndCatch)
{
    g_nAlive = 0;
    bool bCaught = false;
    TRY
    {
        THROW(new CExcCounted);
    }
    CATCH(CExcCounted, e)
    {
        bCaught = e->IsKindOf(RUNTIME_CLASS(CExcCounted)) != FALSE;
        EXPECT_EQ(1, g_nAlive);
    }
    END_CATCH
    EXPECT_TRUE(bCaught);
    EXPECT_EQ(0, g_nAlive);

    // Deleting it inside CATCH as well does not delete it twice.
    TRY
    {
        THROW(new CExcCounted);
    }
    CATCH_ALL(e)
    {
        e->Delete();
    }
    END_CATCH_ALL
    EXPECT_EQ(0, g_nAlive);
}

TEST(Exception, ThrowLastPassesTheSameExceptionOutward)
{
    g_nAlive = 0;
    CException* pInner = nullptr;
    CException* pOuter = nullptr;
    TRY{TRY{THROW(new CExcCounted);
}
CATCH(CException, e)
{
    pInner = e;
    THROW_LAST();
}
END_CATCH
}
CATCH(CExcCounted, e)
{
    pOuter = e;
    EXPECT_EQ(1, g_nAlive);
}
END_CATCH
EXPECT_EQ(pInner, pOuter);
EXPECT_EQ(0, g_nAlive);
}

TEST(Exception, AndCatchTakesTheFirstMatchingClass)
{
    int nBranch = 0;
    TRY
    {
        AfxThrowArchiveException(CArchiveException::badClass);
    }
    CATCH(CFileException, e)
    {
        nBranch = 1;
    }
    AND_CATCH(CArchiveException, e)
    {
        nBranch = 2;
        EXPECT_EQ(CArchiveException::badClass, e->m_cause);
    }
    AND_CATCH_ALL(e)
    {
        nBranch = 3;
    }
    END_CATCH_ALL
    EXPECT_EQ(2, nBranch);
}

TEST(Exception, ThrowHelpersThrowTheirClass)
{
    struct Case
    {
        void (*pfnThrow)();
        CRuntimeClass* pClass;
        UINT nIDS;
    };
    const Case cases[] = {
        {[] { AfxThrowMemoryException(); }, RUNTIME_CLASS(CMemoryException), AFX_IDS_MEMORY_EXCEPTION},
        {[] { AfxThrowNotSupportedException(); }, RUNTIME_CLASS(CNotSupportedException),
         AFX_IDS_NOT_SUPPORTED_EXCEPTION},
        {[] { AfxThrowResourceException(); }, RUNTIME_CLASS(CResourceException), AFX_IDS_RESOURCE_EXCEPTION},
        {[] { AfxThrowUserException(); }, RUNTIME_CLASS(CUserException), AFX_IDS_USER_EXCEPTION},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.pClass->m_lpszClassName);
        try
        {
            c.pfnThrow();
        }
        catch (CException* e)
        {
            EXPECT_EQ(c.pClass, e->GetRuntimeClass());
            char szText[256];
            UINT nHelp = 0;
            EXPECT_TRUE(e->GetErrorMessage(szText, sizeof szText, &nHelp));
            CString strExpected;
            strExpected.LoadString(c.nIDS);
            EXPECT_STREQ(strExpected, szText);
            EXPECT_EQ(c.nIDS, nHelp);
            e->Delete();
        }
    }
    // The memory exception is static: deleting it leaves it usable.
    try
    {
        AfxThrowMemoryException();
    }
    catch (CMemoryException* e)
    {
        EXPECT_FALSE(e->m_bAutoDelete);
        e->Delete();
    }
}

TEST(Exception, FileAndArchiveTextsNameTheFile)
{
    struct Case
    {
        CException* pException;
        const char* text;
    };
    const Case cases[] = {
        {new CFileException(CFileException::fileNotFound, ERROR_FILE_NOT_FOUND, "C:\\daten\\a.hlv"),
         "C:\\daten\\a.hlv wurde nicht gefunden."},
        {new CFileException(CFileException::accessDenied, ERROR_ACCESS_DENIED, "b.csv"),
         "Der Zugriff auf b.csv wurde verweigert."},
        {new CFileException(CFileException::sharingViolation, ERROR_SHARING_VIOLATION, "c.wsp"),
         "Freigabeverletzung beim Zugriff auf c.wsp."},
        {new CFileException(CFileException::endOfFile, -1, nullptr),
         "Das Dateiende von eine unbenannte Datei wurde unerwartet erreicht."},
        {new CArchiveException(CArchiveException::badSchema, "d.hlv"),
         "d.hlv enth\xE4lt ein Objekt in einer nicht unterst\xFCtzten Version."},
        {new CArchiveException(CArchiveException::endOfFile, "e.hlv"),
         "e.hlv endet unerwartet: die Datei ist unvollst\xE4ndig."},
        {new CArchiveException(CArchiveException::badClass, "f.hlv"),
         "f.hlv enth\xE4lt ein unerwartetes Objekt."},
    };
    for (const Case& c : cases)
    {
        char szText[256];
        EXPECT_TRUE(c.pException->GetErrorMessage(szText, sizeof szText));
        EXPECT_STREQ(c.text, szText);
        // A short buffer gets the beginning of the text.
        char szShort[6];
        EXPECT_TRUE(c.pException->GetErrorMessage(szShort, sizeof szShort));
        EXPECT_EQ(std::string(c.text).substr(0, 5), szShort);
        c.pException->Delete();
    }
}

TEST(Exception, ReportErrorShowsTheTextThroughTheMessageSink)
{
    testing_support::MessageBoxes boxes;
    boxes.Expect(IDOK, "x.hlv wurde nicht gefunden.");
    CFileException* e = new CFileException(CFileException::fileNotFound, ERROR_FILE_NOT_FOUND, "x.hlv");
    EXPECT_EQ(IDOK, e->ReportError());
    e->Delete();

    // Without a text of its own the exception shows the given or the general message.
    CString strGeneral;
    strGeneral.LoadString(AFX_IDP_NO_ERROR_AVAILABLE);
    boxes.Expect(IDOK, (LPCTSTR)strGeneral);
    CExcCounted* pPlain = new CExcCounted;
    pPlain->ReportError();
    CString strAccess;
    AfxFormatString1(strAccess, AFX_IDP_FAILED_TO_OPEN_DOC, "");
    boxes.Expect(IDOK, (LPCTSTR)strAccess);
    pPlain->ReportError(MB_OK, AFX_IDP_FAILED_TO_OPEN_DOC);
    pPlain->Delete();
    EXPECT_EQ(0u, boxes.Pending());
    ASSERT_EQ(3u, boxes.Shown().size());
    EXPECT_EQ((UINT)MB_OK, boxes.Shown()[0].type);
}

TEST(Exception, OsErrorsAndErrnoMapToCauses)
{
    struct OsCase
    {
        LONG lOsError;
        int cause;
    };
    const OsCase osCases[] = {
        {ERROR_FILE_NOT_FOUND, CFileException::fileNotFound},
        {ERROR_PATH_NOT_FOUND, CFileException::badPath},
        {ERROR_ACCESS_DENIED, CFileException::accessDenied},
        {ERROR_SHARING_VIOLATION, CFileException::sharingViolation},
        {ERROR_LOCK_VIOLATION, CFileException::lockViolation},
        {ERROR_DISK_FULL, CFileException::diskFull},
        {ERROR_HANDLE_EOF, CFileException::endOfFile},
        {ERROR_NEGATIVE_SEEK, CFileException::badSeek},
        {ERROR_INVALID_NAME, CFileException::badPath},
        {ERROR_NOT_ENOUGH_MEMORY, CFileException::generic},
    };
    for (const OsCase& c : osCases)
        EXPECT_EQ(c.cause, CFileException::OsErrorToException(c.lOsError)) << c.lOsError;

    struct ErrnoCase
    {
        int nErrno;
        int cause;
    };
    const ErrnoCase errnoCases[] = {
        {ENOENT, CFileException::fileNotFound},     {EACCES, CFileException::accessDenied},
        {EMFILE, CFileException::tooManyOpenFiles}, {ENOSPC, CFileException::diskFull},
        {EBADF, CFileException::invalidFile},       {EINTR, CFileException::generic},
    };
    for (const ErrnoCase& c : errnoCases)
        EXPECT_EQ(c.cause, CFileException::ErrnoToException(c.nErrno)) << c.nErrno;

    // ThrowOsError throws only for a real error.
    CFileException::ThrowOsError(0, "ok.txt");
    try
    {
        CFileException::ThrowOsError(ERROR_PATH_NOT_FOUND, "z:\\x\\y.txt");
        ADD_FAILURE() << "no exception";
    }
    catch (CFileException* e)
    {
        EXPECT_EQ(CFileException::badPath, e->m_cause);
        EXPECT_EQ(ERROR_PATH_NOT_FOUND, e->m_lOsError);
        EXPECT_STREQ("z:\\x\\y.txt", e->m_strFileName);
        e->Delete();
    }
}
