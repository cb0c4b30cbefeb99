// The rich edit cell's formatting through styles, its clipboard, and find and replace.
#include "grid/controls/RichEditCtrl.h"
#include "grid/core/AppData.h"
#include "grid/core/FindReplaceSettings.h"
#include "grid/core/GridCore.h"
#include "grid/core/GridParam.h"

namespace
{
void ClearFormats(PARAFORMAT& pf, CHARFORMAT& cf)
{
    memset(&pf, 0, sizeof(pf));
    pf.cbSize = sizeof(pf);
    memset(&cf, 0, sizeof(cf));
    cf.cbSize = sizeof(cf);
}

// The font attributes a character format carries: mask bit, effect bit.
struct FontEffect
{
    DWORD dwMask;
    DWORD dwEffect;
    BOOL (CGXFont::*pfnIncluded)() const;
    BOOL (CGXFont::*pfnGet)() const;
    CGXFont& (CGXFont::*pfnSet)(BOOL);
};

const FontEffect s_fontEffects[] = {
    {CFM_BOLD, CFE_BOLD, &CGXFont::GetIncludeWeight, &CGXFont::GetBold, &CGXFont::SetBold},
    {CFM_ITALIC, CFE_ITALIC, &CGXFont::GetIncludeItalic, &CGXFont::GetItalic, &CGXFont::SetItalic},
    {CFM_UNDERLINE, CFE_UNDERLINE, &CGXFont::GetIncludeUnderline, &CGXFont::GetUnderline,
     &CGXFont::SetUnderline},
    {CFM_STRIKEOUT, CFE_STRIKEOUT, &CGXFont::GetIncludeStrikeOut, &CGXFont::GetStrikeOut,
     &CGXFont::SetStrikeOut},
};
} // namespace

// -- Formats -----------------------------------------------------------------------------------

void CGXRichEditCtrl::StyleToFormats(PARAFORMAT& pf, CHARFORMAT& cf, const CGXStyle& style)
{
    ClearFormats(pf, cf);
    if (style.GetInclude(CGXStyle::ibHorzAlign))
    {
        DWORD dwAlign = style.GetHorizontalAlignment();
        pf.dwMask |= PFM_ALIGNMENT;
        pf.wAlignment = dwAlign == DT_CENTER ? PFA_CENTER : dwAlign == DT_RIGHT ? PFA_RIGHT : PFA_LEFT;
    }
    if (style.GetInclude(CGXStyle::ibFont) && style.GetFontPtr() != NULL)
    {
        const CGXFont& font = *style.GetFontPtr();
        for (const FontEffect& e : s_fontEffects)
        {
            if (!(font.*e.pfnIncluded)())
                continue;
            cf.dwMask |= e.dwMask;
            if ((font.*e.pfnGet)())
                cf.dwEffects |= e.dwEffect;
        }
        if (font.GetIncludeFaceName())
        {
            cf.dwMask |= CFM_FACE;
            lstrcpyn(cf.szFaceName, font.GetFaceName(), LF_FACESIZE);
        }
        if (font.GetIncludeSize())
        {
            cf.dwMask |= CFM_SIZE;
            cf.yHeight = (LONG)(font.GetSize() * 20 + 0.5);
        }
        const LOGFONT& lf = font.GetLogFont();
        cf.bCharSet = lf.lfCharSet;
        cf.bPitchAndFamily = lf.lfPitchAndFamily;
    }
    if (style.GetInclude(CGXStyle::ibTextColor))
    {
        cf.dwMask |= CFM_COLOR;
        cf.crTextColor = style.GetTextColorValue();
    }
}

void CGXRichEditCtrl::FormatsToStyle(const PARAFORMAT& pf, const CHARFORMAT& cf, CGXStyle& style)
{
    if (pf.dwMask & PFM_ALIGNMENT)
        style.SetHorizontalAlignment(pf.wAlignment == PFA_CENTER  ? DT_CENTER
                                     : pf.wAlignment == PFA_RIGHT ? DT_RIGHT
                                                                  : DT_LEFT);
    CGXFont font;
    BOOL bFont = FALSE;
    for (const FontEffect& e : s_fontEffects)
    {
        if (!(cf.dwMask & e.dwMask))
            continue;
        (font.*e.pfnSet)((cf.dwEffects & e.dwEffect) != 0);
        bFont = TRUE;
    }
    if (cf.dwMask & CFM_FACE)
    {
        font.SetFaceName(cf.szFaceName);
        bFont = TRUE;
    }
    if (cf.dwMask & CFM_SIZE)
    {
        font.SetSize(cf.yHeight / 20.0);
        bFont = TRUE;
    }
    if (bFont)
        style.MergeFont(font);
    // An automatic colour is the window's, not one of the text.
    if ((cf.dwMask & CFM_COLOR) && !(cf.dwEffects & CFE_AUTOCOLOR))
        style.SetTextColor(cf.crTextColor);
}

BOOL CGXRichEditCtrl::StoreStyle(ROWCOL nRow, ROWCOL nCol, const CGXStyle* pStyle, int mode, int nType,
                                 const CGXStyle* pOldStyle)
{
    // A copy replaces the cell's style as it stands; removing attributes formats nothing.
    if (pStyle == NULL || mode == gxCopy || mode == gxExclude || mode == gxExclude + 1)
        return CGXControl::StoreStyle(nRow, nCol, pStyle, mode, nType, pOldStyle);
    PARAFORMAT pfNew;
    CHARFORMAT cfNew;
    StyleToFormats(pfNew, cfNew, *pStyle);
    CGXStyle styleNone;
    BOOL bFormats = pfNew.dwMask != 0 || cfNew.dwMask != 0;
    BOOL bValue = pStyle->GetInclude(CGXStyle::ibValue), bControl = pStyle->GetInclude(CGXStyle::ibControl);
    if (!bFormats && !bValue && !bControl)
        return CGXControl::StoreStyle(nRow, nCol, pStyle, mode, nType, pOldStyle);
    if ((!HasWindow() && !CreateWindows()) || IsReadOnly() ||
        (pOldStyle != NULL && pOldStyle->GetInclude(CGXStyle::ibReadOnly) && pOldStyle->GetReadOnly() &&
         m_pGrid->GetParam()->m_bProtectReadOnly))
        return CGXControl::StoreStyle(nRow, nCol, pStyle, mode, nType, pOldStyle);

    CGXStyle* pCopy = m_pGrid->CreateStyle();
    pCopy->Assign(*pStyle);
    pCopy->SetInclude(CGXStyle::ibHorzAlign, FALSE);
    pCopy->SetInclude(CGXStyle::ibTextColor, FALSE);
    pCopy->SetInclude(CGXStyle::ibFont, FALSE);
    if (m_bActive && IsInitAt(nRow, nCol) && m_pGrid->IsCurrentCell(nRow, nCol) && !bValue && !bControl)
    {
        // The selection of the cell being edited takes the formats.
        if (pfNew.dwMask != 0)
            SetParaFormat(pfNew);
        if (cfNew.dwMask != 0)
            SetSelectionCharFormat(cfNew);
        SetModify(TRUE);
        NotifyModified();
    }
    else
    {
        // The whole value takes them, through the converter.
        CString strValue = bValue ? pStyle->GetValue()
                           : pOldStyle != NULL && pOldStyle->GetInclude(CGXStyle::ibValue)
                               ? pOldStyle->GetValue()
                               : CString();
        if (strValue != m_strConverterValue || strValue.IsEmpty() || m_wndConverter.GetTextLength() == 0)
            StreamInWithStyle(m_wndConverter, strValue, pOldStyle != NULL ? *pOldStyle : styleNone);
        m_wndConverter.SetSel(0, -1);
        if (pfNew.dwMask != 0)
            m_wndConverter.SetParaFormat(pfNew);
        if (cfNew.dwMask != 0)
            m_wndConverter.SetSelectionCharFormat(cfNew);
        m_strConverterValue = StreamOutValue(m_wndConverter);
        pCopy->SetValue(m_strConverterValue);
    }
    BOOL bOk = pCopy->IsEmpty() || CGXControl::StoreStyle(nRow, nCol, pCopy, mode, nType, pOldStyle);
    m_pGrid->RecycleStyle(pCopy);
    return bOk;
}

BOOL CGXRichEditCtrl::ConvertValue(ROWCOL nRow, ROWCOL nCol, CGXStyle& style)
{
    PARAFORMAT pf;
    CHARFORMAT cf;
    ClearFormats(pf, cf);
    if (m_bActive && HasWindow() && IsInitAt(nRow, nCol) && m_pGrid->IsCurrentCell(nRow, nCol))
    {
        GetParaFormat(pf);
        GetSelectionCharFormat(cf);
    }
    else
    {
        CGXStyle* pCell = m_pGrid->CreateStyle();
        m_pGrid->ComposeStyleRowCol(nRow, nCol, pCell);
        CString strValue = pCell->GetValue();
        BOOL bRead = !strValue.IsEmpty() && (m_wndFormats.GetSafeHwnd() != NULL || CreateWindows());
        if (bRead)
        {
            Load(m_wndFormats, m_strFormatsValue, strValue, *pCell);
            m_wndFormats.SetSel(0, -1);
            m_wndFormats.GetParaFormat(pf);
            m_wndFormats.GetSelectionCharFormat(cf);
        }
        m_pGrid->RecycleStyle(pCell);
        if (!bRead)
            return FALSE;
    }
    FormatsToStyle(pf, cf, style);
    return pf.dwMask != 0 || cf.dwMask != 0;
}

// -- Clipboard ---------------------------------------------------------------------------------

void CGXRichEditCtrl::SelectWholeValue()
{
    // The value as the cell holds it, without the closing paragraph mark (pasted, it would add
    // a line).
    StreamInValue(*this, LoadStyle().GetValue());
    SetSel(0, GetTextLength());
}

BOOL CGXRichEditCtrl::Copy()
{
    if (HasWindow() && m_bInit && m_pGrid->IsCurrentCell(m_nRow, m_nCol))
    {
        if (!m_bActive)
            SelectWholeValue();
        SendMessage(WM_COPY);
    }
    return CGXControl::Copy();
}

BOOL CGXRichEditCtrl::Cut()
{
    // An active cell copies through Copy; an inactive one is copied by the grid.
    if (HasWindow() && !m_bActive && m_bInit && m_pGrid->IsCurrentCell(m_nRow, m_nCol))
    {
        SelectWholeValue();
        SendMessage(WM_COPY);
    }
    return CGXControl::Cut();
}

BOOL CGXRichEditCtrl::CanPaste()
{
    if (m_bInit && IsReadOnly())
        return FALSE;
    UINT nRtf = GXGetAppData()->m_uiRtfClipboardFormat;
    if (nRtf != 0 && ::IsClipboardFormatAvailable(nRtf))
        return TRUE;
    return CGXControl::CanPaste();
}

BOOL CGXRichEditCtrl::Paste()
{
    UINT nRtf = GXGetAppData()->m_uiRtfClipboardFormat;
    if (!HasWindow() || !m_bInit || ::GetOpenClipboardWindow() != NULL || nRtf == 0 ||
        !::IsClipboardFormatAvailable(nRtf))
        return CGXControl::Paste();
    if (IsReadOnly())
        return FALSE;
    if (!m_bActive)
    {
        if (!BeginEditing())
            return FALSE;
        SetActive(TRUE);
        SetSel(0, -1);
    }
    BOOL bDrawing = s_bDrawing;
    s_bDrawing = TRUE;
    SendMessage(WM_PASTE);
    s_bDrawing = bDrawing;
    SetModify(TRUE);
    NotifyModified();
    Refresh();
    if (CWnd* pGridWnd = GetGridWnd())
        pGridWnd->UpdateWindow();
    // The row may grow with what came in.
    RequestResize();
    return TRUE;
}

// -- Selection, find and replace ---------------------------------------------------------------

BOOL CGXRichEditCtrl::GetSelectedText(CString& strResult)
{
    if (!m_bActive || !HasWindow())
    {
        GetCurrentText(strResult);
        return FALSE;
    }
    CHARRANGE cr;
    GetSel(cr);
    if (cr.cpMin == cr.cpMax)
    {
        GetWindowText(strResult);
        return FALSE;
    }
    strResult = GetSelText();
    return TRUE;
}

void CGXRichEditCtrl::ReplaceSel(LPCTSTR pszText)
{
    if (!m_bActive || !HasWindow())
        return;
    CRichEditCtrl::ReplaceSel(pszText);
    SetModify(TRUE);
    NotifyModified();
}

long CGXRichEditCtrl::FindIn(CRichEditCtrl& wnd, const CGXFindReplaceSettings& find, long nFrom,
                             CHARRANGE& crHit)
{
    if (find.m_strFind.IsEmpty())
        return -1;
    FINDTEXTEX ft = {};
    ft.chrg.cpMin = nFrom;
    ft.chrg.cpMax = -1;
    ft.lpstrText = (LPCTSTR)find.m_strFind;
    long nPos = wnd.FindText(FR_DOWN | (find.m_bMatchCase ? FR_MATCHCASE : 0), &ft);
    crHit = ft.chrgText;
    return nPos;
}

BOOL CGXRichEditCtrl::LoadConverterFor(ROWCOL nRow, ROWCOL nCol, const CGXStyle* pStyle)
{
    CGXStyle* pCell = NULL;
    if (pStyle == NULL)
    {
        pCell = m_pGrid->CreateStyle();
        m_pGrid->ComposeStyleRowCol(nRow, nCol, pCell);
        pStyle = pCell;
    }
    BOOL bLoaded = !pStyle->GetValue().IsEmpty() && (m_wndConverter.GetSafeHwnd() != NULL || CreateWindows());
    if (bLoaded)
        Load(m_wndConverter, m_strConverterValue, pStyle->GetValue(), *pStyle);
    if (pCell != NULL)
        m_pGrid->RecycleStyle(pCell);
    return bLoaded;
}

BOOL CGXRichEditCtrl::FindText(const CGXFindReplaceSettings& find, ROWCOL nRow, ROWCOL nCol, BOOL bAtCaret,
                               BOOL bSelect)
{
    CHARRANGE crHit;
    if (m_bActive && HasWindow() && IsInitAt(nRow, nCol))
    {
        CHARRANGE cr;
        GetSel(cr);
        long nFrom = cr.cpMin + (cr.cpMax > cr.cpMin && !bAtCaret ? 1 : 0);
        if (FindIn(*this, find, nFrom, crHit) < 0)
            return FALSE;
        m_pGrid->ScrollCellInView(nRow, nCol, GX_UPDATENOW);
        SetSel(crHit);
        return TRUE;
    }
    if (!LoadConverterFor(nRow, nCol, find.m_pStyle) || FindIn(m_wndConverter, find, 0, crHit) < 0)
        return FALSE;
    if (bSelect)
    {
        m_pGrid->ScrollCellInView(nRow, nCol, GX_UPDATENOW);
        if (!m_pGrid->IsCurrentCell(nRow, nCol) && !m_pGrid->ChangeCurrentCell(nRow, nCol, 0x2A))
            return FALSE;
        if (!IsInitAt(nRow, nCol))
            Init(nRow, nCol);
        SetActive(TRUE);
        SetSel(crHit);
        Refresh();
    }
    return TRUE;
}

BOOL CGXRichEditCtrl::ReplaceText(const CGXFindReplaceSettings& find, ROWCOL nRow, ROWCOL nCol)
{
    BOOL bActiveHere = m_bActive && HasWindow() && IsInitAt(nRow, nCol);
    CRichEditCtrl* pWnd = &m_wndConverter;
    long nFrom = 0;
    if (bActiveHere)
    {
        pWnd = this;
        CHARRANGE cr;
        GetSel(cr);
        nFrom = cr.cpMin;
    }
    else if (!LoadConverterFor(nRow, nCol, NULL))
        return FALSE;
    BOOL bReplaced = FALSE;
    CHARRANGE crHit;
    while (FindIn(*pWnd, find, nFrom, crHit) >= 0)
    {
        pWnd->SetSel(crHit);
        pWnd->CRichEditCtrl::ReplaceSel(find.m_strReplace);
        nFrom = crHit.cpMin + find.m_strReplace.GetLength();
        bReplaced = TRUE;
    }
    if (!bReplaced)
        return FALSE;
    if (bActiveHere)
    {
        SetModify(TRUE);
        NotifyModified();
        return TRUE;
    }
    m_strConverterValue = StreamOutValue(m_wndConverter);
    return m_pGrid->SetValueRange(CGXCellRange(nRow, nCol), m_strConverterValue, gxOverride, 0, GX_UPDATENOW);
}
