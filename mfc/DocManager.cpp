// CDocManager: choosing the template for a file, File New/Open, all-documents operations and the
// shell registration of the document types.
#include "DocManager.h"
#include "NewTypeChoice.h"
#include "DocTemplate.h"
#include "Document.h"
#include "FileDialog.h"
#include "FrameWnd.h"
#include "View.h"
#include "WinApp.h"
#include <commdlg.h>
#include <shlwapi.h>

IMPLEMENT_DYNAMIC(CDocManager, CObject)

CDocManager::CDocManager()
{
}

CDocManager::~CDocManager()
{
    while (!m_templateList.IsEmpty())
    {
        CDocTemplate* pTemplate = (CDocTemplate*)m_templateList.RemoveHead();
        if (pTemplate->m_bAutoDelete)
            delete pTemplate;
    }
}

void CDocManager::AddDocTemplate(CDocTemplate* pTemplate)
{
    pTemplate->LoadTemplate();
    m_templateList.AddTail(pTemplate);
}

CDocument* CDocManager::OpenDocumentFile(LPCTSTR lpszFileName)
{
    TCHAR szPath[MAX_PATH];
    if (::GetFullPathName(lpszFileName, MAX_PATH, szPath, NULL) == 0)
    {
        AfxMessageBox(AFX_IDP_INVALID_FILENAME);
        return NULL;
    }
    CDocTemplate* pBestTemplate = NULL;
    CDocument* pOpenDocument = NULL;
    CDocTemplate::Confidence bestMatch = CDocTemplate::noAttempt;
    POSITION pos = GetFirstDocTemplatePosition();
    while (pos != NULL)
    {
        CDocTemplate* pTemplate = GetNextDocTemplate(pos);
        CDocument* pOpenDocMatch = NULL;
        CDocTemplate::Confidence match = pTemplate->MatchDocType(szPath, pOpenDocMatch);
        if (match > bestMatch)
        {
            bestMatch = match;
            pBestTemplate = pTemplate;
        }
        if (match == CDocTemplate::yesAlreadyOpen)
        {
            pOpenDocument = pOpenDocMatch;
            break;
        }
    }
    if (pOpenDocument != NULL)
    {
        // Already open: bring its first frame forward instead of loading it twice.
        POSITION posView = pOpenDocument->GetFirstViewPosition();
        if (posView != NULL)
        {
            CFrameWnd* pFrame = pOpenDocument->GetNextView(posView)->GetParentFrame();
            if (pFrame != NULL)
                pFrame->ActivateFrame();
        }
        return pOpenDocument;
    }
    if (pBestTemplate == NULL)
    {
        AfxMessageBox(AFX_IDP_FAILED_TO_OPEN_DOC);
        return NULL;
    }
    return pBestTemplate->OpenDocumentFile(szPath);
}

BOOL CDocManager::SaveAllModified()
{
    POSITION pos = GetFirstDocTemplatePosition();
    while (pos != NULL)
    {
        if (!GetNextDocTemplate(pos)->SaveAllModified())
            return FALSE;
    }
    return TRUE;
}

void CDocManager::CloseAllDocuments(BOOL bEndSession)
{
    POSITION pos = GetFirstDocTemplatePosition();
    while (pos != NULL)
        GetNextDocTemplate(pos)->CloseAllDocuments(bEndSession);
}

int CDocManager::GetOpenDocumentCount()
{
    int nOpen = 0;
    POSITION pos = GetFirstDocTemplatePosition();
    while (pos != NULL)
    {
        CDocTemplate* pTemplate = GetNextDocTemplate(pos);
        POSITION posDoc = pTemplate->GetFirstDocPosition();
        while (posDoc != NULL)
        {
            pTemplate->GetNextDoc(posDoc);
            nOpen++;
        }
    }
    return nOpen;
}

// Appends "name\0*.ext\0" for one template to the filter, and the extension to the default.
static void AppendFilterSuffix(CString& filter, OPENFILENAME& ofn, CDocTemplate* pTemplate,
                               CString* pstrDefaultExt)
{
    CString strFilterExt, strFilterName;
    if (!pTemplate->GetDocString(strFilterExt, CDocTemplate::filterExt) || strFilterExt.IsEmpty() ||
        !pTemplate->GetDocString(strFilterName, CDocTemplate::filterName) || strFilterName.IsEmpty())
        return;
    CString ext;
    AfxExtractSubString(ext, strFilterExt, 0, ';');
    ext.TrimLeft(_T('*'));
    if (pstrDefaultExt != NULL && pstrDefaultExt->IsEmpty())
    {
        *pstrDefaultExt = ext.Mid(1); // without the dot
        ofn.nFilterIndex = ofn.nMaxCustFilter + 1;
    }
    filter += strFilterName;
    filter += (TCHAR)'\0';
    filter += _T("*");
    filter += ext;
    filter += (TCHAR)'\0';
    ofn.nMaxCustFilter++;
}

BOOL CDocManager::DoPromptFileName(CString& fileName, UINT nIDSTitle, DWORD lFlags, BOOL bOpenFileDialog,
                                   CDocTemplate* pTemplate)
{
    // Through the framework's file dialog: it opens over the main window.
    CFileDialog dlg(bOpenFileDialog, NULL, NULL, lFlags | OFN_ENABLESIZING, NULL, AfxGetMainWnd());
    OPENFILENAME& ofn = dlg.m_ofn;
    CString strFilter, strDefault;
    if (pTemplate != NULL)
        AppendFilterSuffix(strFilter, ofn, pTemplate, &strDefault);
    else
    {
        POSITION pos = GetFirstDocTemplatePosition();
        BOOL bFirst = TRUE;
        while (pos != NULL)
        {
            AppendFilterSuffix(strFilter, ofn, GetNextDocTemplate(pos), bFirst ? &strDefault : NULL);
            bFirst = FALSE;
        }
    }
    CString allFilter;
    allFilter.LoadString(AFX_IDS_ALLFILTER);
    strFilter += allFilter;
    strFilter += (TCHAR)'\0';
    strFilter += _T("*.*");
    strFilter += (TCHAR)'\0';
    strFilter += (TCHAR)'\0';
    ofn.nMaxCustFilter++;

    CString title;
    title.LoadString(nIDSTitle);
    lstrcpyn(ofn.lpstrFile, fileName, (int)ofn.nMaxFile);
    ofn.lpstrFilter = strFilter;
    ofn.lpstrTitle = title;
    ofn.lpstrDefExt = strDefault.IsEmpty() ? NULL : (LPCTSTR)strDefault;
    ofn.nMaxCustFilter = 0; // only counted above; not a custom-filter buffer
    BOOL bResult = dlg.DoModal() == IDOK;
    if (bResult)
        fileName = ofn.lpstrFile;
    return bResult;
}

// The shell commands written for each document type; %s is the program's path. The switches
// are the ones CCommandLineInfo reads back.
static const struct
{
    LPCTSTR lpszSubKey;
    LPCTSTR lpszFormat;
} afxShellEntries[] = {
    {_T("\\DefaultIcon"), _T("%s,0")},
    {_T("\\shell\\open\\command"), _T("\"%s\" \"%%1\"")},
    {_T("\\shell\\print\\command"), _T("\"%s\" /p \"%%1\"")},
    {_T("\\shell\\printto\\command"), _T("\"%s\" /pt \"%%1\" \"%%2\" \"%%3\" \"%%4\"")},
};

// The type id and the first extension of a template; FALSE when it names no type for the shell.
static BOOL AfxGetShellType(CDocTemplate* pTemplate, CString& strId, CString& strExt)
{
    if (!pTemplate->GetDocString(strId, CDocTemplate::regFileTypeId) || strId.IsEmpty())
        return FALSE;
    pTemplate->GetDocString(strExt, CDocTemplate::filterExt);
    AfxExtractSubString(strExt, CString(strExt), 0, ';');
    strExt.TrimLeft(_T('*'));
    return TRUE;
}

// The default value of HKEY_CLASSES_ROOT\lpszKey, empty when it has none.
static CString AfxQueryClassesRoot(LPCTSTR lpszKey)
{
    TCHAR szValue[MAX_PATH] = {};
    LONG lSize = sizeof(szValue);
    if (::RegQueryValue(HKEY_CLASSES_ROOT, lpszKey, szValue, &lSize) != ERROR_SUCCESS)
        return CString();
    return CString(szValue);
}

void CDocManager::RegisterShellFileTypes(BOOL)
{
    TCHAR szExe[MAX_PATH];
    ::GetModuleFileName(AfxGetInstanceHandle(), szExe, MAX_PATH);
    POSITION pos = GetFirstDocTemplatePosition();
    while (pos != NULL)
    {
        CDocTemplate* pTemplate = GetNextDocTemplate(pos);
        CString strId, strName, strExt;
        if (!AfxGetShellType(pTemplate, strId, strExt))
            continue;
        pTemplate->GetDocString(strName, CDocTemplate::regFileTypeName);
        ::RegSetValue(HKEY_CLASSES_ROOT, strId, REG_SZ, strName, (DWORD)strName.GetLength());
        for (const auto& entry : afxShellEntries)
        {
            CString strValue;
            strValue.Format(entry.lpszFormat, szExe);
            ::RegSetValue(HKEY_CLASSES_ROOT, strId + entry.lpszSubKey, REG_SZ, strValue,
                          (DWORD)strValue.GetLength());
        }
        // An extension that another program already owns stays with it.
        if (!strExt.IsEmpty())
        {
            CString strOwner = AfxQueryClassesRoot(strExt);
            if (strOwner.IsEmpty() || strOwner == strId)
                ::RegSetValue(HKEY_CLASSES_ROOT, strExt, REG_SZ, strId, (DWORD)strId.GetLength());
        }
    }
}

void CDocManager::UnregisterShellFileTypes()
{
    POSITION pos = GetFirstDocTemplatePosition();
    while (pos != NULL)
    {
        CDocTemplate* pTemplate = GetNextDocTemplate(pos);
        CString strId, strExt;
        if (!AfxGetShellType(pTemplate, strId, strExt))
            continue;
        ::SHDeleteKey(HKEY_CLASSES_ROOT, strId);
        if (!strExt.IsEmpty() && AfxQueryClassesRoot(strExt) == strId)
            ::SHDeleteKey(HKEY_CLASSES_ROOT, strExt);
    }
}

void CDocManager::OnFileNew()
{
    if (m_templateList.IsEmpty())
    {
        AfxMessageBox(AFX_IDP_FAILED_TO_CREATE_DOC);
        return;
    }
    CDocTemplate* pTemplate = (CDocTemplate*)m_templateList.GetHead();
    if (m_templateList.GetCount() > 1)
    {
        // Several kinds of document: the user picks one.
        CNewTypeChoice choice;
        pTemplate = choice.Choose(m_templateList, CWnd::FromHandle(AfxGetMainWndForBoxes()));
        if (pTemplate == NULL)
            return; // cancelled
    }
    pTemplate->OpenDocumentFile(NULL);
}

void CDocManager::OnFileOpen()
{
    CString newName;
    if (!DoPromptFileName(newName, AFX_IDS_OPENFILE, OFN_HIDEREADONLY | OFN_FILEMUSTEXIST, TRUE, NULL))
        return;
    AfxGetApp()->OpenDocumentFile(newName);
}
