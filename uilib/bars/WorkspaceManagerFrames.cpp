// SECWorkspaceManagerEx: the frames' part of the workspace tree: the main frame, every document
// with the frames that show it, docked views and their bars, and activation after a load.
#include "uilib/common/PersistentTreeNode.h"
#include "uilib/bars/WorkspaceManagerEx.h"
#include "uilib/frames/docking/DockSite.h"
#include "uilib/frames/docking/DockableFrame.h"
#include "uilib/frames/docking/MiniDockFrameWnd.h"
#include "uilib/bars/ControlBar.h"
#include "uilib/frames/mdi/DocTemplateUtils.h"
#include "uilib/frames/mdi/MDIChildWnd.h"
#include "uilib/frames/mdi/MDIFrameWnd.h"
#include "uilib/frames/mdi/MultiDocTemplate.h"

namespace
{
const TCHAR kFrames[] = _T("Frames");
const TCHAR kMainFrame[] = _T("MainFrame");
const TCHAR kChildFrames[] = _T("ChildFrames");
const TCHAR kPlacement[] = _T("WindowPlacement");
const TCHAR kDocPathName[] = _T("DocPathName");
const TCHAR kDocumentString[] = _T("DocumentString");
const TCHAR kTemplateIndex[] = _T("DocTemplateIndex");
const TCHAR kDockedBarID[] = _T("DockedViewBarID");
const TCHAR kDockedFloating[] = _T("DockedViewFloating");
const TCHAR kDockedFloatingWP[] = _T("DockedViewFloatingWP");
const TCHAR kIsActive[] = _T("IsActiveChildFrame");
const TCHAR kIsVisible[] = _T("IsFrameVisible");
// The file-type id among a template's document strings.
const int kDocTypeString = 5;

// A stored placement, used only when it is a whole record; a show command that would hide the
// window becomes a normal one.
bool ReadPlacement(SECPersistentTreeNode* pNode, LPCTSTR lpszKey, WINDOWPLACEMENT& wp)
{
    void* pData = NULL;
    UINT nSize = 0;
    if (pNode->GetKeyValue(lpszKey, &pData, &nSize) != SECPTN_OK || pData == NULL)
    {
        delete[] static_cast<BYTE*>(pData);
        return false;
    }
    bool bWhole = nSize == sizeof(WINDOWPLACEMENT);
    if (bWhole)
        memcpy(&wp, pData, sizeof wp);
    delete[] static_cast<BYTE*>(pData);
    if (!bWhole || wp.length != sizeof(WINDOWPLACEMENT))
        return false;
    if ((int)wp.showCmd <= 0)
        wp.showCmd = SW_SHOWNORMAL;
    return true;
}

void WritePlacement(CWnd* pWnd, SECPersistentTreeNode* pNode, LPCTSTR lpszKey)
{
    WINDOWPLACEMENT wp = {};
    wp.length = sizeof wp;
    if (pWnd->GetWindowPlacement(&wp))
        pNode->SetKeyValue(lpszKey, &wp, (UINT)sizeof wp, TRUE);
}

CString DocumentString(CDocTemplate* pTemplate)
{
    CString strType;
    pTemplate->GetDocString(strType, (CDocTemplate::DocStringIndex)kDocTypeString);
    return strType;
}

void WriteTemplateKeys(CDocTemplate* pTemplate, SECPersistentTreeNode* pNode)
{
    const CString strType = DocumentString(pTemplate);
    pNode->SetKeyValue(kDocumentString, (LPCTSTR)strType);
    SECDocTemplateUtils utils(TRUE);
    int nIndex = utils.GetTemplateIndex(pTemplate, strType);
    if (nIndex != -1)
        pNode->SetKeyValue(kTemplateIndex, nIndex);
}

CView* FirstView(CDocument* pDoc)
{
    POSITION pos = pDoc != NULL ? pDoc->GetFirstViewPosition() : NULL;
    return pos != NULL ? pDoc->GetNextView(pos) : NULL;
}

bool ReadBool(SECPersistentTreeNode* pNode, LPCTSTR lpszKey, bool bDefault)
{
    bool bValue = bDefault;
    pNode->GetKeyValue(lpszKey, bValue, bDefault);
    return bValue;
}
} // namespace

// ---- writing

BOOL SECWorkspaceManagerEx::WriteFrames(SECPTNFactory& factory, SECPersistentTreeNode* pRoot)
{
    if (pRoot == NULL || m_pFrame == NULL)
        return FALSE;
    SECPersistentTreeNode* pFrames = factory.CreateNode(kFrames, pRoot);
    if (pFrames == NULL)
        return FALSE;
    WriteMainFrame(factory, pFrames);
    CFrameWnd* pActiveChild = m_pFrame->GetActiveFrame();
    if (pActiveChild == m_pFrame)
        pActiveChild = NULL;
    HWND hActiveChild = pActiveChild != NULL ? pActiveChild->m_hWnd : NULL;
    BOOL bResult = WriteChildFrames(factory, pFrames, pActiveChild);
    // Offering documents for saving activates their frames: the active one comes back.
    if (hActiveChild != NULL && ::IsWindow(hActiveChild) && m_pFrame->GetActiveFrame() != pActiveChild)
        pActiveChild->ActivateFrame(-1);
    return bResult;
}

BOOL SECWorkspaceManagerEx::WriteMainFrame(SECPTNFactory& factory, SECPersistentTreeNode* pFrames)
{
    if (pFrames == NULL || m_pFrame == NULL)
        return FALSE;
    SECPersistentTreeNode* pNode = factory.CreateNode(kMainFrame, pFrames);
    if (pNode == NULL)
        return FALSE;
    WritePlacement(m_pFrame, pNode, kPlacement);
    CString strTitle;
    m_pFrame->GetWindowText(strTitle);
    pNode->SetKeyValue(_T("Title"), (LPCTSTR)strTitle);
    return TRUE;
}

BOOL SECWorkspaceManagerEx::WriteChildFrames(SECPTNFactory& factory, SECPersistentTreeNode* pFrames,
                                             CFrameWnd* pActiveChild)
{
    SECPersistentTreeNode* pChildFrames = pFrames != NULL ? factory.CreateNode(kChildFrames, pFrames) : NULL;
    CWinApp* pApp = AfxGetApp();
    if (pChildFrames == NULL || pApp == NULL)
        return FALSE;
    CMap<CFrameWnd*, CFrameWnd*, SECPersistentTreeNode*, SECPersistentTreeNode*> written;
    written.InitHashTable(17);
    int nDocument = 0;
    int nAdditional = 0;
    for (POSITION posTemplate = pApp->GetFirstDocTemplatePosition(); posTemplate != NULL;)
    {
        CDocTemplate* pTemplate = pApp->GetNextDocTemplate(posTemplate);
        for (POSITION posDoc = pTemplate->GetFirstDocPosition(); posDoc != NULL;)
        {
            CDocument* pDoc = pTemplate->GetNextDoc(posDoc);
            CString strNode;
            strNode.Format(_T("Document-%d"), nDocument++);
            SECPersistentTreeNode* pDocNode = factory.CreateNode(strNode, pChildFrames);
            int nViewFrame = 0;
            for (POSITION posView = pDoc->GetFirstViewPosition(); posView != NULL;)
            {
                CView* pView = pDoc->GetNextView(posView);
                CFrameWnd* pFrame = pView->GetParentFrame();
                SECPersistentTreeNode* pFrameNode = NULL;
                if (!written.Lookup(pFrame, pFrameNode))
                {
                    pFrameNode =
                        WriteViewFrame(pDoc, pView, pFrame, pActiveChild, factory, pDocNode, nViewFrame++);
                    if (pFrameNode != NULL)
                        written.SetAt(pFrame, pFrameNode);
                }
                else
                    WriteAdditionalView(pDoc, pView, pFrame, factory, pFrameNode, nAdditional++);
            }
        }
    }
    return TRUE;
}

SECPersistentTreeNode* SECWorkspaceManagerEx::WriteViewFrame(CDocument* pDoc, CView* pView, CFrameWnd* pFrame,
                                                             CFrameWnd* pActiveChild, SECPTNFactory& factory,
                                                             SECPersistentTreeNode* pDocNode, int nIndex)
{
    if (pDoc == NULL || pFrame == NULL || pDocNode == NULL)
        return NULL;
    SECDocTemplateUtils utils(TRUE);
    CDocTemplate* pTemplate = utils.IdentifyDocTemplate(pDoc, pView, pFrame);
    if (pTemplate == NULL)
        return NULL;
    const bool bVisible = pFrame->IsWindowVisible() != FALSE;
    HWND hFrame = pFrame->m_hWnd;
    PrepareDocumentForSave(pFrame, pDoc);
    // Documents never saved to a file are no part of a workspace.
    if (pDoc->GetPathName().IsEmpty() || !::IsWindow(hFrame))
        return NULL;
    CString strNode;
    strNode.Format(_T("ViewFrame-%d"), nIndex);
    SECPersistentTreeNode* pNode = factory.CreateNode(strNode, pDocNode);
    if (pNode == NULL)
        return NULL;
    pNode->SetKeyValue(kDocPathName, (LPCTSTR)pDoc->GetPathName());
    WriteTemplateKeys(pTemplate, pNode);
    WriteDockedViewBarID(pFrame, pNode);
    pNode->SetKeyValue(kIsActive, pFrame == pActiveChild);
    pNode->SetKeyValue(kIsVisible, bVisible);
    return pNode;
}

SECPersistentTreeNode* SECWorkspaceManagerEx::WriteAdditionalView(CDocument* pDoc, CView* pView,
                                                                  CFrameWnd* pFrame, SECPTNFactory& factory,
                                                                  SECPersistentTreeNode* pFrameNode,
                                                                  int nIndex)
{
    if (pDoc == NULL || pView == NULL || pFrame == NULL || pFrameNode == NULL)
        return NULL;
    SECDocTemplateUtils utils(TRUE);
    CDocTemplate* pTemplate = utils.IdentifyDocTemplate(pDoc, pView, pFrame);
    if (pTemplate == NULL)
        return NULL;
    CString strNode;
    strNode.Format(_T("AdditionalViewPerFrame-%d"), nIndex);
    SECPersistentTreeNode* pNode = factory.CreateNode(strNode, pFrameNode);
    if (pNode != NULL)
        WriteTemplateKeys(pTemplate, pNode);
    return pNode;
}

BOOL SECWorkspaceManagerEx::WriteDockedViewBarID(CFrameWnd* pFrame, SECPersistentTreeNode* pNode)
{
    if (pFrame == NULL || pNode == NULL)
        return FALSE;
    if (!pFrame->IsKindOf(RUNTIME_CLASS(SECDockableFrame)) || pFrame->GetParent() == NULL)
    {
        WritePlacement(pFrame, pNode, kPlacement);
        return TRUE;
    }
    CWnd* pBar = pFrame->GetParent();
    pNode->SetKeyValue(kDockedBarID, pBar->GetDlgCtrlID());
    return WriteDockedViewFloating(pBar, pNode);
}

BOOL SECWorkspaceManagerEx::WriteDockedViewFloating(CWnd* pBar, SECPersistentTreeNode* pNode)
{
    if (pBar == NULL || pNode == NULL)
        return FALSE;
    CFrameWnd* pFloating = pBar->GetParentFrame();
    if (pFloating != NULL && pFloating->IsKindOf(RUNTIME_CLASS(SECMiniDockFrameWnd)))
    {
        pNode->SetKeyValue(kDockedFloating, true);
        WritePlacement(pFloating, pNode, kDockedFloatingWP);
    }
    else
        pNode->SetKeyValue(kDockedFloating, 0);
    return TRUE;
}

void SECWorkspaceManagerEx::PrepareDocumentForSave(CFrameWnd* pFrame, CDocument* pDoc)
{
    if (pFrame == NULL || pDoc == NULL)
        return;
    if (!pDoc->IsModified() && !pDoc->GetPathName().IsEmpty())
        return;
    pFrame->ActivateFrame(-1);
    pFrame->SendMessage(WM_COMMAND, ID_FILE_SAVE);
}

// ---- reading

BOOL SECWorkspaceManagerEx::ReadFrames(SECPersistentTreeNode* pRoot, CFrameWnd*& pActiveFrame)
{
    SECPersistentTreeNode* pFrames = pRoot != NULL ? pRoot->FindChild(kFrames) : NULL;
    if (pFrames == NULL)
        return FALSE;
    BOOL bMain = ReadMainFrame(pFrames);
    BOOL bChildren = ReadChildFrames(pFrames, pActiveFrame);
    return bMain && bChildren;
}

BOOL SECWorkspaceManagerEx::ReadMainFrame(SECPersistentTreeNode* pFrames)
{
    SECPersistentTreeNode* pNode =
        pFrames != NULL && m_pFrame != NULL ? pFrames->FindChild(kMainFrame) : NULL;
    if (pNode == NULL)
        return FALSE;
    WINDOWPLACEMENT wp = {};
    if (ReadPlacement(pNode, kPlacement, wp))
    {
        CWinApp* pApp = AfxGetApp();
        if (m_pFrame->IsKindOf(RUNTIME_CLASS(CMDIFrameWnd)) && pApp != NULL)
        {
            // Shown later in the stored state, once its children are back.
            pApp->m_nCmdShow = (int)wp.showCmd;
            wp.showCmd = SW_HIDE;
        }
        m_pFrame->SetWindowPlacement(&wp);
    }
    CString strTitle;
    pNode->GetKeyValue(_T("Title"), strTitle, _T(""));
    m_pFrame->SetWindowText(strTitle);
    return TRUE;
}

BOOL SECWorkspaceManagerEx::ReadChildFrames(SECPersistentTreeNode* pFrames, CFrameWnd*& pActiveFrame)
{
    SECPersistentTreeNode* pChildFrames = pFrames != NULL ? pFrames->FindChild(kChildFrames) : NULL;
    if (pChildFrames == NULL)
        return FALSE;
    for (int i = 0; i < pChildFrames->GetChildCount(); i++)
    {
        SECPersistentTreeNode* pDocNode = pChildFrames->GetChild(i);
        CDocument* pDoc = NULL;
        CFrameWnd* pPrevious = NULL;
        for (int j = 0; j < pDocNode->GetChildCount(); j++)
            ReadViewFrame(pDocNode->GetChild(j), pDoc, pPrevious, pActiveFrame);
    }
    return TRUE;
}

BOOL SECWorkspaceManagerEx::ReadViewFrame(SECPersistentTreeNode* pNode, CDocument*& pDoc,
                                          CFrameWnd*& pPreviousFrame, CFrameWnd*& pActiveFrame)
{
    if (pNode == NULL)
        return FALSE;
    CString strType, strPath;
    int nIndex = 0;
    pNode->GetKeyValue(kDocumentString, strType, _T(""));
    pNode->GetKeyValue(kTemplateIndex, nIndex, 0);
    SECDocTemplateUtils utils(!m_bOldVersionTree);
    CDocTemplate* pTemplate = utils.FindTemplate(strType, nIndex);
    if (pTemplate == NULL)
        return FALSE;
    pNode->GetKeyValue(kDocPathName, strPath, _T(""));

    CFrameWnd* pFrame = NULL;
    if (pDoc == NULL)
    {
        CDocument* pDocked = ReadDockedViewBarID(pNode, pTemplate, strPath);
        if (pDocked != NULL)
        {
            pDoc = pDocked;
            CView* pView = FirstView(pDoc);
            pFrame = pView != NULL ? pView->GetParentFrame() : NULL;
            if (pFrame == NULL)
                return FALSE;
            pPreviousFrame = pFrame;
            pTemplate->InitialUpdateFrame(pFrame, pDoc, TRUE);
            if (ReadBool(pNode, kIsActive, false))
                pActiveFrame = pFrame;
            pFrame->ShowWindow(ReadBool(pNode, kIsVisible, true) ? SW_SHOW : SW_HIDE);
            return TRUE;
        }
        pFrame = OpenDocument(pTemplate, strPath, pDoc);
    }
    else
    {
        pFrame = ReadDockedViewForDocument(pNode, pTemplate, pDoc, pPreviousFrame);
        if (pFrame == NULL)
            pFrame = CreateFrameForDocument(pTemplate, pDoc, pPreviousFrame);
    }
    if (pFrame == NULL)
        return FALSE;

    pTemplate->InitialUpdateFrame(pFrame, pDoc, TRUE);
    int nShowCmd = SW_SHOWNORMAL;
    WINDOWPLACEMENT wp = {};
    if (ReadPlacement(pNode, kPlacement, wp))
    {
        pFrame->SetWindowPlacement(&wp);
        nShowCmd = (int)wp.showCmd;
    }
    if (ReadBool(pNode, kIsActive, false))
    {
        pActiveFrame = pFrame;
        m_nActiveChildShowCmd = nShowCmd;
    }
    pPreviousFrame = pFrame;
    for (int i = 0; i < pNode->GetChildCount(); i++)
        RestoreAdditionalView(pDoc, pFrame, pNode->GetChild(i));
    pFrame->ShowWindow(ReadBool(pNode, kIsVisible, true) ? SW_SHOW : SW_HIDE);
    return TRUE;
}

BOOL SECWorkspaceManagerEx::RestoreAdditionalView(CDocument* pDoc, CFrameWnd* pFrame,
                                                  SECPersistentTreeNode* pNode)
{
    return pDoc != NULL && pFrame != NULL && pNode != NULL;
}

CFrameWnd* SECWorkspaceManagerEx::OpenDocument(CDocTemplate* pTemplate, const CString& strPathName,
                                               CDocument*& pDoc)
{
    if (pTemplate == NULL)
        return NULL;
    pDoc = pTemplate->OpenDocumentFile(strPathName.IsEmpty() ? NULL : (LPCTSTR)strPathName, FALSE);
    CView* pView = FirstView(pDoc);
    return pView != NULL ? pView->GetParentFrame() : NULL;
}

CDocument* SECWorkspaceManagerEx::ReadDockedViewBarID(SECPersistentTreeNode* pNode, CDocTemplate* pTemplate,
                                                      const CString& strPathName)
{
    int nBarID = 0;
    pNode->GetKeyValue(kDockedBarID, nBarID, 0);
    SECMultiDocTemplate* pSecTemplate = DYNAMIC_DOWNCAST(SECMultiDocTemplate, pTemplate);
    if (nBarID == 0 || pSecTemplate == NULL)
        return NULL;
    CDocument* pDoc = pSecTemplate->OpenDocumentFileEx(strPathName.IsEmpty() ? NULL : (LPCTSTR)strPathName,
                                                       TRUE, TRUE, (UINT)nBarID);
    if (pDoc != NULL)
        ReadDockedViewFloatingForNewDocument(pNode, pDoc);
    return pDoc;
}

BOOL SECWorkspaceManagerEx::ReadDockedViewFloatingForNewDocument(SECPersistentTreeNode* pNode,
                                                                 CDocument* pDoc)
{
    return ReadDockedViewFloating(NULL, pNode, pDoc);
}

BOOL SECWorkspaceManagerEx::ReadDockedViewFloating(CFrameWnd* pFrame, SECPersistentTreeNode* pNode,
                                                   CDocument* pDoc)
{
    if (pNode == NULL || pDoc == NULL || !ReadBool(pNode, kDockedFloating, false))
        return FALSE;
    CView* pView = NULL;
    for (POSITION pos = pDoc->GetFirstViewPosition(); pos != NULL && pView == NULL;)
    {
        CView* pCandidate = pDoc->GetNextView(pos);
        if (pFrame == NULL)
            pView = pCandidate;
        else
            for (CWnd* pParent = pCandidate->GetParent(); pParent != NULL; pParent = pParent->GetParent())
                if (pParent == pFrame)
                {
                    pView = pCandidate;
                    break;
                }
    }
    CControlBar* pBar = pView != NULL && pView->GetParent() != NULL
                            ? DYNAMIC_DOWNCAST(CControlBar, pView->GetParent()->GetParent())
                            : NULL;
    WINDOWPLACEMENT wp = {};
    if (pBar != NULL && ReadPlacement(pNode, kDockedFloatingWP, wp))
    {
        const CRect rect(wp.rcNormalPosition);
        if (SECControlBar* pSecBar = DYNAMIC_DOWNCAST(SECControlBar, pBar))
            pSecBar->m_szFloat = rect.Size();
        if (SECDockSite* pSite = dynamic_cast<SECDockSite*>(m_pFrame))
            pSite->FloatControlBar(pBar, rect.TopLeft(), CBRS_ALIGN_TOP);
    }
    return TRUE;
}

CFrameWnd* SECWorkspaceManagerEx::ReadDockedViewForDocument(SECPersistentTreeNode* pNode,
                                                            CDocTemplate* pTemplate, CDocument* pDoc,
                                                            CFrameWnd* pPreviousFrame)
{
    int nBarID = 0;
    pNode->GetKeyValue(kDockedBarID, nBarID, 0);
    SECMultiDocTemplate* pSecTemplate = DYNAMIC_DOWNCAST(SECMultiDocTemplate, pTemplate);
    if (nBarID == 0 || pSecTemplate == NULL || pDoc == NULL)
        return NULL;
    CFrameWnd* pFrame = pSecTemplate->CreateNewFrameEx(pDoc, pPreviousFrame, TRUE, (UINT)nBarID);
    if (pFrame != NULL)
        ReadDockedViewFloating(pFrame, pNode, pDoc);
    return pFrame;
}

CFrameWnd* SECWorkspaceManagerEx::CreateFrameForDocument(CDocTemplate* pTemplate, CDocument* pDoc,
                                                         CFrameWnd* pPreviousFrame)
{
    if (pTemplate == NULL || pDoc == NULL)
        return NULL;
    return pTemplate->CreateNewFrame(pDoc, pPreviousFrame);
}

void SECWorkspaceManagerEx::ActivateChild(CFrameWnd* pFrame)
{
    if (pFrame != NULL)
    {
        WINDOWPLACEMENT wp = {};
        wp.length = sizeof wp;
        if (pFrame->GetWindowPlacement(&wp))
        {
            wp.showCmd = (UINT)m_nActiveChildShowCmd;
            pFrame->SetWindowPlacement(&wp);
        }
        pFrame->ActivateFrame(-1);
    }
    if (SECMDIFrameWnd* pMDIFrame = DYNAMIC_DOWNCAST(SECMDIFrameWnd, m_pFrame))
    {
        SECMDIChildWnd* pChild = DYNAMIC_DOWNCAST(SECMDIChildWnd, pFrame);
        pMDIFrame->SwitchMenuBarMenu(pChild != NULL ? pChild->m_nIDMenuBarMenu : (UINT)-1);
    }
}
