// SECMultiDocTemplate: a document template whose frames are either MDI children or dockable
// frames inside a control bar docked at an edge of the main frame. It makes either kind, turns
// one into the other by moving the views across, and keeps a caption style for each kind.
// Registered with and owned by the application like any template.
#pragma once
#include "afxwin.h"
#include "mfc/MultiDocTemplate.h"
#include "uilib/frames/mdi/DockPlacement.h"

class COleClientItem;

// What a view may implement to hear of its frame changing form.
class ISECVwDockFeedBack
{
  public:
    virtual ~ISECVwDockFeedBack() = default;
    virtual void OnBeforeDock(CFrameWnd* pOldFrame, CFrameWnd* pNewFrame) = 0;
    virtual void OnAfterDock(CFrameWnd* pNewFrame) = 0;
    virtual void OnBeforeFloat(CFrameWnd* pOldFrame, CFrameWnd* pNewFrame) = 0;
    virtual void OnAfterFloat(CFrameWnd* pNewFrame) = 0;
};

class SECMultiDocTemplate : public CMultiDocTemplate
{
    DECLARE_DYNAMIC(SECMultiDocTemplate)

  public:
    // Caption style bits (for MDI children and dockable frames alike).
    enum
    {
        captionSysCommandEx = 0x1,  // the extended commands at all
        captionNoButtons = 0x2,     // no extra caption button
        captionNoRDblClk = 0x4,     // no right double-click on the caption
        captionNoContextMenu = 0x8, // no state menu on the caption
        captionDefault = 0x7
    };
    // Docking states of a frame (GetDockingState).
    enum
    {
        stateNone = -1,
        stateTop = 0,
        stateLeft = 1,
        stateBottom = 2,
        stateRight = 3,
        stateFloating = 4
    };

    // Construction
    SECMultiDocTemplate(UINT nIDResource, CRuntimeClass* pDocClass, CRuntimeClass* pFrameClass,
                        CRuntimeClass* pViewClass, UINT nIDDockableResource = 0,
                        CRuntimeClass* pDockableFrameClass = NULL, CRuntimeClass* pFrameBarClass = NULL,
                        DWORD dwCaptionStyle = (DWORD)-1);
    ~SECMultiDocTemplate() override;
    void LoadTemplate() override;
    CFrameWnd* CreateNewFrame(CDocument* pDoc, CFrameWnd* pOther) override;

    // Overridables, in this order
    virtual CFrameWnd* CreateNewFrameEx(CDocument* pDoc, CFrameWnd* pOther, BOOL bDocked, UINT nDockBarID);
    virtual CDocument* OpenDocumentFileEx(LPCTSTR lpszPathName, BOOL bMakeVisible, BOOL bDocked, UINT nID);
    virtual CFrameWnd* ToggleDocking(CFrameWnd* pFrame);
    // nDockBarID 0 and NULL records: the main frame's next dock position.
    virtual CFrameWnd* CreateDockedFrame(CDocument* pDoc, CFrameWnd* pOther, UINT nDockBarID,
                                         const SECDockBarPosition* pPos, const SECDockSizeRecord* pSize);
    virtual BOOL IsDockableFrame(CWnd* pWnd);
    virtual int GetDockingState(CFrameWnd* pFrame);
    virtual CFrameWnd* DockFrameEx(CFrameWnd* pFrame, UINT nDockBarID, const SECDockBarPosition* pPos,
                                   const SECDockSizeRecord* pSize);
    virtual CFrameWnd* DockFrame(CFrameWnd* pFrame);
    virtual CFrameWnd* FloatFrameAsMDIChild(CFrameWnd* pFrame);
    virtual void MoveViews(CWnd* pFrom, CWnd* pTo);
    virtual BOOL ActivateNewFrame(CFrameWnd* pFrame);
    virtual void ApplyCaptionStyle(CFrameWnd* pFrame, DWORD dwStyle);
    virtual void EnableCaptionButtons(BOOL bEnable, BOOL bApply = TRUE);
    virtual void EnableCaptionRDblClk(BOOL bEnable, BOOL bApply = TRUE);
    virtual void EnableCaptionContextMenu(BOOL bEnable, BOOL bApply = TRUE);
    virtual BOOL HasCaptionButtons() const;
    virtual BOOL HasCaptionRDblClk() const;
    virtual BOOL HasCaptionContextMenu() const;
    virtual void ModifyCaptionStyle(DWORD dwRemove, DWORD dwAdd, BOOL bApply = TRUE);
    virtual void ReapplyCaptionStyles();
    virtual ISECVwDockFeedBack* GetDockFeedback(CView* pView);
    virtual void DestroyOldFrame(CFrameWnd* pFrame);

    // Operations
    // Frames listed here are hidden instead of destroyed while bKeep is on.
    void KeepHiddenFrames(BOOL bKeep)
    {
        m_bKeepHiddenFrames = bKeep;
    }
    void AddKeptFrame(HWND hWnd)
    {
        m_listKeptFrames.AddTail(hWnd);
    }
    // Library-wide: a frame that receives a view with a client edge loses its own, so the view
    // is not framed twice. Off unless set.
    static void SetRemoveFrameClientEdge(BOOL bRemove)
    {
        s_bRemoveFrameClientEdge = bRemove;
    }
    static BOOL GetRemoveFrameClientEdge()
    {
        return s_bRemoveFrameClientEdge;
    }

    // Attributes
    CRuntimeClass* m_pDockableFrameClass;
    CRuntimeClass* m_pFrameBarClass;
    BOOL m_bOpenDocked;
    UINT m_nIDDockableResource;
    COleClientItem* m_pPendingOleItem; // deactivated while the frames change, activated again after
    DWORD m_dwMDICaptionStyle;
    DWORD m_dwDockableCaptionStyle;
    UINT m_nRequestedID; // dock-bar id (59419..59422) or a bar id to use when free
    BOOL m_bKeepHiddenFrames;
    CList<HWND, HWND> m_listKeptFrames;
    HMENU m_hMenuDockable;
    HACCEL m_hAccelDockable;
    static BOOL s_bRemoveFrameClientEdge;

    // Implementation
  protected:
    // The common steps of docking and undocking: pfnCreate makes the new frame, without views.
    CFrameWnd* ConvertFrame(CFrameWnd* pFrame, BOOL bToDocked, UINT nDockBarID,
                            const SECDockBarPosition* pPos, const SECDockSizeRecord* pSize);
};
