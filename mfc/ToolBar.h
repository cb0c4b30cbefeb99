// CToolBar: a control bar on the common toolbar control: buttons with command ids and images,
// laid out and updated by the rules of CToolBarLayout. The creator owns it.
//
// Differences from MFC:
// - No button texts (SetButtonText, SetHeight) and no controls placed on separators.
// - LoadToolBar is left out; the program sets buttons with SetButtons and images with SetBitmap
//   or LoadBitmap.
#pragma once
#include "ControlBar.h"
#include "ToolBarLayout.h"

class CToolBar : public CControlBar
{
    DECLARE_DYNAMIC(CToolBar)

  public:
    // Construction
    CToolBar();
    ~CToolBar() override;
    BOOL Create(CWnd* pParentWnd, DWORD dwStyle = WS_CHILD | WS_VISIBLE | CBRS_TOP,
                UINT nID = AFX_IDW_TOOLBAR);
    BOOL CreateEx(CWnd* pParentWnd, DWORD dwCtrlStyle = TBSTYLE_FLAT,
                  DWORD dwStyle = WS_CHILD | WS_VISIBLE | CBRS_ALIGN_TOP, CRect rcBorders = CRect(0, 0, 0, 0),
                  UINT nID = AFX_IDW_TOOLBAR);
    void SetSizes(SIZE sizeButton, SIZE sizeImage);
    BOOL LoadBitmap(LPCTSTR lpszResourceName);
    BOOL LoadBitmap(UINT nIDResource)
    {
        return LoadBitmap(MAKEINTRESOURCE(nIDResource));
    }
    BOOL SetBitmap(HBITMAP hbmImageWell);
    BOOL SetButtons(const UINT* lpIDArray, int nIDCount);

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
        return (int)::SendMessage(m_hWnd, TB_BUTTONCOUNT, 0, 0);
    }
    void SetOwner(CWnd* pOwnerWnd);

    // Overrides
    CSize CalcFixedLayout(BOOL bStretch, BOOL bHorz) override;
    CSize CalcDynamicLayout(int nLength, DWORD dwMode) override;
    INT_PTR OnToolHitTest(CPoint point, TOOLINFO* pTI) const override;
    void OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler) override;
    void OnBarStyleChange(DWORD dwOldStyle, DWORD dwNewStyle) override;

    // Implementation
    HBITMAP m_hbmImageWell;
    HINSTANCE m_hInstImageWell;
    HRSRC m_hRsrcImageWell;
    CSize m_sizeButton;
    CSize m_sizeImage;

    BOOL AddReplaceBitmap(HBITMAP hbmImageWell);
    CToolBarLayout Layout()
    {
        return CToolBarLayout(this, m_hWnd, m_sizeButton);
    }

    afx_msg BOOL OnNcCreate(LPCREATESTRUCT lpcs);
    afx_msg void OnNcPaint();
    afx_msg void OnNcCalcSize(BOOL bCalcValidRects, NCCALCSIZE_PARAMS* lpncsp);
    afx_msg void OnSysColorChange();
    afx_msg LRESULT OnSetButtonSize(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnSetBitmapSize(WPARAM wParam, LPARAM lParam);

  protected:
    DECLARE_MESSAGE_MAP()
};

// Updates one toolbar button: disabled, checked or indeterminate.
class CToolCmdUI : public CCmdUI
{
  public:
    void Enable(BOOL bOn = TRUE) override;
    void SetCheck(int nCheck = 1) override;
    void SetText(LPCTSTR) override
    {
    }
};

// A bitmap resource with the standard button colours (black, grey, light grey, white) replaced by
// the current system colours; NULL when the resource is not a bitmap of at most 256 colours.
HBITMAP AFXAPI AfxLoadSysColorBitmap(HINSTANCE hInst, HRSRC hRsrc, BOOL bMono = FALSE);
