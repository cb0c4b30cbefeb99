// SECToolBar: the library's control bar on the common toolbar control. Its buttons, images,
// layout, wrapping, command updates and tool tips follow the layer's toolbar rules
// (CToolBarLayout); the bar adds the library's gripper, flat borders, saved sizes and docking
// commands. The creator owns it.
#pragma once
#include "uilib/bars/ControlBar.h"
#include "mfc/ToolBar.h"

// Updates one button of a SECToolBar: the layer's toolbar command UI, which works on the bar's
// control.
typedef CToolCmdUI SECToolCmdUI;

class SECToolBar : public SECControlBar
{
    DECLARE_DYNAMIC(SECToolBar)

  public:
    // Construction
    SECToolBar();
    ~SECToolBar() override;
    BOOL Create(CWnd* pParentWnd, LPCTSTR lpszWindowName, DWORD dwStyle = WS_CHILD | WS_VISIBLE | CBRS_TOP,
                DWORD dwExBarStyle = 0, UINT nID = AFX_IDW_TOOLBAR, CCreateContext* pContext = NULL) override;
    virtual BOOL CreateEx(CWnd* pParentWnd, DWORD dwCtrlStyle = TBSTYLE_FLAT,
                          DWORD dwStyle = WS_CHILD | WS_VISIBLE | CBRS_ALIGN_TOP,
                          const RECT& rcBorders = CRect(0, 0, 0, 0), UINT nID = AFX_IDW_TOOLBAR);
    void SetSizes(SIZE sizeButton, SIZE sizeImage);
    void SetSizes(int cxButton, int cyButton, int cxImage, int cyImage)
    {
        SetSizes(CSize(cxButton, cyButton), CSize(cxImage, cyImage));
    }
    BOOL LoadBitmap(LPCTSTR lpszResourceName);
    BOOL LoadBitmap(UINT nIDResource)
    {
        return LoadBitmap(MAKEINTRESOURCE(nIDResource));
    }
    BOOL SetBitmap(HBITMAP hbmImageWell);
    // A bitmap of nCount images (the image width follows from its width).
    BOOL AddBitmap(int nCount, HBITMAP hbmImageWell);
    BOOL SetButtons(const UINT* lpIDArray, int nIDCount);
    void SetOwner(CWnd* pOwnerWnd);

    // Attributes
    int CommandToIndex(UINT nIDFind) const;
    UINT GetItemID(int nIndex) const;
    virtual void GetItemRect(int nIndex, LPRECT lpRect) const;
    UINT GetButtonStyle(int nIndex) const
    {
        return CToolBarLayout::GetButtonStyle(m_hWnd, nIndex);
    }
    void SetButtonStyle(int nIndex, UINT nStyle)
    {
        CToolBarLayout::SetButtonStyle(m_hWnd, nIndex, nStyle);
    }
    void GetButtonInfo(int nIndex, UINT& nID, UINT& nStyle, int& iImage) const;
    void SetButtonInfo(int nIndex, UINT nID, UINT nStyle, int iImage);
    int GetCount() const
    {
        return (int)const_cast<SECToolBar*>(this)->DefWindowProc(TB_BUTTONCOUNT, 0, 0);
    }

    // Overrides
    CSize CalcFixedLayout(BOOL bStretch, BOOL bHorz) override;
    CSize CalcDynamicLayout(int nLength, DWORD dwMode) override;
    INT_PTR OnToolHitTest(CPoint point, TOOLINFO* pTI) const override;
    void OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler) override;
    void OnBarStyleChange(DWORD dwOldStyle, DWORD dwNewStyle) override;

    // Implementation
    HBITMAP m_hbmImageWell;
    HINSTANCE m_hInstImageWell;
    LPCTSTR m_lpszResourceName; // kept to reload the images with new system colours
    CString m_strResourceName;  // a string name's own copy: the caller's may not live that long
    BOOL m_bDelayedButtonLayout;
    BOOL m_bPendingFloat, m_bPendingHorz, m_bPendingVert;
    CSize m_sizeImage;
    CSize m_sizeButton;
    void* m_pStringMap;

  protected:
    CToolBarLayout Layout()
    {
        return CToolBarLayout(this, m_hWnd, m_sizeButton);
    }
    BOOL AddReplaceBitmap(HBITMAP hbmImageWell);
    // Default handling with the flat and transparent styles on for the newer controls, which
    // measure their buttons by them.
    LRESULT DefaultAsFlat();

    afx_msg BOOL OnNcCreate(LPCREATESTRUCT lpcs);
    afx_msg void OnNcPaint();
    afx_msg void OnNcCalcSize(BOOL bCalcValidRects, NCCALCSIZE_PARAMS* lpncsp);
    afx_msg void OnPaint();
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg void OnSysColorChange();
    afx_msg void OnWindowPosChanging(WINDOWPOS* lpWndPos);
    afx_msg LRESULT OnSetButtonSize(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnSetBitmapSize(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnSettingChange(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnSetFont(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()
};
