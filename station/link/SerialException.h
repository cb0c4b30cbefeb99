// The error of a serial port operation: the Win32 code of the failed call and the system's text
// for it. Thrown as a pointer by CSerialPort; whoever catches it calls Delete().
#pragma once
#include "afx.h"

class CSerialException : public CException
{
    DECLARE_DYNAMIC(CSerialException)

  public:
    // Construction
    explicit CSerialException(DWORD dwError = 0);

    // Operations
    // The system's message text for m_dwError; empty when the system has none.
    CString GetErrorText();

    // Overridables
    BOOL GetErrorMessage(LPTSTR lpszError, UINT nMaxError, PUINT pnHelpContext = NULL) override;

    // Implementation
    DWORD m_dwError;
};

// Throws a new CSerialException; dwError 0 takes GetLastError().
[[noreturn]] void AFXAPI AfxThrowSerialException(DWORD dwError = 0);
