// Machine-wide counterpart of the serial interface configuration (HKEY_LOCAL_MACHINE), opened
// read-only for users who may not change machine-wide settings. Owned by the application; the
// interface values themselves are per user (CSerialUserConfig).
#pragma once
#include "station/config/Config.h"

class CSerialConfig : public CConfig
{
    // Construction
  public:
    explicit CSerialConfig(BOOL readOnly);
    CSerialConfig(const CSerialConfig&) = delete;
    CSerialConfig& operator=(const CSerialConfig&) = delete;

    // Operations
  public:
    BOOL IsReadOnlyConfig() const
    {
        return m_bReadOnly;
    }

    // Implementation
  private:
    BOOL m_bReadOnly;
};
