// A tab record of the sheet-tab strip.
#include "grid/excel/TabInfo.h"

IMPLEMENT_DYNAMIC(CGXTabInfo, CObject)

CGXTabInfo::CGXTabInfo()
{
    vertInfo.cbSize = horzInfo.cbSize = sizeof(SCROLLINFO);
}

CGXTabInfo::~CGXTabInfo()
{
    if (bDeleteExtra && pExtra != NULL)
    {
        if (pExtra->GetSafeHwnd() != NULL)
            pExtra->DestroyWindow();
        delete pExtra;
    }
}

void CGXTabInfo::SetColors(COLORREF clrNormalIn, COLORREF clrSelectedIn)
{
    clrNormal = clrNormalIn;
    clrSelected = clrSelectedIn;
    m_brNormal.DeleteObject();
    m_brSelected.DeleteObject();
    m_brNormal.CreateSolidBrush(clrNormal);
    m_brSelected.CreateSolidBrush(clrSelected);
    flags = 0;
}
