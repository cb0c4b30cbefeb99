// CDocTemplate: document strings, creating documents and their frames, closing them all.
#include "DocTemplate.h"
#include "Document.h"
#include "FrameWnd.h"
#include "View.h"
#include "WinApp.h"
#include <shlwapi.h>

IMPLEMENT_DYNAMIC(CDocTemplate, CCmdTarget)

CDocTemplate::CDocTemplate(UINT nIDResource, CRuntimeClass* pDocClass, CRuntimeClass* pFrameClass,
                           CRuntimeClass* pViewClass)
    : m_nIDResource(nIDResource), m_pDocClass(pDocClass), m_pFrameClass(pFrameClass),
      m_pViewClass(pViewClass), m_bAutoDelete(TRUE)
{
}

CDocTemplate::~CDocTemplate()
{
}

void CDocTemplate::LoadTemplate()
{
    if (m_strDocStrings.IsEmpty())
        m_strDocStrings.LoadString(m_nIDResource);
}

BOOL CDocTemplate::GetDocString(CString& rString, DocStringIndex index) const
{
    return AfxExtractSubString(rString, m_strDocStrings, (int)index);
}

void CDocTemplate::AddDocument(CDocument* pDoc)
{
    pDoc->m_pDocTemplate = this;
}

void CDocTemplate::RemoveDocument(CDocument* pDoc)
{
    pDoc->m_pDocTemplate = NULL;
}

CDocument* CDocTemplate::CreateNewDocument()
{
    if (m_pDocClass == NULL)
        return NULL;
    CDocument* pDocument = (CDocument*)m_pDocClass->CreateObject();
    if (pDocument != NULL)
        AddDocument(pDocument);
    return pDocument;
}

CFrameWnd* CDocTemplate::CreateNewFrame(CDocument* pDoc, CFrameWnd* pOther)
{
    CCreateContext context;
    context.m_pCurrentFrame = pOther;
    context.m_pCurrentDoc = pDoc;
    context.m_pNewViewClass = m_pViewClass;
    context.m_pNewDocTemplate = this;
    if (m_pFrameClass == NULL)
        return NULL;
    CFrameWnd* pFrame = (CFrameWnd*)m_pFrameClass->CreateObject();
    if (pFrame == NULL)
        return NULL;
    // A frame that fails after its window exists deletes itself in PostNcDestroy.
    if (!pFrame->LoadFrame(m_nIDResource, WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE, NULL, &context))
    {
        if (pFrame->m_hWnd == NULL)
            delete pFrame;
        return NULL;
    }
    return pFrame;
}

void CDocTemplate::InitialUpdateFrame(CFrameWnd* pFrame, CDocument* pDoc, BOOL bMakeVisible)
{
    pFrame->InitialUpdateFrame(pDoc, bMakeVisible);
}

BOOL CDocTemplate::SaveAllModified()
{
    POSITION pos = GetFirstDocPosition();
    while (pos != NULL)
    {
        if (!GetNextDoc(pos)->SaveModified())
            return FALSE;
    }
    return TRUE;
}

void CDocTemplate::CloseAllDocuments(BOOL)
{
    POSITION pos = GetFirstDocPosition();
    while (pos != NULL)
    {
        CDocument* pDoc = GetNextDoc(pos);
        pDoc->OnCloseDocument(); // may remove it from our list; pos already moved on
    }
}

CDocTemplate::Confidence CDocTemplate::MatchDocType(LPCTSTR lpszPathName, CDocument*& rpDocMatch)
{
    rpDocMatch = NULL;
    POSITION pos = GetFirstDocPosition();
    while (pos != NULL)
    {
        CDocument* pDoc = GetNextDoc(pos);
        if (!pDoc->GetPathName().IsEmpty() && AfxComparePath(pDoc->GetPathName(), lpszPathName))
        {
            rpDocMatch = pDoc;
            return yesAlreadyOpen;
        }
    }
    CString strFilterExt;
    if (GetDocString(strFilterExt, filterExt) && !strFilterExt.IsEmpty())
    {
        LPCTSTR lpszDot = ::PathFindExtension(lpszPathName);
        // The extension field may list several, separated by ';' ("*.qmp;*.qmx" or ".qmp").
        for (int i = 0;; i++)
        {
            CString ext;
            if (!AfxExtractSubString(ext, strFilterExt, i, ';'))
                break;
            ext.TrimLeft(_T('*'));
            if (!ext.IsEmpty() && *lpszDot != 0 && lstrcmpi(lpszDot, ext) == 0)
                return yesAttemptNative;
        }
    }
    return yesAttemptForeign;
}

void CDocTemplate::OnIdle()
{
}

BOOL AFXAPI AfxComparePath(LPCTSTR lpszPath1, LPCTSTR lpszPath2)
{
    TCHAR sz1[MAX_PATH], sz2[MAX_PATH];
    if (::GetFullPathName(lpszPath1, MAX_PATH, sz1, NULL) == 0 ||
        ::GetFullPathName(lpszPath2, MAX_PATH, sz2, NULL) == 0)
        return lstrcmpi(lpszPath1, lpszPath2) == 0;
    return lstrcmpi(sz1, sz2) == 0;
}
