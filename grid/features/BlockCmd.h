// A group of commands executed as one (a transaction, or what undoing a transaction recorded).
#pragma once
#include "grid/features/Command.h"

class CGXBlockCmd : public CGXCommand
{
    DECLARE_DYNAMIC(CGXBlockCmd)

  public:
    // Construction
    explicit CGXBlockCmd(LPCTSTR pszName = NULL);
    ~CGXBlockCmd() override;

    // Overridables
    BOOL Execute(CGXGridCore* pGrid, int ctCmd) override;
    LPCTSTR GetName() override;

    // Implementation
    CObList m_CmdList; // owned, newest at the head
    CString m_strName;
};
