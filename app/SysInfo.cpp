// System information: the administrator check through the process token's groups.
#include "app/SysInfo.h"
#include <vector>

IMPLEMENT_DYNAMIC(CSysInfo, CObject)

CSysInfo::CSysInfo() : m_bNTPlatform((::GetVersion() & 0x80000000) == 0), m_bAdministrator(FALSE)
{
}

CSysInfo::~CSysInfo()
{
}

void CSysInfo::Collect()
{
    CheckAdministrator();
}

void CSysInfo::CheckAdministrator()
{
    if (!m_bNTPlatform)
    {
        // Outside the NT family there are no user rights to respect.
        m_bAdministrator = TRUE;
        return;
    }
    HANDLE hToken = NULL;
    if (!::OpenProcessToken(::GetCurrentProcess(), TOKEN_QUERY, &hToken))
        return;
    m_bAdministrator = TokenHasAdministrators(hToken);
    ::CloseHandle(hToken);
}

BOOL CSysInfo::TokenHasAdministrators(HANDLE hToken)
{
    SID_IDENTIFIER_AUTHORITY ntAuthority = {SECURITY_NT_AUTHORITY};
    PSID pAdministrators = NULL;
    if (!::AllocateAndInitializeSid(&ntAuthority, 2, SECURITY_BUILTIN_DOMAIN_RID, DOMAIN_ALIAS_RID_ADMINS, 0,
                                    0, 0, 0, 0, 0, &pAdministrators))
        return FALSE;
    // First try a buffer of 1024 bytes; a token with more groups reports the size it needs.
    std::vector<BYTE> buffer(1024);
    DWORD dwNeeded = 0;
    BOOL bRead = ::GetTokenInformation(hToken, TokenGroups, buffer.data(), (DWORD)buffer.size(), &dwNeeded);
    if (!bRead && ::GetLastError() == ERROR_INSUFFICIENT_BUFFER)
    {
        buffer.resize(dwNeeded);
        bRead = ::GetTokenInformation(hToken, TokenGroups, buffer.data(), (DWORD)buffer.size(), &dwNeeded);
    }
    BOOL bFound = FALSE;
    if (bRead)
    {
        const TOKEN_GROUPS* pGroups = reinterpret_cast<const TOKEN_GROUPS*>(buffer.data());
        for (DWORD i = 0; i < pGroups->GroupCount && !bFound; i++)
            bFound = ::EqualSid(pGroups->Groups[i].Sid, pAdministrators);
    }
    ::FreeSid(pAdministrators);
    return bFound;
}
