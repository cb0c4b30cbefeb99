// CSysInfo: what the application learns about the machine at start-up. Only the administrator
// check is collected: machine-wide configuration is opened read-only for other users. Made,
// collected and destroyed again within the application's start-up.
#pragma once
#include "afx.h"

class CSysInfo : public CObject
{
    DECLARE_DYNAMIC(CSysInfo)

  public:
    // Construction
    CSysInfo();
    ~CSysInfo() override;
    CSysInfo(const CSysInfo&) = delete;
    CSysInfo& operator=(const CSysInfo&) = delete;

    // Operations
    void Collect();

    // Attributes
    BOOL IsAdministrator() const
    {
        return m_bAdministrator;
    }
    BOOL IsNTPlatform() const
    {
        return m_bNTPlatform;
    }

    // Implementation
  protected:
    // Whether one of the token's groups is the built-in Administrators group. Every listed group
    // counts, disabled and deny-only entries included; any failure answers FALSE.
    static BOOL TokenHasAdministrators(HANDLE hToken);
    void CheckAdministrator();

    BOOL m_bNTPlatform;
    BOOL m_bAdministrator;
};
