// SECStdBtn: one button of a self-drawn toolbar. It knows its command, style, place and size,
// draws itself through the toolbar's shared drawing context, follows the mouse while pressed,
// gives its tool tip and sends its notifications through the toolbar. The toolbar creates and
// deletes its buttons.
#pragma once
#include "afxwin.h"
#include "afxcmn.h"
#include "mfc/ToolBarLayout.h"

class SECCustomToolBar;
class SECBtnDrawData;

// Button styles: the TBBS_* bits of the common toolbar (separator 0x1, check box 0x2,
// drop-down 0x8, checked, pressed, disabled, hidden, indeterminate, wrapped) and these.
#define SEC_TBBS_SELECTED 0x01000000L  // selected while customising: drawn with a drag frame
#define SEC_TBBS_HOT 0x02000000L       // under the mouse on a flat toolbar
#define SEC_TBBS_NODISABLE 0x10000000L // stays enabled when no command handler exists
#define SEC_TBBS_VCENTER 0x20000000L   // centred vertically in its row

// Process-wide states of the self-drawn toolbars.
struct SECToolBarState
{
    BOOL bDropDownInProgress; // a drop-down button's notification is being sent
    BOOL bCommandInProgress;  // a button's WM_COMMAND is being sent
    BOOL bDragInProgress;     // a button is being dragged
    BOOL bAltDrag;            // the dragged button was taken with ALT outside customisation
};
SECToolBarState& PASCAL SECGetToolBarState();

class SECStdBtn
{
  public:
    // Button kinds (m_nType).
    enum
    {
        BtnStandard = 0,
        BtnMenu = 3,      // text button with a drop-down menu
        BtnMenuOther = 4, // another menu button
        BtnRightSide = 5  // element that stays at the right end of a stretched bar
    };

    // Construction
    SECStdBtn();
    virtual ~SECStdBtn();
    SECStdBtn(const SECStdBtn&) = delete;
    SECStdBtn& operator=(const SECStdBtn&) = delete;

    // Overridables
    virtual void SetOrientation(DWORD dwVertBits);
    virtual void SetStyle(UINT nStyle);
    virtual UINT GetStyle() const;
    virtual BOOL HasStyle(UINT nMask) const;
    virtual void SetPos(int x, int y);
    virtual void Invalidate(BOOL bErase = FALSE);
    // info: the creation data of a special button, NULL for a plain one.
    virtual void SetCmdID(UINT nID, const UINT_PTR* pInfo = NULL);
    virtual BOOL CanDrag() const;
    virtual void Paint(CDC* pDC, SECBtnDrawData& data);
    // TRUE: the toolbar captures the mouse for this button.
    virtual BOOL OnLButtonDown(CPoint point);
    virtual void OnMouseMove(CPoint point);
    virtual void ClearHot();
    // The command to send, 0 for none.
    virtual UINT OnLButtonUp(CPoint point);
    virtual void OnHookOne();
    virtual void OnHookTwo();
    virtual INT_PTR OnToolHitTest(CPoint point, TOOLINFO* pTI) const;
    // Mode 1: the first word's bits are set, the second's cleared, the button repainted.
    virtual void OnUpdateStyle(int nMode, const UINT* pBits);
    virtual void AdjustSize();
    virtual void GetAdditionalInfo(int& nLen, const BYTE*& pData) const;
    virtual void SetAdditionalInfo(int nLen, const BYTE* pData);
    virtual LRESULT SendNotify(int nCode, UINT_PTR a = 0, UINT_PTR b = 0);
    // The frame and image; the sizes are shrunk to the inside of the frame.
    virtual void DrawButton(CDC& dc, BOOL bForceRaised, int& x, int& y, int& cx, int& cy, int cxImage = -1);
    virtual void DrawDisabledImage(SECBtnDrawData& data, const CRect& rcInside, CPoint ptImage);
    virtual void DrawCheckedImage(SECBtnDrawData& data, const CRect& rcInside, CPoint ptImage);
    virtual void DrawIndeterminateImage(SECBtnDrawData& data, const CRect& rcInside, CPoint ptImage);
    virtual void DrawDragFrame(CDC& dc, const CRect& rect);
    virtual BOOL GetImageInfo(SECBtnDrawData& data);
    virtual void DrawSeparator(CDC* pDC);
    virtual void DrawFace(SECBtnDrawData& data);
    virtual void BlitImage(CDC& dc, int x, int y);
    virtual void DrawTransparentBackground(SECBtnDrawData& data);
    virtual void DrawSelection(SECBtnDrawData& data);
    virtual void BlitToScreen(CDC* pDC, SECBtnDrawData& data);
    // The kind of this button, for toolbars that treat kinds differently.
    virtual int GetButtonClass() const;

    // Attributes
    CRect GetRect() const
    {
        return CRect(m_x, m_y, m_x + m_cx, m_y + m_cy);
    }

    UINT m_nID;   // command; 0 for a separator
    int m_nImage; // index in the bitmap manager's strip, looked up before drawing
    UINT m_nStyle;
    int m_x, m_y; // in the toolbar's client area, -1 until laid out
    int m_cx, m_cy;
    int m_nType;
    SECCustomToolBar* m_pToolBar;

    // Implementation
  protected:
    // Monochrome mask of the image in the drawing context's mask DC: white where the image is
    // button face or highlight, and all around the image inside rcInside.
    void CreateMask(SECBtnDrawData& data, const CRect& rcInside, CPoint ptImage);
    CPoint m_ptImage; // image origin of the last DrawButton, in the off-screen bitmap
};
