// SECDocTemplateUtils: template look-up by file type and by document, view and frame.
#include "uilib/frames/mdi/DocTemplateUtils.h"
#include "uilib/frames/docking/DockableFrame.h"
#include "uilib/frames/mdi/MultiDocTemplate.h"

BOOL SECDocTemplateUtils::TypeMatches(CDocTemplate* pTemplate, const CString& strType) const
{
    CString strDoc;
    pTemplate->GetDocString(strDoc,
                            m_bByTypeId ? CDocTemplate::regFileTypeId : CDocTemplate::regFileTypeName);
    return strDoc.GetLength() == strType.GetLength() &&
           memcmp((LPCTSTR)strDoc, (LPCTSTR)strType, (size_t)strType.GetLength()) == 0;
}

BOOL SECDocTemplateUtils::GetTemplateList(CPtrList& list)
{
    CWinApp* pApp = AfxGetApp();
    if (pApp == NULL)
        return FALSE;
    POSITION pos = pApp->GetFirstDocTemplatePosition();
    while (pos != NULL)
        list.AddTail(pApp->GetNextDocTemplate(pos));
    return TRUE;
}

int SECDocTemplateUtils::GetTemplateIndex(CDocTemplate* pTemplate, const CString& strType)
{
    CPtrList list;
    if (!GetTemplateList(list))
        return -1;
    int nCount = 0;
    POSITION pos = list.GetHeadPosition();
    while (pos != NULL)
    {
        CDocTemplate* p = (CDocTemplate*)list.GetNext(pos);
        if (TypeMatches(p, strType))
            ++nCount;
        if (p == pTemplate)
            return nCount - 1;
    }
    return -1;
}

CDocTemplate* SECDocTemplateUtils::FindTemplate(const CString& strType, int nIndex)
{
    CPtrList list;
    GetTemplateList(list);
    POSITION pos = list.GetHeadPosition();
    while (pos != NULL)
    {
        CDocTemplate* p = (CDocTemplate*)list.GetNext(pos);
        if (TypeMatches(p, strType) && nIndex-- == 0)
            return p;
    }
    return NULL;
}

CDocTemplate* SECDocTemplateUtils::IdentifyDocTemplate(CDocument* pDoc, CView* pView, CFrameWnd* pFrame)
{
    if (pDoc == NULL || pView == NULL || pFrame == NULL)
        return NULL;
    CPtrList list;
    GetTemplateList(list);
    CDocTemplate* pTemplate = NULL;
    // Narrowed step by step, until at most one is left.
    if (list.GetCount() > 1)
        FilterByClasses(list, pView, pFrame);
    if (list.GetCount() > 1)
        FilterByFrame(list, pFrame);
    if (list.GetCount() > 1)
        FilterByDocument(list, pDoc);
    if (GetUniqueTemplate(list, pTemplate))
        return pTemplate;
    CDocTemplate* pOwn = pDoc->GetDocTemplate();
    if (pOwn != NULL && list.Find(pOwn) != NULL)
        return pOwn;
    return (CDocTemplate*)list.GetHead();
}

UINT SECDocTemplateUtils::GetFrameResourceID(CFrameWnd* pFrame)
{
    return pFrame != NULL ? pFrame->m_nIDHelp : 0;
}

void SECDocTemplateUtils::FilterByClasses(CPtrList& list, CView* pView, CFrameWnd* pFrame)
{
    const BOOL bDockable = IsDockableFrameClass(pFrame->GetRuntimeClass());
    CRuntimeClass* pViewClass = pView->GetRuntimeClass();
    CRuntimeClass* pFrameClass = pFrame->GetRuntimeClass();
    Filter(list, [&](CDocTemplate* p) {
        return p->m_pViewClass == pViewClass && GetFrameClass(p, bDockable) == pFrameClass;
    });
}

void SECDocTemplateUtils::FilterByFrame(CPtrList& list, CFrameWnd* pFrame)
{
    const UINT nID = GetFrameResourceID(pFrame);
    Filter(list, [&](CDocTemplate* p) { return p->m_nIDResource == nID; });
}

void SECDocTemplateUtils::FilterByDocument(CPtrList& list, CDocument* pDoc)
{
    CRuntimeClass* pDocClass = pDoc->GetRuntimeClass();
    Filter(list, [&](CDocTemplate* p) { return p->m_pDocClass == pDocClass; });
}

BOOL SECDocTemplateUtils::GetUniqueTemplate(CPtrList& list, CDocTemplate*& pTemplate)
{
    pTemplate = NULL;
    if (list.GetCount() > 1)
        return FALSE;
    if (list.GetCount() == 1)
        pTemplate = (CDocTemplate*)list.GetHead();
    return TRUE;
}

BOOL SECDocTemplateUtils::IsDockableFrameClass(CRuntimeClass* pClass)
{
    return pClass != NULL && pClass->IsDerivedFrom(RUNTIME_CLASS(SECDockableFrame));
}

CRuntimeClass* SECDocTemplateUtils::GetFrameClass(CDocTemplate* pTemplate, BOOL bDockable)
{
    if (!bDockable)
        return pTemplate->m_pFrameClass;
    SECMultiDocTemplate* pSECTemplate = DYNAMIC_DOWNCAST(SECMultiDocTemplate, pTemplate);
    return pSECTemplate != NULL ? pSECTemplate->m_pDockableFrameClass : NULL;
}
