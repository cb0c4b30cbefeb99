#include "grid/controls/ProgressCtrl.h"
#include "grid/core/DrawingAndFormatting.h"
#include "grid/core/GridCore.h"
#include "grid/core/GridParam.h"
#include "grid/core/Properties.h"
#include "grid/core/StylesMap.h"
#include "GridIds.h"
#include <algorithm>
#include <stdlib.h>
#include <string.h>

GX_IMPLEMENT_CONTROL(CGXProgressCtrl, CGXControl)

namespace
{
// A user attribute read as a decimal integer; absent counts as 0.
long AttributeLong(const CGXStyle& style, WORD nID)
{
    return style.HasUserAttribute(nID) ? atol(style.GetUserAttribute(nID).GetValueString()) : 0;
}

long ValueLong(const CGXStyle& style)
{
    return style.GetInclude(CGXStyle::ibValue) ? atol(style.GetValue()) : 0;
}
} // namespace

CGXProgressCtrl::CGXProgressCtrl(CGXGridCore* pGrid) : CGXControl(pGrid)
{
}

void CGXProgressCtrl::RegisterUserAttributes(CGXStylesMap* pStylesMap)
{
    pStylesMap->AddUserAttribute(GX_IDS_UA_PROGRESS_MAX);
    pStylesMap->AddUserAttribute(GX_IDS_UA_PROGRESS_MIN);
    pStylesMap->AddUserAttribute(GX_IDS_UA_PROGRESS_CAPTIONMASK);
}

BOOL CGXProgressCtrl::IsSafeCaptionFormat(LPCTSTR pszFormat)
{
    int nConversions = 0;
    for (LPCTSTR p = pszFormat; *p != 0; p++)
    {
        if (*p != '%')
            continue;
        p++;
        if (*p == '%')
            continue;
        while (*p != 0 && strchr("-+ #0", *p) != NULL)
            p++;
        while (*p >= '0' && *p <= '9')
            p++;
        if (*p == 'l')
            p++;
        if (*p == 0 || strchr("diu", *p) == NULL || ++nConversions > 1)
            return FALSE;
    }
    return TRUE;
}

void CGXProgressCtrl::GetCaptionText(CString& strResult, ROWCOL, ROWCOL, const CGXStyle& style)
{
    strResult.Empty();
    if (!style.HasUserAttribute(GX_IDS_UA_PROGRESS_CAPTIONMASK))
        return;
    CString strFormat = style.GetUserAttribute(GX_IDS_UA_PROGRESS_CAPTIONMASK).GetValueString();
    if (!IsSafeCaptionFormat(strFormat))
        strResult = strFormat; // drawn as it stands
    else if (!strFormat.IsEmpty())
        strResult.Format(strFormat, ValueLong(style));
}

COLORREF CGXProgressCtrl::GetBarColor(BOOL bFilled, const CGXStyle& style)
{
    return bFilled ? style.GetTextColor() : style.GetInterior().GetBackColor();
}

COLORREF CGXProgressCtrl::GetCaptionColor(BOOL bOverBar, const CGXStyle& style)
{
    return bOverBar ? style.GetInterior().GetBackColor() : style.GetTextColor();
}

void CGXProgressCtrl::Draw(CDC* pDC, CRect rect, ROWCOL nRow, ROWCOL nCol, const CGXStyle& style,
                           const CGXStyle* pStandardStyle)
{
    long nMin = AttributeLong(style, GX_IDS_UA_PROGRESS_MIN);
    long nMax = AttributeLong(style, GX_IDS_UA_PROGRESS_MAX);
    long nValue = ValueLong(style);
    int cx = rect.Width();
    m_dUnitsPerPixel = cx != 0 ? ((double)nMax - nMin) / cx : 1.0;

    CGXGridParam* pParam = m_pGrid->GetParam();
    CGXProperties* pProps = pParam != NULL ? pParam->GetProperties() : NULL;
    BOOL bBlackWhite = m_pGrid->IsPrinting() && pProps != NULL && pProps->GetBlackWhite();
    COLORREF crFilled = bBlackWhite ? RGB(0, 0, 0) : GetBarColor(TRUE, style);
    COLORREF crEmpty = bBlackWhite ? RGB(255, 255, 255) : GetBarColor(FALSE, style);
    COLORREF crOverBar = bBlackWhite ? RGB(255, 255, 255) : GetCaptionColor(TRUE, style);
    COLORREF crElsewhere = bBlackWhite ? RGB(0, 0, 0) : GetCaptionColor(FALSE, style);
    CString strCaption;
    GetCaptionText(strCaption, nRow, nCol, style);

    // The bar stays inside the cell: an empty range shows empty until the value reaches the
    // maximum, and a value beyond the maximum that was never stored clamped fills the cell.
    long cxBar;
    if (nMin >= nMax)
        cxBar = nValue >= nMax ? cx : 0;
    else
        cxBar = (long)std::min<double>(cx, ((double)std::max(nValue, nMin) - nMin) / m_dUnitsPerPixel);
    cxBar = std::max(0L, std::min<long>(cx, cxBar));
    CRect rectBar(rect.left, rect.top, rect.left + (int)cxBar, rect.bottom);
    GXFillSolidRect(pDC, CRect(rectBar.right, rect.top, rect.right, rect.bottom), crEmpty);
    GXFillSolidRect(pDC, rectBar, crFilled);
    if (rectBar.Width() > 1)
    {
        UINT nFrame = style.GetInclude(CGXStyle::ib3dFrame) ? style.GetDraw3dFrame() : 0;
        if (nFrame == 1 || nFrame == 2)
            GXDrawEdge(pDC, rectBar.left, rectBar.top, rectBar.right, rectBar.bottom,
                       nFrame == 1 ? EDGE_RAISED : EDGE_SUNKEN, 0);
    }

    if (strCaption.IsEmpty())
        return;
    CFont* pOldFont = SelectStyleFont(pDC, style, pStandardStyle);
    CSize size = pDC->GetTextExtent(strCaption);
    if (size.cx < cx)
    {
        int x = rect.left + (cx - size.cx) / 2;
        int y = rect.top + (rect.Height() - size.cy) / 2;
        int nOldMode = pDC->SetBkMode(TRANSPARENT);
        COLORREF crOld = pDC->SetTextColor(crElsewhere);
        if (x + size.cx > rectBar.right)
            pDC->TextOut(x, y, strCaption);
        if (x < rectBar.right)
        {
            // Without clipping the whole caption takes the over-bar colour.
            pDC->SetTextColor(crOverBar);
            if (GXCanClip(pDC))
            {
                int nSaved = pDC->SaveDC();
                pDC->IntersectClipRect(&rectBar);
                pDC->TextOut(x, y, strCaption);
                pDC->RestoreDC(nSaved);
            }
            else
                pDC->TextOut(x, y, strCaption);
        }
        pDC->SetTextColor(crOld);
        pDC->SetBkMode(nOldMode);
    }
    if (pOldFont != NULL)
        pDC->SelectObject(pOldFont);
}

BOOL CGXProgressCtrl::StoreStyle(ROWCOL nRow, ROWCOL nCol, const CGXStyle* pStyle, int mode, int nType,
                                 const CGXStyle* pOldStyle)
{
    if (pStyle == NULL || !pStyle->GetInclude(CGXStyle::ibValue) || mode == gxExclude + 1)
        return CGXControl::StoreStyle(nRow, nCol, pStyle, mode, nType, pOldStyle);
    auto bound = [&](WORD nID) {
        if (pStyle->HasUserAttribute(nID) || pOldStyle == NULL)
            return AttributeLong(*pStyle, nID);
        return AttributeLong(*pOldStyle, nID);
    };
    long nMin = bound(GX_IDS_UA_PROGRESS_MIN);
    long nMax = bound(GX_IDS_UA_PROGRESS_MAX);
    long nValue = ValueLong(*pStyle);
    // With the minimum above the maximum the minimum wins.
    long nClamped = std::max(nMin, std::min(nValue, nMax));
    if (nClamped == nValue)
        return CGXControl::StoreStyle(nRow, nCol, pStyle, mode, nType, pOldStyle);
    CGXStyle copy(*pStyle);
    CString strValue;
    strValue.Format(_T("%ld"), nClamped);
    copy.SetValue(strValue);
    copy.SetValueType(GX_VT_NUMBER);
    return CGXControl::StoreStyle(nRow, nCol, &copy, mode, nType, pOldStyle);
}
