// Grid properties and their defaults.
#include "grid/core/Properties.h"
#include "grid/core/AppData.h"
#include "grid/core/FontFaceTable.h"
#include "GridIds.h"
#include "ResourceText.h"

IMPLEMENT_SERIAL(CGXProperties, CObject, 1)

CGXProperties::CGXProperties()
    : m_pAppData(GXGetAppData()), m_sSection("Grid"), m_nValue100(100), m_nFirstPage(-1)
{
    m_sMarkerInvert = LoadText(GX_IDS_MARKER_INVERT);
    m_sMarkerInvertBold = LoadText(GX_IDS_MARKER_INVERT_BOLD);
    m_sMarkerFrame = LoadText(GX_IDS_MARKER_FRAME);
    m_sMarkerFrameBold = LoadText(GX_IDS_MARKER_FRAME_BOLD);
    m_sMarkerNone = LoadText(GX_IDS_MARKER_NONE);
    for (int i = 0; i < 6; i++)
        m_abFlags[i] = i < 5;

    AddColor(GX_IDS_COLOR_GRIDLINES, GXSYSCOLOR(COLOR_GRAYTEXT));
    AddColor(GX_IDS_COLOR_FIXEDLINES, GXSYSCOLOR(COLOR_ACTIVECAPTION));
    AddColor(GX_IDS_COLOR_TRACKINGLINE, RGB(255, 0, 0));
    AddColor(GX_IDS_COLOR_DRAGGINGLINE, RGB(255, 0, 0));
    AddColor(GX_IDS_COLOR_BACKGROUND, GXSYSCOLOR(COLOR_BTNFACE));

    double d = GXGetFontFaceTable()->GetHorzResolution();
    const double inches[6] = {1, 1, 1.5, 1.5, 0.4, 0.4};
    for (int i = 0; i < 6; i++)
        m_anMargins[i] = (int)(d * inches[i] + 0.51);
    for (int i = 0; i < 9; i++)
        m_abPrintFlags[i] = i < 7;

    static const char* const tokens[] = {"$F", "$A", "$P", "$N", "$D", "$R"};
    for (const char* t : tokens)
        AddToken(t);

    for (CGXData& block : m_headerFooter)
    {
        block.ResizeRowCount(10);
        block.ResizeColumnCount(3);
    }
    CGXStyle style;
    m_headerFooter[blockFooter].StoreValueRowCol(1, 1, "$D", gxOverride, 0);
    m_headerFooter[blockFooter].StoreValueRowCol(1, 3, "$P/$N", gxOverride, 0);
    style.SetValue("$R").MergeFont(CGXFont().SetSize(16).SetBold(TRUE));
    m_headerFooter[blockHeader].StoreStyleRowCol(1, 2, &style, gxOverride, 0);
}

CGXProperties::CGXProperties(const CGXProperties& src) : CGXProperties()
{
    *this = src;
}

CGXProperties::~CGXProperties()
{
    GXGetAppData()->DetachObject(this);
    DeleteUserProperties();
}

CGXAbstractGridPrintImp* CGXProperties::GetHeaderFooterHandler() const
{
    return (CGXAbstractGridPrintImp*)GXGetAppData()->LookupAttachedObject(this);
}

void CGXProperties::PrintHeaderFooter(CDC* pDC, CPrintInfo* pInfo, CDocument* pDoc, CGXGridParam* pParam)
{
    if (CGXAbstractGridPrintImp* pImp = GetHeaderFooterHandler())
        pImp->PrintHeaderAndFooter(this, pDC, pInfo, pDoc, pParam);
}

int CGXProperties::CalcHeaderFooterHeight(CDC* pDC, CGXData& block, CGXStylesMap* pStylesMap)
{
    CGXAbstractGridPrintImp* pImp = GetHeaderFooterHandler();
    return pImp != NULL ? pImp->CalcHeaderFooterBlockHeight(this, pDC, block, pStylesMap) : 0;
}

CString CGXProperties::GetHeaderFooterFieldText(int nIndex, CString& strRest)
{
    CGXAbstractGridPrintImp* pImp = GetHeaderFooterHandler();
    return pImp != NULL ? pImp->GetHeaderFooterFieldText(this, nIndex, strRest) : CString();
}

CGXProperties& CGXProperties::operator=(const CGXProperties& src)
{
    if (&src != this)
        if (CGXAbstractGridParamCopyOperatorImp* pImp = GXGetAppData()->m_pParamCopyOperatorImp)
            pImp->CopyProperties(*this, src);
    return *this;
}

void CGXProperties::DeleteUserProperties()
{
    for (auto& e : m_userProperties)
    {
        delete e.second->pStyle;
        delete e.second;
    }
    m_userProperties.clear();
}

int CGXProperties::AddColor(UINT nResourceID, COLORREF color)
{
    CString strName = LoadText(nResourceID);
    if (strName.IsEmpty())
        strName.Format("COLOR%u", nResourceID);
    for (INT_PTR i = 0; i < m_ColorNameArray.GetSize(); i++)
        if (m_ColorNameArray[i] == strName)
            return (int)i;
    m_ColorNameArray.Add(strName);
    return (int)m_ColorValueArray.Add(color);
}

COLORREF CGXProperties::GetColor(int nIndex) const
{
    return nIndex >= 0 && nIndex < m_ColorValueArray.GetSize() ? m_ColorValueArray[nIndex] : 0;
}

void CGXProperties::AddUserProperty(WORD nID, const CGXStyle& style)
{
    CString strName = LoadText(nID);
    if (strName.IsEmpty())
        strName.Format("USERPROP%u", (unsigned)nID);
    SetUserPropertyEntry(nID, strName, style.Clone());
    m_userProperties[nID]->sName = strName;
}

void CGXProperties::SetUserPropertyEntry(WORD nID, const CString& strName, CGXStyle* pStyle)
{
    auto it = m_userProperties.find(nID);
    if (it != m_userProperties.end())
    {
        delete it->second->pStyle;
        it->second->pStyle = pStyle;
        return;
    }
    m_userProperties[nID] = new UserPropertyInfo{nID, strName, pStyle};
}

const CGXStyle& CGXProperties::GetUserProperty(WORD nID) const
{
    auto it = m_userProperties.find(nID);
    return it != m_userProperties.end() ? *it->second->pStyle : m_styleNoUserProperty;
}

int CGXProperties::AddToken(LPCTSTR pszToken)
{
    return (int)m_sTokenArray.Add(pszToken);
}

void CGXProperties::ClearColorsAndUserProperties()
{
    m_ColorNameArray.RemoveAll();
    m_ColorValueArray.RemoveAll();
    DeleteUserProperties();
}

void CGXProperties::AddDefaultUserProperties()
{
    CString strChoices = m_sMarkerInvert + "\n" + m_sMarkerInvertBold + "\n" + m_sMarkerFrame + "\n" +
                         m_sMarkerFrameBold + "\n" + m_sMarkerNone;
    CGXStyle style;
    style.SetControl(GX_IDS_CTRL_CBS_DROPDOWNLIST).SetChoiceList(strChoices).SetValue(m_sMarkerInvert);
    AddUserProperty(GX_IDS_UA_MARKER, style);
}

void CGXProperties::WriteProfile() const
{
    if (CGXAbstractGridProfileImp* pImp = GXGetAppData()->m_pProfileImp)
        pImp->WriteProperties(*this);
}

BOOL CGXProperties::ReadProfile()
{
    CGXAbstractGridProfileImp* pImp = GXGetAppData()->m_pProfileImp;
    return pImp != NULL ? pImp->ReadProperties(*this) : FALSE;
}

void CGXProperties::Serialize(CArchive& ar)
{
    if (CGXAbstractGridDocSerializeImp* pImp = GXGetAppData()->m_pDocSerializeImp)
        pImp->SerializeProperties(*this, ar);
}
