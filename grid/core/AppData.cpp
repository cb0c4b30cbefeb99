// The library-wide data object and its shut-down.
#include "grid/core/AppData.h"
#include <locale.h>

CGXAppData::CGXAppData()
{
}

CGXAppData::~CGXAppData()
{
    POSITION pos = m_exitList.GetHeadPosition();
    while (pos != NULL)
        delete m_exitList.GetNext(pos);
    m_exitList.RemoveAll();
}

void CGXAppData::AddComponent(CObject* pComponent)
{
    m_exitList.AddHead(pComponent);
}

void CGXAppData::RegisterContainerClass(CRuntimeClass* pClass)
{
    if (m_containerClasses.Find(pClass) == NULL)
        m_containerClasses.AddTail(pClass);
}

void CGXAppData::LoadLocaleSeparators()
{
    if (!m_bUseLocaleSeparators)
        return;
    setlocale(LC_NUMERIC, "");
    char sz[8];
    if (::GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, sz, sizeof(sz)) > 0)
        m_cDecimalSeparator = sz[0];
    if (::GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_STHOUSAND, sz, sizeof(sz)) > 0)
        m_cThousandSeparator = sz[0];
}

void CGXAppData::NormalizeNumberText(CString& s) const
{
    if (!m_bUseLocaleSeparators || m_cDecimalSeparator == '.')
        return;
    int i = s.Find(m_cDecimalSeparator);
    if (i >= 0)
        s.SetAt(i, '.');
}

CGXAppData* AFXAPI GXGetAppData()
{
    static CGXAppData s_appData;
    return &s_appData;
}

void AFXAPI GXSetParamDefaults(BOOL b1, BOOL b2, BOOL b3)
{
    CGXAppData* p = GXGetAppData();
    p->m_bParamDefault1 = b1;
    p->m_bParamDefault2 = b2;
    p->m_bParamDefault3 = b3;
}

BOOL AFXAPI GXIsPopupActive()
{
    return GXGetAppData()->m_bPopupActive;
}
