// Comparing a style with the attributes of a subset style.
#include "grid/features/StyleCompareSubsetImp.h"
#include "grid/core/AppData.h"
#include "grid/core/Style.h"

void AFXAPI GXInstallStyleCompareSubsetImp()
{
    CGXAppData* pAppData = GXGetAppData();
    if (pAppData->m_pStyleCompareSubsetImp != NULL)
        return;
    pAppData->m_pStyleCompareSubsetImp = new CGXStyleCompareSubsetImp;
    pAppData->AddComponent(pAppData->m_pStyleCompareSubsetImp);
}

namespace
{
using Equal = BOOL (*)(const CGXStyle&, const CGXStyle&);

template <class T, T (CGXStyle::*Get)() const> BOOL Same(const CGXStyle& a, const CGXStyle& b)
{
    return (a.*Get)() == (b.*Get)();
}

BOOL SameBorders(const CGXStyle& style, const CGXStyle& subset)
{
    for (int nSide = CGXStyle::sideLeft; nSide <= CGXStyle::sideBottom; nSide++)
        if (subset.HasBorder(nSide) &&
            (!style.HasBorder(nSide) || style.GetBorder(nSide) != subset.GetBorder(nSide)))
            return FALSE;
    return TRUE;
}

BOOL SameFont(const CGXStyle& style, const CGXStyle& subset)
{
    CGXFont font, subsetFont;
    style.GetFont(font);
    subset.GetFont(subsetFont);
    return font.IncludesFont(subsetFont);
}

// The attributes in the order they are compared.
const struct
{
    int nBit;
    Equal pfnEqual;
} s_attributes[] = {
    {CGXStyle::ibHorzAlign, Same<DWORD, &CGXStyle::GetHorizontalAlignment>},
    {CGXStyle::ibVertAlign, Same<DWORD, &CGXStyle::GetVerticalAlignment>},
    {CGXStyle::ibReadOnly, Same<BOOL, &CGXStyle::GetReadOnly>},
    {CGXStyle::ibFloatCell, Same<BOOL, &CGXStyle::GetFloatCell>},
    {CGXStyle::ibFloodCell, Same<BOOL, &CGXStyle::GetFloodCell>},
    {CGXStyle::ibMergeCell, Same<UINT, &CGXStyle::GetMergeCell>},
    {CGXStyle::ib3dFrame, Same<UINT, &CGXStyle::GetDraw3dFrame>},
    {CGXStyle::ibMaxLength, Same<WORD, &CGXStyle::GetMaxLength>},
    {CGXStyle::ibVertScroll, Same<BOOL, &CGXStyle::GetVerticalScrollBar>},
    {CGXStyle::ibTextColor, Same<COLORREF, &CGXStyle::GetTextColorValue>},
    {CGXStyle::ibWrapText, Same<BOOL, &CGXStyle::GetWrapText>},
    {CGXStyle::ibAutoSize, Same<BOOL, &CGXStyle::GetAutoSize>},
    {CGXStyle::ibAllowEnter, Same<BOOL, &CGXStyle::GetAllowEnter>},
    {CGXStyle::ibEnabled, Same<BOOL, &CGXStyle::GetEnabled>},
    {CGXStyle::ibTriState, Same<BOOL, &CGXStyle::GetTriState>},
    {CGXStyle::ibControl, Same<WORD, &CGXStyle::GetControl>},
    {CGXStyle::ibInterior,
     [](const CGXStyle& a, const CGXStyle& b) { return a.GetInterior() == b.GetInterior(); }},
    {CGXStyle::ibBorders, SameBorders},
    {CGXStyle::ibFont, SameFont},
    {CGXStyle::ibValue,
     [](const CGXStyle& a, const CGXStyle& b) { return (BOOL)(a.GetValue() == b.GetValue()); }},
    {CGXStyle::ibFormat, Same<UINT, &CGXStyle::GetFormat>},
    {CGXStyle::ibPlaces, Same<UINT, &CGXStyle::GetPlaces>},
    {CGXStyle::ibBaseStyle, Same<WORD, &CGXStyle::GetBaseStyle>},
    {CGXStyle::ibChoiceList,
     [](const CGXStyle& a, const CGXStyle& b) { return (BOOL)(a.GetChoiceList() == b.GetChoiceList()); }},
    {CGXStyle::ibItemData, Same<DWORD, &CGXStyle::GetItemData>},
};
} // namespace

BOOL CGXStyleCompareSubsetImp::CompareSubset(const CGXStyle& style, const CGXStyle& subset)
{
    for (const auto& a : s_attributes)
        if (subset.GetInclude(a.nBit) && (!style.GetInclude(a.nBit) || !a.pfnEqual(style, subset)))
            return FALSE;
    const CGXUserAttributeMap* pSubsetMap = subset.GetUserAttributeMap();
    if (pSubsetMap == NULL || pSubsetMap->IsEmpty())
        return TRUE;
    // Compared by position; a style with fewer attributes does not hold the subset's.
    const CGXUserAttributeMap* pMap = style.GetUserAttributeMap();
    if (pMap == NULL || pMap->GetSize() < pSubsetMap->GetSize())
        return FALSE;
    for (INT_PTR i = 0; i < pSubsetMap->GetSize(); i++)
        if (!pSubsetMap->GetAttributeAt(i)->IsEqual(*pMap->GetAttributeAt(i)))
            return FALSE;
    return TRUE;
}
