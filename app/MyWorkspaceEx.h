// CMyWorkspaceEx: the main frame's workspace manager. The workspace file keeps the bar layout
// only (docking and toolbar state): recordings are never reopened from it.
#pragma once
#include "uilib/bars/WorkspaceManagerEx.h"

class CMyWorkspaceEx : public SECWorkspaceManagerEx
{
    DECLARE_DYNCREATE(CMyWorkspaceEx)

  public:
    // Construction
    CMyWorkspaceEx();
    ~CMyWorkspaceEx() override;

    // Overrides
    // No documents and child frames: only the main frame's node with its own title, which marks
    // the file as a complete workspace for loading.
    BOOL WriteFrames(SECPTNFactory& factory, SECPersistentTreeNode* pRoot) override;
};
