// SECWorkspaceManagerEx: saves a frame's whole window layout (main frame, open documents with
// their frames and docked views, dock state, toolbar settings) under a name, in a workspace file
// or below a registry key, and restores it; keeps the recent list of workspace names and
// answers the workspace commands. A plug-in of the main frame, which owns it.
#pragma once
#include "afxwin.h"
#include "StringArray.h"
#include "uilib/frames/plugins/WndPlugIn.h"

class CDocTemplate;
class SECPersistentTreeNode;
class SECPTNFactory;
class SECPTNStrategy;

// Workspace commands; the two ends of the first range have no action here.
#define ID_SEC_WORKSPACE_FIRST 43007
#define ID_SEC_WORKSPACE_OPEN 43008
#define ID_SEC_WORKSPACE_SAVE 43009
#define ID_SEC_WORKSPACE_CLOSE 43012
#define ID_SEC_WORKSPACE_SAVEAS 43013
#define ID_SEC_WORKSPACE_LAST 43014
// The recent workspaces, first to last.
#define ID_SEC_WORKSPACE_MRU_FIRST 43031
#define ID_SEC_WORKSPACE_MRU_LAST 43039

// The message-map entries of a frame hosting the workspace plug-in: the plug-in sees these
// commands first (through the frame's OnCmdMsg); the frame's own handlers do nothing. The frame
// declares OnWorkspaceCommand, OnWorkspaceCommandRange and OnUpdateWorkspaceCommand.
#define SEC_ON_WORKSPACE_COMMANDS()                                                                          \
    ON_COMMAND(ID_SEC_WORKSPACE_FIRST, OnWorkspaceCommand)                                                   \
    ON_COMMAND(ID_SEC_WORKSPACE_OPEN, OnWorkspaceCommand)                                                    \
    ON_COMMAND(ID_SEC_WORKSPACE_SAVE, OnWorkspaceCommand)                                                    \
    ON_COMMAND(ID_SEC_WORKSPACE_CLOSE, OnWorkspaceCommand)                                                   \
    ON_COMMAND(ID_SEC_WORKSPACE_SAVEAS, OnWorkspaceCommand)                                                  \
    ON_COMMAND(ID_SEC_WORKSPACE_LAST, OnWorkspaceCommand)                                                    \
    ON_COMMAND_EX_RANGE(ID_SEC_WORKSPACE_MRU_FIRST, ID_SEC_WORKSPACE_MRU_LAST, OnWorkspaceCommandRange)      \
    ON_UPDATE_COMMAND_UI(ID_SEC_WORKSPACE_FIRST, OnUpdateWorkspaceCommand)                                   \
    ON_UPDATE_COMMAND_UI(ID_SEC_WORKSPACE_OPEN, OnUpdateWorkspaceCommand)                                    \
    ON_UPDATE_COMMAND_UI(ID_SEC_WORKSPACE_SAVE, OnUpdateWorkspaceCommand)                                    \
    ON_UPDATE_COMMAND_UI(ID_SEC_WORKSPACE_CLOSE, OnUpdateWorkspaceCommand)                                   \
    ON_UPDATE_COMMAND_UI(ID_SEC_WORKSPACE_SAVEAS, OnUpdateWorkspaceCommand)                                  \
    ON_UPDATE_COMMAND_UI(ID_SEC_WORKSPACE_LAST, OnUpdateWorkspaceCommand)                                    \
    ON_UPDATE_COMMAND_UI_RANGE(ID_SEC_WORKSPACE_MRU_FIRST, ID_SEC_WORKSPACE_MRU_LAST,                        \
                               OnUpdateWorkspaceCommand)

class SECWorkspaceManagerEx : public tessaron::foundation::SECWndPlugIn
{
    DECLARE_DYNCREATE(SECWorkspaceManagerEx)

  public:
    // Storage modes.
    enum
    {
        storeProfile = 0,
        storeRegistry = 1
    };

    // Construction
    SECWorkspaceManagerEx();
    ~SECWorkspaceManagerEx() override;

    // Overridables, in this order
    BOOL PlugInTo(CWnd* pHost) override;
    // A change of mode forgets the current workspace.
    virtual void SetStorageMode(int nMode, BOOL bListInAppSection = FALSE);
    virtual void SetRegistryInfo(LPCTSTR lpszBaseKey, int nMode, HKEY hRoot = HKEY_CURRENT_USER,
                                 BOOL bListInAppSection = FALSE);
    virtual BOOL CloseWorkspace();
    // An empty name asks for one. A failed save says so and changes nothing stored.
    virtual BOOL SaveWorkspace(CString strName);
    virtual BOOL SaveCurrentWorkspace();
    // An empty name asks for one; a workspace that cannot be read is refused before anything
    // open is touched (message unless silent).
    virtual BOOL LoadWorkspace(CString strName, BOOL bSilent = FALSE);
    virtual BOOL OpenWorkspace(BOOL bUseMostRecent, BOOL bSilent = FALSE);
    // The strategy for a workspace name; the caller deletes it.
    virtual SECPTNStrategy* CreateStrategy(const CString& strName);
    virtual BOOL ReadControlBars(SECPersistentTreeNode* pRoot);
    virtual BOOL ReadFrames(SECPersistentTreeNode* pRoot, CFrameWnd*& pActiveFrame);
    virtual BOOL WriteControlBars(SECPTNFactory& factory, SECPersistentTreeNode* pRoot);
    virtual BOOL WriteFrames(SECPTNFactory& factory, SECPersistentTreeNode* pRoot);
    virtual BOOL GetWorkspaceName(CString& strName, BOOL bForSave);
    virtual void OnAfterLoad(SECPersistentTreeNode* pRoot, const CString& strName);
    virtual void OnBeforeSave(SECPTNFactory& factory, SECPersistentTreeNode* pRoot, const CString& strName);
    virtual BOOL CloseAllFrames();
    virtual BOOL OnCloseWorkspace(CPtrList& controlBars, CFrameWnd* pFrame);
    virtual BOOL RestoreAdditionalView(CDocument* pDoc, CFrameWnd* pFrame, SECPersistentTreeNode* pNode);
    virtual SECPersistentTreeNode* WriteAdditionalView(CDocument* pDoc, CView* pView, CFrameWnd* pFrame,
                                                       SECPTNFactory& factory,
                                                       SECPersistentTreeNode* pFrameNode, int nIndex);
    virtual BOOL ReadMainFrame(SECPersistentTreeNode* pFrames);
    virtual BOOL WriteMainFrame(SECPTNFactory& factory, SECPersistentTreeNode* pFrames);
    virtual BOOL ReadChildFrames(SECPersistentTreeNode* pFrames, CFrameWnd*& pActiveFrame);
    virtual BOOL WriteChildFrames(SECPTNFactory& factory, SECPersistentTreeNode* pFrames,
                                  CFrameWnd* pActiveChild);
    virtual BOOL ReadViewFrame(SECPersistentTreeNode* pNode, CDocument*& pDoc, CFrameWnd*& pPreviousFrame,
                               CFrameWnd*& pActiveFrame);
    virtual SECPersistentTreeNode* WriteViewFrame(CDocument* pDoc, CView* pView, CFrameWnd* pFrame,
                                                  CFrameWnd* pActiveChild, SECPTNFactory& factory,
                                                  SECPersistentTreeNode* pDocNode, int nIndex);
    virtual BOOL WriteDockedViewBarID(CFrameWnd* pFrame, SECPersistentTreeNode* pNode);
    virtual BOOL WriteDockedViewFloating(CWnd* pBar, SECPersistentTreeNode* pNode);
    virtual void PrepareDocumentForSave(CFrameWnd* pFrame, CDocument* pDoc);
    // The frame of the opened document's first view, NULL when it could not be opened.
    virtual CFrameWnd* OpenDocument(CDocTemplate* pTemplate, const CString& strPathName, CDocument*& pDoc);
    // The document opened as a docked view when the node names a bar, else NULL.
    virtual CDocument* ReadDockedViewBarID(SECPersistentTreeNode* pNode, CDocTemplate* pTemplate,
                                           const CString& strPathName);
    virtual BOOL ReadDockedViewFloating(CFrameWnd* pFrame, SECPersistentTreeNode* pNode, CDocument* pDoc);
    virtual BOOL ReadDockedViewFloatingForNewDocument(SECPersistentTreeNode* pNode, CDocument* pDoc);
    virtual CFrameWnd* CreateFrameForDocument(CDocTemplate* pTemplate, CDocument* pDoc,
                                              CFrameWnd* pPreviousFrame);
    virtual CFrameWnd* ReadDockedViewForDocument(SECPersistentTreeNode* pNode, CDocTemplate* pTemplate,
                                                 CDocument* pDoc, CFrameWnd* pPreviousFrame);
    virtual void ActivateChild(CFrameWnd* pFrame);
    virtual BOOL ReadWorkspaceList(CStringArray& names);
    virtual CString GetListName() const;
    virtual BOOL WriteWorkspaceList(const CStringArray& names);
    virtual void AddToWorkspaceList(const CString& strName, CStringArray& names);
    virtual BOOL RemoveFromWorkspaceList(const CString& strName);
    virtual BOOL ChooseWorkspaceName(CString& strName, BOOL bForOpen, BOOL bForSave);
    virtual BOOL ApplyWorkspaceEdits(const CStringArray& oldNames, CStringArray& newNames,
                                     const CStringArray& deletedNames);
    virtual BOOL ChooseWorkspaceFile(CString& strName, BOOL bForSave);

    // Operations
    // The frames' set-up of a workspace plug-in: an object of pClass (a window plug-in), given
    // the registry information below HKEY_CURRENT_USER when it is a workspace manager, plugged
    // into pHost. NULL for a NULL class or when plugging in fails (nothing left over).
    static tessaron::foundation::SECWndPlugIn* CreatePlugIn(CRuntimeClass* pClass, CWnd* pHost,
                                                            LPCTSTR lpszBaseKey, int nMode,
                                                            BOOL bListInAppSection);
    // Names become keys below the base key: an empty name or one with "\" is refused.
    static BOOL IsValidRegistryName(const CString& strName);

    // Attributes
    CFrameWnd* GetFrame() const
    {
        return m_pFrame;
    }
    const CString& GetCurrentWorkspace() const
    {
        return m_strCurrent;
    }
    BOOL IsWorkspaceLoaded() const
    {
        return m_bLoaded;
    }
    int GetStorageMode() const
    {
        return m_nStorageMode;
    }
    const CString& GetRegistryBaseKey() const
    {
        return m_strBaseKey;
    }

    CFrameWnd* m_pFrame;
    CString m_strCurrent;
    BOOL m_bLoaded;
    CString m_strFileFilter;
    CString m_strBaseKey; // always ends in "\"
    HKEY m_hRoot;
    int m_nStorageMode;
    BOOL m_bListInAppSection;
    int m_nActiveChildShowCmd;
    UINT m_nRecentLimit;

    // Implementation
  protected:
    // The tree read from storage, or NULL (the factory owns it). bOldVersion tells which root.
    SECPersistentTreeNode* ReadTree(SECPTNFactory& factory, const CString& strName, BOOL& bOldVersion);
    // Writes the tree so that what was stored under the name stays until the new one is whole.
    BOOL StoreTree(SECPersistentTreeNode* pRoot, const CString& strName);
    // The main frame's placement with the application's show command, never hidden.
    void ShowFrameNormally();
    void RememberWorkspace(const CString& strName);
    void ShowMessage(UINT nIDPrompt, LPCTSTR lpszArg = NULL);

    afx_msg void OnNoAction();
    afx_msg void OnOpen();
    afx_msg void OnSave();
    afx_msg void OnCloseCommand();
    afx_msg void OnSaveAs();
    afx_msg BOOL OnRecent(UINT nID);
    afx_msg void OnUpdateNoAction(CCmdUI* pCmdUI);
    afx_msg void OnUpdateClose(CCmdUI* pCmdUI);
    afx_msg void OnUpdateRecent(CCmdUI* pCmdUI);
    DECLARE_MESSAGE_MAP()

    BOOL m_bOldVersionTree; // the tree being read has the older root
};
