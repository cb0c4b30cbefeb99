// SECReBar: a rebar control laid out along a side of the frame like any control bar. Other
// windows (a menu bar, toolbars) live in its bands as children of the rebar window.
#pragma once
#include "afxwin.h"
#include "afxcmn.h"

class SECReBar : public CControlBar
{
    DECLARE_DYNAMIC(SECReBar)

  public:
    SECReBar();
    ~SECReBar() override;
    BOOL Create(CWnd* pParentWnd, DWORD dwCtrlStyle = RBS_BANDBORDERS,
                DWORD dwStyle = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN | CBRS_TOP,
                UINT nID = AFX_IDW_REBAR);

    // Puts the window into a new band at the end, made a child of the rebar and sized to the
    // window's current size (a control bar's horizontal fixed size).
    BOOL AddBar(CWnd* pBar, LPCTSTR lpszText = NULL, DWORD dwBandStyle = RBBS_GRIPPERALWAYS);
    // Index of the band whose child is the window, -1 when none.
    int FindBand(CWnd* pBar) const;
    int GetBandCount() const;
    // Gives the band of a window that was taken out (floated, re-parented) its window back.
    BOOL ReturnBar(CWnd* pBar);

    // Overridables
    CSize CalcFixedLayout(BOOL bStretch, BOOL bHorz) override;
    void OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler) override;

  protected:
    static CSize BandChildSize(CWnd* pBar);
    void UpdateBandHeights();
    afx_msg BOOL OnHeightChange(NMHDR* pNMHDR, LRESULT* pResult);
    DECLARE_MESSAGE_MAP()
};
