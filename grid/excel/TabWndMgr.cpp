// The workbook manager of sheet-tab windows.
#include "TabWndMgr.h"
#include "GridTabWndAdapter.h"
#include "TabCreateInfo.h"
#include "TabGridCreator.h"
#include "grid/excel/AppAdapter.h"
#include "grid/excel/GridDocument.h"
#include "FrameworkIds.h"
#include "mfc/MultiDocTemplate.h"
#include "mfc/SingleDocTemplate.h"
#include <memory>

IMPLEMENT_SERIAL(CGXTabWndMgr, CObject, 0)

namespace
{
// The fewest bytes one stored sheet record takes: class tag, two name lengths, prepared flag,
// sharing mode.
const ULONGLONG kMinRecordBytes = 2 + 2 + 2 + 4 + 2;

DWORD KeyOf(CWnd* pParent)
{
    return (DWORD)(DWORD_PTR)pParent;
}
} // namespace

CGXTabWndMgr::~CGXTabWndMgr()
{
    Reset();
}

CGXTabCreateInfo* CGXTabWndMgr::GetSheetInfo(int nIndex) const
{
    return nIndex >= 0 && nIndex < m_infos.GetSize() ? m_infos[nIndex] : NULL;
}

void CGXTabWndMgr::SetCurrent(CGXTabCreateInfo* pInfo, BOOL bOwns)
{
    if (m_bOwnsCurrent && m_pCurrent != pInfo)
        delete m_pCurrent;
    m_pCurrent = pInfo;
    m_bOwnsCurrent = bOwns;
}

void CGXTabWndMgr::DeleteInfos()
{
    for (int i = 0; i < m_infos.GetSize(); i++)
    {
        if (m_infos[i] == m_pCurrent)
            m_pCurrent = NULL;
        delete m_infos[i];
    }
    m_infos.RemoveAll();
}

void CGXTabWndMgr::Serialize(CArchive& ar)
{
    if (ar.IsStoring())
        ar << m_nActiveSheet << m_nSheetCount;
    else
        ar >> m_nActiveSheet >> m_nSheetCount;
}

BOOL CGXTabWndMgr::CreateTabWnd(CGXTabCreateInfo* pInfos, int nCount, int, CGXTabWndAdapter* pAdapter)
{
    if (pAdapter == NULL)
        pAdapter = GetOrCreateOwnedObject();
    if (nCount != 0)
        m_nSheetCount = nCount;
    if (m_nSheetCount <= 0 || m_nActiveSheet < 0 || m_nActiveSheet >= m_nSheetCount ||
        (pInfos == NULL && m_infos.GetSize() < m_nSheetCount))
        return FALSE;
    if (pInfos != NULL)
        SetCurrent(new CGXTabCreateInfo(pInfos[m_nActiveSheet]), TRUE);
    else
        SetCurrent(m_infos[m_nActiveSheet], FALSE);
    CDocument* pMainDoc = m_pCurrent->GetDocument();
    if (CGXDocument* pDoc = dynamic_cast<CGXDocument*>(pMainDoc))
        pDoc->SetStoringDocument(pDoc);
    for (int i = 0; i < m_nSheetCount; i++)
    {
        CGXTabCreateInfo* pInfo = pInfos != NULL ? &pInfos[i] : m_infos[i];
        if (!pInfo->m_bPrepared)
        {
            if (!pInfo->m_bLoaded && i != m_nActiveSheet)
                FillCreateContext(pInfo);
            if (pInfos != NULL && i != m_nActiveSheet)
            {
                pInfo->SetDocument(NewSheetDocument(pInfo->m_pTemplate));
                if (CGXDocument* pDoc = dynamic_cast<CGXDocument*>(pInfo->GetDocument()))
                    pDoc->SetStoringDocument(dynamic_cast<CGXDocument*>(pMainDoc));
            }
        }
        if (pInfos != NULL)
        {
            if (i < m_infos.GetSize())
                delete m_infos[i];
            m_infos.SetAtGrow(i, new CGXTabCreateInfo(*pInfo));
        }
        if (i == 0)
        {
            if (!pAdapter->CreateTabWnd(pInfo->m_strName, pInfo->GetCreateContext()))
                return FALSE;
        }
        else if (CWnd* pWnd =
                     pAdapter->CreateSheet(pInfo->m_pViewClass, pInfo->m_strName, pInfo->GetCreateContext()))
            pWnd->SendMessage(WM_INITIALUPDATE);
    }
    return TRUE;
}

void CGXTabWndMgr::AddTabWnd(int, CWnd* pParent)
{
    if (pParent == NULL)
        return;
    CGXTabWndAdapter* pAdapter = GetNodeManager()->GetOrCreate(KeyOf(pParent));
    pAdapter->SetParentWnd(pParent);
    CreateTabWnd(NULL, 0, 0, pAdapter);
}

void CGXTabWndMgr::RemoveTabWnd(CWnd* pParent)
{
    if (m_pNodeManager != NULL)
        m_pNodeManager->Remove(KeyOf(pParent));
}

CGXTabWndAdapterManager* CGXTabWndMgr::NewGridCreator()
{
    return new CGXTabWndAdapterManager(new CGXTabGridCreator);
}

CGXTabWndAdapterManager* CGXTabWndMgr::GetNodeManager()
{
    if (m_pNodeManager == NULL)
        m_pNodeManager = NewGridCreator();
    return m_pNodeManager;
}

BOOL CGXTabWndMgr::InsertSheet(int nIndex, CGXTabCreateInfo* pInfo, UINT nID)
{
    if (pInfo == NULL || m_pAdapter == NULL)
        return FALSE;
    CDocument* pNewDoc = NULL;
    if (!pInfo->m_bPrepared)
    {
        pNewDoc = NewSheetDocument(pInfo->m_pTemplate);
        pInfo->SetDocument(pNewDoc);
        if (CGXDocument* pDoc = dynamic_cast<CGXDocument*>(pNewDoc))
            pDoc->SetStoringDocument(
                dynamic_cast<CGXDocument*>(m_pCurrent != NULL ? m_pCurrent->GetDocument() : NULL));
    }
    CCreateContext* pContext = pInfo->GetCreateContext();
    BOOL bInserted = m_pAdapter->InsertSheet(nIndex, pInfo->m_pViewClass, pContext, pInfo->m_strName, nID);
    if (!bInserted)
    {
        // The other tab windows get no sheet the list does not have.
        if (pNewDoc != NULL)
        {
            pInfo->SetDocument(NULL);
            pNewDoc->OnCloseDocument();
        }
        return FALSE;
    }
    if (m_pNodeManager != NULL)
    {
        _insertIter insert(nIndex, pInfo->m_pViewClass, pContext, pInfo->m_strName, nID);
        m_pNodeManager->ForEach(insert);
    }
    m_infos.InsertAt(nIndex, new CGXTabCreateInfo(*pInfo));
    if (nIndex <= m_nActiveSheet)
        m_nActiveSheet++;
    m_nSheetCount = m_pAdapter->GetTabCount();
    SetModifiedFlag(TRUE);
    return TRUE;
}

BOOL CGXTabWndMgr::DeleteSheet(int nIndex)
{
    if (nIndex == m_nActiveSheet || nIndex < 0 || nIndex >= m_infos.GetSize() || m_pAdapter == NULL)
        return FALSE;
    if (!m_pAdapter->RemoveSheet(nIndex))
        return FALSE;
    if (m_pNodeManager != NULL)
    {
        _deleteIter remove(nIndex);
        m_pNodeManager->ForEach(remove);
    }
    delete m_infos[nIndex];
    m_infos.RemoveAt(nIndex);
    // The same sheet stays active, one place further left.
    if (m_nActiveSheet > nIndex)
        m_nActiveSheet--;
    m_nSheetCount = m_pAdapter->GetTabCount();
    SetModifiedFlag(TRUE);
    return TRUE;
}

BOOL CGXTabWndMgr::HasSeveralTabs()
{
    return m_pAdapter != NULL && m_pAdapter->HasSeveralTabs();
}

BOOL CGXTabWndMgr::FillCreateContext(CGXTabCreateInfo* pInfo)
{
    const CGXTabCreateInfo* pFrom = NULL;
    if (pInfo->m_nShareMode == CGXTabCreateInfo::shareCurrent)
        pFrom = m_pCurrent;
    else if (pInfo->m_nShareMode == CGXTabCreateInfo::shareSheet)
        pFrom = GetSheetInfo(pInfo->m_nSheet);
    if (pFrom != NULL && pFrom != pInfo)
    {
        pInfo->m_pViewClass = pFrom->m_pViewClass;
        pInfo->SetDocument(pFrom->GetDocument());
        pInfo->m_pTemplate = pFrom->m_pTemplate;
    }
    return TRUE;
}

void CGXTabWndMgr::Reset()
{
    SetOwnedObject(NULL, FALSE);
    DeleteInfos();
    SetCurrent(NULL, FALSE);
    delete m_pNodeManager;
    m_pNodeManager = NULL;
    m_nSheetCount = 0;
    m_nActiveSheet = 0;
}

CGXTabWndAdapter* CGXTabWndMgr::GetOrCreateOwnedObject()
{
    if (m_pAdapter == NULL)
        SetOwnedObject(new CGXGridTabWndAdapter, TRUE);
    return m_pAdapter;
}

CGXTabWndAdapter* CGXTabWndMgr::GetAdapter()
{
    return m_pAdapter;
}

void CGXTabWndMgr::SetOwnedObject(CGXTabWndAdapter* pAdapter, BOOL bOwns)
{
    if (m_bOwnsAdapter && m_pAdapter != NULL && m_pAdapter != pAdapter)
        m_pAdapter->DeleteThis();
    m_pAdapter = pAdapter;
    m_bOwnsAdapter = bOwns;
}

BOOL CGXTabWndMgr::IsModified()
{
    for (int i = 0; i < m_infos.GetSize(); i++)
        if (m_infos[i] != NULL && m_infos[i]->GetDocument() != NULL &&
            m_infos[i]->GetDocument()->IsModified())
            return TRUE;
    return FALSE;
}

void CGXTabWndMgr::SetModifiedFlagAll(BOOL bModified)
{
    for (int i = 0; i < m_infos.GetSize(); i++)
        if (m_infos[i] != NULL && m_infos[i]->GetDocument() != NULL)
            m_infos[i]->GetDocument()->SetModifiedFlag(bModified);
}

BOOL CGXTabWndMgr::SetModifiedFlag(BOOL bModified)
{
    CDocument* pDoc = m_pCurrent != NULL ? m_pCurrent->GetDocument() : NULL;
    if (pDoc == NULL)
        return FALSE;
    pDoc->SetModifiedFlag(bModified);
    return TRUE;
}

CDocument* CGXTabWndMgr::NewSheetDocument(CDocTemplate* pTemplate)
{
    CDocument* pDoc = NULL;
    if (CMultiDocTemplate* pMulti = dynamic_cast<CMultiDocTemplate*>(pTemplate))
    {
        pDoc = pMulti->CreateNewDocument();
        if (pDoc != NULL && !pDoc->OnNewDocument())
        {
            pMulti->RemoveDocument(pDoc);
            delete pDoc;
            pDoc = NULL;
        }
        if (pDoc != NULL)
            pMulti->m_nUntitledCount++;
    }
    else if (CSingleDocTemplate* pSingle = dynamic_cast<CSingleDocTemplate*>(pTemplate))
    {
        pDoc = pSingle->m_pOnlyDoc;
        if (pDoc == NULL || !pDoc->SaveModified())
            pDoc = pSingle->CreateNewDocument();
        if (pDoc != NULL && !pDoc->OnNewDocument())
            pDoc = NULL;
    }
    if (pDoc == NULL)
        AfxMessageBox(AFX_IDP_FAILED_TO_CREATE_DOC);
    return pDoc;
}

BOOL CGXTabWndMgr::Load(CArchive& ar, CGXDocument* pMainDoc, int nMainIndex)
{
    LONG nActive = 0, nCount = 0;
    ar >> nActive >> nCount;
    // A count the file cannot hold is a damaged file, not a reason to allocate.
    CFile* pFile = ar.GetFile();
    ULONGLONG nFileBytes = pFile != NULL ? pFile->GetLength() : 0;
    if (nCount < 0 || (ULONGLONG)nCount > nFileBytes / kMinRecordBytes ||
        (nCount > 0 && (nActive < 0 || nActive >= nCount)))
        AfxThrowArchiveException(CArchiveException::generic);
    CArray<CGXTabCreateInfo*, CGXTabCreateInfo*> infos;
    try
    {
        for (LONG i = 0; i < nCount; i++)
        {
            CObject* pObject = ar.ReadNewObject(RUNTIME_CLASS(CGXTabCreateInfo));
            if (pObject == NULL)
                AfxThrowArchiveException(CArchiveException::generic);
            infos.Add((CGXTabCreateInfo*)pObject);
        }
    }
    catch (...)
    {
        for (int i = 0; i < infos.GetSize(); i++)
            delete infos[i];
        throw;
    }
    CGXAppAdapter* pApp = dynamic_cast<CGXAppAdapter*>(AfxGetApp());
    if (pApp == NULL)
    {
        for (int i = 0; i < infos.GetSize(); i++)
            delete infos[i];
        return FALSE;
    }
    SetCurrent(NULL, FALSE);
    DeleteInfos();
    m_infos.Copy(infos);
    m_nActiveSheet = nActive;
    m_nSheetCount = nCount;
    for (int i = 0; i < m_infos.GetSize(); i++)
        m_infos[i]->m_pTemplate = pApp->GetDocTemplate(m_infos[i]->m_pViewClass, m_infos[i]->m_pDocClass);
    if (nCount == 0)
        return TRUE;
    for (int i = 0; i < m_infos.GetSize(); i++)
    {
        CDocument* pDoc = i == nMainIndex ? pMainDoc : NewSheetDocument(m_infos[i]->m_pTemplate);
        if (pDoc == NULL)
            continue;
        m_infos[i]->SetDocument(pDoc);
        if (CGXDocument* pSheetDoc = dynamic_cast<CGXDocument*>(pDoc))
        {
            pSheetDoc->SerializeSheet(ar);
            pSheetDoc->SetStoringDocument(pMainDoc);
        }
    }
    SetCurrent(m_infos[m_nActiveSheet], FALSE);
    return TRUE;
}

void CGXTabWndMgr::Store(CArchive& ar)
{
    // The count written is that of the records that follow.
    LONG nStored = 0;
    for (int i = 0; i < m_infos.GetSize(); i++)
        if (m_infos[i] != NULL)
            nStored++;
    m_nSheetCount = nStored;
    Serialize(ar);
    for (int i = 0; i < m_infos.GetSize(); i++)
        if (m_infos[i] != NULL)
            ar.WriteObject(m_infos[i]);
    for (int i = 0; i < m_infos.GetSize(); i++)
    {
        CGXDocument* pDoc = m_infos[i] != NULL ? dynamic_cast<CGXDocument*>(m_infos[i]->GetDocument()) : NULL;
        if (pDoc == NULL)
            continue;
        pDoc->SerializeSheet(ar);
        pDoc->SetModifiedFlag(FALSE);
    }
}

CWnd* CGXTabWndMgr::GetTabWnd()
{
    return m_pAdapter != NULL ? m_pAdapter->GetTabWnd() : NULL;
}

CWnd* CGXTabWndMgr::GetSheetWnd(int nIndex)
{
    return m_pAdapter != NULL ? m_pAdapter->GetSheetWnd(nIndex) : NULL;
}

int CGXTabWndMgr::FindSheet(CWnd* pWnd)
{
    return m_pAdapter != NULL ? m_pAdapter->FindSheet(pWnd) : -1;
}
