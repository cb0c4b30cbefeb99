#include "ExcelNumberHandler.h"
#include "ExcelHandlerSupport.h"
#include "grid/core/GridCore.h"
#include "mfc/OleDateTime.h"

IMPLEMENT_DYNCREATE(CGXExcelNumberHandler, CGXExcelHandler)

namespace
{
// Grid format codes of times of day and how each is formatted (NULL: the user's locale).
struct TimeFormat
{
    UINT nFormat;
    LPCTSTR pszFormat;
};

const TimeFormat s_timeFormats[] = {
    {13, NULL},
    {25, _T("%I:%M %p")},
    {26, _T("%I:%M:%S %p")},
    {27, _T("%H:%M")},
};
} // namespace

BOOL CGXExcelNumberHandler::FormatTimeOfDay(double dValue, UINT nFormat, CString& strText)
{
    for (const TimeFormat& f : s_timeFormats)
    {
        if (f.nFormat != nFormat)
            continue;
        double dHours = dValue * 24;
        int nHours = (BYTE)(long long)dHours;
        double dFraction = dHours - nHours;
        int nMinutes = (BYTE)(long long)(dFraction * 60);
        int nSeconds = (int)((long long)(dFraction * 3600) % 60);
        COleDateTime time(1899, 12, 30, nHours, nMinutes, nSeconds);
        strText = f.pszFormat == NULL ? time.Format(0, LANG_USER_DEFAULT) : time.Format(f.pszFormat);
        return TRUE;
    }
    return FALSE;
}

BOOL CGXExcelNumberHandler::ReadRecord(IStream* pStream, gxexpointer target, DWORD nLength)
{
    ResetRecord();
    CGXExcelFieldDesc fields[4];
    fields[0].SetWord(&m_nRow);
    fields[1].SetWord(&m_nCol);
    fields[2].SetXF(&m_nXF);
    fields[3].SetDouble(&m_dValue);
    ReadFieldList(pStream, fields, 4);
    return CGXExcelHandler::ReadRecord(pStream, target, nLength);
}

BOOL CGXExcelNumberHandler::WriteRecord(IStream*, gxexpointer, DWORD*, DWORD)
{
    return TRUE;
}

void CGXExcelNumberHandler::ResetRecord()
{
    m_nRow = m_nCol = m_nXF = 0;
    m_dValue = 0;
}

BOOL CGXExcelNumberHandler::ApplyToGrid(CGXGridCore* pGrid, DWORD)
{
    CGXStyle* pStyle = pGrid->CreateStyle();
    GXExApplyXF(m_nXF, pStyle);
    CString strTime;
    if (pStyle->GetInclude(CGXStyle::ibFormat) && pGrid->GetFormulaSheet() != NULL &&
        FormatTimeOfDay(m_dValue, pStyle->GetFormat(), strTime))
    {
        pStyle->SetValue(strTime);
        GXExStoreCellStyle(pGrid, m_nRow, m_nCol, pStyle);
    }
    else
        GXExStoreNumberCell(pGrid, m_nRow, m_nCol, pStyle, m_dValue);
    return TRUE;
}
