#include "station/pendix/PendixServices.h"

namespace
{
BOOL NoInterface(STRUCT_SERIAL_INTERFACE&, CWnd*, BOOL, LPCTSTR)
{
    return FALSE;
}
void NoRelease(CWnd*)
{
}
void NoFlag(BOOL)
{
}
BOOL Cancelled(CWnd*, float*)
{
    return FALSE;
}

const PENDIX_SERVICES g_defaults = {NoInterface, NoRelease, NoFlag, Cancelled};
PENDIX_SERVICES g_services = g_defaults;
} // namespace

PENDIX_SERVICES SetPendixServices(const PENDIX_SERVICES& services)
{
    PENDIX_SERVICES previous = g_services;
    g_services.pfnAcquireSerialInterface = services.pfnAcquireSerialInterface
                                               ? services.pfnAcquireSerialInterface
                                               : g_defaults.pfnAcquireSerialInterface;
    g_services.pfnReleaseSerialInterface = services.pfnReleaseSerialInterface
                                               ? services.pfnReleaseSerialInterface
                                               : g_defaults.pfnReleaseSerialInterface;
    g_services.pfnSetPendixViewOpen =
        services.pfnSetPendixViewOpen ? services.pfnSetPendixViewOpen : g_defaults.pfnSetPendixViewOpen;
    g_services.pfnAskSerialNumber =
        services.pfnAskSerialNumber ? services.pfnAskSerialNumber : g_defaults.pfnAskSerialNumber;
    return previous;
}

const PENDIX_SERVICES& GetPendixServices()
{
    return g_services;
}
