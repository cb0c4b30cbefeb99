// SECBitmapButton: a self-drawn push button with a bitmap beside, above, below or instead of its
// caption. The bitmap is loaded with the system-colour mapping and loaded again when the system
// colours change; the button owns it.
#pragma once
#include "uilib/common/OwnerDrawButton.h"

namespace tessaron
{
namespace foundation
{

class SECBitmapButton : public SECOwnerDrawButton
{
    DECLARE_DYNAMIC(SECBitmapButton)

  public:
    // Where the image goes relative to the caption.
    enum Placement
    {
        imageLeft = 0,
        imageRight = 1,
        imageAbove = 2,
        imageBelow = 3,
        imageOnly = 4,
    };

    // Library-wide default margins of bitmap buttons.
    enum
    {
        defaultMarginX = 5,
        defaultMarginY = 5
    };

    // Construction
    SECBitmapButton();
    ~SECBitmapButton() override;
    using SECOwnerDrawButton::Create;
    // Subclasses control nID of pParent with the bitmap resource; FALSE (nothing subclassed)
    // when the bitmap cannot be loaded or the control is missing.
    virtual BOOL Attach(UINT nID, UINT nPlacement, UINT nBitmapID, CWnd* pParent, DWORD dwExtra = 0);
    virtual BOOL Attach(UINT nID, UINT nPlacement, LPCTSTR lpszBitmap, CWnd* pParent, DWORD dwExtra = 0);
    virtual BOOL Create(LPCTSTR lpszText, DWORD dwStyle, UINT nPlacement, UINT nBitmapID, const RECT& rect,
                        CWnd* pParent, UINT nID, DWORD dwExtra = 0);
    virtual BOOL Create(LPCTSTR lpszText, DWORD dwStyle, UINT nPlacement, LPCTSTR lpszBitmap,
                        const RECT& rect, CWnd* pParent, UINT nID, DWORD dwExtra = 0);

    // Operations
    // Places the image and text rectangles in the client area.
    virtual void CalcLayout();
    // On failure the previous bitmap is loaded again and FALSE returned.
    BOOL SetBitmap(UINT nBitmapID);
    void SetMargins(int x, int y);
    CSize GetMargins() const
    {
        return CSize(m_nMarginX, m_nMarginY);
    }
    // Resizes the window to its caption and image plus the margins.
    void SizeToContent();

    // Attributes
    UINT GetPlacement() const
    {
        return m_nPlacement;
    }
    const CRect& GetImageRect() const
    {
        return m_rectImage;
    }
    const CRect& GetTextRect() const
    {
        return m_rectText;
    }
    CBitmap& GetBitmap()
    {
        return m_bitmap;
    }

    // Overridables
    void DrawContent(CDC* pDC, LPDRAWITEMSTRUCT lpDIS, RECT* pInterior) override;
    void DrawFocusRect(CDC* pDC, RECT* pRect) override;

    // Implementation
  protected:
    BOOL LoadBitmapResource(LPCTSTR lpszBitmap);
    LPCTSTR GetBitmapName() const;
    CSize GetBitmapSize();
    CFont* GetTextFont();

    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnSysColorChange();
    afx_msg void OnDestroy();
    DECLARE_MESSAGE_MAP()

    UINT m_nBitmapID;        // the bitmap's resource id; 0 when it has a name
    CString m_strBitmapName; // the bitmap's resource name when it has no id
    CBitmap m_bitmap;
    int m_nMarginX;
    int m_nMarginY;
    CRect m_rectImage;
    CRect m_rectText;
    UINT m_nPlacement;
};

} // namespace foundation
} // namespace tessaron
