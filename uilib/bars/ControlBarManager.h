// SECControlBarManager: the frame's control-bar manager, set on the frame by the application.
// The base makes no extension records and no bars and keeps no state of its own; the toolbar
// manager derives from it.
#pragma once
#include "afxwin.h"

class SECControlBar;
class SECControlBarInfo;
class SECControlBarInfoEx;
class SECPersistentTreeNode;
class SECPTNFactory;

class SECControlBarManager : public CCmdTarget
{
    DECLARE_DYNAMIC(SECControlBarManager)

  public:
    // Construction
    explicit SECControlBarManager(CFrameWnd* pFrame = NULL) : m_pFrame(pFrame)
    {
    }
    ~SECControlBarManager() override = default;

    // Overridables, in this order
    virtual CFrameWnd* GetFrame() const
    {
        return m_pFrame;
    }
    // Reads the manager's node under pNode of a state tree; TRUE here when a node is given.
    virtual BOOL LoadState(SECPersistentTreeNode* pNode);
    // Reads the manager's profile section "<prefix>-..."; FALSE here.
    virtual BOOL LoadState(LPCTSTR lpszProfileName);
    // Writes the manager's node under pNode, made through pFactory; TRUE here when a node is given.
    virtual BOOL SaveState(SECPTNFactory* pFactory, SECPersistentTreeNode* pNode);
    // Writes the manager's profile section; FALSE here.
    virtual BOOL SaveState(LPCTSTR lpszProfileName);
    // The type id saved with a bar; 0 here.
    virtual DWORD GetBarTypeID(SECControlBar* pBar);
    // The extension record for a bar's saved record; NULL here.
    virtual SECControlBarInfoEx* CreateBarInfo(SECControlBarInfo* pInfo);
    // A bar that a saved record names and the frame lacks; NULL here.
    virtual SECControlBar* CreateBar(SECControlBarInfo* pInfo);

    // Attributes
    CFrameWnd* m_pFrame;
};
