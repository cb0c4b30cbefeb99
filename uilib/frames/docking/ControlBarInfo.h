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

class SECControlBarInfo : public CControlBarInfo
{
  public:
    // Construction
    SECControlBarInfo();
    ~SECControlBarInfo() override;

    // Overridables, in this order (the tree form comes with the persistent state tree)
    // Reads "<profile>-Bar<index>"; the result of MFC's part (FALSE: no such bar).
    virtual BOOL LoadStateFromProfile(LPCTSTR lpszProfileName, int nIndex, SECDockState* pDockState);
    // Writes it; FALSE when MFC's part declines the bar (nothing of the library is written then).
    virtual BOOL SaveStateToProfile(LPCTSTR lpszProfileName, int nIndex);

    // Operations
    void Serialize(CArchive& ar, SECDockState* pDockState);

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
