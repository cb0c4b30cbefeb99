#include "grid/controls/Pushbutton.h"
#include "grid/controls/Button.h"
#include "grid/core/GridCore.h"

GX_IMPLEMENT_CONTROL(CGXPushbutton, CGXControl)

CGXPushbutton::CGXPushbutton(CGXGridCore* pGrid) : CGXControl(pGrid), m_pButton(new CGXButton(this))
{
    AddChild(m_pButton);
}

void CGXPushbutton::Init(ROWCOL nRow, ROWCOL nCol)
{
    CGXControl::Init(nRow, nCol);
    m_pButton->Refresh();
}

CSize CGXPushbutton::CalcSize(CDC* pDC, ROWCOL, ROWCOL, const CGXStyle& style, const CGXStyle* pStandard,
                              BOOL)
{
    CFont* pOldFont = SelectStyleFont(pDC, style, pStandard);
    CString strCaption = style.GetInclude(CGXStyle::ibChoiceList) ? style.GetChoiceList() : CString();
    CSize size = pDC->GetTextExtent(strCaption);
    if (pOldFont != NULL)
        pDC->SelectObject(pOldFont);
    return AddBorders(CSize(size.cx + 8, size.cy + 4), style);
}

void CGXPushbutton::DrawBackground(CDC*, const CRect&)
{
}

void CGXPushbutton::Draw(CDC* pDC, CRect rect, ROWCOL nRow, ROWCOL nCol, const CGXStyle& style,
                         const CGXStyle* pStandardStyle)
{
    if (rect.Width() < 2 || rect.Height() < 2)
        return;
    CFont* pOldFont = SelectStyleFont(pDC, style, pStandardStyle);
    Draw3dFrame(pDC, rect, style);
    pDC->SetTextColor(style.GetTextColor());
    CGXControl::Draw(pDC, rect, nRow, nCol, style, pStandardStyle);
    if (pOldFont != NULL)
        pDC->SelectObject(pOldFont);
}

void CGXPushbutton::LayoutChildren(ROWCOL nRow, ROWCOL nCol, const CRect& rect)
{
    CGXStyle style;
    m_pGrid->ComposeStyleRowCol(nRow, nCol, &style);
    // The button takes Space and shows the focus frame.
    SetActiveChild(m_pButton);
    m_pButton->SetRect(rect);
    m_pButton->SetText(style.GetInclude(CGXStyle::ibChoiceList) ? (LPCTSTR)style.GetChoiceList() : _T(""));
}
