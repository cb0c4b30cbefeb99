// Base styles, user-attribute registrations and control names of a grid.
#include "grid/core/StylesMap.h"
#include "grid/core/AppData.h"
#include "GridIds.h"

IMPLEMENT_SERIAL(CGXStylesMap, CObject, 1)

CGXStylesMap::CGXStylesMap(CRuntimeClass* pStyleClass)
    : m_sSection("Styles"), m_pStyleClass(pStyleClass != NULL ? pStyleClass : RUNTIME_CLASS(CGXStyle))
{
}

CGXStylesMap::CGXStylesMap(const CGXStylesMap& src)
    : CObject(), m_sSection("Styles"), m_pStyleClass(src.m_pStyleClass)
{
    *this = src;
}

CGXStylesMap::~CGXStylesMap()
{
    RemoveAll();
}

CGXStylesMap& CGXStylesMap::operator=(const CGXStylesMap& src)
{
    if (&src != this)
        if (CGXAbstractGridParamCopyOperatorImp* pImp = GXGetAppData()->m_pParamCopyOperatorImp)
            pImp->CopyStylesMap(*this, src);
    return *this;
}

CGXStyle* CGXStylesMap::CreateStyle() const
{
    CObject* p = m_pStyleClass->CreateObject();
    if (p == NULL)
        AfxThrowNotSupportedException();
    return static_cast<CGXStyle*>(p);
}

void CGXStylesMap::CreateStandardStyles()
{
    const CGXAppData* pAppData = GXGetAppData();
    BOOL bNullBorders = pAppData->m_bParamDefault1 && pAppData->m_bParamDefault3;
    CGXStyle* pStyle = CreateStyle();
    try
    {
        pStyle->SetDefault();
        CGXFont font;
        font.SetDefault();
        font.SetSize(8);
        pStyle->MergeFont(font, gxOverride);
        m_wStyleStandard = RegisterStyle(GX_IDS_STYLE_STANDARD, *pStyle, TRUE);

        pStyle->Free();
        if (bNullBorders)
            pStyle->SetBorder(CGXStyle::sideAll, CGXCellPen(PS_NULL));
        pStyle->MergeFont(CGXFont().SetWeight(FW_BOLD), gxOverride)
            .SetInterior(GXSYSCOLOR(COLOR_BTNFACE))
            .SetHorizontalAlignment(DT_CENTER)
            .SetVerticalAlignment(DT_VCENTER)
            .SetControl(GX_IDS_CTRL_HEADER);
        m_wStyleColHeader = RegisterStyle(GX_IDS_STYLE_COLHEADER, *pStyle, TRUE);

        pStyle->Free();
        if (bNullBorders)
            pStyle->SetBorder(CGXStyle::sideAll, CGXCellPen(PS_NULL));
        pStyle->SetControl(GX_IDS_CTRL_HEADER).SetInterior(GXSYSCOLOR(COLOR_BTNFACE));
        m_wStyleRowHeader = RegisterStyle(GX_IDS_STYLE_ROWHEADER, *pStyle, TRUE);
    }
    catch (...)
    {
        delete pStyle;
        throw;
    }
    delete pStyle;
}

WORD CGXStylesMap::Register(LPCTSTR pszName, UINT nResourceID, const CGXStyle& style, BOOL bSystemStyle,
                            BOOL bKnownId, WORD nKnownId)
{
    WORD nID = nKnownId;
    if (!bKnownId)
    {
        auto it = m_names.find(pszName);
        if (it != m_names.end())
            nID = it->second;
        else
        {
            // Styles name their base style in 8 bits: an id beyond that would alias another style.
            if (m_nNextId > maxStyleId)
                AfxThrowNotSupportedException();
            nID = (WORD)m_nNextId++;
        }
    }
    CGXStyle* pClone = style.Clone();
    m_names[pszName] = nID;
    if (nResourceID != 0)
        m_resourceIds[nResourceID] = nID;
    auto it = m_styles.find(nID);
    if (it != m_styles.end())
    {
        delete it->second->pStyle;
        it->second->pStyle = pClone;
        return nID;
    }
    m_styles[nID] = new StyleEntry{nID, nResourceID, pszName, pClone, bSystemStyle};
    return nID;
}

WORD CGXStylesMap::RegisterStyle(LPCTSTR pszName, const CGXStyle& style, BOOL bSystemStyle)
{
    return Register(pszName, 0, style, bSystemStyle, FALSE, 0);
}

WORD CGXStylesMap::RegisterStyle(UINT nResourceID, const CGXStyle& style, BOOL bSystemStyle)
{
    CString strName;
    if (!strName.LoadString(nResourceID) || strName.IsEmpty())
        strName.Format("UA%u", nResourceID);
    auto it = m_resourceIds.find(nResourceID);
    if (it != m_resourceIds.end())
        return Register(strName, nResourceID, style, bSystemStyle, TRUE, it->second);
    if (m_names.find((LPCTSTR)strName) == m_names.end() && m_nNextId > maxStyleId)
        AfxThrowNotSupportedException();
    return Register(strName, nResourceID, style, bSystemStyle, FALSE, 0);
}

WORD CGXStylesMap::GetBaseStyleId(LPCTSTR pszName) const
{
    auto it = m_names.find(pszName);
    return it != m_names.end() ? it->second : 0;
}

WORD CGXStylesMap::GetBaseStyleIdFromResource(UINT nResourceID) const
{
    auto it = m_resourceIds.find(nResourceID);
    return it != m_resourceIds.end() ? it->second : 0;
}

BOOL CGXStylesMap::FindBaseStyle(UINT nResourceID, LPCTSTR pszName, WORD& nID) const
{
    if (nResourceID != 0)
    {
        auto it = m_resourceIds.find(nResourceID);
        if (it == m_resourceIds.end())
            return FALSE;
        nID = it->second;
        return TRUE;
    }
    auto it = m_names.find(pszName != NULL ? pszName : "");
    if (it == m_names.end())
        return FALSE;
    nID = it->second;
    return TRUE;
}

BOOL CGXStylesMap::GetStyleName(WORD nID, CString& strName, UINT& nResourceID) const
{
    auto it = m_styles.find(nID);
    if (it == m_styles.end())
    {
        strName.Empty();
        nResourceID = 0;
        return FALSE;
    }
    strName = it->second->sName;
    nResourceID = it->second->nResourceID;
    return TRUE;
}

BOOL CGXStylesMap::LookupStyle(WORD nID, const CGXStyle*& pStyle) const
{
    auto it = m_styles.find(nID);
    if (it == m_styles.end())
        return FALSE;
    pStyle = it->second->pStyle;
    return TRUE;
}

BOOL CGXStylesMap::LookupStyle(WORD nID, CGXStyle*& pStyle)
{
    auto it = m_styles.find(nID);
    if (it == m_styles.end())
        return FALSE;
    pStyle = it->second->pStyle;
    return TRUE;
}

BOOL CGXStylesMap::IsSystemStyle(WORD nID) const
{
    auto it = m_styles.find(nID);
    return it != m_styles.end() && it->second->bSystem;
}

// Positions are the entries themselves; the next one is found through the name map.
POSITION CGXStylesMap::GetStartPosition() const
{
    if (m_names.empty())
        return NULL;
    auto it = m_styles.find(m_names.begin()->second);
    return it != m_styles.end() ? reinterpret_cast<POSITION>(it->second) : NULL;
}

void CGXStylesMap::GetNextStyle(POSITION& pos, WORD& nID, CString& strName, UINT& nResourceID,
                                const CGXStyle*& pStyle) const
{
    const StyleEntry* e = reinterpret_cast<const StyleEntry*>(pos);
    nID = e->nID;
    strName = e->sName;
    nResourceID = e->nResourceID;
    pStyle = e->pStyle;
    pos = NULL;
    auto it = m_names.find((LPCTSTR)e->sName);
    if (it != m_names.end())
        for (++it; it != m_names.end() && pos == NULL; ++it)
        {
            auto s = m_styles.find(it->second);
            if (s != m_styles.end() && s->second->sName == it->first.c_str())
                pos = reinterpret_cast<POSITION>(s->second);
        }
}

const CGXStylesMap::UserAttrInfo* CGXStylesMap::AddUserAttribute(WORD nID, const CGXStyle* pStyle)
{
    auto it = m_userAttributes.find(nID);
    if (it != m_userAttributes.end())
        return it->second;
    CString strName;
    if (!strName.LoadString(nID))
        AfxThrowResourceException();
    CGXStyle* pNew = CreateStyle();
    if (pStyle != NULL)
        *pNew = *pStyle;
    UserAttrInfo* pInfo = new UserAttrInfo{nID, strName, pNew};
    m_userAttributes[nID] = pInfo;
    return pInfo;
}

void CGXStylesMap::AddControlName(WORD nID)
{
    if (m_controlNames.count(nID) != 0)
        return;
    CString strName;
    if (!strName.LoadString(nID))
        AfxThrowResourceException();
    m_controlNames[nID] = strName;
}

void CGXStylesMap::RemoveAll()
{
    for (auto& e : m_styles)
    {
        delete e.second->pStyle;
        delete e.second;
    }
    m_styles.clear();
    for (auto& e : m_otherObjects)
        delete e.second;
    m_otherObjects.clear();
    m_resourceIds.clear();
    m_names.clear();
    m_nNextId = 0;
    m_controlNames.clear();
    for (auto& e : m_userAttributes)
    {
        delete e.second->pStyle;
        delete e.second;
    }
    m_userAttributes.clear();
}

void CGXStylesMap::Serialize(CArchive& ar)
{
    if (CGXAbstractGridDocSerializeImp* pImp = GXGetAppData()->m_pDocSerializeImp)
        pImp->SerializeStylesMap(*this, ar);
}

void CGXStylesMap::WriteProfile() const
{
    if (CGXAbstractGridProfileImp* pImp = GXGetAppData()->m_pProfileImp)
        pImp->WriteStylesMap(*this);
}

BOOL CGXStylesMap::ReadProfile()
{
    CGXAbstractGridProfileImp* pImp = GXGetAppData()->m_pProfileImp;
    return pImp != NULL ? pImp->ReadStylesMap(*this) : FALSE;
}
