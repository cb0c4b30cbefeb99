// SECColorWell: a grid of colour cells (4 x 5, the system's 20 default colours) with an optional
// row holding an "Other..." button and, once chosen, a custom-colour cell. Tells its parent of
// every new selection. The popup form (SECPopupColorWell) drops below a colour-well button.
#pragma once
#include "afxwin.h"
#include "Button.h"

// Sent by a well to its parent: wParam = control id (0 from a popup), lParam = the COLORREF.
#define SECWM_COLORCHANGED 0x465
// Posted by a popup well to its owner when "Other..." was pressed; wParam and lParam 0.
#define SECWM_OTHERCOLOR 0x466

class CDataExchange;

namespace tessaron
{
namespace foundation
{

class SECOtherButton;

class SECColorWell : public CWnd
{
    DECLARE_DYNAMIC(SECColorWell)

  public:
    // Colours of every well, read once and again on WM_SYSCOLORCHANGE.
    struct Colors
    {
        COLORREF face, frame, light, darkShadow, shadow, highlight;
    };
    static const Colors& GetColors();
    static void RefreshColors();

    // What moved the selection.
    enum
    {
        selectByKey = 0,
        selectByTracking = 1,
        selectByClick = 2
    };

    // Construction
    SECColorWell();
    ~SECColorWell() override;
    using CWnd::Create;
    // x, y (and the cell size) in dialog units when bDialogUnits; bOther adds the "Other..." row.
    virtual BOOL Create(DWORD dwStyle, int x, int y, CWnd* pParent, UINT nID, BOOL bDialogUnits = TRUE,
                        BOOL bOther = FALSE, DWORD dwExtra = 0);

    // Attributes
    virtual void SetColorDialogFlags(DWORD dwFlags)
    {
        m_dwColorDialogFlags = dwFlags;
    }
    virtual void SetCustomColors(COLORREF* pColors)
    {
        m_pCustomColors = pColors;
    }
    void SetColor(COLORREF color);
    COLORREF GetColor() const;
    void SetUsePalette(BOOL bUse);
    BOOL IsCustomSet() const
    {
        return m_bCustomSet;
    }
    int GetSelectedColumn() const
    {
        return m_nSelCol;
    }
    int GetSelectedRow() const
    {
        return m_nSelRow;
    }
    // The cell's rectangle in client coordinates (the custom cell at its column and rows).
    CRect GetCellRect(int nCol, int nRow) const;
    SECOtherButton* GetOtherButton() const
    {
        return m_pOtherButton;
    }

    // Overridables
    virtual void Reset();
    virtual void DrawCell(CDC* pDC, CRect* pOrigin, int nCol, int nRow);
    virtual void DrawSelectedCell(CDC* pDC, CRect* pOrigin, int nCol, int nRow);
    virtual void NotifyParent();
    virtual void SelectCell(int nCol, int nRow, int nHow);
    virtual BOOL CreatePalette();
    virtual void SetDefaultSize();
    // Called after the grid entries are filled, before the custom entry.
    virtual void AdjustPalette(LOGPALETTE* pLogPalette);
    virtual UINT GetClassStyle() const
    {
        return 0;
    }
    virtual BOOL HasFocusFrame() const
    {
        return TRUE;
    }
    virtual void CalcSize(RECT& rect, CWnd* pParent, int x, int y, BOOL bDialogUnits);
    // "Other...": a colour dialog in a well; the popup tells its owner instead.
    virtual void OnOther();

    // Implementation
  protected:
    // Creates the window and the "Other..." button; rect in the parent's (or screen) coordinates.
    BOOL CreateWell(DWORD dwStyle, const RECT& rect, CWnd* pParent, UINT nID);
    void SetMargins(DWORD dwStyle);
    CRect GetOrigin() const;
    BOOL IsCustomCell(int nCol, int nRow) const
    {
        return m_bCustomSet && nCol == m_nCustomCol && nRow == m_nCustomRow;
    }
    int PaletteIndex(int nCol, int nRow) const;
    COLORREF CellColor(int nCol, int nRow) const;
    BOOL CellFromPoint(CPoint point, int& nCol, int& nRow) const;
    void InvalidateCell(int nCol, int nRow);
    // Moves the selection and repaints both cells.
    void MoveSelection(int nCol, int nRow);
    void MoveByKey(UINT nChar);
    void RunColorDialog();

    afx_msg void OnPaint();
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg UINT OnGetDlgCode();
    afx_msg void OnSetFocus(CWnd* pOldWnd);
    afx_msg void OnKillFocus(CWnd* pNewWnd);
    afx_msg HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor);
    afx_msg void OnSysColorChange();
    afx_msg void OnOtherCommand();
    DECLARE_MESSAGE_MAP()

    CPalette* m_pPalette;
    int m_nRows;
    int m_nColumns;
    int m_nCustomCol;
    int m_nCustomRow;
    int m_nCellHeight;
    int m_nCellWidth;
    int m_nMarginX;
    int m_nMarginY;
    int m_nExtraHeight;
    int m_nSelRow;
    int m_nSelCol;
    int m_nCustomIndex;
    BOOL m_bFocused;
    BOOL m_bTrackMouse;
    BOOL m_bOther;
    BOOL m_bCustomSet;
    BOOL m_bUsePalette;
    DWORD m_dwColorDialogFlags;
    COLORREF* m_pCustomColors;
    CBrush m_brushFace;
    SECOtherButton* m_pOtherButton;
};

// Dialog data exchange of a well's colour: saving reads it, loading sets it.
void AFXAPI DDX_ColorWell(CDataExchange* pDX, SECColorWell& well, COLORREF& color);

} // namespace foundation
} // namespace tessaron
