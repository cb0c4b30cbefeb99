// Machine-wide serial interface configuration.
#include "station/config/SerialConfig.h"

CSerialConfig::CSerialConfig(BOOL readOnly)
    : CConfig(HELVON_REGISTRY_KEY, HKEY_LOCAL_MACHINE, readOnly ? 1 : 0), m_bReadOnly(readOnly)
{
}
