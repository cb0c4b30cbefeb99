// CGXExcelLogger: the text log of a workbook read ("Handler.log", "Table.log"). Loggers come
// from a process-wide pool and go back to it when closed; a logger is created disabled, so it
// writes nothing until it is enabled.
#pragma once
#include "mfc/StdioFile.h"
#include "grid/core/CaptiveManager.h"

class CGXExcelLogger
{
  public:
    // Construction
    CGXExcelLogger() = default;
    ~CGXExcelLogger();
    CGXExcelLogger(const CGXExcelLogger&) = delete;
    CGXExcelLogger& operator=(const CGXExcelLogger&) = delete;

    // The pool loggers are taken from.
    static CGXCaptiveManager<CGXExcelLogger>& GetPool();

    // Attributes
    BOOL IsOpen() const
    {
        return m_bOpen;
    }
    BOOL IsDisabled() const
    {
        return m_bDisabled;
    }
    void Enable(BOOL bEnable)
    {
        m_bDisabled = !bEnable;
    }

    // Operations
    // Opens (creating or truncating) the file and writes the banner; nothing while disabled.
    BOOL Open(LPCTSTR pszPath);
    // Closes the file and returns the logger to the pool.
    void Close();
    void LogText(LPCTSTR pszText);
    void LogDecimal(long nValue, BOOL bNewLine);
    void LogHex(DWORD nValue, BOOL bNewLine);

  private:
    CStdioFile m_file;
    DWORD m_bOpen = 0;
    DWORD m_bDisabled = 1;
};
