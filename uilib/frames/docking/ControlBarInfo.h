// SECControlBarInfo: the saved record of one of the library's bars or dock bars: MFC's record
// followed by the remembered sizes, styles, row share, floating-as-MDI-child state, the names a
// missing bar is re-created from, and the manager's extension record (owned). An SECDockState
// owns its records.
#pragma once
#include "afxwin.h"
#include "mfc/ControlBarInfo.h"

class SECControlBarInfoEx;
class SECControlBarManager;
class SECDockState;
class SECPersistentTreeNode;
class SECPTNFactory;

class SECControlBarInfo : public CControlBarInfo
{
  public:
    // Construction
    SECControlBarInfo();
    ~SECControlBarInfo() override;

    // Overridables, in this order
    // Reads the bar's node "Bar-<n>" of a state tree, missing values as the profile reader.
    virtual void LoadStateFromTree(SECPersistentTreeNode* pNode, SECDockState* pDockState);
    // Reads "<profile>-Bar<index>"; the result of MFC's part (FALSE: no such bar).
    virtual BOOL LoadStateFromProfile(LPCTSTR lpszProfileName, int nIndex, SECDockState* pDockState);
    // Writes the node "Bar-<index>" under pParent; FALSE (nothing written) for a bar MFC's
    // profile writer declines.
    virtual BOOL SaveStateToTree(SECPTNFactory* pFactory, SECPersistentTreeNode* pParent, int nIndex);
    // Writes it; FALSE when MFC's part declines the bar (nothing of the library is written then).
    virtual BOOL SaveStateToProfile(LPCTSTR lpszProfileName, int nIndex);
    virtual void LoadBaseFromTree(SECPersistentTreeNode* pNode, SECDockState* pDockState);
    virtual void LoadExtraFromTree(SECPersistentTreeNode* pNode, SECDockState* pDockState);
    virtual void SaveBaseToTree(SECPTNFactory* pFactory, SECPersistentTreeNode* pNode);
    virtual void SaveExtraToTree(SECPTNFactory* pFactory, SECPersistentTreeNode* pNode);

    // Operations
    void Serialize(CArchive& ar, SECDockState* pDockState);
    // MFC's profile writer leaves out a dock bar showing what a new frame shows.
    BOOL IsDeclined() const;

    // The share as saved: millionths, truncated ("333333" for 0.333333).
    static CString FormatPctWidth(float fPctWidth);
    static float ParsePctWidth(LPCTSTR lpszText);

    // Attributes
    CSize m_szMRUHorzDock;
    CSize m_szInMemory; // kept in memory only
    CSize m_szMRUVertDock;
    CSize m_szMRUFloat;
    DWORD m_dwMRUDockingState;
    DWORD m_dwDockingStyle;
    float m_fPctWidth;
    DWORD m_dwStyle;
    DWORD m_dwExStyle;
    BOOL m_bPrevFloating;
    BOOL m_bMDIChild;
    WINDOWPLACEMENT m_wpMDIChild;
    CString m_strClassName;
    CString m_strWindowName;
    DWORD m_dwResourceID;
    SECControlBarInfoEx* m_pInfoEx; // owned
    DWORD m_dwTypeID;
    SECControlBarManager* m_pManager;
};
