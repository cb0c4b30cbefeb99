// The choice-only user attribute.
#include "grid/core/EllipseUserAttribute.h"

IMPLEMENT_SERIAL(CGXEllipseUserAttribute, CGXAbstractUserAttribute, 1)

void CGXEllipseUserAttribute::Serialize(CArchive& ar)
{
    if (ar.IsStoring())
        ar << (WORD)m_dwChoice;
    else
    {
        WORD w;
        ar >> w;
        m_dwChoice = w;
    }
}

CGXAbstractUserAttribute& CGXEllipseUserAttribute::SetValueText(LPCTSTR)
{
    return *this;
}

const CString& CGXEllipseUserAttribute::GetValueText() const
{
    return CGXAbstractUserAttribute::GetValueText();
}

CGXAbstractUserAttribute* CGXEllipseUserAttribute::Clone() const
{
    CGXEllipseUserAttribute* p = new CGXEllipseUserAttribute(m_dwChoice);
    p->m_nId = m_nId;
    return p;
}

BOOL CGXEllipseUserAttribute::IsEqual(const CGXAbstractUserAttribute& other) const
{
    return m_dwChoice == other.GetDWordValue();
}

CGXEllipseUserAttribute& CGXEllipseUserAttribute::SetDWordValue(DWORD dwChoice)
{
    m_dwChoice = dwChoice;
    return *this;
}
