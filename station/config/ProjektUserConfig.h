// Per-user counterpart of the project configuration (HKEY_CURRENT_USER\Software\KUVO GmbH\Helvon),
// always writable. Owned by the application; it adds no values of its own.
#pragma once
#include "station/config/Config.h"

class CProjektUserConfig : public CConfig
{
    // Construction
  public:
    CProjektUserConfig();
    CProjektUserConfig(const CProjektUserConfig&) = delete;
    CProjektUserConfig& operator=(const CProjektUserConfig&) = delete;
};
