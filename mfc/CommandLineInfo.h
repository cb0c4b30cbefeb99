// CCommandLineInfo: what the command line asks the program to do at start-up.
//
// Differences from MFC:
// - No OLE automation or registration switches beyond recognising them.
#pragma once
#include "afx.h"

class CCommandLineInfo : public CObject
{
  public:
    // Construction
    CCommandLineInfo();
    ~CCommandLineInfo() override = default;

    // Operations
    // One argument; bFlag when it started with '-' or '/' (that character removed).
    virtual void ParseParam(LPCTSTR pszParam, BOOL bFlag, BOOL bLast);

    // Attributes
    enum
    {
        FileNew,
        FileOpen,
        FilePrint,
        FilePrintTo,
        FileDDE,
        AppUnregister,
        FileNothing = -1
    } m_nShellCommand;
    BOOL m_bShowSplash;
    BOOL m_bRunEmbedded;
    BOOL m_bRunAutomated;
    CString m_strFileName;
    CString m_strPrinterName;
    CString m_strDriverName;
    CString m_strPortName;

    // Implementation
    void ParseParamFlag(LPCTSTR pszParam);
    void ParseParamNotFlag(LPCTSTR pszParam);
    void ParseLast(BOOL bLast);
};
