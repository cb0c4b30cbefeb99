// Literal text gadgets.
#include "DTStaticGadget.h"

IMPLEMENT_DYNAMIC(CGXBDTStaticGadget, CGXBDTGadget)

BOOL CGXBDTStaticGadget::Initialise(CGXBDateTimeCtrl* pOwner, LPCTSTR pszText, int nId)
{
    CGXBDTGadget::Initialise(pOwner, nId);
    m_strText = pszText;
    return TRUE;
}

void CGXBDTStaticGadget::CalcSize(CDC* pDC)
{
    CSize size = pDC->GetTextExtent(m_strText);
    m_rect.SetRect(0, 0, size.cx, size.cy);
}

void CGXBDTStaticGadget::Draw(CDC* pDC)
{
    DrawGadgetText(pDC, m_strText, FALSE);
}
