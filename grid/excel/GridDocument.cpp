// Workbook documents delegating to their workbook manager.
#include "GridDocument.h"
#include "grid/excel/AppAdapter.h"
#include "grid/excel/WorkbookManager.h"

IMPLEMENT_DYNCREATE(CGXDocument, CDocument)

CGXWorkbookManager* CGXDocument::LookupOwnerDocument()
{
    CGXAppAdapter* pAdapter = dynamic_cast<CGXAppAdapter*>(AfxGetApp());
    if (pAdapter == NULL)
        return NULL;
    return pAdapter->GetWorkbookManager(GetDocTemplate(), this);
}

// Without a workbook manager there is nothing to read or write, and a workbook the manager
// cannot read is no document: the archive fails either way.
void CGXDocument::Serialize(CArchive& ar)
{
    if (ar.IsLoading())
        m_pPrimaryDocument = this;
    CGXWorkbookManager* pManager = Primary()->LookupOwnerDocument();
    if (pManager == NULL)
        AfxThrowArchiveException(CArchiveException::generic);
    if (ar.IsLoading())
    {
        if (!pManager->Load(ar, this, 0))
            AfxThrowArchiveException(CArchiveException::generic);
    }
    else
        pManager->Store(ar);
}

BOOL CGXDocument::DoSave(LPCTSTR lpszPathName, BOOL bReplace)
{
    if (Primary() != this)
        return Primary()->DoSave(lpszPathName, bReplace);
    return CDocument::DoSave(lpszPathName, bReplace);
}

// The user is asked once for the whole workbook. After an answer that lets the workbook go the
// sheets count as saved, so that the workbook's other documents do not ask again.
BOOL CGXDocument::SaveModified()
{
    if (Primary() != this)
        return Primary()->SaveModified();
    CGXWorkbookManager* pManager = LookupOwnerDocument();
    if (pManager == NULL)
        return CDocument::SaveModified();
    if (!pManager->IsModified())
        return TRUE;
    BOOL bWasModified = IsModified();
    SetModifiedFlag(TRUE);
    BOOL bAnswer = CDocument::SaveModified();
    SetModifiedFlag(bAnswer ? FALSE : bWasModified);
    if (bAnswer)
        pManager->SetModifiedFlagAll(FALSE);
    return bAnswer;
}
