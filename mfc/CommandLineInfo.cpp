// CCommandLineInfo: the start-up switches and file names, one argument at a time.
#include "CommandLineInfo.h"

CCommandLineInfo::CCommandLineInfo()
    : m_nShellCommand(FileNew), m_bShowSplash(TRUE), m_bRunEmbedded(FALSE), m_bRunAutomated(FALSE)
{
}

void CCommandLineInfo::ParseParam(LPCTSTR pszParam, BOOL bFlag, BOOL bLast)
{
    if (bFlag)
        ParseParamFlag(pszParam);
    else
        ParseParamNotFlag(pszParam);
    ParseLast(bLast);
}

void CCommandLineInfo::ParseParamFlag(LPCTSTR pszParam)
{
    if (lstrcmpi(pszParam, _T("pt")) == 0)
        m_nShellCommand = FilePrintTo;
    else if (lstrcmpi(pszParam, _T("p")) == 0)
        m_nShellCommand = FilePrint;
    else if (lstrcmpi(pszParam, _T("Unregister")) == 0 || lstrcmpi(pszParam, _T("Unregserver")) == 0)
        m_nShellCommand = AppUnregister;
    else if (lstrcmpi(pszParam, _T("dde")) == 0)
    {
        m_bShowSplash = FALSE;
        m_nShellCommand = FileDDE;
    }
    else if (lstrcmpi(pszParam, _T("Embedding")) == 0)
    {
        m_bShowSplash = FALSE;
        m_bRunEmbedded = TRUE;
    }
    else if (lstrcmpi(pszParam, _T("Automation")) == 0)
    {
        m_bShowSplash = FALSE;
        m_bRunAutomated = TRUE;
    }
}

void CCommandLineInfo::ParseParamNotFlag(LPCTSTR pszParam)
{
    if (m_strFileName.IsEmpty())
        m_strFileName = pszParam;
    else if (m_nShellCommand == FilePrintTo && m_strPrinterName.IsEmpty())
        m_strPrinterName = pszParam;
    else if (m_nShellCommand == FilePrintTo && m_strDriverName.IsEmpty())
        m_strDriverName = pszParam;
    else if (m_nShellCommand == FilePrintTo && m_strPortName.IsEmpty())
        m_strPortName = pszParam;
}

void CCommandLineInfo::ParseLast(BOOL bLast)
{
    if (!bLast)
        return;
    if (m_nShellCommand == FileNew && !m_strFileName.IsEmpty())
        m_nShellCommand = FileOpen;
    m_bShowSplash = !m_bRunEmbedded && !m_bRunAutomated;
}
