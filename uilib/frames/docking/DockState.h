// SECDockState: where every bar of a library frame is (dock bar and row, floating place,
// visibility, sizes and shares), collected from the frame and applied to it, kept in the
// application profile or an archive. Applying re-creates bars the frame lacks through the
// control-bar manager or by their saved class name. Owns its records (SECControlBarInfo).
#pragma once
#include "afxwin.h"
#include "mfc/DockState.h"

class SECControlBar;
class SECControlBarInfo;
class SECControlBarManager;
class SECPersistentTreeNode;
class SECPTNFactory;

class SECDockState : public CDockState
{
    DECLARE_DYNCREATE(SECDockState)

  public:
    // Construction
    explicit SECDockState(SECControlBarManager* pManager = NULL);
    ~SECDockState() override;

    // Overridables, in this order
    void Serialize(CArchive& ar) override;
    // Writes the node "DockState" under pParent: "Bars", "ScreenCX", "ScreenCY" and a child
    // "Bar-<n>" per saved bar. FALSE without a factory or parent.
    virtual BOOL SaveStateToTree(SECPTNFactory* pFactory, SECPersistentTreeNode* pParent);
    virtual void SaveStateToProfile(LPCTSTR lpszProfileName);
    // Reads pParent's node "DockState"; FALSE when there is none.
    virtual BOOL LoadStateFromTree(SECPersistentTreeNode* pParent);
    // Reads "<profile>-Summary" and the bar sections; stops at the first missing bar section.
    virtual void LoadStateFromProfile(LPCTSTR lpszProfileName);
    virtual BOOL CollectFrameState(CFrameWnd* pFrame);
    virtual BOOL ApplyToFrame(CFrameWnd* pFrame);
    virtual SECControlBarInfo* CreateBarInfo(SECControlBarManager* pManager);
    virtual void CreateBars(CFrameWnd* pFrame, BOOL bMDI);
    virtual void PositionFloatingFrames();
    virtual void RestoreMDIChildPlacements();
    // NULL for an unknown class, one without a creation function, or one that is no bar.
    virtual CControlBar* CreateBarByClassName(LPCTSTR lpszClassName, CFrameWnd* pFrame,
                                              SECControlBarInfo* pInfo);
    virtual CRuntimeClass* FindRuntimeClass(LPCTSTR lpszClassName);

    // Operations
    // Drops placeholders that point at a dock bar other than the bar's own, doubled ids and
    // trailing row ends; each non-empty id list then ends in exactly one 0.
    void RemoveStaleBarEntries();
    // Bars in a floating frame that hosts a document frame are the frame bar's business.
    static BOOL PASCAL IsFrameBarInFloatingFrame(CControlBar* pBar);
    int GetBarInfoCount() const
    {
        return (int)m_arrBarInfo.GetSize();
    }
    SECControlBarInfo* GetBarInfo(int nIndex) const
    {
        return (SECControlBarInfo*)m_arrBarInfo[nIndex];
    }

    // Attributes
    SECControlBarManager* m_pManager; // not owned
    CPtrList* m_pDynamicBars;         // where re-created bars go; not owned

    // Implementation
  protected:
    void TakeManagerFrom(CFrameWnd* pFrame);
};
