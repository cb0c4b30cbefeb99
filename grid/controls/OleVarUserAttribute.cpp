// VARIANT user attributes and their pool.
#include "grid/controls/OleVarUserAttribute.h"
#include "Archive.h"

IMPLEMENT_SERIAL(CGXOleVarUserAttribute, CGXAbstractUserAttribute, 1)

CGXCaptiveManager<COleVariant>& CGXOleVarUserAttribute::GetVariantPool()
{
    static CGXCaptiveManager<COleVariant> s_pool;
    return s_pool;
}

CGXOleVarUserAttribute::~CGXOleVarUserAttribute()
{
    GetVariantPool().Give(m_pVariant);
}

void CGXOleVarUserAttribute::SetValue(const VARIANT& var)
{
    if (m_pVariant == NULL)
        m_pVariant = GetVariantPool().Take();
    else
        ::VariantClear(m_pVariant);
    *m_pVariant = var;
}

void CGXOleVarUserAttribute::Serialize(CArchive& ar)
{
    if (ar.IsStoring())
        ar << (m_pVariant != NULL ? *m_pVariant : COleVariant());
    else
    {
        COleVariant var;
        ar >> var;
        SetValue(var);
    }
}

const CString& CGXOleVarUserAttribute::GetValueText() const
{
    static const CString s_strEmpty;
    return s_strEmpty;
}

CGXAbstractUserAttribute* CGXOleVarUserAttribute::Clone() const
{
    CGXOleVarUserAttribute* p = new CGXOleVarUserAttribute;
    p->m_nId = m_nId;
    if (m_pVariant != NULL)
        p->SetValue(*m_pVariant);
    p->m_bFromViewer = m_bFromViewer;
    return p;
}

BOOL CGXOleVarUserAttribute::IsEmptyValue() const
{
    return m_pVariant == NULL || m_pVariant->vt == VT_EMPTY;
}

BOOL CGXOleVarUserAttribute::IsSameValue(const CGXAbstractUserAttribute& other) const
{
    const CGXOleVarUserAttribute* pOther = dynamic_cast<const CGXOleVarUserAttribute*>(&other);
    return pOther != NULL && pOther->m_nId == m_nId && pOther->m_pVariant == m_pVariant;
}
