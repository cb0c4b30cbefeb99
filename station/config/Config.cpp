// Configuration base: program folder and section paths.
#include "station/config/Config.h"
#include <stdlib.h>

CConfig::CConfig(LPCSTR subKey, HKEY root, int readOnly) : CRegistry(subKey, root, readOnly)
{
}

CConfig::~CConfig()
{
}

CString CConfig::GetModuleDirectory()
{
    char path[MAX_PATH + 1] = "";
    DWORD length = ::GetModuleFileNameA(AfxGetInstanceHandle(), path, MAX_PATH);
    path[length < MAX_PATH ? length : MAX_PATH] = '\0';
    char drive[_MAX_DRIVE], dir[_MAX_DIR], fname[_MAX_FNAME], ext[_MAX_EXT];
    _splitpath(path, drive, dir, fname, ext);
    CString result(drive);
    result += dir;
    if (result.IsEmpty() || result[result.GetLength() - 1] != '\\')
        result += '\\';
    return result;
}

CString CConfig::MakeSection(LPCSTR base, LPCSTR name)
{
    CString section;
    if (name == NULL)
        section = base;
    else
        section.Format("%s\\%s", base, name);
    return section;
}

CString CConfig::MapName(const CString& name)
{
    return name;
}
