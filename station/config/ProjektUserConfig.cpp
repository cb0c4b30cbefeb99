// Per-user project configuration.
#include "station/config/ProjektUserConfig.h"

CProjektUserConfig::CProjektUserConfig() : CConfig(HELVON_REGISTRY_KEY, HKEY_CURRENT_USER, 0)
{
}
