// CMyWorkspaceEx: workspaces of the bar layout alone.
#include "app/MyWorkspaceEx.h"
#include "uilib/common/PersistentTreeNode.h"

IMPLEMENT_DYNCREATE(CMyWorkspaceEx, SECWorkspaceManagerEx)

CMyWorkspaceEx::CMyWorkspaceEx()
{
}

CMyWorkspaceEx::~CMyWorkspaceEx()
{
}

BOOL CMyWorkspaceEx::WriteFrames(SECPTNFactory& factory, SECPersistentTreeNode* pRoot)
{
    SECPersistentTreeNode* pFrames = pRoot != NULL ? factory.CreateNode(_T("Frames"), pRoot) : NULL;
    SECPersistentTreeNode* pMain = pFrames != NULL ? factory.CreateNode(_T("MainFrame"), pFrames) : NULL;
    if (pMain == NULL || m_pFrame == NULL)
        return FALSE;
    // Loading sets the main window's text from it: the title without a document.
    pMain->SetKeyValue(_T("Title"), (LPCTSTR)m_pFrame->GetTitle());
    return TRUE;
}
