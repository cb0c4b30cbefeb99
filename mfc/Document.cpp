// CDocument: opening, saving (through a temporary file), the view list and the modified prompt.
#include "Document.h"
#include "DocTemplate.h"
#include "FrameWnd.h"
#include "View.h"
#include "WinApp.h"
#include "ArchiveException.h"
#include "FileException.h"

IMPLEMENT_DYNAMIC(CDocument, CCmdTarget)

BEGIN_MESSAGE_MAP(CDocument, CCmdTarget)
ON_COMMAND(ID_FILE_CLOSE, OnFileClose)
ON_COMMAND(ID_FILE_SAVE, OnFileSave)
ON_COMMAND(ID_FILE_SAVE_AS, OnFileSaveAs)
END_MESSAGE_MAP()

CDocument::CDocument() : m_pDocTemplate(NULL), m_bModified(FALSE), m_bAutoDelete(TRUE), m_bEmbedded(FALSE)
{
}

CDocument::~CDocument()
{
    // Views still attached must not point back at a dead document.
    while (!m_viewList.IsEmpty())
        ((CView*)m_viewList.RemoveHead())->m_pDocument = NULL;
    if (m_pDocTemplate != NULL)
        m_pDocTemplate->RemoveDocument(this);
}

void CDocument::SetTitle(LPCTSTR lpszTitle)
{
    m_strTitle = lpszTitle;
    UpdateFrameCounts();
}

void CDocument::SetPathName(LPCTSTR lpszPathName, BOOL bAddToMRU)
{
    TCHAR szFull[MAX_PATH];
    LPTSTR pszFilePart = NULL;
    if (::GetFullPathName(lpszPathName, MAX_PATH, szFull, &pszFilePart) == 0 || pszFilePart == NULL)
    {
        m_strPathName = lpszPathName;
        SetTitle(lpszPathName);
    }
    else
    {
        m_strPathName = szFull;
        SetTitle(pszFilePart);
    }
    if (bAddToMRU && AfxGetApp() != NULL)
        AfxGetApp()->AddToRecentFileList(m_strPathName);
}

void CDocument::AddView(CView* pView)
{
    m_viewList.AddTail(pView);
    pView->m_pDocument = this;
    OnChangedViewList();
}

void CDocument::RemoveView(CView* pView)
{
    POSITION pos = m_viewList.Find(pView);
    if (pos == NULL)
        return;
    m_viewList.RemoveAt(pos);
    pView->m_pDocument = NULL;
    OnChangedViewList();
}

void CDocument::UpdateAllViews(CView* pSender, LPARAM lHint, CObject* pHint)
{
    POSITION pos = GetFirstViewPosition();
    while (pos != NULL)
    {
        CView* pView = GetNextView(pos);
        if (pView != pSender)
            pView->OnUpdate(pSender, lHint, pHint);
    }
}

void CDocument::SendInitialUpdate()
{
    POSITION pos = GetFirstViewPosition();
    while (pos != NULL)
        GetNextView(pos)->OnInitialUpdate();
}

void CDocument::OnChangedViewList()
{
    // The last view gone: an auto-delete document goes with it.
    if (m_viewList.IsEmpty() && m_bAutoDelete)
    {
        OnCloseDocument();
        return;
    }
    UpdateFrameCounts();
}

// Numbers the frames showing this document (":1", ":2") when there is more than one.
void CDocument::UpdateFrameCounts()
{
    CPtrList frames;
    POSITION pos = GetFirstViewPosition();
    while (pos != NULL)
    {
        CView* pView = GetNextView(pos);
        if (!pView->IsWindowVisible())
            continue;
        CFrameWnd* pFrame = pView->GetParentFrame();
        if (pFrame != NULL && frames.Find(pFrame) == NULL)
        {
            pFrame->m_nWindow = -1;
            frames.AddTail(pFrame);
        }
    }
    int nFrames = (int)frames.GetCount();
    int iFrame = 1;
    pos = frames.GetHeadPosition();
    while (pos != NULL)
    {
        CFrameWnd* pFrame = (CFrameWnd*)frames.GetNext(pos);
        pFrame->m_nWindow = nFrames == 1 ? 0 : iFrame++;
        pFrame->OnUpdateFrameTitle(TRUE);
    }
}

BOOL CDocument::CanCloseFrame(CFrameWnd* pFrameArg)
{
    // Only the last frame showing the document asks to save it.
    POSITION pos = GetFirstViewPosition();
    while (pos != NULL)
    {
        CFrameWnd* pFrame = GetNextView(pos)->GetParentFrame();
        if (pFrame != NULL && pFrame != pFrameArg)
            return TRUE;
    }
    return SaveModified();
}

void CDocument::PreCloseFrame(CFrameWnd*)
{
}

BOOL CDocument::SaveModified()
{
    if (!IsModified())
        return TRUE;
    CString name = m_strPathName.IsEmpty() ? m_strTitle : m_strPathName;
    if (name.IsEmpty())
        name.LoadString(AFX_IDS_UNTITLED);
    CString prompt;
    AfxFormatString1(prompt, AFX_IDP_ASK_TO_SAVE, name);
    switch (AfxMessageBox(prompt, MB_YESNOCANCEL, AFX_IDP_ASK_TO_SAVE))
    {
    case IDCANCEL:
        return FALSE;
    case IDYES:
        return DoFileSave();
    default:
        return TRUE;
    }
}

BOOL CDocument::DoFileSave()
{
    DWORD dwAttrib = m_strPathName.IsEmpty() ? INVALID_FILE_ATTRIBUTES : ::GetFileAttributes(m_strPathName);
    if (m_strPathName.IsEmpty() ||
        (dwAttrib != INVALID_FILE_ATTRIBUTES && (dwAttrib & FILE_ATTRIBUTE_READONLY)))
        return DoSave(NULL);
    return DoSave(m_strPathName);
}

BOOL CDocument::DoSave(LPCTSTR lpszPathName, BOOL bReplace)
{
    CString newName = lpszPathName;
    if (newName.IsEmpty())
    {
        newName = m_strPathName;
        if (newName.IsEmpty())
            newName = m_strTitle;
        if (AfxGetApp() == NULL ||
            !AfxGetApp()->DoPromptFileName(newName, bReplace ? AFX_IDS_SAVEFILE : AFX_IDS_SAVEFILECOPY,
                                           OFN_HIDEREADONLY | OFN_PATHMUSTEXIST, FALSE, m_pDocTemplate))
            return FALSE;
    }
    CWaitCursor wait;
    // A failed save leaves whatever file was there alone (OnSaveDocument never touches it).
    if (!OnSaveDocument(newName))
        return FALSE;
    if (bReplace)
        SetPathName(newName);
    return TRUE;
}

BOOL CDocument::OnNewDocument()
{
    DeleteContents();
    m_strPathName.Empty();
    SetModifiedFlag(FALSE);
    return TRUE;
}

CFile* CDocument::GetFile(LPCTSTR lpszFileName, UINT nOpenFlags, CFileException* pError)
{
    CFile* pFile = new CFile;
    if (!pFile->Open(lpszFileName, nOpenFlags, pError))
    {
        delete pFile;
        return NULL;
    }
    return pFile;
}

void CDocument::ReleaseFile(CFile* pFile, BOOL bAbort)
{
    if (bAbort)
        pFile->Abort();
    else
        pFile->Close();
    delete pFile;
}

BOOL CDocument::OnOpenDocument(LPCTSTR lpszPathName)
{
    CFileException fe;
    CFile* pFile = GetFile(lpszPathName, CFile::modeRead | CFile::shareDenyWrite, &fe);
    if (pFile == NULL)
    {
        ReportSaveLoadException(lpszPathName, &fe, FALSE, AFX_IDP_FAILED_TO_OPEN_DOC);
        return FALSE;
    }
    DeleteContents();
    SetModifiedFlag(TRUE); // dirty while loading
    try
    {
        CWaitCursor wait;
        CArchive ar(pFile, CArchive::load | CArchive::bNoFlushOnDelete);
        Serialize(ar);
        ar.Close();
        CFile* pDone = pFile;
        pFile = NULL;
        ReleaseFile(pDone, FALSE);
    }
    catch (CException* e)
    {
        if (pFile != NULL)
            ReleaseFile(pFile, TRUE);
        DeleteContents();
        ReportSaveLoadException(lpszPathName, e, FALSE, AFX_IDP_FAILED_TO_OPEN_DOC);
        e->Delete();
        return FALSE;
    }
    SetModifiedFlag(FALSE);
    return TRUE;
}

BOOL CDocument::OnSaveDocument(LPCTSTR lpszPathName)
{
    // The temporary file goes beside the target so the final rename stays on one volume.
    TCHAR szFull[MAX_PATH];
    LPTSTR pszFilePart = NULL;
    CString folder = _T(".");
    if (::GetFullPathName(lpszPathName, MAX_PATH, szFull, &pszFilePart) != 0 && pszFilePart != NULL)
        folder = CString(szFull, (int)(pszFilePart - szFull));
    TCHAR szTemp[MAX_PATH];
    if (::GetTempFileName(folder, _T("hvs"), 0, szTemp) == 0)
    {
        LONG lErr = (LONG)::GetLastError();
        CFileException fe(CFileException::OsErrorToException(lErr), lErr, lpszPathName);
        ReportSaveLoadException(lpszPathName, &fe, TRUE, AFX_IDP_FAILED_TO_SAVE_DOC);
        return FALSE;
    }
    CFileException fe;
    CFile* pFile = GetFile(szTemp, CFile::modeCreate | CFile::modeReadWrite | CFile::shareExclusive, &fe);
    if (pFile == NULL)
    {
        ::DeleteFile(szTemp);
        ReportSaveLoadException(lpszPathName, &fe, TRUE, AFX_IDP_INVALID_FILENAME);
        return FALSE;
    }
    try
    {
        CWaitCursor wait;
        CArchive ar(pFile, CArchive::store | CArchive::bNoFlushOnDelete);
        Serialize(ar);
        ar.Close();
        CFile* pDone = pFile;
        pFile = NULL;
        ReleaseFile(pDone, FALSE);
    }
    catch (CException* e)
    {
        if (pFile != NULL)
            ReleaseFile(pFile, TRUE);
        ::DeleteFile(szTemp);
        ReportSaveLoadException(lpszPathName, e, TRUE, AFX_IDP_FAILED_TO_SAVE_DOC);
        e->Delete();
        return FALSE;
    }
    if (!::MoveFileEx(szTemp, lpszPathName, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
    {
        LONG lErr = (LONG)::GetLastError();
        ::DeleteFile(szTemp);
        CFileException fe2(CFileException::OsErrorToException(lErr), lErr, lpszPathName);
        ReportSaveLoadException(lpszPathName, &fe2, TRUE, AFX_IDP_FAILED_TO_SAVE_DOC);
        return FALSE;
    }
    SetModifiedFlag(FALSE);
    return TRUE;
}

void CDocument::ReportSaveLoadException(LPCTSTR lpszPathName, CException* e, BOOL bSaving, UINT nIDPDefault)
{
    UINT nIDP = nIDPDefault;
    CString prompt;
    if (e != NULL && e->IsKindOf(RUNTIME_CLASS(CArchiveException)))
    {
        // Content the archive could not make sense of: a damaged or foreign file.
        int cause = ((CArchiveException*)e)->m_cause;
        if (!bSaving && cause != CArchiveException::none)
            nIDP = AFX_IDP_FAILED_INVALID_FORMAT;
    }
    else if (e != NULL && e->IsKindOf(RUNTIME_CLASS(CFileException)))
    {
        CFileException* fe = (CFileException*)e;
        if (fe->m_strFileName.IsEmpty())
            fe->m_strFileName = lpszPathName;
        TCHAR szText[512];
        if (fe->m_cause != CFileException::none && fe->GetErrorMessage(szText, 512))
            prompt = szText;
    }
    if (prompt.IsEmpty())
        prompt.LoadString(nIDP);
    AfxMessageBox(prompt, MB_ICONEXCLAMATION, nIDP);
}

void CDocument::OnCloseDocument()
{
    // Destroying the frames removes the views; keep the document alive until they are gone.
    BOOL bAutoDelete = m_bAutoDelete;
    m_bAutoDelete = FALSE;
    while (!m_viewList.IsEmpty())
    {
        CView* pView = (CView*)m_viewList.GetHead();
        CFrameWnd* pFrame = pView->GetParentFrame();
        if (pFrame != NULL)
        {
            PreCloseFrame(pFrame);
            pFrame->DestroyWindow();
        }
        else
            pView->DestroyWindow();
        if (!m_viewList.IsEmpty() && m_viewList.GetHead() == pView)
            RemoveView(pView); // a view that did not go with its window
    }
    m_bAutoDelete = bAutoDelete;
    DeleteContents();
    if (m_bAutoDelete)
        delete this;
}

BOOL CDocument::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo)
{
    if (CCmdTarget::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo))
        return TRUE;
    return m_pDocTemplate != NULL && m_pDocTemplate->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
}

void CDocument::OnFileClose()
{
    if (!SaveModified())
        return;
    OnCloseDocument();
}

void CDocument::OnFileSave()
{
    DoFileSave();
}

void CDocument::OnFileSaveAs()
{
    DoSave(NULL);
}
