// A check box with a label in a cell. The value stays the cell's text: a checked and an
// unchecked text ("1" and "0" unless two user attributes name others), or empty for the
// indeterminate state of a tri-state cell. Every toggle is written into the cell at once.
#pragma once
#include "grid/core/Control.h"

class CGXStylesMap;

class CGXCheckBox : public CGXControl
{
    GX_DECLARE_CONTROL(CGXCheckBox)

  public:
    // State bits answered by GetState.
    enum
    {
        stateCurrent = 1,
        stateGrey = 2,
        stateChecked = 4,
        stateUnchecked = 8
    };
    // Bitmap ids 0 choose the default strips.
    CGXCheckBox(CGXGridCore* pGrid, BOOL bDraw3d = FALSE, UINT nBitmapId = 0, UINT nPrintBitmapId = 0);
    ~CGXCheckBox() override;

    CSize CalcSize(CDC* pDC, ROWCOL nRow, ROWCOL nCol, const CGXStyle& style, const CGXStyle* pStandard,
                   BOOL bVert) override;
    void Draw(CDC* pDC, CRect rect, ROWCOL nRow, ROWCOL nCol, const CGXStyle& style,
              const CGXStyle* pStandardStyle) override;
    // With tri-state, a text that is neither value text is stored as the empty value.
    BOOL PrepareStoreText(CString& strText, ROWCOL nRow, ROWCOL nCol, const CGXStyle& style) override;
    BOOL MouseMove(UINT nFlags, CPoint pt, UINT nHitState) override;
    BOOL LButtonDown(UINT nFlags, CPoint pt, UINT nHitState) override;
    BOOL LButtonUp(UINT nFlags, CPoint pt, UINT nHitState) override;
    BOOL LButtonDblClk(UINT nFlags, CPoint pt) override;
    BOOL DispatchKeyMessage(UINT message, WPARAM wParam, LPARAM lParam, UINT flags) override;
    // Toggles the cell's value: every mouse and key path ends here.
    BOOL OnClickedButton(CGXChild* pChild) override;
    void OnGridSysColorChange() override;
    BOOL OnCancelMode() override;

    virtual UINT GetState(ROWCOL nRow, ROWCOL nCol, const CGXStyle& style);
    virtual void DrawCheckBox(CDC* pDC, const CRect& rect, UINT nState, UINT nAlign, LPCTSTR pszLabel);
    virtual CRect ComputeBoxRect(CDC* pDC, const CRect& rect, LPCTSTR pszLabel, UINT nAlign);
    virtual COLORREF MapBitmapColor(COLORREF cr, BOOL bPrint);
    virtual BOOL LoadBitmaps();

    static void RegisterUserAttributes(CGXStylesMap* pStylesMap);
    // The checked and unchecked texts of a style, defaults for empty attributes.
    static void GetValueTexts(const CGXStyle& style, CString& strChecked, CString& strUnchecked);
    // The value a toggle stores: unchecked after checked; empty after unchecked with tri-state.
    static CString GetToggledValue(const CGXStyle& style);
    // Box and label position flags: 1 centre, 2 right, 4 vertical centre, 8 bottom.
    static UINT GetAlignment(const CGXStyle& style);

    BOOL m_bDraw3d;
    HGLOBAL m_hScreenDib = NULL;
    HGLOBAL m_hPrintDib = NULL;
    UINT m_nBitmapId;
    UINT m_nPrintBitmapId;
    int m_nBoxSize = 13;
    BOOL m_bPressed = FALSE;
    CRect m_rectBox;

  protected:
    // Whether a press or key may change the cell (not read-only, editing allowed).
    BOOL CanToggle(const CGXStyle& style);
    // The style Draw, LButtonDown and toggling read (the Ex variant holds one while active).
    virtual const CGXStyle& GetDrawStyle(ROWCOL nRow, ROWCOL nCol, const CGXStyle& style);
    void FreeBitmaps();
};
