#include "ExcelTable.h"
#include "ExcelHandler.h"

IMPLEMENT_DYNAMIC(CGXExcelTable, CObject)

void CGXExcelTable::LogText(LPCTSTR pszText)
{
    GXExLogTo(GXExGetTableLog(), GXExIsTableLogOn(), pszText);
}

void CGXExcelTable::LogFormat1(LPCTSTR pszFormat, DWORD nValue)
{
    GXExLogFormatTo(GXExGetTableLog(), GXExIsTableLogOn(), pszFormat, nValue);
}

void CGXExcelTable::LogFormat2(LPCTSTR pszFormat, DWORD nValue)
{
    GXExLogFormatTo(GXExGetTableLog(), GXExIsTableLogOn(), pszFormat, nValue);
}

BOOL CGXExcelTable::ApplyStyleEntry(DWORD, CGXStyle*&)
{
    return FALSE;
}

UINT CGXExcelTable::GetBuiltInFormatIndex(const CGXStyle&)
{
    return 0;
}
