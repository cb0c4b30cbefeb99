#include "ExcelLogger.h"
#include "mfc/OleDateTime.h"
#include "mfc/FileException.h"
#include <cstdio>

CGXExcelLogger::~CGXExcelLogger()
{
    if (m_bOpen)
        m_file.Abort();
}

CGXCaptiveManager<CGXExcelLogger>& CGXExcelLogger::GetPool()
{
    static CGXCaptiveManager<CGXExcelLogger> pool;
    return pool;
}

BOOL CGXExcelLogger::Open(LPCTSTR pszPath)
{
    if (m_bOpen || m_bDisabled)
        return FALSE;
    if (!m_file.Open(pszPath, CFile::modeCreate | CFile::modeReadWrite))
        return FALSE;
    m_bOpen = 1;
    CString banner = _T("Tessaron Software. Meridane Grid Excel Reader Log File\nCreated:");
    banner += COleDateTime::GetCurrentTime().Format(0, LOCALE_USER_DEFAULT);
    banner += _T("\n\n");
    LogText(banner);
    return TRUE;
}

void CGXExcelLogger::Close()
{
    if (!m_bOpen)
        return;
    try
    {
        m_file.Close();
    }
    catch (CException* e)
    {
        // A log that cannot be closed cleanly is of no further use; the workbook is not affected.
        e->Delete();
    }
    m_bOpen = 0;
    GetPool().Give(this);
}

void CGXExcelLogger::LogText(LPCTSTR pszText)
{
    if (m_bOpen)
        m_file.WriteString(pszText);
}

void CGXExcelLogger::LogDecimal(long nValue, BOOL bNewLine)
{
    if (m_bDisabled)
        return;
    char buf[255];
    snprintf(buf, sizeof(buf), "%ld", nValue);
    LogText(buf);
    if (bNewLine)
        LogText(_T("\n"));
}

void CGXExcelLogger::LogHex(DWORD nValue, BOOL bNewLine)
{
    if (m_bDisabled)
        return;
    char buf[255];
    snprintf(buf, sizeof(buf), "%lx", (unsigned long)nValue);
    LogText(buf);
    if (bNewLine)
        LogText(_T("\n"));
}
