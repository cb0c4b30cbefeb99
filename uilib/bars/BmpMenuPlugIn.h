// SECBmpMenuPlugIn: a window plug-in that gives a frame's popup menus the toolbar images of their
// commands. It turns a popup's plain text items into owner-drawn items when the popup opens,
// measures and draws them, answers their mnemonics, and turns them back into text items when it
// goes. The frame that plugs it in owns it; the images come from an SECBmpMgr it shares. A message
// it served leaves m_bMsgConsumed set, so the host does not process it again.
#pragma once
#include "afxwin.h"
#include "afxtempl.h"
#include "uilib/frames/plugins/WndPlugIn.h"

class SECBmpMgr;

// The record a converted item carries as its item data.
class SECBmpMenuItemInfo : public CObject
{
    DECLARE_DYNAMIC(SECBmpMenuItemInfo)

  public:
    SECBmpMenuItemInfo(UINT nID, LPCTSTR lpszText);

    UINT m_nID;
    CString m_strText; // with any "\t" accelerator part
    BYTE m_cMnemonic;  // upper-cased character after the first "&", 0 when none
};

class SECBmpMenuPlugIn : public tessaron::foundation::SECWndPlugIn
{
    DECLARE_DYNAMIC(SECBmpMenuPlugIn)

  public:
    // The converted items of one popup menu.
    struct SECBmpMenuInfo
    {
        HMENU m_hMenu;
        CTypedPtrList<CObList, SECBmpMenuItemInfo*> m_items; // owned
    };

    // Construction
    // With bReplaceCheck the framework's radio dot and the check mark are the library's own.
    explicit SECBmpMenuPlugIn(BOOL bReplaceCheck = FALSE);
    ~SECBmpMenuPlugIn() override;
    SECBmpMenuPlugIn(const SECBmpMenuPlugIn&) = delete;
    SECBmpMenuPlugIn& operator=(const SECBmpMenuPlugIn&) = delete;

    // Operations
    BOOL AddToolBarImages(UINT nResourceID);
    void SetBitmapManager(SECBmpMgr* pMgr);
    SECBmpMgr* GetBitmapManager() const
    {
        return m_pBmpMgr;
    }
    void ExcludeCommand(UINT nID);
    BOOL IsExcluded(UINT nID) const;
    void InitMenuPopup(HMENU hMenu, UINT nIndex, BOOL bSysMenu);
    // The record of a converted item of a menu this plug-in knows, or NULL.
    SECBmpMenuItemInfo* FindRecord(HMENU hMenu, ULONG_PTR dwItemData) const;

    // Overridables
    // Drops menus that are gone and records whose items are gone; with bRemeasure every converted
    // item is made a text item and owner-drawn again, so that the system measures it anew.
    virtual void PurgeMenus(BOOL bRemeasure = FALSE);
    virtual BOOL CreateMenuFont();
    virtual BOOL CreateBoldMenuFont();
    // A monochrome mask of one image: 0 where the image shows the button face or highlight.
    virtual HBITMAP CreateImageMask(HBITMAP hbmImages, int nImage, CSize size);
    virtual void DrawCheckedImage(CDC* pDC, CPoint pt, HBITMAP hbmImages, int nImage, CSize size);
    virtual void DrawDisabledImage(CDC* pDC, CPoint pt, HBITMAP hbmImages, int nImage, CSize size);
    virtual void DrawItemImage(CDC* pDC, const LPDRAWITEMSTRUCT lpDIS, const CRect& rectColumn, int nImage);

    // Implementation
  protected:
    SECBmpMenuInfo* FindMenu(HMENU hMenu) const;
    SECBmpMenuItemInfo* FindAnyRecord(ULONG_PTR dwItemData) const;
    CFont* GetItemFont(BOOL bDefault);
    static void ReadSysColors();
    static void SetItemOwnerDrawn(HMENU hMenu, UINT nPos, SECBmpMenuItemInfo* pRecord);
    static void SetItemString(HMENU hMenu, UINT nPos, const SECBmpMenuItemInfo* pRecord);
    // The position of the item of hMenu that carries pRecord, -1 when none does.
    static int FindItemOf(HMENU hMenu, const SECBmpMenuItemInfo* pRecord);

    afx_msg LRESULT OnMeasureItemMsg(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnDrawItemMsg(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnMenuCharMsg(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnInitMenuPopupMsg(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnIdleUpdateCmdUIMsg(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnSettingChangeMsg(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnSysColorChangeMsg(WPARAM wParam, LPARAM lParam);

    CMap<HMENU, HMENU, SECBmpMenuInfo*, SECBmpMenuInfo*> m_menus;
    CMap<UINT, UINT, UINT, UINT> m_excluded;
    BOOL m_bReplaceCheck;
    SECBmpMgr* m_pBmpMgr; // reference counted
    CFont m_fontMenu;
    CFont m_fontMenuBold;
    CBrush m_brushPattern;

    // The colours of all plug-ins, read at construction and on a colour change.
    enum SysColor
    {
        clrBtnFace,
        clrBtnHilite,
        clrBtnHilite2,
        clrBtnShadow,
        clrHighlight,
        clrMenu,
        clrGrayText,
        clrHighlightText,
        clrMenuText,
        clrCount
    };
    static COLORREF s_colors[clrCount];

    DECLARE_MESSAGE_MAP()
};
